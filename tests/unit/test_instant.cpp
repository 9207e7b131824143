#include "timefmt/instant.h"
#include "ui/datemenu.h"

#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "places/place.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/calendar.h"
#include "screen/display.h"

namespace {

struct tm clockfields(int year, int mon, int mday, int hour, int min, int sec) {
  struct tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = mon - 1;
  t.tm_mday = mday;
  t.tm_hour = hour;
  t.tm_min = min;
  t.tm_sec = sec;
  return t;
}

class Instant : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    startheadless();
  }
  void SetUp() override {
    set_color_depth(8);
    bmp = create_bitmap(640, 480);
    clear_to_color(bmp, 7);
    VIDbmp = bmp;
    HORScale = 8;
    VRTScale = 16;
    colour[PALBLACK] = 0;
  }
  void TearDown() override {
    VIDbmp = nullptr;
    destroy_bitmap(bmp);
  }
  BITMAP *bmp = nullptr;
};

TEST_F(Instant, ClockFieldsFillTheMenuAndTheInstant) {
  struct tm t = clockfields(2000, 1, 1, 12, 0, 0);
  ASSERT_EQ(0, setclocktime(&t, 0, 0.0));
  EXPECT_DOUBLE_EQ(2451545.0, dJDay);
  EXPECT_NEAR(18.697, SidHr, 0.001);
  EXPECT_EQ(2000, iNT[MENUYEAR]);
  EXPECT_EQ(1, iNT[MENUMONTH]);
  EXPECT_EQ(1, iNT[MENUDAY]);
  EXPECT_EQ(12, iNT[MENUHOUR]);
  EXPECT_EQ(0, iNT[MENUMINUTE]);
  EXPECT_DOUBLE_EQ(2451545.0, dFP[MENUJDAY]);
}

TEST_F(Instant, ClockSecondsAndThePlacesZoneCount) {
  struct tm t = clockfields(2010, 6, 15, 22, 45, 30);
  setclocktime(&t, 10, -150.0);
  CalcSidHr(2010, 6, 15, 10, 22, 45, 30.0, -150.0);
  double want = dJDay, wantsid = SidHr;
  dJDay = 0;
  setclocktime(&t, 10, -150.0);
  EXPECT_DOUBLE_EQ(want, dJDay);
  EXPECT_DOUBLE_EQ(wantsid, SidHr);
  EXPECT_NEAR(2455363.0 + (22.75 + 30.0 / 3600 - 10 - 12) / 24, dJDay, 1e-9);
}

TEST_F(Instant, TwoDigitClockYearsCountFrom1950) {
  struct tm t = clockfields(1949, 3, 1, 0, 0, 0);
  setclocktime(&t, 0, 0.0);
  EXPECT_EQ(2049, iNT[MENUYEAR]);
  EXPECT_DOUBLE_EQ(caltoj(2049, 3, 1.0), dJDay);
  t = clockfields(1950, 3, 1, 0, 0, 0);
  setclocktime(&t, 0, 0.0);
  EXPECT_EQ(1950, iNT[MENUYEAR]);
}

TEST_F(Instant, PcClockGivesThePresent) {
  ASSERT_EQ(0, InitTimes(0, 0.0));
  // some time after 2020 and before 2150
  EXPECT_GT(dJDay, 2458849.5);
  EXPECT_LT(dJDay, 2506331.5);
  EXPECT_GE(iNT[MENUYEAR], 2020);
}

TEST_F(Instant, MakeFPdateTakesTheMenuJulianDay) {
  dFP[MENUJDAY] = 2460123.25;
  ASSERT_EQ(0, makeFPdate());
  EXPECT_DOUBLE_EQ(2460123.25, dJDay);
}

void setmenu(int y, int m, int d, int h, int mi) {
  iNT[MENUYEAR] = y;
  iNT[MENUMONTH] = m;
  iNT[MENUDAY] = d;
  iNT[MENUHOUR] = h;
  iNT[MENUMINUTE] = mi;
}

TEST_F(Instant, MenuTimeUsesThePlacesWholeHourZone) {
  dLongit = -120.0;
  const double zones[][2] = {{5.5, 5}, {-3.5, -3}, {10.0, 10}, {-0.9, 0}};
  for (const auto &z : zones) {
    dTzone = z[0];
    setmenu(2000, 1, 2, 5, 0);
    double jd = 0;
    ASSERT_EQ(0, setmenutime(&jd));
    double got = dJDay, gotsid = SidHr;
    CalcSidHr(2000, 1, 2, (int)z[1], 5, 0, 0.0, -120.0);
    EXPECT_DOUBLE_EQ(dJDay, got) << z[0];
    EXPECT_DOUBLE_EQ(SidHr, gotsid) << z[0];
    EXPECT_DOUBLE_EQ(got, jd);
    EXPECT_DOUBLE_EQ(got, dFP[MENUJDAY]);
  }
  // zone +10 carries back across midnight: 2000-01-01 19:00 UT
  dTzone = 10.0;
  double jd;
  setmenutime(&jd);
  EXPECT_NEAR(2451545.2916667, jd, 1e-7);
}

TEST_F(Instant, MakeMyDateStoresTheMenuInstant) {
  dTzone = 0.0;
  dLongit = 0.0;
  setmenu(2000, 2, 31, 12, 0);  // no validation: the day count runs on
  dFP[MENUJDAY] = 0.0;
  ASSERT_EQ(0, makemydate());
  EXPECT_DOUBLE_EQ(caltoj(2000, 3, 2.5), dJDay);
  EXPECT_DOUBLE_EQ(dJDay, dFP[MENUJDAY]);
}

TEST_F(Instant, RealTimeDateReadsTheClockForThePlace) {
  dTzone = 0.0;
  dLongit = 0.0;
  ASSERT_EQ(0, realtimedate());
  double utc = dJDay;
  dTzone = 3.7;  // three whole hours ahead: the same clock reads 3 h earlier in UT
  ASSERT_EQ(0, timeinit());
  EXPECT_NEAR(utc - 3.0 / 24, dJDay, 2.0 / 86400);
  EXPECT_DOUBLE_EQ(dJDay, dFP[MENUJDAY]);
}

TEST_F(Instant, StatusLineShowsSidHrAndJD) {
  SidHr = 18.697;
  dJDay = 2451545.0;
  displaytime();
  int red = makecol(240, 85, 85);
  int y1 = VRTScale + 6, y2 = VRTScale + 14;
  int inkSid = 0, inkJD = 0, cleared = 0;
  for (int y = y1; y <= y2; y++)
    for (int x = 58 * 8; x <= 79 * 8; x++) {
      int c = getpixel(bmp, x, y);
      if (c == red) (x < 68 * 8 ? inkSid : inkJD)++;
      if (c == colour[PALBLACK]) cleared++;
      ASSERT_TRUE(c == red || c == colour[PALBLACK]) << x << "," << y;
    }
  EXPECT_GT(inkSid, 20);
  EXPECT_GT(inkJD, 40);
  EXPECT_GT(cleared, 100);
  // nothing outside the two boxes
  EXPECT_EQ(7, getpixel(bmp, 58 * 8 - 1, y1));
  EXPECT_EQ(7, getpixel(bmp, 60 * 8, y2 + 1));
  EXPECT_EQ(7, getpixel(bmp, 70 * 8, y1 - 1));
}

TEST_F(Instant, JulianDayFitsItsBoxAt640) {
  data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
  ASSERT_NE(data, nullptr);
  oldfont = font;
  dJDay = 2461382.49;
  displaytime();
  int red = makecol(240, 85, 85), right = -1;
  for (int x = 68 * 8; x < 640; x++)
    for (int y = VRTScale; y < 2 * VRTScale; y++)
      if (getpixel(bmp, x, y) == red) right = x;
  // all of "JD 2461382.490" inside 68..79 cells, not cut at the screen edge
  EXPECT_GT(right, 68 * 8 + 50);
  EXPECT_LE(right, 79 * 8);
  unload_datafile(data);
  data = nullptr;
}

// The status line is redrawn every second over the last one: a new time
// must leave no trace of the old, also in its last digit.
TEST_F(Instant, RedrawnStatusLineKeepsNoTraceOfTheLast) {
  data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
  ASSERT_NE(data, nullptr);
  oldfont = font;
  dJDay = 2461382.49;
  SidHr = 13.0;
  displaytime();
  BITMAP *fresh = create_bitmap(640, 480);
  blit(bmp, fresh, 0, 0, 0, 0, 640, 480);
  clear_to_color(bmp, 7);
  SidHr = 13.0 + 8.0 / 60;  // 13:08
  dJDay = 2461382.888;
  displaytime();
  SidHr = 13.0;
  dJDay = 2461382.49;
  displaytime();
  int differ = 0;
  for (int y = VRTScale; y < 2 * VRTScale; y++)
    for (int x = 58 * 8; x < 640; x++) differ += getpixel(bmp, x, y) != getpixel(fresh, x, y);
  EXPECT_EQ(differ, 0);
  destroy_bitmap(fresh);
  unload_datafile(data);
  data = nullptr;
}

}  // namespace

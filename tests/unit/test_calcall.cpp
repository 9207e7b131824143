#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/positions.h"
#include "mp_fixtures.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "screen/display.h"
#include "ui/windows.h"
#include "ui/datemenu.h"

class CalcAll : public ::testing::Test {
 protected:
  void SetUp() override {
    mpallegro();
    initsettings();
    dFP[MPMAGLIMIT] = 14.0;
    day = 2459800.5;
    VIDbmp = nullptr;
  }
};

TEST_F(CalcAll, PlanetsOnlyTableSortsBothViews) {
  writedb(scratchname("t_calc8.bin"), 8, {});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_calc8.bin")), 0);
  ASSERT_EQ(calcastall(day), 0);
  bool seen[8] = {};
  for (int k = 0; k < 8; k++) {
    ASSERT_GE(iRindex[k], 0);
    ASSERT_LT(iRindex[k], 8);
    seen[iRindex[k]] = true;
    if (k) {
      EXPECT_LE(int(10 * obj[iRindex[k - 1]].ra), int(10 * obj[iRindex[k]].ra));
    }
  }
  for (bool s : seen) EXPECT_TRUE(s);
  for (int i = 0; i < 8; i++) EXPECT_EQ(iBcalc[i], 10);
}

TEST_F(CalcAll, RealTableIsComputedWithFiniteValues) {
  ASSERT_EQ(MPinit(), 0);
  ASSERT_EQ(calcastall(day), 0);
  for (int i = 0; i < iNumAst; i++) {
    ASSERT_NE(iBcalc[i], 0) << i;
    ASSERT_TRUE(std::isfinite(obj[i].mag) && std::isfinite(obj[i].dist)) << i;
    ASSERT_GE(obj[i].block, 0);
    ASSERT_LT(obj[i].block, 432);
    ASSERT_EQ(obj[i].block, int(obj[i].dec / 10 + 9) * 24 + int(obj[i].ra)) << i;
    if (i >= 8) {
      ASSERT_GE(iBcalc[i], 35);
      ASSERT_LE(iBcalc[i], 47);
    }
  }
  // Every record appears once in each view.
  static int count[MPMAX];
  memset(count, 0, sizeof count);
  for (int k = 0; k < iNumAst; k++) count[iBindex[k]]++;
  for (int i = 0; i < iNumAst; i++) ASSERT_EQ(count[i], 1) << i;
}

TEST_F(CalcAll, NextDayPlacesMatchTheNextDaysPass) {
  ASSERT_EQ(MPinit(), 0);
  calcastall(day + 1.0);
  float ra = obj[20].ra, dec = obj[20].dec;
  calcastall(day);
  EXPECT_FLOAT_EQ(obj[20].ratom, ra);
  EXPECT_FLOAT_EQ(obj[20].dectom, dec);
  calctomorrow(20, day);
  EXPECT_NEAR(obj[20].ratom, ra, 1e-5);
}

TEST_F(CalcAll, SameBinKeepsRecordOrder) {
  iNumAst = 10;
  for (int i = 0; i < 10; i++) {
    obj[i].ra = 1.0f + i;
    iBcalc[i] = 40;
  }
  obj[3].ra = 5.51f;  // same 0.1 h bin as record 4
  obj[4].ra = 5.55f;
  sortbackcalc(day);
  int pos3 = -1, pos4 = -1;
  for (int k = 0; k < 10; k++) {
    if (iRindex[k] == 3) pos3 = k;
    if (iRindex[k] == 4) pos4 = k;
  }
  EXPECT_EQ(pos4, pos3 + 1);
  obj[3].ra = 5.59f;  // the later record now has the smaller RA, same bin
  obj[4].ra = 5.51f;
  sortbackcalc(day);
  for (int k = 0; k < 10; k++) {
    if (iRindex[k] == 3) pos3 = k;
    if (iRindex[k] == 4) pos4 = k;
  }
  EXPECT_EQ(pos4, pos3 + 1);
}

TEST_F(CalcAll, TwelveHoursFromOppositionComesLast) {
  double s, dec, eqt, dpsi, deps, obl;
  getsunpos(day, &s, &dec, &eqt, &dpsi, &deps, &obl);
  iNumAst = 5;
  for (int i = 0; i < 5; i++) {
    iBcalc[i] = 40;
    obj[i].ra = static_cast<float>(fmod(s + 12.0 + i * 0.5, 24.0));  // near opposition
  }
  obj[1].ra = static_cast<float>(s);  // at the Sun: 12 h from opposition
  sortbackcalc(day);
  EXPECT_EQ(iBindex[0], 0);
  EXPECT_EQ(iBindex[4], 1);
}

TEST_F(CalcAll, UncomputableOrbitsAreUndefinedAndListedLast) {
  writedb(scratchname("t_calcbad.bin"), 12, {mprecord(1, "Good", 5), mprecord(2, "Hyper", 5),
                                mprecord(3, "Zero", 5), mprecord(4, "Good2", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_calcbad.bin")), 0);
  mp[9].ecc = 1.2f;
  mp[10].semiaxis = 0.0f;
  mp[10].daily = 0.0f;
  calcastall(day);
  EXPECT_NE(iBcalc[8], 0);
  EXPECT_EQ(iBcalc[9], 0);
  EXPECT_EQ(iBcalc[10], 0);
  EXPECT_EQ(obj[9].ra, 0.0f);
  EXPECT_TRUE(std::isfinite(obj[9].ratom));
  EXPECT_EQ(iRindex[10], 9);
  EXPECT_EQ(iRindex[11], 10);
  EXPECT_EQ(iBindex[11], 10);
  char row[80];
  findpos(row, 9);
  EXPECT_STREQ(row, "9     2     Hyper              undefined ");
  calcsingle(9, day);
  EXPECT_EQ(iBcalc[9], 0);
}

TEST_F(CalcAll, ColourClassesFollowTheMagnitude) {
  writedb(scratchname("t_calcmag.bin"), 9, {mprecord(1, "A", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_calcmag.bin")), 0);
  GEOPLACE g;
  ASSERT_EQ(astplace(8, day, 1, &g), 0);
  struct Case {
    double mag;
    int table, single;
  } cases[] = {{5.0, 47, 47}, {8.4, 47, 47}, {10.2, 43, 43}, {12.1, 39, 39},
               {14.6, 35, 34}, {15.2, 35, 33}, {20.0, 35, 33}};
  for (const Case &c : cases) {
    mp[8].hmag = static_cast<float>(c.mag / g.k - 5 * log10(g.dist * g.r));
    calcastall(day);
    ASSERT_NEAR(obj[8].mag, c.mag, 1e-4);
    EXPECT_EQ(iBcalc[8], c.table) << c.mag;
    mp[8].hmag = static_cast<float>(c.mag * sqrt(g.k) - 2.17147 * (log(g.dist) + log(g.r)));
    calcsingle(8, day);
    ASSERT_NEAR(obj[8].mag, c.mag, 1e-4);
    EXPECT_EQ(iBcalc[8], c.single) << c.mag;
  }
  mp[0].hmag = 30.0f;  // planets keep class 10 whatever their magnitude
  calcastall(day);
  EXPECT_EQ(iBcalc[0], 10);
}

TEST_F(CalcAll, ListRowsAndDateLine) {
  ASSERT_EQ(MPinit(), 0);
  calcastall(2451545.0);
  showJday(2451545.0);  // the caller draws the date line
  EXPECT_STREQ(achDLine[61], "JD 2451545.00  Sat  1 Jan 00 12:00 epoc 2000");
  char row[80];
  findpos(row, 8);
  EXPECT_EQ(std::string(row).substr(0, 30), "8     1     Ceres             ");
  EXPECT_EQ(strlen(row), 66u);
  int i = findastname("2004 XR190");
  if (i < 0) i = iNumAst - 1;
  mp[i].number = 0;
  findpos(row, i);
  EXPECT_EQ(std::string(row).substr(4, 8), "        ");
}

TEST_F(CalcAll, DateLineIsDrawn) {
  BITMAP *bmp = create_bitmap_ex(8, 640, 480);
  ASSERT_NE(bmp, nullptr);
  clear_to_color(bmp, 0);
  VIDbmp = bmp;
  HORScale = 8;
  VRTScale = 16;
  for (int k = 0; k < 257; k++) colour[k] = k;
  showJday(2451545.0);
  EXPECT_EQ(getpixel(bmp, 2 * 8 + 340, 3 * 16 + 2), 7);
  VIDbmp = nullptr;
  destroy_bitmap(bmp);
}

// After 2000 precession carries places just east of 0 h of date back across
// 0 h of J2000: such records must list, sort and fall into blocks by a right
// ascension just under 24 h, never below 0.
TEST_F(CalcAll, RightAscensionStaysInsideOneDayAcrossZeroHours) {
  ASSERT_EQ(MPinit(), 0);
  int nearzero = 0;
  for (double jd : {2460800.5, 2494000.5}) {
    ASSERT_EQ(calcastall(jd), 0);
    for (int i = 0; i < iNumAst; i++) {
      ASSERT_NE(iBcalc[i], 0) << i;
      ASSERT_GE(obj[i].ra, 0.0f) << i << " jd " << jd;
      ASSERT_LT(obj[i].ra, 24.0f) << i;
      ASSERT_GE(obj[i].ratom, 0.0f) << i;
      ASSERT_LT(obj[i].ratom, 24.0f) << i;
      ASSERT_EQ(obj[i].block, int(obj[i].dec / 10 + 9) * 24 + int(obj[i].ra)) << i;
      if (obj[i].ra > 23.9f) nearzero++;
    }
    // The R.A. view ends with the records just under 24 h.
    int last = iRindex[iNumAst - 1];
    EXPECT_GE(int(10 * obj[last].ra), 230) << last;
  }
  EXPECT_GT(nearzero, 0);
}

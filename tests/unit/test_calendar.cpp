#include "timefmt/calendar.h"

#include <gtest/gtest.h>

#include <string>

#include "timefmt/instant.h"

namespace {

std::string shortdate(double jd) {
  EXPECT_EQ(0, jtocal(jd));
  return jdbuff;
}

std::string longdate(double jd) {
  int d, m;
  long y;
  double ut;
  EXPECT_EQ(0, jdtodmyut(jd, &d, &m, &y, &ut));
  return jdbuff;
}

double calcjd(int y, int m, int d, int tz, int h, int mi, double s = 0.0) {
  EXPECT_EQ(0, CalcJD(y, m, d, tz, h, mi, s));
  return dJDay;
}

TEST(Calendar, CaltojAcrossTheGregorianReform) {
  EXPECT_DOUBLE_EQ(2451545.0, caltoj(2000, 1, 1.5));
  EXPECT_DOUBLE_EQ(2299160.5, caltoj(1582, 10, 15.0));
  EXPECT_DOUBLE_EQ(2299159.5, caltoj(1582, 10, 4.0));
  EXPECT_DOUBLE_EQ(2299169.5, caltoj(1582, 10, 14.0));  // still Julian
  EXPECT_DOUBLE_EQ(2446822.5, caltoj(1987, 1, 27.0));
  EXPECT_DOUBLE_EQ(0.0, caltoj(-4713, 1, 1.5));
}

TEST(Calendar, CaltojHasNoYearZero) {
  // 1 B.C. December 31 is the day before AD 1 January 1
  EXPECT_DOUBLE_EQ(caltoj(1, 1, 1.0) - 1.0, caltoj(-1, 12, 31.0));
  EXPECT_DOUBLE_EQ(1721422.5, caltoj(-1, 12, 31.0));
  // a Julian leap year: 1 B.C. had a February 29
  EXPECT_DOUBLE_EQ(caltoj(-1, 3, 1.0) - 1.0, caltoj(-1, 2, 29.0));
}

TEST(Calendar, JtocalShortTexts) {
  EXPECT_EQ("Sat  1 Jan 00 12:00", shortdate(2451545.0));
  EXPECT_EQ("Fri 15 Oct 82  0:00", shortdate(2299160.5));
  EXPECT_EQ("Thu  4 Oct 82  0:00", shortdate(2299159.5));
  EXPECT_EQ("Sat  1 Jan 01  0:00", shortdate(1721423.5));
  EXPECT_EQ("Fri 31 Dec 1 B.C.  0:00", shortdate(1721422.5));
  EXPECT_EQ("Tue 27 Jan 87  0:00", shortdate(2446822.5));
}

TEST(Calendar, JdtodmyutLongTextsAndFields) {
  EXPECT_EQ("Sat  1 Jan 2000 12:00", longdate(2451545.0));
  EXPECT_EQ("Mon  1 Jan 4713 B.C. 12:00", longdate(0.0));
  int d, m;
  long y;
  double ut;
  jdtodmyut(2451545.25, &d, &m, &y, &ut);
  EXPECT_EQ(1, d);
  EXPECT_EQ(1, m);
  EXPECT_EQ(2000, y);
  EXPECT_NEAR(18.0, ut, 1e-6);
  jdtodmyut(1721422.5, &d, &m, &y, &ut);
  EXPECT_EQ(31, d);
  EXPECT_EQ(12, m);
  EXPECT_EQ(1, y);  // 1 B.C. as a positive year
}

TEST(Calendar, JtocalInvertsCaltojOverManyDays) {
  // Every 97th day from 3000 B.C. to AD 3000 round-trips through the texts'
  // fields.
  for (double jd = 625673.5; jd < 2817152.5; jd += 97.0) {
    int d, m;
    long y;
    double ut;
    jdtodmyut(jd, &d, &m, &y, &ut);
    int year = (std::string(jdbuff).find("B.C.") != std::string::npos) ? -(int)y : (int)y;
    ASSERT_DOUBLE_EQ(jd, caltoj(year, m, d)) << jdbuff;
  }
}

TEST(Calendar, JdBeforeZeroStillNamesARealWeekdayAndMonth) {
  std::string s = shortdate(-1000.25);
  EXPECT_NE(std::string::npos, s.find("B.C.")) << s;
  static const char *const wd[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  bool found = false;
  for (const char *w : wd) found = found || s.compare(0, 3, w) == 0;
  EXPECT_TRUE(found) << s;
}

TEST(Calendar, GmttojdIsGregorian) {
  EXPECT_DOUBLE_EQ(2451544.5, gmttojd(1, 1, 2000, 0.0));
  EXPECT_DOUBLE_EQ(2451545.0, gmttojd(1, 1, 2000, 12.0));
  EXPECT_DOUBLE_EQ(2446822.5, gmttojd(27, 1, 1987, 0.0));
  EXPECT_DOUBLE_EQ(2451604.5, gmttojd(1, 3, 2000, 0.0));  // 2000 was a leap year
  EXPECT_DOUBLE_EQ(caltoj(1600, 3, 1.0), gmttojd(1, 3, 1600, 0.0));
}

TEST(Calendar, LocalsidAtGreenwichAndWrap) {
  // 2000 January 1, 12 h UT: Greenwich sidereal time 18.697 h
  EXPECT_NEAR(18.697, localsid(1, 1, 2000, 12.0, 0.0), 0.001);
  // far east late in the day: G + UT - long/15 would pass 24 h
  double lst = localsid(1, 1, 2000, 23.5, -170.0);
  EXPECT_GE(lst, 0.0);
  EXPECT_LT(lst, 24.0);
  EXPECT_NEAR(18.697 + 11.5 * 1.002737908 + 170.0 / 15 - 24.0, lst, 0.001);
  // before 1900 the fraction is negative: still brought into 0..24
  lst = localsid(1, 1, 1850, 0.0, 120.0);
  EXPECT_GE(lst, 0.0);
  EXPECT_LT(lst, 24.0);
}

TEST(Calendar, CalcJDCheckValues) {
  EXPECT_DOUBLE_EQ(2451545.0, calcjd(2000, 1, 1, 0, 12, 0));
  EXPECT_DOUBLE_EQ(2299160.5, calcjd(1582, 10, 15, 0, 0, 0));
  EXPECT_DOUBLE_EQ(2299169.5, calcjd(1582, 10, 14, 0, 0, 0));
  EXPECT_DOUBLE_EQ(2299159.5, calcjd(1582, 10, 4, 0, 0, 0));
  EXPECT_NEAR(caltoj(1066, 10, 14.5), calcjd(1066, 10, 14, 0, 12, 0), 1e-9);
  EXPECT_NEAR(2451545.0 + 30.5 / 1440, calcjd(2000, 1, 1, 0, 12, 0, 1830.0), 1e-9);
}

TEST(Calendar, CalcJDZoneCarriesAcrossMidnight) {
  EXPECT_NEAR(2451545.2916667, calcjd(2000, 1, 2, 10, 5, 0), 1e-7);
  EXPECT_NEAR(2451546.0625, calcjd(2000, 1, 2, 10, 23, 30), 1e-9);
  EXPECT_NEAR(2451545.0, calcjd(2000, 1, 1, -5, 7, 0), 1e-9);  // west of Greenwich
}

TEST(Calendar, CalcJDCountsOnPastTheMonthEnd) {
  EXPECT_DOUBLE_EQ(calcjd(2000, 3, 2, 0, 0, 0), calcjd(2000, 2, 31, 0, 0, 0));
  EXPECT_DOUBLE_EQ(calcjd(1999, 12, 31, 0, 0, 0), calcjd(2000, 1, 0, 0, 0, 0));
}

TEST(Calendar, CalcJDAgreesWithCaltojOnBothCalendars) {
  static const int dates[][3] = {{1, 1, 1},     {800, 12, 25}, {1582, 2, 28}, {1582, 10, 15},
                                 {1700, 3, 1},  {1900, 2, 28}, {1900, 3, 1},  {2000, 2, 29},
                                 {2024, 12, 31}, {9999, 12, 31}};
  for (const auto &d : dates)
    EXPECT_DOUBLE_EQ(caltoj(d[0], d[1], d[2]), calcjd(d[0], d[1], d[2], 0, 0, 0))
        << d[0] << "-" << d[1] << "-" << d[2];
}

TEST(Calendar, CalcSidHrCheckValuesAndWrap) {
  EXPECT_EQ(0, CalcSidHr(2000, 1, 1, 0, 12, 0, 0.0, 0.0));
  EXPECT_DOUBLE_EQ(2451545.0, dJDay);
  EXPECT_NEAR(18.697, SidHr, 0.001);
  // 120 degrees west with GST below 8 h: wraps to 22.66 h, not negative
  CalcSidHr(2000, 1, 1, 0, 0, 0, 0.0, 120.0);
  EXPECT_NEAR(22.66, SidHr, 0.01);
  // the two sidereal time formulas agree at a whole-hour instant
  CalcSidHr(1995, 7, 14, 3, 22, 0, 0.0, -45.0);
  EXPECT_NEAR(localsid(14, 7, 1995, 19.0, -45.0), SidHr, 0.001);
  // at a JD ending in .5 (0 h UT) f is 1.0 of the previous day: same result
  CalcSidHr(2000, 1, 2, 0, 0, 0, 0.0, 0.0);
  EXPECT_NEAR(localsid(2, 1, 2000, 0.0, 0.0), SidHr, 0.001);
}

}  // namespace

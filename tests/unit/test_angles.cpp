#include "timefmt/angles.h"

#include <gtest/gtest.h>

#include <string>

#include "base/constants.h"

namespace {

std::string fmt(int (*f)(char *, double), double x) {
  char s[ANGLETEXTLEN];
  EXPECT_EQ(0, f(s, x));
  return s;
}

std::string day2hm(double x) {
  EXPECT_EQ(0, df2hms(x));
  return hmsbuf;
}

TEST(Angles, HmsRoundsFromPointFiftyFiveSecondsAndCarries) {
  EXPECT_EQ(" 5 30 00", fmt(hms, 5.5));
  EXPECT_EQ("13 00 00", fmt(hms, 12.9999));
  EXPECT_EQ("12 59 59", fmt(hms, 12.99984));
  EXPECT_EQ(" 0 00 00", fmt(hms, 0.0));
  // 0.54 s stays in the same second, 0.56 s goes to the next
  EXPECT_EQ(" 1 00 00", fmt(hms, 1.0 + 0.54 / 3600));
  EXPECT_EQ(" 1 00 01", fmt(hms, 1.0 + 0.56 / 3600));
}

TEST(Angles, HmssShowsTenthsAndDoesNotWrapTheHour) {
  EXPECT_EQ(" 5 30 36.0", fmt(hmss, 5.51));
  EXPECT_EQ("24 00 00.0", fmt(hmss, 23.999999));
  EXPECT_EQ(" 5 30 36.0", fmt(hmss, -5.51));
  EXPECT_EQ(" 0 00 59.9", fmt(hmss, 59.9 / 3600));
}

TEST(Angles, HhmmtStopsAtFiftyNineMinutes) {
  EXPECT_EQ("23:59", fmt(hhmmt, 23.9999));
  EXPECT_EQ(" 7:59", fmt(hhmmt, 7.9999));
  EXPECT_EQ(" 5:15", fmt(hhmmt, -5.25));
  EXPECT_EQ("18:42", fmt(hhmmt, 18.697));
}

TEST(Angles, DmsKeepsTheSignOfSmallNegatives) {
  EXPECT_EQ("-  0 30 00", fmt(dms, -0.5));
  EXPECT_EQ("+  0 00 00", fmt(dms, 0.0));
  EXPECT_EQ("+ 45 30 00", fmt(dms, 45.5));
  EXPECT_EQ("-123 00 00", fmt(dms, -122.99999));
}

TEST(Angles, DdmmssWidensFromOneHundredDegrees) {
  EXPECT_EQ("+45 30 00", fmt(ddmmss, 45.5));
  EXPECT_EQ("+99 59 24", fmt(ddmmss, 99.99));
  EXPECT_EQ("+100 00 00", fmt(ddmmss, 100.0));
  EXPECT_EQ("-100 00 00", fmt(ddmmss, -100.0));
  EXPECT_EQ("- 0 30 00", fmt(ddmmss, -0.5));
}

TEST(Angles, DdmmmRoundsTenthsOfArcMinuteFromPointNine) {
  EXPECT_EQ("-33 07.5", fmt(ddmmm, -33.125));
  EXPECT_EQ("+11 00.0", fmt(ddmmm, 10.99995));
  EXPECT_EQ("- 0 15.0", fmt(ddmmm, -0.25));
  // 0.85 tenth is dropped, 0.95 tenth counts
  EXPECT_EQ("+ 1 00.0", fmt(ddmmm, 1.0 + 0.085 / 60));
  EXPECT_EQ("+ 1 00.1", fmt(ddmmm, 1.0 + 0.095 / 60));
}

TEST(Angles, Df2hmsTruncatesMinutesAndWrapsNegativeFractions) {
  EXPECT_EQ(" 6:00", day2hm(0.25));
  EXPECT_EQ("12:00", day2hm(0.5));
  EXPECT_EQ("18:00", day2hm(-0.25));
  EXPECT_EQ("23:59", day2hm(0.99999));
  EXPECT_EQ(" 0:00", day2hm(0.0));
}

TEST(Angles, NameTables) {
  EXPECT_STREQ("Jan", months[0]);
  EXPECT_STREQ("Dec", months[11]);
  EXPECT_STREQ("Sun", days[0]);
  // 2000 January 1: Z = 2451545, (Z + 1) mod 7 names a Saturday
  EXPECT_STREQ("Sat", days[(2451545 + 1) % 7]);
  EXPECT_DOUBLE_EQ(3.141592653589793, DPI);
}

}  // namespace

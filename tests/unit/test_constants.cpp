#include <gtest/gtest.h>

#include <cmath>

#include "base/constants.h"

TEST(Constants, FullPrecisionValues) {
  EXPECT_DOUBLE_EQ(DPI, std::acos(-1.0));
  EXPECT_DOUBLE_EQ(D2PI, 2 * std::acos(-1.0));
  EXPECT_DOUBLE_EQ(DR2D * DD2R, 1.0);
  EXPECT_DOUBLE_EQ(DR2H * DH2R, 1.0);
  EXPECT_DOUBLE_EQ(DH2R, DEGPERHOUR * DD2R);
  EXPECT_EQ(DJ00 - DJ1900, DJC) << "1900 January 0.5 to 2000 January 1.5 is one Julian century";
  EXPECT_EQ(DJC, 36525.0);
  // Light takes 499.005 s over one astronomical unit.
  EXPECT_NEAR(DAYSEC / CAUDAY, 499.004784, 1e-6);
}

// The chart's and the positions' factors keep their truncated digits.
TEST(Constants, TruncatedFactorsAsStored) {
  EXPECT_EQ(dDEGTORAD, 0.017453292);
  EXPECT_EQ(dRATORAD, 0.261799387);
  EXPECT_EQ(P0, 57.29577951);
  EXPECT_EQ(dRad, P0);
  EXPECT_EQ(P1, 3.1415926536);
  EXPECT_EQ(P2, 6.2831853072);
  EXPECT_NE(dDEGTORAD, DD2R) << "truncated, not the exact factor";
}

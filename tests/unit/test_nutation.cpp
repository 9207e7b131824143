#include "astro/nutation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kPi = 3.141592653589793;
const double kArcsec = kPi / 180.0 / 3600.0;

TEST(Nutation, RangeReducesIntoHalfOpenInterval) {
  double v = -0.5;
  range(&v, 2 * kPi);
  EXPECT_DOUBLE_EQ(2 * kPi - 0.5, v);
  v = 2 * kPi;
  range(&v, 2 * kPi);
  EXPECT_DOUBLE_EQ(0.0, v);
  v = 50.0;
  range(&v, 24.0);
  EXPECT_DOUBLE_EQ(2.0, v);
  v = -1e-17;  // must not come back as the period itself
  range(&v, 2 * kPi);
  EXPECT_GE(v, 0.0);
  EXPECT_LT(v, 2 * kPi);
}

TEST(Nutation, ObliquityAtEpochAndItsDecrease) {
  double eps;
  obliquity(0.0, &eps);
  EXPECT_DOUBLE_EQ(23.45229444 * kPi / 180, eps);
  double eps2000;
  obliquity(36525.0, &eps2000);
  // about 47 arc-seconds less a century later
  EXPECT_NEAR(-(46.845 + 0.0059 - 0.00181), (eps2000 - eps) / kArcsec, 1e-6);
}

TEST(Nutation, NutationAtAKnownDate) {
  // 1987 April 10, 0 h: nutation in longitude -3.788", obliquity +9.443"
  // (IAU 1980 values; this short series agrees to a few tenths)
  double deps, dpsi;
  nutation(2446895.5 - 2415020.0, &deps, &dpsi);
  EXPECT_NEAR(-3.788, dpsi / kArcsec, 0.5);
  EXPECT_NEAR(9.443, deps / kArcsec, 0.5);
}

TEST(Nutation, CacheRefreshesOnANewInstant) {
  double e1, p1, e2, p2, e1b, p1b, e2b, p2b;
  nutation(1000.0, &e1, &p1);
  nutation(5000.0, &e2, &p2);
  EXPECT_NE(p1, p2);
  EXPECT_NE(e1, e2);
  nutation(5000.0, &e2b, &p2b);
  nutation(1000.0, &e1b, &p1b);
  EXPECT_EQ(p1, p1b);
  EXPECT_EQ(e1, e1b);
  EXPECT_EQ(p2, p2b);
  EXPECT_EQ(e2, e2b);
  // both stay within the known amplitude of about 17" and 9"
  EXPECT_LT(std::fabs(p1), 19.0 * kArcsec);
  EXPECT_LT(std::fabs(e1), 10.5 * kArcsec);
}

double trueobliquity(double mjd) {
  double eps, deps, dpsi;
  obliquity(mjd, &eps);
  nutation(mjd, &deps, &dpsi);
  return eps + deps;
}

TEST(Nutation, EclipticPoleAndEquinoxPoints) {
  const double mjd = 36524.5;
  double eps = trueobliquity(mjd);
  double ra, dec;
  ecl_eq(mjd, kPi / 2, 0.0, &ra, &dec);
  EXPECT_NEAR(kPi / 2 - eps, dec, 1e-12);
  EXPECT_NEAR(3 * kPi / 2, ra, 1e-12);
  ecl_eq(mjd, 0.0, kPi / 2, &ra, &dec);
  EXPECT_NEAR(kPi / 2, ra, 1e-12);
  EXPECT_NEAR(eps, dec, 1e-12);
  ecl_eq(mjd, 0.0, kPi, &ra, &dec);
  EXPECT_NEAR(kPi, ra, 1e-12);
  EXPECT_NEAR(0.0, dec, 1e-12);
}

TEST(Nutation, EclEqMatchesTheRotationAndRefreshesItsCache) {
  // A general point through the rotation about the x axis, at two instants
  // in turn so a stale obliquity would show.
  const double mjds[] = {-20000.0, 40000.0, -20000.0};
  for (double mjd : mjds) {
    double eps = trueobliquity(mjd);
    double beta = 0.3, lambda = 4.0;
    double x = std::cos(beta) * std::cos(lambda);
    double y = std::cos(beta) * std::sin(lambda) * std::cos(eps) - std::sin(beta) * std::sin(eps);
    double z = std::cos(beta) * std::sin(lambda) * std::sin(eps) + std::sin(beta) * std::cos(eps);
    double ra, dec;
    ASSERT_EQ(0, ecl_eq(mjd, beta, lambda, &ra, &dec));
    double wantra = std::atan2(y, x);
    if (wantra < 0) wantra += 2 * kPi;
    EXPECT_NEAR(wantra, ra, 1e-12) << mjd;
    EXPECT_NEAR(std::asin(z), dec, 1e-12) << mjd;
  }
}

}  // namespace

// The JPL ephemeris file, Delta T and the H-G magnitudes against
// independent figures.
#include "astro/jplephem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/deltat.h"
#include "minorplanets/magnitude.h"
#include "testsupport.h"

namespace {

struct JplFile : ::testing::Test {
  void TearDown() override { jplclose(); }
};

int readbytesfile(const std::vector<unsigned char> &bytes) {
  std::string path = scratchpath("jpltest.bin");
  writebytes(path, bytes);
  char report[200];
  return jplopen(path.c_str(), report, sizeof report);
}

// The shipped file: the Moon from the Earth and the Earth from the Sun as
// the DE405 reference places give them (geometric distance differs from
// the light-time one by the body's motion over a second or so), and every
// kind of damage refused without an ephemeris left in use.
TEST_F(JplFile, ShippedFileAndDamage) {
  std::vector<unsigned char> good = readbytes(runtimepath(JPLFILE));
  ASSERT_GT(good.size(), 100000u);
  ASSERT_EQ(JPLOK, readbytesfile(good));
  // DE405 (tools/mkde405ref, table bodies 9 and 10) at TT 2436913.5:
  // Moon 0.0026907 AU, Sun 0.98463 AU (light time moves them by far less).
  double moon[3], sun[3], earth[3];
  ASSERT_EQ(0, jplbody(JPLMOON, 2436913.5, moon));
  ASSERT_EQ(0, jplbody(JPLSUN, 2436913.5, sun));
  ASSERT_EQ(0, jplearth(2436913.5, earth));
  EXPECT_NEAR(0.0026907, std::sqrt(moon[0] * moon[0] + moon[1] * moon[1] + moon[2] * moon[2]),
              2e-6);
  double d = std::sqrt(std::pow(sun[0] - earth[0], 2) + std::pow(sun[1] - earth[1], 2) +
                       std::pow(sun[2] - earth[2], 2));
  EXPECT_NEAR(0.98463, d, 2e-5);
  EXPECT_EQ(0, jplcovers(2436900.0));
  EXPECT_EQ(-1, jplbody(JPLSUN, 2436900.0, sun));

  std::vector<unsigned char> bad = good;
  bad[good.size() / 2] ^= 1;
  EXPECT_EQ(JPLBADSUM, readbytesfile(bad));
  EXPECT_EQ(0, jplcovers(2451545.0));
  bad.assign(good.begin(), good.end() - 9);
  EXPECT_EQ(JPLSHORT, readbytesfile(bad));
  bad = good;
  bad.push_back(0);
  EXPECT_EQ(JPLSHORT, readbytesfile(bad));
  bad = good;
  bad[8] = 2;  // version
  EXPECT_EQ(JPLBADHEADER, readbytesfile(bad));
  char report[200];
  EXPECT_EQ(JPLNOFILE, jplopen(scratchpath("none.bin").c_str(), report, sizeof report));
  EXPECT_NE(std::string::npos, std::string(report).find("built-in"));
}

// TT - UT against the values the IERS and the Astronomical Almanac
// publish, and no jump where the measured table ends.
TEST(DeltaT, PublishedValuesAndExtrapolation) {
  struct {
    double jd, dt, tol;
  } pub[] = {{2440587.5, 40.18, 0.05},  // 1970 Jan 1
             {2444239.5, 50.54, 0.05},  // 1980
             {2447892.5, 56.86, 0.05},  // 1990
             {2451544.5, 63.83, 0.05},  // 2000
             {2455197.5, 66.07, 0.05},  // 2010
             {2433282.5, 29.15, 0.3},   // 1950 (before the table)
             {2415020.5, -2.72, 0.3}};  // 1900
  for (const auto &p : pub) EXPECT_NEAR(p.dt, deltat(p.jd), p.tol) << p.jd;
  double end = 2451545.0 + (2022.0 - 2000.0) * 365.25;
  EXPECT_NEAR(deltat(end - 0.01), deltat(end + 0.01), 0.01);
  EXPECT_NEAR(69.2, deltat(2459945.5), 0.3);  // 2023 Jan 1
  EXPECT_DOUBLE_EQ(2451545.0 + deltat(2451545.0) / 86400.0, jdtt(2451545.0));
}

// PyEphem 4.1.4 (EllipticalBody with _H and _G) at three geometries: its
// sun_distance, earth_distance, the Sun's earth_distance and its mag.
TEST(Magnitude, IauHGAgreesWithPyEphem) {
  struct {
    double H, G, r, delta, R, mag;
  } cases[] = {{3.2, 0.32, 2.5429506, 1.7184466, 0.9851823, 7.06},
               {3.34, 0.12, 2.9743104, 2.7227485, 0.9908355, 8.90},
               {18.0, 0.15, 1.3133556, 2.2307577, 1.0140239, 21.15}};
  for (const auto &c : cases) {
    double cphase = (c.r * c.r + c.delta * c.delta - c.R * c.R) / (2.0 * c.r * c.delta);
    EXPECT_NEAR(c.mag, hgmagnitude(c.H, c.G, c.r, c.delta, cphase), 0.006);
  }
  EXPECT_DOUBLE_EQ(0.15, hgslope(NAN));
  EXPECT_DOUBLE_EQ(0.25, hgslope(0.25f));
}

}  // namespace

// The chart's Sun and Moon against PyEphem's places of date
// (tests/data/astref.txt, tests/data/moon_reference.txt) carried to J2000
// by the full IAU 1976 precession, independent of the program's own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "chart/skyplot.h"
#include "timefmt/instant.h"

namespace {

const double kDeg = M_PI / 180.0;
const double kArcsec = kDeg / 3600.0;

// (ra hours, dec degrees) of date jd to J2000, rigorously: v0 = P^T v with
// P = R3(-z) R2(theta) R3(-zeta).
void rigorous2000(double jd, double *ra, double *dec) {
  double t = (jd - 2451545.0) / 36525.0;
  double zeta = (2306.2181 + (0.30188 + 0.017998 * t) * t) * t * kArcsec;
  double z = (2306.2181 + (1.09468 + 0.018203 * t) * t) * t * kArcsec;
  double theta = (2004.3109 - (0.42665 + 0.041833 * t) * t) * t * kArcsec;
  double a = *ra * 15 * kDeg, d = *dec * kDeg;
  double v[3] = {cos(d) * cos(a), cos(d) * sin(a), sin(d)};
  // P^T = R3(zeta) R2(-theta) R3(z), applied right to left.
  auto r3 = [](double ang, double *w) {
    double x = cos(ang) * w[0] + sin(ang) * w[1], y = -sin(ang) * w[0] + cos(ang) * w[1];
    w[0] = x;
    w[1] = y;
  };
  auto r2 = [](double ang, double *w) {
    double x = cos(ang) * w[0] - sin(ang) * w[2], zz = sin(ang) * w[0] + cos(ang) * w[2];
    w[0] = x;
    w[2] = zz;
  };
  r3(z, v);
  r2(-theta, v);
  r3(zeta, v);
  *ra = atan2(v[1], v[0]) / kDeg / 15;
  if (*ra < 0) *ra += 24;
  *dec = asin(v[2]) / kDeg;
}

double separation(double ra1, double dec1, double ra2, double dec2) {
  double c = sin(dec1 * kDeg) * sin(dec2 * kDeg) + cos(dec1 * kDeg) * cos(dec2 * kDeg) * cos((ra1 - ra2) * 15 * kDeg);
  return acos(c > 1.0 ? 1.0 : c) / kArcsec;
}

}  // namespace

TEST(SkyMarkers, ReferencePrecessionIsSound) {
  // Meeus, Astronomical Algorithms, example 21.b (theta Persei, proper
  // motion applied): J2000 41.054063 +49.227750 degrees is 41.547214
  // +49.348483 at JD 2462088.69. Going back must land within 0.1".
  double ra = 41.547214 / 15, dec = 49.348483;
  rigorous2000(2462088.69, &ra, &dec);
  EXPECT_LT(separation(ra, dec, 41.054063 / 15, 49.227750), 0.1);
}

TEST(SkyMarkers, SunIsAJ2000Place) {
  FILE *f = fopen(KORVANEX_SOURCE_DIR "/tests/data/astref.txt", "r");
  ASSERT_NE(f, nullptr);
  char line[256];
  int n = 0;
  double worst = 0;
  while (fgets(line, sizeof line, f)) {
    double jd, ra, dec;
    if (sscanf(line, "S %lf %lf %lf", &jd, &ra, &dec) != 3) continue;
    rigorous2000(jd, &ra, &dec);
    day = jd;
    ASSERT_EQ(skymarkers(), 0);
    double s = separation(Sunra, Sundec, ra, dec);
    EXPECT_LT(s, 60.0) << jd;
    worst = fmax(worst, s);
    n++;
  }
  fclose(f);
  EXPECT_GE(n, 7);
  RecordProperty("sun_worst_arcsec", static_cast<int>(ceil(worst)));
}

TEST(SkyMarkers, MoonIsAJ2000Place) {
  FILE *f = fopen(KORVANEX_SOURCE_DIR "/tests/data/moon_reference.txt", "r");
  ASSERT_NE(f, nullptr);
  char line[160];
  int n = 0;
  double worst = 0;
  while (fgets(line, sizeof line, f)) {
    double jd, ra, dec, dt;
    if (line[0] == '#' || sscanf(line, "%lf %lf %lf %lf", &jd, &ra, &dec, &dt) != 4) continue;
    rigorous2000(jd, &ra, &dec);
    day = jd;
    ASSERT_EQ(skymarkers(), 0);
    double s = separation(Moonra, Moondec, ra, dec);
    EXPECT_LT(s, 30.0) << jd;
    worst = fmax(worst, s);
    n++;
  }
  fclose(f);
  EXPECT_GE(n, 20);
  RecordProperty("moon_worst_arcsec", static_cast<int>(ceil(worst)));
}

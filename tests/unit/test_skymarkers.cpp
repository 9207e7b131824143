// The chart's Sun and Moon against PyEphem's places of date
// (tests/data/astref.txt, tests/data/moon_reference.txt) carried to J2000
// by the full IAU 1976 precession, independent of the program's own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/deltat.h"
#include "astro/jplephem.h"
#include "chart/skyplot.h"
#include "minorplanets/placekernel.h"
#include "base/settings.h"
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

namespace {

struct RefPlace {
  double jd, ra, dec;  // hours, degrees of date
};

// The places of a reference file whose lines scan with format into jd,
// ra and dec (and one more number, ignored).
std::vector<RefPlace> readplaces(const char *path, const char *format) {
  std::vector<RefPlace> out;
  FILE *f = fopen(path, "r");
  if (!f) return out;
  char line[256];
  while (fgets(line, sizeof line, f)) {
    RefPlace r;
    double spare;
    if (line[0] != '#' && sscanf(line, format, &r.jd, &r.ra, &r.dec, &spare) >= 3) out.push_back(r);
  }
  fclose(f);
  return out;
}

// Largest separation (arc seconds) of the chart's *ra, *dec from the
// J2000 reference places, each bound to be under limit. The chart's places
// are astrometric and seen from the Earth's centre here (geocentric), the
// references apparent: aberration (20.5") and nutation (up to 17") apart.
// A reference given in dynamical time (tt 1) is compared at its UT. The
// JPL ephemeris is in use, as in the program.
double worstseparation(const std::vector<RefPlace> &refs, const double *ra, const double *dec, double limit,
                       int tt = 0) {
  double worst = 0;
  flag[GEOCENTRIC] = 1;
  char report[64];
  EXPECT_EQ(JPLOK, jplopen(KORVANEX_RUNTIME_DIR "/" "de405.bin", report, sizeof report));
  for (RefPlace r : refs) {
    rigorous2000(r.jd, &r.ra, &r.dec);
    day = tt ? r.jd - deltat(r.jd) / 86400.0 : r.jd;
    EXPECT_EQ(skymarkers(), 0);
    double s = separation(*ra, *dec, r.ra, r.dec);
    EXPECT_LT(s, limit) << r.jd;
    worst = fmax(worst, s);
  }
  flag[GEOCENTRIC] = 0;
  jplclose();
  return worst;
}

}  // namespace

TEST(SkyMarkers, SunIsAJ2000Place) {
  auto refs = readplaces(KORVANEX_SOURCE_DIR "/tests/data/astref.txt", "S %lf %lf %lf");
  ASSERT_GE(refs.size(), 7u);
  RecordProperty("sun_worst_arcsec", static_cast<int>(ceil(worstseparation(refs, &Sunra, &Sundec, 60.0))));
}

TEST(SkyMarkers, MoonIsAJ2000Place) {
  auto refs = readplaces(KORVANEX_SOURCE_DIR "/tests/data/moon_reference.txt", "%lf %lf %lf %lf");
  ASSERT_GE(refs.size(), 20u);
  RecordProperty("moon_worst_arcsec", static_cast<int>(ceil(worstseparation(refs, &Moonra, &Moondec, 60.0, 1))));
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "minorplanets/positions.h"
#include "mp_fixtures.h"
#include "places/place.h"
#include "base/settings.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"

namespace {

struct RefLine {
  char kind;
  double jd;
  int id;  // catalogue number (A) or planet record (P)
  double ra, dec, dist;
};

std::vector<RefLine> readref() {
  std::vector<RefLine> out;
  std::string path = std::string(KORVANEX_SOURCE_DIR) + "/tests/data/astref.txt";
  FILE *f = fopen(path.c_str(), "r");
  if (!f) return out;
  char line[256];
  while (fgets(line, sizeof line, f)) {
    RefLine r{};
    if (line[0] == 'S' && sscanf(line, "S %lf %lf %lf", &r.jd, &r.ra, &r.dec) == 3) {
      r.kind = 'S';
      out.push_back(r);
    } else if (sscanf(line, "%c %lf %d %lf %lf %lf", &r.kind, &r.jd, &r.id, &r.ra, &r.dec,
                      &r.dist) == 6) {
      out.push_back(r);
    }
  }
  fclose(f);
  return out;
}

// Angle between two places, arc seconds (ra hours, dec degrees).
double separation(double ra1, double dec1, double ra2, double dec2) {
  const double d = M_PI / 180.0;
  double c = sin(dec1 * d) * sin(dec2 * d) +
             cos(dec1 * d) * cos(dec2 * d) * cos((ra1 - ra2) * 15.0 * d);
  return acos(c > 1.0 ? 1.0 : c) / d * 3600.0;
}

}  // namespace

class Positions : public ::testing::Test {
 protected:
  void SetUp() override {
    mpallegro();
    initsettings();
    dFP[MPMAGLIMIT] = 14.0;
  }
};

// The astrometric places of the whole-table pass against PyEphem's, from
// the same elements. What the program leaves out bounds the difference:
//  - the low-precision Earth (no planetary or lunar terms, about 30" of
//    heliocentric longitude, 1.5e-4 AU): 30"/dist seen from the object;
//  - single-precision elements (the stored passage reproduces the mean
//    anomaly at the epoch within 0.3"), the approximate element precession
//    and reduction to J2000, and dynamical time (69 s of motion): a few
//    arc seconds.
// Bound 3" + 30"/dist, and half the places within 2".
TEST_F(Positions, MinorPlanetsAgreeWithIndependentEphemeris) {
  std::vector<RefLine> ref = readref();
  ASSERT_GT(ref.size(), 280u);
  std::map<double, std::vector<RefLine>> bydate;
  for (const RefLine &r : ref)
    if (r.kind == 'A') bydate[r.jd].push_back(r);
  ASSERT_GE(bydate.size(), 7u);
  int compared = 0;
  double worst = 0;
  std::vector<double> seps;
  for (auto &[jd, lines] : bydate) {
    day = jd;
    ASSERT_EQ(MPinit(), 0);
    calcastall(jd);
    for (const RefLine &r : lines) {
      int i = findastnumber(r.id);
      ASSERT_GE(i, 8) << r.id;
      ASSERT_NE(iBcalc[i], 0) << r.id;
      double sep = separation(obj[i].ra, obj[i].dec, r.ra, r.dec);
      EXPECT_LT(sep, 3.0 + 30.0 / r.dist) << "number " << r.id << " jd " << jd;
      EXPECT_NEAR(obj[i].dist, r.dist, 2e-4 * r.dist + 6e-4) << r.id;
      worst = std::max(worst, sep);
      seps.push_back(sep);
      compared++;
    }
  }
  EXPECT_GE(compared, 1000);
  std::sort(seps.begin(), seps.end());
  EXPECT_LT(seps[seps.size() / 2], 2.0);
  RecordProperty("median_arcsec", std::to_string(seps[seps.size() / 2]));
  RecordProperty("worst_arcsec", std::to_string(worst));
}

// Mercury..Jupiter come from mean elements of date without periodic
// terms, evaluated from polynomials in centuries since 1900 for the day of
// the calculation, their perihelion passage chosen to survive single
// precision: measured against PyEphem from 2003 to 2028 they are within
// 24" (Mercury), 55" (Venus, at 0.29 AU), 224" (Mars) and 192" (Jupiter,
// whose great inequality with Saturn alone reaches 0.33 deg). Seen from
// the Earth a heliocentric error grows by r/dist. Bound: heliocentric
// allowance * r/dist + 90".
// Saturn..Pluto are osculating elements at the database epoch, made from
// astronomy-engine's ephemeris, so within three years of it only the
// perturbations since the epoch separate them from that ephemeris
// (Saturn's by Jupiter most, 136" three years before the epoch, near their
// conjunction of 2020): bound 140", 64", 20", 39" against it
// ('Q' lines). Against PyEphem ('P' lines) add what separates the two
// ephemerides at the epoch (up to 16" for Neptune).
TEST_F(Positions, PlanetsAgreeWithIndependentEphemeris) {
  static const double kHelioArcsec[4] = {40.0, 30.0, 150.0, 1300.0};
  static const double kOuterArcsec[4] = {140.0, 64.0, 20.0, 39.0};
  static const double kEphemerides = 20.0;
  std::map<double, std::vector<RefLine>> bydate;
  for (const RefLine &r : readref())
    if (r.kind == 'P' || r.kind == 'Q') bydate[r.jd].push_back(r);
  int compared = 0, outer = 0;
  double worst[2][8] = {};
  for (auto &[jd, lines] : bydate) {
    day = jd;
    ASSERT_EQ(MPinit(), 0);
    calcastall(jd);
    for (const RefLine &r : lines) {
      ASSERT_GE(r.id, 0);
      ASSERT_LT(r.id, 8);
      EXPECT_EQ(iBcalc[r.id], 10);
      double sep = separation(obj[r.id].ra, obj[r.id].dec, r.ra, r.dec);
      GEOPLACE g;
      ASSERT_EQ(astplace(r.id, jd, 1, &g), 0);
      double bound;
      if (r.id < 4) {
        bound = kHelioArcsec[r.id] * g.r / r.dist + 90.0;
      } else {
        if (fabs(jd - (mp[r.id].epoch + 0.5)) > 1096.0) continue;  // three years
        bound = kOuterArcsec[r.id - 4] + (r.kind == 'P' ? kEphemerides : 0.0);
        outer++;
      }
      EXPECT_LT(sep, bound) << r.kind << " planet " << r.id << " jd " << jd;
      double &w = worst[r.kind == 'Q'][r.id];
      w = std::max(w, sep);
      compared++;
    }
  }
  EXPECT_GE(compared, 2 * 13 * 8);
  EXPECT_GE(outer, 2 * 13 * 4);
  for (int p = 0; p < 8; p++)
    RecordProperty("planet" + std::to_string(p) + "_worst_arcsec_pyephem_astronomyengine",
                   std::to_string(worst[0][p]) + " " + std::to_string(worst[1][p]));
}

// The Sun's apparent place of date: the solar theory's longitude is good
// to about 0.01 deg; PyEphem's apparent place includes aberration (20")
// which the mean longitude here also carries. Bound: 60".
TEST_F(Positions, SunAgreesWithIndependentEphemeris) {
  int compared = 0;
  for (const RefLine &r : readref()) {
    if (r.kind != 'S') continue;
    double ra, dec, eqt, dpsi, deps, obl;
    getsunpos(r.jd, &ra, &dec, &eqt, &dpsi, &deps, &obl);
    EXPECT_LT(separation(ra, dec, r.ra, r.dec), 60.0) << r.jd;
    compared++;
  }
  EXPECT_GE(compared, 7);
}

TEST_F(Positions, SunRightAscensionStaysInOneDay) {
  for (double jd = 2415020.0; jd < 2488070.0; jd += 37.37) {
    double ra, dec, eqt, dpsi, deps, obl;
    getsunpos(jd, &ra, &dec, &eqt, &dpsi, &deps, &obl);
    ASSERT_GE(ra, 0.0) << jd;
    ASSERT_LT(ra, 24.0) << jd;
    ASSERT_LT(fabs(dec), 23.5) << jd;
  }
  double ra, dec, eqt, dpsi, deps, obl;
  getsunpos(2451623.8159, &ra, &dec, &eqt, &dpsi, &deps, &obl);  // March equinox 2000
  EXPECT_LT(std::min(ra, 24.0 - ra), 0.01);
  EXPECT_NEAR(dec, 0.0, 0.05);
}

TEST_F(Positions, MotionBeforePerihelionMirrorsMotionAfter) {
  // Orbit in the ecliptic, node and perihelion at 0, no obliquity: 20 days
  // before perihelion is the mirror image of 20 days after.
  double jd = 2451544.5;  // no element precession at J2000
  double x1, y1, z1, r1, x2, y2, z2, r2;
  position(jd, &x1, &y1, &z1, &r1, 0.2, 2.8, 0.0, 0.0, 0.0, jd + 20.0, 0.0, 0.3);
  position(jd, &x2, &y2, &z2, &r2, 0.2, 2.8, 0.0, 0.0, 0.0, jd - 20.0, 0.0, 0.3);
  ASSERT_TRUE(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(z1));
  EXPECT_NEAR(r1, r2, 1e-12);
  EXPECT_NEAR(x1, x2, 1e-9);
  EXPECT_NEAR(y1, -y2, 1e-9);
  EXPECT_LT(y1, 0.0);  // before perihelion: still below the apsis line
  EXPECT_GT(r1, 2.8 * 0.7);
}

TEST_F(Positions, KeplerSolutionHoldsForHighEccentricity) {
  // r from the position must equal a(1 - e cos E) for the E that solves
  // Kepler's equation for the mean anomaly given.
  double jd = 2451545.0, e = 0.9, daily = 1.0;
  double x, y, z, r;
  position(jd, &x, &y, &z, &r, daily, 1.0, 0.0, 0.0, 0.0, jd - 30.0, 0.0, e);
  double M = 30.0 / 57.29577951;
  double E = r < 1.0 ? acos((1.0 - r) / e) : acos((1.0 - r) / e);
  EXPECT_NEAR(E - e * sin(E), M, 1e-9);
  EXPECT_NEAR(sqrt(x * x + y * y + z * z), r, 1e-12);
}

// r = a (1 - e cos E) for the E that position() used, and E must solve
// Kepler's equation for M.
static void expectkepler(double e, double Mdeg) {
  double jd = 2451545.0, daily = 1.0;
  double x, y, z, r;
  position(jd, &x, &y, &z, &r, daily, 1.0, 0.0, 0.0, 0.0, jd - Mdeg, 0.0, e);
  double M = Mdeg / 57.29577951;
  double E = acos((1.0 - r) / e);
  if (Mdeg > 180.0) E = 2.0 * 3.1415926536 - E;
  EXPECT_NEAR(E - e * sin(E), M, 1e-9) << "e " << e << " M " << Mdeg;
  EXPECT_NEAR(sqrt(x * x + y * y + z * z), r, 1e-12);
}

TEST_F(Positions, KeplerSolutionHoldsNearTheParabola) {
  for (double e : {0.999, 0.9995, 0.9999, 0.99999})
    for (double M : {0.01, 0.5, 5.0, 30.0, 90.0, 179.0, 359.0}) expectkepler(e, M);
  // A mean anomaly before perihelion mirrors the one after.
  EXPECT_NEAR(keplerE(-0.1, 0.9999), -keplerE(0.1, 0.9999), 1e-14);
  EXPECT_NEAR(keplerE(2.0 * 3.1415926536 + 0.1, 0.9999) - keplerE(0.1, 0.9999),
              2.0 * 3.1415926536, 1e-12);
}

TEST_F(Positions, KeplerSolutionOfOrdinaryOrbitsIsTheTenStepOne) {
  for (double e : {0.0, 0.08, 0.3, 0.9, 0.998})
    for (double M : {-0.3, 0.02, 1.0, 3.0, 6.0}) {
      double E = M + e * sin(M) / (1.0 - e * cos(M));
      for (int k = 0; k < 10; k++) E += (M - (E - e * sin(E))) / (1.0 - e * cos(E));
      EXPECT_EQ(keplerE(M, e), E) << e << " " << M;
    }
}

TEST_F(Positions, ZeroInclinationGivesAFinitePlace) {
  double x, y, z, r;
  position(2460000.5, &x, &y, &z, &r, 0.25, 2.5, 0.0, 1.0, 1.0, 2459900.5, 0.409, 0.1);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y) && std::isfinite(z));
  EXPECT_NEAR(sqrt(x * x + y * y + z * z), r, 1e-12);
}

TEST_F(Positions, PrecessionToJ2000StaysInsideOneDay) {
  // Before 2000 the right ascension grows towards J2000: 23.9999 h wraps.
  double ra = 23.9999, dec = 0.1, rarad = ra * 15.0 / 57.29577951;
  prec2000(2433282.5, &ra, &dec, &rarad);
  EXPECT_LT(ra, 24.0);
  EXPECT_LT(ra, 0.1);
  // After 2000 it shrinks: a small right ascension crosses 0 h and comes
  // back just below 24 h, never negative.
  ra = 0.0001;
  dec = 0.0;
  rarad = ra * 15.0 / 57.29577951;
  prec2000(2469807.5, &ra, &dec, &rarad);
  EXPECT_LT(ra, 24.0);
  EXPECT_GT(ra, 24.0 - 0.05);
  // 50 years at (0 h, 0 deg): 3.07 s and 20.04" a year.
  ra = 0.0;
  dec = 0.0;
  rarad = 0.0;
  prec2000(2451545.0 - 50 * 365.25, &ra, &dec, &rarad);
  EXPECT_NEAR(ra * 3600.0, 50 * 3.0730, 0.5);
  EXPECT_NEAR(dec * 57.29577951 * 3600.0, 50 * 20.043, 2.0);
}

TEST_F(Positions, IauPrecessionAgreesWithTheShortForms) {
  double ra = 6.0, dec = 20.0;
  precess(2000, 1950, &ra, &dec);
  double ra1950 = 6.0, dec1950 = 20.0 / 57.29577951, rarad = 6.0 * 15.0 / 57.29577951;
  prec2000(2433282.423, &ra1950, &dec1950, &rarad);
  EXPECT_NEAR(ra, ra1950, 2e-5);
  EXPECT_NEAR(dec, dec1950 * 57.29577951, 3e-4);
  precess(1950, 2000, &ra, &dec);  // and back
  EXPECT_NEAR(ra, 6.0, 1e-7);
  EXPECT_NEAR(dec, 20.0, 1e-3);  // the declination step is first order in theta
  double r2 = ra1950, d2 = dec1950, rr = r2 * 15.0 / 57.29577951;
  prec1950(2451545.0, &r2, &d2, &rr);
  EXPECT_NEAR(r2, 6.0, 2e-5);
}

TEST_F(Positions, SiderealTimeAtZeroHours) {
  // 2000 January 1, 0h UT: 6h 39m 52.3s.
  EXPECT_NEAR(gmst0hut(2451544.5), 6.0 + 39.0 / 60 + 52.3 / 3600, 2e-4);
  EXPECT_NEAR(gmst0hut(2451544.5), localsid(1, 1, 2000, 0.0, 0.0), 1e-9);
}

TEST_F(Positions, PlanetRecordsFollowTheTable) {
  initsettings();
  mainplanets(2460000.73);
  // Mars: L and perihelion from the table by hand.
  double T = (2460000.0 - 2415020.0) / 36525.0;
  double revs = 53.17137642 * T;
  double L = 293.737334 + 360.0 * (revs - floor(revs)) + 0.0003107 * T * T;
  L = fmod(L, 360.0);
  double peri = 334.218203 + 1.8407584 * T + 0.0001299 * T * T - 0.00000119 * T * T * T;
  double M = L - peri;
  if (M < 0) M += 360.0;
  EXPECT_EQ(mp[2].epoch, 2460000);
  EXPECT_NEAR(mp[2].meananom, M, 1e-4);
  EXPECT_STREQ(mp[2].name, "Mars");
  // The stored passage gives back the mean anomaly of the date.
  double t = advanceperi(mp[2].peritime, mp[2].daily, 2460000.0);
  EXPECT_NEAR(remainder(mp[2].daily * (2460000.0 - t) - M, 360.0) * 3600.0, 0.0,
              PASSAGEARCSEC);
  EXPECT_NEAR(mp[3].semiaxis, 5.202561, 1e-6);
  EXPECT_NEAR(mp[0].period, pow(0.3870986, 1.5), 1e-6);
}

TEST_F(Positions, GeocentricPlaceOfARecord) {
  writedb(scratchname("t_pos.bin"), 9, {mprecord(1, "Ceres", 3.3f)});
  day = 2459800.5;
  ASSERT_EQ(ASTreadfile(0, scratchname("t_pos.bin")), 0);
  double ra, dec, dist, phase, mag;
  getRA(8, 2459800.5, 2, &ra, &dec, &dist, &phase, &mag);
  GEOPLACE g;
  ASSERT_EQ(astplace(8, 2459800.5, 1, &g), 0);
  EXPECT_NEAR(ra, g.ra, 1e-9);
  EXPECT_NEAR(dec, g.dec, 1e-9);
  EXPECT_NEAR(dist, g.dist, 1e-12);
  EXPECT_NEAR(cos(phase / 57.29577951), g.k, 1e-9);
  mp[8].ecc = 1.0f;
  EXPECT_EQ(astplace(8, 2459800.5, 1, &g), -1);
  mp[8].ecc = 0.0786f;
  mp[8].semiaxis = -1.0f;
  EXPECT_EQ(astplace(8, 2459800.5, 1, &g), -1);
}

TEST_F(Positions, RisingSettingAndAltitude) {
  dLattit = 50.0;
  dLongit = 0.0;
  char text[32];
  EXPECT_EQ(risetime(text, 2451544.5, 6.0, 60.0), 99.0);  // circumpolar
  EXPECT_STREQ(text, "none ");
  EXPECT_EQ(settingtime(text, 2451544.5, 6.0, -70.0), 99.0);  // never up
  double rise = risetime(text, 2451544.5, 6.0, 20.0);
  double set = settingtime(text, 2451544.5, 6.0, 20.0);
  double H = acos(-tan(50.0 / 57.29577951) * tan(20.0 / 57.29577951)) * 57.29577951;
  EXPECT_NEAR(fmod(set - rise + 24.0, 24.0), 0.99727 * 2.0 * H / 15.0, 1e-9);
  EXPECT_GE(rise, 0.0);
  EXPECT_LT(rise, 24.0);
  // On the meridian (hour angle 0): altitude 90 - |lat - dec|, azimuth 0.
  int d, m;
  long y;
  double ut;
  jdtodmyut(2451545.25, &d, &m, &y, &ut);
  double lst = localsid(d, m, static_cast<int>(y), ut, dLongit);
  double az, alt;
  altaz(2451545.25, &az, &alt, lst, 20.0);
  EXPECT_NEAR(alt, 60.0, 1e-6);
  EXPECT_NEAR(az, 0.0, 1e-3);
  altaz(2451545.25, &az, &alt, fmod(lst + 23.0, 24.0), 20.0);  // one hour west
  EXPECT_LT(az, 90.0);
  EXPECT_GT(az, 0.0);
  EXPECT_LT(alt, 60.0);
}

// Mean anomaly (degrees) at jd of record i as the place kernel steps it.
static double recordM(int i, double jd) {
  double t = advanceperi(mp[i].peritime, mp[i].daily, jd);
  return mp[i].daily * (jd - t);
}

// The perihelion passage of Mercury..Jupiter survives single precision: on
// the float grid of a Julian Day (0.25 day) the passage epoch - M/n is off by
// up to half a step, 0.5 degrees of Mercury's mean anomaly.
TEST_F(Positions, PlanetPassageSurvivesSinglePrecision) {
  for (double jd : {2415020.5, 2451545.0, 2459800.5, 2460123.7, 2488069.5}) {
    mainplanets(jd);
    double d = floor(jd);
    for (int p = 0; p < MPDATEPLANETS; p++) {
      double err = remainder(recordM(p, d) - plan[p][0], 360.0) * 3600.0;
      EXPECT_LE(fabs(err), PASSAGEARCSEC) << "planet " << p << " jd " << jd;
      // The daily motion moves by a few units in its last place at most.
      float n = static_cast<float>(plan[p][1]);
      EXPECT_LE(fabs(mp[p].daily - n), PASSAGENUDGEULPS * (nextafterf(n, 1e9f) - n)) << p;
    }
  }
}

// A date change rebuilds Mercury..Jupiter for the new day: the places are
// those of a table loaded on that day.
TEST_F(Positions, PlanetsFollowTheCalculationDate) {
  day = 2459800.5;
  ASSERT_EQ(MPinit(), 0);
  double later = 2459800.5 + 1100.25;
  calcastall(later);
  EXPECT_EQ(mp[0].epoch, static_cast<int32_t>(floor(later)));
  float ra[4], dec[4];
  for (int p = 0; p < 4; p++) {
    ra[p] = obj[p].ra;
    dec[p] = obj[p].dec;
  }
  day = later;
  ASSERT_EQ(MPinit(), 0);
  calcastall(later);
  for (int p = 0; p < 4; p++) {
    EXPECT_EQ(obj[p].ra, ra[p]) << p;
    EXPECT_EQ(obj[p].dec, dec[p]) << p;
  }
  // calcsingle of a planet for an ephemeris date does the same.
  calcsingle(0, later + 400.0);
  EXPECT_EQ(mp[0].epoch, static_cast<int32_t>(floor(later + 400.0)));
}

// The shipped database: every record's stored perihelion time and daily
// motion give back its mean anomaly at its epoch, from a passage near the
// epoch; the planet records carry the program's own diameter and H (the
// converter's table and the program's are tied here).
TEST_F(Positions, ShippedRecordsReproduceTheirEpochAnomaly) {
  FILE *f = fopen((std::string(KORVANEX_SOURCE_DIR) + "/data/astdat.bin").c_str(), "rb");
  ASSERT_NE(f, nullptr);
  int32_t n = 0;
  ASSERT_EQ(fread(&n, 4, 1, f), 1u);
  ASSERT_GT(n, 3000);
  std::vector<mprec> recs(n);
  ASSERT_EQ(fread(recs.data(), sizeof(mprec), n, f), static_cast<size_t>(n));
  fclose(f);
  static const char *const names[8] = {"Mercury", "Venus",  "Mars",    "Jupiter",
                                       "Saturn",  "Uranus", "Neptune", "Pluto"};
  int far = 0;
  for (int i = 0; i < n; i++) {
    mp[0] = recs[i];
    const mprec &r = recs[i];
    double jd = r.epoch + 0.5;
    double err = remainder(recordM(0, jd) - r.meananom, 360.0) * 3600.0;
    ASSERT_LE(fabs(err), PASSAGEARCSEC + 0.1) << i << " " << r.name;
    double periods = fabs(r.peritime - jd) * r.daily / 360.0;
    far += periods > 100.0;
    ASSERT_LT(periods, 500.0) << i << " " << r.name;
    if (i < 8) {
      EXPECT_STREQ(r.name, names[i]);
      EXPECT_FLOAT_EQ(r.diameter, static_cast<float>(elements[i][21])) << i;
      EXPECT_FLOAT_EQ(r.hmag, static_cast<float>(elements[i][22])) << i;
      // Osculating, near the table's mean semi-axis.
      EXPECT_NEAR(r.semiaxis, elements[i][20], 0.01 * elements[i][20]) << i;
    }
  }
  EXPECT_LT(far, n / 100);
}

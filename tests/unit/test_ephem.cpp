#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "chart/projection.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/ephem.h"
#include "mp_fixtures.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "screen/keys.h"
#include "ui/windows.h"
#include "ui/listpages.h"

namespace {

class Ephem : public ::testing::Test {
 protected:
  int vesta = -1;
  void SetUp() override {
    mpallegro();
    initsettings();
    ephemclear();
    ASSERT_EQ(MPinit(), 0);
    day = 2460000.5;
    calcastall(day);
    vesta = findastnumber(4);
    ASSERT_GE(vesta, 8);
    dFP[EPHEMSTART] = 2460000.5;
    dFP[EPHEMSTEP] = 1.0;
  }
  // One run of n entries for record i.
  int run(int i, int n) {
    iNT[EPHEMLINES] = n;
    return calcephem(i);
  }
};

// Angle between two places, arc seconds (ra hours, dec degrees).
double separation(double ra1, double dec1, double ra2, double dec2) {
  const double d = M_PI / 180.0;
  double c = sin(dec1 * d) * sin(dec2 * d) + cos(dec1 * d) * cos(dec2 * d) * cos((ra1 - ra2) * 15.0 * d);
  return acos(c > 1.0 ? 1.0 : c) / d * 3600.0;
}

}  // namespace

TEST_F(Ephem, RunFillsFromTheStartDayAtTheInterval) {
  EXPECT_EQ(run(vesta, 10), 10);
  EXPECT_EQ(ephlen, 10);
  EXPECT_EQ(iEph, 1);
  for (int k = 0; k < 10; k++) {
    EXPECT_EQ(eph[k].object, vesta);
    EXPECT_DOUBLE_EQ(eph[k].jd, 2460000.5 + k);
    EXPECT_EQ(eph[k].run, 0);
  }
  EXPECT_GT(eph[1].ra, eph[0].ra) << "Vesta moves east in these days";
}

TEST_F(Ephem, RunThatDoesNotFitStartsAgainAtTheTop) {
  run(vesta, 95);
  ASSERT_EQ(ephnum, 95);
  int other = findastnumber(1);
  ASSERT_GE(other, 8);
  EXPECT_EQ(run(other, 10), 10);
  EXPECT_EQ(ephlen, 95) << "the high-water mark stays";
  for (int k = 0; k < 10; k++) EXPECT_EQ(eph[k].object, other) << k;
  for (int k = 10; k < 95; k++) EXPECT_EQ(eph[k].object, vesta) << k;
}

TEST_F(Ephem, RunEndingExactlyOnTheLastEntryAlsoStartsAgain) {
  run(vesta, 90);
  EXPECT_EQ(run(vesta, 10), 10) << "90 + 10 > 99";
  EXPECT_EQ(ephlen, 90);
  run(vesta, 10);
  EXPECT_EQ(run(vesta, 79), 99) << "20 + 79 fits";
}

TEST_F(Ephem, RunOfHundredFillsTheStore) {
  run(vesta, 5);
  EXPECT_EQ(run(vesta, 100), 100);
  EXPECT_EQ(ephlen, 100);
  EXPECT_DOUBLE_EQ(eph[0].jd, 2460000.5);
  EXPECT_DOUBLE_EQ(eph[99].jd, 2460099.5);
  for (int k = 0; k < 100; k++) EXPECT_EQ(eph[k].run, 1);
  EXPECT_EQ(run(vesta, 100), 100) << "and again from entry 0";
}

TEST_F(Ephem, NegativeIntervalGoesBackInTime) {
  dFP[EPHEMSTEP] = -2.5;
  run(vesta, 4);
  for (int k = 0; k < 4; k++) EXPECT_DOUBLE_EQ(eph[k].jd, 2460000.5 - 2.5 * k);
  EXPECT_LT(eph[3].ra, eph[0].ra);
}

TEST_F(Ephem, ObjectKeepsItsChartPlace) {
  objrec before = obj[vesta];
  int cls = iBcalc[vesta];
  dFP[EPHEMSTART] = 2461000.5;
  run(vesta, 20);
  EXPECT_EQ(memcmp(&before, &obj[vesta], sizeof before), 0);
  EXPECT_EQ(iBcalc[vesta], cls);
  EXPECT_NE(eph[0].ra, before.ra) << "the entries are of other dates";
}

TEST_F(Ephem, RunOfNothingCountsTheRunOnly) {
  run(vesta, 100);
  EXPECT_EQ(run(vesta, 0), 100);
  EXPECT_EQ(ephlen, 100);
  EXPECT_EQ(iEph, 2);
}

TEST_F(Ephem, RunCounterWrapsAfterHundred) {
  iEph = 100;
  run(vesta, 1);
  EXPECT_EQ(iEph, 0);
}

TEST_F(Ephem, BadRecordOrCountStoresNothing) {
  EXPECT_EQ(run(-1, 5), 0);
  EXPECT_EQ(run(iNumAst, 5), 0);
  EXPECT_EQ(ephlen, 0);
  iNT[EPHEMLINES] = 500;  // a count beyond the store is held to it
  EXPECT_EQ(calcephem(vesta), 100);
}

TEST_F(Ephem, AgreesWithIndependentEphemeris) {
  std::string path = std::string(KORVANEX_SOURCE_DIR) + "/tests/data/ephref.txt";
  FILE *f = fopen(path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  struct Ref {
    double jd, ra, dec, dist;
  };
  std::vector<Ref> ref;
  char line[256];
  while (fgets(line, sizeof line, f)) {
    Ref r;
    if (sscanf(line, "E %lf %lf %lf %lf", &r.jd, &r.ra, &r.dec, &r.dist) == 4) ref.push_back(r);
  }
  fclose(f);
  ASSERT_EQ(ref.size(), 10u);
  dFP[EPHEMSTART] = ref[0].jd;
  dFP[EPHEMSTEP] = ref[1].jd - ref[0].jd;
  run(vesta, 10);
  for (int k = 0; k < 10; k++) {
    EXPECT_DOUBLE_EQ(eph[k].jd, ref[k].jd);
    // The tolerance of the position tests: light time, the low-precision
    // Earth and the approximate reduction to J2000.
    double sep = separation(eph[k].ra, eph[k].dec, ref[k].ra, ref[k].dec);
    EXPECT_LT(sep, 60.0 + 140.0 / ref[k].dist) << k;
    EXPECT_NEAR(eph[k].dist, ref[k].dist, 2e-4 * ref[k].dist + 6e-4) << k;
    EXPECT_GT(eph[k].mag, 5.0);
    EXPECT_LT(eph[k].mag, 9.0);
  }
}

TEST_F(Ephem, ListPageMarksRunsAndTheSelectedEntry) {
  run(vesta, 3);
  run(findastnumber(1), 2);
  run(vesta, 2);
  iEphem = 4;
  int rows = ephemlist(2, 0, 20);
  ASSERT_EQ(rows, 7);
  const char expect[7] = {'Y', 'Y', 'Y', 'Z', 'Z', 'Y', 'Y'};
  for (int r = 0; r < 7; r++) {
    EXPECT_EQ(achDLine[2 + r][79], expect[r]) << r;
    EXPECT_EQ(achDLine[2 + r][78], r == 4 ? 'A' : 0) << r;
    EXPECT_EQ(achDLine[2 + r][77], 0);
  }
  EXPECT_STREQ(achDLine[0], "Planet Ephemerides (7 on file) Page 1 / 1");
  EXPECT_EQ(std::string(achDLine[1]).rfind("Date ", 0), 0u);
  EXPECT_NE(strstr(achDLine[1], "RA 2000   Dec 2000   Mag"), nullptr);
  // A page that starts inside the second run marks its first row 'Y'.
  rows = ephemlist(2, 4, 20);
  ASSERT_EQ(rows, 3);
  EXPECT_EQ(achDLine[2][79], 'Y');
  EXPECT_EQ(achDLine[3][79], 'Z');
  EXPECT_STREQ(achDLine[0], "Planet Ephemerides (7 on file) Page 1 / 1");
}

TEST_F(Ephem, RowsStopAtTheLatestRunWhileTheTitleCountsAll) {
  run(vesta, 60);
  run(vesta, 50);  // restarts at 0
  ASSERT_EQ(ephnum, 50);
  EXPECT_EQ(ephemlist(2, 40, 20), 10);
  EXPECT_STREQ(achDLine[0], "Planet Ephemerides (60 on file) Page 3 / 4");
  EXPECT_EQ(ephemlist(2, 50, 20), 0);
}

TEST_F(Ephem, RowText) {
  run(vesta, 2);
  char row[80];
  findephpos(row, 1);
  EXPECT_EQ(std::string(row).rfind("1   ", 0), 0u) << row;
  EXPECT_NE(strstr(row, "Vesta"), nullptr) << row;
  EXPECT_NE(strstr(row, "Feb 23"), nullptr) << "the date of JD 2460001.5: " << row;
  EXPECT_EQ(strstr(row, "undefined"), nullptr);
  findephpos(row, 5);
  EXPECT_NE(strstr(row, "undefined"), nullptr) << "beyond ephlen: " << row;
  findephpos(row, 100);
  EXPECT_NE(strstr(row, "undefined"), nullptr) << "beyond the store";
  findephpos(row, -3);
  EXPECT_NE(strstr(row, "undefined"), nullptr);
}

TEST_F(Ephem, ListNeverRunsPastTheLineBuffer) {
  run(vesta, 100);
  EXPECT_EQ(ephemlist(2, 0, 100), 62);
  EXPECT_EQ(ephemlist(-1, 0, 10), 0);
  EXPECT_EQ(ephemlist(2, -5, 10), 0);
}

TEST_F(Ephem, GotoEntryCentresTheChart) {
  run(vesta, 5);
  EXPECT_EQ(gotoephemtrack(3), KEYESC);
  EXPECT_DOUBLE_EQ(dStarX, eph[3].ra);
  EXPECT_DOUBLE_EQ(dStarY, eph[3].dec);
  EXPECT_DOUBLE_EQ(ra, eph[3].ra);
  EXPECT_DOUBLE_EQ(dec, eph[3].dec);
  dStarX = 1.0;
  EXPECT_EQ(gotoephemtrack(5), 0);
  EXPECT_EQ(gotoephemtrack(-1), 0);
  EXPECT_DOUBLE_EQ(dStarX, 1.0);
}

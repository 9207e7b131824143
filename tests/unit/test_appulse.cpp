#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "chart/projection.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "mp_fixtures.h"
#include "starcat_fixture.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "screen/keys.h"
#include "ui/windows.h"
#include "ui/appsearch.h"
#include "ui/listpages.h"

namespace {

// A table of the eight planets and n minor planets, all without a place
// until place() gives them one.
void table(int n) {
  mpallegro();
  initsettings();
  dFP[MPMAGLIMIT] = 14.0;
  std::vector<mprec> minor;
  for (int k = 0; k < n; k++) minor.push_back(mprecord(100 + k, ("Test " + std::to_string(k)).c_str(), 10.0f));
  // Tests run side by side in separate processes: one file each.
  char name[32];
  snprintf(name, sizeof name, "t_app%d.bin", (int)getpid());
  writedb(name, 8 + n, minor);
  ASSERT_EQ(ASTreadfile(0, name), 0);
  remove(runtimepath(name).c_str());
  ASSERT_EQ(iNumAst, 8 + n);
  for (int i = 0; i < iNumAst; i++) {
    obj[i] = objrec{-1, 0, 0, 0, 0, 0, 0, 0, 0};
    iBcalc[i] = 0;
  }
}

// Record i at ra hours, dec degrees, magnitude mag, with its sky block.
void place(int i, float rahours, float decdeg, float mag = 11.5f) {
  obj[i].ra = rahours;
  obj[i].dec = decdeg;
  obj[i].mag = mag;
  obj[i].block = int(decdeg / 10 + 9) * 24 + int(rahours);
  iBcalc[i] = 40;
}

std::set<std::pair<int, int>> tablepairs() {
  std::set<std::pair<int, int>> s;
  for (int k = 0; k < iNumApps; k++)
    if (app[k].kind == APPTABLE) s.insert({app[k].first, app[k].second});
  return s;
}

class Appulse : public ::testing::Test {
 protected:
  void SetUp() override {
    loadlayers({{}});  // no stars unless a test loads some
    iNumApps = iApp = 0;
  }
};

}  // namespace

TEST_F(Appulse, PairAcrossABlockBoundaryIsNotReported) {
  table(2);
  place(8, 5.5f, -0.05f);
  place(9, 5.5f, 0.05f);
  ASSERT_NE(obj[8].block, obj[9].block);
  EXPECT_EQ(checkastapp(8, 0.2, 1), 0);
  EXPECT_EQ(iNumApps, 0);
  // The same distance inside one block is.
  place(9, 5.5f, -0.15f);
  EXPECT_EQ(checkastapp(8, 0.2, 1), 1);
}

TEST_F(Appulse, PairExactlyAtTheThresholdIsReported) {
  table(2);
  place(8, 3.5f, 10.25f);
  place(9, 3.5f, 10.5f);
  EXPECT_EQ(appsep(3.5f, 10.25f, 3.5f, 10.5f), 0.25f);
  EXPECT_EQ(checkastapp(8, 0.25, 1), 1);
  ASSERT_EQ(iNumApps, 1);
  EXPECT_EQ(app[0].kind, APPTABLE);
  EXPECT_EQ(app[0].first, 8);
  EXPECT_EQ(app[0].second, 9);
  EXPECT_FLOAT_EQ(app[0].sep, 0.25f);
  iNumApps = 0;
  EXPECT_EQ(checkastapp(8, 0.2499, 1), 0);
}

TEST_F(Appulse, SeparationHasNoCosineFactor) {
  // 0.1 h apart at declination 85: 1.5 degrees by this measure (0.13 on
  // the sky), so not within 1 degree.
  table(2);
  place(8, 6.0f, 85.0f);
  place(9, 6.1f, 85.0f);
  EXPECT_NEAR(appsep(6.0f, 85.0f, 6.1f, 85.0f), 1.5f, 1e-5);
  EXPECT_EQ(checkastapp(8, 1.0, 1), 0);
}

TEST_F(Appulse, OnlyAfterListsEachPairOnceUnderTheLowerRecord) {
  table(3);
  place(8, 12.2f, 20.1f);
  place(9, 12.25f, 20.2f);
  place(10, 12.3f, 20.3f);
  genastapplist(0, 2.0, 1);
  EXPECT_EQ(iNumApps, 3);
  std::set<std::pair<int, int>> want = {{8, 9}, {8, 10}, {9, 10}};
  EXPECT_EQ(tablepairs(), want);
  genastapplist(0, 2.0, 0);
  EXPECT_EQ(iNumApps, 6) << "each pair from both sides";
  EXPECT_EQ(app[0].first, 8);
  EXPECT_EQ(app[5].first, 10);
}

TEST_F(Appulse, RecordsWithoutAPlaceAreNoAppulse) {
  table(3);
  place(8, 0.0f, 0.0f);
  // Records 9 and 10 were never computed: they hold 0 h, 0 degrees.
  EXPECT_EQ(genastapplist(0, 1.0, 1), 0);
  EXPECT_EQ(iNumApps, 0);
}

TEST_F(Appulse, StarsFollowThePairsAndTheListEmptiesFirst) {
  table(3);
  place(8, 4.5f, 15.5f);
  place(9, 4.52f, 15.6f);
  place(10, 20.0f, -40.0f);
  loadlayers({{makestar(111, 650, 'G', '2', 4.51f, 15.5f), makestar(222, 700, 'K', '0', 20.0f, -39.9f),
               makestar(333, 600, 'A', '0', 10.0f, 0.0f)}});
  iNumApps = 77;
  iApp = 5;
  genastapplist(0, 0.5, 1);
  EXPECT_EQ(iApp, 0);
  ASSERT_EQ(iNumApps, 4);
  EXPECT_EQ(app[0].kind, APPTABLE);
  for (int k = 1; k < 4; k++) EXPECT_EQ(app[k].kind, APPSTAR) << k;
  EXPECT_EQ(app[1].first, 8);
  EXPECT_EQ(app[2].first, 9);
  EXPECT_EQ(app[3].first, 10);
  EXPECT_EQ(star[app[1].second].starno, 111);
  EXPECT_EQ(star[app[3].second].starno, 222);
  EXPECT_NEAR(app[3].sep, 0.1f, 1e-5);
}

TEST_F(Appulse, SearchFromAFirstRecord) {
  table(3);
  place(8, 1.1f, 1.0f);
  place(9, 1.1f, 1.1f);
  place(10, 1.1f, 1.2f);
  genastapplist(9, 0.5, 1);
  std::set<std::pair<int, int>> want = {{9, 10}};
  EXPECT_EQ(tablepairs(), want);
}

TEST_F(Appulse, FullListDropsFurtherFinds) {
  iNumApps = MAXAPPS - 1;
  EXPECT_EQ(logappulse(1, 2, 0.1, APPTABLE), MAXAPPS);
  EXPECT_EQ(logappulse(1, 3, 0.1, APPTABLE), -1);
  EXPECT_EQ(iNumApps, MAXAPPS);
  EXPECT_EQ(app[MAXAPPS - 1].second, 2);
}

TEST_F(Appulse, ListPageRowsAndMarks) {
  table(3);
  place(8, 2.0f, 30.0f, 12.25f);
  place(9, 2.01f, 30.05f, 13.5f);
  loadlayers({{makestar(4242, 812, 'F', '5', 2.0f, 30.1f)}});
  genastapplist(0, 0.2, 1);
  ASSERT_EQ(iNumApps, 3);
  obj[8].userslot = 0;
  iApp = 1;
  catnum = 1;  // Hipparcos numbers read as themselves
  EXPECT_EQ(applist(2, 0, 20), 3);
  catnum = 0;
  EXPECT_STREQ(achDLine[0], "Planet Appulses (3 on file)  Page 1/1 ");
  EXPECT_STREQ(achDLine[1], "File  (No.) Planet              Mag   Second Object      Mag  Sep '");
  char want[80];
  snprintf(want, sizeof want, "%-5d %-5d %-17s %5.2f A %-17s %5.2f %5.2f", 0, 100, "Test 0", 12.25, "Test 1", 13.5,
           app[0].sep * 60.0);
  EXPECT_STREQ(achDLine[2], want);
  EXPECT_NE(strstr(achDLine[3], "* 4242"), nullptr) << achDLine[3];
  EXPECT_NE(strstr(achDLine[3], " 8.12 "), nullptr) << achDLine[3];
  EXPECT_EQ(achDLine[2][79], 'U');
  EXPECT_EQ(achDLine[4][79], 0) << "record 9 is no user object";
  EXPECT_EQ(achDLine[3][78], 'A');
  EXPECT_EQ(achDLine[2][78], 0);
  app[2].kind = 7;
  applist(2, 0, 20);
  EXPECT_NE(strstr(achDLine[4], "? ???"), nullptr);
}

TEST_F(Appulse, PageCountOnAnExactMultipleShowsAnEmptyLastPage) {
  for (int k = 0; k < 40; k++) logappulse(8, 9, 0.01, APPTABLE);
  applist(2, 20, 20);
  EXPECT_STREQ(achDLine[0], "Planet Appulses (40 on file)  Page 2/3 ");
  EXPECT_EQ(applist(2, 40, 20), 0);
  EXPECT_EQ(applist(2, 0, 100), 40);
  iNumApps = 100;
  EXPECT_EQ(applist(2, 0, 100), 62) << "never past the line buffer";
}

TEST_F(Appulse, GotoAppulseCentresOnItsMinorPlanet) {
  table(2);
  place(8, 7.25f, -12.5f);
  logappulse(8, 9, 0.1, APPTABLE);
  EXPECT_EQ(gotoapp(0), KEYESC);
  EXPECT_DOUBLE_EQ(dStarX, 7.25);
  EXPECT_DOUBLE_EQ(dStarY, -12.5);
  EXPECT_EQ(gotoapp(1), 0);
  EXPECT_EQ(gotoapp(-1), 0);
}

TEST_F(Appulse, LoadingTheTableEmptiesTheList) {
  logappulse(8, 9, 0.1, APPTABLE);
  table(1);
  EXPECT_EQ(iNumApps, 0);
  EXPECT_EQ(iApp, 0);
}

// The shipped database and Tycho catalogue on a fixed date: every listed
// pair is within the threshold, and an exhaustive comparison of all pairs
// finds nothing the block search missed except pairs in different blocks.
TEST_F(Appulse, ShippedDataAgainstBruteForce) {
  mpallegro();
  initsettings();
  ASSERT_EQ(MPinit(), 0);
  day = 2460000.5;
  calcastall(day);
  ASSERT_EQ(loadstarfile(runtimepath("tycstar.bin").c_str(), runtimepath("tycstar7.bin").c_str()), 0);
  ASSERT_GT(Snum, 100000);
  const double maxsep = 0.15;
  genastapplist(0, maxsep, 1);
  ASSERT_LT(iNumApps, MAXAPPS) << "the list must not be cut for this check";
  std::set<std::pair<int, int>> found;
  std::set<std::pair<int, int>> stars;
  int ntable = 0;
  for (int k = 0; k < iNumApps; k++) {
    const apprec &a = app[k];
    if (a.kind == APPTABLE) {
      ASSERT_EQ(ntable, k) << "pairs come before stars";
      ntable++;
      EXPECT_LT(a.first, a.second);
      EXPECT_LE(appsep(obj[a.first].ra, obj[a.first].dec, obj[a.second].ra, obj[a.second].dec), maxsep);
      found.insert({a.first, a.second});
    } else {
      double da = fabs(star[a.second].rahours - obj[a.first].ra);
      if (da > 23) da -= 24;
      double dd = star[a.second].decdeg - obj[a.first].dec;
      EXPECT_LE(sqrt(da * 15 * da * 15 + dd * dd), maxsep + 1e-6) << k;
      stars.insert({a.first, a.second});
    }
  }
  int missedacross = 0;
  for (int i = 0; i < iNumAst; i++)
    for (int j = i + 1; j < iNumAst; j++) {
      if (!iBcalc[i] || !iBcalc[j]) continue;
      if (appsep(obj[i].ra, obj[i].dec, obj[j].ra, obj[j].dec) > maxsep) continue;
      bool listed = found.count({i, j}) > 0;
      if (obj[i].block == obj[j].block)
        EXPECT_TRUE(listed) << i << " " << j;
      else
        missedacross += !listed;
    }
  EXPECT_GT(ntable, 0) << "a full page on this date has close pairs";
  RecordProperty("pairs", ntable);
  RecordProperty("pairs_across_blocks", missedacross);
  // Stars: every star within the threshold of an object is listed.
  // Every star is compared, through the stars sorted by declination so
  // that only those within maxsep in declination are visited.
  std::vector<int> bydec(Snum);
  for (int s = 0; s < Snum; s++) bydec[s] = s;
  std::sort(bydec.begin(), bydec.end(), [](int x, int y) { return star[x].decdeg < star[y].decdeg; });
  int starsmissed = 0;
  for (int i = 0; i < iNumAst; i++) {
    if (!iBcalc[i]) continue;
    auto first = std::lower_bound(bydec.begin(), bydec.end(), obj[i].dec - maxsep - 1e-3,
                                  [](int s, double d) { return star[s].decdeg < d; });
    for (auto it = first; it != bydec.end() && star[*it].decdeg <= obj[i].dec + maxsep + 1e-3; ++it) {
      int s = *it;
      double da = fabs(star[s].rahours - obj[i].ra);
      if (da > 23) da -= 24;
      double dd = star[s].decdeg - obj[i].dec;
      if (fabs(dd) > maxsep) continue;
      if (sqrt(da * 15 * da * 15 + dd * dd) <= maxsep && !stars.count({i, s})) {
        starsmissed++;
        ADD_FAILURE() << "record " << i << " at " << obj[i].ra << " " << obj[i].dec << " star " << s << " at "
                      << star[s].rahours << " " << star[s].decdeg;
      }
    }
  }
  EXPECT_EQ(starsmissed, 0);
  EXPECT_GT(iNumApps - ntable, 0);
  loadlayers({{}});
}

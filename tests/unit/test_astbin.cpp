#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "base/status.h"
#include "mp_fixtures.h"
#include "base/settings.h"
#include "timefmt/instant.h"

class AstBin : public ::testing::Test {
 protected:
  void SetUp() override {
    mpallegro();
    initsettings();
    day = 2459800.5;
    dFP[MPMAGLIMIT] = 14.0;
  }
};

// Every page of the shipped database, planets excepted: no minor planet
// repeats a planet record ((134340) Pluto stood in appulses with itself).
TEST_F(AstBin, ShippedMinorPlanetsRepeatNoPlanet) {
  for (int start = 0; start <= 6000; start += 3000) {
    ASSERT_EQ(ASTreadpage(start), 0);
    for (int i = MPPLANETS; i < iNumAst; i++)
      for (int p = 0; p < MPPLANETS; p++)
        EXPECT_STRNE(mp[i].name, mp[p].name) << "record " << i << " of the page from " << start;
  }
}

TEST_F(AstBin, RealDatabaseLoadsFirstPage) {
  ASSERT_EQ(MPinit(), 0);
  EXPECT_EQ(iNumAst, 3000);  // every object of the source is brighter than 12
  EXPECT_EQ(iAstEnd, 7105);
  EXPECT_EQ(iAstMaxPage, 2);
  EXPECT_EQ(iNT[MPSTART], 8);
  EXPECT_EQ(iHI[MPRECORD], 2999);
  EXPECT_STREQ(mperror, "Done. Found 3000 planets brighter than 14.0");
  EXPECT_STREQ(mp[0].name, "Mercury");
  EXPECT_STREQ(mp[4].name, "Saturn");
  EXPECT_STREQ(mp[7].name, "Pluto");
  EXPECT_EQ(mp[8].number, 1);
  EXPECT_STREQ(mp[8].name, "Ceres");
  for (int i = 9; i < iNumAst; i++) {
    ASSERT_TRUE(mpfinite(&mp[i])) << i;
    if (mp[i].number && mp[i - 1].number) {
      ASSERT_GT(mp[i].number, mp[i - 1].number) << i;
    }
  }
}

TEST_F(AstBin, PagesStepThroughTheWholeFile) {
  ASSERT_EQ(MPinit(), 0);
  EXPECT_EQ(ASTprevpage(), -1);
  ASSERT_EQ(ASTnextpage(), 0);
  EXPECT_EQ(iAstPage, 1);
  EXPECT_EQ(iAstStart, 3000);
  EXPECT_EQ(mp[8].number, 182223);  // file record 3000
  EXPECT_EQ(iNumAst, 3000);
  ASSERT_EQ(ASTnextpage(), 0);  // the last, partly filled page
  EXPECT_EQ(iAstStart, 6000);
  EXPECT_EQ(iNumAst, 8 + 1105);
  EXPECT_STREQ(mp[iNumAst - 1].name, "2022 OU15");
  EXPECT_EQ(ASTnextpage(), -1);
  ASSERT_EQ(ASTprevpage(), 0);
  EXPECT_EQ(iAstStart, 3000);
}

TEST_F(AstBin, MagnitudeLimitIsStrict) {
  writedb(scratchname("t_mag.bin"), 11, {mprecord(10, "AtLimit", 14.0f), mprecord(11, "Brighter", 13.99f),
                            mprecord(12, "Fainter", 14.5f)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_mag.bin")), 0);
  ASSERT_EQ(iNumAst, 9);
  EXPECT_STREQ(mp[8].name, "Brighter");
  EXPECT_EQ(mp[9].number, -1);  // the rejected record does not linger as an entry
}

TEST_F(AstBin, StartIndexBelowEightOrBeyondTheFile) {
  writedb(scratchname("t_start.bin"), 11, {mprecord(1, "A", 5), mprecord(2, "B", 5), mprecord(3, "C", 5)});
  ASSERT_EQ(ASTreadfile(-40, scratchname("t_start.bin")), 0);
  EXPECT_EQ(iNT[MPSTART], 8);
  EXPECT_EQ(iNumAst, 11);
  ASSERT_EQ(ASTreadfile(-4000, scratchname("t_start.bin")), 0);
  EXPECT_EQ(iAstPage, 0);  // read from record 8: page 0, not page -1
  EXPECT_EQ(iNT[MPSTART], 8);
  ASSERT_EQ(ASTreadfile(9, scratchname("t_start.bin")), 0);
  EXPECT_EQ(iNumAst, 10);
  EXPECT_STREQ(mp[8].name, "B");
  ASSERT_EQ(ASTreadfile(9000, scratchname("t_start.bin")), 0);
  EXPECT_EQ(iAstStart, 0);
  EXPECT_EQ(iAstPage, 0);
  EXPECT_EQ(iNT[MPSTART], 0);
  EXPECT_EQ(iNumAst, 11);
  EXPECT_STREQ(mp[8].name, "A");
}

TEST_F(AstBin, PlanetsOnlyDatabase) {
  writedb(scratchname("t_eight.bin"), 8, {});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_eight.bin")), 0);
  EXPECT_EQ(iNumAst, 8);
  EXPECT_STREQ(mperror, "Done. Found 8 planets brighter than 14.0");
}

TEST_F(AstBin, NumbersAndNamesAreCleaned) {
  mprec longname = mprecord(5, "", 5);
  memcpy(longname.name, "ABCDEFGHIJKLMNOPQRST", 20);  // no NUL at all
  mprec blanks = mprecord(6, "", 5);
  memset(blanks.name, ' ', 20);
  mprec trailing = mprecord(7, "Name  ", 5);
  writedb(scratchname("t_names.bin"), 12, {mprecord(-3, "Negative", 5), longname, blanks, trailing});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_names.bin")), 0);
  ASSERT_EQ(iNumAst, 12);
  EXPECT_EQ(mp[8].number, 0);
  EXPECT_STREQ(mp[9].name, "ABCDEFGHIJKLMNOPQRS");
  EXPECT_STREQ(mp[10].name, "");
  EXPECT_STREQ(mp[11].name, "Name");
}

TEST_F(AstBin, MissingFileLeavesTableUntouched) {
  writedb(scratchname("t_keep.bin"), 9, {mprecord(42, "Kept", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_keep.bin")), 0);
  loguserobj(8);
  EXPECT_EQ(ASTreadfile(0, scratchname("t_nosuchfile.bin")), 2);
  EXPECT_EQ(std::string(mperror), "Error reading file: " + resolved(scratchname("t_nosuchfile.bin")));
  EXPECT_EQ(iNumAst, 9);
  EXPECT_EQ(userobj[0], 8);
  EXPECT_STREQ(mp[8].name, "Kept");
}

TEST_F(AstBin, FileShorterThanThePlanetsIsRefused) {
  writedb(scratchname("t_keep.bin"), 9, {mprecord(42, "Kept", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_keep.bin")), 0);
  writetext(scratchname("t_short.bin"), std::string("\x10\0\0\0", 4) + std::string(84 * 3, 'x'));
  EXPECT_EQ(ASTreadfile(0, scratchname("t_short.bin")), 2);
  EXPECT_EQ(std::string(mperror), "Error reading file: " + resolved(scratchname("t_short.bin")));
  EXPECT_EQ(iNumAst, 9);
  EXPECT_STREQ(mp[8].name, "Kept");
}

TEST_F(AstBin, CountBeyondTheRecordsEndsAtTheLastCompleteRecord) {
  writedb(scratchname("t_trunc.bin"), 500, {mprecord(1, "A", 5), mprecord(2, "B", 5)});
  {  // half a third record
    FILE *f = fopen(runtimepath(scratchname("t_trunc.bin")).c_str(), "ab");
    fwrite("partial", 1, 7, f);
    fclose(f);
  }
  ASSERT_EQ(ASTreadfile(0, scratchname("t_trunc.bin")), 0);
  EXPECT_EQ(iNumAst, 10);
  EXPECT_EQ(iAstEnd, 500);
}

TEST_F(AstBin, NegativeCountLoadsOnlyThePlanets) {
  writedb(scratchname("t_neg.bin"), -7, {mprecord(1, "A", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_neg.bin")), 0);
  EXPECT_EQ(iNumAst, 8);
  EXPECT_EQ(ASTnextpage(), -1);
}

TEST_F(AstBin, CountBeyondTheTableStopsAtAPage) {
  std::vector<mprec> many(3100, mprecord(9, "Many", 5));
  writedb(scratchname("t_many.bin"), 1000000, many);
  ASSERT_EQ(ASTreadfile(0, scratchname("t_many.bin")), 0);
  EXPECT_EQ(iNumAst, 3000);
  EXPECT_EQ(mp[3000].number, -1);
}

TEST_F(AstBin, NonFiniteElementsAreNotLoaded) {
  mprec bad = mprecord(3, "NaNecc", 5);
  bad.ecc = NAN;
  mprec inf = mprecord(4, "InfAxis", 5);
  inf.semiaxis = INFINITY;
  mprec nanh = mprecord(5, "NaNH", 5);
  nanh.hmag = NAN;
  writedb(scratchname("t_nan.bin"), 12, {bad, inf, nanh, mprecord(6, "Good", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_nan.bin")), 0);
  ASSERT_EQ(iNumAst, 9);
  EXPECT_STREQ(mp[8].name, "Good");
}

TEST_F(AstBin, DamagedPlanetRecordsAreRebuilt) {
  writedb(scratchname("t_planets.bin"), 9, {mprecord(1, "A", 5)});
  {  // Saturn's eccentricity NaN, Uranus numbered 77
    FILE *f = fopen(runtimepath(scratchname("t_planets.bin")).c_str(), "r+b");
    float nan = NAN;
    int32_t num = 77;
    fseek(f, 4 + 84 * 4 + 68, SEEK_SET);
    fwrite(&nan, 4, 1, f);
    fseek(f, 4 + 84 * 5, SEEK_SET);
    fwrite(&num, 4, 1, f);
    fclose(f);
  }
  ASSERT_EQ(ASTreadfile(0, scratchname("t_planets.bin")), 0);
  ASSERT_TRUE(mpfinite(&mp[4]));
  EXPECT_STREQ(mp[4].name, "Saturn");
  EXPECT_NEAR(mp[4].semiaxis, 9.554747, 1e-5);
  EXPECT_NEAR(mp[4].ecc, 0.0556, 0.002);
  EXPECT_EQ(mp[4].epoch, 2459800);
  EXPECT_EQ(mp[5].number, 0);
  EXPECT_FLOAT_EQ(mp[5].semiaxis, 2.766619f);  // a usable record is kept as stored
  EXPECT_EQ(findastnumber(77), -1);
  calcastall(day);
  EXPECT_EQ(iBcalc[4], 10);
}

TEST_F(AstBin, FindByNumberAndName) {
  ASSERT_EQ(MPinit(), 0);
  EXPECT_EQ(findastnumber(0), 0);  // Mercury: planets carry number 0
  EXPECT_EQ(findastnumber(4), findastname("Vesta"));
  EXPECT_EQ(findastnumber(99999999), -1);
  EXPECT_EQ(findastname("Vest"), -1);
  char name[20];
  EXPECT_EQ(getastname(findastname("Vesta"), name), 4);
  EXPECT_STREQ(name, "Vesta");
}

TEST_F(AstBin, UserListLinksBothWays) {
  ASSERT_EQ(MPinit(), 0);
  EXPECT_EQ(countuserobj(), 0);
  EXPECT_EQ(loguserobj(20), 1);
  EXPECT_EQ(loguserobj(30), 2);
  EXPECT_EQ(loguserobj(20), 2);  // already listed
  EXPECT_EQ(obj[30].userslot, 1);
  for (int i = 100; countuserobj() < 64; i++) loguserobj(i);
  EXPECT_EQ(loguserobj(500), 64);
  EXPECT_EQ(obj[500].userslot, -1);
  for (int k = 0; k < 64; k++) EXPECT_EQ(obj[userobj[k]].userslot, k);
}

TEST_F(AstBin, ListRowsFollowTheSortSetting) {
  iRindex[3] = 77;
  iBindex[3] = 55;
  iNT[MPSORT] = 0;
  EXPECT_EQ(getmpnumber(3), 3);
  iNT[MPSORT] = 1;
  EXPECT_EQ(getmpnumber(3), 77);
  iNT[MPSORT] = 2;
  EXPECT_EQ(getmpnumber(3), 55);
}

TEST_F(AstBin, PerihelionTimeAdvancesToTheNextPassage) {
  writedb(scratchname("t_peri.bin"), 9, {mprecord(1, "A", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_peri.bin")), 0);
  double stored = mp[8].peritime, t;
  getastperiod(8, stored - 100.0, &t);
  EXPECT_EQ(t, stored);  // no stepping backwards
  double step = 360.0 / mp[8].daily;
  double jd = stored + 2.5 * step;
  EXPECT_FLOAT_EQ(getastperiod(8, jd, &t), mp[8].period);
  EXPECT_NEAR(t, stored + 3 * step, 1e-6);
  getastperiod(8, stored + step, &t);  // exactly on a passage: not beyond it
  EXPECT_NEAR(t, stored + step, 1e-6);
  mp[8].daily = 0;
  getastperiod(8, jd, &t);
  EXPECT_EQ(t, stored);
}

TEST_F(AstBin, ElementsWidenToRadians) {
  writedb(scratchname("t_data.bin"), 9, {mprecord(1, "A", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_data.bin")), 0);
  double h, m, node, w, inc, e, n, a, rexp, epoch, period, peri;
  getastdata(8, &h, &m, &node, &w, &inc, &e, &n, &a, &rexp, &epoch, &period, &peri);
  EXPECT_NEAR(node, 80.266436 / 57.29577951, 1e-6);
  EXPECT_NEAR(w, 73.531625 / 57.29577951, 1e-6);
  EXPECT_NEAR(inc, 10.586795 / 57.29577951, 1e-6);
  EXPECT_EQ(epoch, 2459800.5);
  EXPECT_NEAR(m, 334.32717, 1e-4);
}

TEST_F(AstBin, CopiesThroughTheStagingRecord) {
  writedb(scratchname("t_copy.bin"), 9, {mprecord(1, "A", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_copy.bin")), 0);
  copymp2ast(8);
  ast.semiaxis = 4.0f;
  ast.peritime = 2450000.0f;
  copyast2mp(9);
  EXPECT_STREQ(mp[9].name, "A");
  EXPECT_FLOAT_EQ(mp[9].period, 8.0f);
  EXPECT_FLOAT_EQ(mp[9].peritime, 2450000.0f);
  EXPECT_FLOAT_EQ(mp[9].fixed1, 0.15f);
  EXPECT_FLOAT_EQ(mp[9].diameter, 0.1f);
  EXPECT_FLOAT_EQ(mp[9].inc, mp[8].inc);
}

TEST_F(AstBin, BlockRoundTripGivesTheSameTable) {
  ASSERT_EQ(MPinit(), 0);
  static mprec before[MPMAX];
  int n = iNumAst;
  memcpy(before, mp, sizeof before);
  ASSERT_EQ(ASTwriteblock(7), 0);
  EXPECT_EQ(std::string(mperror), "Saved file: " + resolved("ast007.bin"));
  memset(mp, 0, sizeof mp);
  ASSERT_EQ(ASTreadblock(7), 0);
  remove(runtimepath("ast007.bin").c_str());  // block files have fixed names beside the program
  ASSERT_EQ(iNumAst, n);
  EXPECT_EQ(memcmp(before, mp, sizeof(mprec) * n), 0);
}

TEST_F(AstBin, StatusMessages) {
  EXPECT_EQ(MPfail(FAILWRITE, "x"), 3);
  EXPECT_STREQ(mperror, "Error writing file: x");
  EXPECT_EQ(MPOKay(OKLOADED, "y"), 0);
  EXPECT_STREQ(mperror, "Loaded file: y");
  MPfail(9, "z");
  EXPECT_STREQ(mperror, "Loaded file: y");
}

TEST_F(AstBin, ConverterReadsMpcOneLineFormat) {
  std::string out = runtimepath(scratchname("t_mpcorb.bin"));
  std::string cmd = std::string("/usr/bin/python3 ") + KORVANEX_SOURCE_DIR +
                    "/tools/mkastdat --mpcorb " + KORVANEX_SOURCE_DIR +
                    "/tests/data/mpcorb_sample.dat --planet-states " + KORVANEX_SOURCE_DIR +
                    "/tests/data/planetstate_2459000.5.json " + out + " > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  ASSERT_EQ(ASTreadfile(0, scratchname("t_mpcorb.bin")), 0);
  ASSERT_EQ(iNumAst, 10);
  EXPECT_EQ(mp[8].number, 1);
  EXPECT_STREQ(mp[8].name, "Ceres");
  EXPECT_EQ(mp[8].epoch, 2459000);  // K205V: 2020 May 31, 0h = JD 2459000.5
  EXPECT_FLOAT_EQ(mp[8].semiaxis, 2.7676569f);
  EXPECT_FLOAT_EQ(mp[8].ecc, 0.0775571f);
  EXPECT_NEAR(mp[8].daily, 0.0172020989 * 57.29577951 / pow(2.7676569, 1.5), 1e-6);
  EXPECT_EQ(mp[9].number, 2);
  EXPECT_STREQ(mp[9].name, "Pallas");
  EXPECT_EQ(mp[9].epoch, 2459600);  // K221L: 2022 Jan 21, 0h = JD 2459600.5
  EXPECT_FLOAT_EQ(mp[9].inc, 34.92531f);
  // The file as the MPC serves it, gzipped, gives the same database.
  std::string gz = runtimepath(scratchname("t_mpcorb.dat.gz")), out2 = runtimepath(scratchname("t_mpcorb_gz.bin"));
  cmd = "gzip -c " + std::string(KORVANEX_SOURCE_DIR) + "/tests/data/mpcorb_sample.dat > " + gz +
        " && /usr/bin/python3 " + KORVANEX_SOURCE_DIR + "/tools/mkastdat --mpcorb " + gz +
        " --planet-states " + KORVANEX_SOURCE_DIR + "/tests/data/planetstate_2459000.5.json " + out2 + " > /dev/null && cmp -s " + out + " " + out2;
  EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST_F(AstBin, ImpossibleRecordsAreSkippedAndCounted) {
  std::vector<mprec> recs;
  auto odd = [&](const char *name, void (*spoil)(mprec *)) {
    mprec r = mprecord(1, name, 5);
    spoil(&r);
    recs.push_back(r);
  };
  odd("EccOne", [](mprec *r) { r->ecc = 1.0f; });
  odd("EccNeg", [](mprec *r) { r->ecc = -0.1f; });
  odd("AxisZero", [](mprec *r) { r->semiaxis = 0.0f; });
  odd("AxisNeg", [](mprec *r) { r->semiaxis = -2.0f; });
  odd("AxisHuge", [](mprec *r) { r->semiaxis = 1.0e6f; });
  odd("DailyZero", [](mprec *r) { r->daily = 0.0f; });
  odd("DailyHuge", [](mprec *r) { r->daily = 50.0f; });
  odd("EpochLow", [](mprec *r) { r->epoch = 1999999; });
  odd("EpochHigh", [](mprec *r) { r->epoch = 3000001; });
  for (int i = 0; i < 12; i++) recs.push_back(mprecord(100 + i, "Good", 5));
  mprec edge = mprecord(200, "Edge", 5);
  edge.ecc = 0.0f;
  edge.epoch = 2000000;
  recs.push_back(edge);
  writedb(scratchname("t_odd.bin"), 8 + static_cast<int>(recs.size()), recs);
  ASSERT_EQ(ASTreadfile(0, scratchname("t_odd.bin")), 0);
  EXPECT_EQ(iNumAst, 8 + 13);
  for (int i = 8; i < iNumAst; i++) EXPECT_GE(mp[i].number, 100) << mp[i].name;
  EXPECT_STREQ(mperror, "Done. Found 21 planets brighter than 14.0, 9 impossible records skipped");
  for (const mprec &r : recs) EXPECT_EQ(mpplausible(&r), r.number >= 100 ? 1 : 0) << r.name;
}

TEST_F(AstBin, RandomBytesAreRefusedAndTheTableKept) {
  ASSERT_EQ(MPinit(), 0);
  int n = iNumAst;
  std::string ceres = mp[8].name;
  srand(7);
  std::string junk(4 + 84 * 3200, '\0');
  for (char &c : junk) c = static_cast<char>(rand());
  junk[0] = static_cast<char>(0x80);  // a count of 3000 and more
  junk[1] = junk[2] = 0x0c;
  junk[3] = 0;
  writetext(scratchname("t_junk.bin"), junk);
  EXPECT_EQ(ASTreadfile(0, scratchname("t_junk.bin")), FAILREAD);
  EXPECT_EQ(std::string(mperror), "Error reading file: " + resolved(scratchname("t_junk.bin")));
  EXPECT_EQ(iNumAst, n);
  EXPECT_EQ(mp[8].name, ceres);
  writedb(scratchname("t_junkplanets.bin"), -1, {});  // a count that reads no minor planet
  {
    FILE *f = fopen(runtimepath(scratchname("t_junkplanets.bin")).c_str(), "r+b");
    fseek(f, 4, SEEK_SET);
    fwrite(junk.data() + 4, 1, 84 * 8, f);
    fclose(f);
  }
  EXPECT_EQ(ASTreadfile(0, scratchname("t_junkplanets.bin")), FAILREAD) << "planets of random bytes";
  EXPECT_EQ(iNumAst, n);
}

// A database shorter than its own record count says so in the load report.
TEST_F(AstBin, CutFileOrImpossibleCountIsReported) {
  writedb(scratchname("t_cut.bin"), 500, {mprecord(1, "A", 5), mprecord(2, "B", 5)});
  ASSERT_EQ(ASTreadfile(0, scratchname("t_cut.bin")), 0);
  EXPECT_STREQ(mperror, "Done. Found 10 planets brighter than 14.0, file cut short: 10 of 500 records");
}

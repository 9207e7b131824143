#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "minorplanets/astbin.h"
#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "base/status.h"
#include "base/textline.h"
#include "minorplanets/positions.h"
#include "minorplanets/userfile.h"
#include "mp_fixtures.h"
#include "testsupport.h"
#include "base/settings.h"
#include "timefmt/instant.h"

namespace {

// An object line in the file's columns.
std::string objline(int number, const char *name, const char *epoch, double a = 2.7666190) {
  char line[256];
  snprintf(line, sizeof line, "%6d %-18s %s   3.33 334.327170  73.531625  80.266436  10.586795 "
           "0.07863576 %10.7f\n", number, name, epoch, a);
  return line;
}

}  // namespace

class UserFile : public ::testing::Test {
 protected:
  void SetUp() override {
    mpallegro();
    initsettings();
    day = 2459800.5;
    dFP[MPMAGLIMIT] = 14.0;
    ASSERT_EQ(MPinit(), 0);
  }
};

TEST_F(UserFile, ShippedFileLinksAndAppends) {
  int n = MPreaduserfile("userast1.txt");
  EXPECT_EQ(n, 7);
  EXPECT_STREQ(mperror, "Loaded file: 7 planets in userast1.txt");
  EXPECT_EQ(iNumAst, 3003);  // Gonggong and two others lie beyond page 1
  EXPECT_EQ(userobj[0], findastname("Ceres"));
  EXPECT_EQ(userobj[0], 8);
  EXPECT_EQ(userobj[3], 3000);
  EXPECT_STREQ(mp[3000].name, "Gonggong");
  EXPECT_EQ(iHI[MPRECORD], 3002);
  for (int k = 0; k < n; k++) EXPECT_EQ(obj[userobj[k]].userslot, k);
  EXPECT_EQ(MPreaduserfile("userast1.txt"), 7);  // read again: linked, not appended
  EXPECT_EQ(iNumAst, 3003);
}

TEST_F(UserFile, LineLengthsCommentsAndTheLastLine) {
  // Short but complete lines, padded with blanks to 64 and 65 characters.
  auto padded = [](const char *name, size_t len) {
    char line[128];
    snprintf(line, sizeof line, "%6d %-18s 2459800 3.3 1 2 3 4 0.1 2.7", 0, name);
    std::string s = line;
    s.resize(len, ' ');
    return s;
  };
  std::string text = "; comment " + std::string(80, 'x') + "\n" + padded("Len64", 64) + "\n" +
                     padded("Len65", 65) + "\r\n" + objline(0, "NoLF", "2459800");
  text.pop_back();  // the last line has no line end
  writetext(scratchname("t_lines.txt"), text);
  ASSERT_EQ(MPreaduserfile(scratchname("t_lines.txt")), 1);
  EXPECT_STREQ(mp[userobj[0]].name, "Len65");
  EXPECT_EQ(findastname("Len64"), -1);
  EXPECT_EQ(findastname("NoLF"), -1);
}

TEST_F(UserFile, EpochAsJulianDayOrDate) {
  writetext(scratchname("t_epoch.txt"), objline(0, "AsJD", "2450700") + objline(0, "AsDate", "19970909"));
  ASSERT_EQ(MPreaduserfile(scratchname("t_epoch.txt")), 2);
  EXPECT_EQ(mp[userobj[0]].epoch, 2450700);
  EXPECT_EQ(mp[userobj[1]].epoch, 2450700);
  EXPECT_EQ(convertepoc(20000101), 2451544);
}

TEST_F(UserFile, PerihelionTimeReproducesTheMeanAnomalyAtTheEpoch) {
  writetext(scratchname("t_peri.txt"), objline(0, "Peri", "2459800"));
  ASSERT_EQ(MPreaduserfile(scratchname("t_peri.txt")), 1);
  const mprec &r = mp[userobj[0]];
  // The daily motion moves at most a few units in its last place.
  EXPECT_NEAR(r.daily, 360.0 / (pow(2.766619, 1.5) * 365.2422), 2e-7);
  double t;
  getastperiod(userobj[0], 2459800.5, &t);
  double m = remainder(r.daily * (2459800.5 - t) - 334.32717, 360.0);
  EXPECT_LT(fabs(m) * 3600.0, PASSAGEARCSEC + 0.1);
  // From a passage near the epoch, not centuries away.
  EXPECT_LT(fabs(r.peritime - 2459800.5) * r.daily / 360.0, 100.0);
}

TEST_F(UserFile, ZeroSemiAxis) {
  writetext(scratchname("t_zero.txt"), objline(0, "Zero", "2459800", 0.0));
  ASSERT_EQ(MPreaduserfile(scratchname("t_zero.txt")), 1);
  EXPECT_FLOAT_EQ(mp[userobj[0]].daily, 0.00001f);
  EXPECT_EQ(mp[userobj[0]].period, 0.0f);
}

TEST_F(UserFile, MatchedObjectKeepsTheTableElements) {
  int ceres = findastname("Ceres");
  float inc = mp[ceres].inc;
  std::string line = objline(1, "Ceres", "2459800");
  line.replace(line.find("10.586795"), 9, "45.000000");
  writetext(scratchname("t_match.txt"), line);
  ASSERT_EQ(MPreaduserfile(scratchname("t_match.txt")), 1);
  EXPECT_EQ(userobj[0], ceres);
  EXPECT_EQ(mp[ceres].inc, inc);
  ASSERT_EQ(MPwriteuserfile(scratchname("t_match_out.txt")), 0);
  std::string out = readwhole(scratchpath("t_match_out.txt"));
  EXPECT_NE(out.find(" 10.586795 "), std::string::npos);
  EXPECT_EQ(out.find("45.000000"), std::string::npos);
}

TEST_F(UserFile, EmptyListWritesOnlyTheHeader) {
  remove(scratchpath("t_empty.txt").c_str());  // left by an earlier run in this process
  ASSERT_EQ(MPwriteuserfile(scratchname("t_empty.txt")), 0);
  EXPECT_EQ(std::string(mperror), std::string("Saved file: ") + scratchname("t_empty.txt"));
  std::string out = readwhole(scratchpath("t_empty.txt"));
  int lines = 0;
  for (char c : out) lines += c == '\n';
  EXPECT_EQ(lines, 9);
  EXPECT_NE(out.find(scratchname("t_empty.txt")), std::string::npos);
  EXPECT_NE(out.find("; No.  Planet Name        EPOC     Hmag   MeanAnom"), std::string::npos);
}

// The file is not read at start-up: saving the empty list right after it
// must not wipe the objects the file holds.
TEST_F(UserFile, EmptyListIsNotWrittenOverAnExistingFile) {
  std::string line = objline(1, "Ceres", "2459800");
  writetext(scratchname("t_kept.txt"), line);
  std::string before = readwhole(scratchpath("t_kept.txt"));
  ASSERT_EQ(countuserobj(), 0);
  EXPECT_EQ(MPwriteuserfile(scratchname("t_kept.txt")), FAILWRITE);
  EXPECT_EQ(std::string(mperror), std::string("No user objects to save: ") + scratchname("t_kept.txt") + " kept");
  EXPECT_EQ(readwhole(scratchpath("t_kept.txt")), before);
  // With an object in the list the file is written as usual.
  ASSERT_EQ(MPreaduserfile(scratchname("t_kept.txt")), 1);
  EXPECT_EQ(MPwriteuserfile(scratchname("t_kept.txt")), 0);
}

TEST_F(UserFile, WriteThenReadLinksTheSameObjects) {
  ASSERT_EQ(MPreaduserfile("userast1.txt"), 7);
  loguserobj(100);
  loguserobj(2500);
  int before[MPUSERMAX];
  memcpy(before, userobj, sizeof before);
  int n = iNumAst;
  ASSERT_EQ(MPwriteuserfile(scratchname("t_round.txt")), 0);
  std::string out = readwhole(scratchpath("t_round.txt"));
  size_t pos = out.find(mp[100].name);
  ASSERT_NE(pos, std::string::npos);
  size_t bol = out.rfind('\n', pos) + 1;
  EXPECT_EQ(out.find('\n', bol) - bol, 106u);  // the line length every value fits
  EXPECT_EQ(MPreaduserfile(scratchname("t_round.txt")), 9);
  EXPECT_EQ(iNumAst, n);
  EXPECT_EQ(memcmp(before, userobj, sizeof before), 0);
}

TEST_F(UserFile, MissingFileKeepsTheList) {
  ASSERT_EQ(MPreaduserfile("userast1.txt"), 7);
  EXPECT_EQ(MPreaduserfile(scratchname("t_no_such_user.txt")), 7);
  EXPECT_EQ(std::string(mperror), "Error reading file: " + resolved(scratchname("t_no_such_user.txt")));
  EXPECT_EQ(iMpsiz, 0);
  EXPECT_EQ(iUserFile, 0);
  EXPECT_EQ(countuserobj(), 7);
}

TEST_F(UserFile, SixtyFifthObjectIsNotRead) {
  std::string text;
  for (int k = 0; k < 70; k++) text += objline(0, ("Obj" + std::to_string(k)).c_str(), "2459800");
  writetext(scratchname("t_many.txt"), text);
  EXPECT_EQ(MPreaduserfile(scratchname("t_many.txt")), 64);
  EXPECT_EQ(findastname("Obj64"), -1);
  EXPECT_EQ(iNumAst, 3064);
  // A second file of new objects cannot push the table past its end.
  text.clear();
  for (int k = 0; k < 10; k++) text += objline(0, ("New" + std::to_string(k)).c_str(), "2459800");
  writetext(scratchname("t_more.txt"), text);
  EXPECT_EQ(MPreaduserfile(scratchname("t_more.txt")), 0);
  EXPECT_EQ(iNumAst, 3064);
}

TEST_F(UserFile, BadLinesAreSkipped) {
  std::string shortnums = "     0 Missing            2459800   3.33 334.3 73.5 80.2 10.5 0.07" +
                          std::string(10, ' ') + "\n";
  std::string nan = objline(0, "NaN", "2459800");
  nan.replace(nan.find("334.327170"), 10, "       nan");
  std::string huge = objline(0, "Huge", "2459800");
  huge.replace(huge.find("73.531625"), 9, "1e300    ");
  std::string dup = objline(1, "Ceres", "2459800");
  writetext(scratchname("t_bad.txt"), shortnums + nan + huge + dup + dup + std::string(300, 'y') + "\n");
  EXPECT_EQ(MPreaduserfile(scratchname("t_bad.txt")), 1);
  EXPECT_EQ(userobj[0], findastname("Ceres"));
  EXPECT_EQ(iNumAst, 3000);
}

TEST_F(UserFile, GetALineDropsCarriageReturnsAndCutsLongLines) {
  writetext(scratchname("t_getaline.txt"), "ab\r\ncd\n\n" + std::string(400, 'z') + "\nend");
  FILE *f = fopen(scratchpath("t_getaline.txt").c_str(), "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(getaline(f), 'a');
  EXPECT_STREQ(readbuf, "ab");
  EXPECT_EQ(getaline(f), 'c');
  EXPECT_EQ(getaline(f), 1);
  EXPECT_EQ(getaline(f), 'z');
  EXPECT_EQ(strlen(readbuf), 255u);
  EXPECT_EQ(getaline(f), 0);
  EXPECT_STREQ(readbuf, "end");
  fclose(f);
}

TEST_F(UserFile, PlanetPageFieldsRoundTrip) {
  int vesta = findastname("Vesta");
  ASSERT_EQ(readmpvars(vesta), 0);
  EXPECT_EQ(iNT[MPRECORD], vesta);
  EXPECT_EQ(iAst, vesta);
  EXPECT_STREQ(chSTR[MPNAME], "Vesta");
  EXPECT_EQ(iNT[MPNUMBER], 4);
  dFP[MPINCL] = 8.5;
  dFP[MPPERIPASS] = 2459000.0;
  ASSERT_EQ(savempvars(vesta), 0);
  EXPECT_FLOAT_EQ(mp[vesta].inc, 8.5f);
  EXPECT_FLOAT_EQ(mp[vesta].peritime, 2459000.0f);
  EXPECT_EQ(readmpvars(-1), -1);
  EXPECT_EQ(savempvars(iNumAst), -1);
}

// Junk or a folder is refused, the list kept; junk lines beside objects are counted.
TEST_F(UserFile, JunkOrUnreadableFileIsRefusedAndJunkLinesCounted) {
  ASSERT_EQ(MPreaduserfile("userast1.txt"), 7);
  std::string junk(3000, 'x');
  for (char &c : junk) c = static_cast<char>(rand() % 256);
  writetext(scratchname("t_junk.txt"), junk);
  EXPECT_EQ(MPreaduserfile(scratchname("t_junk.txt")), 7);
  EXPECT_EQ(std::string(mperror), "Damaged file: " + resolved(scratchname("t_junk.txt")) + ", no object in it");
  EXPECT_EQ(MPreaduserfile(scratchname("")), 7) << "the scratch folder itself";
  writetext(scratchname("t_mixed.txt"), "junk line\n" + objline(0, "Mixed", "2459800") + "\x01\x02\n");
  EXPECT_EQ(MPreaduserfile(scratchname("t_mixed.txt")), 1);
  EXPECT_NE(strstr(mperror, "t_mixed.txt, 2 lines that are not objects skipped"), nullptr) << mperror;
}

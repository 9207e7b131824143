#include <sys/stat.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "allegro_env.h"
#include "chart/starcat.h"
#include "minorplanets/calcall.h"
#include "base/status.h"
#include "base/settings.h"
#include "starcat_fixture.h"
#include "tempdir.h"
#include "testsupport.h"
#include "screen/display.h"
#include "ui/datemenu.h"
#include "screen/layout.h"

namespace {

// One star loaded alone at 32 bits per pixel, so colours can be read back.
const starcalc &calcone(int mag100, char cls) {
  startallegro(32);
  star[0] = makestar(1, mag100, cls, '0', 6.0f, 10.0f);
  calcstardata(0);
  return calcstar[0];
}

int red(int c) { return getr32(c); }
int green(int c) { return getg32(c); }
int blue(int c) { return getb32(c); }
int magclass(const starcalc &c) { return (c.imagecell & 511) >> 5; }
int specrow(const starcalc &c) { return (c.imagecell >> 16) / 32; }

std::string runtimefile(const char *name) { return std::string(KORVANEX_RUNTIME_DIR) + "/" + name; }

}  // namespace

TEST(StarCat, TychoNameUnpacksRegionNumberAndComponent) {
  loadlayers({{makestar(3000 * 65536 + 807 * 4 + 1, 500, 'G', '2', 1.0f, 1.0f)}});
  char name[STARNAMELEN];
  catnum = 0;
  EXPECT_EQ(getstarname(0, name), 3000 * 65536 + 807 * 4 + 1);
  EXPECT_STREQ(name, "3000-807-1");
  catnum = 1;
  getstarname(0, name);
  EXPECT_STREQ(name, "196611229");
  catnum = 0;
}

TEST(StarCat, TychoRegionAboveSignBitStaysPositive) {
  loadlayers({{makestar((int32_t)(40000u * 65536u + 12121u * 4u + 3u), 500, 'G', '2', 1.0f, 1.0f)}});
  char name[STARNAMELEN];
  catnum = 0;
  getstarname(0, name);
  EXPECT_STREQ(name, "40000-12121-3");
}

TEST(StarCat, StarNumberZeroHasNoIdentifier) {
  loadlayers({{makestar(0, 500, 'G', '2', 1.0f, 1.0f)}});
  char name[STARNAMELEN];
  for (int c : {0, 1}) {
    catnum = c;
    EXPECT_EQ(getstarname(0, name), 0);
    EXPECT_STREQ(name, "-");
    char id[4], line[80];
    double r, d, m;
    getstardata(0, name, id, &r, &d, &m);
    EXPECT_STREQ(name, "-");
    EXPECT_EQ(getstarnumber(0, name, &m), 0);
    EXPECT_STREQ(name, "-");
    starstring(0, line);
    EXPECT_EQ(std::string(line).substr(0, 20), "0       -           ") << "the list line names it too";
  }
  catnum = 0;
}

TEST(StarCat, BrightStarMagnitudeRules) {
  const starcalc &c = calcone(-146, ' ');
  EXPECT_EQ(red(c.starcolour), 255);
  EXPECT_EQ(green(c.starcolour), 255);
  EXPECT_EQ(c.dotsize, 10);
  EXPECT_EQ(magclass(c), 1);
}

TEST(StarCat, FaintStarMagnitudeRules) {
  const starcalc &c = calcone(1250, ' ');
  EXPECT_EQ(red(c.starcolour), 30);
  EXPECT_EQ(blue(c.starcolour), 30);
  EXPECT_EQ(c.dotsize, 0);
  EXPECT_EQ(magclass(c), 15);
}

TEST(StarCat, MagnitudeClassIsCappedButTheRunningMaximumIsNot) {
  startallegro(32);
  star[0] = makestar(1, 1900, 'A', '0', 1.0f, 1.0f);
  EXPECT_GE(calcstardata(0), 22);
  EXPECT_EQ(magclass(calcstar[0]), 15);
  star[0] = makestar(1, 100, 'A', '0', 1.0f, 1.0f);
  EXPECT_GE(calcstardata(0), 22);  // never lowered
}

TEST(StarCat, CoolStarRedBoostStopsBelowFullBrightness) {
  // v = 300 - 220 / 4 = 245: at or above 240 the K boost is not applied.
  const starcalc &hot = calcone(220, 'K');
  EXPECT_EQ(red(hot.starcolour), 245);
  EXPECT_EQ(green(hot.starcolour), 196);
  EXPECT_EQ(blue(hot.starcolour), 159);
  EXPECT_EQ(specrow(hot), 5);
  // v = 200: boosted to trunc(214.0).
  EXPECT_EQ(red(calcone(400, 'K').starcolour), 214);
  EXPECT_EQ(red(calcone(400, 'M').starcolour), 220);
  EXPECT_EQ(red(calcone(400, 'R').starcolour), 240);
  EXPECT_EQ(red(calcone(300, 'N').starcolour), 225);  // v = 225 >= 210: no boost
}

TEST(StarCat, SpectralClassGivesTintAndImageRow) {
  const struct { char cls; int r, g, b, row; } cases[] = {
      {'O', 100, 150, 200, 0}, {'B', 136, 170, 200, 1}, {'A', 170, 200, 200, 2}, {'F', 200, 200, 180, 3},
      {'G', 200, 180, 150, 4}, {'K', 214, 160, 130, 5}, {'M', 220, 90, 70, 6},   {'R', 240, 50, 0, 7},
      {'N', 240, 50, 0, 7},    {'X', 200, 200, 200, 0}, {0, 200, 200, 200, 0},
  };
  for (const auto &t : cases) {
    const starcalc &c = calcone(400, t.cls);  // v = 200
    EXPECT_EQ(red(c.starcolour), t.r) << t.cls;
    EXPECT_EQ(green(c.starcolour), t.g) << t.cls;
    EXPECT_EQ(blue(c.starcolour), t.b) << t.cls;
    EXPECT_EQ(specrow(c), t.row) << t.cls;
    EXPECT_EQ(c.imagecell & 0xFFFF, magclass(c) * 32);
  }
}

TEST(StarCat, BlockBandsTruncateTowardZero) {
  startallegro(32);
  const struct { float ra, dec; int block; } cases[] = {
      {0.0f, -90.0f, 0},          {5.5f, -89.9f, 5},         {3.2f, -5.0f, 8 * 24 + 3},
      {3.2f, -0.01f, 8 * 24 + 3}, {3.2f, 0.01f, 9 * 24 + 3}, {23.99f, 89.9f, 17 * 24 + 23},
      {12.0f, 90.0f, 17 * 24 + 12},
  };
  for (const auto &t : cases) {
    star[0] = makestar(1, 500, 'A', '0', t.ra, t.dec);
    calcstardata(0);
    EXPECT_EQ(calcstar[0].block, t.block) << t.ra << " " << t.dec;
  }
}

TEST(StarCat, DerivedTrigonometry) {
  startallegro(32);
  star[0] = makestar(1, 500, 'A', '0', 6.0f, 30.0f);
  calcstardata(0);
  EXPECT_NEAR(calcstar[0].sindec, 0.5, 1e-6);
  EXPECT_NEAR(calcstar[0].cosdec, 0.8660254, 1e-6);
  EXPECT_NEAR(calcstar[0].rarad, 6 * 0.261799387, 1e-6);
  EXPECT_NEAR(calcstar[0].decrad, 30 * 0.017453292, 1e-6);
}

TEST(StarCat, IndexedFileLoadsEveryLayerWithItsIndex) {
  startallegro(32);
  std::vector<starrec> l7 = {makestar(1, 300, 'A', '0', 0.5f, 1.0f), makestar(2, 310, 'B', '1', 13.2f, -45.0f)};
  std::vector<starrec> l8 = {makestar(3, 750, 'G', '2', 0.7f, 1.5f)};
  std::vector<starrec> l9 = {makestar(4, 850, 'K', '3', 13.5f, -44.0f), makestar(5, 860, 'M', '4', 0.1f, 2.0f)};
  std::vector<starrec> l10 = {makestar(6, 950, 'F', '5', 22.0f, 80.0f)};
  std::string path = writetemp("four.bin", indexedfile({l7, l8, l9, l10}));
  ASSERT_EQ(loadstarfile(path.c_str(), "/nonexistent"), 0);
  EXPECT_EQ(Snum7, 2);
  EXPECT_EQ(Snum8, 1);
  EXPECT_EQ(Snum9, 2);
  EXPECT_EQ(Snum10, 1);
  EXPECT_EQ(Snum, 6);
  EXPECT_EQ(iTotStars, 6);
  EXPECT_EQ(iHI[STARRECORD], 5);
  EXPECT_EQ(catlen, 6);
  EXPECT_EQ(iStarIndexed, 1);
  int b = 9 * 24 + 0;
  EXPECT_EQ(starnum9[b], 1);
  EXPECT_EQ(star[staridx9[b]].starno, 5);
  EXPECT_EQ(starnum10[17 * 24 + 22], 1);
  EXPECT_EQ(star[staridx10[17 * 24 + 22]].starno, 6);
  remove(path.c_str());
}

TEST(StarCat, FileWithoutLayerTenEndsAtItsCount) {
  std::vector<unsigned char> bytes = indexedfile({{makestar(1, 300, 'A', '0', 1, 1)}, {}, {}});
  EXPECT_EQ(bytes.size(), 4 + 16 + 3456 + 4 + 4 + 3456 + 4 + 3456 + 4u);
  std::string path = writetemp("noten.bin", bytes);
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 0);
  EXPECT_EQ(Snum, 1);
  EXPECT_EQ(Snum10, 0);
  EXPECT_EQ(iStarIndexed, 1);
  remove(path.c_str());
}

TEST(StarCat, FallbackFileIsOneLayerWithoutIndex) {
  loadlayers({{makestar(1, 300, 'A', '0', 1, 1)}, {makestar(2, 750, 'A', '0', 1, 1)}});
  ASSERT_EQ(starnum[9 * 24 + 1], 1);
  std::vector<starrec> stars = {makestar(7, 300, 'A', '0', 1.5f, 1), makestar(8, 400, 'A', '0', 2.5f, 1)};
  std::string path = writetemp("seven.bin", fallbackfile(stars));
  ASSERT_EQ(loadstarfile("/nonexistent", path.c_str()), 0);
  EXPECT_EQ(Snum7, 2);
  EXPECT_EQ(Snum8, 0);
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(iStarIndexed, 0);
  EXPECT_EQ(starnum[9 * 24 + 1], 0);  // the previous index is gone
  EXPECT_EQ(star[1].starno, 8);
  remove(path.c_str());
}

TEST(StarCat, ShortIndexedFileIsReadAsFallback) {
  std::vector<starrec> stars = {makestar(7, 300, 'A', '0', 1.5f, 1), makestar(8, 400, 'A', '0', 2.5f, 1)};
  std::vector<unsigned char> bytes = fallbackfile(stars);
  bytes.resize(bytes.size() + 1000);  // part of the first index array
  std::string path = writetemp("short.bin", bytes);
  ASSERT_EQ(loadstarfile(path.c_str(), "/nonexistent"), 0);
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(Snum8, 0);
  EXPECT_EQ(iStarIndexed, 0);
  remove(path.c_str());
}

TEST(StarCat, CountOverCapacityStoresOnlyTheCapacity) {
  std::vector<starrec> stars(MAXSTARS + 5, makestar(1, 500, 'A', '0', 3.0f, 3.0f));
  stars.back().starno = 99;
  std::vector<unsigned char> bytes = fallbackfile(stars);
  std::string path = writetemp("big.bin", bytes);
  ASSERT_EQ(loadstarfile("/nonexistent", path.c_str()), 0);
  EXPECT_EQ(Snum, MAXSTARS);
  EXPECT_EQ(star[MAXSTARS - 1].starno, 1);
  // A count that claims far more than the file holds.
  putint(bytes, 0, 0x7FFFFFFF);
  bytes.resize(4 + 16 * 10);
  path = writetemp("big.bin", bytes);
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 2);
  EXPECT_STREQ(starfault, "cut short: 10 of 2147483647 stars");
  remove(path.c_str());
}

TEST(StarCat, UpperLayersBeyondCapacityAreCut) {
  std::vector<starrec> l7(MAXSTARS - 3, makestar(1, 500, 'A', '0', 3.0f, 3.0f));
  std::vector<starrec> l8(10, makestar(2, 750, 'A', '0', 4.0f, 3.0f));
  std::vector<starrec> l9(10, makestar(3, 850, 'A', '0', 5.0f, 3.0f));
  std::string path = writetemp("full.bin", indexedfile({l7, l8, l9}));
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 0);
  EXPECT_EQ(Snum7, MAXSTARS - 3);
  EXPECT_EQ(Snum8, 3);
  EXPECT_EQ(Snum9, 0);
  EXPECT_EQ(Snum, MAXSTARS);
  int b = 9 * 24 + 4;
  EXPECT_EQ(staridx8[b], MAXSTARS - 3);
  EXPECT_EQ(starnum8[b], 3);  // cut from 10 to the stars stored
  remove(path.c_str());
}

TEST(StarCat, NegativeCountsLoadNothingOfThatLayer) {
  std::vector<unsigned char> bytes = fallbackfile({makestar(1, 500, 'A', '0', 3, 3)});
  putint(bytes, 0, -5);
  std::string path = writetemp("neg.bin", bytes);
  loadlayers({{makestar(41, 300, 'A', '0', 1, 1), makestar(42, 400, 'A', '0', 2, 2)}});  // refused: these stay
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 2);
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(iHI[STARRECORD], 1);
  bytes = indexedfile({{makestar(1, 500, 'A', '0', 3, 3)}, {makestar(2, 750, 'A', '0', 3, 3)}, {}});
  putint(bytes, 4 + 16 + 3456 + 4, -1);  // N8
  path = writetemp("neg.bin", bytes);
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 2);
  EXPECT_STREQ(starfault, "impossible star count -1");
  EXPECT_EQ(Snum7, 2);
  EXPECT_EQ(Snum8, 0);
  EXPECT_EQ(Snum, 2);
  remove(path.c_str());
}

TEST(StarCat, BlockEntriesAreClippedToTheirLayer) {
  std::vector<starrec> l7 = {makestar(1, 300, 'A', '0', 0.5f, 1), makestar(2, 300, 'A', '0', 0.6f, 1)};
  std::vector<starrec> l8 = {makestar(3, 750, 'A', '0', 0.5f, 1)};
  std::vector<unsigned char> bytes = indexedfile({l7, l8, {}});
  size_t num7 = 4 + 32, idx7 = num7 + 1728;
  putint(bytes, num7 + 4 * 5, 1000);    // block 5: 1000 stars from star 0
  putint(bytes, idx7 + 4 * 5, 0);
  putint(bytes, num7 + 4 * 6, 3);       // block 6: starts at a star of layer 8
  putint(bytes, idx7 + 4 * 6, 2);
  putint(bytes, num7 + 4 * 7, 1);       // block 7: negative start
  putint(bytes, idx7 + 4 * 7, -40);
  putint(bytes, num7 + 4 * 8, -3);      // block 8: negative count
  std::string path = writetemp("clip.bin", bytes);
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 0);
  EXPECT_EQ(starnum[5], 2);
  EXPECT_EQ(starnum[6], 0);
  EXPECT_EQ(starnum[7], 0);
  EXPECT_EQ(starnum[8], 0);
  EXPECT_EQ(starnum[9 * 24], 2);
  EXPECT_EQ(starnum8[9 * 24], 1);
  EXPECT_EQ(staridx8[9 * 24], 2);
  remove(path.c_str());
}

TEST(StarCat, TruncatedLayerKeepsTheStarsRead) {
  std::vector<starrec> l7 = {makestar(1, 300, 'A', '0', 0.5f, 1)};
  std::vector<starrec> l8(5, makestar(2, 750, 'A', '0', 0.5f, 1));
  std::vector<starrec> l9 = {makestar(3, 850, 'A', '0', 0.5f, 1)};
  std::vector<unsigned char> bytes = indexedfile({l7, l8, l9});
  bytes.resize(4 + 16 + 3456 + 4 + 4 + 16 * 3 + 7);  // three and a bit layer-8 records
  std::string path = writetemp("trunc.bin", bytes);
  loadlayers({{makestar(41, 300, 'A', '0', 1, 1), makestar(42, 400, 'A', '0', 2, 2)}});  // refused: these stay
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 2);
  EXPECT_STREQ(starfault, "cut short: 3 of 5 stars");
  EXPECT_EQ(Snum7, 2);
  EXPECT_EQ(Snum8, 0);
  EXPECT_EQ(Snum9, 0);
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(starnum8[9 * 24], 0);  // the index of layer 8 was never read
  EXPECT_EQ(starnum[9 * 24], 0);
  remove(path.c_str());
}

TEST(StarCat, ImpossibleRecordsAreDroppedAndTheIndexFollows) {
  startallegro(32);
  std::vector<starrec> l7 = {makestar(1, 300, 'A', '0', 0.5f, 1.0f), makestar(2, 300, 'A', '0', 0.6f, 1.0f),
                             makestar(3, 300, 'A', '0', 0.7f, 1.0f), makestar(4, 310, 'B', '1', 13.2f, -45.0f),
                             makestar(5, 320, 'B', '1', 13.3f, -45.0f)};
  l7[1].mag100 = 2001;  // fainter than any catalogue holds
  l7[4].mag100 = -201;
  std::vector<starrec> l8 = {makestar(6, 2500, 'G', '2', 0.5f, 1.5f), makestar(7, 760, 'G', '2', 0.8f, 1.5f)};
  std::vector<starrec> l9 = {makestar(8, 850, 'K', '3', 13.5f, -44.0f), makestar(9, 860, 'M', '4', 0.1f, 2.0f),
                             makestar(10, -3000, 'M', '4', 0.2f, 2.0f)};
  std::string path = writetemp("odd.bin", indexedfile({l7, l8, l9}));
  ASSERT_EQ(loadstarfile(path.c_str(), "/nonexistent"), 0);
  EXPECT_EQ(iStarRejected, 4);
  EXPECT_EQ(Snum7, 3);
  EXPECT_EQ(Snum8, 1);
  EXPECT_EQ(Snum9, 2);
  EXPECT_EQ(Snum, 6);
  EXPECT_EQ(iHI[STARRECORD], 5);
  auto numbers = [](const int32_t *num, const int32_t *idx, int b) {
    std::vector<int> out;
    for (int i = idx[b]; i < idx[b] + num[b]; i++) out.push_back(star[i].starno);
    std::sort(out.begin(), out.end());
    return out;
  };
  EXPECT_EQ(numbers(starnum, staridx, 9 * 24), (std::vector<int>{1, 3}));
  EXPECT_EQ(numbers(starnum, staridx, 4 * 24 + 13), (std::vector<int>{4}));
  EXPECT_EQ(numbers(starnum8, staridx8, 9 * 24), (std::vector<int>{7}));
  EXPECT_EQ(numbers(starnum9, staridx9, 4 * 24 + 13), (std::vector<int>{8}));
  EXPECT_EQ(numbers(starnum9, staridx9, 9 * 24), (std::vector<int>{9}));
  for (int i = 0; i < Snum; i++) EXPECT_EQ(starplausible(star[i]), 1) << i;
  remove(path.c_str());
}

TEST(StarCat, PositionsOffTheSkyAreDropped) {
  startallegro(32);
  std::vector<starrec> l7 = {makestar(1, 300, 'A', '0', 25.5f, 5.0f), makestar(2, 300, 'A', '0', -1.0f, 5.0f),
                             makestar(3, 300, 'A', '0', 5.0f, -100.0f), makestar(4, 300, 'A', '0', __builtin_nanf(""), 1),
                             makestar(5, 300, 'A', '0', 1, 1), makestar(6, 300, 'A', '0', 2, 2),
                             makestar(7, 300, 'A', '0', 3, 3), makestar(8, 300, 'A', '0', 4, 4),
                             makestar(9, 300, 'A', '0', 24, 90)};
  std::string path = writetemp("offsky.bin", fallbackfile(l7));
  ASSERT_EQ(loadstarfile(path.c_str(), path.c_str()), 0);
  EXPECT_EQ(iStarRejected, 4);
  ASSERT_EQ(Snum, 5);
  for (int i = 0; i < Snum; i++) EXPECT_EQ(star[i].starno, 5 + i);
  for (int i = 0; i < Snum; i++) EXPECT_LT(calcstar[i].block, SKYBLOCKS);
  remove(path.c_str());
}

TEST(StarCat, RandomBytesAreRefusedAndTheStarsKept) {
  startallegro(32);
  loadlayers({{makestar(1, 300, 'A', '0', 1, 1), makestar(2, 400, 'A', '0', 2, 2)}});
  srand(11);
  std::vector<unsigned char> junk(4 + 16 * 5000);
  for (unsigned char &c : junk) c = static_cast<unsigned char>(rand());
  putint(junk, 0, 5000);
  std::string path = writetemp("junk.bin", junk);
  EXPECT_EQ(loadstarfile(path.c_str(), path.c_str()), 2);
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(star[1].starno, 2);
  EXPECT_EQ(starnum[9 * 24 + 1], 1) << "the index in use stays";
  remove(path.c_str());
}

TEST(StarCat, LimitsOfARealStar) {
  EXPECT_EQ(starplausible(makestar(1, -200, 'A', '0', 0.0f, -90.0f)), 1);
  EXPECT_EQ(starplausible(makestar(1, 2000, 'A', '0', 24.0f, 90.0f)), 1);
  EXPECT_EQ(starplausible(makestar(1, -201, 'A', '0', 1, 1)), 0);
  EXPECT_EQ(starplausible(makestar(1, 2001, 'A', '0', 1, 1)), 0);
  EXPECT_EQ(starplausible(makestar(1, 500, 'A', '0', -0.01f, 1)), 0);
  EXPECT_EQ(starplausible(makestar(1, 500, 'A', '0', 24.01f, 1)), 0);
  EXPECT_EQ(starplausible(makestar(1, 500, 'A', '0', 1, -90.01f)), 0);
  EXPECT_EQ(starplausible(makestar(1, 500, 'A', '0', 1, __builtin_inff())), 0);
}

TEST(StarCat, AccessorsOfOneStar) {
  loadlayers({{makestar(3000 * 65536 + 807 * 4 + 1, 123, 'G', '2', 5.51f, 45.5f)}});
  catnum = 0;
  snprintf(StarCatID, sizeof StarCatID, "TYC");
  char name[STARNAMELEN], id[4], line[80];
  double r = -1, d = -1, m = -1;
  EXPECT_EQ(getstarnumber(0, name, &m), 3000 * 65536 + 807 * 4 + 1);
  EXPECT_DOUBLE_EQ(m, 1.23);
  EXPECT_EQ(getstarpos(0, &r, &d, &m), 1);
  EXPECT_DOUBLE_EQ(r, 5.51f);
  EXPECT_DOUBLE_EQ(d, 45.5);
  EXPECT_EQ(getstardata(0, name, id, &r, &d, &m), 1);
  EXPECT_STREQ(name, "3000-807-1");
  EXPECT_STREQ(id, "TYC");
  starstring(0, line);
  EXPECT_STREQ(line, "0       3000-807-1    5 30 36.0  +45 30 00   1.23  G2");
}

TEST(StarCat, AccessorsOutsideTheStars) {
  loadlayers({{makestar(5, 123, 'G', '2', 5.5f, 45.5f)}});
  char name[STARNAMELEN], id[4];
  double r = -1, d = -1, m = -1;
  EXPECT_EQ(getstarpos(1, &r, &d, &m), 0);
  EXPECT_EQ(getstarpos(-1, &r, &d, &m), 0);
  EXPECT_EQ(r, -1);
  EXPECT_EQ(getstardata(1, name, id, &r, &d, &m), 0);
  EXPECT_STREQ(name, "   ");
  EXPECT_STREQ(id, " ? ");
  EXPECT_EQ(d, -1);
}

TEST(StarCat, StarLoadFillsTheCatalogueFields) {
  loadlayers({{makestar(5, 123, 'G', '2', 5.5f, 45.5f), makestar(6, -46, 'K', '0', 5.75f, 48.5f)}});
  starload(1);
  EXPECT_EQ(iStar, 1);
  EXPECT_EQ(iNT[STARRECORD], 1);
  EXPECT_EQ(iNT[STARNUMBER], 6);
  EXPECT_DOUBLE_EQ(dFP[STARMAG], -0.46);
  EXPECT_DOUBLE_EQ(dFP[STARRA], 5.75);
  EXPECT_DOUBLE_EQ(dFP[STARDEC], 48.5);
  EXPECT_STREQ(chSTR[STARSPECTRUM], "K0");
  starload(2);  // outside: ignored
  starload(-1);
  EXPECT_EQ(iStar, 1);
  EXPECT_EQ(iNT[STARNUMBER], 6);
}

TEST(StarCat, RealTychoCatalogueLoads) {
  startallegro(32, 800, 600);
  colour[PALGREY] = makecol(10, 20, 30);
  ASSERT_EQ(Starinit(0), 0);
  EXPECT_EQ(catnum, 0);
  EXPECT_STREQ(StarCatID, "TYC");
  EXPECT_EQ(Snum7, 15404);
  EXPECT_EQ(Snum8, 25670);
  EXPECT_EQ(Snum9, 79126);
  EXPECT_EQ(Snum10, 0);
  EXPECT_EQ(Snum, MAXSTARS);
  std::string msg = mperror;
  EXPECT_EQ(msg.rfind("Done. ", 0), 0u) << msg;
  EXPECT_EQ(msg.rfind("Done. Found 120200 stars to class ", 0), 0u) << msg;
  EXPECT_NE(msg.find(" in TYC Star Catalog"), std::string::npos) << msg;
  EXPECT_EQ(getpixel(VIDbmp, 2 * HORScale + JDLINEWIDTH + 1, 3 * VRTScale + 1), colour[PALGREY]);
  // Every block entry holds exactly the stars of its block and layer.
  int32_t *num[3] = {starnum, starnum8, starnum9}, *idx[3] = {staridx, staridx8, staridx9};
  int first[4] = {0, Snum7, Snum7 + Snum8, Snum};
  for (int n = 0; n < 3; n++) {
    int sum = 0;
    for (int b = 0; b < SKYBLOCKS; b++) {
      sum += num[n][b];
      for (int i = idx[n][b]; i < idx[n][b] + num[n][b]; i++) ASSERT_EQ(calcstar[i].block, b);
      if (num[n][b]) {
        EXPECT_GE(idx[n][b], first[n]);
        EXPECT_LE(idx[n][b] + num[n][b], first[n + 1]);
      }
    }
    EXPECT_EQ(sum, first[n + 1] - first[n]) << n;
  }
  // Layers by magnitude; no identifiers in this catalogue.
  for (int i = 0; i < Snum; i++) {
    int layer = i < first[1] ? 0 : i < first[2] ? 1 : 2;
    ASSERT_GE(star[i].mag100, layer == 0 ? -200 : 600 + 100 * layer);
    ASSERT_LT(star[i].mag100, layer == 2 ? 900 : 700 + 100 * layer);
    ASSERT_EQ(star[i].starno, 0);
  }
}

// White pixels of the catalogue title's row right of the JD line's box.
static int titlepixels() {
  int n = 0;
  for (int y = 3 * VRTScale + 1; y < 4 * VRTScale - 1; y++)
    for (int x = 2 * HORScale; x < VIDbmp->w; x++) n += getpixel(VIDbmp, x, y) == colour[PALWHITE];
  return n;
}

TEST(StarCat, JdLineLeavesTheTitleWholeAtEveryWidth) {
  for (int width : {640, 800, 1024, 1280}) {
    startallegro(32, width, width * 3 / 4);
    setscale(width);
    colour[PALGREY] = makecol(10, 20, 30);
    colour[PALWHITE] = makecol(255, 255, 255);
    clear_bitmap(VIDbmp);
    ASSERT_EQ(readskycatalog(0), 0);
    int whole = titlepixels();
    EXPECT_GT(whole, 60) << width;
    clear_bitmap(VIDbmp);
    showJday(2461382.797);
    int jd = titlepixels();
    ASSERT_EQ(readskycatalog(0), 0);
    int both = titlepixels();
    showJday(2461382.797);
    EXPECT_EQ(titlepixels(), both) << width << ": the JD line drew over the title";
    EXPECT_EQ(both, whole + jd) << width << ": the title drew over the JD line";
  }
}

TEST(StarCat, RealHipparcosCatalogueLoads) {
  startallegro(32);
  catnum = 1;
  ASSERT_EQ(readskycatalog(1), 0);
  EXPECT_STREQ(StarCatID, "HIP");
  EXPECT_EQ(Snum7, 15404);
  EXPECT_EQ(Snum8, 25670);
  EXPECT_EQ(Snum9, 41963);
  EXPECT_EQ(Snum10, 24834);
  int sirius = -1;
  for (int i = 0; i < Snum7; i++)
    if (star[i].starno == 32349) sirius = i;
  ASSERT_GE(sirius, 0);
  EXPECT_EQ(star[sirius].mag100, -144);
  EXPECT_EQ(star[sirius].spclass, 'A');
  EXPECT_EQ(star[sirius].spsub, '1');
  EXPECT_NEAR(star[sirius].rahours, 6.7525, 0.001);
  EXPECT_NEAR(star[sirius].decdeg, -16.716, 0.001);
  char name[STARNAMELEN];
  getstarname(sirius, name);
  EXPECT_STREQ(name, "32349");
  catnum = 0;
}

TEST(StarCat, RealFallbackCataloguesHoldLayerSeven) {
  startallegro(32);
  for (const char *name : {"tycstar7.bin", "hipstar7.bin"}) {
    std::string path = runtimefile(name);
    ASSERT_EQ(loadstarfile("/nonexistent", path.c_str()), 0) << name;
    EXPECT_EQ(Snum, 15404) << name;
    EXPECT_EQ(Snum8, 0) << name;
    for (int i = 0; i < Snum; i++) ASSERT_LT(star[i].mag100, 700) << name;
  }
}

// The PPM files are the only catalogue files not shipped; one test alone
// writes them, so that no two tests race on them.
TEST(StarCat, MissingOrJunkCatalogueKeepsTheLoadedStars) {
  startallegro(32);
  loadlayers({{makestar(11, 300, 'A', '0', 1, 1), makestar(12, 300, 'A', '0', 2, 2)}});
  catnum = 0;
  snprintf(StarCatID, sizeof StarCatID, "TYC");
  std::string path = runtimefile("ppmdat.bin");
  remove(runtimefile("ppmstar.bin").c_str());
  remove(path.c_str());
  EXPECT_EQ(readskycatalog(2), 2);
  EXPECT_STREQ(mperror, "Error reading file: ppmdat.bin");
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(star[1].starno, 12);
  EXPECT_EQ(catnum, 0) << "a failed switch changes neither the number";
  EXPECT_STREQ(StarCatID, "TYC") << "nor the label";
  auto put = [&](const std::vector<unsigned char> &bytes) {
    FILE *f = fopen(path.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  };
  // Random bytes: refused like a missing file.
  srand(3);
  std::vector<unsigned char> junk(4 + 16 * 3000);
  for (unsigned char &c : junk) c = static_cast<unsigned char>(rand());
  putint(junk, 0, 3000);
  put(junk);
  EXPECT_EQ(readskycatalog(2), 2);
  EXPECT_STREQ(mperror, "Damaged file: ppmdat.bin, 2991 of 3000 records cannot be real stars");
  EXPECT_EQ(Snum, 2);
  EXPECT_EQ(catnum, 0);
  EXPECT_STREQ(StarCatID, "TYC");
  // The PPM one-layer file loads when present; the report counts what
  // could not be real.
  put(fallbackfile({makestar(77, 300, 'A', '0', 1, 1), makestar(78, 300, 'A', '0', 30, 1),
                    makestar(79, 300, 'A', '0', 2, 1)}));
  EXPECT_EQ(readskycatalog(2), 0);
  EXPECT_EQ(catnum, 2);
  EXPECT_STREQ(StarCatID, "PPM");
  EXPECT_EQ(Snum, 2);
  EXPECT_NE(std::string(mperror).find(" in PPM Star Catalog, 1 impossible records skipped"),
            std::string::npos)
      << mperror;
  put(fallbackfile({makestar(77, 300, 'A', '0', 1, 1)}));
  EXPECT_EQ(readskycatalog(2), 0);
  EXPECT_NE(std::string(mperror).find(" in PPM Star Catalog"), std::string::npos) << mperror;
  EXPECT_EQ(std::string(mperror).find("impossible"), std::string::npos) << mperror;
  remove(path.c_str());
  catnum = 0;
}


// Damaged catalogues are refused with the reason; the next file or catalogue is tried.
TEST(StarCat, EmptyCutOrJunkCataloguesAreRefusedAndTheNextTried) {
  startallegro(32);
  TempDir dir("stardmg");
  auto in = [&](const char *name) { return dir.path + "/" + name; };
  std::vector<unsigned char> good = fallbackfile({makestar(7, 300, 'A', '0', 1, 1), makestar(8, 300, 'A', '0', 2, 1)});
  writebytes(in("hipstar.bin"), std::vector<unsigned char>(good.begin(), good.begin() + 13));
  setfiledir(dir.path.c_str());
  EXPECT_EQ(readskycatalog(1), 2);
  EXPECT_STREQ(mperror, "Damaged file: hipstar.bin, cut short: 0 of 2 stars");
  writebytes(in("hipstar.bin"), {});
  writebytes(in("hipstar7.bin"), good);
  EXPECT_EQ(readskycatalog(1), 0);
  EXPECT_NE(strstr(mperror, " in HIP Star Catalog (hipstar.bin refused: empty or unreadable)"), nullptr);
  ASSERT_EQ(mkdir(in("tycstar.bin").c_str(), 0700) + mkdir(in("defskin.bmp").c_str(), 0700), 0);
  EXPECT_EQ(Starinit(0), 0);
  EXPECT_EQ(catnum, 1);
  EXPECT_EQ(std::string(mperror).rfind("Damaged file: tycstar.bin, empty or unreadable. Done. ", 0), 0u) << mperror;
  EXPECT_NE(std::string(mperror).find("Error writing file: " + in("defskin.bmp")), std::string::npos) << mperror;
  setfiledir(nullptr);
  catnum = 0;
  snprintf(StarCatID, sizeof StarCatID, "TYC");
}

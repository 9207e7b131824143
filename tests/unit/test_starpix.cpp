#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "allegro_env.h"
#include "testsupport.h"
#include "chart/starpix.h"
#include "starcat_fixture.h"

namespace {

std::string runtimefile(const char *name) { return std::string(KORVANEX_RUNTIME_DIR) + "/" + name; }

const size_t kNumAt = 12 + 96180, kOffAt = kNumAt + 640;

}  // namespace

TEST(StarPix, RealSpritesLoadInsideTheTable) {
  startallegro(32);
  std::vector<unsigned char> bytes = readbytes(runtimefile("starpix.bin"));
  ASSERT_EQ(bytes.size(), (size_t)STARPIXSIZE);
  EXPECT_EQ(readstarpix(), 1);
  int total = 0;
  for (int r = 0; r < SPECROWS; r++) {
    for (int m = 0; m < MAGCLASSES; m++) {
      EXPECT_GT(numpix[r][m], 0);
      EXPECT_LE(offpix[r][m] + numpix[r][m], STARPIXPOINTS);
      total += numpix[r][m];
    }
    // Brighter classes have bigger sprites.
    EXPECT_GT(numpix[r][0], numpix[r][8]);
    EXPECT_GT(numpix[r][8], numpix[r][15]);
  }
  EXPECT_LE(total, STARPIXPOINTS);
  // Sprite points lie within a 32 x 32 cell around (15, 15), tinted by row:
  // the O row is bluer than the M row.
  int p = offpix[0][0];
  EXPECT_GE(stpix[p][0], 0);
  EXPECT_LT(stpix[p][0], 32);
  int centre0 = -1, centre6 = -1;
  for (int i = 0; i < numpix[0][0]; i++)
    if (stpix[offpix[0][0] + i][0] == 15 && stpix[offpix[0][0] + i][1] == 15) centre0 = offpix[0][0] + i;
  for (int i = 0; i < numpix[6][0]; i++)
    if (stpix[offpix[6][0] + i][0] == 15 && stpix[offpix[6][0] + i][1] == 15) centre6 = offpix[6][0] + i;
  ASSERT_GE(centre0, 0);
  ASSERT_GE(centre6, 0);
  EXPECT_GT(stpix[centre0][4], stpix[centre0][2] - 1);
  EXPECT_GT(stpix[centre6][2], stpix[centre6][4]);
}

TEST(StarPix, MissingFileGivesNoSprites) { EXPECT_EQ(readstarpixfile("/nonexistent/starpix.bin"), 0); }

TEST(StarPix, ShortFileGivesNoSprites) {
  startallegro(32);
  std::vector<unsigned char> bytes = readbytes(runtimefile("starpix.bin"));
  ASSERT_EQ(readstarpixfile(runtimefile("starpix.bin").c_str()), 1);
  bytes.resize(STARPIXSIZE - 1);
  std::string path = writetemp("short.pix", bytes);
  EXPECT_EQ(readstarpixfile(path.c_str()), 0);
  for (int r = 0; r < SPECROWS; r++)
    for (int m = 0; m < MAGCLASSES; m++) ASSERT_EQ(numpix[r][m], 0);
  remove(path.c_str());
}

TEST(StarPix, SpritesBeyondTheTableAreCut) {
  std::vector<unsigned char> bytes = readbytes(runtimefile("starpix.bin"));
  ASSERT_EQ(bytes.size(), (size_t)STARPIXSIZE);
  putint(bytes, kOffAt, 9600);          // [0][0]: 50 points from 9600
  putint(bytes, kNumAt, 50);
  putint(bytes, kOffAt + 4, 9618);      // [0][1]: starts past the end
  putint(bytes, kNumAt + 4, 1);
  putint(bytes, kOffAt + 8, -7);        // [0][2]: negative start
  putint(bytes, kNumAt + 12, -2);       // [0][3]: negative count
  putint(bytes, kOffAt + 16, 100);      // [0][4]: huge count
  putint(bytes, kNumAt + 16, 0x7FFFFFFF);
  std::string path = writetemp("odd.pix", bytes);
  EXPECT_EQ(readstarpixfile(path.c_str()), 1);
  EXPECT_EQ(numpix[0][0], 18);
  EXPECT_EQ(numpix[0][1], 0);
  EXPECT_EQ(numpix[0][2], 0);
  EXPECT_EQ(numpix[0][3], 0);
  EXPECT_EQ(offpix[0][4] + numpix[0][4], STARPIXPOINTS);
  remove(path.c_str());
}

TEST(StarPix, FirstWordIsTheSpriteFlag) {
  std::vector<unsigned char> bytes = readbytes(runtimefile("starpix.bin"));
  putint(bytes, 0, 0);
  std::string path = writetemp("off.pix", bytes);
  EXPECT_EQ(readstarpixfile(path.c_str()), 0);
  remove(path.c_str());
}

TEST(StarPix, ImageSheetHasTransparentBlackAboveEightBits) {
  startallegro(32);
  ASSERT_EQ(readstarsheet(), 1);
  ASSERT_NE(Starbmp, nullptr);
  EXPECT_EQ(Starbmp->w, 16 * 32);
  EXPECT_EQ(Starbmp->h, 8 * 32);
  int mask = bitmap_mask_color(Starbmp);
  for (int row = 0; row < 8; row++) {
    for (int m = 0; m < 16; m++) {
      int x = m * 32, y = row * 32;
      ASSERT_EQ(getpixel(Starbmp, x, y), mask);            // cell corner: background
      ASSERT_NE(getpixel(Starbmp, x + 15, y + 15), mask);  // star centre
    }
  }
  // Bright classes cover more of their cell than faint ones.
  EXPECT_NE(getpixel(Starbmp, 15 + 6, 15), mask);
  EXPECT_EQ(getpixel(Starbmp, 15 * 32 + 15 + 6, 15), mask);
  // Row 6 (M) is redder than row 0 (O).
  int o = getpixel(Starbmp, 15, 15), mstar = getpixel(Starbmp, 15, 6 * 32 + 15);
  EXPECT_GT(getb32(o), getr32(o) - 1);
  EXPECT_GT(getr32(mstar), getb32(mstar));
}

// Star image faults are noted for the load report; a refused sheet leaves the one in use.
TEST(StarPix, FaultsOfTheStarImagesAreNotedAndARefusedSheetKept) {
  startallegro(32);
  std::vector<unsigned char> pix = readbytes(runtimefile("starpix.bin")), sheet = readbytes(runtimefile("starbmp.pcx"));
  starimagefault[0] = 0;
  EXPECT_EQ(readstarpixfile(writetemp("p.pix", std::vector<unsigned char>(pix.begin(), pix.end() - 1)).c_str()), 0);
  ASSERT_EQ(readstarsheet(), 1);
  BITMAP *inuse = Starbmp;
  sheet.resize(sheet.size() / 2);
  EXPECT_EQ(readstarsheetfile(writetemp("cut.pcx", sheet).c_str()), 2);
  EXPECT_STREQ(starimagefault, "starpix.bin cut short (97471 of 97472 bytes): stars drawn as dots; "
                               "starbmp.pcx damaged or cut short");
  EXPECT_EQ(Starbmp, inuse);
}

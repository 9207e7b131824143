#include <gtest/gtest.h>

#include "allegro_env.h"
#include "imaging/scale.h"

namespace {

struct RGB {
  int r, g, b;
};

RGB rgbat(BITMAP *bmp, int x, int y) {
  int p = getpixel(bmp, x, y);
  int d = bitmap_color_depth(bmp);
  return {getr_depth(d, p), getg_depth(d, p), getb_depth(d, p)};
}

void expectrgb(BITMAP *bmp, int x, int y, int r, int g, int b) {
  RGB c = rgbat(bmp, x, y);
  EXPECT_EQ(c.r, r) << "at " << x << "," << y;
  EXPECT_EQ(c.g, g) << "at " << x << "," << y;
  EXPECT_EQ(c.b, b) << "at " << x << "," << y;
}

class Scale : public ::testing::Test {
 protected:
  void SetUp() override { startallegro(32); }
  BITMAP *make(int w, int h, int r, int g, int b) {
    BITMAP *bmp = create_bitmap_ex(32, w, h);
    clear_to_color(bmp, makecol32(r, g, b));
    made.push_back(bmp);
    return bmp;
  }
  void TearDown() override {
    for (BITMAP *b : made) destroy_bitmap(b);
  }
  std::vector<BITMAP *> made;
};

}  // namespace

TEST_F(Scale, OnePixelStretchedToThreeByThreeFillsAllNine) {
  BITMAP *src = make(1, 1, 200, 100, 50);
  BITMAP *dst = make(5, 5, 0, 0, 0);
  expand_bitmap(src, dst, 0, 0, 1, 1, 1, 1, 3, 3);
  for (int y = 1; y <= 3; y++)
    for (int x = 1; x <= 3; x++) expectrgb(dst, x, y, 200, 100, 50);
  // Nothing outside the rectangle.
  expectrgb(dst, 0, 0, 0, 0, 0);
  expectrgb(dst, 4, 2, 0, 0, 0);
  expectrgb(dst, 2, 4, 0, 0, 0);
}

TEST_F(Scale, BlackAndWhiteReducedToOneGives127) {
  BITMAP *src = make(2, 1, 0, 0, 0);
  putpixel(src, 1, 0, makecol32(255, 255, 255));
  BITMAP *dst = make(1, 1, 9, 9, 9);
  expand_bitmap(src, dst, 0, 0, 2, 1, 0, 0, 1, 1);
  expectrgb(dst, 0, 0, 127, 127, 127);
}

TEST_F(Scale, MaskColourLetsTheDestinationThroughInProportion) {
  BITMAP *src = make(2, 1, 200, 0, 0);
  putpixel(src, 1, 0, bitmap_mask_color(src));
  BITMAP *dst = make(1, 1, 0, 0, 100);
  expand_bitmap(src, dst, 0, 0, 2, 1, 0, 0, 1, 1);
  expectrgb(dst, 0, 0, 50, 0, 50);
}

TEST_F(Scale, SameSizeCopiesOpaquePixelsAndLeavesMaskedOnes) {
  BITMAP *src = make(4, 3, 0, 0, 0);
  for (int y = 0; y < 3; y++)
    for (int x = 0; x < 4; x++) putpixel(src, x, y, makecol32(10 * x + 1, 20 * y + 3, 7 * x + y));
  putpixel(src, 2, 1, bitmap_mask_color(src));
  BITMAP *dst = make(6, 5, 33, 44, 55);
  expand_bitmap(src, dst, 0, 0, 4, 3, 1, 1, 4, 3);
  for (int y = 0; y < 3; y++)
    for (int x = 0; x < 4; x++) {
      if (x == 2 && y == 1)
        expectrgb(dst, 3, 2, 33, 44, 55);
      else
        expectrgb(dst, x + 1, y + 1, 10 * x + 1, 20 * y + 3, 7 * x + y);
    }
}

TEST_F(Scale, PastTheRightAndBottomEdgesIsClippedWithoutShifting) {
  // Four columns of distinct colours doubled: each source column covers two
  // destination columns wherever the rectangle lands.
  BITMAP *src = make(4, 2, 0, 0, 0);
  for (int x = 0; x < 4; x++)
    for (int y = 0; y < 2; y++) putpixel(src, x, y, makecol32(40 * x + 10, 50 * y + 5, 0));
  BITMAP *dst = make(10, 6, 1, 2, 3);
  expand_bitmap(src, dst, 0, 0, 4, 2, 5, 3, 8, 4);
  // Destination columns 5..9 hold source columns 0, 0, 1, 1, 2; rows 3..5
  // hold source rows 0, 0, 1.
  for (int x = 5; x < 10; x++)
    for (int y = 3; y < 6; y++) expectrgb(dst, x, y, 40 * ((x - 5) / 2) + 10, 50 * ((y - 3) / 2) + 5, 0);
  expectrgb(dst, 4, 3, 1, 2, 3);
  expectrgb(dst, 5, 2, 1, 2, 3);
}

TEST_F(Scale, LeftAndTopOutsideAreSkippedToo) {
  BITMAP *src = make(2, 2, 0, 0, 0);
  putpixel(src, 1, 1, makecol32(250, 0, 0));
  BITMAP *dst = make(4, 4, 0, 0, 0);
  expand_bitmap(src, dst, 0, 0, 2, 2, -2, -2, 4, 4);
  // Only the enlarged lower-right source pixel lands inside.
  expectrgb(dst, 0, 0, 250, 0, 0);
  expectrgb(dst, 1, 1, 250, 0, 0);
  expectrgb(dst, 2, 2, 0, 0, 0);
}

TEST_F(Scale, NonWholeEnlargementBlendsTheBoundaryPixel) {
  // 2 -> 3: the middle destination pixel takes half of each source pixel.
  BITMAP *src = make(2, 1, 0, 0, 0);
  putpixel(src, 0, 0, makecol32(100, 0, 0));
  putpixel(src, 1, 0, makecol32(0, 200, 0));
  BITMAP *dst = make(3, 1, 0, 0, 0);
  expand_bitmap(src, dst, 0, 0, 2, 1, 0, 0, 3, 1);
  expectrgb(dst, 0, 0, 100, 0, 0);
  expectrgb(dst, 1, 0, 50, 100, 0);
  expectrgb(dst, 2, 0, 0, 200, 0);
}

TEST_F(Scale, SourceRectangleBeyondTheSourceReadsNothingOutside) {
  // Half the rectangle lies right of the source: that half counts as
  // transparent, so the destination keeps its colour there.
  BITMAP *src = make(1, 1, 90, 90, 90);
  BITMAP *dst = make(2, 1, 7, 8, 9);
  expand_bitmap(src, dst, 0, 0, 2, 1, 0, 0, 2, 1);
  expectrgb(dst, 0, 0, 90, 90, 90);
  expectrgb(dst, 1, 0, 7, 8, 9);
  // Empty sizes draw nothing.
  expand_bitmap(src, dst, 0, 0, 0, 1, 0, 0, 2, 1);
  expand_bitmap(src, dst, 0, 0, 1, 1, 0, 0, -2, 1);
  expectrgb(dst, 1, 0, 7, 8, 9);
}

TEST_F(Scale, WorksAcrossColourDepths) {
  BITMAP *src = create_bitmap_ex(16, 1, 1);
  clear_to_color(src, makecol16(248, 0, 0));
  int red = getr16(makecol16(248, 0, 0));
  BITMAP *dst = make(2, 2, 0, 0, 0);
  expand_bitmap(src, dst, 0, 0, 1, 1, 0, 0, 2, 2);
  destroy_bitmap(src);
  expectrgb(dst, 1, 1, red, 0, 0);
}

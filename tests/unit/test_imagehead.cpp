#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "allegro_env.h"
#include "testsupport.h"
#include "imaging/imagehead.h"
#include "skin_fixture.h"
#include "screen/display.h"

namespace {

class ImageHead : public ::testing::Test {
 protected:
  void SetUp() override {
    startallegro(8);
    setmypal();
    BITMAP *b = create_bitmap_ex(8, 37, 21);
    clear_to_color(b, 5);
    save_bmp(dir.path("a.bmp").c_str(), b, palx);
    save_pcx(dir.path("a.pcx").c_str(), b, palx);
    destroy_bitmap(b);
  }
  int check(const char *name, int *w, int *h) { return imagefilesize(dir.path(name).c_str(), w, h); }
  ScratchDir dir;
};

}  // namespace

TEST_F(ImageHead, SizesOfSoundImages) {
  int w, h;
  EXPECT_EQ(check("a.bmp", &w, &h), IMAGEOK);
  EXPECT_EQ(w, 37);
  EXPECT_EQ(h, 21);
  EXPECT_EQ(check("a.pcx", &w, &h), IMAGEOK);
  EXPECT_EQ(w, 37);
  EXPECT_EQ(h, 21);
}

TEST_F(ImageHead, CutShortOrCompressedIsDamaged) {
  int w, h;
  std::vector<unsigned char> bmp = readbytes(dir.path("a.bmp"));
  std::vector<unsigned char> cut(bmp.begin(), bmp.end() - 40);
  writebytes(dir.path("cut.bmp"), cut);
  EXPECT_EQ(check("cut.bmp", &w, &h), IMAGEDAMAGED);
  bmp[30] = 1;  // BI_RLE8
  writebytes(dir.path("rle.bmp"), bmp);
  EXPECT_EQ(check("rle.bmp", &w, &h), IMAGEDAMAGED);
  std::vector<unsigned char> pcx = readbytes(dir.path("a.pcx"));
  std::vector<unsigned char> nopal(pcx.begin(), pcx.begin() + 200);
  writebytes(dir.path("cut.pcx"), nopal);
  EXPECT_EQ(check("cut.pcx", &w, &h), IMAGEDAMAGED);
  pcx[3] = 4;  // 4 bits a pixel
  writebytes(dir.path("four.pcx"), pcx);
  EXPECT_EQ(check("four.pcx", &w, &h), IMAGEDAMAGED);
}

TEST_F(ImageHead, OtherFilesAreUnknown) {
  int w, h;
  dir.write("text.bmp", "just some text, not an image at all, long enough to hold a header.......");
  EXPECT_EQ(check("text.bmp", &w, &h), IMAGEUNKNOWN);
  EXPECT_EQ(check("absent.pcx", &w, &h), IMAGEUNKNOWN);
  dir.write("short.bmp", "BM");
  EXPECT_EQ(check("short.bmp", &w, &h), IMAGEUNKNOWN);
}

TEST_F(ImageHead, HugeSizesComeFromTheHeaderAlone) {
  std::vector<unsigned char> bmp = readbytes(dir.path("a.bmp"));
  bmp[18] = 0x10;  // width 10000
  bmp[19] = 0x27;
  bmp[22] = 0x10;  // height 10000
  bmp[23] = 0x27;
  writebytes(dir.path("huge.bmp"), bmp);
  int w, h;
  EXPECT_EQ(check("huge.bmp", &w, &h), IMAGEDAMAGED);  // and far too short
  EXPECT_EQ(w, 10000);
  EXPECT_EQ(h, 10000);
}

// A run-length image must decode whole before its palette (half an image loaded black).
TEST_F(ImageHead, PcxMustDecodeToItsFullSize) {
  int w, h;
  for (const char *name : {"eyepiece.pcx", "starbmp.pcx"}) {
    std::vector<unsigned char> pcx = readbytes(std::string(KORVANEX_RUNTIME_DIR) + "/" + name);
    pcx.erase(pcx.begin() + pcx.size() / 2, pcx.end() - 769);  // half the pixels, the palette kept
    writebytes(dir.path("half.pcx"), pcx);
    EXPECT_EQ(check("half.pcx", &w, &h), IMAGEDAMAGED) << name;
  }
}

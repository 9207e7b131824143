#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "allegro_env.h"
#include "fulldisk.h"
#include "testsupport.h"
#include "base/status.h"
#include "skin_fixture.h"
#include "skins/skin.h"
#include "skins/skindraw.h"
#include "screen/switches.h"
#include "screen/display.h"

namespace {

// Pixel (x, y) of bmp within 3 of (r, g, b) on every channel: stretched
// pieces lose a little to the truncation of each weighted contribution.
bool nearrgb(BITMAP *bmp, int x, int y, int r, int g, int b) {
  int p = getpixel(bmp, x, y);
  return abs(getr(p) - r) <= 3 && abs(getg(p) - g) <= 3 && abs(getb(p) - b) <= 3;
}

// The table in force as ".skt" text.
std::string tabletext() {
  std::string t = "; skin written by the test\n";
  for (int e = 0; e < SKINENTRIES; e++) {
    const skinentry &s = skin[e];
    if (s.nstates == 0 && e != SKINFONT) continue;
    int v[13] = {s.posx, s.posy, s.width, s.height, s.hotx, s.hoty, s.hotw,
                 s.hoth, s.srcx, s.srcy, s.srcw,  s.srch, s.nstates};
    t += skinline(e, v);
  }
  return t;
}

class SkinLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    startallegro(32);
    settruecolours();
    initdefaultskin(32);
    // A skin file made of the default table with a red view mask, so that a
    // load from the file is told apart from the default.
    const skinentry &v = skin[SKINVIEW];
    rectfill(skinbmp, v.srcx, v.srcy, v.srcx + 9, v.srcy + 9, makecol(255, 0, 0));
    table = tabletext();
    dir.write("good.skt", table);
    save_bmp(dir.path("good.bmp").c_str(), skinbmp, nullptr);
  }
  bool fromfile() { return myskin == 1 && skinbmp && getpixel(skinbmp, 10, 30) == makecol(255, 0, 0); }
  ScratchDir dir;
  std::string table;
};

}  // namespace

TEST_F(SkinLoad, AGoodSkinLoadsAndWritesItsListing) {
  initskin(32, "good");
  EXPECT_TRUE(fromfile());
  EXPECT_STREQ(mperror, "Loaded file: 14 Skin loaded in good.skt");
  EXPECT_TRUE(dir.exists("good.inc"));
  EXPECT_EQ(skin[SKINMPPLOT].state, SKINON);
}

TEST_F(SkinLoad, MissingTableGivesTheDefault) {
  initskin(32, "absent");
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "Error reading file:"), nullptr);
  EXPECT_EQ(getpixel(skinbmp, 10, 30), bitmap_mask_color(skinbmp));
}

// A folder in the way of a file makes its rename fail.
TEST_F(SkinLoad, DefaultImagesThatCannotBeSavedAreReported) {
  ASSERT_EQ(remove(dir.path("defskin.bmp").c_str()), 0);
  ASSERT_EQ(mkdir(dir.path("defskin.bmp").c_str(), 0700), 0);
  initskin(32, "absent");
  EXPECT_EQ(myskin, 0);
  // Why the default is used, then that its images were not saved.
  const char *read = strstr(mperror, "Error reading file:"), *write = strstr(mperror, "Error writing file:");
  ASSERT_NE(read, nullptr) << mperror;
  ASSERT_NE(write, nullptr) << mperror;
  EXPECT_LT(read, write);
  EXPECT_NE(strstr(write, "defskin.bmp"), nullptr) << mperror;
  EXPECT_FALSE(dir.exists("defskin.bmp.new"));
  MPOKay(OKDONE, "");
  EXPECT_EQ(initdefaultskin(32), FAILWRITE);
  EXPECT_EQ(initdefaultskin(8), 0);
  EXPECT_TRUE(dir.exists("defskin8.bmp"));
}

TEST_F(SkinLoad, AListingThatCannotBeWrittenIsReported) {
  ASSERT_EQ(mkdir(dir.path("good.inc").c_str(), 0700), 0);
  initskin(32, "good");
  EXPECT_TRUE(fromfile());
  EXPECT_NE(strstr(mperror, "Loaded file: 14 Skin loaded in good.skt; Error writing file:"), nullptr) << mperror;
  EXPECT_NE(strstr(mperror, "good.inc"), nullptr) << mperror;
}

TEST_F(SkinLoad, MissingImageGivesTheDefaultWithAMessage) {
  dir.write("noimage.skt", table);
  initskin(32, "noimage");
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "noimage.bmp"), nullptr) << mperror;
  EXPECT_FALSE(dir.exists("noimage.inc"));
  // The default of this load's depth: the view is transparent.
  EXPECT_EQ(getpixel(skinbmp, 100, 100), bitmap_mask_color(skinbmp));
}

TEST_F(SkinLoad, AnImageTooSmallForTheTableIsRefused) {
  dir.write("small.skt", table);
  BITMAP *b = create_bitmap(300, 200);
  clear_to_color(b, makecol(1, 2, 3));
  save_bmp(dir.path("small.bmp").c_str(), b, nullptr);
  destroy_bitmap(b);
  initskin(32, "small");
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "of a 300 x 200 image"), nullptr) << mperror;
}

TEST_F(SkinLoad, AHugePcxIsRefusedFromItsHeader) {
  dir.write("huge.skt", table);
  unsigned char head[128] = {10, 5, 1, 8};
  head[8] = 9999 & 255;
  head[9] = 9999 >> 8;
  head[10] = 9999 & 255;
  head[11] = 9999 >> 8;
  dir.write("huge.pcx", std::string((const char *)head, sizeof head));
  startallegro(8);
  setmypal();
  initskin(8, "huge");
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "10000 x 10000"), nullptr) << mperror;
  EXPECT_TRUE(dir.exists("defskin8.bmp"));
}

TEST_F(SkinLoad, GarbageAfterAGoodHeaderIsRefused) {
  dir.write("junk.skt", table);
  std::string junk = "BM";
  junk += std::string(16, '\0');
  junk += std::string("\x0e\x02\0\0\x74\x01\0\0", 8);  // 526 x 372
  junk += std::string(100, '\x7f');
  dir.write("junk.bmp", junk);
  initskin(32, "junk");
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "junk.bmp"), nullptr) << mperror;
}

TEST_F(SkinLoad, ATableWithoutAViewAreaIsRefused) {
  dir.write("noview.skt", "0 0 0 270 350 0 0 0 0 0 0 270 350 1                          \n");
  save_bmp(dir.path("noview.bmp").c_str(), skinbmp, nullptr);
  initskin(32, "noview");
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "view area"), nullptr) << mperror;
}

TEST_F(SkinLoad, EightBitsReadThePcxAndSixteenTheBmp) {
  startallegro(8);
  setmypal();
  initdefaultskin(8);
  const skinentry &v = skin[SKINVIEW];
  rectfill(skinbmp, v.srcx, v.srcy, v.srcx + 9, v.srcy + 9, PALRED);
  save_pcx(dir.path("good.pcx").c_str(), skinbmp, palx);
  remove(dir.path("good.bmp").c_str());
  initskin(8, "good");
  EXPECT_EQ(myskin, 1);
  EXPECT_EQ(getpixel(skinbmp, 10, 30), PALRED);
  startallegro(16);
  settruecolours();
  initskin(16, "good");  // no good.bmp now
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "good.bmp"), nullptr);
}

TEST_F(SkinLoad, WindowPiecesComeFromTheSkinFile) {
  EXPECT_EQ(drawtitleskin(buffer, 0, 0, 100, 16), 0);
  EXPECT_EQ(drawheadingskin(buffer, 0, 0, 36, 16, 0), 0);
  EXPECT_EQ(drawlistboxskin(buffer, 0, 0, 16, 16, 0), 0);
  // Paint the title and heading pieces of the file in plain colours.
  const skinentry &t = skin[SKINTITLE], &h = skin[SKINHEADING], &l = skin[SKINLISTBOX];
  rectfill(skinbmp, t.posx, t.posy, t.posx + t.width - 1, t.posy + t.height - 1, makecol(0, 0, 200));
  rectfill(skinbmp, h.posx, h.posy, h.posx + h.width - 1, h.posy + h.height - 1, makecol(0, 200, 0));
  rectfill(skinbmp, h.posx, h.posy + h.height, h.posx + h.width - 1, h.posy + 2 * h.height - 1, makecol(200, 0, 0));
  rectfill(skinbmp, l.posx, l.posy + l.height, l.posx + l.width - 1, l.posy + 2 * l.height - 1, makecol(9, 9, 9));
  save_bmp(dir.path("good.bmp").c_str(), skinbmp, nullptr);
  initskin(32, "good");
  ASSERT_EQ(myskin, 1);
  clear_to_color(buffer, 0);
  EXPECT_EQ(drawtitleskin(buffer, 1, 1, 638, 16), 1);
  EXPECT_TRUE(nearrgb(buffer, 300, 8, 0, 0, 200));
  EXPECT_EQ(getpixel(buffer, 0, 0), 0);
  EXPECT_EQ(drawheadingskin(buffer, 0, 40, 5 * HORScale - 4, 16, 0), 1);
  EXPECT_TRUE(nearrgb(buffer, 10, 45, 0, 200, 0));
  EXPECT_EQ(drawheadingskin(buffer, 0, 60, 5 * HORScale - 4, 16, 7), 1);  // limited to the down image
  EXPECT_TRUE(nearrgb(buffer, 10, 65, 200, 0, 0));
  EXPECT_EQ(drawlistboxskin(buffer, 100, 100, 30, 12, 1), 1);
  EXPECT_TRUE(nearrgb(buffer, 115, 105, 9, 9, 9));
  EXPECT_EQ(getpixel(buffer, 131, 105), 0);
}

TEST_F(SkinLoad, HeadingWidthChoosesItsPair) {
  initskin(32, "good");
  ASSERT_EQ(myskin, 1);
  // Pair 6 is 6 cells wide; pair 5 would be narrower than the request.
  ASSERT_NE(buttonbmp[6][0], nullptr);
  EXPECT_EQ(buttonbmp[6][0]->w, 6 * HORScale);
  EXPECT_EQ(buttonbmp[13][1]->w, 13 * HORScale);
  EXPECT_EQ(buttonbmp[0][0]->w, 80 * HORScale);
  EXPECT_EQ(buttonbmp[0][0], buttonbmp[0][1]);
  // The heading draws the first w pixels of pair (w + 4) / HORScale + 1.
  putpixel(buttonbmp[6][0], 5 * HORScale - 5, 3, makecol(1, 2, 3));
  putpixel(buttonbmp[5][0], 5 * HORScale - 5, 3, makecol(7, 7, 7));
  clear_to_color(buffer, 0);
  drawheadingskin(buffer, 0, 0, 5 * HORScale - 4, VRTScale, 0);
  EXPECT_EQ(getpixel(buffer, 5 * HORScale - 5, 3), makecol(1, 2, 3));
}

TEST(ShippedSkin, EyepieceLoadsAtEverySkinDepth) {
  for (int depth : {8, 16, 32}) {
    startallegro(depth);
    if (depth > 8)
      settruecolours();
    else
      setmypal();
    setfiledir(KORVANEX_RUNTIME_DIR);
    initskin(depth, "eyepiece");
    setfiledir(nullptr);
    // Not written beside the shipped files by the test.
    remove((std::string(KORVANEX_RUNTIME_DIR) + "/eyepiece.inc").c_str());
    ASSERT_EQ(myskin, 1) << mperror;
    EXPECT_STREQ(mperror, "Loaded file: 14 Skin loaded in eyepiece.skt");
    EXPECT_EQ(skin[SKINVIEW].width, 220);
    EXPECT_EQ(skin[SKINFONT].nstates, 1);
    EXPECT_TRUE(skinexists(SKINTITLE));
    EXPECT_TRUE(skinexists(SKINHEADING));
    EXPECT_TRUE(skinexists(SKINLISTBOX));
    // The eyepiece: transparent at the centre of the mask, opaque at its corner.
    const skinentry &v = skin[SKINVIEW];
    EXPECT_EQ(getpixel(skinbmp, v.srcx + 110, v.srcy + 110), bitmap_mask_color(skinbmp));
    EXPECT_NE(getpixel(skinbmp, v.srcx + 2, v.srcy + 2), bitmap_mask_color(skinbmp));
    for (int e = SKINCHANGE; e <= SKINGRID; e++) EXPECT_TRUE(skinexists(e)) << e;
  }
}

// Start-up skin files are written only when missing or out of date (full disk: no failure).
TEST_F(SkinLoad, StartUpFilesAreWrittenOnlyWhenMissingOrOutOfDate) {
  initskin(32, "good");
  struct stat inc, after;
  ASSERT_EQ(stat(dir.path("good.inc").c_str(), &inc), 0);
  {
    FullDisk full(10);
    EXPECT_EQ(initdefaultskin(32), 0) << mperror;
    initskin(32, "good");
  }
  EXPECT_TRUE(stat(dir.path("good.inc").c_str(), &after) == 0 && after.st_ino == inc.st_ino);
  dir.write("defskin.bmp", "stale");
  EXPECT_EQ(initdefaultskin(32), 0);
  EXPECT_GT(readwhole(dir.path("defskin.bmp")).size(), 1000u) << "made again";
}

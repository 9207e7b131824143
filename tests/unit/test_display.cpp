#include <gtest/gtest.h>

#include "allegro_env.h"
#include "screen/display.h"

TEST(Display, CellSizeFollowsScreenWidth) {
  const struct { int width, h, v; } cases[] = {
      {640, 8, 16}, {700, 8, 16}, {701, 10, 20}, {800, 10, 20}, {1000, 10, 20},
      {1001, 12, 24}, {1024, 12, 24}, {1200, 12, 24}, {1201, 16, 32}, {1280, 16, 32}};
  for (const auto &c : cases) {
    setscale(c.width);
    EXPECT_EQ(HORScale, c.h) << c.width;
    EXPECT_EQ(VRTScale, c.v) << c.width;
  }
  setscale(1024);
  EXPECT_EQ(getwinwidth(85), 1020);
  EXPECT_EQ(getwinheight(32), 768);
}

TEST(Display, ProgramPaletteEntries) {
  startallegro(8);
  setmypal();
  auto rgb = [](int i) { return std::vector<int>{palx[i].r, palx[i].g, palx[i].b}; };
  EXPECT_EQ(rgb(0), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(rgb(5), (std::vector<int>{33, 0, 33}));
  EXPECT_EQ(rgb(8), (std::vector<int>{43, 43, 43}));
  EXPECT_EQ(rgb(15), (std::vector<int>{63, 63, 63}));
  EXPECT_EQ(rgb(16), (std::vector<int>{3, 3, 3}));
  EXPECT_EQ(rgb(31), (std::vector<int>{63, 63, 63}));
  EXPECT_EQ(rgb(47), (std::vector<int>{63, 36, 36}));
  // Colour cube: blue runs fastest, then green, then red.
  EXPECT_EQ(rgb(48), (std::vector<int>{4, 4, 4}));
  EXPECT_EQ(rgb(49), (std::vector<int>{4, 4, 18}));
  EXPECT_EQ(rgb(53), (std::vector<int>{4, 18, 4}));
  EXPECT_EQ(rgb(73), (std::vector<int>{18, 4, 4}));
  EXPECT_EQ(rgb(172), (std::vector<int>{60, 60, 60}));
  EXPECT_EQ(rgb(173), (std::vector<int>{3, 3, 6}));
  EXPECT_EQ(rgb(189), (std::vector<int>{53, 33, 3}));
  EXPECT_EQ(rgb(219), (std::vector<int>{23, 63, 33}));
  EXPECT_EQ(rgb(220), (std::vector<int>{53, 3, 27}));
  EXPECT_EQ(rgb(255), (std::vector<int>{18, 38, 62}));
  for (int i = 0; i < 256; i++) EXPECT_EQ(colour[i], i);
  EXPECT_EQ(colour[PALMASK], 0);
}

// The named entries are the colours their names promise.
TEST(Display, PaletteNamesNameTheirColours) {
  startallegro(8);
  setmypal();
  auto rgb = [](int i) { return std::vector<int>{palx[i].r, palx[i].g, palx[i].b}; };
  EXPECT_EQ(rgb(PALDARKBLUE), (std::vector<int>{0, 0, 30}));
  EXPECT_EQ(rgb(PALRED), (std::vector<int>{63, 0, 0}));
  EXPECT_EQ(rgb(PALYELLOW), (std::vector<int>{63, 63, 0}));
  EXPECT_EQ(rgb(PALWHITE), (std::vector<int>{63, 63, 63}));
  EXPECT_EQ(rgb(PALDIALFACE), (std::vector<int>{11, 11, 11}));
  EXPECT_EQ(rgb(PALPOINTEREDGE), (std::vector<int>{19, 19, 19}));
  EXPECT_EQ(rgb(PALBOXFACE), (std::vector<int>{59, 59, 59}));
  EXPECT_EQ(rgb(PALCLOCKBACK), (std::vector<int>{23, 33, 57}));
  EXPECT_EQ(PALMASK, PALENTRIES) << "the mask value follows the 256 entries";
}

TEST(Display, TrueColourTranslation) {
  startallegro(32);
  settruecolours();
  EXPECT_EQ(colour[PALWHITE], makecol(252, 252, 252));
  EXPECT_EQ(colour[PALRED], makecol(252, 0, 0));
  EXPECT_EQ(colour[PALDARKBLUE], makecol(0, 0, 120));
  EXPECT_EQ(colour[PALMASK], makecol(255, 0, 255));
  EXPECT_NE(colour[PALMASK], colour[PALMAGENTA]);  // magenta of the palette is 252, not 255
}

// A scheme keeps each colour's brightness (its strongest component), so
// green text stays as bright as white over a dark cyan cell. Deeper than
// 8 bits the colours stay: the picture is recoloured on its way out.
TEST(Display, NightSchemes) {
  startallegro(8);
  setmypal();
  setREDcolours();
  EXPECT_EQ(palr[15].r, 63);
  EXPECT_EQ(palr[15].g, 0);
  EXPECT_EQ(palr[PALGREEN].r, 63);
  EXPECT_EQ(palr[PALDARKCYAN].r, 30);
  setBWcolours();
  EXPECT_EQ(palr[8].b, 43);
  setWBcolours();
  EXPECT_EQ(palr[0].r, 63);
  startallegro(32);
  setREDcolours();
  EXPECT_EQ(colour[PALWHITE], makecol(252, 252, 252));
  settruecolours();
  EXPECT_EQ(nightscheme, 0);
}

TEST(Display, FontNumbersMapToDatafileObjects) {
  const int expected[16] = {12, 9, 13, 7, 10, 6, 14, 11, 8, 3, 4, 5, 2, 0, 1, 1};
  for (int n = 0; n < 16; n++) EXPECT_EQ(fontobject(n), expected[n]) << n;
  EXPECT_EQ(fontobject(20), 1);
  int before = userfontnum;
  EXPECT_EQ(setuserfont(-1), 0);
  EXPECT_EQ(userfontnum, before);
  EXPECT_EQ(mpfont[0].fontnum, 9);
  EXPECT_STREQ(mpfont[3].name, "Microscopic");
  EXPECT_EQ(mpfont[7].fontnum, 8);
}

TEST(Display, BevelledBoxes) {
  BITMAP *b = startallegro(8);
  setmypal();
  drawshadedbox(10, 10, 20, 10);
  EXPECT_EQ(getpixel(b, 10, 10), 15);
  EXPECT_EQ(getpixel(b, 10, 19), 15) << "left edge runs the full height";
  EXPECT_EQ(getpixel(b, 29, 19), 7);
  EXPECT_EQ(getpixel(b, 29, 11), 7);
  EXPECT_EQ(getpixel(b, 15, 15), 30);
  EXPECT_EQ(getpixel(b, 30, 15), 0) << "nothing beyond the box";

  drawpushedbox(40, 10, 20, 10);
  EXPECT_EQ(getpixel(b, 40, 10), 7);
  EXPECT_EQ(getpixel(b, 59, 19), 15);
  EXPECT_EQ(getpixel(b, 50, 15), 30);

  drawshadowdial(70, 10, 20, 10);
  EXPECT_EQ(getpixel(b, 70, 10), 7);
  EXPECT_EQ(getpixel(b, 89, 19), 15);
  EXPECT_EQ(getpixel(b, 80, 15), 18);
}

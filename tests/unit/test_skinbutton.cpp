#include <gtest/gtest.h>

#include "allegro_env.h"
#include "skin_fixture.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "skins/skindraw.h"
#include "screen/switches.h"
#include "screen/display.h"

namespace {

class SkinButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    startallegro(32);
    settruecolours();
    initdefaultskin(32);
    registerskinposition(buffer, 0, 0, 16, 64);
    skinshown = 1;
  }
  void TearDown() override { skinshown = 0; }
  ScratchDir dir;
};

}  // namespace

TEST_F(SkinButtons, ClickCodesAndTheRightEdge) {
  const skinentry &z = skin[SKINZOOMIN];  // hot 50, 8, 20 x 20
  EXPECT_EQ(checkskinbutton(16 + z.hotx, 64 + z.hoty), SKINZOOMIN + 49);
  EXPECT_EQ(checkskinbutton(16 + z.hotx + z.hotw - 1, 64 + z.hoty + z.hoth - 1), SKINZOOMIN + 49);
  EXPECT_EQ(checkskinbutton(16 + z.hotx + z.hotw, 64 + z.hoty), 90);
  EXPECT_EQ(checkskinbutton(16 + z.hotx, 64 + z.hoty + z.hoth), 90);
  EXPECT_EQ(checkskinbutton(15, 64), -1);
  EXPECT_EQ(checkskinbutton(16 + 270, 64), -1);
  EXPECT_EQ(checkskinbutton(16, 64 + 349), 90);
  // Hidden skins answer nothing.
  skinshown = 0;
  EXPECT_EQ(checkskinbutton(16 + z.hotx, 64 + z.hoty), -1);
}

TEST_F(SkinButtons, ANegativeStateIsNeitherDrawnNorClicked) {
  const skinentry &c = skin[SKINCCD];
  ASSERT_EQ(setskinbuttonstate(SKINCCD, -1), 0);
  EXPECT_EQ(checkskinbutton(16 + c.hotx + 1, 64 + c.hoty + 1), 90);
  clear_to_color(buffer, 0);
  EXPECT_EQ(drawskincell(buffer, SKINCCD, 0, 0), -1);
  EXPECT_EQ(getpixel(buffer, c.posx, c.posy), 0);
  setskinbuttonstate(SKINCCD, 1);
  EXPECT_EQ(drawskincell(buffer, SKINCCD, 0, 0), 0);
  EXPECT_EQ(getpixel(buffer, c.posx, c.posy), colour[PALWHITE]);
  setskinbuttonstate(SKINCCD, 2);  // the pushed image
  drawskincell(buffer, SKINCCD, 0, 0);
  EXPECT_EQ(getpixel(buffer, c.posx, c.posy), colour[PALGREY]);
}

TEST_F(SkinButtons, StateOperationsKeepToTheirEntries) {
  EXPECT_EQ(setskinbuttonstate(6, 3), -1);
  EXPECT_EQ(getskinbuttonstate(6), 0);
  EXPECT_EQ(setskinbuttonstate(60, 3), -1);
  EXPECT_EQ(setskinbuttonstate(59, 3), 0);
  EXPECT_EQ(getskinbuttonstate(59), 3);
  EXPECT_EQ(getskinbuttonstate(-1), 0);
  EXPECT_EQ(incskinbuttonstate(37), -1);
  skin[SKINCHANGE].nstates = 0;
  EXPECT_EQ(incskinbuttonstate(SKINCHANGE), 0);  // no states: stays 0
  EXPECT_EQ(incskinbuttonstate(SKINCCD), 2);
  EXPECT_EQ(incskinbuttonstate(40), -1);
}

TEST_F(SkinButtons, ColourSelectorCyclesThroughFourStates) {
  ASSERT_EQ(skin[SKINCOLOURS].nstates, 4);
  ASSERT_EQ(getskinbuttonstate(SKINCOLOURS), 0);
  int seen[5];
  for (int &s : seen) s = incskinbuttonstate(SKINCOLOURS);
  EXPECT_EQ(seen[0], 1);
  EXPECT_EQ(seen[1], 2);
  EXPECT_EQ(seen[2], 3);
  EXPECT_EQ(seen[3], 0);
  EXPECT_EQ(seen[4], 1);
}

TEST_F(SkinButtons, EntriesNotInTheSkinAreNotButtons) {
  const skinentry &g = skin[SKINGRID];
  skin[SKINGRID].nstates = 0;
  EXPECT_EQ(checkskinbutton(16 + g.hotx + 1, 64 + g.hoty + 1), 90);
  EXPECT_EQ(drawskincell(buffer, SKINGRID, 0, 0), -1);
}

TEST_F(SkinButtons, SkinFontGlyphPlaces) {
  skin[SKINFONT] = skinentry{0, 0, 300, 340, 7, 10, 0, 0, 0, 0, 300, 340, 32, 3, 1};
  int x, y;
  ASSERT_EQ(getskinfontchar('A', &x, &y), 0);
  EXPECT_EQ(x, 307);
  EXPECT_EQ(y, 350);
  getskinfontchar(' ', &x, &y);
  EXPECT_EQ(x, 300);
  EXPECT_EQ(y, 340);
  getskinfontchar(127, &x, &y);
  EXPECT_EQ(x, 300 + 31 * 7);
  EXPECT_EQ(y, 360);
  EXPECT_EQ(getskinfontchar(31, &x, &y), -1);
  EXPECT_EQ(getskinfontchar(128, &x, &y), -1);
}

TEST_F(SkinButtons, SkinFontTextIsCopiedGlyphByGlyph) {
  // Glyph "A" (cell 1, row 1) painted solid; text starts at the cell's left.
  skin[SKINFONT] = skinentry{0, 0, 300, 340, 7, 10, 0, 0, 0, 0, 300, 340, 32, 3, 1};
  rectfill(skinbmp, 307, 350, 313, 359, makecol(1, 2, 3));
  clear_to_color(buffer, 0);
  drawskintext(buffer, SKINRACELL, 0, 0, "AA", 1);
  const skinentry &c = skin[SKINRACELL];
  int top = c.posy + 12;
  EXPECT_EQ(getpixel(buffer, c.posx, top), makecol(1, 2, 3));
  EXPECT_EQ(getpixel(buffer, c.posx + 13, top + 9), makecol(1, 2, 3));
  EXPECT_EQ(getpixel(buffer, c.posx + 14, top), 0);
  EXPECT_EQ(getpixel(buffer, c.posx, top - 1), 0);
}

TEST_F(SkinButtons, ReadOutTextWithoutSkinFontIsCentred) {
  clear_to_color(buffer, 0);
  drawRADECskin(buffer, 0, 0, "RA: 1", "DEC: 2");
  const skinentry &c = skin[SKINRACELL];
  int lit = 0, left = c.posx + c.width, right = 0;
  for (int y = c.posy; y < c.posy + c.height; y++)
    for (int x = c.posx; x < c.posx + c.width; x++)
      if (getpixel(buffer, x, y) == colour[PALGREEN]) {
        lit++;
        if (x < left) left = x;
        if (x > right) right = x;
      }
  EXPECT_GT(lit, 10);
  int width = text_length(allegrofont(), "RA: 1");
  EXPECT_NEAR(left - c.posx, (c.width - width) / 2, 2);
}

TEST_F(SkinButtons, TeleDimIsTheViewEntryAtTheOrigin) {
  int x, y, w, h;
  getteledim(5, 7, &x, &y, &w, &h);
  EXPECT_EQ(x, 15);
  EXPECT_EQ(y, 37);
  EXPECT_EQ(w, 230);
  EXPECT_EQ(h, 220);
}

TEST_F(SkinButtons, BoxStyles) {
  clear_to_color(buffer, 0);
  drawskinbox(buffer, 10, 10, 5, 4);
  EXPECT_EQ(getpixel(buffer, 10, 10), colour[PALWHITE]);
  EXPECT_EQ(getpixel(buffer, 14, 13), colour[PALGREY]);
  EXPECT_EQ(getpixel(buffer, 12, 11), colour[PALBOXFACE]);
  drawskinpush(buffer, 20, 10, 5, 4);
  EXPECT_EQ(getpixel(buffer, 20, 10), colour[PALGREY]);
  EXPECT_EQ(getpixel(buffer, 24, 13), colour[PALWHITE]);
  drawskindial(buffer, 30, 10, 5, 4);
  EXPECT_EQ(getpixel(buffer, 32, 11), colour[PALDARKCYAN]);
  EXPECT_EQ(getpixel(buffer, 34, 13), colour[PALWHITE]);
}

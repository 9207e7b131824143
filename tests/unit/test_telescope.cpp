#include <gtest/gtest.h>

#include <cstring>

#include "chart/blocks.h"
#include "chart/ccd.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/telescope.h"
#include "chart/starpix.h"
#include "chart_fixture.h"
#include "starcat_fixture.h"
#include "skin_fixture.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "base/settings.h"
#include "screen/switches.h"
#include "screen/display.h"
#include "chart/skyview.h"

namespace {

class Telescope : public ::testing::Test {
 protected:
  void SetUp() override {
    startchart(32);
    iTZoom = 0;
    Tnorth = Twest = 0;
    centrechart(6, 20, 2);
    dFP[TELFOCAL] = 1000;
    loadccd(0);
    Sunra = Sundec = 0;
  }
  void TearDown() override {
    skinshown = 0;
    settruecolours();
  }
  // View pixel (x, y) inside the chart for the default skin at (0, 0).
  int viewpixel(int x, int y) { return getpixel(SKYbmp, 10 + x, 30 + y); }
  ScratchDir dir;
};

}  // namespace

TEST_F(Telescope, ViewAreaComesFromTheDefaultSkin) {
  EXPECT_EQ(plottelw, 230);
  EXPECT_EQ(plottelh, 220);
  EXPECT_EQ(plottelXc, 115);
  EXPECT_EQ(plottelYc, 110);
  EXPECT_EQ(skabsx, plotXst);
  EXPECT_EQ(skabsy, plotYst);
}

TEST_F(Telescope, MagnificationAtTheZoomEnds) {
  char mag[48], fov[48];
  Tsetstarplot(0);
  EXPECT_DOUBLE_EQ(plottelh / TPixPerDeg, 4.0);
  telfovtext(mag, fov);
  EXPECT_STREQ(mag, "x10");
  EXPECT_STREQ(fov, "FOV:  4 00 00");
  Tsetstarplot(12);
  EXPECT_NEAR(plottelh / TPixPerDeg, 0.0625, 1e-6);
  telfovtext(mag, fov);
  EXPECT_STREQ(mag, "x640");
  EXPECT_STREQ(fov, "FOV:  0 03 45");
}

TEST_F(Telescope, ZoomKeysStopAtTheEnds) {
  iTZoom = 0;
  telkey('3');
  EXPECT_EQ(iTZoom, 0);
  telkey('4');
  EXPECT_EQ(iTZoom, 1);
  iTZoom = 12;
  telkey('4');
  EXPECT_EQ(iTZoom, 12);
  telkey('3');
  EXPECT_EQ(iTZoom, 11);
}

TEST_F(Telescope, CcdKeySwitchesTheFrameAndItsMenuFlag) {
  flag[CCDFRAME] = 0;
  drawtelskin(0);
  EXPECT_EQ(getskinbuttonstate(SKINCCD), SKINOFF);
  drawtelskin('C');
  EXPECT_EQ(flag[CCDFRAME], 1);
  EXPECT_EQ(getskinbuttonstate(SKINCCD), SKINON);
  drawtelskin('C');
  EXPECT_EQ(flag[CCDFRAME], 0);
  // The menu's switch shows on the skin at the next draw.
  flag[CCDFRAME] = 1;
  drawtelskin(0);
  EXPECT_EQ(getskinbuttonstate(SKINCCD), SKINON);
  flag[APPULSEZONE] = 0;
  drawtelskin('F');
  EXPECT_EQ(flag[APPULSEZONE], 1);
}

TEST_F(Telescope, DefaultSkinCcdFrameOfCameraZeroAtZoomFour) {
  EXPECT_NEAR(dFP[CCDFIELDH], 23.72, 0.01);
  EXPECT_NEAR(dFP[CCDFIELDV], 15.81, 0.01);
  iTZoom = 4;
  flag[CCDFRAME] = 1;
  drawtelskin(0);
  EXPECT_DOUBLE_EQ(TPixPerDeg, 220 * 1.4142136 * 1.4142136 * 1.4142136 * 1.4142136 / 4);
  int w, v;
  ccdframe(&w, &v);
  EXPECT_EQ(w, 43);
  EXPECT_EQ(v, 28);
  int c = colour[PALDARKCYAN];
  EXPECT_EQ(viewpixel(115 - 43, 110), c);
  EXPECT_EQ(viewpixel(115 + 43, 110), c);
  EXPECT_EQ(viewpixel(115, 110 - 28), c);
  EXPECT_EQ(viewpixel(115, 110 + 28), c);
  EXPECT_EQ(viewpixel(115 - 43, 110 - 28), c);
  EXPECT_EQ(viewpixel(115 + 43, 110 + 28), c);
  EXPECT_NE(viewpixel(115 - 44, 110), c);
  EXPECT_NE(viewpixel(115 + 44, 110), c);
  EXPECT_NE(viewpixel(115, 110 - 29), c);
}

TEST_F(Telescope, CrossHairAndAppulseCircle) {
  setskinbuttonstate(SKINCROSS, SKINOFF);
  drawtelskin('Z');
  EXPECT_EQ(getskinbuttonstate(SKINCROSS), SKINON);
  EXPECT_EQ(viewpixel(115, 3), colour[PALDARKRED]);
  EXPECT_EQ(viewpixel(3, 110), colour[PALDARKRED]);
  dFP[APPULSEDIST] = 0.5;
  flag[APPULSEZONE] = 1;
  drawtelskin('Z');
  EXPECT_NE(viewpixel(115, 3), colour[PALDARKRED]);
  // Radius trunc(55 x 0.5) = 27 at zoom 0.
  EXPECT_EQ(viewpixel(115 + 27, 110), colour[PALDARKBLUE]);
  EXPECT_EQ(viewpixel(115, 110 - 27), colour[PALDARKBLUE]);
}

TEST_F(Telescope, SunOppositionAndMoonMarkers) {
  // The Sun at the centre: a filled disc of radius 55 / 4 = 13.
  Sunra = 6;
  Sundec = 20;
  Moonra = 6.1;  // 1.4 degrees east (R.A. increases to the left)
  Moondec = 20;
  drawtelskin(0);
  EXPECT_EQ(viewpixel(115, 110), colour[PALRED]);
  EXPECT_EQ(viewpixel(115 + 12, 110), colour[PALRED]);
  EXPECT_NE(viewpixel(115 + 14, 110), colour[PALRED]);
  int lit = 0;
  for (int y = 90; y < 130; y++)
    for (int x = 20; x < 60; x++) lit += viewpixel(x, y) == colour[PALWHITE];
  EXPECT_GT(lit, 40);
  // The opposition point: a circle of radius 26.
  Sunra = 18;
  Sundec = -20;
  drawtelskin(0);
  EXPECT_EQ(viewpixel(115 + 26, 110), colour[PALLIGHTGREY]);
  EXPECT_NE(viewpixel(115, 110), colour[PALRED]);
}

TEST_F(Telescope, StarsOfTheBlocksInView) {
  // Layer 7 one star at the centre, layer 8 one just north: both drawn,
  // with labels when star identification is on.
  loadchartstars({{makestar(11, 500, 'G', '2', 6.0f, 20.0f)}, {makestar(12, 700, 'K', '0', 6.0f, 20.5f)}});
  centrechart(6, 20, 2);
  iStarimage = 0;
  drawtelskin(0);
  EXPECT_GT(litpixels(TELbmp, 114, 109, 116, 111), 0);
  EXPECT_GT(litpixels(TELbmp, 114, 109 - 27, 116, 111 - 27), 0);
  int before = litpixels(TELbmp, 118, 100, 228, 115);
  drawtelskin('5');
  EXPECT_EQ(getskinbuttonstate(SKINSTARID), SKINON);
  EXPECT_GT(litpixels(TELbmp, 118, 100, 228, 115), before + 20);
}

TEST_F(Telescope, NearThePoleEveryHourOfTheBandIsDrawn) {
  std::vector<starrec> seven, eight;
  for (int h = 0; h < 24; h++) seven.push_back(makestar(100 + h, 300, 'A', '0', h + 0.5f, 89.0f));
  eight.push_back(makestar(1, 900, 'A', '0', 0.5f, -40.0f));
  loadchartstars({seven, eight});
  centrechart(3, 89.9, 2);
  iStarimage = 0;
  drawtelskin(0);
  for (int h = 0; h < 24; h++) EXPECT_EQ(Tdrawblock[17 * 24 + h], BLOCKMARK) << h;
  // A ring of 24 stars about a degree from the centre (55 pixels): all inside.
  int drawn = 0;
  for (int h = 0; h < 24; h++) {
    Tisplotable(h + 0.5, 89.0);
    if (litpixels(TELbmp, iTXplot - 1, iTYplot - 1, iTXplot + 1, iTYplot + 1) > 0) drawn++;
  }
  EXPECT_EQ(drawn, 24);
}

TEST_F(Telescope, ToggleKeysAndOrientation) {
  EXPECT_EQ(getskinbuttonstate(SKINMPPLOT), SKINON);
  telkey('A');
  EXPECT_EQ(getskinbuttonstate(SKINMPPLOT), SKINOFF);
  telkey('6');
  EXPECT_EQ(getskinbuttonstate(SKINMPNAMES), SKINON);
  telkey('D');
  EXPECT_EQ(getskinbuttonstate(SKINDAILY), SKINON);
  telkey('N');
  EXPECT_EQ(Tnorth, 1);
  telkey('W');
  EXPECT_EQ(Twest, 1);
  telkey('N');
  EXPECT_EQ(Tnorth, 0);
  int f = flag[STARIMAGES];
  telkey('2');
  EXPECT_EQ(flag[STARIMAGES], 1 - f);
  EXPECT_EQ(telkey('q'), 0);
}

TEST_F(Telescope, SouthUpTurnsTheView) {
  Tsetstarplot(0);
  ASSERT_TRUE(Tisplotable(6, 21));
  int north = iTYplot;
  Tnorth = 1;
  Tisplotable(6, 21);
  EXPECT_EQ(iTYplot - 110, 110 - north);
}

TEST_F(Telescope, ColourSelectorCyclesTheSchemes) {
  ASSERT_EQ(getskinbuttonstate(SKINCOLOURS), 0);
  int white = colour[PALWHITE];
  telkey('O');
  EXPECT_EQ(nightscheme, 1);
  telkey('O');
  EXPECT_EQ(nightscheme, 2);
  telkey('O');
  EXPECT_EQ(nightscheme, 3);
  telkey('O');
  EXPECT_EQ(getskinbuttonstate(SKINCOLOURS), 0);
  EXPECT_EQ(colour[PALWHITE], white);
}

TEST_F(Telescope, ReadOutsAndButtonsAreDrawnOnTheSkin) {
  clear_bitmap(SKYbmp);
  drawtelskin(0);
  // The raised skin face, the "In" button, and text in the R.A. cell.
  EXPECT_EQ(getpixel(SKYbmp, 1, 100), colour[PALLIGHTGREY]);
  EXPECT_EQ(getpixel(SKYbmp, 50, 8), colour[PALWHITE]);
  const skinentry &c = skin[SKINRACELL];
  int text = 0;
  for (int y = c.posy; y < c.posy + c.height; y++)
    for (int x = c.posx; x < c.posx + c.width; x++) text += getpixel(SKYbmp, x, y) == colour[PALGREEN];
  EXPECT_GT(text, 20);
  EXPECT_EQ(skinshown, 1);
}

TEST_F(Telescope, ChartDriverDrawsTheViewOnlyWhenSwitchedOn) {
  flag[TELESCOPEON] = 0;
  drawskyplot(1);
  EXPECT_EQ(skinshown, 0);
  drawskyplot('t');
  EXPECT_EQ(flag[TELESCOPEON], 1);
  EXPECT_EQ(skinshown, 1);
  EXPECT_EQ(getpixel(SKYbmp, 1, 100), colour[PALLIGHTGREY]);
  drawskyplot('t');
  EXPECT_EQ(skinshown, 0);
  EXPECT_NE(getpixel(SKYbmp, 1, 100), colour[PALLIGHTGREY]);
}

TEST_F(Telescope, APointerOnTheSkinLeavesTheChartCursor) {
  int x = 0, y = 0;
  iGotamouse = 1;
  flag[CURSORLOCK] = 0;
  drawtelskin(0);
  ASSERT_EQ(skinshown, 1);
  mousecursor(plotXst + 400, plotYst + 100, &x, &y);  // a first look
  EXPECT_EQ(mousecursor(plotXst + 60, plotYst + 18, &x, &y), 0);
  EXPECT_EQ(mousecursor(plotXst + 300, plotYst + 100, &x, &y), 1);
  skinshown = 0;
  EXPECT_EQ(mousecursor(plotXst + 60, plotYst + 18, &x, &y), 1);
  EXPECT_EQ(x, 60);
  iGotamouse = 0;
}

TEST_F(Telescope, ANewSchemeRedrawsTheChartBesideTheView) {
  rebuildchart();
  int frame = getpixel(SKYbmp, plotwidth - 1, plothigh / 2);
  ASSERT_EQ(frame, colour[PALYELLOW]);
  drawtelskin('O');
  // Deeper than 8 bits the whole picture turns red on its way to the screen.
  BITMAP *shown = create_bitmap(SKYbmp->w, SKYbmp->h);
  nightblit(SKYbmp, shown);
  int coloured = 0;
  for (int y = 0; y < shown->h; y++)
    for (int x = 0; x < shown->w; x++) coloured += getg32(getpixel(shown, x, y)) + getb32(getpixel(shown, x, y)) > 0;
  EXPECT_EQ(coloured, 0);
  EXPECT_EQ(getpixel(shown, plotwidth - 1, plothigh / 2), makecol(252, 0, 0));
  destroy_bitmap(shown);
  drawtelskin('O');
  drawtelskin('O');
  drawtelskin('O');
  EXPECT_EQ(getpixel(SKYbmp, plotwidth - 1, plothigh / 2), frame);
}

TEST_F(Telescope, WithoutTheImageSheetStarsAreDotsEvenWithSprites) {
  ASSERT_NE(readstarpixfile(KORVANEX_RUNTIME_DIR "/starpix.bin"), 0);
  loadchartstars({{makestar(11, 100, 'A', '0', 6.0f, 20.0f)}, {makestar(12, 900, 'K', '0', 1.0f, -50.0f)}});
  centrechart(6, 20, 2);
  iStarimage = 0;
  flag[STARIMAGES] = 0;
  drawtelskin(0);
  // A bright star: a sprite would light a wide patch, a dot a small disc.
  int lit = litpixels(TELbmp, 100, 95, 130, 125);
  EXPECT_GT(lit, 0);
  EXPECT_LE(lit, 30);
  iGottapix = 0;
}

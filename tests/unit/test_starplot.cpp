#include <gtest/gtest.h>

#include "chart/projection.h"
#include "chart/starcat.h"
#include "chart/starpix.h"
#include "chart/starplot.h"
#include "chart_fixture.h"
#include "starcat_fixture.h"
#include "base/settings.h"
#include "screen/display.h"

// Pixel of a position at the current zoom (it must be in the chart).
static void pixelof(double rahours, double decdeg, int *x, int *y) {
  ASSERT_EQ(isplotable(rahours, decdeg), 1);
  *x = iXplot;
  *y = iYplot;
}

static void drawfresh() {
  clear_bitmap(SKYbmp);
  drawstars();
}

TEST(StarPlot, WholeSkyDotSizesByMagnitude) {
  startchart();
  // One star of each size on its own hour, all on the equator.
  loadchartstars({{makestar(1, 119, 'A', '0', 3, 0), makestar(2, 120, 'A', '0', 7, 0),
                   makestar(3, 639, 'A', '0', 11, 0), makestar(4, 640, 'A', '0', 15, 0)}});
  centrechart(12, 0, 0);
  drawfresh();
  int x, y;
  pixelof(3, 0, &x, &y);
  EXPECT_GT(getpixel(SKYbmp, x + 2, y), 0) << "1.19 is a disc of radius 2";
  pixelof(7, 0, &x, &y);
  EXPECT_GT(getpixel(SKYbmp, x + 1, y), 0) << "1.20 is a disc of radius 1";
  EXPECT_EQ(getpixel(SKYbmp, x + 2, y), 0);
  pixelof(11, 0, &x, &y);
  EXPECT_GT(getpixel(SKYbmp, x, y), 0) << "6.39 is one pixel";
  EXPECT_EQ(litpixels(SKYbmp, x - 2, y - 2, x + 2, y + 2), 1);
  pixelof(15, 0, &x, &y);
  EXPECT_EQ(litpixels(SKYbmp, x - 2, y - 2, x + 2, y + 2), 0) << "6.40 is not drawn";
}

TEST(StarPlot, WholeSkyFollowsTheOrientation) {
  startchart();
  loadchartstars({{makestar(1, 100, 'A', '0', 3, 40)}});
  centrechart(12, 0, 0);
  drawfresh();
  int x = plotwidth - (int)(3 * plotXscale), y = plotYcen - (int)(40 * plotYscale);
  EXPECT_EQ(getpixel(SKYbmp, x, y), calcstar[0].starcolour);
  iNT[SOUTHUP] = 1;
  drawfresh();
  EXPECT_EQ(getpixel(SKYbmp, x, y), 0);
  EXPECT_EQ(getpixel(SKYbmp, (int)(3 * plotXscale), plotYcen + (int)(40 * plotYscale)), calcstar[0].starcolour);
}

TEST(StarPlot, ZoomedDotSizesByDotSize) {
  startchart();
  // dot size 3, 4 and 9.
  loadchartstars({{makestar(1, 511, 'A', '0', 11.5f, 0), makestar(2, 510, 'A', '0', 12, 0),
                   makestar(3, 10, 'A', '0', 12.5f, 0)}});
  EXPECT_EQ(calcstar[0].dotsize, 3);
  EXPECT_EQ(calcstar[1].dotsize, 4);
  EXPECT_EQ(calcstar[2].dotsize, 9);
  centrechart(12, 0, 3);
  drawfresh();
  int x, y;
  pixelof(11.5, 0, &x, &y);
  EXPECT_EQ(litpixels(SKYbmp, x - 4, y - 4, x + 4, y + 4), 1);
  pixelof(12, 0, &x, &y);
  EXPECT_GT(getpixel(SKYbmp, x + 1, y), 0);
  EXPECT_EQ(getpixel(SKYbmp, x + 2, y), 0);
  pixelof(12.5, 0, &x, &y);
  EXPECT_GT(getpixel(SKYbmp, x + 3, y), 0);
  EXPECT_EQ(getpixel(SKYbmp, x + 4, y), 0);
}

TEST(StarPlot, LayersAppearAsTheFieldShrinks) {
  startchart();
  // Layer 7, 8, 9 and 10: one star each near the centre, apart by a little.
  loadchartstars({{makestar(1, 700, 'G', '2', 12.00f, 0.0f)},
                  {makestar(2, 800, 'G', '2', 12.05f, 0.75f)},
                  {makestar(3, 900, 'G', '2', 12.1f, -0.75f)},
                  {makestar(4, 950, 'G', '2', 11.95f, 1.0f)}});
  ASSERT_EQ(Snum8, 1);
  ASSERT_EQ(Snum10, 1);
  // The chart places stars from their stored single-precision terms, so a
  // dot may sit one pixel beside isplotable's pixel.
  auto drawn = [](int i) {
    isplotable(star[i].rahours, star[i].decdeg);
    return litpixels(SKYbmp, iXplot - 1, iYplot - 1, iXplot + 1, iYplot + 1) > 0;
  };
  const struct { int zoom; bool l8, l9; } cases[] = {{4, false, false}, {5, true, false}, {6, true, false},
                                                     {7, true, true},   {12, true, true}};
  for (auto &c : cases) {
    centrechart(12, 0, c.zoom);
    drawfresh();
    EXPECT_TRUE(drawn(0)) << c.zoom;
    EXPECT_EQ(drawn(1), c.l8) << c.zoom;
    EXPECT_EQ(drawn(2), c.l9) << c.zoom;
    EXPECT_EQ(drawn(3), c.l9) << c.zoom;
  }
}

TEST(StarPlot, OneLayerCatalogueDrawsAllItsStarsAtEveryZoom) {
  startchart();
  std::string path = writetemp("one.bin", fallbackfile({makestar(1, 900, 'K', '0', 12.0f, 0.0f)}));
  ASSERT_EQ(loadstarfile("/nonexistent/none.bin", path.c_str()), 0);
  remove(path.c_str());
  ASSERT_EQ(Snum7, 1);
  for (int z : {2, 5, 8, 12}) {
    centrechart(12, 0, z);
    drawfresh();
    isplotable(12, 0);
    EXPECT_EQ(litpixels(SKYbmp, iXplot - 1, iYplot - 1, iXplot + 1, iYplot + 1), 1) << z;
  }
}

TEST(StarPlot, StarsOutsideTheMarkedBlocksAreNotTouched) {
  startchart();
  // A layer-8 star on the far side of the sky stays undrawn; the block
  // walk does not reach it.
  loadchartstars({{makestar(1, 700, 'G', '2', 12.0f, 0.0f)}, {makestar(2, 800, 'G', '2', 0.5f, 0.0f)}});
  centrechart(12, 0, 8);
  drawfresh();
  EXPECT_EQ(litpixels(SKYbmp, 0, 0, plotwidth - 1, plothigh - 1), 1);
}

TEST(StarPlot, BlockEntriesStayInsideTheirLayer) {
  startchart();
  loadchartstars({{makestar(1, 300, 'G', '2', 12.5f, 5.0f), makestar(2, 300, 'G', '2', 12.5f, 5.0f)},
                  {makestar(3, 800, 'G', '2', 12.5f, 5.0f)}});
  int b = calcstar[0].block, first;
  EXPECT_EQ(layerblock(0, b, &first), 2);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(layerblock(1, b, &first), 1);
  EXPECT_EQ(first, 2);
  EXPECT_EQ(layerblock(2, b, &first), 0);
  EXPECT_EQ(layerblock(0, -1, &first), 0);
  EXPECT_EQ(layerblock(0, 432, &first), 0);
  // An entry reaching into the next layer is cut at the layer's end.
  starnum[b] = 3;
  EXPECT_EQ(layerblock(0, b, &first), 2);
  staridx[b] = 2;
  EXPECT_EQ(layerblock(0, b, &first), 0);
}

class StarSprites : public ::testing::Test {
 protected:
  void SetUp() override {
    startchart();
    loadchartstars({{makestar(1, 300, 'G', '2', 12, 0)}});
    for (auto &r : numpix)
      for (auto &c : r) c = 0;
    iGottapix = 1;
    // Sprite (row 4, class 6): one point at the origin, one far outside.
    stpix[10][0] = 0, stpix[10][1] = 0, stpix[10][2] = 50, stpix[10][3] = 200, stpix[10][4] = 10;
    stpix[11][0] = -500, stpix[11][1] = 0, stpix[11][2] = 255, stpix[11][3] = 255, stpix[11][4] = 255;
    offpix[4][6] = 10;
    numpix[4][6] = 2;
    clear_bitmap(SKYbmp);
  }
  void TearDown() override { iGottapix = 0; }
};

TEST_F(StarSprites, BrightenChannelByChannel) {
  putpixel(TELbmp, 20, 30, makecol(100, 0, 0));
  EXPECT_EQ(plotstarpix(20, 30, 4, 6), 1);
  int p = getpixel(TELbmp, 20, 30);
  EXPECT_EQ(getr(p), 100);
  EXPECT_EQ(getg(p), 200);
  EXPECT_EQ(getb(p), 10);
}

TEST_F(StarSprites, RowOrClassOutsideTheTableDrawNothing) {
  EXPECT_EQ(plotstarpix(20, 30, 8, 6), 0);
  EXPECT_EQ(plotstarpix(20, 30, 4, 20), 0);
  EXPECT_EQ(plotstarpix(20, 30, -1, 6), 0);
  EXPECT_EQ(litpixels(TELbmp, 0, 0, plottelw - 1, plottelh - 1), 0);
  iGottapix = 0;
  EXPECT_EQ(plotstarpix(20, 30, 4, 6), 0);
}

TEST_F(StarSprites, PointsBeyondTheTableAreNotRead) {
  offpix[4][6] = STARPIXPOINTS - 1;
  numpix[4][6] = 1000;
  EXPECT_EQ(plotstarpix(20, 30, 4, 6), 1);
}

TEST_F(StarSprites, ImageRuleChoosesDotSpriteOrSheet) {
  BITMAP *saved = Starbmp;
  int savedimage = iStarimage;
  iStarimage = 0;
  plotstarimage(50, 60, 0);
  EXPECT_EQ(getpixel(TELbmp, 50, 60), calcstar[0].starcolour) << "no sheet: a dot";
  clear_bitmap(SKYbmp);
  // A sheet whose cell of this star holds one lit pixel at its (15, 15).
  BITMAP *sheet = create_bitmap(512, 256);
  clear_to_color(sheet, bitmap_mask_color(sheet));
  int cell = calcstar[0].imagecell, cx = cell & 511, cy = cell >> 16;
  putpixel(sheet, cx + 15, cy + 15, makecol(1, 2, 3));
  Starbmp = sheet;
  iStarimage = 1;
  flag[STARIMAGES] = 1;
  plotstarimage(50, 60, 0);
  EXPECT_EQ(getpixel(TELbmp, 50, 60), makecol(1, 2, 3));
  EXPECT_EQ(litpixels(TELbmp, 0, 0, plottelw - 1, plottelh - 1), 1) << "the mask stays transparent";
  clear_bitmap(SKYbmp);
  flag[STARIMAGES] = 0;
  // G star of magnitude 3: row 4, class 6, the sprite of the fixture.
  plotstarimage(50, 60, 0);
  EXPECT_EQ(getg(getpixel(TELbmp, 35, 45)), 200);
  destroy_bitmap(sheet);
  Starbmp = saved;
  iStarimage = savedimage;
}

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "chart/blocks.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "chart/starsearch.h"
#include "chart_fixture.h"
#include "starcat_fixture.h"
#include "screen/display.h"
#include "ui/windows.h"
#include "ui/listpages.h"

// Cursor on the pixel of a sky position at the current zoom.
static void cursorat(double rahours, double decdeg) {
  ASSERT_EQ(isplotable(rahours, decdeg), 1);
  Xcur = iXplot;
  Ycur = iYplot;
}

// Squared pixel distance of a sky position from the cursor.
static int distance2(double rahours, double decdeg) {
  isplotable(rahours, decdeg);
  return (iXplot - Xcur) * (iXplot - Xcur) + (iYplot - Ycur) * (iYplot - Ycur);
}

TEST(StarSearch, NearestStarAndTheBrighterOnATie) {
  startchart();
  // A faint star first in the file, a brighter one a little off, and the
  // brightest on the same pixel as the first.
  loadchartstars({{makestar(10, 900, 'A', '0', 5.50f, 20.0f), makestar(11, 400, 'A', '0', 5.50f, 20.2f),
                   makestar(12, 300, 'A', '0', 5.50f, 20.0f)}});
  centrechart(5.5, 20, 6);
  setblocks();
  cursorat(5.5, 20);
  ASSERT_GT(distance2(5.5, 20.2), 0);
  ASSERT_LT(distance2(5.5, 20.2), 16);
  int d = -1;
  EXPECT_EQ(starnearcursor(&d), 2) << "the brighter of two on the cursor";
  EXPECT_EQ(d, 0);
  cursorat(5.5, 20.2);
  EXPECT_EQ(starnearcursor(&d), 1) << "the nearest, not the first in the file";
  EXPECT_EQ(d, 0);
}

TEST(StarSearch, NearestOfTheUpperLayersWhateverTheBlockOrder) {
  startchart();
  // Two layer-8 stars either side of 12 h; the one in the later block is
  // farther from the cursor.
  loadchartstars({{makestar(1, 300, 'A', '0', 3.0f, 0.0f)},
                  {makestar(2, 800, 'A', '0', 12.004f, 5.0f), makestar(3, 800, 'A', '0', 11.9995f, 5.0f)}});
  centrechart(12, 5, 8);
  setblocks();
  cursorat(11.9995, 5);
  ASSERT_GT(distance2(12.004, 5), 0);
  ASSERT_LT(distance2(12.004, 5), 16);
  int i = starnearcursor();
  ASSERT_GE(i, Snum7);
  EXPECT_EQ(star[i].starno, 3);
}

TEST(StarSearch, BrightLayerSevenStarBeatsAFainterLayerEightStarOnlyWhenAsNear) {
  startchart();
  loadchartstars({{makestar(1, 300, 'A', '0', 12.0f, 5.0f)}, {makestar(2, 800, 'A', '0', 12.0f, 5.2f)}});
  centrechart(12, 5, 6);
  setblocks();
  cursorat(12, 5.2);
  ASSERT_GT(distance2(12, 5), 0);
  ASSERT_LT(distance2(12, 5), 16);
  EXPECT_EQ(star[starnearcursor()].starno, 2);
  cursorat(12, 5);
  EXPECT_EQ(star[starnearcursor()].starno, 1);
}

TEST(StarSearch, LayerSevenBeforeLaterLayersAndNineBeforeTen) {
  startchart();
  loadchartstars({{makestar(1, 300, 'A', '0', 3.0f, 0.0f)},
                  {makestar(2, 800, 'A', '0', 7.0f, 0.0f)},
                  {makestar(3, 900, 'A', '0', 12.0f, 5.0f)},
                  {makestar(4, 950, 'A', '0', 12.0f, 5.0f)}});
  centrechart(12, 5, 3);
  setblocks();
  cursorat(12, 5);
  EXPECT_EQ(star[starnearcursor()].starno, 3);
  cursorat(12.5, 5);
  EXPECT_EQ(starnearcursor(), -1);
}

TEST(StarSearch, LayerEightFoundAtZeroZoomInMarkedBlocks) {
  startchart();
  loadchartstars({{makestar(1, 300, 'A', '0', 3.0f, 0.0f)}, {makestar(2, 800, 'A', '0', 14.2f, -33.0f)}});
  centrechart(12, 0, 0);
  setblocks();
  cursorat(14.2, -33);
  EXPECT_EQ(starnearcursor(), 1);
  for (int &b : drawblock) b = 0;
  EXPECT_EQ(starnearcursor(), -1) << "unmarked block";
}

TEST(StarSearch, NearMeansUnderFivePixelsInBothAxes) {
  startchart();
  loadchartstars({{makestar(1, 300, 'A', '0', 12.0f, 0.0f)}});
  centrechart(12, 0, 2);
  setblocks();
  isplotable(12, 0);
  int x = iXplot, y = iYplot;
  Xcur = x + 4, Ycur = y - 4;
  EXPECT_EQ(starnearcursor(), 0);
  Xcur = x + 5, Ycur = y;
  EXPECT_EQ(starnearcursor(), -1);
  Xcur = x, Ycur = y - 5;
  EXPECT_EQ(starnearcursor(), -1);
}

TEST(StarSearch, FindStarNamesTheStarTheSunOrNothing) {
  startchart();
  catnum = 0;
  loadchartstars({{makestar(3000 * 65536 + 807 * 4 + 1, 150, 'K', '5', 10.0f, 10.0f)}});
  centrechart(12, 0, 0);
  setblocks();
  cursorat(10, 10);
  findstar();
  EXPECT_STREQ(chStar, "3000-807-1");
  Sunra = 16;
  Sundec = -20;
  cursorat(16, -20);
  findstar();
  EXPECT_STREQ(chStar, "SUN");
  cursorat(20, 40);
  findstar();
  EXPECT_STREQ(chStar, " ");
}

TEST(StarSearch, TheSunWhenNoStarIsNearer) {
  startchart();
  catnum = 0;
  // A star on the Sun's pixel, another a few pixels off it.
  loadchartstars({{makestar(5, 150, 'K', '5', 16.0f, -20.0f), makestar(6, 650, 'K', '5', 16.0f, -20.2f)}});
  centrechart(16, -20, 6);
  setblocks();
  Sunra = 16;
  Sundec = -20;
  cursorat(16, -20);
  findstar();
  EXPECT_STREQ(chStar, "SUN") << "the Sun outshines a star on its pixel";
  cursorat(16, -20.2);
  ASSERT_GT(distance2(16, -20), 0);
  ASSERT_LT(distance2(16, -20), 16);
  findstar();
  EXPECT_STREQ(chStar, "0-1-2") << "a star nearer than the Sun";
}

TEST(StarSearch, ResultLineIsWrittenAndClearedFirst) {
  startchart();
  loadchartstars({{makestar(5, 150, 'K', '5', 10.0f, 10.0f)}});
  centrechart(12, 0, 0);
  setblocks();
  rectfill(VIDbmp, 0, 26 * 16, 400, 27 * 16 - 1, colour[PALBLUE]);
  cursorat(20, 40);
  findstar();
  // Cleared to colour 0, then the text in colour 14.
  int yellow = 0, blue = 0;
  for (int y = 26 * 16; y < 27 * 16; y++)
    for (int x = 0; x <= 400; x++) {
      int p = getpixel(VIDbmp, x, y);
      yellow += p == colour[PALYELLOW];
      blue += p == colour[PALBLUE];
    }
  EXPECT_EQ(blue, 0);
  EXPECT_GT(yellow, 20);
}

TEST(StarSearch, GotoStarCentresOnIt) {
  startchart();
  loadchartstars({{makestar(5, 150, 'K', '5', 10.5f, -12.25f)}});
  gotostar(0);
  EXPECT_DOUBLE_EQ(ra, 10.5);
  EXPECT_DOUBLE_EQ(dec, -12.25);
  EXPECT_DOUBLE_EQ(dStarX, 10.5);
  EXPECT_DOUBLE_EQ(dStarY, -12.25);
  gotostar(1);  // outside the catalogue: ignored
  EXPECT_DOUBLE_EQ(dStarX, 10.5);
}

TEST(StarSearch, FindStarNumber) {
  startchart();
  loadchartstars({{makestar(5, 150, 'K', '5', 10.5f, -12.25f), makestar(7, 150, 'K', '5', 10.5f, -12.25f)},
                  {makestar(7, 800, 'K', '5', 1.5f, 12.25f)}});
  EXPECT_EQ(findstarnumber(7), 1);
  EXPECT_EQ(findstarnumber(5), 0);
  EXPECT_EQ(findstarnumber(8), -1);
  star[0].starno = 0;  // a star without an identifier is not found by 0
  EXPECT_EQ(findstarnumber(0), -1);
}

static void loadmany(int n) {
  std::vector<starrec> l;
  for (int i = 0; i < n; i++) l.push_back(makestar(i + 1, 500, 'A', '0', 1.0f, 1.0f));
  loadchartstars({l});
}

static std::string tail(const char *line, size_t n) {
  std::string s(line);
  return s.substr(s.size() - n);
}

TEST(StarSearch, ListPagesCountPagesAsStarsOverPagePlusOne) {
  startchart();
  loadmany(250);
  snprintf(StarCatID, sizeof StarCatID, "HIP");
  iStar = 245;
  EXPECT_EQ(stlist(2, 240, 20), 10);
  EXPECT_EQ(tail(achDLine[0], 12), " Page 13/13 ");
  EXPECT_EQ(std::string(achDLine[0]).substr(0, 38), "HIP Star Catalog (250 stars on file) P");
  EXPECT_STREQ(achDLine[1], "File   HIP Star     R.A. 2000    Dec 2000    Mag.");
  char expect[80];
  starstring(240, expect);
  EXPECT_STREQ(achDLine[2], expect);
  EXPECT_EQ(achDLine[2][78], 0);
  EXPECT_EQ(achDLine[7][78], 'S');
  loadmany(240);
  EXPECT_EQ(stlist(2, 220, 20), 20);
  EXPECT_EQ(tail(achDLine[0], 12), " Page 12/13 ");
  EXPECT_EQ(stlist(2, 240, 20), 0);
}

TEST(StarSearch, ListNeverRunsPastTheLineBuffer) {
  startchart();
  loadmany(100);
  EXPECT_EQ(stlist(2, 0, 100), 62);
  EXPECT_EQ(stlist(2, 0, 0), 0);
  EXPECT_EQ(stlist(2, -5, 10), 0);
}

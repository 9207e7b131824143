#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <vector>

#include "allegro_env.h"
#include "base/constants.h"
#include "chart/blocks.h"
#include "chart/projection.h"
#include "chart/starcat.h"
#include "chart/telescope.h"
#include "minorplanets/appulse.h"
#include "base/settings.h"
#include "ui/appsearch.h"
#include "starcat_fixture.h"

namespace {

// Chart state of a 740 x 440 chart at the centre and zoom, north up.
void chartat(double rahours, double decdeg, int zoom) {
  plotwidth = 740;
  plothigh = 440;
  plotXcen = plotwidth / 2;
  plotYcen = plothigh / 2;
  dStarX = rahours;
  dStarY = decdeg;
  iZoom = zoom;
  iNT[SOUTHUP] = 0;
  PixPerDeg = zoom < 2 ? plothigh / 180.0 : plothigh * pow(1.4142136, zoom) / 180.0;
  plotXscale = zoom < 2 ? plotwidth / 24.0 : 15 * PixPerDeg;
  plotYscale = PixPerDeg;
  dStarXcon = PixPerDeg / dDEGTORAD;
  last = (dStarX + 12) * dRATORAD;
  glat = dDEGTORAD * (90 - dStarY);
  coslat = cos(glat);
  sinlat = sin(glat);
}

// Telescope view of the default skin area (230 x 220) at view zoom 0.
void telescopeat(double rahours, double decdeg) {
  chartat(rahours, decdeg, 2);
  plottelw = 230;
  plottelh = 220;
  plottelXc = 115;
  plottelYc = 110;
  iTZoom = 0;
  Tnorth = Twest = 0;
  TPixPerDeg = plottelh / 4.0;
  dTPixPerRad = TPixPerDeg / dDEGTORAD;
}

std::set<int> markedhours(const int *marks, int band) {
  std::set<int> hours;
  for (int h = 0; h < 24; h++)
    if (marks[band * 24 + h] == BLOCKMARK) hours.insert(h);
  return hours;
}

std::set<int> markedbands(const int *marks) {
  std::set<int> bands;
  for (int b = 0; b < SKYBLOCKS; b++)
    if (marks[b] == BLOCKMARK) bands.insert(b / 24);
  return bands;
}

// Stars reported to the appulse list since it was emptied.
std::set<int> reportedstars() {
  std::set<int> s;
  for (int k = 0; k < iNumApps; k++) {
    EXPECT_EQ(app[k].kind, 1);
    s.insert(app[k].second);
  }
  return s;
}

// n far-away filler stars (near the south pole) to reach a catalogue size.
std::vector<starrec> fillers(int n) { return std::vector<starrec>(n, makestar(9, 500, 'A', '0', 12.0f, -85.0f)); }

int findstarno(int no) {
  for (int i = 0; i < Snum; i++)
    if (star[i].starno == no) return i;
  return -1;
}

}  // namespace

TEST(Blocks, SkyBlockNumbering) {
  EXPECT_EQ(skyblock(0, -90), 0);
  EXPECT_EQ(skyblock(23.9, 89.9), 431);
  EXPECT_EQ(skyblock(3.5, -5), 8 * 24 + 3);
  EXPECT_EQ(skyblock(3.5, 5), 9 * 24 + 3);
}

TEST(Blocks, SkyBlockOfAnyPlaceLiesInTheTable) {
  EXPECT_EQ(skyblock(24.0, 90.0), 431) << "the pole and 24 h keep to the last band and hour";
  EXPECT_EQ(skyblock(-0.5, -95.0), 0);
  EXPECT_EQ(skyblock(NAN, NAN), 0) << "NaN truncates to 0, the lowest band";
  EXPECT_EQ(truncint(-0.7), 0) << "truncation is toward zero";
  EXPECT_EQ(truncint(1e30), INT_MAX);
  EXPECT_EQ(clampint(40, 0, 17), 17);
  EXPECT_DOUBLE_EQ(frac(-2.25), -0.25);
}

TEST(Blocks, ZoomSixAcrossZeroHours) {
  chartat(23.5, 0, 6);
  int count = setblocks();
  std::set<int> bands = markedbands(drawblock);
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(count, 5 * (int)bands.size());
  for (int band : bands) EXPECT_EQ(markedhours(drawblock, band), (std::set<int>{21, 22, 23, 0, 1})) << band;
  // 22.5 degrees of declination in view, plus the corners' spread.
  EXPECT_EQ(*bands.begin(), 7);
  EXPECT_EQ(*bands.rbegin(), 10);
}

TEST(Blocks, ZoomZeroMarksTheWholeSky) {
  chartat(12, 0, 0);
  int count = setblocks();
  for (int b = 0; b < SKYBLOCKS; b++) ASSERT_EQ(drawblock[b], BLOCKMARK) << b;
  EXPECT_EQ(count, 18 * 25);  // 25 columns per band: one hour is marked twice
}

TEST(Blocks, NearThePoleEveryHourUpToTheTopBand) {
  chartat(6, 75, 2);
  setblocks();
  std::set<int> bands = markedbands(drawblock);
  EXPECT_EQ(*bands.rbegin(), 17);
  for (int band : bands) EXPECT_EQ(markedhours(drawblock, band).size(), 24u) << band;
  EXPECT_EQ(bands.count(0), 0u);
}

TEST(Blocks, SouthernCentreIncludesTheBottomBand) {
  chartat(6, -72, 6);
  setblocks();
  std::set<int> bands = markedbands(drawblock);
  EXPECT_EQ(*bands.begin(), 0);
}

TEST(Blocks, MarksAreClearedBetweenViews) {
  chartat(6, 0, 8);
  setblocks();
  chartat(18, 0, 8);
  setblocks();
  for (int band = 0; band < 18; band++) EXPECT_EQ(markedhours(drawblock, band).count(6), 0u);
  EXPECT_EQ(markedhours(drawblock, 9).count(18), 1u);
}

TEST(Blocks, CentreOffTheClockStaysInTheTable) {
  chartat(30, 0, 6);
  setblocks();
  EXPECT_EQ(markedhours(drawblock, 9), (std::set<int>{4, 5, 6, 7}));
}

TEST(Blocks, TelescopeViewNarrowColumns) {
  telescopeat(10.2, 20);
  int count = Tsetblocks();
  std::set<int> bands = markedbands(Tdrawblock);
  // w = 400 / 3250 + 0.4 = 0.52 h: hours 9 and 10 around 10.2 h.
  for (int band : bands) EXPECT_EQ(markedhours(Tdrawblock, band), (std::set<int>{9, 10}));
  EXPECT_EQ(bands, (std::set<int>{10, 11}));
  EXPECT_EQ(count, 4);
}

TEST(Blocks, TelescopeViewNearThePoleTakesEveryHour) {
  telescopeat(3, 86);
  Tsetblocks();
  std::set<int> bands = markedbands(Tdrawblock);
  EXPECT_EQ(*bands.rbegin(), 17);
  for (int band : bands) EXPECT_EQ(markedhours(Tdrawblock, band).size(), 24u);
  telescopeat(3, 84);
  Tsetblocks();
  EXPECT_LT(markedhours(Tdrawblock, 17).size(), 24u);
}

TEST(Blocks, StarExactlyAtTheRadiusIsReported) {
  loadlayers({{makestar(1, 500, 'A', '0', 4.5f, 11.5f), makestar(2, 500, 'A', '0', 4.5f, 11.75f)}});
  iNumApps = 0;
  EXPECT_EQ(searchstarapp(7, 4.5, 10.5, 1.0), 1);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(1)}));
  EXPECT_EQ(app[0].first, 7);
  EXPECT_FLOAT_EQ(app[0].sep, 1.0f);
  iNumApps = 0;
  EXPECT_EQ(searchstarapp(7, 4.5, 10.5, 0.999), 0);
}

TEST(Blocks, SmallCatalogueScansOnlyTheOwnBlock) {
  std::vector<starrec> l7 = fillers(15999 - 2);
  l7.push_back(makestar(1, 500, 'A', '0', 0.1f, 15.0f));    // own block
  l7.push_back(makestar(2, 500, 'A', '0', 23.99f, 15.0f));  // hour 23 of the same band
  loadlayers({l7});
  ASSERT_EQ(Snum, 15999);
  iNumApps = 0;
  EXPECT_EQ(searchstarapp(0, 0.05, 15.0, 1.0), 1);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(1)}));
}

TEST(Blocks, LargeCatalogueScansTheNeighbourBlocks) {
  std::vector<starrec> l7 = fillers(16000 - 3);
  l7.push_back(makestar(1, 500, 'A', '0', 0.1f, 15.0f));
  l7.push_back(makestar(2, 500, 'A', '0', 23.99f, 15.0f));
  std::vector<starrec> l8 = {makestar(3, 750, 'A', '0', 0.02f, 15.5f)};
  loadlayers({l7, l8});
  ASSERT_EQ(Snum, 16000);  // exactly at the switch
  iNumApps = 0;
  EXPECT_EQ(searchstarapp(0, 0.05, 15.0, 1.0), 0);  // the block search returns 0
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(1), findstarno(2), findstarno(3)}));
}

TEST(Blocks, BlockSearchReachesTheBandsAboveAndBelow) {
  std::vector<starrec> l7 = fillers(16000);
  l7.push_back(makestar(1, 500, 'A', '0', 6.02f, 19.8f));  // band below
  l7.push_back(makestar(2, 500, 'A', '0', 6.02f, 30.2f));  // band above
  l7.push_back(makestar(3, 500, 'A', '0', 5.99f, 30.1f)); // left column, band above
  l7.push_back(makestar(4, 500, 'A', '0', 6.02f, 32.0f));  // too far
  loadlayers({l7});
  iNumApps = 0;
  searchstarapp(0, 6.01, 20.3, 0.9);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(1)}));
  iNumApps = 0;
  searchstarapp(0, 6.01, 29.7, 0.6);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(2), findstarno(3)}));
}

TEST(Blocks, BlockSearchReachesTheBandBelowInTheSouth) {
  std::vector<starrec> l7 = fillers(16000);
  l7.push_back(makestar(1, 500, 'A', '0', 11.12f, -10.06f));  // band below a position at -9.95
  l7.push_back(makestar(2, 500, 'A', '0', 14.92f, -20.01f));  // band below -19.97
  l7.push_back(makestar(3, 500, 'A', '0', 3.5f, -0.05f));     // south of the equator
  loadlayers({l7});
  iNumApps = 0;
  searchstarapp(0, 11.1173, -9.9497, 0.15);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(1)}));
  iNumApps = 0;
  searchstarapp(0, 14.9137, -19.9658, 0.15);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(2)}));
  iNumApps = 0;
  searchstarapp(0, 3.5, 0.05, 0.2);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(3)}));
}

TEST(Blocks, OneLayerFileAboveTheSwitchIsScannedWhole) {
  std::vector<starrec> l7 = fillers(16000);
  l7.push_back(makestar(1, 500, 'A', '0', 23.99f, 15.0f));
  std::string path = writetemp("big7.bin", fallbackfile(l7));
  ASSERT_EQ(loadstarfile("/nonexistent", path.c_str()), 0);
  iNumApps = 0;
  EXPECT_EQ(searchstarapp(0, 0.05, 15.0, 1.0), 1);
  EXPECT_EQ(reportedstars(), (std::set<int>{findstarno(1)}));
  remove(path.c_str());
}

TEST(Blocks, BlockOutsideTheSkyReportsNothing) {
  loadlayers({{makestar(1, 500, 'A', '0', 0.5f, -89.5f), makestar(2, 500, 'A', '0', 23.5f, 89.5f)}});
  iNumApps = 0;
  EXPECT_EQ(searchstarblock(-1, 0, 0.5, -89.5, 10), 0);
  EXPECT_EQ(searchstarblock(432, 0, 23.5, 89.5, 10), 0);
  EXPECT_EQ(iNumApps, 0);
  EXPECT_EQ(searchstarblock(0, 0, 0.5, -89.5, 10), 1);
  EXPECT_EQ(searchstarblock(431, 0, 23.5, 89.5, 10), 1);
}

TEST(Blocks, BlockSearchCoversEveryLoadedLayer) {
  std::vector<starrec> l7 = {makestar(1, 500, 'A', '0', 2.5f, 5.0f)};
  std::vector<starrec> l8 = {makestar(2, 750, 'A', '0', 2.6f, 5.0f)};
  std::vector<starrec> l9 = {makestar(3, 850, 'A', '0', 2.4f, 5.0f)};
  std::vector<starrec> l10 = {makestar(4, 950, 'A', '0', 2.5f, 5.2f)};
  loadlayers({l7, l8, l9, l10});
  iNumApps = 0;
  EXPECT_EQ(searchstarblock(9 * 24 + 2, 3, 2.5, 5.0, 2.0), 4);
  EXPECT_EQ(reportedstars(), (std::set<int>{0, 1, 2, 3}));
}

TEST(Blocks, FullAppulseListDropsFurtherStars) {
  loadlayers({std::vector<starrec>(10, makestar(1, 500, 'A', '0', 2.5f, 5.0f))});
  iNumApps = MAXAPPS - 3;
  searchstarapp(0, 2.5, 5.0, 1.0);
  EXPECT_EQ(iNumApps, MAXAPPS);
  iNumApps = 0;
}

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "astro/moon.h"
#include "chart/projection.h"
#include "astro/bodies.h"
#include "chart/skyplot.h"
#include "minorplanets/placekernel.h"
#include "chart/starcat.h"
#include "chart_fixture.h"
#include "minorplanets/positions.h"
#include "starcat_fixture.h"
#include "screen/switches.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "chart/skyview.h"
#include "astro/sun.h"


class Chart : public ::testing::Test {
 protected:
  void SetUp() override {
    startchart();
    iGotamouse = 0;
    drawskyplot(1);  // the first call builds the chart
  }
  // The cursor after one key from (x, y) with the given step.
  void press(int keycode, int x, int y, int step) {
    Xcur = x;
    Ycur = y;
    iCurStep = step;
    int nx = Xcur, ny = Ycur;
    arrowkey(keycode, &nx, &ny);
    clampcursor(&nx, &ny);
    Xcur = nx;
    Ycur = ny;
  }
};

TEST_F(Chart, CursorStaysTenPixelsInsideAndWrapsOnlyForward) {
  int right = plotwidth - 10, bottom = plothigh - 10;
  press(KEYRIGHT, right, 100, 2);
  EXPECT_EQ(Xcur, right);
  press(KEYRIGHT, right, 100, 64);
  EXPECT_EQ(Xcur, 54);  // (right + 64) mod plotwidth
  press(KEYLEFT, 10, 100, 64);
  EXPECT_EQ(Xcur, 10);
  press(KEYUP, 100, 10, 64);
  EXPECT_EQ(Ycur, 10);
  press(KEYDOWN, 100, bottom, 2);
  EXPECT_EQ(Ycur, bottom);
  press(KEYDOWN, 100, bottom, 64);
  EXPECT_EQ(Ycur, 54);
  press(KEYLEFT, 200, 100, 8);
  EXPECT_EQ(Xcur, 192);
  press(KEYUP, 200, 100, 8);
  EXPECT_EQ(Ycur, 92);
}

TEST_F(Chart, StepDoublesAndHalvesWithinOneToSixtyFour) {
  iCurStep = 64;
  drawskyplot('+');
  EXPECT_EQ(iCurStep, 64);
  iCurStep = 1;
  drawskyplot('-');
  EXPECT_EQ(iCurStep, 1);
  iCurStep = 8;
  drawskyplot('+');
  EXPECT_EQ(iCurStep, 16);
  drawskyplot('-');
  drawskyplot('-');
  EXPECT_EQ(iCurStep, 4);
}

TEST_F(Chart, ArrowMovesTheCursorAndItsSkyPosition) {
  iCurStep = 16;
  int x = Xcur;
  double oldra = ra;
  drawskyplot(KEYRIGHT);
  EXPECT_EQ(Xcur, x + 16);
  EXPECT_LT(ra, oldra);  // north up: R.A. grows to the left
  double r, d;
  getradechours(Xcur, Ycur, &r, &d);
  EXPECT_DOUBLE_EQ(ra, r);
  EXPECT_DOUBLE_EQ(dec, d);
}

TEST_F(Chart, MovingTheCursorPutsBackWhatLayUnderIt) {
  BITMAP *before = create_bitmap(plotwidth, plothigh);
  getradechours(200, 100, &ra, &dec);
  iReplot = 1;
  drawskyplot(1);
  int x0 = Xcur, y0 = Ycur;
  blit(SKYbmp, before, 0, 0, 0, 0, plotwidth, plothigh);
  iCurStep = 64;
  drawskyplot(KEYRIGHT);
  ASSERT_EQ(Xcur, x0 + 64);
  // Where the cursor was, the chart is as it was before the cursor came.
  EXPECT_EQ(getpixel(before, x0 - 10, y0), colour[PALDARKCYAN]);
  EXPECT_EQ(getpixel(SKYbmp, x0 - 10, y0), 0);
  EXPECT_EQ(getpixel(SKYbmp, Xcur - 10, y0), colour[PALDARKCYAN]);  // the cursor's left tick
  destroy_bitmap(before);
}

TEST_F(Chart, ZoomKeys) {
  iZoom = 2;
  drawskyplot(KEYF3);
  EXPECT_EQ(iZoom, 0);
  drawskyplot(KEYF4);
  EXPECT_EQ(iZoom, 2);
  drawskyplot(KEYF4);
  EXPECT_EQ(iZoom, 3);
  drawskyplot(KEYF3);
  EXPECT_EQ(iZoom, 2);
  iZoom = 12;
  drawskyplot(KEYF4);
  EXPECT_EQ(iZoom, 12);
  drawskyplot('1');
  EXPECT_EQ(iZoom, 0);
}

TEST_F(Chart, ZoomInCentresOnTheCursorAndKeepsItOnTheSamePlace) {
  iCurStep = 64;
  drawskyplot(KEYLEFT);
  drawskyplot(KEYUP);
  double r = ra, d = dec;
  drawskyplot(KEYF4);
  EXPECT_DOUBLE_EQ(dStarX, r);
  EXPECT_DOUBLE_EQ(dStarY, d);
  EXPECT_LE(abs(Xcur - plotXcen), 1);
  EXPECT_LE(abs(Ycur - plotYcen), 1);
}

TEST_F(Chart, OneKeepsTheCentre) {
  dStarX = 3;
  dStarY = 30;
  iZoom = 5;
  drawskyplot('1');
  EXPECT_EQ(iZoom, 0);
  EXPECT_DOUBLE_EQ(dStarX, 3);
  EXPECT_DOUBLE_EQ(dStarY, 30);
}

TEST_F(Chart, SwitchKeysToggleTheirSettings) {
  const struct { int key; int *setting; } cases[] = {{'#', &flag[SHOWGRID]},  {'a', &flag[PLOTMPS]}, {'n', &iNT[SOUTHUP]},
                                                     {'c', &flag[CONSTNAMES]}, {'t', &flag[TELESCOPEON]},  {'T', &flag[TELESCOPEON]},
                                                     {'l', &flag[CURSORLOCK]}, {'L', &flag[CURSORLOCK]}};
  for (auto &c : cases) {
    int was = *c.setting;
    EXPECT_EQ(chartkey(c.key), 1) << (char)c.key;
    EXPECT_EQ(*c.setting, 1 - was) << (char)c.key;
    chartkey(c.key);
    EXPECT_EQ(*c.setting, was) << (char)c.key;
  }
  EXPECT_EQ(chartkey('x'), 0);
  EXPECT_EQ(chartkey(KEYUP), 0);
}

TEST_F(Chart, StarKeyAlternatesTychoAndHipparcos) {
  catnum = 1;
  chartkey('*');
  EXPECT_EQ(catnum, 0);
  EXPECT_STREQ(StarCatID, "TYC");
  EXPECT_GT(Snum, 100000);
  chartkey('*');
  EXPECT_EQ(catnum, 1);
  EXPECT_STREQ(StarCatID, "HIP");
  EXPECT_GT(Snum10, 0);
  chartkey('*');
  EXPECT_EQ(catnum, 0);
}

TEST_F(Chart, MouseOnlyWhenUnlockedInstalledAndStrictlyInside) {
  int x = 0, y = 0;
  iGotamouse = 1;
  flag[CURSORLOCK] = 0;
  EXPECT_EQ(mousecursor(plotXst + 50, plotYst + 60, &x, &y), 1);
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 60);
  EXPECT_EQ(mousecursor(plotXst, plotYst + 60, &x, &y), 0);
  EXPECT_EQ(mousecursor(plotXst + 50, plotYst + plothigh, &x, &y), 0);
  flag[CURSORLOCK] = 1;
  EXPECT_EQ(mousecursor(plotXst + 80, plotYst + 90, &x, &y), 0);
  EXPECT_EQ(x, 50);
  flag[CURSORLOCK] = 0;
  iGotamouse = 0;
  EXPECT_EQ(mousecursor(plotXst + 80, plotYst + 90, &x, &y), 0);
}

TEST_F(Chart, EveryClickMovesTheCursorUnlessLocked) {
  int x = 0, y = 0;
  iGotamouse = 1;
  flag[CURSORLOCK] = 0;
  EXPECT_EQ(mousecursor(plotXst + 50, plotYst + 60, &x, &y), 1);
  x = y = 0;
  EXPECT_EQ(mousecursor(plotXst + 50, plotYst + 60, &x, &y), 1) << "a second click at the same place";
  EXPECT_EQ(x, 50);
  flag[CURSORLOCK] = 1;
  EXPECT_EQ(mousecursor(plotXst + 70, plotYst + 60, &x, &y), 0);
  flag[CURSORLOCK] = 0;
  iGotamouse = 0;
}

TEST_F(Chart, ZoomingWithTheMouseRestingOnTheChartKeepsTheCentre) {
  iGotamouse = 1;
  flag[CURSORLOCK] = 0;
  iZoom = 0;
  dStarX = ra = 5.0;
  dStarY = dec = 0.0;
  iReplot = 1;
  drawskyplot(1);
  // The pointer rests a quarter of the chart away from the cursor.
  mouse_x = plotXst + plotwidth / 4;
  mouse_y = plotYst + plothigh / 4;
  drawskyplot('#');  // a pointer that only came leaves the cursor
  double cra = ra, cdec = dec;
  EXPECT_NEAR(cra, 5.0, 0.1);
  for (int k = 0; k < 5; k++) {
    drawskyplot(KEYF4);
    EXPECT_NEAR(dStarX, cra, 1e-9) << "zoom " << iZoom;
    EXPECT_NEAR(dStarY, cdec, 1e-9) << "zoom " << iZoom;
    EXPECT_GE(Xcur, 10);
    EXPECT_LE(Xcur, plotwidth - 10);
  }
  mouse_x = mouse_y = 0;
  iGotamouse = 0;
}

TEST_F(Chart, RebuildBringsTheCursorOntoTheChart) {
  iZoom = 8;
  dStarX = 12.0;
  dStarY = 0.0;
  ra = 18.0;  // a quarter of the sky away: far off the chart at this zoom
  dec = 40.0;
  rebuildchart();
  EXPECT_GE(Xcur, 10);
  EXPECT_LE(Xcur, plotwidth - 10);
  EXPECT_GE(Ycur, 10);
  EXPECT_LE(Ycur, plothigh - 10);
  double rh, dd;
  getradechours(Xcur, Ycur, &rh, &dd);
  EXPECT_DOUBLE_EQ(ra, rh) << "the cursor's sky position follows it";
  EXPECT_DOUBLE_EQ(dec, dd);
  isplotable(12.0, 0.0);
  int cx = iXplot, cy = iYplot;
  ra = 12.0;  // on the chart: kept exactly
  dec = 0.0;
  rebuildchart();
  EXPECT_EQ(Xcur, cx);
  EXPECT_EQ(Ycur, cy);
  EXPECT_DOUBLE_EQ(ra, 12.0);
}

TEST_F(Chart, LockedCursorIgnoresTheMouse) {
  iGotamouse = 1;
  flag[CURSORLOCK] = 1;
  position_mouse(plotXst + 40, plotYst + 40);  // no driver: the position stays 0, 0
  int x = Xcur, y = Ycur;
  drawskyplot('#');
  EXPECT_EQ(Xcur, x);
  EXPECT_EQ(Ycur, y);
}

TEST_F(Chart, StatusLineForms) {
  char text[96];
  setstarplot(2);
  Xcur = 7;
  Ycur = 123;
  iDEBUG = 0;
  statustext(text, 5);
  EXPECT_EQ(std::string(text).substr(0, 21), "Zoom 2 xy:007 123 RA ");
  EXPECT_NE(strstr(text, "  Dec "), nullptr);
  iDEBUG = 1;
  statustext(text, 5);
  char expect[32];
  snprintf(expect, sizeof expect, "Z2 (%05d) xy:007 123 RA ", plotXmax);
  EXPECT_EQ(std::string(text).substr(0, strlen(expect)), expect);
  EXPECT_EQ(text[strlen(text) - 1], '5');
  iDEBUG = 0;
}

TEST_F(Chart, StatusLineAlsoForKeyZeroButNoRebuild) {
  clear_bitmap(VIDbmp);
  putpixel(SKYbmp, 300, 50, colour[PALMAGENTA]);
  iReplot = 1;
  EXPECT_EQ(drawskyplot(0), 0);
  EXPECT_EQ(getpixel(VIDbmp, 320, VIDbmp->h - 1), colour[PALLIGHTGREY]);
  EXPECT_EQ(getpixel(SKYbmp, 300, 50), colour[PALMAGENTA]) << "key 0 rebuilt the chart";
  EXPECT_EQ(getpixel(VIDbmp, plotXst + 300, plotYst + 50), colour[PALMAGENTA]) << "chart not shown";
  EXPECT_GT(drawskyplot(1), 0) << "the pending rebuild runs with the next key";
  EXPECT_EQ(getpixel(SKYbmp, 300, 50), 0);
  EXPECT_EQ(drawskyplot(1), 0) << "request cleared";
}

TEST_F(Chart, StatusLineTextStaysInsideItsBox) {
  data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
  ASSERT_NE(data, nullptr);
  oldfont = font;
  setuserfont(4);  // the menu font is selected while the chart runs
  for (int debug : {0, 1}) {
    iDEBUG = debug;
    clear_bitmap(VIDbmp);
    drawskyplot(0);
    int h = VIDbmp->h, inked = 0, lastrowink = 0, pastbox = 0;
    for (int y = h - 14; y < h; y++)
      for (int x = 0; x < 400; x++) {
        if (getpixel(VIDbmp, x, y) != colour[PALDARKRED]) continue;
        inked++;
        if (y >= h - 2) lastrowink++;
        if (x > 330) pastbox++;
      }
    EXPECT_GT(inked, 100) << debug;
    EXPECT_EQ(lastrowink, 0) << "letters cut at the screen's bottom edge";
    EXPECT_EQ(pastbox, 0) << "text runs past its box";
  }
  iDEBUG = 0;
  font = oldfont;
  userfont = nullptr;  // it points into the datafile
  unload_datafile(data);
  data = nullptr;
}

TEST_F(Chart, RebuildDrawsFrameCursorAndStarsOverTheGrid) {
  // A star exactly on the 12 h grid line at declination +30.
  loadchartstars({{makestar(1, 500, 'M', '0', 12.0f, 30.0f)}});
  flag[SHOWGRID] = 1;
  iReplot = 1;
  drawskyplot(1);
  EXPECT_EQ(getpixel(SKYbmp, 0, 0), colour[PALYELLOW]);
  EXPECT_EQ(getpixel(SKYbmp, plotwidth - 1, plothigh - 1), colour[PALYELLOW]);
  int gx = (int)(12 * plotXscale);
  EXPECT_EQ(getpixel(SKYbmp, gx, 40), colour[PALDARKBLUE]);
  isplotable(12, 30);
  EXPECT_EQ(iXplot, gx);
  EXPECT_EQ(getpixel(SKYbmp, iXplot, iYplot), calcstar[0].starcolour);
  EXPECT_EQ(getpixel(SKYbmp, Xcur + 7, Ycur), colour[PALDARKCYAN]);
}

TEST_F(Chart, WholeSkyGridLinesAndTurnedNumerals) {
  clear_bitmap(SKYbmp);
  setstarplot(0);
  drawcoords();
  for (int i = 1; i <= 23; i++) EXPECT_EQ(getpixel(SKYbmp, (int)(i * plotXscale), 30), colour[PALDARKBLUE]) << i;
  for (int j = -8; j <= 8; j++)
    EXPECT_EQ(getpixel(SKYbmp, 300, plotYcen - (int)(10 * j * plotYscale)), colour[PALDARKBLUE]) << j;
  EXPECT_EQ(getpixel(SKYbmp, (int)(0.5 * plotXscale), 30), 0);
}

TEST_F(Chart, ZoomedGridFollowsTheProjection) {
  // The hour circle 3 h and the declination circle +40 pass through the
  // chart near these points.
  static const double ongrid[2][2] = {{3.0, 45.5}, {3.45, 40.0}};
  for (int z : {2, 6, 12}) {
    centrechart(3.5, 45, z);
    clear_bitmap(SKYbmp);
    drawcoords();
    for (const auto &p : ongrid) {
      if (!isplotable(p[0], p[1])) continue;
      EXPECT_GT(litpixels(SKYbmp, iXplot - 1, iYplot - 1, iXplot + 1, iYplot + 1), 0) << z;
    }
  }
}

TEST_F(Chart, SunOppositionAndMoonMarkers) {
  day = 2460000.5;  // 2023 Feb 24: Sun near 22.5 h, Moon about 45 degrees east of it
  PASSDATE pd;  // the chart is J2000, seen from the observing place
  passdate(day, &pd);
  double sr, sd, mr, md, mdist;
  sunplace(&pd.obs, &sr, &sd);
  moonplace(&pd.obs, &mr, &md, &mdist);
  flag[SHOWGRID] = flag[PLOTMPS] = flag[CONSTNAMES] = 0;
  iReplot = 1;
  drawskyplot(1);
  EXPECT_DOUBLE_EQ(Sunra, sr);
  EXPECT_DOUBLE_EQ(Sundec, sd);
  // Zoom 0: a quarter degree is under 3 pixels, so the radius is 3.
  ASSERT_TRUE(isplotable(sr, sd));
  EXPECT_EQ(getpixel(SKYbmp, iXplot + 3, iYplot), colour[PALRED]);
  EXPECT_NE(getpixel(SKYbmp, iXplot + 2, iYplot), colour[PALRED]);
  ASSERT_TRUE(isplotable(oppositionra(sr), -sd));
  EXPECT_EQ(getpixel(SKYbmp, iXplot + 6, iYplot), colour[PALLIGHTGREY]) << "the opposition circle is twice as wide";
  EXPECT_EQ(getpixel(SKYbmp, iXplot - 6, iYplot), colour[PALLIGHTGREY]);
  EXPECT_DOUBLE_EQ(Moonra, mr);
  EXPECT_DOUBLE_EQ(Moondec, md);
  ASSERT_TRUE(isplotable(Moonra, Moondec));
  EXPECT_EQ(getpixel(SKYbmp, iXplot, iYplot - 3), colour[PALWHITE]);
  // Zoom 8 centred on the Sun (cursor off it): radius PixPerDeg / 4.
  dStarX = sr;
  dStarY = sd;
  ra = sr + 0.2;
  dec = sd;
  iZoom = 8;
  iReplot = 1;
  drawskyplot(1);
  int r = (int)(PixPerDeg / 4);
  ASSERT_GT(r, 3);
  ASSERT_TRUE(isplotable(sr, sd));
  EXPECT_EQ(getpixel(SKYbmp, iXplot + r, iYplot), colour[PALRED]);
  EXPECT_EQ(getpixel(SKYbmp, iXplot, iYplot + r), colour[PALRED]);
}

// The opposition marker stands at the antisolar point: PyEphem's
// astrometric Sun turned 180 degrees along the ecliptic of J2000.
TEST(ChartMarkers, OppositionPointOfTheSun) {
  EXPECT_DOUBLE_EQ(oppositionra(13.5), 1.5);
  EXPECT_DOUBLE_EQ(oppositionra(3), 15);
  EXPECT_DOUBLE_EQ(oppositionra(12), 24);
  double kept = day;
  day = 2461383.375;
  skymarkers();
  day = kept;
  EXPECT_NEAR(oppositionra(Sunra), 5.0159577, 0.002);
  EXPECT_NEAR(-Sundec, 22.7422230, 0.02);
}

#include <gtest/gtest.h>

#include <cmath>

#include "chart/projection.h"
#include "chart/starcat.h"
#include "chart_fixture.h"
#include "starcat_fixture.h"
#include "base/settings.h"
#include "screen/display.h"

static double zoomscale(int z) {
  double s = 1;
  for (int k = 0; k < z; k++) s *= 1.4142136;
  return s;
}

TEST(Projection, ChartGeometryFollowsTheCellSize) {
  startchart(32, 640, 480);
  EXPECT_EQ(plotwidth, 592);
  EXPECT_EQ(plothigh, 352);
  EXPECT_EQ(plotXst, 16);
  EXPECT_EQ(plotYst, 64);
  EXPECT_EQ(plotXcen, 296);
  EXPECT_EQ(plotYcen, 176);
  EXPECT_EQ(SKYbmp->w, 592);
  EXPECT_EQ(SKYbmp->h, 352);
  EXPECT_EQ(Xcur, plotXcen);
  EXPECT_EQ(Ycur, plotYcen);
  EXPECT_EQ(iZoom, 0);
  EXPECT_DOUBLE_EQ(dStarX, 12.0);
  EXPECT_DOUBLE_EQ(dStarY, 0.0);
  startchart(32, 1280, 1024);
  EXPECT_EQ(plotwidth, 74 * 16);
  EXPECT_EQ(plothigh, 22 * 32);
  EXPECT_EQ(plotXst, 32);
  EXPECT_EQ(plotYst, 128);
}

TEST(Projection, TelescopeAreaIsTheDefaultSkinsInsideTheChart) {
  startchart();
  EXPECT_EQ(plottelw, 230);
  EXPECT_EQ(plottelh, 220);
  EXPECT_EQ(plottelXc, 115);
  EXPECT_EQ(plottelYc, 110);
  clear_bitmap(SKYbmp);
  putpixel(TELbmp, 0, 0, colour[PALWHITE]);
  EXPECT_EQ(getpixel(SKYbmp, 10, 30), colour[PALWHITE]);
  EXPECT_EQ(getpixel(SKYbmp, 9, 30), 0);
}

TEST(Projection, CursorImageIsARingWithTicksOnTransparent) {
  startchart();
  EXPECT_EQ(getpixel(bmpCursor, 10, 10), colour[PALMASK]);
  EXPECT_EQ(getpixel(bmpCursor, 15, 10), colour[PALDARKCYAN]);  // ring
  EXPECT_EQ(getpixel(bmpCursor, 10, 5), colour[PALDARKCYAN]);
  EXPECT_EQ(getpixel(bmpCursor, 0, 10), colour[PALDARKCYAN]);   // ticks
  EXPECT_EQ(getpixel(bmpCursor, 19, 10), colour[PALDARKCYAN]);
  EXPECT_EQ(getpixel(bmpCursor, 10, 0), colour[PALDARKCYAN]);
  EXPECT_EQ(getpixel(bmpCursor, 10, 19), colour[PALDARKCYAN]);
  EXPECT_EQ(getpixel(bmpCursor, 0, 0), colour[PALMASK]);
}

TEST(Projection, ZoomScales) {
  startchart();
  setstarplot(1);
  EXPECT_EQ(iZoom, 0);
  EXPECT_DOUBLE_EQ(PixPerDeg, 352 / 180.0);
  EXPECT_DOUBLE_EQ(plotXscale, 592 / 24.0);
  for (int z = 2; z <= 12; z++) {
    setstarplot(z);
    EXPECT_EQ(iZoom, z);
    EXPECT_NEAR(PixPerDeg, 352 * zoomscale(z) / 180, 1e-9);
    EXPECT_DOUBLE_EQ(plotXscale, 15 * PixPerDeg);
    EXPECT_DOUBLE_EQ(plotYscale, PixPerDeg);
    EXPECT_DOUBLE_EQ(dStarXcon, PixPerDeg / dDEGTORAD);
    EXPECT_EQ(plotXmax, (int)(PixPerDeg * 360));
  }
  // Zoom 2 spans 90 degrees, zoom 12 about 2.8.
  setstarplot(2);
  EXPECT_NEAR(plothigh / PixPerDeg, 90, 1e-4);
  setstarplot(12);
  EXPECT_NEAR(plothigh / PixPerDeg, 2.8125, 1e-4);
  setstarplot(40);
  EXPECT_EQ(iZoom, 12);
}

TEST(Projection, WholeSkyPlacesHoursAndDegrees) {
  startchart();
  setstarplot(0);
  EXPECT_EQ(isplotable(0, 0), 0);  // R.A. 0 h is x = plotwidth
  EXPECT_EQ(iXplot, plotwidth);
  EXPECT_EQ(isplotable(12, 0), 1);
  EXPECT_EQ(iXplot, plotwidth / 2);
  EXPECT_EQ(iYplot, plotYcen);
  EXPECT_EQ(isplotable(6, 45), 1);
  EXPECT_EQ(iXplot, plotwidth - (int)(6 * plotXscale));
  EXPECT_EQ(iYplot, plotYcen - (int)(45 * plotYscale));
  EXPECT_EQ(iXplotold, plotwidth / 2);  // the pixel before is kept
  iNT[SOUTHUP] = 1;
  EXPECT_EQ(isplotable(6, 45), 1);
  EXPECT_EQ(iXplot, (int)(6 * plotXscale));
  EXPECT_EQ(iYplot, plotYcen + (int)(45 * plotYscale));
}

TEST(Projection, OneHourEastLiesLeftNorthUpAndRightTurned) {
  startchart();
  centrechart(12, 0, 2);
  ASSERT_EQ(isplotable(13, 0), 1);
  EXPECT_NEAR(iXplot, plotXcen - 15 * PixPerDeg, 1.0);
  EXPECT_EQ(iYplot, plotYcen);
  iNT[SOUTHUP] = 1;
  ASSERT_EQ(isplotable(13, 0), 1);
  EXPECT_NEAR(iXplot, plotXcen + 15 * PixPerDeg, 1.0);
  EXPECT_EQ(iYplot, plotYcen);
}

TEST(Projection, HourCircleOfTheCentreKeepsDeclinationDifferences) {
  startchart();
  centrechart(0, 60, 4);
  double h, A;
  getaltaz(0, 70, &h, &A);
  EXPECT_NEAR(h, 10 * M_PI / 180, 1e-7);
  EXPECT_NEAR(A, 0, 1e-7);
  ASSERT_EQ(isplotable(0, 70), 1);
  EXPECT_EQ(iXplot, plotXcen);
  EXPECT_NEAR(iYplot, plotYcen - 10 * PixPerDeg, 1.0);
  ASSERT_EQ(isplotable(0, 55), 1);
  EXPECT_NEAR(iYplot, plotYcen + 5 * PixPerDeg, 1.0);
  iNT[SOUTHUP] = 1;
  ASSERT_EQ(isplotable(0, 70), 1);
  EXPECT_NEAR(iYplot, plotYcen + 10 * PixPerDeg, 1.0);
}

TEST(Projection, FarWestIsFoldedBeforePlacing) {
  startchart();
  centrechart(12, 0, 2);
  double rahours = 12 - 179 / 15.0;  // 179 degrees west on the equator
  double h, A;
  getaltaz(rahours, 0, &h, &A);
  EXPECT_NEAR(A, (360 - 179) * M_PI / 180, 1e-6);  // longitude 0..2 pi
  isplotable(rahours, 0);
  EXPECT_NEAR(iXplot, plotXcen + 179 * PixPerDeg, 2.0);
}

TEST(Projection, CentrePixelGivesTheCentreBack) {
  startchart();
  const double centres[][2] = {{12, 0}, {0.5, 30}, {23.9, -45}, {6, 89}, {18, -89}};
  for (auto &c : centres) {
    for (int z : {2, 7, 12}) {
      centrechart(c[0], c[1], z);
      double r, d;
      getradec(plotXcen, plotYcen, &r, &d);
      EXPECT_GE(r, 0);
      EXPECT_LE(r, 2 * M_PI);
      // The truncated degree factor differs from the true one by 3e-8.
      EXPECT_NEAR(d / dDEGTORAD, c[1], 1e-5);
      if (fabs(c[1]) < 89) {
        EXPECT_NEAR(r / dRATORAD, c[0], 1e-5);
      }
    }
  }
}

// Pixel -> sky -> pixel comes back to the same pixel (within rounding).
TEST(Projection, RoundTripsAtEveryZoomAndOrientation) {
  startchart();
  const double centres[][2] = {{12, 0}, {3.2, 41}, {20, -63}, {0.1, 85}, {11, -85}};
  const int pixels[][2] = {{20, 20}, {296, 176}, {570, 330}, {100, 300}, {450, 40}};
  for (int turned = 0; turned < 2; turned++) {
    iNT[SOUTHUP] = turned;
    for (auto &c : centres) {
      for (int z : {0, 2, 3, 5, 8, 12}) {
        centrechart(c[0], c[1], z);
        for (auto &p : pixels) {
          double r, d;
          getradec(p[0], p[1], &r, &d);
          ASSERT_EQ(isplotable(r / dRATORAD, d / dDEGTORAD), 1) << z << " " << p[0] << "," << p[1];
          EXPECT_LE(abs(iXplot - p[0]), 1) << "zoom " << z << " turned " << turned << " centre " << c[1];
          EXPECT_LE(abs(iYplot - p[1]), 1) << "zoom " << z << " turned " << turned << " centre " << c[1];
        }
      }
    }
  }
}

TEST(Projection, ZatanQuadrants) {
  EXPECT_DOUBLE_EQ(zatan2(0, 0), 0);
  EXPECT_DOUBLE_EQ(zatan2(0, 1), M_PI / 2);
  EXPECT_DOUBLE_EQ(zatan2(0, -1), 3 * M_PI / 2);
  EXPECT_DOUBLE_EQ(zatan2(1, 0), 0);
  EXPECT_DOUBLE_EQ(zatan2(-1, 0), M_PI);
  EXPECT_DOUBLE_EQ(zatan2(1, 1), M_PI / 4);
  EXPECT_DOUBLE_EQ(zatan2(-1, 1), 3 * M_PI / 4);
  EXPECT_DOUBLE_EQ(zatan2(-1, -1), 5 * M_PI / 4);
  EXPECT_DOUBLE_EQ(zatan2(1, -1), 7 * M_PI / 4);
}

TEST(Projection, FrameInverseUndoesTheRotation) {
  startchart();
  centrechart(7.5, -20, 6);
  const double places[][2] = {{7.5, -20}, {0.2, 10}, {23.7, -70}, {13, 45}, {7.6, -19.9}};
  for (auto &p : places) {
    double h, A, r, d;
    getaltaz(p[0], p[1], &h, &A);
    EXPECT_GE(A, 0);
    EXPECT_LT(A, 2 * M_PI);
    altazradec(h, A, &r, &d);
    EXPECT_NEAR(r / dRATORAD, p[0], 1e-6);
    EXPECT_NEAR(d / dDEGTORAD, p[1], 1e-6);
  }
}

TEST(Projection, StarFrameMatchesThePositionFrame) {
  startchart();
  loadchartstars({{makestar(1, 500, 'G', '2', 5.25f, 33.5f), makestar(2, 300, 'A', '0', 17.9f, -61.0f)}});
  centrechart(6, 20, 5);
  for (int i = 0; i < 2; i++) {
    double h1, A1, h2, A2;
    int c = staraltaz(i, &h1, &A1);
    getaltaz(star[i].rahours, star[i].decdeg, &h2, &A2);
    EXPECT_EQ(c, calcstar[i].starcolour);
    EXPECT_NEAR(h1, h2, 1e-5);
    EXPECT_NEAR(A1, A2, 1e-5);
  }
}

TEST(Projection, UndefinedPositionsLandOffTheChart) {
  startchart();
  centrechart(12, 0, 4);
  EXPECT_EQ(isplotable(NAN, 0), 0);
  setstarplot(0);
  EXPECT_EQ(isplotable(1e300, 0), 0);
  EXPECT_EQ(isplotable(12, -1e300), 0);
}

TEST(Projection, ShowChartCopiesToTheVideoBuffer) {
  startchart();
  clear_bitmap(VIDbmp);
  clear_bitmap(SKYbmp);
  putpixel(SKYbmp, 5, 7, colour[PALYELLOW]);
  showchart();
  EXPECT_EQ(getpixel(VIDbmp, plotXst + 5, plotYst + 7), colour[PALYELLOW]);
  EXPECT_EQ(getpixel(VIDbmp, plotXst + 4, plotYst + 7), 0);
}

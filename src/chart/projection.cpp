#include "chart/projection.h"

#include <cmath>

#include "chart/starcat.h"
#include "startup/settings.h"

BITMAP *SKYbmp;
int plotwidth, plothigh;
int plotXst, plotYst;
int plotXcen, plotYcen;
double dStarX = 12.0, dStarY = 0.0;
int iZoom;
double PixPerDeg;
double plotXscale, plotYscale;
double dStarXcon;
int plotXmax;
double last, glat, coslat, sinlat;
int iXplot, iYplot, iXplotold, iYplotold;
int Xcur, Ycur;
double ra, dec;
BITMAP *bmpCursor, *bgCursor;
BITMAP *TELbmp;
int plottelX, plottelY;
int plottelw, plottelh, plottelXc, plottelYc;

static const double kTwoPi = 2.0 * M_PI;

double zatan2(double x, double y) {
  if (x == 0) {
    if (y == 0) return 0;
    return y > 0 ? M_PI / 2 : 3 * M_PI / 2;
  }
  if (y == 0) return x > 0 ? 0 : M_PI;
  double a = atan(y / x);
  if (x < 0) return a + M_PI;
  return y < 0 ? a + kTwoPi : a;
}

int altazradec(double h, double A, double *rao, double *deco) {
  double x = sin(h) * coslat - cos(h) * cos(A) * sinlat;
  double y = -cos(h) * sin(A);
  *deco = asin(sin(h) * sinlat + cos(h) * cos(A) * coslat);
  double a = zatan2(x, y) + last;
  while (a < 0) a += kTwoPi;
  while (a > kTwoPi) a -= kTwoPi;
  *rao = a;
  return 0;
}

int getradec(int x, int y, double *rao, double *deco) {
  bool turned = iNT[22] != 0;
  if (iZoom < 2) {
    if (turned) {
      *rao = x / plotXscale * dRATORAD;
      *deco = (y - plotYcen) / plotYscale * dDEGTORAD;
    } else {
      *rao = (plotwidth - x) / plotXscale * dRATORAD;
      *deco = (plotYcen - y) / plotYscale * dDEGTORAD;
    }
    return 0;
  }
  double dx = turned ? x - plotXcen : plotXcen - x;
  double dy = turned ? y - plotYcen : plotYcen - y;
  return altazradec(dy / dStarXcon, dx / dStarXcon, rao, deco);
}

#include "chart/projection.h"

#include <cmath>

#include "base/constants.h"
#include "chart/starcat.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "base/settings.h"
#include "screen/display.h"

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

// Each zoom step shrinks the field by this root of two.
static const double kZoomStep = 1.4142136;
static const double kFarPixel = 1e7;

int foldedaltaz(double rahours, double decdeg, double *h, double *A) {
  getaltaz(rahours, decdeg, h, A);
  if (*A > DPI) *A -= D2PI;
  return 0;
}

void wholeskypixel(double rahours, double decdeg, int turned, int *x, int *y) {
  int dx = pixtrunc(rahours * plotXscale), dy = pixtrunc(decdeg * plotYscale);
  *x = turned ? dx : plotwidth - dx;
  *y = turned ? plotYcen + dy : plotYcen - dy;
}

int pixtrunc(double v) {
  if (!(v == v)) return (int)kFarPixel;
  if (v > kFarPixel) return (int)kFarPixel;
  if (v < -kFarPixel) return -(int)kFarPixel;
  return (int)v;
}

int cliptochart(int *x, int *y, int *w, int *h) {
  if (*x < 0) *w += *x, *x = 0;
  if (*y < 0) *h += *y, *y = 0;
  if (*x > plotwidth - 1) *x = plotwidth - 1;
  if (*y > plothigh - 1) *y = plothigh - 1;
  if (*w > plotwidth - *x) *w = plotwidth - *x;
  if (*h > plothigh - *y) *h = plothigh - *y;
  if (*w < 1) *w = 1;
  if (*h < 1) *h = 1;
  return 0;
}

int inchart(int x, int y) { return x > 0 && x < plotwidth && y > 0 && y < plothigh; }

// The cursor image: a ring of radius 5 with four ticks, on transparent.
static void drawcursorimage() {
  clear_to_color(bmpCursor, colour[PALMASK]);
  int c = colour[PALDARKCYAN];
  circle(bmpCursor, 10, 10, 5, c);
  line(bmpCursor, 0, 10, 7, 10, c);
  line(bmpCursor, 10, 0, 10, 7, c);
  line(bmpCursor, 12, 10, 19, 10, c);
  line(bmpCursor, 10, 12, 10, 19, c);
}

static void freechartbitmaps() {
  BITMAP **all[] = {&TELbmp, &SKYbmp, &bmpCursor, &bgCursor};
  for (BITMAP **b : all) {
    if (*b) destroy_bitmap(*b);
    *b = nullptr;
  }
}

int skymapinit() {
  freechartbitmaps();
  plotwidth = 74 * HORScale;
  plothigh = 22 * VRTScale;
  plotXst = 2 * HORScale;
  plotYst = 4 * VRTScale;
  plotXcen = plotwidth / 2;
  plotYcen = plothigh / 2;
  SKYbmp = create_bitmap(plotwidth, plothigh);
  bmpCursor = create_bitmap(CURSORSIZE, CURSORSIZE);
  bgCursor = create_bitmap(CURSORSIZE, CURSORSIZE);
  if (!SKYbmp || !bmpCursor || !bgCursor) {
    freechartbitmaps();
    return -1;
  }
  clear_bitmap(SKYbmp);
  clear_bitmap(bgCursor);
  drawcursorimage();
  iZoom = 0;
  dStarX = 12.0;
  dStarY = 0;
  Xcur = plotXcen;
  Ycur = plotYcen;
  plottelX = plottelY = 0;
  initskin(get_color_depth(), chSTR[SKINNAME]);
  int x, y, w, h;
  getteledim(plottelX, plottelY, &x, &y, &w, &h);
  cliptochart(&x, &y, &w, &h);
  TELbmp = create_sub_bitmap(SKYbmp, x, y, w, h);
  if (!TELbmp) {
    freechartbitmaps();
    return -1;
  }
  plottelw = TELbmp->w;
  plottelh = TELbmp->h;
  plottelXc = plottelw / 2;
  plottelYc = plottelh / 2;
  registerskinposition(SKYbmp, plottelX, plottelY, plotXst, plotYst);
  setstarplot(iZoom);
  getradechours(Xcur, Ycur, &ra, &dec);
  return 0;
}

int setframe() {
  last = (dStarX + 12) * dRATORAD;
  glat = dDEGTORAD * (90 - dStarY);
  coslat = cos(glat);
  sinlat = sin(glat);
  return 0;
}

double zoomfactor(int zoom) {
  double scale = 1;
  for (int z = 0; z < zoom; z++) scale *= kZoomStep;
  return scale;
}

int setstarplot(int zoom) {
  if (zoom < 2) zoom = 0;
  if (zoom > MAXZOOM) zoom = MAXZOOM;
  iZoom = zoom;
  setframe();
  plothigh = 22 * VRTScale;
  PixPerDeg = plothigh * zoomfactor(zoom) / 180.0;
  plotXscale = zoom == 0 ? plotwidth / 24.0 : 15 * PixPerDeg;
  plotYscale = PixPerDeg;
  dStarXcon = PixPerDeg / dDEGTORAD;
  plotXmax = pixtrunc(PixPerDeg * 360);
  return 0;
}

// The rotation of the frame from the sines and cosines of a position and
// its hour angle from the frame's origin.
static void rotate(double sind, double cosd, double H, double *h, double *A) {
  double cosH = cos(H), sinH = sin(H);
  *A = zatan2(sind * coslat - cosd * cosH * sinlat, -cosd * sinH);
  double s = cosd * cosH * coslat + sind * sinlat;
  *h = asin(s > 1 ? 1 : (s < -1 ? -1 : s));
}

int getaltaz(double rahours, double decdeg, double *h, double *A) {
  double d = decdeg * dDEGTORAD;
  rotate(sin(d), cos(d), rahours * dRATORAD - last, h, A);
  return 0;
}

int staraltaz(int i, double *h, double *A) {
  const starcalc &c = calcstar[i];
  rotate(c.sindec, c.cosdec, c.rarad - last, h, A);
  return c.starcolour;
}

int isplotable(double rahours, double decdeg) {
  bool turned = iNT[SOUTHUP] != 0;
  int x, y;
  if (iZoom < 2) {
    wholeskypixel(rahours, decdeg, turned, &x, &y);
  } else {
    double h, A;
    foldedaltaz(rahours, decdeg, &h, &A);
    framepixel(h, A, dStarXcon, plotXcen, plotYcen, turned, turned, &x, &y);
  }
  x = wrapturn(x, plotXmax, WRAPLOW);
  iXplotold = iXplot;
  iYplotold = iYplot;
  iXplot = x;
  iYplot = y;
  return x >= 1 && x < plotwidth && y >= 1 && y < plothigh;
}

double zatan2(double x, double y) {
  if (x == 0) {
    if (y == 0) return 0;
    return y > 0 ? DPI / 2 : 3 * DPI / 2;
  }
  if (y == 0) return x > 0 ? 0 : DPI;
  double a = atan(y / x);
  if (x < 0) return a + DPI;
  return y < 0 ? a + D2PI : a;
}

int altazradec(double h, double A, double *rao, double *deco) {
  double x = sin(h) * coslat - cos(h) * cos(A) * sinlat;
  double y = -cos(h) * sin(A);
  double s = sin(h) * sinlat + cos(h) * cos(A) * coslat;
  *deco = asin(s > 1 ? 1 : (s < -1 ? -1 : s));
  // fmod first: a centre from a project file may lie many turns away.
  double a = fmod(zatan2(x, y) + last, D2PI);
  while (a < 0) a += D2PI;
  while (a > D2PI) a -= D2PI;
  *rao = a;
  return 0;
}

int getradec(int x, int y, double *rao, double *deco) {
  bool turned = iNT[SOUTHUP] != 0;
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

int getradechours(int x, int y, double *rahours, double *decdeg) {
  getradec(x, y, rahours, decdeg);
  *rahours /= dRATORAD;
  *decdeg /= dDEGTORAD;
  return 0;
}

int showchart() {
  if (SKYbmp && VIDbmp) blit(SKYbmp, VIDbmp, 0, 0, plotXst, plotYst, plotwidth, plothigh);
  return 0;
}

// The telescope view's state and geometry.
int iTZoom;
int Tnorth, Twest;
double TPixPerDeg;
double TplotXscale, TplotYscale;
double dTPixPerRad;
int TplotXmax;
int TXcur, TYcur;
int iTXplot, iTYplot, iTXplotold, iTYplotold;

int Tgetradec(int x, int y, double *rao, double *deco) {
  if (iTZoom < 0) return 0;
  double h = (Tnorth ? y - plottelYc : plottelYc - y) / dTPixPerRad;
  double A = (Twest ? x - plottelXc : plottelXc - x) / dTPixPerRad;
  return altazradec(h, A, rao, deco);
}

// View pixel of frame latitude h and longitude A (radians), wrapped.
void telpixel(double h, double A, int *x, int *y) {
  framepixel(h, A, dTPixPerRad, plottelXc, plottelYc, Twest, Tnorth, x, y);
  *x = wrapturn(*x, TplotXmax, WRAPLOW);
}

int Tisplotable(double rahours, double decdeg) {
  double h, A;
  int x, y;
  foldedaltaz(rahours, decdeg, &h, &A);
  telpixel(h, A, &x, &y);
  iTXplotold = iTXplot;
  iTYplotold = iTYplot;
  iTXplot = x;
  iTYplot = y;
  return x >= 1 && x < plottelw && y >= 1 && y < plottelh;
}

// Chart state of the sky chart and the mappings between sky and chart pixels.
#pragma once
#include <allegro.h>

extern BITMAP *SKYbmp;                 // off-screen chart, plotwidth x plothigh
extern int plotwidth, plothigh;        // chart size in pixels
extern int plotXst, plotYst;           // screen position of the chart
extern int plotXcen, plotYcen;         // chart centre pixel
extern double dStarX, dStarY;          // chart centre: R.A. hours, declination degrees
extern int iZoom;                      // 0 (whole sky) or 2..12
extern double PixPerDeg;               // pixels per degree of declination
extern double plotXscale, plotYscale;  // pixels per hour of R.A., per degree
extern double dStarXcon;               // pixels per radian
extern int plotXmax;                   // pixels for a full turn
extern double last, glat, coslat, sinlat;  // rotation of the oblique frame
extern int iXplot, iYplot, iXplotold, iYplotold;  // last placed pixel, the one before
extern int Xcur, Ycur;                 // chart cursor pixel
extern double ra, dec;                 // sky under the cursor: hours, degrees
extern BITMAP *bmpCursor, *bgCursor;   // cursor image and the background under it
extern BITMAP *TELbmp;                 // telescope view area inside SKYbmp
extern int plottelX, plottelY;         // telescope skin position inside the chart
extern int plottelw, plottelh, plottelXc, plottelYc;  // view area size and centre

enum { MAXZOOM = 12, CURSORSIZE = 20 };

// Truncation toward zero of a pixel offset; values beyond +-1e7 (and NaN)
// come back as a far-off pixel so that nothing overflows.
int pixtrunc(double v);
// 1 when pixel (x, y) lies strictly inside the chart, as everything drawn
// on it is tested: 0 < x < plotwidth and 0 < y < plothigh.
int inchart(int x, int y);
// Brings the rectangle (*x, *y) of *w x *h pixels inside the chart, at
// least one pixel in size. Returns 0.
int cliptochart(int *x, int *y, int *w, int *h);

// Placing a sky position. Every view places the same way: the whole-sky
// map straight from R.A. and declination, a zoomed chart and the
// telescope view from the oblique frame's latitude h and longitude A about
// their centre, then a wrap by a full turn.

// Whole-sky pixel of R.A. hours and declination degrees, not wrapped:
// x = plotwidth - trunc(ra * plotXscale), y = plotYcen - trunc(dec *
// plotYscale); with the chart turned south x = trunc(..), y = plotYcen + ...
void wholeskypixel(double rahours, double decdeg, int turned, int *x, int *y);
// Pixel of frame latitude h and longitude A (radians) about centre (xc,
// yc) at pixperrad pixels a radian, not wrapped: x = xc - trunc(A *
// pixperrad) (plus when flipx), y = yc - trunc(h * pixperrad) (plus when
// flipy).
inline void framepixel(double h, double A, double pixperrad, int xc, int yc, int flipx, int flipy, int *x,
                       int *y) {
  int dx = pixtrunc(A * pixperrad), dy = pixtrunc(h * pixperrad);
  *x = flipx ? xc + dx : xc - dx;
  *y = flipy ? yc + dy : yc - dy;
}
// The frame place of R.A. hours and declination degrees with A folded into
// -pi..pi, so that a place just behind the centre lies beside it. Returns 0.
int foldedaltaz(double rahours, double decdeg, double *h, double *A);
// Places left of low pixels come back by a full turn of turn pixels, as
// do those at or beyond turn. Stars and placed positions use WRAPLOW, the
// minor-planet overlay 0.
enum { WRAPLOW = -100 };
inline int wrapturn(int x, int turn, int low) {
  if (x < low) return x + turn;
  if (x >= turn) return x - turn;
  return x;
}

// Creates the chart, cursor and telescope-area bitmaps for the cell size
// in force, draws the cursor image, loads the skin named by the settings
// (its view area becomes the telescope area), and sets zoom 0 centred on 12 h, 0
// degrees with the cursor at the centre. Returns 0, or -1 when a bitmap
// cannot be created.
int skymapinit();
// Sets the rotation last, glat, coslat, sinlat of the oblique frame for
// the centre dStarX, dStarY. Returns 0.
int setframe();
// Field shrink of a zoom: 1.4142136 to the power zoom (zoom >= 0).
double zoomfactor(int zoom);
// Sets iZoom (1 and below become 0, above 12 becomes 12) and the scales
// and frame rotation for it and the centre dStarX, dStarY. Returns 0.
int setstarplot(int zoom);
// Places R.A. hours, declination degrees on the chart into iXplot, iYplot
// (the previous pair moves to iXplotold, iYplotold). Returns 1 when the
// pixel lies inside (1 <= x < plotwidth, 1 <= y < plothigh), else 0.
int isplotable(double rahours, double decdeg);
// Angle of the vector (x, y), radians in 0..2 pi.
double zatan2(double x, double y);
// R.A. hours and declination degrees to the oblique frame: latitude *h
// and longitude *A (0..2 pi), radians. Returns 0.
int getaltaz(double rahours, double decdeg, double *h, double *A);
// The same for loaded star i from its derived record. Returns the star's
// colour.
int staraltaz(int i, double *h, double *A);
// Oblique frame latitude h and longitude A (radians) to R.A. and
// declination in radians; R.A. in 0..2 pi. Returns 0.
int altazradec(double h, double A, double *ra, double *dec);
// Chart pixel (x, y) to R.A. and declination in radians for the current
// zoom, centre and orientation. Returns 0.
int getradec(int x, int y, double *ra, double *dec);
// Chart pixel (x, y) to R.A. hours and declination degrees. Returns 0.
int getradechours(int x, int y, double *rahours, double *decdeg);
// Copies the chart to the video buffer at its screen place. Returns 0.
int showchart();

// The telescope view's state and geometry (its drawing is in telescope.cpp).
extern int iTZoom;                     // view zoom 0..12
extern int Tnorth, Twest;              // 1 = south up, 1 = east to the right
extern double TPixPerDeg;              // pixels per degree
extern double TplotXscale, TplotYscale;  // per hour, per degree
extern double dTPixPerRad;             // pixels per radian
extern int TplotXmax;                  // pixels for a full turn
extern int TXcur, TYcur;               // view centre within the view area
extern int iTXplot, iTYplot, iTXplotold, iTYplotold;  // last placed pixel, the one before

// Places R.A. hours, declination degrees in the telescope view into
// iTXplot, iTYplot (the previous pair moves to iTXplotold, iTYplotold).
// Returns 1 when the pixel lies inside (1 <= x < plottelw, 1 <= y <
// plottelh), else 0.
int Tisplotable(double rahours, double decdeg);
// View pixel (x, y) to R.A. and declination in radians; writes nothing
// when iTZoom is negative. Returns 0.
int Tgetradec(int x, int y, double *ra, double *dec);
// Telescope-view pixel of frame latitude h and longitude A (radians),
// wrapped.
void telpixel(double h, double A, int *x, int *y);

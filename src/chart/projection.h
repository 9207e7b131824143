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

// Angle of the vector (x, y), radians in 0..2 pi.
double zatan2(double x, double y);
// Oblique frame latitude h and longitude A (radians) to R.A. and
// declination in radians; R.A. in 0..2 pi. Returns 0.
int altazradec(double h, double A, double *ra, double *dec);
// Chart pixel (x, y) to R.A. and declination in radians for the current
// zoom, centre and orientation. Returns 0.
int getradec(int x, int y, double *ra, double *dec);

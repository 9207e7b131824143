// Telescope view: its scale, orientation and placement state.
#pragma once

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

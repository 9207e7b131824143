// Deep-sky objects on the sky chart and in the telescope view: the symbol
// of each type at its true size and orientation, labels that do not
// overlap, and naming the object under the chart cursor.
#pragma once
#include <allegro.h>

#include "screen/display.h"

enum {
  MAXSHOWNDSO = 4096,  // objects of the last chart rebuild kept for identification
  MAXDSOLABELS = 512,  // labels placed in one telescope-view drawing
  DSOSYMBOLPIX = 4,    // smallest symbol radius on the zoomed chart and the telescope view
  DSOWHOLESKYPIX = 3,  // the same on the whole-sky map
};

// Palette entries of the symbols and labels (colour cube: 48 + 25 r + 5 g
// + b, each 0..4).
enum : int {
  PALDSOGALAXY = PALCUBE + 113,     // rose 240, 128, 184
  PALDSOCLUSTER = PALCUBE + 121,    // yellow 240, 240, 72
  PALDSOGLOBULAR = PALCUBE + 116,   // orange 240, 184, 72
  PALDSONEBULA = PALCUBE + 47,      // green 72, 240, 128
  PALDSOPLANETARY = PALCUBE + 49,   // cyan 72, 240, 240
  PALDSOOTHER = PALLIGHTGREY,
};

// An object drawn by the last chart rebuild: index, centre pixel and
// symbol radius.
struct dsoshown {
  int i, x, y, r;
};
extern dsoshown shownDso[MAXSHOWNDSO];
extern int iShownDso;

// Pixels on the bitmap per degree toward the east (ex, ey) and toward the
// north (nx, ny) at one place.
struct dsoaxes {
  double ex, ey, nx, ny;
};

// Faintest magnitude of the NGC and IC objects that are not Messier
// objects shown at chart zoom 0..12 (Messier objects are shown at every
// zoom; an object without a magnitude counts as 15).
double dsomaglimit(int zoom);
// Draws the switched-on objects the chart shows into SKYbmp (the blocks
// marked by setblocks from zoom 2) and keeps them in shownDso. Returns the
// number drawn.
int drawdeepsky();
// Draws the switched-on objects of the blocks in the telescope view
// (Tsetblocks) into TELbmp, at true size and orientation, down to the
// magnitude limit of chart zoom iTZoom + 10 (the view's field at zoom 0 is
// about that of chart zoom 10). Returns the number drawn.
int Tdrawdeepsky();
// Draws the symbol of object i centred on (x, y) on bmp for the axes ax
// in colour col: at true size where that is larger than minpix pixels
// (radius), else at minpix. Returns the radius of the symbol in pixels.
int drawdsosymbol(BITMAP *bmp, int i, int x, int y, const dsoaxes &ax, int minpix, int col);
// Axes of the zoomed chart (pixperrad, flips as the chart's) or of the
// telescope view at R.A. hours, declination degrees, from the shared frame
// rotation. Returns 0.
int frameaxes(double rahours, double decdeg, double pixperrad, int flipx, int flipy, dsoaxes *ax);
// Object of the last rebuild under the chart cursor (within its symbol, or
// within NEARPIXELS of its centre), the nearest centre first; -1 if none.
// *dist2, when given, = the squared pixel distance of its centre.
int dsonearcursor(int *dist2 = nullptr);
// "i" / F5: when an object lies under the cursor and its centre is nearer
// than any star's, writes its line (label, place, magnitude, type, size,
// common name) where the star line goes. Returns its index, or -1 when the
// star is to be named instead (nothing written).
int identifydso();
// text (at least 160 bytes) = the identification line of object i.
// Returns 0.
int dsostring(int i, char *text);
// Centres the chart and its cursor on object i. Returns 0, -1 for i not an
// object.
int gotodso(int i);
// Lets the find line take deep-sky labels and common names. Returns 0, or
// -1 when the find line has no room for another look-up.
int adddsolookup();

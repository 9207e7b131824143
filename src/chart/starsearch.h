// The star under the chart cursor, going to a star, finding a star by its
// number, and the star list pages.
#pragma once

#include "chart/starcat.h"

extern char chStar[32];  // name of the star last identified, "SUN" or " "

enum { NEARPIXELS = 5 };

// Index of the star nearest to the chart cursor among those within 5
// pixels of it in x and y (layer 7, and layers 8 to 10 in the marked
// blocks), the brighter of two as near; -1 if none. *dist2, when given,
// = its squared distance in pixels.
int starnearcursor(int *dist2 = nullptr);
// The same for chart pixel (x, y), among the first layers magnitude
// layers only and stars of magnitude x 100 at most maxmag100.
int starnearpixel(int x, int y, int *dist2 = nullptr, int layers = STARLAYERS, int maxmag100 = MAXSTARMAG100);
// Identifies the star or the Sun nearest to the chart cursor (the Sun
// when as near as the star) and writes the result line on the screen.
// Returns 0.
int findstar();
// Centres the chart and the cursor on star i (0 <= i < Snum; others are
// ignored). Returns 0.
int gotostar(int i);
// Index of the first loaded star with this catalogue number, or -1 (also
// for 0, the number of stars without an identifier).
int findstarnumber(int number);

// What the chart draws over its stars: the current object's ephemeris
// track and the labels (Sun, Moon, planets, minor planets, star names),
// placed without overlap through chart/labels.h.
#pragma once

enum {
  LABELGAP = 4,          // pixels between a point and its label
  LABELPAD = 1,          // pixels kept clear round a label's text
  STARLABELMAG0 = 150,   // star names shown to magnitude x 100 at zoom 0 ...
  STARLABELMAGSTEP = 60, // ... and this much fainter each zoom step
};

// Draws the last ephemeris run (of the object of its entries) on SKYbmp
// as a line through its places with a dot at each. Returns the places
// drawn, 0 when there is none.
int drawephemtrack();
// Draws text in colour c on SKYbmp labelling the point (x, y), gap pixels
// from it, at the first free place of labelplace; with force, when none is
// free, to the right of the point over other labels. Every label of the
// chart goes through here, so that none covers another. Returns 1 when
// drawn, 0 when left out.
int chartlabel(int x, int y, int gap, const char *text, int c, bool force);
// Labels the objects on SKYbmp: Sun and Moon (J2000 places: hours,
// degrees) and the planets always (at the
// first free place beside them, else to their right, over other labels),
// then the minor planets brightest first; a minor planet's label with no
// free place is left out. The reservations made so far in the rebuild
// (grid numerals, horizon points) are kept. Returns the labels drawn.
int drawobjectlabels(double sunra, double sundec, double moonra, double moondec);
// Names of the named stars on SKYbmp, brightest first, to magnitude
// STARLABELMAG0 + STARLABELMAGSTEP * zoom (x 100), where they fit.
// Returns the labels drawn.
int drawstarlabels();
// Label text height and width of text on the chart, pixels.
int labelheight();
int labelwidth(const char *text);

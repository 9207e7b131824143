// Label placement without overlap: a caller reserves the rectangle of each
// label it draws, most important first; a label whose every place beside
// its point is taken is left out. Pure rectangles, no drawing: any view
// (chart, telescope view, lists of found objects) can use it.
#pragma once

enum {
  MAXLABELS = 2048,      // reserved rectangles per area
  LABELCELLW = 64,       // bucket grid cell, pixels
  LABELCELLH = 32,
  LABELGRIDW = 40,       // cells across and down: areas up to 2560 x 2048
  LABELGRIDH = 64,
  LABELBUCKET = 48,      // rectangles listed per cell; a fuller cell is full
  LABELPLACES = 8,       // places tried around a point
};

// One reserved rectangle: x0, y0 inclusive, x1, y1 exclusive (pixels).
struct LABELBOX {
  int x0, y0, x1, y1;
};
extern LABELBOX labelbox[MAXLABELS];
extern int labelcount;  // rectangles reserved since the last labelreset

// Empties the reservations for an area of w x h pixels (clamped to the
// grid). Returns 0.
int labelreset(int w, int h);
// 1 when the rectangle (x, y, w x h) lies inside the area and overlaps no
// reserved one, else 0.
int labelfree(int x, int y, int w, int h);
// Reserves the rectangle without looking at what it covers (a grid
// numeral, an object that must always be named). Returns 1, or 0 when the
// table or a cell it covers is full (then nothing is reserved).
int labelforce(int x, int y, int w, int h);
// labelfree, then labelforce. Returns 1 when reserved.
int labelreserve(int x, int y, int w, int h);
// Reserves a w x h label beside the point (px, py), gap pixels from it:
// right, left, above, below, then the four corners, the first that is
// free. *x, *y = its top left. Returns 1, or 0 when none is free.
int labelplace(int px, int py, int w, int h, int gap, int *x, int *y);
// The top left of place k (0..LABELPLACES-1) of labelplace. Returns 0.
int labelspot(int k, int px, int py, int w, int h, int gap, int *x, int *y);

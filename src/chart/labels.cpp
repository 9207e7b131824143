#include "chart/labels.h"

LABELBOX labelbox[MAXLABELS];
int labelcount;

static int areaw, areah;
// Rectangles touching each grid cell, by index into labelbox.
static short cellcount[LABELGRIDH][LABELGRIDW];
static short cellbox[LABELGRIDH][LABELGRIDW][LABELBUCKET];

int labelreset(int w, int h) {
  areaw = w < 0 ? 0 : (w > LABELGRIDW * LABELCELLW ? LABELGRIDW * LABELCELLW : w);
  areah = h < 0 ? 0 : (h > LABELGRIDH * LABELCELLH ? LABELGRIDH * LABELCELLH : h);
  labelcount = 0;
  for (auto &row : cellcount)
    for (short &c : row) c = 0;
  return 0;
}

// Grid cells covered by the rectangle (inside the area).
struct CellSpan {
  int cx0, cy0, cx1, cy1;
};
static CellSpan cellspan(int x, int y, int w, int h) {
  return {x / LABELCELLW, y / LABELCELLH, (x + w - 1) / LABELCELLW, (y + h - 1) / LABELCELLH};
}

static bool inside(int x, int y, int w, int h) {
  return w > 0 && h > 0 && x >= 0 && y >= 0 && x + w <= areaw && y + h <= areah;
}

int labelfree(int x, int y, int w, int h) {
  if (!inside(x, y, w, h)) return 0;
  CellSpan s = cellspan(x, y, w, h);
  for (int cy = s.cy0; cy <= s.cy1; cy++)
    for (int cx = s.cx0; cx <= s.cx1; cx++) {
      if (cellcount[cy][cx] >= LABELBUCKET) return 0;
      for (int k = 0; k < cellcount[cy][cx]; k++) {
        const LABELBOX &b = labelbox[cellbox[cy][cx][k]];
        if (x < b.x1 && b.x0 < x + w && y < b.y1 && b.y0 < y + h) return 0;
      }
    }
  return 1;
}

int labelforce(int x, int y, int w, int h) {
  // Clipped to the area: what lies outside can collide with nothing.
  int x1 = x + w, y1 = y + h;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  if (x1 > areaw) x1 = areaw;
  if (y1 > areah) y1 = areah;
  if (x1 <= x || y1 <= y || labelcount >= MAXLABELS) return 0;
  CellSpan s = cellspan(x, y, x1 - x, y1 - y);
  for (int cy = s.cy0; cy <= s.cy1; cy++)
    for (int cx = s.cx0; cx <= s.cx1; cx++)
      if (cellcount[cy][cx] >= LABELBUCKET) return 0;
  for (int cy = s.cy0; cy <= s.cy1; cy++)
    for (int cx = s.cx0; cx <= s.cx1; cx++) cellbox[cy][cx][cellcount[cy][cx]++] = (short)labelcount;
  labelbox[labelcount++] = LABELBOX{x, y, x1, y1};
  return 1;
}

int labelreserve(int x, int y, int w, int h) { return labelfree(x, y, w, h) && labelforce(x, y, w, h); }

int labelspot(int k, int px, int py, int w, int h, int gap, int *x, int *y) {
  // Right, left, above, below, then upper right, lower right, upper left,
  // lower left: the usual reading order of a chart.
  static const int kDx[LABELPLACES] = {1, -1, 0, 0, 1, 1, -1, -1};
  static const int kDy[LABELPLACES] = {0, 0, -1, 1, -1, 1, -1, 1};
  int dx = kDx[k % LABELPLACES], dy = kDy[k % LABELPLACES];
  *x = dx > 0 ? px + gap : (dx < 0 ? px - gap - w : px - w / 2);
  *y = dy > 0 ? py + gap : (dy < 0 ? py - gap - h : py - h / 2);
  return 0;
}

int labelplace(int px, int py, int w, int h, int gap, int *x, int *y) {
  for (int k = 0; k < LABELPLACES; k++) {
    labelspot(k, px, py, w, h, gap, x, y);
    if (labelreserve(*x, *y, w, h)) return 1;
  }
  return 0;
}

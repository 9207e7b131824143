#include "imaging/scale.h"

#include <vector>

BITMAP *srcbmp, *destbmp;
int exp_s_depth, exp_d_depth;
double expxscale, expyscale;
int iXst, iYst;
int iXsize, iYsize;
int Xmax, Ymax;
float dXlm, dYtm;

// Running sums of the destination row being built, one element a column.
static std::vector<int> rgbR, rgbG, rgbB;
static std::vector<float> pixarea, bg_area;

static int srcmask;  // mask colour of the source

// Pixel (x, y) of the source, or the mask colour outside it: nothing is
// read beyond the bitmap, and what lies beyond counts as transparent.
static int sourcepixel(int x, int y) {
  if (x < 0 || y < 0 || x >= srcbmp->w || y >= srcbmp->h) return srcmask;
  switch (exp_s_depth) {
    case 8: return _getpixel(srcbmp, x, y);
    case 15: return _getpixel15(srcbmp, x, y);
    case 16: return _getpixel16(srcbmp, x, y);
    case 24: return _getpixel24(srcbmp, x, y);
    case 32: return _getpixel32(srcbmp, x, y);
  }
  return getpixel(srcbmp, x, y);
}

// A source pixel split into its channels once, however often it is added.
struct srcpixel {
  bool mask;
  int r, g, b;
};

static srcpixel split(int p) {
  if (p == srcmask) return {true, 0, 0, 0};
  switch (exp_s_depth) {
    case 32: return {false, getr32(p), getg32(p), getb32(p)};
    case 24: return {false, getr24(p), getg24(p), getb24(p)};
    case 16: return {false, getr16(p), getg16(p), getb16(p)};
  }
  return {false, getr_depth(exp_s_depth, p), getg_depth(exp_s_depth, p), getb_depth(exp_s_depth, p)};
}

// Adds source pixel p to column i with weight w (destination pixels);
// each channel's contribution is truncated before it is added.
static void addpixel(int i, const srcpixel &p, double w) {
  if (p.mask) {
    bg_area[i] += (float)w;
    return;
  }
  rgbR[i] += (int)(p.r * w);
  rgbG[i] += (int)(p.g * w);
  rgbB[i] += (int)(p.b * w);
  pixarea[i] += (float)w;
}

// Horizontal pass: source row r with vertical weight wy into the row sums.
static void addrow(int r, double wy) {
  int c = iXst;
  srcpixel p = split(sourcepixel(c, r));
  double needX = expxscale;
  for (int i = 0; i < iXsize; i++) {
    double availX = i == 0 ? 1.0 - dXlm : 1.0;
    while (needX <= availX) {
      addpixel(i, p, wy * needX);
      p = split(sourcepixel(++c, r));
      availX -= needX;
      needX = expxscale;
    }
    if (availX > 0) {
      addpixel(i, p, wy * availX);
      needX -= availX;
    }
  }
}

static int limit255(double v) {
  int n = (int)v;
  return n > 255 ? 255 : (n < 0 ? 0 : n);
}

// Writes the row sums as destination row y from column dx on.
static void writerow(int dx, int y) {
  for (int i = 0; i < iXsize; i++) {
    int x = dx + i;
    if (x < 0 || x >= Xmax || !(pixarea[i] > 0)) continue;
    double b = bg_area[i];
    if (b < 0) b = 0;
    if (b > 1) b = 1;
    double R = rgbR[i] * (1 - b), G = rgbG[i] * (1 - b), B = rgbB[i] * (1 - b);
    if (b > 0) {
      int d = getpixel(destbmp, x, y);
      R += getr_depth(exp_d_depth, d) * b;
      G += getg_depth(exp_d_depth, d) * b;
      B += getb_depth(exp_d_depth, d) * b;
    }
    if (exp_d_depth == 32)
      _putpixel32(destbmp, x, y, makecol32(limit255(R), limit255(G), limit255(B)));
    else
      putpixel(destbmp, x, y, makecol_depth(exp_d_depth, limit255(R), limit255(G), limit255(B)));
  }
}

static void clearsums() {
  for (int i = 0; i < iXsize; i++) {
    rgbR[i] = rgbG[i] = rgbB[i] = 0;
    pixarea[i] = bg_area[i] = 0;
  }
}

void expand_bitmap(BITMAP *src, BITMAP *dest, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
  if (!src || !dest || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  srcbmp = src;
  destbmp = dest;
  exp_s_depth = bitmap_color_depth(src);
  exp_d_depth = bitmap_color_depth(dest);
  srcmask = bitmap_mask_color(src);
  expxscale = (double)dw / sw;
  expyscale = (double)dh / sh;
  Xmax = dest->w;
  Ymax = dest->h;
  iXsize = dw;
  iYsize = dh;
  iXst = sx;
  iYst = sy;
  dXlm = dYtm = 0;
  rgbR.assign(dw, 0);
  rgbG.assign(dw, 0);
  rgbB.assign(dw, 0);
  pixarea.assign(dw, 0);
  bg_area.assign(dw, 0);
  int r = sy;
  double needY = expyscale;
  for (int j = 0; j < dh; j++) {
    int y = dy + j;
    // A row outside the destination is not summed, but the source cursor
    // advances through it all the same.
    bool inside = y >= 0 && y < Ymax;
    if (inside) clearsums();
    double availY = j == 0 ? 1.0 - dYtm : 1.0;
    while (needY <= availY) {
      if (inside) addrow(r, needY);
      r++;
      availY -= needY;
      needY = expyscale;
    }
    if (availY > 0) {
      if (inside) addrow(r, availY);
      needY -= availY;
    }
    if (inside) writerow(dx, y);
  }
  // The row sums go with the call.
  rgbR = {};
  rgbG = {};
  rgbB = {};
  pixarea = {};
  bg_area = {};
}

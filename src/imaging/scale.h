// Area-averaging stretch of a bitmap rectangle onto another, with the
// source's mask colour let through as the destination's own colour.
#pragma once
#include <allegro.h>

// State of one expand_bitmap call, read by its row and pixel workers.
extern BITMAP *srcbmp, *destbmp;      // source and destination
extern int exp_s_depth, exp_d_depth;  // their colour depths
extern double expxscale, expyscale;   // destination pixels per source pixel
extern int iXst, iYst;                // top-left source pixel
extern int iXsize, iYsize;            // destination rectangle size
extern int Xmax, Ymax;                // destination bitmap size (clipping)
extern float dXlm, dYtm;              // part of the first source column / row already used

// Resamples the sw x sh rectangle of src at (sx, sy) onto the dw x dh
// rectangle of dest at (dx, dy), pixels, averaging over areas. Source
// pixels of the mask colour (and any outside src) let the destination
// show through in proportion; destination pixels outside dest are
// skipped. Empty or negative sizes draw nothing.
void expand_bitmap(BITMAP *src, BITMAP *dest, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);

#include "chart/starplot.h"

#include "chart/blocks.h"
#include "chart/projection.h"
#include "chart/starcat.h"
#include "chart/starpix.h"
#include "base/settings.h"


// Whole-sky dot radius by magnitude x 100: below each limit the radius
// beside it; -1 a single pixel; fainter than the last limit not drawn.
struct DotRule {
  int maglimit, radius;
};
static const DotRule kWholeSkyDots[] = {{120, 2}, {330, 1}, {640, -1}};

int layerstart(int n) {
  int first = 0;
  for (int k = 0; k < n && k < STARLAYERS; k++) first += layercount(k);
  return first;
}

int layercount(int n) {
  return n >= 0 && n < STARLAYERS ? *layersize[n] : 0;
}

int layerblock(int n, int b, int *first) {
  *first = 0;
  if (n < 0 || n >= STARLAYERS || b < 0 || b >= SKYBLOCKS) return 0;
  int lo = layerstart(n), hi = lo + layercount(n);
  int start = layeridx[n][b], count = layernum[n][b];
  // The loader clips block entries to their layer; stay inside it anyway.
  if (count <= 0 || start < lo || start >= hi) return 0;
  if (count > hi - start) count = hi - start;
  *first = start;
  return count;
}

int plotstardot(BITMAP *bmp, int x, int y, int i) {
  const starcalc &c = calcstar[i];
  if (c.dotsize < 4)
    putpixel(bmp, x, y, c.starcolour);
  else
    circlefill(bmp, x, y, c.dotsize / 3, c.starcolour);
  return 0;
}

// Layer 7 on the whole-sky map, placed from the records directly.
static void drawwholesky() {
  bool turned = iNT[SOUTHUP] != 0;
  for (int i = 0; i < Snum7; i++) {
    const starrec &s = star[i];
    int x, y;
    wholeskypixel(s.rahours, s.decdeg, turned, &x, &y);
    if (!inchart(x, y)) continue;
    for (const DotRule &r : kWholeSkyDots) {
      if (s.mag100 >= r.maglimit) continue;
      if (r.radius < 0)
        putpixel(SKYbmp, x, y, calcstar[i].starcolour);
      else
        circlefill(SKYbmp, x, y, r.radius, calcstar[i].starcolour);
      break;
    }
  }
}

// Stars first .. first + count - 1 on the zoomed chart.
static void plotrange(int first, int count) {
  bool turned = iNT[SOUTHUP] != 0;
  for (int i = first; i < first + count; i++) {
    double h, A;
    staraltaz(i, &h, &A);
    int x, y;
    framepixel(h, A, dStarXcon, plotXcen, plotYcen, turned, turned, &x, &y);
    x = wrapturn(x, plotXmax, WRAPLOW);
    if (inchart(x, y)) plotstardot(SKYbmp, x, y, i);
  }
}

int drawnmag100() {
  const int n = (int)(sizeof kWholeSkyDots / sizeof kWholeSkyDots[0]);
  return iZoom < 2 ? kWholeSkyDots[n - 1].maglimit - 1 : MAXSTARMAG100;
}

int drawnlayers() {
  if (iZoom < 5 || Snum8 < 1) return 1;
  return iZoom >= 7 ? 4 : 2;
}

int drawstars() {
  if (!SKYbmp) return 0;
  if (iZoom < 2) {
    drawwholesky();
    return 0;
  }
  int layers = drawnlayers();
  if (layers == 1) {
    plotrange(0, Snum7);
    return 0;
  }
  for (int b = 0; b < SKYBLOCKS; b++) {
    if (!drawblock[b]) continue;
    for (int n = 0; n < layers; n++) {
      int first, count = layerblock(n, b, &first);
      plotrange(first, count);
    }
  }
  return 0;
}

static int clampchannel(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }
static int brighter(int a, int b) { return a > b ? a : b; }

int plotstarpix(int x, int y, int row, int magclass) {
  if (!iGottapix || !TELbmp || row < 0 || row >= SPECROWS || magclass < 0 || magclass >= MAGCLASSES) return 0;
  int depth = bitmap_color_depth(TELbmp);
  int first = offpix[row][magclass], n = numpix[row][magclass];
  for (int p = first < 0 ? 0 : first; p < first + n && p < STARPIXPOINTS; p++) {
    const int16_t *pt = stpix[p];
    int tx = x + pt[0], ty = y + pt[1];
    int old = getpixel(TELbmp, tx, ty);
    if (old == -1) continue;
    int r = brighter(clampchannel(pt[2]), getr_depth(depth, old));
    int g = brighter(clampchannel(pt[3]), getg_depth(depth, old));
    int b = brighter(clampchannel(pt[4]), getb_depth(depth, old));
    putpixel(TELbmp, tx, ty, makecol_depth(depth, r, g, b));
  }
  return 1;
}

int plotstarimage(int x, int y, int i) {
  if (!TELbmp) return 0;
  int cell = calcstar[i].imagecell;
  if (!iStarimage || !Starbmp) {
    plotstardot(TELbmp, x, y, i);
  } else if (flag[STARIMAGES] == 0) {
    plotstarpix(x - 15, y - 15, (cell >> 16) / 32, (cell & 511) >> 5);
  } else {
    masked_blit(Starbmp, TELbmp, cell & 511, cell >> 16, x - 15, y - 15, 32, 32);
  }
  return 0;
}

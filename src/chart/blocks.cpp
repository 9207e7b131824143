#include "chart/blocks.h"

#include <climits>
#include <cmath>

#include "base/constants.h"
#include "chart/projection.h"
#include "chart/telescope.h"

int drawblock[SKYBLOCKS];
int Tdrawblock[SKYBLOCKS];

// Hour of R.A. of a column counter that starts 12 hours left of the centre.
static const int kColumnHour[49] = {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 0,  1,  2,  3,  4,
                                    5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                    22, 23, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12};


// A centre outside 0..24 h must not run off the column table.
static int columnhour(int column) {
  if (column >= 0 && column <= 48) return kColumnHour[column];
  return ((column + 12) % 24 + 24) % 24;
}

// Smallest and largest declination (degrees) at the corners and top and
// bottom middles of the chart or of the telescope view.
static void viewdecrange(bool telescope, double *lo, double *hi) {
  int w = telescope ? plottelw : plotwidth, h = telescope ? plottelh : plothigh;
  *lo = 1e9;
  *hi = -1e9;
  for (int k = 0; k < 6; k++) {
    int x = w * (k % 3) / 2, y = k < 3 ? 0 : h;
    double r = 0, d = dStarY * dDEGTORAD;
    if (telescope)
      Tgetradec(x, y, &r, &d);
    else
      getradec(x, y, &r, &d);
    d /= dDEGTORAD;
    if (d < *lo) *lo = d;
    if (d > *hi) *hi = d;
  }
}

// Marks n columns from c0 in the bands of the declination range; pole is
// the centre declination beyond which the band at that pole is included.
static int markblocks(int *marks, bool telescope, double pole, int c0, int n) {
  double lo, hi;
  viewdecrange(telescope, &lo, &hi);
  int low = truncint(lo / 10 + 9), high = truncint(hi / 10 + 9);
  if (dStarY < -pole) low = 0;
  if (dStarY > pole) high = 17;
  for (int b = 0; b < SKYBLOCKS; b++) marks[b] = 0;
  if (low < 0) low = 0;
  if (high > 17) high = 17;
  int count = 0;
  for (int band = low; band <= high; band++) {
    for (int k = 0; k < n; k++) {
      marks[columnhour(c0 + k) + 24 * band] = BLOCKMARK;
      count++;
    }
  }
  return count;
}

int setblocks() {
  double w = 12;
  if (iZoom > 0 && fabs(dStarY) <= iZoom + 65) w = (dStarY * dStarY / 1250 + 2) * 5 / iZoom;
  if (w > 12) w = 12;
  int c0 = truncint(dStarX - w + 12);
  int n = truncint(dStarX + w + 12) - c0 + 1;
  return markblocks(drawblock, false, 70, c0, n);
}

int Tsetblocks() {
  double w = dStarY * dStarY / 3250 + 0.4;
  int c0 = truncint(dStarX - w + 12);
  int n = truncint(dStarX + w + 12) - c0 + 1;
  if (fabs(dStarY) > 84) {
    c0 = 12;
    n = 24;
  }
  return markblocks(Tdrawblock, true, 85, c0, n);
}

// Flat separation in degrees (no cos dec factor); across 0 h when wrap.
static double separation(const starrec &s, double rahours, double decdeg, bool wrap) {
  double da = s.rahours - rahours;
  if (wrap) {
    da = fabs(da);
    if (da > 23) da -= 24;
  }
  double dd = s.decdeg - decdeg;
  return sqrt(da * 15 * da * 15 + dd * dd);
}

// Keeps a hit while hits has room; the search counts it either way.
static void addhit(STARHITS *hits, int index, double sep) {
  if (hits->count >= STARHITMAX) return;
  hits->star[hits->count] = index;
  hits->sep[hits->count] = (float)sep;
  hits->count++;
}

int blockstars(int block, double rahours, double decdeg, double radius, STARHITS *hits) {
  if (block < 0 || block >= SKYBLOCKS) return 0;
  int found = 0;
  for (int n = 0; n < 4; n++) {
    if (*layersize[n] == 0) continue;
    int first = layeridx[n][block], end = first + layernum[n][block];
    for (int i = first; i < end; i++) {
      double s = separation(star[i], rahours, decdeg, true);
      if (s <= radius) {
        addhit(hits, i, s);
        found++;
      }
    }
  }
  return found;
}

// Every loaded star in the block (or in any block when block is -1).
static int scanstars(int block, double rahours, double decdeg, double radius, STARHITS *hits) {
  int found = 0;
  for (int i = 0; i < Snum; i++) {
    if (block >= 0 && calcstar[i].block != block) continue;
    double s = separation(star[i], rahours, decdeg, block < 0);
    if (s <= radius) {
      addhit(hits, i, s);
      found++;
    }
  }
  return found;
}

// The block and the band above and below it when needed.
static void searchcolumn(int block, bool lower, bool upper, double rahours, double decdeg,
                         double radius, STARHITS *hits) {
  blockstars(block, rahours, decdeg, radius, hits);
  if (lower) blockstars(block - 24, rahours, decdeg, radius, hits);
  if (upper) blockstars(block + 24, rahours, decdeg, radius, hits);
}

int starsnear(double rahours, double decdeg, double radius, STARHITS *hits) {
  int block = skyblock(rahours, decdeg), band = block / 24;
  if (Snum < LINEARSEARCHSTARS) return scanstars(block, rahours, decdeg, radius, hits);
  // A one-layer file has no block index to search.
  if (!iStarIndexed) return scanstars(-1, rahours, decdeg, radius, hits);
  blockstars(block, rahours, decdeg, radius, hits);
  // Bands of the circle's lowest and highest declination, by the same
  // rule as the block numbering: comparing trunc(dec / 10) with band - 9
  // instead misses the band below wherever that edge lies south of +10.
  bool lower = truncint((decdeg - radius) / 10 + 9) < band;
  bool upper = truncint((decdeg + radius) / 10 + 9) > band;
  int hour = truncint(rahours);
  if (truncint(rahours - radius / 15) != hour || rahours - radius / 15 < 0)
    searchcolumn(block % 24 == 0 ? block + 23 : block - 1, lower, upper, rahours, decdeg, radius, hits);
  if (truncint(radius / 15 + rahours) > hour)
    searchcolumn((block + 1) % 24 == 0 ? block - 23 : block + 1, lower, upper, rahours, decdeg, radius, hits);
  if (lower) blockstars(block - 24, rahours, decdeg, radius, hits);
  if (upper) blockstars(block + 24, rahours, decdeg, radius, hits);
  return 0;
}

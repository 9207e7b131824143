#include "chart/altgraph.h"

#include <cmath>
#include <cstdio>

#include "astro/twilight.h"
#include "screen/display.h"

// The altitudes shown, degrees.
constexpr double GRAPHLOW = -10.0, GRAPHHIGH = 90.0;
// Margins inside the box for the labels, pixels.
enum : int { GRAPHLEFT = 26, GRAPHBOTTOM = 14, GRAPHTOP = 14, GRAPHRIGHT = 4 };

// Band colour of each sky state, day to night.
static const int kSkyShade[SKYNIGHT + 1] = {PALGREYRAMP + 14, PALGREYRAMP + 11, PALGREYRAMP + 8,
                                            PALGREYRAMP + 5, PALGREYRAMP + 2};

// The span drawn: an hour before sunset to an hour after sunrise, or the
// whole day searched when the Sun does not set or rise.
static void graphspan(const NIGHT *n, double *t0, double *t1) {
  *t0 = n->sunset != 0.0 ? n->sunset - 1.0 / 24.0 : n->start;
  *t1 = n->sunrise != 0.0 ? n->sunrise + 1.0 / 24.0 : n->end;
  if (*t0 < n->start) *t0 = n->start;
  if (*t1 > n->end) *t1 = n->end;
}

int drawaltgraph(BITMAP *bmp, int x, int y, int w, int h, const NIGHT *n, const TONIGHTROW *r,
                 double minalt, double tz) {
  int gx = x + GRAPHLEFT, gy = y + GRAPHTOP, gw = w - GRAPHLEFT - GRAPHRIGHT, gh = h - GRAPHTOP - GRAPHBOTTOM;
  if (gw < 40 || gh < 40) return -1;
  double t0, t1;
  graphspan(n, &t0, &t1);
  auto px = [&](double t) { return gx + static_cast<int>(lround((t - t0) / (t1 - t0) * (gw - 1))); };
  auto py = [&](double alt) {
    double a = alt < GRAPHLOW ? GRAPHLOW : (alt > GRAPHHIGH ? GRAPHHIGH : alt);
    return gy + static_cast<int>(lround((GRAPHHIGH - a) / (GRAPHHIGH - GRAPHLOW) * (gh - 1)));
  };
  rectfill(bmp, x, y, x + w - 1, y + h - 1, colour[PALLISTBACK]);
  // The sky's state in each column.
  for (int c = 0; c < gw; c++) {
    double t = t0 + (t1 - t0) * c / (gw - 1);
    vline(bmp, gx + c, gy, gy + gh - 1, colour[kSkyShade[skystate(sunaltitude(n, t))]]);
  }
  // Altitude lines every 30 degrees and the horizon.
  for (int a = 0; a <= 90; a += 30) {
    hline(bmp, gx, py(a), gx + gw - 1, colour[a == 0 ? PALBLACK : PALGREY]);
    char label[8];
    snprintf(label, sizeof label, "%d", a);
    printf256(x + 2, py(a) - 4, colour[PALBLACK], label);
  }
  // Whole hours of local time.
  double first = ceil((t0 + tz / 24.0 + 0.5) * 24.0) / 24.0 - tz / 24.0 - 0.5;
  for (double t = first; t <= t1; t += 1.0 / 24.0) {
    int hour = static_cast<int>(lround((t + tz / 24.0 + 0.5 - floor(t + tz / 24.0 + 0.5)) * 24.0)) % 24;
    vline(bmp, px(t), gy + gh, gy + gh + 2, colour[PALBLACK]);
    if (hour % 2 == 0 && px(t) + 12 < gx + gw) {
      char label[8];
      snprintf(label, sizeof label, "%02d", hour);
      printf256(px(t) - 6, gy + gh + 3, colour[PALBLACK], label);
    }
  }
  // The minimum altitude, dashed.
  for (int c = 0; c < gw; c += 6) hline(bmp, gx + c, py(minalt), gx + c + 2, colour[PALRED]);
  // The Moon's altitude and the object's.
  int pm = -1, po = -1;
  for (int c = 0; c < gw; c++) {
    double t = t0 + (t1 - t0) * c / (gw - 1);
    int m = py(moonaltitude(n, t)), o = py(rowaltitude(n, r, t));
    if (pm >= 0) line(bmp, gx + c - 1, pm, gx + c, m, colour[PALYELLOW]);
    if (po >= 0) {
      line(bmp, gx + c - 1, po, gx + c, o, colour[PALBLUE]);
      line(bmp, gx + c - 1, po - 1, gx + c, o - 1, colour[PALBLUE]);
    }
    pm = m;
    po = o;
  }
  // The transit.
  if (r->transit >= t0 && r->transit <= t1) {
    int tx = px(r->transit);
    vline(bmp, tx, py(r->alttransit), gy + gh - 1, colour[PALMAGENTA]);
    printf256(tx + 2, py(r->alttransit) - 10 < gy ? gy : py(r->alttransit) - 10, colour[PALMAGENTA], "T");
  }
  rect(bmp, gx - 1, gy - 1, gx + gw, gy + gh, colour[PALBLACK]);
  char title[64];
  snprintf(title, sizeof title, "%.19s: altitude; the Moon yellow; minimum %.0f deg", r->name, minalt);
  printf256(gx, y + 2, colour[PALDARKBLUE], title);
  return 0;
}

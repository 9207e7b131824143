#include "chart/starsearch.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/blocks.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "chart/starplot.h"
#include "chart/mplist.h"
#include "screen/display.h"

char chStar[32] = " ";

static const double kSunMagnitude = -26.7;

// Squared pixel distance from chart pixel (x, y) of a sky position placed
// in the chart within 5 pixels of it in x and y, else -1.
static int pixeldistance(double rahours, double decdeg, int x, int y) {
  if (!isplotable(rahours, decdeg)) return -1;
  int dx = iXplot - x, dy = iYplot - y;
  if (abs(dx) >= NEARPIXELS || abs(dy) >= NEARPIXELS) return -1;
  return dx * dx + dy * dy;
}

// Keeps star i as the best so far when it is nearer, or as near and
// brighter.
static void weighstar(int i, int x, int y, int *best, int *bestd, int maxmag100 = MAXSTARMAG100) {
  if (star[i].mag100 > maxmag100) return;
  int d = pixeldistance(star[i].rahours, star[i].decdeg, x, y);
  if (d < 0) return;
  if (*best < 0 || d < *bestd || (d == *bestd && star[i].mag100 < star[*best].mag100)) {
    *best = i;
    *bestd = d;
  }
}

int starnearcursor(int *dist2) { return starnearpixel(Xcur, Ycur, dist2); }

int starnearpixel(int x, int y, int *dist2, int layers, int maxmag100) {
  int best = -1, bestd = 0;
  for (int i = 0; i < Snum7; i++) weighstar(i, x, y, &best, &bestd, maxmag100);
  for (int n = 1; n < STARLAYERS && n < layers; n++) {
    if (layercount(n) == 0) continue;
    for (int b = 0; b < SKYBLOCKS; b++) {
      if (!drawblock[b]) continue;
      int first, count = layerblock(n, b, &first);
      for (int i = first; i < first + count; i++) weighstar(i, x, y, &best, &bestd, maxmag100);
    }
  }
  if (dist2) *dist2 = bestd;
  return best;
}

// Result line of star i.
static void starline(char *text, size_t size, int i) {
  char name[STARNAMELEN], id[4], label[STARNAMELEN + 24], line[OBJSTRLEN];
  double rahours = 0, decdeg = 0, mag = 0;
  getstardata(i, name, id, &rahours, &decdeg, &mag);
  // A named Hipparcos star says so in either catalogue.
  const namedstar *n = starnameof(i);
  if (n) {
    snprintf(name, sizeof name, "%s", starlabel(*n));
    snprintf(label, sizeof label, "HIP %d %s", (int)n->hip, name);
  } else {
    snprintf(label, sizeof label, "%s %s", id, name);
  }
  objectstr(line, i, label, &rahours, &decdeg, &mag);
  snprintf(text, size, "%s %c%c", line, star[i].spclass ? star[i].spclass : ' ', star[i].spsub ? star[i].spsub : ' ');
  snprintf(chStar, sizeof chStar, "%s", name);
}

int findstar() {
  if (!VIDbmp) return 0;
  rectfill(VIDbmp, 0, 26 * VRTScale, 400, 27 * VRTScale - 1, colour[PALBLACK]);
  char text[OBJSTRLEN + 8];
  int c = colour[PALYELLOW];
  int stard, i = starnearcursor(&stard);
  int sund = pixeldistance(Sunra, Sundec, Xcur, Ycur);
  // The Sun outshines any star as near.
  if (i >= 0 && (sund < 0 || stard < sund)) {
    starline(text, sizeof text, i);
  } else if (sund >= 0) {
    double mag = kSunMagnitude;
    objectstr(text, -1, "SUN", &Sunra, &Sundec, &mag);
    snprintf(chStar, sizeof chStar, "SUN");
    c = colour[PALRED];
  } else {
    snprintf(text, sizeof text, "   Star not found.");
    snprintf(chStar, sizeof chStar, " ");
  }
  textout_ex(VIDbmp, font, text, 2 * HORScale, 26 * VRTScale + 3, c, -1);
  return 0;
}

int gotostar(int i) {
  if (i < 0 || i >= Snum) return 0;
  ra = dStarX = star[i].rahours;
  dec = dStarY = star[i].decdeg;
  return 0;
}

int findstarnumber(int number) {
  // 0 marks a star without an identifier, so no star is found by it.
  if (number == 0) return -1;
  for (int i = 0; i < Snum; i++)
    if (star[i].starno == number) return i;
  return -1;
}


#include "chart/readout.h"

#include <cstdio>
#include <cstdlib>

#include "base/settings.h"
#include "chart/mplist.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/skyread.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "chart/starplot.h"
#include "chart/starsearch.h"
#include "minorplanets/elements.h"
#include "timefmt/angles.h"
#include "timefmt/instant.h"

// Within 5 pixels of (x, y) in x and y when placed.
static bool near(double rahours, double decdeg, int x, int y) {
  return isplotable(rahours, decdeg) && abs(iXplot - x) < NEARPIXELS && abs(iYplot - y) < NEARPIXELS;
}

int objectatpixel(int x, int y, char *dest, int size) {
  dest[0] = 0;
  if (near(Sunra, Sundec, x, y)) {
    snprintf(dest, size, "Sun");
    return 1;
  }
  if (near(Moonra, Moondec, x, y)) {
    snprintf(dest, size, "Moon");
    return 1;
  }
  // Only what the chart shows is named.
  int i = flag[PLOTMPS] ? mpnearpixel(x, y) : -1;
  if (i >= 0) {
    char name[20];
    int number = getastname(i, name);
    if (number > 0 && i >= MPPLANETS)
      snprintf(dest, size, "(%d) %s %.1f", number, name, obj[i].mag);
    else
      snprintf(dest, size, "%s %.1f", name, obj[i].mag);
    return 1;
  }
  int s = starnearpixel(x, y, nullptr, drawnlayers(), drawnmag100());
  if (s < 0) return 0;
  const namedstar *n = starnameof(s);
  double mag = star[s].mag100 / 100.0;
  if (n)
    snprintf(dest, size, "%s (HIP %d) %.2f", starlabel(*n), (int)n->hip, mag);
  else if (catnum == 1 && star[s].starno > 0)
    snprintf(dest, size, "HIP %d %.2f", (int)star[s].starno, mag);
  else
    snprintf(dest, size, "%s star %.2f", StarCatID, mag);
  return 1;
}

int readouttext(char *dest, int x, int y) {
  double rh, dd, alt, az;
  getradechours(x, y, &rh, &dd);
  chartaltaz(dJDay, rh, dd, &alt, &az);
  char rt[ANGLETEXTLEN], dt[ANGLETEXTLEN], what[96];
  hms(rt, rh);
  ddmmm(dt, dd);
  objectatpixel(x, y, what, sizeof what);
  // Altitude and azimuth are bounded; the clamps only tell the compiler.
  alt = alt > 90 || alt < -90 ? 0.0 : alt;
  az = az > 360 || az < 0 ? 0.0 : az;
  snprintf(dest, READOUTLEN, "RA %.12s  Dec %.12s  Alt %+.1f\xb0 Az %.1f\xb0  %.80s", rt, dt, alt, az, what);
  return 0;
}

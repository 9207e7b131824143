#include "chart/skyread.h"

#include <allegro.h>

#include <cmath>
#include <cstdio>

#include "base/constants.h"
#include "astro/horizon.h"
#include "astro/precession.h"
#include "astro/sun.h"
#include "chart/labels.h"
#include "chart/projection.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "chart/starplot.h"
#include "chart/starsearch.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "chart/mplist.h"
#include "base/settings.h"
#include "places/place.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"
#include "screen/display.h"
#include "screen/layout.h"

double placesidereal(double jd) {
  int d, m;
  long y;
  double ut;
  jdtodmyut(jd, &d, &m, &y, &ut);
  return localsid(d, m, (int)y, ut, dLongit);
}

// Hours brought into -12..12.
static double signedhours(double h) { return fmod(fmod(h, 24.0) + 36.0, 24.0) - 12.0; }

// Place of date of a J2000 place: the inverse of place2000, found by
// stepping back the difference it makes (converges to well under an arc
// second in three steps for any date of the program's range).
static void placeofdate(double jd, double rahours, double decdeg, double *rao, double *deco) {
  double r = rahours, d = decdeg;
  for (int k = 0; k < 3; k++) {
    double r2 = r, d2 = d;
    place2000(jd, &r2, &d2);
    r -= signedhours(r2 - rahours);
    d -= d2 - decdeg;
  }
  *rao = fmod(r + 24.0, 24.0);
  *deco = d;
}

int chartaltaz(double jd, double rahours, double decdeg, double *altdeg, double *azdeg) {
  double r, d;
  placeofdate(jd, rahours, decdeg, &r, &d);
  return hadectohorizon(placesidereal(jd) - r, d, dLattit, altdeg, azdeg);
}

double sunaltitude(double jd) {
  double r, d, eqt, dpsi, deps, obl, alt, az;
  getsunpos(jd, &r, &d, &eqt, &dpsi, &deps, &obl);
  hadectohorizon(placesidereal(jd) - r, d, dLattit, &alt, &az);
  return alt;
}

// J2000 place of altitude alt, azimuth az at jd with sidereal time lst.
static void horizonplace(double jd, double lst, double alt, double az, double *rao, double *deco) {
  double ha;
  horizontohadec(alt, az, dLattit, &ha, deco);
  *rao = fmod(lst - ha + 48.0, 24.0);
  place2000(jd, rao, deco);
}

int drawhorizon() {
  if (!SKYbmp) return 0;
  double jd = dJDay, lst = placesidereal(jd);
  int c = colour[PALHORIZON], pieces = 0;
  double r, d;
  horizonplace(jd, lst, 0, 0, &r, &d);
  int lastin = isplotable(r, d);
  for (int az = HORIZONSTEPDEG; az <= 360; az += HORIZONSTEPDEG) {
    horizonplace(jd, lst, 0, az, &r, &d);
    int in = isplotable(r, d);
    // A piece that jumps across the chart is a wrap of the map, not a line.
    bool wrap = abs(iXplot - iXplotold) > plotwidth / 2;
    if ((in || lastin) && !wrap) {
      line(SKYbmp, iXplotold, iYplotold, iXplot, iYplot, c);
      pieces++;
    }
    lastin = in;
  }
  static const char *const kPoints[4] = {"N", "E", "S", "W"};
  for (int k = 0; k < 4; k++) {
    horizonplace(jd, lst, 0, 90.0 * k, &r, &d);
    if (!isplotable(r, d)) continue;
    int w = text_length(font, kPoints[k]), h = text_height(font), x, y;
    if (labelplace(iXplot, iYplot, w, h, 2, &x, &y)) textout_ex(SKYbmp, font, kPoints[k], x, y, c, -1);
  }
  return pieces;
}

int drawsunstate() {
  double alt = sunaltitude(dJDay);
  int state = skystate(alt);
  if (!VIDbmp) return state;
  char text[48];
  snprintf(text, sizeof text, "Sun %+.1f\xb0 %s", alt, skyname(state));
  int x0 = 2 * HORScale + JDLINEWIDTH + 1 + TITLEWIDTH + 2, x1 = SCREEN_W - 4 * HORScale;
  if (x1 - x0 > 240) x1 = x0 + 240;
  int y0 = 3 * VRTScale + 1, y1 = 4 * VRTScale - 2;
  rectfill(VIDbmp, x0, y0, x1, y1, colour[PALGREY]);
  textout_ex(VIDbmp, fittingfont(text, x1 - x0 - 4), text, x0 + 2, 3 * VRTScale + 4, colour[PALBLACK], -1);
  return state;
}


#include "astro/riseset.h"

#include <cmath>
#include <cstdio>

#include "base/constants.h"
#include "places/place.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"

double gmst0hut(double jd) {
  double T = (jd - DJ1900) / DJC;
  double g = 0.276919398 + 100.0021359 * T + 0.000001075 * T * T;
  return 24.0 * (g - floor(g));
}

// Rising (sign -1) or setting (+1) time of risetime/settingtime.
static double riseset(char *dest, double jd, double ra, double dec, double sign) {
  double x = tan(dLattit / P0) * tan(dec / P0);
  if (!(fabs(x) < 1.0)) {
    snprintf(dest, ANGLETEXTLEN, "none ");
    return 99.0;
  }
  double H = acos(-x) * P0;
  double t = 0.99727 * (dLongit / 15.0 + ra + sign * H / 15.0 - gmst0hut(jd));
  t = fmod(t, 24.0);
  if (t < 0.0) t += 24.0;
  hhmmt(dest, t);
  return t;
}

double risetime(char *dest, double jd, double ra, double dec) {
  return riseset(dest, jd, ra, dec, -1.0);
}

double settingtime(char *dest, double jd, double ra, double dec) {
  return riseset(dest, jd, ra, dec, 1.0);
}

// acos of x held to [-1, 1] against rounding.
static double safeacos(double x) { return acos(x > 1.0 ? 1.0 : (x < -1.0 ? -1.0 : x)); }

void altaz(double jd, double *az, double *alt, double ra, double dec) {
  int dd, mm;
  long yy;
  double ut;
  jdtodmyut(jd, &dd, &mm, &yy, &ut);
  double ha = localsid(dd, mm, static_cast<int>(yy), ut, dLongit) - ra;
  // East or west of the meridian is decided on the nearer side.
  if (ha >= 12.0) ha -= 24.0;
  if (ha < -12.0) ha += 24.0;
  double phi = dLattit / P0, d = dec / P0;
  double z = safeacos(sin(d) * sin(phi) + cos(d) * cos(phi) * cos(15.0 * ha / P0));
  *alt = 90.0 - z * P0;
  double s = sin(z) * cos(phi);
  double a = s == 0.0 ? 0.0 : safeacos((cos(z) * sin(phi) - sin(d)) / s) * P0;
  *az = ha < 0.0 ? 360.0 - a : a;
}

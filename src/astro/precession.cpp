#include "astro/precession.h"

#include <cmath>
#include <cstdio>

#include "base/constants.h"

void precangles(double jd, double *p, double *pi, double *Pi) {
  double tau = (jd - 2451544.5) / 36524.22;
  *p = 1.396319 * tau / P0;
  *pi = 0.013076 * tau / P0;
  *Pi = (5.59258 + 0.241743 * tau) / P0;
}

void prec2000angles(double jd, double *m, double *n) {
  double T = (DJ00 - jd) / 36524.22;
  *m = (1.2807748 - 0.0003881 * T) * T;
  *n = (0.5566618 + 0.0001186 * T) * T;
}

void prec2000(double jd, double *ra, double *dec, double *rarad) {
  double m, n;
  prec2000angles(jd, &m, &n);
  double am = (*ra + (n * sin(*rarad) * tan(*dec) + m) / 30.0) * 15.0 / P0;
  double dm = *dec + n * cos(am) / (2.0 * P0);
  *ra += (m + n * sin(am) * tan(dm)) / 15.0;
  *dec += n * cos(am) / P0;
  // Precession carries places near 0 h across it either way; every user of
  // the J2000 place (rows, sorts, blocks, chart) needs it inside one day.
  if (*ra >= 24.0) *ra -= 24.0;
  if (*ra < 0.0) *ra += 24.0;
}

void place2000(double jd, double *rahours, double *decdeg) {
  double dec = *decdeg * DD2R, rarad = *rahours * DH2R;
  prec2000(jd, rahours, &dec, &rarad);
  *decdeg = dec * DR2D;
}

void prec1950(double jd, double *ra, double *dec, double *rarad) {
  double T = (jd - 2433282.423) / 36524.22;
  double m = (1.2805267 + 0.0003875 * T) * T;
  double n = (0.5567376 - 0.0001183 * T) * T;
  double am = (*ra - (n * sin(*rarad) * tan(*dec) + m) / 30.0) * 15.0 / P0;
  double dm = *dec - n * cos(am) / (2.0 * P0);
  *ra -= (m + n * sin(am) * tan(dm)) / 15.0;
  *dec -= n * cos(am) / P0;
  if (*ra < 0.0) *ra += 24.0;
}

// Julian Day that the year number y stands for.
static double yearjd(int y) { return (y - 1950) * 365.2422 + 2433282.423; }

void precess(int year2, int year1, double *ra, double *dec) {
  double T = (yearjd(year1) - DJ00) / DJC;
  double t = (yearjd(year2) - yearjd(year1)) / DJC;
  // IAU 1976 angles in arc seconds.
  double w = 2306.2181 + (1.39656 - 0.000139 * T) * T;
  double zeta = (w + (0.30188 - 0.000344 * T + 0.017998 * t) * t) * t / 3600.0 / P0;
  double z = (w + (1.09468 + 0.000066 * T + 0.018203 * t) * t) * t / 3600.0 / P0;
  double theta = ((2004.3109 - (0.85330 + 0.000217 * T) * T) -
                  ((0.42665 + 0.000217 * T) + 0.041833 * t) * t) * t / 3600.0 / P0;
  double a = *ra * 15.0 / P0;
  double d = *dec / P0;
  double A = cos(a + zeta), B = sin(a + zeta);
  double q = (tan(d) + tan(theta / 2.0) * A) * sin(theta);
  double a1 = a + zeta + z + atan(q * B / (1.0 - q * A));
  double d1 = d + (A - tan(a1 - a - zeta - z) * B) * theta;
  double h = fmod(a1 * P0 / 15.0, 24.0);
  if (h < 0.0) h += 24.0;
  *ra = h;
  *dec = d1 * P0;
}

double getobjcoord(double jd, double x, double y, double z, double *ra, double *dec0,
                   double *dec, int mode) {
  if (x == 0.0) x = 0.00001;
  double a = atan(y / x);
  if (x < 0.0) a += 180.0 / dRad;
  if (a < 0.0) a += 360.0 / dRad;
  double d = atan((z / x) * cos(a));
  double h = a * dRad / 15.0;
  if (mode == EQUINOXB1950) prec1950(jd, &h, &d, &a);
  if (mode == EQUINOXJ2000) prec2000(jd, &h, &d, &a);
  *ra = h;
  *dec0 = d;
  *dec = d * dRad;
  return h;
}

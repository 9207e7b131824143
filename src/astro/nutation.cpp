#include "astro/nutation.h"

#include <cmath>

#include "base/constants.h"
#include "timefmt/angles.h"

static const double kDegToRad = DD2R;
static const double kArcsecToRad = kDegToRad / 3600.0;

// One-entry caches; -10000 is no instant the program uses.
static double nutmjd = -10000.0, nutdeps, nutdpsi;
static double eqmjd = -10000.0, eqseps, eqceps;

int range(double *v, double r) {
  *v -= r * std::floor(*v / r);
  if (*v >= r) *v = 0.0;  // a tiny negative v rounds up to r itself
  return 0;
}

int obliquity(double mjd, double *eps) {
  double t = mjd / DJC;
  double arcsec = 46.845 * t + 0.0059 * t * t - 0.00181 * t * t * t;
  *eps = (23.45229444 - arcsec / 3600.0) * kDegToRad;
  return 0;
}

int nutation(double mjd, double *deps, double *dpsi) {
  if (mjd != nutmjd) {
    double t = mjd / DJC, t2 = t * t;
    double l2 = 2.0 * (279.697 + 0.000303 * t2 + 360.0 * frac(100.0021358 * t)) * kDegToRad;
    double ld2 = 2.0 * (270.434 - 0.001133 * t2 + 360.0 * frac(1336.855231 * t)) * kDegToRad;
    double ms = (358.476 - 0.00015 * t2 + 360.0 * frac(99.99736056 * t)) * kDegToRad;
    double md = (296.105 + 0.009192 * t2 + 360.0 * frac(1325.552359 * t)) * kDegToRad;
    double n = (259.183 + 0.002078 * t2 - 360.0 * frac(5.372616667 * t)) * kDegToRad;
    double psi = (-17.2327 - 0.01737 * t) * std::sin(n) + (-1.2729 - 0.00013 * t) * std::sin(l2) +
                 0.2088 * std::sin(2.0 * n) - 0.2037 * std::sin(ld2) +
                 (0.1261 - 0.00031 * t) * std::sin(ms) + 0.0675 * std::sin(md) -
                 (0.0497 - 0.00012 * t) * std::sin(l2 + ms) - 0.0342 * std::sin(ld2 - n) -
                 0.0261 * std::sin(ld2 + md) + 0.0214 * std::sin(l2 - ms) -
                 0.0149 * std::sin(l2 - ld2 + md) + 0.0124 * std::sin(l2 - n) +
                 0.0114 * std::sin(ld2 - md);
    double eps = (9.21 + 0.00091 * t) * std::cos(n) + (0.5522 - 0.00029 * t) * std::cos(l2) -
                 0.0904 * std::cos(2.0 * n) + 0.0884 * std::cos(ld2) +
                 0.0216 * std::cos(l2 + ms) + 0.0183 * std::cos(ld2 - n) +
                 0.0113 * std::cos(ld2 + md) - 0.0093 * std::cos(l2 - ms) -
                 0.0066 * std::cos(l2 - n);
    nutdpsi = psi * kArcsecToRad;
    nutdeps = eps * kArcsecToRad;
    nutmjd = mjd;
  }
  *deps = nutdeps;
  *dpsi = nutdpsi;
  return 0;
}

int ecleq_aux(int sw, double mjd, double x, double y, double *p, double *q) {
  if (mjd != eqmjd) {
    double eps, deps, dpsi;
    obliquity(mjd, &eps);
    nutation(mjd, &deps, &dpsi);
    eps += deps;
    eqseps = std::sin(eps);
    eqceps = std::cos(eps);
    eqmjd = mjd;
  }
  double sy = std::sin(y), cy = std::cos(y);
  if (std::fabs(cy) < 1e-20) cy = 1e-20;
  double ty = sy / cy;
  double sx = std::sin(x), cx = std::cos(x);
  // rounding must not push the sine past 1 at the poles
  *q = std::asin(std::fmax(-1.0, std::fmin(1.0, sy * eqceps - sw * cy * eqseps * sx)));
  *p = std::atan((sx * eqceps + sw * ty * eqseps) / cx);
  if (cx < 0.0) *p += DPI;
  range(p, D2PI);
  return 0;
}

int ecl_eq(double mjd, double beta, double lambda, double *ra, double *dec) {
  return ecleq_aux(-1, mjd, lambda, beta, ra, dec);
}

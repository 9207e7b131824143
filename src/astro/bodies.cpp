#include "astro/bodies.h"

#include <cmath>

#include "base/constants.h"
#include "astro/deltat.h"
#include "astro/jplephem.h"
#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/sun.h"

// The JPL body of each planet record (the Earth-Moon barycentre is not one).
static const int kPlanetBody[8] = {JPLMERCURY, JPLVENUS,  JPLMARS,    JPLJUPITER,
                                   JPLSATURN,  JPLURANUS, JPLNEPTUNE, JPLPLUTO};
static const int kLightTimeSteps = 4;  // enough for a place to 1e-12 AU of motion

int earthhelio(double tt, double pos[3]) {
  double e[3], s[3];
  if (jplearth(tt, e) == 0 && jplbody(JPLSUN, tt, s) == 0) {
    for (int i = 0; i < 3; i++) pos[i] = e[i] - s[i];
    return 1;
  }
  double R, obl, ecc, elong, m[3][3];
  earthpos(tt, &e[0], &e[1], &e[2], &R, &obl, &ecc, &elong);
  precessmatrix(tt, m);
  matrixapplyT(m, e, pos);
  return 0;
}

void observerat(double ut, int geocentric, double lat, double lon, double h, OBSERVER *o) {
  o->ut = ut;
  o->tt = jdtt(ut);
  o->jpl = earthhelio(o->tt, o->earth);
  if (geocentric)
    o->site[0] = o->site[1] = o->site[2] = 0.0;
  else
    siteposition(ut, o->tt, lat, lon, h, o->site);
  for (int i = 0; i < 3; i++) o->pos[i] = o->earth[i] + o->site[i];
  o->R = sqrt(o->pos[0] * o->pos[0] + o->pos[1] * o->pos[1] + o->pos[2] * o->pos[2]);
}

void vectorplace(const double v[3], double *ra, double *dec, double *dist) {
  double rho = sqrt(v[0] * v[0] + v[1] * v[1]);
  double a = atan2(v[1], v[0]) * DR2H;
  if (a < 0.0) a += 24.0;
  *ra = a >= 24.0 ? 0.0 : a;
  *dec = atan2(v[2], rho) * DR2D;
  *dist = sqrt(rho * rho + v[2] * v[2]);
}

void sunvector(const OBSERVER *o, double v[3]) {
  for (int i = 0; i < 3; i++) v[i] = -o->pos[i];
}

void moonvector(const OBSERVER *o, double v[3]) {
  double m[3], e[3], e0[3];
  if (jplearth(o->tt, e0) == 0) {
    double tau = 0.0;
    for (int k = 0; k < kLightTimeSteps; k++) {
      jplbody(JPLMOON, o->tt - tau, m);
      jplearth(o->tt - tau, e);
      for (int i = 0; i < 3; i++) v[i] = e[i] + m[i] - e0[i] - o->site[i];
      tau = sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) / CAUDAY;
    }
    return;
  }
  // The theory's geometric ecliptic place of date, to the mean equator of
  // date and then to J2000.
  double t = o->tt - DJ1900, lambda, beta, eps, pm[3][3];
  moon(t, &lambda, &beta);
  obliquity(t, &eps);
  double x = cos(beta) * cos(lambda), y = cos(beta) * sin(lambda), z = sin(beta);
  double d[3] = {MOONMEANDIST * x, MOONMEANDIST * (y * cos(eps) - z * sin(eps)),
                 MOONMEANDIST * (y * sin(eps) + z * cos(eps))};
  precessmatrix(o->tt, pm);
  matrixapplyT(pm, d, v);
  for (int i = 0; i < 3; i++) v[i] -= o->site[i];
}

int planetvector(int p, const OBSERVER *o, double v[3], double helio[3]) {
  if (p < 0 || p >= 8 || !jplcovers(o->tt)) return -1;
  // Barycentric: the Sun moves too while the light travels.
  double b[3], s[3], s0[3], tau = 0.0;
  jplbody(JPLSUN, o->tt, s0);
  for (int k = 0; k < kLightTimeSteps; k++) {
    if (jplbody(kPlanetBody[p], o->tt - tau, b) != 0 || jplbody(JPLSUN, o->tt - tau, s) != 0)
      return -1;
    for (int i = 0; i < 3; i++) {
      helio[i] = b[i] - s[i];
      v[i] = b[i] - s0[i] - o->pos[i];
    }
    tau = sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) / CAUDAY;
  }
  return 0;
}

void sunplace(const OBSERVER *o, double *ra, double *dec) {
  double v[3], dist;
  sunvector(o, v);
  vectorplace(v, ra, dec, &dist);
}

void moonplace(const OBSERVER *o, double *ra, double *dec, double *dist) {
  double v[3];
  moonvector(o, v);
  vectorplace(v, ra, dec, dist);
}

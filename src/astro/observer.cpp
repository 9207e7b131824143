#include "astro/observer.h"

#include <cmath>

#include "base/constants.h"

static const double kArcsec = DD2R / 3600.0;
static const double kWgs84A = 6378.137;            // equatorial radius, km
static const double kWgs84F = 1.0 / 298.257223563;  // flattening
static const double kAuKm = DAU / 1000.0;

void precessmatrix(double tt, double m[3][3]) {
  double t = (tt - DJ00) / DJC;
  double zeta = (2306.2181 + (0.30188 + 0.017998 * t) * t) * t * kArcsec;
  double z = (2306.2181 + (1.09468 + 0.018203 * t) * t) * t * kArcsec;
  double theta = (2004.3109 + (-0.42665 - 0.041833 * t) * t) * t * kArcsec;
  double cz = cos(zeta), sz = sin(zeta), cZ = cos(z), sZ = sin(z);
  double ct = cos(theta), st = sin(theta);
  // R3(-z) R2(theta) R3(-zeta).
  m[0][0] = cZ * ct * cz - sZ * sz;
  m[0][1] = -cZ * ct * sz - sZ * cz;
  m[0][2] = -cZ * st;
  m[1][0] = sZ * ct * cz + cZ * sz;
  m[1][1] = -sZ * ct * sz + cZ * cz;
  m[1][2] = -sZ * st;
  m[2][0] = st * cz;
  m[2][1] = -st * sz;
  m[2][2] = ct;
}

void matrixapply(const double m[3][3], const double v[3], double out[3]) {
  double r[3];
  for (int i = 0; i < 3; i++) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
  for (int i = 0; i < 3; i++) out[i] = r[i];
}

void matrixapplyT(const double m[3][3], const double v[3], double out[3]) {
  double r[3];
  for (int i = 0; i < 3; i++) r[i] = m[0][i] * v[0] + m[1][i] * v[1] + m[2][i] * v[2];
  for (int i = 0; i < 3; i++) out[i] = r[i];
}

double gmst82(double ut) {
  // Seconds of time; the day's fraction counted from noon, hence the
  // 12 hours taken off the constant.
  const double A = 24110.54841 - DAYSEC / 2.0, B = 8640184.812866, C = 0.093104, D = -6.2e-6;
  double t = (ut - DJ00) / DJC;
  double f = DAYSEC * fmod(ut, 1.0);
  double g = fmod((A + (B + (C + D * t) * t) * t + f) * (D2PI / DAYSEC), D2PI);
  return g < 0.0 ? g + D2PI : g;
}

void siteposition(double ut, double tt, double lat, double lon, double h, double out[3]) {
  double phi = lat * DD2R, s = sin(phi), c = cos(phi);
  double e2 = kWgs84F * (2.0 - kWgs84F);
  double n = kWgs84A / sqrt(1.0 - e2 * s * s);
  double hk = h / 1000.0;
  double rho = (n + hk) * c / kAuKm, z = (n * (1.0 - e2) + hk) * s / kAuKm;
  double lst = gmst82(ut) + lon * DD2R;
  double v[3] = {rho * cos(lst), rho * sin(lst), z};
  double m[3][3];
  precessmatrix(tt, m);
  matrixapplyT(m, v, out);
}

#include "astro/sun.h"

#include <cmath>
#include <cstdio>

#include "base/constants.h"

void earthpos(double jd, double *x, double *y, double *z, double *R, double *obl, double *ecc,
              double *elong) {
  double d = jd - DJ1900;
  double T = d / DJC;
  *obl = (23.452294 - 0.0130125 * T) / P0;
  double L = 279.69668 + 0.9856473354 * d + 0.000303 * T * T;
  L = L - 360.0 * floor(L / 360.0) + 180.0;
  if (L > 360.0) L -= 360.0;
  double e = 0.01675104 - 0.0000418 * T;
  *ecc = e;
  double peri = 101.22083 + 0.0000470684 * d + 0.000453 * T * T;
  double M = (L - peri) / P0;
  double E = M + e * sin(M + e * sin(M + e * sin(M)));
  *R = 1.0 - e * cos(E);
  double nu = 2.0 * atan(tan(E / 2.0) * sqrt((1.0 + e) / (1.0 - e)));
  double lambda = peri / P0 + nu;
  *x = *R * cos(lambda);
  *y = *R * sin(lambda) * cos(*obl);
  *z = *R * sin(lambda) * sin(*obl);
  double el = 350.737486 + 12.1907491914 * d;
  *elong = el - 360.0 * floor(el / 360.0);
}

// x reduced into [0, 2 pi).
static double reduce2pi(double x) {
  x = fmod(x, P2);
  return x < 0.0 ? x + P2 : x;
}

void getsunpos(double jd, double *ra, double *dec, double *eqt, double *dpsi, double *deps,
               double *obl) {
  double d = jd - DJ1900;
  double T = d / DJC;
  double e = 0.01675104 - (0.0000408 + 0.000000126 * T) * T;
  double M = 0.985600267 * d - 1.52417 + (0.00015 + 0.000003 * T) * T * T;
  if (M > 360.0) M = fmod(M, 360.0);
  M /= P0;
  double E = M;
  for (int k = 0; k < 3; k++) E += (M - (E - e * sin(E))) / (1.0 - e * cos(E));
  double nu = 2.0 * atan(tan(E / 2.0) * sqrt((1.0 + e) / (1.0 - e)));
  if (nu < 0.0) nu += 2.0 * P1;

  double eps = (23.452294 - 0.0130125 * T) / P0;
  double peri = (281.22083 + 0.0000470684 * d + 0.000453 * T * T) / P0;
  double node = (259.183275 - 0.0529539222 * d + 0.003078 * T * T) / P0;
  double de = (0.0025583333 + 0.00000025 * T) * cos(node) / P0;
  eps += de;
  double dp = -(0.0047872222 + 0.00000472222 * T) * sin(node) / P0;

  double s = sin(eps) * sin(nu + peri);
  double delta = atan(s / sqrt(1.0 - s * s));
  double Lm = reduce2pi(peri + M);
  double lambda = reduce2pi(peri + nu + dp);
  double y = tan(eps / 2.0) * tan(eps / 2.0);
  double a0 = atan(tan(lambda) * (1.0 - y) / (1.0 + y));
  double q = a0 - Lm;
  q -= P1 * floor(q / P1);
  if (fabs(q) > 0.9 * P1) q -= P1;
  double alpha = q + Lm;
  if (alpha >= P2) alpha -= P2;
  if (alpha < 0.0) alpha += P2;  // keeps the right ascension in [0, 24) h

  *ra = alpha * P0 / 15.0;
  *dec = delta * P0;
  *dpsi = dp * P0;
  *deps = de * P0;
  *obl = eps * P0;
  *eqt = q * P0 / 15.0;
}

double oppositionra(double sunra) {
  double opp = sunra + 12;
  return opp > 24 ? opp - 24 : opp;
}

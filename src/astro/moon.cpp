#include "astro/moon.h"

#include <cmath>

#include "base/constants.h"
#include "astro/nutation.h"
#include "timefmt/angles.h"
#include "timefmt/instant.h"

double moonra;
double moondec;
double mjd;

// One periodic term: coefficient in degrees times E^epow times the sine of
// d D + m M + mp M' + f F.
struct MoonTerm {
  double coef;
  signed char d, m, mp, f, epow;
};

static const MoonTerm kLongitudeTerms[50] = {
    {6.28875, 0, 0, 1, 0, 0},     {1.27402, 2, 0, -1, 0, 0},    {0.658309, 2, 0, 0, 0, 0},
    {0.213616, 0, 0, 2, 0, 0},    {-0.185596, 0, 1, 0, 0, 1},   {-0.114336, 0, 0, 0, 2, 0},
    {0.058793, 2, 0, -2, 0, 0},   {0.057212, 2, -1, -1, 0, 1},  {0.05332, 2, 0, 1, 0, 0},
    {0.045874, 2, -1, 0, 0, 1},   {0.041024, 0, -1, 1, 0, 1},   {-0.034718, 1, 0, 0, 0, 0},
    {-0.030465, 0, 1, 1, 0, 1},   {0.015326, 2, 0, 0, -2, 0},   {-0.012528, 0, 0, 1, 2, 0},
    {-0.01098, 0, 0, -1, 2, 0},   {0.010674, 4, 0, -1, 0, 0},   {0.010034, 0, 0, 3, 0, 0},
    {0.008548, 4, 0, -2, 0, 0},   {-0.00791, 2, 1, -1, 0, 1},   {-0.006783, 2, 1, 0, 0, 1},
    {0.005162, -1, 0, 1, 0, 0},   {0.005, 1, 1, 0, 0, 1},       {0.003862, 4, 0, 0, 0, 0},
    {0.004049, 2, -1, 1, 0, 1},   {0.003996, 2, 0, 2, 0, 0},    {0.003665, 2, 0, -3, 0, 0},
    {0.002695, 0, -1, 2, 0, 1},   {0.002602, -2, 0, 1, -2, 0},  {0.002396, 2, -1, -2, 0, 1},
    {-0.002349, 1, 0, 1, 0, 0},   {0.002249, 2, -2, 0, 0, 2},   {-0.002125, 0, 1, 2, 0, 1},
    {-0.002079, 0, 2, 0, 0, 2},   {0.002059, 2, -2, -1, 0, 2},  {-0.001773, 2, 0, 1, -2, 0},
    {-0.001595, 2, 0, 0, 2, 0},   {0.00122, 4, -1, -1, 0, 1},   {-0.00111, 0, 0, 2, 2, 0},
    {0.000892, -3, 0, 1, 0, 0},   {-0.000811, 2, 1, 1, 0, 1},   {0.000761, 4, -1, -2, 0, 1},
    {0.000704, -2, -2, 1, 0, 2},  {0.000693, 2, 1, -2, 0, 1},   {0.000598, 2, -1, 0, -2, 1},
    {0.00055, 4, 0, 1, 0, 0},     {0.000538, 0, 0, 4, 0, 0},    {0.000521, 4, -1, 0, 0, 1},
    {0.000486, -1, 0, 2, 0, 0},   {0.000717, 0, -2, 1, 0, 2},
};

static const MoonTerm kLatitudeTerms[45] = {
    {5.12819, 0, 0, 0, 1, 0},     {0.280606, 0, 0, 1, 1, 0},    {0.277693, 0, 0, 1, -1, 0},
    {0.173238, 2, 0, 0, -1, 0},   {0.055413, 2, 0, -1, 1, 0},   {0.046272, 2, 0, -1, -1, 0},
    {0.032573, 2, 0, 0, 1, 0},    {0.017198, 0, 0, 2, 1, 0},    {0.009267, 2, 0, 1, -1, 0},
    {0.008823, 0, 0, 2, -1, 0},   {0.008247, 2, -1, 0, -1, 1},  {0.004323, 2, 0, -2, -1, 0},
    {0.0042, 2, 0, 1, 1, 0},      {0.003372, -2, -1, 0, 1, 1},  {0.002472, 2, -1, -1, 1, 1},
    {0.002222, 2, -1, 0, 1, 1},   {0.002072, 2, -1, -1, -1, 1}, {0.001877, 0, -1, 1, 1, 1},
    {0.001828, 4, 0, -1, -1, 0},  {-0.001803, 0, 1, 0, 1, 1},   {-0.00175, 0, 0, 0, 3, 0},
    {0.00157, 0, -1, 1, -1, 1},   {-0.001487, 1, 0, 0, 1, 0},   {-0.001481, 0, 1, 1, 1, 1},
    {0.001417, 0, -1, -1, 1, 1},  {0.00135, 0, -1, 0, 1, 1},    {0.00133, -1, 0, 0, 1, 0},
    {0.001106, 0, 0, 3, 1, 0},    {0.00102, 4, 0, 0, -1, 0},    {0.000833, 4, 0, -1, 1, 0},
    {0.000781, 0, 0, 1, -3, 0},   {0.00067, 4, 0, -2, 1, 0},    {0.000606, 2, 0, 0, -3, 0},
    {0.000597, 2, 0, 2, -1, 0},   {0.000492, 2, -1, 1, -1, 1},  {0.00045, -2, 0, 2, -1, 0},
    {0.000439, 0, 0, 3, -1, 0},   {0.000423, 2, 0, 2, 1, 0},    {0.000422, 2, 0, -3, -1, 0},
    {-0.000367, 2, 1, -1, 1, 1},  {-0.000353, 2, 1, 0, 1, 1},   {0.000331, 4, 0, 0, 1, 0},
    {0.000317, 2, -1, 1, 1, 1},   {0.000306, 2, -2, 0, -1, 2},  {-0.000283, 0, 0, 1, 3, 0},
};

static const int kNumLongitude = (int)(sizeof kLongitudeTerms / sizeof *kLongitudeTerms);
static const int kNumLatitude = (int)(sizeof kLatitudeTerms / sizeof *kLatitudeTerms);

static double rad(double deg) { return deg * DPI / 180.0; }

// Mean arguments in radians and the eccentricity factor.
struct MoonArgs {
  double d, m, mp, f, e;
};

// Sum of terms (degrees) for the arguments a.
static double sumterms(const MoonTerm *terms, int n, const MoonArgs &a) {
  double efac[3] = {1.0, a.e, a.e * a.e};
  double sum = 0.0;
  for (int i = 0; i < n; i++) {
    const MoonTerm &k = terms[i];
    double arg = k.d * a.d + k.m * a.m + k.mp * a.mp + k.f * a.f;
    sum += k.coef * efac[(int)k.epow] * std::sin(arg);
  }
  return sum;
}

int moon(double t_mjd, double *lambda, double *beta) {
  double t = t_mjd / DJC, t2 = t * t;
  double sa = std::sin(rad(51.2 + 20.2 * t));
  double b = 0.003964 * std::sin(rad(346.56 + 132.87 * t - 0.0091731 * t2));
  double n = rad(259.183275 - 360.0 * frac(t_mjd / 6798.363307) + (0.002078 + 0.000022 * t) * t2);
  double sn = std::sin(n);
  double n2 = n + rad(275.05 - 2.3 * t);  // node plus its secondary term
  MoonArgs a;
  a.e = 1.0 - (0.002495 + 0.00000752 * t) * t;
  double lp = 270.434164 + 360.0 * frac(t_mjd / 27.32158213) - (0.001133 - 0.0000019 * t) * t2 +
              0.000233 * sa + 0.001964 * sn + b;
  a.m = rad(358.475833 + 360.0 * frac(t_mjd / 365.2596407) - (0.00015 + 0.0000033 * t) * t2 -
            0.001778 * sa);
  a.mp = rad(296.104608 + 360.0 * frac(t_mjd / 27.55455094) + (0.009192 + 0.0000144 * t) * t2 +
             0.000817 * sa + 0.002541 * sn + b);
  a.d = rad(350.737486 + 360.0 * frac(t_mjd / 29.53058868) - (0.001436 - 0.0000019 * t) * t2 +
            0.002011 * sa + 0.001964 * sn + b);
  a.f = rad(11.250889 + 360.0 * frac(t_mjd / 27.21222039) - (0.003211 + 0.0000003 * t) * t2 + b -
            0.024691 * sn - 0.004328 * std::sin(n2));
  *lambda = rad(lp + sumterms(kLongitudeTerms, kNumLongitude, a));
  range(lambda, D2PI);
  double w = 1.0 - 0.0004664 * std::cos(n) - 0.0000754 * std::cos(n2);
  *beta = rad(w * sumterms(kLatitudeTerms, kNumLatitude, a));
  return 0;
}

int moonplace(double jd, double *rahours, double *decdeg) {
  double t = jd - DJ1900;
  double lambda, beta, deps, dpsi, ra, dec;
  moon(t, &lambda, &beta);
  nutation(t, &deps, &dpsi);
  lambda += dpsi;
  range(&lambda, D2PI);
  ecl_eq(t, beta, lambda, &ra, &dec);
  *rahours = ra * 12.0 / DPI;
  *decdeg = dec * 180.0 / DPI;
  return 0;
}

int domoon() {
  mjd = day - DJ1900;
  return moonplace(day, &moonra, &moondec);
}

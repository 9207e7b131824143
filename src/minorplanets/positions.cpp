#include "minorplanets/positions.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/constants.h"
#include "astro/moon.h"
#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "places/place.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"


// clang-format off
const double elements[8][23] = {
  {178.179078, 415.2057519, 0.0003011, 0, 75.899697, 1.5554889, 0.0002947, 0,
   0.20561421, 0.00002046, 0.00000003, 0, 7.002881, 0.0018608, -0.0000183, 0,
   47.145944, 1.1852083, 0.0001739, 0, 0.3870986, 6.74, -0.42},
  {342.767053, 162.5533664, 0.0003097, 0, 130.163833, 1.4080361, -0.0009764, 0,
   0.00682069, -0.00004774, 0.000000091, 0, 3.393631, 0.0010058, -0.000001, 0,
   75.779647, 0.89985, 0.00041, 0, 0.7233316, 16.92, -4.4},
  {293.737334, 53.17137642, 0.0003107, 0, 334.218203, 1.8407584, 0.0001299, -0.00000119,
   0.0933129, 0.000092064, 0.000000077, 0, 1.850333, -0.000675, 0.0000126, 0,
   48.786442, 0.7709917, -0.0000014, -0.00000533, 1.5236883, 9.36, -1.52},
  {238.049257, 8.434172183, 0.0003347, -0.00000165, 12.720972, 1.6099617, 0.00105627, -0.00000343,
   0.04833475, 0.00016418, -0.0000004676, -0.0000000017, 1.308736, -0.0056961, 0.0000039, 0,
   99.443414, 1.01053, 0.00035222, -0.00000851, 5.202561, 196.74, -9.4},
  {266.564377, 3.398638567, 0.0003245, -0.0000058, 91.098214, 1.9584158, 0.00082636, 0.00000461,
   0.05589232, -0.0003455, -0.000000728, 0.00000000074, 2.492519, -0.0039189, -0.00001549, 0.00000004,
   112.790414, 0.8731951, -0.00015218, -0.00000531, 9.554747, 165.6, -8.88},
  {244.19747, 1.194065406, 0.000316, -0.0000006, 171.548692, 1.4844328, 0.0002372, -0.00000061,
   0.0463444, -0.00002658, 0.000000077, 0, 0.772464, 0.0006253, 0.0000395, 0,
   73.477111, 0.4986678, 0.0013117, 0, 19.21814, 65.8, -7.19},
  {84.457994, 0.6107942056, 0.0003205, -0.0000006, 46.727364, 1.4245744, 0.00039082, -0.000000605,
   0.00899704, 0.00000633, -0.000000002, 0, 1.779242, -0.0095436, -0.0000091, 0,
   130.681389, 1.098935, 0.00024987, -0.000004718, 30.10957, 62.2, -6.87},
  {95.3113544, 0.3980332167, 0, 0, 224.017, 0, 0, 0,
   0.25515, 0, 0, 0, 17.1329, 0, 0, 0,
   110.191, 0, 0, 0, 39.8151, 8.2, -1},
};
// clang-format on

static const char *const kPlanetNames[8] = {"Mercury", "Venus",  "Mars",    "Jupiter",
                                            "Saturn",  "Uranus", "Neptune", "Pluto"};

double plan[8][9];

// c0 + c1 t + c2 t^2 + c3 t^3.
static double cubic(const double *c, double t) { return c[0] + (c[1] + (c[2] + c[3] * t) * t) * t; }

void pelement() {
  double T = mjd / DJC;
  for (int p = 0; p < 8; p++) {
    const double *e = elements[p];
    double revs = e[1] * T;
    double L = e[0] + 360.0 * (revs - trunc(revs)) + e[2] * T * T + e[3] * T * T * T;
    if (L > 360.0) L = fmod(L, 360.0);  // the same as repeated subtraction
    if (L < 0.0) L += 360.0;
    plan[p][0] = L;
    plan[p][1] = e[1] * 0.009856263 + (e[2] + e[3]) / DJC;
    plan[p][2] = cubic(e + 4, T);
    plan[p][3] = cubic(e + 8, T);
    plan[p][4] = cubic(e + 12, T);
    plan[p][5] = cubic(e + 16, T);
    plan[p][6] = e[20];
    plan[p][7] = e[21];
    plan[p][8] = e[22];
  }
}

void precangles(double jd, double *p, double *pi, double *Pi) {
  double tau = (jd - 2451544.5) / 36524.22;
  *p = 1.396319 * tau / P0;
  *pi = 0.013076 * tau / P0;
  *Pi = (5.59258 + 0.241743 * tau) / P0;
}

// Turns inclination, node and argument of perihelion (degrees) of the
// ecliptic and equinox of jd into those of J2000 that position() carries
// back to jd: the planet table gives elements of date, the records hold
// J2000 elements.
static void elementsj2000(double jd, double *inc, double *node, double *argperi) {
  double p, pi, Pi;
  precangles(jd, &p, &pi, &Pi);
  double n0 = *node / P0 - p;
  double i0 = *inc / P0 - pi * cos(n0 + Pi);
  *node = (n0 + pi * sin(n0 + Pi) / tan(i0)) * P0;
  *argperi = (*argperi / P0 - pi * sin(n0 + Pi) / sin(i0)) * P0;
  *inc = i0 * P0;
  if (*node < 0.0) *node += 360.0;
  if (*argperi < 0.0) *argperi += 360.0;
}

// Mean anomaly (degrees, 0..360) at jd of a record holding perihelion
// time peri and daily motion daily, as the place kernel steps it.
static double recordanomaly(double jd, float peri, float daily) {
  double t = advanceperi(peri, daily, jd);
  double M = fmod(static_cast<double>(daily) * (jd - t), 360.0);
  return M < 0.0 ? M + 360.0 : M;
}

// Units in the last place from positive float a to positive float b.
static int32_t ulpsapart(float a, float b) {
  int32_t ia, ib;
  memcpy(&ia, &a, sizeof ia);
  memcpy(&ib, &b, sizeof ib);
  return ib - ia;
}

// Positive float f moved by u units in its last place.
static float ulpsmoved(float f, int32_t u) {
  int32_t bits;
  memcpy(&bits, &f, sizeof bits);
  bits += u;
  memcpy(&f, &bits, sizeof f);
  return f;
}

void storedpassage(double jd, double M, double daily, float *peri, float *dailyf) {
  float base = static_cast<float>(daily);
  double t0 = jd - M / daily, besterr = -1.0;
  *peri = static_cast<float>(t0);
  *dailyf = base;
  for (int n = 0; n <= 2 * PASSAGEMAXORBITS; n++) {
    int k = (n + 1) / 2 * (n % 2 ? 1 : -1);  // 0, 1, -1, 2, -2, ...
    float t = static_cast<float>(t0 + k * 360.0 / daily);
    // The daily motion that gives M exactly from this passage, held to
    // the allowed units of the last place; it and its neighbours are tried.
    double span = jd - t;
    int32_t u = 0;
    if (fabs(span) > 1e-9) {
      double turns = nearbyint((base * span - M) / 360.0);
      double exact = (M + 360.0 * turns) / span;
      if (exact > 0.0 && exact < FLT_MAX) u = ulpsapart(base, static_cast<float>(exact));
    }
    if (u > PASSAGENUDGEULPS) u = PASSAGENUDGEULPS;
    if (u < -PASSAGENUDGEULPS) u = -PASSAGENUDGEULPS;
    for (int32_t v : {u, u - 1, u + 1}) {
      if (v > PASSAGENUDGEULPS || v < -PASSAGENUDGEULPS) continue;
      float dl = ulpsmoved(base, v);
      double err = fabs(remainder(recordanomaly(jd, t, dl) - M, 360.0)) * 3600.0;
      if (besterr < 0.0 || err < besterr) {
        besterr = err;
        *peri = t;
        *dailyf = dl;
      }
      if (err <= PASSAGEARCSEC) return;
    }
  }
}

// Writes record p of mp from row p of plan, evaluated for the whole
// Julian Day d (rows 0-3 already hold the mean anomaly and the argument of
// perihelion).
static void planetrecord(int p, double d) {
  double M = plan[p][0], w = plan[p][2];
  double inc = plan[p][4], node = plan[p][5];
  elementsj2000(d, &inc, &node, &w);
  mprec &r = mp[p];
  memset(r.name, 0, sizeof r.name);
  strncpy(r.name, kPlanetNames[p], sizeof r.name - 1);
  r.number = 0;
  r.hmag = static_cast<float>(plan[p][8]);
  r.meananom = static_cast<float>(M);
  r.argperi = static_cast<float>(w);
  r.ascnode = static_cast<float>(node);
  r.inc = static_cast<float>(inc);
  r.ecc = static_cast<float>(plan[p][3]);
  r.semiaxis = static_cast<float>(plan[p][6]);
  r.diameter = static_cast<float>(plan[p][7]);
  r.period = static_cast<float>(pow(plan[p][6], 1.5));
  r.epoch = static_cast<int32_t>(d);
  r.rexp = 1.0f;
  r.fixed1 = 0.15f;
  r.fixed2 = 0.0f;
  storedpassage(d, M, plan[p][1], &r.peritime, &r.daily);
}

// Mean anomaly and argument of perihelion (degrees) of plan row p.
static void planetanomaly(int p) {
  double M = plan[p][0] - plan[p][2];
  if (M < 0) M += 360.0;
  double w = plan[p][2] - plan[p][5];
  if (w < 0) w += 360.0;
  plan[p][0] = M;
  plan[p][2] = w;
}

void mainplanets(double jd) {
  double d = floor(jd);
  mjd = d - DJ1900;
  pelement();
  for (int p = 0; p < MPDATEPLANETS; p++) {
    planetanomaly(p);
    planetrecord(p, d);
  }
}

void outerplanet(int p, double jd) {
  if (p < MPDATEPLANETS || p >= MPPLANETS) return;
  double d = floor(jd);
  mjd = d - DJ1900;
  pelement();
  planetanomaly(p);
  planetrecord(p, d);
}

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

double getobjcoord(double jd, double x, double y, double z, double *ra, double *dec0,
                   double *dec, int mode) {
  if (x == 0.0) x = 0.00001;
  double a = atan(y / x);
  if (x < 0.0) a += 180.0 / dRad;
  if (a < 0.0) a += 360.0 / dRad;
  double d = atan((z / x) * cos(a));
  double h = a * dRad / 15.0;
  if (mode == 1) prec1950(jd, &h, &d, &a);
  if (mode == 2) prec2000(jd, &h, &d, &a);
  *ra = h;
  *dec0 = d;
  *dec = d * dRad;
  return h;
}

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

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


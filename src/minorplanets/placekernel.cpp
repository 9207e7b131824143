#include "minorplanets/placekernel.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/constants.h"
#include "minorplanets/positions.h"

// The maths library under other names, declared as having vector variants
// (glibc's libmvec provides them for x86-64), so that gcc vectorises the
// loops below with them. Under its own names gcc would fuse sin and cos
// into sincos, which it does not vectorise. const: they read nothing but
// their argument (the build sets -fno-math-errno for this file).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define KSIMD __attribute__((simd("notinbranch"), const, nothrow, leaf))
#ifdef KORVANEX_KERNEL_NOAVX2
#define KCLONES
#else
#define KCLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
#else
#define KSIMD __attribute__((const))
#define KCLONES
#endif
// The stages are inlined into the loops, which are vectorised whole.
#define KINLINE __attribute__((always_inline)) static inline

extern "C" {
double ksin(double) __asm__("sin") KSIMD;
double kcos(double) __asm__("cos") KSIMD;
double ktan(double) __asm__("tan") KSIMD;
double katan(double) __asm__("atan") KSIMD;
double klog10(double) __asm__("log10") KSIMD;
}

PLACETABLE place;

// Elements of the records of a pass as doubles, index-parallel to mp;
// records that cannot be placed carry a harmless circular orbit.
static struct {
  double daily[MPMAX];   // degrees per day
  double a[MPMAX];       // AU
  double inc[MPMAX];     // radians
  double node[MPMAX];
  double argp[MPMAX];
  double peri[MPMAX];    // perihelion time, Julian Day
  double e[MPMAX];
  double hmag[MPMAX];
  double sinc[MPMAX], cinc[MPMAX];    // sine and cosine of inc
  double snode[MPMAX], cnode[MPMAX];  // and of node
  int valid[MPMAX];
} el;

// Work arrays between the stages: mean and eccentric anomaly, radians.
static double wM[MPMAX], wE[MPMAX], wS[MPMAX], wC[MPMAX];  // M, E, sin E, cos E

void passdate(double jd, PASSDATE *d) {
  double ecc, elong;
  d->jd = jd;
  earthpos(jd, &d->ex, &d->ey, &d->ez, &d->R, &d->obl, &ecc, &elong);
  d->cobl = cos(d->obl);
  d->sobl = sin(d->obl);
  precangles(jd, &d->p, &d->pi, &d->Pi);
  d->sPi = sin(d->Pi);
  d->cPi = cos(d->Pi);
  prec2000angles(jd, &d->m, &d->n);
}

// f is neither infinite nor NaN (plain comparison, vectorised).
KINLINE bool isfinitef32(float f) { return fabsf(f) <= FLT_MAX; }
KINLINE bool isfinitef64(double f) { return fabs(f) <= DBL_MAX; }

// Records first .. end - 1 of src (mp, or records from elsewhere) into el,
// without a branch (hence the bitwise & of the tests).
KCLONES static void gather(const mprec *__restrict src, int first, int end) {
  for (int i = first; i < end; i++) {
    const mprec &r = src[i];
    bool ok = (r.ecc >= 0.0f) & (r.ecc < 1.0f) & (r.semiaxis > 0.0f) & (r.daily > 0.0f) &
              isfinitef32(r.peritime) & isfinitef32(r.inc) & isfinitef32(r.ascnode) &
              isfinitef32(r.argperi) & isfinitef32(r.semiaxis) & isfinitef32(r.daily);
    el.valid[i] = ok;
    el.daily[i] = blend(ok, r.daily, 1.0);
    el.a[i] = blend(ok, r.semiaxis, 1.0);
    el.e[i] = blend(ok, r.ecc, 0.0);
    el.inc[i] = blend(ok, r.inc / dRad, 0.1);
    el.node[i] = blend(ok, r.ascnode / dRad, 0.0);
    el.argp[i] = blend(ok, r.argperi / dRad, 0.0);
    el.peri[i] = blend(ok, r.peritime, 0.0);
    el.hmag[i] = r.hmag;
  }
}

// The sines and cosines of the gathered inclinations and nodes, which
// both days of a pass use.
KCLONES static void elementtrig(int first, int end) {
  for (int i = first; i < end; i++) {
    el.sinc[i] = ksin(el.inc[i]);
    el.cinc[i] = kcos(el.inc[i]);
    el.snode[i] = ksin(el.node[i]);
    el.cnode[i] = kcos(el.node[i]);
  }
}

// Mean anomaly at jd of record i, radians.
KINLINE double meananomaly(double jd, int i) {
  double daily = el.daily[i];
  // After the advance M is at most 0, never above 360 degrees.
  return daily * (jd - advanceperi(el.peri[i], daily, jd)) / P0;
}

// One Newton step of Kepler's equation from E (radians) with its sine s
// and cosine c; returns the step.
KINLINE double newtonstep(double M, double e, double E, double s, double c) {
  return (M - (E - e * s)) / (1.0 - e * c);
}

// Mean anomaly at jd and the eccentric anomaly by ten Newton steps, for
// records i and j at once: two independent chains of steps keep the
// processor busy while each waits for its sines and cosines. The sine and
// cosine of the result are carried from those of the last step's start to
// first order in that step (its square is far below double precision once
// the steps have converged).
KINLINE void keplerstage(double jd, int i, int j) {
  double Mi = meananomaly(jd, i), Mj = meananomaly(jd, j);
  double ei = el.e[i], ej = el.e[j];
  double Ei = Mi + ei * ksin(Mi) / (1.0 - ei * kcos(Mi));
  double Ej = Mj + ej * ksin(Mj) / (1.0 - ej * kcos(Mj));
  double si = 0.0, ci = 1.0, sj = 0.0, cj = 1.0, di = 0.0, dj = 0.0;
#pragma GCC unroll 10
  for (int s = 0; s < 10; s++) {
    si = ksin(Ei);
    ci = kcos(Ei);
    sj = ksin(Ej);
    cj = kcos(Ej);
    di = newtonstep(Mi, ei, Ei, si, ci);
    dj = newtonstep(Mj, ej, Ej, sj, cj);
    Ei += di;
    Ej += dj;
  }
  wM[i] = Mi;
  wE[i] = Ei;
  wS[i] = si + ci * di;
  wC[i] = ci - si * di;
  wM[j] = Mj;
  wE[j] = Ej;
  wS[j] = sj + cj * dj;
  wC[j] = cj - sj * dj;
}

// Heliocentric position and velocity (AU, AU/day), equatorial of date, of
// an orbit at the eccentric anomaly of sine sE and cosine cE: J2000
// elements (radians, daily in degrees a day; sines and cosines of the
// inclination and node given) precessed approximately to the date by p,
// pi and Pi (whose sine and cosine are given); cobl and sobl of the
// obliquity. Returns the distance from the Sun.
KINLINE double orbitvector(const PASSDATE *d, double daily, double a, double inc, double sinc,
                           double cinc, double node, double snode, double cnode, double argp,
                           double e, double sE, double cE, double *pos, double *vel) {
  double p = d->p, pi = d->pi, cobl = d->cobl, sobl = d->sobl;
  // sin and cos of node + Pi by the sum of angles.
  double sN = snode * d->cPi + cnode * d->sPi, cN = cnode * d->cPi - snode * d->sPi;
  // The inclination moves by dI = pi cos(node + Pi), under 0.01 radians
  // within forty centuries of 2000: its sine and cosine by their series,
  // exact to double precision there.
  double dI = pi * cN, dI2 = dI * dI;
  double sdI = dI * (1.0 - dI2 / 6.0 * (1.0 - dI2 / 20.0 * (1.0 - dI2 / 42.0)));
  double cdI = 1.0 - dI2 / 2.0 * (1.0 - dI2 / 12.0 * (1.0 - dI2 / 30.0));
  double i1 = inc + dI;
  bool flat = i1 == 0.0;  // held at 0.000001 radians
  double si = blend(flat, 0.000001, sinc * cdI + cinc * sdI);
  double ci = blend(flat, 1.0, cinc * cdI - sinc * sdI);
  double psi = pi * sN / si;
  double w1 = argp + psi;
  double n1 = node + p - psi * ci;
  // Radius, and the true anomaly through its sine and cosine.
  double q = 1.0 - e * cE, iq = 1.0 / q;
  double r = a * q;
  double s1e = sqrt((1.0 - e) * (1.0 + e));
  double cv = (cE - e) * iq, sv = s1e * sE * iq;
  double sw = ksin(w1), cw = kcos(w1);
  double cu = cw * cv - sw * sv, su = sw * cv + cw * sv;
  double sn = ksin(n1), cn = kcos(n1);
  // Radial and transverse unit vectors, ecliptic of date.
  double Rx = cn * cu - sn * su * ci, Ry = sn * cu + cn * su * ci, Rz = su * si;
  double Tx = -cn * su - sn * cu * ci, Ty = -sn * su + cn * cu * ci, Tz = cu * si;
  // Speeds: radial n a^2 e sin E / r, transverse n a^2 sqrt(1 - e^2) / r.
  double na2r = daily / P0 * a * iq;
  double vr = na2r * e * sE, vt = na2r * s1e;
  double X = r * Rx, Y = r * Ry, Z = r * Rz;
  double VX = vr * Rx + vt * Tx, VY = vr * Ry + vt * Ty, VZ = vr * Rz + vt * Tz;
  pos[0] = X;
  pos[1] = Y * cobl - Z * sobl;
  pos[2] = Y * sobl + Z * cobl;
  vel[0] = VX;
  vel[1] = VY * cobl - VZ * sobl;
  vel[2] = VY * sobl + VZ * cobl;
  return r;
}

// From the eccentric anomaly to the astrometric J2000 place.
KINLINE void placestage(const PASSDATE *d, int i) {
  double h[3], v[3];
  orbitvector(d, el.daily[i], el.a[i], el.inc[i], el.sinc[i], el.cinc[i], el.node[i],
              el.snode[i], el.cnode[i], el.argp[i], el.e[i], wS[i], wC[i], h, v);
  // Light time: the object where it was when the light now arriving left
  // it; over minutes its motion is straight to far below an arc second.
  double dx = h[0] - d->ex, dy = h[1] - d->ey, dz = h[2] - d->ez;
  double tau = sqrt(dx * dx + dy * dy + dz * dz) / CAUDAY;
  double x = h[0] - v[0] * tau, y = h[1] - v[1] * tau, z = h[2] - v[2] * tau;
  dx = x - d->ex;
  dy = y - d->ey;
  dz = z - d->ez;
  double dist = sqrt(dx * dx + dy * dy + dz * dz);
  double rr = sqrt(x * x + y * y + z * z);
  double k = fabs((rr * rr + dist * dist - d->R * d->R) / (2.0 * dist * rr));
  // Right ascension and declination of date.
  double rho = sqrt(dx * dx + dy * dy);
  rho = blend(rho > 0.0, rho, 1e-300);
  // atan and the quadrant as in getobjcoord: libmvec's atan2 costs
  // several times its atan.
  double ddx = blend(dx == 0.0, 0.00001, dx);
  double alpha = katan(dy / ddx);
  alpha = blend(ddx < 0.0, alpha + P1, alpha);
  alpha = blend(alpha < 0.0, alpha + 2.0 * P1, alpha);
  double tdec = dz / rho;
  double delta = katan(tdec);
  double ra = alpha * dRad / 15.0;
  // Precession to J2000 as prec2000, with sin alpha and tan delta taken
  // from the vector.
  double am = (ra + (d->n * (dy / rho) * tdec + d->m) / 30.0) * 15.0 / P0;
  double cam = kcos(am), sam = ksin(am);
  double dm = delta + d->n * cam / (2.0 * P0);
  ra += (d->m + d->n * sam * ktan(dm)) / 15.0;
  double dec = delta + d->n * cam / P0;
  ra = blend(ra >= 24.0, ra - 24.0, ra);
  ra = blend(ra < 0.0, ra + 24.0, ra);
  place.ra[i] = ra;
  place.dec[i] = dec * dRad;
  place.dist[i] = dist;
  place.r[i] = rr;
  place.k[i] = k;
  place.gx[i] = dx;
  place.gy[i] = dy;
  place.gz[i] = dz;
}

KCLONES static void keplerloop(double jd, int first, int end) {
  int half = (end - first) / 2, mid = first + half;
  for (int i = first; i < mid; i++) keplerstage(jd, i, i + half);
  if ((end - first) % 2) keplerstage(jd, end - 1, end - 1);
}

KCLONES static void placeloop(const PASSDATE *d, int first, int end) {
  for (int i = first; i < end; i++) placestage(d, i);
}

// Records near the parabola are solved again to convergence.
static void nearparabolic(int first, int end) {
  for (int i = first; i < end; i++)
    if (el.e[i] >= KEPLERNEARPARABOLIC) {
      wE[i] = keplerE(wM[i], el.e[i]);
      wS[i] = ksin(wE[i]);
      wC[i] = kcos(wE[i]);
    }
}

// Marks the records whose place is not finite.
KCLONES static void checkplaces(int first, int end) {
  for (int i = first; i < end; i++) {
    bool fin = isfinitef64(place.ra[i]) & isfinitef64(place.dec[i]) & isfinitef64(place.k[i]) &
               isfinitef64(place.dist[i]) & (place.dist[i] > 0.0) & (place.r[i] > 0.0);
    place.ok[i] = el.valid[i] & fin;
  }
}

// The pass over records gathered already.
static void placegathered(const PASSDATE *d, int first, int end) {
  keplerloop(d->jd, first, end);
  nearparabolic(first, end);
  placeloop(d, first, end);
  checkplaces(first, end);
}

void placerecords(const PASSDATE *d, int first, int n) {
  if (first < 0 || n <= 0 || first + n > MPMAX) return;
  gather(mp, first, first + n);
  elementtrig(first, first + n);
  placegathered(d, first, first + n);
}

void placeforeign(const PASSDATE *d, const mprec *recs, int n) {
  if (n <= 0 || n > MPMAX) return;
  gather(recs, 0, n);
  elementtrig(0, n);
  placegathered(d, 0, n);
}

void placeagain(const PASSDATE *d, int first, int n) {
  if (first < 0 || n <= 0 || first + n > MPMAX) return;
  placegathered(d, first, first + n);
}

void placerecordsscalar(const PASSDATE *d, int first, int n) {
  if (first < 0 || n <= 0 || first + n > MPMAX) return;
  for (int i = first; i < first + n; i++) placerecords(d, i, 1);
}

KCLONES static void magloop(int first, int end) {
  for (int i = first; i < end; i++)
    place.mag[i] = (el.hmag[i] + 5.0 * klog10(place.dist[i] * place.r[i])) * place.k[i];
}

void tablemagnitudes(int first, int n) {
  if (first < 0 || n <= 0 || first + n > MPMAX) return;
  magloop(first, first + n);
}

double keplerE(double M, double ecc) {
  if (!(ecc >= KEPLERNEARPARABOLIC)) {
    double E = M + ecc * ksin(M) / (1.0 - ecc * kcos(M));
    for (int k = 0; k < 10; k++) E += newtonstep(M, ecc, E, ksin(E), kcos(E));
    return E;
  }
  // Near the parabola the first guess above can land far from the root and
  // ten steps do not recover. Solve for M within one turn of 0, from
  // E = M + 0.85 e sign(M), from where Newton's method converges.
  double turns = floor(M / P2 + 0.5);
  double m = M - turns * P2;
  double E = m + (m < 0.0 ? -0.85 : 0.85) * ecc;
  for (int k = 0; k < KEPLERMAXSTEPS; k++) {
    double step = newtonstep(m, ecc, E, ksin(E), kcos(E));
    E += step;
    if (fabs(step) <= 1e-15 * (1.0 + fabs(E))) break;
  }
  return E + turns * P2;
}

void position(double jd, double *x, double *y, double *z, double *r, double daily,
              double semiaxis, double inc, double node, double argperi, double peritime,
              double obl, double ecc) {
  PASSDATE d;
  precangles(jd, &d.p, &d.pi, &d.Pi);
  d.sPi = sin(d.Pi);
  d.cPi = cos(d.Pi);
  d.cobl = cos(obl);
  d.sobl = sin(obl);
  double M = daily * (jd - peritime);
  if (M > 360.0) {  // as repeated subtraction of 360: a negative M stays negative
    M = fmod(M, 360.0);
    if (M == 0.0) M = 360.0;
  }
  double pos[3], vel[3], E = keplerE(M / P0, ecc);
  *r = orbitvector(&d, daily, semiaxis, inc, sin(inc), cos(inc), node, sin(node), cos(node),
                   argperi, ecc, ksin(E), kcos(E), pos, vel);
  *x = pos[0];
  *y = pos[1];
  *z = pos[2];
}

// The Earth kept by astplace for the records that reuse it.
static PASSDATE kept;

int astplace(int i, double jd, int newearth, GEOPLACE *g) {
  if (i < 0 || i >= MPMAX) return -1;
  if (newearth || kept.jd != jd) passdate(jd, &kept);
  placerecords(&kept, i, 1);
  g->ra = place.ra[i];
  g->dec = place.dec[i];
  g->dist = place.dist[i];
  g->r = place.r[i];
  g->R = kept.R;
  g->k = place.k[i];
  return place.ok[i] ? 0 : -1;
}

double getRA(int i, double jd, int mode, double *ra, double *dec, double *dist, double *phase,
             double *mag) {
  GEOPLACE g;
  if (astplace(i, jd, 1, &g) != 0) {
    *ra = *dec = *dist = *phase = *mag = 0.0;
    return 0.0;
  }
  *dist = g.dist;
  *phase = acos(g.k > 1.0 ? 1.0 : g.k) * dRad;
  *mag = (mp[i].hmag + 5.0 * log10(g.dist)) / sqrt(g.k);
  if (mode == EQUINOXJ2000) {
    *ra = g.ra;
    *dec = g.dec;
    return g.ra;
  }
  double dec0;
  return getobjcoord(jd, place.gx[i], place.gy[i], place.gz[i], ra, &dec0, dec, mode);
}

double getastperiod(int i, double jd, double *peritime) {
  const mprec &r = mp[i];
  *peritime = advanceperi(r.peritime, r.daily, jd);
  return r.period;
}

#include "minorplanets/placekernel.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "astro/bodies.h"
#include "base/constants.h"
#include "minorplanets/magnitude.h"
#include "minorplanets/positions.h"
#include "places/place.h"
#include "base/settings.h"

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
double klog(double) __asm__("log") KSIMD;
double kexp(double) __asm__("exp") KSIMD;
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
  double M0[MPMAX];      // mean anomaly at the epoch, radians
  double epoch[MPMAX];   // the epoch instant, TT Julian Day
  double e[MPMAX];
  double hmag[MPMAX];
  double G[MPMAX];       // slope parameter of the magnitudes
  double sinc[MPMAX], cinc[MPMAX];    // sine and cosine of inc
  double snode[MPMAX], cnode[MPMAX];  // and of node
  int valid[MPMAX];
} el;

// Work arrays between the stages: mean and eccentric anomaly, radians.
static double wM[MPMAX], wE[MPMAX], wS[MPMAX], wC[MPMAX];  // M, E, sin E, cos E

void passdate(double jd, PASSDATE *d) {
  // dLongit is counted west.
  observerat(jd, flag[GEOCENTRIC] ? 1 : 0, dLattit, -dLongit, dElevation, &d->obs);
  d->jd = jd;
  d->tt = d->obs.tt;
  d->ex = d->obs.pos[0];
  d->ey = d->obs.pos[1];
  d->ez = d->obs.pos[2];
  d->R = d->obs.R;
  d->cobl = cos(OBLIQUITYJ2000 * DD2R);
  d->sobl = sin(OBLIQUITYJ2000 * DD2R);
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
              isfinitef32(r.meananom) & isfinitef32(r.inc) & isfinitef32(r.ascnode) &
              isfinitef32(r.argperi) & isfinitef32(r.semiaxis) & isfinitef32(r.daily);
    el.valid[i] = ok;
    el.daily[i] = blend(ok, r.daily, 1.0);
    el.a[i] = blend(ok, r.semiaxis, 1.0);
    el.e[i] = blend(ok, r.ecc, 0.0);
    el.inc[i] = blend(ok, r.inc / dRad, 0.1);
    el.node[i] = blend(ok, r.ascnode / dRad, 0.0);
    el.argp[i] = blend(ok, r.argperi / dRad, 0.0);
    el.M0[i] = blend(ok, r.meananom * DD2R, 0.0);
    el.epoch[i] = r.epoch + 0.5;
    el.hmag[i] = r.hmag;
    el.G[i] = blend((r.fixed1 >= -0.5f) & (r.fixed1 <= 1.5f), r.fixed1, HGDEFAULTG);
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

// q rounded to a whole number for |q| < 2^51, in plain arithmetic.
KINLINE double roundsmall(double q) {
  const double shift = 6755399441055744.0;  // 1.5 * 2^52: adding it rounds
  return (q + shift) - shift;
}

// Mean anomaly at the TT Julian Day tt of record i, radians, within half a
// turn of 0: from the mean anomaly at the epoch, exact in double precision.
KINLINE double meananomaly(double tt, int i) {
  double M = el.M0[i] + el.daily[i] * DD2R * (tt - el.epoch[i]);
  return M - D2PI * roundsmall(M / D2PI);
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

// Heliocentric position and velocity (AU, AU/day), J2000 equatorial, of an
// orbit at the eccentric anomaly of sine sE and cosine cE: J2000 elements
// (radians, daily in degrees a day; sines and cosines of the inclination
// and node given); cobl and sobl of the J2000 obliquity. Returns the
// distance from the Sun.
KINLINE double orbitvector(const PASSDATE *d, double daily, double a, double sinc, double cinc,
                           double snode, double cnode, double argp, double e, double sE,
                           double cE, double *pos, double *vel) {
  double cobl = d->cobl, sobl = d->sobl;
  double si = sinc, ci = cinc, w1 = argp;
  // Radius, and the true anomaly through its sine and cosine.
  double q = 1.0 - e * cE, iq = 1.0 / q;
  double r = a * q;
  double s1e = sqrt((1.0 - e) * (1.0 + e));
  double cv = (cE - e) * iq, sv = s1e * sE * iq;
  double sw = ksin(w1), cw = kcos(w1);
  double cu = cw * cv - sw * sv, su = sw * cv + cw * sv;
  double sn = snode, cn = cnode;
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

// Record i's place from its heliocentric position (x, y, z) at the time
// the light left it.
KINLINE void finishplace(const PASSDATE *d, int i, double x, double y, double z) {
  double dx = x - d->ex, dy = y - d->ey, dz = z - d->ez;
  double dist = sqrt(dx * dx + dy * dy + dz * dz);
  double rr = sqrt(x * x + y * y + z * z);
  double k = (rr * rr + dist * dist - d->R * d->R) / (2.0 * dist * rr);
  double rho = sqrt(dx * dx + dy * dy);
  rho = blend(rho > 0.0, rho, 1e-300);
  // atan and the quadrant by hand: libmvec's atan2 costs several times its
  // atan.
  double ddx = blend(dx == 0.0, 1e-300, dx);
  double alpha = katan(dy / ddx);
  alpha = blend(ddx < 0.0, alpha + DPI, alpha);
  alpha = blend(alpha < 0.0, alpha + D2PI, alpha);
  double ra = alpha * DR2H;
  ra = blend(ra >= 24.0, ra - 24.0, ra);
  place.ra[i] = ra;
  place.dec[i] = katan(dz / rho) * DR2D;
  place.dist[i] = dist;
  place.r[i] = rr;
  place.k[i] = k;
  place.gx[i] = dx;
  place.gy[i] = dy;
  place.gz[i] = dz;
}

// From the eccentric anomaly to the astrometric J2000 place.
KINLINE void placestage(const PASSDATE *d, int i) {
  double h[3], v[3];
  orbitvector(d, el.daily[i], el.a[i], el.sinc[i], el.cinc[i], el.snode[i], el.cnode[i],
              el.argp[i], el.e[i], wS[i], wC[i], h, v);
  // Light time: the object where it was when the light now arriving left
  // it, by a straight step back along its motion (lighttimeexact finds
  // the few places where the orbit's curvature over the step matters).
  double dx = h[0] - d->ex, dy = h[1] - d->ey, dz = h[2] - d->ez;
  double tau = sqrt(dx * dx + dy * dy + dz * dz) / CAUDAY;
  finishplace(d, i, h[0] - v[0] * tau, h[1] - v[1] * tau, h[2] - v[2] * tau);
}

KCLONES static void keplerloop(double tt, int first, int end) {
  int half = (end - first) / 2, mid = first + half;
  for (int i = first; i < mid; i++) keplerstage(tt, i, i + half);
  if ((end - first) % 2) keplerstage(tt, end - 1, end - 1);
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

// Near the Sun the straight light-time step is not enough (1.8" at 0.024
// AU from it): the place is found again from the orbit at the emission
// time, the light time iterated.
static void lighttimeexact(const PASSDATE *d, int first, int end) {
  for (int i = first; i < end; i++) {
    double r = place.r[i], dist = place.dist[i], tau = dist / CAUDAY;
    if (!el.valid[i] || !(GAUSSK2 * tau * tau / (2.0 * r * r * dist) > LIGHTTIMESTRAIGHT))
      continue;
    double h[3], v[3];
    for (int k = 0; k < 4; k++) {
      double E = keplerE(meananomaly(d->tt - tau, i), el.e[i]);
      orbitvector(d, el.daily[i], el.a[i], el.sinc[i], el.cinc[i], el.snode[i], el.cnode[i],
                  el.argp[i], el.e[i], sin(E), cos(E), h, v);
      double dx = h[0] - d->ex, dy = h[1] - d->ey, dz = h[2] - d->ez;
      tau = sqrt(dx * dx + dy * dy + dz * dz) / CAUDAY;
    }
    finishplace(d, i, h[0], h[1], h[2]);
  }
}

// Whether the records gathered last are the table's, whose first
// MPPLANETS are the planets; foreign records are minor planets throughout.
static bool gatheredtable = true;

// Inside the JPL ephemeris's span the planet records take their places
// from it.
static void jplplanets(const PASSDATE *d, int first, int end) {
  if (!gatheredtable) return;
  for (int i = first; i < end && i < MPPLANETS; i++) {
    double v[3], h[3];
    // The place from the observer's vector; the distance from the Sun
    // differs from |h| by the Sun's own motion over the light time.
    if (planetvector(i, &d->obs, v, h) == 0)
      finishplace(d, i, d->ex + v[0], d->ey + v[1], d->ez + v[2]);
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
  keplerloop(d->tt, first, end);
  nearparabolic(first, end);
  placeloop(d, first, end);
  lighttimeexact(d, first, end);
  jplplanets(d, first, end);
  checkplaces(first, end);
}

void placerecords(const PASSDATE *d, int first, int n) {
  if (first < 0 || n <= 0 || first + n > MPMAX) return;
  gather(mp, first, first + n);
  gatheredtable = true;
  elementtrig(first, first + n);
  placegathered(d, first, first + n);
}

void placeforeign(const PASSDATE *d, const mprec *recs, int n) {
  if (n <= 0 || n > MPMAX) return;
  gather(recs, 0, n);
  gatheredtable = false;
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
    place.mag[i] = hgmagnitudewith<kexp, klog>(el.hmag[i], el.G[i], place.r[i], place.dist[i],
                                               place.k[i]);
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
  d.cobl = cos(obl);
  d.sobl = sin(obl);
  double M = daily * (jd - peritime);
  if (M > 360.0) {  // as repeated subtraction of 360: a negative M stays negative
    M = fmod(M, 360.0);
    if (M == 0.0) M = 360.0;
  }
  double pos[3], vel[3], E = keplerE(M / P0, ecc);
  *r = orbitvector(&d, daily, semiaxis, sin(inc), cos(inc), sin(node), cos(node), argperi, ecc,
                   ksin(E), kcos(E), pos, vel);
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
  *phase = acos(g.k > 1.0 ? 1.0 : (g.k < -1.0 ? -1.0 : g.k)) * DR2D;
  *mag = hgmagnitude(mp[i].hmag, hgslope(mp[i].fixed1), g.r, g.dist, g.k);
  if (mode == EQUINOXJ2000) {
    *ra = g.ra;
    *dec = g.dec;
    return g.ra;
  }
  // The J2000 vector to the mean equator of date, then as the mode asks.
  double m[3][3], v[3] = {place.gx[i], place.gy[i], place.gz[i]}, dec0;
  precessmatrix(kept.tt, m);
  matrixapply(m, v, v);
  return getobjcoord(jd, v[0], v[1], v[2], ra, &dec0, dec, mode);
}

double getastperiod(int i, double jd, double *peritime) {
  const mprec &r = mp[i];
  double daily = r.daily, M = r.meananom + daily * (jd - (r.epoch + 0.5));
  double left = 360.0 - (M - 360.0 * floor(M / 360.0));  // degrees to the next passage
  *peritime = daily > 0.0 ? jd + (left >= 360.0 ? 0.0 : left / daily) : r.peritime;
  return r.period;
}

double nearestpassage(double epoch, double M, double daily) {
  M -= 360.0 * floor(M / 360.0);
  return epoch + (M > 180.0 ? 360.0 - M : -M) / daily;
}

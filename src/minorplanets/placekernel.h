// The one computation of a geocentric place from an element record: the
// whole-table pass runs it over arrays of records (vectorised), a single
// record (calcsingle, ephemerides, astplace) runs it over one.
#pragma once
#include <cstdint>
#include <cstring>

#include "minorplanets/elements.h"

// What a pass needs of its date, computed once per date.
struct PASSDATE {
  double jd;              // Julian Day of the places
  double ex, ey, ez, R;   // heliocentric Earth, equatorial of date, AU
  double obl, cobl, sobl; // obliquity (radians), its cosine and sine
  double p, pi, Pi;       // element precession J2000 -> date, radians
  double sPi, cPi;        // sine and cosine of Pi
  double m, n;            // precession of date -> J2000, degrees
};

// Places of the last pass, index-parallel to mp.
struct PLACETABLE {
  double ra[MPMAX];    // J2000 right ascension, hours, 0 <= ra < 24
  double dec[MPMAX];   // J2000 declination, degrees
  double dist[MPMAX];  // from the Earth, AU
  double r[MPMAX];     // from the Sun, AU
  double k[MPMAX];     // |cos phase angle|
  double gx[MPMAX];    // geocentric equatorial vector of date, AU
  double gy[MPMAX];
  double gz[MPMAX];
  double mag[MPMAX];   // whole-table magnitude (tablemagnitudes)
  int ok[MPMAX];       // 1 for a finite place of an elliptic orbit
};
extern PLACETABLE place;

// The per-date constants of jd (the Earth included) into d.
void passdate(double jd, PASSDATE *d);
// Astrometric places (one light-time iteration: the object where it was
// when the light now arriving left it, seen from the Earth at d->jd) of
// records first .. first + n - 1 into place. Vectorised where the machine
// allows; the records are independent of each other.
void placerecords(const PASSDATE *d, int first, int n);
// Places at d of records recs[0 .. n-1] (n <= MPMAX) that need not be in
// the table, into place[0 .. n-1]; placeagain then gives them for other
// dates. The pass's working arrays and place are scratch shared with the
// table's passes, which compute them again before reading them.
void placeforeign(const PASSDATE *d, const mprec *recs, int n);
// placerecords (or placeforeign) for another date, with the elements placerecords read last
// (mp unchanged since).
void placeagain(const PASSDATE *d, int first, int n);
// The same, one record at a time: the reference the vectorised pass is
// checked against.
void placerecordsscalar(const PASSDATE *d, int first, int n);
// place.mag = (hmag + 5 log10(dist r)) k for records first .. first + n - 1.
void tablemagnitudes(int first, int n);

// c ? a : b without a branch: gcc vectorises a loop that calls functions
// only when every choice in it is plain arithmetic.
inline double blend(bool c, double a, double b) {
  uint64_t m = -static_cast<uint64_t>(c), ia, ib;
  memcpy(&ia, &a, sizeof ia);
  memcpy(&ib, &b, sizeof ib);
  uint64_t o = (ia & m) | (ib & ~m);
  double out;
  memcpy(&out, &o, sizeof out);
  return out;
}

// ceil(q) for |q| < 2^51, in plain arithmetic (ceil itself is not
// vectorised below SSE4.1 and trapping maths).
inline double ceilsmall(double q) {
  const double shift = 4503599627370496.0;  // 2^52: adding it rounds to an integer
  double r = (q + shift) - shift;
  return blend(r < q, r + 1.0, r);
}

// Perihelion time t (Julian Day) advanced by whole orbits of daily degrees
// a day to the first passage not before jd; t itself when it is not before
// jd or daily is not positive. Passages more than 2^51 orbits back are not
// advanced.
inline double advanceperi(double t, double daily, double jd) {
  double step = 360.0 / daily;
  double q = (jd - t) / step;
  double k = ceilsmall(q);
  k = blend((k > 1.0) & (t + (k - 1.0) * step >= jd), k - 1.0, k);  // rounding of q
  double t2 = t + k * step;
  t2 = blend(t2 < jd, t2 + step, t2);
  return blend((daily > 0.0) & (t < jd) & (q < 2251799813685248.0), t2, t);
}

// *peritime = record i's perihelion time advanced by whole orbits to the
// first passage not before jd. Returns the period in years.
double getastperiod(int i, double jd, double *peritime);

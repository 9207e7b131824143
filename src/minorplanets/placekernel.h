// The one computation of a geocentric place from an element record: the
// whole-table pass runs it over arrays of records (vectorised), a single
// record (calcsingle, ephemerides, astplace) runs it over one.
#pragma once
#include <cstdint>
#include <cstring>

#include "astro/observer.h"
#include "minorplanets/elements.h"

// What a pass needs of its date, computed once per date.
struct PASSDATE {
  double jd;              // UT Julian Day of the places
  double tt;              // the same instant in TT, the time of the orbits
  double ex, ey, ez, R;   // the observer from the Sun, J2000 equatorial, AU
  double cobl, sobl;      // cosine and sine of the J2000 obliquity
  OBSERVER obs;           // the observer in full
};
// Obliquity of the ecliptic at J2000 (IAU 1976), degrees: the element
// records are referred to that ecliptic.
constexpr double OBLIQUITYJ2000 = 84381.448 / 3600.0;
// Below this estimate of the straight-line light-time step's error
// (radians, GM tau^2 / (2 r^2 dist)) one step is kept; above it the place is
// found again from the orbit at the emission time, iterated.
constexpr double LIGHTTIMESTRAIGHT = 1e-8;
constexpr double GAUSSK2 = 0.01720209895 * 0.01720209895;  // GM of the Sun, AU^3 / day^2
// The observer is the current place (latitude, longitude, elevation), or
// the Earth's centre when flag[GEOCENTRIC] is set.

// Places of the last pass, index-parallel to mp.
struct PLACETABLE {
  double ra[MPMAX];    // J2000 right ascension, hours, 0 <= ra < 24
  double dec[MPMAX];   // J2000 declination, degrees
  double dist[MPMAX];  // from the Earth, AU
  double r[MPMAX];     // from the Sun, AU
  double k[MPMAX];     // cos phase angle
  double gx[MPMAX];    // vector from the observer, J2000 equatorial, AU
  double gy[MPMAX];
  double gz[MPMAX];
  double mag[MPMAX];   // magnitude (tablemagnitudes)
  int ok[MPMAX];       // 1 for a finite place of an elliptic orbit
};
extern PLACETABLE place;

// The per-date constants of the UT Julian Day jd (the observer included,
// as iGeocentric and the current place say) into d.
void passdate(double jd, PASSDATE *d);
// Astrometric J2000 places (the object where it was when the light now
// arriving left it, seen by the observer of d) of records first .. first +
// n - 1 into place. Vectorised where the machine allows; the records are
// independent of each other. Inside the JPL ephemeris's span the planet
// records 0..7 take their places from it instead of their elements.
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
// place.mag = the IAU H-G magnitude (minorplanets/magnitude.h) of records
// first .. first + n - 1 from their H, G (fixed1) and last places.
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

// *peritime = record i's first perihelion passage not before the TT Julian
// Day jd, from its mean anomaly at its epoch. Returns the period in years.
double getastperiod(int i, double jd, double *peritime);
// The perihelion passage (Julian Day) nearest the instant epoch of an
// orbit with mean anomaly M (degrees) there and daily motion daily (degrees
// a day, positive): what a record stores as peritime, for display and
// older readers; the places come from the mean anomaly itself.
double nearestpassage(double epoch, double M, double daily);

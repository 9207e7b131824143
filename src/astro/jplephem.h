// The JPL planetary ephemeris (DE405, refitted by tools/mkde405 into
// de405.bin): Chebyshev series of the barycentric Sun, Mercury..Pluto, the
// Earth-Moon barycentre and the geocentric Moon over a span of years.
// Outside the span, or without the file, callers use their own theories.
#pragma once
#include <cstddef>
#include <cstdio>

// Bodies of the file, in its order.
enum : int {
  JPLMERCURY = 0,
  JPLVENUS = 1,
  JPLEMB = 2,  // Earth-Moon barycentre
  JPLMARS = 3,
  JPLJUPITER = 4,
  JPLSATURN = 5,
  JPLURANUS = 6,
  JPLNEPTUNE = 7,
  JPLPLUTO = 8,
  JPLMOON = 9,  // geocentric
  JPLSUN = 10,
  JPLBODIES = 11,
};
constexpr int JPLMAXCOEF = 32;           // coefficients per component and interval
constexpr int JPLMAXDOUBLES = 400000;    // coefficients of all bodies together
constexpr int JPLMAXINTERVALS = 100000;  // intervals of one body
constexpr double JPLMAXSPAN = 200000.0;  // days
constexpr const char *JPLFILE = "de405.bin";

// Results of jplread.
enum : int {
  JPLOK = 0,
  JPLNOFILE = 1,     // cannot be opened
  JPLSHORT = 2,      // cut short or longer than its header says
  JPLBADHEADER = 3,  // magic, version or counts impossible
  JPLBADSUM = 4,     // damaged: the check sum disagrees
  JPLBADVALUE = 5,   // a coefficient is not finite
};

// Reads an ephemeris file from f (binary, at its start). On success it is
// the ephemeris in use; on any failure none is in use. Returns a JPL*
// result.
int jplread(FILE *f);
// Opens path and reads it with jplread; report (len bytes) gets one line
// of at most 40 characters saying what is in use. Returns a JPL* result.
int jplopen(const char *path, char *report, size_t len);
// Drops the ephemeris in use (the program's own theories take over).
void jplclose();
// 1 when an ephemeris is in use and covers the TDB Julian Day jd, else 0.
int jplcovers(double jd);
// First and last TDB Julian Day of the ephemeris in use (0 and 0 without).
void jplspan(double *first, double *last);
// Position of body b at the TDB Julian Day jd: barycentric for the Sun,
// planets and the Earth-Moon barycentre, geocentric for the Moon; AU,
// equatorial J2000 (ICRF) axes. Returns 0, or -1 when jd is outside the
// span or b is not a body (pos untouched).
int jplbody(int b, double jd, double pos[3]);
// Barycentric Earth at jd (AU, J2000 axes). Returns as jplbody.
int jplearth(double jd, double pos[3]);
// Result text of jplread (a short phrase).
const char *jplwhy(int result);

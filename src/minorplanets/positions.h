// Planet and minor-planet positions: mean planetary elements, two-body
// orbits and the geocentric place of a record (the Sun, the Earth,
// precession and rise/set are in astro/).
#pragma once

#include "base/constants.h"
#include "astro/precession.h"
#include "astro/riseset.h"
#include "astro/sun.h"

// Mean elements of Mercury..Pluto: L a0-a3, perihelion b0-b3, e c0-c3,
// i d0-d3, node f0-f3, then semi-axis (AU), diameter at 1 AU ("), H.
extern const double elements[8][23];
// elements evaluated for mjd: L (M for rows 0-3), daily motion (deg/day),
// perihelion (argument of perihelion for rows 0-3), e, i, node, a, diameter, H.
extern double plan[8][9];
// mainplanets sets the shared time argument mjd (astro/moon.h) to the whole
// days since JD 2415020.0 of the date it evaluates.

// How a record's single-precision perihelion time is chosen (the same in
// tools/mkastdat): the passage nearest the epoch whose float value, with
// the float daily motion moved by at most PASSAGENUDGEULPS units in its
// last place, gives the mean anomaly at the epoch within PASSAGEARCSEC.
constexpr int PASSAGENUDGEULPS = 8;
constexpr int PASSAGEMAXORBITS = 4000;
constexpr double PASSAGEARCSEC = 0.3;
// Perihelion time and daily motion as stored for mean anomaly M (degrees)
// at the instant jd and daily motion daily (degrees a day); the best found
// when none reaches PASSAGEARCSEC.
void storedpassage(double jd, double M, double daily, float *peri, float *dailyf);

// Evaluates elements for mjd into plan.
void pelement();
// Records 0..MPDATEPLANETS-1 (Mercury..Jupiter) are computed for the date.
constexpr int MPDATEPLANETS = 4;
// Rebuilds records 0-3 of mp (Mercury..Jupiter) from elements for jd.
void mainplanets(double jd);
// Rebuilds one of records 4-7 (Saturn..Pluto) from elements for jd, for a
// database whose stored record is unusable.
void outerplanet(int p, double jd);
// Eccentricities from this one on are solved to convergence, below it with
// a first guess and ten Newton steps.
constexpr double KEPLERNEARPARABOLIC = 0.999;
constexpr int KEPLERMAXSTEPS = 100;
// Eccentric anomaly (radians) of mean anomaly M (radians) and eccentricity
// ecc < 1.
double keplerE(double M, double ecc);
// Heliocentric equatorial position of date (AU) of an orbit at jd; angles
// in radians, daily in degrees/day, peritime a Julian Day.
void position(double jd, double *x, double *y, double *z, double *r, double daily,
              double semiaxis, double inc, double node, double argperi, double peritime,
              double obl, double ecc);
// Geocentric place of record i at jd for the equinox of mode (as
// getobjcoord): distance AU, phase angle degrees, magnitude. Returns ra.
double getRA(int i, double jd, int mode, double *ra, double *dec, double *dist, double *phase,
             double *mag);

// Geocentric astrometric J2000 place of one record (the object where it
// was when the light now arriving left it), with what the magnitudes need.
struct GEOPLACE {
  double ra;    // hours
  double dec;   // degrees
  double dist;  // from the Earth, AU
  double r;     // from the Sun, AU
  double R;     // Earth from the Sun, AU
  double k;     // |cos phase angle|
};
// Place of record i at jd. newearth 1 computes the Earth for jd and keeps
// it, 0 reuses the Earth kept last. Returns 0, or -1 when the orbit is not
// elliptic or gives no finite place.
int astplace(int i, double jd, int newearth, GEOPLACE *g);

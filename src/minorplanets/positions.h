// Planet and minor-planet positions: mean planetary elements, the Earth,
// two-body orbits, precession and the Sun.
#pragma once

#include "base/constants.h"

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
// Heliocentric Earth at jd, equatorial of date (AU); obliquity in radians.
void earthpos(double jd, double *x, double *y, double *z, double *R, double *obl, double *ecc,
              double *elong);
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
// Precession angles of the elements from J2000 to jd, radians: p in
// longitude, pi of the ecliptic, Pi its node.
void precangles(double jd, double *p, double *pi, double *Pi);
// The m and n (degrees) of prec2000 for jd.
void prec2000angles(double jd, double *m, double *n);
// Precesses a place of date to J2000 in place: ra hours (returned in
// [0, 24)), dec radians; rarad is the same right ascension in radians.
void prec2000(double jd, double *ra, double *dec, double *rarad);
// prec2000 for a place of date in hours (returned in [0, 24)) and
// degrees, as the chart's Sun and Moon come.
void place2000(double jd, double *rahours, double *decdeg);
// As prec2000 towards B1950.
void prec1950(double jd, double *ra, double *dec, double *rarad);
// Precesses ra (hours) and dec (degrees) from year1 to year2 (IAU 1976).
void precess(int year2, int year1, double *ra, double *dec);
// Apparent Sun at jd: ra and eqt in hours; dec, dpsi, deps, obl in degrees.
void getsunpos(double jd, double *ra, double *dec, double *eqt, double *dpsi, double *deps,
               double *obl);
// Place of the geocentric equatorial vector (x, y, z) of date: mode 1
// B1950, 2 J2000, else of date. *ra hours, *dec0 radians, *dec degrees.
// Returns *ra.
double getobjcoord(double jd, double x, double y, double z, double *ra, double *dec0,
                   double *dec, int mode);
// Geocentric place of record i at jd for the equinox of mode (as
// getobjcoord): distance AU, phase angle degrees, magnitude. Returns ra.
double getRA(int i, double jd, int mode, double *ra, double *dec, double *dist, double *phase,
             double *mag);
// Greenwich mean sidereal time at 0h UT of jd, hours.
double gmst0hut(double jd);
// UT of rising / setting (geometric horizon) on the day of jd of a place
// ra hours, dec degrees, at the current observing place; the time as
// "hh:mm" into dest (32 bytes). Returns it in hours, or 99 with "none "
// for a place that never rises or sets there.
double risetime(char *dest, double jd, double ra, double dec);
double settingtime(char *dest, double jd, double ra, double dec);
// Azimuth (from the south through the west) and altitude, degrees, of
// ra hours, dec degrees at jd for the current observing place.
void altaz(double jd, double *az, double *alt, double ra, double dec);

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

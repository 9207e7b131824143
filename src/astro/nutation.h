// Earth orientation of date: mean obliquity, nutation, and ecliptic to
// equatorial conversion. Time argument mjd: days from JD 2415020.0.
// Angles are radians throughout.
#pragma once

// Reduces *v into 0 (inclusive) to r (exclusive). Returns 0.
int range(double *v, double r);
// Mean obliquity of the ecliptic at mjd into *eps. Returns 0.
int obliquity(double mjd, double *eps);
// Nutation in obliquity (*deps) and in longitude (*dpsi) at mjd; the last
// result is kept for a repeated mjd. Returns 0.
int nutation(double mjd, double *deps, double *dpsi);
// Ecliptic latitude beta and longitude lambda at mjd to right ascension
// (*ra, 0..2 pi) and declination (*dec), true equator and equinox of date.
// Returns 0.
int ecl_eq(double mjd, double beta, double lambda, double *ra, double *dec);
// Worker of ecl_eq: sw = -1 turns longitude x and latitude y into right
// ascension *p and declination *q; the sine and cosine of the true obliquity
// are kept for a repeated mjd. Returns 0.
int ecleq_aux(int sw, double mjd, double x, double y, double *p, double *q);

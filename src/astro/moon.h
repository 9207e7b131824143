// The Moon's apparent geocentric place from a truncated analytical theory.
#pragma once

extern double moonra;   // apparent right ascension of the Moon, hours 0..24
extern double moondec;  // apparent declination of the Moon, degrees
extern double mjd;      // time argument, days from JD 2415020.0 (day - 2415020.0)

// Sets mjd from day and moonra/moondec for that instant (true equator and
// equinox of date). Returns 0.
int domoon();
// The Moon's apparent geocentric right ascension (hours 0..24) and
// declination (degrees) at Julian Day jd, as domoon, without touching
// mjd. Returns 0.
int moonplace(double jd, double *rahours, double *decdeg);
// Geometric ecliptic longitude (*lambda, 0..2 pi) and latitude (*beta) of
// the Moon in radians, mean equinox of date, at time argument t_mjd (days
// from JD 2415020.0). Returns 0.
int moon(double t_mjd, double *lambda, double *beta);

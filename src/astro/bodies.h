// The Sun, the Moon and the major planets as seen by an observer:
// astrometric places in the J2000 frame (light time, no aberration, no
// nutation) from the JPL ephemeris inside its span, from the built-in
// theories outside it.
#pragma once
#include "astro/observer.h"

// Heliocentric position of the Earth's centre (AU, J2000 equatorial) at the
// TT Julian Day tt. Returns 1 when it came from the JPL ephemeris, 0 from
// the built-in theory (precessed from the equinox of date).
int earthhelio(double tt, double pos[3]);
// The observer at the UT Julian Day ut: TT by Delta T, the Earth as
// earthhelio, and the place at latitude lat, east longitude lon (degrees)
// and height h (metres) on it, or the Earth's centre when geocentric is 1.
void observerat(double ut, int geocentric, double lat, double lon, double h, OBSERVER *o);
// Right ascension (hours, 0 <= ra < 24), declination (degrees) and length
// of the vector v (J2000 equatorial).
void vectorplace(const double v[3], double *ra, double *dec, double *dist);
// Astrometric vector (AU, J2000) from the observer to the Sun.
void sunvector(const OBSERVER *o, double v[3]);
// Astrometric vector (AU, J2000) from the observer to the Moon: the JPL
// Moon with light time inside the span; outside it the built-in lunar
// theory at its mean distance (it has no distance of its own).
void moonvector(const OBSERVER *o, double v[3]);
constexpr double MOONMEANDIST = 385000.56 / 149597870.7;  // AU
// Astrometric vector from the observer to planet p (0..7 Mercury, Venus,
// Mars .. Pluto as the planet records) and its heliocentric position when
// the light left it, light time iterated. Returns 0, or -1 outside the JPL
// span or for another p (v, helio untouched).
int planetvector(int p, const OBSERVER *o, double v[3], double helio[3]);
// Astrometric places of the Sun and Moon for o: ra hours, dec degrees.
void sunplace(const OBSERVER *o, double *ra, double *dec);
void moonplace(const OBSERVER *o, double *ra, double *dec, double *dist);

// Where the places are seen from: the observing place on the rotating
// Earth in the J2000 frame, and the precession that carries vectors between
// J2000 and the mean equator and equinox of a date.
#pragma once

// Rotation matrix of IAU 1976 precession from J2000 to the mean equator and
// equinox of the TT Julian Day tt: v_date = m v_J2000.
void precessmatrix(double tt, double m[3][3]);
// v (3 numbers) turned by m, or by its transpose (date to J2000), into out
// (out may be v).
void matrixapply(const double m[3][3], const double v[3], double out[3]);
void matrixapplyT(const double m[3][3], const double v[3], double out[3]);
// Greenwich mean sidereal time (IAU 1982) at the UT1 Julian Day ut,
// radians 0..2 pi.
double gmst82(double ut);
// Geocentric position of a place at latitude lat and east longitude lon
// (degrees, geodetic on the WGS84 ellipsoid) and height h (metres above it)
// at the UT Julian Day ut (TT Julian Day tt for the precession): AU, J2000
// equatorial axes. Polar motion and nutation are left out (under 0.3 km).
void siteposition(double ut, double tt, double lat, double lon, double h, double out[3]);

// The observer of a set of places at one instant.
struct OBSERVER {
  double ut, tt;    // Julian Days
  double earth[3];  // the Earth's centre from the Sun, AU, J2000 equatorial
  double site[3];   // the observing place from the Earth's centre (0 when geocentric)
  double pos[3];    // the observer from the Sun: earth + site
  double R;         // |pos|, AU
  int jpl;          // 1 when the Earth comes from the JPL ephemeris
};

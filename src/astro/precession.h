// Precession between the equinoxes of date, B1950 and J2000, and the
// equatorial place of a geocentric vector.
#pragma once

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
// Equinoxes a place can be given for.
enum : int { EQUINOXDATE = 0, EQUINOXB1950 = 1, EQUINOXJ2000 = 2 };
// Place of the geocentric equatorial vector (x, y, z) of date: mode
// EQUINOXB1950, EQUINOXJ2000, else of date. *ra hours, *dec0 radians, *dec degrees.
// Returns *ra.
double getobjcoord(double jd, double x, double y, double z, double *ra, double *dec0,
                   double *dec, int mode);

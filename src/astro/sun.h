// The Sun and the Earth: the apparent Sun and the heliocentric Earth of
// date, from mean elements.
#pragma once

// Heliocentric Earth at jd, equatorial of date (AU); obliquity in radians.
void earthpos(double jd, double *x, double *y, double *z, double *R, double *obl, double *ecc,
              double *elong);
// Apparent Sun at jd: ra and eqt in hours; dec, dpsi, deps, obl in degrees.
void getsunpos(double jd, double *ra, double *dec, double *eqt, double *dpsi, double *deps,
               double *obl);

// R.A. hours of the opposition point of a Sun at sunra hours.
double oppositionra(double sunra);

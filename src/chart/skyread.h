// The observer's sky on the chart: horizon coordinates of chart places,
// the horizon line, the Sun's altitude and twilight state in the header.
#pragma once

enum {
  HORIZONSTEPDEG = 2,  // azimuth step of the horizon line, degrees
};

// Local sidereal time (hours 0..24) at Julian Day jd (UT) for the current
// observing place.
double placesidereal(double jd);
// Altitude and azimuth (degrees; azimuth from the north through the east)
// of the J2000 place rahours, decdeg at jd for the current observing
// place: precessed to the date, geometric (no refraction). Returns 0.
int chartaltaz(double jd, double rahours, double decdeg, double *altdeg, double *azdeg);
// Geometric altitude (degrees) of the Sun's centre at jd for the current
// place.
double sunaltitude(double jd);
// Draws the horizon of the current place at dJDay into SKYbmp, with N, E,
// S and W where they lie on the chart (reserved as labels). Returns the
// pieces drawn.
int drawhorizon();
// Writes "Sun +12.3 day" (altitude, twilight state) for dJDay into the
// header beside the catalogue title. Returns the twilight state.
int drawsunstate();

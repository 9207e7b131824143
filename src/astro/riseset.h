// Rising and setting, sidereal time and altitude/azimuth at the current
// observing place.
#pragma once

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

// TT - UT (Delta T): the program's times are UT, the planetary ephemeris
// and the element records run on Terrestrial Time.
#pragma once

// Years of the measured table (IERS; see deltat_table.inc).
constexpr int DELTATFIRSTYEAR = 1962;
// TT - UT in seconds at the UT Julian Day jd: inside 1962 to the table's
// last year by linear interpolation of yearly values measured by the IERS;
// before it by the Espenak-Meeus polynomials (NASA's eclipse canon); after
// it the last value goes on at the mean rate of the table's last
// DELTATRATEYEARS and blends linearly into those polynomials over
// DELTATFADEYEARS (the Earth's rotation is not predictable to a second a
// few years ahead).
double deltat(double jd);
constexpr int DELTATRATEYEARS = 5;
constexpr double DELTATFADEYEARS = 100.0;
// The TT Julian Day of the UT Julian Day jd.
double jdtt(double jd);

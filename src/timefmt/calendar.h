// Calendar dates, Julian Days and sidereal time. Julian calendar up to
// 1582 October 4, Gregorian from 1582 October 15, except where noted.
#pragma once

// Calendar date to Julian Day. year historical (-1 = 1 B.C., no year 0),
// month 1..12, day of month with fraction (UT).
double caltoj(int year, int month, double mday);
// Writes the short date text of Julian Day jd ("Sat  1 Jan 00 12:00") into
// jdbuff. Returns 0.
int jtocal(double jd);
// Writes the long date text of jd ("Sat  1 Jan 2000 12:00") into jdbuff and
// returns its day, month, year (years B.C. as a positive number) and the UT
// of the day in hours. Returns 0.
int jdtodmyut(double jd, int *mday, int *month, long *year, double *ut);
// Gregorian date and UT in hours to Julian Day; year astronomical (0 = 1 B.C.).
double gmttojd(int mday, int month, int year, double hours);
// Local sidereal time in hours (0..24) for a Gregorian UT date, UT in hours
// and west longitude in degrees.
double localsid(int mday, int month, int year, double ut, double westlong);
// Julian Day (UT) of a local date and time in a whole-hour zone tz (hours
// ahead of GMT); days past the month's end simply count on.
double datejd(int year, int month, int mday, int tz, int hour, int minute, double seconds);
// Local sidereal time in hours (0..24) at Julian Day jd (UT) for west
// longitude westlong (degrees).
double sidereal(double jd, double westlong);
// Sets dJDay from a local date and time in a whole-hour zone tz (hours ahead
// of GMT). Days past the month's end simply count on. Returns 0.
int CalcJD(int year, int month, int mday, int tz, int hour, int minute, double seconds);
// As CalcJD, and also sets SidHr (hours) for west longitude westlong
// (degrees). Returns 0.
int CalcSidHr(int year, int month, int mday, int tz, int hour, int minute, double seconds,
              double westlong);

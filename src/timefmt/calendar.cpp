#include "timefmt/calendar.h"

#include <cmath>
#include <cstdio>

#include "base/constants.h"
#include "timefmt/angles.h"
#include "timefmt/instant.h"

// True for dates before the Gregorian reform of 1582 October 15.
static bool isjulian(int year, int month, double mday) {
  return year < 1582 || (year == 1582 && (month < 10 || (month == 10 && mday < 15.0)));
}

double caltoj(int year, int month, double mday) {
  long y = year < 0 ? year + 4801L : year + 4800L;
  long m = month;
  if (m == 1 || m == 2) {
    m += 12;
    y -= 1;
  }
  long c = y / 100;
  long b = isjulian(year, month, mday) ? -38 : c / 4 - c;
  return b + (y * 36525) / 100 + ((m + 1) * 306) / 10 + mday - 32167.5;
}

// Calendar fields of a Julian Day.
struct CalDate {
  long z;       // civil day number
  int day;      // day of month
  int month;    // 1..12
  long year;    // astronomical year (0 = 1 B.C.)
  double frac;  // fraction of the day since 0 h
};

static CalDate splitjd(double jd) {
  CalDate d;
  d.z = (long)(jd + 0.5);
  long a = (100 * d.z + 3204500) / 3652425;
  long b = d.z > 2299160 ? d.z + 1486 + a - a / 4 : d.z + 1524;
  long c = (100 * b - 12210) / 36525;
  long dd = (c * 36525) / 100;
  long e = (100 * (b - dd)) / 3061;
  d.day = (int)(b - dd - (306 * e) / 10);
  d.month = (int)(e <= 13 ? e - 1 : e - 13);
  d.year = d.month <= 2 ? c - 4715 : c - 4716;
  d.frac = jd + 0.5 - (double)d.z;
  double whole;
  d.frac = std::modf(d.day + d.frac, &whole);
  d.day = (int)whole;
  return d;
}

// Writes "<weekday> <day> <month> <year text> <clock>" into jdbuff; the year
// text of years AD is formatted by adfmt from adyear.
static void writedate(const CalDate &d, const char *adfmt, long adyear) {
  char yeartext[32];
  if (d.year >= 1)
    std::snprintf(yeartext, sizeof yeartext, adfmt, adyear);
  else
    std::snprintf(yeartext, sizeof yeartext, "%ld B.C.", 1 - d.year);
  // Day numbers before JD 0 and other absurd inputs must not index past the
  // name tables.
  int wd = (int)(((d.z + 1) % 7 + 7) % 7);
  int mi = d.month >= 1 && d.month <= 12 ? d.month - 1 : 0;
  df2hms(d.frac);
  std::snprintf(jdbuff, sizeof jdbuff, "%s %2d %s %s %.15s", days[wd], d.day, months[mi], yeartext,
                hmsbuf);
}

int jtocal(double jd) {
  CalDate d = splitjd(jd);
  writedate(d, "%02ld", d.year % 100);
  return 0;
}

int jdtodmyut(double jd, int *mday, int *month, long *year, double *ut) {
  CalDate d = splitjd(jd);
  writedate(d, "%04ld", d.year);
  *mday = d.day;
  *month = d.month;
  *year = d.year >= 1 ? d.year : 1 - d.year;
  *ut = d.frac * 24.0;
  return 0;
}

double gmttojd(int mday, int month, int year, double hours) {
  if (month == 1 || month == 2) {
    month += 12;
    year -= 1;
  }
  int a = year / 100;
  int b = a / 4 + 2 - a;
  return b + std::trunc(365.25 * year) + std::trunc(30.6001 * (month + 1)) + mday + 1720994.5 +
         hours / 24.0;
}

// v brought into 0 (inclusive) to 24 (exclusive) hours.
static double wrap24(double v) {
  v = std::fmod(v, 24.0);
  return v < 0.0 ? v + 24.0 : v;
}

double localsid(int mday, int month, int year, double ut, double westlong) {
  double j0 = gmttojd(mday, month, year, 0.0);
  double t = (j0 - DJ1900) / DJC;
  double r = 0.276919398 + 100.0021359 * t + 1.075e-6 * t * t;
  double g = 24.0 * (r - std::trunc(r));
  return wrap24(g + 1.002737908 * ut - westlong / 15.0);
}

double datejd(int year, int month, int mday, int tz, int hour, int minute, double seconds) {
  long y = year, m = month, d = mday;
  long n;
  if (isjulian(year, month, mday))
    n = 367 * y - (7 * (y + 5001 + (m - 9) / 7)) / 4 + (275 * m) / 9 + d + 1729777;
  else
    n = 367 * y - (7 * (y + (m + 9) / 12)) / 4 - (3 * ((y + (m - 9) / 7) / 100 + 1)) / 4 +
        (275 * m) / 9 + d + 1721029;
  return n + ((hour - 12 - tz) + minute / 60.0 + seconds / 3600.0) / 24.0;
}

int CalcJD(int year, int month, int mday, int tz, int hour, int minute, double seconds) {
  dJDay = datejd(year, month, mday, tz, hour, minute, seconds);
  return 0;
}

double sidereal(double jd, double westlong) {
  // f: UT day fraction since 0 h
  double f = std::fmod(jd, 1.0);
  f = f > 0.5 ? f - 0.5 : f + 0.5;
  double t = ((jd - f) - DJ1900) / DJC;
  return wrap24(6.6460656 + 2400.051262 * t + 0.00002581 * t * t + 24.0 * 1.002737908 * f - westlong / 15.0);
}

int CalcSidHr(int year, int month, int mday, int tz, int hour, int minute, double seconds,
              double westlong) {
  CalcJD(year, month, mday, tz, hour, minute, seconds);
  SidHr = sidereal(dJDay, westlong);
  return 0;
}

// The night planner: the facts of one night at the observing place (Sun,
// twilights, Moon) and, for every record of the database file, the
// planets and the user's objects, when they rise, culminate and set and
// how long they stand high enough in a dark enough sky.
#pragma once
#include <cstdint>
#include <cstdio>

#include "minorplanets/elements.h"

// How the Sun behaves in the day searched.
enum : int { NIGHTUSUAL = 0, POLARDAY = 1, POLARNIGHT = 2 };

// One night at one place. Times are Julian Days (UT); 0 where there is no
// such event in the day searched.
struct NIGHT {
  double lat, westlong;  // the place: latitude, longitude west positive, degrees
  double middle;         // the Sun's lower culmination: the middle of the night
  double start, end;     // the day searched, middle -/+ 0.5
  double sunset, sunrise;
  double dusk[3], dawn[3];  // ends / starts of civil, nautical, astronomical twilight
  double moonrise, moonset; // the first of each in the day searched
  double moonlit;           // illuminated fraction of the Moon at the middle, 0..1
  double sunlow, sunhigh;   // the Sun's lowest and highest altitude, degrees
  int polar;                // NIGHTUSUAL, POLARDAY (no sunset) or POLARNIGHT (no sunrise)
};

// The night that contains jd (the Sun down at jd) or else follows it, at
// latitude lat and west longitude westlong (degrees).
void nightfacts(double jd, double lat, double westlong, NIGHT *n);
// The Sun's and the Moon's geometric altitudes (degrees) at jd at the
// night's place; the Moon's is geocentric.
double sunaltitude(const NIGHT *n, double jd);
double moonaltitude(const NIGHT *n, double jd);
// The dark part of the night: the Sun below skylimit(darkness)
// (darkness SKYCIVIL..SKYASTRONOMICAL) from *from to *to. Returns 0 when
// the Sun never sinks that far in the day searched (*from = *to = 0).
int darkspan(const NIGHT *n, int darkness, double *from, double *to);

// Orders of the result.
enum : int { ORDERTRANSIT = 0, ORDERMAG = 1, ORDERMINUTES = 2, ORDERNUMBER = 3, ORDERCOUNT = 4 };
// Which objects pass.
struct TONIGHTFILTER {
  double minalt;    // degrees: observable only above it
  double maglimit;  // no fainter than this
  int minminutes;   // observable at least this long, minutes; 0 lists every object
  int darkness;     // SKYCIVIL..SKYASTRONOMICAL: Sun below skylimit(darkness)
  int order;        // ORDER...
};

// What the result holds of one object; times Julian Days (UT).
enum : int { ROWPLANET = 'P', ROWDATABASE = 'D', ROWUSER = 'U' };
enum : int { UPDOWN = 0, ALWAYSUP = 1, NEVERUP = -1 };
struct TONIGHTROW {
  int32_t kind;        // ROWPLANET, ROWDATABASE or ROWUSER
  int32_t record;      // index in the database file (ROWDATABASE), else in the table
  int32_t number;      // catalogue number, 0 none
  char name[20];
  int32_t updown;      // UPDOWN, ALWAYSUP or NEVERUP (rise and set 0 unless UPDOWN)
  double rise, transit, set;
  float alttransit;    // altitude at transit, degrees
  float minutes;       // above minalt while the sky is dark enough
  float mag;           // the table's magnitude rule at the middle of the night
  float elong;         // from the Sun, degrees
  float moondist;      // from the Moon, degrees
  float dist;          // from the Earth, AU
  float motion;        // on the sky, arc seconds a minute
  float pa;            // direction of the motion, degrees from north through east
  double ra, dec;      // of date at the middle of the night: hours, degrees
  float dra, ddec;     // their rates: hours a day, degrees a day
  float ra2000, dec2000;  // J2000 place at the middle of the night, hours, degrees
};

enum : int { TONIGHTMAX = 20000 };  // rows kept; later passing objects are counted only
extern TONIGHTROW tonight[TONIGHTMAX];
extern int tonightrows;     // rows in tonight[]
extern int tonightpassed;   // objects that passed (more than tonightrows when it is full)
extern int tonightscanned;  // objects examined
extern NIGHT tonightnight;  // the night of the last scan
extern TONIGHTFILTER tonightfilter;  // the filter of the last scan

// Scans the night n with filter f: the planets and user objects of the
// table, then every plausible record of the database file at path (read
// once, in blocks), the table's own elements standing for a database
// record that a user object holds under the same number and name. Fills
// tonight[] in filter order. Returns the rows, or -1 when the file cannot
// be read (the planets and user objects are kept).
int tonightscan(const char *path, const NIGHT *n, const TONIGHTFILTER *f);
// The same over the open database file fp (nullptr: the table's objects
// only, and -1).
int tonightscanfrom(FILE *fp, const NIGHT *n, const TONIGHTFILTER *f);
// Sorts the rows by order (ORDER...).
void tonightsort(int order);
// Geometric altitude (degrees) of row r at jd within the night.
double rowaltitude(const NIGHT *n, const TONIGHTROW *r, double jd);
// Local time of jd in a zone tz hours ahead of GMT as "hh:mm" into dest
// (8 bytes); "--:--" for 0.
void localhhmm(char *dest, double jd, double tz);
// Writes the whole result to path as CSV (header line, one row a line,
// times local in zone tz). Returns 0, or 1 when it cannot be written.
int tonightcsv(const char *path, double tz);

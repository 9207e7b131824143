// The date-menu controller: sets the calculation instant from the PC
// clock, the date fields of the location/time menu or a typed Julian Day,
// recalculates the minor planets for it and shows it on the status line.
#pragma once
#include <ctime>

#include "timefmt/instant.h"

// Takes local clock fields lt as the local time of the observing place (zone
// tz, whole hours ahead of GMT; west longitude in degrees): sets dJDay and
// SidHr, redraws the status line, fills the menu date/time fields and the
// menu Julian Day. A clock year below 1950 is taken as 100 years later.
// Returns 0.
int setclocktime(const struct tm *lt, int tz, double westlong);
// setclocktime with the PC clock's local time. Returns 0.
int InitTimes(int tz, double westlong);
// InitTimes for the current place (its zone truncated to whole hours).
// Returns 0.
int timeinit();
// dJDay and SidHr from the menu date/time fields (seconds 0) for the current
// place; redraws the status line; copies dJDay into the menu Julian Day and
// *jd. Returns 0.
int setmenutime(double *jd);
// Julian Day (UT) of the menu date/time fields (seconds 0) at the current
// place's zone, whole hours as the fields are always read. Changes nothing.
double menudatejd();
// Makes jd (Julian Day, UT) the instant: dJDay, SidHr for the current
// place, the menu date/time fields (local, to the minute) and Julian Day,
// the status line. Returns 0.
int setinstant(double jd);
// After a change of place: a fixed instant (FIXEDINSTANT set) stays and
// its sidereal time and local fields follow the place; otherwise the
// clock is read again. Returns 0.
int keepinstant();
// setmenutime, then recalculates all minor planets for the result and
// stores it in the menu Julian Day; the instant is fixed. Returns 0.
int makemydate();
// timeinit, then recalculates all minor planets for dJDay; the instant
// follows the clock again. Returns 0.
int realtimedate();
// Draws the current place's line (obstext) under the title bar.
void showplaceline();
// Draws "SidHr" with SidHr and "JD" with dJDay on the status line.
void displaytime();
// setinstant(the menu Julian Day), the instant fixed; recalculates all
// minor planets for it. Returns 0.
int makeFPdate();

// Steps the instant for a chart time key (screen/keys.h: an hour, a day,
// the ephemeris interval back or on; KEYNOW the clock's now), everything
// recalculated. Returns 1 for a time key, else 0 (nothing changed).
int timestepkey(int keycode);
// Writes "JD ..." for jd into achDLine[DATELINEROW] and onto the screen. Returns 0.
int showJday(double jd);

// Sexagesimal text forms of angles and times, and the month and weekday
// name tables.
#pragma once

extern char hmsbuf[80];              // result of df2hms, overwritten by each call
extern const char *const months[12]; // "Jan".."Dec", index month - 1
extern const char *const days[7];    // "Sun".."Sat", index weekday (0 = Sunday)

// Every formatter below writes into s, which must hold at least
// ANGLETEXTLEN characters, and returns 0. Seconds round up from 0.55 s.
enum { ANGLETEXTLEN = 32 };

// x in hours (or degrees), 0 or more: "%2d %02d %02d" (h m s).
int hms(char *s, double x);
// x in hours, sign ignored: "%2d %02d %02d.%1d" (h m s, tenths of a second).
int hmss(char *s, double x);
// x in hours, sign ignored: "%2d:%02d"; minutes stop at 59 (no carry).
int hhmmt(char *s, double x);
// x in degrees, signed: "%c%3d %02d %02d" (sign, d m s).
int dms(char *s, double x);
// x in degrees, signed: "%c%2d %02d %02d"; the dms form from |x| >= 100.
int ddmmss(char *s, double x);
// x in degrees, signed: "%c%2d %02d.%1d" (sign, d, minutes with tenths).
int ddmmm(char *s, double x);
// x a day fraction: hmsbuf = "%2d:%02d" (hours, minutes truncated). Returns 0.
int df2hms(double x);

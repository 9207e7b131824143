// Ephemerides: places of one object at equal time steps, kept in a store
// of 100 entries that holds several runs side by side, and the pages of
// the ephemeris list.
#pragma once
#include <cstdint>

enum { EPHMAX = 100, EPHRUNWRAP = 100 };

// One ephemeris entry.
struct ephrec {
  int32_t object;  // record index in mp
  double jd;       // Julian Day (UT)
  double ra;       // J2000 right ascension, hours
  double dec;      // J2000 declination, degrees
  double dist;     // distance from the Earth, AU
  double mag;      // single-object magnitude
  int32_t run;     // generation run that produced it
};

extern ephrec eph[EPHMAX];
extern int ephnum;  // index where the next run starts
extern int ephlen;  // entries that hold data (never decreases)
extern int iEph;    // run counter, 0..EPHRUNWRAP
extern int iEphem;  // entry selected in the list

// Why a run of lines entries at step days a line would make nothing
// useful: the text to show, or nullptr when it would.
const char *ephemrefusal(int lines, double step);
// One run of iNT[EPHEMLINES] entries for record i from dFP[EPHEMSTART] at
// dFP[EPHEMSTEP] days a step; the object's own place, magnitude and colour
// class are left as they were. Returns the new ephnum.
int calcephem(int i);
// Row of entry k into dest (80 bytes). Returns 0.
int findephpos(char *dest, int k);
// Empties the store (program start).
void ephemclear();

// Proper names and Bayer/Flamsteed designations of stars, keyed by
// Hipparcos number (starnames.txt, made by tools/mkstarnames), and their
// join to the catalogue in memory: by number for the HIP catalogue, by
// place for a catalogue without HIP numbers, so that the same star carries
// the same HIP number and name in either.
#pragma once
#include <cstdint>
#include <cstdio>

#include "chart/starcat.h"

enum {
  MAXNAMEDSTARS = 4096,
  STARDESIGLEN = 12,   // "alp2Cru" and the like
  STARPROPERLEN = 32,  // proper name
  NAMEMATCHARCSEC = 10,  // largest distance of a join by place
};

struct namedstar {
  int32_t hip;   // Hipparcos number, > 0
  float ra;      // J2000 R.A., hours
  float dec;     // J2000 declination, degrees
  float mag;     // V
  char desig[STARDESIGLEN];   // Bayer or Flamsteed designation, or ""
  char name[STARPROPERLEN];   // proper name, or ""
};

extern namedstar namedstars[MAXNAMEDSTARS];
extern int iNamedStars;          // entries read
extern int iNamedRejected;       // lines of the last read that could not be real
extern int16_t starnamed[MAXSTARS];  // per loaded star: namedstars index + 1, 0 none
extern int32_t namedstarat[MAXNAMEDSTARS];  // per entry: loaded star index, -1 none

// Reads name lines "HIP R.A.(h) Dec(deg) V designation|name" from f ('#'
// lines are comments) into namedstars; lines that cannot be real (number
// not positive, place or V out of range, no '|') are skipped and counted.
// Returns the entries read (at most MAXNAMEDSTARS).
int readstarnames(FILE *f);
// readstarnames of starnames.txt in the program directory, then the join.
// Returns the entries read, or -1 when the file does not open (no names).
int loadstarnames();
// Fills starnamed for the loaded stars: the HIP catalogue by star number,
// others by place (nearest star within NAMEMATCHARCSEC whose magnitude is
// within 1 of V). Returns the stars named.
int joinstarnames();
// Entry of namedstars for loaded star i, or nullptr.
const namedstar *starnameof(int i);
// The text a chart label shows for an entry: the proper name, else the
// designation.
const char *starlabel(const namedstar &n);
// Entry with this HIP number, or -1.
int namedstarbyhip(int32_t hip);

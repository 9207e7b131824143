// The appulse list: close approaches of minor planets to other objects.
#pragma once

enum { MAXAPPS = 3064 };

struct apprec {
  int kind;    // 0: second is a table record, 1: a catalogue star
  int first;   // record index of the minor planet
  int second;  // record index or star index
  float sep;   // separation, degrees
};

extern apprec app[MAXAPPS];
extern int iNumApps;  // appulses held
extern int iApp;      // appulse selected in the list

// Appends an appulse (first, second, separation in degrees, kind).
// Returns the new count, or -1 when the list is full.
int logappulse(int first, int second, double sep, int kind);

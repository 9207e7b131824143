// The appulse list: close approaches of minor planets to other objects of
// the table and to catalogue stars, for the places of the current date.
#pragma once

enum { MAXAPPS = 3064 };
enum { APPTABLE = 0, APPSTAR = 1, APPDSO = 2 };  // kinds of the second object

struct apprec {
  int kind;    // APPTABLE: second is a table record, APPSTAR: a catalogue star,
               // APPDSO: a deep-sky object
  int first;   // record index of the minor planet
  int second;  // record, star or deep-sky object index
  float sep;   // separation, degrees (from a deep-sky object's edge, 0 inside)
};

extern apprec app[MAXAPPS];
extern int iNumApps;  // appulses held
extern int iApp;      // appulse selected in the list

// Appends an appulse (first, second, separation in degrees, kind).
// Returns the new count, or -1 when the list is full.
int logappulse(int first, int second, double sep, int kind);
// Separation in degrees of two places (R.A. hours, declination degrees)
// in the plane measure of the search: no cos(dec) factor.
float appsep(float ra1, float dec1, float ra2, float dec2);
// Logs every record of record i's sky block within maxsep degrees: records
// after i when onlyafter is not 0, else all others. Returns the number found.
int checkastapp(int i, double maxsep, int onlyafter);

// Observing places: the table read from place.txt (and written to it and
// to place.dat), the current place, its menu fields, its screen line and
// its list page.
#pragma once
#include <cstdint>
#include <cstdio>

enum { PLACEMAX = 1000, PLACEDATREC = 92, PLACEDATHEAD = 8, OBSTEXTLEN = 128 };

struct placerec {
  char name[24];      // observatory; empty marks a free element
  char locality[24];  // town or locality
  char country[16];   // country or state
  int32_t code;       // MPC observatory code, 0 by default
  double longit;      // degrees, west positive
  double lattit;      // degrees, north positive
  double tzone;       // hours ahead of GMT
  int32_t elevation;  // metres above sea level, kept as read (place.txt only)
  char comment[40];   // the line's comment after ";", kept as read (place.txt only)
};

extern placerec Place[PLACEMAX];
extern int iPlace;     // current place
extern int iPlacesiz;  // index of the last entry (entries - 1)
extern int iPlacemax;  // highest possible index, 999
extern int iMarkplace; // mark of the place.dat header
extern char achPlace[24], achTown[24], achState[24];  // current place's texts
extern double dLongit, dLattit, dTzone;  // current place: west longitude and
                                         // latitude (degrees), zone (hours)
extern int iObscode;                     // current place's MPC code
extern double dElevation;                // current place: metres above sea level
extern int iPlaceSkipped;  // lines of the last place read that are not places

// Clears the table and reads place.txt. Returns the number of entries.
int Placeinit();
// Reads place.txt from the program directory into the table ("Unable to
// find place.txt" when it is missing). Lines that are not places are
// reported with their count; a file with no place gives the built-in
// default place (Greenwich), reported. Returns the number of entries.
int Placereadtextfile();
// Reads place lines from f into the cleared table, sets iPlacesiz and the
// OBSERVATORY field limit, keeps iPlace within the entries and makes it
// current. Comments and blank lines are passed over; other lines shorter
// than 65 characters or holding anything but printable ASCII and tabs are
// skipped and counted in iPlaceSkipped. Returns the number of entries read
// (at most PLACEMAX).
int placeread(FILE *f);
// Write the used entries to place.txt (0, or 1 when it cannot be written)
// and to place.dat, then place.txt (0, or 1 when place.dat cannot be
// written). Each file is written beside the old one and replaces it only
// when complete.
int Placewritetextfile();
int Placewritefile();
// The same to the file at path. 0, or 1 when it cannot be written (the
// file at path is then untouched).
int placewritetext(const char *path);
int placewritedat(const char *path);
// Closes up the free elements, renumbering iPlace and iPlacesiz. Returns
// the number of used entries.
int countplaces();
// Makes entry index (0..999) the current place (showplaceline draws it).
// Returns 0, or -1 for an index outside the table.
int getaplace(int index);
// Copies entry index into (locload) or from (locsave) the LOCATION menu
// fields and sets iPlace. Return 0, or -1 for an index outside the table.
int locload(int index);
int locsave(int index);
// text (OBSTEXTLEN chars) = the line describing the current place.
// Returns 0.
int obstext(char *text);

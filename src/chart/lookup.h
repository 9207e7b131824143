// Finding a sky object by name: a list of look-up functions, one per kind
// of object, each answering a query with the objects whose names match.
// The program's own kinds (Sun and Moon, the element table's planets and
// minor planets, named stars and HIP numbers) are built in; another kind
// (deep-sky objects) adds its own with addlookup. Minor planets not found
// on the loaded page are looked for in the whole database file.
#pragma once

enum {
  FINDNAMELEN = 48,  // bytes of a hit's display name
  MAXFINDHITS = 16,  // hits one search returns
  MAXLOOKUPS = 8,    // look-up functions
  FINDQUERYLEN = 40, // bytes of a query
};

// Kinds of hit.
enum : int {
  FINDSUN = 1,
  FINDMOON = 2,
  FINDPLANET = 3,  // a major-planet record of the element table
  FINDMINOR = 4,   // a minor-planet record of the element table
  FINDSTAR = 5,    // a named star, or a star by HIP number
  FINDOTHER = 6,   // a kind added with addlookup
  FINDFILE = 7,    // a minor planet of another page of the database file:
                   // index is its file record, ra/dec 0 until its page loads
};

// How well a name matched; lower is better.
enum : int {
  MATCHEXACT = 0,   // the whole name (or number)
  MATCHPREFIX = 1,  // the start of the name
  MATCHPART = 2,    // inside the name
};

struct FINDHIT {
  int kind;      // FIND...
  int index;     // record, star or entry of its kind; -1 none
  int match;     // MATCH...
  double ra;     // J2000 R.A., hours
  double dec;    // J2000 declination, degrees
  double mag;    // magnitude, for the order of equal matches
  char name[FINDNAMELEN];
};

// A look-up: adds to hits (room for max - *n more, *n the hits so far)
// the objects of its kind whose name matches query (already folded by
// foldname, not empty). Returns the hits it added.
typedef int (*LOOKUP)(const char *query, FINDHIT *hits, int *n, int max);

// Adds a look-up after the built-in ones. Returns 0, or -1 when the list is
// full or f is null.
int addlookup(LOOKUP f);
// dest (FINDQUERYLEN bytes) = text folded for matching: lower case, runs
// of blanks as one blank, no blanks at either end. Returns 0.
int foldname(char *dest, const char *text);
// MATCH... of query (folded) against name (folded by the call), or -1.
int namematch(const char *query, const char *name);
// Every look-up's hits for text, best match first (then brightest);
// exact matches alone when there are any. Returns the number (at most
// max, at most MAXFINDHITS).
int findbyname(const char *text, FINDHIT *hits, int max);

// Close approaches over a range of days: instants at which minor planets
// of the table pass closest to stars of the loaded catalogue and to each
// other, found on a coarse track and refined on exact places.
#pragma once

enum : int {
  APPROACHMAX = 20000,  // approaches kept, the earliest
  APPRSTAR = 0,        // kinds of the second object: a catalogue star
  APPRPLANET = 1,      // a table record
};
// Separations under this many arc seconds are occultation candidates.
constexpr double OCCULTSEP = 5.0;
// Hours between the places of the coarse track.
constexpr double APPROACHSTEPH = 6.0;

struct APPROACH {
  double jd;          // instant of the least separation, Julian Day (UT)
  double sep;         // least separation, arc seconds
  double pa;          // position angle of the second object from the first, degrees N through E
  int kind;           // APPRSTAR or APPRPLANET
  int first;          // table record of the minor planet
  int second;         // star index or table record
  double mag1, mag2;  // magnitudes of the two
  double ra, dec;     // place of the first: J2000 hours, degrees
  double alt;         // altitude of the pair at the observing place, degrees
  double sunalt;      // the Sun's altitude then, degrees
};

// What to search.
struct APPROACHQUERY {
  double jd0, days;  // from jd0 (Julian Day) for days (at most 366)
  double maxsep;     // widest separation kept, arc seconds
  double starmag;    // stars brighter than this (catalogue magnitude)
  double minalt;     // least altitude of the pair (degrees); -90 keeps all
  int darkonly;      // 1: only with the Sun below DARKSUNALT
  int first, last;   // table records searched as first objects (inclusive)
  int stars;         // 1: approaches to catalogue stars
  int planets;       // 1: approaches to other minor planets of the table
};

// The stars searched, index-parallel arrays (the caller's star index is
// the array index): J2000 R.A. hours, declination degrees, magnitude.
struct APPRSTARLIST {
  int n;
  const double *ra, *dec, *mag;
};

// The Sun below this altitude (degrees): dark (nautical twilight over).
constexpr double DARKSUNALT = -12.0;

extern APPROACH appr[APPROACHMAX];
extern int iNumAppr;    // approaches held, sorted by instant
extern int iApprFound;  // approaches found, held or not
extern int iApprPick;   // approach chosen on the list page, -1 none

// Runs q over the table's current elements and stars (none when
// nullptr); fills appr by instant, the earliest APPROACHMAX. Returns the
// number found.
int findapproaches(const APPROACHQUERY *q, const APPRSTARLIST *stars);
// Separation (arc seconds) and position angle (degrees, N through E) of
// place 2 seen from place 1, both R.A. hours and declination degrees.
double separation(double ra1, double dec1, double ra2, double dec2, double *pa);
// Altitude (degrees) of the place ra hours, dec degrees and of the Sun at
// jd for the observing place.
void pairsky(double jd, double ra, double dec, double *alt, double *sunalt);
// Whether a pair at altitude alt with the Sun at sunalt passes minalt and
// (when darkonly) the dark test.
bool pairvisible(double alt, double sunalt, double minalt, int darkonly);

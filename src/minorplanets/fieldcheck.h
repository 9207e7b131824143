// Field check: every minor planet of the whole database file inside a
// field of the sky at one instant. The file is streamed through the
// position kernel a block at a time, never held whole in memory.
#pragma once
#include <cstdint>
#include <cstdio>

enum : int {
  FIELDMAX = 500,     // objects kept, the nearest to the centre
  FIELDBLOCK = 3000,  // records placed at a time
};

// One object found in the field.
struct FIELDHIT {
  int32_t index;   // record index in the database file
  int32_t number;  // catalogue number, 0 unnumbered
  char name[20];
  double ra, dec;  // J2000 astrometric place: hours, degrees
  double dx, dy;   // offset from the centre, arc seconds: east, north
  double mag;      // the program's magnitude
  double rate;     // apparent motion, arc seconds a minute
  double pa;       // direction of the motion, degrees from north through east
};

// The last field check: its centre and instant, what it found (nearest
// first) and how many records it placed.
struct FIELDRESULT {
  double jd, ra, dec;       // instant (Julian Day), centre (hours, degrees)
  double halfw, halfh;      // rectangle half sides, arc seconds (0: circle)
  double radius;            // circle radius, arc seconds (0: rectangle)
  int count;                // hits held, at most FIELDMAX
  int found;                // objects inside, held or not
  long placed;              // records placed
  FIELDHIT hit[FIELDMAX];
};
extern FIELDRESULT field;
extern int iFieldPick;  // hit chosen on the list page

// Standard coordinates (arc seconds; x east, y north) of ra, dec about
// the centre ra0, dec0 (hours, degrees); false for a place 90 degrees or
// more from the centre.
bool fieldoffset(double ra0, double dec0, double ra, double dec, double *x, double *y);

// Checks the database read from f (an int32 record count, then 84-byte
// records; the first MPPLANETS are the planets, which are passed over, as
// are records that cannot be real) at
// jd for the field about ra0 hours, dec0 degrees: a circle of radius
// arc seconds, or when radius is 0 the rectangle of half sides halfw (R.A.)
// and halfh (Dec.) arc seconds. Fills field. Returns the number found, or
// -1 when f holds no database.
int fieldcheckfile(FILE *f, double jd, double ra0, double dec0, double radius, double halfw,
                   double halfh);
// fieldcheckfile on the database file name (resolved in the program
// directory). -1 when it cannot be opened.
int fieldcheck(const char *file, double jd, double ra0, double dec0, double radius,
               double halfw, double halfh);

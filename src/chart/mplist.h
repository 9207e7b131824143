// Minor planets shown to the user: the planet list pages, the chart and
// telescope overlays, the object under the cursor, going to an object or
// a place, and screen dumps named after the current object.
#pragma once
#include <allegro.h>

enum { OBJSTRLEN = 96 };

// Draws every computed object on SKYbmp (without names). Returns the
// number drawn.
int drawmps();
// Draws every computed object into the telescope view TELbmp, with its
// daily-motion track (skin button 20 on) and name (button 16 on). Returns
// the number drawn.
int Tdrawmps();
// Identifies the first computed object within 5 pixels (x and y) of the
// chart cursor and writes it on the status line. Returns its record index
// or -1.
int findmp();
// First computed record within 5 pixels (x and y) of chart pixel (x, y),
// or -1.
int mpnearpixel(int x, int y);
// The same for the telescope-view cursor.
int Tfindmp();
// dest (OBJSTRLEN bytes) = identification text of an object: number (none
// when negative), name, R.A. hours, declination degrees and magnitude.
// Returns 0.
int objectstr(char *dest, int number, const char *name, const double *rahours, const double *decdeg,
              const double *mag);
enum { DUMPNAMELEN = 24 };
// dest (DUMPNAMELEN bytes) = dump file name for object name astname and
// number n: the first 7 characters, each one not a letter, digit, '-' or
// '_' replaced by '_', then n, "." and the extension ext (3 characters).
// Returns 0.
int dumpname(char *dest, const char *astname, int n, const char *ext = "pcx");
// chosen[0..2] = whether a dump is written as PCX, TGA, PNG: the OPTIONS
// switches, PCX alone when all are off. Returns how many are chosen.
int dumpformats(bool *chosen);
// Saves bmp with the current palette as the current object's dump of the
// first number free in every chosen format, one file per format, in the
// program directory: each written beside it, then renamed into place.
// Returns 0 (mperror "Saved file: <names>"), or 3 when one cannot be
// written (mperror "Error writing file: <name>", that file left out).
int savedump(BITMAP *bmp);
// Saves the whole screen as the next dump. Returns the new dump count,
// or -1 when nothing was saved (mperror says why).
int grdump();
// Centres the chart and the cursor on R.A. hours, declination degrees.
// Returns 0.
int gotomyradec(double rahours, double decdeg);
// The same on the computed place of record i (others are ignored).
// Returns 0.
int gotoasteroid(int i);

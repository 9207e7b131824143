// The star chart driver: chart keys, the cursor, the rebuild of the chart
// with its grid and overlays, and the status line.
#pragma once

extern double Sunra, Sundec;    // Sun of the last rebuild, J2000: hours, degrees
extern double Moonra, Moondec;  // Moon of the last rebuild, J2000: hours, degrees
extern int iCurStep;          // cursor pixels per arrow key, 1..64
extern int iReplot;           // 1: the next call with a key rebuilds the chart
extern int iHorizon;          // 1: the chart shows the horizon ("h")
extern int iTrack;            // 1: the chart shows the last ephemeris track (F7)

enum { MAXCURSTEP = 64, CURSORMARGIN = 10 };

// Draws the R.A. / declination grid with its numerals into SKYbmp for the
// current zoom and orientation. Returns 0.
int drawcoords();
// Rebuilds the whole chart in SKYbmp: grid, constellations, Sun,
// opposition point, Moon, cursor, minor planets, stars and frame. Returns
// the number of block marks set.
int rebuildchart();
// Chart state changes of key (toggles, zoom, centre, catalogue, step).
// Returns 1 when the chart must be rebuilt.
int chartkey(int keycode);
// State of the switch a chart key toggles: 1 on, 0 off, -1 for a key
// that is no switch.
int chartswitchstate(int keycode);
// Cursor pixel (*x, *y) after an arrow key from (Xcur, Ycur) with the
// current step. Returns 1 for an arrow key, else 0 (nothing changed).
int arrowkey(int keycode, int *x, int *y);
// Replaces (*x, *y) by the chart pixel of the mouse at (mx, my on screen)
// for a click: when the cursor is not locked, a mouse is installed and the
// mouse lies strictly inside the chart and off the telescope skin.
// Returns 1 when it did.
int mousecursor(int mx, int my, int *x, int *y);
// Keeps (*x, *y) 10 pixels inside the chart and iCurStep in 1..64.
// Returns 0.
int clampcursor(int *x, int *y);
// Sun and Moon of the instant day, brought from their places of date to
// J2000 like every other place on the chart, into Sunra, Sundec, Moonra
// and Moondec (the star search and the telescope view use them too).
// Returns 0.
int skymarkers();
// dest (at least 96 bytes) = the status line for the cursor, in the
// diagnostic form when iDEBUG is set (marks = block marks shown there).
// Returns 0.
int statustext(char *dest, int marks);

// Moves the cursor to chart pixel (x, y), restoring what lay under it.
void movecursor(int x, int y);

// The single wait for input: keys, clicks, the title-bar clock and the
// program's own mouse pointer.
#pragma once
#include <allegro.h>

extern int m2, m3, m4;          // last mouse sample: buttons, x, y
extern int iLBut, iRBut;        // left (bit 1) and right (bit 2) button of the sample
extern int mX, mY, mBut;        // position and buttons read for the pointer
extern int oldmX, oldmY;        // where the pointer was last drawn
extern BITMAP *mpb, *mpbg;      // pointer image, and what lies under it
extern long tLast;              // clock second last shown
// Screen rectangle (x0, y0 inclusive, x1, y1 exclusive) whose pointer
// motion, left clicks, double clicks and wheel getapress returns as the
// pointer keys of ui/keys.h; an empty one (x1 <= x0) for none. A motion
// is also returned once when the pointer leaves it.
extern int iPointerX0, iPointerY0, iPointerX1, iPointerY1;
enum { DOUBLECLICKMS = 400, DOUBLECLICKPIXELS = 4 };

// Waits for one key or click and returns its key code (never 0).
int getapress();
// getapress with the mouse pointer shown while waiting (when there is a mouse).
int waitpress();
// Refreshes the title-bar clock when the second has changed; returns the
// next key code waiting, or 0.
int timecheckkey();
// Key code of a readkey() value: (scancode << 8) | character.
int translatekey(int k);
void makemouse();
void mouseshow();
void mousehide();
int waitbuttonsoff();
void getmousepos();
// Pointer key for a sample at (x, y) with buttons b and wheel position z
// at time ms (milliseconds), or 0: keeps the last position, wheel and
// click to tell motion and double clicks. A left button seen here is a
// click on the pointer area (the caller waits for its release).
int pointerevent(int x, int y, int b, int z, long ms);
// Text cell (row, column) of a pixel position, clamped to 29 / 79.
void pointcell(int x, int y, int *row, int *col);

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
// Text cell (row, column) of a pixel position, clamped to 29 / 79.
void pointcell(int x, int y, int *row, int *col);

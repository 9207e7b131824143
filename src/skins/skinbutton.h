// Skin button states, the skin's place on the screen, and which button
// lies under the mouse.
#pragma once
#include <allegro.h>

extern BITMAP *Sbmp;          // bitmap the skin is drawn into (the chart)
extern int xskin, yskin;      // skin origin inside it
extern int skabsx, skabsy;    // skin origin on the screen
extern int skinshown;         // 1 while the skin is on the screen and answers clicks

enum : int {
  SKINCODEBASE = 49,  // a click on button e (7..39) is code e + 49
  SKINCODENONE = 90,  // on the skin, on no button
};

// State of skin entry 0..59 (telescope toggles: 1 off, 2 on); 0 for
// other entries.
int getskinbuttonstate(int entry);
// Stores the state of entry 7..59. Returns 0, or -1 (nothing stored) for
// other entries.
int setskinbuttonstate(int entry, int state);
// Next state of entry 7..36: one up, back to 0 on reaching its number of
// states. Returns the new state (-1 for other entries, nothing changed).
int incskinbuttonstate(int entry);
// Code of the skin button under screen point (x, y): -1 outside the skin
// (or while it is not shown), e + 49 on button e, 90 on the skin but on
// no button. Right and bottom edges of a hot area are outside it.
int checkskinbutton(int x, int y);
// The skin is drawn into bmp at (x, y), which lies at (bx, by) on the
// screen. Returns 0.
int registerskinposition(BITMAP *bmp, int x, int y, int bx, int by);
// Telescope view rectangle for a skin drawn at (x, y): *ox, *oy, *ow, *oh
// in pixels. Returns 0.
int getteledim(int x, int y, int *ox, int *oy, int *ow, int *oh);

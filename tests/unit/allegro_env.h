// Allegro without a display, for tests that draw into memory bitmaps.
#pragma once
#include <allegro.h>

#include <cerrno>
#include <cstdlib>

// Starts Allegro once with no system driver at the given colour depth and
// points the drawing target at a fresh memory bitmap of w x h pixels.
BITMAP *startallegro(int depth, int w = 640, int h = 480);

// The program's fonts (vuva.dat beside the tests) into data for a suite
// that draws text; Allegro's own font is remembered. Returns false when
// the file cannot be loaded.
bool loadprogramfonts();
// Gives Allegro's font back and unloads the program's fonts.
void unloadprogramfonts();
// A fresh 640 x 480 x 8 screen with the program palette, the windows and
// an empty hit map, no menu open, the menu font selected.
BITMAP *startscreen();

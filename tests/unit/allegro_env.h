// Allegro without a display, for tests that draw into memory bitmaps.
#pragma once
#include <allegro.h>

#include <cerrno>
#include <cstdlib>

// Starts Allegro once with no system driver at the given colour depth and
// points the drawing target at a fresh memory bitmap of w x h pixels.
BITMAP *startallegro(int depth, int w = 640, int h = 480);

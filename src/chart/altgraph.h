// The altitude of one object across a night, as observers read it before
// they decide: the sky's states as shaded bands, the minimum altitude, the
// Moon's altitude beside the object's, and its transit marked.
#pragma once
#include <allegro.h>

#include "minorplanets/tonight.h"

// Draws row r's altitude over night n into the box x, y, w x h of bmp:
// hours of local time in zone tz along, -10..90 degrees up, the line of
// minalt (degrees). Returns 0, or -1 for a box too small to hold it.
int drawaltgraph(BITMAP *bmp, int x, int y, int w, int h, const NIGHT *n, const TONIGHTROW *r,
                 double minalt, double tz);

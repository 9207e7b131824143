// Skinned pieces of the program's own windows: the title bar, the menu
// heading buttons and the list-box labels.
#pragma once
#include <allegro.h>

// Each draws its piece into bmp at (x, y), w x h pixels (state 0 up,
// 1 down where it has states). Returns 1 when the skin drew it, or 0 when
// no skin file provides it and the caller draws its own box.
int drawtitleskin(BITMAP *bmp, int x, int y, int w, int h);
int drawheadingskin(BITMAP *bmp, int x, int y, int w, int h, int state);
int drawlistboxskin(BITMAP *bmp, int x, int y, int w, int h, int state);

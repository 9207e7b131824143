#include "skins/skindraw.h"

// No skin file can be loaded yet, so every piece is the caller's own box.
int drawtitleskin(BITMAP *, int, int, int, int) { return 0; }
int drawheadingskin(BITMAP *, int, int, int, int, int) { return 0; }
int drawlistboxskin(BITMAP *, int, int, int, int, int) { return 0; }

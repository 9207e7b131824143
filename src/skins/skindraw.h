// Drawing the skin: background, mask, buttons in their states, read-out
// texts in the skin font, the three box styles, and the skinned pieces of
// the program's own windows (title bar, menu heading buttons, list boxes).
#pragma once
#include <allegro.h>

enum { GUIPAIRS = 14, TITLECELLS = 80, HEADINGPAIRMAX = 13 };

// Window pieces: pair 0 the title bar (80 cells wide), pair k (1..13) a
// heading button k cells wide; [k][0] up, [k][1] down; VRTScale high.
extern BITMAP *buttonbmp[GUIPAIRS][2];

// The three box styles on bmp at (x, y), w x h pixels: raised, pushed,
// and the sunken read-out frame.
void drawskinbox(BITMAP *bmp, int x, int y, int w, int h);
void drawskinpush(BITMAP *bmp, int x, int y, int w, int h);
void drawskindial(BITMAP *bmp, int x, int y, int w, int h);
// Filled rectangle (x1, y1)-(x2, y2) in pixel value c.
void skinfill(BITMAP *bmp, int x1, int y1, int x2, int y2, int c);

// Copies entry's image in its current state to its place for a skin at
// (x, y) on bmp. Returns 0, or -1 for an entry outside 0..59, negative in
// state or not part of the skin.
int drawskincell(BITMAP *bmp, int entry, int x, int y);
// The skin background (entry 0).
void redrawskin(BITMAP *bmp, int x, int y);
// The eyepiece mask (entry 1, always its first image) over the view.
void drawmask(BITMAP *bmp, int x, int y);
// Every button 7..36 in its state.
void updateskinbuttons(BITMAP *bmp, int x, int y);
// Writes text as line n of read-out cell entry: centred in Allegro's font
// without a skin font, else glyph by glyph from the cell's left edge.
// Returns 0.
int drawskintext(BITMAP *bmp, int entry, int x, int y, const char *text, int line);
// Position (*x, *y) in skinbmp of the skin-font glyph of character c.
// Returns 0, or -1 for characters below 32 or above 127.
int getskinfontchar(int c, int *x, int *y);
// Cells 4 and 5 with the R.A. and declination texts.
void drawRADECskin(BITMAP *bmp, int x, int y, const char *ratext, const char *dectext);
// Cells 2 and 3 with the magnification and field texts.
void drawFOVskin(BITMAP *bmp, int x, int y, const char *magtext, const char *fovtext);

// Rebuilds the window pieces from the skin in use. Returns 0.
int updateGUIskins();
// Each draws its piece into bmp at (x, y), w x h pixels (state 0 up,
// 1 down where it has states). Returns 1 when the skin drew it, or 0 when
// no skin file provides it and the caller draws its own box.
int drawtitleskin(BITMAP *bmp, int x, int y, int w, int h);
int drawheadingskin(BITMAP *bmp, int x, int y, int w, int h, int state);
int drawlistboxskin(BITMAP *bmp, int x, int y, int w, int h, int state);

// Drawing target, text-cell grid, program palette, night schemes, fonts
// and bevelled boxes.
#pragma once
#include <allegro.h>

extern BITMAP *VIDbmp;          // every drawing call draws here: screen or buffer
extern int HORScale, VRTScale;  // pixel size of one text cell
extern PALETTE palx;            // program palette (components 0..63)
extern PALETTE palr;            // scratch palette of the night schemes
extern int colour[257];         // pixel value of palette colour i; [256] = mask
extern FONT *oldfont;           // Allegro's own font at start-up
extern FONT *userfont;          // font last selected by number
extern int userfontnum;
extern DATAFILE *data;          // "vuva.dat": objects 0..14 are fonts
extern int iDEFONT;             // font number of menu and dialog text

struct MPFONT {
  char name[16];
  int unused;     // 0 in every entry
  int fontnum;
  int size;       // descriptive only
};
extern const MPFONT mpfont[8];

// Point drawing at buffer (or the screen) and set the cell size for a
// screen of the given width in pixels. Return screen height / VRTScale.
int setVIDbuffer(int width);
int setVIDscreen(int width);
// Cell size by screen width: <=700 8x16, <=1000 10x20, <=1200 12x24, else 16x32.
void setscale(int width);
// n cells in pixels.
int getwinwidth(int n);
int getwinheight(int n);

void setmypal();        // build palx, colour[i] = i, colour[256] = 0, activate
void settruecolours();  // setmypal, then colour[] as makecol of each entry
void setREDcolours();
void setBWcolours();
void setWBcolours();

// Datafile object holding font number n (table of font numbers).
int fontobject(int n);
// Select font number n from the datafile. Returns n, or 0 for negative n
// (which changes nothing).
int setuserfont(int n);
// n < 2: Allegro's font; else the user font.
void setfont256(int n);
// The small font (number 10) for status texts that must fit a fixed box.
FONT *smallfont();
// Allegro's font when text fits in width pixels, else the small font: at
// 640 x 480 the status boxes are narrower than their texts.
FONT *fittingfont(const char *text, int width);
void printf256(int x, int y, int c, const char *text);
void rectfill256(int x1, int y1, int x2, int y2, int c);

// Bevelled boxes; x, y top left, w, h size in pixels.
void drawshadowdial(int x, int y, int w, int h);
void drawshadedbox(int x, int y, int w, int h);
void drawpushedbox(int x, int y, int w, int h);

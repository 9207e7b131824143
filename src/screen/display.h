// Drawing target, text-cell grid, program palette, night schemes, fonts
// and bevelled boxes.
#pragma once
#include <allegro.h>

extern BITMAP *VIDbmp;          // every drawing call draws here: screen or buffer
extern int HORScale, VRTScale;  // pixel size of one text cell
extern PALETTE palx;            // program palette (components 0..63)
extern PALETTE palr;            // scratch palette of the night schemes
extern int colour[257];         // pixel value of palette colour i; [256] = mask

// Indexes of the program palette (components 0..63 in the comments).
enum : int {
  PALBLACK = 0,        // 0, 0, 0
  PALDARKBLUE = 1,     // 0, 0, 30
  PALDARKRED = 2,      // 30, 0, 0
  PALDARKGREEN = 3,    // 0, 30, 0
  PALDARKCYAN = 4,     // 0, 30, 30
  PALDARKMAGENTA = 5,  // 33, 0, 33
  PALBROWN = 6,        // 33, 33, 0
  PALGREY = 7,         // 33, 33, 33
  PALLIGHTGREY = 8,    // 43, 43, 43
  PALBLUE = 9,         // 0, 0, 63
  PALRED = 10,         // 63, 0, 0
  PALCYAN = 11,        // 0, 63, 63
  PALGREEN = 12,       // 0, 63, 0
  PALMAGENTA = 13,     // 63, 0, 63
  PALYELLOW = 14,      // 63, 63, 0
  PALWHITE = 15,       // 63, 63, 63
  PALGREYRAMP = 16,    // + i, i = 0..15: 4i+3 on all three
  PALROSERAMP = 32,    // + i, i = 0..15: 4i+3, 2i+6, 2i+6
  PALCUBE = 48,        // 48..172: red, green, blue each 4, 18, 32, 46, 60
  PALSEARAMP = 173,    // + i, i = 0..15: 2i+3, 4i+3, 2i+6
  PALOLIVERAMP = 189,  // + i, i = 0..30: 53-i, 33+i, 3+i
  PALPURPLERAMP = 220, // + i, i = 0..35: 53-i, 3+i, 27+i
  PALENTRIES = 256,    // entries of the palette
  PALMASK = 256,       // colour[PALMASK] is the transparent value

  // Entries with a fixed role.
  PALDIALFACE = PALGREYRAMP + 2,     // sunken field
  PALPOINTEREDGE = PALGREYRAMP + 4,  // mouse pointer outline
  PALLISTBACK = PALGREYRAMP + 12,    // list page background
  PALBOXFACE = PALGREYRAMP + 14,     // raised and pressed boxes
  PALMPLISTTEXT = PALROSERAMP + 6,   // planet list text
  PALCONSTLINE = PALSEARAMP + 6,     // constellation boundaries
  PALCONSTNAME = PALSEARAMP + 12,    // constellation names
  PALCLOCKBACK = PALPURPLERAMP + 30, // title-bar clock box
  PALALERTBACK = PALOLIVERAMP + 1,   // first shade of alert and message backgrounds
  PALDIALOGBACK = PALPURPLERAMP,     // first shade of question and banner backgrounds

  // Chart labels, each at least 4.5:1 in contrast on the black chart.
  PALGRIDTEXT = PALCUBE + 2 * 25 + 3 * 5 + 4,  // grid numerals: 32, 46, 60
  PALHORIZON = PALCUBE + 0 * 25 + 3 * 5 + 0,   // horizon line and its N E S W: 4, 46, 4
  PALMPLABEL = PALROSERAMP + 15,               // minor-planet names: 63, 36, 36
  PALSTARLABEL = PALCUBE + 4 * 25 + 4 * 5 + 2, // star names: 60, 60, 32
  PALTRACK = PALCUBE + 4 * 25 + 2 * 5 + 0,     // ephemeris track: 60, 32, 4
};
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
// The night schemes, for dark-adapted eyes: every pixel of the screen red
// on black (red), grey, or inverted grey, its brightness that of its day
// colour (the strongest component), at every depth.
extern int nightscheme;  // 0 day colours, 1 red, 2 grey, 3 inverted
void setREDcolours();
void setBWcolours();
void setWBcolours();
// Deeper than 8 bits a scheme needs the picture to pass through the
// buffer on its way to the screen: switches drawing to the buffer while
// a scheme is on (and back to the screen after, unless buffered drawing
// was asked for).
void followscheme();
// Copies src to dst (same size) in the colours of the scheme in force.
void nightblit(BITMAP *src, BITMAP *dst);

// Datafile object holding font number n (table of font numbers).
int fontobject(int n);
// Select font number n from the datafile. Returns n, or 0 for negative n
// (which changes nothing).
int setuserfont(int n);
// n < 2: Allegro's font; else the user font.
void setfont256(int n);
// Allegro's own font as it was at start-up.
FONT *allegrofont();
// The small font (number 10) for status texts that must fit a fixed box.
FONT *smallfont();
// Allegro's font when text fits in width pixels, else the small font: at
// 640 x 480 the status boxes are narrower than their texts.
FONT *fittingfont(const char *text, int width);
void printf256(int x, int y, int c, const char *text);
void rectfill256(int x1, int y1, int x2, int y2, int c);

// Bevelled boxes; x, y top left, w, h size in pixels.
// A box on bmp: inside in face, top and left edges in topleft, bottom and
// right edges in bottomright (pixel values).
void drawbevel(BITMAP *bmp, int x, int y, int w, int h, int face, int topleft, int bottomright);
void drawshadowdial(int x, int y, int w, int h);
void drawshadedbox(int x, int y, int w, int h);
void drawpushedbox(int x, int y, int w, int h);

#include "screen/display.h"

#include "screen/switches.h"

BITMAP *VIDbmp = nullptr;
int HORScale = 8, VRTScale = 16;
PALETTE palx;
PALETTE palr;
int colour[257];
FONT *oldfont = nullptr;
FONT *userfont = nullptr;
int userfontnum = 0;
DATAFILE *data = nullptr;
int iDEFONT = 4;

const MPFONT mpfont[8] = {
    {"Tiny", 0, 9, 5},        {"default", 0, 4, 8},   {"Large", 0, 11, 14},
    {"Microscopic", 0, 0, 4}, {"Bigger", 0, 7, 11},   {"Readable", 0, 1, 6},
    {"Better", 0, 5, 9},      {"Bolder", 0, 8, 10},
};

// Datafile object of each font number 0..13; 14 and above use object 1.
static const int kFontObject[14] = {12, 9, 13, 7, 10, 6, 14, 11, 8, 3, 4, 5, 2, 0};

void setscale(int width) {
  if (width <= 700) {
    HORScale = 8;
    VRTScale = 16;
  } else if (width <= 1000) {
    HORScale = 10;
    VRTScale = 20;
  } else if (width <= 1200) {
    HORScale = 12;
    VRTScale = 24;
  } else {
    HORScale = 16;
    VRTScale = 32;
  }
}

int setVIDbuffer(int width) {
  VIDbmp = buffer;
  setscale(width);
  return SCREEN_H / VRTScale;
}

int setVIDscreen(int width) {
  VIDbmp = screen;
  setscale(width);
  return SCREEN_H / VRTScale;
}

int getwinwidth(int n) { return n * HORScale; }
int getwinheight(int n) { return n * VRTScale; }

static void setentry(int i, int r, int g, int b) {
  palx[i].r = r;
  palx[i].g = g;
  palx[i].b = b;
}

static void buildpalette() {
  static const unsigned char kBase[16][3] = {
      {0, 0, 0},   {0, 0, 30},  {30, 0, 0},  {0, 30, 0},  {0, 30, 30},  {33, 0, 33},
      {33, 33, 0}, {33, 33, 33}, {43, 43, 43}, {0, 0, 63}, {63, 0, 0},  {0, 63, 63},
      {0, 63, 0},  {63, 0, 63}, {63, 63, 0}, {63, 63, 63}};
  static const int kCube[5] = {4, 18, 32, 46, 60};
  for (int i = 0; i < 16; i++) setentry(i, kBase[i][0], kBase[i][1], kBase[i][2]);
  for (int i = 0; i < 16; i++) setentry(PALGREYRAMP + i, 4 * i + 3, 4 * i + 3, 4 * i + 3);
  for (int i = 0; i < 16; i++) setentry(PALROSERAMP + i, 4 * i + 3, 2 * i + 6, 2 * i + 6);
  for (int i = 0; i < 125; i++) setentry(PALCUBE + i, kCube[i / 25], kCube[(i / 5) % 5], kCube[i % 5]);
  for (int i = 0; i < 16; i++) setentry(PALSEARAMP + i, 2 * i + 3, 4 * i + 3, 2 * i + 6);
  for (int i = 0; i < 31; i++) setentry(PALOLIVERAMP + i, 53 - i, 33 + i, 3 + i);
  for (int i = 0; i < 36; i++) setentry(PALPURPLERAMP + i, 53 - i, 3 + i, 27 + i);
}

void setmypal() {
  buildpalette();
  for (int i = 0; i < PALENTRIES; i++) colour[i] = i;
  colour[PALMASK] = 0;
  set_palette(palx);
}

void settruecolours() {
  setmypal();
  for (int i = 0; i < PALENTRIES; i++) colour[i] = makecol(4 * palx[i].r, 4 * palx[i].g, 4 * palx[i].b);
  colour[PALMASK] = makecol(255, 0, 255);
}

// Sum of the components of palx entry i (0..189).
static int palsum(int i) { return palx[i].r + palx[i].g + palx[i].b; }

// Pixel value of palette entry i in a night scheme of colour (r, g, b):
// at 8 bits the scheme's palette already shows entry i in that colour
// (a colour looked up again would be turned twice), deeper it is built.
static int schemecolour(int i, int r, int g, int b) { return get_color_depth() == 8 ? i : makecol(r, g, b); }

void setREDcolours() {
  for (int i = 0; i < PALENTRIES; i++) {
    palr[i].r = palsum(i) / 3;
    palr[i].g = palr[i].b = 0;
    colour[i] = schemecolour(i, 4 * palsum(i) / 3, 0, 0);
  }
  set_palette(palr);
}

void setBWcolours() {
  for (int i = 0; i < PALENTRIES; i++) {
    int v = 4 * palsum(i) / 3;
    palr[i].r = palr[i].g = palr[i].b = v / 4;
    colour[i] = schemecolour(i, v, v, v);
  }
  set_palette(palr);
}

void setWBcolours() {
  for (int i = 0; i < PALENTRIES; i++) {
    int w = 255 - 4 * palsum(i) / 3;
    palr[i].r = palr[i].g = palr[i].b = w / 4;
    colour[i] = schemecolour(i, w, w, w);
  }
  set_palette(palr);
}

int fontobject(int n) { return n < 14 ? kFontObject[n] : 1; }

int setuserfont(int n) {
  if (n < 0) return 0;
  if (data) userfont = (FONT *)data[fontobject(n)].dat;
  setfont256(2);
  userfontnum = n;
  return n;
}

// Allegro's font as it was at start-up (the current one before that).
FONT *allegrofont() { return oldfont ? oldfont : font; }

void setfont256(int n) { font = n < 2 || !userfont ? allegrofont() : userfont; }

FONT *smallfont() { return data ? (FONT *)data[fontobject(10)].dat : font; }

FONT *fittingfont(const char *text, int width) {
  return text_length(allegrofont(), text) <= width ? allegrofont() : smallfont();
}

void printf256(int x, int y, int c, const char *text) { textout_ex(VIDbmp, font, text, x, y, c, -1); }

void rectfill256(int x1, int y1, int x2, int y2, int c) { rectfill(VIDbmp, x1, y1, x2, y2, c); }

void drawbevel(BITMAP *bmp, int x, int y, int w, int h, int face, int topleft, int bottomright) {
  rectfill(bmp, x + 1, y + 1, x + w - 2, y + h - 2, face);
  hline(bmp, x, y, x + w - 1, topleft);
  vline(bmp, x, y, y + h - 1, topleft);
  hline(bmp, x + 1, y + h - 1, x + w - 1, bottomright);
  vline(bmp, x + w - 1, y + 1, y + h - 1, bottomright);
}

static void drawbevel(int x, int y, int w, int h, int topleft, int bottomright) {
  drawbevel(VIDbmp, x, y, w, h, colour[PALBOXFACE], topleft, bottomright);
}

void drawshadedbox(int x, int y, int w, int h) { drawbevel(x, y, w, h, colour[PALWHITE], colour[PALGREY]); }

void drawpushedbox(int x, int y, int w, int h) { drawbevel(x, y, w, h, colour[PALGREY], colour[PALWHITE]); }

void drawshadowdial(int x, int y, int w, int h) {
  rectfill(VIDbmp, x, y, x + w - 1, y + h - 1, colour[PALDIALFACE]);
  hline(VIDbmp, x, y, x + w - 1, colour[PALGREY]);
  vline(VIDbmp, x, y, y + h - 1, colour[PALGREY]);
  hline(VIDbmp, x, y + h - 1, x + w - 1, colour[PALWHITE]);
  vline(VIDbmp, x + w - 1, y, y + h - 1, colour[PALWHITE]);
}

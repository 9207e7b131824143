#include "screen/display.h"

#include <cstdint>

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
  nightscheme = 0;
  buildpalette();
  for (int i = 0; i < PALENTRIES; i++) colour[i] = i;
  colour[PALMASK] = 0;
  set_palette(palx);
}

// The day colours of every entry as pixel values of the depth in force.
static void daycolours() {
  setmypal();
  for (int i = 0; i < PALENTRIES; i++) colour[i] = makecol(4 * palx[i].r, 4 * palx[i].g, 4 * palx[i].b);
  colour[PALMASK] = makecol(255, 0, 255);
}

void settruecolours() {
  daycolours();
  followscheme();
}

int nightscheme = 0;

// Brightness of palx entry i (0..63): its strongest component, so that a
// pure colour stays as bright as it looked and text keeps its contrast
// with the cell behind it.
static int palvalue(int i) {
  int v = palx[i].r > palx[i].g ? palx[i].r : palx[i].g;
  return v > palx[i].b ? v : palx[i].b;
}

// The night colour of brightness v (0..top) in scheme s: red, grey or
// inverted grey.
static void schemergb(int s, int v, int top, int *r, int *g, int *b) {
  if (s == 3) v = top - v;
  *r = v;
  *g = *b = s == 1 ? 0 : v;
}

// Puts scheme s in force. At 8 bits the palette recolours every pixel of
// the screen; deeper, the colours stay and the picture is recoloured as
// it goes to the screen (nightblit), so that images, skins and texts
// drawn in their own colours change too.
static void setscheme(int s) {
  if (get_color_depth() > 8) {
    daycolours();
    nightscheme = s;
    followscheme();
    return;
  }
  nightscheme = s;
  for (int i = 0; i < PALENTRIES; i++) {
    int r, g, b;
    schemergb(s, palvalue(i), 63, &r, &g, &b);
    palr[i].r = r;
    palr[i].g = g;
    palr[i].b = b;
    colour[i] = i;
  }
  colour[PALMASK] = 0;
  set_palette(palr);
}

void setREDcolours() { setscheme(1); }
void setBWcolours() { setscheme(2); }
void setWBcolours() { setscheme(3); }

void followscheme() {
  if (!screen || !buffer || bitmap_color_depth(buffer) == 8) return;
  if (nightscheme && VIDbmp == screen) {
    blit(screen, buffer, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    VIDbmp = buffer;
  } else if (!nightscheme && VIDbmp == buffer && iDOS != 0) {
    blit(buffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
    VIDbmp = screen;
  }
}

void nightblit(BITMAP *src, BITMAP *dst) {
  static BITMAP *work = nullptr;
  if (!work || work->w != src->w || work->h != src->h) {
    if (work) destroy_bitmap(work);
    work = create_bitmap_ex(32, src->w, src->h);
    if (!work) return;
  }
  blit(src, work, 0, 0, 0, 0, src->w, src->h);
  for (int y = 0; y < work->h; y++) {
    uint32_t *row = (uint32_t *)work->line[y];
    for (int x = 0; x < work->w; x++) {
      int c = (int)row[x], v = getr32(c);
      if (getg32(c) > v) v = getg32(c);
      if (getb32(c) > v) v = getb32(c);
      int r, g, b;
      schemergb(nightscheme, v, 255, &r, &g, &b);
      row[x] = (uint32_t)makecol32(r, g, b);
    }
  }
  blit(work, dst, 0, 0, 0, 0, src->w, src->h);
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

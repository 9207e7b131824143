#include "skins/skindraw.h"

#include <cstring>

#include "imaging/scale.h"
#include "skins/skin.h"
#include "screen/display.h"

BITMAP *buttonbmp[GUIPAIRS][2];

enum { FONTFIRST = 32, FONTLAST = 127, FONTCOLUMNS = 32, SKINTEXTPITCH = 12, GLYPHGAP = 2 };

void drawskinbox(BITMAP *bmp, int x, int y, int w, int h) {
  drawbevel(bmp, x, y, w, h, colour[PALBOXFACE], colour[PALWHITE], colour[PALGREY]);
}

void drawskinpush(BITMAP *bmp, int x, int y, int w, int h) {
  drawbevel(bmp, x, y, w, h, colour[PALBOXFACE], colour[PALGREY], colour[PALWHITE]);
}

void drawskindial(BITMAP *bmp, int x, int y, int w, int h) {
  drawbevel(bmp, x, y, w, h, colour[PALDARKCYAN], colour[PALGREY], colour[PALWHITE]);
}

void skinfill(BITMAP *bmp, int x1, int y1, int x2, int y2, int c) { rectfill(bmp, x1, y1, x2, y2, c); }

int drawskincell(BITMAP *bmp, int entry, int x, int y) {
  if (entry < 0 || entry >= SKINENTRIES || !bmp || !skinbmp) return -1;
  const skinentry &s = skin[entry];
  if (s.state < 0 || s.nstates <= 0) return -1;
  // A state beyond the skin's images shows its last image.
  int image = s.state < s.nstates ? s.state : s.nstates - 1;
  masked_blit(skinbmp, bmp, s.srcx, s.srcy + image * s.height, s.posx + x, s.posy + y, s.width, s.height);
  return 0;
}

void redrawskin(BITMAP *bmp, int x, int y) { drawskincell(bmp, SKINWHOLE, x, y); }

void drawmask(BITMAP *bmp, int x, int y) {
  const skinentry &s = skin[SKINVIEW];
  if (!bmp || !skinbmp || s.nstates <= 0) return;
  masked_blit(skinbmp, bmp, s.srcx, s.srcy, s.posx + x, s.posy + y, s.width, s.height);
}

void updateskinbuttons(BITMAP *bmp, int x, int y) {
  for (int e = SKINCHANGE; e <= SKINGRID; e++) drawskincell(bmp, e, x, y);
}

int getskinfontchar(int c, int *x, int *y) {
  if (c < FONTFIRST || c > FONTLAST) return -1;
  const skinentry &f = skin[SKINFONT];
  *x = f.srcx + ((c - FONTFIRST) % FONTCOLUMNS) * f.width;
  *y = f.srcy + ((c - FONTFIRST) / FONTCOLUMNS) * f.height;
  return 0;
}

int drawskintext(BITMAP *bmp, int entry, int x, int y, const char *text, int line) {
  if (!bmp || entry < 0 || entry >= SKINENTRIES) return 0;
  const skinentry &s = skin[entry];
  const skinentry &f = skin[SKINFONT];
  if (f.nstates == 0 || !skinbmp) {
    // Cells are sized for a small skin font; a text too wide for the
    // default font takes the small one.
    FONT *af = fittingfont(text, s.width);
    int left = s.posx + x + (s.width - text_length(af, text)) / 2;
    int top = s.posy + y + (s.height - text_height(af)) / 2 + SKINTEXTPITCH * line;
    textout_ex(bmp, af, text, left, top, colour[PALGREEN], -1);
    return 0;
  }
  for (int i = 0; text[i]; i++) {
    int gx, gy;
    if (getskinfontchar((unsigned char)text[i], &gx, &gy) != 0) continue;
    masked_blit(skinbmp, bmp, gx, gy, s.posx + x + i * f.width, s.posy + y + line * (f.height + GLYPHGAP), f.width,
                f.height);
  }
  return 0;
}

// Read-out cells a and b, then text ta in a and tb in b.
static void drawcellpair(BITMAP *bmp, int x, int y, int a, const char *ta, int b, const char *tb) {
  drawskincell(bmp, a, x, y);
  drawskincell(bmp, b, x, y);
  drawskintext(bmp, a, x, y, ta, 0);
  drawskintext(bmp, b, x, y, tb, 0);
}

void drawRADECskin(BITMAP *bmp, int x, int y, const char *ratext, const char *dectext) {
  drawcellpair(bmp, x, y, SKINRACELL, ratext, SKINDECCELL, dectext);
}

void drawFOVskin(BITMAP *bmp, int x, int y, const char *magtext, const char *fovtext) {
  drawcellpair(bmp, x, y, SKINMAGCELL, magtext, SKINFOVCELL, fovtext);
}

static void freeguipieces() {
  for (int k = 0; k < GUIPAIRS; k++) {
    // Pair 0 holds one title bitmap in both places.
    if (buttonbmp[k][1] && buttonbmp[k][1] != buttonbmp[k][0]) destroy_bitmap(buttonbmp[k][1]);
    if (buttonbmp[k][0]) destroy_bitmap(buttonbmp[k][0]);
    buttonbmp[k][0] = buttonbmp[k][1] = nullptr;
  }
}

// A piece w x h: rectangle (sx, sy, sw, sh) of the skin image stretched
// over it when a skin file is in use, else a raised (or pushed) box.
static BITMAP *makepiece(int w, int h, bool fromskin, int sx, int sy, int sw, int sh, bool pushed) {
  BITMAP *b = create_bitmap(w, h);
  if (!b) return nullptr;
  if (fromskin) {
    clear_to_color(b, colour[PALBOXFACE]);
    expand_bitmap(skinbmp, b, sx, sy, sw, sh, 0, 0, w, h);
  } else if (pushed) {
    drawskinpush(b, 0, 0, w, h);
  } else {
    drawskinbox(b, 0, 0, w, h);
  }
  return b;
}

int updateGUIskins() {
  freeguipieces();
  bool file = myskin >= 1 && skinbmp;
  const skinentry &t = skin[SKINTITLE];
  buttonbmp[0][0] = makepiece(TITLECELLS * HORScale, VRTScale, file && skinexists(SKINTITLE), t.posx, t.posy,
                              t.width, t.height, false);
  buttonbmp[0][1] = buttonbmp[0][0];
  const skinentry &hd = skin[SKINHEADING];
  bool heading = file && skinexists(SKINHEADING);
  for (int k = 1; k < GUIPAIRS; k++) {
    buttonbmp[k][0] = makepiece(k * HORScale, VRTScale, heading, hd.posx, hd.posy, hd.width, hd.height, false);
    buttonbmp[k][1] =
        makepiece(k * HORScale, VRTScale, heading, hd.posx, hd.posy + hd.height, hd.width, hd.height, true);
  }
  return 0;
}

int drawtitleskin(BITMAP *bmp, int x, int y, int w, int h) {
  if (myskin < 1 || !skinexists(SKINTITLE) || !buttonbmp[0][0] || !bmp) return 0;
  blit(buttonbmp[0][0], bmp, 0, 0, x, y, w, h);
  return 1;
}

int drawheadingskin(BITMAP *bmp, int x, int y, int w, int h, int state) {
  if (myskin < 1 || !skinexists(SKINHEADING) || !bmp || HORScale <= 0) return 0;
  int k = (w + 4) / HORScale + 1;
  if (k > HEADINGPAIRMAX) k = HEADINGPAIRMAX;
  if (k < 1) k = 1;
  if (state > 1) state = 1;
  if (state > skin[SKINHEADING].nstates - 1) state = skin[SKINHEADING].nstates - 1;
  if (state < 0) state = 0;
  if (!buttonbmp[k][state]) return 0;
  blit(buttonbmp[k][state], bmp, 0, 0, x, y, w, h);
  return 1;
}

int drawlistboxskin(BITMAP *bmp, int x, int y, int w, int h, int state) {
  if (myskin < 1 || !skinexists(SKINLISTBOX) || !bmp || !skinbmp) return 0;
  const skinentry &s = skin[SKINLISTBOX];
  if (state > s.nstates - 1) state = s.nstates - 1;
  if (state < 0) state = 0;
  expand_bitmap(skinbmp, bmp, s.posx, s.posy + state * s.height, s.width, s.height, x, y, w, h);
  return 1;
}

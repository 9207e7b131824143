#include "skins/skinbutton.h"

#include "skins/skin.h"

BITMAP *Sbmp;
int xskin, yskin;
int skabsx, skabsy;
int skinshown;

enum { LASTCYCLING = 36 };

int getskinbuttonstate(int entry) { return entry >= 0 && entry < SKINENTRIES ? skin[entry].state : 0; }

int setskinbuttonstate(int entry, int state) {
  if (entry < SKINCHANGE || entry >= SKINENTRIES) return -1;
  skin[entry].state = state;
  return 0;
}

int incskinbuttonstate(int entry) {
  if (entry < SKINCHANGE || entry > LASTCYCLING) return -1;
  skinentry &s = skin[entry];
  s.state = s.state + 1 < s.nstates ? s.state + 1 : 0;
  return s.state;
}

static bool inside(int x, int y, int left, int top, int w, int h) {
  return x >= left && x < left + w && y >= top && y < top + h;
}

int checkskinbutton(int x, int y) {
  if (!skinshown || !inside(x, y, skabsx, skabsy, skin[SKINWHOLE].width, skin[SKINWHOLE].height)) return -1;
  for (int e = SKINCHANGE; e <= SKINLASTBUTTON; e++) {
    const skinentry &s = skin[e];
    // An entry the skin does not have (left from an earlier skin) is not a button.
    if (s.state < 0 || s.nstates <= 0) continue;
    if (inside(x, y, s.hotx + skabsx, s.hoty + skabsy, s.hotw, s.hoth)) return e + SKINCODEBASE;
  }
  return SKINCODENONE;
}

int registerskinposition(BITMAP *bmp, int x, int y, int bx, int by) {
  Sbmp = bmp;
  xskin = x;
  yskin = y;
  skabsx = bx + x;
  skabsy = by + y;
  return 0;
}

int getteledim(int x, int y, int *ox, int *oy, int *ow, int *oh) {
  const skinentry &v = skin[SKINVIEW];
  *ox = v.posx + x;
  *oy = v.posy + y;
  *ow = v.width;
  *oh = v.height;
  return 0;
}

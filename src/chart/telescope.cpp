#include "chart/telescope.h"

#include <allegro.h>

#include <cstdio>

#include "base/constants.h"
#include "chart/blocks.h"
#include "chart/fieldmarks.h"
#include "chart/deepskyplot.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "chart/starplot.h"
#include "chart/mplist.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "skins/skindraw.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "screen/display.h"
#include "astro/sun.h"


static const double kArcminPerDeg = 60.0;
static const double kMagnifiedDeg = 40.0;  // field in degrees that reads as "x1"

int Tsetstarplot(int zoom) {
  if (zoom < 0) zoom = 0;
  if (zoom > TELMAXZOOM) zoom = TELMAXZOOM;
  iTZoom = zoom;
  TPixPerDeg = plottelh * zoomfactor(zoom) / TELFIELDDEG;
  TplotXscale = DEGPERHOUR * TPixPerDeg;
  TplotYscale = TPixPerDeg;
  dTPixPerRad = TPixPerDeg / dDEGTORAD;
  TplotXmax = pixtrunc(TPixPerDeg * 360);
  setframe();
  return 0;
}

int Tplotstars(int first, int count) {
  if (!TELbmp || first < 0) return 0;
  bool label = getskinbuttonstate(SKINSTARID) == SKINON;
  for (int i = first; i < first + count && i < Snum; i++) {
    double h, A;
    int c = staraltaz(i, &h, &A);
    int x, y;
    telpixel(h, A, &x, &y);
    if (x <= 0 || x >= plottelw || y <= 0 || y >= plottelh) continue;
    plotstarimage(x, y, i);
    if (!label) continue;
    char name[STARNAMELEN], text[STARNAMELEN + 16];
    getstarname(i, name);
    snprintf(text, sizeof text, "%s %3.1f", name, star[i].mag100 / 100.0);
    textout_ex(TELbmp, font, text, x + 3, y, c, -1);
  }
  return 0;
}

int Tdrawstars() {
  if (Snum8 == 0) return Tplotstars(0, Snum7);
  for (int b = 0; b < SKYBLOCKS; b++) {
    if (!Tdrawblock[b]) continue;
    for (int n = 0; n < STARLAYERS; n++) {
      int first, count = layerblock(n, b, &first);
      Tplotstars(first, count);
    }
  }
  return 0;
}

// Toggle of a view button: on (2) becomes off (1), anything else on.
static int toggle(int entry) {
  int s = getskinbuttonstate(entry) == SKINON ? SKINOFF : SKINON;
  setskinbuttonstate(entry, s);
  return s;
}

// Palette of colour-selector state s: the day colours, red, grey, inverted.
static void colourscheme(int s) {
  switch (s) {
    case 0:
      if (get_color_depth() > 8)
        settruecolours();
      else
        setmypal();
      break;
    case 1: setREDcolours(); break;
    case 2: setBWcolours(); break;
    case 3: setWBcolours(); break;
  }
}

int telkey(int keycode) {
  switch (keycode) {
    case '2': flag[STARIMAGES] = 1 - flag[STARIMAGES]; return 1;
    case '3': if (iTZoom > 0) iTZoom--; return 1;
    case '4': if (iTZoom < TELMAXZOOM) iTZoom++; return 1;
    case '5':
      setskinbuttonstate(SKINSTARID, getskinbuttonstate(SKINSTARID) == SKINOFF ? SKINON : SKINOFF);
      return 1;
    case '6': toggle(SKINMPNAMES); return 1;
    case 'A': toggle(SKINMPPLOT); return 1;
    case 'D': toggle(SKINDAILY); return 1;
    case 'Z': toggle(SKINCROSS); return 1;
    case 'C': flag[CCDFRAME] = toggle(SKINCCD) == SKINON; return 1;
    case 'F': flag[APPULSEZONE] = toggle(SKINAPPULSE) == SKINON; return 1;
    case 'N': Tnorth = toggle(SKINNORTH) == SKINON; return 1;
    case 'W': Twest = toggle(SKINWEST) == SKINON; return 1;
    case 'O': colourscheme(incskinbuttonstate(SKINCOLOURS)); return 1;
  }
  return 0;
}

int ccdframe(int *w, int *v) {
  double s = TPixPerDeg / (2 * kArcminPerDeg);
  *w = pixtrunc(dFP[CCDFIELDH] * s);
  *v = pixtrunc(dFP[CCDFIELDV] * s);
  return 0;
}

int telfovtext(char *mag, char *fov) {
  double f = plottelh / TPixPerDeg;
  char t[ANGLETEXTLEN];
  hms(t, f);
  snprintf(mag, ANGLETEXTLEN + 8, "x%d", pixtrunc(kMagnifiedDeg / f));
  snprintf(fov, ANGLETEXTLEN + 8, "FOV: %s", t);
  return 0;
}

// Sun, opposition point and Moon of the last chart rebuild, r a quarter
// degree in pixels.
static void drawmarkers() {
  int r = pixtrunc(TPixPerDeg / 4);
  if (Tisplotable(Sunra, Sundec)) circlefill(TELbmp, iTXplot, iTYplot, r, colour[PALRED]);
  if (Tisplotable(oppositionra(Sunra), -Sundec)) circle(TELbmp, iTXplot, iTYplot, 2 * r, colour[PALLIGHTGREY]);
  if (Tisplotable(Moonra, Moondec)) circle(TELbmp, iTXplot, iTYplot, r, colour[PALWHITE]);
}

// Cross-hair, CCD frame and appulse circle around the centre of view.
static void drawguides(BITMAP *view) {
  if (getskinbuttonstate(SKINCROSS) == SKINON) {
    line(view, TXcur, 0, TXcur, view->h - 1, colour[PALDARKRED]);
    line(view, 0, TYcur, view->w - 1, TYcur, colour[PALDARKRED]);
  }
  if (getskinbuttonstate(SKINCCD) == SKINON) {
    int w, v;
    ccdframe(&w, &v);
    rect(view, TXcur - w, TYcur - v, TXcur + w, TYcur + v, colour[PALDARKCYAN]);
  }
  if (getskinbuttonstate(SKINAPPULSE) == SKINON)
    circle(view, TXcur, TYcur, pixtrunc(TPixPerDeg * dFP[APPULSEDIST]), colour[PALDARKBLUE]);
}

static void drawreadouts() {
  double r, d;
  Tgetradec(TXcur, TYcur, &r, &d);
  char rt[ANGLETEXTLEN], dt[ANGLETEXTLEN], ratext[ANGLETEXTLEN + 8], dectext[ANGLETEXTLEN + 8];
  hms(rt, r / dRATORAD);
  ddmmm(dt, d / dDEGTORAD);
  snprintf(ratext, sizeof ratext, "RA: %s", rt);
  snprintf(dectext, sizeof dectext, "DEC: %s", dt);
  drawRADECskin(SKYbmp, plottelX, plottelY, ratext, dectext);
  char mag[ANGLETEXTLEN + 8], fov[ANGLETEXTLEN + 8];
  telfovtext(mag, fov);
  drawFOVskin(SKYbmp, plottelX, plottelY, mag, fov);
}

int drawtelskin(int keycode) {
  if (!SKYbmp || !TELbmp) return 0;
  int x, y, w, h;
  getteledim(plottelX, plottelY, &x, &y, &w, &h);
  cliptochart(&x, &y, &w, &h);
  BITMAP *view = create_sub_bitmap(SKYbmp, x, y, w, h);
  if (!view) return 0;
  TXcur = w / 2;
  TYcur = h / 2;
  setskinbuttonstate(SKINCCD, flag[CCDFRAME] ? SKINON : SKINOFF);
  setskinbuttonstate(SKINAPPULSE, flag[APPULSEZONE] ? SKINON : SKINOFF);
  telkey(keycode);
  redrawskin(SKYbmp, plottelX, plottelY);
  // The sky of the view takes the scheme's black (white when inverted).
  clear_to_color(view, colour[PALBLACK]);
  Tsetstarplot(iTZoom);
  Tsetblocks();
  drawguides(view);
  drawmarkers();
  Tdrawdeepsky();
  if (getskinbuttonstate(SKINMPPLOT) == SKINON) Tdrawmps();
  Tdrawfieldmarks();
  Tdrawstars();
  drawmask(SKYbmp, plottelX, plottelY);
  drawreadouts();
  updateskinbuttons(SKYbmp, plottelX, plottelY);
  destroy_bitmap(view);
  skinshown = 1;
  return 0;
}

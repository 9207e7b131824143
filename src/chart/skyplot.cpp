#include "chart/skyplot.h"

#include <allegro.h>

#include <cstdio>

#include "base/constants.h"
#include "astro/constellations.h"
#include "astro/bodies.h"
#include "chart/blocks.h"
#include "chart/fieldmarks.h"
#include "chart/labels.h"
#include "chart/overlays.h"
#include "chart/deepskyplot.h"
#include "chart/projection.h"
#include "chart/skyread.h"
#include "chart/starcat.h"
#include "chart/starplot.h"
#include "chart/starsearch.h"
#include "chart/telescope.h"
#include "chart/mplist.h"
#include "minorplanets/placekernel.h"
#include "minorplanets/ephem.h"
#include "minorplanets/positions.h"
#include "base/status.h"
#include "skins/skinbutton.h"
#include "screen/switches.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "timefmt/instant.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "astro/sun.h"

double Sunra, Sundec;
double Moonra, Moondec;
int iCurStep = 2;
int iReplot = 1;
int iHorizon = 1;
int iTrack = 0;

// Keys that switch a setting between 0 and 1 and rebuild the chart.
struct ChartSwitch {
  int key;
  int *setting;
};
static const ChartSwitch kSwitches[] = {
    {'#', &flag[SHOWGRID]},    {'a', &flag[PLOTMPS]},     {'n', &iNT[SOUTHUP]},
    {'c', &flag[CONSTNAMES]},  {'T', &flag[TELESCOPEON]}, {'t', &flag[TELESCOPEON]},
    {'L', &flag[CURSORLOCK]},  {'l', &flag[CURSORLOCK]},  {'h', &iHorizon},
    {'H', &iHorizon},          {KEYF7, &iTrack},
    {'m', &flag[MESSIER]},     {'g', &flag[NGCOBJECTS]},
};

int chartswitchstate(int keycode) {
  for (const ChartSwitch &s : kSwitches)
    if (s.key == keycode) return *s.setting ? 1 : 0;
  return -1;
}

static const int kBoundaryPoints = 896;  // boundary records drawn
static const int kBoundarySteps = 10;    // pieces of each boundary line

int arrowkey(int keycode, int *x, int *y) {
  switch (keycode) {
    case KEYUP: *y = Ycur - iCurStep; return 1;
    case KEYLEFT: *x = Xcur - iCurStep; return 1;
    case KEYDOWN: *y = plothigh > 0 ? (Ycur + iCurStep) % plothigh : Ycur; return 1;
    case KEYRIGHT: *x = plotwidth > 0 ? (Xcur + iCurStep) % plotwidth : Xcur; return 1;
  }
  return 0;
}

static void centreoncursor() {
  dStarX = ra;
  dStarY = dec;
}

int chartkey(int keycode) {
  for (const ChartSwitch &s : kSwitches) {
    if (s.key != keycode) continue;
    *s.setting = *s.setting ? 0 : 1;
    return 1;
  }
  switch (keycode) {
    case '+': iCurStep *= 2; return 0;
    case '-': iCurStep /= 2; return 0;
    case '*':
      // A catalogue that cannot be loaded leaves the stars, their number
      // and their label as they were.
      if (readskycatalog(catnum + 1 > 1 ? 0 : catnum + 1) != 0) reporterror(mperror);
      return 1;
    case '1': iZoom = 0; return 1;
    case KEYF2: centreoncursor(); return 1;
    case KEYF3:
      iZoom = iZoom < 3 ? 0 : iZoom - 1;
      centreoncursor();
      return 1;
    case KEYF4:
      iZoom = iZoom < 2 ? 2 : (iZoom < MAXZOOM ? iZoom + 1 : MAXZOOM);
      centreoncursor();
      return 1;
  }
  return 0;
}

int mousecursor(int mx, int my, int *x, int *y) {
  if (flag[CURSORLOCK] || !iGotamouse) return 0;
  if (mx <= plotXst || mx >= plotXst + plotwidth || my <= plotYst || my >= plotYst + plothigh) return 0;
  // The telescope skin covers that part of the chart: a pointer on it
  // works the skin's buttons, not the chart cursor beneath.
  if (checkskinbutton(mx, my) != -1) return 0;
  *x = mx - plotXst;
  *y = my - plotYst;
  return 1;
}

int clampcursor(int *x, int *y) {
  *y = clampint(*y, CURSORMARGIN, plothigh - CURSORMARGIN);
  *x = clampint(*x, CURSORMARGIN, plotwidth - CURSORMARGIN);
  iCurStep = clampint(iCurStep, 1, MAXCURSTEP);
  return 0;
}

static void savecursorbg() {
  blit(SKYbmp, bgCursor, Xcur - CURSORMARGIN, Ycur - CURSORMARGIN, 0, 0, CURSORSIZE, CURSORSIZE);
}

static void drawcursor() {
  masked_blit(bmpCursor, SKYbmp, 0, 0, Xcur - CURSORMARGIN, Ycur - CURSORMARGIN, CURSORSIZE, CURSORSIZE);
}

// A polyline placed point by point: a piece is drawn when its end lies in
// the chart, or once as it leaves the chart; pieces wholly outside are not.
struct Trace {
  int colour;
  int lastin;
};

static void tracestart(Trace &t, double rahours, double decdeg) { t.lastin = isplotable(rahours, decdeg); }

static int traceto(Trace &t, double rahours, double decdeg) {
  int in = isplotable(rahours, decdeg);
  int drawn = in || t.lastin;
  if (drawn) line(SKYbmp, iXplotold, iYplotold, iXplot, iYplot, t.colour);
  t.lastin = in;
  return drawn;
}

// A grid numeral: always drawn, and kept free of the labels drawn later.
static void gridtext(const char *text, int x, int y) {
  labelforce(x, y, text_length(font, text), text_height(font));
  textout_ex(SKYbmp, font, text, x, y, colour[PALGRIDTEXT], -1);
}

static void drawwholeskygrid() {
  bool turned = iNT[SOUTHUP] != 0;
  char text[16];
  for (int i = 1; i <= 23; i++) {
    int x = pixtrunc(i * plotXscale);
    line(SKYbmp, x, 1, x, plothigh - 1, colour[PALDARKBLUE]);
    snprintf(text, sizeof text, "%02d", turned ? i : 24 - i);
    gridtext(text, x + 2, plothigh - 10);
  }
  for (int j = -8; j <= 8; j++) {
    int dy = pixtrunc(10 * j * plotYscale);
    int y = turned ? plotYcen + dy : plotYcen - dy;
    line(SKYbmp, 0, y, plotwidth - 1, y, colour[PALDARKBLUE]);
    snprintf(text, sizeof text, "%d", 10 * j);
    gridtext(text, 2, y + 2);
  }
}

static void drawzoomedgrid() {
  int z = iZoom;
  char text[16];
  Trace t = {colour[PALDARKBLUE], 0};
  for (int h = 0; h <= 24; h++) {
    tracestart(t, h, -(9 * z - 1) * 10.0 / z);
    for (int k = -8 * z; k <= 9 * z - 1; k++) {
      if (!traceto(t, h, 10.0 * k / z) || k % z != 0 || h >= 24) continue;
      snprintf(text, sizeof text, "%dhr", h);
      gridtext(text, iXplot + 2, iYplot - 8);
    }
  }
  for (int d = -80; d <= 80; d += 10) {
    tracestart(t, 0, d);
    for (int c = 0; c <= 25 * z - 1; c++) {
      if (!traceto(t, (double)c / z, d) || c % z != 0 || c / z >= 24) continue;
      snprintf(text, sizeof text, "%+d", d);
      gridtext(text, iXplot + 2, iYplot + 2);
    }
  }
}

int drawcoords() {
  if (!SKYbmp) return 0;
  if (iZoom < 2)
    drawwholeskygrid();
  else
    drawzoomedgrid();
  return 0;
}

// Constellation names where they fit among the labels already placed.
static void drawconstnames() {
  char name[32];
  double r, d;
  for (int i = 0; i < NUMCNAMES; i++) {
    bool got = iZoom == 0 ? getCnameAbbr(i, name, &r, &d) : getCname(i, name, &r, &d);
    if (got && isplotable(r, d) && labelreserve(iXplot, iYplot, text_length(font, name), text_height(font)))
      textout_ex(SKYbmp, font, name, iXplot, iYplot, colour[PALCONSTNAME], -1);
  }
}

static void drawconstlines() {
  double r, d;
  Trace t = {colour[PALCONSTLINE], 0};
  double pr = 0, pd = 0;
  for (int i = 0; i < kBoundaryPoints; i++) {
    r = pr;
    d = pd;
    int pen = getconbounds(i, &r, &d);
    if (pen) {
      tracestart(t, pr, pd);
      for (int k = 0; k <= kBoundarySteps; k++) {
        double f = (double)k / kBoundarySteps;
        traceto(t, pr + f * (r - pr), pd + f * (d - pd));
      }
    }
    pr = r;
    pd = d;
  }
}

int skymarkers() {
  // The same observer and frame as the minor planets' places.
  PASSDATE d;
  passdate(day, &d);
  double dist;
  sunplace(&d.obs, &Sunra, &Sundec);
  moonplace(&d.obs, &Moonra, &Moondec, &dist);
  return 0;
}

// Sun, opposition point and Moon, with r the marker radius in pixels.
static void drawmarkers(int r) {
  skymarkers();
  if (isplotable(Sunra, Sundec)) circle(SKYbmp, iXplot, iYplot, r, colour[PALRED]);
  if (isplotable(oppositionra(Sunra), -Sundec)) circle(SKYbmp, iXplot, iYplot, 2 * r, colour[PALLIGHTGREY]);
  if (isplotable(Moonra, Moondec)) circle(SKYbmp, iXplot, iYplot, r, colour[PALWHITE]);
}

int rebuildchart() {
  if (!SKYbmp) return 0;
  clear_bitmap(SKYbmp);
  setstarplot(iZoom);
  labelreset(plotwidth, plothigh);
  int marks = setblocks();
  int r = pixtrunc(PixPerDeg / 4);
  if (r < 3) r = 3;
  if (flag[SHOWGRID]) drawcoords();
  drawmarkers(r);
  if (iHorizon) drawhorizon();
  if (flag[CONSTNAMES]) drawconstlines();
  // The cursor keeps its sky position when that lies on the chart; else
  // it comes to the nearest place on the chart, and takes that position.
  isplotable(ra, dec);
  Xcur = iXplot;
  Ycur = iYplot;
  clampcursor(&Xcur, &Ycur);
  if (Xcur != iXplot || Ycur != iYplot) getradechours(Xcur, Ycur, &ra, &dec);
  drawdeepsky();
  if (flag[PLOTMPS]) drawmps();
  drawfieldmarks();
  if (iTrack) drawephemtrack();
  drawstars();
  // Objects are named before constellations and stars: they are what the
  // chart is for.
  drawobjectlabels(Sunra, Sundec, Moonra, Moondec);
  if (flag[CONSTNAMES]) drawconstnames();
  drawstarlabels();
  savecursorbg();
  drawcursor();
  rect(SKYbmp, 0, 0, plotwidth - 1, plothigh - 1, colour[PALYELLOW]);
  return marks;
}

int statustext(char *dest, int marks) {
  double rh, dd;
  getradechours(Xcur, Ycur, &rh, &dd);
  isplotable(rh, dd);
  if (iDEBUG) {
    snprintf(dest, 96, "Z%d (%05d) xy:%03d %03d RA %-6.3f  Dec %-6.3f %d", iZoom, plotXmax, Xcur, Ycur, rh, dd,
             marks);
  } else {
    char rt[ANGLETEXTLEN], dt[ANGLETEXTLEN];
    hms(rt, rh);
    ddmmm(dt, dd);
    double alt, az;
    chartaltaz(dJDay, rh, dd, &alt, &az);
    snprintf(dest, 96, "Zoom %d xy:%03d %03d RA %.12s  Dec %.12s  Alt %+.1f", iZoom, Xcur, Ycur, rt, dt,
             alt > 90 || alt < -90 ? 0.0 : alt);
  }
  return 0;
}

// Puts back what lay under the cursor, moves it to (x, y) and draws it there.
void movecursor(int x, int y) {
  blit(bgCursor, SKYbmp, 0, 0, Xcur - CURSORMARGIN, Ycur - CURSORMARGIN, CURSORSIZE, CURSORSIZE);
  Xcur = x;
  Ycur = y;
  getradechours(Xcur, Ycur, &ra, &dec);
  savecursorbg();
  drawcursor();
}

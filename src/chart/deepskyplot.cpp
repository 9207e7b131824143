#include "chart/deepskyplot.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/deepsky.h"
#include "base/constants.h"
#include "base/settings.h"
#include "chart/blocks.h"
#include "chart/lookup.h"
#include "chart/mplist.h"
#include "chart/overlays.h"
#include "chart/projection.h"
#include "chart/starsearch.h"

dsoshown shownDso[MAXSHOWNDSO];
int iShownDso;

// Faintest NGC / IC magnitude shown by chart zoom; more appear as it grows.
static const double kMagLimit[MAXZOOM + 1] = {8.0, 8.0, 9.0, 9.5, 10.0, 10.5, 11.0, 11.5, 12.0, 13.0, 14.0, 15.0, 99.0};
static const double kUnknownMag = 15.0;     // magnitude given to objects without one
static const double kStepDeg = 0.01;        // offset of the axes' difference quotients
static const double kMinCosDec = 1e-3;      // keeps the east step finite at a pole
static const double kNoSizeRatio = 0.5;     // axis ratio of a galaxy of unknown size
static const int kDotSpacing = 3;           // pixels between the dots of a cluster
static const int kLabelGap = 2;             // pixels between symbol and label
static const int kTelZoomToChart = 10;      // the view at zoom z shows what chart zoom z + 10 would

static const int kTypeColour[DSOTYPES] = {
    PALDSOOTHER,  PALDSOGALAXY,  PALDSOCLUSTER, PALDSOGLOBULAR, PALDSONEBULA,
    PALDSOPLANETARY, PALDSONEBULA, PALDSOCLUSTER, PALDSOGALAXY, PALDSOOTHER};

double dsomaglimit(int zoom) { return kMagLimit[clampint(zoom, 0, MAXZOOM)]; }

static double foldangle(double a) {
  while (a > DPI) a -= D2PI;
  while (a < -DPI) a += D2PI;
  return a;
}

int frameaxes(double rahours, double decdeg, double pixperrad, int flipx, int flipy, dsoaxes *ax) {
  double c = cos(decdeg * dDEGTORAD);
  if (c < kMinCosDec) c = kMinCosDec;
  // North of a place at the pole is reached by going south and turning back.
  double dn = decdeg + kStepDeg <= 90 ? kStepDeg : -kStepDeg;
  double h0, A0, he, Ae, hn, An;
  getaltaz(rahours, decdeg, &h0, &A0);
  getaltaz(rahours + kStepDeg / c / DEGPERHOUR, decdeg, &he, &Ae);
  getaltaz(rahours, decdeg + dn, &hn, &An);
  double sx = flipx ? pixperrad : -pixperrad, sy = flipy ? pixperrad : -pixperrad;
  ax->ex = sx * foldangle(Ae - A0) / kStepDeg;
  ax->ey = sy * (he - h0) / kStepDeg;
  ax->nx = sx * foldangle(An - A0) / dn;
  ax->ny = sy * (hn - h0) / dn;
  return 0;
}

// Axes of the chart at a place: the whole-sky map stretches R.A. by
// 1 / cos(dec), the zoomed chart follows its frame.
static void chartaxes(double rahours, double decdeg, dsoaxes *ax) {
  bool turned = iNT[SOUTHUP] != 0;
  if (iZoom >= 2) {
    frameaxes(rahours, decdeg, dStarXcon, turned, turned, ax);
    return;
  }
  double c = cos(decdeg * dDEGTORAD);
  if (c < kMinCosDec) c = kMinCosDec;
  double s = turned ? 1 : -1;
  ax->ex = s * plotXscale / DEGPERHOUR / c;
  ax->ey = 0;
  ax->nx = 0;
  ax->ny = s * plotYscale;
}

// Pixel of tangent-plane offset (east xi, north eta degrees) from (x, y).
static void offsetpixel(const dsoaxes &ax, int x, int y, double xi, double eta, int *px, int *py) {
  *px = x + (int)lround(xi * ax.ex + eta * ax.nx);
  *py = y + (int)lround(xi * ax.ey + eta * ax.ny);
}

// Ellipse of half axes a, b (degrees) with its major axis at position
// angle pa (radians, north through east), as a closed polygon.
static void drawellipse(BITMAP *bmp, const dsoaxes &ax, int x, int y, double a, double b, double pa, int rpix,
                        int col) {
  int n = clampint(rpix, 12, 64);
  double sp = sin(pa), cp = cos(pa);
  int fx = 0, fy = 0, lx = 0, ly = 0;
  for (int k = 0; k <= n; k++) {
    double t = D2PI * k / n, u = a * cos(t), v = b * sin(t);
    int px, py;
    offsetpixel(ax, x, y, u * sp + v * cp, u * cp - v * sp, &px, &py);
    if (k == 0) {
      fx = px;
      fy = py;
    } else {
      line(bmp, lx, ly, px, py, col);
    }
    lx = px;
    ly = py;
  }
  line(bmp, lx, ly, fx, fy, col);
}

static void dottedcircle(BITMAP *bmp, int x, int y, int r, int col) {
  int n = (int)(D2PI * r / kDotSpacing);
  if (n < 8) n = 8;
  for (int k = 0; k < n; k++) {
    double t = D2PI * k / n;
    putpixel(bmp, x + (int)lround(r * cos(t)), y + (int)lround(r * sin(t)), col);
  }
}

int drawdsosymbol(BITMAP *bmp, int i, int x, int y, const dsoaxes &ax, int minpix, int col) {
  if (i < 0 || i >= iNumDso) return 0;
  const dsorec &d = dso[i];
  double major, minor;
  dsosize(i, &major, &minor);
  double scale = hypot(ax.nx, ax.ny);  // pixels per degree
  double truer = major / 2 * scale;
  int r = truer > minpix ? (int)lround(truer) : minpix;
  switch (d.type) {
    case DSOGALAXY:
    case DSOGALCLUSTER: {
      double a = major / 2, b = minor / 2, pa = d.pa10 == DSONOPA ? 0 : d.pa10 / 10.0 * dDEGTORAD;
      if (a <= 0) {
        a = minpix / scale;
        b = a * kNoSizeRatio;
        pa = DPI / 2;
      } else if (truer < minpix) {
        b *= minpix / truer;
        a = minpix / scale;
      }
      if (b * scale < 1) b = 1 / scale;
      if (d.type == DSOGALAXY)
        drawellipse(bmp, ax, x, y, a, b, pa, r, col);
      else
        dottedcircle(bmp, x, y, r, col);
      break;
    }
    case DSOOPEN:
    case DSOASTERISM: dottedcircle(bmp, x, y, r, col); break;
    case DSOGLOBULAR:
      circle(bmp, x, y, r, col);
      line(bmp, x - r, y, x + r, y, col);
      line(bmp, x, y - r, x, y + r, col);
      break;
    case DSONEBULA:
    case DSOREMNANT: rect(bmp, x - r, y - r, x + r, y + r, col); break;
    case DSOPLANETARY: {
      circle(bmp, x, y, r, col);
      int t = r / 2 > 2 ? r / 2 : 2;
      line(bmp, x - r - t, y, x - r, y, col);
      line(bmp, x + r, y, x + r + t, y, col);
      line(bmp, x, y - r - t, x, y - r, col);
      line(bmp, x, y + r, x, y + r + t, col);
      r += t;
      break;
    }
    default:
      r = minpix / 2 > 1 ? minpix / 2 : 1;
      line(bmp, x - r, y - r, x + r, y + r, col);
      line(bmp, x - r, y + r, x + r, y - r, col);
      break;
  }
  return r;
}

// The telescope view's labels placed in the drawing under way; one that
// would overlap another is left out. The chart's go through chartlabel,
// beside every other label of the chart.
struct LabelBox {
  int x0, y0, x1, y1;
};
static LabelBox labels[MAXDSOLABELS];
static int numlabels;

static void placelabel(BITMAP *bmp, int i, int x, int y, int r, int col, bool telescope) {
  char text[DSOLABELLEN];
  dsolabel(i, text);
  if (!telescope) {
    chartlabel(x, y, r + kLabelGap, text, col, false);
    return;
  }
  if (numlabels >= MAXDSOLABELS) return;
  LabelBox b = {x + r + kLabelGap, y - text_height(font) / 2, 0, 0};
  b.x1 = b.x0 + text_length(font, text);
  b.y1 = b.y0 + text_height(font);
  if (b.x1 >= bmp->w || b.y0 < 0 || b.y1 >= bmp->h) return;
  for (int k = 0; k < numlabels; k++) {
    const LabelBox &o = labels[k];
    if (b.x0 <= o.x1 && o.x0 <= b.x1 && b.y0 <= o.y1 && o.y0 <= b.y1) return;
  }
  labels[numlabels++] = b;
  textout_ex(bmp, font, text, b.x0, b.y0, col, -1);
}

// True when object i is switched on and bright enough for the zoom.
static bool charted(int i, double limit) {
  if (!dsoswitched(i, flag[MESSIER], flag[NGCOBJECTS])) return false;
  if (dso[i].messier) return true;
  double mag = dso[i].mag100 == DSONOMAG ? kUnknownMag : dso[i].mag100 / 100.0;
  return mag <= limit;
}

// Draws object i centred on (x, y) of bmp (the chart, or the telescope
// view) when any of its symbol can show; labelled when its centre shows. Returns
// the symbol radius, or -1 when out of reach.
static int drawobject(BITMAP *bmp, int i, int x, int y, bool telescope) {
  const dsorec &d = dso[i];
  double major, minor;
  dsosize(i, &major, &minor);
  int reach = (int)(major / 2 * (telescope ? TPixPerDeg : PixPerDeg)) + 2 * DSOSYMBOLPIX;
  if (x < -reach || x > bmp->w + reach || y < -reach || y > bmp->h + reach) return -1;
  dsoaxes ax;
  if (telescope)
    frameaxes(d.rahours, d.decdeg, dTPixPerRad, Twest, Tnorth, &ax);
  else
    chartaxes(d.rahours, d.decdeg, &ax);
  int col = colour[kTypeColour[d.type]];
  int r = drawdsosymbol(bmp, i, x, y, ax, !telescope && iZoom < 2 ? DSOWHOLESKYPIX : DSOSYMBOLPIX, col);
  if (x > 0 && x < bmp->w && y > 0 && y < bmp->h) placelabel(bmp, i, x, y, r, col, telescope);
  return r;
}

int drawdeepsky() {
  iShownDso = 0;
  if (!SKYbmp || iNumDso == 0 || (!flag[MESSIER] && !flag[NGCOBJECTS])) return 0;
  double limit = dsomaglimit(iZoom);
  for (int b = 0; b < SKYBLOCKS; b++) {
    if (iZoom >= 2 && !drawblock[b]) continue;
    int first, count = dsoblock(b, &first);
    for (int i = first; i < first + count; i++) {
      if (!charted(i, limit)) continue;
      isplotable(dso[i].rahours, dso[i].decdeg);
      int x = iXplot, y = iYplot, r = drawobject(SKYbmp, i, x, y, false);
      if (r >= 0 && inchart(x, y) && iShownDso < MAXSHOWNDSO) shownDso[iShownDso++] = dsoshown{i, x, y, r};
    }
  }
  return iShownDso;
}

int Tdrawdeepsky() {
  numlabels = 0;
  if (!TELbmp || iNumDso == 0 || (!flag[MESSIER] && !flag[NGCOBJECTS])) return 0;
  int drawn = 0;
  double limit = dsomaglimit(iTZoom + kTelZoomToChart);
  for (int b = 0; b < SKYBLOCKS; b++) {
    if (!Tdrawblock[b]) continue;
    int first, count = dsoblock(b, &first);
    for (int i = first; i < first + count; i++) {
      if (!charted(i, limit)) continue;
      Tisplotable(dso[i].rahours, dso[i].decdeg);
      if (drawobject(TELbmp, i, iTXplot, iTYplot, true) >= 0) drawn++;
    }
  }
  return drawn;
}

int dsonearcursor(int *dist2) {
  int best = -1, bestd = 0;
  for (int k = 0; k < iShownDso; k++) {
    const dsoshown &s = shownDso[k];
    int dx = s.x - Xcur, dy = s.y - Ycur, d = dx * dx + dy * dy;
    int reach = s.r > NEARPIXELS ? s.r : NEARPIXELS;
    if (d > reach * reach) continue;
    if (best < 0 || d < bestd) {
      best = s.i;
      bestd = d;
    }
  }
  if (dist2) *dist2 = bestd;
  return best;
}

int dsostring(int i, char *text) {
  if (i < 0 || i >= iNumDso) {
    snprintf(text, 160, " ");
    return 0;
  }
  const dsorec &d = dso[i];
  char label[DSOLABELLEN + DSOIDLEN + 4], line[OBJSTRLEN], size[32] = "";
  dsolabel(i, label);
  if (d.messier && d.id[0]) snprintf(label, sizeof label, "M %d = %.*s", d.messier, DSOIDLEN, d.id);
  double r = d.rahours, decdeg = d.decdeg, mag = d.mag100 == DSONOMAG ? 0 : d.mag100 / 100.0;
  objectstr(line, -1, label, &r, &decdeg, &mag);
  if (d.major100 && d.minor100 && d.minor100 != d.major100)
    snprintf(size, sizeof size, " %.1f'x%.1f'", d.major100 / 100.0, d.minor100 / 100.0);
  else if (d.major100)
    snprintf(size, sizeof size, " %.1f'", d.major100 / 100.0);
  const char *name = dsocommonname(i);
  snprintf(text, 160, "%s%s%s %s", line, dsotypename(d.type), size, name);
  return 0;
}

int identifydso() {
  int dsod, i = dsonearcursor(&dsod);
  if (i < 0 || !VIDbmp) return -1;
  int stard, s = starnearcursor(&stard);
  if (s >= 0 && stard <= dsod) return -1;
  char text[160];
  dsostring(i, text);
  rectfill(VIDbmp, 0, 26 * VRTScale, plotXst + plotwidth, 27 * VRTScale - 1, colour[PALBLACK]);
  textout_ex(VIDbmp, font, text, 2 * HORScale, 26 * VRTScale + 3, colour[kTypeColour[dso[i].type]], -1);
  return i;
}

int gotodso(int i) {
  if (i < 0 || i >= iNumDso) return -1;
  ra = dStarX = dso[i].rahours;
  dec = dStarY = dso[i].decdeg;
  return 0;
}

// The find line's deep-sky look-up: labels ("M 31", "NGC 7000", "IC 434",
// also written without the blank) and common names.
static int dsolookup(const char *query, FINDHIT *hits, int *n, int max) {
  int added = 0, exact = finddso(query);
  for (int i = 0; i < iNumDso && *n < max; i++) {
    char label[DSOLABELLEN];
    dsolabel(i, label);
    int m = i == exact ? MATCHEXACT : namematch(query, label);
    if (m < 0 && dsocommonname(i)[0]) m = namematch(query, dsocommonname(i));
    if (m < 0) continue;
    FINDHIT &h = hits[(*n)++];
    h.kind = FINDOTHER;
    h.index = i;
    h.match = m;
    h.ra = dso[i].rahours;
    h.dec = dso[i].decdeg;
    h.mag = dso[i].mag100 == DSONOMAG ? kUnknownMag : dso[i].mag100 / 100.0;
    if (dsocommonname(i)[0])
      snprintf(h.name, sizeof h.name, "%s %s", label, dsocommonname(i));
    else
      snprintf(h.name, sizeof h.name, "%s", label);
    added++;
  }
  return added;
}

int adddsolookup() { return addlookup(dsolookup); }

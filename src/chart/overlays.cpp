#include "chart/overlays.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

#include "chart/labels.h"
#include "chart/projection.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/ephem.h"
#include "base/settings.h"
#include "screen/display.h"

int labelheight() { return text_height(font); }
int labelwidth(const char *text) { return text_length(font, text); }

int drawephemtrack() {
  if (!SKYbmp || ephnum <= 0 || ephnum > EPHMAX) return 0;
  int end = ephnum - 1, run = eph[end].run, object = eph[end].object, c = colour[PALTRACK], drawn = 0;
  int first = end;
  while (first > 0 && eph[first - 1].run == run && eph[first - 1].object == object) first--;
  for (int k = first; k <= end; k++) {
    int in = isplotable(eph[k].ra, eph[k].dec);
    bool wrap = abs(iXplot - iXplotold) > plotwidth / 2;
    if (k > first && !wrap && (in || inchart(iXplotold, iYplotold)))
      line(SKYbmp, iXplotold, iYplotold, iXplot, iYplot, c);
    if (!in) continue;
    circlefill(SKYbmp, iXplot, iYplot, 1, c);
    drawn++;
  }
  return drawn;
}

int chartlabel(int x, int y, int gap, const char *text, int c, bool force) {
  // The reserved box keeps LABELPAD pixels clear round the text, so that
  // two names never run into one.
  int w = labelwidth(text) + 2 * LABELPAD, h = labelheight() + 2 * LABELPAD, lx, ly;
  if (!labelplace(x, y, w, h, gap - LABELPAD, &lx, &ly)) {
    if (!force) return 0;
    labelspot(0, x, y, w, h, gap - LABELPAD, &lx, &ly);
    labelforce(lx, ly, w, h);
  }
  textout_ex(SKYbmp, font, text, lx + LABELPAD, ly + LABELPAD, c, -1);
  return 1;
}

// Computed minor planets in the chart, brightest first.
static int order[MPMAX];

int drawobjectlabels(double sunra, double sundec, double moonra, double moondec) {
  if (!SKYbmp) return 0;
  int drawn = 0;
  // The marks of the objects that are always named stay uncovered.
  struct Fixed {
    double ra, dec;
    const char *name;
    int colour;
  };
  Fixed marks[2 + MPPLANETS];
  int nfixed = 0;
  marks[nfixed++] = {sunra, sundec, "Sun", colour[PALYELLOW]};
  marks[nfixed++] = {moonra, moondec, "Moon", colour[PALLIGHTGREY]};
  char names[MPPLANETS][20];
  for (int i = 0; i < MPPLANETS && i < iNumAst; i++) {
    if (!iBcalc[i] || !flag[PLOTMPS]) continue;
    getastname(i, names[i]);
    marks[nfixed++] = {obj[i].ra, obj[i].dec, names[i], colour[PALWHITE]};
  }
  int fx[2 + MPPLANETS], fy[2 + MPPLANETS];
  bool fin[2 + MPPLANETS];
  for (int k = 0; k < nfixed; k++) {
    fin[k] = isplotable(marks[k].ra, marks[k].dec);
    fx[k] = iXplot;
    fy[k] = iYplot;
    if (fin[k]) labelforce(fx[k] - 3, fy[k] - 3, 7, 7);
  }
  for (int k = 0; k < nfixed; k++)
    if (fin[k]) drawn += chartlabel(fx[k], fy[k], LABELGAP, marks[k].name, marks[k].colour, true);

  if (flag[PLOTMPS]) {
    int n = 0;
    for (int i = MPPLANETS; i < iNumAst && i < MPMAX; i++)
      if (iBcalc[i]) order[n++] = i;
    std::sort(order, order + n, [](int a, int b) { return obj[a].mag < obj[b].mag || (obj[a].mag == obj[b].mag && a < b); });
    int c = colour[PALMPLABEL];
    for (int k = 0; k < n; k++) {
      int i = order[k];
      if (!isplotable(obj[i].ra, obj[i].dec)) continue;
      char name[20];
      getastname(i, name);
      drawn += chartlabel(iXplot, iYplot, LABELGAP, name, c, false);
    }
  }
  return drawn;
}

int drawstarlabels() {
  if (!SKYbmp) return 0;
  int drawn = 0, limit = STARLABELMAG0 + STARLABELMAGSTEP * iZoom, c = colour[PALSTARLABEL];
  for (int k = 0; k < iNamedStars; k++) {
    int i = namedstarat[k];
    if (i < 0 || star[i].mag100 > limit) continue;
    if (!isplotable(star[i].rahours, star[i].decdeg)) continue;
    drawn += chartlabel(iXplot, iYplot, LABELGAP, starlabel(namedstars[k]), c, false);
  }
  return drawn;
}

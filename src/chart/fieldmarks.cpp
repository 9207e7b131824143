#include "chart/fieldmarks.h"

#include <allegro.h>

#include "chart/labels.h"
#include "chart/overlays.h"
#include "chart/projection.h"
#include "minorplanets/fieldcheck.h"
#include "timefmt/instant.h"
#include "screen/display.h"

static const int kRing = 5;  // pixels, the ring round each object

// On the chart the labels go through chartlabel with every other label, and
// the rings are kept clear of later ones; the telescope view (few objects,
// its own bitmap) draws them simply beside each ring.
static int drawmarks(BITMAP *bmp, int (*plot)(double, double), const int *x, const int *y, bool chart) {
  if (!bmp || field.count <= 0 || field.jd != day) return 0;
  int drawn = 0, c = colour[PALYELLOW];
  for (int k = 0; k < field.count; k++) {
    const FIELDHIT &h = field.hit[k];
    if (!plot(h.ra, h.dec)) continue;
    circle(bmp, *x, *y, kRing, c);
    if (chart) {
      labelforce(*x - kRing, *y - kRing, 2 * kRing + 1, 2 * kRing + 1);
      chartlabel(*x, *y, kRing + 2, h.name, c, false);
    } else {
      textout_ex(bmp, font, h.name, *x + kRing + 2, *y - kRing - 2, c, -1);
    }
    drawn++;
  }
  return drawn;
}

int drawfieldmarks() { return drawmarks(SKYbmp, isplotable, &iXplot, &iYplot, true); }

int Tdrawfieldmarks() { return drawmarks(TELbmp, Tisplotable, &iTXplot, &iTYplot, false); }

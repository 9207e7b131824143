#include "chart/fieldmarks.h"

#include <allegro.h>

#include "chart/projection.h"
#include "minorplanets/fieldcheck.h"
#include "timefmt/instant.h"
#include "screen/display.h"

static const int kRing = 5;  // pixels, the ring round each object

// Labels are drawn beside each ring, without the overlap check of a label
// placer (the field holds few objects).
static int drawmarks(BITMAP *bmp, int (*plot)(double, double), const int *x, const int *y) {
  if (!bmp || field.count <= 0 || field.jd != day) return 0;
  int drawn = 0, c = colour[PALYELLOW];
  for (int k = 0; k < field.count; k++) {
    const FIELDHIT &h = field.hit[k];
    if (!plot(h.ra, h.dec)) continue;
    circle(bmp, *x, *y, kRing, c);
    textout_ex(bmp, font, h.name, *x + kRing + 2, *y - kRing - 2, c, -1);
    drawn++;
  }
  return drawn;
}

int drawfieldmarks() { return drawmarks(SKYbmp, isplotable, &iXplot, &iYplot); }

int Tdrawfieldmarks() { return drawmarks(TELbmp, Tisplotable, &iTXplot, &iTYplot); }

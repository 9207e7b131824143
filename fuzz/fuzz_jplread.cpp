// Ephemeris files of any content: after a read that succeeds, every body
// is evaluated across the span, so a series reaching past the coefficients
// would be caught.
#include <cstdint>
#include <cstdio>

#include "astro/jplephem.h"

static volatile double gSink;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  int r = jplread(f);
  fclose(f);
  if (r != JPLOK) return 0;
  double first, last, pos[3];
  jplspan(&first, &last);
  for (int k = 0; k <= 16; k++) {
    double jd = first + (last - first) * k / 16.0;
    for (int b = 0; b < JPLBODIES; b++)
      if (jplbody(b, jd, pos) == 0) gSink = gSink + pos[0] + pos[1] + pos[2];
    if (jplearth(jd, pos) == 0) gSink = gSink + pos[0];
  }
  jplclose();
  return 0;
}

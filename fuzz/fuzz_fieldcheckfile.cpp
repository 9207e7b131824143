// Streams arbitrary bytes as a database through the field check: the
// blocks must never overrun, the hits stay within their table and inside
// the field, and every one is finite.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "minorplanets/fieldcheck.h"
#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool ready = false;
  if (!ready) {
    startheadless();
    ready = true;
  }
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  // The first byte picks the centre, so that hits are found anywhere.
  double ra0 = size > 0 ? data[0] * 24.0 / 256.0 : 12.0;
  int n = fieldcheckfile(f, 2459800.5, ra0, 0.0, 20.0 * 3600.0, 0, 0);
  fclose(f);
  if (n < -1 || field.count < 0 || field.count > FIELDMAX || field.count > field.found) abort();
  for (int k = 0; k < field.count; k++) {
    const FIELDHIT &h = field.hit[k];
    if (!(std::isfinite(h.ra) && std::isfinite(h.dec) && std::isfinite(h.mag) && std::isfinite(h.rate)))
      abort();
    if (std::hypot(h.dx, h.dy) > field.radius || h.index < 8) abort();
  }
  return 0;
}

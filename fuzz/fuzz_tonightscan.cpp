// Scans arbitrary bytes as the database file for a night at a place the
// input also chooses: the rows must stay within the table, hold finite
// figures and keep their events inside the day searched.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "astro/twilight.h"
#include "minorplanets/elements.h"
#include "minorplanets/tonight.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool ready = false;
  static NIGHT nights[4];
  if (!ready) {
    for (int &s : userobj) s = -1;
    iNumAst = 0;
    static const double kLat[4] = {0.0, 48.0, 70.0, -78.0};
    for (int k = 0; k < 4; k++) nightfacts(2461384.6 + 60.0 * k, kLat[k], -11.5 * k, &nights[k]);
    ready = true;
  }
  const NIGHT &n = nights[size > 0 ? data[size - 1] % 4 : 0];
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  TONIGHTFILTER filter = {0.0, 99.0, 0, SKYNAUTICAL, ORDERMINUTES};
  int rows = tonightscanfrom(f, &n, &filter);
  fclose(f);
  if (rows > TONIGHTMAX || tonightrows > TONIGHTMAX || tonightpassed < tonightrows) abort();
  for (int i = 0; i < tonightrows; i++) {
    const TONIGHTROW &r = tonight[i];
    if (!std::isfinite(r.transit) || !std::isfinite(r.mag) || !std::isfinite(r.minutes) || r.minutes < 0.0f ||
        r.minutes > 1440.5f || r.transit < n.start - 0.1 || r.transit > n.end + 0.1)
      abort();
  }
  return 0;
}

// starnames.txt of any content: read into the name table, joined to a few
// stars by number and by place, every label and look-up made, so a field
// that escaped the checks would be caught by the sanitizers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/lookup.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool started = false;
  if (!started) {
    startheadless();
    started = true;
  }
  if (size == 0) return 0;
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  int n = readstarnames(f);
  fclose(f);
  if (n < 0 || n > MAXNAMEDSTARS || n != iNamedStars) abort();
  // Three stars: one by HIP number, two placed where the first entries say.
  Snum = Snum7 = 3;
  iStarIndexed = 0;
  for (int i = 0; i < 3; i++) {
    const namedstar *e = n > i ? &namedstars[i] : nullptr;
    star[i] = starrec{e ? e->hip : i + 1, (int16_t)(e ? e->mag * 100 : 500), 'G', '2', e ? e->ra : 1.0f, e ? e->dec : 1.0f};
  }
  for (catnum = 0; catnum < 2; catnum++) {
    joinstarnames();
    for (int i = 0; i < 3; i++) {
      const namedstar *e = starnameof(i);
      if (e && strlen(starlabel(*e)) >= STARPROPERLEN) abort();
    }
  }
  for (int k = 0; k < n && k < 32; k++) {
    FINDHIT hits[MAXFINDHITS];
    int h = findbyname(namedstars[k].name[0] ? namedstars[k].name : namedstars[k].desig, hits, MAXFINDHITS);
    if (h < 0 || h > MAXFINDHITS) abort();
    if (namedstarbyhip(namedstars[k].hip) < 0) abort();
  }
  Snum = Snum7 = 0;
  return 0;
}

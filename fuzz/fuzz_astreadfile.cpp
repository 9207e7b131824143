// Loads arbitrary bytes as an element database, then computes and lists
// every record: the table must never overrun and no non-finite value may
// reach a list row.
#include <allegro.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "base/status.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool ready = false;
  if (!ready) {
    startheadless();
    initsettings();
    ready = true;
  }
  char path[256];
  snprintf(path, sizeof path, "%s", scratchpath("fuzzast.bin").c_str());
  FILE *f = fopen(path, "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);
  dFP[MPMAGLIMIT] = 14.0;
  day = 2459800.5;
  int start = size > 0 ? (data[0] - 128) * 40 : 0;
  if (ASTreadfile(start, scratchname("fuzzast.bin")) != 0) return 0;
  if (iNumAst < 8 || iNumAst > MPPAGE) abort();
  calcastall(day);
  char row[80];
  for (int i = 0; i < iNumAst; i++) {
    if (iBcalc[i] && !(std::isfinite(obj[i].ra) && std::isfinite(obj[i].dec) &&
                       std::isfinite(obj[i].mag) && std::isfinite(obj[i].dist)))
      abort();
    findpos(row, i);
  }
  return 0;
}

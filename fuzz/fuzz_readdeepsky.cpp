// Deep-sky catalogue files of any content: read, then every block, label,
// name, lookup and outline distance of what was accepted is walked, so a
// record that escaped the checks would be caught by the sanitizers.
#include <cstdint>
#include <cstdio>

#include "astro/deepsky.h"

// Where the walk's results go, so that none of it is optimised away.
double fuzzsink;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fmemopen((void *)data, size, "rb");
  if (!f) return 0;
  readdeepsky(f);
  fclose(f);
  char label[DSOLABELLEN];
  double sum = 0;
  for (int b = 0; b < SKYBLOCKS; b++) {
    int first, count = dsoblock(b, &first);
    for (int i = first; i < first + count && i < first + 8; i++) {
      dsolabel(i, label);
      sum += dsocommonname(i)[0] + dsotypename(dso[i].type)[0];
      sum += dsoedgedistance(i, (b % 24) + 0.5, (b / 24 - 9) * 10 + 5);
    }
  }
  finddso("M 31");
  finddso("NGC 7000");
  finddso("Andromeda");
  fuzzsink = sum;
  return 0;
}

// Star catalogue files of any content: loaded as indexed files, then every
// block index and star accessor is walked, so an entry that escaped the
// checks would be caught by the sanitizers.
#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/blocks.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "ui/appsearch.h"
#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static std::string path = scratchpath("fuzz_skycatalog.bin");
  static bool started = false;
  if (!started) {
    startheadless();
    set_color_depth(32);
    started = true;
  }
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);
  int before = Snum, first = star[0].starno;  // refused: the stars in use stay
  if (loadstarfile(path.c_str(), path.c_str()) != 0 ? Snum != before || star[0].starno != first : Snum <= 0) abort();
  iNumApps = 0;
  for (int b = 0; b < SKYBLOCKS; b++) searchstarblock(b, 0, (b % 24) + 0.5, (b / 24 - 9) * 10 + 5, 3.0);
  iNumApps = 0;
  char name[STARNAMELEN], line[80];
  for (int i = 0; i < Snum && i < 64; i++) {
    getstarname(i, name);
    starstring(i, line);
  }
  return 0;
}

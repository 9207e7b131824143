// Star image sheets (starbmp.pcx) of any content: the header and the whole
// run-length stream are checked before Allegro decodes the image. A refused
// file must leave the sheet in use as it was; an accepted one must be a
// sheet every star cell of which can be read.
#include <allegro.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/starpix.h"
#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static std::string path = scratchpath("fuzz_starbmp.pcx");
  static bool started = false;
  if (!started) {
    startheadless();
    set_color_depth(8);
    started = true;
  }
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);
  BITMAP *before = Starbmp;
  int image = iStarimage;
  starimagefault[0] = 0;
  if (readstarsheetfile(path.c_str()) != 0) {
    if (Starbmp != before || iStarimage != image || !starimagefault[0]) abort();
    return 0;
  }
  if (!Starbmp || Starbmp->w < STARSHEETW || Starbmp->h < STARSHEETH) abort();
  // The last cell of the last row, as the star drawing reads it.
  if (getpixel(Starbmp, STARSHEETW - 1, STARSHEETH - 1) < 0) abort();
  return 0;
}

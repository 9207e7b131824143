// starbmp.pcx of any content: a refused sheet leaves the one in use, an accepted one has every star cell.
#include <allegro.h>

#include <cstdlib>
#include <string>

#include "chart/starpix.h"
#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static std::string path = scratchpath("fuzz_starbmp.pcx");
  startheadless();
  writebytes(path, std::vector<unsigned char>(data, data + size));
  BITMAP *before = Starbmp;
  if (readstarsheetfile(path.c_str()) != 0 ? Starbmp != before : Starbmp->w < STARSHEETW || Starbmp->h < STARSHEETH)
    abort();
  return 0;
}

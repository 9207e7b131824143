// place.txt of any content: read into the place table, then every entry
// is listed, made current and written out again, so a field that escaped
// the checks would be caught by the sanitizers.
#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "places/place.h"
#include "ui/listpages.h"
#include "testsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static std::string path = scratchpath("fuzz_place.txt");
  static bool started = false;
  if (!started) {
    startheadless();
    started = true;
  }
  if (size == 0) return 0;
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  iPlace = size % 1200;
  int n = placeread(f);
  fclose(f);
  if (n < 0 || n > PLACEMAX || iPlacesiz != n - 1 || iPlace < 0 || (n > 0 && iPlace >= n)) abort();
  for (int first = 0; first < n; first += 60) loclist(2, first, 60);
  for (int i = 0; i < n && i < 64; i++) getaplace(i);
  if (placewritetext(path.c_str()) != 0) abort();
  remove(path.c_str());
  return 0;
}

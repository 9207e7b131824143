// Font datafiles of any content: what the check passes, Allegro's own
// loader must read without fault, and it must hold the fonts the program
// selects.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "testsupport.h"
#include "screen/fontfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool started = (startheadless(), true);
  if (!started || checkfontdata(data, size) != 0) return 0;
  static std::string path = scratchpath("fuzz_fontfile.dat");
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);
  DATAFILE *d = loadfontfile(path.c_str());
  if (!d) abort();  // passed the check but Allegro could not load it
  for (int i = 0; i < FONTOBJECTS; i++)
    if (text_height(static_cast<FONT *>(d[i].dat)) < 0) abort();
  unload_datafile(d);
  return 0;
}

// Star sprite files of any content: after loading, every sprite's points are
// read, so a sprite reaching past the point table would be caught.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "chart/starpix.h"
#include "testsupport.h"

static volatile unsigned gSink;  // keeps the reads of the points

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static std::string path = scratchpath("fuzz_starpix.bin");
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);
  readstarpixfile(path.c_str());
  for (int r = 0; r < SPECROWS; r++)
    for (int m = 0; m < MAGCLASSES; m++)
      for (int i = 0; i < numpix[r][m]; i++) gSink = gSink + (unsigned)stpix[offpix[r][m] + i][2];
  return 0;
}

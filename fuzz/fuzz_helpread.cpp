// Reads arbitrary bytes as the help file, then reads every heading, every
// line of every topic and follows every link and context entry, as the
// viewer would.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/help.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static uint8_t one = 0;
  FILE *f = size ? fmemopen((void *)data, size, "rb") : fmemopen(&one, 1, "rb");
  if (!f) return 0;
  if (!size) fgetc(f);
  int status = helpread(f);
  fclose(f);
  if (status != 0) {
    if (HelpOkay || helptopics) abort();
    return 0;
  }
  if (!HelpOkay || helptopics < HELPMINCONTEXT || helptopics > HELPTOPICS) abort();
  size_t total = 0;
  for (int t = 0; t < helptopics; t++) {
    total += strlen(helpheading(t));
    for (int k = 0; k < 40; k++) {
      const char *line = helptextline(t, k);
      if (!line) break;
      if (line < textbuf || line >= textbuf + textlen) abort();
      total += strlen(line);
    }
    for (int s = 0; s < 3; s++)
      if (textlink[t].link[s] < 0 || textlink[t].link[s] >= helptopics) abort();
  }
  for (int m = -1; m <= 9; m++)
    for (int fld = 0; fld < HELPFIELDS; fld++) {
      int t = helpstarttopic(m, fld);
      if (t < 0 || t >= helptopics) abort();
    }
  helpfree();
  return total == (size_t)-1;
}

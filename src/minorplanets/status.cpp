#include "minorplanets/status.h"

#include <allegro.h>

#include <cstdio>

char mperror[256];

static const char *const kOkay[4] = {nullptr, "Done. %s", "Loaded file: %s", "Saved file: %s"};
static const char *const kFail[4] = {nullptr, "Memory Error allocating %s", "Error reading file: %s",
                                     "Error writing file: %s"};

int MPOKay(int kind, const char *text) {
  if (kind >= 1 && kind <= 3) snprintf(mperror, sizeof mperror, kOkay[kind], text);
  return 0;
}

int MPfail(int kind, const char *text) {
  if (kind >= 1 && kind <= 3) snprintf(mperror, sizeof mperror, kFail[kind], text);
  return kind;
}

int getfilename(char *dest, const char *name) {
  char exe[256];
  get_executable_name(exe, sizeof exe);
  replace_filename(dest, exe, name, 256);
  return 0;
}

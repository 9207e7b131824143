#include "minorplanets/status.h"

#include <allegro.h>

#include <cstdio>
#include <unistd.h>

char mperror[256];

static const char *const kOkay[4] = {nullptr, "Done. %s", "Loaded file: %s", "Saved file: %s"};
static const char *const kFail[5] = {nullptr, "Memory Error allocating %s", "Error reading file: %s",
                                     "Error writing file: %s", "Damaged file: %s"};

int MPOKay(int kind, const char *text) {
  if (kind >= 1 && kind <= 3) snprintf(mperror, sizeof mperror, kOkay[kind], text);
  return 0;
}

int MPfail(int kind, const char *text) {
  if (kind >= 1 && kind <= 4) snprintf(mperror, sizeof mperror, kFail[kind], text);
  return kind;
}

// The executable's path. Allegro knows it once its system driver is
// installed; tools and tests that read files without one ask the kernel.
static void executablepath(char *exe, int size) {
  if (system_driver) {
    get_executable_name(exe, size);
    return;
  }
  ssize_t n = readlink("/proc/self/exe", exe, size - 1);
  exe[n > 0 ? n : 0] = 0;
}

static char filedir[256];  // set: names are placed here instead

int setfiledir(const char *dir) {
  snprintf(filedir, sizeof filedir, "%s", dir ? dir : "");
  return 0;
}

int getfilename(char *dest, const char *name) {
  if (filedir[0]) {
    snprintf(dest, 256, "%.200s/%.50s", filedir, name);
    return 0;
  }
  char exe[256];
  executablepath(exe, sizeof exe);
  replace_filename(dest, exe, name, 256);
  return 0;
}

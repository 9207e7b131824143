#include "base/status.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

char mperror[256];
int (*errorbox)(const char *text) = nullptr;

int reporterror(const char *text) {
  if (text != mperror) snprintf(mperror, sizeof mperror, "%s", text);
  if (errorbox) errorbox(text);
  return 1;
}

int (*confirmbox)(const char *text) = nullptr;

int reportdone(const char *text) {
  if (text != mperror) snprintf(mperror, sizeof mperror, "%s", text);
  if (confirmbox) confirmbox(text);
  return 0;
}

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

// The executable's path, from the kernel (what Allegro's own lookup reads
// first on Linux): the base layer stays free of the screen library.
static void executablepath(char *exe, int size) {
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
  const char *slash = strrchr(exe, '/');
  int dirlen = slash ? (int)(slash - exe) + 1 : 0;
  snprintf(dest, 256, "%.*s%s", dirlen, exe, name);
  return 0;
}

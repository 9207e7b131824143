// Pointer files of any content: a name is taken only when PROJECT NAME
// could hold it, printable and terminated.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/settings.h"
#include "ui/project.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  initsettings();
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  char name[sizeof chSTR[0]];
  memset(name, 'x', sizeof name);
  int r = lastprojectread(f, name, sizeof name);
  fclose(f);
  if (r != 0) return 0;
  size_t len = strnlen(name, sizeof name);
  if (len == 0 || len > (size_t)lenstr[PROJECTNAME]) abort();
  for (size_t i = 0; i < len; i++)
    if (name[i] < 32 || name[i] > 126) abort();
  return 0;
}

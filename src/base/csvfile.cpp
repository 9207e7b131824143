#include "base/csvfile.h"

#include <cstdio>
#include <cstring>

#include "base/safewrite.h"

enum : int { CSVLINE = 512 };

int csvwrite(const char *path, const char *header, int rows, int (*row)(int, char *, int)) {
  newfile nf;
  if (newfileopen(&nf, path) != 0) return 1;
  bool ok = fprintf(nf.f, "%s\r\n", header) > 0;
  char line[CSVLINE];
  for (int i = 0; ok && i < rows; i++) {
    int len = row(i, line, sizeof line);
    ok = len >= 0 && len < CSVLINE && fprintf(nf.f, "%s\r\n", line) > 0;
  }
  return newfilecommit(&nf, ok) != 0 ? 1 : 0;
}

void csvtext(char *dest, int size, const char *src) {
  if (size < 3) {
    if (size > 0) dest[0] = '\0';
    return;
  }
  int end = static_cast<int>(strlen(src));
  while (end > 0 && src[end - 1] == ' ') end--;
  int o = 0;
  dest[o++] = '"';
  for (int i = 0; i < end; i++) {
    int need = src[i] == '"' ? 2 : 1;
    if (o + need + 2 > size) break;
    if (src[i] == '"') dest[o++] = '"';
    dest[o++] = src[i];
  }
  dest[o++] = '"';
  dest[o] = '\0';
}

#include "base/textline.h"

char readbuf[256];

int getaline(FILE *f) {
  int n = 0;
  int c;
  while ((c = fgetc(f)) != EOF) {
    if (c == '\r') continue;
    if (c == '\n') {
      readbuf[n] = '\0';
      // A line starting with a NUL byte counts as empty, not as the end.
      return readbuf[0] ? static_cast<unsigned char>(readbuf[0]) : 1;
    }
    if (n < 255) readbuf[n++] = static_cast<char>(c);
  }
  readbuf[n] = '\0';
  return 0;
}

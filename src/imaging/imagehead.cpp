#include "imaging/imagehead.h"

#include <cstdint>

enum { PCXHEADER = 128, BMPHEADER = 26, PCXMAGIC = 10 };

static unsigned le16(const unsigned char *p) { return p[0] | (p[1] << 8); }
static int32_t le32(const unsigned char *p) {
  return (int32_t)((uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24));
}

int imageheadsize(FILE *f, int *w, int *h) {
  unsigned char b[PCXHEADER];
  size_t n = fread(b, 1, sizeof b, f);
  if (n >= PCXHEADER && b[0] == PCXMAGIC && b[2] == 1) {
    // Window corners xmin, ymin, xmax, ymax, inclusive.
    *w = (int)le16(b + 8) - (int)le16(b + 4) + 1;
    *h = (int)le16(b + 10) - (int)le16(b + 6) + 1;
    return 0;
  }
  if (n >= BMPHEADER && b[0] == 'B' && b[1] == 'M') {
    int32_t bw = le32(b + 18), bh = le32(b + 22);
    // The old OS/2 header holds 16-bit sizes.
    if (le32(b + 14) == 12) {
      bw = (int32_t)le16(b + 18);
      bh = (int32_t)le16(b + 20);
    }
    // A negative height marks rows stored top down.
    if (bh < 0 && bh != INT32_MIN) bh = -bh;
    *w = bw;
    *h = bh;
    return 0;
  }
  return 1;
}

int imagefilesize(const char *path, int *w, int *h) {
  FILE *f = fopen(path, "rb");
  if (!f) return 1;
  int r = imageheadsize(f, w, h);
  fclose(f);
  return r;
}

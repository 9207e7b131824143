#include "imaging/imagehead.h"

#include <cstdint>

enum {
  PCXHEADER = 128,
  PCXMAGIC = 10,
  PCXRLE = 1,
  PCXPALETTE = 769,  // marker byte and 256 colours after the pixels
  BMPFILEHEADER = 14,
  BMPCOREHEADER = 12,
  BMPINFOHEADER = 40,
  BMPRGB = 0,
  BMPBITFIELDS = 3,
};

static unsigned le16(const unsigned char *p) { return p[0] | (p[1] << 8); }
static int32_t le32(const unsigned char *p) {
  return (int32_t)((uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24));
}

static int pcxsize(const unsigned char *b, long length, int *w, int *h) {
  // Window corners xmin, ymin, xmax, ymax, inclusive.
  *w = (int)le16(b + 8) - (int)le16(b + 4) + 1;
  *h = (int)le16(b + 10) - (int)le16(b + 6) + 1;
  int bits = b[3], planes = b[65];
  if (b[2] != PCXRLE || bits != 8 || (planes != 1 && planes != 3)) return IMAGEDAMAGED;
  if ((long)le16(b + 66) < *w) return IMAGEDAMAGED;  // bytes a plane line holds
  // At least one byte a run for each line, and the palette of one plane.
  long need = PCXHEADER + (*h > 0 ? *h : 0) + (planes == 1 ? PCXPALETTE : 0);
  return length < need ? IMAGEDAMAGED : IMAGEOK;
}

static int bmpsize(const unsigned char *b, long length, int *w, int *h) {
  int32_t info = le32(b + 14), offset = le32(b + 10);
  int32_t bw, bh;
  int bits, compression = BMPRGB;
  if (info == BMPCOREHEADER) {
    bw = (int32_t)le16(b + 18);
    bh = (int32_t)le16(b + 20);
    bits = le16(b + 24);
  } else if (info >= BMPINFOHEADER) {
    bw = le32(b + 18);
    bh = le32(b + 22);
    bits = le16(b + 28);
    compression = le32(b + 30);
  } else {
    return IMAGEDAMAGED;
  }
  // A negative height marks rows stored top down.
  if (bh < 0 && bh != INT32_MIN) bh = -bh;
  *w = bw;
  *h = bh;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return IMAGEDAMAGED;
  if (compression != BMPRGB && compression != BMPBITFIELDS) return IMAGEDAMAGED;
  if (bw <= 0 || bh <= 0 || bw > 65535 || bh > 65535 || offset < BMPFILEHEADER) return IMAGEDAMAGED;
  long long row = ((long long)bw * bits + 31) / 32 * 4;
  return (long long)offset + row * bh > (long long)length ? IMAGEDAMAGED : IMAGEOK;
}

int imageheadsize(FILE *f, long length, int *w, int *h) {
  unsigned char b[PCXHEADER];
  size_t n = fread(b, 1, sizeof b, f);
  *w = *h = 0;
  if (n >= PCXHEADER && b[0] == PCXMAGIC) return pcxsize(b, length, w, h);
  if (n >= BMPFILEHEADER + BMPINFOHEADER && b[0] == 'B' && b[1] == 'M') return bmpsize(b, length, w, h);
  return IMAGEUNKNOWN;
}

int imagefilesize(const char *path, int *w, int *h) {
  *w = *h = 0;
  FILE *f = fopen(path, "rb");
  if (!f) return IMAGEUNKNOWN;
  long length = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  int r = IMAGEUNKNOWN;
  if (length >= 0 && fseek(f, 0, SEEK_SET) == 0) r = imageheadsize(f, length, w, h);
  fclose(f);
  return r;
}

#include "imaging/imagehead.h"

#include <cstdint>

enum {
  PCXHEADER = 128,
  PCXMAGIC = 10,
  PCXRLE = 1,
  PCXPALETTE = 769,  // marker byte and 256 colours after the pixels
  PCXPALETTEMARK = 12,
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

// Decodes the run-length pixels that follow the header of f line by line,
// as the loader does, without keeping them. Returns 1 when all h lines of
// planes * linebytes bytes are there before byte end of the file.
static int pcxdecodes(FILE *f, int h, long linebytes, long end) {
  long pos = PCXHEADER;
  for (int y = 0; y < h; y++) {
    for (long x = 0; x < linebytes;) {
      int c = getc(f);
      if (c == EOF || ++pos > end) return 0;
      if ((c & 0xC0) == 0xC0) {
        if (getc(f) == EOF || ++pos > end) return 0;
        x += c & 0x3F;
      } else {
        x++;
      }
    }
  }
  return 1;
}

static int pcxsize(FILE *f, const unsigned char *b, long length, int *w, int *h) {
  // Window corners xmin, ymin, xmax, ymax, inclusive.
  *w = (int)le16(b + 8) - (int)le16(b + 4) + 1;
  *h = (int)le16(b + 10) - (int)le16(b + 6) + 1;
  int bits = b[3], planes = b[65];
  if (b[2] != PCXRLE || bits != 8 || (planes != 1 && planes != 3)) return IMAGEDAMAGED;
  if ((long)le16(b + 66) < *w) return IMAGEDAMAGED;  // bytes a plane line holds
  if (*w < 1 || *h < 1) return IMAGEDAMAGED;
  // One plane ends with the palette: a marker byte and 256 colours.
  long end = length - (planes == 1 ? PCXPALETTE : 0);
  if (end < PCXHEADER + *h) return IMAGEDAMAGED;
  if (planes == 1) {
    if (fseek(f, end, SEEK_SET) != 0 || getc(f) != PCXPALETTEMARK) return IMAGEDAMAGED;
    if (fseek(f, PCXHEADER, SEEK_SET) != 0) return IMAGEDAMAGED;
  }
  // The whole image must decode: a cut file would be drawn half black.
  return pcxdecodes(f, *h, (long)le16(b + 66) * planes, end) ? IMAGEOK : IMAGEDAMAGED;
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
  if (n >= PCXHEADER && b[0] == PCXMAGIC) return pcxsize(f, b, length, w, h);
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

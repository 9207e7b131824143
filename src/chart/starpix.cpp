#include "chart/starpix.h"

#include <cstdio>
#include <cstring>

#include "base/status.h"

int16_t stpix[STARPIXPOINTS][5];
int32_t numpix[SPECROWS][MAGCLASSES];
int32_t offpix[SPECROWS][MAGCLASSES];
int iGottapix;
BITMAP *Starbmp;
PALETTE Starpal;
int iStarimage;

static void clearsprites() {
  memset(numpix, 0, sizeof numpix);
  memset(offpix, 0, sizeof offpix);
}

// Keeps every sprite inside the point table whatever the file says.
static void clipsprites() {
  for (int r = 0; r < SPECROWS; r++) {
    for (int m = 0; m < MAGCLASSES; m++) {
      int32_t &n = numpix[r][m], &o = offpix[r][m];
      if (n < 0 || o < 0 || o >= STARPIXPOINTS) {
        n = 0;
        o = 0;
      } else if (n > STARPIXPOINTS - o) {
        n = STARPIXPOINTS - o;
      }
    }
  }
}

int readstarpixfile(const char *path) {
  FILE *f = fopen(path, "rb");
  if (!f) return 0;
  // The file is little-endian like the machine: fields are read in place.
  int32_t head[3];
  bool whole = fread(head, sizeof head, 1, f) == 1 && fread(stpix, sizeof stpix, 1, f) == 1 &&
               fread(numpix, sizeof numpix, 1, f) == 1 && fread(offpix, sizeof offpix, 1, f) == 1;
  fclose(f);
  if (!whole) {
    clearsprites();
    return 0;
  }
  clipsprites();
  return head[0];
}

int readstarpix() {
  char path[256];
  getfilename(path, "starpix.bin");
  return readstarpixfile(path);
}

int readstarsheet() {
  char path[256];
  getfilename(path, "starbmp.pcx");
  if (Starbmp) destroy_bitmap(Starbmp);
  Starbmp = load_bitmap(path, Starpal);
  iStarimage = Starbmp ? 1 : 0;
  if (Starbmp && bitmap_color_depth(Starbmp) > 8) {
    int mask = bitmap_mask_color(Starbmp);
    for (int y = 0; y < Starbmp->h; y++)
      for (int x = 0; x < Starbmp->w; x++)
        if (getpixel(Starbmp, x, y) == 0) putpixel(Starbmp, x, y, mask);
  }
  return iStarimage;
}

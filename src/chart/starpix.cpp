#include "chart/starpix.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/status.h"
#include "imaging/imagehead.h"

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
// Returns the sprites that had to be cut.
static int clipsprites() {
  int cut = 0;
  for (int r = 0; r < SPECROWS; r++) {
    for (int m = 0; m < MAGCLASSES; m++) {
      int32_t &n = numpix[r][m], &o = offpix[r][m];
      if (n < 0 || o < 0 || o >= STARPIXPOINTS) {
        cut += n != 0 || o != 0;
        n = 0;
        o = 0;
      } else if (n > STARPIXPOINTS - o) {
        n = STARPIXPOINTS - o;
        cut++;
      }
    }
  }
  return cut;
}

char starimagefault[STARIMAGEFAULTLEN];

// Adds a fault of the star image files to starimagefault.
__attribute__((format(printf, 1, 2))) static void imagefault(const char *fmt, ...) {
  size_t used = strlen(starimagefault);
  if (used + 2 >= sizeof starimagefault) return;
  if (used) {
    strcpy(starimagefault + used, "; ");
    used += 2;
  }
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(starimagefault + used, sizeof starimagefault - used, fmt, ap);
  va_end(ap);
}

int readstarpixfile(const char *path) {
  FILE *f = fopen(path, "rb");
  if (!f) {
    imagefault("starpix.bin missing: stars drawn as dots");
    return 0;
  }
  // The file is little-endian like the machine: fields are read in place.
  int32_t head[3];
  bool whole = fread(head, sizeof head, 1, f) == 1 && fread(stpix, sizeof stpix, 1, f) == 1 &&
               fread(numpix, sizeof numpix, 1, f) == 1 && fread(offpix, sizeof offpix, 1, f) == 1;
  long length = ftell(f);
  fclose(f);
  if (!whole) {
    clearsprites();
    imagefault("starpix.bin cut short (%ld of %d bytes): stars drawn as dots", length < 0 ? 0 : length, STARPIXSIZE);
    return 0;
  }
  int cut = clipsprites();
  if (cut) imagefault("starpix.bin damaged: %d sprites cut to the point table", cut);
  return head[0];
}

int readstarpix() {
  char path[256];
  getfilename(path, "starpix.bin");
  return readstarpixfile(path);
}

int readstarsheetfile(const char *path) {
  int w, h;
  int head = imagefilesize(path, &w, &h);
  const char *why = nullptr;
  if (head == IMAGEUNKNOWN)
    why = "missing, or not a PCX or BMP image";
  else if (head == IMAGEDAMAGED)
    why = "damaged or cut short";
  else if (w < STARSHEETW || h < STARSHEETH || w > STARSHEETMAX || h > STARSHEETMAX)
    why = "not the size of a star image sheet";
  BITMAP *bmp = why ? nullptr : load_bitmap(path, Starpal);
  if (!why && !bmp) why = "the image cannot be read";
  if (why) {
    // The sheet in use, if any, stays.
    imagefault("starbmp.pcx %s", why);
    return 2;
  }
  if (Starbmp) destroy_bitmap(Starbmp);
  Starbmp = bmp;
  iStarimage = 1;
  if (bitmap_color_depth(Starbmp) > 8) {
    int mask = bitmap_mask_color(Starbmp);
    for (int y = 0; y < Starbmp->h; y++)
      for (int x = 0; x < Starbmp->w; x++)
        if (getpixel(Starbmp, x, y) == 0) putpixel(Starbmp, x, y, mask);
  }
  return 0;
}

int readstarsheet() {
  char path[256];
  getfilename(path, "starbmp.pcx");
  readstarsheetfile(path);
  return iStarimage;
}

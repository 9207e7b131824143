#include "skins/skin.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "imaging/imagehead.h"
#include "base/safewrite.h"
#include "base/status.h"
#include "skins/skindraw.h"
#include "screen/display.h"

skinentry skin[SKINENTRIES];
BITMAP *skinbmp;
PALETTE skinpal;
int myskin;
int skindepth = 8;
int oldskin = 1;
char skinbuf[SKINBUFLEN];

// One row of the built-in table: the entry number, then the values.
struct skinrow {
  int entry;
  int posx, posy, width, height;
  int hotx, hoty, hotw, hoth;
  int srcx, srcy, srcw, srch;
  int nstates;
};

static constexpr skinrow kSkinData[SKINENTRIES] = {
    {0, 0, 0, 270, 350, 0, 0, 0, 0, 0, 0, 270, 350, 1},
    {1, 10, 30, 230, 220, 0, 0, 0, 0, 10, 30, 230, 220, 1},
    {2, 78, 12, 35, 10, 0, 0, 0, 0, 78, 12, 35, 10, 1},
    {3, 120, 12, 90, 10, 0, 0, 0, 0, 120, 12, 90, 10, 1},
    {4, 35, 257, 84, 10, 0, 0, 0, 0, 35, 257, 84, 10, 1},
    {5, 130, 257, 95, 10, 0, 0, 0, 0, 130, 257, 95, 10, 1},
    {6, 35, 270, 190, 36, 0, 0, 0, 0, 35, 270, 190, 36, 1},
    {7, 245, 30, 20, 20, 245, 30, 20, 20, 480, 160, 20, 20, 4},
    {8, 8, 260, 20, 20, 8, 260, 20, 20, 440, 160, 20, 20, 4},
    {9, 8, 290, 20, 20, 8, 290, 20, 20, 420, 160, 20, 20, 4},
    {10, 245, 8, 20, 20, 245, 8, 20, 20, 380, 160, 20, 20, 4},
    {11, 8, 315, 25, 25, 8, 315, 25, 25, 400, 240, 25, 25, 4},
    {12, 40, 320, 40, 20, 40, 320, 40, 20, 300, 80, 40, 20, 4},
    {13, 80, 320, 40, 20, 80, 320, 40, 20, 340, 80, 40, 20, 4},
    {14, 120, 320, 40, 20, 120, 320, 40, 20, 300, 160, 40, 20, 4},
    {15, 245, 60, 20, 20, 245, 60, 20, 20, 340, 0, 20, 20, 4},
    {16, 245, 100, 20, 20, 245, 100, 20, 20, 380, 0, 20, 20, 4},
    {17, 245, 80, 20, 20, 245, 80, 20, 20, 360, 0, 20, 20, 4},
    {18, 50, 8, 20, 20, 50, 8, 20, 20, 320, 0, 20, 20, 4},
    {19, 8, 8, 20, 20, 8, 8, 20, 20, 300, 0, 20, 20, 4},
    {20, 245, 120, 20, 20, 245, 120, 20, 20, 400, 0, 20, 20, 4},
    {21, 245, 140, 20, 20, 245, 140, 20, 20, 420, 0, 20, 20, 4},
    {22, 245, 160, 20, 20, 245, 160, 20, 20, 440, 0, 20, 20, 4},
    {23, 245, 180, 20, 20, 245, 180, 20, 20, 380, 80, 20, 20, 4},
    {24, 245, 220, 20, 20, 245, 220, 20, 20, 400, 80, 20, 20, 4},
    {25, 220, 8, 20, 20, 220, 8, 20, 20, 400, 160, 20, 20, 4},
    {26, 235, 265, 25, 25, 235, 265, 25, 25, 300, 240, 25, 25, 4},
    {27, 235, 290, 25, 25, 235, 290, 25, 25, 325, 240, 25, 25, 4},
    {28, 210, 315, 25, 25, 210, 315, 25, 25, 375, 240, 25, 25, 4},
    {29, 235, 315, 25, 25, 235, 315, 25, 25, 350, 240, 25, 25, 4},
    {30, 160, 320, 40, 20, 160, 320, 40, 20, 340, 160, 40, 20, 4},
    {31, 245, 240, 20, 20, 245, 240, 20, 20, 460, 160, 20, 20, 4},
    {32, 12, 226, 20, 20, 12, 226, 20, 20, 425, 240, 20, 20, 4},
    {33, 32, 226, 20, 20, 32, 226, 20, 20, 445, 240, 20, 20, 4},
    {34, 195, 226, 20, 20, 195, 250, 20, 20, 485, 240, 20, 20, 4},
    {35, 215, 226, 20, 20, 215, 250, 20, 20, 505, 240, 20, 20, 4},
    {36, 245, 200, 20, 20, 245, 200, 20, 20, 460, 0, 20, 20, 4},
    {37, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {38, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {39, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {40, 300, 340, 7, 10, 0, 0, 0, 0, 300, 340, 32, 3, 0},
    {41, 0, 350, 270, 21, 0, 0, 0, 0, 0, 350, 270, 21, 1},
    {42, 420, 80, 40, 20, 0, 0, 0, 0, 420, 80, 40, 20, 4},
    {43, 460, 80, 60, 20, 0, 0, 0, 0, 460, 80, 60, 20, 4},
    {44, 270, 270, 14, 14, 0, 0, 0, 0, 270, 270, 14, 14, 2},
    {45, 285, 270, 14, 14, 0, 0, 0, 0, 285, 270, 14, 14, 2},
    {46, 270, 300, 24, 24, 0, 0, 0, 0, 270, 300, 24, 24, 2},
    {47, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {48, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {49, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {50, 270, 300, 8, 8, 0, 0, 0, 0, 270, 300, 8, 8, 1},
    {51, 270, 316, 8, 8, 0, 0, 0, 0, 270, 316, 8, 8, 1},
    {52, 286, 300, 8, 8, 0, 0, 0, 0, 286, 300, 8, 8, 1},
    {53, 286, 316, 8, 8, 0, 0, 0, 0, 286, 316, 8, 8, 1},
    {54, 270, 308, 8, 8, 0, 0, 0, 0, 270, 308, 8, 8, 1},
    {55, 278, 300, 8, 8, 0, 0, 0, 0, 278, 300, 8, 8, 1},
    {56, 286, 308, 8, 8, 0, 0, 0, 0, 286, 308, 8, 8, 1},
    {57, 278, 316, 8, 8, 0, 0, 0, 0, 278, 316, 8, 8, 1},
    {58, 278, 308, 8, 8, 0, 0, 0, 0, 278, 308, 8, 8, 1},
    {59, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

// Every row names its own entry: checked when the program is built, so a
// misordered table can never reach a user.
static constexpr bool rowsinorder() {
  for (int e = 0; e < SKINENTRIES; e++)
    if (kSkinData[e].entry != e) return false;
  return true;
}
static_assert(rowsinorder(), "Error in default skin: rows out of order");

const char *const skintext[SKINENTRIES] = {
    "",    "",    "",    "",    "",    "",   "",    "Sk",  "N",   "W",     "X",    "P",  "Track", "Inch", "Jog",
    "*?",  "A?",  "AST", "In",  "Out", "D+", "Cur", "ccd", "app", "<>",    "_",    "^",  "v",     "<",    ">",
    "slew", "C",  "J",   "I",   "i",   "j",  "G",   "",    "",    "",      "",     "",   "",      "",     "x",
    "",    "",    "",    "",    "",    "",   "",    "",    "",    "",      "",     "",   "",      "",     ""};

const char *const skinname[SKINENTRIES] = {
    "TELESCOPE SKIN", "TELESCOPE MASK", "EYEPIECE MAG 5 char", "FIELD OF VIEW 12 char", "RA COORD 12 char",
    "DEC COORD 13 char", "INFO DISPLAY 4x25", "CHANGE SKIN", "NORTH ORIENTATION", "EAST/WEST ORIENTATION",
    "ON/OFF SWITCH", "PAUSE SLEW", "TRACKER", "INCH", "JOG", "STAR IDENTIFY", "ASTEROID NAMES",
    "ASTEROID PLOT ENABLE", "ZOOMIN VIEW   KEY '4'", "ZOOMOUT VIEW  KEY '3'", "DAILY MOVEMENT", "CURSOR",
    "CCD FRAME", "APPULSE SPAN", "RIGH/TLEFT SHIFT", "MAXIMIZE", "UP SLEW AltX=300", "DOWN SLEW", "LEFT SLEW",
    "RIGHT SLEW", "SLEW ENABLE", "COLOUR SELECT", "left JOG", "left INCH", "right INCH", "right JOG",
    "Grid display", " no display", " no display", " no display", "FONT", "GUI TITLE", "GUI BUTTON", "Heading",
    "FLAG ticked", "FLAG blank", "46", "47", "48", "49", "UPLEFTCORNER", "LOWLEFT", "UPRIGHTCORNER", "LOWRIGHT",
    "LEFTEDGE", "TOPEDGE", "RIGHTEDGE", "BOTTOMEDGE", "CENTRE", ""};

enum { SKINVALUES = 13, DEFSKINW = 530, DEFSKINH = 372, FONTROWS = 3, FONTCOLUMNS = 32 };

int setskinprogram() {
  static const int kToggles[] = {8, 9, 10, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
  for (int e : kToggles)
    if (skin[e].nstates > 0) skin[e].state = SKINOFF;
  return 0;
}

// The values of an entry in file order.
static void setvalues(skinentry &s, const int v[SKINVALUES]) {
  int *f[SKINVALUES] = {&s.posx, &s.posy, &s.width, &s.height, &s.hotx, &s.hoty, &s.hotw,
                        &s.hoth, &s.srcx, &s.srcy, &s.srcw,  &s.srch, &s.nstates};
  for (int k = 0; k < SKINVALUES; k++) *f[k] = v[k];
}

int getskinline(FILE *f) {
  int n = 0, c;
  while ((c = fgetc(f)) != EOF && c != '\n') {
    if (c == '\r') continue;
    if (n < SKINBUFLEN - 1) skinbuf[n++] = (char)c;
  }
  skinbuf[n] = 0;
  // A last line without its line end does not count, nor does a read error.
  if (c == EOF) return 0;
  return n == 0 || skinbuf[0] == 0 ? 1 : (unsigned char)skinbuf[0];
}

int parseskinline(int *e, int v[SKINVALUES]) {
  const char *p = skinbuf;
  int count = 0;
  for (; count < SKINVALUES + 1; count++) {
    char *end;
    errno = 0;
    long x = strtol(p, &end, 10);
    if (end == p) break;
    // Values far outside any screen (or beyond long) make the line unusable.
    if (errno == ERANGE || x > SKINVALUEMAX || x < -SKINVALUEMAX) x = SKINVALUEMAX + 1;
    if (count == 0)
      *e = (int)x;
    else
      v[count - 1] = (int)x;
    p = end;
  }
  return count;
}

// A line whose values no skin can use: sizes or image positions negative,
// values beyond any screen, or more state images than any skin draws.
static bool skinvaluesok(const int v[SKINVALUES]) {
  for (int k = 0; k < SKINVALUES; k++)
    if (v[k] > SKINVALUEMAX || v[k] < -SKINVALUEMAX) return false;
  static const int kNonNegative[] = {2, 3, 6, 7, 8, 9, 10, 11};
  for (int k : kNonNegative)
    if (v[k] < 0) return false;
  return v[12] >= 0 && v[12] <= SKINSTATESMAX;
}

static int skinrefused;  // entry lines of the last table read that were refused
static bool skincut;     // the last table read ended inside a line

int readskintable(FILE *f) {
  for (skinentry &s : skin) s.nstates = 0;
  int numbers = 0;
  skinrefused = 0;
  while (getskinline(f)) {
    if (strlen(skinbuf) < SKINLINEMIN || skinbuf[0] == ';') continue;
    int e = -1, v[SKINVALUES];
    numbers = parseskinline(&e, v);
    if (numbers < SKINVALUES + 1 || e < 0 || e >= SKINENTRIES) continue;
    if (!skinvaluesok(v)) {
      skinrefused++;
      continue;
    }
    setvalues(skin[e], v);
    skin[e].state = 0;
    skin[e].reserved = 0;
  }
  // Every line the program writes ends with its line feed: text after the
  // last one is a file cut short.
  skincut = skinbuf[0] != 0;
  setskinprogram();
  if (skin[SKINMPPLOT].nstates > 0) skin[SKINMPPLOT].state = SKINON;
  return numbers;
}

int readskinfile(const char *filename) {
  char path[256];
  getfilename(path, filename);
  FILE *f = fopen(path, "rb");
  if (!f) {
    myskin = 0;
    return MPfail(FAILREAD, path);
  }
  myskin = 1;
  int numbers = readskintable(f);
  fclose(f);
  char text[300];
  int len = snprintf(text, sizeof text, "%d Skin loaded in %.200s", numbers, filename);
  if (skinrefused)
    len += snprintf(text + len, sizeof text - len, " (%d lines out of range ignored)", skinrefused);
  if (skincut) snprintf(text + len, sizeof text - len, " (cut short: its last line is unfinished)");
  MPOKay(OKLOADED, text);
  return 0;
}

// The part of skinbmp that entry e is drawn from: its left and top, and
// the right and bottom edges it needs. Returns false for an entry no
// operation draws.
static bool skinsource(int e, int *x, int *y, int *x2, int *y2) {
  const skinentry &s = skin[e];
  *x = s.srcx;
  *y = s.srcy;
  *x2 = s.srcx + s.width;
  *y2 = s.srcy + s.nstates * s.height;
  if (e == SKINVIEW) {
    *y2 = s.srcy + s.height;
  } else if (e == SKINFONT) {
    *x2 = s.srcx + FONTCOLUMNS * s.width;
    *y2 = s.srcy + FONTROWS * s.height;
  } else if (e == SKINTITLE || e == SKINHEADING || e == SKINLISTBOX) {
    // The window pieces are cut from their own rectangle.
    *x = s.posx;
    *y = s.posy;
    *x2 = s.posx + s.width;
    *y2 = s.posy + (e == SKINHEADING ? 2 : (e == SKINTITLE ? 1 : s.nstates)) * s.height;
  } else if (e > SKINFONT) {
    return false;
  }
  return true;
}

// Checks that the images hold everything the table draws from them, and
// that the skin has a view area. Writes the reason into why.
static bool skinfitsimage(int w, int h, char *why, size_t whylen) {
  if (!skinexists(SKINWHOLE) || !skinexists(SKINVIEW) || skin[SKINVIEW].width < 1 || skin[SKINVIEW].height < 1) {
    snprintf(why, whylen, "the table has no skin or no view area (entries 0 and 1)");
    return false;
  }
  for (int e = 0; e < SKINENTRIES; e++) {
    int x, y, x2, y2;
    if (!skinexists(e)) continue;
    if (!skinsource(e, &x, &y, &x2, &y2)) continue;
    if (x < 0 || y < 0 || x2 > w || y2 > h) {
      snprintf(why, whylen, "entry %d needs (%d,%d)-(%d,%d) of a %d x %d image", e, x, y, x2, y2, w, h);
      return false;
    }
  }
  return true;
}

// At 8 bits the image's own palette indexes are mapped to the nearest
// colours of the program palette; index 0 stays the transparent colour.
static void remaptopalette(BITMAP *bmp) {
  unsigned char map[256];
  map[0] = 0;
  for (int i = 1; i < 256; i++) map[i] = (unsigned char)bestfit_color(palx, skinpal[i].r, skinpal[i].g, skinpal[i].b);
  for (int y = 0; y < bmp->h; y++)
    for (int x = 0; x < bmp->w; x++) _putpixel(bmp, x, y, map[_getpixel(bmp, x, y)]);
}

// Refuses the images (message in mperror, default skin built).
static bool refuseimages(const char *path, const char *why) {
  char text[sizeof mperror];
  snprintf(text, sizeof text, "%.120s: %.120s", path, why);
  MPfail(FAILREAD, text);
  initdefaultskin(skindepth);
  return false;
}

bool loadskinfile(const char *filename) {
  char path[256], why[160];
  getfilename(path, filename);
  if (skinbmp) destroy_bitmap(skinbmp);
  skinbmp = nullptr;
  int w, h;
  // The size is read from the header first: a huge image is refused
  // before any memory is taken for it.
  int head = imagefilesize(path, &w, &h);
  if (head == IMAGEUNKNOWN) return refuseimages(path, "missing, or not a PCX or BMP image");
  if (w < 1 || h < 1 || w > SKINIMAGEMAX || h > SKINIMAGEMAX) {
    snprintf(why, sizeof why, "image of %d x %d, larger than %d x %d", w, h, SKINIMAGEMAX, SKINIMAGEMAX);
    return refuseimages(path, why);
  }
  if (head == IMAGEDAMAGED)
    return refuseimages(path, "cut short, compressed, or not 8-bit PCX / uncompressed BMP");
  BITMAP *bmp = load_bitmap(path, skinpal);
  if (!bmp) return refuseimages(path, "the image cannot be read");
  if (!skinfitsimage(bmp->w, bmp->h, why, sizeof why)) {
    destroy_bitmap(bmp);
    return refuseimages(path, why);
  }
  if (bitmap_color_depth(bmp) == 8 && get_color_depth() == 8) remaptopalette(bmp);
  skinbmp = bmp;
  myskin = 1;
  return true;
}

// Draws the label t in colour c at the offsets (ox, oy) inside a box.
static void boxlabel(int x, int y, int ox, int oy, const char *t, int c) {
  textout_ex(skinbmp, allegrofont(), t, x + ox, y + oy, c, -1);
}

// The button faces: on the skin, and the state images in the sheet.
static void drawdefaultbuttons() {
  FONT *f = allegrofont();
  for (int e = SKINCHANGE; e < 50; e++) {
    const skinentry &s = skin[e];
    if (s.nstates == 0) continue;
    const char *t = skintext[e];
    int ox = (s.width - text_length(f, t)) / 2, oy = (s.height - text_height(f)) / 2;
    drawskinbox(skinbmp, s.posx, s.posy, s.width, s.height);
    boxlabel(s.posx, s.posy, ox, oy, t, colour[PALGREY]);
    static const int kFace[4] = {PALGREY, PALDARKBLUE, PALRED, PALDARKRED};
    for (int k = 0; k < s.nstates && k < 4; k++) {
      int y = s.srcy + k * s.srch;
      if (k < 2)
        drawskinbox(skinbmp, s.srcx, y, s.srcw, s.srch);
      else
        drawskinpush(skinbmp, s.srcx, y, s.srcw, s.srch);
      boxlabel(s.srcx, y, ox, oy, t, colour[kFace[k]]);
    }
  }
}

// Bytes written through an Allegro PACKFILE into memory, so an image can
// be compared with the file before anything is written.
struct MemoryFile {
  unsigned char *data;
  long size, cap;
  bool failed;
};

static long memwrite(const void *p, long n, void *userdata) {
  MemoryFile *m = static_cast<MemoryFile *>(userdata);
  if (n < 0 || m->failed) return 0;
  if (m->size + n > m->cap) {
    long cap = m->cap ? m->cap : 65536;
    while (cap < m->size + n) cap *= 2;
    unsigned char *grown = static_cast<unsigned char *>(realloc(m->data, cap));
    if (!grown) {
      m->failed = true;
      return 0;
    }
    m->data = grown;
    m->cap = cap;
  }
  memcpy(m->data + m->size, p, n);
  m->size += n;
  return n;
}
static int memputc(int c, void *userdata) {
  unsigned char b = (unsigned char)c;
  return memwrite(&b, 1, userdata) == 1 ? c : EOF;
}
static int memclose(void *) { return 0; }
static int memgetc(void *) { return EOF; }
static int memungetc(int, void *) { return EOF; }
static long memread(void *, long, void *) { return 0; }
static int memseek(void *, int) { return -1; }
static int memeof(void *) { return 1; }
static int memerror(void *userdata) { return static_cast<MemoryFile *>(userdata)->failed; }
static const PACKFILE_VTABLE kMemoryFile = {memclose, memgetc, memungetc, memread, memputc,
                                            memwrite, memseek,  memeof,   memerror};

// Saves the default images beside the program when the file there is
// missing or differs (a start on a read-only or full disk writes nothing
// when nothing changed). Returns 0, or FAILWRITE with the file named in
// mperror and in skinwritefault.
static int savedefaultskin(int depth) {
  char path[256];
  getfilename(path, depth <= 8 ? "defskin8.bmp" : "defskin.bmp");
  MemoryFile m = {nullptr, 0, 0, false};
  PACKFILE *pf = pack_fopen_vtable(&kMemoryFile, &m);
  bool ok = pf && save_bmp_pf(pf, skinbmp, skinpal) == 0;
  if (pf) pack_fclose(pf);
  ok = ok && !m.failed && writeifchanged(path, m.data, (size_t)m.size) == 0;
  free(m.data);
  if (ok) return 0;
  snprintf(skinwritefault, sizeof skinwritefault, "Error writing file: %.200s", path);
  return MPfail(FAILWRITE, path);
}

// After a write failure set in mperror, puts the message that stood
// before it (why the skin is what it is) in front, so neither is lost.
static void keepearlier(const char *before) {
  if (!before[0]) return;
  char failure[sizeof mperror];
  snprintf(failure, sizeof failure, "%s", mperror);
  snprintf(mperror, sizeof mperror, "%.120s; %.120s", before, failure);
}

int initdefaultskin(int depth) {
  // The view area is left in the transparent colour so the view shows
  // through the mask.
  int c = depth <= 8 ? colour[PALBLACK] : colour[PALMASK];
  int saved = 0;
  for (int e = 0; e < SKINENTRIES; e++) {
    const skinrow &r = kSkinData[e];
    const int v[SKINVALUES] = {r.posx, r.posy, r.width, r.height, r.hotx, r.hoty, r.hotw,
                               r.hoth, r.srcx, r.srcy, r.srcw,  r.srch, r.nstates};
    setvalues(skin[e], v);
    skin[e].state = 0;
    skin[e].reserved = 0;
  }
  setskinprogram();
  skin[SKINMPPLOT].state = SKINON;
  if (skinbmp) destroy_bitmap(skinbmp);
  skinbmp = create_bitmap(DEFSKINW, DEFSKINH);
  if (skinbmp) {
    clear_to_color(skinbmp, colour[PALMAGENTA]);
    const skinentry &w = skin[SKINWHOLE];
    drawskinbox(skinbmp, w.posx, w.posy, w.width, w.height);
    rectfill(skinbmp, w.posx + 1, w.posy + 1, w.posx + w.width - 2, w.posy + w.height - 2, colour[PALLIGHTGREY]);
    for (int e = SKINVIEW; e <= SKININFOCELL; e++) {
      const skinentry &s = skin[e];
      drawskindial(skinbmp, s.posx - 2, s.posy - 2, s.width + 4, s.height + 4);
    }
    const skinentry &v = skin[SKINVIEW];
    rectfill(skinbmp, v.posx, v.posy, v.posx + v.width - 1, v.posy + v.height - 1, c);
    drawdefaultbuttons();
    get_palette(skinpal);
    char before[sizeof mperror];
    snprintf(before, sizeof before, "%s", mperror);
    saved = savedefaultskin(depth);
    if (saved) keepearlier(before);
  }
  oldskin = 0;
  myskin = 0;
  skindepth = depth;
  return saved;
}

int makeskindata(const char *filename) {
  char path[256];
  getfilename(path, filename);
  enum { LISTINGLINE = 160 };
  static char text[SKINENTRIES * LISTINGLINE];
  int len = 0;
  for (int e = 0; e < SKINENTRIES; e++) {
    const skinentry &s = skin[e];
    int n = snprintf(text + len, LISTINGLINE, "%2d,%3d,%3d,%3d,%3d,%3d,%3d,%3d,%3d,%3d,%3d,%3d,%3d,%d,// %s \n", e,
                     s.posx, s.posy, s.width, s.height, s.hotx, s.hoty, s.hotw, s.hoth, s.srcx, s.srcy, s.srcw, s.srch,
                     s.nstates, skinname[e]);
    len += n < LISTINGLINE ? n : LISTINGLINE - 1;
  }
  // Written only when missing or different: most starts change nothing.
  if (writeifchanged(path, text, (size_t)len) == 0) return 0;
  snprintf(skinwritefault, sizeof skinwritefault, "Error writing file: %.200s", path);
  return 1;
}

char skinwritefault[SKINFAULTLEN];

int initskin(int depth, const char *name) {
  skinwritefault[0] = 0;
  char file[64];
  snprintf(file, sizeof file, "%.40s.skt", name);
  if (readskinfile(file) == 0) {
    // Images that fail to load give a default skin of this load's depth.
    skindepth = depth;
    char message[sizeof mperror];
    snprintf(message, sizeof message, "%s", mperror);
    snprintf(file, sizeof file, "%.40s.%s", name, depth <= 8 ? "pcx" : "bmp");
    if (loadskinfile(file)) {
      snprintf(file, sizeof file, "%.40s.inc", name);
      if (makeskindata(file) != 0) {
        char path[256];
        getfilename(path, file);
        MPfail(FAILWRITE, path);
        keepearlier(message);
      } else {
        snprintf(mperror, sizeof mperror, "%s", message);
      }
    }
  } else {
    initdefaultskin(depth);
  }
  updateGUIskins();
  return 0;
}

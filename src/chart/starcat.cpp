#include "chart/starcat.h"

#include <allegro.h>

#include <climits>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/constants.h"
#include "chart/ccd.h"
#include "chart/projection.h"
#include "chart/starnames.h"
#include "chart/starpix.h"
#include "minorplanets/calcall.h"
#include "base/status.h"
#include "base/settings.h"
#include "skins/skin.h"
#include "timefmt/angles.h"
#include "screen/display.h"
#include "screen/layout.h"

starrec star[MAXSTARS];
starcalc calcstar[MAXSTARS];
int Snum7, Snum8, Snum9, Snum10;
int Snum, iTotStars;
int iStar;
int32_t starnum[SKYBLOCKS], staridx[SKYBLOCKS];
int32_t starnum8[SKYBLOCKS], staridx8[SKYBLOCKS];
int32_t starnum9[SKYBLOCKS], staridx9[SKYBLOCKS];
int32_t starnum10[SKYBLOCKS], staridx10[SKYBLOCKS];
int iStarIndexed;
int catnum;
char StarCatID[4] = "TYC";
int32_t catlen;
int iStarRejected;

static int maxmagclass;  // highest magnitude class loaded since start-up

struct CatalogueFiles {
  const char *id, *indexed, *fallback;
};
static const CatalogueFiles kCatalogues[3] = {
    {"TYC", "tycstar.bin", "tycstar7.bin"},
    {"HIP", "hipstar.bin", "hipstar7.bin"},
    {"PPM", "ppmstar.bin", "ppmdat.bin"},
};

// Channel factors and image row by spectral class; the red factor applies
// only below redlimit, so that bright cool stars do not pass 255.
struct SpectralTint {
  char cls;
  double red, green, blue;
  int redlimit, row;
};
static const SpectralTint kTints[] = {
    {'O', 0.5, 0.75, 1.0, 256, 0},  {'B', 0.68, 0.85, 1.0, 256, 1}, {'A', 0.85, 1.0, 1.0, 256, 2},
    {'F', 1.0, 1.0, 0.9, 256, 3},   {'G', 1.0, 0.9, 0.75, 256, 4},  {'K', 1.07, 0.8, 0.65, 240, 5},
    {'M', 1.1, 0.45, 0.35, 230, 6}, {'R', 1.2, 0.25, 0.0, 210, 7},  {'N', 1.2, 0.25, 0.0, 210, 7},
};

int *const layersize[STARLAYERS] = {&Snum7, &Snum8, &Snum9, &Snum10};
int32_t *const layernum[STARLAYERS] = {starnum, starnum8, starnum9, starnum10};
int32_t *const layeridx[STARLAYERS] = {staridx, staridx8, staridx9, staridx10};

int starplausible(const starrec &s) {
  if (!(s.rahours >= 0.0f && s.rahours <= 24.0f)) return 0;  // false for NaN too
  if (!(s.decdeg >= -90.0f && s.decdeg <= 90.0f)) return 0;
  return s.mag100 >= MINSTARMAG100 && s.mag100 <= MAXSTARMAG100;
}

int calcstardata(int i) {
  const starrec &s = star[i];
  starcalc &c = calcstar[i];
  c.decrad = (float)(s.decdeg * dDEGTORAD);
  c.rarad = (float)(s.rahours * dRATORAD);
  c.cosdec = (float)cos(s.decdeg * dDEGTORAD);
  c.sindec = (float)sin(s.decdeg * dDEGTORAD);
  // +90 and 24 h belong to the last band and hour.
  c.block = skyblock(s.rahours, s.decdeg);
  c.dotsize = (910 - s.mag100) / 100;
  if (c.dotsize < 0) c.dotsize = 0;
  int m = (s.mag100 + 300) / 100;
  if (m < 0) m = 0;
  if (m > maxmagclass) maxmagclass = m;
  if (m > 15) m = 15;
  int v = clampint(300 - s.mag100 / 4, 30, 255);
  int red = v, green = v, blue = v, row = 0;
  for (const SpectralTint &t : kTints) {
    if (t.cls != s.spclass) continue;
    red = v < t.redlimit ? (int)(v * t.red) : v;
    green = (int)(v * t.green);
    blue = (int)(v * t.blue);
    row = t.row;
    break;
  }
  c.starcolour = makecol(red, green, blue);
  c.imagecell = m * 32 + (row * 32) * 65536;
  return maxmagclass;
}

static bool readint(FILE *f, int32_t *v) { return fread(v, sizeof *v, 1, f) == 1; }

// A catalogue as read from a file, before it replaces the one in use.
// Records that cannot be real are dropped as they are read; file
// positions (where the block indexes point) map to kept records through
// prefix.
struct StagedCatalogue {
  starrec stars[MAXSTARS];
  int32_t prefix[MAXSTARS + 1];  // records kept before each file position
  int32_t num[STARLAYERS][SKYBLOCKS], idx[STARLAYERS][SKYBLOCKS];
  int count[STARLAYERS];  // records kept per layer
  int kept;      // records kept in all
  int examined, rejected;
  int indexed;
  bool hascatlen;
  int32_t catlen;
  long filesize;
  char fault[STARFAULTLEN];  // why the file cannot be used, or ""
};
static StagedCatalogue staged;

enum { READCHUNK = 1024 };  // records per read

// Reads a layer's count records from file position first; records beyond
// the capacity are skipped. Returns the file records read; *whole is false
// when the count is negative or the records end early.
static int readlayer(FILE *f, int first, int32_t count, bool *whole) {
  StagedCatalogue &c = staged;
  *whole = count >= 0;
  c.prefix[first] = c.kept;
  if (count <= 0) return 0;
  int room = MAXSTARS - first;
  int keep = count < room ? count : room;
  int got = 0;
  starrec chunk[READCHUNK];
  while (got < keep) {
    int want = keep - got < READCHUNK ? keep - got : READCHUNK;
    int n = (int)fread(chunk, sizeof(starrec), want, f);
    for (int i = 0; i < n; i++, got++) {
      c.prefix[first + got] = c.kept;
      c.examined++;
      if (starplausible(chunk[i]))
        c.stars[c.kept++] = chunk[i];
      else
        c.rejected++;
    }
    if (n < want) break;
  }
  c.prefix[first + got] = c.kept;
  if (got < keep) *whole = false;
  if (*whole && count > keep && fseek(f, (long)(count - keep) * (long)sizeof(starrec), SEEK_CUR) != 0)
    *whole = false;
  return got;
}

// Reads the block index of layer n; a short read leaves it empty.
static bool readindex(FILE *f, int n) {
  bool ok = fread(staged.num[n], sizeof staged.num[n], 1, f) == 1 &&
            fread(staged.idx[n], sizeof staged.idx[n], 1, f) == 1;
  if (!ok) {
    memset(staged.num[n], 0, sizeof staged.num[n]);
    memset(staged.idx[n], 0, sizeof staged.idx[n]);
  }
  return ok;
}

// Cuts every block entry of layer n to the got records the layer has from
// file position first on, then points it at the records kept.
static void clipindex(int n, int first, int got) {
  int end = first + got;
  for (int b = 0; b < SKYBLOCKS; b++) {
    int32_t &cnt = staged.num[n][b], &idx = staged.idx[n][b];
    if (cnt <= 0 || idx < first || idx >= end) {
      cnt = 0;
      idx = first;
    } else if (cnt > end - idx) {
      cnt = end - idx;
    }
    int32_t from = staged.prefix[idx], to = staged.prefix[idx + cnt];
    idx = from;
    cnt = to - from;
  }
}

// Notes the first fault of the staged file (later ones follow from it).
__attribute__((format(printf, 1, 2))) static void stagefault(const char *fmt, ...) {
  if (staged.fault[0]) return;
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(staged.fault, sizeof staged.fault, fmt, ap);
  va_end(ap);
}

// Reads one layer into the staged catalogue from file position first,
// after checking its count against the bytes left in the file. Returns the
// file records read; *whole is false for a fault (noted).
static int stagelayer(FILE *f, int n, int first, int32_t count, bool *whole) {
  int before = staged.kept;
  long left = staged.filesize - ftell(f);
  if (count < 0) {
    stagefault("impossible star count %d", (int)count);
    *whole = false;
    return 0;
  }
  if ((long)count > left / (long)sizeof(starrec)) {
    stagefault("cut short: %ld of %d stars", left / (long)sizeof(starrec), (int)count);
    *whole = false;
    return 0;
  }
  int got = readlayer(f, first, count, whole);
  if (!*whole) stagefault("cut short: %d of %d stars", got, (int)count);
  staged.count[n] = staged.kept - before;
  return got;
}

// Layers 8, 9 and 10 of an indexed file, after the layer-7 index.
static void readupperlayers(FILE *f, int first) {
  for (int n = 1; n < 4; n++) {
    int32_t count;
    if (!readint(f, &count)) return;
    if (n == 3 && count == 0) return;
    bool whole;
    int got = stagelayer(f, n, first, count, &whole);
    if (!whole) return;
    if (!readindex(f, n)) {
      stagefault("cut short in the index of layer %d", 7 + n);
      return;
    }
    clipindex(n, first, got);
    first += got;
  }
}

// Reads the file at f (indexed or one layer) into the staged catalogue.
static void stagecatalogue(FILE *f, bool isindexed) {
  StagedCatalogue &c = staged;
  c.kept = c.examined = c.rejected = 0;
  c.indexed = 0;
  c.hascatlen = false;
  c.fault[0] = 0;
  memset(c.count, 0, sizeof c.count);
  // A one-layer file has no index: none of the previous catalogue's stays.
  memset(c.num, 0, sizeof c.num);
  memset(c.idx, 0, sizeof c.idx);
  c.filesize = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  if (c.filesize < 0 || fseek(f, 0, SEEK_SET) != 0) c.filesize = 0;  // a directory, or unreadable
  int32_t count;
  bool whole = false;
  int got = 0;
  if (!readint(f, &count)) {
    stagefault("empty or unreadable");
    return;
  }
  got = stagelayer(f, 0, 0, count, &whole);
  if (isindexed && whole && readindex(f, 0)) {
    c.indexed = 1;
    clipindex(0, 0, got);
    c.hascatlen = readint(f, &c.catlen);
    if (c.hascatlen) readupperlayers(f, got);
  }
}

// Makes the staged catalogue the one in use.
static void commitcatalogue() {
  const StagedCatalogue &c = staged;
  memcpy(star, c.stars, sizeof(starrec) * c.kept);
  for (int n = 0; n < 4; n++) {
    *layersize[n] = c.count[n];
    memcpy(layernum[n], c.num[n], sizeof c.num[n]);
    memcpy(layeridx[n], c.idx[n], sizeof c.idx[n]);
  }
  iStarIndexed = c.indexed;
  if (c.hascatlen) catlen = c.catlen;
  iStarRejected = c.rejected;
  iTotStars = Snum = c.kept;
  for (int i = 0; i < Snum; i++) calcstardata(i);
  iHI[STARRECORD] = iTotStars - 1;
}

// Stages the file at path and commits it when it is sound; else notes the
// fault in starfault. Returns 0, 2 when it cannot be opened, 3 refused.
static int loadonefile(const char *path, bool isindexed) {
  FILE *f = fopen(path, "rb");
  if (!f) return 2;
  stagecatalogue(f, isindexed);
  fclose(f);
  // Random bytes or another kind of file: the stars in use stay.
  if (!staged.fault[0] && 2 * staged.rejected > staged.examined)
    stagefault("%d of %d records cannot be real stars", staged.rejected, staged.examined);
  if (!staged.fault[0] && staged.kept == 0) stagefault("no star in it");
  if (staged.fault[0]) {
    snprintf(starfault, sizeof starfault, "%s", staged.fault);
    return 3;
  }
  commitcatalogue();
  return 0;
}

char starfault[STARFAULTLEN];

int loadstarfile(const char *indexed, const char *fallback, const char **opened) {
  starfault[0] = 0;
  if (opened) *opened = indexed;
  int r = loadonefile(indexed, true);
  if (r == 0 || !fallback || strcmp(fallback, indexed) == 0) return r == 0 ? 0 : 2;
  // The one-layer file stands in for a missing or refused indexed one.
  // When both fail, the fallback's fault is reported unless it is simply
  // missing and the indexed file was refused.
  char first[STARFAULTLEN];
  snprintf(first, sizeof first, "%s", starfault);
  int r7 = loadonefile(fallback, false);
  if (r7 == 0) return 0;
  if (r7 == 2 && r == 3)
    snprintf(starfault, sizeof starfault, "%s", first);
  else if (opened)
    *opened = fallback;
  return 2;
}

// The catalogue title on the video buffer.
static void drawcatalogtitle(const char *title) {
  if (!VIDbmp) return;
  // Right after the JD line's box, which grows with the cell width (at
  // 640 x 480 this is x = 358).
  int x = 2 * HORScale + JDLINEWIDTH + 1;
  rectfill(VIDbmp, x, 3 * VRTScale + 1, x + TITLEWIDTH, 4 * VRTScale - 2, colour[PALGREY]);
  textout_ex(VIDbmp, font, title, x + 2, 3 * VRTScale + 4, colour[PALWHITE], -1);
}

int readskycatalog(int catalogue) {
  const char *indexed = "hipstar.bin", *fallback = "hipstar.bin", *id = StarCatID;
  bool known = catalogue >= 0 && catalogue < 3;
  if (known) {
    const CatalogueFiles &c = kCatalogues[catalogue];
    id = c.id;
    indexed = c.indexed;
    fallback = c.fallback;
  }
  char path[256], path7[256];
  getfilename(path, indexed);
  getfilename(path7, fallback);
  const char *opened = fallback;
  if (loadstarfile(path, path7, &opened) != 0) {
    const char *name = opened == path ? indexed : fallback;
    if (!starfault[0]) return MPfail(FAILREAD, name);
    char text[128];
    snprintf(text, sizeof text, "%s, %s", name, starfault);
    MPfail(FAILDAMAGED, text);
    return 2;
  }
  // Only a catalogue that loaded names the stars in use.
  if (known) catnum = catalogue;
  if (id != StarCatID) snprintf(StarCatID, sizeof StarCatID, "%s", id);
  joinstarnames();
  char title[32], text[200];
  snprintf(title, sizeof title, " %s Star Catalog", StarCatID);
  drawcatalogtitle(title);
  int len = snprintf(text, sizeof text, "Found %d stars to class %d in %s", Snum, maxmagclass, title + 1);
  if (iStarRejected > 0)
    len += snprintf(text + len, sizeof text - len, ", %d impossible records skipped", iStarRejected);
  // The indexed file was refused and its one-layer file stood in.
  if (starfault[0] && len < (int)sizeof text)
    snprintf(text + len, sizeof text - len, " (%s refused: %s)", indexed, starfault);
  MPOKay(OKDONE, text);
  return 0;
}

int Starinit(int catalogue) {
  starimagefault[0] = 0;
  iGottapix = readstarpix();
  readstarsheet();
  skymapinit();
  loadccd(iNT[CCDNUM]);
  catnum = catalogue;
  int r = readskycatalog(catalogue);
  loadstarnames();
  // At start-up there are no stars to keep: the other catalogues are
  // tried, and the report keeps the first refusal in front.
  char first[sizeof mperror];
  snprintf(first, sizeof first, "%s", mperror);
  for (int c = 0; c < 2 && r != 0; c++) {
    if (c == catalogue) continue;
    r = readskycatalog(c);
    if (r == 0) {
      char text[sizeof mperror];
      snprintf(text, sizeof text, "%.120s. %.130s", first, mperror);
      snprintf(mperror, sizeof mperror, "%s", text);
    }
  }
  // The star images' faults and a failed write of the skin files made
  // during start-up join the load report, which would hide them otherwise.
  for (const char *fault : {starimagefault, skinwritefault}) {
    if (!fault[0]) continue;
    char text[sizeof mperror];
    snprintf(text, sizeof text, "%.120s. %.130s", mperror, fault);
    snprintf(mperror, sizeof mperror, "%s", text);
  }
  return r;
}

static bool isstar(int i) { return i >= 0 && i < Snum; }

int starload(int i) {
  if (!isstar(i)) return 0;
  const starrec &s = star[i];
  iNT[STARRECORD] = i;
  iNT[STARNUMBER] = s.starno;
  dFP[STARMAG] = s.mag100 / 100.0;
  dFP[STARRA] = s.rahours;
  dFP[STARDEC] = s.decdeg;
  chSTR[STARSPECTRUM][0] = s.spclass;
  chSTR[STARSPECTRUM][1] = s.spsub;
  chSTR[STARSPECTRUM][2] = 0;
  iStar = i;
  return 0;
}

int starsave(int i) {
  if (!isstar(i)) return -1;
  starrec &s = star[i];
  s.starno = iNT[STARNUMBER];
  double mag100 = std::round(dFP[STARMAG] * 100.0);
  s.mag100 = (int16_t)(mag100 < INT16_MIN ? INT16_MIN : (mag100 > INT16_MAX ? INT16_MAX : mag100));
  s.rahours = (float)dFP[STARRA];
  s.decdeg = (float)dFP[STARDEC];
  s.spclass = chSTR[STARSPECTRUM][0];
  s.spsub = s.spclass ? chSTR[STARSPECTRUM][1] : 0;
  calcstardata(i);
  return 0;
}

int getstarname(int i, char *text) {
  int32_t no = isstar(i) ? star[i].starno : 0;
  if (no == 0) {
    snprintf(text, STARNAMELEN, "-");
  } else if (catnum == 0) {
    uint32_t u = (uint32_t)no;
    snprintf(text, STARNAMELEN, "%d-%d-%d", (int)(u >> 16), (int)((u >> 2) & 0x3FFF), (int)(u & 3));
  } else {
    snprintf(text, STARNAMELEN, "%d", no);
  }
  return no;
}

int getstarnumber(int i, char *text, double *mag) {
  int no = getstarname(i, text);
  *mag = isstar(i) ? star[i].mag100 / 100.0 : 0;
  return no;
}

int getstarpos(int i, double *rahours, double *decdeg, double *mag) {
  if (!isstar(i)) return 0;
  *rahours = star[i].rahours;
  *decdeg = star[i].decdeg;
  *mag = star[i].mag100 / 100.0;
  return 1;
}

int getstardata(int i, char *name, char *catid, double *rahours, double *decdeg, double *mag) {
  if (!isstar(i)) {
    snprintf(name, STARNAMELEN, "   ");
    snprintf(catid, 4, " ? ");
    return 0;
  }
  getstarname(i, name);
  snprintf(catid, 4, "%s", StarCatID);
  return getstarpos(i, rahours, decdeg, mag);
}

int starstring(int i, char *text) {
  char name[STARNAMELEN], id[4], ratext[ANGLETEXTLEN], dectext[ANGLETEXTLEN], sp[3] = "";
  double rahours = 0, decdeg = 0, mag = 0;
  if (getstardata(i, name, id, &rahours, &decdeg, &mag)) {
    sp[0] = star[i].spclass;
    sp[1] = star[i].spsub;
  }
  hmss(ratext, rahours);
  ddmmss(dectext, decdeg);
  // The angle texts are at most 11 characters.
  snprintf(text, 80, "%-7d %-11s  %.11s  %.11s  %5.2f  %2s", i, name, ratext, dectext, mag, sp);
  return 0;
}

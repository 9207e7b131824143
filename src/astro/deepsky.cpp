#include "astro/deepsky.h"

#include <strings.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/constants.h"
#include "base/status.h"

dsorec dso[MAXDSO];
int iNumDso;
char dsonames[DSONAMEBYTES];
int32_t dsonum[SKYBLOCKS], dsoidx[SKYBLOCKS];
char dsosource[DSOSOURCELEN + 1];
double dDsoMaxRadius;

static const char kMagic[8] = {'K', 'D', 'S', 'O', 'C', 'A', 'T', 0};
static const char kFileName[] = "deepsky.bin";
enum { MINDSOMAG100 = -200, MAXDSOMAG100 = 3000, MAXPA10 = 3600, MINNAMELEN = 4 };

struct dsohead {
  char magic[8];
  int32_t count, namebytes;
  char source[DSOSOURCELEN];
};
static_assert(sizeof(dsohead) == 64, "dsohead is the 64-byte file header");

static const char *const kTypeNames[DSOTYPES] = {
    "other",   "galaxy",          "open cluster", "globular cluster", "nebula", "planetary nebula",
    "remnant", "asterism",        "galaxy group", "star"};

// The file as read, before it replaces the catalogue in use.
static dsorec staged[MAXDSO];

static void emptycatalogue() {
  iNumDso = 0;
  dsonames[0] = 0;
  dsosource[0] = 0;
  dDsoMaxRadius = 0;
  memset(dsonum, 0, sizeof dsonum);
  memset(dsoidx, 0, sizeof dsoidx);
}

static bool printable(const char *s, int len) {
  for (int k = 0; k < len; k++)
    if (s[k] < 32 || s[k] > 126) return false;
  return true;
}

// A record that can be real, with its name offset inside namebytes bytes of
// text whose names each end in a NUL.
static bool plausible(const dsorec &d, int namebytes) {
  if (!(d.rahours >= 0.0f && d.rahours < 24.0f)) return false;  // false for NaN too
  if (!(d.decdeg >= -90.0f && d.decdeg <= 90.0f)) return false;
  if (d.mag100 != DSONOMAG && (d.mag100 < MINDSOMAG100 || d.mag100 > MAXDSOMAG100)) return false;
  if (d.pa10 != DSONOPA && (d.pa10 < 0 || d.pa10 > MAXPA10)) return false;
  if (d.type >= DSOTYPES || d.messier > MAXMESSIER) return false;
  if (d.nameoff > (uint32_t)namebytes) return false;
  // A name starts at the text's start or after the NUL of the one before.
  if (d.nameoff > 1 && dsonames[d.nameoff - 2] != 0) return false;
  int len = (int)strnlen(d.id, DSOIDLEN);
  if (len == DSOIDLEN || !printable(d.id, len)) return false;
  return len > 0 || d.messier > 0;
}

// Builds the block index, moving the staged records into dso by block
// (stable, so the file's order inside a block stays).
static void indexblocks(int count) {
  memset(dsonum, 0, sizeof dsonum);
  for (int i = 0; i < count; i++) dsonum[skyblock(staged[i].rahours, staged[i].decdeg)]++;
  int32_t next[SKYBLOCKS];
  for (int b = 0, first = 0; b < SKYBLOCKS; b++) {
    dsoidx[b] = next[b] = first;
    first += dsonum[b];
  }
  for (int i = 0; i < count; i++) dso[next[skyblock(staged[i].rahours, staged[i].decdeg)]++] = staged[i];
}

int readdeepsky(FILE *f) {
  emptycatalogue();
  dsohead h;
  if (fread(&h, sizeof h, 1, f) != 1 || memcmp(h.magic, kMagic, sizeof kMagic) != 0) return DSODAMAGED;
  if (h.count < 0 || h.count > MAXDSO || h.namebytes < 0 || h.namebytes > DSONAMEBYTES) return DSODAMAGED;
  if (h.count > 0 && fread(staged, sizeof(dsorec), h.count, f) != (size_t)h.count) return DSODAMAGED;
  if (h.namebytes > 0 && fread(dsonames, 1, h.namebytes, f) != (size_t)h.namebytes) return DSODAMAGED;
  // Nothing may follow, and the text is names ending in NULs.
  bool whole = fgetc(f) == EOF && (h.namebytes == 0 || dsonames[h.namebytes - 1] == 0);
  for (int k = 0; whole && k < h.namebytes; k++)
    if (dsonames[k] != 0 && !printable(dsonames + k, 1)) whole = false;
  for (int i = 0; whole && i < h.count; i++) whole = plausible(staged[i], h.namebytes);
  if (!whole) {
    emptycatalogue();
    return DSODAMAGED;
  }
  int srclen = (int)strnlen(h.source, DSOSOURCELEN);
  if (printable(h.source, srclen)) snprintf(dsosource, sizeof dsosource, "%.*s", srclen, h.source);
  indexblocks(h.count);
  iNumDso = h.count;
  for (int i = 0; i < iNumDso; i++)
    if (dso[i].major100 / 12000.0 > dDsoMaxRadius) dDsoMaxRadius = dso[i].major100 / 12000.0;
  return DSOOK;
}

int loaddeepsky(const char *path) {
  FILE *f = fopen(path, "rb");
  if (!f) {
    emptycatalogue();
    return DSOMISSING;
  }
  int r = readdeepsky(f);
  fclose(f);
  return r;
}

int deepskyinit() {
  char path[256], text[160];
  getfilename(path, kFileName);
  int r = loaddeepsky(path);
  if (r == DSOOK) {
    snprintf(text, sizeof text, "%d deep-sky objects (%s)", iNumDso, dsosource);
    MPOKay(OKDONE, text);
  } else {
    snprintf(text, sizeof text, "%s (%s): no deep-sky objects", kFileName, r == DSOMISSING ? "missing" : "damaged");
    MPfail(FAILREAD, text);
  }
  return r;
}

int dsoblock(int b, int *first) {
  *first = 0;
  if (b < 0 || b >= SKYBLOCKS) return 0;
  *first = dsoidx[b];
  return dsonum[b];
}

static bool isdso(int i) { return i >= 0 && i < iNumDso; }

char *dsolabel(int i, char *text) {
  if (!isdso(i))
    snprintf(text, DSOLABELLEN, "?");
  else if (dso[i].messier)
    snprintf(text, DSOLABELLEN, "M %d", dso[i].messier);
  else
    snprintf(text, DSOLABELLEN, "%.*s", DSOIDLEN, dso[i].id);
  return text;
}

const char *dsocommonname(int i) { return isdso(i) && dso[i].nameoff ? dsonames + dso[i].nameoff - 1 : ""; }

const char *dsotypename(int t) { return t >= 0 && t < DSOTYPES ? kTypeNames[t] : kTypeNames[DSOOTHER]; }

void dsosize(int i, double *majordeg, double *minordeg) {
  *majordeg = *minordeg = 0;
  if (!isdso(i)) return;
  *majordeg = dso[i].major100 / 6000.0;
  *minordeg = dso[i].minor100 ? dso[i].minor100 / 6000.0 : *majordeg;
}

int dsoswitched(int i, int messier, int ngc) {
  if (!isdso(i)) return 0;
  return (dso[i].messier ? messier : ngc) ? 1 : 0;
}

// Catalogue letters of text ("M", "NGC", "IC", any case) and the number and
// suffix after them ("31", " 7000", "61A"); false when text is no such name.
static bool catalogname(const char *text, const char *cat, int *number, const char **suffix) {
  size_t n = strlen(cat);
  if (strncasecmp(text, cat, n) != 0) return false;
  const char *p = text + n;
  while (*p == ' ') p++;
  if (!isdigit((unsigned char)*p)) return false;
  char *end;
  long v = strtol(p, &end, 10);
  if (v <= 0 || v > 99999) return false;
  *number = (int)v;
  *suffix = end;
  return true;
}

// True when one of the ", "-separated names of names equals text (any
// case), or, with part, contains it.
static bool namematches(const char *names, const char *text, bool part) {
  size_t len = strlen(text);
  for (const char *p = names; *p;) {
    const char *end = strstr(p, ", ");
    size_t n = end ? (size_t)(end - p) : strlen(p);
    if (!part && n == len && strncasecmp(p, text, n) == 0) return true;
    if (part)
      for (size_t k = 0; k + len <= n; k++)
        if (strncasecmp(p + k, text, len) == 0) return true;
    p += n;
    if (*p) p += 2;
  }
  return false;
}

int finddso(const char *text) {
  while (*text == ' ') text++;
  char want[64];
  snprintf(want, sizeof want, "%s", text);
  for (size_t n = strlen(want); n > 0 && want[n - 1] == ' ';) want[--n] = 0;
  if (!want[0]) return -1;
  int number;
  const char *suffix;
  if (catalogname(want, "M", &number, &suffix) && !*suffix) {
    for (int i = 0; i < iNumDso; i++)
      if (dso[i].messier == number) return i;
    return -1;
  }
  const char *cats[2] = {"NGC", "IC"};
  for (const char *cat : cats) {
    if (!catalogname(want, cat, &number, &suffix)) continue;
    char id[DSOIDLEN + 8];
    snprintf(id, sizeof id, "%s %d%s", cat, number, suffix);
    for (int i = 0; i < iNumDso; i++)
      if (strncasecmp(dso[i].id, id, DSOIDLEN) == 0) return i;
    return -1;
  }
  for (int i = 0; i < iNumDso; i++)
    if (dso[i].nameoff && namematches(dsocommonname(i), want, false)) return i;
  if (strlen(want) < MINNAMELEN) return -1;
  for (int i = 0; i < iNumDso; i++)
    if (dso[i].nameoff && namematches(dsocommonname(i), want, true)) return i;
  return -1;
}

double dsoedgedistance(int i, double rahours, double decdeg) {
  if (!isdso(i)) return 0;
  const dsorec &d = dso[i];
  double da = rahours - d.rahours;
  if (da > 12) da -= 24;
  if (da < -12) da += 24;
  double xi = da * DEGPERHOUR * cos(d.decdeg * dDEGTORAD), eta = decdeg - d.decdeg;
  double dist = sqrt(xi * xi + eta * eta);
  double major, minor;
  dsosize(i, &major, &minor);
  double a = major / 2, b = minor / 2, r = a;
  if (a > 0 && b != a && dist > 0) {
    // Radius of the ellipse along the direction of the place, measured
    // from the major axis (position angle north through east).
    double pa = d.pa10 == DSONOPA ? 0 : d.pa10 / 10.0 * dDEGTORAD;
    double phi = atan2(xi, eta) - pa;
    r = a * b / sqrt(b * cos(phi) * b * cos(phi) + a * sin(phi) * a * sin(phi));
  }
  return dist > r ? dist - r : 0;
}

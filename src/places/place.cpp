#include "places/place.h"

#include <cmath>
#include <cstring>

#include "base/safewrite.h"
#include "base/status.h"
#include "base/textline.h"
#include "base/settings.h"
#include "timefmt/angles.h"

placerec Place[PLACEMAX];
int iPlace = 0;
int iPlacesiz = -1;
int iPlacemax = PLACEMAX - 1;
int iMarkplace = 0;
char achPlace[24], achTown[24], achState[24];
double dLongit = 0, dLattit = 0, dTzone = 0;
double dElevation = 0;
int iObscode = 0;

// Columns of a place line (0-based start, width).
enum { NAMECOL = 0, NAMELEN = 23, TOWNCOL = 24, TOWNLEN = 23, STATECOL = 48, STATELEN = 15, NUMCOL = 64 };

static const char *const kPlaceHeader[11] = {
    "; Lines beginning with ; are comments (ignored).",
    "; Observatory data MUST be in the order shown:",
    "; Observatory (23 char) Must start at column 1.",
    "; Locality    (23 char) Must start at column 25.",
    "; Country     (15 char) Must start at column 49.",
    "; MPC Observatory Code (0 default) Start at column 65.",
    "; West Longitude (East negative)",
    "; Latitude (South negative)",
    "; Time zone (Hours AHEAD of GMT)",
    "; Elevation above Sea level ( Meters)",
    "; Observatory.......... Locality............... Country........ Code West-long.  latitude  Tzone Elev",
};

static void clearplace(placerec *r) { memset(r, 0, sizeof *r); }

static void clearplaces() {
  for (placerec &r : Place) clearplace(&r);
}

// dest (size bytes) = at most width characters of src, trailing blanks removed.
static void copytrimmed(char *dest, int size, const char *src, int width) {
  if (width > size - 1) width = size - 1;
  snprintf(dest, size, "%.*s", width, src);
  int n = (int)strlen(dest);
  while (n > 0 && dest[n - 1] == ' ') dest[--n] = 0;
}

// v when the place menu would accept it in field slot, else 0 as for an
// unread number: a zone of 9999 would move every computed date by a year.
static double usable(int slot, double v) { return withinlimits(slot, v) ? v : 0.0; }

// Fills r from a place line of more than 64 characters.
static void parseplace(const char *line, placerec *r) {
  clearplace(r);
  copytrimmed(r->name, sizeof r->name, line + NAMECOL, NAMELEN);
  copytrimmed(r->locality, sizeof r->locality, line + TOWNCOL, TOWNLEN);
  copytrimmed(r->country, sizeof r->country, line + STATECOL, STATELEN);
  int code = 0, elevation = 0;
  double lon = 0, lat = 0, zone = 0;
  sscanf(line + NUMCOL, "%d %lf %lf %lf %d", &code, &lon, &lat, &zone, &elevation);
  r->code = code;
  r->elevation = elevation;
  const char *semicolon = strchr(line + NUMCOL, ';');
  if (semicolon) {
    const char *c = semicolon + 1;
    while (*c == ' ') c++;
    copytrimmed(r->comment, sizeof r->comment, c, (int)sizeof r->comment - 1);
    // A line cut inside the comment keeps only printable text.
    for (char *k = r->comment; *k; k++)
      if ((unsigned char)*k < 32) *k = ' ';
  }
  r->longit = usable(PLACELONG, lon);
  r->lattit = usable(PLACELAT, lat);
  r->tzone = usable(PLACEZONE, zone);
}

// After n entries were read: the counts, the current place, the field limit.
static int placesread(int n) {
  iPlacesiz = n - 1;
  if (iPlace >= n) iPlace = iPlacesiz;
  if (iPlace < 0) iPlace = 0;
  getaplace(iPlace);
  iHI[PLACENUM] = iPlacesiz + 1;
  return n;
}

int iPlaceSkipped = 0;

// The place used when place.txt gives none: the Royal Observatory.
static const placerec kDefaultPlace = {"Greenwich", "London", "United Kingdom", 0, 0.0, 51.46833, 0.0, 39, ""};

// 1 when the line read is plain text: printable ASCII and tabs. Random
// bytes or another kind of file almost never give a line of 65 of them.
static int textline(const char *line) {
  for (const char *c = line; *c; c++)
    if (*c != '\t' && (*c < ' ' || *c > '~')) return 0;
  return 1;
}

// 1 when the line read is blank or a comment.
static int blankline(const char *line) {
  if (line[0] == ';') return 1;
  return line[strspn(line, " \t")] == 0;
}

int placeread(FILE *f) {
  clearplaces();
  int n = 0;
  iPlaceSkipped = 0;
  int c;
  while (n < PLACEMAX && (c = getaline(f)) != 0) {
    // A line holding a NUL byte ends early in readbuf: it is not text.
    if (c == 1 && !readbuf[0]) continue;
    if (blankline(readbuf)) continue;
    if (strlen(readbuf) <= NUMCOL || !textline(readbuf)) {
      iPlaceSkipped++;
      continue;
    }
    parseplace(readbuf, &Place[n++]);
  }
  return placesread(n);
}

int Placereadtextfile() {
  char path[256];
  getfilename(path, "place.txt");
  FILE *f = fopen(path, "rb");
  if (!f) {
    clearplaces();
    reporterror("Unable to find place.txt");
    return placesread(0);
  }
  int n = placeread(f);
  fclose(f);
  char text[128];
  if (n == 0) {
    // An empty file, a folder or junk: the observer still needs a place.
    Place[0] = kDefaultPlace;
    n = placesread(1);
    snprintf(text, sizeof text, "place.txt holds no valid place (%d lines skipped): Greenwich is used", iPlaceSkipped);
    reporterror(text);
  } else if (iPlaceSkipped > 0) {
    snprintf(text, sizeof text, "place.txt: %d places read, %d lines that are not places skipped", n, iPlaceSkipped);
    reporterror(text);
  }
  return n;
}

int Placeinit() {
  clearplaces();
  return Placereadtextfile();
}

int countplaces() {
  int n = 0, current = -1;
  for (int i = 0; i < PLACEMAX; i++) {
    if (i == iPlace) current = n;
    if (!Place[i].name[0]) continue;
    if (n != i) Place[n] = Place[i];
    n++;
  }
  for (int i = n; i < PLACEMAX; i++) clearplace(&Place[i]);
  iPlacesiz = n - 1;
  iPlace = current < 0 || current >= n ? n - 1 : current;
  if (iPlace < 0) iPlace = 0;
  return n;
}

int placewritetext(const char *path) {
  countplaces();
  newfile nf;
  if (newfileopen(&nf, path) != 0) return 1;
  FILE *f = nf.f;
  for (const char *line : kPlaceHeader) fprintf(f, "%s\n", line);
  for (int i = 0; i <= iPlacesiz; i++) {
    const placerec &r = Place[i];
    // Every field as it was read: zones such as +5.75 keep both decimals.
    char text[sizeof r.name + sizeof r.locality + sizeof r.country + sizeof r.comment + 64];
    int len = snprintf(text, sizeof text, "%-23s %-23s %-15s %-4d %+10.5f %+10.5f %+5.2f %-4d ; %s", r.name,
                       r.locality, r.country, (int)r.code, r.longit, r.lattit, r.tzone, (int)r.elevation, r.comment);
    if (len < 0) len = 0;
    if (len >= (int)sizeof text) len = sizeof text - 1;
    while (len > 0 && (text[len - 1] == ' ' || text[len - 1] == ';')) text[--len] = 0;
    fprintf(f, "%s\n", text);
  }
  return newfilecommit(&nf, true);
}

static void put16(unsigned char *b, int v) {
  b[0] = (unsigned char)(v & 0xff);
  b[1] = (unsigned char)((v >> 8) & 0xff);
}

static void put32(unsigned char *b, uint32_t v) {
  for (int i = 0; i < 4; i++) b[i] = (unsigned char)(v >> (8 * i));
}

static void putdouble(unsigned char *b, double d) {
  uint64_t v;
  memcpy(&v, &d, sizeof v);
  for (int i = 0; i < 8; i++) b[i] = (unsigned char)(v >> (8 * i));
}

// The 92-byte place.dat record of r.
static void packplace(const placerec &r, unsigned char *b) {
  memset(b, 0, PLACEDATREC);
  memcpy(b, r.name, strnlen(r.name, sizeof r.name - 1));
  memcpy(b + 24, r.locality, strnlen(r.locality, sizeof r.locality - 1));
  memcpy(b + 48, r.country, strnlen(r.country, sizeof r.country - 1));
  put32(b + 64, (uint32_t)r.code);
  putdouble(b + 68, r.longit);
  putdouble(b + 76, r.lattit);
  putdouble(b + 84, r.tzone);
}

int placewritedat(const char *path) {
  countplaces();
  newfile nf;
  if (newfileopen(&nf, path) != 0) return 1;
  FILE *f = nf.f;
  unsigned char head[PLACEDATHEAD];
  put16(head, iPlacemax);
  put16(head + 2, iPlacesiz);
  put16(head + 4, iPlace);
  put16(head + 6, iMarkplace);
  fwrite(head, 1, sizeof head, f);
  for (int i = 0; i <= iPlacesiz; i++) {
    unsigned char rec[PLACEDATREC];
    packplace(Place[i], rec);
    fwrite(rec, 1, sizeof rec, f);
  }
  return newfilecommit(&nf, true);
}

int Placewritetextfile() {
  char path[256];
  getfilename(path, "place.txt");
  if (placewritetext(path) == 0) return 0;
  char text[300];
  snprintf(text, sizeof text, "Unable to write %s file.", path);
  reporterror(text);
  return 1;
}

int Placewritefile() {
  char path[256];
  getfilename(path, "place.dat");
  if (placewritedat(path) != 0) {
    reporterror("Unable to write place.dat file");
    return 1;
  }
  return Placewritetextfile();
}

static bool inplaces(int index) { return index >= 0 && index < PLACEMAX; }

int getaplace(int index) {
  if (!inplaces(index)) return -1;
  const placerec &r = Place[index];
  snprintf(achPlace, sizeof achPlace, "%.23s", r.name);
  snprintf(achTown, sizeof achTown, "%.23s", r.locality);
  snprintf(achState, sizeof achState, "%.15s", r.country);
  dLongit = r.longit;
  dLattit = r.lattit;
  dElevation = r.elevation;
  dTzone = r.tzone;
  iObscode = r.code;
  return 0;
}

int locload(int index) {
  if (!inplaces(index)) return -1;
  const placerec &r = Place[index];
  snprintf(chSTR[PLACEDESC], sizeof chSTR[PLACEDESC], "%s", r.name);
  snprintf(chSTR[PLACECITY], sizeof chSTR[PLACECITY], "%s", r.locality);
  snprintf(chSTR[PLACECOUNTRY], sizeof chSTR[PLACECOUNTRY], "%s", r.country);
  dFP[PLACELONG] = r.longit;
  dFP[PLACELAT] = r.lattit;
  dFP[PLACEZONE] = r.tzone;
  iNT[OBSCODE] = r.code;
  iNT[PLACENUM] = index;
  iPlace = index;
  return 0;
}

int locsave(int index) {
  if (!inplaces(index)) return -1;
  placerec &r = Place[index];
  // The file cannot keep trailing blanks, so the table does not either.
  copytrimmed(r.name, sizeof r.name, chSTR[PLACEDESC], NAMELEN);
  copytrimmed(r.locality, sizeof r.locality, chSTR[PLACECITY], TOWNLEN);
  copytrimmed(r.country, sizeof r.country, chSTR[PLACECOUNTRY], STATELEN);
  r.longit = dFP[PLACELONG];
  r.lattit = dFP[PLACELAT];
  r.tzone = dFP[PLACEZONE];
  r.code = iNT[OBSCODE];
  iPlace = index;
  return 0;
}

int obstext(char *text) {
  char lon[ANGLETEXTLEN], lat[ANGLETEXTLEN];
  ddmmm(lon, dLongit);
  lon[0] = dLongit >= 0 ? 'W' : 'E';
  ddmmm(lat, dLattit);
  lat[0] = dLattit >= 0 ? 'N' : 'S';
  int len = snprintf(text, OBSTEXTLEN, "(%d) %d %s, %s: %9s %10s ZONE %4.1f ", iPlacesiz, iObscode, achPlace,
                     achState, lon, lat, dTzone);
  if (len < 0) text[0] = 0;
  return 0;
}


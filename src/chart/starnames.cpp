#include "chart/starnames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "chart/starplot.h"
#include "base/status.h"

namedstar namedstars[MAXNAMEDSTARS];
int iNamedStars;
int iNamedRejected;
int16_t starnamed[MAXSTARS];
int32_t namedstarat[MAXNAMEDSTARS];

// Entries by HIP number, for the join and the look-up by number.
static int16_t byhip[MAXNAMEDSTARS];

// Copies text up to the end, cut to size - 1 and trimmed of blanks.
static void copytrim(char *dest, int size, const char *from, const char *to) {
  while (from < to && (*from == ' ' || *from == '\t')) from++;
  while (to > from && (to[-1] == ' ' || to[-1] == '\t' || to[-1] == '\r' || to[-1] == '\n')) to--;
  int n = (int)(to - from);
  if (n > size - 1) n = size - 1;
  memcpy(dest, from, n);
  dest[n] = 0;
}

// One line into *e; false when it cannot be real.
static bool parseline(const char *line, namedstar *e) {
  long hip;
  double ra, dec, mag;
  int used = 0;
  if (sscanf(line, "%ld %lf %lf %lf %n", &hip, &ra, &dec, &mag, &used) != 4) return false;
  if (hip <= 0 || hip > 1000000 || !(ra >= 0 && ra < 24) || !(dec >= -90 && dec <= 90) ||
      !(mag >= MINSTARMAG100 / 100.0 && mag <= MAXSTARMAG100 / 100.0))
    return false;
  const char *rest = line + used, *bar = strchr(rest, '|');
  if (!bar) return false;
  e->hip = (int32_t)hip;
  e->ra = (float)ra;
  e->dec = (float)dec;
  e->mag = (float)mag;
  copytrim(e->desig, STARDESIGLEN, rest, bar);
  copytrim(e->name, STARPROPERLEN, bar + 1, bar + strlen(bar));
  return e->desig[0] || e->name[0];
}

int readstarnames(FILE *f) {
  iNamedStars = 0;
  iNamedRejected = 0;
  char line[256];
  while (fgets(line, sizeof line, f)) {
    // A line longer than the buffer is junk: skip its remainder too.
    bool whole = strchr(line, '\n') || feof(f);
    if (!whole) {
      int c;
      while ((c = fgetc(f)) != EOF && c != '\n') {
      }
      iNamedRejected++;
      continue;
    }
    if (line[0] == '#' || line[strspn(line, " \t\r\n")] == 0) continue;
    if (iNamedStars >= MAXNAMEDSTARS || !parseline(line, &namedstars[iNamedStars])) {
      iNamedRejected++;
      continue;
    }
    iNamedStars++;
  }
  for (int k = 0; k < iNamedStars; k++) byhip[k] = (int16_t)k;
  std::sort(byhip, byhip + iNamedStars, [](int a, int b) { return namedstars[a].hip < namedstars[b].hip; });
  return iNamedStars;
}

int loadstarnames() {
  char path[256];
  getfilename(path, "starnames.txt");
  FILE *f = fopen(path, "r");
  if (!f) {
    iNamedStars = 0;
    joinstarnames();
    return -1;
  }
  readstarnames(f);
  fclose(f);
  joinstarnames();
  return iNamedStars;
}

// Loaded star nearest to entry e within the join distance and magnitude,
// searching the blocks its neighbourhood touches; -1 if none.
static int starbyplace(const namedstar &e) {
  double tol = NAMEMATCHARCSEC / 3600.0;
  double cosd = cos(e.dec * DD2R);
  double rtol = cosd > 0.01 ? tol / 15.0 / cosd : 24.0;
  int blocks[4], nb = 0;
  for (int k = 0; k < 4; k++) {
    double r = e.ra + (k & 1 ? rtol : -rtol), d = e.dec + (k & 2 ? tol : -tol);
    r = fmod(r + 24.0, 24.0);
    int b = skyblock(r, d < -90 ? -90 : (d > 90 ? 90 : d));
    bool seen = false;
    for (int j = 0; j < nb; j++) seen = seen || blocks[j] == b;
    if (!seen) blocks[nb++] = b;
  }
  int best = -1;
  double bestd = tol * tol;
  auto weigh = [&](int i) {
    const starrec &s = star[i];
    if (fabs(s.mag100 / 100.0 - e.mag) > 1.0) return;
    double dr = fmod(s.rahours - e.ra + 36.0, 24.0) - 12.0;
    double dx = dr * 15.0 * cosd, dy = s.decdeg - e.dec, d = dx * dx + dy * dy;
    if (d <= bestd) {
      bestd = d;
      best = i;
    }
  };
  if (!iStarIndexed) {
    for (int i = 0; i < Snum; i++) weigh(i);
    return best;
  }
  for (int n = 0; n < STARLAYERS; n++)
    for (int j = 0; j < nb; j++) {
      int first, count = layerblock(n, blocks[j], &first);
      for (int i = first; i < first + count; i++) weigh(i);
    }
  return best;
}

int joinstarnames() {
  memset(starnamed, 0, sizeof starnamed);
  for (int32_t &a : namedstarat) a = -1;
  int named = 0;
  bool hipnumbers = catnum == 1;
  for (int k = 0; k < iNamedStars; k++) {
    if (hipnumbers) break;
    int i = starbyplace(namedstars[k]);
    if (i < 0 || starnamed[i]) continue;
    starnamed[i] = (int16_t)(k + 1);
    namedstarat[k] = i;
    named++;
  }
  if (!hipnumbers) return named;
  for (int i = 0; i < Snum; i++) {
    int k = namedstarbyhip(star[i].starno);
    if (k < 0 || namedstarat[k] >= 0) continue;
    starnamed[i] = (int16_t)(k + 1);
    namedstarat[k] = i;
    named++;
  }
  return named;
}

const namedstar *starnameof(int i) {
  if (i < 0 || i >= Snum || i >= MAXSTARS || starnamed[i] <= 0 || starnamed[i] > iNamedStars) return nullptr;
  return &namedstars[starnamed[i] - 1];
}

const char *starlabel(const namedstar &n) { return n.name[0] ? n.name : n.desig; }

int namedstarbyhip(int32_t hip) {
  int lo = 0, hi = iNamedStars;
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (namedstars[byhip[mid]].hip < hip)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < iNamedStars && namedstars[byhip[lo]].hip == hip ? byhip[lo] : -1;
}

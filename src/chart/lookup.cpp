#include "chart/lookup.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "chart/starnames.h"
#include "chart/starsearch.h"
#include "base/settings.h"
#include "base/status.h"
#include "minorplanets/astfind.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"

int foldname(char *dest, const char *text) {
  int n = 0;
  bool blank = false;
  for (const char *p = text; *p && n < FINDQUERYLEN - 1; p++) {
    unsigned char c = (unsigned char)*p;
    if (isspace(c)) {
      blank = n > 0;
      continue;
    }
    if (blank && n < FINDQUERYLEN - 2) dest[n++] = ' ';
    blank = false;
    dest[n++] = (char)tolower(c);
  }
  dest[n] = 0;
  return 0;
}

int namematch(const char *query, const char *name) {
  char f[FINDQUERYLEN];
  foldname(f, name);
  if (!query[0] || !f[0]) return -1;
  if (strcmp(query, f) == 0) return MATCHEXACT;
  if (strncmp(query, f, strlen(query)) == 0) return MATCHPREFIX;
  return strstr(f, query) ? MATCHPART : -1;
}

// Adds a hit when there is room. Returns 1 when added.
static int addhit(FINDHIT *hits, int *n, int max, int kind, int index, int match, double ra, double dec,
                  double mag, const char *name) {
  if (*n >= max) return 0;
  FINDHIT &h = hits[(*n)++];
  h.kind = kind;
  h.index = index;
  h.match = match;
  h.ra = ra;
  h.dec = dec;
  h.mag = mag;
  snprintf(h.name, sizeof h.name, "%s", name);
  return 1;
}

static int findsunmoon(const char *q, FINDHIT *hits, int *n, int max) {
  skymarkers();
  int added = 0, m = namematch(q, "Sun");
  if (m >= 0) added += addhit(hits, n, max, FINDSUN, -1, m, Sunra, Sundec, -26.7, "Sun");
  m = namematch(q, "Moon");
  if (m >= 0) added += addhit(hits, n, max, FINDMOON, -1, m, Moonra, Moondec, -12.0, "Moon");
  return added;
}

// True when q is a whole number, into *v.
static bool wholenumber(const char *q, long *v) {
  if (!*q) return false;
  for (const char *p = q; *p; p++)
    if (!isdigit((unsigned char)*p)) return false;
  *v = strtol(q, nullptr, 10);
  return true;
}

// A query for minor planets: "(4)" and "4 vesta" as a number and name too.
struct MPQUERY {
  char text[FINDQUERYLEN];
  bool isnumber;
  long number;
};

static void mpquery(const char *q, MPQUERY *m) {
  snprintf(m->text, sizeof m->text, "%s", q[0] == '(' ? q + 1 : q);
  char *close = strchr(m->text, ')');
  if (close) memmove(close, close + 1, strlen(close));
  m->number = 0;
  m->isnumber = wholenumber(m->text, &m->number);
}

// MATCH... of a record (minor: numbers count) against m, or -1; full
// (FINDNAMELEN bytes) = "number name" or the name alone.
static int mpmatch(const MPQUERY &m, int32_t number, const char *name, bool minor, char *full) {
  if (number > 0 && minor)
    snprintf(full, FINDNAMELEN, "%d %s", (int)number, name);
  else
    snprintf(full, FINDNAMELEN, "%s", name);
  if (m.isnumber) return number == m.number && minor ? MATCHEXACT : -1;
  int r = namematch(m.text, name);
  int rf = namematch(m.text, full);
  return rf >= 0 && (r < 0 || rf < r) ? rf : r;
}

static int recordtest(const mprec *r, const void *ctx) {
  char full[FINDNAMELEN];
  return mpmatch(*static_cast<const MPQUERY *>(ctx), r->number, r->name, true, full);
}

// The whole database file's minor planets matching m, as FINDFILE hits.
static int findfile(const MPQUERY &m, FINDHIT *hits, int *n, int max) {
  char path[256];
  getfilename(path, chSTR[DATABASEFILE]);
  FILE *fp = fopen(path, "rb");
  if (!fp) return 0;
  static FILEHIT found[MAXFINDHITS];
  // A number names one object: the first is enough.
  int got = astfind(fp, recordtest, &m, found, MAXFINDHITS, m.isnumber ? 1 : MAXFINDHITS);
  fclose(fp);
  int added = 0;
  for (int k = 0; k < got; k++) {
    char full[FINDNAMELEN];
    mpmatch(m, found[k].r.number, found[k].r.name, true, full);
    added += addhit(hits, n, max, FINDFILE, found[k].record, found[k].rank, 0.0, 0.0, found[k].r.hmag, full);
  }
  return added;
}

// The element table: a number matches the record of that number exactly.
// Nothing on the loaded page: the rest of the database file.
static int findtable(const char *q, FINDHIT *hits, int *n, int max) {
  MPQUERY m;
  mpquery(q, &m);
  int added = 0;
  for (int i = 0; i < iNumAst && i < MPMAX; i++) {
    if (!iBcalc[i]) continue;  // no place to go to
    char name[20], full[FINDNAMELEN];
    getastname(i, name);
    int r = mpmatch(m, mp[i].number, name, i >= MPPLANETS, full);
    if (r < 0) continue;
    added += addhit(hits, n, max, i < MPPLANETS ? FINDPLANET : FINDMINOR, i, r, obj[i].ra, obj[i].dec, obj[i].mag, full);
  }
  return added > 0 ? added : findfile(m, hits, n, max);
}

// A named star's hit, at its place in the loaded catalogue when it is there.
static int starhit(FINDHIT *hits, int *n, int max, int k, int m) {
  const namedstar &e = namedstars[k];
  int i = namedstarat[k];
  double ra = i >= 0 ? star[i].rahours : e.ra, dec = i >= 0 ? star[i].decdeg : e.dec;
  char name[FINDNAMELEN];
  if (e.name[0] && e.desig[0])
    snprintf(name, sizeof name, "%.20s (%.11s, HIP %d)", e.name, e.desig, (int)e.hip % 1000000);
  else
    snprintf(name, sizeof name, "%.31s (HIP %d)", starlabel(e), (int)e.hip % 1000000);
  return addhit(hits, n, max, FINDSTAR, i, m, ra, dec, e.mag, name);
}

static int findstars(const char *q, FINDHIT *hits, int *n, int max) {
  long hip = 0;
  if (strncmp(q, "hip", 3) == 0 && wholenumber(q[3] == ' ' ? q + 4 : q + 3, &hip)) {
    int k = namedstarbyhip((int32_t)hip);
    if (k >= 0) return starhit(hits, n, max, k, MATCHEXACT);
    // An unnamed star of the HIP catalogue.
    if (catnum != 1 || hip <= 0) return 0;
    int i = findstarnumber((int)hip);
    if (i < 0) return 0;
    char name[FINDNAMELEN];
    snprintf(name, sizeof name, "HIP %ld", hip);
    return addhit(hits, n, max, FINDSTAR, i, MATCHEXACT, star[i].rahours, star[i].decdeg, star[i].mag100 / 100.0, name);
  }
  int added = 0;
  for (int k = 0; k < iNamedStars && *n < max; k++) {
    const namedstar &e = namedstars[k];
    int m = namematch(q, e.name);
    int md = namematch(q, e.desig);
    if (md >= 0 && (m < 0 || md < m)) m = md;
    if (m >= 0) added += starhit(hits, n, max, k, m);
  }
  return added;
}

static LOOKUP lookups[MAXLOOKUPS] = {findsunmoon, findtable, findstars};
static int nlookups = 3;

int addlookup(LOOKUP f) {
  if (!f) return -1;
  for (int k = 0; k < nlookups; k++)
    if (lookups[k] == f) return 0;  // once is enough: a second would double every hit
  if (nlookups >= MAXLOOKUPS) return -1;
  lookups[nlookups++] = f;
  return 0;
}

int findbyname(const char *text, FINDHIT *hits, int max) {
  char q[FINDQUERYLEN];
  foldname(q, text);
  if (!q[0] || max <= 0) return 0;
  // Room for every look-up's hits before the best are chosen.
  static FINDHIT all[MAXLOOKUPS * 64];
  int n = 0;
  for (int k = 0; k < nlookups; k++) lookups[k](q, all, &n, (int)(sizeof all / sizeof all[0]));
  std::stable_sort(all, all + n, [](const FINDHIT &a, const FINDHIT &b) {
    return a.match != b.match ? a.match < b.match : a.mag < b.mag;
  });
  if (n > 0 && all[0].match == MATCHEXACT) {
    int exact = 0;
    while (exact < n && all[exact].match == MATCHEXACT) exact++;
    n = exact;
  }
  if (max > MAXFINDHITS) max = MAXFINDHITS;
  if (n > max) n = max;
  for (int k = 0; k < n; k++) hits[k] = all[k];
  return n;
}

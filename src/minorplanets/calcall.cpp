#include "minorplanets/calcall.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/skyblock.h"
#include "minorplanets/placekernel.h"
#include "minorplanets/positions.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"

int iBcalc[MPMAX];
int iRindex[MPMAX];
int iBindex[MPMAX];
int difint[MPMAX];

static const int kPlanetClass = 10;
static const int kTableClassMin = 35;   // whole-table pass
static const int kSingleClassMin = 33;  // single-object pass
static const int kClassMax = 47;
static const int kOppBins = 65;   // 0.2 h bins of distance from the opposition point
static const int kRaBins = 242;   // 0.1 h bins of right ascension
static const int kNoKey = -1;     // key of a record without a place

// v fits a float without becoming infinite.
static bool fitsfloat(double v) { return std::isfinite(v) && fabs(v) <= FLT_MAX; }

// Colour class of a minor planet of magnitude mag, lowest class lo.
static int magclass(double mag, int lo) {
  double c = 64.0 - 2.0 * mag;
  if (c < lo) return lo;
  if (c > kClassMax) return kClassMax;
  return static_cast<int>(c);
}

// A right ascension just under 24 h as a float: rounding must not carry it
// to 24 h, outside the day every user of it expects.
static float rafloat(double ra) {
  float f = static_cast<float>(ra);
  return f >= 24.0f ? 0.0f : f;
}

// Clears the sky state of record i, which has no place.
static void noplace(int i) {
  objrec &o = obj[i];
  o.ra = o.dec = o.dist = o.mag = 0.0f;
  o.block = 0;
  o.phase = 0;
  iBcalc[i] = 0;
}

// Stores the place of the last pass of record i with magnitude mag into
// obj[i] and its colour class (lowest class lo); a record without a finite
// place is cleared. Returns 1 when stored.
static int storeplace(int i, double mag, int lo) {
  if (!place.ok[i] || !fitsfloat(mag) || !fitsfloat(place.dist[i])) {
    noplace(i);
    return 0;
  }
  objrec &o = obj[i];
  o.ra = rafloat(place.ra[i]);
  o.dec = static_cast<float>(place.dec[i]);
  o.dist = static_cast<float>(place.dist[i]);
  o.mag = static_cast<float>(mag);
  iBcalc[i] = i < MPPLANETS ? kPlanetClass : magclass(mag, lo);
  return 1;
}

// Mercury..Jupiter hold elements for the whole Julian Day of jd: rebuilt
// when the date moves to another day, since their mean elements lose
// accuracy fast (Mercury a thousand arc seconds in three years).
static void planetsfordate(double jd) {
  if (iNumAst >= MPDATEPLANETS && mp[0].epoch != static_cast<int32_t>(floor(jd))) mainplanets(jd);
}

int calcastall(double jd) {
  memset(iBcalc, 0, sizeof iBcalc);
  memset(iBindex, 0, sizeof iBindex);
  memset(iRindex, 0, sizeof iRindex);
  planetsfordate(jd);
  calcastalltom(jd + 1.0);
  PASSDATE d;
  passdate(jd, &d);
  placeagain(&d, 0, iNumAst);  // the elements calcastalltom read
  tablemagnitudes(0, iNumAst);
  for (int i = 0; i < iNumAst; i++) {
    if (!storeplace(i, place.mag[i], kTableClassMin)) continue;
    obj[i].block = skyblock(obj[i].ra, obj[i].dec);  // the place as stored and listed
    double k = place.k[i];
    obj[i].phase = static_cast<int>(100.0 * (k > 1.0 ? 1.0 : k));
  }
  sortbackcalc(jd);
  return 0;
}

int calcastalltom(double jd) {
  PASSDATE d;
  passdate(jd, &d);
  placerecords(&d, 0, iNumAst);
  for (int i = 0; i < iNumAst; i++) {
    bool ok = place.ok[i];
    obj[i].ratom = ok ? rafloat(place.ra[i]) : 0.0f;
    obj[i].dectom = ok ? static_cast<float>(place.dec[i]) : 0.0f;
  }
  return 0;
}

int calcsingle(int i, double jd) {
  if (i < 0 || i >= iNumAst) return 0;
  if (i < MPDATEPLANETS) planetsfordate(jd);
  PASSDATE d;
  passdate(jd, &d);
  placerecords(&d, i, 1);
  const mprec &r = mp[i];
  double dist = place.dist[i], k = place.k[i];
  double mag = (r.hmag + 2.17147 * (log(dist) + r.rexp * log(place.r[i]))) / sqrt(k);
  storeplace(i, mag, kSingleClassMin);
  return 0;
}

int calctomorrow(int i, double jd) {
  if (i < 0 || i >= iNumAst) return 0;
  calcsingle(i, jd + 1.0);
  float ra = obj[i].ra, dec = obj[i].dec;
  calcsingle(i, jd);
  obj[i].ratom = ra;
  obj[i].dectom = dec;
  return 0;
}

// Appends to view, in record order, every record whose key is v for v in
// 0..bins-1, then the records without a place; keys outside both are left
// out. Entries left over hold 0. One counting pass: counts per key, their
// running sums as the start of each key's run, then stable placement.
static void countingsort(int *view, int bins) {
  int start[kRaBins + 2];
  int nokey = bins;  // the records without a place form the last run
  for (int v = 0; v <= bins; v++) start[v] = 0;
  for (int i = 0; i < iNumAst; i++) {
    int v = difint[i];
    if (v >= 0 && v < bins) start[v]++;
    else if (v == kNoKey) start[nokey]++;
  }
  int n = 0;
  for (int v = 0; v <= bins; v++) {
    int c = start[v];
    start[v] = n;
    n += c;
  }
  for (int i = 0; i < iNumAst; i++) {
    int v = difint[i];
    if (v == kNoKey) v = nokey;
    else if (v < 0 || v >= bins) continue;
    view[start[v]++] = i;
  }
  for (; n < MPMAX; n++) view[n] = 0;
}

int sortbackcalc(double jd) {
  double s, dec, eqt, dpsi, deps, obl;
  getsunpos(jd, &s, &dec, &eqt, &dpsi, &deps, &obl);
  float opp = static_cast<float>(s - 12.0);
  if (opp < 0.0f) opp += 24.0f;
  for (int i = 0; i < iNumAst; i++) {
    float d = fabsf(opp - obj[i].ra);
    if (d > 12.0f) d = fabsf(d - 24.0f);
    difint[i] = iBcalc[i] ? static_cast<int>(5.0f * d) : kNoKey;
  }
  countingsort(iBindex, kOppBins);
  for (int i = 0; i < iNumAst; i++)
    difint[i] = iBcalc[i] ? static_cast<int>(10.0f * obj[i].ra) : kNoKey;
  countingsort(iRindex, kRaBins);
  return 0;
}

int findpos(char *dest, int i) {
  char prefix[80];
  if (i < 0 || i >= MPMAX) {
    dest[0] = '\0';
    return 0;
  }
  if (mp[i].number == 0)
    snprintf(prefix, sizeof prefix, "%-4d        %-18s", i, mp[i].name);
  else
    snprintf(prefix, sizeof prefix, "%-4d  %-5ld %-18s", i, static_cast<long>(mp[i].number),
             mp[i].name);
  return getpos(prefix, dest, i);
}

int getpos(const char *prefix, char *dest, int i) {
  if (i < 0 || i >= MPMAX || iBcalc[i] == 0) {
    snprintf(dest, 80, "%.60s undefined ", prefix);
    return 0;
  }
  char ra[ANGLETEXTLEN], dec[ANGLETEXTLEN], line[512];
  hms(ra, obj[i].ra);
  ddmmm(dec, obj[i].dec);
  snprintf(line, sizeof line, "%.60s %-8s  %-8s  %8.5f  %5.2f", prefix, ra, dec, obj[i].dist,
           obj[i].mag);
  size_t n = strnlen(line, 79);
  memcpy(dest, line, n);
  dest[n] = '\0';
  return 0;
}

int getmpnumber(int row) {
  if (row < 0 || row >= MPMAX) return row;
  if (iNT[MPSORT] == SORTRA) return iRindex[row];
  if (iNT[MPSORT] == SORTOPP) return iBindex[row];
  return row;
}

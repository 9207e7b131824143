#include "minorplanets/tonight.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "astro/moon.h"
#include "astro/observer.h"
#include "astro/riseset.h"
#include "astro/sun.h"
#include "astro/twilight.h"
#include "base/constants.h"
#include "base/csvfile.h"
#include "minorplanets/placekernel.h"
#include "timefmt/calendar.h"

TONIGHTROW tonight[TONIGHTMAX];
int tonightrows;
int tonightpassed;
int tonightscanned;
NIGHT tonightnight;
TONIGHTFILTER tonightfilter;

// Sidereal hours gained per day of UT.
constexpr double SIDRATE = 24.0 * 1.00273790935;
// Steps of the bisections: a day / 2^22 is 0.02 s.
constexpr int BISECTSTEPS = 22;
// Samples of the Moon's altitude in the day searched.
constexpr int MOONSAMPLES = 48;

// x brought into (-12, 12] hours.
static double wraphours(double x) {
  x = fmod(x, 24.0);
  if (x > 12.0) x -= 24.0;
  if (x <= -12.0) x += 24.0;
  return x;
}

// Local sidereal time (hours) at jd for west longitude westlong (degrees).
static double siderealhours(double jd, double westlong) {
  double jd0 = floor(jd - 0.5) + 0.5;
  double lst = gmst0hut(jd0) + (jd - jd0) * SIDRATE - westlong / DEGPERHOUR;
  lst = fmod(lst, 24.0);
  return lst < 0.0 ? lst + 24.0 : lst;
}

// Geometric altitude (degrees) of ra hours, dec degrees at local sidereal
// time lst hours and latitude lat degrees.
static double altitudeof(double lst, double lat, double ra, double dec) {
  double h = (lst - ra) * DH2R, p = lat * DD2R, d = dec * DD2R;
  double s = sin(p) * sin(d) + cos(p) * cos(d) * cos(h);
  return asin(s > 1.0 ? 1.0 : (s < -1.0 ? -1.0 : s)) * DR2D;
}

// The Sun's apparent place of date at jd: hours, degrees.
static void sunplace(double jd, double *ra, double *dec) {
  double eqt, dpsi, deps, obl;
  getsunpos(jd, ra, dec, &eqt, &dpsi, &deps, &obl);
}

double sunaltitude(const NIGHT *n, double jd) {
  double ra, dec;
  sunplace(jd, &ra, &dec);
  return altitudeof(siderealhours(jd, n->westlong), n->lat, ra, dec);
}

double moonaltitude(const NIGHT *n, double jd) {
  double ra, dec;
  moonplace(jd, &ra, &dec);
  return altitudeof(siderealhours(jd, n->westlong), n->lat, ra, dec);
}

// The Sun's lower culmination nearest jd.
static double lowerculmination(double jd, double westlong) {
  double t = jd;
  for (int k = 0; k < 4; k++) {
    double ra, dec;
    sunplace(t, &ra, &dec);
    double h = wraphours(siderealhours(t, westlong) - ra - 12.0);
    t -= h / SIDRATE * 1.00273790935;  // the Sun's hour angle gains 24 h a solar day
  }
  return t;
}

// The instant in [lo, hi] where f(n, t) - level changes sign, f rising
// (up) or falling across it; 0 when it does not.
static double crossing(const NIGHT *n, double (*f)(const NIGHT *, double), double level, double lo,
                       double hi, bool up) {
  double flo = f(n, lo) - level, fhi = f(n, hi) - level;
  if (up ? !(flo < 0.0 && fhi >= 0.0) : !(flo >= 0.0 && fhi < 0.0)) return 0.0;
  for (int k = 0; k < BISECTSTEPS; k++) {
    double mid = 0.5 * (lo + hi), fm = f(n, mid) - level;
    if ((fm < 0.0) == up)
      lo = mid;
    else
      hi = mid;
  }
  return 0.5 * (lo + hi);
}

// Unit vector of ra hours, dec degrees.
static void unitvector(double ra, double dec, double *v) {
  double a = ra * DH2R, d = dec * DD2R;
  v[0] = cos(d) * cos(a);
  v[1] = cos(d) * sin(a);
  v[2] = sin(d);
}

// Angle (degrees) between vectors a and b.
static double anglebetween(const double *a, const double *b) {
  double c[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
  return atan2(sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]), a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) * DR2D;
}

void nightfacts(double jd, double lat, double westlong, NIGHT *n) {
  memset(n, 0, sizeof *n);
  n->lat = lat;
  n->westlong = westlong;
  double m = lowerculmination(jd, westlong);
  // Past the middle the night still holds jd while the Sun is down.
  if (jd >= m && sunaltitude(n, jd) >= SUNRISEALT) m = lowerculmination(m + 1.0, westlong);
  n->middle = m;
  n->start = m - 0.5;
  n->end = m + 0.5;
  n->sunlow = sunaltitude(n, m);
  n->sunhigh = sunaltitude(n, n->start);
  double noon2 = sunaltitude(n, n->end);
  if (noon2 > n->sunhigh) n->sunhigh = noon2;
  n->sunset = crossing(n, sunaltitude, SUNRISEALT, n->start, m, false);
  n->sunrise = crossing(n, sunaltitude, SUNRISEALT, m, n->end, true);
  n->polar = n->sunlow >= SUNRISEALT ? POLARDAY : (n->sunhigh < SUNRISEALT ? POLARNIGHT : NIGHTUSUAL);
  for (int k = 0; k < 3; k++) {
    double level = skylimit(SKYCIVIL + k);
    n->dusk[k] = crossing(n, sunaltitude, level, n->start, m, false);
    n->dawn[k] = crossing(n, sunaltitude, level, m, n->end, true);
  }
  double step = 1.0 / MOONSAMPLES, t0 = n->start;
  double a0 = moonaltitude(n, t0) - MOONRISEALT;
  for (int k = 1; k <= MOONSAMPLES; k++) {
    double t1 = n->start + k * step, a1 = moonaltitude(n, t1) - MOONRISEALT;
    if (a0 < 0.0 && a1 >= 0.0 && n->moonrise == 0.0)
      n->moonrise = crossing(n, moonaltitude, MOONRISEALT, t0, t1, true);
    if (a0 >= 0.0 && a1 < 0.0 && n->moonset == 0.0)
      n->moonset = crossing(n, moonaltitude, MOONRISEALT, t0, t1, false);
    t0 = t1;
    a0 = a1;
  }
  double sra, sdec, mra, mdec, s[3], mo[3];
  sunplace(m, &sra, &sdec);
  moonplace(m, &mra, &mdec);
  unitvector(sra, sdec, s);
  unitvector(mra, mdec, mo);
  // The phase angle is the supplement of the elongation to a few tenths
  // of a degree: the Moon is 400 times nearer than the Sun.
  n->moonlit = 0.5 * (1.0 - cos(anglebetween(s, mo) * DD2R));
}

int darkspan(const NIGHT *n, int darkness, double *from, double *to) {
  int k = darkness < SKYCIVIL ? 0 : (darkness > SKYASTRONOMICAL ? 2 : darkness - SKYCIVIL);
  double level = skylimit(SKYCIVIL + k);
  *from = *to = 0.0;
  if (!(n->sunlow < level)) return 0;
  *from = n->dusk[k] != 0.0 ? n->dusk[k] : n->start;
  *to = n->dawn[k] != 0.0 ? n->dawn[k] : n->end;
  return 1;
}

// An object's place of date over the day searched, as quadratics in
// u = (t - middle) / 0.5: ra = a0 + a1 u + a2 u^2 hours, dec likewise.
struct TRACK {
  double a0, a1, a2, d0, d1, d2;
};

static void trackat(const NIGHT *n, const TRACK *k, double t, double *ra, double *dec) {
  double u = (t - n->middle) * 2.0;
  *ra = k->a0 + (k->a1 + k->a2 * u) * u;
  *dec = k->d0 + (k->d1 + k->d2 * u) * u;
}

// t held to lo..hi: a place that races across the sky (an orbit passing
// close to the Earth) must not carry the refinement out of the track.
static double clampday(double t, double lo, double hi) { return t < lo ? lo : (t > hi ? hi : t); }

// Cosine of the hour angle at which dec (degrees) stands at altitude h at
// latitude lat (beyond +-1 when it never gets there / never leaves it).
static double cosarc(double h, double lat, double dec) {
  double p = lat * DD2R, d = dec * DD2R;
  double den = cos(p) * cos(d);
  if (fabs(den) < 1e-12) den = den < 0.0 ? -1e-12 : 1e-12;
  return (sin(h * DD2R) - sin(p) * sin(d)) / den;
}

// The crossing of altitude h on the side sign (-1 rising, +1 setting) of
// the transit at t, refined on the moving place; 0 when there is none.
static double horizonevent(const NIGHT *n, const TRACK *k, double lst0, double transit,
                           double h, double sign) {
  double t = transit;
  for (int it = 0; it < 4; it++) {
    double ra, dec;
    trackat(n, k, t, &ra, &dec);
    double c = cosarc(h, n->lat, dec);
    if (c > 1.0 || c < -1.0) return 0.0;
    double h0 = acos(c) * DR2H;
    double lst = lst0 + (t - n->middle) * SIDRATE;
    t -= wraphours(lst - ra - sign * h0) / SIDRATE;
    t = clampday(t, transit - 1.0, transit + 1.0);
  }
  return t;
}

// Days above altitude minalt within [from, to] of an object whose
// transits fall at transit plus whole sidereal days, declination dec.
static double daysabove(const NIGHT *n, double transit, double dec, double minalt, double from,
                        double to) {
  if (!(to > from)) return 0.0;
  double c = cosarc(minalt, n->lat, dec);
  if (c >= 1.0) return 0.0;
  if (c <= -1.0) return to - from;
  double half = acos(c) * DR2H / SIDRATE, sid = 24.0 / SIDRATE, sum = 0.0;
  for (int j = -1; j <= 1; j++) {
    double a = transit + j * sid - half, b = transit + j * sid + half;
    if (a < from) a = from;
    if (b > to) b = to;
    if (b > a) sum += b - a;
  }
  return sum;
}

// Fills the events and the figures of row r from its track.
static void rowevents(const NIGHT *n, const TONIGHTFILTER *f, double lst0, double dark0,
                      double dark1, const TRACK *k, TONIGHTROW *r) {
  double t = n->middle;
  for (int it = 0; it < 4; it++) {
    double ra, dec;
    trackat(n, k, t, &ra, &dec);
    t -= wraphours(lst0 + (t - n->middle) * SIDRATE - ra) / SIDRATE;
    t = clampday(t, n->start, n->end);
  }
  double ra, dec;
  trackat(n, k, t, &ra, &dec);
  r->transit = t;
  r->alttransit = static_cast<float>(90.0 - fabs(n->lat - dec));
  double c = cosarc(RISEALT, n->lat, dec);
  r->updown = c > 1.0 ? NEVERUP : (c < -1.0 ? ALWAYSUP : UPDOWN);
  r->rise = r->set = 0.0;
  if (r->updown == UPDOWN) {
    r->rise = horizonevent(n, k, lst0, t, RISEALT, -1.0);
    r->set = horizonevent(n, k, lst0, t, RISEALT, 1.0);
  }
  r->minutes = static_cast<float>(daysabove(n, t, dec, f->minalt, dark0, dark1) * 1440.0);
  r->ra = k->a0;
  r->dec = k->d0;
  r->dra = static_cast<float>(2.0 * k->a1);
  r->ddec = static_cast<float>(2.0 * k->d1);
  double east = 2.0 * k->a1 * DEGPERHOUR * cos(k->d0 * DD2R), north = 2.0 * k->d1;
  r->motion = static_cast<float>(hypot(east, north) * 3600.0 / 1440.0);
  double pa = atan2(east, north) * DR2D;
  r->pa = static_cast<float>(pa < 0.0 ? pa + 360.0 : pa);
}

// One block of records on its way through the scan.
enum : int { SCANBLOCK = 2048 };
static_assert(SCANBLOCK <= MPMAX, "a block goes through the place kernel at once");
static mprec block[SCANBLOCK];
static int32_t blockrecord[SCANBLOCK];  // file index or table index of each
static int32_t blockkind[SCANBLOCK];
// Places of date of the block: the start, middle and end of the day searched.
static double bra[3][SCANBLOCK], bdec[3][SCANBLOCK];
static double bdist[SCANBLOCK], bmag[SCANBLOCK], belong[SCANBLOCK], bmoon[SCANBLOCK];
static double bra2000[SCANBLOCK], bdec2000[SCANBLOCK];
static int bok[SCANBLOCK];

// Copies the kernel's places of date of the block into sample s.
// The kernel's places are J2000; hour angles need the equator of date.
static void takeplaces(const PASSDATE *d, int s, int count) {
  double m[3][3];
  precessmatrix(d->tt, m);
  for (int i = 0; i < count; i++) {
    double v[3] = {place.gx[i], place.gy[i], place.gz[i]};
    matrixapply(m, v, v);
    double x = v[0], y = v[1], z = v[2];
    double ra = atan2(y, x) * DR2H;
    bra[s][i] = ra < 0.0 ? ra + 24.0 : ra;
    bdec[s][i] = atan2(z, sqrt(x * x + y * y)) * DR2D;
    bok[i] &= place.ok[i];
  }
}

// The state a scan carries between blocks.
struct SCAN {
  const NIGHT *n;
  const TONIGHTFILTER *f;
  PASSDATE d[3];   // start, middle, end of the day searched
  double lst0;     // local sidereal time at the middle, hours
  double dark0, dark1;
  double moon[3];  // the Moon's unit vector at the middle
};

// Runs the block's count records through the kernel and keeps those
// that pass.
static void scanblock(const SCAN *sc, int count) {
  if (count <= 0) return;
  for (int i = 0; i < count; i++) bok[i] = 1;
  placeforeign(&sc->d[1], block, count);
  tablemagnitudes(0, count);
  const PASSDATE &m = sc->d[1];
  double sun[3] = {-m.ex, -m.ey, -m.ez};
  for (int i = 0; i < count; i++) {
    double g[3] = {place.gx[i], place.gy[i], place.gz[i]};
    bdist[i] = place.dist[i];
    bmag[i] = place.mag[i];
    belong[i] = anglebetween(g, sun);
    bmoon[i] = anglebetween(g, sc->moon);
    bra2000[i] = place.ra[i];
    bdec2000[i] = place.dec[i];
  }
  takeplaces(&sc->d[1], 1, count);
  placeagain(&sc->d[0], 0, count);
  takeplaces(&sc->d[0], 0, count);
  placeagain(&sc->d[2], 0, count);
  takeplaces(&sc->d[2], 2, count);
  tonightscanned += count;
  const TONIGHTFILTER *f = sc->f;
  for (int i = 0; i < count; i++) {
    if (!bok[i] || !(bmag[i] <= f->maglimit)) continue;
    TRACK k;
    double r0 = wraphours(bra[0][i] - bra[1][i]), r2 = wraphours(bra[2][i] - bra[1][i]);
    k.a0 = bra[1][i];
    k.a1 = 0.5 * (r2 - r0);
    k.a2 = 0.5 * (r2 + r0);
    k.d0 = bdec[1][i];
    k.d1 = 0.5 * (bdec[2][i] - bdec[0][i]);
    k.d2 = 0.5 * (bdec[2][i] + bdec[0][i]) - bdec[1][i];
    TONIGHTROW row;
    rowevents(sc->n, f, sc->lst0, sc->dark0, sc->dark1, &k, &row);
    if (f->minminutes > 0 && !(row.minutes >= f->minminutes)) continue;
    tonightpassed++;
    if (tonightrows >= TONIGHTMAX) continue;
    row.kind = blockkind[i];
    row.record = blockrecord[i];
    row.number = block[i].number > 0 ? block[i].number : 0;
    memcpy(row.name, block[i].name, sizeof row.name);
    row.name[sizeof row.name - 1] = '\0';
    row.mag = static_cast<float>(bmag[i]);
    row.elong = static_cast<float>(belong[i]);
    row.moondist = static_cast<float>(bmoon[i]);
    row.dist = static_cast<float>(bdist[i]);
    row.ra2000 = static_cast<float>(bra2000[i]);
    row.dec2000 = static_cast<float>(bdec2000[i]);
    tonight[tonightrows++] = row;
  }
}

// Index of the user object holding number and name, or -1.
static int userholds(const mprec *r) {
  for (int s = 0; s < MPUSERMAX; s++) {
    int i = userobj[s];
    if (i < MPPLANETS || i >= iNumAst) continue;
    if (mp[i].number == r->number && strncmp(mp[i].name, r->name, sizeof r->name) == 0) return i;
  }
  return -1;
}

// Reads the database file's records after the planets, a block at a time,
// up to the count its header gives.
static int scanfile(const SCAN *sc, FILE *fp) {
  int32_t count = 0;
  if (fread(&count, sizeof count, 1, fp) != 1 || count < 0 ||
      fseek(fp, static_cast<long>(sizeof(int32_t) + sizeof(mprec) * MPPLANETS), SEEK_SET) != 0)
    return -1;
  bool users = countuserobj() > 0;
  int32_t index = MPPLANETS;
  for (;;) {
    int got = static_cast<int>(fread(block, sizeof(mprec), SCANBLOCK, fp));
    int n = 0;
    for (int i = 0; i < got && index < count; i++, index++) {
      mprec &r = block[i];
      r.name[sizeof r.name - 1] = '\0';
      if (!mpplausible(&r) || (users && userholds(&r) >= 0)) continue;
      if (n != i) block[n] = r;
      blockrecord[n] = index;
      blockkind[n] = ROWDATABASE;
      n++;
    }
    scanblock(sc, n);
    if (got < SCANBLOCK || index >= count) break;
  }
  return 0;
}

int tonightscan(const char *path, const NIGHT *n, const TONIGHTFILTER *f) {
  FILE *fp = path ? fopen(path, "rb") : nullptr;
  int rows = tonightscanfrom(fp, n, f);
  if (fp) fclose(fp);
  return rows;
}

int tonightscanfrom(FILE *fp, const NIGHT *n, const TONIGHTFILTER *f) {
  tonightrows = tonightpassed = tonightscanned = 0;
  tonightnight = *n;
  tonightfilter = *f;
  SCAN sc;
  sc.n = n;
  sc.f = f;
  passdate(n->start, &sc.d[0]);
  passdate(n->middle, &sc.d[1]);
  passdate(n->end, &sc.d[2]);
  sc.lst0 = siderealhours(n->middle, n->westlong);
  darkspan(n, f->darkness, &sc.dark0, &sc.dark1);
  double mra, mdec;
  moonplace(n->middle, &mra, &mdec);
  unitvector(mra, mdec, sc.moon);
  // The planets and the user's objects from the table.
  int k = 0;
  for (int i = 0; i < iNumAst && i < MPPLANETS; i++, k++) {
    block[k] = mp[i];
    blockrecord[k] = i;
    blockkind[k] = ROWPLANET;
  }
  for (int s = 0; s < MPUSERMAX; s++) {
    int i = userobj[s];
    if (i < MPPLANETS || i >= iNumAst) continue;
    block[k] = mp[i];
    blockrecord[k] = i;
    blockkind[k] = ROWUSER;
    k++;
  }
  scanblock(&sc, k);
  int status = fp ? scanfile(&sc, fp) : -1;
  tonightsort(f->order);
  return status < 0 ? -1 : tonightrows;
}

// The order the sort uses, and its comparisons.
static int sortorder;

// The planets in their order, numbered objects by number, then the rest
// by name.
static int bynumber(const TONIGHTROW *a, const TONIGHTROW *b) {
  if ((a->kind == ROWPLANET) != (b->kind == ROWPLANET)) return a->kind == ROWPLANET ? -1 : 1;
  if (a->kind == ROWPLANET) return a->record < b->record ? -1 : (a->record > b->record ? 1 : 0);
  if ((a->number > 0) != (b->number > 0)) return a->number > 0 ? -1 : 1;
  if (a->number != b->number) return a->number < b->number ? -1 : 1;
  return strncmp(a->name, b->name, sizeof a->name);
}

static int rowcompare(const void *pa, const void *pb) {
  const TONIGHTROW *a = static_cast<const TONIGHTROW *>(pa), *b = static_cast<const TONIGHTROW *>(pb);
  double x = 0.0, y = 0.0;
  switch (sortorder) {
    case ORDERTRANSIT: x = a->transit; y = b->transit; break;
    case ORDERMAG: x = a->mag; y = b->mag; break;
    case ORDERMINUTES: x = -a->minutes; y = -b->minutes; break;
    default: break;
  }
  if (x != y) return x < y ? -1 : 1;
  return bynumber(a, b);
}

void tonightsort(int order) {
  sortorder = order;
  qsort(tonight, tonightrows, sizeof tonight[0], rowcompare);
}

double rowaltitude(const NIGHT *n, const TONIGHTROW *r, double jd) {
  double dt = jd - n->middle;
  return altitudeof(siderealhours(jd, n->westlong), n->lat, r->ra + r->dra * dt, r->dec + r->ddec * dt);
}

void localhhmm(char *dest, double jd, double tz) {
  if (jd == 0.0) {
    snprintf(dest, 8, "--:--");
    return;
  }
  double day = jd + 0.5 + tz / 24.0;
  long minutes = lround((day - floor(day)) * 1440.0) % 1440;
  snprintf(dest, 8, "%02ld:%02ld", minutes / 60, minutes % 60);
}

// Local date and time of jd in zone tz as "yyyy-mm-dd hh:mm" into dest
// (24 bytes); empty for 0.
static void localstamp(char *dest, double jd, double tz) {
  if (jd == 0.0) {
    dest[0] = '\0';
    return;
  }
  double local = floor((jd + tz / 24.0) * 1440.0 + 0.5) / 1440.0 + 1e-9;
  int mday, month;
  long year;
  double ut;
  jdtodmyut(local, &mday, &month, &year, &ut);
  int minutes = static_cast<int>(ut * 60.0) % 1440;
  snprintf(dest, 24, "%04ld-%02d-%02d %02d:%02d", year, month, mday, minutes / 60, minutes % 60);
}

static double csvzone;

// CSV line of row i.
static int csvrow(int i, char *line, int size) {
  const TONIGHTROW &r = tonight[i];
  char name[48], rise[24], transit[24], set[24];
  csvtext(name, sizeof name, r.name);
  localstamp(rise, r.rise, csvzone);
  localstamp(transit, r.transit, csvzone);
  localstamp(set, r.set, csvzone);
  const char *updown = r.updown == ALWAYSUP ? "always up" : (r.updown == NEVERUP ? "never up" : "");
  return snprintf(line, size, "%c,%d,%d,%s,%s,%s,%s,%s,%.1f,%.0f,%.2f,%.1f,%.1f,%.4f,%.3f,%.0f,%.5f,%.4f",
                  static_cast<char>(r.kind), r.kind == ROWDATABASE ? r.record : -1, r.number, name, rise, transit, set, updown, r.alttransit,
                  r.minutes, r.mag, r.elong, r.moondist, r.dist, r.motion, r.pa, r.ra2000, r.dec2000);
}

int tonightcsv(const char *path, double tz) {
  csvzone = tz;
  static const char kHeader[] =
      "kind,record,number,name,rise,transit,set,rises,alt_transit_deg,minutes,mag,elong_deg,moon_deg,"
      "dist_au,motion_arcsec_min,motion_pa_deg,ra2000_h,dec2000_deg";
  return csvwrite(path, kHeader, tonightrows, csvrow);
}

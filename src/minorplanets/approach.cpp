#include "minorplanets/approach.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "astro/twilight.h"
#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "astro/riseset.h"
#include "astro/sun.h"
#include "minorplanets/positions.h"

APPROACH appr[APPROACHMAX];
int iNumAppr;
int iApprFound;
int iApprPick = -1;

static const double kRad = M_PI / 180.0;
static const double kArcsec = 180.0 / M_PI * 3600.0;  // arc seconds a radian
static const double kRefineDays = 2.0 / 86400.0;      // instants refined to 2 s

struct VEC {
  double x, y, z;
};

static VEC unitvec(double rahours, double decdeg) {
  double a = rahours * 15.0 * kRad, d = decdeg * kRad;
  return VEC{cos(d) * cos(a), cos(d) * sin(a), sin(d)};
}

static double dist(const VEC &a, const VEC &b) {
  double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
  return sqrt(dx * dx + dy * dy + dz * dz);
}

double separation(double ra1, double dec1, double ra2, double dec2, double *pa) {
  double a1 = ra1 * 15.0 * kRad, d1 = dec1 * kRad, a2 = ra2 * 15.0 * kRad, d2 = dec2 * kRad;
  double da = a2 - a1;
  // Haversine: exact at the small separations that matter here.
  double sd = sin((d2 - d1) / 2), sa = sin(da / 2);
  double h = sd * sd + cos(d1) * cos(d2) * sa * sa;
  double sep = 2.0 * asin(sqrt(std::min(1.0, h)));
  double p = atan2(sin(da) * cos(d2), cos(d1) * sin(d2) - sin(d1) * cos(d2) * cos(da)) / kRad;
  *pa = p < 0.0 ? p + 360.0 : p;
  return sep * kArcsec;
}

void pairsky(double jd, double ra, double dec, double *alt, double *sunalt) {
  double az, sra, sdec, eqt, dpsi, deps, obl;
  altaz(jd, &az, alt, ra, dec);
  getsunpos(jd, &sra, &sdec, &eqt, &dpsi, &deps, &obl);
  altaz(jd, &az, sunalt, sra, sdec);
}

bool pairvisible(double alt, double sunalt, double minalt, int darkonly) {
  if (alt < minalt) return false;
  return !darkonly || sunalt < DARKSUNALT;
}

// Stars brighter than the limit in zones of declination, each zone
// ordered by R.A.: the stars near a piece of track in a few short scans.
namespace {
constexpr double kZoneDeg = 0.25;
constexpr int kZones = static_cast<int>(180.0 / kZoneDeg);

struct ZONESTAR {
  double ra;  // hours
  VEC v;
  int index;  // the caller's star index
};

struct STARZONES {
  std::vector<ZONESTAR> star;
  int start[kZones + 1];
};

int zoneof(double decdeg) {
  int z = static_cast<int>(floor((decdeg + 90.0) / kZoneDeg));
  return z < 0 ? 0 : (z >= kZones ? kZones - 1 : z);
}

void buildzones(STARZONES *s, const APPRSTARLIST *list, double maglimit) {
  std::vector<std::pair<int, ZONESTAR>> all;
  all.reserve(list->n);
  for (int i = 0; i < list->n; i++) {
    if (!(list->mag[i] < maglimit)) continue;
    ZONESTAR z{list->ra[i], unitvec(list->ra[i], list->dec[i]), i};
    all.push_back({zoneof(list->dec[i]), z});
  }
  std::sort(all.begin(), all.end(), [](const std::pair<int, ZONESTAR> &a, const std::pair<int, ZONESTAR> &b) {
    return a.first != b.first ? a.first < b.first : a.second.ra < b.second.ra;
  });
  s->star.clear();
  s->star.reserve(all.size());
  int z = 0;
  for (size_t k = 0; k < all.size(); k++) {
    while (z <= all[k].first) s->start[z++] = static_cast<int>(k);
    s->star.push_back(all[k].second);
  }
  while (z <= kZones) s->start[z++] = static_cast<int>(all.size());
}

// One piece of a first object's track between two places of the coarse
// track, and how far the true path may stray from the straight piece.
struct PIECE {
  VEC a, b;
  double slack;  // radians
};

// A pair whose straight pieces come within the widest separation plus
// their slack: refined later.
struct CANDIDATE {
  int first, second, kind, step;
};

// Least distance (radians, chord) of point s from the piece a..b.
double piecedistance(const PIECE &p, const VEC &s) {
  VEC d{p.b.x - p.a.x, p.b.y - p.a.y, p.b.z - p.a.z};
  double dd = d.x * d.x + d.y * d.y + d.z * d.z;
  double t = dd > 0.0 ? ((s.x - p.a.x) * d.x + (s.y - p.a.y) * d.y + (s.z - p.a.z) * d.z) / dd : 0.0;
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  VEC q{p.a.x + t * d.x, p.a.y + t * d.y, p.a.z + t * d.z};
  return dist(q, s);
}

// Least distance (radians, chord) of two pieces travelled over the same
// interval: the relative motion is straight.
double relativedistance(const PIECE &p, const PIECE &q) {
  VEC r0{q.a.x - p.a.x, q.a.y - p.a.y, q.a.z - p.a.z};
  VEC r1{q.b.x - p.b.x, q.b.y - p.b.y, q.b.z - p.b.z};
  VEC d{r1.x - r0.x, r1.y - r0.y, r1.z - r0.z};
  double dd = d.x * d.x + d.y * d.y + d.z * d.z;
  double t = dd > 0.0 ? -(r0.x * d.x + r0.y * d.y + r0.z * d.z) / dd : 0.0;
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  VEC m{r0.x + t * d.x, r0.y + t * d.y, r0.z + t * d.z};
  return sqrt(m.x * m.x + m.y * m.y + m.z * m.z);
}

// Stars within reach (radians) of piece p, reported to found(index).
template <class F>
void starsnear(const STARZONES &s, const PIECE &p, double reach, F found) {
  double da = p.a.z, db = p.b.z;  // sines of the declinations
  double dlo = asin(std::max(-1.0, std::min(da, db))) / kRad - reach / kRad;
  double dhi = asin(std::min(1.0, std::max(da, db))) / kRad + reach / kRad;
  double ra1 = atan2(p.a.y, p.a.x) / kRad / 15.0, ra2 = atan2(p.b.y, p.b.x) / kRad / 15.0;
  if (ra1 < 0) ra1 += 24.0;
  if (ra2 < 0) ra2 += 24.0;
  // The piece's R.A. span, the short way round, widened by the reach at
  // the declination farthest from the equator.
  double lo = ra1, span = ra2 - ra1;
  if (span > 12.0) span -= 24.0;
  if (span < -12.0) span += 24.0;
  if (span < 0) {
    lo = ra2;
    span = -span;
  }
  double maxdec = std::max(fabs(dlo), fabs(dhi));
  double widen = maxdec >= 89.0 ? 12.0 : reach / kRad / 15.0 / cos(maxdec * kRad);
  bool all = widen >= 6.0 || span + 2 * widen >= 24.0;
  lo -= widen;
  double hi = lo + span + 2 * widen;
  for (int z = zoneof(dlo); z <= zoneof(dhi); z++) {
    const ZONESTAR *b = s.star.data() + s.start[z], *e = s.star.data() + s.start[z + 1];
    auto scan = [&](double from, double to) {
      const ZONESTAR *k = std::lower_bound(b, e, from, [](const ZONESTAR &x, double v) { return x.ra < v; });
      for (; k < e && k->ra <= to; k++)
        if (piecedistance(p, k->v) <= reach) found(k->index);
    };
    if (all) {
      scan(-1.0, 25.0);
    } else if (lo < 0.0) {
      scan(0.0, hi);
      scan(lo + 24.0, 24.0);
    } else if (hi >= 24.0) {
      scan(lo, 24.0);
      scan(0.0, hi - 24.0);
    } else {
      scan(lo, hi);
    }
  }
}

// Places of records [0, n) of the table at jd as unit vectors into v
// (v[i].x NaN for a record without a place).
void tableslice(double jd, int n, VEC *v) {
  PASSDATE d;
  passdate(jd, &d);
  placerecords(&d, 0, n);
  for (int i = 0; i < n; i++)
    v[i] = place.ok[i] ? unitvec(place.ra[i], place.dec[i]) : VEC{NAN, NAN, NAN};
}

// Place (hours, degrees) and magnitude of table record i at jd; false
// without one. The Earth is kept between calls for the same jd.
bool recordat(int i, double jd, double *ra, double *dec, double *mag) {
  GEOPLACE g;
  if (astplace(i, jd, 0, &g) != 0) return false;
  tablemagnitudes(i, 1);
  *ra = g.ra;
  *dec = g.dec;
  *mag = place.mag[i];
  return true;
}

// Separation (arc seconds) of candidate c at jd, or a huge value.
double candidatesep(const CANDIDATE &c, const APPRSTARLIST *stars, double jd) {
  double ra1, dec1, m1, ra2, dec2, m2, pa;
  if (!recordat(c.first, jd, &ra1, &dec1, &m1)) return HUGE_VAL;
  if (c.kind == APPRSTAR) {
    ra2 = stars->ra[c.second];
    dec2 = stars->dec[c.second];
  } else if (!recordat(c.second, jd, &ra2, &dec2, &m2)) {
    return HUGE_VAL;
  }
  return separation(ra1, dec1, ra2, dec2, &pa);
}

// The least separation of c within lo .. hi (Julian Days) by golden
// section; false when it lies at an end of the interval (the least of a
// neighbouring piece, or before or after the range), not a true minimum.
bool refine(const CANDIDATE &c, const APPRSTARLIST *stars, double lo, double hi, double rangelo,
            double rangehi, double *jd, double *sep) {
  const double g = (sqrt(5.0) - 1.0) / 2.0;
  double a = lo, b = hi;
  double x1 = b - g * (b - a), x2 = a + g * (b - a);
  double f1 = candidatesep(c, stars, x1), f2 = candidatesep(c, stars, x2);
  while (b - a > kRefineDays) {
    if (f1 <= f2) {
      b = x2;
      x2 = x1;
      f2 = f1;
      x1 = b - g * (b - a);
      f1 = candidatesep(c, stars, x1);
    } else {
      a = x1;
      x1 = x2;
      f1 = f2;
      x2 = a + g * (b - a);
      f2 = candidatesep(c, stars, x2);
    }
  }
  *jd = f1 <= f2 ? x1 : x2;
  *sep = std::min(f1, f2);
  if (!std::isfinite(*sep)) return false;
  // A least value at an end rises inside: compare with a step outside.
  double edge = 4.0 * kRefineDays;
  if (*jd - lo < edge && (lo <= rangelo || candidatesep(c, stars, lo - edge) < *sep)) return false;
  if (hi - *jd < edge && (hi >= rangehi || candidatesep(c, stars, hi + edge) < *sep)) return false;
  return true;
}

// Two records of one orbit stand together all the time: no approach.
bool sameorbit(const mprec &a, const mprec &b) {
  return a.semiaxis == b.semiaxis && a.ecc == b.ecc && a.inc == b.inc && a.ascnode == b.ascnode &&
         a.argperi == b.argperi && a.peritime == b.peritime && a.daily == b.daily;
}

// Pairs of minor planets (records MPPLANETS .. placed - 1, at least one
// of them in first .. last) whose pieces of step k come within reach plus
// their slack: a sweep over the pieces ordered by their lowest z (sine of
// the declination), which no two pieces farther apart in z can beat.
void pairsnear(const std::vector<PIECE> &piece, int placed, int first, int last, double reach, int k,
               std::vector<int> *order, std::vector<CANDIDATE> *cands) {
  order->clear();
  double maxslack = 0.0;
  for (int i = MPPLANETS; i < placed; i++)
    if (piece[i].slack >= 0.0) {
      order->push_back(i);
      maxslack = std::max(maxslack, piece[i].slack);
    }
  auto zlo = [&](int i) { return std::min(piece[i].a.z, piece[i].b.z); };
  auto zhi = [&](int i) { return std::max(piece[i].a.z, piece[i].b.z); };
  std::sort(order->begin(), order->end(), [&](int a, int b) { return zlo(a) < zlo(b); });
  size_t m = order->size();
  for (size_t u = 0; u < m; u++) {
    int i = (*order)[u];
    double top = zhi(i) + reach + piece[i].slack + maxslack;
    for (size_t w = u + 1; w < m && zlo((*order)[w]) <= top; w++) {
      int j = (*order)[w];
      bool fi = i >= first && i <= last, fj = j >= first && j <= last;
      if ((!fi && !fj) || sameorbit(mp[i], mp[j])) continue;
      const PIECE &p = piece[i], &o = piece[j];
      double r = reach + p.slack + o.slack;
      // The pieces' ends give a quick bound before the closer look.
      if (dist(p.a, o.a) - dist(p.a, p.b) - dist(o.a, o.b) > r) continue;
      if (relativedistance(p, o) > r) continue;
      int a = fi && (!fj || i < j) ? i : j;
      cands->push_back({a, a == i ? j : i, APPRPLANET, k});
    }
  }
}

}  // namespace

int findapproaches(const APPROACHQUERY *q, const APPRSTARLIST *stars) {
  iNumAppr = iApprFound = 0;
  iApprPick = -1;
  int n = iNumAst < MPMAX ? iNumAst : MPMAX;
  int first = std::max(q->first, MPPLANETS), last = std::min(q->last, n - 1);
  if (first > last || !(q->days > 0.0)) return 0;
  double days = std::min(q->days, 366.0);
  double h = APPROACHSTEPH / 24.0;
  int steps = static_cast<int>(ceil(days / h));
  double reach = q->maxsep / kArcsec;
  STARZONES zones;
  bool usestars = q->stars && stars && stars->n > 0;
  if (usestars) buildzones(&zones, stars, q->starmag);
  // Places of the table at four consecutive instants of the track: the
  // piece k..k+1 and the second differences on both sides of it.
  // Only the first objects are needed unless other minor planets count.
  int placed = q->planets ? n : last + 1;
  std::vector<VEC> ring(4 * static_cast<size_t>(placed));
  auto slice = [&](int k) { return ring.data() + static_cast<size_t>(((k % 4) + 4) % 4) * placed; };
  for (int k = -1; k <= 2; k++) tableslice(q->jd0 + k * h, placed, slice(k));
  std::vector<PIECE> piece(placed);
  std::vector<CANDIDATE> cands;
  std::vector<int> order;
  for (int k = 0; k < steps; k++) {
    if (k > 0) tableslice(q->jd0 + (k + 2) * h, placed, slice(k + 2));
    const VEC *p0 = slice(k - 1), *p1 = slice(k), *p2 = slice(k + 1), *p3 = slice(k + 2);
    int lo = q->planets ? MPPLANETS : first;
    for (int i = lo; i < placed; i++) {
      PIECE &pc = piece[i];
      pc.a = p1[i];
      pc.b = p2[i];
      // The path strays from its chord by about an eighth of the second
      // difference; twice that, plus the chord's depth below the sphere.
      double s1 = dist(VEC{p0[i].x - 2 * p1[i].x + p2[i].x, p0[i].y - 2 * p1[i].y + p2[i].y,
                           p0[i].z - 2 * p1[i].z + p2[i].z}, VEC{0, 0, 0});
      double s2 = dist(VEC{p1[i].x - 2 * p2[i].x + p3[i].x, p1[i].y - 2 * p2[i].y + p3[i].y,
                           p1[i].z - 2 * p2[i].z + p3[i].z}, VEC{0, 0, 0});
      double chord = dist(pc.a, pc.b);
      pc.slack = std::max(s1, s2) / 4.0 + chord * chord / 8.0 + 0.5 / kArcsec;
      if (!std::isfinite(pc.slack)) pc.slack = -1.0;  // no place: passed over
    }
    for (int i = first; i <= last; i++) {
      const PIECE &pc = piece[i];
      if (pc.slack < 0.0) continue;
      if (usestars)
        starsnear(zones, pc, reach + pc.slack, [&](int s) { cands.push_back({i, s, APPRSTAR, k}); });
    }
    if (q->planets) pairsnear(piece, placed, first, last, reach, k, &order, &cands);
  }
  // Each candidate piece refined on exact places over the piece and half a
  // step either side; the same pair's minimum found from two pieces is
  // kept once.
  double rangehi = q->jd0 + days;
  std::vector<APPROACH> found;
  for (const CANDIDATE &c : cands) {
    double t0 = q->jd0 + c.step * h;
    double lo = std::max(q->jd0, t0 - h / 2), hi = std::min(rangehi, t0 + 1.5 * h);
    double jd, sep;
    if (!refine(c, stars, lo, hi, q->jd0, rangehi, &jd, &sep) || sep > q->maxsep) continue;
    APPROACH a{};
    a.jd = jd;
    a.sep = sep;
    a.kind = c.kind;
    a.first = c.first;
    a.second = c.second;
    double ra2, dec2;
    recordat(c.first, jd, &a.ra, &a.dec, &a.mag1);
    if (c.kind == APPRSTAR) {
      ra2 = stars->ra[c.second];
      dec2 = stars->dec[c.second];
      a.mag2 = stars->mag[c.second];
    } else {
      recordat(c.second, jd, &ra2, &dec2, &a.mag2);
    }
    separation(a.ra, a.dec, ra2, dec2, &a.pa);
    pairsky(jd, a.ra, a.dec, &a.alt, &a.sunalt);
    if (!pairvisible(a.alt, a.sunalt, q->minalt, q->darkonly)) continue;
    found.push_back(a);
  }
  std::sort(found.begin(), found.end(), [](const APPROACH &a, const APPROACH &b) {
    if (a.kind != b.kind) return a.kind < b.kind;
    if (a.first != b.first) return a.first < b.first;
    if (a.second != b.second) return a.second < b.second;
    return a.jd < b.jd;
  });
  std::vector<APPROACH> kept;
  for (const APPROACH &a : found) {
    if (!kept.empty()) {
      APPROACH &b = kept.back();
      if (b.kind == a.kind && b.first == a.first && b.second == a.second && a.jd - b.jd < h / 2) {
        if (a.sep < b.sep) b = a;
        continue;
      }
    }
    kept.push_back(a);
  }
  std::sort(kept.begin(), kept.end(), [](const APPROACH &a, const APPROACH &b) { return a.jd < b.jd; });
  iApprFound = static_cast<int>(kept.size());
  iNumAppr = std::min(iApprFound, static_cast<int>(APPROACHMAX));
  std::copy(kept.begin(), kept.begin() + iNumAppr, appr);
  return iApprFound;
}

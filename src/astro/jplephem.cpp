#include "astro/jplephem.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the ephemeris file is read as little-endian memory images"
#endif

static const char kMagic[8] = {'K', 'V', 'X', 'J', 'P', 'L', '1', '\0'};
static const int32_t kVersion = 1;

// One body's series: nint intervals of length days from the span's start,
// each ncoef coefficients for x, y and z (km) from coef.
struct JPLSERIES {
  int ncoef;
  int nint;
  double length;
  const double *coef;
};

static struct {
  int loaded;
  double start, end;  // TDB Julian Days
  double emrat;       // Earth/Moon mass ratio
  double au;          // km
  JPLSERIES body[JPLBODIES];
} jpl;
static double jplcoef[JPLMAXDOUBLES];

// FNV-1a over n bytes, continuing from h.
static uint64_t fnv1a(uint64_t h, const unsigned char *p, size_t n) {
  for (size_t i = 0; i < n; i++) {
    h ^= p[i];
    h *= 0x100000001b3ULL;
  }
  return h;
}

// Reads n bytes into dst and adds them to the hash h. Returns 1 when all came.
static int take(FILE *f, void *dst, size_t n, uint64_t *h) {
  if (fread(dst, 1, n, f) != n) return 0;
  *h = fnv1a(*h, static_cast<const unsigned char *>(dst), n);
  return 1;
}

void jplclose() { jpl.loaded = 0; }

int jplread(FILE *f) {
  jplclose();
  if (!f) return JPLNOFILE;
  uint64_t h = 0xcbf29ce484222325ULL;
  char magic[8];
  int32_t head[2];
  double span[4];
  if (!take(f, magic, sizeof magic, &h) || !take(f, head, sizeof head, &h) ||
      !take(f, span, sizeof span, &h))
    return JPLSHORT;
  if (memcmp(magic, kMagic, sizeof magic) != 0 || head[0] != kVersion || head[1] != JPLBODIES)
    return JPLBADHEADER;
  double start = span[0], end = span[1];
  // Written as !(a < b) so that NaN fails too.
  if (!(end > start) || !(end - start <= JPLMAXSPAN) || !(std::fabs(start) < 1e8) ||
      !(span[2] > 1.0 && span[2] < 1000.0) || !(span[3] > 1e8 && span[3] < 2e8))
    return JPLBADHEADER;
  long total = 0;
  for (int b = 0; b < JPLBODIES; b++) {
    int32_t n[2];
    double length;
    if (!take(f, n, sizeof n, &h) || !take(f, &length, sizeof length, &h)) return JPLSHORT;
    // The intervals must tile the span exactly.
    if (n[0] < 1 || n[0] > JPLMAXCOEF || n[1] < 1 || n[1] > JPLMAXINTERVALS || !(length > 0.0) ||
        !(std::fabs(n[1] * length - (end - start)) < 1e-6))
      return JPLBADHEADER;
    long count = 3L * n[0] * n[1];
    if (count > JPLMAXDOUBLES - total) return JPLBADHEADER;
    jpl.body[b] = {n[0], n[1], length, jplcoef + total};
    total += count;
  }
  for (long i = 0; i < total; i++) {
    if (!take(f, &jplcoef[i], sizeof(double), &h)) return JPLSHORT;
  }
  uint64_t sum;
  unsigned char extra;
  if (fread(&sum, sizeof sum, 1, f) != 1 || fread(&extra, 1, 1, f) != 0) return JPLSHORT;
  if (sum != h) return JPLBADSUM;
  for (long i = 0; i < total; i++)
    if (!std::isfinite(jplcoef[i])) return JPLBADVALUE;
  jpl.start = start;
  jpl.end = end;
  jpl.emrat = span[2];
  jpl.au = span[3];
  jpl.loaded = 1;
  return JPLOK;
}

const char *jplwhy(int result) {
  switch (result) {
    case JPLOK: return "read";
    case JPLNOFILE: return "missing";
    case JPLSHORT: return "cut short";
    case JPLBADHEADER: return "not an ephemeris";
    case JPLBADSUM: return "damaged";
    default: return "bad values";
  }
}

// TDB Julian Day jd as a calendar year with a fraction (for reports).
static double jdyear(double jd) { return 2000.0 + (jd - 2451545.0) / 365.25; }

int jplopen(const char *path, char *report, size_t len) {
  FILE *f = fopen(path, "rb");
  int r = f ? jplread(f) : JPLNOFILE;
  if (f) fclose(f);
  // One line of the start-up banner (40 columns).
  if (r == JPLOK)
    snprintf(report, len, "JPL DE405 %.0f-%.0f in use.", floor(jdyear(jpl.start)),
             floor(jdyear(jpl.end)));
  else
    snprintf(report, len, "%s %s: built-in theories.", JPLFILE, jplwhy(r));
  return r;
}

int jplcovers(double jd) { return jpl.loaded && jd >= jpl.start && jd <= jpl.end; }

void jplspan(double *first, double *last) {
  *first = jpl.loaded ? jpl.start : 0.0;
  *last = jpl.loaded ? jpl.end : 0.0;
}

// Sum of c[j] T_j(x) for j < n (Clenshaw).
static double chebsum(const double *c, int n, double x) {
  double b1 = 0.0, b2 = 0.0, x2 = 2.0 * x;
  for (int j = n - 1; j > 0; j--) {
    double t = x2 * b1 - b2 + c[j];
    b2 = b1;
    b1 = t;
  }
  return x * b1 - b2 + c[0];
}

// Series s at jd (inside the span) into pos, km.
static void series(const JPLSERIES &s, double jd, double pos[3]) {
  double t = (jd - jpl.start) / s.length;
  int k = static_cast<int>(t);
  if (k >= s.nint) k = s.nint - 1;  // the span's last instant
  if (k < 0) k = 0;
  double x = 2.0 * (t - k) - 1.0;
  const double *c = s.coef + 3L * s.ncoef * k;
  for (int i = 0; i < 3; i++) pos[i] = chebsum(c + i * s.ncoef, s.ncoef, x);
}

int jplbody(int b, double jd, double pos[3]) {
  if (b < 0 || b >= JPLBODIES || !jplcovers(jd)) return -1;
  series(jpl.body[b], jd, pos);
  for (int i = 0; i < 3; i++) pos[i] /= jpl.au;
  return 0;
}

int jplearth(double jd, double pos[3]) {
  double emb[3], moon[3];
  if (jplbody(JPLEMB, jd, emb) != 0) return -1;
  jplbody(JPLMOON, jd, moon);
  for (int i = 0; i < 3; i++) pos[i] = emb[i] - moon[i] / (1.0 + jpl.emrat);
  return 0;
}

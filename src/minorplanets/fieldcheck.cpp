#include "minorplanets/fieldcheck.h"

#include <cmath>
#include <cstring>

#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "base/status.h"

FIELDRESULT field;
int iFieldPick;

static const double kRadPerDeg = M_PI / 180.0;
static const double kArcsecPerRad = 180.0 / M_PI * 3600.0;
static const double kMotionDays = 1.0 / 24.0;  // motion measured over an hour

// One block of the file being checked, and the records of the hits (for
// their motion).
static mprec block[FIELDBLOCK];
static mprec hitrec[FIELDMAX];

bool fieldoffset(double ra0, double dec0, double ra, double dec, double *x, double *y) {
  double da = (ra - ra0) * 15.0 * kRadPerDeg;
  double d0 = dec0 * kRadPerDeg, d = dec * kRadPerDeg;
  double cd = cos(d), sd = sin(d), cd0 = cos(d0), sd0 = sin(d0), cda = cos(da);
  double q = sd * sd0 + cd * cd0 * cda;  // cosine of the distance
  if (q <= 0.0) return false;
  *x = cd * sin(da) / q * kArcsecPerRad;
  *y = (sd * cd0 - cd * sd0 * cda) / q * kArcsecPerRad;
  return true;
}

// Whether offset (x, y) lies inside the field of field.
static bool infield(double x, double y) {
  if (field.radius > 0.0) return x * x + y * y <= field.radius * field.radius;
  return fabs(x) <= field.halfw && fabs(y) <= field.halfh;
}

// Keeps hit h (record r): appended, or in place of the farthest held when
// that is farther.
static void keephit(const FIELDHIT &h, const mprec &r) {
  field.found++;
  int slot = field.count;
  if (slot >= FIELDMAX) {
    double far = -1.0;
    for (int k = 0; k < FIELDMAX; k++) {
      double d2 = field.hit[k].dx * field.hit[k].dx + field.hit[k].dy * field.hit[k].dy;
      if (d2 > far) {
        far = d2;
        slot = k;
      }
    }
    if (h.dx * h.dx + h.dy * h.dy >= far) return;
  } else {
    field.count++;
  }
  field.hit[slot] = h;
  hitrec[slot] = r;
}

// The placed records 0 .. n - 1 of block (file indices from first) that
// lie inside the field. decband: degrees from the centre's declination
// beyond which nothing can be inside.
static void scanblock(int n, long first, double decband) {
  for (int i = 0; i < n; i++) {
    // Records that cannot be real (the loader's rule) are passed over.
    if (!place.ok[i] || fabs(place.dec[i] - field.dec) > decband || !mpplausible(&block[i])) continue;
    FIELDHIT h;
    if (!fieldoffset(field.ra, field.dec, place.ra[i], place.dec[i], &h.dx, &h.dy) ||
        !infield(h.dx, h.dy))
      continue;
    h.index = static_cast<int32_t>(first + i);
    h.number = block[i].number;
    memcpy(h.name, block[i].name, sizeof h.name);
    h.name[sizeof h.name - 1] = '\0';
    h.ra = place.ra[i];
    h.dec = place.dec[i];
    h.mag = place.mag[i];
    h.rate = h.pa = 0.0;
    keephit(h, block[i]);
  }
}

// Motion of the hits: their places an hour later.
static void hitmotion(double jd) {
  if (field.count <= 0) return;
  PASSDATE d;
  passdate(jd + kMotionDays, &d);
  placeforeign(&d, hitrec, field.count);
  for (int k = 0; k < field.count; k++) {
    FIELDHIT &h = field.hit[k];
    double x, y;
    if (!place.ok[k] || !fieldoffset(h.ra, h.dec, place.ra[k], place.dec[k], &x, &y)) continue;
    h.rate = sqrt(x * x + y * y) / (kMotionDays * 24.0 * 60.0);
    h.pa = atan2(x, y) / kRadPerDeg;
    if (h.pa < 0.0) h.pa += 360.0;
  }
}

static int nearerfirst(const void *a, const void *b) {
  const FIELDHIT *p = static_cast<const FIELDHIT *>(a), *q = static_cast<const FIELDHIT *>(b);
  double dp = p->dx * p->dx + p->dy * p->dy, dq = q->dx * q->dx + q->dy * q->dy;
  return dp < dq ? -1 : (dp > dq ? 1 : p->index - q->index);
}

int fieldcheckfile(FILE *f, double jd, double ra0, double dec0, double radius, double halfw,
                   double halfh) {
  field.jd = jd;
  field.ra = ra0;
  field.dec = dec0;
  field.radius = radius > 0.0 ? radius : 0.0;
  field.halfw = radius > 0.0 ? 0.0 : fabs(halfw);
  field.halfh = radius > 0.0 ? 0.0 : fabs(halfh);
  field.count = field.found = 0;
  field.placed = 0;
  iFieldPick = -1;
  int32_t count = 0;
  if (!f || fread(&count, sizeof count, 1, f) != 1 || count < 0) return -1;
  // The planets come first; a file of fewer records has no minor planets.
  if (count <= MPPLANETS || fseek(f, static_cast<long>(sizeof(mprec)) * MPPLANETS, SEEK_CUR) != 0)
    return 0;
  double reach = field.radius > 0.0 ? field.radius : hypot(field.halfw, field.halfh);
  double decband = reach / 3600.0 + 1e-6;
  PASSDATE d;
  passdate(jd, &d);
  long next = MPPLANETS;
  while (next < count) {
    long want = count - next < FIELDBLOCK ? count - next : static_cast<long>(FIELDBLOCK);
    int n = static_cast<int>(fread(block, sizeof(mprec), static_cast<size_t>(want), f));
    if (n <= 0) break;
    placeforeign(&d, block, n);
    tablemagnitudes(0, n);
    scanblock(n, next, decband);
    field.placed += n;
    next += n;
    if (n < want) break;  // the file ends early
  }
  hitmotion(jd);
  qsort(field.hit, field.count, sizeof field.hit[0], nearerfirst);
  return field.found;
}

int fieldcheck(const char *file, double jd, double ra0, double dec0, double radius,
               double halfw, double halfh) {
  char path[256];
  getfilename(path, file);
  FILE *f = fopen(path, "rb");
  if (!f) {
    field.count = field.found = 0;
    return -1;
  }
  int r = fieldcheckfile(f, jd, ra0, dec0, radius, halfw, halfh);
  fclose(f);
  return r;
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "minorplanets/elements.h"
#include "minorplanets/fieldcheck.h"
#include "minorplanets/placekernel.h"
#include "minorplanets/positions.h"
#include "testsupport.h"

namespace {

struct Brute {
  int index;
  double x, y, ra, dec;
};

// Gnomonic offsets the long way, from unit vectors: (p.e, p.n) / p.c;
// false on the far half of the sky.
bool vecoffset(double ra0, double dec0, double ra, double dec, double *x, double *y) {
  const double k = M_PI / 180.0;
  double a0 = ra0 * 15 * k, d0 = dec0 * k, a = ra * 15 * k, d = dec * k;
  double p[3] = {cos(d) * cos(a), cos(d) * sin(a), sin(d)};
  double c[3] = {cos(d0) * cos(a0), cos(d0) * sin(a0), sin(d0)};
  double e[3] = {-sin(a0), cos(a0), 0};
  double n[3] = {-sin(d0) * cos(a0), -sin(d0) * sin(a0), cos(d0)};
  double pc = p[0] * c[0] + p[1] * c[1] + p[2] * c[2];
  *x = (p[0] * e[0] + p[1] * e[1]) / pc * 206264.806;
  *y = (p[0] * n[0] + p[1] * n[1] + p[2] * n[2]) / pc * 206264.806;
  return pc > 0;
}

// Every minor planet of the shipped database placed one at a time through
// the table's own one-record path, and the field picked from them by hand.
TEST(FieldCheck, FindsWhatAOneByOneSearchOfTheWholeFileFinds) {
  std::string path = runtimepath("astdat.bin");
  FILE *f = fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  int32_t count = 0;
  ASSERT_EQ(fread(&count, 4, 1, f), 1u);
  std::vector<mprec> recs(count);
  ASSERT_EQ(fread(recs.data(), sizeof(mprec), count, f), static_cast<size_t>(count));
  ASSERT_GT(count, 2 * FIELDBLOCK);  // the search crosses blocks
  const double jd = 2461020.75;
  std::vector<GEOPLACE> at(count), later(count);
  std::vector<int> ok(count, 0);
  mprec saved = mp[0];
  for (int i = MPPLANETS; i < count; i++) {
    mp[0] = recs[i];
    ok[i] = astplace(0, jd, 1, &at[i]) == 0 && astplace(0, jd + 1.0 / 1440, 1, &later[i]) == 0;
  }
  mp[0] = saved;
  // A centre among the main belt: near record 2500's place.
  double ra0 = at[2500].ra + 0.05, dec0 = at[2500].dec - 0.4;
  struct Case {
    double radius, hw, hh;
  } cases[] = {{3.0 * 3600, 0, 0}, {0, 2.5 * 3600, 1.5 * 3600}, {40.0 * 3600, 0, 0}};
  for (const Case &c : cases) {
    std::vector<Brute> want;
    for (int i = MPPLANETS; i < count; i++) {
      if (!ok[i]) continue;
      Brute b{i, 0, 0, at[i].ra, at[i].dec};
      if (!vecoffset(ra0, dec0, at[i].ra, at[i].dec, &b.x, &b.y)) continue;
      bool in = c.radius > 0 ? hypot(b.x, b.y) <= c.radius : fabs(b.x) <= c.hw && fabs(b.y) <= c.hh;
      if (in) want.push_back(b);
    }
    ASSERT_GT(want.size(), 3u);
    rewind(f);
    int found = fieldcheckfile(f, jd, ra0, dec0, c.radius, c.hw, c.hh);
    EXPECT_EQ(found, static_cast<int>(want.size()));
    EXPECT_EQ(field.placed, count - MPPLANETS);
    std::sort(want.begin(), want.end(),
              [](const Brute &a, const Brute &b) { return hypot(a.x, a.y) < hypot(b.x, b.y); });
    int held = std::min<int>(FIELDMAX, want.size());
    if (c.radius > 30 * 3600) {
      EXPECT_GT(found, FIELDMAX);  // the nearest kept of more
    }
    ASSERT_EQ(field.count, held);
    for (int k = 0; k < held; k++) {
      const FIELDHIT &h = field.hit[k];
      const Brute &b = want[k];
      ASSERT_EQ(h.index, b.index) << k;
      EXPECT_STREQ(h.name, recs[b.index].name);
      EXPECT_NEAR(h.dx, b.x, 0.01);
      EXPECT_NEAR(h.dy, b.y, 0.01);
      // Motion over a minute from the places a minute apart.
      double mx, my;
      vecoffset(at[b.index].ra, at[b.index].dec, later[b.index].ra, later[b.index].dec, &mx, &my);
      EXPECT_NEAR(h.rate, hypot(mx, my), 0.002 + 0.01 * h.rate);
      double pa = atan2(mx, my) * 180 / M_PI;
      EXPECT_NEAR(remainder(h.pa - pa, 360.0), 0.0, 1.0);
    }
  }
  fclose(f);
}

}  // namespace

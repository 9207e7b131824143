#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "minorplanets/approach.h"
#include "minorplanets/astbin.h"
#include "minorplanets/elements.h"
#include "minorplanets/placekernel.h"
#include "minorplanets/positions.h"
#include "mp_fixtures.h"
#include "base/settings.h"

namespace {

struct Found {
  int first, second, kind;
  double jd, sep;
};

// Place of record i at jd through the one-record path.
bool at(int i, double jd, double *ra, double *dec) {
  GEOPLACE g;
  if (astplace(i, jd, 1, &g) != 0) return false;
  *ra = g.ra;
  *dec = g.dec;
  return true;
}

// Plain angle between two places, arc seconds (acos of the dot product,
// in long double so that a few milli-arc-seconds survive).
double angle(double ra1, double dec1, double ra2, double dec2) {
  const long double k = M_PI / 180.0L;
  long double a1 = ra1 * 15 * k, d1 = dec1 * k, a2 = ra2 * 15 * k, d2 = dec2 * k;
  long double c = sinl(d1) * sinl(d2) + cosl(d1) * cosl(d2) * cosl(a2 - a1);
  return static_cast<double>(acosl(std::min(1.0L, c)) / k * 3600);
}

// Brute force: separation every ten minutes over the range, each local
// minimum refined by a one-second scan of the twenty minutes about it.
// coarse(k) is the separation at step k, sep(jd) at any instant.
const double kStep = 10.0 / 1440;
template <class Coarse, class Sep>
void brute(double jd0, double days, double maxsep, int first, int second, int kind, Coarse coarse,
           Sep sep, std::vector<Found> *out) {
  const double step = kStep;
  int n = static_cast<int>(days / step);
  std::vector<double> s(n + 1);
  for (int k = 0; k <= n; k++) s[k] = coarse(k);
  for (int k = 1; k < n; k++) {
    if (!(s[k] <= s[k - 1] && s[k] < s[k + 1]) || s[k] > maxsep + 30) continue;
    // Minutes over the twenty, then seconds over the two about the best.
    double best = HUGE_VAL, when = jd0 + k * step;
    for (int pass = 0; pass < 2; pass++) {
      double centre = when, unit = pass ? 1.0 / 86400 : 60.0 / 86400;
      for (int t = pass ? -60 : -10; t <= (pass ? 60 : 10); t++) {
        double jd = centre + t * unit, v = sep(jd);
        if (v < best) {
          best = v;
          when = jd;
        }
      }
    }
    if (best <= maxsep) out->push_back({first, second, kind, when, best});
  }
}

// Places of every record of the table at jd.
void tableplaces(double jd, std::vector<double> *ra, std::vector<double> *dec) {
  PASSDATE d;
  passdate(jd, &d);
  placerecords(&d, 0, iNumAst);
  ra->assign(place.ra, place.ra + iNumAst);
  dec->assign(place.dec, place.dec + iNumAst);
}

// Each brute-force approach clearly inside the threshold is found, at the
// same minute and within half an arc second; nothing is found that the
// brute force does not know of.
void compare(const std::vector<Found> &want, double maxsep, const std::vector<int> &sample) {
  for (const Found &w : want) {
    if (w.sep > maxsep - 0.5) continue;  // too near the threshold to demand
    bool hit = false;
    for (int k = 0; k < iNumAppr && !hit; k++) {
      const APPROACH &a = appr[k];
      bool same = a.kind == w.kind &&
                  ((a.first == w.first && a.second == w.second) ||
                   (w.kind == APPRPLANET && a.first == w.second && a.second == w.first));
      if (!same || fabs(a.jd - w.jd) > 1.0 / 1440) continue;
      hit = true;
      EXPECT_NEAR(a.sep, w.sep, 0.5) << w.first << " " << w.second;
    }
    EXPECT_TRUE(hit) << "missed " << w.first << "-" << w.second << " kind " << w.kind << " at JD "
                     << w.jd << " sep " << w.sep;
  }
  for (int k = 0; k < iNumAppr; k++) {
    const APPROACH &a = appr[k];
    bool mine = false;
    for (int i : sample) mine |= a.first == i || (a.kind == APPRPLANET && a.second == i);
    if (!mine || a.sep < 0.5) continue;
    bool known = false;
    for (const Found &w : want)
      known |= w.kind == a.kind && fabs(a.jd - w.jd) <= 1.0 / 1440 &&
               ((a.first == w.first && a.second == w.second) ||
                (a.kind == APPRPLANET && a.first == w.second && a.second == w.first));
    EXPECT_TRUE(known || a.sep > maxsep - 0.5) << "unknown " << a.first << "-" << a.second;
  }
}

TEST(Approach, NoneMissedThatABruteForceSearchFinds) {
  mpallegro();
  initsettings();
  dFP[MPMAGLIMIT] = 14.0;
  ASSERT_EQ(MPinit(), 0);
  const double jd0 = 2461040.5, days = 8, maxsep = 60;
  // Two companions that overtake records 57 and 1210 mid-range, a few
  // arc seconds to one side: approaches between minor planets for sure.
  for (int c : {57, 1210}) {
    ASSERT_LT(iNumAst, MPMAX);
    mprec r = mp[c];
    double tc = jd0 + 3.3 + c / 1000.0, daily = r.daily * 1.2;
    // Same mean anomaly as the original at tc, on a faster orbit.
    double ep = r.epoch + 0.5;
    r.meananom = static_cast<float>(fmod(r.meananom + (r.daily - daily) * (tc - ep), 360.0));
    r.daily = static_cast<float>(daily);
    r.inc += 0.0004f;
    mp[iNumAst++] = r;
  }
  // Stars: a random sky, and stars put beside the sample's paths at random
  // instants and offsets (0 to 80").
  std::mt19937 rng(22);
  std::uniform_real_distribution<double> u(0, 1);
  std::vector<double> ra, dec, mag;
  for (int k = 0; k < 8000; k++) {
    ra.push_back(24 * u(rng));
    dec.push_back(asin(2 * u(rng) - 1) * 180 / M_PI);
    mag.push_back(5 + 7 * u(rng));
  }
  std::vector<int> sample = {57, 1210, 2900};
  for (int i : sample)
    for (int k = 0; k < 40; k++) {
      double r, d, jd = jd0 + days * u(rng);
      ASSERT_TRUE(at(i, jd, &r, &d));
      double off = 80 * u(rng) / 3600, dir = 2 * M_PI * u(rng);
      ra.push_back(r + off * sin(dir) / cos(d * M_PI / 180) / 15);
      dec.push_back(d + off * cos(dir));
      mag.push_back(k % 5 == 0 ? 11 : 9);  // a fifth fainter than the limit
    }
  APPRSTARLIST stars{static_cast<int>(ra.size()), ra.data(), dec.data(), mag.data()};
  std::vector<Found> want;
  // Places of the table every half day: what comes within half a degree
  // of a sample object at one of them is looked at closely.
  std::vector<std::vector<double>> tra, tdec;
  for (double t = jd0; t <= jd0 + days + 0.25; t += 0.5) {
    tra.emplace_back();
    tdec.emplace_back();
    tableplaces(t, &tra.back(), &tdec.back());
  }
  auto nearsometime = [&](int i, double r, double d, int j) {
    for (size_t t = 0; t < tra.size(); t++)
      if (fabs(tdec[t][i] - (j < 0 ? d : tdec[t][j])) < 0.5 && angle(tra[t][i], tdec[t][i], j < 0 ? r : tra[t][j], j < 0 ? d : tdec[t][j]) < 1800) return true;
    return false;
  };
  std::vector<std::vector<double>> pra(iNumAst), pdec(iNumAst);  // ten-minute places, when wanted
  auto track = [&](int i) {
    if (pra[i].empty())
      for (int k = 0; k <= days / kStep; k++) {
        double r, d;
        at(i, jd0 + k * kStep, &r, &d);
        pra[i].push_back(r);
        pdec[i].push_back(d);
      }
  };
  for (int i : sample) {
    track(i);
    for (int s = 0; s < stars.n; s++)
      if (mag[s] < 10.0 && nearsometime(i, ra[s], dec[s], -1))
        brute(jd0, days, maxsep, i, s, APPRSTAR, [&](int k) { return angle(pra[i][k], pdec[i][k], ra[s], dec[s]); },
              [&](double jd) {
                double r, d;
                at(i, jd, &r, &d);
                return angle(r, d, ra[s], dec[s]);
              },
              &want);
    for (int j = MPPLANETS; j < iNumAst; j++) {
      if (j == i || !nearsometime(i, 0, 0, j)) continue;
      track(j);
      brute(jd0, days, maxsep, i, j, APPRPLANET,
            [&](int k) { return angle(pra[i][k], pdec[i][k], pra[j][k], pdec[j][k]); },
            [&](double jd) {
              double r1, d1, r2, d2;
              at(i, jd, &r1, &d1);
              at(j, jd, &r2, &d2);
              return angle(r1, d1, r2, d2);
            },
            &want);
    }
  }
  int stars0 = 0, planets0 = 0;
  for (const Found &w : want) (w.kind == APPRSTAR ? stars0 : planets0)++;
  ASSERT_GT(stars0, 50);
  ASSERT_GT(planets0, 0);
  // The whole page at once, and one object alone.
  APPROACHQUERY q{jd0, days, maxsep, 10.0, -90.0, 0, MPPLANETS, iNumAst - 1, 1, 1};
  findapproaches(&q, &stars);
  compare(want, maxsep, sample);
  std::vector<Found> one;
  for (const Found &w : want)
    if (w.first == 1210 || w.second == 1210) one.push_back(w);
  q.first = q.last = 1210;
  findapproaches(&q, &stars);
  compare(one, maxsep, {1210});
}

}  // namespace

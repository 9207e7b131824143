#include "astro/constellations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(Constellations, NamesAndLabelPoints) {
  char text[20];
  double ra, dec;
  ASSERT_TRUE(getCname(88, text, &ra, &dec));
  EXPECT_STREQ("Vulpecula", text);
  EXPECT_DOUBLE_EQ(20.367, ra);
  EXPECT_DOUBLE_EQ(25.03, dec);
  ASSERT_TRUE(getCname(0, text, &ra, &dec));
  EXPECT_STREQ("Andromeda", text);
  ASSERT_TRUE(getCname(81, text, &ra, &dec));
  EXPECT_STREQ("Triangulum Australe", text);  // the longest name fills 20 characters
  EXPECT_DOUBLE_EQ(-65.90, dec);
}

TEST(Constellations, AbbreviationsAndTheTwoPartsOfSerpens) {
  char text[20];
  double ra, dec;
  ASSERT_TRUE(getCnameAbbr(75, text, &ra, &dec));
  EXPECT_STREQ("Ser", text);
  EXPECT_DOUBLE_EQ(15.731, ra);
  ASSERT_TRUE(getCnameAbbr(76, text, &ra, &dec));
  EXPECT_STREQ("Ser", text);
  EXPECT_DOUBLE_EQ(17.958, ra);
  ASSERT_TRUE(getCnameAbbr(12, text, &ra, &dec));
  EXPECT_STREQ("CVn", text);
}

TEST(Constellations, OutOfRangeLabelChangesNothing) {
  char text[20] = "keep";
  double ra = -1, dec = -2;
  EXPECT_FALSE(getCname(89, text, &ra, &dec));
  EXPECT_FALSE(getCnameAbbr(89, text, &ra, &dec));
  EXPECT_FALSE(getCname(-1, text, &ra, &dec));
  EXPECT_STREQ("keep", text);
  EXPECT_EQ(-1, ra);
  EXPECT_EQ(-2, dec);
}

TEST(Constellations, BoundaryAccessorEnds) {
  double ra, dec;
  EXPECT_EQ(0, getconbounds(0, &ra, &dec));
  EXPECT_NEAR(7.44, ra, 0.05);  // Chamaeleon's first corner
  EXPECT_NEAR(-82.7, dec, 0.2);
  EXPECT_EQ(1, getconbounds(1, &ra, &dec));
  EXPECT_EQ(iNumConBounds + 3, iConBoundRecs);
  for (int i = iNumConBounds; i < iConBoundRecs; i++) {
    ra = dec = 7;
    EXPECT_EQ(0, getconbounds(i, &ra, &dec));
    EXPECT_EQ(0.0, ra);
    EXPECT_EQ(0.0, dec);
  }
  ra = 5, dec = 6;
  EXPECT_EQ(0, getconbounds(iConBoundRecs, &ra, &dec));
  EXPECT_EQ(0, getconbounds(-1, &ra, &dec));
  EXPECT_EQ(5, ra);
  EXPECT_EQ(6, dec);
}

// Stored units: 0.001 h and 0.01 degree.
typedef std::pair<long, long> Pt;
typedef std::pair<Pt, Pt> Edge;

Pt recpt(int i) {
  double ra, dec;
  getconbounds(i, &ra, &dec);
  return Pt(std::lround(ra * 1000), std::lround(dec * 100));
}

TEST(Constellations, RunsAreWellFormedAndInRange) {
  int runs = 0;
  for (int i = 0; i < iNumConBounds; i++) {
    double ra, dec;
    int pen = getconbounds(i, &ra, &dec);
    ASSERT_TRUE(pen == 0 || pen == 1) << i;
    if (i == 0) {
      ASSERT_EQ(0, pen);
    }
    if (pen == 0) {
      runs++;
      // a run has at least one line after its opening point
      ASSERT_LT(i + 1, iNumConBounds);
      double r2, d2;
      ASSERT_EQ(1, getconbounds(i + 1, &r2, &d2)) << i;
    }
    EXPECT_GE(ra, 0.0) << i;
    EXPECT_LT(ra, 24.0) << i;
    EXPECT_GE(dec, -90.0) << i;
    EXPECT_LE(dec, 90.0) << i;
    if (pen == 1) {
      Pt a = recpt(i - 1), b = recpt(i);
      EXPECT_LE(std::labs(a.first - b.first), 12000) << "segment across 0 h at " << i;
      EXPECT_NE(a, b) << "zero-length segment at " << i;
    }
  }
  EXPECT_GT(runs, 80);
  EXPECT_LT(runs, 120);
}

// The source polygons (tests/data/constellations.bounds.json, from
// d3-celestial 0.7.35) as stored points, one ring per constellation.
struct Ring {
  std::string id;
  std::vector<Pt> pts;
};

Pt storedpt(double lon, double lat) {
  // the same arithmetic as the converter: some corners fall on a half unit
  double deg = std::fmod(lon, 360.0);
  if (deg < 0) deg += 360.0;
  double ra = deg / 15.0;
  return Pt(std::lround(std::floor(ra * 1000 + 0.5)) % 24000, std::lround(std::floor(lat * 100 + 0.5)));
}

std::vector<Ring> loadsource() {
  std::vector<Ring> rings;
  FILE *f = std::fopen(KORVANEX_SOURCE_DIR "/tests/data/constellations.bounds.json", "rb");
  if (!f) return rings;
  std::string doc;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) doc.append(buf, n);
  std::fclose(f);
  size_t pos = 0;
  while ((pos = doc.find("\"id\":\"", pos)) != std::string::npos) {
    Ring r;
    r.id = doc.substr(pos + 6, doc.find('"', pos + 6) - pos - 6);
    pos = doc.find("\"coordinates\":[[", pos);
    if (pos == std::string::npos) break;
    size_t end = doc.find("]]]", pos);
    const char *p = doc.c_str() + pos + 16;
    while (p < doc.c_str() + end) {
      p = std::strchr(p, '[');
      if (!p || p > doc.c_str() + end) break;
      char *q;
      double lon = std::strtod(p + 1, &q);
      double lat = std::strtod(q + 1, &q);
      r.pts.push_back(storedpt(lon, lat));
      p = q;
    }
    rings.push_back(r);
    pos = end;
  }
  return rings;
}

Edge key(Pt a, Pt b) { return a < b ? Edge(a, b) : Edge(b, a); }

TEST(Constellations, FirstRunIsChamaeleonsOutline) {
  std::vector<Ring> src = loadsource();
  ASSERT_EQ(89u, src.size());
  const Ring *cha = nullptr;
  for (const Ring &r : src)
    if (r.id == "Cha") cha = &r;
  ASSERT_NE(nullptr, cha);
  for (size_t i = 0; i < cha->pts.size(); i++) {
    double ra, dec;
    int pen = getconbounds((int)i, &ra, &dec);
    EXPECT_EQ(i == 0 ? 0 : 1, pen) << i;
    EXPECT_EQ(cha->pts[i], recpt((int)i)) << i;
  }
  double ra, dec;
  EXPECT_EQ(0, getconbounds((int)cha->pts.size(), &ra, &dec));  // and it ends there
}

TEST(Constellations, EverySourceEdgePresentExactlyOnce) {
  std::vector<Ring> src = loadsource();
  ASSERT_EQ(89u, src.size());
  std::set<Edge> want;
  for (const Ring &r : src)
    for (size_t i = 1; i < r.pts.size(); i++) want.insert(key(r.pts[i - 1], r.pts[i]));

  // Table edges, with each 0 h split joined again: a run ending on 0 h or
  // 23.999 h whose successor opens on the other side at the same declination.
  std::map<Edge, int> have;
  Pt pending(-1, -1);
  bool split = false;
  for (int i = 0; i < iNumConBounds; i++) {
    double ra, dec;
    int pen = getconbounds(i, &ra, &dec);
    Pt b = recpt(i);
    if (pen == 0) {
      Pt prevend = i > 0 ? recpt(i - 1) : Pt(-1, -1);
      split = i > 0 && prevend.second == b.second &&
              ((prevend.first == 23999 && b.first == 0) || (prevend.first == 0 && b.first == 23999));
      if (!split) pending = Pt(-1, -1);
      continue;
    }
    Pt a = recpt(i - 1);
    if (split) {
      a = pending;
      split = false;
    }
    bool endsonsplit = (b.first == 0 || b.first == 23999) &&
                       (i + 1 >= iNumConBounds || getconbounds(i + 1, &ra, &dec) == 0);
    if (endsonsplit) {
      pending = a;
      continue;
    }
    have[key(a, b)]++;
  }
  for (const Edge &e : want) {
    auto it = have.find(e);
    ASSERT_TRUE(it != have.end()) << "missing edge (" << e.first.first << "," << e.first.second << ")-("
                                  << e.second.first << "," << e.second.second << ")";
    EXPECT_EQ(1, it->second);
  }
  EXPECT_EQ(want.size(), have.size());
  int npts = 0;
  for (const Ring &r : src) npts += (int)r.pts.size();
  EXPECT_EQ(1659, npts);
}

}  // namespace

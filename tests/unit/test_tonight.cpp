// The night planner against PyEphem (tests/data/tonightref.txt, made by
// tools/mktonightref) at four places and dates, the observable minutes
// against a minute-by-minute count, and the CSV file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "astro/twilight.h"
#include "minorplanets/elements.h"
#include "minorplanets/tonight.h"
#include "testsupport.h"

namespace {

const double kMinute = 1.0 / 1440.0;

class Tonight : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int &s : userobj) s = -1;
    iNumAst = 0;  // no table: the file's records alone
  }
};

// Both 0 (no event) or within tol days.
void near(double want, double got, double tol, const char *what, int line) {
  if (want == 0.0 || got == 0.0)
    EXPECT_EQ(want, got) << what << " at reference line " << line;
  else
    EXPECT_NEAR(want, got, tol) << what << " at reference line " << line;
}

const TONIGHTROW *findrecord(int record) {
  for (int i = 0; i < tonightrows; i++)
    if (tonight[i].kind == ROWDATABASE && tonight[i].record == record) return &tonight[i];
  return nullptr;
}

// The shipped database with every record the reference does not name made
// impossible (skipped by the scan), into a scratch file: the records keep
// their places in the file.
std::string referencedonly(FILE *ref) {
  std::set<int> named;
  char text[512];
  int rec;
  while (fgets(text, sizeof text, ref))
    if (sscanf(text, "A %d", &rec) == 1) named.insert(rec);
  rewind(ref);
  std::string bytes = readwhole(std::string(KORVANEX_SOURCE_DIR) + "/data/astdat.bin");
  int32_t count = 0;
  memcpy(&count, bytes.data(), 4);
  std::vector<mprec> recs(count);
  memcpy(recs.data(), bytes.data() + 4, sizeof(mprec) * count);
  for (int k = MPPLANETS; k < count; k++)
    if (!named.count(k)) recs[k].ecc = 2.0f;
  std::string out = scratchpath("tonightref.bin");
  writewhole(out, bytes.substr(0, 4) + std::string(reinterpret_cast<const char *>(recs.data()), sizeof(mprec) * count));
  return out;
}

TEST_F(Tonight, NightsAndEventsAgreeWithPyEphem) {
  FILE *f = fopen((std::string(KORVANEX_SOURCE_DIR) + "/tests/data/tonightref.txt").c_str(), "r");
  ASSERT_NE(f, nullptr);
  std::string db = referencedonly(f);
  char text[512];
  int line = 0, nights = 0, objects = 0;
  NIGHT n;
  TONIGHTFILTER all = {-90.0, 99.0, 0, SKYASTRONOMICAL, ORDERTRANSIT};
  while (fgets(text, sizeof text, f)) {
    line++;
    double v[16];
    int rec, updown;
    if (sscanf(text, "N %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf", &v[0], &v[1], &v[2],
               &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11], &v[12], &v[13],
               &v[14]) == 15) {
      nightfacts(v[2], v[0], v[1], &n);
      near(v[3], n.middle, kMinute, "middle", line);
      near(v[4], n.sunset, kMinute, "sunset", line);
      near(v[5], n.sunrise, kMinute, "sunrise", line);
      for (int k = 0; k < 3; k++) {
        near(v[6 + 2 * k], n.dusk[k], kMinute, "dusk", line);
        near(v[7 + 2 * k], n.dawn[k], kMinute, "dawn", line);
      }
      // The Moon from the program's shorter theory, parallax at its mean.
      near(v[12], n.moonrise, 3 * kMinute, "moonrise", line);
      near(v[13], n.moonset, 3 * kMinute, "moonset", line);
      EXPECT_NEAR(v[14], n.moonlit, 0.01) << line;
      EXPECT_EQ(n.polar, v[4] != 0.0 ? NIGHTUSUAL : (v[6] != 0.0 ? POLARNIGHT : POLARDAY))
          << line;
      ASSERT_GT(tonightscan(db.c_str(), &n, &all), 250);
      nights++;
    } else if (sscanf(text, "A %d %lf %lf %lf %d", &rec, &v[0], &v[1], &v[2], &updown) == 5) {
      const TONIGHTROW *r = findrecord(rec);
      ASSERT_NE(r, nullptr) << "record " << rec;
      EXPECT_EQ(r->updown, updown) << "record " << rec << " line " << line;
      near(v[0], r->transit, kMinute, "transit", line);
      if (r->updown == updown) {
        near(v[1], r->rise, kMinute, "rise", line);
        near(v[2], r->set, kMinute, "set", line);
      }
      objects++;
    }
  }
  fclose(f);
  EXPECT_EQ(nights, 4);
  EXPECT_GT(objects, 600);
}

// Minutes above the minimum altitude in darkness, and the filter, against
// counting minute by minute along the same night.
TEST_F(Tonight, MinutesMatchACountAndFiltersHold) {
  std::string db = std::string(KORVANEX_SOURCE_DIR) + "/data/astdat.bin";
  NIGHT n;
  nightfacts(2461384.5 + 14.0 / 24.0, 48.0, -11.5, &n);
  TONIGHTFILTER f = {30.0, 14.5, 60, SKYNAUTICAL, ORDERMAG};
  ASSERT_GT(tonightscan(db.c_str(), &n, &f), 100);
  EXPECT_LT(tonightpassed, tonightscanned);
  for (int i = 0; i < tonightrows; i++) {
    const TONIGHTROW &r = tonight[i];
    EXPECT_LE(r.mag, 14.5);
    EXPECT_GE(r.minutes, 60.0f);
    if (i > 0) {
      EXPECT_LE(tonight[i - 1].mag, r.mag);
    }
    if (i % 50) continue;
    int count = 0;
    for (double t = n.start + 0.5 * kMinute; t < n.end; t += kMinute)
      if (sunaltitude(&n, t) < NAUTICALALT && rowaltitude(&n, &r, t) > 30.0) count++;
    EXPECT_NEAR(count, r.minutes, 2.0) << r.name;
  }
  tonightsort(ORDERMINUTES);
  for (int i = 1; i < tonightrows; i++) EXPECT_GE(tonight[i - 1].minutes, tonight[i].minutes);
}

TEST_F(Tonight, CsvHoldsEveryRow) {
  std::string db = std::string(KORVANEX_SOURCE_DIR) + "/data/astdat.bin";
  NIGHT n;
  nightfacts(2461384.5 + 14.0 / 24.0, 48.0, -11.5, &n);
  TONIGHTFILTER f = {20.0, 13.0, 30, SKYASTRONOMICAL, ORDERNUMBER};
  ASSERT_GT(tonightscan(db.c_str(), &n, &f), 10);
  std::string path = scratchpath("tonight.csv");
  ASSERT_EQ(tonightcsv(path.c_str(), 1.0), 0);
  std::string csv = readwhole(path);
  int lines = 0;
  for (char c : csv) lines += c == '\n';
  EXPECT_EQ(lines, tonightrows + 1);
  EXPECT_EQ(csv.compare(0, 24, "kind,record,number,name,"), 0);
  // The first row's transit as local time (zone +1), as the list shows it.
  char hhmm[8], want[64];
  localhhmm(hhmm, tonight[0].transit, 1.0);
  snprintf(want, sizeof want, "D,%d,%d,\"%s\",", tonight[0].record, tonight[0].number, tonight[0].name);
  size_t at = csv.find(want);
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(csv.find(std::string(" ") + hhmm, at), std::string::npos);
}

}  // namespace

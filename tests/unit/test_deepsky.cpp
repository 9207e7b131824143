#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "astro/deepsky.h"
#include "minorplanets/appulse.h"
#include "minorplanets/dsoappulse.h"
#ifdef KORVANEX_SQLITE
#include <sqlite3.h>
#endif

static const char kShipped[] = KORVANEX_SOURCE_DIR "/data/deepsky.bin";
static const char kSource[] = "/usr/share/kstars/OpenNGC.kscat";

static std::string shippedbytes() {
  std::ifstream f(kShipped, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

static int readbytes(std::string bytes) {
  FILE *f = fmemopen(&bytes[0], bytes.size(), "rb");
  int r = readdeepsky(f);
  fclose(f);
  return r;
}

// Every row of the OpenNGC database, read here with SQLite, is found by its
// name with its place within 1", its magnitude, size and orientation.
TEST(DeepSky, EveryObjectOfTheSourceByItsName) {
#ifndef KORVANEX_SQLITE
  GTEST_SKIP() << "built without SQLite";
#else
  sqlite3 *db = nullptr;
  if (sqlite3_open_v2(kSource, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    GTEST_SKIP() << "no " << kSource;
  }
  ASSERT_EQ(loaddeepsky(kShipped), DSOOK);
  sqlite3_stmt *q;
  ASSERT_EQ(sqlite3_prepare_v2(db, "select name, catalog_identifier, ra, dec, magnitude, major_axis, "
                               "minor_axis, position_angle, long_name from cat", -1, &q, nullptr), SQLITE_OK);
  // The objects by their labels; finddso itself on every 20th row.
  std::map<std::string, int> bylabel;
  char label[DSOLABELLEN];
  for (int i = 0; i < iNumDso; i++) bylabel[dsolabel(i, label)] = i;
  int rows = 0, named = 0;
  while (sqlite3_step(q) == SQLITE_ROW) {
    std::string name = (const char *)sqlite3_column_text(q, 0);
    ASSERT_EQ(bylabel.count(name), 1u) << name;
    int i = bylabel[name];
    if (rows++ % 20 == 0 || name[0] == 'M') {
      EXPECT_EQ(finddso(name.c_str()), i) << name;
    }
    const dsorec &d = dso[i];
    double dra = (d.rahours * 15 - sqlite3_column_double(q, 2)) * cos(d.decdeg * M_PI / 180);
    if (dra > 180) dra -= 360;
    double sep = 3600 * hypot(dra, d.decdeg - sqlite3_column_double(q, 3));
    EXPECT_LT(sep, 1.0) << name;
    if (sqlite3_column_type(q, 4) == SQLITE_NULL) {
      EXPECT_EQ(d.mag100, DSONOMAG) << name;
    } else {
      EXPECT_NEAR(d.mag100 / 100.0, sqlite3_column_double(q, 4), 0.0051) << name;
    }
    EXPECT_NEAR(d.major100 / 100.0, sqlite3_column_double(q, 5), 0.0051) << name;
    EXPECT_NEAR(d.minor100 / 100.0, sqlite3_column_double(q, 6), 0.0051) << name;
    if (sqlite3_column_type(q, 7) != SQLITE_NULL) {
      EXPECT_NEAR(d.pa10 / 10.0, sqlite3_column_double(q, 7), 0.051) << name;
    }
    // The Messier form and the identifier find the same object.
    if (name[0] == 'M') {
      std::string ident = (const char *)sqlite3_column_text(q, 1);
      EXPECT_EQ(d.messier, atoi(name.c_str() + 2));
      for (char &c : ident) c = (char)tolower(c);
      if (ident.compare(0, 2, "m ") != 0) {
        EXPECT_EQ(finddso(ident.c_str()), i) << ident;
      }
    }
    named += dso[i].nameoff != 0;
  }
  sqlite3_finalize(q);
  sqlite3_close(db);
  EXPECT_EQ(rows, iNumDso);
  EXPECT_GT(named, 100);
  // The forms an observer types.
  int m31 = finddso("M 31");
  for (const char *form : {"M31", "m 31", "NGC 224", "ngc224", "Andromeda Galaxy", "andromeda galaxy", "Andromeda"})
    EXPECT_EQ(finddso(form), m31) << form;
  EXPECT_STREQ(dso[finddso("IC 434")].id, "IC 434");
  EXPECT_STREQ(dso[finddso("NGC 7000")].id, "NGC 7000");
  EXPECT_EQ(finddso("Orion Nebula"), finddso("M 42"));
  EXPECT_EQ(finddso("M 111"), -1);
  EXPECT_EQ(finddso("NGC 9999"), -1);
  EXPECT_EQ(finddso("Xyz"), -1);
#endif
}

// Cut, lengthened or corrupted files are refused and leave no objects.
TEST(DeepSky, DamagedFilesAreRefused) {
  std::string good = shippedbytes();
  ASSERT_GT(good.size(), 64u);
  ASSERT_EQ(readbytes(good), DSOOK);
  ASSERT_GT(iNumDso, 13000);
  int32_t count;
  memcpy(&count, &good[8], 4);
  const size_t record0 = 64, names = 64 + 40 * (size_t)count;
  auto corrupt = [&](size_t at, const void *v, size_t n) {
    std::string b = good;
    memcpy(&b[at], v, n);
    return b;
  };
  float ra = 24.5f, nan = NAN;
  uint32_t offset = 1u << 20;
  uint8_t type = DSOTYPES;
  char noid[DSOIDLEN];
  memset(noid, 'N', sizeof noid);  // no NUL
  const std::string cases[] = {
      good.substr(0, good.size() - 1), good + '\0', good.substr(0, 40), corrupt(0, "XDSOCAT", 7),
      corrupt(record0, &ra, 4), corrupt(record0 + 4, &nan, 4), corrupt(record0 + 8, &offset, 4),
      corrupt(record0 + 21, &type, 1), corrupt(record0 + 22, noid, DSOIDLEN), corrupt(names + 3, "\x01", 1),
  };
  for (size_t k = 0; k < sizeof cases / sizeof cases[0]; k++) {
    EXPECT_EQ(readbytes(cases[k]), DSODAMAGED) << "case " << k;
    EXPECT_EQ(iNumDso, 0) << "case " << k;
  }
  EXPECT_EQ(loaddeepsky("/nonexistent/deepsky.bin"), DSOMISSING);
  EXPECT_EQ(iNumDso, 0);
}

// The outline test of the appulses against a brute-force point-in-ellipse
// in the tangent plane, around M 31 (177.8' x 69.7' at 35 degrees).
TEST(DeepSky, MinorPlanetsInsideAndNearAnOutline) {
  ASSERT_EQ(loaddeepsky(kShipped), DSOOK);
  int m31 = finddso("M 31");
  const dsorec &d = dso[m31];
  double a = d.major100 / 12000.0, b = d.minor100 / 12000.0, pa = d.pa10 / 10.0 * M_PI / 180;
  int disagree = 0;
  for (int k = 0; k < 2000; k++) {
    // Offsets on a spiral out to twice the major axis.
    double r = 2 * a * k / 2000, t = k * 2.399963;
    double xi = r * sin(t), eta = r * cos(t);
    double u = xi * sin(pa) + eta * cos(pa), v = xi * cos(pa) - eta * sin(pa);
    bool inside = (u / a) * (u / a) + (v / b) * (v / b) <= 1;
    double ra = d.rahours + xi / cos(d.decdeg * M_PI / 180) / 15, dec = d.decdeg + eta;
    double edge = dsoedgedistance(m31, ra, dec);
    if (inside != (edge == 0)) disagree++;
  }
  EXPECT_LE(disagree, 2) << "rounding at the edge only";
  // Through the appulse search: a minor planet 0.05 degree beyond the tip
  // of the major axis is found with a threshold of 0.1, not of 0.02.
  double ra = d.rahours + (a + 0.05) * sin(pa) / cos(d.decdeg * M_PI / 180) / 15;
  double dec = d.decdeg + (a + 0.05) * cos(pa);
  auto found = [&](double maxsep, int messier, int ngc) {
    iNumApps = 0;
    searchdsoapp(7, ra, dec, maxsep, messier, ngc);
    for (int k = 0; k < iNumApps; k++)
      if (app[k].kind == APPDSO && app[k].second == m31) return (double)app[k].sep;
    return -1.0;
  };
  EXPECT_NEAR(found(0.1, 1, 0), 0.05, 0.002);
  EXPECT_EQ(found(0.02, 1, 1), -1.0);
  EXPECT_EQ(found(0.1, 0, 1), -1.0) << "M 31 is switched by MESSIER";
  iNumApps = 0;
}

// Measures the program's places against a DE405 reference file of
// tools/mkde405ref (the test table, or --epochs: every record at its epoch
// and three years either side). Prints the median, 95th percentile and
// largest separation (arc seconds) per kind of object.
//
// Build: cmake --build build --target measureplaces
// Run:   build/bin/measureplaces data/astdat.bin REFERENCE.txt
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "astro/bodies.h"
#include "astro/deltat.h"
#include "astro/jplephem.h"
#include "base/constants.h"
#include "base/settings.h"
#include "minorplanets/placekernel.h"
#include "places/place.h"

// Angle between two places, arc seconds (ra hours, dec degrees).
static double arcsec(double ra1, double dec1, double ra2, double dec2) {
  const double d = DPI / 180.0;
  double c = sin(dec1 * d) * sin(dec2 * d) + cos(dec1 * d) * cos(dec2 * d) * cos((ra1 - ra2) * 15 * d);
  return acos(c > 1.0 ? 1.0 : c) / d * 3600.0;
}

// The UT of the TT Julian Day tt by the program's own Delta T.
static double utof(double tt) {
  double ut = tt;
  for (int k = 0; k < 4; k++) ut = tt - deltat(ut) / DAYSEC;
  return ut;
}

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: measureplaces ASTDAT.BIN REFERENCE.txt (de405.bin beside the program)\n");
    return 2;
  }
  char report[64];
  std::string self = argv[0];
  std::string dir = self.substr(0, self.find_last_of('/') + 1);
  if (jplopen((dir + JPLFILE).c_str(), report, sizeof report) != JPLOK) {
    fprintf(stderr, "%s\n", report);
    return 1;
  }
  FILE *db = fopen(argv[1], "rb");
  int32_t count = 0;
  if (!db || fread(&count, 4, 1, db) != 1 || count < MPPLANETS || count > 10000000) return 1;
  std::vector<mprec> recs(count);
  if (fread(recs.data(), sizeof(mprec), recs.size(), db) != recs.size()) return 1;
  fclose(db);
  for (int p = 0; p < MPPLANETS; p++) mp[p] = recs[p];
  iNumAst = MPPLANETS + 1;
  FILE *f = fopen(argv[2], "r");
  if (!f) return 1;
  std::map<std::string, std::vector<double>> st;
  char line[256];
  PASSDATE d;
  while (fgets(line, sizeof line, f)) {
    double tt, ut, ra, dec, dist, lat, lon, h, r, de, dd;
    int id;
    flag[GEOCENTRIC] = 1;
    if (sscanf(line, "P %lf %d %lf %lf %lf", &tt, &id, &ra, &dec, &dist) == 5) {
      passdate(utof(tt), &d);
      const char *kind = "sun";
      if (id == 10) {
        sunplace(&d.obs, &r, &de);
      } else if (id == 9) {
        moonplace(&d.obs, &r, &de, &dd);
        kind = "moon";
      } else {
        int rec = id < 2 ? id : id - 1;
        placerecords(&d, rec, 1);
        r = place.ra[rec];
        de = place.dec[rec];
        static const char *const names[8] = {"mercury", "venus", "mars", "jupiter",
                                             "saturn", "uranus", "neptune", "pluto"};
        kind = names[rec];
      }
      st[kind].push_back(arcsec(r, de, ra, dec));
    } else if (sscanf(line, "A %lf %d %lf %lf %lf", &tt, &id, &ra, &dec, &dist) == 5) {
      if (id < 0 || id >= count) continue;
      mp[8] = recs[id];
      passdate(utof(tt), &d);
      placerecords(&d, 8, 1);
      double s = place.ok[8] ? arcsec(place.ra[8], place.dec[8], ra, dec) : 1e9;
      // Main belt: 2.0 < a < 3.3 AU, e < 0.3 (the Trojans, NEOs and the
      // outer objects apart).
      const mprec &m = recs[id];
      st[m.semiaxis > 2.0f && m.semiaxis < 3.3f && m.ecc < 0.3f ? "minor_mainbelt" : "minor_other"]
          .push_back(s);
      st["minor_all"].push_back(s);
      if (s > 1.0) printf("over 1\": record %d %s tt %.2f %.3f\"\n", id, m.name, tt, s);
    } else if (sscanf(line, "T %lf %lf %lf %lf %lf %lf %lf %lf", &tt, &ut, &lat, &lon, &h, &ra,
                      &dec, &dist) == 8) {
      flag[GEOCENTRIC] = 0;
      dLattit = lat;
      dLongit = -lon;
      dElevation = h;
      passdate(ut, &d);
      moonplace(&d.obs, &r, &de, &dd);
      st["moon_topocentric"].push_back(arcsec(r, de, ra, dec));
    }
  }
  fclose(f);
  for (auto &[name, v] : st) {
    std::sort(v.begin(), v.end());
    printf("%-17s %6zu rows: median %.4f\"  p95 %.4f\"  max %.4f\"\n", name.c_str(), v.size(),
           v[v.size() / 2], v[v.size() * 95 / 100], v.back());
  }
  return 0;
}

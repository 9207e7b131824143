#include "minorplanets/ephem.h"

#include <cstdio>
#include <cstring>

#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"

ephrec eph[EPHMAX];
int ephnum = 0;
int ephlen = 0;
int iEph = 0;
int iEphem = 0;


void ephemclear() {
  memset(eph, 0, sizeof eph);
  ephnum = ephlen = iEph = iEphem = 0;
}

const char *ephemrefusal(int lines, double step) {
  if (lines <= 0) return "NUMBER is 0: no ephemeris lines to make.";
  if (lines > 1 && step == 0) return "INTERVAL is 0: every line would be the same instant.";
  return nullptr;
}

int calcephem(int i) {
  int n = iNT[EPHEMLINES];
  if (n < 0) n = 0;
  if (n > EPHMAX) n = EPHMAX;
  if (i >= 0 && i < iNumAst && n > 0) {
    // The object's place on the chart and in the list stays that of the
    // calculation date.
    objrec kept = obj[i];
    int keptclass = iBcalc[i];
    if (ephnum + n > EPHMAX - 1) ephnum = 0;
    double t = dFP[EPHEMSTART];
    for (int s = 0; s < n; s++) {
      calcsingle(i, t);
      eph[ephnum + s] = ephrec{i, t, obj[i].ra, obj[i].dec, obj[i].dist, obj[i].mag, iEph};
      t += dFP[EPHEMSTEP];
    }
    ephnum += n;
    if (ephlen < ephnum) ephlen = ephnum;
    obj[i] = kept;
    iBcalc[i] = keptclass;
  }
  if (++iEph > EPHRUNWRAP) iEph = 0;
  return ephnum;
}

static const int kLineLen = 80;  // bytes of dest: one list row

int findephpos(char *dest, int k) {
  if (k < 0 || k >= EPHMAX) {
    snprintf(dest, kLineLen, "%-3d undefined ", k);
    return 0;
  }
  const ephrec &e = eph[k];
  int object = e.object >= 0 && e.object < MPMAX ? e.object : 0;
  jtocal(e.jd);
  char prefix[96];
  snprintf(prefix, sizeof prefix, "%-3d %.19s  %-17.19s", k, jdbuff, mp[object].name);
  char row[512];
  if (k >= ephlen) {
    snprintf(row, sizeof row, "%s undefined ", prefix);
  } else {
    char ra[ANGLETEXTLEN], dec[ANGLETEXTLEN];
    hms(ra, e.ra < 0 ? 0 : e.ra);
    ddmmm(dec, e.dec);
    snprintf(row, sizeof row, "%s %s  %s  %4.1f ", prefix, ra, dec, e.mag);
  }
  snprintf(dest, kLineLen, "%.79s", row);
  return 0;
}


#include "minorplanets/appulse.h"

#include <cmath>
#include <cstdio>

#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"

apprec app[MAXAPPS];
int iNumApps;
int iApp;


int logappulse(int first, int second, double sep, int kind) {
  if (iNumApps >= MAXAPPS) return -1;
  app[iNumApps] = apprec{kind, first, second, (float)sep};
  return ++iNumApps;
}

float appsep(float ra1, float dec1, float ra2, float dec2) {
  float da = (ra2 - ra1) * 15.0f, dd = dec2 - dec1;
  return sqrtf(da * da + dd * dd);
}

// Records without a computed place hold 0 h, 0 degrees: they are no
// appulse of anything.
static bool hasplace(int i) { return iBcalc[i] != 0; }

int checkastapp(int i, double maxsep, int onlyafter) {
  if (i < 0 || i >= iNumAst || !hasplace(i)) return 0;
  const objrec &a = obj[i];
  int found = 0;
  for (int j = onlyafter ? i + 1 : 0; j < iNumAst; j++) {
    if (j == i || obj[j].block != a.block || !hasplace(j)) continue;
    float sep = appsep(a.ra, a.dec, obj[j].ra, obj[j].dec);
    if (sep <= maxsep) {
      logappulse(i, j, sep, APPTABLE);
      found++;
    }
  }
  return found;
}


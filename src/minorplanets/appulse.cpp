#include "minorplanets/appulse.h"

#include <cmath>
#include <cstdio>

#include "astro/deepsky.h"
#include "chart/blocks.h"
#include "chart/starcat.h"
#include "minorplanets/calcall.h"
#include "minorplanets/dsoappulse.h"
#include "minorplanets/elements.h"
#include "minorplanets/mplist.h"
#include "startup/settings.h"
#include "ui/dialogs.h"
#include "ui/keys.h"
#include "ui/windows.h"

apprec app[MAXAPPS];
int iNumApps;
int iApp;

static const int kLines = (int)(sizeof achDLine / sizeof achDLine[0]);
static const int kLineLen = (int)sizeof achDLine[0];

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

int genastapplist(int first, double maxsep, int onlyafter) {
  iApp = iNumApps = 0;
  if (first < 0) first = 0;
  for (int i = first; i < iNumAst; i++) checkastapp(i, maxsep, onlyafter);
  alerttext("Checking stars...");
  int found = 0;
  for (int i = first; i < iNumAst; i++)
    if (hasplace(i)) found = searchstarapp(i, obj[i].ra, obj[i].dec, maxsep);
  if (!flag[MESSIER] && !flag[NGCOBJECTS]) return found;
  alerttext("Checking deep-sky objects...");
  for (int i = first; i < iNumAst; i++)
    if (hasplace(i)) searchdsoapp(i, obj[i].ra, obj[i].dec, maxsep, flag[MESSIER], flag[NGCOBJECTS]);
  return found;
}

// dest (80 bytes) = the second object's part of an appulse row.
static void secondpart(char *dest, const apprec &a) {
  double arcmin = a.sep * 60.0;
  if (a.kind == APPTABLE && a.second >= 0 && a.second < MPMAX) {
    snprintf(dest, kLineLen, "A %-17.19s %5.2f %5.2f", mp[a.second].name, obj[a.second].mag, arcmin);
  } else if (a.kind == APPSTAR) {
    char name[STARNAMELEN];
    double mag = 0;
    getstarnumber(a.second, name, &mag);
    snprintf(dest, kLineLen, "* %-17.19s %5.2f %5.2f", name, mag, arcmin);
  } else if (a.kind == APPDSO && a.second >= 0 && a.second < iNumDso) {
    char label[DSOLABELLEN], name[40];
    const dsorec &d = dso[a.second];
    dsolabel(a.second, label);
    if (d.major100 && d.minor100 && d.minor100 != d.major100)
      snprintf(name, sizeof name, "%s %.0fx%.0f'", label, d.major100 / 100.0, d.minor100 / 100.0);
    else if (d.major100)
      snprintf(name, sizeof name, "%s %.1f'", label, d.major100 / 100.0);
    else
      snprintf(name, sizeof name, "%s", label);
    snprintf(dest, kLineLen, "D %-17.19s %5.2f %5.2f", name, d.mag100 == DSONOMAG ? 0 : d.mag100 / 100.0, arcmin);
  } else {
    snprintf(dest, kLineLen, "? ???");
  }
}

int applist(int firstline, int start, int count) {
  snprintf(achDLine[1], kLineLen, "File  (No.) Planet              Mag   Second Object      Mag  Sep '");
  int per = count > 0 ? count : 1;
  snprintf(achDLine[0], kLineLen, "Planet Appulses (%d on file)  Page %d/%d ", iNumApps, start / per + 1,
           iNumApps / per + 1);
  if (start < 0 || firstline < 0) return 0;
  int r = 0;
  for (; r < count && start + r < iNumApps && firstline + r < kLines; r++) {
    int k = start + r;
    const apprec &a = app[k];
    int f = a.first >= 0 && a.first < MPMAX ? a.first : 0;
    char name[20], second[80];
    int number = getastname(f, name);
    secondpart(second, a);
    char row[512];
    snprintf(row, sizeof row, "%-5d %-5d %-17s %5.2f %s", k, number, name, obj[f].mag, second);
    setlistrow(achDLine[firstline + r], row, k == iApp ? 'A' : 0, obj[f].userslot != -1 ? 'U' : 0);
  }
  return r;
}

int gotoapp(int k) {
  if (k < 0 || k >= iNumApps) return 0;
  gotoasteroid(app[k].first);
  return KEYESC;
}

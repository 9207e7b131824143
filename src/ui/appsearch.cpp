#include "ui/appsearch.h"

#include "base/settings.h"
#include "chart/blocks.h"
#include "minorplanets/appulse.h"
#include "minorplanets/calcall.h"
#include "minorplanets/dsoappulse.h"
#include "minorplanets/elements.h"
#include "ui/dialogs.h"

// Logs the hits of one star search for minor planet planet.
static void logstarhits(int planet, const STARHITS &hits) {
  for (int k = 0; k < hits.count; k++) logappulse(planet, hits.star[k], hits.sep[k], APPSTAR);
}

int searchstarapp(int planet, double rahours, double decdeg, double radius) {
  static STARHITS hits;
  hits.count = 0;
  int found = starsnear(rahours, decdeg, radius, &hits);
  logstarhits(planet, hits);
  return found;
}

int searchstarblock(int block, int planet, double rahours, double decdeg, double radius) {
  static STARHITS hits;
  hits.count = 0;
  int found = blockstars(block, rahours, decdeg, radius, &hits);
  logstarhits(planet, hits);
  return found;
}

int genastapplist(int first, double maxsep, int onlyafter) {
  iApp = iNumApps = 0;
  if (first < 0) first = 0;
  for (int i = first; i < iNumAst; i++) checkastapp(i, maxsep, onlyafter);
  alerttext("Checking stars...");
  int found = 0;
  for (int i = first; i < iNumAst; i++)
    if (iBcalc[i] != 0) found = searchstarapp(i, obj[i].ra, obj[i].dec, maxsep);
  // The deep-sky objects the chart shows.
  if (!flag[MESSIER] && !flag[NGCOBJECTS]) return found;
  alerttext("Checking deep-sky objects...");
  for (int i = first; i < iNumAst; i++)
    if (iBcalc[i] != 0) searchdsoapp(i, obj[i].ra, obj[i].dec, maxsep, flag[MESSIER], flag[NGCOBJECTS]);
  return found;
}

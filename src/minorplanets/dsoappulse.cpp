#include "minorplanets/dsoappulse.h"

#include <cmath>

#include "base/constants.h"
#include "astro/deepsky.h"
#include "minorplanets/appulse.h"

static const double kPoleBand = 80.0;  // beyond this declination every hour is searched

// The objects of block b within maxsep of the place.
static int searchblock(int b, int mp, double rahours, double decdeg, double maxsep, double reach, int messier,
                       int ngc) {
  int first, count = dsoblock(b, &first), found = 0;
  for (int i = first; i < first + count; i++) {
    if (fabs(dso[i].decdeg - decdeg) > reach || !dsoswitched(i, messier, ngc)) continue;
    double s = dsoedgedistance(i, rahours, decdeg);
    if (s <= maxsep && logappulse(mp, i, s, APPDSO) > 0) found++;
  }
  return found;
}

int searchdsoapp(int mp, double rahours, double decdeg, double maxsep, int messier, int ngc) {
  if (iNumDso == 0 || (!messier && !ngc) || maxsep < 0) return 0;
  // An object's centre lies at most its radius beyond the search circle.
  double reach = maxsep + dDsoMaxRadius;
  int low = clampint(truncint((decdeg - reach) / 10 + 9), 0, 17);
  int high = clampint(truncint((decdeg + reach) / 10 + 9), 0, 17);
  int h0 = 0, h1 = 23;
  if (fabs(decdeg) + reach < kPoleBand) {
    double span = reach / DEGPERHOUR / cos((fabs(decdeg) + reach) * dDEGTORAD);
    h0 = (int)floor(rahours - span);
    h1 = (int)floor(rahours + span);
    if (h1 - h0 >= 23) {
      h0 = 0;
      h1 = 23;
    }
  }
  int found = 0;
  for (int band = low; band <= high; band++)
    for (int h = h0; h <= h1; h++)
      found += searchblock(band * 24 + ((h % 24) + 24) % 24, mp, rahours, decdeg, maxsep, reach, messier, ngc);
  return found;
}

#include "astro/horizon.h"

#include <cmath>

#include "base/constants.h"

// Clamps rounding noise before asin.
static double safeasin(double s) { return std::asin(s > 1 ? 1 : (s < -1 ? -1 : s)); }

int hadectohorizon(double hahours, double decdeg, double latdeg, double *altdeg, double *azdeg) {
  double h = hahours * DH2R, d = decdeg * DD2R, p = latdeg * DD2R;
  double sa = std::sin(d) * std::sin(p) + std::cos(d) * std::cos(p) * std::cos(h);
  *altdeg = safeasin(sa) * DR2D;
  // East and north components of the direction in the horizon frame.
  double east = -std::cos(d) * std::sin(h);
  double north = std::sin(d) * std::cos(p) - std::cos(d) * std::sin(p) * std::cos(h);
  double az = std::atan2(east, north) * DR2D;
  *azdeg = az < 0 ? az + 360.0 : az;
  return 0;
}

int horizontohadec(double altdeg, double azdeg, double latdeg, double *hahours, double *decdeg) {
  double a = altdeg * DD2R, z = azdeg * DD2R, p = latdeg * DD2R;
  double sd = std::sin(a) * std::sin(p) + std::cos(a) * std::cos(p) * std::cos(z);
  *decdeg = safeasin(sd) * DR2D;
  double west = -std::cos(a) * std::sin(z);
  double up = std::sin(a) * std::cos(p) - std::cos(a) * std::sin(p) * std::cos(z);
  *hahours = std::atan2(west, up) * DR2H;
  return 0;
}

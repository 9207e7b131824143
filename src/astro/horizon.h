// The observer's sky: horizon coordinates of an hour angle and declination
// and back (the twilight state is astro/twilight's). Pure
// functions: the caller supplies the place and the instant.
#pragma once

#include "astro/twilight.h"

// Altitude and azimuth (degrees; azimuth from the north through the east,
// 0..360) of hour angle hahours and declination decdeg at geographic
// latitude latdeg. Returns 0.
int hadectohorizon(double hahours, double decdeg, double latdeg, double *altdeg, double *azdeg);
// The inverse: hour angle (hours, -12..12) and declination (degrees) of
// altitude altdeg and azimuth azdeg (from the north through the east) at
// latitude latdeg. Returns 0.
int horizontohadec(double altdeg, double azdeg, double latdeg, double *hahours, double *decdeg);

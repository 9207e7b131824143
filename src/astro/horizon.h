// The observer's sky: horizon coordinates of an hour angle and declination
// and back, and the twilight state from the Sun's altitude. Pure
// functions: the caller supplies the place and the instant.
#pragma once

// Twilight states, darkest last; a state is at least as dark as the one
// before it.
enum Twilight : int {
  TWILIGHTDAY = 0,       // the Sun's upper limb is up (refraction included)
  TWILIGHTCIVIL = 1,     // centre between -0.833 and -6 degrees
  TWILIGHTNAUTICAL = 2,  // -6 to -12 degrees
  TWILIGHTASTRO = 3,     // -12 to -18 degrees
  TWILIGHTNIGHT = 4,     // below -18 degrees
  TWILIGHTSTATES = 5,
};
// Sun centre altitudes (degrees) where the states change: sunrise and
// sunset (semi-diameter and horizon refraction), then civil, nautical and
// astronomical twilight.
constexpr double SUNRISEALT = -0.833;
constexpr double CIVILALT = -6.0;
constexpr double NAUTICALALT = -12.0;
constexpr double ASTROALT = -18.0;

// Twilight state of a geometric Sun centre altitude (degrees). An altitude
// exactly on a limit belongs to the darker state.
int twilightstate(double sunaltdeg);
// Name of a state ("day", "civil", "nautical", "astronomical", "night");
// "?" outside 0..4.
const char *twilightname(int state);

// Altitude and azimuth (degrees; azimuth from the north through the east,
// 0..360) of hour angle hahours and declination decdeg at geographic
// latitude latdeg. Returns 0.
int hadectohorizon(double hahours, double decdeg, double latdeg, double *altdeg, double *azdeg);
// The inverse: hour angle (hours, -12..12) and declination (degrees) of
// altitude altdeg and azimuth azdeg (from the north through the east) at
// latitude latdeg. Returns 0.
int horizontohadec(double altdeg, double azdeg, double latdeg, double *hahours, double *decdeg);

#include "astro/twilight.h"

// The lower bound of each state's Sun altitudes, brightest state first.
static const double kSkyLimits[SKYNIGHT] = {SUNRISEALT, CIVILALT, NAUTICALALT, ASTROALT};

int skystate(double sunalt) {
  int s = SKYDAY;
  while (s < SKYNIGHT && !(sunalt > kSkyLimits[s])) s++;
  return s;
}

double skylimit(int s) {
  return kSkyLimits[s < SKYDAY ? SKYDAY : (s > SKYASTRONOMICAL ? SKYASTRONOMICAL : s)];
}

const char *skyname(int s) {
  static const char *const kNames[SKYSTATES] = {"day", "civil", "nautical", "astronomical", "night"};
  return s >= SKYDAY && s < SKYSTATES ? kNames[s] : "?";
}

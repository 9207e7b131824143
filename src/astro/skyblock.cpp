#include "astro/skyblock.h"

#include "base/constants.h"

int skyblock(double rahours, double decdeg) {
  return clampint(truncint(decdeg / 10 + 9), 0, 17) * 24 + clampint(truncint(rahours), 0, 23);
}

#include "benchdata.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

#include "minorplanets/astbin.h"
#include "minorplanets/elements.h"
#include "minorplanets/userfile.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"

bool fullpage() {
  static int done = 0;
  if (done) return done > 0;
  startheadless();
  initsettings();
  day = 2460000.5;
  done = -1;
  if (MPinit() != 0 || iNumAst != MPPAGE) return false;
  if (MPreaduserfile("userast1.txt") <= 0) return false;
  for (int i = 8; iNumAst < MPMAX; i++) mp[iNumAst++] = mp[i];
  done = 1;
  return true;
}

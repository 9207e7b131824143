// Every test starts from the program state the binary started with: the
// settings, the observing place, the instant, the minor-planet tables, the
// ephemeris and appulse lists, the menus' state and the star and deep-sky
// counts are put back before each test, so that the tests pass in any
// order and as one process (a place table left loaded by one suite
// changed what a project load found in another).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "astro/deepsky.h"
#include "base/settings.h"
#include "base/status.h"
#include "chart/deepskyplot.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/ephem.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "timefmt/instant.h"
#include "ui/menu.h"
#include "ui/menutable.h"

namespace {

struct Region {
  void *at;
  size_t size;
  std::vector<unsigned char> saved;
};

#define KEEP(x) Region{(void *)&(x), sizeof(x), {}}

class Isolation : public ::testing::EmptyTestEventListener {
  std::vector<Region> regions{
      KEEP(iNT), KEEP(dFP), KEEP(chSTR), KEEP(flag), KEEP(lenstr), KEEP(iLO), KEEP(iHI), KEEP(dLO), KEEP(dHI),
      KEEP(Place), KEEP(iPlace), KEEP(iPlacesiz), KEEP(iPlacemax), KEEP(iMarkplace), KEEP(achPlace),
      KEEP(achTown), KEEP(achState), KEEP(dLongit), KEEP(dLattit), KEEP(dTzone), KEEP(dElevation), KEEP(iObscode),
      KEEP(dJDay), KEEP(day), KEEP(SidHr), KEEP(jdbuff),
      KEEP(mp), KEEP(obj), KEEP(userobj), KEEP(ast), KEEP(iNumAst), KEEP(iBcalc), KEEP(iRindex), KEEP(iBindex),
      KEEP(iAst), KEEP(iUserFile), KEEP(iMpsiz), KEEP(iMpmax),
      KEEP(iAstMax), KEEP(iAstStart), KEEP(iAstEnd), KEEP(iAstPage), KEEP(iAstMaxPage), KEEP(bfile),
      KEEP(eph), KEEP(ephnum), KEEP(ephlen), KEEP(iEph), KEEP(iEphem),
      KEEP(app), KEEP(iNumApps), KEEP(iApp),
      KEEP(iSel), KEEP(iSelMax), KEEP(iClick), KEEP(iHelpLine), KEEP(mchoice), KEEP(iFun), KEEP(iFocus),
      KEEP(Snum7), KEEP(Snum8), KEEP(Snum9), KEEP(Snum10), KEEP(Snum), KEEP(iTotStars), KEEP(iStar),
      KEEP(iStarIndexed), KEEP(catnum), KEEP(StarCatID), KEEP(mperror), KEEP(errorbox),
      KEEP(iNumDso), KEEP(dDsoMaxRadius), KEEP(iShownDso),
  };

 public:
  // Taken once every static initialiser has run.
  void OnTestProgramStart(const ::testing::UnitTest &) override {
    for (Region &r : regions) r.saved.assign((unsigned char *)r.at, (unsigned char *)r.at + r.size);
  }
  void OnTestStart(const ::testing::TestInfo &) override {
    for (Region &r : regions) memcpy(r.at, r.saved.data(), r.size);
    setfiledir(nullptr);
  }
};

// Registered before main runs the tests: gtest_main takes the listeners
// as they are.
const bool registered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new Isolation);
  return true;
}();

}  // namespace

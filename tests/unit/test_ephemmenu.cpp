// The ephemeris, appulse and help pieces as the menus reach them.
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "chart/projection.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/ephem.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "screen_fixture.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "places/place.h"
#include "ui/project.h"
#include "ui/dialogs.h"
#include "screen/display.h"
#include "ui/help.h"
#include "screen/keys.h"
#include "ui/menu.h"
#include "ui/menutable.h"
#include "ui/notes.h"
#include "ui/windows.h"
#include "ui/appsearch.h"

namespace {

class MenuPieces : public ScreenTest {
 protected:
  int vesta = -1;
  void SetUp() override {
    ScreenTest::SetUp();
    initsettings();
    ASSERT_EQ(MPinit(), 0);
    setdefaults();
    initchoices();
    memset(iSel, 0, sizeof iSel);
    ephemclear();
    dJDay = day = 2460000.5;
    calcastall(day);
    vesta = findastnumber(4);
    ASSERT_GE(vesta, 8);
    readmpvars(vesta);
    Snum = 0;
  }
  void TearDown() override {
    ScreenTest::TearDown();
    helpfree();
  }
  void run(int menu, std::initializer_list<int> keys) {
    feedkeys(keys);
    EXPECT_EQ(menufunction(menu), KEYESC);
    EXPECT_EQ(keysleft(), 0);
    EXPECT_EQ(keysoverrun(), 0);
  }
};

}  // namespace

TEST_F(MenuPieces, GenerateEphemerisAsksThenRuns) {
  iSel[MENUEPHEMERIS] = 5;
  iNT[EPHEMLINES] = 7;
  dFP[EPHEMSTART] = 2460010.5;
  dFP[EPHEMSTEP] = 1.0;
  run(MENUEPHEMERIS, {KEYENTER, 'n', KEYESC});
  EXPECT_EQ(ephlen, 0) << "No: nothing generated";
  run(MENUEPHEMERIS, {KEYENTER, 'y', KEYESC});
  EXPECT_EQ(ephnum, 7);
  EXPECT_EQ(eph[0].object, vesta);
  EXPECT_DOUBLE_EQ(eph[6].jd, 2460016.5);
}

// The shipped project GENERATEs both lists with no number typed: 10 lines
// a day apart from the DATE fields (2026-12-08 22:00 at zone +1 is JD
// 2461383.375, PyEphem), appulses within 0.1 degree. A 0 count, interval
// or distance says why in a box.
TEST_F(MenuPieces, ShippedProjectGeneratesAndZerosSayWhy) {
  FILE *f = fopen(KORVANEX_SOURCE_DIR "/data/ast001.CFG", "rb");
  ASSERT_EQ(projectread(f), PROJECTSIZE);
  fclose(f);
  dTzone = 1, iNT[MENUYEAR] = 2026, iNT[MENUMONTH] = 12, iNT[MENUDAY] = 8, iNT[MENUHOUR] = 22, iNT[MENUMINUTE] = 0;
  iSel[MENUEPHEMERIS] = 5, iSel[MENUAPPULSE] = 3;
  run(MENUEPHEMERIS, {KEYENTER, 'y', KEYESC});
  run(MENUAPPULSE, {KEYENTER, KEYESC});
  dTzone = 0;
  EXPECT_EQ(ephnum, 10);
  EXPECT_NEAR(eph[9].jd, 2461392.375, 1e-9);
  EXPECT_GT(iNumApps, 0);
  int boxes = 0;
  watchkeys([&] { boxes += iWinNum == 3; });
  iNT[EPHEMLINES] = 0;
  run(MENUEPHEMERIS, {KEYENTER, KEYENTER, KEYESC});
  iNT[EPHEMLINES] = 10, dFP[EPHEMSTEP] = 0, dFP[APPULSEDIST] = 0;
  run(MENUEPHEMERIS, {KEYENTER, KEYENTER, KEYESC});
  run(MENUAPPULSE, {KEYENTER, KEYENTER, KEYESC});
  EXPECT_EQ(boxes, 3);
  EXPECT_EQ(ephnum, 10) << "nothing more made";
}

TEST_F(MenuPieces, GenerateAppulsesSetsTheNumberLimit) {
  iSel[MENUAPPULSE] = 3;
  dFP[APPULSEDIST] = 0.3;
  run(MENUAPPULSE, {KEYENTER, KEYESC});
  EXPECT_GT(iNumApps, 0) << "a full page has pairs within 0.3 degrees";
  EXPECT_EQ(iHI[APPULSENUM], iNumApps);
  for (int k = 0; k < iNumApps; k++) EXPECT_LE(app[k].sep, 0.3f);
}

TEST_F(MenuPieces, AFullAppulseListIsReported) {
  iSel[MENUAPPULSE] = 3;
  dFP[APPULSEDIST] = 0.3;
  mperror[0] = 0;
  run(MENUAPPULSE, {KEYENTER, KEYESC});
  ASSERT_LT(iNumApps, MAXAPPS);
  EXPECT_STREQ(mperror, "") << "a list with room is not reported";
  dFP[APPULSEDIST] = 10.0;
  iNT[MINALTITUDE] = -90;  // every pair kept, below the horizon too
  // The second Enter answers the report.
  run(MENUAPPULSE, {KEYENTER, KEYENTER, KEYESC});
  EXPECT_EQ(iNumApps, MAXAPPS) << "a full page has more pairs within 10 degrees than the list holds";
  EXPECT_STREQ(mperror, "Appulse list full (3064): search stopped.");
}

TEST_F(MenuPieces, F4OnTheAppulsePageGoesToItsMinorPlanet) {
  iNumApps = 0;
  logappulse(vesta, 9, 0.1, APPTABLE);
  iNT[APPULSENUM] = 0;
  dStarX = dStarY = 0;
  feedkeys({KEYF4});
  EXPECT_EQ(menufunction(MENUAPPULSE), KEYESC) << "F4 closes the menu";
  EXPECT_DOUBLE_EQ(dStarX, obj[vesta].ra);
  EXPECT_DOUBLE_EQ(dStarY, obj[vesta].dec);
}

TEST_F(MenuPieces, PickingAnAppulseRowSetsTheNumber) {
  iNumApps = 0;
  for (int k = 0; k < 5; k++) logappulse(vesta, 9 + k, 0.1, APPTABLE);
  run(MENUAPPULSE, {'c', KEYESC});
  EXPECT_EQ(iApp, 2);
  EXPECT_EQ(iNT[APPULSENUM], 2);
}

TEST_F(MenuPieces, PickingAnEphemerisRowSelectsIt) {
  iNT[EPHEMLINES] = 5;
  calcephem(vesta);
  run(MENUEPHEMERIS, {'d', KEYESC});
  EXPECT_EQ(iEphem, 3);
}

TEST_F(MenuPieces, F2SavesTheEphemerisPageShown) {
  // The file name is taken in the program's folder: reach a scratch
  // folder of a short name from there.
  char tmpl[] = "/tmp/kvXXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  std::string file = std::string(tmpl) + "/e.txt";
  std::string rel = std::filesystem::relative(file, KORVANEX_RUNTIME_DIR).string();
  if (rel.size() >= sizeof chSTR[0]) {
    std::filesystem::remove_all(tmpl);
    GTEST_SKIP() << "scratch folder too far for a 39-character name";
  }
  snprintf(chSTR[EPHEMFILE], sizeof chSTR[0], "%s", rel.c_str());
  iNT[EPHEMLINES] = 4;
  calcephem(vesta);
  iNT[EPHEMMODE] = 0;
  run(MENUEPHEMERIS, {KEYF2, 'y', KEYF2, 'y', KEYESC});
  std::string text = readwhole(file);
  size_t first = text.find("Planet Ephemerides (4 on file)");
  ASSERT_NE(first, std::string::npos) << text;
  EXPECT_NE(text.find("Planet Ephemerides (4 on file)", first + 1), std::string::npos) << "appended twice";
  EXPECT_NE(text.find("3   "), std::string::npos);
  EXPECT_NE(text.find("Vesta"), std::string::npos);
  // Overwrite mode asks again before replacing it.
  iNT[EPHEMMODE] = 1;
  run(MENUEPHEMERIS, {KEYF2, 'y', 'y', KEYESC});
  text = readwhole(file);
  first = text.find("Planet Ephemerides");
  EXPECT_EQ(text.find("Planet Ephemerides", first + 1), std::string::npos) << "one page left";
  std::filesystem::remove_all(tmpl);
}

TEST_F(MenuPieces, F1OnAFieldOpensItsTopicAndFollowsALink) {
  FILE *f = fopen(KORVANEX_RUNTIME_DIR "/korvanex.hlp", "rb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(helpread(f), 0);
  fclose(f);
  std::vector<std::string> seen;
  watchkeys([&] {
    if (iWinNum == HELPWINDOW) seen.push_back(helpheading(iHelpTopic));
  });
  iSel[MENUPLANET] = 3;
  run(MENUPLANET, {KEYF1, '1', KEYESC, KEYESC, KEYESC});
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], "BRIGHTNESS H");
  EXPECT_EQ(seen[1], helpheading(textlink[textstart[63]].link[0]));
  EXPECT_EQ(seen[2], "BRIGHTNESS H");
}

TEST_F(MenuPieces, SearchWritesItsStepIntoTheOpenAlert) {
  static const char *const lines[2] = {"Checking asteroids.", "Please wait..."};
  openalert(2, lines);
  int y = alertY;
  genastapplist(0, 0.1, 1);
  EXPECT_EQ(alertY, y + VRTScale) << "one more line: \"Checking stars...\"";
  closealert();
  y = alertY;
  genastapplist(0, 0.1, 1);
  EXPECT_EQ(alertY, y) << "no alert open: nothing written";
}

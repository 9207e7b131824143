#include "ui/menu.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "allegro_env.h"
#include "chart/ccd.h"
#include "minorplanets/astbin.h"
#include "chart/projection.h"
#include "chart/starcat.h"
#include "keyfeed.h"
#include "testsupport.h"
#include "minorplanets/elements.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "mp_fixtures.h"
#include "places/place.h"
#include "skins/skin.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "ui/datemenu.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/listview.h"
#include "ui/windows.h"
#include "starcat_fixture.h"

namespace {

class Menu : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { loadprogramfonts(); }
  static void TearDownTestSuite() { unloadprogramfonts(); }
  void SetUp() override {
    ASSERT_NE(data, nullptr) << "vuva.dat beside the tests";
    startscreen();
    initsettings();
    setdefaults();
    initchoices();
    memset(iSel, 0, sizeof iSel);
    Snum = 0;
    iNumAst = 0;
    dJDay = day = 2451545.0;
  }
  void TearDown() override {
    stopkeys();
    iNumAst = 0;
    Snum = 0;
  }
  // Runs menu with the keys; expects every key read and the menu closed.
  void run(int menu, std::initializer_list<int> keys) {
    feedkeys(keys);
    EXPECT_EQ(menufunction(menu), KEYESC);
    EXPECT_EQ(keysleft(), 0);
    EXPECT_EQ(keysoverrun(), 0);
    EXPECT_EQ(iFun, -1);
  }
  // Five places "P0".."P4" with codes 100..104.
  static void fiveplaces() {
    FILE *f = tmpfile();
    for (int i = 0; i < 5; i++) {
      char name[8];
      snprintf(name, sizeof name, "P%d", i);
      fprintf(f, "%-23s %-23s %-15s %-4d %+10.5f %+10.5f %+5.1f %-4d ; comments\n", name, "Town", "Land", 100 + i,
              -150.0 + i, -30.0, 10.0, 50);
    }
    rewind(f);
    iPlace = 0;
    ASSERT_EQ(placeread(f), 5);
    fclose(f);
  }
  // n records: 8 planets, then minor planets numbered 1001, 1002, ...
  static void records(int n) {
    iNumAst = n;
    for (int i = 0; i < n; i++) {
      char name[20];
      snprintf(name, sizeof name, "MP%d", i);
      mp[i] = mprecord(i < MPPLANETS ? 0 : 1000 + i - MPPLANETS + 1, name, 10.0f);
    }
  }
};

// Records the open menu and focus each time a key is read.
struct Seen {
  std::vector<int> fun, focus;
};

}  // namespace

TEST_F(Menu, FocusWrapsOverSelectableFieldsOnly) {
  iSel[MENULOCATION] = 0;
  run(MENULOCATION, {KEYUP, KEYESC});
  EXPECT_EQ(iSel[MENULOCATION], 15) << "MAKE MY DAY, not a note line";
  run(MENULOCATION, {KEYDOWN, KEYESC});
  EXPECT_EQ(iSel[MENULOCATION], 0);
  iSel[MENUSKYMAP] = 8;
  run(MENUSKYMAP, {KEYDOWN, KEYDOWN, KEYDOWN, KEYESC});
  EXPECT_EQ(iSel[MENUSKYMAP], 1);
  EXPECT_EQ(iSelMax, 10);
}

TEST_F(Menu, AltKeySwitchesInPlaceWithRememberedFocus) {
  iSel[MENUCATALOG] = 3;
  Seen seen;
  watchkeys([&] {
    seen.fun.push_back(iFun);
    seen.focus.push_back(iFocus);
  });
  run(MENUFILE, {KEYDOWN, KEYALTC, KEYESC});
  ASSERT_EQ(seen.fun.size(), 3u);
  EXPECT_EQ(seen.fun[0], MENUFILE);
  EXPECT_EQ(seen.fun[2], MENUCATALOG) << "Alt+C opened CATALOG without closing";
  EXPECT_EQ(seen.focus[2], 3) << "with its own remembered focus";
  EXPECT_EQ(iSel[MENUFILE], 1) << "FILE remembers its focus";
  EXPECT_EQ(iSel[MENUCATALOG], 3);
}

TEST_F(Menu, ListFontSixTimesReturns) {
  iSel[MENUCATALOG] = 6;
  run(MENUCATALOG, {KEYENTER, KEYENTER, KEYENTER, KEYESC});
  EXPECT_EQ(iNT[STARLISTFONT], 4);
  EXPECT_EQ(mchoice[CHOICESTARFONT].current, 4);
  run(MENUCATALOG, {KEYENTER, KEYENTER, KEYENTER, KEYESC});
  EXPECT_EQ(iNT[STARLISTFONT], 1);
  EXPECT_EQ(mchoice[CHOICESTARFONT].current, 1);
}

TEST_F(Menu, SwitchesToggleAndOrientationFollowsTheChart) {
  iSel[MENUSKYMAP] = 3;
  flag[PLOTMPS] = 0;
  run(MENUSKYMAP, {KEYENTER, KEYESC});
  EXPECT_EQ(flag[PLOTMPS], 1);
  run(MENUSKYMAP, {KEYENTER, KEYESC});
  EXPECT_EQ(flag[PLOTMPS], 0);
  // N/S on the chart changed the slot; the menu shows and steps from it.
  iNT[SOUTHUP] = 1;
  iSel[MENUSKYMAP] = 0;
  run(MENUSKYMAP, {KEYENTER, KEYESC});
  EXPECT_EQ(iNT[SOUTHUP], 0);
}

TEST_F(Menu, EditedValueStoredOnlyOnEnter) {
  iSel[MENULOCATION] = 13;  // HOUR (local)
  iNT[MENUHOUR] = 5;
  run(MENULOCATION, {KEYENTER, KEYDELETE, '9', KEYENTER, KEYESC});
  EXPECT_EQ(iNT[MENUHOUR], 9);
  run(MENULOCATION, {KEYENTER, KEYDELETE, '7', KEYESC, KEYESC});
  EXPECT_EQ(iNT[MENUHOUR], 9) << "Escape in the editor keeps the value";
  iSel[MENULOCATION] = 3;  // CITY
  snprintf(chSTR[PLACECITY], sizeof chSTR[0], "%s", "Old");
  run(MENULOCATION, {KEYENTER, 'N', 'e', 'w', KEYESC, KEYESC});
  EXPECT_STREQ(chSTR[PLACECITY], "Old") << "a cancelled text edit leaves the text";
  run(MENULOCATION, {KEYENTER, 'N', 'e', 'w', KEYENTER, KEYESC});
  EXPECT_STREQ(chSTR[PLACECITY], "New");
}

TEST_F(Menu, EscapeInTheEditorStillReloadsThePlace) {
  fiveplaces();
  locload(1);
  snprintf(chSTR[PLACEDESC], sizeof chSTR[0], "%s", "edited");
  iSel[MENULOCATION] = 0;
  run(MENULOCATION, {KEYENTER, KEYESC, KEYESC});
  EXPECT_EQ(iNT[PLACENUM], 1);
  EXPECT_STREQ(chSTR[PLACEDESC], "P1") << "the follow-up ran after Escape";
  EXPECT_EQ(iNT[OBSCODE], 101);
}

// Choosing a place writes nothing; the header and sidereal time follow at
// once (PyEphem: 12.04209 h at east 148 degrees, JD 2461383.375).
TEST_F(Menu, ChoosingAPlaceTakesEffectAndWritesNothing) {
  fiveplaces();
  dFP[MENUJDAY] = 2461383.375;
  makeFPdate();
  struct stat before, after;
  stat(KORVANEX_RUNTIME_DIR "/place.txt", &before);
  run(MENULOCATION, {KEYENTER, '2', KEYENTER, KEYESC});
  stat(KORVANEX_RUNTIME_DIR "/place.txt", &after);
  EXPECT_STREQ(achPlace, "P2");
  EXPECT_NEAR(SidHr, 12.0420925, 2.0 / 3600);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  iNT[FIXEDINSTANT] = 0;
}

TEST_F(Menu, ObservatoryAboveTheHighestOpensANewPlace) {
  fiveplaces();
  locload(0);
  iSel[MENULOCATION] = 0;
  iHI[PLACENUM] = 99;  // as the database read leaves it
  run(MENULOCATION, {KEYENTER, '5', '0', KEYENTER, KEYESC});
  EXPECT_EQ(iPlacesiz, 5);
  EXPECT_EQ(iNT[PLACENUM], 5) << "one above the highest, not 50";
  EXPECT_STREQ(chSTR[PLACEDESC], "");
  EXPECT_STREQ(chSTR[PLACECITY], "") << "a new place has an empty CITY";
  iNT[PLACENUM] = 1000;
  EXPECT_EQ(observatoryfield(), -1) << "no place at 1000 or above";
  EXPECT_EQ(iPlacesiz, 5);
}

static int writeplacesnowhere() {
  countplaces();
  return 0;
}

TEST_F(Menu, StoringAnEmptiedPlaceRenumbersTheField) {
  fiveplaces();
  locload(2);
  chSTR[PLACEDESC][0] = 0;  // delete entry 2
  EXPECT_EQ(storeplace(writeplacesnowhere), 0);
  EXPECT_EQ(iPlacesiz, 3);
  EXPECT_EQ(iPlace, 2);
  EXPECT_EQ(iNT[PLACENUM], 2);
  EXPECT_STREQ(chSTR[PLACEDESC], "P3") << "the fields show the entry now at 2";
  EXPECT_STREQ(achPlace, "P3");
  // F2 again stores the shown fields into that entry, not an empty name.
  snprintf(chSTR[PLACECITY], sizeof chSTR[0], "%s", "Moved");
  EXPECT_EQ(storeplace(writeplacesnowhere), 0);
  EXPECT_EQ(iPlacesiz, 3);
  EXPECT_STREQ(Place[2].name, "P3");
  EXPECT_STREQ(Place[2].locality, "Moved");
  EXPECT_STREQ(Place[3].name, "P4");
  // Deleting the last one leaves the field on the new last entry.
  locload(3);
  chSTR[PLACEDESC][0] = 0;
  storeplace(writeplacesnowhere);
  EXPECT_EQ(iPlacesiz, 2);
  EXPECT_EQ(iNT[PLACENUM], 2);
  EXPECT_STREQ(chSTR[PLACEDESC], "P3");
}

TEST_F(Menu, PlanetNumberFindsOrKeepsTheRecord) {
  records(12);
  readmpvars(9);
  iSel[MENUPLANET] = 1;  // MP NUMBER
  run(MENUPLANET, {KEYENTER, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, '1', '0', '0', '3', KEYENTER, KEYESC});
  EXPECT_EQ(iNT[MPRECORD], 10);
  EXPECT_STREQ(chSTR[MPNAME], "MP10");
  // Not loaded: the record of FILE NUMBER is shown again.
  iNT[MPNUMBER] = 4321;
  snprintf(chSTR[MPNAME], sizeof chSTR[0], "%s", "typed");
  EXPECT_EQ(findmpfield(), -1);
  EXPECT_EQ(iNT[MPRECORD], 10);
  EXPECT_EQ(iNT[MPNUMBER], 1003);
  EXPECT_STREQ(chSTR[MPNAME], "MP10");
  // F3 finds by the number field too.
  iNT[MPNUMBER] = 1001;
  iFun = MENUPLANET;
  EXPECT_EQ(menufunctionkey(KEYF3), 0);
  EXPECT_EQ(iNT[MPRECORD], 8);
}

TEST_F(Menu, PlanetFileNumberLoadsAndLogsTheRecord) {
  records(12);
  setdefaults();
  iHI[MPRECORD] = iNumAst - 1;
  for (int &u : userobj) u = -1;
  readmpvars(8);
  iSel[MENUPLANET] = 0;
  run(MENUPLANET, {KEYENTER, '1', '1', KEYENTER, KEYESC});
  EXPECT_EQ(iNT[MPRECORD], 11);
  EXPECT_EQ(iAst, 11);
  EXPECT_STREQ(chSTR[MPNAME], "MP11");
  EXPECT_EQ(iNT[USERMPS], 1) << "the record joins the user list";
}

TEST_F(Menu, StarFieldsFindAndSave) {
  loadlayers({{makestar(5001, 350, 'G', '2', 1.5f, 10.0f), makestar(5002, 420, 'K', '0', 2.5f, -20.0f)}});
  ASSERT_EQ(Snum, 2);
  iFun = MENUCATALOG;
  int k = star[0].starno == 5002 ? 0 : 1;  // the file keeps stars in block order
  iNT[STARNUMBER] = 5002;
  EXPECT_EQ(menufunctionkey(KEYF3), 0);
  EXPECT_EQ(iNT[STARRECORD], k);
  EXPECT_DOUBLE_EQ(dFP[STARMAG], 4.2);
  iNT[STARNUMBER] = 7777;
  EXPECT_EQ(findstarfield(), -1);
  EXPECT_EQ(iNT[STARRECORD], k) << "an unknown number loads nothing";
  // F2 stores the edited fields into the star.
  dFP[STARMAG] = 5.55;
  snprintf(chSTR[STARSPECTRUM], sizeof chSTR[0], "%s", "A0");
  EXPECT_EQ(menufunctionkey(KEYF2), 0);
  EXPECT_EQ(star[k].mag100, 555);
  EXPECT_EQ(star[k].spclass, 'A');
  EXPECT_EQ(star[k].spsub, '0');
  EXPECT_EQ(star[1 - k].mag100, 350) << "the other star is untouched";
  EXPECT_EQ(starsave(2), -1) << "no star 2";
  // F4 goes to the star and closes the menu.
  EXPECT_EQ(menufunctionkey(KEYF4), KEYESC);
  iFun = MENUFILE;
  EXPECT_EQ(menufunctionkey(KEYF4), 0) << "FILE has no F4";
}

TEST_F(Menu, DateLineOnceAfterADateChange) {
  dJDay = day + 1.25;
  achDLine[61][0] = 0;
  run(MENUFILE, {KEYESC});
  EXPECT_DOUBLE_EQ(day, dJDay);
  EXPECT_EQ(strncmp(achDLine[61], "JD ", 3), 0) << achDLine[61];
  achDLine[61][0] = 0;
  run(MENUFILE, {KEYESC});
  EXPECT_EQ(achDLine[61][0], 0) << "no change, no new date line";
}

TEST_F(Menu, JulianDayFieldAsksThenRecalculates) {
  iSel[MENULOCATION] = 8;
  dFP[MENUJDAY] = 2451545.0;
  dJDay = 2451545.0;
  // The edit is refused by Escape; the question still comes and is refused.
  run(MENULOCATION, {KEYENTER, KEYESC, 'n', KEYESC});
  EXPECT_DOUBLE_EQ(dJDay, 2451545.0);
  run(MENULOCATION,
      {KEYENTER, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE,
       KEYDELETE, '2', '4', '5', '1', '5', '5', '0', KEYENTER, 'y', KEYESC});
  EXPECT_DOUBLE_EQ(dJDay, 2451550.0);
  EXPECT_DOUBLE_EQ(day, 2451550.0) << "leaving the menu takes the new date";
}

TEST_F(Menu, ListPagesByMenu) {
  EXPECT_EQ(menulist(MENUFILE), -1);
  EXPECT_EQ(menulist(MENULOCATION), LISTPLACES);
  EXPECT_EQ(menulist(MENUCATALOG), LISTSTARS);
  EXPECT_EQ(menulist(MENUPLANET), LISTPLANETS);
  EXPECT_EQ(menulist(MENUEPHEMERIS), LISTEPHEM);
  EXPECT_EQ(menulist(MENUSKYMAP), -1);
  EXPECT_EQ(menulist(MENUTELESCOPE), LISTCCD);
  EXPECT_EQ(menulist(MENUAPPULSE), LISTAPPULSES);
  EXPECT_EQ(menulist(MENUOPTIONS), -1);
  // A letter picks a place from the LOCATION list into the fields.
  fiveplaces();
  locload(0);
  run(MENULOCATION, {'d', KEYESC});
  EXPECT_EQ(iNT[PLACENUM], 3);
  EXPECT_STREQ(chSTR[PLACEDESC], "P3");
}

TEST_F(Menu, ScopeGotoCentresAndCloses) {
  dFP[TELRA] = 5.5;
  dFP[TELDEC] = -5.0;
  iSel[MENUTELESCOPE] = 5;
  feedkeys({KEYENTER});
  EXPECT_EQ(menufunction(MENUTELESCOPE), KEYESC);
  EXPECT_EQ(keysleft(), 0);
  EXPECT_EQ(keysoverrun(), 0) << "Enter alone closed the menu";
  EXPECT_EQ(dStarX, 5.5);
  EXPECT_EQ(dStarY, -5.0);
}

// LOAD ASTEROIDS, SAVE USER and SYSTEM CLOCK through the menu driver.
TEST_F(Menu, LoadAsteroidsSaveUserAndSystemClock) {
  dFP[MPMAGLIMIT] = 14.0, iSel[MENUFILE] = 2;
  run(MENUFILE, {KEYENTER, 'y', KEYENTER, KEYESC});  // and its report
  EXPECT_GE(findastnumber(4), MPPLANETS) << "Vesta read from astdat.bin";
  snprintf(chSTR[USERFILE], sizeof chSTR[USERFILE], "%s", "menuuser.txt");
  loguserobj(findastnumber(4));
  iSel[MENUFILE] = 6;
  run(MENUFILE, {KEYENTER, 'y', KEYESC});
  EXPECT_NE(readwhole(KORVANEX_RUNTIME_DIR "/menuuser.txt").find("Vesta"), std::string::npos);
  remove(KORVANEX_RUNTIME_DIR "/menuuser.txt");
  dJDay = 2400000.5, iSel[MENULOCATION] = 9, dTzone = 0;
  run(MENULOCATION, {KEYENTER, 'y', KEYESC});
  EXPECT_GT(dJDay, 2460000.5) << "the PC clock";
}

TEST_F(Menu, DrawnFieldsShowTheirKinds) {
  iFun = MENUSKYMAP;
  iFocus = 1;
  flag[SHOWGRID] = 1;
  EXPECT_EQ(drawmenu(), 10);
  // The help line of the focused field is written on row 29.
  int y = iHelpLine * VRTScale;
  int lit = 0;
  for (int x = HORScale; x < HORScale + 200; x++)
    for (int dy = 3; dy < 11; dy++)
      if (getpixel(VIDbmp, x, y + dy) == colour[PALDARKBLUE]) lit++;
  EXPECT_GT(lit, 20);
  // The set switch has its filled square, the other switches none.
  int vx = 13 * HORScale;
  EXPECT_EQ(getpixel(VIDbmp, vx + 8, but[1].row * VRTScale + 8), colour[PALDARKRED]);
  EXPECT_NE(getpixel(VIDbmp, vx + 8, but[2].row * VRTScale + 8), colour[PALDARKRED]);
  iFun = -1;
}

TEST_F(Menu, CameraNumberSelectsAndFocalLengthMovesTheField) {
  iSel[MENUTELESCOPE] = 7;  // CCD NUMBER
  dFP[TELFOCAL] = 1000;
  run(MENUTELESCOPE, {KEYENTER, KEYDELETE, KEYDELETE, '5', KEYENTER, KEYESC});
  EXPECT_EQ(iNT[CCDNUM], 5);
  EXPECT_STREQ(chSTR[CCDTYPE], ccd[5].name);
  double fov = dFP[CCDFIELDH];
  EXPECT_NEAR(fov, ccd[5].chipw * 206256.0 / 1000 / 60, 1e-3);
  iSel[MENUTELESCOPE] = 2;  // FOCAL LENGTH
  run(MENUTELESCOPE, {KEYENTER, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE,
                      KEYDELETE, KEYDELETE, KEYDELETE, '2', '0', '0', '0', KEYENTER, KEYESC});
  EXPECT_DOUBLE_EQ(dFP[TELFOCAL], 2000);
  EXPECT_NEAR(dFP[CCDFIELDH], fov / 2, 1e-3) << "twice the focal length, half the field";
}

TEST_F(Menu, EditedChipSizeMovesTheCcdField) {
  dFP[TELFOCAL] = 1000;
  loadccd(0);
  dFP[TELFOCAL] = 500;
  iSel[MENUTELESCOPE] = 11;  // CCD SIZE V mm
  run(MENUTELESCOPE, {KEYENTER, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE,
                      KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, '9', KEYENTER, KEYESC});
  ASSERT_DOUBLE_EQ(dFP[CCDCHIPV], 9.0);
  EXPECT_NEAR(dFP[CCDFIELDV], 9.0 * 206256.0 / 500 / 60, 1e-9);
  // A cancelled edit leaves the field as it was.
  double before = dFP[CCDFIELDV];
  run(MENUTELESCOPE, {KEYENTER, '1', KEYESC, KEYESC});
  EXPECT_EQ(dFP[CCDFIELDV], before);
}

TEST_F(Menu, LoadNewSkinLoadsTheNamedSkin) {
  setfiledir(KORVANEX_RUNTIME_DIR);
  snprintf(chSTR[SKINNAME], sizeof chSTR[0], "%s", "eyepiece");
  iSel[MENUOPTIONS] = 3;  // LOAD NEW SKIN
  run(MENUOPTIONS, {KEYENTER, KEYENTER, KEYESC});
  remove(KORVANEX_RUNTIME_DIR "/eyepiece.inc");
  EXPECT_EQ(myskin, 1) << mperror;
  snprintf(chSTR[SKINNAME], sizeof chSTR[0], "%s", "nosuchskin");
  run(MENUOPTIONS, {KEYENTER, KEYENTER, KEYESC});
  setfiledir(nullptr);
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "nosuchskin.skt"), nullptr);
  remove(KORVANEX_RUNTIME_DIR "/defskin8.bmp");
}

// Moving the focus writes the new field's help line over the old one: no
// trace of the old may remain, however long it was.
TEST_F(Menu, HelpLineOfANewFocusLeavesNoTraceOfTheLast) {
  iFun = MENUFILE;
  int top = iHelpLine * VRTScale, w = 48 * HORScale;
  auto helpline = [&](std::initializer_list<int> focuses) {
    rectfill(VIDbmp, 0, 0, VIDbmp->w - 1, VIDbmp->h - 1, win[0].fill);
    for (int f : focuses) {
      iFocus = f;
      drawmenu();
    }
    std::vector<int> px;
    for (int y = top; y < top + VRTScale && y < VIDbmp->h; y++)
      for (int x = 0; x < w; x++) px.push_back(getpixel(VIDbmp, x, y));
    return px;
  };
  // "Start up file containing asteroid data." is the longest of the menu.
  for (int next = 1; next < 5; next++) EXPECT_EQ(helpline({0, next}), helpline({next})) << next;
  iFun = -1;
}

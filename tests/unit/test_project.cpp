#include "ui/project.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "allegro_env.h"
#include "chart/projection.h"
#include "chart/starcat.h"
#include "keyfeed.h"
#include "minorplanets/elements.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "base/settings.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/datemenu.h"
#include "ui/menutable.h"
#include "ui/windows.h"

namespace {

// Settings with a distinct value in every slot.
void distinctsettings() {
  initsettings();
  initchoices();
  for (int i = 0; i < 40; i++) dFP[i] = 0.5 + i;
  for (int i = 0; i < 40; i++) iNT[i] = 0;
  iNT[MPRECORD] = 12;
  iNT[PLACENUM] = 3;
  iNT[MENUMONTH] = 7;
  iNT[MENUDAY] = 14;
  iNT[MPEPOCH] = 2459800;
  iNT[CCDPIXH] = 765;
  iNT[CCDPIXV] = 510;
  iNT[TELEBITS] = 12345;
  iNT[STARLISTFONT] = 5;
  iNT[MPLISTFONT] = 3;
  iNT[SOUTHUP] = 1;
  iNT[EPHEMMODE] = 1;
  mchoice[CHOICESTARFONT].current = 5;
  mchoice[CHOICEMPFONT].current = 3;
  mchoice[CHOICEORIENT].current = 1;
  dFP[MENUJDAY] = 2451545.25;
  dFP[PLACELONG] = -151.2;
  dFP[PLACELAT] = -33.87;
  for (int i = 0; i < 20; i++) flag[i] = i % 3 == 0;
  snprintf(chSTR[PLACEDESC], sizeof chSTR[0], "%s", "Sydney Obs");
  snprintf(chSTR[PROJECTNAME], sizeof chSTR[0], "%s", "night2");
  iAst = 9;
  iPlace = 2;
  iStar = 77;
}

std::vector<unsigned char> written() {
  FILE *f = tmpfile();
  EXPECT_EQ(projectwrite(f), 0);
  std::vector<unsigned char> b((size_t)ftell(f));
  rewind(f);
  EXPECT_EQ(fread(b.data(), 1, b.size(), f), b.size());
  fclose(f);
  return b;
}

int readbytes(const std::vector<unsigned char> &b) {
  FILE *f = tmpfile();
  fwrite(b.data(), 1, b.size(), f);
  rewind(f);
  int n = projectread(f);
  fclose(f);
  return n;
}

template <typename T>
T at(const std::vector<unsigned char> &b, int offset) {
  T v;
  memcpy(&v, b.data() + offset, sizeof v);
  return v;
}

}  // namespace

TEST(Project, LayoutOfTheFile) {
  distinctsettings();
  // Bytes after a text's terminator are zero in the file.
  memcpy(chSTR[PLACECITY], "ab\0leftover", 12);
  std::vector<unsigned char> b = written();
  ASSERT_EQ(b.size(), 1228u) << "the settings, the signature and the checksum";
  EXPECT_DOUBLE_EQ(at<double>(b, 0 + 8 * MENUJDAY), 2451545.25);
  EXPECT_EQ(at<int32_t>(b, 320 + 4 * CCDPIXH), 765);
  EXPECT_EQ(at<int32_t>(b, 480 + 4 * 9), 1);
  EXPECT_EQ(at<int32_t>(b, 480 + 4 * 10), 0);
  EXPECT_EQ(at<int32_t>(b, 560 + 4 * CHOICESTARFONT), 5);
  EXPECT_EQ(std::string((const char *)b.data() + 600 + 40 * PLACEDESC), "Sydney Obs");
  for (int i = 2; i < 40; i++) EXPECT_EQ(b[600 + 40 * PLACECITY + i], 0) << i;
  EXPECT_EQ(at<int32_t>(b, 1160), 9);
  EXPECT_EQ(at<int32_t>(b, 1164), 2);
  EXPECT_EQ(at<int32_t>(b, 1168), 77);
}

TEST(Project, RoundTrip) {
  distinctsettings();
  iNT[INTSLOTS - 1] = 4711;  // the slots past the older layout travel too
  flag[FLAGSLOTS - 1] = 1;
  std::vector<unsigned char> b = written();
  double d[REALSLOTS];
  int n[INTSLOTS], fl[FLAGSLOTS];
  char texts[14][40];
  memcpy(d, dFP, sizeof d);
  memcpy(n, iNT, sizeof n);
  memcpy(fl, flag, sizeof fl);
  memcpy(texts, chSTR, sizeof texts);
  initsettings();
  initchoices();
  iAst = iPlace = iStar = 0;
  ASSERT_EQ(readbytes(b), PROJECTSIZE);
  for (int i = 0; i < INTSLOTS; i++) {
    // Slots with edit limits come back clamped; these were all inside.
    int ilo[INTSLOTS], ihi[INTSLOTS];
    double dlo[REALSLOTS], dhi[REALSLOTS];
    editlimits(ilo, ihi, dlo, dhi);
    int nw = ilo[i] < ihi[i] ? (n[i] < ilo[i] ? ilo[i] : n[i] > ihi[i] ? ihi[i] : n[i]) : n[i];
    EXPECT_EQ(iNT[i], nw) << i;
    if (i >= REALSLOTS) continue;
    double dw = dlo[i] < dhi[i] ? (d[i] < dlo[i] ? dlo[i] : d[i] > dhi[i] ? dhi[i] : d[i]) : d[i];
    EXPECT_DOUBLE_EQ(dFP[i], dw) << i;
  }
  EXPECT_EQ(iNT[TELEBITS], 12345) << "a slot without limits is kept";
  EXPECT_DOUBLE_EQ(dFP[MENUJDAY], 2451545.25);
  for (int i = 0; i < FLAGSLOTS; i++) EXPECT_EQ(flag[i], fl[i]) << i;
  for (int i = 0; i < 14; i++) EXPECT_STREQ(chSTR[i], texts[i]) << i;
  EXPECT_EQ(mchoice[CHOICESTARFONT].current, 5);
  EXPECT_EQ(mchoice[CHOICEMPFONT].current, 3);
  EXPECT_EQ(mchoice[CHOICEORIENT].current, 1);
  EXPECT_EQ(mchoice[CHOICEAPPEND].current, 1);
  EXPECT_EQ(iAst, 9);
  EXPECT_EQ(iPlace, 2);
  EXPECT_EQ(iStar, 77);
}

TEST(Project, ShortFiles) {
  distinctsettings();
  std::vector<unsigned char> b = written();
  initsettings();
  initchoices();
  iAst = 4;
  iPlace = 1;
  iStar = 3;
  int monthbefore = iNT[MENUMONTH];
  // 319 bytes: not even the dFP block; nothing changes.
  ASSERT_EQ(readbytes(std::vector<unsigned char>(b.begin(), b.begin() + 319)), -1);
  EXPECT_DOUBLE_EQ(dFP[MENUJDAY], 0);
  EXPECT_EQ(readbytes({}), -1);
  // 320 bytes: dFP only.
  ASSERT_EQ(readbytes(std::vector<unsigned char>(b.begin(), b.begin() + 320)), 320);
  EXPECT_DOUBLE_EQ(dFP[MENUJDAY], 2451545.25);
  EXPECT_EQ(iNT[MENUMONTH], monthbefore);
  EXPECT_EQ(iNT[MPRECORD], 8);
  EXPECT_STREQ(chSTR[PLACEDESC], " ");
  EXPECT_EQ(iAst, 4);
  EXPECT_EQ(iPlace, 1);
  EXPECT_EQ(iStar, 3);
  // Cut inside the texts: the numbers, switches and choices are taken, the
  // texts and records are not.
  ASSERT_EQ(readbytes(std::vector<unsigned char>(b.begin(), b.begin() + 700)), 700);
  EXPECT_EQ(iNT[MENUMONTH], 7);
  EXPECT_EQ(flag[SHOWGRID], 1);
  EXPECT_EQ(mchoice[CHOICESTARFONT].current, 5);
  EXPECT_STREQ(chSTR[PLACEDESC], " ");
  EXPECT_EQ(iAst, 4);
}

TEST(Project, ValuesOutsideTheLimitsAreClamped) {
  distinctsettings();
  std::vector<unsigned char> b = written();
  b.resize(1172);  // a file written before the signature: no checksum to fail
  auto put32 = [&](int offset, int32_t v) { memcpy(b.data() + offset, &v, 4); };
  auto putd = [&](int offset, double v) { memcpy(b.data() + offset, &v, 8); };
  putd(8 * PLACELAT, 1e300);
  putd(8 * PLACELONG, NAN);
  putd(8 * 39, INFINITY);
  put32(320 + 4 * MENUMONTH, 99);
  put32(320 + 4 * CCDNUM, -5);
  put32(320 + 4 * SOUTHUP, 7);
  put32(320 + 4 * MPLISTFONT, 6);
  put32(480 + 4 * 3, 12);
  put32(320 + 4 * CHOICE0, 40);
  put32(560 + 4 * CHOICENONE, 3);
  memset(b.data() + 600 + 40 * PLACECOUNTRY, 'x', 40);  // no terminator
  memset(b.data() + 600 + 40 * STARSPECTRUM, 'y', 20);
  put32(1160, -3);
  put32(1164, 5000);
  put32(1168, 1 << 30);
  setdefaults();
  ASSERT_EQ(readbytes(b), 1172);
  EXPECT_DOUBLE_EQ(dFP[PLACELAT], 90);
  EXPECT_DOUBLE_EQ(dFP[PLACELONG], -180);
  EXPECT_DOUBLE_EQ(dFP[39], 0);
  EXPECT_EQ(iNT[MENUMONTH], 12);
  EXPECT_EQ(iNT[CCDNUM], 0);
  EXPECT_EQ(iNT[SOUTHUP], 1);
  EXPECT_EQ(mchoice[CHOICEORIENT].current, 1);
  EXPECT_EQ(iNT[MPLISTFONT], 5);
  EXPECT_EQ(mchoice[CHOICEMPFONT].current, 5);
  EXPECT_EQ(flag[SAVEPCX], 1);
  EXPECT_EQ(iNT[CHOICE0], 2);
  EXPECT_EQ(mchoice[CHOICEFADE].current, 2) << "the choice follows its slot";
  EXPECT_EQ(mchoice[CHOICENONE].current, 0) << "the empty record has no choice but 0";
  EXPECT_EQ(strlen(chSTR[PLACECOUNTRY]), 15u);
  EXPECT_EQ(strlen(chSTR[STARSPECTRUM]), 4u);
  EXPECT_EQ(iAst, 0);
  EXPECT_EQ(iPlace, PLACEMAX - 1);
  EXPECT_EQ(iStar, MAXSTARS - 1);
}

namespace {

// A project folder of its own inside the program's folder, where the
// program looks for projects; removed with its files afterwards.
class ProjectFiles : public ::testing::Test {
 protected:
  std::string dir, folder;
  static void SetUpTestSuite() { loadprogramfonts(); }
  static void TearDownTestSuite() { unloadprogramfonts(); }
  void SetUp() override {
    ASSERT_NE(data, nullptr);
    startscreen();
    // "pXXXXXX/night2" fits the 14 characters of the project name.
    char tmpl[] = KORVANEX_RUNTIME_DIR "/pXXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    folder = dir.substr(dir.rfind('/') + 1);
    distinctsettings();
    snprintf(chSTR[PROJECTNAME], sizeof chSTR[0], "%s/night2", folder.c_str());
    iNumAst = 0;
    Snum = 0;
    for (placerec &r : Place) r = placerec{};
  }
  void TearDown() override {
    stopkeys();
    remove(KORVANEX_RUNTIME_DIR "/lastproj.txt");
    remove((dir + "/night2.CFG").c_str());
    remove((dir + "/night2.CFG.new").c_str());
    rmdir(dir.c_str());
  }
  bool exists(const std::string &name) {
    struct stat st;
    return stat((dir + "/" + name).c_str(), &st) == 0;
  }
};

}  // namespace

TEST_F(ProjectFiles, CreateThenOverwrite) {
  char name[256], line[320];
  projectfilename(name);
  std::string full = name, tail = folder + "/night2.CFG";
  ASSERT_GE(full.size(), tail.size());
  EXPECT_EQ(full.substr(full.size() - tail.size()), tail) << "beside the program, extension CFG";
  EXPECT_EQ(projectquestion(line, sizeof line, name), 0);
  EXPECT_EQ(std::string(line), "Create project " + full + "?");
  feedkeys({'n'});
  EXPECT_EQ(saveproject(), 0);
  EXPECT_FALSE(exists("night2.CFG")) << "No writes nothing";
  feedkeys({'y'});
  EXPECT_EQ(saveproject(), 0);
  ASSERT_TRUE(exists("night2.CFG"));
  EXPECT_FALSE(exists("night2.CFG.new"));
  EXPECT_EQ(projectquestion(line, sizeof line, name), 1);
  EXPECT_EQ(std::string(line), "Overwrite project " + full + "?");
  struct stat st;
  stat((dir + "/night2.CFG").c_str(), &st);
  EXPECT_EQ(st.st_size, 1228);
}

TEST_F(ProjectFiles, LoadAsksAndRestores) {
  feedkeys({'y'});
  ASSERT_EQ(saveproject(), 0);
  dFP[PLACELAT] = 12.0;
  iNT[EPHEMLINES] = 2;
  feedkeys({'n'});
  EXPECT_EQ(loadproject(1), 0);
  EXPECT_DOUBLE_EQ(dFP[PLACELAT], 12.0) << "refused: nothing read";
  feedkeys({'y'});
  EXPECT_EQ(loadproject(1), 0);
  EXPECT_EQ(keysleft(), 0);
  EXPECT_EQ(iNT[EPHEMLINES], 0);
  EXPECT_STREQ(chSTR[PLACEDESC], "") << "the place of the project reloaded into the fields";
  // Without a question at start-up.
  iNT[EPHEMLINES] = 3;
  EXPECT_EQ(loadproject(0), 0);
  EXPECT_EQ(iNT[EPHEMLINES], 0);
}

TEST_F(ProjectFiles, MissingFileIsReportedAndChangesNothing) {
  snprintf(chSTR[PROJECTNAME], sizeof chSTR[0], "%s/absent", folder.c_str());
  dFP[PLACELAT] = 12.0;
  feedkeys({KEYENTER});
  EXPECT_NE(loadproject(0), -1);
  EXPECT_EQ(keysleft(), 0) << "the error box waited for its key";
  EXPECT_EQ(keysoverrun(), 0);
  EXPECT_DOUBLE_EQ(dFP[PLACELAT], 12.0);
}

// Saved in Vienna at a fixed instant and zoom 6, then loaded: all of it in
// effect at once (PyEphem: sidereal time 3.26701 h, 22:00 local); the
// pointer names the project and the exit question its file.
TEST_F(ProjectFiles, ComesBackWholeAndInEffect) {
  Place[1] = placerec{"Vienna", "Vienna", "Austria", 0, -16.3738, 48.2082, 1.0, 171, ""};
  iPlacesiz = 1;
  getaplace(1);
  iPlace = 1, iZoom = 6;
  dFP[MENUJDAY] = 2461383.375;
  makeFPdate();
  char line[96];
  exitquestion(line, sizeof line);
  EXPECT_STREQ(line, "EXIT!! Save project night2.CFG first?");
  feedkeys({'y', 'y'});
  ASSERT_EQ(saveproject(), 0);
  getaplace(0), realtimedate(), iZoom = 0, chSTR[PROJECTNAME][0] = 0;
  ASSERT_EQ(readlastproject(), 0);
  ASSERT_EQ(loadproject(1), 0);
  EXPECT_STREQ(achPlace, "Vienna");
  EXPECT_EQ(dJDay, 2461383.375);
  EXPECT_NEAR(SidHr, 3.2670125, 2.0 / 3600);
  EXPECT_EQ(iNT[MENUHOUR], 22);
  EXPECT_EQ(iZoom, 6);
}

// Junk, a flipped bit, a non-text field: refused, saying why; older files still read.
TEST_F(ProjectFiles, DamagedFilesAreRefusedWithTheirFault) {
  std::vector<unsigned char> good = written(), junk(1172), flipped = good, older(good.begin(), good.begin() + 1172);
  for (unsigned char &c : junk) c = static_cast<unsigned char>(rand());
  flipped[8 * PLACELAT + 3] ^= 0x10;
  older[600 + 40 * PLACEDESC + 2] = 1;
  iNT[MENUMONTH] = 2;
  for (auto c : {std::make_pair(junk, "is not text"), std::make_pair(flipped, "checksum does not match"),
                 std::make_pair(older, "text field 6 holds")}) {
    EXPECT_EQ(readbytes(c.first), PROJECTREFUSED);
    EXPECT_NE(strstr(projectfault, c.second), nullptr) << projectfault;
    EXPECT_EQ(iNT[MENUMONTH], 2) << c.second;
  }
  older[600 + 40 * PLACEDESC + 2] = 'd';
  EXPECT_EQ(readbytes(older), 1172);
  EXPECT_EQ(iNT[MENUMONTH], 7) << "an older file without signature";
}

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "allegro_env.h"
#include "testsupport.h"
#include "base/status.h"
#include "skin_fixture.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "screen/display.h"

namespace {

const int kButton[13] = {10, 20, 30, 40, 11, 21, 31, 41, 100, 200, 30, 40, 4};

// Reads text as a skin table through a memory stream.
int readtable(const std::string &text) {
  FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "rb");
  int n = readskintable(f);
  fclose(f);
  return n;
}

class SkinFile : public ::testing::Test {
 protected:
  void SetUp() override {
    startallegro(32);
    settruecolours();
    initdefaultskin(32);
  }
  ScratchDir dir;
};

}  // namespace

TEST_F(SkinFile, FortySixCharactersAreAComment47AnEntry) {
  std::string l46 = skinline(20, kButton, 46), l47 = skinline(21, kButton, 47);
  ASSERT_EQ(l46.size(), 47u);  // with its line end
  readtable(l46 + l47);
  EXPECT_EQ(skin[20].nstates, 0);
  EXPECT_EQ(skin[21].nstates, 4);
  EXPECT_EQ(skin[21].posx, 10);
  EXPECT_EQ(skin[21].srcy, 200);
}

TEST_F(SkinFile, SemicolonLinesAreComments) {
  readtable(";" + skinline(7, kButton) + skinline(8, kButton));
  EXPECT_EQ(skin[7].nstates, 0);
  EXPECT_EQ(skin[8].nstates, 4);
}

TEST_F(SkinFile, EntriesOutsideTheTableAreIgnoredAndRepeatsReplace) {
  int other[13];
  memcpy(other, kButton, sizeof other);
  other[0] = 77;
  readtable(skinline(60, kButton) + skinline(-1, kButton) + skinline(9, kButton) + skinline(9, other));
  EXPECT_EQ(skin[9].posx, 77);
  int named = 0;
  for (int e = 0; e < SKINENTRIES; e++) named += skin[e].nstates > 0;
  EXPECT_EQ(named, 1);
}

TEST_F(SkinFile, LinesWithFewerThanFourteenNumbersAreSkipped) {
  std::string shortline = "12 1 2 3 4 5 6 7 8 9 10 11 12                                    \n";
  readtable(shortline);
  EXPECT_EQ(skin[12].nstates, 0);
  // Anything after the fourteenth number is ignored.
  std::string longer = skinline(12, kButton);
  longer.insert(longer.size() - 1, " 99 junk");
  readtable(longer);
  EXPECT_EQ(skin[12].nstates, 4);
  EXPECT_EQ(skin[12].hoth, 41);
}

TEST_F(SkinFile, StatesAfterALoad) {
  std::string text;
  for (int e = 0; e < 40; e++) text += skinline(e, kButton);
  readtable(text);
  for (int e = 0; e < 40; e++) {
    int want = (e >= 8 && e <= 10) || (e >= 15 && e <= 24) ? SKINOFF : 0;
    if (e == SKINMPPLOT) want = SKINON;
    EXPECT_EQ(skin[e].state, want) << "entry " << e;
  }
}

TEST_F(SkinFile, UnnamedEntriesLoseTheirStatesButKeepTheirValues) {
  readtable(skinline(8, kButton));
  EXPECT_EQ(skin[9].nstates, 0);
  EXPECT_EQ(skin[9].posx, 8);  // the default table's value stays
  EXPECT_EQ(skin[9].hotw, 20);
}

TEST_F(SkinFile, LastLineWithoutLineEndIsIgnoredAndCarriageReturnsDropped) {
  std::string a = skinline(10, kButton), b = skinline(11, kButton);
  a.insert(a.size() - 1, "\r");
  b.pop_back();
  readtable(a + b);
  EXPECT_EQ(skin[10].nstates, 4);
  EXPECT_EQ(skin[11].nstates, 0);
}

TEST_F(SkinFile, GetskinlineReturnsTheFirstCharacter) {
  std::string text = "abc\n\n" + std::string(300, 'x') + "\nlast";
  FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "rb");
  EXPECT_EQ(getskinline(f), 'a');
  EXPECT_STREQ(skinbuf, "abc");
  EXPECT_EQ(getskinline(f), 1);
  EXPECT_EQ(getskinline(f), 'x');
  EXPECT_EQ(strlen(skinbuf), 207u);
  EXPECT_EQ(getskinline(f), 0);
  fclose(f);
}

TEST_F(SkinFile, HugeAndNegativeValuesRefuseTheLine) {
  int neg[13], huge[13];
  memcpy(neg, kButton, sizeof neg);
  memcpy(huge, kButton, sizeof huge);
  neg[2] = -20;  // width
  readtable(skinline(13, neg) + "14 99999999999999999999 1 1 1 1 1 1 1 1 1 1 1 1                    \n" +
            skinline(15, kButton));
  EXPECT_EQ(skin[13].nstates, 0);
  EXPECT_EQ(skin[14].nstates, 0);
  EXPECT_EQ(skin[15].nstates, 4);
  huge[12] = 5000;  // states
  readtable(skinline(16, huge));
  EXPECT_EQ(skin[16].nstates, 0);
}

TEST_F(SkinFile, TenThousandLinesReadToTheEnd) {
  std::string text;
  for (int i = 0; i < 10000; i++) text += i % 2 ? "; comment line\n" : skinline(i % 60, kButton);
  int n = readtable(text);
  EXPECT_EQ(n, 14);
  for (int e = 0; e < 60; e += 2) EXPECT_EQ(skin[e].nstates, 4) << e;
}

TEST_F(SkinFile, ReadskinfileReportsAMissingFile) {
  myskin = 1;
  EXPECT_EQ(readskinfile("nosuch.skt"), 2);
  EXPECT_EQ(myskin, 0);
  EXPECT_NE(strstr(mperror, "Error reading file:"), nullptr);
  EXPECT_NE(strstr(mperror, "nosuch.skt"), nullptr);
  dir.write("one.skt", "; a skin\n" + skinline(7, kButton));
  EXPECT_EQ(readskinfile("one.skt"), 0);
  EXPECT_EQ(myskin, 1);
  EXPECT_STREQ(mperror, "Loaded file: 14 Skin loaded in one.skt");
}

TEST_F(SkinFile, DefaultSkinTableImagesAndFiles) {
  EXPECT_TRUE(dir.exists("defskin.bmp"));
  EXPECT_FALSE(dir.exists("defskin8.bmp"));
  EXPECT_EQ(myskin, 0);
  EXPECT_EQ(oldskin, 0);
  EXPECT_EQ(skindepth, 32);
  ASSERT_NE(skinbmp, nullptr);
  EXPECT_EQ(skinbmp->w, 530);
  EXPECT_EQ(skinbmp->h, 372);
  EXPECT_EQ(skin[34].hoty, 250);
  EXPECT_EQ(skin[40].srcw, 32);
  EXPECT_EQ(skin[40].nstates, 0);
  EXPECT_EQ(skin[SKINMPPLOT].state, SKINON);
  EXPECT_EQ(skin[SKINNORTH].state, SKINOFF);
  EXPECT_EQ(skin[SKINCOLOURS].state, 0);
  // The view area is transparent, the skin face around it light grey.
  EXPECT_EQ(getpixel(skinbmp, 100, 100), bitmap_mask_color(skinbmp));
  EXPECT_EQ(getpixel(skinbmp, 100, 5), colour[PALLIGHTGREY]);
  // State images of button 22 ("ccd"): raised up to state 1, pushed from 2.
  EXPECT_EQ(getpixel(skinbmp, 440, 0), colour[PALWHITE]);
  EXPECT_EQ(getpixel(skinbmp, 440, 40), colour[PALGREY]);
  startallegro(8);
  setmypal();
  initdefaultskin(8);
  EXPECT_TRUE(dir.exists("defskin8.bmp"));
  EXPECT_EQ(getpixel(skinbmp, 100, 100), 0);
}

TEST_F(SkinFile, ListingHasOneLinePerEntry) {
  ASSERT_EQ(makeskindata("t.inc"), 0);
  FILE *f = fopen(dir.path("t.inc").c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char line[160];
  int n = 0;
  std::string first, eighth;
  while (fgets(line, sizeof line, f)) {
    if (n == 0) first = line;
    if (n == 7) eighth = line;
    n++;
  }
  fclose(f);
  EXPECT_EQ(n, 60);
  EXPECT_EQ(first, " 0,  0,  0,270,350,  0,  0,  0,  0,  0,  0,270,350,1,// TELESCOPE SKIN \n");
  EXPECT_EQ(eighth, " 7,245, 30, 20, 20,245, 30, 20, 20,480,160, 20, 20,4,// CHANGE SKIN \n");
  // The comma form is not read back as a table.
  readtable(first + eighth);
  EXPECT_EQ(skin[0].nstates, 0);
}

TEST_F(SkinFile, SetskinprogramTouchesOnlyExistingToggles) {
  for (skinentry &s : skin) s.state = 0;
  skin[9].nstates = 0;
  setskinprogram();
  EXPECT_EQ(skin[8].state, 1);
  EXPECT_EQ(skin[9].state, 0);
  EXPECT_EQ(skin[11].state, 0);
  EXPECT_EQ(skin[24].state, 1);
  EXPECT_EQ(skin[25].state, 0);
}

// The shipped table cut in half (inside a line) says so in its report.
TEST_F(SkinFile, HalfATableIsReportedAsCutShort) {
  std::string whole = readwhole(std::string(KORVANEX_RUNTIME_DIR) + "/eyepiece.skt");
  dir.write("half.skt", whole.substr(0, whole.size() / 2));
  EXPECT_EQ(readskinfile("half.skt"), 0);
  EXPECT_STREQ(mperror, "Loaded file: 14 Skin loaded in half.skt (cut short: its last line is unfinished)");
}

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "allegro_env.h"
#include "chart/starcat.h"
#include "places/place.h"
#include "base/settings.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/listview.h"
#include "ui/windows.h"


TEST(ListView, RowsPerPage) {
  setscale(640);
  EXPECT_EQ(listpagerows(10, 12), 20);  // (25 - 10) x 16 / 12
  EXPECT_EQ(listpagerows(4, 12), 28);
  EXPECT_EQ(listpagerows(4, 5), LISTMAXROWS) << "at most 60";
  EXPECT_EQ(listpagerows(4, 0), 1);
  setscale(1024);
  EXPECT_EQ(listpagerows(10, 12), 30);  // 15 x 24 / 12
  setscale(640);
}

TEST(ListView, EmptyList) {
  for (int keycode : {0, (int)KEYPGDN, (int)KEYPGUP, (int)KEYHOME, (int)KEYEND, (int)'a'}) EXPECT_EQ(listmove(0, keycode, 0, 20), 0) << keycode;
  EXPECT_EQ(listmove(-5, 0, 0, 20), 0);
  EXPECT_EQ(listpick('a', 0, 20, 0), -1) << "nothing to pick";
}

TEST(ListView, ExactMultiple) {
  EXPECT_EQ(listmove(0, KEYEND, 40, 20), 20) << "the last page, not 40";
  EXPECT_EQ(listmove(20, KEYPGDN, 40, 20), 0) << "40 is beyond: wraps to 0";
  EXPECT_EQ(listmove(0, KEYPGDN, 40, 20), 20);
  EXPECT_EQ(listmove(0, KEYPGUP, 40, 20), 20) << "PageUp on the first page: the last";
  EXPECT_EQ(listmove(20, KEYPGUP, 40, 20), 0);
  EXPECT_EQ(listmove(20, KEYHOME, 40, 20), 0);
  EXPECT_EQ(listmove(20, 'x', 40, 20), 20) << "other keys leave it";
}

TEST(ListView, ShortLastPage) {
  EXPECT_EQ(listmove(0, KEYEND, 45, 20), 40);
  EXPECT_EQ(listmove(40, KEYPGDN, 45, 20), 0);
  EXPECT_EQ(listmove(0, KEYPGUP, 45, 20), 40);
  EXPECT_EQ(listmove(50, 0, 45, 20), 0) << "a start beyond the count goes back to 0";
  EXPECT_EQ(listmove(5, 0, 5, 20), 0);
  EXPECT_EQ(listmove(0, KEYEND, 5, 20), 0) << "one short page";
  EXPECT_EQ(listpick('a', 40, 20, 45), 0);
  EXPECT_EQ(listpick('e', 40, 20, 45), 4);
  EXPECT_EQ(listpick('f', 40, 20, 45), -1) << "beyond the last entry";
  EXPECT_EQ(listpick('t', 0, 20, 45), 19);
  EXPECT_EQ(listpick('u', 0, 20, 45), -1) << "beyond the page";
}

TEST(ListView, RowLabels) {
  EXPECT_EQ(strlen(listlabels), 62u);
  EXPECT_EQ(listpick('z', 0, 60, 100), 25);
  EXPECT_EQ(listpick('1', 0, 60, 100), 26);
  EXPECT_EQ(listpick('0', 0, 60, 100), 35);
  EXPECT_EQ(listpick('A', 0, 60, 100), 36);
  EXPECT_EQ(listpick('X', 0, 60, 100), 59);
  EXPECT_EQ(listpick('Y', 0, 60, 100), -1) << "a page has 60 rows";
  EXPECT_EQ(listpick('#', 0, 60, 100), -1);
  EXPECT_EQ(listpick(0, 0, 60, 100), -1);
  EXPECT_EQ(listpick(KEYF1, 0, 60, 100), -1);
  EXPECT_EQ(listpick(256 + 'a', 0, 60, 100), -1);
}

namespace {
class PlaceList : public ::testing::Test {
 protected:
  BITMAP *b = nullptr;
  int rows = 0;
  static DATAFILE *fonts;
  static FONT *libraryfont;
  static void SetUpTestSuite() {
    startallegro(8);
    libraryfont = font;
    fonts = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
  }
  static void TearDownTestSuite() {
    font = libraryfont;
    userfont = nullptr;
    data = nullptr;
    if (fonts) unload_datafile(fonts);
  }
  void SetUp() override {
    ASSERT_NE(fonts, nullptr);
    data = fonts;
    b = startallegro(8);
    setmypal();
    windoinit();
    clearhitmap();
    std::string t;
    for (int i = 0; i < 45; i++) {
      char l[128];
      snprintf(l, sizeof l, "%-23s %-23s %-15s %d 1 2 3 50\n", ("Obs" + std::to_string(i)).c_str(), "Town",
               "Land", i);
      t += l;
    }
    FILE *f = fmemopen(const_cast<char *>(t.data()), t.size(), "rb");
    iPlace = 0;
    placeread(f);
    fclose(f);
    setuserfont(10);
    rows = listpagerows(10, text_height(font) + 4);
    setuserfont(iDEFONT);
  }
  // Pixels of colour c on the text of list line `line`.
  int inkonline(int line, int c) {
    int y = line * listpitch + 10 * VRTScale;
    int n = 0;
    for (int x = (listXst + 2) * HORScale; x < 79 * HORScale; x++)
      for (int j = y; j < y + listpitch; j++) n += getpixel(b, x, j) == c;
    return n;
  }
};
DATAFILE *PlaceList::fonts = nullptr;
FONT *PlaceList::libraryfont = nullptr;
}  // namespace

TEST_F(PlaceList, FirstPage) {
  ASSERT_GT(rows, 2);
  ASSERT_LT(rows, 45);
  iPlace = 2;
  int start = 0;
  EXPECT_EQ(catview(&start, LISTPLACES, 0), 0);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(userfontnum, iDEFONT);
  EXPECT_EQ(listpitch, text_height((FONT *)data[fontobject(10)].dat) + 4);
  char page[64];
  snprintf(page, sizeof page, "Page 1/%d", 44 / rows + 1);
  EXPECT_NE(strstr(achDLine[0], page), nullptr) << achDLine[0];
  EXPECT_EQ(strncmp(achDLine[2], "0    0    Obs0, Town, Land", 26), 0) << achDLine[2];
  for (int r = 0; r < rows; r++) EXPECT_EQ(listbox[r], listlabels[r]) << r;
  EXPECT_EQ(listbox[rows], -1);
  EXPECT_EQ(listboxy, 2 * listpitch + 10 * VRTScale);
  EXPECT_GT(inkonline(4, colour[PALRED]), 0) << "the current place is drawn lit";
  EXPECT_EQ(inkonline(5, colour[PALRED]), 0);
  EXPECT_GT(inkonline(5, colour[PALDARKGREEN]), 0) << "other rows in the list colour";
  EXPECT_EQ(getpixel(b, listXst * HORScale - 1, 10 * VRTScale - 4), colour[PALGREY]) << "framed";
  EXPECT_EQ(getpixel(b, listXst * HORScale + 1, 10 * VRTScale - 2), colour[PALLISTBACK]);
}

TEST_F(PlaceList, EndAndPickOnAShortLastPage) {
  int start = 0;
  catview(&start, LISTPLACES, KEYEND);
  int last = 45 / rows * rows;
  EXPECT_EQ(start, last);
  int shown = 45 - last;
  EXPECT_EQ(listbox[shown - 1], listlabels[shown - 1]);
  EXPECT_EQ(listbox[shown], -1) << "rows past the last entry are not live";
  iPlace = 0;
  iNT[PLACENUM] = 0;
  EXPECT_EQ(catview(&start, LISTPLACES, listlabels[shown]), 0) << "label beyond the last entry";
  EXPECT_EQ(iPlace, 0);
  EXPECT_EQ(catview(&start, LISTPLACES, 'b'), 1);
  EXPECT_EQ(iPlace, last + 1);
  EXPECT_EQ(iNT[PLACENUM], last + 1);
  EXPECT_EQ(chSTR[PLACEDESC], "Obs" + std::to_string(last + 1));
  EXPECT_EQ(achDLine[3][78], 'C') << "the chosen row is marked at once";
  EXPECT_EQ(achPlace, "Obs" + std::to_string(last + 1)) << "picking makes the place current at once";
  catview(&start, LISTPLACES, KEYPGDN);
  EXPECT_EQ(start, 0) << "PageDown on the last page shows the first";
  catview(&start, LISTPLACES, KEYPGUP);
  EXPECT_EQ(start, last) << "PageUp on the first page shows the last";
}

TEST_F(PlaceList, ListsWithoutABuilderShowNothing) {
  int start = 7;
  clear_to_color(b, 5);
  EXPECT_EQ(catview(&start, 4, KEYPGDN), 0);
  EXPECT_EQ(start, 7);
  EXPECT_EQ(getpixel(b, listXst * HORScale + 1, 10 * VRTScale), 5);
}

TEST_F(PlaceList, StarList) {
  int oldsnum = Snum, oldstar = iStar;
  starrec saved[3];
  memcpy(saved, star, sizeof saved);
  for (int i = 0; i < 3; i++) star[i] = starrec{1000 + i, (int16_t)(500 + i), 'G', '2', 6.0f + i, 10.0f * i};
  Snum = 3;
  iStar = 0;
  iNT[STARLISTFONT] = 1;  // "default" list font
  int start = 0;
  EXPECT_EQ(catview(&start, LISTSTARS, 'c'), 1);
  EXPECT_EQ(iStar, 2);
  EXPECT_EQ(listpitch, text_height((FONT *)data[fontobject(mpfont[1].fontnum)].dat) + 4);
  EXPECT_EQ(listbox[2], 'c');
  EXPECT_EQ(listbox[3], -1);
  EXPECT_NE(achDLine[4][78], 0) << "the chosen star is marked";
  EXPECT_EQ(achDLine[3][78], 0);
  EXPECT_EQ(catview(&start, LISTSTARS, 'd'), 0) << "only three stars";
  EXPECT_EQ(iStar, 2);
  memcpy(star, saved, sizeof saved);
  Snum = oldsnum;
  iStar = oldstar;
}

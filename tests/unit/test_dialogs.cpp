#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "allegro_env.h"
#include "keyfeed.h"
#include "ui/dialogs.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/menutable.h"
#include "ui/windows.h"

namespace {


class Dialogs : public ::testing::Test {
 protected:
  BITMAP *b = nullptr;
  static void SetUpTestSuite() { loadprogramfonts(); }
  static void TearDownTestSuite() { unloadprogramfonts(); }
  void SetUp() override {
    ASSERT_NE(data, nullptr) << "vuva.dat beside the tests";
    b = startscreen();
  }
  void TearDown() override { stopkeys(); }
  // Feeds keys, then checks every one was read and no more.
  void expectallread() {
    EXPECT_EQ(keysleft(), 0);
    EXPECT_EQ(keysoverrun(), 0);
  }
};

// Applies each key of keys to e; returns the last result.
int typekeys(EDITSTATE *e, std::initializer_list<int> keys) {
  int r = 0;
  for (int k : keys) r = editkey(e, k);
  return r;
}

}  // namespace

TEST(Editor, OverwriteThenInsert) {
  EDITSTATE e;
  editbegin(&e, "1234", "-1234567890", 10);
  EXPECT_EQ(e.pos, 0);
  EXPECT_EQ(e.insert, 0) << "starts in overwrite mode";
  typekeys(&e, {'x'});
  EXPECT_STREQ(e.text, "1234") << "x is not an allowed character";
  typekeys(&e, {'9'});
  EXPECT_STREQ(e.text, "9234");
  EXPECT_EQ(e.pos, 1);
  typekeys(&e, {KEYINSERT, '5'});
  EXPECT_STREQ(e.text, "95234") << "insert moves the rest right";
  EXPECT_EQ(e.pos, 2);
  typekeys(&e, {KEYINSERT, KEYEND, '7'});
  EXPECT_STREQ(e.text, "952347") << "overwrite at the end extends the text";
  EXPECT_EQ(e.pos, 6);
}

TEST(Editor, BackspaceAndDeleteAtTheEnds) {
  EDITSTATE e;
  editbegin(&e, "abc", "", 10);
  typekeys(&e, {KEYBACKSPACE});
  EXPECT_STREQ(e.text, "abc") << "Backspace at 0 does nothing";
  typekeys(&e, {KEYDELETE});
  EXPECT_STREQ(e.text, "bc") << "Delete at 0 removes the first";
  EXPECT_EQ(e.pos, 0);
  typekeys(&e, {KEYEND, KEYDELETE});
  EXPECT_STREQ(e.text, "bc") << "Delete past the last does nothing";
  typekeys(&e, {KEYBACKSPACE});
  EXPECT_STREQ(e.text, "b");
  EXPECT_EQ(e.pos, 1);
  typekeys(&e, {KEYLEFT, KEYLEFT, KEYLEFT});
  EXPECT_EQ(e.pos, 0) << "Left stops at 0";
  typekeys(&e, {KEYRIGHT, KEYRIGHT});
  EXPECT_EQ(e.pos, 1) << "Right stops at the end of the text";
}

TEST(Editor, EleventhCharacterRefused) {
  EDITSTATE e;
  editbegin(&e, "", "", 10);
  for (const char *c = "12345678901"; *c; c++) editkey(&e, *c);
  EXPECT_STREQ(e.text, "1234567890");
  typekeys(&e, {KEYHOME, KEYINSERT, '7'});
  EXPECT_STREQ(e.text, "1234567890") << "nor inserted when full";
  typekeys(&e, {KEYEND});
  EXPECT_EQ(e.pos, 9) << "End on a full text stops on its last character";
  typekeys(&e, {KEYHOME});
  for (int i = 0; i < 12; i++) editkey(&e, KEYRIGHT);
  EXPECT_EQ(e.pos, 9);
  typekeys(&e, {KEYUP, KEYDOWN});
  EXPECT_STREQ(e.text, "1234567890") << "Up and Down change nothing";
}

TEST(Editor, EndingKeysAndCut) {
  EDITSTATE e;
  editbegin(&e, "abcdefghijkl", "", 5);
  EXPECT_STREQ(e.text, "abcde") << "cut to the maximum length";
  EXPECT_EQ(editkey(&e, KEYEND), 0);
  EXPECT_EQ(editkey(&e, 'z'), 0);
  EXPECT_EQ(editkey(&e, KEYENTER), KEYENTER);
  EXPECT_STREQ(e.text, "abcde") << "Enter refuses z (full) and keeps the text";
  EXPECT_EQ(editkey(&e, KEYF3), KEYF3);
  EXPECT_STREQ(e.text, "");
  editbegin(&e, "q", "", 5);
  EXPECT_EQ(editkey(&e, KEYESC), KEYESC);
  EXPECT_STREQ(e.text, "") << "Escape empties the text";
  editbegin(&e, "", "", 5);
  typekeys(&e, {31, 127, 200, '~', ' '});
  EXPECT_STREQ(e.text, "~ ") << "only 32..126 are typed";
}

// A first typed character replaces the field; End first keeps it.
TEST(Editor, FirstCharacterReplacesTheField) {
  const char *const kCases[][3] = {{" 0.000000", "1", "1"}, {"Vesta", "Eros", "Eros"}, {"Vesta", "\x01x", "Vestax"}};
  for (const auto &c : kCases) {
    EDITSTATE e;
    editbegin(&e, c[0], "", 16);
    for (const char *k = c[1]; *k; k++) editkey(&e, *k == 1 ? (int)KEYEND : (int)*k);
    EXPECT_STREQ(e.text, c[2]);
  }
}

TEST(Editor, CoordinateTexts) {
  EXPECT_NEAR(coordvalue("23 27 42"), 23 + 27 / 60.0 + 42 / 3600.0, 1e-12);
  EXPECT_NEAR(coordvalue("23 27.7"), coordvalue("23.4616667"), 1e-7);
  EXPECT_NEAR(coordvalue("23 27 42"), coordvalue("23 27.7"), 1e-12);
  EXPECT_DOUBLE_EQ(coordvalue("-0 30"), -0.5);
  EXPECT_DOUBLE_EQ(coordvalue("-5 30"), -5.5);
  EXPECT_DOUBLE_EQ(coordvalue("5 -30"), -5.5) << "a minus anywhere";
  EXPECT_DOUBLE_EQ(coordvalue("+5 30"), 5.5);
  EXPECT_DOUBLE_EQ(coordvalue(""), 0.0);
  EXPECT_DOUBLE_EQ(coordvalue("  7.25000"), 7.25) << "the field's own padding";
  EXPECT_DOUBLE_EQ(coordvalue("1 30 0 99"), 1.5) << "a third blank ends the scan";
}

TEST(Editor, FloatFormats) {
  EXPECT_STREQ(floatformat(5), "%9.6f");
  EXPECT_STREQ(floatformat(-99.5), "%9.6f");
  EXPECT_STREQ(floatformat(100), "%9.5f");
  EXPECT_STREQ(floatformat(-999.9), "%9.5f");
  EXPECT_STREQ(floatformat(1000), "%9.5f");
  EXPECT_STREQ(floatformat(2451290.5), "%9.5f");
}

TEST_F(Dialogs, LineSplitting) {
  setuserfont(5);
  int maxw = win[3].w - 20;
  char l1[128], l2[128];
  splittext("EXIT!! Save PROJECT file first???", font, maxw, l1, l2, sizeof l1);
  EXPECT_STREQ(l1, "EXIT!! Save PROJECT file first???");
  EXPECT_STREQ(l2, "");
  std::string longtext = "The quick brown fox jumps over the lazy dog and keeps running far";
  ASSERT_GT(text_length(font, longtext.c_str()), maxw);
  splittext(longtext.c_str(), font, maxw, l1, l2, sizeof l1);
  EXPECT_STREQ(l1, "The quick brown fox jumps over the lazy dog and");
  EXPECT_STREQ(l2, "keeps running far") << "cut at the last blank that lets the line fit";
  EXPECT_LE(text_length(font, l1), maxw);
  std::string solid(70, 'W');
  ASSERT_GT(text_length(font, solid.c_str()), maxw);
  splittext(solid.c_str(), font, maxw, l1, l2, sizeof l1);
  EXPECT_LE(text_length(font, l1), maxw);
  EXPECT_GT(text_length(font, (std::string(l1) + "W").c_str()), maxw) << "no blank: broken where the line ends";
  EXPECT_EQ(std::string(l1) + l2, solid);
}

// Messages naming a file in a deep folder: both lines stay inside the box,
// and the file's own name is kept.
TEST_F(Dialogs, LongFileNamesKeepTheirEnd) {
  setuserfont(5);
  int maxw = win[3].w - 20;
  char l1[128], l2[128];
  std::string path = "/home/observer/" + std::string(60, 'd') + "/korvanex/ast001.CFG";
  std::string text = "Cannot find " + path + " file!";
  splittext(text.c_str(), font, maxw, l1, l2, sizeof l1);
  EXPECT_STREQ(l1, "Cannot find");
  std::string second = l2;
  EXPECT_EQ(second.substr(0, 3), "...");
  EXPECT_EQ(second.substr(second.size() - 16), "ast001.CFG file!");
  EXPECT_LE(text_length(font, l2), maxw);
  size_t kept = text.size() - (second.size() - 3);
  EXPECT_GT(text_length(font, ("..." + text.substr(kept - 1)).c_str()), maxw) << "as much of the end as fits";
}

TEST_F(Dialogs, YesNoAnswers) {
  struct Case {
    int key, answer;
  } cases[] = {{KEYENTER, 'Y'}, {'y', 'Y'}, {'Y', 'Y'}, {KEYESC, 'N'}, {'n', 'N'}, {'x', 'X'}, {KEYF1, KEYF1}};
  for (const Case &c : cases) {
    feedkeys({c.key});
    EXPECT_EQ(dialogYN("REALLY EXIT ??????"), c.answer) << c.key;
    expectallread();
  }
}

TEST_F(Dialogs, YesNoGivesBackPictureButtonsAndFont) {
  clear_to_color(b, 5);
  iButFun[19][30] = 7;  // a live button under the dialog
  iButFun[3][0] = 9;    // and one beside it
  setuserfont(7);
  int seen50 = -2, seen51 = -2, seen30 = -2, beside = -2, inside = -1, win3 = -1;
  watchkeys([&] {
    seen50 = iButFun[19][28];
    seen51 = iButFun[19][38];
    seen30 = iButFun[18][30];
    beside = iButFun[3][0];
    inside = getpixel(b, win[3].x + 4, win[3].y + 4);
    win3 = iWinNum;
  });
  feedkeys({'n'});
  EXPECT_EQ(dialogYN("EXIT!! Save PROJECT file first???"), 'N');
  EXPECT_EQ(win3, 3);
  EXPECT_EQ(seen50, 50) << "YES is live while asking";
  EXPECT_EQ(seen51, 51) << "NO is live while asking";
  EXPECT_EQ(seen30, -1) << "cells under the dialog are dead";
  EXPECT_EQ(beside, 9);
  EXPECT_EQ(inside, 220) << "gradient 220 starts at the top";
  EXPECT_EQ(iWinNum, -1);
  EXPECT_EQ(getpixel(b, win[3].x + 4, win[3].y + 4), 5) << "picture back";
  EXPECT_EQ(iButFun[19][30], 7) << "hit map back";
  EXPECT_EQ(iButFun[19][28], -1);
  EXPECT_EQ(userfontnum, 7) << "font back";
}

TEST_F(Dialogs, DialogOverAMenuWindow) {
  clear_to_color(b, 5);
  openwindow(1);
  rectfill(b, 300, 200, 310, 210, 12);
  int okleft = -2, okfirst = -2, oklast = -2, okright = -2;
  watchkeys([&] {
    okleft = iButFun[19][34];
    okfirst = iButFun[19][35];
    oklast = iButFun[19][44];
    okright = iButFun[19][45];
  });
  const char *lines[2] = {"one", "two"};
  feedkeys({'q'});
  EXPECT_EQ(dialog(2, lines), 'q');
  EXPECT_EQ(okleft, -1);
  EXPECT_EQ(okfirst, 50) << "OKay centred in the window";
  EXPECT_EQ(oklast, 50);
  EXPECT_EQ(okright, -1);
  EXPECT_EQ(but[50].col, 28) << "moved for the drawing only";
  EXPECT_EQ(iWinNum, 1);
  EXPECT_EQ(getpixel(b, 305, 205), 12) << "window 1's picture is back";
  closewindow(1);
  EXPECT_EQ(getpixel(b, 305, 205), 5);
}

TEST_F(Dialogs, OkAndErrorAnswers) {
  feedkeys({KEYENTER});
  EXPECT_EQ(dialogOK("Loaded"), 'Y');
  feedkeys({'q'});
  EXPECT_EQ(dialogOK("Loaded"), 'Q');
  feedkeys({KEYENTER});
  EXPECT_EQ(dialogERR("Broken"), KEYENTER) << "Enter stays 13";
  feedkeys({'y'});
  EXPECT_EQ(dialogERR("Broken"), 'Y');
  feedkeys({'y'});
  EXPECT_EQ(errormessage(1, "ast001.CFG"), 0);
  feedkeys({KEYENTER});
  EXPECT_EQ(errormessage(2, "ast001.CFG"), KEYESC);
  feedkeys({'n'});
  EXPECT_EQ(errormessage(7, std::string(200, 'x').c_str()), KEYESC);
  expectallread();
  EXPECT_STREQ(errtext[0], "Error reading %s file.");
  EXPECT_STREQ(errtext[1], "Cannot find %s file!");
  EXPECT_STREQ(errtext[2], "Error writing %s file!");
}

TEST_F(Dialogs, GetIntRangeLoop) {
  int value = 5;
  std::string seen;
  int opened = 0;
  watchkeys([&] {
    if (iWinNum == 3) opened++;
  });
  // 13 is out of 1..12: the OOPS box, then the editor again with 13 in it.
  feedkeys({KEYDELETE, '1', '3', KEYENTER, 'k', KEYESC});
  EXPECT_EQ(getint(4, 13, &value, 1, 12), KEYESC);
  expectallread();
  EXPECT_EQ(value, 5) << "Escape leaves the value";
  EXPECT_EQ(opened, 1) << "one OOPS box";
  EXPECT_STREQ(message[4], "OOPS!  out of range!");
  EXPECT_STREQ(message[0], "Please enter a whole number.");
  EXPECT_STREQ(message[1], "Limits are : 1 to 12 ");
  EXPECT_STREQ(message[2], "Press ESC to Quit.");
  EXPECT_EQ(iMessnum, 3);

  // The second try starts from 13: End, two Backspaces, 7.
  iFun = 1;
  iFocus = 13;
  feedkeys({KEYDELETE, '1', '3', KEYENTER, 'k', KEYEND, KEYBACKSPACE, KEYBACKSPACE, '7', KEYENTER});
  EXPECT_EQ(getint(4, 13, &value, 1, 12), 0);
  expectallread();
  EXPECT_EQ(value, 7);
  EXPECT_STREQ(message[4], "OOPS! HOUR (local) out of range!");
  iFun = -1;
}

TEST_F(Dialogs, GetIntLimitsAndSign) {
  int value = 0;
  feedkeys({KEYDELETE, '-', '1', '2', KEYENTER});
  EXPECT_EQ(getint(4, 13, &value, -12, 12), 0);
  EXPECT_EQ(value, -12);
  value = 3;
  feedkeys({KEYDELETE, '9', '9', '9', '9', '9', '9', '9', '9', '9', '9', KEYENTER, 'k', KEYESC});
  EXPECT_EQ(getint(4, 13, &value, 0, 99999), KEYESC) << "9999999999 does not wrap into range";
  EXPECT_EQ(value, 3);
  expectallread();
}

// A Julian Day field holds 5 decimals; unchanged, it keeps its exact value.
TEST_F(Dialogs, JulianDayKeepsItsDecimals) {
  double value = 2461383.3751234;
  feedkeys({KEYENTER});
  EXPECT_EQ(getafloat(4, 13, &value, 2, 3000000), 0);
  EXPECT_EQ(value, 2461383.3751234);
  feedtext("2461383.37500\r");
  EXPECT_EQ(getafloat(4, 13, &value, 2, 3000000), 0);
  EXPECT_EQ(value, 2461383.375);
}

TEST_F(Dialogs, GetFloatTakesExponent) {
  double value = 5.0;  // shown as " 5.000000"
  feedkeys({KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, '1', 'e', '3', KEYENTER});
  EXPECT_EQ(getafloat(4, 13, &value, 0, 2000), 0);
  EXPECT_DOUBLE_EQ(value, 1000.0);
  expectallread();
  EXPECT_STREQ(message[0], "Please enter a decimal point number");
  EXPECT_STREQ(message[1], "Limits :  0.000000 to    2000.0 ");

  value = 5.0;
  feedkeys({KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, '1', 'e', '3', KEYENTER, 'k', KEYESC});
  EXPECT_EQ(getafloat(4, 13, &value, 0, 99), KEYESC);
  EXPECT_DOUBLE_EQ(value, 5.0);
  EXPECT_STREQ(message[1], "Limits :  0.000000 to  99.00000 ");
  expectallread();

  value = 12.5;
  feedkeys({KEYENTER});
  EXPECT_EQ(getafloat(4, 13, &value, -99, 99), 0);
  EXPECT_DOUBLE_EQ(value, 12.5) << "Enter keeps the shown value";
}

TEST_F(Dialogs, GetCoordParses) {
  struct Case {
    const char *typed;
    double value;
  } cases[] = {{"23 27 42", 23 + 27 / 60.0 + 42 / 3600.0}, {"-0 30", -0.5}, {"-5 30", -5.5}, {"23.456", 23.456}};
  for (const Case &c : cases) {
    double value = 0;  // shown as "  0.00000"
    feedkeys({KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE, KEYDELETE});
    feedtext(c.typed);
    feedkey(KEYENTER);
    EXPECT_EQ(getcoord(4, 13, &value, -90, 90), 0) << c.typed;
    EXPECT_NEAR(value, c.value, 1e-9) << c.typed;
    expectallread();
  }
  double ra = 7.25;
  feedkeys({KEYENTER});
  EXPECT_EQ(getcoord(4, 13, &ra, 0, 24), 0);
  EXPECT_DOUBLE_EQ(ra, 7.25) << "Enter on the shown text keeps the value";
  EXPECT_EQ(iMessnum, 4);
  EXPECT_STREQ(message[2], "Enter as  23.456 or  23 27.8 or  23 27 42");
}

TEST_F(Dialogs, EditorHelpAndField) {
  char text[16] = "abc";
  int helpshown = 0;
  watchkeys([&] {
    if (iWinNum == 3) helpshown++;
  });
  feedkeys({KEYF1, 'k', KEYEND, 'd', KEYENTER});
  EXPECT_EQ(getastring(6, 13, text, "", 14), 0);
  expectallread();
  EXPECT_STREQ(text, "abcd");
  EXPECT_EQ(helpshown, 1) << "F1 shows the help lines";
  EXPECT_STREQ(message[1], "up to 14 characters long.");
  int x = 13 * HORScale, y = 6 * VRTScale + 1;
  EXPECT_EQ(getpixel(b, x + 1, y + 1), colour[PALDARKBLUE]);
  EXPECT_EQ(getpixel(b, x + 6 * 14 + 6, y + 12), colour[PALDARKBLUE]);
  EXPECT_EQ(getpixel(b, x + 6 * 14 + 7, y + 12), 0) << "box ends there";
  EXPECT_EQ(userfontnum, iDEFONT);

  feedkeys({'z', KEYF3});
  EXPECT_EQ(editstring(6, 13, text, "", 14), KEYF3);
  EXPECT_STREQ(text, "") << "a cancelled edit empties the text";
}

TEST_F(Dialogs, AlertStaysInsideItsWindow) {
  clear_to_color(b, 5);
  setuserfont(8);
  const char *lines[2] = {"Searching appulses", "Checking stars..."};
  openalert(2, lines);
  EXPECT_EQ(iWinNum, 4);
  EXPECT_EQ(alertX, win[4].x + 12);
  EXPECT_EQ(alertY, win[4].y + 12 + 2 * VRTScale);
  EXPECT_EQ(userfontnum, 8);
  for (int i = 0; i < 40; i++) alerttext("progress line");
  int bottom = win[4].y + win[4].h;
  for (int x = win[4].x; x < win[4].x + win[4].w; x++) ASSERT_EQ(getpixel(b, x, bottom), 5) << x;
  EXPECT_LT(alertY, bottom);
  closealert();
  EXPECT_EQ(iWinNum, -1);
  EXPECT_EQ(getpixel(b, win[4].x + 20, win[4].y + 20), 5);
  EXPECT_EQ(userfontnum, 8);
  alerttext("after closing");
  EXPECT_EQ(getpixel(b, win[4].x + 12, win[4].y + 12), 5) << "no alert, nothing written";
}

TEST_F(Dialogs, ReadOnlyFields) {
  showint(8, 13, 42);
  int x = 13 * HORScale, y = 8 * VRTScale + 1;
  EXPECT_EQ(getpixel(b, x, y), colour[PALGREY]) << "sunken: dark top-left";
  EXPECT_EQ(getpixel(b, x + 10 * 6 + 7, y + VRTScale - 3), colour[PALWHITE]);
  int ink = 0;
  for (int i = x; i < x + 68; i++)
    for (int j = y; j < y + VRTScale - 2; j++) ink += getpixel(b, i, j) == colour[PALCYAN];
  EXPECT_GT(ink, 0) << "the value is written";
  clear_to_color(b, 0);
  showafloat(8, 13, 2451290.5);
  EXPECT_EQ(getpixel(b, x + 1, y + 1), colour[PALDIALFACE]);
}

TEST_F(Dialogs, HugeLimitsAreCutAndTheLineStillEnds) {
  double value = 5.0, big = ldexp(1.0, 80);  // 1208925819614629174706176
  feedkeys({KEYESC});
  EXPECT_EQ(getafloat(4, 13, &value, -big, big), KEYESC);
  expectallread();
  // Each limit keeps its first 23 characters; the line keeps both and its
  // closing blank.
  EXPECT_STREQ(message[1], "Limits : -1208925819614629174706 to 12089258196146291747061 ");
}

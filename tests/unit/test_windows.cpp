#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "allegro_env.h"
#include "screen/display.h"
#include "ui/menutable.h"
#include "ui/windows.h"

namespace {
class Windows : public ::testing::Test {
 protected:
  BITMAP *b = nullptr;
  void SetUp() override {
    b = startallegro(8);
    setmypal();
    windoinit();
    clearhitmap();
    iFun = -1;
  }
};
}  // namespace

TEST_F(Windows, TableGeometry) {
  EXPECT_EQ(win[1].x, 0);
  EXPECT_EQ(win[1].y, 3 * 16);
  EXPECT_EQ(win[1].w, 80 * 8);
  EXPECT_EQ(win[3].x, 20 * 8);
  EXPECT_EQ(win[3].h, 16 * 16);
  EXPECT_EQ(win[4].col, 24);
  EXPECT_EQ(win[4].row, 10);
  EXPECT_EQ(win[0].frame, 1);
  EXPECT_EQ(win[3].frame, 2);
  EXPECT_EQ(win[2].fill, colour[PALLIGHTGREY]);
  EXPECT_EQ(but[35].col, 38);
  EXPECT_EQ(but[35].width, 9);
  EXPECT_EQ(but[44].key, 274);
  EXPECT_EQ(but[49].key, 27);
  EXPECT_EQ(but[56].key, 'K');
  EXPECT_EQ(but[60].key, 23);
  EXPECT_EQ(but[85].key, 'g');
  EXPECT_EQ(but[89].key, 0);
  EXPECT_EQ(openwindow(6), -1);
  EXPECT_EQ(openwindow(-1), -1);
}

TEST_F(Windows, StackGivesBackPictureAndButtons) {
  clear_to_color(b, 5);
  getmenubutfun(9);  // the chart's buttons: ESC at 29, the bar at row 28
  ASSERT_EQ(iButFun[28][76], 29);
  ASSERT_EQ(iFun, 9);
  iFun = -1;
  markbutton(50, 50);  // something live under window 3
  ASSERT_EQ(iButFun[19][30], 50);

  ASSERT_EQ(openwindow(1), 1);
  EXPECT_EQ(iWinNum, 1);
  EXPECT_EQ(twY, 48);
  EXPECT_EQ(iButFun[19][30], -1) << "cells under a window are dead";
  EXPECT_EQ(getpixel(b, 100, 100), colour[PALLIGHTGREY]);
  EXPECT_EQ(getpixel(b, 0, 48), colour[PALWHITE]) << "raised frame";
  rectfill(b, 300, 200, 310, 210, 12);  // the menu draws something
  markbutton(3, 3);

  ASSERT_EQ(openwindow(3), 3);
  EXPECT_EQ(iWinNum, 3);
  EXPECT_EQ(twX, 160);
  EXPECT_EQ(getpixel(b, 305, 205), colour[PALLIGHTGREY]);
  EXPECT_EQ(iButFun[7][1], 3) << "window 3 does not cover column 1";
  markbutton(50, 50);

  closewindow(3);
  EXPECT_EQ(iWinNum, 1);
  EXPECT_EQ(twY, 48);
  EXPECT_EQ(getpixel(b, 305, 205), 12) << "picture of window 1 is back";
  EXPECT_EQ(iButFun[19][30], -1) << "hit map as window 1 left it";
  EXPECT_EQ(iButFun[7][1], 3);

  closewindow(1);
  EXPECT_EQ(iWinNum, -1);
  EXPECT_EQ(twX, 0);
  EXPECT_EQ(getpixel(b, 100, 100), 5);
  EXPECT_EQ(iButFun[19][30], 50) << "the button beneath is live again";
  EXPECT_EQ(iButFun[28][76], 29);
}

TEST_F(Windows, ChartButtonsAndHeadingKeys) {
  getmenubutfun(12);  // out of range counts as the chart
  EXPECT_EQ(iFun, 9);
  EXPECT_EQ(but[20].key, '#');
  EXPECT_EQ(but[21].key, '*');
  EXPECT_EQ(but[27].key, 'l');
  EXPECT_EQ(iButFun[5][77], 20);
  EXPECT_EQ(iButFun[13][77], 28) << "the horizon switch";
  EXPECT_EQ(but[28].key, 'h');
  EXPECT_EQ(iButFun[14][77], -1) << "hot button 29 is empty on the chart";
  EXPECT_EQ(iButFun[28][1], 30);
  EXPECT_EQ(iButFun[28][69], 39);
  EXPECT_EQ(iButFun[28][62], -1) << "F9 has no button on the chart";
  getmenubutfun(2);  // CATALOG: F2 SAVE, F3 FIND, F4 GOTO
  EXPECT_EQ(but[31].key, 316);
  EXPECT_EQ(but[32].key, 317);
  EXPECT_EQ(but[34].key, 329);
  Heading(-1);
  EXPECT_EQ(iFun, -1);
  for (int i = 31; i <= 36; i++) EXPECT_EQ(but[i].key, 316 + i - 31) << i;
  EXPECT_EQ(iButFun[2][1], 40);
  EXPECT_EQ(iButFun[2][33], 44);
  EXPECT_EQ(iButFun[2][77], 49) << "QUIT";
  drawtitle();
  EXPECT_EQ(iButFun[0][77], 49);
  EXPECT_EQ(iButFun[0][78], 49);
}

TEST_F(Windows, DitherRunsUpAndBackDown) {
  drawtextback(220);  // no window: x 40, y 64, 320 x 352
  EXPECT_EQ(getpixel(b, 39, 64), 0) << "outside the area";
  // Band 0: pattern row 0 is all first shade, row 7 all second.
  EXPECT_EQ(getpixel(b, 40, 64), 220);
  EXPECT_EQ(getpixel(b, 40, 71), 221);
  // Row 1 (01000100): second pixel is the second shade.
  EXPECT_EQ(getpixel(b, 40, 65), 220);
  EXPECT_EQ(getpixel(b, 41, 65), 221);
  EXPECT_EQ(getpixel(b, 45, 65), 221);
  // Band 28 still runs up; band 29 turns back down.
  EXPECT_EQ(getpixel(b, 40, 64 + 28 * 8), 248);
  EXPECT_EQ(getpixel(b, 40, 64 + 29 * 8), 249);
  EXPECT_EQ(getpixel(b, 40, 64 + 29 * 8 + 7), 248);
  EXPECT_EQ(getpixel(b, 40, 64 + 30 * 8), 248);
  EXPECT_EQ(getpixel(b, 359, 64 + 351), 220 + 57 - 43);

  openwindow(4);
  drawtextback(190);
  EXPECT_EQ(getpixel(b, win[4].x + 4, win[4].y + 4), 190);
  EXPECT_EQ(getpixel(b, win[4].x + 3, win[4].y + 4), colour[PALLIGHTGREY]) << "4-pixel margin";
  closewindow(4);
}

// Windows are taller at 1280 x 1024 than the 58 bands of one run up and
// down: the gradient keeps to its own 30 colours however tall it is.
TEST_F(Windows, DitherOfATallWindowKeepsToItsColours) {
  WINDO saved = win[4];
  win[4].x = -4;
  win[4].y = -4;
  win[4].w = 24;
  win[4].h = b->h + 8;  // bands 0 to 59 on the whole height of the screen
  int was = iWinNum;
  iWinNum = 4;
  drawtextback(190);
  iWinNum = was;
  win[4] = saved;
  for (int y = 0; y < b->h; y++)
    for (int x = 0; x < 16; x++) {
      int c = getpixel(b, x, y);
      ASSERT_TRUE(c >= 190 && c <= 190 + 29) << x << "," << y << ": " << c;
    }
  // After one run up and down the next begins.
  EXPECT_EQ(getpixel(b, 0, 58 * 8), 190);
  EXPECT_EQ(getpixel(b, 0, 59 * 8), 191);
}

TEST_F(Windows, ColourStripAndButtons) {
  redrawbuffer();
  EXPECT_EQ(getpixel(b, 2 * 100, 17), 100);
  EXPECT_EQ(getpixel(b, 2 * 100 + 1, 19), 100);
  EXPECT_EQ(getpixel(b, 2 * 255, 18), 255);

  getmenubutfun(9);
  drawbutton(9, 30, 0);  // "F1 HELP" at column 1, row 28
  int x = 1 * 8 + 2, y = 28 * 16;
  EXPECT_EQ(getpixel(b, x, y), colour[PALWHITE]);
  drawbutton(9, 30, 2);
  EXPECT_EQ(getpixel(b, x, y), colour[PALGREY]) << "pressed";
  clear_to_color(b, 0);
  drawbutton(9, 37, 0);  // empty on the chart: nothing drawn
  EXPECT_EQ(getpixel(b, 55 * 8 + 2, y), 0);
  drawbuttonlabel(50, 0, "OKay");
  EXPECT_EQ(getpixel(b, 28 * 8, 19 * 16), colour[PALWHITE]);
  EXPECT_EQ(iButFun[19][37], 50);
}

TEST(ListRow, TextCutAt77WithItsMarks) {
  char line[80];
  memset(line, 'x', sizeof line);
  std::string longtext(100, 'a');
  EXPECT_EQ(setlistrow(line, longtext.c_str(), 'C', 'U'), 0);
  EXPECT_EQ(strlen(line), 77u);
  EXPECT_EQ(line[LISTCURRENT], 'C');
  EXPECT_EQ(line[LISTKIND], 'U');
  // A row built in place keeps its text and loses old marks.
  snprintf(line, sizeof line, "%s", "row text");
  line[LISTCURRENT] = 'S';
  line[LISTKIND] = 'Z';
  setlistrow(line, line, 0, 0);
  EXPECT_STREQ(line, "row text");
  EXPECT_EQ(line[LISTCURRENT], 0);
  EXPECT_EQ(line[LISTKIND], 0);
}

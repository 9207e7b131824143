#include <gtest/gtest.h>

#include "allegro_env.h"
#include "screen/display.h"
#include "ui/input.h"

static int kv(int scancode, int ch) { return (scancode << 8) | ch; }

TEST(Input, KeyTranslation) {
  EXPECT_EQ(translatekey(kv(KEY_F1, 0)), 315);
  EXPECT_EQ(translatekey(kv(KEY_F2, 0)), 316);
  EXPECT_EQ(translatekey(kv(KEY_F10, 0)), 324);
  EXPECT_EQ(translatekey(kv(KEY_F11, 0)), 343);
  EXPECT_EQ(translatekey(kv(KEY_F12, 0)), 344);
  EXPECT_EQ(translatekey(kv(KEY_PGDN, 0)), 337);
  EXPECT_EQ(translatekey(kv(KEY_PGUP, 0)), 329);
  EXPECT_EQ(translatekey(kv(KEY_HOME, 0)), 327);
  EXPECT_EQ(translatekey(kv(KEY_END, 0)), 335);
  EXPECT_EQ(translatekey(kv(KEY_UP, 0)), 328);
  EXPECT_EQ(translatekey(kv(KEY_DOWN, 0)), 336);
  EXPECT_EQ(translatekey(kv(KEY_LEFT, 0)), 331);
  EXPECT_EQ(translatekey(kv(KEY_RIGHT, 0)), 333);
  EXPECT_EQ(translatekey(kv(KEY_INSERT, 0)), 338);
  // Alt+letter arrives without a character.
  EXPECT_EQ(translatekey(kv(KEY_F, 0)), 289);
  EXPECT_EQ(translatekey(kv(KEY_E, 0)), 274);
  EXPECT_EQ(translatekey(kv(KEY_L, 0)), 294);
  EXPECT_EQ(translatekey(kv(KEY_C, 0)), 302);
  EXPECT_EQ(translatekey(kv(KEY_P, 0)), 281);
  EXPECT_EQ(translatekey(kv(KEY_S, 0)), 287);
  EXPECT_EQ(translatekey(kv(KEY_T, 0)), 276);
  EXPECT_EQ(translatekey(kv(KEY_A, 0)), 286);
  EXPECT_EQ(translatekey(kv(KEY_O, 0)), 280);
  EXPECT_EQ(translatekey(kv(KEY_Q, 0)), 27) << "Alt+Q is Escape";
  // Ctrl+A (character 1) is translated by its key, like Alt+A.
  EXPECT_EQ(translatekey(kv(KEY_A, 1)), 286);
  // Characters of 8 and above come through unchanged.
  EXPECT_EQ(translatekey(kv(KEY_ENTER, 13)), 13);
  EXPECT_EQ(translatekey(kv(KEY_BACKSPACE, 8)), 8);
  EXPECT_EQ(translatekey(kv(KEY_ESC, 27)), 27);
  EXPECT_EQ(translatekey(kv(KEY_TAB, 9)), 9);
  EXPECT_EQ(translatekey(kv(KEY_A, 'a')), 'a');
  EXPECT_EQ(translatekey(kv(KEY_3, '#')), '#');
  EXPECT_EQ(translatekey(kv(KEY_DEL, 127)), 339) << "Delete is a key, not a character";
  // A key outside the table: 256 + the library's scan code.
  EXPECT_EQ(translatekey(kv(KEY_SCRLOCK, 0)), 256 + KEY_SCRLOCK);
}

TEST(Input, PointCellsClampToTheGrid) {
  int row, col;
  setscale(640);
  pointcell(639, 479, &row, &col);
  EXPECT_EQ(row, 29);
  EXPECT_EQ(col, 79);
  pointcell(0, 0, &row, &col);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(col, 0);
  pointcell(15, 16, &row, &col);
  EXPECT_EQ(row, 1);
  EXPECT_EQ(col, 1);
  setscale(1280);
  pointcell(1279, 1023, &row, &col);
  EXPECT_EQ(row, 29) << "rows 30 and 31 of a 1280 x 1024 screen fold into 29";
  EXPECT_EQ(col, 79);
}

TEST(Input, PointerShape) {
  startallegro(8);
  setmypal();
  makemouse();
  ASSERT_NE(mpb, nullptr);
  EXPECT_EQ(getpixel(mpb, 0, 0), colour[PALPOINTEREDGE]);
  EXPECT_EQ(getpixel(mpb, 1, 0), colour[PALWHITE]);
  EXPECT_EQ(getpixel(mpb, 2, 0), bitmap_mask_color(mpb));
  EXPECT_EQ(getpixel(mpb, 1, 1), colour[PALWHITE]);
  EXPECT_EQ(getpixel(mpb, 7, 9), colour[PALWHITE]);
  EXPECT_EQ(getpixel(mpb, 0, 9), bitmap_mask_color(mpb));
  EXPECT_EQ(getpixel(mpb, 2, 7), colour[PALPOINTEREDGE]);
}

TEST(Input, PointerSavesAndRestoresWhatLiesUnder) {
  BITMAP *b = startallegro(8);
  setmypal();
  makemouse();
  clear_to_color(b, 9);
  putpixel(b, 0, 0, 44);
  mouseshow();  // the mouse is at (0, 0) without a driver
  EXPECT_EQ(getpixel(b, 0, 0), colour[PALPOINTEREDGE]);
  EXPECT_EQ(getpixel(b, 2, 0), 9) << "transparent pixels keep the picture";
  mousehide();
  EXPECT_EQ(getpixel(b, 0, 0), 44);
  EXPECT_EQ(getpixel(b, 1, 1), 9);
}

// Checks the resource datafile vuva.dat that tools/mkfonts builds: 15 fonts
// at objects 0..14, each sized for the screen layout that draws with it.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "allegro_env.h"

namespace {

// Datafile object for each font number, as the program maps them.
static const int kObjectOfFont[15] = {12, 9, 13, 7, 10, 6, 14, 11, 8, 3, 4, 5, 2, 0, 1};

// Menu bar labels and their widths in 8-pixel cells; each box is
// width x 8 + 6 pixels wide at 640 x 480.
struct MenuLabel {
    const char *text;
    int cells;
};
static const MenuLabel kMenuBar[] = {
    {"FILE", 7},      {"LOCATION", 7}, {"CATALOG", 7}, {"PLANET", 7},  {"EPHEMERIS", 7},
    {"SKYMAP", 7},    {"TELESCOPE", 7}, {"APPULSE", 7}, {"OPTIONS", 7}, {"QUIT", 5},
};

class FontsTest : public ::testing::Test {
protected:
    static DATAFILE *data;

    static void SetUpTestSuite() {
        // Latin-1 text (the degree sign is 0xB0), 8-bit colour.
        startallegro(8);
        data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
    }

    static void TearDownTestSuite() {
        if (data) unload_datafile(data);
        data = nullptr;
    }

    // Font number n (0..14) as the program selects it.
    static FONT *fontnum(int n) { return static_cast<FONT *>(data[kObjectOfFont[n]].dat); }

    // Number of non-zero pixels that text leaves on a cleared 8-bit bitmap
    // of w x h pixels, drawn at (x, y).
    static int inkcount(FONT *f, const char *text, int w, int h, int x = 0, int y = 0) {
        BITMAP *bmp = create_bitmap_ex(8, w, h);
        if (!bmp) return -1;
        clear_to_color(bmp, 0);
        textout_ex(bmp, f, text, x, y, 15, -1);
        int ink = 0;
        for (int py = 0; py < h; py++)
            for (int px = 0; px < w; px++)
                if (getpixel(bmp, px, py) != 0) ink++;
        destroy_bitmap(bmp);
        return ink;
    }
};

DATAFILE *FontsTest::data = nullptr;

TEST_F(FontsTest, HoldsFifteenFontsAtObjectsZeroToFourteen) {
    ASSERT_NE(data, nullptr) << "vuva.dat did not load";
    int count = 0;
    while (data[count].type != DAT_END) count++;
    EXPECT_EQ(count, 15);
    for (int i = 0; i < count && i < 15; i++) {
        EXPECT_EQ(data[i].type, DAT_FONT) << "object " << i;
        EXPECT_NE(data[i].dat, nullptr) << "object " << i;
    }
}

TEST_F(FontsTest, EditorFontHasFixedSixPixelCells) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(3);
    static const char *const samples[] = {"0", "W", "i", "iiii", "MMMMMMMM",
                                          "12:34:56.7", "-89 59 59", "ast001 \xB0"};
    for (const char *s : samples)
        EXPECT_EQ(text_length(f, s), 6 * static_cast<int>(strlen(s))) << s;
    char one[2] = {0, 0};
    for (int c = 0x20; c <= 0x7E; c++) {
        one[0] = static_cast<char>(c);
        EXPECT_EQ(text_length(f, one), 6) << "char " << c;
    }
    // The editor box runs from y + 1 to y + 12 with the text at y + 2.
    EXPECT_LE(text_height(f), 11);
}

TEST_F(FontsTest, DefaultFontFitsTextCells) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(4);
    EXPECT_LE(text_length(f, "W"), 8);
    EXPECT_LE(text_height(f), 14);
    char one[2] = {0, 0};
    for (int c = 0x20; c <= 0xFF; c++) {
        if (c > 0x7E && c < 0xA0) continue;
        one[0] = static_cast<char>(c);
        EXPECT_LE(text_length(f, one), 8) << "char " << c;
    }
    // A 12-cell field label must fit its button.
    EXPECT_LE(text_length(f, "MAKE MY DAY"), 12 * 8 - 4);
}

TEST_F(FontsTest, ButtonLabelsFitTheirButtons) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(4);
    // Label and button width in cells of the function-key bar and the hot
    // buttons; a label starts 2 pixels into a box 2 pixels narrower.
    const struct { const char *text; int cells; } labels[] = {
        {"F1 HELP", 7}, {"F2 PAN", 6}, {"F2 SAVE", 6}, {"F3 ZOOMOUT", 9}, {"F3 FIND", 9},
        {"F4 ZOOMIN", 8}, {"F5 STAR?", 7}, {"F6 PLANET?", 9}, {"PAGEDOWN", 9},
        {"BEGIN", 8}, {"F9 NOTES", 7}, {"F10 COPY", 7}, {"Cat", 3}, {"ESC", 3}, {" # ", 3}};
    for (const auto &l : labels)
        EXPECT_LE(text_length(f, l.text), l.cells * 8 - 4) << l.text;
}

TEST_F(FontsTest, MenuBarLabelsFitTheirBoxes) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(7);
    EXPECT_LE(text_length(f, "EPHEMERIS"), 62);
    for (const MenuLabel &m : kMenuBar)
        EXPECT_LE(text_length(f, m.text), m.cells * 8 + 6) << m.text;
    EXPECT_LE(text_height(f), 16);
}

TEST_F(FontsTest, ListFontFitsAFullRowBesideTheMenu) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(10);
    char row[78];
    memset(row, 'M', 77);
    row[77] = 0;
    // Rows start at column 28 and end before column 79: 51 cells.
    EXPECT_LE(text_length(f, row), 51 * 8);
    // Places start at row 10: at least 15 of them on one page.
    EXPECT_GE((25 - 10) * 16 / (text_height(f) + 4), 15);
}

TEST_F(FontsTest, DialogFontFitsOneRowPerCell) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(5);
    EXPECT_LE(text_height(f), 16);
    // A 40-cell dialog must hold 45 characters on a line before splitting.
    char line[46];
    memset(line, 'W', 45);
    line[45] = 0;
    EXPECT_LE(text_length(f, line) + 20, 40 * 8);
}

TEST_F(FontsTest, ListFontSizesFollowTheirNames) {
    ASSERT_NE(data, nullptr);
    const int microscopic = text_height(fontnum(0)), tiny = text_height(fontnum(9));
    const int readable = text_height(fontnum(1)), large = text_height(fontnum(11));
    EXPECT_LT(microscopic, tiny);
    EXPECT_LT(tiny, readable);
    EXPECT_LT(readable, large);
    static const int listfonts[] = {9, 4, 11, 0, 7, 1, 5, 8};
    for (int n : listfonts) EXPECT_LE(text_height(fontnum(n)), large) << "font " << n;
    EXPECT_LT(text_length(fontnum(0), "W"), text_length(fontnum(11), "W"));
}

TEST_F(FontsTest, DegreeSignAndLettersHaveInk) {
    ASSERT_NE(data, nullptr);
    for (int n = 0; n < 15; n++) {
        FONT *f = fontnum(n);
        const int w = text_length(f, "\xB0"), h = text_height(f);
        ASSERT_GT(w, 0) << "font " << n;
        ASSERT_GT(h, 0) << "font " << n;
        EXPECT_GT(inkcount(f, "\xB0", w, h), 0) << "font " << n;
        EXPECT_EQ(inkcount(f, " ", w, h), 0) << "font " << n;
        EXPECT_EQ(inkcount(f, "\xA0", w, h), 0) << "font " << n;
        char one[2] = {0, 0};
        for (int c = 0x21; c <= 0x7E; c++) {
            one[0] = static_cast<char>(c);
            EXPECT_GT(inkcount(f, one, w, h), 0) << "font " << n << " char " << c;
        }
    }
}

TEST_F(FontsTest, DegreeSignSitsHighAndDiffersFromSmallO) {
    ASSERT_NE(data, nullptr);
    FONT *f = fontnum(4);
    const int w = text_length(f, "\xB0"), h = text_height(f);
    // All of the degree sign lies in the upper half of the cell.
    EXPECT_EQ(inkcount(f, "\xB0", w, h, 0, 0), inkcount(f, "\xB0", w, h / 2, 0, 0));
    EXPECT_NE(inkcount(f, "\xB0", w, h), inkcount(f, "o", w, h));
}

}  // namespace

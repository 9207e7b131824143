#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "help_fixture.h"
#include "base/status.h"
#include "screen_fixture.h"
#include "screen/display.h"
#include "ui/help.h"
#include "screen/keys.h"
#include "ui/menutable.h"
#include "ui/windows.h"

namespace {

// Topic 0 (fallback), 1 (general) and A=2 -> B=3 -> C=4, D=5 without links,
// E=6 linking back to A.
std::vector<HELPSRC> sample() {
  return {
      {"No help", {"Nothing here."}, {0, 0, 0}},
      {"General", {"The general topic.", "Second line."}, {2, 5, 0}},
      {"Topic A", {"A text"}, {4, 3, 0}},
      {"Topic B", {"B text"}, {4, 0, 0}},
      {"Topic C", {"C text"}, {0, 0, 6}},
      {"Topic D", {"D text"}, {0, 0, 0}},
      {"Topic E", {"E text"}, {2, 0, 0}},
      {"Empty", {}, {0, 0, 0}},
  };
}

// Context map: menu 3 field 3 opens topic 2, everything else topic 1.
std::vector<int> samplemap() {
  std::vector<int> m(180, 1);
  m[63] = 2;
  return m;
}

class Help : public ScreenTest {
 protected:
  std::vector<int> shown;  // topic on the screen at each key read
  void SetUp() override {
    ScreenTest::SetUp();
    ASSERT_EQ(loadhelp(helpfile(180, sample(), samplemap())), 0);
    watchkeys([this] { shown.push_back(iHelpTopic); });
  }
  void TearDown() override {
    ScreenTest::TearDown();
    helpfree();
  }
};

const char *line(int t, int k) {
  const char *s = helptextline(t, k);
  return s ? s : "(none)";
}

}  // namespace

TEST_F(Help, LoadsTopicsAndRestoresTheTextBytes) {
  EXPECT_EQ(HelpOkay, 1);
  EXPECT_EQ(helptopics, 180);
  EXPECT_STREQ(helpheading(3), "Topic B");
  EXPECT_STREQ(line(1, 0), "The general topic.");
  EXPECT_STREQ(line(1, 1), "Second line.");
  EXPECT_EQ(helptextline(1, 2), nullptr);
  EXPECT_EQ(textlink[4].link[2], 6);
  EXPECT_EQ(helpstarttopic(3, 3), 2);
}

TEST_F(Help, StartTopicOfTheChartAndOfMenuFields) {
  EXPECT_EQ(helpstarttopic(-1, 0), 1);
  EXPECT_EQ(helpstarttopic(9, 3), 1);
  EXPECT_EQ(helpstarttopic(3, 3), 2);
  EXPECT_EQ(helpstarttopic(3, 20), 1) << "no such field";
  EXPECT_EQ(helpstarttopic(0, -1), 1);
}

TEST_F(Help, TopicWithoutLinesShowsTheFallbackText) {
  EXPECT_STREQ(line(7, 0), "Nothing here.");
  EXPECT_EQ(helptextline(7, 1), nullptr);
  EXPECT_STREQ(helpheading(7), "Empty");
  EXPECT_STREQ(helpheading(100), "No help") << "a zero record: heading offset 0";
  EXPECT_STREQ(helpheading(500), "");
}

TEST_F(Help, LinksForwardAndEscapeBackAlongTheWay) {
  // A, "2" to B, "1" to C, Escape, Escape: back at A; one more ends.
  feedkeys({'2', '1', KEYESC, KEYESC, KEYESC});
  EXPECT_EQ(helpscreen(3, 3), 0);
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 3, 2}));
  EXPECT_EQ(keysleft(), 0);
  EXPECT_EQ(keysoverrun(), 0);
}

TEST_F(Help, EnterFollowsLinkOneAndAnEmptyLinkEnds) {
  feedkeys({KEYENTER, '1'});
  helpscreen(3, 3);  // A, Enter: C, "1": link 0 ends
  EXPECT_EQ(shown, (std::vector<int>{2, 4}));
  EXPECT_EQ(keysoverrun(), 0);
}

TEST_F(Help, TopicWithoutLinksOffersBackAndExit) {
  calltext(5, 1);
  EXPECT_EQ(iEmptyLinks, 3);
  EXPECT_EQ(but[HELPLINKBUTTON].key, KEYESC);
  EXPECT_EQ(but[HELPLINKBUTTON + 1].key, KEYF1);
  EXPECT_EQ(but[HELPLINKBUTTON + 2].key, ' ');
  // The two drawn buttons are live in the hit map, the third is not.
  EXPECT_EQ(iButFun[22][13], HELPLINKBUTTON);
  EXPECT_EQ(iButFun[22][27], HELPLINKBUTTON + 1);
  EXPECT_EQ(iButFun[22][41], -1);
  calltext(2, 0);
  EXPECT_EQ(but[HELPLINKBUTTON].key, '1');
  EXPECT_EQ(but[HELPLINKBUTTON + 1].key, '2');
  EXPECT_EQ(but[HELPLINKBUTTON + 2].key, KEYESC);
  EXPECT_EQ(textlink[2].origin, 0);
}

TEST_F(Help, F1EndsAtOnceAndOtherKeysRedraw) {
  feedkeys({'x', '2', KEYF1});
  EXPECT_EQ(helpscreen(3, 3), 3);
  EXPECT_EQ(shown, (std::vector<int>{2, 2, 3}));
}

TEST_F(Help, LinkBackToATopicOnTheWayStillLeadsOut) {
  // A -> C -> E -> A: A is on the way, so Escape from it leaves the help.
  feedkeys({'1', '3', '1', KEYESC});
  EXPECT_EQ(helpscreen(3, 3), 0);
  EXPECT_EQ(shown, (std::vector<int>{2, 4, 6, 2}));
  EXPECT_EQ(keysoverrun(), 0);
}

TEST_F(Help, WindowFromTheChartOpensTheGeneralTopic) {
  iFun = -1;
  feedkeys({KEYESC});
  helpwindow();
  EXPECT_EQ(shown, (std::vector<int>{1}));
  iFun = 3;
  iFocus = 3;
  shown.clear();
  feedkeys({KEYESC});
  helpwindow();
  EXPECT_EQ(shown, (std::vector<int>{2}));
  EXPECT_EQ(iWinNum, -1) << "the help window is closed again";
}

TEST_F(Help, PageShowsHeadingTextAndLinkLabels) {
  clear_to_color(b, 0);
  openwindow(HELPWINDOW);
  calltext(2, 0);
  const WINDO &w = win[HELPWINDOW];
  int red = 0, blue = 0;
  for (int y = w.y; y < w.y + 40; y++)
    for (int x = w.x; x < w.x + w.w; x++) {
      red += getpixel(b, x, y) == colour[PALRED];
      blue += getpixel(b, x, y) == colour[PALBLUE];
    }
  EXPECT_GT(red, 20) << "heading";
  EXPECT_GT(blue, 20) << "text";
  closewindow(HELPWINDOW);
}

TEST_F(Help, MissingHelpShowsTheFontList) {
  helpfree();
  clear_to_color(b, 0);
  openwindow(HELPWINDOW);
  int dark = 0;
  watchkeys([&] {
    const WINDO &w = win[HELPWINDOW];
    for (int y = w.y; y < w.y + w.h; y++)
      for (int x = w.x; x < w.x + w.w; x++) dark += getpixel(b, x, y) == colour[PALDARKRED];
  });
  feedkeys({'q'});
  EXPECT_EQ(helpscreen(-1, 0), 0);
  EXPECT_GT(dark, 500) << "15 lines of text";
  EXPECT_EQ(keysleft(), 0);
  EXPECT_EQ(keysoverrun(), 0);
  closewindow(HELPWINDOW);
}

// The file shipped with the program.
TEST_F(Help, ShippedFileCoversEveryMenuFieldAndTheChart) {
  FILE *f = fopen(KORVANEX_RUNTIME_DIR "/korvanex.hlp", "rb");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(helpread(f), 0);
  fclose(f);
  EXPECT_EQ(helptopics, 180);
  EXPECT_STREQ(helpheading(1), "KORVANEX help");
  EXPECT_STREQ(helpheading(helpstarttopic(3, 3)), "BRIGHTNESS H");
  EXPECT_EQ(helpstarttopic(3, 3), textstart[63]);
  static const int fields[9] = {11, 16, 10, 16, 13, 10, 16, 13, 6};
  std::vector<bool> used(180, false);
  for (int m = 0; m < 9; m++)
    for (int fld = 0; fld < fields[m]; fld++) {
      int t = helpstarttopic(m, fld);
      EXPECT_GT(t, 1) << m << "." << fld;
      EXPECT_FALSE(used[t]) << "field " << m << "." << fld << " shares topic " << t;
      used[t] = true;
      EXPECT_NE(helptextline(t, 0), nullptr);
    }
  // Every topic's links name real topics; every line fits the window.
  int topics = 0;
  for (int t = 1; t < helptopics; t++) {
    if (!textlink[t].lines) continue;
    topics++;
    EXPECT_NE(helpheading(t)[0], 0) << t;
    for (int s = 0; s < 3; s++) EXPECT_NE(textlink[textlink[t].link[s]].lines, 0) << t;
    for (int k = 0; helptextline(t, k); k++) EXPECT_LE(strlen(helptextline(t, k)), 70u) << t;
  }
  EXPECT_GE(topics, 100);
  // The chart topic names its keys.
  bool zoomkey = false;
  for (int t = 1; t < helptopics; t++)
    for (int k = 0; helptextline(t, k); k++) zoomkey |= strstr(helptextline(t, k), "F4          zoom in") != nullptr;
  EXPECT_TRUE(zoomkey);
}

// Bad files: refused, or the bad parts cut, never read outside the blocks.
TEST_F(Help, TooManyOrTooFewEntriesAreRefused) {
  EXPECT_EQ(loadhelp(helpfile(221, sample())), 1);
  EXPECT_STREQ(mperror, "Help File Error");
  EXPECT_EQ(HelpOkay, 0);
  EXPECT_EQ(loadhelp(helpfile(179, sample())), 1);
  EXPECT_EQ(loadhelp(helpfile(220, sample())), 0);
  EXPECT_EQ(helptopics, 220);
}

TEST_F(Help, TruncatedFileIsRefusedAtEveryLength) {
  std::vector<unsigned char> full = helpfile(180, sample(), samplemap());
  for (size_t n = 0; n < full.size(); n++) {
    std::vector<unsigned char> cut(full.begin(), full.begin() + n);
    ASSERT_EQ(loadhelp(cut), 1) << n;
    ASSERT_EQ(HelpOkay, 0);
  }
  EXPECT_EQ(loadhelp(full), 0);
}

TEST_F(Help, ImpossibleBlockSizesAreRefused) {
  std::vector<unsigned char> bytes = helpfile(180, sample());
  std::vector<unsigned char> bad = bytes;
  put32(bad, 4, -1);
  EXPECT_EQ(loadhelp(bad), 1);
  bad = bytes;
  put32(bad, 8, 0x7FFFFFFF);
  EXPECT_EQ(loadhelp(bad), 1);
  bad = bytes;
  put32(bad, 8, 1 << 19);  // more than the file holds
  EXPECT_EQ(loadhelp(bad), 1);
}

TEST_F(Help, BadOffsetsAndLinksAreCut) {
  std::vector<unsigned char> bytes = helpfile(180, sample(), samplemap());
  put16(bytes, recordat(180, 2), -5);       // heading offset negative
  put16(bytes, recordat(180, 3), 30000);    // heading offset beyond the block
  put32(bytes, recordat(180, 4) + 4, -1);   // text offset negative
  put32(bytes, recordat(180, 5) + 4, 1 << 20);
  put16(bytes, recordat(180, 6) + 2, -3);   // negative line count
  put16(bytes, recordat(180, 2) + 8, 999);  // link beyond the topics
  put16(bytes, recordat(180, 2) + 10, -7);
  put16(bytes, 12 + 2 * 63, 555);           // context entry beyond the topics
  ASSERT_EQ(loadhelp(bytes), 0);
  EXPECT_STREQ(helpheading(2), "");
  EXPECT_STREQ(helpheading(3), "");
  EXPECT_STREQ(line(4, 0), "Nothing here.") << "no lines of its own";
  EXPECT_STREQ(line(5, 0), "Nothing here.");
  EXPECT_STREQ(line(6, 0), "Nothing here.");
  EXPECT_EQ(textlink[2].link[0], 0);
  EXPECT_EQ(textlink[2].link[1], 0);
  EXPECT_EQ(helpstarttopic(3, 3), 1);
}

TEST_F(Help, LineCountPastTheTextBlockIsCut) {
  std::vector<unsigned char> bytes = helpfile(180, sample());
  put16(bytes, recordat(180, 6) + 2, 32000);  // E: the last topic with text
  ASSERT_EQ(loadhelp(bytes), 0);
  EXPECT_STREQ(line(6, 0), "E text");
  EXPECT_EQ(helptextline(6, 1), nullptr);
  EXPECT_EQ(helptextline(6, 31999), nullptr);
  openwindow(HELPWINDOW);
  calltext(6, 0);  // draws what there is
  closewindow(HELPWINDOW);
}

TEST_F(Help, OverlappingTextIsShownAsItIs) {
  std::vector<unsigned char> bytes = helpfile(180, sample());
  // Topic 3 starts inside topic 2's line and runs on into the next.
  put32(bytes, recordat(180, 3) + 4, 1 + (int)strlen("Nothing here.") + strlen("The general topic.") + 1 +
                                         strlen("Second line.") + 1 + 2);
  put16(bytes, recordat(180, 3) + 2, 2);
  ASSERT_EQ(loadhelp(bytes), 0);
  EXPECT_STREQ(line(3, 0), "text");
  EXPECT_STREQ(line(3, 1), "B text");
}

TEST_F(Help, TextUnterminatedAtTheBlockEndStopsThere) {
  std::vector<unsigned char> bytes = helpfile(180, sample());
  bytes.back() = 'z' - 30;  // the last line loses its terminator
  ASSERT_EQ(loadhelp(bytes), 0);
  EXPECT_STREQ(line(6, 0), "E textz");
}

// The shipped file is what the converter makes of the help source, so an
// edit of the source cannot ship without the file.
TEST_F(Help, ShippedFileIsTheCompiledSource) {
  std::string out = scratch("korvanex.hlp");
  std::string cmd = std::string("/usr/bin/python3 ") + KORVANEX_SOURCE_DIR + "/tools/mkhelp " + KORVANEX_SOURCE_DIR +
                    "/tools/help/korvanex.txt " + out + " > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::string made = readwhole(out);
  EXPECT_GT(made.size(), 10000u);
  EXPECT_TRUE(made == readwhole(std::string(KORVANEX_SOURCE_DIR) + "/data/korvanex.hlp"));
}

// The converter takes a whole source and refuses one that would not show
// whole: each bad source differs from the good one in one fault.
TEST_F(Help, ConverterRefusesBadSources) {
  std::string fieldtopics;
  for (int m = 0; m < 9; m++)
    for (int f = 0; f < selectablefields(m); f++)
      fieldtopics += "== f" + std::to_string(m) + "_" + std::to_string(f) + "\nheading: Field\ncontext: " +
                     std::to_string(m) + "." + std::to_string(f) + "\nlinks: general\nText.\n";
  std::string good = "== none\nheading: No help\nNothing.\n== general\nheading: General\nText.\n" + fieldtopics;
  auto compile = [&](const std::string &src) {
    std::string in = scratch("src.txt"), out = scratch("out.hlp");
    writewhole(in, src);
    std::string cmd = std::string("/usr/bin/python3 ") + KORVANEX_SOURCE_DIR + "/tools/mkhelp " + in + " " + out +
                      " > /dev/null 2>&1";
    return std::system(cmd.c_str());
  };
  ASSERT_EQ(compile(good), 0);
  std::string longline(71, 'x');
  const std::string bad[] = {
      std::string(good).replace(good.find("heading: General"), 16, "heading: A heading too long"),
      std::string(good).replace(good.find("links: general"), 14, "links: nowhere"),
      std::string(good).replace(good.find("context: 4.5\n"), 13, "context: 4.19\n"),
      std::string(good).replace(good.find("Nothing."), 8, longline),
      std::string(good).replace(good.find("Nothing."), 8, "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16"),
      good.substr(good.find("== general")),
  };
  for (const std::string &src : bad) EXPECT_NE(compile(src), 0) << src.substr(0, 120);
}

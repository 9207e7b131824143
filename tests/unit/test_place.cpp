#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tempdir.h"
#include "base/status.h"
#include "allegro_env.h"
#include "testsupport.h"
#include "places/place.h"
#include "base/settings.h"
#include "screen/display.h"
#include "ui/windows.h"
#include "ui/listpages.h"
#include "ui/datemenu.h"

namespace {

// A place line in the file's columns: name 1-23, locality 25-47, country
// 49-63, then rest from column 65.
std::string line(const std::string &name, const std::string &town, const std::string &country,
                 const std::string &rest) {
  char buf[256];
  snprintf(buf, sizeof buf, "%-23s %-23s %-15s %s", name.c_str(), town.c_str(), country.c_str(), rest.c_str());
  return buf;
}

// Reads text as place.txt; returns the number of entries.
int readtext(const std::string &text) {
  FILE *f = fmemopen(const_cast<char *>(text.data()), text.size(), "rb");
  int n = placeread(f);
  fclose(f);
  return n;
}

class Places : public ::testing::Test {
 protected:
  TempDir scratch{"place"};
  std::string dir = scratch.path;
  void SetUp() override {
    startallegro(8);
    setmypal();
    iPlace = 0;
  }
  // n entries named P0.., code 100 + i, longitude i, latitude -i, zone i/2.
  std::string entries(int n) {
    std::string t;
    for (int i = 0; i < n; i++) {
      char rest[80];
      snprintf(rest, sizeof rest, "%d %d.0 %d.0 %.1f 50 ; comments", 100 + i, i, -i, i / 2.0);
      t += line("P" + std::to_string(i), "Town" + std::to_string(i), "Land", rest) + "\n";
    }
    return t;
  }
};

}  // namespace

TEST_F(Places, LinesOf64And65Characters) {
  std::string l64 = line("Short", "Town", "Land", "");
  ASSERT_EQ(l64.size(), 64u);
  std::string l65 = l64 + "7";
  ASSERT_EQ(readtext(l64 + "\n" + l65 + "\n"), 1);
  EXPECT_STREQ(Place[0].name, "Short");
  EXPECT_EQ(Place[0].code, 7) << "the code starts in column 65";
  EXPECT_EQ(iPlacesiz, 0);
}

TEST_F(Places, FieldsAndTrailingBlanks) {
  std::string name23 = "ABCDEFGHIJKLMNOPQRSTUVW";
  std::string t = name23 + " " + "Locality right after    " + "Country        " + " 413 -149.06 -31.27 10.0 50\n";
  t += line("  ", "Town with blanks", "X", "0 1 2 3 4") + "\n";
  ASSERT_EQ(readtext(t), 2);
  EXPECT_STREQ(Place[0].name, name23.c_str());
  EXPECT_STREQ(Place[0].locality, "Locality right after");
  EXPECT_STREQ(Place[0].country, "Country");
  EXPECT_EQ(Place[0].code, 413);
  EXPECT_DOUBLE_EQ(Place[0].longit, -149.06);
  EXPECT_DOUBLE_EQ(Place[0].lattit, -31.27);
  EXPECT_DOUBLE_EQ(Place[0].tzone, 10.0);
  EXPECT_STREQ(Place[1].name, "") << "a field of blanks becomes empty";
  EXPECT_STREQ(Place[1].locality, "Town with blanks");
}

TEST_F(Places, CommentsLineEndsAndLastLine) {
  std::string t = ";" + line("Comment", "long enough", "to be read", "1 2 3 4 5") + "\n";
  t += line("Windows", "line", "end", "2 1.5 2.5 3.5 50") + "\r\n";
  t += line("Unfinished", "last", "line", "3 1 1 1 50");  // no line feed
  ASSERT_EQ(readtext(t), 1);
  EXPECT_STREQ(Place[0].name, "Windows");
  EXPECT_STREQ(Place[0].country, "end");
  EXPECT_DOUBLE_EQ(Place[0].tzone, 3.5) << "the carriage return is dropped";
  EXPECT_STREQ(Place[1].name, "") << "the table past the entries is cleared";
  EXPECT_STREQ(Place[1].locality, "") << "a new place starts with an empty CITY";
  EXPECT_STREQ(Place[1].country, "");
}

TEST_F(Places, BadNumbersStayZero) {
  std::string t = line("A", "a", "a", "413 abc -33.5 10 50") + "\n";
  t += line("B", "b", "b", "12 nan 1e300 -5.5") + "\n";
  t += line("C", "c", "c", "x 1 2 3") + "\n";
  ASSERT_EQ(readtext(t), 3);
  EXPECT_EQ(Place[0].code, 413);
  EXPECT_EQ(Place[0].longit, 0.0);
  EXPECT_EQ(Place[0].lattit, 0.0) << "scanning stops at the bad number";
  EXPECT_EQ(Place[0].tzone, 0.0);
  EXPECT_EQ(Place[1].code, 12);
  EXPECT_EQ(Place[1].longit, 0.0) << "not a number";
  EXPECT_EQ(Place[1].lattit, 0.0) << "far outside any place";
  EXPECT_DOUBLE_EQ(Place[1].tzone, -5.5);
  EXPECT_EQ(Place[2].code, 0);
  EXPECT_EQ(Place[2].longit, 0.0);
}

TEST_F(Places, NumbersOutsideTheMenuLimitsCountAsUnread) {
  std::string t = line("A", "a", "a", "1 20 30 9999") + "\n";
  t += line("B", "b", "b", "2 -180.5 90.5 12.5") + "\n";
  t += line("C", "c", "c", "3 360.5 -90.5 -12.5") + "\n";
  t += line("D", "d", "d", "4 -180 90 12") + "\n";
  t += line("E", "e", "e", "5 360 -90 -12") + "\n";
  ASSERT_EQ(readtext(t), 5);
  EXPECT_DOUBLE_EQ(Place[0].longit, 20.0);
  EXPECT_DOUBLE_EQ(Place[0].lattit, 30.0);
  EXPECT_EQ(Place[0].tzone, 0.0) << "a zone of 9999 hours";
  for (int i : {1, 2}) {
    EXPECT_EQ(Place[i].longit, 0.0) << Place[i].name;
    EXPECT_EQ(Place[i].lattit, 0.0) << Place[i].name;
    EXPECT_EQ(Place[i].tzone, 0.0) << Place[i].name;
  }
  EXPECT_DOUBLE_EQ(Place[3].longit, -180.0) << "the limits themselves are good";
  EXPECT_DOUBLE_EQ(Place[3].lattit, 90.0);
  EXPECT_DOUBLE_EQ(Place[3].tzone, 12.0);
  EXPECT_DOUBLE_EQ(Place[4].longit, 360.0);
  EXPECT_DOUBLE_EQ(Place[4].lattit, -90.0);
  EXPECT_DOUBLE_EQ(Place[4].tzone, -12.0);
}

TEST_F(Places, AtMostAThousandEntries) {
  ASSERT_EQ(readtext(entries(1003)), PLACEMAX);
  EXPECT_EQ(iPlacesiz, 999);
  EXPECT_STREQ(Place[999].name, "P999");
  EXPECT_EQ(iHI[PLACENUM], 1000) << "the OBSERVATORY field may append one";
}

TEST_F(Places, CurrentPlaceBeyondTheEntries) {
  iPlace = 12;
  ASSERT_EQ(readtext(entries(5)), 5);
  EXPECT_EQ(iPlace, 4);
  EXPECT_STREQ(achPlace, "P4") << "made current";
  EXPECT_STREQ(achTown, "Town4");
  EXPECT_DOUBLE_EQ(dLongit, 4.0);
  EXPECT_DOUBLE_EQ(dLattit, -4.0);
  EXPECT_DOUBLE_EQ(dTzone, 2.0);
  EXPECT_EQ(iObscode, 104);
  EXPECT_EQ(iHI[PLACENUM], 5);
  iPlace = 3;
  readtext("");
  EXPECT_EQ(iPlacesiz, -1);
  EXPECT_EQ(iPlace, 0) << "no entries: the cleared first element";
  EXPECT_EQ(dLongit, 0.0);
  EXPECT_EQ(iHI[PLACENUM], 0);
}

TEST_F(Places, DatLayoutByteForByte) {
  readtext(line("Siding Spring", "Coonabarabran", "Australia", "413 -149.0625 -31.26778 10.0 50") + "\n" +
           line("Geocentric", "", "", "500 0 0 0 0") + "\n");
  iPlace = 1;
  iMarkplace = 0x12345;
  std::string path = dir + "/place.dat";
  ASSERT_EQ(placewritedat(path.c_str()), 0);
  iMarkplace = 0;
  std::string b = readwhole(path);
  ASSERT_EQ(b.size(), (size_t)(PLACEDATHEAD + 2 * PLACEDATREC));
  const unsigned char head[8] = {0xE7, 0x03, 0x01, 0x00, 0x01, 0x00, 0x45, 0x23};
  EXPECT_EQ(memcmp(b.data(), head, 8), 0) << "999, last index 1, current 1, mark's low 16 bits";
  const char *r = b.data() + 8;
  EXPECT_EQ(std::string(r, 24), std::string("Siding Spring") + std::string(11, '\0'));
  EXPECT_EQ(std::string(r + 24, 24), std::string("Coonabarabran") + std::string(11, '\0'));
  EXPECT_EQ(std::string(r + 48, 16), std::string("Australia") + std::string(7, '\0'));
  const unsigned char code[4] = {0x9D, 0x01, 0x00, 0x00};  // 413
  EXPECT_EQ(memcmp(r + 64, code, 4), 0);
  double d[3];
  for (int i = 0; i < 3; i++) {
    uint64_t v = 0;
    for (int k = 7; k >= 0; k--) v = v << 8 | (unsigned char)r[68 + 8 * i + k];
    memcpy(&d[i], &v, 8);
  }
  EXPECT_DOUBLE_EQ(d[0], -149.0625);
  EXPECT_DOUBLE_EQ(d[1], -31.26778);
  EXPECT_DOUBLE_EQ(d[2], 10.0);
  const char *g = r + PLACEDATREC;
  EXPECT_EQ(std::string(g, 24), std::string("Geocentric") + std::string(14, '\0'));
  EXPECT_EQ(std::string(g + 24, 40), std::string(40, '\0'));
  const unsigned char code500[4] = {0xF4, 0x01, 0x00, 0x00};
  EXPECT_EQ(memcmp(g + 64, code500, 4), 0);
}

TEST_F(Places, TextFileLayoutAndRoundTrip) {
  readtext(line("Kitt Peak", "Arizona", "USA", "695 111.59556 31.70139 -7 2096 ; real elevation") + "\n" +
           line("East", "", "Land", "0 -0.5 -0.25 1") + "\n");
  std::string path = dir + "/place.txt";
  ASSERT_EQ(placewritetext(path.c_str()), 0);
  std::string t = readwhole(path);
  std::vector<std::string> lines;
  std::stringstream ss(t);
  for (std::string l; std::getline(ss, l);) lines.push_back(l);
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "; Lines beginning with ; are comments (ignored).");
  EXPECT_EQ(lines[10],
            "; Observatory.......... Locality............... Country........ Code West-long.  latitude  Tzone Elev");
  EXPECT_EQ(lines[11], "Kitt Peak               Arizona                 USA             695  +111.59556  +31.70139 -7.00 "
                       "2096 ; real elevation")
      << "the elevation and comment as read";
  EXPECT_EQ(lines[12], "East                                            Land            0      -0.50000   -0.25000 +1.00 0");
  EXPECT_EQ(t.find('\r'), std::string::npos) << "line feeds only";
  EXPECT_EQ(t.back(), '\n');
  FILE *f = fopen(path.c_str(), "rb");
  ASSERT_EQ(placeread(f), 2);
  fclose(f);
  EXPECT_STREQ(Place[0].name, "Kitt Peak");
  EXPECT_EQ(Place[0].code, 695);
  EXPECT_DOUBLE_EQ(Place[0].longit, 111.59556);
  EXPECT_STREQ(Place[1].locality, "");
  EXPECT_DOUBLE_EQ(Place[1].lattit, -0.25);
}

TEST_F(Places, ClearedNameLeavesBothFiles) {
  readtext(entries(5));
  iPlace = 4;
  Place[2].name[0] = 0;  // cleared in the menu and saved
  std::string dat = dir + "/place.dat", txt = dir + "/place.txt";
  ASSERT_EQ(placewritedat(dat.c_str()), 0);
  ASSERT_EQ(placewritetext(txt.c_str()), 0);
  std::string b = readwhole(dat);
  ASSERT_EQ(b.size(), (size_t)(PLACEDATHEAD + 4 * PLACEDATREC));
  EXPECT_EQ((unsigned char)b[2], 3) << "last index 3";
  EXPECT_EQ((unsigned char)b[4], 3) << "the current place renumbered";
  EXPECT_EQ(iPlace, 3) << "both writers agree on it";
  EXPECT_STREQ(b.data() + 8 + 2 * PLACEDATREC, "P3");
  EXPECT_STREQ(Place[2].name, "P3") << "the table closes up as the files do";
  EXPECT_STREQ(Place[4].name, "");
  FILE *f = fopen(txt.c_str(), "rb");
  ASSERT_EQ(placeread(f), 4);
  fclose(f);
  EXPECT_STREQ(Place[2].name, "P3");
  EXPECT_STREQ(Place[3].name, "P4");
}

TEST_F(Places, CountPlacesRenumbers) {
  readtext(entries(6));
  Place[1].name[0] = 0;
  Place[3].name[0] = 0;
  iPlace = 3;  // itself cleared: the next used entry takes its place
  EXPECT_EQ(countplaces(), 4);
  EXPECT_EQ(iPlacesiz, 3);
  EXPECT_EQ(iPlace, 2);
  EXPECT_STREQ(Place[2].name, "P4");
  EXPECT_EQ(countplaces(), 4) << "counting again changes nothing";
  EXPECT_EQ(iPlace, 2);
  iPlace = 5;
  countplaces();
  EXPECT_EQ(iPlace, 3) << "beyond the count: the last entry";
}

TEST_F(Places, FailedWriteKeepsTheOldFile) {
  std::string txt = dir + "/place.txt";
  {
    std::ofstream old(txt);
    old << "old contents\n";
  }
  readtext(entries(3));
  ASSERT_EQ(mkdir((txt + ".new").c_str(), 0700), 0);  // the new file cannot be made
  EXPECT_EQ(placewritetext(txt.c_str()), 1);
  EXPECT_EQ(readwhole(txt), "old contents\n");
  rmdir((txt + ".new").c_str());
  EXPECT_EQ(placewritetext((dir + "/missing/place.txt").c_str()), 1);
  std::string isdir = dir + "/adir";
  ASSERT_EQ(mkdir(isdir.c_str(), 0700), 0);
  EXPECT_EQ(placewritedat(isdir.c_str()), 1) << "cannot replace a directory";
  EXPECT_NE(access((isdir + ".new").c_str(), F_OK), 0) << "the unfinished file is removed";
  EXPECT_EQ(placewritetext(txt.c_str()), 0);
  EXPECT_EQ(readwhole(txt).substr(0, 5), "; Lin");
}

TEST_F(Places, ObstextShowsNumberCodeNamesAndSignedLongLat) {
  std::string t = entries(5) + line("X", "Town", "Y", "413 -151.2 -33.87 10 50") + "\n";
  readtext(t);
  ASSERT_EQ(getaplace(5), 0);
  char text[OBSTEXTLEN];
  obstext(text);
  EXPECT_STREQ(text, "(5) 413 X, Y: E151 12.0   S33 52.2 ZONE 10.0 ");
  readtext(line("Zero", "", "Z", "0 0 0 0") + "\n");
  obstext(text);
  EXPECT_STREQ(text, "(0) 0 Zero, Z:  W 0 00.0   N 0 00.0 ZONE  0.0 ") << "0 is west and north";
  EXPECT_EQ(getaplace(1000), -1);
  EXPECT_EQ(getaplace(-1), -1);
}

TEST_F(Places, ObstextDrawsUnderTheTitle) {
  clear_to_color(VIDbmp, 5);
  readtext(line("Greenwich", "London", "UK", "0 0 51.47 0") + "\n");
  showplaceline();  // the screen code draws the line
  int y = VRTScale + 5;
  EXPECT_EQ(getpixel(VIDbmp, 10, y), colour[PALBLACK]);
  EXPECT_EQ(getpixel(VIDbmp, 56 * HORScale, 2 * VRTScale - 1), colour[PALBLACK]);
  EXPECT_EQ(getpixel(VIDbmp, 56 * HORScale + 1, y), 5);
  EXPECT_EQ(getpixel(VIDbmp, 9, y), 5);
  int ink = 0, pen = makecol(80, 245, 53);
  for (int x = 10; x < 56 * HORScale; x++)
    for (int j = y; j < 2 * VRTScale; j++) ink += getpixel(VIDbmp, x, j) == pen;
  EXPECT_GT(ink, 50);
}

TEST_F(Places, LongPlaceLineStaysInItsBoxAt640) {
  data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
  ASSERT_NE(data, nullptr);
  oldfont = font;
  clear_to_color(VIDbmp, 5);
  readtext(line("Greenwich", "London", "United Kingdom", "0 0 51.47 0") + "\n");
  char text[OBSTEXTLEN];
  obstext(text);
  showplaceline();
  int pen = makecol(80, 245, 53), right = -1;
  for (int x = 0; x < VIDbmp->w; x++)
    for (int y = VRTScale; y < 2 * VRTScale; y++)
      if (getpixel(VIDbmp, x, y) == pen) right = x;
  EXPECT_LE(right, 56 * HORScale) << "the line runs into the sidereal time";
  // the whole text is there, in the small font
  std::string shown(text);
  shown.erase(shown.find_last_not_of(' ') + 1);
  EXPECT_GE(right, 10 + text_length(smallfont(), shown.c_str()) - 6);
  unload_datafile(data);
  data = nullptr;
}

TEST_F(Places, ListPages) {
  readtext(entries(45));
  iPlace = 22;
  EXPECT_EQ(loclist(2, 25, 20), 20);
  EXPECT_STREQ(achDLine[0], "File Code  Observatory Location  Page 2/3");
  EXPECT_STREQ(achDLine[2], "20   120  P20, Town20, Land ");
  EXPECT_EQ(achDLine[4][78], 'C') << "the current place is marked";
  EXPECT_EQ(achDLine[3][78], 0);
  EXPECT_EQ(loclist(2, 40, 20), 5);
  EXPECT_STREQ(achDLine[0], "File Code  Observatory Location  Page 3/3");
  EXPECT_STREQ(achDLine[6], "44   144  P44, Town44, Land ");
  EXPECT_EQ(loclist(2, 0, 0), 0);
  Place[0].code = INT32_MIN;
  snprintf(Place[0].name, sizeof Place[0].name, "%s", "NNNNNNNNNNNNNNNNNNNNNNN");
  snprintf(Place[0].locality, sizeof Place[0].locality, "%s", "LLLLLLLLLLLLLLLLLLLLLLL");
  snprintf(Place[0].country, sizeof Place[0].country, "%s", "CCCCCCCCCCCCCCC");
  loclist(2, 0, 20);
  EXPECT_EQ(strlen(achDLine[2]), 77u) << "cut at 77";
  readtext("");
  EXPECT_EQ(loclist(2, 0, 20), 0);
  EXPECT_STREQ(achDLine[0], "File Code  Observatory Location  Page 1/1");
}

TEST_F(Places, MenuFields) {
  readtext(entries(5));
  ASSERT_EQ(locload(3), 0);
  EXPECT_STREQ(chSTR[PLACEDESC], "P3");
  EXPECT_STREQ(chSTR[PLACECITY], "Town3");
  EXPECT_STREQ(chSTR[PLACECOUNTRY], "Land");
  EXPECT_DOUBLE_EQ(dFP[PLACELONG], 3.0);
  EXPECT_DOUBLE_EQ(dFP[PLACELAT], -3.0);
  EXPECT_DOUBLE_EQ(dFP[PLACEZONE], 1.5);
  EXPECT_EQ(iNT[OBSCODE], 103);
  EXPECT_EQ(iNT[PLACENUM], 3);
  EXPECT_EQ(iPlace, 3);
  EXPECT_STREQ(achPlace, "P0") << "loading into the fields does not change the current place";
  snprintf(chSTR[PLACEDESC], sizeof chSTR[PLACEDESC], "%s", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
  snprintf(chSTR[PLACECITY], sizeof chSTR[PLACECITY], "%s", "New town   ");
  snprintf(chSTR[PLACECOUNTRY], sizeof chSTR[PLACECOUNTRY], "%s", "A country of many letters");
  dFP[PLACELONG] = -10.5;
  iNT[OBSCODE] = 999;
  ASSERT_EQ(locsave(1), 0);
  EXPECT_EQ(iPlace, 1);
  EXPECT_STREQ(Place[1].name, "ABCDEFGHIJKLMNOPQRSTUVW");
  EXPECT_STREQ(Place[1].locality, "New town");
  EXPECT_STREQ(Place[1].country, "A country of ma");
  EXPECT_DOUBLE_EQ(Place[1].longit, -10.5);
  EXPECT_EQ(Place[1].code, 999);
  EXPECT_EQ(locsave(PLACEMAX), -1);
  EXPECT_EQ(locload(-1), -1);
}

TEST_F(Places, ShippedPlaceFile) {
  FILE *f = fopen(KORVANEX_SOURCE_DIR "/data/place.txt", "rb");
  ASSERT_NE(f, nullptr);
  int n = placeread(f);
  fclose(f);
  EXPECT_GE(n, 30);
  int geocentric = -1, siding = -1, kitt = -1;
  for (int i = 0; i < n; i++) {
    const placerec &r = Place[i];
    EXPECT_NE(r.name[0], 0) << i;
    EXPECT_GE(r.longit, -180.0) << r.name;
    EXPECT_LE(r.longit, 180.0) << r.name;
    EXPECT_GE(r.lattit, -90.0) << r.name;
    EXPECT_LE(r.lattit, 90.0) << r.name;
    EXPECT_GE(r.tzone, -12.0) << r.name;
    EXPECT_LE(r.tzone, 14.0) << r.name;
    if (r.code == 500) geocentric = i;
    if (r.code == 413) siding = i;
    if (r.code == 695) kitt = i;
  }
  ASSERT_GE(geocentric, 0);
  EXPECT_STREQ(Place[geocentric].name, "Geocentric");
  EXPECT_EQ(Place[geocentric].longit, 0.0);
  EXPECT_EQ(Place[geocentric].lattit, 0.0);
  ASSERT_GE(siding, 0);
  EXPECT_NEAR(Place[siding].longit, -149.06, 0.01) << "east of Greenwich is negative";
  EXPECT_NEAR(Place[siding].lattit, -31.27, 0.01);
  EXPECT_EQ(Place[siding].tzone, 10.0);
  ASSERT_GE(kitt, 0);
  EXPECT_NEAR(Place[kitt].longit, 111.60, 0.01);
  EXPECT_EQ(Place[kitt].tzone, -7.0);
}

// Junk lines are skipped and counted; with no place at all, the default is used.
TEST_F(Places, JunkLinesAreSkippedAndCountedAndNoPlaceGivesTheDefault) {
  std::string junk(40 * 99, '\n');  // 40 lines of random bytes
  for (size_t i = 0; i < junk.size(); i++)
    if (i % 99 < 98) junk[i] = static_cast<char>(i % 99 ? rand() % 245 + 11 : 'J');  // no line feed
  std::string t = entries(3) + junk + line("Tab\tname", "Town", "Land", "1 2 3 4") + "\nBell\a" + line("", "", "", "1");
  EXPECT_EQ(readtext(t + "\ntoo short\n\n; comment\n   \n"), 4) << "the three places and the one with a tab";
  EXPECT_EQ(iPlaceSkipped, 42) << "every junk line, the bell and the short line";
  setfiledir(dir.c_str());
  writewhole(dir + "/place.txt", junk);
  EXPECT_EQ(Placereadtextfile(), 1);
  EXPECT_STREQ(mperror, "place.txt holds no valid place (40 lines skipped): Greenwich is used");
  EXPECT_DOUBLE_EQ(dLattit, 51.46833) << "Greenwich";
  setfiledir(nullptr);
}

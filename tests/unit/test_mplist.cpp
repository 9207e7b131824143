#include <gtest/gtest.h>
#include <unistd.h>

#include "fulldisk.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "chart/projection.h"
#include "chart/telescope.h"
#include "chart_fixture.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "chart/mplist.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "skins/skinbutton.h"
#include "base/settings.h"
#include "screen/display.h"
#include "ui/windows.h"
#include "ui/listpages.h"

// A computed table of n records: planets first, all at the given place.
static void maketable(int n, double rahours, double decdeg) {
  iNumAst = n;
  for (int i = 0; i < MPMAX; i++) {
    memset(&mp[i], 0, sizeof mp[i]);
    snprintf(mp[i].name, sizeof mp[i].name, "Object %d", i);
    mp[i].number = i >= MPPLANETS ? i : 0;
    obj[i].ra = (float)rahours;
    obj[i].dec = (float)decdeg;
    obj[i].mag = 9.5f;
    obj[i].userslot = -1;
    iBcalc[i] = i < n ? 12 : 0;
  }
  iNT[MPSORT] = 0;
}

static int countcolour(BITMAP *b, int c) {
  int n = 0;
  for (int y = 0; y < b->h; y++)
    for (int x = 0; x < b->w; x++) n += getpixel(b, x, y) == c;
  return n;
}

TEST(MpList, IdentificationText) {
  char text[OBJSTRLEN];
  double r = 1.5, d = -10.25, m = 7.34;
  objectstr(text, 5, "Ceres", &r, &d, &m);
  EXPECT_STREQ(text, "   5   Ceres             1 30 00   -10 15.0      7.34 ");
  objectstr(text, -1, "SUN", &r, &d, &m);
  EXPECT_STREQ(text, "       SUN               1 30 00   -10 15.0      7.34 ");
}

TEST(MpList, PageBeyondTheLastRecordHasOnlyHeadings) {
  startchart();
  maketable(20, 12, 0);
  iAstEnd = 1234;
  iAstPage = 0;
  EXPECT_EQ(mplist(2, 40, 20), 0);
  EXPECT_STREQ(achDLine[0], "Planet Database (1234 on file)  Block 1  Page 3/2 ");
  EXPECT_STREQ(achDLine[1], "File  (No.) Planet             RA 2000   Dec 2000   Dist AU  Mag. ");
}

TEST(MpList, RowsFollowTheSortAndCarryTheirMarks) {
  startchart();
  maketable(30, 12, 0);
  for (int i = 0; i < 30; i++) iRindex[i] = 29 - i;
  iAst = 27;
  obj[28].userslot = 3;
  iNT[MPSORT] = 1;
  ASSERT_EQ(mplist(2, 0, 20), 20);
  char expect[80];
  findpos(expect, 29);
  EXPECT_EQ(std::string(achDLine[2]).substr(0, 20), std::string(expect).substr(0, 20));
  EXPECT_EQ(achDLine[2][78], 0);
  EXPECT_EQ(achDLine[3][79], 'U');  // record 28
  EXPECT_EQ(achDLine[4][78], 'A');  // record 27
  EXPECT_EQ(achDLine[4][77], 0);
  EXPECT_EQ(mplist(2, 20, 20), 10);
  iNT[MPSORT] = 0;
}

TEST(MpList, WholeSkyPlanetsAreCrossesMinorPlanetsPixels) {
  startchart();
  maketable(10, 12, 0);
  obj[8].ra = 6;  // a minor planet elsewhere
  obj[9].ra = 0;  // exactly on the edge: x = plotwidth
  setstarplot(0);
  clear_bitmap(SKYbmp);
  EXPECT_EQ(drawmps(), 9);
  EXPECT_EQ(countcolour(SKYbmp, colour[PALRED]), 13 + 1);
  int x = plotwidth - (int)(6 * plotXscale);
  EXPECT_EQ(getpixel(SKYbmp, x, plotYcen), colour[PALRED]);
  EXPECT_EQ(getpixel(SKYbmp, x + 1, plotYcen), 0);
  EXPECT_EQ(getpixel(SKYbmp, plotwidth / 2 + 3, plotYcen), colour[PALRED]);
}

TEST(MpList, ZoomedEveryObjectIsACrossInItsColour) {
  startchart();
  maketable(9, 12, 0);
  iBcalc[8] = 40;
  centrechart(12, 0, 4);
  clear_bitmap(SKYbmp);
  EXPECT_EQ(drawmps(), 9);
  EXPECT_EQ(getpixel(SKYbmp, plotXcen + 3, plotYcen), colour[40]);  // drawn last
  EXPECT_EQ(getpixel(SKYbmp, plotXcen, plotYcen - 3), colour[40]);
  EXPECT_EQ(getpixel(SKYbmp, plotXcen + 8, plotYcen + 6), 0) << "names come with the labels";
  centrechart(12, 0, 7);
  clear_bitmap(SKYbmp);
  drawmps();
  EXPECT_EQ(countcolour(SKYbmp, colour[40]), 13) << "a cross, no name, at any zoom";
}

TEST(MpList, ObjectOnTheChartEdgeIsNotDrawn) {
  startchart();
  maketable(9, 12, 0);
  setstarplot(0);
  for (int i = 0; i < 9; i++) iBcalc[i] = i == 8 ? 12 : 0;
  obj[8].dec = (float)(plotYcen / plotYscale);  // y = 0
  clear_bitmap(SKYbmp);
  EXPECT_EQ(drawmps(), 0);
}

TEST(MpList, FindMpTakesTheLowestRecordInTheBox) {
  startchart();
  maketable(12, 12, 0);
  obj[0].ra = obj[1].ra = obj[2].ra = 3;  // planets away from the cursor
  obj[3].ra = obj[4].ra = obj[5].ra = obj[6].ra = obj[7].ra = 3;
  centrechart(12, 0, 2);
  Xcur = plotXcen;
  Ycur = plotYcen;
  obj[9].ra = 12.01f;
  EXPECT_EQ(findmp(), 8);
  obj[8].ra = 3;
  EXPECT_EQ(findmp(), 9);
  iBcalc[8] = 0;  // a record without a place is passed over, not an end
  obj[9].ra = 3;
  obj[10].ra = 12.01f;
  EXPECT_EQ(findmp(), 10);
  obj[8].ra = 12.0f;  // nor found itself
  EXPECT_EQ(findmp(), 10);
  iBcalc[8] = 12;
  for (int i = 8; i < 12; i++) obj[i].ra = 3;
  EXPECT_EQ(findmp(), -1);
}

// Telescope view scales for view zoom z around the chart centre.
static void telescopezoom(int z) {
  TPixPerDeg = plottelh / 4.0;
  for (int k = 0; k < z; k++) TPixPerDeg *= 1.4142136;
  dTPixPerRad = TPixPerDeg / dDEGTORAD;
  TplotXmax = (int)(TPixPerDeg * 360);
  TXcur = plottelXc;
  TYcur = plottelYc;
  Tnorth = Twest = 0;
}

TEST(MpList, TelescopeCrossesTakeTheUserColourForUserMinorPlanets) {
  startchart();
  maketable(10, 12, 0);
  centrechart(12, 0, 2);
  telescopezoom(0);
  obj[8].ra = 12.05f;  // 0.75 degrees east: left of the centre
  obj[8].userslot = 2;
  obj[1].userslot = 5;  // a planet keeps its own colour
  obj[1].ra = 11.95f;
  for (int i : {0, 2, 3, 4, 5, 6, 7, 9}) obj[i].ra = 3;
  clear_bitmap(SKYbmp);
  EXPECT_EQ(Tdrawmps(), 2);
  int dx = (int)(0.75 * TPixPerDeg);
  // Pixels of the horizontal arms (the westward place comes back through a
  // full turn and may land one pixel further out).
  EXPECT_EQ(getpixel(TELbmp, plottelXc - dx, plottelYc), colour[12 + 141]);
  EXPECT_EQ(getpixel(TELbmp, plottelXc + dx, plottelYc), colour[PALGREEN]);
  EXPECT_EQ(getpixel(SKYbmp, plotXcen, plotYcen), 0) << "only the view area is drawn on";
  Twest = 1;  // east to the right
  clear_bitmap(SKYbmp);
  Tdrawmps();
  EXPECT_EQ(getpixel(TELbmp, plottelXc + dx, plottelYc - 3), colour[12 + 141]);
  EXPECT_EQ(getpixel(TELbmp, plottelXc - dx, plottelYc), colour[PALGREEN]);
}

TEST(MpList, TelescopeTrackAndNamesFollowTheirSkinButtons) {
  startchart();
  maketable(9, 12, 0);
  centrechart(12, 0, 2);
  telescopezoom(0);
  for (int i = 0; i < 8; i++) obj[i].ra = 3;
  obj[8].ratom = 12.1f;  // 1.5 degrees further east a day later
  obj[8].dectom = 0;
  int c2 = colour[12 + 141];
  setskinbuttonstate(20, 1);
  setskinbuttonstate(16, 1);
  clear_bitmap(SKYbmp);
  EXPECT_EQ(Tdrawmps(), 1);
  EXPECT_EQ(getpixel(TELbmp, plottelXc - 20, plottelYc), 0) << "no track while button 20 is off";
  EXPECT_EQ(litpixels(TELbmp, plottelXc + 4, plottelYc + 3, plottelXc + 40, plottelYc + 12), 0);
  setskinbuttonstate(20, 2);
  setskinbuttonstate(16, 2);
  clear_bitmap(SKYbmp);
  Tdrawmps();
  int x2 = plottelXc - (int)(1.5 * TPixPerDeg);
  EXPECT_EQ(getpixel(TELbmp, (plottelXc + x2) / 2, plottelYc), c2);
  EXPECT_EQ(getpixel(TELbmp, x2, plottelYc), c2);
  EXPECT_GT(litpixels(TELbmp, plottelXc + 4, plottelYc + 3, plottelXc + 40, plottelYc + 12), 0);
  setskinbuttonstate(20, 1);
  setskinbuttonstate(16, 1);
}

TEST(MpList, TelescopeFindTakesTheLowestRecordAtItsCursor) {
  startchart();
  maketable(11, 12, 0);
  centrechart(12, 0, 2);
  telescopezoom(4);
  for (int i = 0; i < 9; i++) obj[i].ra = 3;
  obj[9].ra = 12.001f;  // 0.9 pixels away at view zoom 4
  EXPECT_EQ(Tfindmp(), 9);
  TXcur += 6;  // the chart cursor does not matter, the view's does
  EXPECT_EQ(Tfindmp(), -1);
  TXcur -= 6;
  Xcur = 20;
  EXPECT_EQ(findmp(), -1);
  EXPECT_EQ(Tfindmp(), 9);
}

TEST(MpList, DumpNamesKeepOnlyPlainCharacters) {
  char name[DUMPNAMELEN];
  dumpname(name, "Van Gogh", 0);
  EXPECT_STREQ(name, "Van_Gog0.pcx");
  dumpname(name, "Ceres", 13);
  EXPECT_STREQ(name, "Ceres13.pcx");
  dumpname(name, "1999 AB1", 9);
  EXPECT_STREQ(name, "1999_AB9.pcx");
  dumpname(name, "C/2020 F3", 2);
  EXPECT_STREQ(name, "C_2020_2.pcx");
  dumpname(name, "../x", 0);
  EXPECT_STREQ(name, "___x0.pcx") << "never a path out of the program's folder";
  dumpname(name, "a-b_c.d", 99999);
  EXPECT_STREQ(name, "a-b_c_d99999.pcx");
}

namespace {

// Path of dump number n of name "A B", as the program resolves it.
std::string dumppath(int n) {
  char file[DUMPNAMELEN], path[256];
  dumpname(file, "A B", n);
  getfilename(path, file);
  return path;
}

}  // namespace

TEST(MpList, DumpsTakeTheNextFreeNumber) {
  startchart(8);
  maketable(10, 12, 0);
  snprintf(mp[9].name, sizeof mp[9].name, "A B");
  iAst = 9;
  for (int n = 0; n < 4; n++) remove(dumppath(n).c_str());
  FILE *old = fopen(dumppath(0).c_str(), "wb");  // a dump of an earlier run
  ASSERT_NE(old, nullptr);
  fputs("earlier", old);
  fclose(old);
  BITMAP *b = create_bitmap(40, 30);
  clear_to_color(b, 5);
  ASSERT_EQ(savedump(b), 0);
  EXPECT_STREQ(mperror, "Saved file: A_B1.pcx");
  ASSERT_EQ(savedump(b), 0);
  EXPECT_STREQ(mperror, "Saved file: A_B2.pcx");
  FILE *f = fopen(dumppath(0).c_str(), "rb");
  char text[16] = {0};
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(fread(text, 1, sizeof text - 1, f), 7u);
  fclose(f);
  EXPECT_STREQ(text, "earlier") << "an earlier dump is never overwritten";
  for (int n : {1, 2}) {
    PALETTE pal;
    BITMAP *back = load_pcx(dumppath(n).c_str(), pal);
    ASSERT_NE(back, nullptr) << dumppath(n);
    EXPECT_EQ(back->w, 40);
    EXPECT_EQ(getpixel(back, 3, 3), 5);
    destroy_bitmap(back);
  }
  for (int n = 0; n < 3; n++) remove(dumppath(n).c_str());
  destroy_bitmap(b);
}

// F10 writes each format the OPTIONS switches select under one number;
// netpbm's decoders read the TGA and PNG back in the picture's colours.
TEST(MpList, DumpsInTheSelectedFormats) {
  startchart(8);
  maketable(10, 12, 0);
  snprintf(mp[9].name, sizeof mp[9].name, "A B");
  iAst = 9, flag[SAVEPCX] = 0, flag[SAVETGA] = flag[SAVEPNG] = 1;
  std::string dir = dumppath(0).substr(0, dumppath(0).size() - 8);
  for (const char *old : {"A_B0.tga", "A_B0.png"}) remove((dir + old).c_str());
  BITMAP *b = create_bitmap(40, 30);
  clear_to_color(b, PALWHITE);
  EXPECT_EQ(savedump(b), 0);
  flag[SAVETGA] = flag[SAVEPNG] = 0;
  destroy_bitmap(b);
  EXPECT_STREQ(mperror, "Saved file: A_B0.tga, A_B0.png");
  for (std::string cmd : {"tgatoppm A_B0.tga", "pngtopnm A_B0.png"}) {
    std::string p = dir + cmd.substr(9);
    FILE *out = popen((cmd.substr(0, 9) + p + " | tail -c 3 | od -An -tu1").c_str(), "r");
    char got[32] = "";
    EXPECT_TRUE(fgets(got, sizeof got, out)) << p;
    pclose(out);
    remove(p.c_str());
    EXPECT_STREQ(got, " 255 255 255\n") << p;
  }
}

TEST(MpList, FailedDumpIsReportedAndLeavesNothing) {
  startchart(8);
  maketable(10, 12, 0);
  snprintf(mp[9].name, sizeof mp[9].name, "A B");
  iAst = 9;
  remove(dumppath(0).c_str());
  BITMAP *b = create_bitmap(400, 300);
  clear_to_color(b, 5);
  {
    FullDisk full(1000);
    EXPECT_EQ(savedump(b), FAILWRITE);
  }
  EXPECT_STREQ(mperror, "Error writing file: A_B0.pcx");
  EXPECT_NE(access(dumppath(0).c_str(), F_OK), 0) << "no torn dump";
  EXPECT_NE(access((dumppath(0) + ".new").c_str(), F_OK), 0);
  destroy_bitmap(b);
}

TEST(MpList, GotoSetsCentreAndCursor) {
  startchart();
  maketable(10, 12, 0);
  gotomyradec(4.25, -33.5);
  EXPECT_DOUBLE_EQ(dStarX, 4.25);
  EXPECT_DOUBLE_EQ(ra, 4.25);
  EXPECT_DOUBLE_EQ(dStarY, -33.5);
  EXPECT_DOUBLE_EQ(dec, -33.5);
  obj[9].ra = 7.5f;
  obj[9].dec = 12.0f;
  gotoasteroid(9);
  EXPECT_DOUBLE_EQ(dStarX, 7.5);
  EXPECT_DOUBLE_EQ(dec, 12.0);
  gotoasteroid(10);  // beyond the table: ignored
  gotoasteroid(-1);
  EXPECT_DOUBLE_EQ(dStarX, 7.5);
}

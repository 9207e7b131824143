#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "fulldisk.h"
#include "screen_fixture.h"
#include "screen/keys.h"
#include "ui/notes.h"
#include "ui/windows.h"

namespace {

const std::string kHeader = std::string("\r\n") + banner + "  " + notesheader + "\r\n\r\n";

// A list page: title, column heading and rows 0..rows-1, marks set.
void page(int rows) {
  for (auto &line : achDLine) line[0] = 0;
  snprintf(achDLine[0], 80, "Page title");
  snprintf(achDLine[1], 80, "Column heading");
  for (int r = 0; r < rows; r++) {
    snprintf(achDLine[2 + r], 80, "row %d", r);
    setlistrow(achDLine[2 + r], achDLine[2 + r], r == 0 ? 'A' : 0, 'U');
  }
}

std::string block(const std::vector<std::string> &lines) {
  std::string s = kHeader;
  for (const std::string &l : lines) s += l + "\r\n";
  return s + "\r\n\r\n";
}

std::vector<std::string> pagelines(int rows) {
  std::vector<std::string> v = {"Page title", "Column heading"};
  for (int r = 0; r < rows; r++) v.push_back("row " + std::to_string(r));
  return v;
}

class Notes : public ScreenTest {};

}  // namespace

TEST_F(Notes, NotesOfTwentyRowsAppendTwentyTwoLinesAfterTheHeader) {
  std::string path = scratch("notes.txt");
  writewhole(path, "earlier notes\r\n");
  page(20);
  EXPECT_EQ(notesfilecopy(path.c_str(), 22), 1);
  EXPECT_EQ(readwhole(path), "earlier notes\r\n" + block(pagelines(20)));
}

TEST_F(Notes, NotesKeepEmptyLinesAndNeverReadPastTheBuffer) {
  std::string path = scratch("notes.txt");
  page(1);
  achDLine[1][0] = 0;
  EXPECT_EQ(notesfilecopy(path.c_str(), 3), 1);
  EXPECT_EQ(readwhole(path), block({"Page title", "", "row 0"}));
  EXPECT_EQ(notesfilecopy(path.c_str(), 500), 1);
  std::string text = readwhole(path);
  size_t second = text.find(kHeader, 1);
  ASSERT_NE(second, std::string::npos);
  int lines = 0;
  for (size_t i = second + kHeader.size(); i + 1 < text.size(); i++) lines += text[i] == '\r' && text[i + 1] == '\n';
  EXPECT_EQ(lines, 64 + 2) << "all 64 lines, then the closing pair";
}

TEST_F(Notes, EphemerisAppendedTwiceHoldsTwoBlocks) {
  std::string path = scratch("ephem.txt");
  page(3);
  EXPECT_EQ(ephemfilewrite(path.c_str(), 0), 1);
  EXPECT_EQ(ephemfilewrite(path.c_str(), 0), 1);
  EXPECT_EQ(readwhole(path), block(pagelines(3)) + block(pagelines(3)));
}

TEST_F(Notes, EphemerisLeavesOutEmptyLines) {
  std::string path = scratch("ephem.txt");
  page(2);
  snprintf(achDLine[40], 80, "late line");
  EXPECT_EQ(ephemfilewrite(path.c_str(), 0), 1);
  std::vector<std::string> want = pagelines(2);
  want.push_back("late line");
  EXPECT_EQ(readwhole(path), block(want));
}

TEST_F(Notes, OverwriteAsksAndKeepsTheFileOnNo) {
  std::string path = scratch("ephem.txt");
  writewhole(path, "old ephemeris\r\n");
  page(2);
  feedkeys({'n'});
  EXPECT_EQ(ephemfilewrite(path.c_str(), 1), 'N');
  EXPECT_EQ(readwhole(path), "old ephemeris\r\n");
  feedkeys({'y'});
  EXPECT_EQ(ephemfilewrite(path.c_str(), 1), 1);
  EXPECT_EQ(readwhole(path), block(pagelines(2)));
  EXPECT_EQ(keysleft(), 0);
}

TEST_F(Notes, OverwriteOfANewFileDoesNotAsk) {
  std::string path = scratch("new.txt");
  page(1);
  EXPECT_EQ(ephemfilewrite(path.c_str(), 1), 1);
  EXPECT_EQ(keysoverrun(), 0);
  EXPECT_EQ(readwhole(path), block(pagelines(1)));
}

TEST_F(Notes, UnwritableFolderReportsAndLosesNothing) {
  page(2);
  // A folder that cannot be written: the name of a plain file.
  std::string notdir = scratch("plain");
  writewhole(notdir, "x");
  std::string path = notdir + "/notes.txt";
  bool shown = false;
  watchkeys([&] { shown = true; });
  feedkeys({KEYENTER});
  EXPECT_EQ(notesfilecopy(path.c_str(), 4), 13) << "the answer of the error box";
  EXPECT_TRUE(shown);
  feedkeys({KEYENTER});
  EXPECT_EQ(ephemfilewrite(path.c_str(), 0), 13);
  EXPECT_EQ(keysleft(), 0);
}

TEST_F(Notes, FailedWriteKeepsTheOldFile) {
  std::string path = scratch("notes.txt");
  writewhole(path, "precious notes\r\n");
  // The new file cannot be created beside it.
  ASSERT_EQ(mkdir((path + ".new").c_str(), 0700), 0);
  page(5);
  {
    FullDisk full(40);  // notes are appended in place: the disk fills during the append
    feedkeys({KEYENTER});
    EXPECT_EQ(notesfilecopy(path.c_str(), 7), 13);
  }
  EXPECT_EQ(readwhole(path), "precious notes\r\n");
  feedkeys({'y', KEYENTER});
  EXPECT_EQ(ephemfilewrite(path.c_str(), 1), 13);
  EXPECT_EQ(readwhole(path), "precious notes\r\n");
}

// Pages are appended in place, and a stale new file of a killed save goes.
TEST_F(Notes, PagesAppendInPlaceAndAStaleNewFileGoes) {
  std::string path = scratch("notes.txt");
  writewhole(path, "old notes\r\n");
  writewhole(path + ".new", std::string(5000, 'x'));
  struct stat before, after;
  page(1);
  EXPECT_EQ(stat(path.c_str(), &before) + notesfilecopy(path.c_str(), 3) + stat(path.c_str(), &after), 1);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, appended to";
  EXPECT_EQ(readwhole(path), "old notes\r\n" + block(pagelines(1)));
  EXPECT_NE(stat((path + ".new").c_str(), &after), 0) << "the stale new file is gone";
}

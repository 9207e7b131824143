#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "tempdir.h"
#include "minorplanets/astbin.h"
#include "base/safewrite.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "fulldisk.h"
#include "mp_fixtures.h"
#include "testsupport.h"
#include "places/place.h"
#include "base/settings.h"
#include "timefmt/instant.h"

namespace {

bool present(const std::string &path) { return access(path.c_str(), F_OK) == 0; }

class SafeWrite : public ::testing::Test {
 protected:
  TempDir scratch{"safe"};
  std::string dir = scratch.path;
};

}  // namespace

TEST_F(SafeWrite, CommitReplacesTheOldFile) {
  std::string path = dir + "/f.txt";
  writewhole(path, "old\n");
  newfile nf;
  ASSERT_EQ(newfileopen(&nf, path.c_str()), 0);
  EXPECT_EQ(std::string(nf.tmp), path + ".new");
  fputs("new contents\n", nf.f);
  EXPECT_EQ(readwhole(path), "old\n") << "the old file stays until the new one is complete";
  EXPECT_EQ(newfilecommit(&nf, true), 0);
  EXPECT_EQ(readwhole(path), "new contents\n");
  EXPECT_FALSE(present(path + ".new"));
}

TEST_F(SafeWrite, WriteErrorKeepsTheOldFile) {
  std::string path = dir + "/f.txt";
  writewhole(path, "old\n");
  newfile nf;
  ASSERT_EQ(newfileopen(&nf, path.c_str()), 0);
  {
    FullDisk full(16);
    for (int i = 0; i < 10; i++) fputs("a line longer than the disk has room for\n", nf.f);
    EXPECT_EQ(newfilecommit(&nf, true), 1);
  }
  EXPECT_EQ(readwhole(path), "old\n");
  EXPECT_FALSE(present(path + ".new")) << "the torn new file is removed";
}

TEST_F(SafeWrite, CallerFailureAbandonsTheNewFile) {
  std::string path = dir + "/f.txt";
  writewhole(path, "old\n");
  newfile nf;
  ASSERT_EQ(newfileopen(&nf, path.c_str()), 0);
  fputs("half\n", nf.f);
  EXPECT_EQ(newfilecommit(&nf, false), 1);
  EXPECT_EQ(readwhole(path), "old\n");
  EXPECT_FALSE(present(path + ".new"));
  EXPECT_EQ(newfilecommit(&nf, true), 1) << "nothing left to commit";
}

TEST_F(SafeWrite, UncreatableOrUnreplaceableTarget) {
  newfile nf;
  EXPECT_EQ(newfileopen(&nf, (dir + "/missing/f.txt").c_str()), 1);
  EXPECT_EQ(nf.f, nullptr);
  std::string adir = dir + "/adir";
  ASSERT_EQ(mkdir(adir.c_str(), 0700), 0);
  writewhole(adir + "/inside", "x");
  ASSERT_EQ(newfileopen(&nf, adir.c_str()), 0);
  fputs("x\n", nf.f);
  EXPECT_EQ(newfilecommit(&nf, true), 1) << "a file cannot replace a folder";
  EXPECT_FALSE(present(adir + ".new"));
  EXPECT_EQ(readwhole(adir + "/inside"), "x");
  std::string longpath(SAFEPATHLEN, 'a');
  EXPECT_EQ(newfileopen(&nf, longpath.c_str()), 1);
}

TEST_F(SafeWrite, NamedFileCommit) {
  std::string path = dir + "/dump.pcx";
  writewhole(path, "old");
  char tmp[SAFEPATHLEN];
  ASSERT_EQ(newfilename(tmp, path.c_str()), 0);
  writewhole(tmp, "new");
  EXPECT_EQ(newnamecommit(tmp, path.c_str()), 0);
  EXPECT_EQ(readwhole(path), "new");
  EXPECT_FALSE(present(tmp));
  EXPECT_EQ(newnamecommit(tmp, path.c_str()), 1) << "nothing was written";
  EXPECT_EQ(readwhole(path), "new");
}

// The program's writers under a full disk: the old file is kept whole and
// the failure is reported.
TEST_F(SafeWrite, UserFileOnAFullDiskKeepsTheOldFile) {
  mpallegro();
  initsettings();
  day = 2459800.5;
  dFP[MPMAGLIMIT] = 14.0;
  ASSERT_EQ(MPinit(), 0) << mperror;
  ASSERT_EQ(MPreaduserfile("userast1.txt"), 7);
  ASSERT_EQ(MPwriteuserfile(scratchname("t_keep.txt")), 0);
  std::string before = readwhole(scratchpath("t_keep.txt"));
  ASSERT_GT(before.size(), 1000u);
  {
    FullDisk full(200);
    EXPECT_EQ(MPwriteuserfile(scratchname("t_keep.txt")), FAILWRITE);
  }
  EXPECT_EQ(std::string(mperror), "Error writing file: " + resolved(scratchname("t_keep.txt")));
  EXPECT_EQ(readwhole(scratchpath("t_keep.txt")), before);
  EXPECT_FALSE(present(scratchpath("t_keep.txt.new")));
  remove(scratchpath("t_keep.txt").c_str());
}

TEST_F(SafeWrite, BlockOnAFullDiskKeepsTheOldFile) {
  mpallegro();
  initsettings();
  ASSERT_EQ(MPinit(), 0) << mperror;
  ASSERT_EQ(ASTwriteblock(8), 0);
  std::string before = readwhole(runtimepath("ast008.bin"));
  {
    FullDisk full(4096);
    EXPECT_EQ(ASTwriteblock(8), FAILWRITE);
  }
  EXPECT_EQ(std::string(mperror), "Error writing file: " + resolved("ast008.bin"));
  EXPECT_EQ(readwhole(runtimepath("ast008.bin")), before);
  EXPECT_FALSE(present(runtimepath("ast008.bin.new")));
  remove(runtimepath("ast008.bin").c_str());
}

TEST_F(SafeWrite, PlacesOnAFullDiskKeepTheOldFiles) {
  std::string txt = dir + "/place.txt", dat = dir + "/place.dat";
  writewhole(txt, "old text\n");
  writewhole(dat, "old dat");
  std::string t;
  for (int i = 0; i < 40; i++) t += "P" + std::to_string(i) + std::string(70, ' ') + "1 2 3 4\n";
  FILE *f = fmemopen(const_cast<char *>(t.data()), t.size(), "rb");
  ASSERT_GT(placeread(f), 30);
  fclose(f);
  {
    FullDisk full(1000);
    EXPECT_EQ(placewritetext(txt.c_str()), 1);
    EXPECT_EQ(placewritedat(dat.c_str()), 1);
  }
  EXPECT_EQ(readwhole(txt), "old text\n");
  EXPECT_EQ(readwhole(dat), "old dat");
  EXPECT_FALSE(present(txt + ".new"));
  EXPECT_FALSE(present(dat + ".new"));
}

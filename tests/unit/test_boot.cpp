#include <gtest/gtest.h>

#include <vector>

#include "startup/boot.h"

namespace {
struct Switches {
  int depth, width, dos, debug;
};

Switches parse(std::vector<const char *> args) {
  Cdepth = 8;
  iDOS = 1;
  iDEBUG = 0;
  int width = 640;
  std::vector<char *> argv{(char *)"korvanex"};
  for (const char *a : args) argv.push_back((char *)a);
  parsecommandline((int)argv.size(), argv.data(), &width);
  return {Cdepth, width, iDOS, iDEBUG};
}
}  // namespace

TEST(CommandLine, DefaultsAndSizes) {
  Switches s = parse({});
  EXPECT_EQ(s.depth, 8);
  EXPECT_EQ(s.width, 640);
  EXPECT_EQ(s.dos, 1);
  EXPECT_EQ(s.debug, 0);

  s = parse({"1024", "16"});
  EXPECT_EQ(s.width, 1024);
  EXPECT_EQ(s.depth, 16);
  EXPECT_EQ(requestedheight(1024), 768);
  EXPECT_EQ(requestedheight(800), 600);
  EXPECT_EQ(requestedheight(640), 480);
  EXPECT_EQ(requestedheight(1280), 1024);

  s = parse({"1152", "12", "7"});
  EXPECT_EQ(s.width, 640);
  EXPECT_EQ(s.depth, 8);

  s = parse({"32", "800", "24", "1280"});
  EXPECT_EQ(s.depth, 24) << "later arguments override earlier ones";
  EXPECT_EQ(s.width, 1280);

  s = parse({"15x"});
  EXPECT_EQ(s.depth, 15) << "leading digits count, as atoi reads them";
}

TEST(CommandLine, LetterSwitchesTestOnlyTheFirstCharacter) {
  Switches s = parse({"bd"});
  EXPECT_EQ(s.dos, 0);
  EXPECT_EQ(s.debug, 0);

  s = parse({"b", "d"});
  EXPECT_EQ(s.dos, 0);
  EXPECT_EQ(s.debug, 1);

  s = parse({"B", "D", "db"});
  EXPECT_EQ(s.dos, 1) << "upper case does nothing";
  EXPECT_EQ(s.debug, 1);
}

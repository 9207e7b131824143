// The whole-catalogue path on a generated MPCORB.DAT: the converter keeps
// each line's elements, G and epoch and a passage that gives back its mean
// anomaly; the program pages through the result and the field check
// streams all of it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/settings.h"
#include "minorplanets/astbin.h"
#include "minorplanets/elements.h"
#include "minorplanets/fieldcheck.h"
#include "minorplanets/placekernel.h"
#include "mp_fixtures.h"

TEST(MpcorbFull, GeneratedFileConvertsAndIsReadWhole) {
  mpallegro();
  initsettings();
  dFP[MPMAGLIMIT] = 99.0;
  const int lines = 5000;
  std::string src = runtimepath(scratchname("t_full.dat")), out = runtimepath(scratchname("t_full.bin"));
  std::string dir = KORVANEX_SOURCE_DIR;
  std::string cmd = "/usr/bin/python3 " + dir + "/tools/mkmpcorbtest " + runtimepath("astdat.bin") + " " +
                    std::to_string(lines) + " " + src + " && /usr/bin/python3 " + dir + "/tools/mkastdat --mpcorb " +
                    src + " --planet-states " + dir + "/tests/data/planetstate_2459000.5.json " + out + " > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  // Every line against its record, read back by the columns of the format.
  FILE *f = fopen(out.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  int32_t count = 0;
  ASSERT_EQ(fread(&count, 4, 1, f), 1u);
  ASSERT_EQ(count, MPPLANETS + lines);
  fseek(f, 4 + 84L * MPPLANETS, SEEK_SET);
  std::ifstream in(src);
  std::string line;
  int row = 0, numbered = 0, far = 0;
  while (std::getline(in, line)) {
    if (line.size() < 200 || line[20] != 'K') continue;
    mprec r;
    ASSERT_EQ(fread(&r, sizeof r, 1, f), 1u);
    auto col = [&](int a, int b) { return line.substr(a, b - a); };
    SCOPED_TRACE(line);
    EXPECT_EQ(r.epoch, 2459000);  // K205V: 2020 May 31 0h, JD 2459000.5
    EXPECT_EQ(r.hmag, std::stof(col(8, 13)));
    std::string g = col(14, 19);
    EXPECT_EQ(r.fixed1, g == "     " ? 0.15f : std::stof(g)) << "G kept";
    EXPECT_EQ(r.meananom, std::stof(col(26, 35)));
    EXPECT_EQ(r.argperi, std::stof(col(37, 46)));
    EXPECT_EQ(r.ascnode, std::stof(col(48, 57)));
    EXPECT_EQ(r.inc, std::stof(col(59, 68)));
    EXPECT_EQ(r.ecc, std::stof(col(70, 79)));
    EXPECT_EQ(r.semiaxis, std::stof(col(92, 103)));
    if (line[166] == '(') {
      EXPECT_EQ(r.number, std::stoi(col(167, 180)));
      numbered++;
    } else {
      EXPECT_EQ(r.number, 0);
      EXPECT_EQ(std::string(r.name), col(166, 194).substr(0, col(166, 194).find_last_not_of(' ') + 1));
    }
    // The passage kept for display is the one nearest the epoch (to a
    // quarter day: the record keeps it as a float); the program places the
    // object from the mean anomaly itself.
    double off = fabs(r.peritime - (r.epoch + 0.5)), half = 180.0 / r.daily;
    if (off > half) far++;
    EXPECT_LE(off, half + 0.5);
    row++;
  }
  fclose(f);
  EXPECT_EQ(row, lines);
  EXPECT_EQ(numbered, lines * 3 / 4);
  EXPECT_LT(far, lines / 1000);
  // A page far into the file, and the whole file checked.
  ASSERT_EQ(ASTreadfile(4500, scratchname("t_full.bin")), 0);
  EXPECT_EQ(iAstPage, 1);
  EXPECT_EQ(fieldcheck(scratchname("t_full.bin"), 2461000.5, 12.0, 0.0, 3600.0, 0, 0) >= 0, true);
  EXPECT_EQ(field.placed, lines);
}

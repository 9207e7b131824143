#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "allegro_env.h"
#include "chart/starcat.h"
#include "starcat_fixture.h"

namespace {

// One tyc2.dat line: fixed columns (1-based) as documented for CDS I/259.
std::string tyc2line(int t1, int t2, int t3, char pflag, double ramean, double demean, double bt, double vt,
                     int hip, double raobs, double deobs) {
  std::string l(206, ' ');
  auto put = [&l](int col, const std::string &s) { l.replace(col - 1, s.size(), s); };
  char buf[32];
  snprintf(buf, sizeof buf, "%04d", t1);
  put(1, buf);
  snprintf(buf, sizeof buf, "%05d", t2);
  put(6, buf);
  put(12, std::to_string(t3));
  for (int c : {5, 11, 13, 15, 28, 41, 110, 117, 123, 130, 136, 140, 142, 152, 165, 178}) put(c, "|");
  l[13] = pflag;
  if (pflag != 'X') {
    snprintf(buf, sizeof buf, "%12.8f", ramean);
    put(16, buf);
    snprintf(buf, sizeof buf, "%12.8f", demean);
    put(29, buf);
  }
  snprintf(buf, sizeof buf, "%6.3f", bt);
  put(111, buf);
  snprintf(buf, sizeof buf, "%6.3f", vt);
  put(124, buf);
  if (hip) {
    snprintf(buf, sizeof buf, "%6d", hip);
    put(143, buf);
  }
  snprintf(buf, sizeof buf, "%12.8f", raobs);
  put(153, buf);
  snprintf(buf, sizeof buf, "%12.8f", deobs);
  put(166, buf);
  return l + "\n";
}

}  // namespace

TEST(TycStarTool, TychoTwoInputGivesGenuineIdentifiers) {
  std::string dir = "/tmp/korvanex_tyc2_" + std::to_string(getpid());
  ASSERT_EQ(system(("mkdir -p " + dir).c_str()), 0);
  std::string in = dir + "/tyc2.dat";
  FILE *f = fopen(in.c_str(), "w");
  fputs(tyc2line(3000, 807, 1, ' ', 150.0, 45.5, 7.0, 6.5, 0, 150.001, 45.501).c_str(), f);  // V 6.455
  fputs(tyc2line(9537, 12121, 3, 'X', 0, 0, 9.1, 8.6, 0, 300.0, -80.25).c_str(), f);        // observed place
  fputs(tyc2line(1, 1, 1, ' ', 12.0, 1.0, 7.9, 7.6, 0, 12.0, 1.0).c_str(), f);               // V 7.573
  fclose(f);
  std::string cmd = "/usr/bin/python3 " + std::string(KORVANEX_SOURCE_DIR) + "/tools/tycstar.py --tyc2 " + in +
                    " --out " + dir + " > /dev/null";
  ASSERT_EQ(system(cmd.c_str()), 0);
  startallegro(32);
  std::string out = dir + "/tycstar.bin";
  ASSERT_EQ(loadstarfile(out.c_str(), out.c_str()), 0);
  EXPECT_EQ(Snum7, 1);
  EXPECT_EQ(Snum8, 1);
  EXPECT_EQ(Snum9, 1);
  EXPECT_EQ(iStarIndexed, 1);
  catnum = 0;
  char name[STARNAMELEN];
  getstarname(0, name);
  EXPECT_STREQ(name, "3000-807-1");
  EXPECT_EQ(star[0].mag100, 646);  // VT - 0.090 (BT - VT)
  EXPECT_NEAR(star[0].rahours, 10.0, 1e-5);
  EXPECT_NEAR(star[0].decdeg, 45.5, 1e-5);
  EXPECT_EQ(star[0].spclass, 'F');  // B-V 0.425, derived: no subclass
  EXPECT_EQ(star[0].spsub, ' ');
  getstarname(1, name);
  EXPECT_STREQ(name, "1-1-1");
  getstarname(2, name);
  EXPECT_STREQ(name, "9537-12121-3");
  EXPECT_NEAR(star[2].rahours, 20.0, 1e-5);
  EXPECT_NEAR(star[2].decdeg, -80.25, 1e-5);
  std::string out7 = dir + "/tycstar7.bin";
  ASSERT_EQ(loadstarfile("/nonexistent", out7.c_str()), 0);
  EXPECT_EQ(Snum, 1);
  ASSERT_EQ(system(("rm -rf " + dir).c_str()), 0);
}

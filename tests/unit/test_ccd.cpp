#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "chart/ccd.h"
#include "base/settings.h"
#include "ui/windows.h"
#include "ui/listpages.h"

namespace {

class Ccd : public ::testing::Test {
 protected:
  void SetUp() override {
    initsettings();
    dFP[TELFOCAL] = 1000;
  }
};

}  // namespace

TEST_F(Ccd, CameraZeroAtAMetreFocalLength) {
  EXPECT_EQ(loadccd(0), 0);
  EXPECT_NEAR(dFP[CCDFIELDH], 23.72, 0.005);
  EXPECT_NEAR(dFP[CCDFIELDV], 15.81, 0.005);
  EXPECT_STREQ(chSTR[CCDTYPE], "Apogee AP1");
  EXPECT_STREQ(chSTR[CCDCHIP], "KAF-0400");
  EXPECT_EQ(iNT[CCDPIXH], 768);
  EXPECT_EQ(iNT[CCDPIXV], 512);
  EXPECT_DOUBLE_EQ(dFP[CCDCHIPH], (double)6.9f);
  EXPECT_EQ(iCCD, 0);
  EXPECT_EQ(iNT[CCDNUM], 0);
}

TEST_F(Ccd, NumbersOutsideTheTableSelectCameraZero) {
  loadccd(5);
  EXPECT_EQ(loadccd(27), 0);
  EXPECT_STREQ(chSTR[CCDTYPE], "Apogee AP1");
  loadccd(5);
  EXPECT_EQ(loadccd(-1), 0);
  EXPECT_EQ(iNT[CCDNUM], 0);
  EXPECT_EQ(loadccd(26), 26);
  EXPECT_STREQ(chSTR[CCDTYPE], "SBIG ST237");
  EXPECT_EQ(initccd(13), 13);
  EXPECT_STREQ(chSTR[CCDCHIP], "ICX249AK");
}

TEST_F(Ccd, FocalLengthZeroBecomesAMetre) {
  dFP[TELFOCAL] = 0;
  loadccd(0);
  EXPECT_DOUBLE_EQ(dFP[TELFOCAL], 1000.0);
  EXPECT_NEAR(dFP[CCDFIELDH], 23.72, 0.005);
  dFP[TELFOCAL] = -5;
  loadccd(1);
  EXPECT_DOUBLE_EQ(dFP[TELFOCAL], 1000.0);
}

TEST_F(Ccd, EditedFieldsGiveTheFieldOfView) {
  loadccd(0);
  dFP[TELFOCAL] = 500;
  dFP[CCDCHIPV] = 9.2;
  ccdfov();
  EXPECT_NEAR(dFP[CCDFIELDH], 2 * 23.72, 0.01);
  EXPECT_NEAR(dFP[CCDFIELDV], 9.2 * 206256.0 / 500 / 60, 1e-9);
  // The table itself is unchanged by the edits.
  loadccd(0);
  EXPECT_NEAR(dFP[CCDFIELDV], 4.6f * 206256.0 / 500 / 60, 1e-9);
}

TEST_F(Ccd, ThirdPageOfTenLines) {
  loadccd(23);
  EXPECT_EQ(ccdlist(2, 20, 10), 7);
  EXPECT_STREQ(achDLine[0], "CCD Selection (27 on file) Page 3/3 ");
  EXPECT_STREQ(achDLine[1], "No.  CCD Type             Chip            Chip Size    Pixels");
  EXPECT_STREQ(achDLine[2], "20  SBIG ST4             TC-211           2.6  2.6  192  165");
  EXPECT_STREQ(achDLine[8], "26  SBIG ST237           TC-237           4.9  3.7  657  495");
  for (int k = 0; k < 7; k++) EXPECT_EQ(achDLine[2 + k][78], k == 3 ? 'C' : 0) << k;
  EXPECT_EQ(ccdlist(2, 0, 10), 10);
  EXPECT_STREQ(achDLine[0], "CCD Selection (27 on file) Page 1/3 ");
  EXPECT_EQ(ccdlist(2, 0, 0), 0);
}

// Every value against the makers' figures (tests/data/ccd_sheets.txt): the
// area is pixels x pixel size; the SBIG ST6 at 1000 mm covers 30' x 22'.
TEST_F(Ccd, EveryCameraOfTheTable) {
  FILE *f = fopen(KORVANEX_SOURCE_DIR "/tests/data/ccd_sheets.txt", "r");
  ASSERT_NE(f, nullptr);
  char line[160], name[32], chip[16];
  int i = 0, ph, pv;
  double pw, phg;
  while (fgets(line, sizeof line, f))
    if (line[0] != '#' && sscanf(line, "%31[^|]|%15[^|]|%d|%d|%lf|%lf", name, chip, &ph, &pv, &pw, &phg) == 6) {
      ASSERT_LT(i, CCDCOUNT);
      const ccdrec &c = ccd[i++];
      EXPECT_EQ(std::string(c.name) + c.chip + " " + std::to_string(c.pixh) + " " + std::to_string(c.pixv),
                std::string(name) + chip + " " + std::to_string(ph) + " " + std::to_string(pv));
      EXPECT_EQ(c.pixw, (float)pw) << name;
      EXPECT_EQ(c.pixhgt, (float)phg) << name;
      EXPECT_NEAR(c.chipw, ph * pw / 1000, 0.05) << name;
      EXPECT_NEAR(c.chiph, pv * phg / 1000, 0.05) << name;
    }
  fclose(f);
  EXPECT_EQ(i, CCDCOUNT);
  loadccd(22);
  EXPECT_NEAR(dFP[CCDFIELDH], 29.7, 0.3);
  EXPECT_NEAR(dFP[CCDFIELDV], 22.5, 0.3);
}

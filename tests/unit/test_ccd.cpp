#include <gtest/gtest.h>

#include <cstring>

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
  EXPECT_STREQ(achDLine[8], "26  SBIG ST237           TC-237           4.7  3.6  640  480");
  for (int k = 0; k < 7; k++) EXPECT_EQ(achDLine[2 + k][78], k == 3 ? 'C' : 0) << k;
  EXPECT_EQ(ccdlist(2, 0, 10), 10);
  EXPECT_STREQ(achDLine[0], "CCD Selection (27 on file) Page 1/3 ");
  EXPECT_EQ(ccdlist(2, 0, 0), 0);
}

TEST_F(Ccd, EveryCameraOfTheTable) {
  static const char *const kNames[CCDCOUNT] = {
      "Apogee AP1",      "Apogee AP2",       "Apogee AP4",      "Apogee AP6",    "Apogee AP7",
      "Apogee AP8",      "Apogee AP9",       "HiSis22",         "Lynxx 2000",    "Pictor 416",
      "Pictor 208",      "Pictor 216",       "Pictor 1616",     "Starlight MX7-C", "Starlight HX516",
      "Starlight MX516", "Starlight MX516C", "Starlight MX916", "Starlight SXF", "Starlight SXL8",
      "SBIG ST4",        "SBIG ST5",         "SBIG ST6",        "SBIG ST7",      "SBIG ST8",
      "SBIG ST9",        "SBIG ST237"};
  for (int i = 0; i < CCDCOUNT; i++) {
    EXPECT_STREQ(ccd[i].name, kNames[i]);
    EXPECT_GT(ccd[i].chipw, 2.5f);
    EXPECT_GT(ccd[i].pixh, 100);
  }
  EXPECT_EQ(ccd[22].chiph, 27.0f);
  EXPECT_EQ(ccd[13].chipw, 6.47f);
  EXPECT_EQ(iCCDmax, 26);
}

#include <gtest/gtest.h>

#include <cstring>

#include "chart/ccd.h"
#include "startup/settings.h"
#include "ui/windows.h"

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

// Every value of the table against the makers' published sensor figures
// (pixel counts and pixel sizes in micrometres; the imaging area is their
// product). The SBIG ST6 (TC-241) at 1000 mm covers about 30' x 22'.
TEST_F(Ccd, EveryCameraOfTheTable) {
  struct Published {
    const char *name, *chip;
    int pixh, pixv;
    double pixw, pixhgt;
  };
  static const Published kSheets[CCDCOUNT] = {
      {"Apogee AP1", "KAF-0400", 768, 512, 9, 9},          {"Apogee AP2", "KAF-1600", 1536, 1024, 9, 9},
      {"Apogee AP4", "KAF-4200", 2048, 2048, 9, 9},        {"Apogee AP6", "KAF-1000", 1024, 1024, 24, 24},
      {"Apogee AP7", "SI-502AB", 512, 512, 24, 24},        {"Apogee AP8", "SI-003AB", 1024, 1024, 24, 24},
      {"Apogee AP9", "KAF-6300", 3072, 2048, 9, 9},        {"HiSis22", "KAF-0400", 768, 512, 9, 9},
      {"Lynxx 2000", "TC-255", 320, 240, 10, 10},          {"Pictor 416", "KAF-0400", 768, 512, 9, 9},
      {"Pictor 208", "TC-255", 336, 242, 10, 10},          {"Pictor 216", "TC-255", 336, 242, 10, 10},
      {"Pictor 1616", "KAF-1600", 1536, 1024, 9, 9},       {"Starlight MX7-C", "ICX249AK", 752, 582, 8.6, 8.3},
      {"Starlight HX516", "ICX084AL", 659, 494, 7.4, 7.4}, {"Starlight MX516", "ICX055AL", 500, 290, 9.8, 12.6},
      {"Starlight MX516C", "ICX055CK", 500, 290, 9.8, 12.6}, {"Starlight MX916", "ICX083AL", 752, 582, 11.6, 11.2},
      {"Starlight SXF", "ICX027BL-6", 500, 256, 12.4, 16.6}, {"Starlight SXL8", "FT-12", 512, 512, 15, 15},
      {"SBIG ST4", "TC-211", 192, 165, 13.75, 16},         {"SBIG ST5", "TC-255", 320, 240, 10, 10},
      {"SBIG ST6", "TC-241", 375, 242, 23, 27},            {"SBIG ST7", "KAF-0400", 768, 512, 9, 9},
      {"SBIG ST8", "KAF-1600", 1536, 1024, 9, 9},          {"SBIG ST9", "KAF-0261E", 512, 512, 20, 20},
      {"SBIG ST237", "TC-237", 657, 495, 7.4, 7.4}};
  for (int i = 0; i < CCDCOUNT; i++) {
    const Published &p = kSheets[i];
    EXPECT_STREQ(ccd[i].name, p.name);
    EXPECT_STREQ(ccd[i].chip, p.chip) << p.name;
    EXPECT_EQ(ccd[i].pixh, p.pixh) << p.name;
    EXPECT_EQ(ccd[i].pixv, p.pixv) << p.name;
    EXPECT_NEAR(ccd[i].pixw, p.pixw, 1e-5) << p.name;
    EXPECT_NEAR(ccd[i].pixhgt, p.pixhgt, 1e-5) << p.name;
    EXPECT_NEAR(ccd[i].chipw, p.pixh * p.pixw / 1000, 0.05) << p.name;
    EXPECT_NEAR(ccd[i].chiph, p.pixv * p.pixhgt / 1000, 0.05) << p.name;
  }
  dFP[TELFOCAL] = 1000;
  loadccd(22);
  EXPECT_NEAR(dFP[CCDFIELDH], 29.7, 0.3);
  EXPECT_NEAR(dFP[CCDFIELDV], 22.5, 0.3);
  EXPECT_EQ(iCCDmax, 26);
}

#include <gtest/gtest.h>

#include "base/settings.h"

TEST(Settings, InitialValuesBeforeTheDatabase) {
  initsettings();
  EXPECT_EQ(iNT[1], 8);
  EXPECT_EQ(iNT[21], 1);
  EXPECT_EQ(iNT[23], 1);
  EXPECT_EQ(iNT[5], 0);
  EXPECT_STREQ(chSTR[1], "CERES");
  EXPECT_STREQ(chSTR[2], "astdat.bin");
  EXPECT_STREQ(chSTR[3], "userast1.txt");
  EXPECT_STREQ(chSTR[4], "ast001");
  for (int i = 5; i <= 9; i++) EXPECT_STREQ(chSTR[i], " ") << i;
  EXPECT_STREQ(chSTR[10], "FILES/");
  EXPECT_STREQ(chSTR[12], "MX5-C");
  EXPECT_STREQ(chSTR[13], "Binocs");
  const int len[14] = {14, 16, 14, 14, 14, 28, 28, 15, 4, 14, 38, 38, 18, 14};
  for (int i = 0; i < 14; i++) EXPECT_EQ(lenstr[i], len[i]) << i;
  // Every limit is 0..0 except the record limit.
  for (int i = 0; i < 40; i++) {
    EXPECT_EQ(iLO[i], 0) << i;
    EXPECT_EQ(iHI[i], i == 1 ? 1050 : 0) << i;
    EXPECT_EQ(dLO[i], 0) << i;
    EXPECT_EQ(dHI[i], 0) << i;
  }
}

TEST(Settings, EditLimits) {
  initsettings();
  EXPECT_EQ(setdefaults(), 0);
  EXPECT_EQ(iLO[3], 2000000);
  EXPECT_EQ(iHI[3], 3000000);
  EXPECT_EQ(iHI[6], 99);
  EXPECT_EQ(iHI[7], 1000);
  EXPECT_EQ(iLO[15], 1);
  EXPECT_EQ(iHI[15], 12);
  EXPECT_EQ(iHI[18], 59);
  EXPECT_EQ(iHI[31], 26);
  EXPECT_EQ(iHI[19], 0) << "appulse limit is set by the search";
  EXPECT_EQ(iHI[1], 99999) << "the record limit is set again by the database read";
  EXPECT_DOUBLE_EQ(dLO[12], -180);
  EXPECT_DOUBLE_EQ(dHI[12], 360);
  EXPECT_DOUBLE_EQ(dLO[25], 0.1);
  EXPECT_DOUBLE_EQ(dHI[25], 99.9);
  for (int i = 29; i <= 32; i++) {
    EXPECT_DOUBLE_EQ(dLO[i], 0.1) << i;
    EXPECT_DOUBLE_EQ(dHI[i], 999.9) << i;
  }
  EXPECT_DOUBLE_EQ(dLO[38], 0);
  EXPECT_DOUBLE_EQ(dHI[38], 10);
  EXPECT_DOUBLE_EQ(dHI[39], 0) << "slots not named keep 0..0";
  EXPECT_DOUBLE_EQ(dLO[11], 1);
  EXPECT_DOUBLE_EQ(dHI[11], 1000);
}

// The slot names are the numbers the project file stores: renumbering one
// would read every saved project wrongly.
TEST(Settings, SlotNamesKeepTheirNumbers) {
  EXPECT_EQ(MPRECORD, 1);
  EXPECT_EQ(MPSTART, 4);
  EXPECT_EQ(USERMPS, 5);
  EXPECT_EQ(STARRECORD, 8);
  EXPECT_EQ(MENUYEAR, 14);
  EXPECT_EQ(MENUMINUTE, 18);
  EXPECT_EQ(MPLISTFONT, 21);
  EXPECT_EQ(SOUTHUP, 22);
  EXPECT_EQ(STARLISTFONT, 23);
  EXPECT_EQ(MPSORT, 25);
  EXPECT_EQ(CCDNUM, 31);
  EXPECT_EQ(CCDPIXV, 33);
  EXPECT_EQ(PLACELONG, 12);
  EXPECT_EQ(MENUJDAY, 15);
  EXPECT_EQ(CHARTRA, 20);
  EXPECT_EQ(MPMAGLIMIT, 37);
  EXPECT_EQ(APPULSEDIST, 38);
  EXPECT_EQ(DATABASEFILE, 2);
  EXPECT_EQ(PROJECTNAME, 4);
  EXPECT_EQ(CCDCHIP, 13);
  EXPECT_EQ(SHOWGRID, 9);
  EXPECT_EQ(PLOTMPS, 11);
  EXPECT_EQ(CURSORLOCK, 15);
  EXPECT_EQ(STARIMAGES, 19);
}

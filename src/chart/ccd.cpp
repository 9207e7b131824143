#include "chart/ccd.h"

#include <cstdio>

#include "base/settings.h"

// Pixel counts and pixel sizes as the sensor makers publish them (Kodak
// KAF, SITe, Texas Instruments TC, Sony ICX, Philips FT sheets; binned
// modes as the camera makers ship them); the imaging area is their
// product, to the tenth of a millimetre the makers give.
const ccdrec ccd[CCDCOUNT] = {
    {"Apogee AP1", "KAF-0400", 6.9f, 4.6f, 768, 512, 9, 9},
    {"Apogee AP2", "KAF-1600", 13.8f, 9.2f, 1536, 1024, 9, 9},
    {"Apogee AP4", "KAF-4200", 18.4f, 18.4f, 2048, 2048, 9, 9},
    {"Apogee AP6", "KAF-1000", 24.6f, 24.6f, 1024, 1024, 24, 24},
    {"Apogee AP7", "SI-502AB", 12.3f, 12.3f, 512, 512, 24, 24},
    {"Apogee AP8", "SI-003AB", 24.6f, 24.6f, 1024, 1024, 24, 24},
    {"Apogee AP9", "KAF-6300", 27.6f, 18.4f, 3072, 2048, 9, 9},
    {"HiSis22", "KAF-0400", 6.9f, 4.6f, 768, 512, 9, 9},
    {"Lynxx 2000", "TC-255", 3.2f, 2.4f, 320, 240, 10, 10},
    {"Pictor 416", "KAF-0400", 6.9f, 4.6f, 768, 512, 9, 9},
    {"Pictor 208", "TC-255", 3.4f, 2.4f, 336, 242, 10, 10},
    {"Pictor 216", "TC-255", 3.4f, 2.4f, 336, 242, 10, 10},
    {"Pictor 1616", "KAF-1600", 13.8f, 9.2f, 1536, 1024, 9, 9},
    {"Starlight MX7-C", "ICX249AK", 6.47f, 4.83f, 752, 582, 8.6f, 8.3f},
    {"Starlight HX516", "ICX084AL", 4.9f, 3.7f, 659, 494, 7.4f, 7.4f},
    {"Starlight MX516", "ICX055AL", 4.9f, 3.7f, 500, 290, 9.8f, 12.6f},
    {"Starlight MX516C", "ICX055CK", 4.9f, 3.7f, 500, 290, 9.8f, 12.6f},
    {"Starlight MX916", "ICX083AL", 8.7f, 6.5f, 752, 582, 11.6f, 11.2f},
    {"Starlight SXF", "ICX027BL-6", 6.2f, 4.2f, 500, 256, 12.4f, 16.6f},
    {"Starlight SXL8", "FT-12", 7.7f, 7.7f, 512, 512, 15, 15},
    {"SBIG ST4", "TC-211", 2.6f, 2.6f, 192, 165, 13.75f, 16},
    {"SBIG ST5", "TC-255", 3.2f, 2.4f, 320, 240, 10, 10},
    {"SBIG ST6", "TC-241", 8.6f, 6.5f, 375, 242, 23, 27},
    {"SBIG ST7", "KAF-0400", 6.9f, 4.6f, 768, 512, 9, 9},
    {"SBIG ST8", "KAF-1600", 13.8f, 9.2f, 1536, 1024, 9, 9},
    {"SBIG ST9", "KAF-0261E", 10.2f, 10.2f, 512, 512, 20, 20},
    {"SBIG ST237", "TC-237", 4.9f, 3.7f, 657, 495, 7.4f, 7.4f},
};
const int iCCDmax = CCDCOUNT - 1;
int iCCD;

static const double kArcsecPerRad = 206256.0;
static const double kArcsecPerArcmin = 60.0;
static const double kDefaultFocal = 1000.0;  // mm

int ccdfov() {
  if (!(dFP[TELFOCAL] > 0)) dFP[TELFOCAL] = kDefaultFocal;
  dFP[CCDFIELDH] = dFP[CCDCHIPH] * kArcsecPerRad / dFP[TELFOCAL] / kArcsecPerArcmin;
  dFP[CCDFIELDV] = dFP[CCDCHIPV] * kArcsecPerRad / dFP[TELFOCAL] / kArcsecPerArcmin;
  return 0;
}

int loadccd(int n) {
  if (n < 0 || n > iCCDmax) n = 0;
  if (!(dFP[TELFOCAL] > 0)) dFP[TELFOCAL] = kDefaultFocal;
  const ccdrec &c = ccd[n];
  iCCD = iNT[CCDNUM] = n;
  snprintf(chSTR[CCDTYPE], sizeof chSTR[CCDTYPE], "%.23s", c.name);
  snprintf(chSTR[CCDCHIP], sizeof chSTR[CCDCHIP], "%.15s", c.chip);
  dFP[CCDCHIPH] = c.chipw;
  dFP[CCDCHIPV] = c.chiph;
  iNT[CCDPIXH] = c.pixh;
  iNT[CCDPIXV] = c.pixv;
  ccdfov();
  return n;
}

int initccd(int n) { return loadccd(n); }


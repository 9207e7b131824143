#include "base/settings.h"

#include <cstdio>
#include <cstring>

int iNT[INTSLOTS];
double dFP[REALSLOTS];
char chSTR[14][40];
int flag[FLAGSLOTS];
int lenstr[16];
int iLO[INTSLOTS], iHI[INTSLOTS];
double dLO[REALSLOTS], dHI[REALSLOTS];

static const int kLenstr[14] = {14, 16, 14, 14, 14, 28, 28, 15, 4, 14, 38, 38, 18, 14};

static const char *const kInitialText[14] = {
    "", "CERES", "astdat.bin", "userast1.txt", "ast001", " ", " ",
    " ", " ", " ", "FILES/", "FILES/", "MX5-C", "Binocs"};

struct IntLimit {
  int slot, lo, hi;
};
static const IntLimit kIntLimits[] = {
    {MPRECORD, 0, 99999},
    {MPNUMBER, 0, 99999},
    {MPEPOCH, 2000000, 3000000},
    {MPSTART, 0, 99999},
    {USERMPS, 0, 99999},
    {PLACENUM, 0, 99},
    {OBSCODE, 0, 1000},
    {STARRECORD, 0, 999999},
    {STARNUMBER, 0, 999999},
    {STARCLASS, 0, 20},
    {EPHEMLINES, 0, 100},
    {12, 1, 32000},
    {13, 1, 32000},
    {MENUYEAR, 0, 9999},
    {MENUMONTH, 1, 12},
    {MENUDAY, 1, 31},
    {MENUHOUR, 0, 23},
    {MENUMINUTE, 0, 59},
    {CCDNUM, 0, 26},
    {CHARTZOOM, 0, 12},  // the chart's deepest zoom
    {CHARTCATALOGUE, 0, 1},
    {FIXEDINSTANT, 0, 1},
    // The pixel counts of the CCD fields take the bounds of the two
    // slots that no field edits: a chip of 0 pixels is no chip.
    {CCDPIXH, 1, 32000},
    {CCDPIXV, 1, 32000},
    {MINALTITUDE, -90, 90},
    {FIELDRADIUS, 0, 36000},
    {APPROACHSEP, 0, 3600},
    {APPROACHDAYS, 0, 366},
    {TONIGHTMINUTES, 0, 1440},
};

struct RealLimit {
  int slot;
  double lo, hi;
};
static const RealLimit kRealLimits[] = {
    {MPMAGH, -99, 99},
    {MPMEANANOM, 0, 360},
    {MPARGPERI, 0, 360},
    {MPNODE, 0, 360},
    {MPINCL, -360, 360},
    {MPECC, 0, 1},
    {MPMOTION, -99, 99},
    {MPAXIS, 0, 99},
    {MPPERIOD, 0, 9999},
    {MPPERIPASS, 2, 3000000},
    {11, 1, 1000},
    {PLACELONG, -180, 360},
    {PLACELAT, -90, 90},
    {PLACEZONE, -12, 12},
    {MENUJDAY, 2, 3000000},
    {STARRA, 0, 24},
    {STARDEC, -90, 90},
    {STARMAG, -99, 99},
    {STARMAGLIMIT, -99, 99},
    {CHARTRA, 0, 24},
    {CHARTDEC, -90, 90},
    {EPHEMSTEP, -1000, 1000},
    {EPHEMSTART, 2, 3000000},
    {TELAPERTURE, 1, 9999},
    {25, 0.1, 99.9},
    {TELFOCAL, 1, 999999},
    {TELRA, 0, 24},
    {TELDEC, -90, 90},
    {CCDCHIPH, 0.1, 999.9},
    {CCDCHIPV, 0.1, 999.9},
    {CCDFIELDH, 0.1, 999.9},
    {CCDFIELDV, 0.1, 999.9},
    {CHARTCENTRERA, 0, 24},
    {CHARTCENTREDEC, -90, 90},
    {TONIGHTMINALT, -10, 90},
    {TONIGHTMAGLIMIT, -30, 40},
    {MPMAGLIMIT, 0, 99},
    {APPULSEDIST, 0, 10},
    {APPROACHSTARMAG, -2, 20},
};

int editlimits(int *ilo, int *ihi, double *dlo, double *dhi) {
  for (int i = 0; i < INTSLOTS; i++) ilo[i] = ihi[i] = 0;
  for (int i = 0; i < REALSLOTS; i++) dlo[i] = dhi[i] = 0;
  for (const IntLimit &l : kIntLimits) {
    ilo[l.slot] = l.lo;
    ihi[l.slot] = l.hi;
  }
  for (const RealLimit &l : kRealLimits) {
    dlo[l.slot] = l.lo;
    dhi[l.slot] = l.hi;
  }
  return 0;
}

int setdefaults() { return editlimits(iLO, iHI, dLO, dHI); }

bool withinlimits(int slot, double v) {
  for (const RealLimit &l : kRealLimits)
    if (l.slot == slot) return v >= l.lo && v <= l.hi;
  return false;
}

void initsettings() {
  memset(iNT, 0, sizeof iNT);
  memset(dFP, 0, sizeof dFP);
  memset(flag, 0, sizeof flag);
  memset(lenstr, 0, sizeof lenstr);
  memset(iLO, 0, sizeof iLO);
  memset(iHI, 0, sizeof iHI);
  memset(dLO, 0, sizeof dLO);
  memset(dHI, 0, sizeof dHI);
  for (int i = 0; i < 14; i++) {
    snprintf(chSTR[i], sizeof chSTR[i], "%s", kInitialText[i]);
    lenstr[i] = kLenstr[i];
  }
  iNT[MPRECORD] = 8;
  iNT[MPLISTFONT] = 1;
  iNT[STARLISTFONT] = 1;
  iNT[TONIGHTMINUTES] = 30;
  dFP[TONIGHTMINALT] = 30.0;
  dFP[TONIGHTMAGLIMIT] = 16.0;
  iHI[MPRECORD] = 1050;
  // Fields with limits start inside them, so that a project saved before
  // they were edited comes back as it was saved.
  dFP[TELAPERTURE] = 200;
  dFP[CHARTCENTRERA] = 12;
}

#include "startup/settings.h"

#include <cstdio>
#include <cstring>

int iNT[40];
double dFP[40];
char chSTR[14][40];
int flag[20];
int lenstr[16];
int iLO[40], iHI[40];
double dLO[40], dHI[40];

static const int kLenstr[14] = {14, 16, 14, 14, 14, 28, 28, 15, 4, 14, 38, 38, 18, 14};

static const char *const kInitialText[14] = {
    "", "CERES", "astdat.bin", "userast1.txt", "ast001", " ", " ",
    " ", " ", " ", "FILES/", "FILES/", "MX5-C", "Binocs"};

struct IntLimit {
  int slot, lo, hi;
};
static const IntLimit kIntLimits[] = {
    {1, 0, 99999},  {2, 0, 99999},        {3, 2000000, 3000000}, {4, 0, 99999},
    {5, 0, 99999},  {6, 0, 99},           {7, 0, 1000},          {8, 0, 999999},
    {9, 0, 999999}, {10, 0, 20},          {11, 0, 100},          {12, 1, 32000},
    {13, 1, 32000}, {14, 0, 9999},        {15, 1, 12},           {16, 1, 31},
    {17, 0, 23},    {18, 0, 59},          {31, 0, 26},
    // The pixel counts of the CCD fields take the bounds of the two
    // slots that no field edits: a chip of 0 pixels is no chip.
    {CCDPIXH, 1, 32000}, {CCDPIXV, 1, 32000},
};

struct RealLimit {
  int slot;
  double lo, hi;
};
static const RealLimit kRealLimits[] = {
    {1, -99, 99},    {2, 0, 360},       {3, 0, 360},        {4, 0, 360},   {5, -360, 360},
    {6, 0, 1},       {7, -99, 99},      {8, 0, 99},         {9, 0, 9999},  {10, 2, 3000000},
    {11, 1, 1000},   {12, -180, 360},   {13, -90, 90},      {14, -12, 12}, {15, 2, 3000000},
    {16, 0, 24},     {17, -90, 90},     {18, -99, 99},      {19, -99, 99}, {20, 0, 24},
    {21, -90, 90},   {22, -1000, 1000}, {23, 2, 3000000},   {24, 1, 9999}, {25, 0.1, 99.9},
    {26, 1, 999999}, {27, 0, 24},       {28, -90, 90},      {29, 0.1, 999.9}, {30, 0.1, 999.9},
    {31, 0.1, 999.9}, {32, 0.1, 999.9}, {33, 0, 24},        {34, -90, 90}, {35, 0, 24},
    {36, -90, 90},   {37, 0, 99},       {38, 0, 10},
};

int setdefaults() {
  for (int i = 0; i < 40; i++) {
    iLO[i] = iHI[i] = 0;
    dLO[i] = dHI[i] = 0;
  }
  for (const IntLimit &l : kIntLimits) {
    iLO[l.slot] = l.lo;
    iHI[l.slot] = l.hi;
  }
  for (const RealLimit &l : kRealLimits) {
    dLO[l.slot] = l.lo;
    dHI[l.slot] = l.hi;
  }
  return 0;
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
  iNT[1] = 8;
  iNT[21] = 1;
  iNT[23] = 1;
  iHI[1] = 1050;
}

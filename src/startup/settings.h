// Shared settings arrays, their edit limits and initial values.
#pragma once

extern int iNT[40];
extern double dFP[40];
extern char chSTR[14][40];
extern int flag[20];
extern int lenstr[16];
extern int iLO[40], iHI[40];
extern double dLO[40], dHI[40];

// Fills the edit limits iLO/iHI/dLO/dHI. Returns 0.
int setdefaults();
// Puts every settings array back to its initial contents (program start).
void initsettings();

#include "minorplanets/appulse.h"

apprec app[MAXAPPS];
int iNumApps;
int iApp;

int logappulse(int first, int second, double sep, int kind) {
  if (iNumApps >= MAXAPPS) return -1;
  app[iNumApps] = apprec{kind, first, second, (float)sep};
  return ++iNumApps;
}

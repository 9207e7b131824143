// Writes the project shipped as data/ast001.CFG with the program's own
// project writer: the start-up settings, plus the values a first night
// needs so that GENERATE and GENERATE EPHEM make something without a
// number typed (appulses within 0.1 degree; 10 ephemeris lines a day
// apart from the DATE fields, saved to ephem.txt).
//   mkproject OUT.CFG
#include <cstdio>

#include "minorplanets/userfile.h"
#include "base/safewrite.h"
#include "base/settings.h"
#include "ui/menutable.h"
#include "ui/project.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: mkproject OUT.CFG\n");
    return 2;
  }
  initsettings();
  initchoices();
  iNT[EPHEMLINES] = 10;
  dFP[EPHEMSTEP] = 1.0;
  dFP[EPHEMSTART] = 2461041.5;  // 2026 January 1, 0h UT; the DATE fields rule
  flag[EPHEMATDATE] = 1;
  snprintf(chSTR[EPHEMFILE], sizeof chSTR[EPHEMFILE], "%s", "ephem.txt");
  dFP[APPULSEDIST] = 0.1;
  dFP[TELFOCAL] = 1000.0;
  flag[SAVEPCX] = 1;
  iAst = iNT[MPRECORD];  // the PLANET menu's first object, Ceres
  projectclamp(PROJECTSIZE);
  newfile nf;
  if (newfileopen(&nf, argv[1]) != 0) return 1;
  bool ok = projectwrite(nf.f) == 0;
  return newfilecommit(&nf, ok) == 0 ? 0 : 1;
}

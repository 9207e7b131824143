#include "ui/project.h"

#include <allegro.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/constants.h"
#include "chart/starcat.h"
#include "minorplanets/elements.h"
#include "base/safewrite.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "base/settings.h"
#include "ui/dialogs.h"
#include "ui/menutable.h"

static_assert(sizeof(int) == 4 && sizeof(double) == 8, "the project layout holds 32-bit ints and binary64");
static_assert(sizeof dFP + sizeof iNT + sizeof flag + 10 * sizeof(int) + sizeof chSTR + 3 * sizeof(int) ==
                  PROJECTSIZE,
              "the settings arrays make up the project layout");

enum : int { TEXTSIZE = sizeof chSTR[0] };

int projectfilename(char *dest) {
  char name[256];
  getfilename(name, chSTR[PROJECTNAME]);
  replace_extension(dest, name, "CFG", 256);
  return 0;
}

int projectwrite(FILE *f) {
  unsigned char b[PROJECTSIZE];
  memset(b, 0, sizeof b);
  memcpy(b + PROJECTDFP, dFP, sizeof dFP);
  memcpy(b + PROJECTINT, iNT, sizeof iNT);
  memcpy(b + PROJECTFLAG, flag, sizeof flag);
  for (int c = 0; c < PROJECTCHOICES; c++) memcpy(b + PROJECTCHOICE + 4 * c, &mchoice[c].current, 4);
  for (int i = 0; i < 14; i++) memcpy(b + PROJECTTEXT + TEXTSIZE * i, chSTR[i], strnlen(chSTR[i], TEXTSIZE - 1));
  memcpy(b + PROJECTAST, &iAst, 4);
  memcpy(b + PROJECTPLACE, &iPlace, 4);
  memcpy(b + PROJECTSTAR, &iStar, 4);
  return fwrite(b, 1, sizeof b, f) == sizeof b ? 0 : 1;
}

int projectread(FILE *f) {
  unsigned char b[PROJECTSIZE];
  int n = (int)fread(b, 1, sizeof b, f);
  if (n < PROJECTINT) return -1;
  // Only whole blocks are taken: a short file leaves the later settings.
  memcpy(dFP, b + PROJECTDFP, sizeof dFP);
  if (n >= PROJECTFLAG) memcpy(iNT, b + PROJECTINT, sizeof iNT);
  if (n >= PROJECTCHOICE) memcpy(flag, b + PROJECTFLAG, sizeof flag);
  if (n >= PROJECTTEXT)
    for (int c = 0; c < PROJECTCHOICES; c++) memcpy(&mchoice[c].current, b + PROJECTCHOICE + 4 * c, 4);
  if (n >= PROJECTAST)
    for (int i = 0; i < 14; i++) memcpy(chSTR[i], b + PROJECTTEXT + TEXTSIZE * i, TEXTSIZE);
  if (n >= PROJECTPLACE) memcpy(&iAst, b + PROJECTAST, 4);
  if (n >= PROJECTSTAR) memcpy(&iPlace, b + PROJECTPLACE, 4);
  if (n >= PROJECTSIZE) memcpy(&iStar, b + PROJECTSTAR, 4);
  projectclamp(n);
  return n;
}

static double clampreal(double v, double lo, double hi) {
  if (std::isnan(v)) return lo;
  return v < lo ? lo : (v > hi ? hi : v);
}

int projectclamp(int bytes) {
  // The limits of the fields as the program sets them, whatever the live
  // limits are at this moment (at start-up nothing is loaded yet).
  int ilo[40], ihi[40];
  double dlo[40], dhi[40];
  editlimits(ilo, ihi, dlo, dhi);
  for (int i = 0; i < 40; i++) {
    if (bytes >= PROJECTDFP + (int)sizeof dFP) {
      if (dlo[i] < dhi[i])
        dFP[i] = clampreal(dFP[i], dlo[i], dhi[i]);
      else if (!std::isfinite(dFP[i]))
        dFP[i] = 0;
    }
    if (bytes >= PROJECTINT + (int)sizeof iNT && ilo[i] < ihi[i]) iNT[i] = clampint(iNT[i], ilo[i], ihi[i]);
  }
  if (bytes >= PROJECTFLAG + (int)sizeof flag)
    for (int &fl : flag) fl = fl ? 1 : 0;
  if (bytes >= PROJECTINT + (int)sizeof iNT)
    for (int c = 0; c < CHOICECOUNT; c++) {
      MCHOICE &m = mchoice[c];
      int top = m.count > 0 ? m.count - 1 : 0;
      // The program reads the slots; the choice records follow them.
      if (m.slot > 0) {
        iNT[m.slot] = clampint(iNT[m.slot], 0, top);
        m.current = iNT[m.slot];
      } else {
        m.current = clampint(m.current, 0, top);
      }
    }
  if (bytes >= PROJECTTEXT + (int)sizeof chSTR)
    for (int i = 0; i < 14; i++) {
      int len = clampint(lenstr[i], 0, TEXTSIZE - 1);
      chSTR[i][len] = 0;
      size_t used = strlen(chSTR[i]);
      memset(chSTR[i] + used, 0, TEXTSIZE - used);
    }
  iAst = clampint(iAst, 0, MPMAX - 1);
  iPlace = clampint(iPlace, 0, PLACEMAX - 1);
  iStar = clampint(iStar, 0, MAXSTARS - 1);
  return 0;
}

int projectquestion(char *line, int size, const char *name) {
  FILE *trial = fopen(name, "rb");
  snprintf(line, size, trial ? "Overwrite project %s?" : "Create project %s?", name);
  if (!trial) return 0;
  fclose(trial);
  return 1;
}

int saveproject() {
  char name[256], line[320];
  projectfilename(name);
  projectquestion(line, sizeof line, name);
  if (dialogYN(line) != 'Y') return 0;
  newfile nf;
  if (newfileopen(&nf, name) != 0) return errormessage(2, name);
  bool ok = projectwrite(nf.f) == 0;
  if (newfilecommit(&nf, ok) != 0) return errormessage(2, name);
  return 0;
}

int loadproject(int ask) {
  char name[256];
  projectfilename(name);
  FILE *f = fopen(name, "rb");
  if (!f) return errormessage(1, name);
  if (ask) {
    char line[320];
    snprintf(line, sizeof line, "Load project %s?", name);
    if (dialogYN(line) != 'Y') {
      fclose(f);
      return 0;
    }
  }
  int n = projectread(f);
  fclose(f);
  if (n < 0) return errormessage(0, name);
  locload(iPlace);
  starload(iStar);
  readmpvars(iAst);
  return 0;
}

#include "ui/project.h"

#include <allegro.h>

#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>

#include "base/constants.h"
#include "chart/ccd.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "base/safewrite.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "base/settings.h"
#include "ui/datemenu.h"
#include "ui/dialogs.h"
#include "ui/menutable.h"

static_assert(sizeof(int) == 4 && sizeof(double) == 8, "the project layout holds 32-bit ints and binary64");
static_assert(sizeof dFP + sizeof iNT + sizeof flag + 10 * sizeof(int) + sizeof chSTR + 3 * sizeof(int) ==
                  PROJECTSIZE &&
                  PROJECTMOREINT + 4 * (INTSLOTS - OLDINTSLOTS) == PROJECTMOREFLAG &&
                  PROJECTMOREFLAG + 4 * (FLAGSLOTS - OLDFLAGSLOTS) == PROJECTSIZE,
              "the settings arrays make up the project layout");

enum : int { TEXTSIZE = sizeof chSTR[0] };

int projectfilename(char *dest) {
  char name[256];
  getfilename(name, chSTR[PROJECTNAME]);
  replace_extension(dest, name, "CFG", 256);
  return 0;
}

char projectfault[PROJECTFAULTLEN];

static const char kProjectMagic[4] = {'K', 'V', 'X', 'P'};

// FNV-1a of n bytes: enough to tell a damaged file from the one written.
static uint32_t projectsum(const unsigned char *b, int n) {
  uint32_t h = 2166136261u;
  for (int i = 0; i < n; i++) h = (h ^ b[i]) * 16777619u;
  return h;
}

int projectwrite(FILE *f) {
  unsigned char b[PROJECTFILESIZE];
  memset(b, 0, sizeof b);
  memcpy(b + PROJECTDFP, dFP, sizeof dFP);
  memcpy(b + PROJECTINT, iNT, 4 * OLDINTSLOTS);
  memcpy(b + PROJECTFLAG, flag, 4 * OLDFLAGSLOTS);
  memcpy(b + PROJECTMOREINT, iNT + OLDINTSLOTS, 4 * (INTSLOTS - OLDINTSLOTS));
  memcpy(b + PROJECTMOREFLAG, flag + OLDFLAGSLOTS, 4 * (FLAGSLOTS - OLDFLAGSLOTS));
  for (int c = 0; c < PROJECTCHOICES; c++) memcpy(b + PROJECTCHOICE + 4 * c, &mchoice[c].current, 4);
  for (int i = 0; i < 14; i++) memcpy(b + PROJECTTEXT + TEXTSIZE * i, chSTR[i], strnlen(chSTR[i], TEXTSIZE - 1));
  memcpy(b + PROJECTAST, &iAst, 4);
  memcpy(b + PROJECTPLACE, &iPlace, 4);
  memcpy(b + PROJECTSTAR, &iStar, 4);
  memcpy(b + PROJECTSIGN, kProjectMagic, 4);
  uint32_t sum = projectsum(b, PROJECTSIZE);
  memcpy(b + PROJECTSUM, &sum, 4);
  return fwrite(b, 1, sizeof b, f) == sizeof b ? 0 : 1;
}

// Notes why the file is refused; returns PROJECTREFUSED.
__attribute__((format(printf, 1, 2))) static int refuse(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(projectfault, sizeof projectfault, fmt, ap);
  va_end(ap);
  return PROJECTREFUSED;
}

// Checks the n bytes read: a signed file by its sum, an older one by its
// fields; every text present must be printable text. Returns 0 or
// PROJECTREFUSED.
static int projectcheck(const unsigned char *b, int n) {
  if (n > PROJECTFILESIZE) return refuse("longer than a project file");
  bool signedfile = n >= PROJECTSUM && memcmp(b + PROJECTSIGN, kProjectMagic, 4) == 0;
  if (signedfile) {
    uint32_t sum;
    memcpy(&sum, b + PROJECTSUM, 4);
    if (n < PROJECTFILESIZE) return refuse("cut short after its signature");
    if (sum != projectsum(b, PROJECTSIZE)) return refuse("damaged: its checksum does not match");
  } else if (n > PROJECTOLDSIZE) {
    return refuse("not a project file: %d bytes without a project signature", n);
  }
  for (int i = 0; i < 14; i++) {
    const unsigned char *t = b + PROJECTTEXT + TEXTSIZE * i;
    for (int k = 0; k < TEXTSIZE && PROJECTTEXT + TEXTSIZE * i + k < n && t[k]; k++)
      if (t[k] < ' ' || t[k] > '~') return refuse("text field %d holds a character that is not text", i + 1);
  }
  return 0;
}

int projectread(FILE *f) {
  unsigned char b[PROJECTFILESIZE + 1];
  projectfault[0] = 0;
  int n = (int)fread(b, 1, sizeof b, f);
  if (n < PROJECTINT) {
    snprintf(projectfault, sizeof projectfault, n > 0 ? "cut short: %d bytes" : "empty or unreadable", n);
    return -1;
  }
  if (projectcheck(b, n) != 0) return PROJECTREFUSED;
  if (n > PROJECTSIZE) n = PROJECTSIZE;
  // Only whole blocks are taken: a short file leaves the later settings.
  memcpy(dFP, b + PROJECTDFP, sizeof dFP);
  if (n >= PROJECTFLAG) memcpy(iNT, b + PROJECTINT, 4 * OLDINTSLOTS);
  if (n >= PROJECTCHOICE) memcpy(flag, b + PROJECTFLAG, 4 * OLDFLAGSLOTS);
  if (n >= PROJECTTEXT)
    for (int c = 0; c < PROJECTCHOICES; c++) memcpy(&mchoice[c].current, b + PROJECTCHOICE + 4 * c, 4);
  if (n >= PROJECTAST)
    for (int i = 0; i < 14; i++) memcpy(chSTR[i], b + PROJECTTEXT + TEXTSIZE * i, TEXTSIZE);
  if (n >= PROJECTPLACE) memcpy(&iAst, b + PROJECTAST, 4);
  if (n >= PROJECTSTAR) memcpy(&iPlace, b + PROJECTPLACE, 4);
  if (n >= PROJECTOLDSIZE) memcpy(&iStar, b + PROJECTSTAR, 4);
  if (n >= PROJECTSIZE) {
    memcpy(iNT + OLDINTSLOTS, b + PROJECTMOREINT, 4 * (INTSLOTS - OLDINTSLOTS));
    memcpy(flag + OLDFLAGSLOTS, b + PROJECTMOREFLAG, 4 * (FLAGSLOTS - OLDFLAGSLOTS));
  }
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
  int ilo[INTSLOTS], ihi[INTSLOTS];
  double dlo[REALSLOTS], dhi[REALSLOTS];
  editlimits(ilo, ihi, dlo, dhi);
  if (bytes >= PROJECTDFP + (int)sizeof dFP)
    for (int i = 0; i < REALSLOTS; i++) {
      if (dlo[i] < dhi[i])
        dFP[i] = clampreal(dFP[i], dlo[i], dhi[i]);
      else if (!std::isfinite(dFP[i]))
        dFP[i] = 0;
    }
  bool oldints = bytes >= PROJECTINT + 4 * OLDINTSLOTS;
  for (int i = 0; i < (bytes >= PROJECTSIZE ? INTSLOTS : oldints ? OLDINTSLOTS : 0); i++)
    if (ilo[i] < ihi[i]) iNT[i] = clampint(iNT[i], ilo[i], ihi[i]);
  for (int i = 0; i < (bytes >= PROJECTSIZE ? FLAGSLOTS : bytes >= PROJECTFLAG + 4 * OLDFLAGSLOTS ? OLDFLAGSLOTS : 0); i++)
    flag[i] = flag[i] ? 1 : 0;
  if (oldints)
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

const char *const LASTPROJECTFILE = "lastproj.txt";

int lastprojectread(FILE *f, char *name, int size) {
  char line[64];
  if (size <= 0 || !fgets(line, sizeof line, f)) return -1;
  line[strcspn(line, "\r\n")] = 0;
  int len = (int)strlen(line);
  // A name the PROJECT NAME field could hold, printable, or nothing.
  if (len == 0 || len > lenstr[PROJECTNAME] || len >= size) return -1;
  for (int i = 0; i < len; i++)
    if ((unsigned char)line[i] < 32 || (unsigned char)line[i] > 126) return -1;
  memcpy(name, line, len + 1);
  return 0;
}

int readlastproject() {
  char path[256], name[sizeof chSTR[0]];
  getfilename(path, LASTPROJECTFILE);
  FILE *f = fopen(path, "rb");
  if (!f) return -1;
  int r = lastprojectread(f, name, sizeof name);
  fclose(f);
  if (r == 0) snprintf(chSTR[PROJECTNAME], sizeof chSTR[PROJECTNAME], "%s", name);
  return r;
}

int writelastproject() {
  char path[256];
  getfilename(path, LASTPROJECTFILE);
  newfile nf;
  if (newfileopen(&nf, path) != 0) return 1;
  bool ok = fprintf(nf.f, "%s\n", chSTR[PROJECTNAME]) > 0;
  return newfilecommit(&nf, ok);
}

int projectshortname(char *dest, int size) {
  char name[256];
  projectfilename(name);
  snprintf(dest, size, "%s", get_filename(name));
  return 0;
}

int exitquestion(char *line, int size) {
  char name[64];
  projectshortname(name, sizeof name);
  snprintf(line, size, "EXIT!! Save project %s first?", name);
  return 0;
}

void projectcapture() {
  iNT[CHARTZOOM] = iZoom;
  iNT[CHARTCATALOGUE] = catnum;
  dFP[CHARTCENTRERA] = dStarX;
  dFP[CHARTCENTREDEC] = dStarY;
  dFP[FIXEDJDAY] = iNT[FIXEDINSTANT] ? dJDay : 0.0;
}

int projectapply() {
  if (iNT[CHARTCATALOGUE] != catnum && readskycatalog(iNT[CHARTCATALOGUE]) != 0) dialogERR(mperror);
  locload(iPlace);
  getaplace(iPlace);
  showplaceline();
  starload(iStar);
  readmpvars(iAst);
  // The chart: zoom 1 is no level of its own.
  iZoom = iNT[CHARTZOOM] < 2 ? 0 : clampint(iNT[CHARTZOOM], 2, MAXZOOM);
  dStarX = dFP[CHARTCENTRERA];
  dStarY = dFP[CHARTCENTREDEC];
  if (SKYbmp) {
    setstarplot(iZoom);
    Xcur = plotXcen;
    Ycur = plotYcen;
  }
  // The chart re-centres on the cursor's sky after a menu: that is the centre.
  ra = dStarX;
  dec = dStarY;
  iReplot = 1;
  ccdfov();
  if (iNT[FIXEDINSTANT] && withinlimits(MENUJDAY, dFP[FIXEDJDAY]) && dFP[FIXEDJDAY] > 2)
    setinstant(dFP[FIXEDJDAY]);
  else {
    iNT[FIXEDINSTANT] = 0;
    timeinit();
  }
  calcastall(dJDay);
  day = dJDay;
  showJday(day);
  return 0;
}

int saveproject() {
  char name[256], line[320];
  projectfilename(name);
  projectquestion(line, sizeof line, name);
  if (dialogYN(line) != 'Y') return 0;
  projectcapture();
  newfile nf;
  if (newfileopen(&nf, name) != 0) return errormessage(2, name);
  bool ok = projectwrite(nf.f) == 0;
  if (newfilecommit(&nf, ok) != 0) return errormessage(2, name);
  writelastproject();
  char shortname[64];
  projectshortname(shortname, sizeof shortname);
  snprintf(line, sizeof line, "Project saved in %s", shortname);
  showconfirm(line);
  return 0;
}

int loadproject(int ask) {
  char name[256];
  projectfilename(name);
  FILE *f = fopen(name, "rb");
  if (!f) {
    snprintf(projectfault, sizeof projectfault, "%s", strerror(errno));
    if (errno == ENOENT) return errormessage(1, name);
    char line[320];
    snprintf(line, sizeof line, "Cannot read %.200s file: %s", name, projectfault);
    return errormessage(3, line);
  }
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
  if (n < 0) {
    // Nothing was taken: the message says what is wrong with the file.
    char line[320];
    snprintf(line, sizeof line, "Project %.200s refused: %s", name, projectfault);
    return errormessage(3, line);
  }
  if (ask) writelastproject();
  locload(iPlace);
  starload(iStar);
  readmpvars(iAst);
  // At start-up the catalogues, places and objects are read later; the
  // caller applies the project then.
  if (ask) projectapply();
  return 0;
}

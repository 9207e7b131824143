#include "minorplanets/userfile.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "minorplanets/elements.h"
#include "base/safewrite.h"
#include "minorplanets/positions.h"
#include "base/status.h"
#include "base/textline.h"
#include "base/settings.h"
#include "timefmt/calendar.h"

// The first minor planet (Ceres in the shipped database) until a project
// names another: the planet page opens on it, as FILE NUMBER 8 and the
// name CERES of the initial settings say.
int iAst = MPPLANETS;
int iUserFile;
short iMpsiz;
short iMpmax;

static const int kMinLine = 64;         // a line is taken when longer than this
static const long kDateEpoch = 10000000;  // epochs from here on are YYYYMMDD
static const long kMaxEpoch = 100000000;

static const char *const kHeader[9] = {
    "; KORVANEX user minor planets: %s",
    "; Comment lines begin with a semicolon. No Blank lines!",
    "; Please put a hard-return at the end of the last line.",
    "; Asteroid elements must be on ONE FULL LINE, separated by spaces.",
    "; Please allow 6 columns for asteroid Number. Leave blank or zero if unnumbered.",
    "; Name starts in column 8 (18 characters maximum)",
    "; EPOC starts on column 27. Either JD (2450700) or DATE (19970909) accepted.",
    ";xxxxx nnnnnnnnnnnnnnnnnn etc.",
    ("; No.  Planet Name        EPOC     Hmag   MeanAnom   ArgPeri    AscNode     Inc          Ecc      "
     "SemiAxis   Comment"),
};

int convertepoc(long v) {
  return static_cast<int>(caltoj(static_cast<int>(v / 10000), static_cast<int>((v / 100) % 100),
                                 static_cast<double>(v % 100)));
}

// Fills ast from the object line in readbuf. 0, or -1 when the line does
// not hold eight usable numbers.
static int parseline() {
  char num[7];
  memcpy(num, readbuf, 6);
  num[6] = '\0';
  memset(&ast, 0, sizeof ast);
  ast.number = atoi(num);
  memcpy(ast.name, readbuf + 7, 18);
  for (int k = 17; k > 0 && (ast.name[k] == ' ' || ast.name[k] == '\0'); k--) ast.name[k] = '\0';
  long epoch;
  double h, m, w, node, inc, e, a;
  if (sscanf(readbuf + 26, "%ld %lf %lf %lf %lf %lf %lf %lf", &epoch, &h, &m, &w, &node, &inc,
             &e, &a) != 8)
    return -1;
  if (epoch <= 0 || epoch >= kMaxEpoch) return -1;
  if (epoch >= kDateEpoch) epoch = convertepoc(epoch);
  double period = pow(a, 1.5);
  double daily = period == 0.0 ? 0.00001 : 360.0 / (period * 365.2422);
  ast.epoch = static_cast<int32_t>(epoch);
  ast.hmag = static_cast<float>(h);
  ast.meananom = static_cast<float>(m);
  ast.argperi = static_cast<float>(w);
  ast.ascnode = static_cast<float>(node);
  ast.inc = static_cast<float>(inc);
  ast.ecc = static_cast<float>(e);
  ast.daily = static_cast<float>(daily);
  ast.semiaxis = static_cast<float>(a);
  ast.rexp = 1.0f;
  ast.period = static_cast<float>(period);
  ast.fixed1 = 0.15f;
  ast.fixed2 = 0.0f;
  ast.diameter = 0.1f;
  // The mean anomaly holds at the epoch instant, 0h of the epoch date; the
  // passage is stored as every record's is (storedpassage). An object
  // without a semi-axis keeps the stand-in daily motion as it is.
  if (a > 0.0)
    storedpassage(epoch + 0.5, m, daily, &ast.peritime, &ast.daily);
  else
    ast.peritime = static_cast<float>(epoch + 0.5 - m / daily);
  ast.name[19] = '\0';
  return mpfinite(&ast) ? 0 : -1;
}

// Links the object in ast into slot c: the last table record with the same
// number and name, else a new record appended to the table. 0, or -1 when
// the object is already in the list or the table is full.
static int linkast(int c) {
  int j = iNumAst - 1;
  while (j >= 0 && !(mp[j].number == ast.number && strcmp(mp[j].name, ast.name) == 0)) j--;
  if (j < 0) {
    if (iNumAst >= MPMAX) return -1;
    j = iNumAst;
    copyast2mp(j);
    iHI[MPRECORD] = j;
    iNumAst++;
  } else if (obj[j].userslot != -1) {
    return -1;
  }
  userobj[c] = j;
  obj[j].userslot = c;
  return 0;
}

int MPreaduserfile(const char *name) {
  char path[256];
  iUserFile = 0;
  getfilename(path, name);
  FILE *f = fopen(path, "rb");
  if (!f) {
    iMpsiz = 0;
    MPfail(FAILREAD, path);
    return countuserobj();
  }
  // A first pass counts the object lines and the lines that are not: a
  // file with junk and no object (random bytes), or one that cannot be
  // read (a folder), is refused before the list in use is touched.
  int good = 0, junk = 0;
  while (getaline(f)) {
    if (readbuf[0] == ';' || readbuf[strspn(readbuf, " \t")] == 0) continue;
    if (strlen(readbuf) > static_cast<size_t>(kMinLine) && parseline() == 0)
      good++;
    else
      junk++;
  }
  if (ferror(f) || (good == 0 && junk > 0)) {
    bool unreadable = ferror(f) != 0;
    fclose(f);
    snprintf(readbuf, sizeof readbuf, "%.200s, %s", path, unreadable ? "cannot be read" : "no object in it");
    MPfail(FAILDAMAGED, readbuf);
    return countuserobj();
  }
  rewind(f);
  iUserFile = 1;
  for (int &slot : userobj) slot = -1;
  for (int i = 0; i < MPMAX; i++) obj[i].userslot = -1;
  int c = 0;
  while (c < MPUSERMAX && getaline(f)) {
    if (strlen(readbuf) <= static_cast<size_t>(kMinLine) || readbuf[0] == ';') continue;
    if (parseline() != 0 || linkast(c) != 0) continue;
    c++;
  }
  fclose(f);
  iMpsiz = static_cast<short>(c);
  iMpmax = MPUSERMAX;
  int len = snprintf(readbuf, sizeof readbuf, "%d planets in %.200s", c, name);
  if (junk > 0) snprintf(readbuf + len, sizeof readbuf - len, ", %d lines that are not objects skipped", junk);
  MPOKay(OKLOADED, readbuf);
  return c;
}

void txtprintast(FILE *f) {
  // The name column is 18 wide; a longer name would push the epoch out of
  // its column and lose the line when read back.
  fprintf(f, "%6ld %-18.18s %ld ", static_cast<long>(ast.number), ast.name,
          static_cast<long>(ast.epoch));
  fprintf(f, "%6.2f %10.6f %10.6f %10.6f %10.6f %10.8f %10.7f\n", ast.hmag, ast.meananom,
          ast.argperi, ast.ascnode, ast.inc, ast.ecc, ast.semiaxis);
}

int MPwriteuserfile(const char *name) {
  char path[256];
  getfilename(path, name);
  // The file is not read at start-up: an empty list written over it would
  // lose every object in it.
  if (countuserobj() == 0 && access(path, F_OK) == 0) {
    snprintf(mperror, sizeof mperror, "No user objects to save: %.200s kept", name);
    return FAILWRITE;
  }
  newfile nf;
  if (newfileopen(&nf, path) != 0) return MPfail(FAILWRITE, path);
  FILE *f = nf.f;
  fprintf(f, kHeader[0], name);
  fputc('\n', f);
  for (int k = 1; k < 9; k++) fprintf(f, "%s\n", kHeader[k]);
  for (int slot : userobj) {
    if (slot < 0 || slot >= iNumAst || !mpfinite(&mp[slot])) continue;
    copymp2ast(slot);
    txtprintast(f);
  }
  if (newfilecommit(&nf, true) != 0) return MPfail(FAILWRITE, path);
  return MPOKay(OKSAVED, name);
}

int readmpvars(int i) {
  if (i < 0 || i >= iNumAst) return -1;
  const mprec &r = mp[i];
  iNT[MPRECORD] = i;
  iNT[MPNUMBER] = r.number;
  snprintf(chSTR[MPNAME], sizeof chSTR[MPNAME], "%s", r.name);
  dFP[MPMAGH] = r.hmag;
  dFP[MPMEANANOM] = r.meananom;
  dFP[MPARGPERI] = r.argperi;
  dFP[MPNODE] = r.ascnode;
  dFP[MPINCL] = r.inc;
  dFP[MPECC] = r.ecc;
  dFP[MPMOTION] = r.daily;
  dFP[MPAXIS] = r.semiaxis;
  iNT[MPEPOCH] = r.epoch;
  dFP[MPPERIOD] = r.period;
  dFP[MPPERIPASS] = r.peritime;
  iAst = i;
  return 0;
}

int savempvars(int i) {
  if (i < 0 || i >= iNumAst) return -1;
  mprec &r = mp[i];
  r.number = iNT[MPNUMBER];
  memset(r.name, 0, sizeof r.name);
  snprintf(r.name, sizeof r.name, "%.19s", chSTR[MPNAME]);
  r.hmag = static_cast<float>(dFP[MPMAGH]);
  r.meananom = static_cast<float>(dFP[MPMEANANOM]);
  r.argperi = static_cast<float>(dFP[MPARGPERI]);
  r.ascnode = static_cast<float>(dFP[MPNODE]);
  r.inc = static_cast<float>(dFP[MPINCL]);
  r.ecc = static_cast<float>(dFP[MPECC]);
  r.daily = static_cast<float>(dFP[MPMOTION]);
  r.semiaxis = static_cast<float>(dFP[MPAXIS]);
  r.epoch = iNT[MPEPOCH];
  r.period = static_cast<float>(dFP[MPPERIOD]);
  r.peritime = static_cast<float>(dFP[MPPERIPASS]);
  return 0;
}

#include "minorplanets/astbin.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "minorplanets/appulse.h"
#include "minorplanets/placekernel.h"
#include "minorplanets/positions.h"
#include "base/safewrite.h"
#include "base/status.h"
#include "base/textline.h"
#include "base/settings.h"
#include "timefmt/instant.h"

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the database records are read as little-endian memory images"
#endif

int iAstMax = MPPAGE;
int iAstStart;
int iAstEnd;
int iAstPage;
int iAstMaxPage;
char bfile[256];

static const long kRecSize = static_cast<long>(sizeof(mprec));

// Empties the table, the user list and the appulse list.
static void emptytable() {
  iNumAst = 0;
  iApp = iNumApps = 0;
  for (int i = 0; i < MPMAX; i++) {
    mp[i].number = -1;
    obj[i].userslot = -1;
  }
  for (int &slot : userobj) slot = -1;
}

// Ends the name at its last character that is neither NUL nor blank;
// byte 19 is always NUL afterwards.
static void cleanname(char *name) {
  name[19] = '\0';
  for (int k = 18; k >= 0 && (name[k] == '\0' || name[k] == ' '); k--) name[k] = '\0';
}

int MPinit() {
  iApp = iNumApps = 0;
  for (int &slot : userobj) slot = -1;
  dFP[MPMAGLIMIT] = 14.0;
  iAstStart = 0;
  return ASTreadfile(0, "astdat.bin");
}

// A page as read from the file, before it replaces the table in use.
static mprec staged[MPPAGE];

int ASTreadfile(int start, const char *file) {
  iAstMax = MPPAGE;
  getfilename(bfile, file);
  FILE *f = fopen(bfile, "rb");
  if (!f) return MPfail(FAILREAD, bfile);
  int32_t count = 0;
  // Records the file really holds, to tell a cut file from its count.
  long length = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  long present = length > 4 ? (length - 4) / kRecSize : 0;
  if (fseek(f, 0, SEEK_SET) != 0 || fread(&count, sizeof count, 1, f) != 1 ||
      fread(staged, sizeof(mprec), MPPLANETS, f) != static_cast<size_t>(MPPLANETS)) {
    fclose(f);
    return MPfail(FAILREAD, bfile);
  }
  int examined = MPPLANETS, rejected = 0;
  bool planetok[MPPLANETS];
  for (int i = 0; i < MPPLANETS; i++) {
    planetok[i] = mpplausible(&staged[i]);
    if (!planetok[i]) rejected++;
  }
  // A negative start reads page 0 and counts as page 0, so that stepping
  // on from it reaches page 1.
  int page = start < 0 ? 0 : start / MPPAGE;
  long first = start < MPPLANETS ? MPPLANETS : start;
  long next = first;
  if (first >= count) {
    first = 0;
    page = 0;
    next = MPPLANETS;
  }
  if (next != MPPLANETS && fseek(f, 4 + kRecSize * next, SEEK_SET) != 0) next = count;
  int n = MPPLANETS;
  for (; n < MPPAGE && next < count; next++) {
    mprec *r = &staged[n];
    if (fread(r, sizeof(mprec), 1, f) != 1) break;
    examined++;
    if (!mpplausible(r)) {
      rejected++;
      continue;
    }
    if (!(r->hmag < dFP[MPMAGLIMIT])) continue;
    if (r->number < 1) r->number = 0;
    cleanname(r->name);
    // Older files hold passages far from the epoch: the one nearest it is shown.
    r->peritime = static_cast<float>(nearestpassage(r->epoch + 0.5, r->meananom, r->daily));
    n++;
  }
  fclose(f);
  // Random bytes or another kind of file: the table in use stays.
  if (2 * rejected > examined) return MPfail(FAILREAD, bfile);
  emptytable();
  iAstEnd = count;
  iAstPage = page;
  iAstStart = static_cast<int>(first);
  iAstMaxPage = count / MPPAGE;
  iNT[MPSTART] = iAstStart;
  memcpy(mp, staged, sizeof(mprec) * n);
  iNumAst = n;
  // The slot after the last accepted record may hold a rejected one.
  if (iNumAst < MPMAX) mp[iNumAst].number = -1;
  for (int i = 0; i < MPPLANETS; i++) {
    cleanname(mp[i].name);
    mp[i].number = 0;
  }
  // Saturn..Pluto are used as stored unless the file holds no possible
  // elements for them; the mean elements of the date stand in then.
  for (int i = MPDATEPLANETS; i < MPPLANETS; i++)
    if (!planetok[i]) outerplanet(i, day);
  mainplanets(day);
  int len = snprintf(readbuf, sizeof readbuf, "Found %d planets brighter than %4.1f", iNumAst,
                     dFP[MPMAGLIMIT]);
  if (rejected > 0)
    len += snprintf(readbuf + len, sizeof readbuf - len, ", %d impossible records skipped", rejected);
  if (count > present && len < (int)sizeof readbuf)
    snprintf(readbuf + len, sizeof readbuf - len, ", file cut short: %ld of %d records", present, (int)count);
  setdefaults();
  iHI[MPRECORD] = iNumAst - 1;
  // START ASTEROID reaches every record of a whole-catalogue file.
  if (count - 1 > iHI[MPSTART]) iHI[MPSTART] = count - 1;
  MPOKay(OKDONE, readbuf);
  return 0;
}

int ASTreadpage(int start) { return ASTreadfile(start, chSTR[DATABASEFILE]); }

int ASTnextpage() {
  // The last, partly filled page counts as a page too.
  if (static_cast<long>(iAstPage + 1) * MPPAGE >= iAstEnd) return -1;
  return ASTreadpage((iAstPage + 1) * MPPAGE);
}

int ASTprevpage() {
  if (iAstPage - 1 < 0) return -1;
  return ASTreadpage((iAstPage - 1) * MPPAGE);
}

// "ast%03d.bin" of n, resolved into dest (256 bytes).
static void blockname(char *dest, int n) {
  char name[32];
  snprintf(name, sizeof name, "ast%03d.bin", n);
  getfilename(dest, name);
}

int ASTwriteblock(int n) {
  char path[256];
  blockname(path, n);
  newfile nf;
  if (newfileopen(&nf, path) != 0) return MPfail(FAILWRITE, path);
  int32_t count = iNumAst;
  bool ok = fwrite(&count, sizeof count, 1, nf.f) == 1 &&
            fwrite(mp, sizeof(mprec), iNumAst, nf.f) == static_cast<size_t>(iNumAst);
  if (newfilecommit(&nf, ok) != 0) return MPfail(FAILWRITE, path);
  return MPOKay(OKSAVED, path);
}

int ASTreadblock(int n) {
  char name[32];
  snprintf(name, sizeof name, "ast%03d.bin", n);
  return ASTreadfile(0, name);
}

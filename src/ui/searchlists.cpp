#include "ui/searchlists.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "chart/projection.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "minorplanets/approach.h"
#include "minorplanets/calcall.h"
#include "base/csvfile.h"
#include "minorplanets/elements.h"
#include "minorplanets/fieldcheck.h"
#include "chart/mplist.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"
#include "ui/datemenu.h"
#include "ui/dialogs.h"
#include "ui/listview.h"
#include "ui/windows.h"

int iAppulseList = LISTAPPULSES;
const char fieldcsvname[] = "fieldchk.csv";
const char approachcsvname[] = "approach.csv";

static const int kLines = (int)(sizeof achDLine / sizeof achDLine[0]);
static const int kLineLen = (int)sizeof achDLine[0];
static const double kDefaultSep = 60.0;       // arc seconds, when APPR. SEP is 0
static const double kDefaultDays = 30.0;      // when APPR. DAYS is 0
static const double kDefaultStarMag = 10.0;   // when APPR. STAR MAG is 0
static const double kArcsecPerArcmin = 60.0;

// "yyyy-mm-dd hh:mm" (UT, to the nearest minute) of jd into dest (20 bytes).
static void utminute(char *dest, double jd) {
  int d, m;
  long y;
  double ut;
  jdtodmyut(jd + 0.5 / 1440.0, &d, &m, &y, &ut);
  int minutes = static_cast<int>(ut * 60.0);
  snprintf(dest, 20, "%04ld-%02d-%02d %02d:%02d", y, m, d, minutes / 60 % 24, minutes % 60);
}

int runfieldcheck() {
  // The telescope view shows the chart centre; the chart the cursor.
  double ra0 = flag[TELESCOPEON] ? dStarX : ra, dec0 = flag[TELESCOPEON] ? dStarY : dec;
  double radius = iNT[FIELDRADIUS] > 0 ? iNT[FIELDRADIUS] : 0.0;
  double hw = dFP[CCDFIELDH] * kArcsecPerArcmin / 2, hh = dFP[CCDFIELDV] * kArcsecPerArcmin / 2;
  static const char *const kChecking[2] = {"Checking every object of the database.", "Please wait..."};
  openalert(2, kChecking);
  int n = fieldcheck(chSTR[DATABASEFILE], day, ra0, dec0, radius, hw, hh);
  closealert();
  iAppulseList = LISTFIELD;
  if (n < 0) {
    MPfail(FAILREAD, chSTR[DATABASEFILE]);
    dialogERR(mperror);
  }
  return n;
}

static std::vector<double> starra, stardec, starmag;

APPRSTARLIST loadedstarlist() {
  starra.resize(Snum);
  stardec.resize(Snum);
  starmag.resize(Snum);
  for (int i = 0; i < Snum; i++) {
    starra[i] = star[i].rahours;
    stardec[i] = star[i].decdeg;
    starmag[i] = star[i].mag100 / 100.0;
  }
  return APPRSTARLIST{Snum, starra.data(), stardec.data(), starmag.data()};
}

int runapproaches(int page) {
  APPROACHQUERY q;
  q.jd0 = day;
  q.days = iNT[APPROACHDAYS] > 0 ? iNT[APPROACHDAYS] : kDefaultDays;
  q.maxsep = iNT[APPROACHSEP] > 0 ? iNT[APPROACHSEP] : kDefaultSep;
  q.starmag = dFP[APPROACHSTARMAG] != 0.0 ? dFP[APPROACHSTARMAG] : kDefaultStarMag;
  q.minalt = iNT[MINALTITUDE];
  q.darkonly = flag[DARKONLY];
  q.first = page ? MPPLANETS : iAst;
  q.last = page ? iNumAst - 1 : iAst;
  q.stars = q.planets = 1;
  static const char *const kSearching[2] = {"Searching close approaches.", "Please wait..."};
  openalert(2, kSearching);
  APPRSTARLIST stars = loadedstarlist();
  int n = findapproaches(&q, &stars);
  closealert();
  iAppulseList = LISTAPPROACH;
  return n;
}

int filterappulselist() {
  double minalt = iNT[MINALTITUDE];
  int kept = 0;
  for (int k = 0; k < iNumApps; k++) {
    int i = app[k].first;
    if (i < 0 || i >= MPMAX) continue;
    double alt, sunalt;
    pairsky(day, obj[i].ra, obj[i].dec, &alt, &sunalt);
    if (pairvisible(alt, sunalt, minalt, flag[DARKONLY])) app[kept++] = app[k];
  }
  iNumApps = kept;
  if (iApp >= kept) iApp = 0;
  return kept;
}

int fieldlist(int firstline, int start, int count) {
  int per = count > 0 ? count : 1;
  char rt[ANGLETEXTLEN], dt[ANGLETEXTLEN];
  hms(rt, field.ra);
  ddmmm(dt, field.dec);
  char head[160];
  snprintf(head, sizeof head, "Field %s %s: %d found, %ld checked  Page %d/%d", rt, dt, field.found, field.placed,
           start / per + 1, field.count / per + 1);
  snprintf(achDLine[0], kLineLen, "%.*s", kLineLen - 1, head);
  snprintf(achDLine[1], kLineLen, "No.  Number Name              dRA \"   dDec \"  Mag \"/min  PA");
  if (start < 0 || firstline < 0) return 0;
  int r = 0;
  for (; r < count && start + r < field.count && firstline + r < kLines; r++) {
    int k = start + r;
    const FIELDHIT &h = field.hit[k];
    char number[12] = "";
    if (h.number > 0) snprintf(number, sizeof number, "(%d)", h.number);
    char row[160];
    snprintf(row, sizeof row, "%-4d %6s %-17.17s %8.1f %8.1f %4.1f %5.2f %3.0f", k, number, h.name, h.dx, h.dy,
             h.mag, h.rate, h.pa);
    setlistrow(achDLine[firstline + r], row, k == iFieldPick ? 'A' : 0, 0);
  }
  return r;
}

// Name of the second object of approach a into dest (size bytes).
static void secondname(char *dest, int size, const APPROACH &a) {
  if (a.kind == APPRSTAR) {
    // A star without a catalogue number goes by its record (CATALOG FILE NUMBER).
    char name[STARNAMELEN];
    if (getstarname(a.second, name) == 0)
      snprintf(dest, size, "*#%d", a.second);
    else
      snprintf(dest, size, "*%s", name);
  } else {
    char name[20];
    getastname(a.second, name);
    snprintf(dest, size, "%s", name);
  }
}

int approachlist(int firstline, int start, int count) {
  int per = count > 0 ? count : 1;
  // The reminder stands with the flag on every page: O marks a candidate, not a prediction.
  char head[160];
  snprintf(head, sizeof head, "Approaches %d%s Page %d/%d  O:<%.0f\" candidate; orbit errors may exceed it",
           iApprFound, iApprFound > iNumAppr ? "+" : "", start / per + 1, iNumAppr / per + 1, OCCULTSEP);
  snprintf(achDLine[0], kLineLen, "%.*s", kLineLen - 1, head);
  snprintf(achDLine[1], kLineLen, "Date       UT    Object        Second         Sep \"  PA  Mag1 Mag2 Alt");
  if (start < 0 || firstline < 0) return 0;
  int r = 0;
  for (; r < count && start + r < iNumAppr && firstline + r < kLines; r++) {
    int k = start + r;
    const APPROACH &a = appr[k];
    char when[20], name[20], second[32], row[160];
    utminute(when, a.jd);
    getastname(a.first, name);
    secondname(second, sizeof second, a);
    // d: dark then; O: an occultation candidate.
    snprintf(row, sizeof row, "%s %-13.13s %-13.13s %6.1f %3.0f %4.1f %4.1f %3.0f%c%c", when, name, second,
             a.sep, a.pa, a.mag1, a.mag2, a.alt, a.sunalt < DARKSUNALT ? 'd' : ' ',
             a.sep < OCCULTSEP ? 'O' : ' ');
    setlistrow(achDLine[firstline + r], row, k == iApprPick ? 'A' : 0, 0);
  }
  return r;
}

int gotofieldhit(int k) {
  if (k < 0 || k >= field.count) return 0;
  iFieldPick = k;
  gotomyradec(field.hit[k].ra, field.hit[k].dec);
  return 1;
}

int gotoapproach(int k) {
  if (k < 0 || k >= iNumAppr) return 0;
  iApprPick = k;
  dFP[MENUJDAY] = appr[k].jd;
  makeFPdate();
  gotomyradec(appr[k].ra, appr[k].dec);
  return 1;
}

static int fieldrow(int k, char *line, int size) {
  const FIELDHIT &h = field.hit[k];
  char name[48];
  csvtext(name, sizeof name, h.name);
  return snprintf(line, size, "%d,%d,%s,%.6f,%.5f,%.2f,%.2f,%.2f,%.3f,%.1f,%.5f", h.index, h.number, name, h.ra,
                  h.dec, h.dx, h.dy, h.mag, h.rate, h.pa, field.jd);
}

static int approachrow(int k, char *line, int size) {
  const APPROACH &a = appr[k];
  char when[20], raw[32], first[48], second[48];
  utminute(when, a.jd);
  getastname(a.first, raw);
  csvtext(first, sizeof first, raw);
  secondname(raw, sizeof raw, a);
  csvtext(second, sizeof second, raw);
  return snprintf(line, size, "%s,%.5f,%s,%s,%s,%.2f,%.1f,%.2f,%.2f,%.1f,%.1f,%d,%s", when, a.jd, first,
                  a.kind == APPRSTAR ? "star" : "minor planet", second, a.sep, a.pa, a.mag1, a.mag2, a.alt,
                  a.sunalt, a.sunalt < DARKSUNALT ? 1 : 0,
                  a.sep < OCCULTSEP ? "\"occultation candidate: the orbit's own error may exceed the separation\""
                                    : "");
}

int searchcsv() {
  bool isfield = iAppulseList == LISTFIELD;
  if (!isfield && iAppulseList != LISTAPPROACH) return 0;
  const char *name = isfield ? fieldcsvname : approachcsvname;
  char question[96];
  snprintf(question, sizeof question, "Save the list as %s?", name);
  if (dialogYN(question) != 'Y') return 0;
  char path[256];
  getfilename(path, name);
  int r = isfield ? csvwrite(path,
                             "index,number,name,ra_hours,dec_deg,east_arcsec,north_arcsec,mag,"
                             "motion_arcsec_per_min,motion_pa_deg,jd_ut",
                             field.count, fieldrow)
                  : csvwrite(path,
                             "date_ut,jd_ut,object,second_kind,second,sep_arcsec,pa_deg,mag1,mag2,alt_deg,"
                             "sun_alt_deg,dark,note",
                             iNumAppr, approachrow);
  if (r != 0) {
    MPfail(FAILWRITE, path);
    dialogERR(mperror);
    return 1;
  }
  MPOKay(OKSAVED, path);
  dialogOK(mperror);
  return 0;
}

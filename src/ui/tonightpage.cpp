#include "ui/tonightpage.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "astro/twilight.h"
#include "base/constants.h"
#include "base/settings.h"
#include "base/status.h"
#include "chart/altgraph.h"
#include "chart/mplist.h"
#include "minorplanets/astbin.h"
#include "minorplanets/astfind.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/tonight.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"
#include "ui/datemenu.h"
#include "ui/dialogs.h"
#include "ui/listview.h"
#include "ui/windows.h"

int tonightshown;
int tonightcurrent;
int tonightgraphon;

enum : int {
  FACTSROW = 17,   // text row of the night's facts under the fields
  FACTSCOL = 1,
  LISTFONT = 10,   // the font of the list and the facts
  LISTTOP = 4,     // first text row of the list area
  LISTTEXTLEN = LISTTEXTEND + 1,
};

// The filter of the settings.
static TONIGHTFILTER settingsfilter() {
  TONIGHTFILTER f;
  f.minalt = dFP[TONIGHTMINALT];
  f.maglimit = dFP[TONIGHTMAGLIMIT];
  f.minminutes = iNT[TONIGHTMINUTES];
  f.darkness = SKYCIVIL + clampint(iNT[TONIGHTDARK], 0, 2);
  f.order = clampint(iNT[TONIGHTORDER], 0, ORDERCOUNT - 1);
  return f;
}

int tonightrun() {
  static const char *const kScanning[2] = {"Planning the night.", "Please wait..."};
  openalert(2, kScanning);
  NIGHT n;
  nightfacts(dJDay, dLattit, dLongit, &n);
  TONIGHTFILTER f = settingsfilter();
  char path[256];
  getfilename(path, chSTR[DATABASEFILE]);
  int rows = tonightscan(path, &n, &f);
  closealert();
  tonightshown = 1;
  tonightcurrent = 0;
  tonightgraphon = 0;
  if (rows < 0) {
    snprintf(mperror, sizeof mperror, "Cannot read %.200s: planets and user objects only.", path);
    dialogERR(mperror);
  }
  return rows;
}

void tonightresort() {
  tonightsort(clampint(iNT[TONIGHTORDER], 0, ORDERCOUNT - 1));
  tonightcurrent = 0;
}

// "number name" of row r into dest (size bytes).
static void rowname(char *dest, int size, const TONIGHTROW &r) {
  if (r.number > 0)
    snprintf(dest, size, "%d %s", r.number, r.name);
  else
    snprintf(dest, size, "%s", r.name);
}

int tonightlist(int firstline, int start, int count) {
  int per = count > 0 ? count : 1;
  // The evening's date: local noon before the middle of the night.
  jtocal(tonightnight.middle + dTzone / 24.0 - 0.5);
  int pages = (tonightrows + per - 1) / per;
  char head[128];
  snprintf(head, sizeof head, "Tonight from %.13s: %d of %d objects pass  Page %d / %d", jdbuff, tonightpassed,
           tonightscanned, start / per + 1, pages > 0 ? pages : 1);
  setlistrow(achDLine[0], head, 0, 0);
  snprintf(achDLine[1], LISTTEXTLEN, "%-16s %-5s %-5s %-5s %3s %4s %5s %4s %4s %6s %5s %3s", "Object", "Rise",
           "Trans", "Set", "Alt", "Min", "Mag", "Elon", "Moon", "Dist", "\"/min", "PA");
  if (start < 0 || firstline < 0) return 0;
  int r = 0;
  for (; r < count && start + r < tonightrows && firstline + r < 64; r++) {
    const TONIGHTROW &t = tonight[start + r];
    char name[40], rise[8], transit[8], set[8];
    rowname(name, sizeof name, t);
    localhhmm(transit, t.transit, dTzone);
    if (t.updown == UPDOWN) {
      localhhmm(rise, t.rise, dTzone);
      localhhmm(set, t.set, dTzone);
    } else {
      snprintf(rise, sizeof rise, "%s", t.updown == ALWAYSUP ? "up" : "never");
      snprintf(set, sizeof set, "%s", t.updown == ALWAYSUP ? "up" : "never");
    }
    char line[128];
    snprintf(line, sizeof line, "%-16.16s %5s %5s %5s %3.0f %4.0f %5.1f %4.0f %4.0f %6.2f %5.2f %3.0f", name, rise,
             transit, set, t.alttransit, t.minutes, t.mag, t.elong, t.moondist, t.dist, t.motion, t.pa);
    setlistrow(achDLine[firstline + r], line, start + r == tonightcurrent ? 'A' : 0,
               t.kind == ROWUSER ? 'U' : 0);
  }
  return r;
}

// Table index of the minor planet of number and name, or -1.
static int tablerecord(int32_t number, const char *name) {
  for (int i = MPPLANETS; i < iNumAst; i++)
    if (mp[i].number == number && strncmp(mp[i].name, name, sizeof mp[i].name) == 0) return i;
  return -1;
}

// Table index of the record holding row r's object, or -1.
static int tableindex(const TONIGHTROW &r) {
  if (r.kind == ROWPLANET) return r.record >= 0 && r.record < MPPLANETS && r.record < iNumAst ? r.record : -1;
  return tablerecord(r.number, r.name);
}

// Loads the database page holding file record rec (number and name): the
// page it falls in, else the records from rec on. Returns the table index
// of the object, or -1.
static int loadpageof(int32_t rec, int32_t number, const char *name) {
  int starts[2] = {rec - rec % MPPAGE, rec};
  for (int start : starts) {
    if (ASTreadpage(start) != 0) return -1;  // the page in use stays
    iNT[USERMPS] = 0;
    calcastall(dJDay);
    showJday(dJDay);
    int i = tablerecord(number, name);
    if (i >= 0) return i;
  }
  return -1;
}

// Makes table record i current and centres the chart on it; when i < 0,
// says why name is not there (loaded: its page was). Returns KEYESC, or 0.
static int gotorecord(int i, const char *name, bool loaded) {
  if (i < 0) {
    snprintf(mperror, sizeof mperror,
             loaded ? "%.19s is not loaded: H fainter than ASTEROID MAG?" : "%.19s is no longer in the table.", name);
    dialogERR(mperror);
    return 0;
  }
  readmpvars(i);
  gotoasteroid(i);
  return KEYESC;
}

int tonightgoto(int row) {
  if (row < 0 || row >= tonightrows) return 0;
  const TONIGHTROW &r = tonight[row];
  tonightcurrent = row;
  int i = tableindex(r);
  if (i < 0 && r.kind == ROWDATABASE) return gotorecord(loadpageof(r.record, r.number, r.name), r.name, true);
  return gotorecord(i, r.name, false);
}

int gotofilerecord(int32_t rec) {
  char path[256];
  getfilename(path, chSTR[DATABASEFILE]);
  FILE *fp = fopen(path, "rb");
  mprec r;
  int got = fp ? astrecord(fp, rec, &r) : -1;
  if (fp) fclose(fp);
  if (got != 0) {
    snprintf(mperror, sizeof mperror, "Cannot read record %ld of %.200s.", (long)rec, path);
    dialogERR(mperror);
    return 0;
  }
  int i = tablerecord(r.number, r.name);
  return gotorecord(i >= 0 ? i : loadpageof(rec, r.number, r.name), r.name, true);
}

int tonightsave() {
  char path[256], line[320];
  getfilename(path, TONIGHTCSVFILE);
  snprintf(line, sizeof line, "Save tonight's %d objects in %.200s?", tonightrows, TONIGHTCSVFILE);
  if (dialogYN(line) != 'Y') return 0;
  if (tonightcsv(path, dTzone) == 0) return 0;
  errormessage(2, path);
  return 1;
}

// One line of the facts: label, then the evening and morning times.
static void factline(int row, const char *label, double evening, double morning) {
  char a[8], b[8], text[64];
  localhhmm(a, evening, dTzone);
  localhhmm(b, morning, dTzone);
  snprintf(text, sizeof text, "%-9s %s  %s", label, a, b);
  printf256(FACTSCOL * HORScale, row, colour[PALDARKBLUE], text);
}

void drawnightfacts() {
  if (!tonightshown) return;
  const NIGHT &n = tonightnight;
  setuserfont(LISTFONT);
  int pitch = text_height(font) + 3, y = FACTSROW * VRTScale;
  rectfill(VIDbmp, FACTSCOL * HORScale - 2, y - 2, (listXst - 1) * HORScale, y + 9 * pitch,
           win[0].fill);
  char text[64];
  printf256(FACTSCOL * HORScale, y, colour[PALDARKRED], "Night     Dusk   Dawn");
  y += pitch;
  factline(y, "Sun", n.sunset, n.sunrise);
  static const char *const kLabels[3] = {"Civil", "Nautical", "Astro."};
  for (int k = 0; k < 3; k++) factline(y += pitch, kLabels[k], n.dusk[k], n.dawn[k]);
  char a[8], b[8];
  localhhmm(a, n.moonrise, dTzone);
  localhhmm(b, n.moonset, dTzone);
  snprintf(text, sizeof text, "Moon rise %s set %s", a, b);
  printf256(FACTSCOL * HORScale, y += pitch, colour[PALDARKBLUE], text);
  snprintf(text, sizeof text, "Moon %.0f%% lit", 100.0 * n.moonlit);
  printf256(FACTSCOL * HORScale, y += pitch, colour[PALDARKBLUE], text);
  if (n.polar != NIGHTUSUAL)
    printf256(FACTSCOL * HORScale, y += pitch, colour[PALRED],
              n.polar == POLARDAY ? "Polar day: no sunset" : "Polar night: no sunrise");
  setuserfont(iDEFONT);
}

int drawtonightgraph() {
  if (tonightcurrent < 0 || tonightcurrent >= tonightrows) return -1;
  int x1, y1, x2, y2;
  listarea(LISTTOP, &x1, &y1, &x2, &y2);
  setuserfont(LISTFONT);
  int r = drawaltgraph(VIDbmp, x1, y1, x2 - x1 + 1, y2 - y1 + 1, &tonightnight, &tonight[tonightcurrent],
                       tonightfilter.minalt, dTzone);
  setuserfont(iDEFONT);
  return r;
}

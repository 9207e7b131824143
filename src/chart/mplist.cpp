#include "chart/mplist.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/projection.h"
#include "chart/telescope.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "base/safewrite.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "skins/skinbutton.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"
#include "screen/display.h"

static int iGraphnum;  // screen dumps saved so far

static const int kDumpNameChars = 7;
static const int kMaxDumpNumber = 100000;  // keeps a dump name within DUMPNAMELEN
static const int kCrossArm = 3;    // pixels each way of an object's cross
static const int kNearPixels = 5;  // cursor box half-size of findmp
static const int kUserTint = 141;  // palette offset of an object's second colour
static const int kTrackButton = 20;  // skin button "DAILY MOVEMENT"
static const int kNameButton = 16;   // skin button "ASTEROID NAMES"
static const int kButtonOn = 2;

static void drawcross(BITMAP *bmp, int x, int y, int c) {
  line(bmp, x - kCrossArm, y, x + kCrossArm, y, c);
  line(bmp, x, y - kCrossArm, x, y + kCrossArm, c);
}

static int paletteentry(int k) { return k >= 0 && k <= PALMASK ? colour[k] : colour[PALWHITE]; }

// Chart pixel of record i (not yet wrapped); *c its colour.
static void mppixel(int i, int *x, int *y, int *c) {
  bool turned = iNT[SOUTHUP] != 0;
  if (iZoom <= 1) {
    *c = colour[PALRED];
    wholeskypixel(obj[i].ra, obj[i].dec, turned, x, y);
    return;
  }
  *c = paletteentry(iBcalc[i]);
  double h, A;
  getaltaz(obj[i].ra, obj[i].dec, &h, &A);
  framepixel(h, A, dStarXcon, plotXcen, plotYcen, turned, turned, x, y);
}

int drawmps() {
  if (!SKYbmp) return 0;
  int drawn = 0;
  for (int i = 0; i < iNumAst && i < MPMAX; i++) {
    if (iBcalc[i] == 0) continue;
    int x, y, c;
    mppixel(i, &x, &y, &c);
    x = wrapturn(x, plotXmax, 0);
    if (!inchart(x, y)) continue;
    drawn++;
    if (iZoom <= 1 && i >= MPPLANETS) {
      putpixel(SKYbmp, x, y, c);
      continue;
    }
    drawcross(SKYbmp, x, y, c);
    if (iZoom <= 6) continue;
    char name[20];
    getastname(i, name);
    textout_ex(SKYbmp, font, name, x + 4, y + 3, c, -1);
  }
  return drawn;
}

int Tdrawmps() {
  if (!TELbmp) return 0;
  bool track = getskinbuttonstate(kTrackButton) == kButtonOn;
  bool names = getskinbuttonstate(kNameButton) == kButtonOn;
  int drawn = 0;
  for (int i = 0; i < iNumAst && i < MPMAX; i++) {
    if (iBcalc[i] == 0) continue;
    int c2 = paletteentry(iBcalc[i] + kUserTint);
    int c = i >= MPPLANETS && obj[i].userslot != -1 ? c2 : paletteentry(iBcalc[i]);
    if (!Tisplotable(obj[i].ra, obj[i].dec)) continue;
    int x = iTXplot, y = iTYplot;
    drawn++;
    drawcross(TELbmp, x, y, c);
    if (track) {
      Tisplotable(obj[i].ratom, obj[i].dectom);
      if (abs(iTXplot - x) < plottelw) line(TELbmp, x, y, iTXplot, iTYplot, c2);
    }
    if (names) {
      char name[20];
      getastname(i, name);
      textout_ex(TELbmp, font, name, x + 4, y + 3, c, -1);
    }
  }
  return drawn;
}

// First computed record within 5 pixels of the chart cursor, or of the
// telescope cursor; -1 if none. Records without a place are passed over.
static int mpnearcursor(bool telescope) {
  for (int i = 0; i < iNumAst && i < MPMAX; i++) {
    if (iBcalc[i] == 0) continue;
    int dx, dy;
    if (telescope) {
      Tisplotable(obj[i].ra, obj[i].dec);
      dx = iTXplot - TXcur;
      dy = iTYplot - TYcur;
    } else {
      isplotable(obj[i].ra, obj[i].dec);
      dx = iXplot - Xcur;
      dy = iYplot - Ycur;
    }
    if (abs(dx) < kNearPixels && abs(dy) < kNearPixels) return i;
  }
  return -1;
}

// Writes the identification of record hit (or "not found") at (x, y).
static void showmp(int hit, int x, int y) {
  char text[OBJSTRLEN + 96];
  if (hit >= 0) {
    char name[20], line[OBJSTRLEN];
    int number = getastname(hit, name);
    double r = obj[hit].ra, d = obj[hit].dec, m = obj[hit].mag;
    objectstr(line, number, name, &r, &d, &m);
    jtocal(day);
    snprintf(text, sizeof text, "%s %s UT", line, jdbuff);
  } else {
    snprintf(text, sizeof text, "   Planet not found.");
  }
  textout_ex(VIDbmp, font, text, x, y, colour[PALRED], -1);
}

int findmp() {
  if (!VIDbmp) return -1;
  rectfill(VIDbmp, 0, 27 * VRTScale, 480, 28 * VRTScale - 1, colour[PALBLACK]);
  int hit = mpnearcursor(false);
  showmp(hit, 2 * HORScale, 27 * VRTScale + 3);
  return hit;
}

int Tfindmp() {
  if (!VIDbmp) return -1;
  rectfill(VIDbmp, 0, 27 * VRTScale, 400, 28 * VRTScale - 1, colour[PALBLACK]);
  int hit = mpnearcursor(true);
  showmp(hit, 3, 27 * VRTScale + 3);
  return hit;
}

int objectstr(char *dest, int number, const char *name, const double *rahours, const double *decdeg,
              const double *mag) {
  char num[16], rt[ANGLETEXTLEN], dt[ANGLETEXTLEN];
  if (number >= 0)
    snprintf(num, sizeof num, "%4d", number);
  else
    snprintf(num, sizeof num, " ");
  hms(rt, *rahours < 0 ? 0 : *rahours);
  ddmmm(dt, *decdeg);
  // Names are at most 28 characters, the angle texts at most 12.
  snprintf(dest, OBJSTRLEN, "%-6s %-16.28s %-10.12s %-12.12s %5.2f ", num, name, rt, dt, *mag);
  return 0;
}

// A name character kept in a dump file name; any other (a blank, '/',
// '.') could leave the program's folder or make an awkward name.
static bool dumpnamechar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

int dumpname(char *dest, const char *astname, int n) {
  char stem[kDumpNameChars + 1];
  int k = 0;
  for (; k < kDumpNameChars && astname[k]; k++) stem[k] = dumpnamechar(astname[k]) ? astname[k] : '_';
  stem[k] = 0;
  snprintf(dest, DUMPNAMELEN, "%s%d.pcx", stem, n);
  return 0;
}

// The first number n whose dump file (file, path) does not exist yet, so
// that no dump, of this run or an earlier one, is ever overwritten.
// Returns 0, or 1 when every number is taken.
static int freedumpname(const char *astname, char *file, char *path) {
  for (int n = 0; n < kMaxDumpNumber; n++) {
    dumpname(file, astname, n);
    getfilename(path, file);
    if (!exists(path)) return 0;
  }
  return 1;
}

int savedump(BITMAP *bmp) {
  char name[20], file[DUMPNAMELEN], path[256], tmp[SAFEPATHLEN];
  getastname(iAst, name);
  if (freedumpname(name, file, path) != 0 || newfilename(tmp, path) != 0) return MPfail(FAILWRITE, file);
  PALETTE pal;
  get_palette(pal);
  if (save_pcx(tmp, bmp, pal) != 0) {
    remove(tmp);
    return MPfail(FAILWRITE, file);
  }
  if (newnamecommit(tmp, path) != 0) return MPfail(FAILWRITE, file);
  iGraphnum++;
  return MPOKay(OKSAVED, file);
}

int grdump() {
  if (!screen) return -1;
  BITMAP *whole = create_sub_bitmap(screen, 0, 0, SCREEN_W, SCREEN_H);
  if (!whole) {
    MPfail(FAILMEMORY, "the screen dump");
    return -1;
  }
  int status = savedump(whole);
  destroy_bitmap(whole);
  return status == 0 ? iGraphnum : -1;
}

int gotomyradec(double rahours, double decdeg) {
  dStarX = ra = rahours;
  dStarY = dec = decdeg;
  return 0;
}

int gotoasteroid(int i) {
  if (i < 0 || i >= iNumAst || i >= MPMAX) return 0;
  return gotomyradec(obj[i].ra, obj[i].dec);
}

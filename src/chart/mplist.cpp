#include "chart/mplist.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <loadpng.h>

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
    // Names come with the chart's labels (chart/overlays.h), placed
    // without overlap.
    drawcross(SKYbmp, x, y, c);
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

int mpnearpixel(int x, int y) {
  for (int i = 0; i < iNumAst && i < MPMAX; i++) {
    if (iBcalc[i] == 0) continue;
    isplotable(obj[i].ra, obj[i].dec);
    if (abs(iXplot - x) < kNearPixels && abs(iYplot - y) < kNearPixels) return i;
  }
  return -1;
}

// First computed record within 5 pixels of the chart cursor, or of the
// telescope cursor; -1 if none. Records without a place are passed over.
static int mpnearcursor(bool telescope) {
  if (!telescope) return mpnearpixel(Xcur, Ycur);
  for (int i = 0; i < iNumAst && i < MPMAX; i++) {
    if (iBcalc[i] == 0) continue;
    Tisplotable(obj[i].ra, obj[i].dec);
    if (abs(iTXplot - TXcur) < kNearPixels && abs(iTYplot - TYcur) < kNearPixels) return i;
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

int dumpname(char *dest, const char *astname, int n, const char *ext) {
  char stem[kDumpNameChars + 1];
  int k = 0;
  for (; k < kDumpNameChars && astname[k]; k++) stem[k] = dumpnamechar(astname[k]) ? astname[k] : '_';
  stem[k] = 0;
  snprintf(dest, DUMPNAMELEN, "%s%d.%.3s", stem, n, ext);
  return 0;
}

// The picture formats of a dump, each behind its OPTIONS switch.
struct DumpFormat {
  int flagslot;
  const char *ext;
  int (*save)(const char *path, BITMAP *bmp, const RGB *pal);
};
static const DumpFormat kDumpFormats[] = {
    {SAVEPCX, "pcx", save_pcx},
    {SAVETGA, "tga", save_tga},
    {SAVEPNG, "png", save_png},
};
enum { DUMPFORMATS = sizeof kDumpFormats / sizeof kDumpFormats[0] };

int dumpformats(bool *chosen) {
  int n = 0;
  for (int k = 0; k < DUMPFORMATS; k++) n += (chosen[k] = flag[kDumpFormats[k].flagslot] != 0);
  // With every switch off F10 still keeps the screen, as PCX.
  if (n == 0) chosen[0] = true, n = 1;
  return n;
}

// The first number n for which no dump file of the chosen formats exists
// yet, so that no dump, of this run or an earlier one, is ever
// overwritten. Returns n, or -1 when every number is taken.
static int freedumpnumber(const char *astname, const bool *chosen) {
  char file[DUMPNAMELEN], path[256];
  for (int n = 0; n < kMaxDumpNumber; n++) {
    bool taken = false;
    for (int k = 0; k < DUMPFORMATS && !taken; k++) {
      if (!chosen[k]) continue;
      dumpname(file, astname, n, kDumpFormats[k].ext);
      getfilename(path, file);
      taken = exists(path);
    }
    if (!taken) return n;
  }
  return -1;
}

int savedump(BITMAP *bmp) {
  char name[20], file[DUMPNAMELEN], path[256], tmp[SAFEPATHLEN], saved[3 * DUMPNAMELEN + 8] = "";
  getastname(iAst, name);
  bool chosen[DUMPFORMATS];
  dumpformats(chosen);
  int n = freedumpnumber(name, chosen);
  if (n < 0) {
    dumpname(file, name, kMaxDumpNumber, "");
    return MPfail(FAILWRITE, file);
  }
  PALETTE pal;
  get_palette(pal);
  for (int k = 0; k < DUMPFORMATS; k++) {
    if (!chosen[k]) continue;
    dumpname(file, name, n, kDumpFormats[k].ext);
    getfilename(path, file);
    if (newfilename(tmp, path) != 0) return MPfail(FAILWRITE, file);
    if (kDumpFormats[k].save(tmp, bmp, pal) != 0) {
      remove(tmp);
      return MPfail(FAILWRITE, file);
    }
    if (newnamecommit(tmp, path) != 0) return MPfail(FAILWRITE, file);
    size_t used = strlen(saved);
    snprintf(saved + used, sizeof saved - used, "%s%s", used ? ", " : "", file);
  }
  iGraphnum++;
  return MPOKay(OKSAVED, saved);
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

#include "ui/listpages.h"

#include <cstdio>

#include "astro/deepsky.h"
#include "base/settings.h"
#include "chart/ccd.h"
#include "chart/mplist.h"
#include "chart/starcat.h"
#include "chart/starsearch.h"
#include "minorplanets/appulse.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/ephem.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "screen/keys.h"
#include "ui/windows.h"
#include "screen/layout.h"

static const int kLines = (int)(sizeof achDLine / sizeof achDLine[0]);
static const int kLineLen = (int)sizeof achDLine[0];

int loclist(int, int first, int lines) {
  if (lines <= 0) return 0;
  if (first < 0) first = 0;
  first = first / lines * lines;
  int n = lines;
  if (first + n > iPlacesiz + 1) n = iPlacesiz - first + 1;
  if (n < 0) n = 0;
  if (n > LISTPAGELINES) n = LISTPAGELINES;
  snprintf(achDLine[0], sizeof achDLine[0], "File Code  Observatory Location  Page %d/%d", first / lines + 1,
           iPlacesiz / lines + 1);
  for (int k = 0; k < n; k++) {
    int i = first + k;
    const placerec &r = Place[i];
    char text[sizeof achDLine[0] + 3 * sizeof r.name];
    if (snprintf(text, sizeof text, "%-4d %-4d %s, %s, %s ", i, (int)r.code, r.name, r.locality, r.country) < 0)
      text[0] = 0;
    setlistrow(achDLine[k + 2], text, i == iPlace ? 'C' : 0, 0);
  }
  return n;
}

int mplist(int firstline, int start, int count) {
  snprintf(achDLine[1], sizeof achDLine[1], "File  (No.) Planet             RA %04d   Dec %04d   Dist AU  Mag. ", 2000,
           2000);
  int per = count > 0 ? count : 1;
  snprintf(achDLine[0], sizeof achDLine[0], "Planet Database (%d on file)  Block %d  Page %d/%d ", iAstEnd,
           iAstPage + 1, start / per + 1, iNumAst / per + 1);
  int r = 0;
  if (start < 0 || firstline < 0) return 0;
  for (; r < count && start + r < iNumAst && firstline + r < kLines; r++) {
    int i = getmpnumber(start + r);
    char *line = achDLine[firstline + r];
    findpos(line, i);
    setlistrow(line, line, i == iAst ? 'A' : 0, i >= 0 && i < MPMAX && obj[i].userslot != -1 ? 'U' : 0);
  }
  return r;
}

int ccdlist(int firstline, int first, int lines) {
  if (lines <= 0) return 0;
  snprintf(achDLine[1], sizeof achDLine[1], "No.  CCD Type             Chip            Chip Size    Pixels");
  snprintf(achDLine[0], sizeof achDLine[0], "CCD Selection (%d on file) Page %d/%d ", CCDCOUNT, first / lines + 1,
           CCDCOUNT / lines + 1);
  const int rows = (int)(sizeof achDLine / sizeof achDLine[0]);
  int k = 0;
  for (; k < lines && first + k < CCDCOUNT; k++) {
    if (first + k < 0 || firstline + k < 0 || firstline + k >= rows) break;
    const ccdrec &c = ccd[first + k];
    char text[sizeof achDLine[0] + sizeof c.name + sizeof c.chip];
    snprintf(text, sizeof text, "%2d  %-20s %-15s %4.1f %4.1f %4d %4d", first + k, c.name, c.chip, c.chipw,
             c.chiph, (int)c.pixh, (int)c.pixv);
    setlistrow(achDLine[firstline + k], text, first + k == iCCD ? 'C' : 0, 0);
  }
  return k;
}

int ephemlist(int firstline, int start, int count) {
  snprintf(achDLine[1], kLineLen, "Date                     Planet            RA %04d   Dec %04d   Mag", 2000,
           2000);
  int per = count > 0 ? count : 1;
  snprintf(achDLine[0], kLineLen, "Planet Ephemerides (%d on file) Page %d / %d", ephlen, start / per + 1,
           ephlen / per + 1);
  if (start < 0 || firstline < 0) return 0;
  int r = 0;
  char mark = 'Y';
  for (; r < count && start + r < ephnum && firstline + r < kLines; r++) {
    int k = start + r;
    char *line = achDLine[firstline + r];
    findephpos(line, k);
    // Consecutive runs alternate their mark so the viewer tells them apart.
    if (r > 0 && eph[k].run != eph[k - 1].run) mark = mark == 'Y' ? 'Z' : 'Y';
    setlistrow(line, line, k == iEphem ? 'A' : 0, mark);
  }
  return r;
}

int gotoephemtrack(int k) {
  if (k < 0 || k >= ephlen) return 0;
  gotomyradec(eph[k].ra, eph[k].dec);
  return KEYESC;
}

// dest (80 bytes) = the second object's part of an appulse row.
static void secondpart(char *dest, const apprec &a) {
  double arcmin = a.sep * 60.0;
  if (a.kind == APPTABLE && a.second >= 0 && a.second < MPMAX) {
    snprintf(dest, kLineLen, "A %-17.19s %5.2f %5.2f", mp[a.second].name, obj[a.second].mag, arcmin);
  } else if (a.kind == APPSTAR) {
    char name[STARNAMELEN];
    double mag = 0;
    getstarnumber(a.second, name, &mag);
    snprintf(dest, kLineLen, "* %-17.19s %5.2f %5.2f", name, mag, arcmin);
  } else if (a.kind == APPDSO && a.second >= 0 && a.second < iNumDso) {
    // The object with its size; the separation is from its outline's edge.
    char label[DSOLABELLEN], name[40];
    const dsorec &d = dso[a.second];
    dsolabel(a.second, label);
    if (d.major100 && d.minor100 && d.minor100 != d.major100)
      snprintf(name, sizeof name, "%s %.0fx%.0f'", label, d.major100 / 100.0, d.minor100 / 100.0);
    else if (d.major100)
      snprintf(name, sizeof name, "%s %.1f'", label, d.major100 / 100.0);
    else
      snprintf(name, sizeof name, "%s", label);
    snprintf(dest, kLineLen, "D %-17.19s %5.2f %5.2f", name, d.mag100 == DSONOMAG ? 0 : d.mag100 / 100.0, arcmin);
  } else {
    snprintf(dest, kLineLen, "? ???");
  }
}

int applist(int firstline, int start, int count) {
  snprintf(achDLine[1], kLineLen, "File  (No.) Planet              Mag   Second Object      Mag  Sep '");
  int per = count > 0 ? count : 1;
  snprintf(achDLine[0], kLineLen, "Planet Appulses (%d on file)  Page %d/%d ", iNumApps, start / per + 1,
           iNumApps / per + 1);
  if (start < 0 || firstline < 0) return 0;
  int r = 0;
  for (; r < count && start + r < iNumApps && firstline + r < kLines; r++) {
    int k = start + r;
    const apprec &a = app[k];
    int f = a.first >= 0 && a.first < MPMAX ? a.first : 0;
    char name[20], second[80];
    int number = getastname(f, name);
    secondpart(second, a);
    char row[512];
    snprintf(row, sizeof row, "%-5d %-5d %-17s %5.2f %s", k, number, name, obj[f].mag, second);
    setlistrow(achDLine[firstline + r], row, k == iApp ? 'A' : 0, obj[f].userslot != -1 ? 'U' : 0);
  }
  return r;
}

int gotoapp(int k) {
  if (k < 0 || k >= iNumApps) return 0;
  gotoasteroid(app[k].first);
  return KEYESC;
}

int stlist(int firstline, int first, int perpage) {
  int pages = perpage > 0 ? Snum / perpage + 1 : 1;
  int page = perpage > 0 && first >= 0 ? first / perpage + 1 : 1;
  snprintf(achDLine[1], sizeof achDLine[1], "File   %3s Star     R.A. %04d    Dec %04d    Mag.", StarCatID, 2000,
           2000);
  snprintf(achDLine[0], sizeof achDLine[0], "%3s Star Catalog (%d stars on file) Page %d/%d ", StarCatID, Snum, page,
           pages);
  int k = 0;
  if (first < 0 || firstline < 0) return 0;
  for (; k < perpage && first + k < Snum && firstline + k < kLines; k++) {
    char *line = achDLine[firstline + k];
    starstring(first + k, line);
    setlistrow(line, line, first + k == iStar ? 'S' : 0, 0);
  }
  return k;
}

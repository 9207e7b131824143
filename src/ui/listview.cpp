#include "ui/listview.h"
#include "ui/listpages.h"

#include <allegro.h>

#include <cstring>

#include "chart/starcat.h"
#include "chart/ccd.h"
#include "chart/starsearch.h"
#include "minorplanets/appulse.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/ephem.h"
#include "chart/mplist.h"
#include "minorplanets/approach.h"
#include "minorplanets/fieldcheck.h"
#include "minorplanets/tonight.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "base/settings.h"
#include "ui/datemenu.h"
#include "skins/skindraw.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/notes.h"
#include "ui/searchlists.h"
#include "ui/tonightpage.h"
#include "ui/windows.h"

const char listlabels[] = "abcdefghijklmnopqrstuvwxyz1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

enum { LISTBOTTOMROW = 25 };

int listpagerows(int toprow, int pitch) {
  if (pitch <= 0) return 1;
  int rows = (LISTBOTTOMROW - toprow) * VRTScale / pitch;
  if (rows > LISTMAXROWS) rows = LISTMAXROWS;
  return rows < 1 ? 1 : rows;
}

int listmove(int start, int keycode, int count, int rows) {
  if (rows < 1) rows = 1;
  if (keycode == KEYPGDN) start += rows;
  if (keycode == KEYPGUP) start -= rows;
  if (keycode == KEYHOME) start = 0;
  if (keycode == KEYEND) start = -1;
  if (start < 0) {
    start = count / rows * rows;
    if (count > 0 && count % rows == 0) start -= rows;
  }
  if (start >= count) start = 0;
  return start;
}

int listpick(int keycode, int start, int rows, int count) {
  if (keycode <= 0 || keycode > 255) return -1;
  const char *at = strchr(listlabels, keycode);
  if (!at) return -1;
  int r = (int)(at - listlabels);
  return r < rows && start + r < count ? r : -1;
}

// How a list is shown: first text row, font number and text colour.
struct LISTSTYLE {
  int toprow, fontnum, textcolour;
};

// Font number of a list-font choice of the CATALOG or PLANET menu.
static int listfont(int choice) { return mpfont[choice >= 0 && choice < 8 ? choice : 1].fontnum; }

// Style and entry count of list; false for a list that cannot be shown.
static bool listof(int list, LISTSTYLE *style, int *count) {
  switch (list) {
    case LISTPLACES:
      *style = LISTSTYLE{10, 10, colour[PALDARKGREEN]};
      *count = iPlacesiz + 1;
      return true;
    case LISTSTARS:
      *style = LISTSTYLE{4, listfont(iNT[STARLISTFONT]), colour[PALDARKBLUE]};
      *count = Snum;
      return true;
    case LISTPLANETS:
      *style = LISTSTYLE{4, listfont(iNT[MPLISTFONT]), colour[PALMPLISTTEXT]};
      *count = iNumAst;
      return true;
    case LISTCCD:
      // Every camera can be picked, the last one too.
      *style = LISTSTYLE{4, 10, colour[PALDARKRED]};
      *count = CCDCOUNT;
      return true;
    case LISTEPHEM:
      *style = LISTSTYLE{4, 10, colour[PALDARKCYAN]};
      *count = ephlen;
      return true;
    case LISTAPPULSES:
      *style = LISTSTYLE{4, 10, colour[PALBLACK]};
      *count = iNumApps;
      return true;
    case LISTFIELD:
      *style = LISTSTYLE{4, 10, colour[PALBLACK]};
      *count = field.count;
      return true;
    case LISTAPPROACH:
      *style = LISTSTYLE{4, 10, colour[PALBLACK]};
      *count = iNumAppr;
      return true;
    case LISTTONIGHT:
      *style = LISTSTYLE{4, 10, colour[PALDARKBLUE]};
      *count = tonightrows;
      return true;
    default:
      return false;
  }
}

int chooseplace(int index) {
  if (locload(index) != 0) return -1;
  // A new place (no name yet) is only edited until F2 stores it.
  if (!Place[index].name[0]) return 0;
  getaplace(index);
  showplaceline();
  keepinstant();
  calcastall(dJDay);
  return 0;
}

// Makes entry the current one of list. Returns 2 when it went to the
// chart, else 1.
static int listselect(int list, int entry) {
  switch (list) {
    case LISTPLACES:
      chooseplace(entry);
      break;
    case LISTSTARS:
      iStar = entry;
      starload(entry);
      break;
    case LISTPLANETS:
      iAst = getmpnumber(entry);
      readmpvars(iAst);
      iNT[USERMPS] = loguserobj(iAst);
      break;
    case LISTCCD:
      loadccd(entry);
      break;
    case LISTEPHEM:
      iEphem = entry;
      break;
    case LISTAPPULSES:
      iApp = iNT[APPULSENUM] = entry;
      break;
    case LISTFIELD:
      return gotofieldhit(entry) ? 2 : 1;
    case LISTAPPROACH:
      return gotoapproach(entry) ? 2 : 1;
    case LISTTONIGHT:
      tonightcurrent = entry;
      break;
    default:
      break;
  }
  return 1;
}

// Fills achDLine with the page of list from start; returns its rows.
static int listfill(int list, int start, int rows) {
  switch (list) {
    case LISTPLACES:
      return loclist(2, start, rows);
    case LISTSTARS:
      return stlist(2, start, rows);
    case LISTPLANETS:
      return mplist(2, start, rows);
    case LISTCCD:
      return ccdlist(2, start, rows);
    case LISTEPHEM:
      return ephemlist(2, start, rows);
    case LISTAPPULSES:
      return applist(2, start, rows);
    case LISTFIELD:
      return fieldlist(2, start, rows);
    case LISTAPPROACH:
      return approachlist(2, start, rows);
    case LISTTONIGHT:
      return tonightlist(2, start, rows);
    default:
      return 0;
  }
}

static void clearlistlines() {
  for (int i = 0; i < LISTLINES; i++) {
    listbox[i] = -1;
    achDLine[i][0] = 0;
    achDLine[i][LISTCURRENT] = 0;
    achDLine[i][LISTKIND] = 0;
  }
}

void listarea(int toprow, int *x1, int *y1, int *x2, int *y2) {
  *x1 = listXst * HORScale - 1;
  *y1 = toprow * VRTScale - 4;
  *x2 = 79 * HORScale;
  *y2 = 26 * VRTScale + 10;
}

static void drawlistarea(int toprow) {
  int x1, y1, x2, y2;
  listarea(toprow, &x1, &y1, &x2, &y2);
  rectfill(VIDbmp, x1, y1, x2, y2, colour[PALLISTBACK]);
  rect(VIDbmp, x1, y1, x2, y2, colour[PALGREY]);
}

static int linecolour(int list, const char *line, int textcolour) {
  if (line[LISTCURRENT]) return colour[PALRED];
  if (line[LISTKIND] == 'U') return colour[PALGREEN];
  if (list == LISTEPHEM && line[LISTKIND] == 'Z') return colour[PALDARKBLUE];
  return textcolour;
}

// The selection box of row r at pixel row y, pressed when the row is marked.
static void drawlabelbox(int r, int y, bool marked, int textcolour) {
  int x = listXst * HORScale, w = 2 * HORScale - 2, h = text_height(font) + 3;
  if (!drawlistboxskin(VIDbmp, x, y, w, h, marked ? 1 : 0)) drawshadedbox(x, y, w, h);
  char label[2] = {listlabels[r], 0};
  printf256(x + w / 2 - 3, y + 2, textcolour, label);
}

static void drawlistlines(int list, int toprow, int written, int textcolour) {
  listboxy = 2 * listpitch + toprow * VRTScale;
  for (int line = 0; line < written + 2; line++) {
    int y = line * listpitch + toprow * VRTScale;
    char *text = achDLine[line];
    text[LISTTEXTEND] = 0;
    if (line >= 2) {
      listbox[line - 2] = listlabels[line - 2];
      drawlabelbox(line - 2, y, text[LISTCURRENT] != 0, textcolour);
    }
    printf256((listXst + 2) * HORScale, y + 2, linecolour(list, text, textcolour), text);
  }
}

int catview(int *start, int list, int keycode) {
  LISTSTYLE style;
  int count;
  if (!listof(list, &style, &count)) return 0;
  setuserfont(style.fontnum);
  listpitch = text_height(font) + 4;
  int rows = listpagerows(style.toprow, listpitch);
  clearlistlines();
  int first = listmove(*start, keycode, count, rows);
  *start = first;
  drawlistarea(style.toprow);
  int chosen = 0;
  int r = listpick(keycode, first, rows, count);
  if (r >= 0) {
    chosen = listselect(list, first + r);
  }
  int written = listfill(list, first, rows);
  if (written < 0) written = 0;
  if (written > rows) written = rows;
  drawlistlines(list, style.toprow, written, style.textcolour);
  if (keycode == KEYF9) filecopy(written + 2);
  setuserfont(iDEFONT);
  return chosen;
}

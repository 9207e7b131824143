#include "ui/menu.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>

#include "chart/ccd.h"
#include "chart/starcat.h"
#include "chart/starsearch.h"
#include "minorplanets/appulse.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/ephem.h"
#include "chart/mplist.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "skins/skin.h"
#include "base/settings.h"
#include "screen/switches.h"
#include "timefmt/instant.h"
#include "ui/datemenu.h"
#include "ui/dialogs.h"
#include "screen/display.h"
#include "ui/findline.h"
#include "ui/help.h"
#include "ui/input.h"
#include "screen/keys.h"
#include "ui/appsearch.h"
#include "ui/listpages.h"
#include "ui/listview.h"
#include "ui/notes.h"
#include "ui/project.h"
#include "ui/searchlists.h"
#include "ui/tonightpage.h"
#include "ui/windows.h"
#include "screen/layout.h"

int iSel[10];
int iSelMax = 0;
int iClick = 0;
int iHelpLine = 29;

enum : int {
  FIELDROW = 4,         // text row of field 0
  VALUECOL = 13,        // text column of the values: button column + width
  FOCUSBARBUTTON = 33,  // the function-key bar's F4 position, drawn lit
  HELPLINEWIDTH = 296,  // pixels of the help line, from HORScale - 2
  CHOICEBOXW = 64,
  CHECKBOXW = 12,
  CHECKBOXH = 10,
  DISPLAYBOXW = 98,
};

// First entry shown of each list page, kept while the program runs.
static int liststart[LISTCOUNT];

int menulist(int menu) {
  switch (menu) {
    case MENULOCATION: return LISTPLACES;
    case MENUCATALOG: return LISTSTARS;
    case MENUPLANET: return LISTPLANETS;
    case MENUEPHEMERIS: return tonightshown ? LISTTONIGHT : LISTEPHEM;
    case MENUTELESCOPE: return LISTCCD;
    case MENUAPPULSE: return iAppulseList;
    default: return -1;
  }
}

int menulistpage(int menu, int code) {
  int list = menulist(menu);
  if (list < 0) return 0;
  if (list != LISTTONIGHT) return catview(&liststart[list], list, code);
  // The graph stands in the list's place until a list key is pressed.
  if (code != 0) tonightgraphon = 0;
  int chosen = 0;
  if (!tonightgraphon || drawtonightgraph() != 0) {
    tonightgraphon = 0;
    chosen = catview(&liststart[list], list, code);
  }
  drawnightfacts();
  return chosen;
}

// The help line of field n of the open menu, in place of the last one.
static void drawhelpline(const PROMPT &fld) {
  int x = HORScale, y = iHelpLine * VRTScale;
  // The box is widened and deepened to the font in force so that the
  // longest help line (40 characters) leaves nothing of itself behind.
  int w = HELPLINEWIDTH, h = 12;
  w = std::max(w, 2 + (int)(sizeof fld.help - 1) * text_length(font, "W"));
  h = std::max(h, 3 + text_height(font));
  rectfill(VIDbmp, x - 2, y, x - 2 + w, y + h - 1, win[SMALLWIN].fill);
  printf256(x, y + 3, colour[PALDARKBLUE], fld.help);
}

// The value of field fld at pixel (x, y), text cell (row, VALUECOL).
static void drawvalue(const PROMPT &fld, int row, int x, int y) {
  int s = fld.setting;
  char text[64];
  switch (fld.kind) {
    case MKVALUE:
      if (fld.type == VTWHOLE)
        showint(row, VALUECOL, iNT[s]);
      else if (fld.type == VTTEXT)
        showastring(row, VALUECOL, chSTR[s], lenstr[s]);
      else
        showafloat(row, VALUECOL, dFP[s]);
      break;
    case MKCHOICE: {
      const MCHOICE &c = mchoice[s];
      int cur = c.current >= 0 && c.current < CHOICETEXTS ? c.current : 0;
      drawshadedbox(x, y + 2, CHOICEBOXW, 12);
      printf256(x + 4, y + 4, colour[PALDARKRED], c.text[cur]);
      break;
    }
    case MKSWITCH:
      if (flag[s]) {
        drawpushedbox(x + 2, y + 3, CHECKBOXW, CHECKBOXH);
        rectfill(VIDbmp, x + 6, y + 6, x + 10, y + 10, colour[PALDARKRED]);
      } else {
        drawshadedbox(x + 2, y + 3, CHECKBOXW, CHECKBOXH);
      }
      // The state in words beside the box, readable at a glance.
      rectfill(VIDbmp, x + CHECKBOXW + 6, y + 2, x + CHECKBOXW + 6 + 3 * 8, y + 14, win[0].fill);
      printf256(x + CHECKBOXW + 8, y + 4, colour[flag[s] ? PALDARKRED : PALDARKBLUE], flag[s] ? "ON" : "OFF");
      break;
    case MKDISPLAY:
      if (fld.type == VTWHOLE)
        snprintf(text, sizeof text, "%d", iNT[s]);
      else if (fld.type == VTTEXT)
        snprintf(text, sizeof text, "%s", chSTR[s]);
      else
        snprintf(text, sizeof text, "%f", dFP[s]);
      rectfill(VIDbmp, x + 2, y + 2, x + 2 + DISPLAYBOXW, y + 16, colour[PALLIGHTGREY]);
      printf256(x + 4, y + 4, colour[PALDARKRED], text);
      break;
    default:
      break;
  }
}

int drawmenu() {
  setuserfont(iDEFONT);
  if (iFun < 0 || iFun >= MENUCOUNT) return 0;
  // The chart's N/S key flips the orientation behind the menu's back.
  mchoice[CHOICEORIENT].current = iNT[SOUTHUP] ? 1 : 0;
  int selectable = 0;
  for (int n = 0; n < MENUFIELDS; n++) {
    const PROMPT &fld = prompt[iFun][n];
    if (fld.kind == MKEMPTY) continue;
    const BUTTON &b = but[n];
    int x = VALUECOL * HORScale, y = b.row * VRTScale;
    if (n == iFocus) drawhelpline(fld);
    if (fld.kind == MKNOTE) {
      drawhelptextonly(iFun, n);
      continue;
    }
    drawbutton(iFun, n, n == iFocus ? (iClick ? 2 : 1) : 0);
    selectable++;
    drawvalue(fld, b.row, x, y);
  }
  menulistpage(iFun, 0);
  drawextrabuttons(iFun, FOCUSBARBUTTON, 1);
  setuserfont(iDEFONT);
  return selectable;
}

// Asks text with one %s filled by arg. Returns 1 for yes.
static int askyes(const char *format, const char *arg) {
  char line[128];
  snprintf(line, sizeof line, format, arg);
  return dialogYN(line) == 'Y';
}

static int askrecalculate() { return dialogYN("Recalculate Asteroids?") == 'Y'; }

// Edits value field fld (entry n) in place. Returns 0 when a value was stored.
static int editvalue(const PROMPT &fld, int n) {
  int row = but[n].row, s = fld.setting;
  switch (fld.type) {
    case VTWHOLE: {
      int v = iNT[s];
      int k = getint(row, VALUECOL, &v, iLO[s], iHI[s]);
      if (k == 0) iNT[s] = v;
      return k;
    }
    case VTTEXT: {
      char text[sizeof chSTR[0]];
      int len = lenstr[s] < (int)sizeof text - 1 ? lenstr[s] : (int)sizeof text - 1;
      snprintf(text, sizeof text, "%s", chSTR[s]);
      int k = getastring(row, VALUECOL, text, "", len);
      if (k == 0) snprintf(chSTR[s], sizeof chSTR[s], "%s", text);
      return k;
    }
    case VTCOORD: {
      double v = dFP[s];
      int k = getcoord(row, VALUECOL, &v, dLO[s], dHI[s]);
      if (k == 0) dFP[s] = v;
      return k;
    }
    default: {
      double v = dFP[s];
      int k = getafloat(row, VALUECOL, &v, dLO[s], dHI[s]);
      if (k == 0) dFP[s] = v;
      return k;
    }
  }
}

int findstarfield() {
  int n = findstarnumber(iNT[STARNUMBER]);
  if (n >= 0) starload(n);
  return n;
}

int findmpfield() {
  int n = findastnumber(iNT[MPNUMBER]);
  readmpvars(n >= 0 ? n : iNT[MPRECORD]);
  return n;
}

int observatoryfield() {
  if (iNT[PLACENUM] >= PLACEMAX) return -1;
  // A number past the last place opens a new place at the end.
  if (iNT[PLACENUM] > iPlacesiz) {
    iPlacesiz++;
    iNT[PLACENUM] = iPlacesiz;
  }
  return chooseplace(iNT[PLACENUM]);
}

int storeplace(int (*writeplaces)()) {
  if (locsave(iNT[PLACENUM]) < 0) return -1;
  int r = writeplaces();
  // Writing closes up emptied places and renumbers the current one: the
  // field follows it, and shows what the table now holds there, so the
  // next F2 cannot store into another place.
  chooseplace(iPlace);
  return r;
}

int runfollowup(int action) {
  switch (action) {
    case FUOBSERVATORY:
      return observatoryfield();
    case FUSTARRECORD:
      if (iNT[STARRECORD] >= 0 && iNT[STARRECORD] < Snum) starload(iNT[STARRECORD]);
      return 0;
    case FUSTARNUMBER:
      findstarfield();
      return 0;
    case FUMPRECORD:
      if (iNT[MPRECORD] >= 0 && iNT[MPRECORD] < iNumAst) readmpvars(iNT[MPRECORD]);
      return 0;
    case FUMPNUMBER:
      findmpfield();
      return 0;
    case FUJULIANDAY:
      if (askrecalculate()) makeFPdate();
      return 0;
    case FUCCD:
      loadccd(iNT[CCDNUM]);
      return 0;
    default:
      return 0;
  }
}

// LOAD NEW SKIN: the skin named in PROGRAM SKIN, for the depth drawn in,
// behind an alert; the title bar takes it at once, the chart when the
// menu closes.
static void loadskinfield() {
  char line[64];
  snprintf(line, sizeof line, "Checking Skin %s.skt", chSTR[SKINNAME]);
  const char *lines[2] = {line, "Please wait..."};
  openalert(2, lines);
  initskin(bitmap_color_depth(VIDbmp), chSTR[SKINNAME]);
  closealert();
  drawtitle();
  Heading(iFun);
  // How it went: the table and images loaded, or why the default is used.
  if (myskin)
    dialogOK(mperror);
  else
    dialogERR(mperror);
}

// Acts on Enter on field n of the open menu by its kind. Returns the key
// that follows: 27 when the action closes the menu, else 0.
static int enterfield(int n) {
  const PROMPT &fld = prompt[iFun][n];
  switch (fld.kind) {
    case MKCHOICE:
      nextchoice(fld.setting);
      if (fld.setting == CHOICEORDER && tonightshown) tonightresort();
      break;
    case MKVALUE:
      if (editvalue(fld, n) != 0) break;
      if (iFun == MENUPLANET && fld.setting == MPRECORD && fld.type == VTWHOLE) {
        readmpvars(iNT[MPRECORD]);
        iNT[USERMPS] = loguserobj(iNT[MPRECORD]);
      }
      // The camera's field of view follows its chip and the focal length.
      if (iFun == MENUTELESCOPE && fld.type == VTNUMBER &&
          (fld.setting == TELFOCAL || fld.setting == CCDCHIPH || fld.setting == CCDCHIPV))
        ccdfov();
      break;
    case MKSWITCH:
      flag[fld.setting] = 1 - (flag[fld.setting] ? 1 : 0);
      if (fld.setting == GEOCENTRIC) calcastall(day);  // every place moves with the observer
      break;
    case MKHELP:
      helpwindow();
      break;
    case MKLOADPROJECT:
      loadproject(1);
      break;
    case MKSAVEPROJECT:
      saveproject();
      break;
    case MKLOADDATABASE:
      if (dialogYN("Reload Asteroids?") == 'Y') {
        ASTreadpage(iNT[MPSTART]);
        dialogOK(mperror);
        realtimedate();
        iNT[USERMPS] = 0;
      }
      break;
    case MKLOADUSER:
      if (askyes("Reload User Selected Objects in %s?", chSTR[USERFILE])) {
        iNT[USERMPS] = MPreaduserfile(chSTR[USERFILE]);
        dialogOK(mperror);
        realtimedate();
      }
      break;
    case MKSAVEUSER:
      if (askyes("Save User Selected Asteroids in %s?", chSTR[USERFILE]) && MPwriteuserfile(chSTR[USERFILE]))
        dialogERR(mperror);
      break;
    case MKSCOPEGOTO:
      // The chart (and with it the telescope view) goes to the telescope's
      // place, as F4 does on the sky map.
      gotomyradec(dFP[TELRA], dFP[TELDEC]);
      return KEYESC;
    case MKMAKEMYDAY:
      if (askrecalculate()) makemydate();
      break;
    case MKSYSTEMCLOCK:
      if (askrecalculate()) realtimedate();
      break;
    case MKLOADSKIN:
      loadskinfield();
      break;
    case MKFIELDCHECK:
      runfieldcheck();
      liststart[LISTFIELD] = 0;
      break;
    case MKAPPROBJECT:
    case MKAPPRPAGE:
      runapproaches(fld.kind == MKAPPRPAGE);
      liststart[LISTAPPROACH] = 0;
      break;
    case MKFIND: {
      // Found: the menu closes on the chart centred there.
      FINDHIT hit;
      if (findline(&hit)) return KEYESC;
      break;
    }
    case MKGENEPHEM: {
      // The start can follow the DATE fields, so nobody has to type a Julian Day.
      if (flag[EPHEMATDATE]) dFP[EPHEMSTART] = menudatejd();
      if (const char *why = ephemrefusal(iNT[EPHEMLINES], dFP[EPHEMSTEP])) {
        dialogERR(why);
        break;
      }
      char name[20];
      getastname(iAst, name);
      if (askyes("Generate ephemeris for %s?", name)) {
        calcephem(iAst);
        tonightshown = 0;
      }
      break;
    }
    case MKTONIGHT:
      tonightrun();
      liststart[LISTTONIGHT] = 0;
      break;
    case MKGENAPPULSE: {
      if (!(dFP[APPULSEDIST] > 0)) {
        dialogERR("DISTANCE Deg. is 0: no pair can be that close.");
        break;
      }
      static const char *const kChecking[2] = {"Checking asteroids.", "Please wait..."};
      openalert(2, kChecking);
      genastapplist(0, dFP[APPULSEDIST], 1);
      bool full = iNumApps >= MAXAPPS;
      filterappulselist();
      iHI[APPULSENUM] = iNumApps;
      iAppulseList = LISTAPPULSES;
      liststart[LISTAPPULSES] = 0;
      closealert();
      // A full list has dropped the later finds: the list is not all there is.
      if (full) {
        snprintf(mperror, sizeof mperror, "Appulse list full (%d): search stopped.", MAXAPPS);
        dialogERR(mperror);
      }
      break;
    }
    default:
      break;
  }
  runfollowup(fld.action);
  return 0;
}

int menufunctionkey(int code) {
  switch (code) {
    case KEYF2:
      if (iFun == MENULOCATION) storeplace(Placewritefile);
      if (iFun == MENUPLANET) {
        savempvars(iNT[MPRECORD]);
        calcsingle(iNT[MPRECORD], dJDay);
      }
      if (iFun == MENUCATALOG) starsave(iNT[STARRECORD]);
      // The page shown is in the list lines: the file gets it as seen,
      // appended or replaced as the APPEND MODE choice says.
      if (iFun == MENUEPHEMERIS && tonightshown) {
        tonightsave();
        return 0;
      }
      if (iFun == MENUEPHEMERIS && askyes("Save Ephemeris in file %s?", chSTR[EPHEMFILE]))
        ephemfilecopy(iNT[EPHEMMODE]);
      if (iFun == MENUAPPULSE) searchcsv();
      return 0;
    case KEYF3:
      if (iFun == MENUCATALOG) findstarfield();
      if (iFun == MENUPLANET) findmpfield();
      if (iFun == MENUEPHEMERIS && tonightshown) tonightgraphon = 1 - tonightgraphon;
      return 0;
    case KEYF4:
      switch (iFun) {
        case MENUCATALOG: gotostar(iNT[STARRECORD]); return KEYESC;
        case MENUPLANET: gotoasteroid(iNT[MPRECORD]); return KEYESC;
        case MENUSKYMAP: gotomyradec(dFP[CHARTRA], dFP[CHARTDEC]); return KEYESC;
        case MENUAPPULSE: gotoapp(iNT[APPULSENUM]); return KEYESC;
        case MENUEPHEMERIS: return tonightshown ? tonightgoto(tonightcurrent) : 0;
        default: return 0;
      }
    default:
      return 0;
  }
}

// Keys passed on to the open menu's list page.
static bool listkey(int code) {
  return code == KEYPGDN || code == KEYPGUP || code == KEYF9 || code == KEYF10 || code == KEYHOME || code == KEYEND ||
         (code > 0 && code < 123);
}

// Switches to menu m in place, remembering the focus of the open one.
static void switchmenu(int m) {
  if (m == iFun) return;
  if (iFun >= 0 && iFun < MENUCOUNT) iSel[iFun] = iFocus;
  iFun = m;
  blankwindow(MENUWIN);
  Heading(m);
  iFocus = iSel[m];
}


int menufunction(int menu) {
  if (menu < 0 || menu >= MENUCOUNT) return KEYESC;
  iFun = menu;
  openwindow(MENUWIN);
  int code = altkey[menu];
  Heading(menu);
  iFocus = iSel[menu];
  iClick = 0;
  int drawn = -1;  // focus of the last drawing; -1 asks for a new one
  while (code != KEYESC) {
    int m = menuofkey(code);
    if (m >= 0) {
      switchmenu(m);
      drawn = -1;
    }
    iSelMax = selectablefields(iFun);
    if (iFocus < 0 || iFocus >= iSelMax) iFocus = 0;
    if (iFocus != drawn) {
      iSelMax = drawmenu();
      drawn = iFocus;
    }
    code = waitpress();
    if (code == KEYUP || code == KEYDOWN) {
      iFocus += code == KEYUP ? -1 : 1;
      if (iFocus < 0) iFocus = iSelMax - 1;
      if (iFocus >= iSelMax) iFocus = 0;
      iClick = 1;
      iSelMax = drawmenu();
      iClick = 0;
      drawn = iFocus;
    } else if (code == KEYF1) {
      helpwindow();
    } else if (code == KEYF2 || code == KEYF3 || code == KEYF4) {
      if (menufunctionkey(code) == KEYESC) code = KEYESC;
      drawn = -1;
    } else if (code == KEYENTER) {
      if (iFocus >= 0 && iFocus < iSelMax && enterfield(iFocus) == KEYESC) code = KEYESC;
      drawn = -1;
    } else if (menuofkey(code) < 0 && code != KEYESC && listkey(code)) {
      int chosen = menulistpage(iFun, code);
      if (chosen == 2) code = KEYESC;  // the chart goes to the row chosen
      if (chosen) {
        drawn = -1;
        // A row of the night planner goes to its object on the chart.
        if (menulist(iFun) == LISTTONIGHT && tonightgoto(tonightcurrent) == KEYESC) code = KEYESC;
      }
    }
  }
  iSel[iFun] = iFocus;
  closewindow(MENUWIN);
  if (dJDay != day) {
    day = dJDay;
    showJday(dJDay);
  }
  Heading(-1);
  iFun = -1;
  return code;
}

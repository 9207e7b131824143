#include "ui/windows.h"

#include <cstdio>
#include <cstring>

#include "base/constants.h"
#include "chart/skyplot.h"
#include "skins/skinbutton.h"
#include "skins/skindraw.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/menutable.h"
#include "screen/layout.h"

int iButFun[GRIDROWS][GRIDCOLS];
int iButBack[WINDOWS + 1][GRIDROWS][GRIDCOLS];
int listbox[LISTLINES];
int listboxy = 0;
int listpitch = 16;
int listXst = 26;
BUTTON but[BUTTONS];
WINDO win[WINDOWS];
BITMAP *winbg[WINDOWS + 1];
int iWinNum = -1;
int twX = 0, twY = 0;
char achDLine[LISTLINES][LISTLINECHARS];
char title[80];
const char banner[] = "KORVANEX Ver 3.0 Alpha 14 ";

char strfun[32][16] = {
    "",         "F1 HELP",  "F2 PAN",   "F3 ZOOMOUT", "F4 ZOOMIN", "F5 STAR?", "F6 PLANET?", "F7 TRACK?",
    "F8 WORDS", "F9 NOTES", "F10 COPY", "PAGEUP",     "PAGEDOWN",  "BEGIN",    "END ",       "CLOSE",
    "OKay",     "Cancel",   "ESC",      " # ",        "Cat",       "Ast",      "ID",         "Con",
    "N/S",      "Tel",      "Lck",      "Hor",        "F3 GRAPH",       "F2 SAVE",  "F3 FIND",    "F4 GOTO"};
int strret[32] = {0,       KEYF1,   KEYF2,   KEYF3,   KEYF4,   KEYF5,    KEYF6,    KEYF7,
                  KEYF8,   KEYF9,   KEYF10,  KEYPGUP, KEYPGDN, KEYHOME,  KEYEND,   KEYESC,
                  KEYENTER, KEYF3,  KEYESC,  '#',     '*',     'a',      'i',      'c',
                  'n',     't',     'l',     'h',     KEYF3,       KEYF2,    KEYF3,    KEYF4};

const int iQuickBar[10][10] = {
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},          {1, 29, 0, 0, 11, 12, 13, 14, 9, 10},
    {1, 29, 30, 31, 11, 12, 13, 14, 9, 10},  {1, 29, 30, 31, 11, 12, 13, 14, 9, 10},
    {1, 29, 28, 31, 11, 12, 13, 14, 9, 10},  {1, 0, 0, 31, 0, 0, 0, 0, 0, 10},
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},          {1, 0, 0, 31, 11, 12, 13, 14, 9, 0},
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},          {1, 2, 3, 4, 5, 6, 7, 0, 0, 10}};
const int iHotButs[10][10] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},         {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},         {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},         {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},         {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 18},         {19, 20, 21, 22, 23, 24, 25, 26, 27, 18}};

const LOGO logo[10] = {
    {1, 7, PALDARKBLUE, PALDARKRED, 'F', "FILE"},       {9, 7, PALDARKBLUE, PALDARKRED, 'L', "LOCATION"},
    {17, 7, PALDARKBLUE, PALDARKRED, 'C', "CATALOG"},   {25, 7, PALDARKBLUE, PALDARKRED, 'P', "PLANET"},
    {33, 7, PALDARKBLUE, PALDARKRED, 'E', "EPHEMERIS"}, {41, 7, PALDARKBLUE, PALDARKRED, 'S', "SKYMAP"},
    {49, 7, PALDARKBLUE, PALDARKRED, 'T', "TELESCOPE"}, {57, 7, PALDARKBLUE, PALDARKRED, 'A', "APPULSE"},
    {65, 7, PALDARKBLUE, PALDARKRED, 'O', "OPTIONS"},   {73, 5, PALDARKBLUE, PALDARKRED, 'Q', "QUIT"}};

// Keys of the telescope-view skin buttons 56..88.
static const int kSkinKeys[33] = {'K', 'N', 'W', 't', 23,  ' ', 'G', 'J', '5', '6', 'A',
                                  '4', '3', 'D', 'Z', 'C', 'F', 'R', 'M', '^', 'v', '<',
                                  '>', 'S', 'O', ' ', ' ', ' ', ' ', 'g', ' ', ' ', ' '};
static const int kBarCol[10] = {1, 8, 14, 23, 31, 38, 47, 55, 62, 69};
static const int kBarWidth[10] = {7, 6, 9, 8, 7, 9, 8, 7, 7, 7};

static void setbutton(int n, int col, int row, int width, int keycode) {
  but[n] = BUTTON{col, row, width, 1, PALDARKBLUE, PALRED, keycode};
}

static void initbuttons() {
  for (int i = 0; i < BUTFIELDS; i++) setbutton(BUTFIELD + i, 1, 4 + i, 12, KEYENTER);
  for (int i = 0; i < BUTHOTS; i++) setbutton(BUTHOT + i, 77, 5 + i, 3, 0);
  setbutton(BUTCLOSEMENU, 76, 28, 3, KEYESC);
  for (int i = 0; i < BUTBARS; i++) setbutton(BUTBAR + i, kBarCol[i], 28, kBarWidth[i], KEYF1 + i);
  for (int i = 0; i < BUTHEADS; i++) setbutton(BUTHEAD + i, 1 + 8 * i, 2, 8, altkey[i]);
  setbutton(BUTCLOSE, 73, 2, 5, KEYESC);
  setbutton(BUTDIALOG, 28, 19, 10, KEYENTER);
  setbutton(BUTDIALOG + 1, 38, 19, 10, KEYESC);
  setbutton(BUTDIALOG + 2, 12, 22, 13, '1');
  setbutton(BUTDIALOG + 3, 26, 22, 13, '2');
  setbutton(BUTDIALOG + 4, 40, 22, 13, '3');
  setbutton(BUTSPARE, 38, 20, 10, KEYENTER);
  // Skin buttons take their places from the skin.
  for (int i = 0; i < BUTSKINS - 1; i++) setbutton(BUTSKIN + i, 0, 0, 0, kSkinKeys[i]);
  setbutton(BUTTONS - 1, 0, 0, 0, 0);
}

static void markcells(int row, int col, int width, int value) {
  if (row < 0 || row >= GRIDROWS) return;
  for (int c = col; c < col + width; c++)
    if (c >= 0 && c < GRIDCOLS) iButFun[row][c] = value;
}

void markbutton(int n, int value) { markcells(but[n].row, but[n].col, but[n].width, value); }

static void clearlistbox(int n) {
  for (int i = 0; i < n; i++) listbox[i] = -1;
}

void clearhitmap() {
  for (int r = 0; r < GRIDROWS; r++)
    for (int c = 0; c < GRIDCOLS; c++) iButFun[r][c] = -1;
  clearlistbox(LISTLINES);
}

int setwindo(int n, int col, int row, int width, int height, int textcolour, int fillcolour) {
  if (n < 0 || n >= WINDOWS) return -1;
  WINDO &w = win[n];
  w.row = row;
  w.col = col;
  w.height = height;
  w.width = width;
  w.x = col * HORScale;
  w.y = row * VRTScale;
  w.w = width * HORScale;
  w.h = height * VRTScale;
  w.fill = colour[fillcolour];
  w.text = colour[textcolour];
  w.savex = w.savey = 0;
  w.prev = -1;
  if (winbg[n]) destroy_bitmap(winbg[n]);
  winbg[n] = create_bitmap(w.w, w.h);
  return winbg[n] ? 0 : -1;
}

void windoinit() {
  static const int kPlace[WINDOWS][4] = {{3, 4, 14, 12}, {0, 3, 80, 27}, {10, 8, 58, 16}, {20, 5, 40, 16}, {24, 10, 40, 14}};
  initbuttons();
  for (int n = 0; n < WINDOWS; n++) {
    setwindo(n, kPlace[n][0], kPlace[n][1], kPlace[n][2], kPlace[n][3], PALBLACK, PALLIGHTGREY);
    win[n].frame = n < FRAMEDWINDOWS ? PALDARKBLUE : PALDARKRED;
  }
  iWinNum = -1;
  twX = twY = 0;
  snprintf(title, sizeof title, "%s", "KORVANEX Ver 3.0 Alpha 14");
}

// Visits the hit-map cells covered by window n.
template <typename F>
static void forwindowcells(int n, F f) {
  const WINDO &w = win[n];
  for (int r = w.row; r < w.row + w.height && r < GRIDROWS; r++)
    for (int c = w.col; c < w.col + w.width && c < GRIDCOLS; c++)
      if (r >= 0 && c >= 0) f(r, c);
}

static void drawframe(const WINDO &w, int topleft, int bottomright) {
  hline(VIDbmp, w.x, w.y, w.x + w.w - 1, topleft);
  vline(VIDbmp, w.x, w.y, w.y + w.h - 1, topleft);
  hline(VIDbmp, w.x, w.y + w.h - 1, w.x + w.w - 1, bottomright);
  vline(VIDbmp, w.x + w.w - 1, w.y, w.y + w.h - 1, bottomright);
}

int openwindow(int n) {
  if (n < 0 || n >= WINDOWS) return -1;
  WINDO &w = win[n];
  // The menu window covers the chart and the telescope skin with it.
  if (n == MENUWIN) skinshown = 0;
  w.prev = iWinNum;
  if (winbg[n]) blit(VIDbmp, winbg[n], w.x, w.y, 0, 0, w.w, w.h);
  rectfill(VIDbmp, w.x, w.y, w.x + w.w - 1, w.y + w.h - 1, w.fill);
  if (w.frame) drawframe(w, colour[PALWHITE], colour[PALGREY]);
  w.savex = twX;
  w.savey = twY;
  iWinNum = n;
  twX = w.x;
  twY = w.y;
  forwindowcells(n, [n](int r, int c) {
    iButBack[n][r][c] = iButFun[r][c];
    iButFun[r][c] = -1;
  });
  clearlistbox(40);
  if (iFun >= 0) getmenubutfun(iFun);
  return n;
}

void closewindow(int n) {
  if (n < 0 || n >= WINDOWS) return;
  WINDO &w = win[n];
  if (winbg[n]) blit(winbg[n], VIDbmp, 0, 0, w.x, w.y, w.w, w.h);
  twX = w.savex;
  twY = w.savey;
  iWinNum = w.prev;
  forwindowcells(n, [n](int r, int c) { iButFun[r][c] = iButBack[n][r][c]; });
  clearlistbox(40);
}

void blankwindow(int n) {
  if (n < 0 || n >= FRAMEDWINDOWS) return;
  WINDO &w = win[n];
  rectfill(VIDbmp, w.x, w.y, w.x + w.w - 1, w.y + w.h - 1, w.fill);
  drawframe(w, colour[w.frame], colour[PALGREY]);
  iWinNum = n;
  twX = w.x;
  twY = w.y;
  forwindowcells(n, [](int r, int c) { iButFun[r][c] = -1; });
  clearlistbox(40);
  getmenubutfun(iFun);
}

void drawtitle() {
  int h = VRTScale;
  if (!drawtitleskin(VIDbmp, 1, 1, 80 * HORScale - 2, h)) drawshadedbox(1, 1, 80 * HORScale - 2, h);
  rect(VIDbmp, 0, 0, 80 * HORScale - 1, h + 1, makecol(50, 50, 50));
  printf256(14, 1 + (h - text_height(font)) / 2, colour[PALDARKBLUE], title);
  markcells(0, 77, 2, 49);
  drawshadedbox(77 * HORScale + 2, 3, 2 * HORScale - 4, h - 4);
  int cx = 78 * HORScale, cy = 1 + h / 2, r = h / 4 - 1;
  line(VIDbmp, cx - r, cy - r, cx + r, cy + r, colour[PALBLACK]);
  line(VIDbmp, cx - r, cy + r, cx + r, cy - r, colour[PALBLACK]);
}

void Heading(int menu) {
  setuserfont(7);
  int y = 2 * VRTScale;
  for (int i = 0; i < 10; i++) {
    const LOGO &l = logo[i];
    int x = l.col * HORScale, w = l.width * HORScale + 6;
    int lit = i == menu && menu < MENUCOUNT;
    if (!drawheadingskin(VIDbmp, x, y, w, VRTScale, lit)) {
      drawshadedbox(x, y, w, VRTScale);
      if (lit) rectfill(VIDbmp, x + 1, y + 1, x + w - 2, y + VRTScale - 2, win[MENUWIN].fill);
    }
    int ty = y + (VRTScale - text_height(font)) / 2;
    printf256(x + 4, ty, colour[l.colour], l.label);
    char hot[2] = {l.hot, 0};
    printf256(x + 4, ty, colour[l.hotcolour], hot);
    markcells(2, l.col, l.width, BUTHEAD + i);
  }
  setuserfont(iDEFONT);
  if (menu < 0 || menu >= MENUCOUNT)
    for (int i = 31; i <= 36; i++) but[i].key = KEYF2 + (i - 31);
  iFun = menu;
}

void redrawbuffer() {
  drawtitle();
  Heading(-1);
  for (int i = 0; i <= PALMASK; i++) rectfill(VIDbmp, 2 * i, VRTScale + 1, 2 * i + 2, VRTScale + 3, colour[i]);
}

// Screen of a menu: MENUCOUNT is the chart's own buttons.
static int screenof(int menu) { return menu < 0 || menu > MENUCOUNT ? MENUCOUNT : menu; }

static const char *buttonlabel(int menu, int n) {
  int s = screenof(menu);
  if (n < BUTHOT) return s < MENUCOUNT ? prompt[s][n].label : "";
  if (n < BUTBAR) return strfun[iHotButs[s][n - BUTHOT]];
  if (n < BUTHEAD) return strfun[iQuickBar[s][n - BUTBAR]];
  return "";
}

static void drawbox(int x, int y, int w, const BUTTON &b, int state, const char *text) {
  if (state == 2) {
    drawpushedbox(x, y, w, VRTScale);
    printf256(x + 3, y + 4, colour[b.highlight], text);
  } else {
    drawshadedbox(x, y, w, VRTScale);
    printf256(x + 2, y + 3, colour[state ? b.highlight : b.normal], text);
  }
}

void drawbutton(int menu, int n, int state) {
  if (n < 0 || n >= BUTHEAD) return;
  const char *text = buttonlabel(menu, n);
  if (!text[0]) return;
  const BUTTON &b = but[n];
  drawbox(b.col * HORScale + 2, b.row * VRTScale, b.width * HORScale - 2, b, state, text);
}

void drawbuttonlabel(int n, int state, const char *text) {
  if (n < 0 || n >= BUTTONS) return;
  const BUTTON &b = but[n];
  drawbox(b.col * HORScale, b.row * VRTScale, b.width * HORScale, b, state, text);
  markbutton(n, n);
}

void drawhelptextonly(int menu, int n) {
  int s = screenof(menu);
  if (s >= MENUCOUNT || n < 0 || n >= MENUFIELDS) return;
  const BUTTON &b = but[n];
  printf256(b.col * HORScale + 4, b.row * VRTScale + 3, colour[b.normal], prompt[s][n].help);
}

void drawextrabuttons(int menu, int n, int state) {
  for (int b = BUTHOT; b < BUTHEAD; b++) drawbutton(menu, b, b == n ? state : 0);
}

int drawchartbuttons() {
  int on = 0;
  for (int i = 0; i < 10; i++) {
    int b = 20 + i, h = iHotButs[MENUCHART][i];
    if (!h || chartswitchstate(strret[h]) < 0) continue;
    int state = chartswitchstate(strret[h]) == 1 ? 2 : 0;
    drawbutton(MENUCHART, b, state);
    on += state == 2;
  }
  return on;
}

void getmenubutfun(int scr) {
  int s = screenof(scr);
  iFun = s;
  if (s < MENUCOUNT)
    for (int i = 0; i < MENUFIELDS; i++)
      if (prompt[s][i].kind != MKEMPTY && prompt[s][i].label[0]) markbutton(BUTFIELD + i, BUTFIELD + i);
  for (int i = 0; i < 10; i++) {
    if (iHotButs[s][i]) {
      but[BUTHOT + i].key = strret[iHotButs[s][i]];
      markbutton(BUTHOT + i, BUTHOT + i);
    }
    if (iQuickBar[s][i]) {
      but[BUTBAR + i].key = strret[iQuickBar[s][i]];
      markbutton(BUTBAR + i, BUTBAR + i);
    }
  }
}

// Rows of the 8 x 8 dither; bit 7 is the leftmost pixel, 1 = second shade.
static const unsigned char kDither[8] = {0x00, 0x44, 0xAA, 0x55, 0x99, 0x55, 0xBB, 0xFF};

void drawtextback(int first) {
  int x = 40, y = 4 * VRTScale, w = 320, h = 22 * VRTScale;
  if (iWinNum >= 0) {
    const WINDO &wi = win[iWinNum];
    x = wi.x + 4;
    y = wi.y + 4;
    w = wi.w - 8;
    h = wi.h - 8;
  }
  if (w <= 0 || h <= 0) return;
  BITMAP *tile = create_bitmap(w, h);
  if (!tile) return;
  for (int py = 0; py < h; py++) {
    // The colours run up 29 bands and back down; a window taller than one
    // run (at 1280 x 1024) starts the next instead of leaving the ramp.
    int k = (py / 8) % 58;
    int a = k < 29 ? first + k : first + 58 - k;
    int b = k < 29 ? first + k + 1 : first + 57 - k;
    int ca = colour[clampint(a, 0, PALENTRIES - 1)], cb = colour[clampint(b, 0, PALENTRIES - 1)];
    unsigned char bits = kDither[py % 8];
    for (int px = 0; px < w; px++) putpixel(tile, px, py, (bits >> (7 - px % 8)) & 1 ? cb : ca);
  }
  blit(tile, VIDbmp, 0, 0, x, y, w, h);
  destroy_bitmap(tile);
}

int setlistrow(char *line, const char *text, int current, int kind) {
  if (text != line) snprintf(line, LISTTEXTEND + 1, "%s", text);
  line[LISTTEXTEND] = 0;
  line[LISTCURRENT] = static_cast<char>(current);
  line[LISTKIND] = static_cast<char>(kind);
  return 0;
}

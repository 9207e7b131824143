#include "ui/input.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "skins/skinbutton.h"
#include "screen/switches.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "ui/menutable.h"
#include "ui/windows.h"

int m2, m3, m4;
int iLBut, iRBut;
int mX, mY, mBut;
int oldmX, oldmY;
BITMAP *mpb, *mpbg;
long tLast = -1;
int iPointerX0, iPointerY0, iPointerX1, iPointerY1;

// Last pointer sample and last click, for motion and double clicks.
static int pointerx = -1, pointery = -1, pointerz = 0;
static long lastclickms = -1000000;
static int lastclickx, lastclicky;

// Pointer shape: 1 outline, 2 body, 3 accent, 0 transparent.
static const char *const kPointer[10] = {"12000000", "12200000", "12220000", "12222000", "12222200",
                                         "12222220", "12222222", "11122200", "00012220", "00012222"};

struct KeyCode {
  int scancode, code;
};
// Keys without a character, numbered by their PC scan code + 256.
static const KeyCode kKeyTable[] = {
    {KEY_F1, KEYF1},         {KEY_F2, KEYF2},       {KEY_F3, KEYF3},       {KEY_F4, KEYF4},
    {KEY_F5, KEYF5},         {KEY_F6, KEYF6},       {KEY_F7, KEYF7},       {KEY_F8, KEYF8},
    {KEY_F9, KEYF9},         {KEY_F10, KEYF10},     {KEY_F11, KEYF11},     {KEY_F12, KEYF12},
    {KEY_HOME, KEYHOME},     {KEY_END, KEYEND},     {KEY_UP, KEYUP},       {KEY_DOWN, KEYDOWN},
    {KEY_LEFT, KEYLEFT},     {KEY_RIGHT, KEYRIGHT}, {KEY_PGUP, KEYPGUP},   {KEY_PGDN, KEYPGDN},
    {KEY_INSERT, KEYINSERT}, {KEY_DEL, KEYDELETE},  {KEY_A, KEYALTA},      {KEY_B, KEYALTB},
    {KEY_C, KEYALTC},        {KEY_E, KEYALTE},      {KEY_F, KEYALTF},      {KEY_G, KEYALTG},
    {KEY_H, KEYALTH},        {KEY_I, KEYALTI},      {KEY_L, KEYALTL},      {KEY_M, KEYALTM},
    {KEY_O, KEYALTO},        {KEY_P, KEYALTP},      {KEY_R, KEYALTR},      {KEY_S, KEYALTS},
    {KEY_T, KEYALTT},        {KEY_Q, KEYALTQ},      {KEY_DEL_PAD, KEYDELETE}};

int translatekey(int k) {
  int ch = k & 0xff, scan = (k >> 8) & 0xff;
  // Delete may arrive as character 127; it is still the Delete key.
  if (ch >= KEYFIRSTCHAR && scan != KEY_DEL && scan != KEY_DEL_PAD) return ch;
  for (const KeyCode &e : kKeyTable)
    if (e.scancode == scan) return e.code;
  return KEYSCANBASE + scan;
}

static int clockx() { return 77 * HORScale - 160; }

static void drawclock(time_t now) {
  char text[32];
  snprintf(text, sizeof text, "%s", ctime(&now));
  text[strcspn(text, "\n")] = 0;
  int x = clockx();
  bool covered = iGotamouse && mpb && oldmX < x + 157 && oldmX + 8 > x && oldmY < 13 && oldmY + 10 > 4;
  if (covered) mousehide();
  rectfill(VIDbmp, x, 4, x + 156, 12, colour[PALCLOCKBACK]);
  textout_ex(VIDbmp, smallfont(), text, x + 2, 5, colour[PALDARKBLUE], -1);
  if (covered) mouseshow();
}

int waitpress() {
  if (iGotamouse) mouseshow();
  int k = getapress();
  if (iGotamouse) mousehide();
  return k;
}

int timecheckkey() {
  time_t now = time(nullptr);
  if ((long)now != tLast) {
    tLast = (long)now;
    drawclock(now);
  }
  if (!keypressed()) return 0;
  return translatekey(readkey());
}

void getmousepos() {
  mX = mouse_x;
  mY = mouse_y;
  mBut = mouse_b;
}

void mouseshow() {
  if (!mpb || !mpbg) return;
  getmousepos();
  blit(VIDbmp, mpbg, mX, mY, 0, 0, 8, 10);
  masked_blit(mpb, VIDbmp, 0, 0, mX, mY, 8, 10);
  oldmX = mX;
  oldmY = mY;
}

void mousehide() {
  if (!mpb || !mpbg) return;
  blit(mpbg, VIDbmp, 0, 0, oldmX, oldmY, 8, 10);
}

void makemouse() {
  if (!mpb) mpb = create_bitmap(8, 10);
  if (!mpbg) mpbg = create_bitmap(8, 10);
  if (!mpb || !mpbg) return;
  const int ink[4] = {bitmap_mask_color(mpb), colour[PALPOINTEREDGE], colour[PALWHITE], colour[PALDARKRED]};
  for (int y = 0; y < 10; y++)
    for (int x = 0; x < 8; x++) putpixel(mpb, x, y, ink[kPointer[y][x] - '0']);
  mouseshow();
  mousehide();
}

int waitbuttonsoff() {
  while (mouse_b) rest(5);
  return 0;
}

static bool inpointerarea(int x, int y) {
  return x >= iPointerX0 && x < iPointerX1 && y >= iPointerY0 && y < iPointerY1;
}

int pointerevent(int x, int y, int b, int z, long ms) {
  int dz = z - pointerz;
  bool moved = x != pointerx || y != pointery;
  bool inside = inpointerarea(x, y), wasinside = inpointerarea(pointerx, pointery);
  pointerx = x;
  pointery = y;
  pointerz = z;
  if (!inside) return moved && wasinside ? KEYPOINTERMOVE : 0;
  if (dz != 0) return dz > 0 ? KEYWHEELUP : KEYWHEELDOWN;
  if (b & 1) {
    bool twice = ms - lastclickms <= DOUBLECLICKMS && abs(x - lastclickx) <= DOUBLECLICKPIXELS &&
                 abs(y - lastclicky) <= DOUBLECLICKPIXELS;
    // A third click starts a new pair.
    lastclickms = twice ? -1000000 : ms;
    lastclickx = x;
    lastclicky = y;
    return twice ? KEYPOINTERDOUBLE : KEYPOINTERCLICK;
  }
  return moved ? KEYPOINTERMOVE : 0;
}

static long monotonicms() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

void pointcell(int x, int y, int *row, int *col) {
  *row = y / VRTScale;
  *col = x / HORScale;
  if (*row > 29) *row = 29;
  if (*col > 79) *col = 79;
  if (*row < 0) *row = 0;
  if (*col < 0) *col = 0;
}

static void drawdebugline(int x, int col, int y, int row, int hit, int skin) {
  char text[64];
  snprintf(text, sizeof text, "x=%3d (%2d) y=%3d (%2d) [%2d] %2d", x, col, y, row, hit, skin);
  rectfill(VIDbmp, SCREEN_W - 180, SCREEN_H - VRTScale, SCREEN_W - 2, SCREEN_H - 1, colour[PALLIGHTGREY]);
  textout_ex(VIDbmp, smallfont(), text, SCREEN_W - 178, SCREEN_H - 10, colour[PALDARKBLUE], -1);
}

// Key of a left click at (x, y) on cell (row, col), or 0 for none.
static int clickkey(int x, int y, int row, int col, int hit, int skin) {
  if (hit >= 0 && hit < BUTTONS) {
    if (hit < BUTFIELDS) iFocus = hit;
    return but[hit].key;
  }
  if ((col == listXst || col == listXst + 1) && y > listboxy && listpitch > 0) {
    int r = (y - listboxy) / listpitch;
    if (r > 45) r = 45;
    if (listbox[r] > 0) return listbox[r];
  }
  if (skin >= 56 && skin <= 89) return but[skin].key;
  (void)x;
  (void)row;
  return 0;
}

// In buffered drawing the picture reaches the screen only here. It
// changes only when something was drawn, so it is copied when the wait
// begins and after the clock, pointer or a display switch changed it.
static void showbuffer() {
  if (VIDbmp == screen || !screen) return;
  acquire_screen();
  if (nightscheme && bitmap_color_depth(VIDbmp) > 8)
    nightblit(VIDbmp, screen);
  else
    blit(VIDbmp, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
  release_screen();
}

int getapress() {
  setuserfont(iDEFONT);
  int lastx = 1, lasty = 1;
  bool dirty = true;
  for (;;) {
    long shown = tLast;
    int k = timecheckkey();
    if (tLast != shown) dirty = true;
    if (k) {
      clear_keybuf();
      if (dirty) showbuffer();
      return k;
    }
    if (iGotamouse) {
      m2 = mouse_b;
      m3 = mouse_x;
      m4 = mouse_y;
      iLBut = m2 & 1;
      iRBut = m2 & 2;
      int row, col;
      pointcell(m3, m4, &row, &col);
      int hit = iButFun[row][col];
      int skin = checkskinbutton(m3, m4);
      if (m3 != lastx || m4 != lasty) {
        mousehide();
        if (iDEBUG) drawdebugline(m3, col, m4, row, hit, skin);
        mouseshow();
        lastx = m3;
        lasty = m4;
        dirty = true;
      }
      if (iRBut) {
        waitbuttonsoff();
        return KEYESC;
      }
      // Buttons and the skin lying over the pointer area keep their clicks.
      bool free = hit < 0 && skin == -1;
      int pk = pointerevent(m3, m4, free ? m2 : 0, mouse_z, monotonicms());
      if (pk == KEYPOINTERCLICK || pk == KEYPOINTERDOUBLE) waitbuttonsoff();
      if (pk) return pk;  // the caller draws, and the next wait shows it
      if (iLBut) {
        int keycode = clickkey(m3, m4, row, col, hit, skin);
        waitbuttonsoff();
        if (keycode) return keycode;
      }
    }
    if (full_redraw) {
      full_redraw = 0;
      dirty = true;
    }
    if (dirty) {
      showbuffer();
      dirty = false;
    }
    rest(10);  // yield between polls: idle waiting costs almost nothing
  }
}

#include "chart/skyview.h"

#include <allegro.h>

#include <cstdio>

#include "base/status.h"
#include "chart/deepskyplot.h"
#include "chart/mplist.h"
#include "chart/projection.h"
#include "chart/readout.h"
#include "chart/skyread.h"
#include "chart/skyplot.h"
#include "chart/starsearch.h"
#include "chart/telescope.h"
#include "base/settings.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "screen/switches.h"
#include "skins/skinbutton.h"

int iMouseX, iMouseY;

// Right end of the status row the read-out may use: the diagnostic mouse
// line has the end of the row.
static int statusrowend() { return iDEBUG ? VIDbmp->w - 182 : VIDbmp->w - 1; }

static void drawstatusline(int marks) {
  char text[96];
  int h = VIDbmp->h;
  rectfill(VIDbmp, 331, h - 12, statusrowend(), h - 1, colour[PALBLACK]);
  rectfill(VIDbmp, 0, h - 12, 330, h - 1, colour[PALLIGHTGREY]);
  statustext(text, marks);
  // The box is 12 pixels high and 330 wide: the menu font would lose its
  // lower rows there and the diagnostic form its end.
  textout_ex(VIDbmp, fittingfont(text, 326), text, 2, h - 10, colour[PALDARKRED], -1);
}

// The read-out of the sky under chart pixel (x, y) across the status row.
static void drawreadout(int x, int y) {
  char text[READOUTLEN];
  readouttext(text, x, y);
  int h = VIDbmp->h, right = statusrowend();
  // A lighter box than the cursor's line: which of the two is shown is
  // seen at once.
  rectfill(VIDbmp, 0, h - 12, right, h - 1, colour[PALBOXFACE]);
  textout_ex(VIDbmp, fittingfont(text, right - 4), text, 2, h - 10, colour[PALBLACK], -1);
}

// 1 when screen pixel (mx, my) lies on the chart and off the telescope skin.
static int onchart(int mx, int my) {
  if (mx <= plotXst || mx >= plotXst + plotwidth || my <= plotYst || my >= plotYst + plothigh) return 0;
  return checkskinbutton(mx, my) == -1;
}

// Pointer keys turned into what the chart does with them; returns the
// chart key to act on (0 for none).
static int pointerkey(int keycode, int *x, int *y) {
  switch (keycode) {
    case KEYPOINTERCLICK:
      return mousecursor(iMouseX, iMouseY, x, y) ? 'i' : 0;
    case KEYPOINTERDOUBLE:
      mousecursor(iMouseX, iMouseY, x, y);
      return KEYF2;
    case KEYWHEELUP:
    case KEYWHEELDOWN:
      // Zoom about the pointer: the cursor comes there first.
      mousecursor(iMouseX, iMouseY, x, y);
      return keycode == KEYWHEELUP ? KEYF4 : KEYF3;
  }
  return keycode;
}

// Keys that report on the screen, looking at the cursor before it moves.
static void reportkey(int keycode) {
  if (keycode == KEYF6 || keycode == 'i' || keycode == 'I') findmp();
  // A deep-sky object is named instead of the star when its centre is nearer.
  if ((keycode == KEYF5 || keycode == 'i' || keycode == 'I') && identifydso() < 0) findstar();
}

int drawskyplot(int keycode) {
  if (!SKYbmp || !VIDbmp) return 0;
  if (keycode == KEYPOINTERMOVE) {
    if (onchart(iMouseX, iMouseY))
      drawreadout(iMouseX - plotXst, iMouseY - plotYst);
    else
      drawstatusline(0);
    return 0;
  }
  int marks = 0;
  if (keycode) {
    int x = Xcur, y = Ycur;
    keycode = pointerkey(keycode, &x, &y);
    clampcursor(&x, &y);
    // The cursor comes to a click before the click identifies or centres.
    if (x != Xcur || y != Ycur) movecursor(x, y);
    if (keycode == KEYF10) {
      if (grdump() < 0)
        reporterror(mperror);
      else
        reportdone(mperror);
    }
    if (!arrowkey(keycode, &x, &y) && chartkey(keycode)) iReplot = 1;
    reportkey(keycode);
    clampcursor(&x, &y);
    if (x != Xcur || y != Ycur) movecursor(x, y);
    if (iReplot) marks = rebuildchart();
    iReplot = 0;
  }
  drawstatusline(marks);
  if (keycode) drawsunstate();
  if (flag[TELESCOPEON])
    drawtelskin(keycode);
  else
    skinshown = 0;
  showchart();
  return marks;
}

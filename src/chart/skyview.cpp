#include "chart/skyview.h"

#include <allegro.h>

#include <cstdio>

#include "base/status.h"
#include "chart/mplist.h"
#include "chart/skyplot.h"
#include "chart/starsearch.h"
#include "chart/telescope.h"
#include "base/settings.h"
#include "screen/display.h"
#include "screen/keys.h"
#include "screen/switches.h"
#include "skins/skinbutton.h"

static void drawstatusline(int marks) {
  char text[96];
  int h = VIDbmp->h;
  rectfill(VIDbmp, 0, h - 12, 330, h - 1, colour[PALLIGHTGREY]);
  statustext(text, marks);
  // The box is 12 pixels high and 330 wide: the menu font would lose its
  // lower rows there and the diagnostic form its end.
  textout_ex(VIDbmp, fittingfont(text, 326), text, 2, h - 10, colour[PALDARKRED], -1);
}

// Keys that report on the screen, looking at the cursor before it moves.
static void reportkey(int keycode) {
  if (keycode == KEYF6 || keycode == 'i' || keycode == 'I') findmp();
  if (keycode == KEYF5 || keycode == 'i' || keycode == 'I') findstar();
}

int drawskyplot(int keycode) {
  if (!SKYbmp || !VIDbmp) return 0;
  int marks = 0;
  if (keycode) {
    int x = Xcur, y = Ycur;
    if (keycode == KEYF10) {
      if (grdump() < 0)
        reporterror(mperror);
      else
        reportdone(mperror);
    }
    if (!arrowkey(keycode, &x, &y) && chartkey(keycode)) iReplot = 1;
    mousecursor(mouse_x, mouse_y, &x, &y);
    reportkey(keycode);
    clampcursor(&x, &y);
    if (x != Xcur || y != Ycur) movecursor(x, y);
    if (iReplot) marks = rebuildchart();
    iReplot = 0;
  }
  drawstatusline(marks);
  if (flag[TELESCOPEON])
    drawtelskin(keycode);
  else
    skinshown = 0;
  showchart();
  return marks;
}

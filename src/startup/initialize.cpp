#include "startup/initialize.h"

#include <allegro.h>

#include <cstdio>

#include "astro/jplephem.h"
#include "astro/deepsky.h"
#include "chart/deepskyplot.h"
#include "chart/ccd.h"
#include "chart/starcat.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "startup/boot.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "ui/datemenu.h"
#include "ui/dialogs.h"
#include "screen/display.h"
#include "screen/fontfile.h"
#include "ui/help.h"
#include "ui/input.h"
#include "ui/menutable.h"
#include "ui/project.h"
#include "ui/windows.h"
#include "screen/layout.h"

// What the start-up says about the planetary ephemeris.
static char jplreport[64];

void introbox() {
  openwindow(ALERTWIN);
  drawtextback(PALDIALOGBACK);
  setuserfont(iDEFONT);
  int x = twX + 2 * HORScale, y = twY + 2 * VRTScale;
  printf256(x, y, win[ALERTWIN].text, banner);
  printf256(x, y + 2 * VRTScale, win[ALERTWIN].text, achDLine[0]);
  printf256(x, y + 4 * VRTScale, win[ALERTWIN].text, jplreport);
  if (iGotamouse) mouseshow();
  getapress();
  if (iGotamouse) mousehide();
  closewindow(ALERTWIN);
}

int initialize(int depth) {
  errorbox = dialogERR;  // failures of the lower layers are shown in the error box
  confirmbox = showconfirm;  // and what they saved in the confirmation box
  char path[256];
  getfilename(path, "vuva.dat");
  data = loadfontfile(path);
  if (!data) return -1;
  oldfont = font;
  setuserfont(iDEFONT);
  if (iDOS == 0)
    setVIDbuffer(SCREEN_W);
  else
    setVIDscreen(SCREEN_W);
  setmypal();
  if (depth > 8) settruecolours();
  if (iGotamouse) makemouse();
  windoinit();
  clearhitmap();
  snprintf(achDLine[0], sizeof achDLine[0], "Res: %d x %d, %d bit colour.", SCREEN_W, SCREEN_H, depth);
  getfilename(path, JPLFILE);
  jplopen(path, jplreport, sizeof jplreport);
  drawtitle();
  setuserfont(iDEFONT);
  initsettings();
  initchoices();
  introbox();
  dJDay = 2451290.5;
  // The last project saved or loaded, else the initial name.
  readlastproject();
  loadproject(0);
  Starinit(iNT[CHARTCATALOGUE]);
  dialogERR(mperror);
  if (deepskyinit() != DSOOK) dialogERR(mperror);
  adddsolookup();
  initccd(iNT[CCDNUM]);
  redrawbuffer();
  iNT[USERMPS] = 0;
  Placeinit();
  locload(iPlace);
  getaplace(iPlace);
  showplaceline();
  timeinit();
  day = dJDay;
  inithelptext();
  MPinit();
  dialogOK(mperror);
  getmenubutfun(9);
  drawextrabuttons(9, 0, 0);
  // Everything the project holds takes effect: place, chart, instant.
  projectapply();
  return 0;
}

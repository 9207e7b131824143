// Screens the main loop calls whose modules are not built yet. Each does
// the least that keeps the loop honest and goes once its module lands.
#include "chart/skyplot.h"
#include "skins/skinbutton.h"
#include "ui/dialogs.h"
#include "ui/help.h"
#include "ui/keys.h"
#include "ui/menu.h"
#include "ui/project.h"

// No menus yet: a menu key closes at once, as Escape would.
int menufunction(int) { return KEYESC; }
// No help text yet.
void helpwindow() {}
// No project files yet: nothing is written.
int saveproject() { return -1; }
// No skin yet: no point lies on it.
int checkskinbutton(int, int) { return -1; }

// No skin file yet: the button states a skin load sets (toggles 8..10 and
// 15..24 off, the minor-planet plot 17 on), kept here for the telescope
// view's readers.
static int skinstates[60] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1};
int getskinbuttonstate(int entry) { return entry >= 0 && entry < 60 ? skinstates[entry] : 0; }
int setskinbuttonstate(int entry, int state) {
  if (entry < 7 || entry >= 60) return -1;
  skinstates[entry] = state;
  return 0;
}

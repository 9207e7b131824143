// Screens the main loop calls whose modules are not built yet. Each does
// the least that keeps the loop honest and goes once its module lands.
#include "chart/skyplot.h"
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

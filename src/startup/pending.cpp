// Screens the main loop calls whose modules are not built yet. Each does
// the least that keeps the loop honest and goes once its module lands.
#include "ui/help.h"

// No help text yet.
void helpwindow() {}

// The menu driver: runs and draws the nine menus of the menu table.
#pragma once
#include "ui/menutable.h"

// Runs menu (0..8) until Escape closes it; Alt keys switch menus in place.
// Returns the key that closed it (27).
int menufunction(int menu);

// The menu driver: runs and draws the nine menus of the menu table.
#pragma once
#include "ui/menutable.h"

extern int iSel[10];   // focused field remembered per menu
extern int iSelMax;    // selectable fields of the open menu
extern int iClick;     // 1 while a focus change is drawn (focused button pressed)
extern int iHelpLine;  // text row of the help line, 29

// Runs menu (0..8) until Escape closes it; Alt keys switch menus in place.
// Returns the key that closed it (KEYESC).
int menufunction(int menu);
// Draws the fields of the open menu iFun, its list page and its bars.
// Returns the number of selectable fields.
int drawmenu();

// Pieces of the driver, each acting on the open menu iFun:
// List page of a menu (LISTPLACES...), or -1 for FILE, SKYMAP, OPTIONS.
int menulist(int menu);
// Draws the list page of menu after key (0: none). Returns 1 when a row
// was chosen.
int menulistpage(int menu, int key);
// Follow-up action FU... after Enter on a field. Returns 0, or -1 when
// the OBSERVATORY field names no place.
int runfollowup(int action);
// F2, F3, F4 in the open menu. Returns KEYESC when the key closes the menu.
int menufunctionkey(int key);
// The star of the STAR NUMBER field / the minor planet of the MP NUMBER
// field into the fields (the FILE NUMBER record when there is none).
// Return the record found, or -1.
int findstarfield();
int findmpfield();
// OBSERVATORY field: a number past the last place opens a new one at the
// end; the place is loaded into the fields. Returns 0, or -1 for none.
int observatoryfield();
// F2 in LOCATION: the fields into the place of the OBSERVATORY field, the
// place files written by writeplaces (Placewritefile, which reports its
// own failure), and the place (renumbered when emptied places closed up)
// made current and shown. Returns the writer's result, -1 for no place.
int storeplace(int (*writeplaces)());

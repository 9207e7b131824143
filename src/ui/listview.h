// The list page: a lettered, paged list of places, stars, minor planets,
// ephemeris lines, CCD cameras or appulses beside a menu's fields.
#pragma once

// Lists catview shows.
enum {
  LISTPLACES = 0,
  LISTSTARS = 1,
  LISTPLANETS = 2,
  LISTEPHEM = 3,
  LISTCCD = 5,
  LISTAPPULSES = 6,
  LISTFIELD = 7,     // the field check (APPULSE menu)
  LISTAPPROACH = 8,  // close approaches (APPULSE menu)
  LISTTONIGHT = 9,   // the night planner (EPHEMERIS menu)
  LISTCOUNT = 10,
};
enum { LISTMAXROWS = 60 };

extern const char listlabels[];  // selection character of each row of a page

// Pixel corners of the list area whose first text row is toprow.
void listarea(int toprow, int *x1, int *y1, int *x2, int *y2);
// Rows of a page whose first text row is toprow, pitch pixels a row:
// (25 - toprow) x VRTScale / pitch, 1..LISTMAXROWS.
int listpagerows(int toprow, int pitch);
// First entry after key (KEYPGDN, KEYPGUP, KEYHOME, KEYEND,
// others none) from start, for count entries and rows a page. Moves
// before the first entry go to the last page, beyond the last to 0.
int listmove(int start, int keycode, int count, int rows);
// Row (0..rows-1) of the page at start whose label is key and which holds
// one of the count entries, or -1.
int listpick(int keycode, int start, int rows, int count);
// Draws list `list` from entry *start after moving it by key (the new
// first entry is stored back); a key that labels a row makes that entry
// current. Returns 1 when a row was chosen, else 0; 2 when the choice
// went to the chart (field check and close approach rows), after which the
// menu closes.
int catview(int *start, int list, int keycode);

// Chooses place index as the observing place: its fields in the LOCATION
// menu, the header line, the instant's sidereal time and local fields
// (keepinstant) and the positions follow at once. Nothing is written; a
// place without a name (a new one) is only loaded into the fields.
// Returns 0, or -1 for an index outside the table.
int chooseplace(int index);

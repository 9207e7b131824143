// The screen's furniture by name: the text grid, the pop-up windows, the
// ranges of the button table, the list-page rows and the date line.
#pragma once

// The text grid every layout is measured in (cells of HORScale x VRTScale).
enum : int { GRIDROWS = 32, GRIDCOLS = 80 };

// Pop-up windows (win[], winbg[]), as windoinit places them.
enum : int {
  SMALLWIN = 0,   // small box at the top left; its fill backs the menu help line
  MENUWIN = 1,    // the window every menu opens in
  HELPWINDOW = 2, // the help
  DIALOGWIN = 3,  // messages and questions
  ALERTWIN = 4,   // alerts and the start-up banner
  WINDOWS = 5,    // windows held
  FRAMEDWINDOWS = 3,  // windows 0..2 have a blue frame and can be blanked in place
};

// The button table but[]: each range's first slot and its size.
enum : int {
  BUTFIELD = 0, BUTFIELDS = 20,      // menu fields, one a row
  BUTHOT = 20, BUTHOTS = 9,          // hot buttons down the right edge
  BUTCLOSEMENU = 29,                 // close box of the function-key bar
  BUTBAR = 30, BUTBARS = 10,         // function-key bar F1..F10
  BUTHEAD = 40, BUTHEADS = 9,        // menu-bar headings
  BUTCLOSE = 49,                     // title-bar close box
  BUTDIALOG = 50, BUTDIALOGS = 5,    // dialog buttons: OK, No, help links 1..3
  BUTSPARE = 55,                     // an Enter button under the dialog buttons
  BUTSKIN = 56, BUTSKINS = 34,       // skin buttons (places from the skin)
  BUTTONS = 90,                      // slots in all
};

// List-page lines (achDLine) and visible list rows (listbox).
enum : int {
  LISTLINES = 64,     // lines achDLine holds
  LISTLINECHARS = 80, // bytes of one line
  LISTPAGELINES = 62, // lines a page may fill: the last two are kept
  DATELINEROW = 61,   // line holding the date line's text
};

// The JD line's box on the screen: from 2 cells in, this many pixels wide
// (the catalogue title follows it).
constexpr int JDLINEWIDTH = 341;

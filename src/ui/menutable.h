// The menu tables and the menu state the window, input and dialog code
// read, without depending on the menu driver.
#pragma once

// One field of a menu.
struct PROMPT {
  char label[17];
  char help[41];
  int kind;     // 0 empty, 1 choice, 2 value, 3 switch, 5 help, 6 display, 7 note, else action
  int type;     // 1 number, 2 whole number, 3 text, 6 coordinate
  int setting;  // slot of the settings array the field edits
  int action;   // follow-up action
};

extern PROMPT prompt[9][20];  // the nine menus' fields
extern int iFun;              // open menu 0..8, 9 for the chart's buttons, -1 none
extern int iFocus;            // focused field of the open menu
extern const int altkey[11];  // the nine menu keys in menu order, then Escape and F1

// Screen furniture: hit map, buttons, pop-up windows, title and menu bar,
// dithered backgrounds, and the list-page buffer.
#pragma once
#include <allegro.h>
#include "screen/layout.h"

extern int iButFun[GRIDROWS][GRIDCOLS];      // button covering each text cell, or -1
extern int iButBack[WINDOWS + 1][GRIDROWS][GRIDCOLS];  // hit map saved under each open window
extern int listbox[LISTLINES];          // selection character of each visible list row, or -1
extern int listboxy;             // pixel row of the first list row
extern int listpitch;            // pixel height of one list row
extern int listXst;              // text column of the list's selection boxes

struct BUTTON {
  int col, row, width, height;  // cells
  int normal, highlight;        // palette indices of the label
  int key;                      // key code returned on a click
};
extern BUTTON but[BUTTONS];

extern char strfun[32][16];  // function-key bar and hot-button labels
extern int strret[32];       // key code of each label
extern const int iQuickBar[10][10];
extern const int iHotButs[10][10];

struct LOGO {
  int col, width, colour, hotcolour;
  char hot;
  char label[12];
};
extern const LOGO logo[10];

struct WINDO {
  int row, col, height, width;  // cells
  int x, y, w, h;               // pixels
  int fill, text;               // pixel values
  int frame;                    // 0 none, else frame (and top/left colour of blankwindow)
  int savex, savey;             // twX, twY before this window opened
  int prev;                     // window current before this one
};
extern WINDO win[WINDOWS];
extern BITMAP *winbg[WINDOWS + 1];
extern int iWinNum;   // current window, -1 for none
extern int twX, twY;  // pixel origin of the current window

extern char achDLine[LISTLINES][LISTLINECHARS];  // list-page lines

// A list row holds its text in bytes 0..76 (byte 77 ends it), the mark of
// the current entry in byte 78 and the kind of the row in byte 79; 0 is no
// mark.
enum { LISTTEXTEND = 77, LISTCURRENT = 78, LISTKIND = 79 };
// Writes text (cut at 77 characters; text may be line itself) into the
// list row line with its marks current and kind. Returns 0.
int setlistrow(char *line, const char *text, int current, int kind);
extern char title[80];         // title-bar text
extern const char banner[];    // program name and version, as the start-up banner shows it

// Defines windows 0..4, no current window, fills title.
void windoinit();
// Fills window record n (cells; colours are palette indices) and creates
// its background bitmap. Returns -1 when it cannot be created, else 0.
int setwindo(int n, int col, int row, int width, int height, int textcolour, int fillcolour);
// Pops window n up over what lies beneath. Returns n, or -1 for n outside
// 0..WINDOWS-1.
int openwindow(int n);
// Restores picture and hit map beneath window n.
void closewindow(int n);
// Clears window n (n < FRAMEDWINDOWS) in place.
void blankwindow(int n);
void drawtitle();
// Draws the menu bar with entry menu highlighted; sets iFun = menu.
void Heading(int menu);
void redrawbuffer();
// Draws button n (0..39) of screen menu in state 0 normal, 1 lit, 2 pressed.
void drawbutton(int menu, int n, int state);
// Draws button n with the given text and registers it in the hit map.
void drawbuttonlabel(int n, int state, const char *text);
// Writes the help text of menu item n in place of its button.
void drawhelptextonly(int menu, int n);
// Draws the hot buttons and function-key bar of screen menu; button n gets state.
void drawextrabuttons(int menu, int n, int state);
// Draws the chart's side buttons, those of a switch that is on pressed in
// (chart/skyplot.h chartswitchstate). Returns the buttons shown on.
int drawchartbuttons();
// Registers a screen's buttons in the hit map and sets their keys.
void getmenubutfun(int screen);
// Fills the current window with the dithered gradient from palette colour first.
void drawtextback(int first);
// Marks the cells of button n with n (or with value) in the hit map.
void markbutton(int n, int value);
// Sets every hit-map cell and list row to -1.
void clearhitmap();

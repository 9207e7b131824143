// The nine menus as data: their fields, the choice records, and the menu
// keys. A leaf: window, input and dialog code read it without the driver.
#pragma once

// Menus in menu-bar order; screen 9 is the chart.
enum : int {
  MENUFILE = 0,
  MENULOCATION = 1,
  MENUCATALOG = 2,
  MENUPLANET = 3,
  MENUEPHEMERIS = 4,
  MENUSKYMAP = 5,
  MENUTELESCOPE = 6,
  MENUAPPULSE = 7,
  MENUOPTIONS = 8,
  MENUCOUNT = 9,
  MENUCHART = 9,
  MENUFIELDS = 20,  // fields a menu can hold
};

// What a field is, and what Enter on it does.
enum : int {
  MKEMPTY = 0,           // neither drawn nor selectable
  MKCHOICE = 1,          // steps its choice record
  MKVALUE = 2,           // edits its setting
  MKSWITCH = 3,          // toggles its flag
  MKHELP = 5,            // opens the help window
  MKDISPLAY = 6,         // shows its setting only
  MKNOTE = 7,            // help line written in place of a button
  MKLOADPROJECT = 10,    // actions from here on
  MKSAVEPROJECT = 11,
  MKLOADDATABASE = 17,
  MKLOADUSER = 18,
  MKSAVEUSER = 19,
  MKSCOPEGOTO = 22,
  MKMAKEMYDAY = 25,
  MKSYSTEMCLOCK = 26,
  MKGENEPHEM = 28,
  MKGENAPPULSE = 29,
  MKLOADSKIN = 30,
  MKFIELDCHECK = 31,   // field check at the chart cursor
  MKAPPROBJECT = 32,   // close approaches of the current object
  MKAPPRPAGE = 33,     // close approaches of the loaded page
  MKFIND = 34,           // the find line (as "f" on the chart)
  MKTONIGHT = 35,       // the night planner's scan
};

// Value types of MKVALUE and MKDISPLAY fields: which array the setting
// slot indexes and which editor it takes.
enum : int {
  VTNONE = 0,
  VTNUMBER = 1,  // dFP, limits dLO..dHI
  VTWHOLE = 2,   // iNT, limits iLO..iHI
  VTTEXT = 3,    // chSTR, at most lenstr characters
  VTCOORD = 6,   // dFP typed as degrees minutes seconds
};

// Follow-up actions, run after Enter on a field whether or not its edit
// was confirmed.
enum : int {
  FUNONE = 0,
  FUSAVEPROJECT = 1,   // nothing beyond the save itself
  FUOBSERVATORY = 6,   // load the place (a new one past the last)
  FUSTARRECORD = 7,    // load the star of the record number
  FUMPRECORD = 8,      // load the minor planet of the record number
  FUCCD = 9,           // load the camera
  FUSTARNUMBER = 12,   // find the star by its catalogue number
  FUMPNUMBER = 13,     // find the minor planet by its number
  FUJULIANDAY = 27,    // ask, then recalculate for the typed Julian Day
};

// One field of a menu.
struct PROMPT {
  char label[17];  // button text; empty for note lines
  char help[41];   // help line, written below the fields when focused
  int kind;        // MK...
  int type;        // VT... of value and display fields
  int setting;     // slot of the setting: iNT/dFP/chSTR by type, flag
                   // for switches, mchoice for choices
  int action;      // FU... follow-up
};

extern const PROMPT prompt[MENUCOUNT][MENUFIELDS];

// Choice records and the iNT slot each one's current choice lives in.
enum : int {
  CHOICEFADE = 0,
  CHOICESORT = 1,       // PLANET SORT BY
  CHOICESTARSORT = 2,
  CHOICEMOUNT = 3,
  CHOICESTARFONT = 4,   // CATALOG LIST FONT
  CHOICEMPFONT = 5,     // PLANET LIST FONT
  CHOICEAPPEND = 6,     // EPHEMERIS APPEND MODE
  CHOICEORIENT = 7,     // SKYMAP ORIENTATION
  CHOICEMOTION = 8,
  CHOICENONE = 9,
  CHOICEDARK = 10,      // EPHEMERIS DARKNESS
  CHOICEORDER = 11,     // EPHEMERIS ORDER BY
  CHOICECOUNT = 12,
  PROJECTCHOICES = 10,  // choice records the project file holds; the later
                        // ones are kept through their iNT slots
  CHOICETEXTS = 6,
};

struct MCHOICE {
  int count;    // choices 0..count-1
  int current;  // the choice in force
  int slot;     // iNT slot that receives it (0: none)
  char text[CHOICETEXTS][12];
};
extern MCHOICE mchoice[CHOICECOUNT];

// The nine menu keys in menu order, then Escape and F1.
extern const int altkey[11];

// Which menu is open and which of its fields has the focus: the window,
// input and dialog code follow them.
extern int iFun;    // open menu 0..8, 9 while the chart's buttons are up, -1 none
extern int iFocus;  // focused field of the open menu

// Puts every choice record back to its initial choice, and that choice
// into its iNT slot. Returns 0.
int initchoices();
// Steps choice c to the next (after the last back to the first) and
// stores it in its iNT slot. Returns the new choice, or -1 for no record.
int nextchoice(int c);
// Menu (0..8) whose key is key, or -1.
int menuofkey(int key);
// Selectable fields of menu m: the leading fields that are neither empty
// nor note lines.
int selectablefields(int m);

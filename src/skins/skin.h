// The skin: a table of 60 entries saying where each element of the
// telescope view and of the skinned window pieces sits, where it answers
// the mouse and where its state images lie in one skin bitmap; its files
// ("%s.skt" table, "%s.pcx" / "%s.bmp" images, "%s.inc" listing) and the
// default skin the program draws itself when no table can be read.
#pragma once
#include <allegro.h>

#include <cstdio>

struct skinentry {
  int state;     // current state image; negative: not drawn, not clickable
  int reserved;  // always 0
  int posx, posy, width, height;  // element relative to the skin origin; height is the state step
  int hotx, hoty, hotw, hoth;     // mouse-sensitive rectangle, relative to the skin origin
  int srcx, srcy;                 // state-0 image in skinbmp
  int srcw, srch;                 // image size and step as the default skin draws them
  int nstates;                    // number of state images; 0: not part of the skin
};

enum : int {
  SKINENTRIES = 60,
  SKINBUFLEN = 208,  // line buffer, one line of at most 207 characters
  SKINLINEMIN = 47,  // shortest entry line

  // Entries with a role.
  SKINWHOLE = 0,      // the whole skin: background and clickable extent
  SKINVIEW = 1,       // telescope view area and the mask over it
  SKINMAGCELL = 2,    // read-outs: magnification, field of view,
  SKINFOVCELL = 3,    // R.A., declination, four-line information
  SKINRACELL = 4,
  SKINDECCELL = 5,
  SKININFOCELL = 6,
  SKINCHANGE = 7,     // buttons 7..39
  SKINNORTH = 8,
  SKINWEST = 9,
  SKINONOFF = 10,
  SKINSTARID = 15,
  SKINMPNAMES = 16,
  SKINMPPLOT = 17,
  SKINZOOMIN = 18,
  SKINZOOMOUT = 19,
  SKINDAILY = 20,
  SKINCROSS = 21,
  SKINCCD = 22,
  SKINAPPULSE = 23,
  SKINCOLOURS = 31,
  SKINGRID = 36,
  SKINLASTBUTTON = 39,
  SKINFONT = 40,      // glyph cell and glyph sheet of the skin font
  SKINTITLE = 41,     // window pieces: title bar, heading button, list box
  SKINHEADING = 43,
  SKINLISTBOX = 45,

  // States of the view's toggles.
  SKINOFF = 1,
  SKINON = 2,

  // The largest skin image accepted, and the largest value a table may hold.
  SKINIMAGEMAX = 2048,
  SKINVALUEMAX = 4096,
  SKINSTATESMAX = 16,
};

extern skinentry skin[SKINENTRIES];
extern BITMAP *skinbmp;      // the images
extern PALETTE skinpal;      // their palette
extern int myskin;           // 1: images from a file, 0: the generated default
extern int skindepth;        // colour depth of the last generated default skin
extern int oldskin;          // 0 once the default has been generated
extern char skinbuf[SKINBUFLEN];
extern const char *const skintext[SKINENTRIES];  // labels drawn on the default skin
extern const char *const skinname[SKINENTRIES];  // entry names of the ".inc" listing

// Loads the skin named name (no extension) for colour depth depth: the
// table and images when "%s.skt" can be read (then writes "%s.inc" when it
// is missing or differs), else the default skin; then rebuilds the window
// pieces. The outcome is in mperror, a failed write also in
// skinwritefault. Returns 0.
int initskin(int depth, const char *name);
enum { SKINFAULTLEN = 240 };
// The write of a skin file that failed at the last initskin, or "": kept
// apart from mperror so the start-up report can still show it.
extern char skinwritefault[SKINFAULTLEN];
// Reads a skin table from the program's directory. Returns 0 when read,
// 2 when the file cannot be opened (myskin 0, message in mperror).
int readskinfile(const char *filename);
// The table reader over an open stream: entry lines replace their entries,
// entries no line names get nstates 0, then the button states are set.
// Returns the count of numbers of the last entry line read.
int readskintable(FILE *f);
// Loads the images for the table just read. Returns true when they loaded
// and hold every image the table names; else the default skin is built
// (depth skindepth) and false returned, with the reason in mperror.
bool loadskinfile(const char *filename);
// Builds the default skin for colour depth depth: the built-in table, its
// images drawn into a new skinbmp and saved as "defskin8.bmp" (depth 8)
// or "defskin.bmp" when that file is missing or differs. Returns 0, or
// FAILWRITE when the images cannot be saved: mperror then says so after
// the message that stood before.
int initdefaultskin(int depth);
// Writes the table as a C-initialiser listing to filename (program
// directory) when the file is missing or differs. Returns 0, or 1 when it
// cannot be written.
int makeskindata(const char *filename);
// Reads one line of f into skinbuf (CR dropped, cut at 207 characters).
// Returns its first character, 1 for an empty line, 0 at end of file, on
// a read error or for a last line without a line end.
int getskinline(FILE *f);
// Parses skinbuf as an entry line into e (the entry number) and v (the 13
// values). Returns the count of numbers read (0..14); 14 with every value
// in range makes a usable line.
int parseskinline(int *e, int v[13]);
// Sets state 1 for the existing entries 8..10 and 15..24. Returns 0.
int setskinprogram();
// 1 when skin entry e (0..59) is part of the skin (nstates above 0).
inline int skinexists(int e) { return e >= 0 && e < SKINENTRIES && skin[e].nstates > 0; }

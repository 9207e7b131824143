// Message boxes, the progress alert, file error messages and the in-place
// editors of numbers, coordinates and texts.
#pragma once
#include <allegro.h>

extern char message[5][64];    // help and error lines of the editors
extern const char *p[8];       // lines the editor's help shows
extern int iMessnum;           // how many of p the help shows
extern int alertX, alertY;     // pixel position of the next alert line
extern int alertfont;          // font number in use when the alert opened
extern char strbuf[64];        // scratch line for the project questions
extern const char errtext[3][48];  // "Error reading %s file." and its kin

// Shows lines[0..n-1] in the dialog window with an "OKay" button and
// waits for one key. Returns that key.
int dialog(int n, const char *const *lines);
// Asks a yes/no question; returns the answer in upper case: 'Y' (89) for
// Enter or y, 'N' for Escape or n, else the key's upper case.
int dialogYN(const char *text);
// Shows a message and waits; returns the key in upper case ('Y' for Enter).
int dialogOK(const char *text);
// Shows an error and waits; returns the key in upper case (Enter stays KEYENTER).
int dialogERR(const char *text);
// kind 0..2: the error text of that kind around file name text; any other
// kind: text itself. Shown with dialogERR. Returns 0 when the answer was
// y, else KEYESC.
int errormessage(int kind, const char *text);

// Opens the alert window with lines[0..n-1]. Returns 0.
int openalert(int n, const char *const *lines);
// Writes one more line in the open alert. Returns 0.
int alerttext(const char *text);
// Closes the alert window. Returns 0.
int closealert();

// Splits text into line1 and line2 (each of size bytes) so that both fit
// maxw pixels in font f: line1 ends at the last blank that lets it fit (a
// first word wider than the line is broken), and a line2 still too wide
// keeps its end behind "...".
void splittext(const char *text, FONT *f, int maxw, char *line1, char *line2, int size);

// State of the text editor between keys.
struct EDITSTATE {
  char text[80];
  int pos;           // cursor, 0..length
  int insert;        // 1 insert mode, 0 overwrite
  int maxlen;        // 0..79 characters
  int fresh;         // 1 until the first key: a typed character replaces the text
  const char *allowed;  // characters that may be typed; empty: any
};
// Characters of a decimal number field: a Julian Day with 5 decimals.
enum { NUMBERFIELDLEN = 13 };
// Starts editing text (cut to maxlen) with the cursor at 0 in overwrite;
// the first key, when it is a character, replaces the whole text.
void editbegin(EDITSTATE *e, const char *text, const char *allowed, int maxlen);
// Applies one key code (F1, the help key, is the caller's). Returns 0
// while editing goes on, or the key that ends it: KEYENTER, or KEYESC /
// KEYF3 (the text is then emptied).
int editkey(EDITSTATE *e, int keycode);

// Edits text in place (it must hold maxlen + 1 characters) at text cell
// (row, col). Returns 0 on Enter, KEYESC on Escape, KEYF3 on F3; a cancelled
// edit leaves text empty.
int editstring(int row, int col, char *text, const char *allowed, int maxlen);
// editstring with the help lines of a text.
int getastring(int row, int col, char *text, const char *allowed, int maxlen);
// Edit *value until it is within low..high. Return 0 when a value was
// stored, else the cancelling key (the value is then unchanged).
int getint(int row, int col, int *value, int low, int high);
int getafloat(int row, int col, double *value, double low, double high);
// Angle or time in degrees (hours), typed as "23.456", "23 27.8" or
// "23 27 42".
int getcoord(int row, int col, double *value, double low, double high);
// Value of a coordinate text: sign, then up to three blank-separated
// fields of degrees, minutes and seconds. An empty text is 0.
double coordvalue(const char *text);
// printf format of a value shown in a number field: "%9.5f", "%9.6f"
// below 100 in size.
const char *floatformat(double v);

// Left edge (pixels) of the confirmation box at the bottom of the screen,
// right of the chart's status line.
enum { CONFIRMX = 336 };
// Shows a short confirmation ("Saved vesta1.CFG") in a box at the bottom
// right of the screen without waiting: the work goes on. Returns 0.
int showconfirm(const char *text);
// Sunken read-only fields at text cell (row, col). Return 0.
int showastring(int row, int col, const char *text, int width);
int showint(int row, int col, int value);
int showafloat(int row, int col, double value);

#include "ui/dialogs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "screen/switches.h"
#include "screen/display.h"
#include "ui/input.h"
#include "screen/keys.h"
#include "ui/menutable.h"
#include "ui/windows.h"
#include "screen/layout.h"

char message[5][64];
const char *p[8];
int iMessnum = 0;
int alertX = 0, alertY = 0;
int alertfont = 0;
char strbuf[64];
const char errtext[3][48] = {"Error reading %s file.", "Cannot find %s file!", "Error writing %s file!"};

enum { BOXFONT = 5, FIELDFONT = 3, OKBUTTON = BUTDIALOG, NOBUTTON = BUTDIALOG + 1 };
static const char kPressAKey[] = "Press a key to continue.";
static bool alertopen = false;

static int uppercase(int k) { return k >= 'a' && k <= 'z' ? k - 'a' + 'A' : k; }


// The "OKay" button, drawn lit in the middle of the dialog window.
static void drawokbutton() {
  int col = but[OKBUTTON].col;
  but[OKBUTTON].col = win[DIALOGWIN].col + 20 - but[OKBUTTON].width / 2;
  drawbuttonlabel(OKBUTTON, 1, "OKay");
  but[OKBUTTON].col = col;
}

// Pixel width of the first n characters of text in font f.
static int prefixwidth(FONT *f, const char *text, int n) {
  char part[512];
  snprintf(part, sizeof part, "%.*s", n, text);
  return text_length(f, part);
}

void splittext(const char *text, FONT *f, int maxw, char *line1, char *line2, int size) {
  line2[0] = 0;
  if (text_length(f, text) <= maxw) {
    snprintf(line1, size, "%s", text);
    return;
  }
  // The first line ends at the last blank that lets it fit; a first word
  // wider than the line (a long file name) is broken where the line ends.
  int len = (int)strnlen(text, 511), cut = 0, rest = 0;
  for (int i = 1; i < len; i++)
    if (text[i] == ' ' && prefixwidth(f, text, i) <= maxw) cut = i, rest = i + 1;
  if (cut == 0) {
    while (cut + 1 < len && prefixwidth(f, text, cut + 1) <= maxw) cut++;
    rest = cut;
  }
  snprintf(line1, size, "%.*s", cut, text);
  // A second line too long keeps its end, where the file name stands.
  const char *tail = text + rest;
  if (text_length(f, tail) <= maxw) {
    snprintf(line2, size, "%s", tail);
    return;
  }
  int dots = text_length(f, "...");
  while (*tail && text_length(f, tail) + dots > maxw) tail++;
  snprintf(line2, size, "...%s", tail);
}

int dialog(int n, const char *const *lines) {
  int fontonentry = userfontnum;
  if (n < 0) n = 0;
  if (n > 13) n = 13;  // the lines above the button
  openwindow(DIALOGWIN);
  setuserfont(BOXFONT);
  int x = twX + 3, y = twY + 3, c = win[DIALOGWIN].text;
  for (int i = 0; i < n; i++) printf256(x, y + i * VRTScale, c, lines[i] ? lines[i] : "");
  if (n < 4) printf256(x, y + 3 * VRTScale, c, kPressAKey);
  drawokbutton();
  int k = waitpress();
  closewindow(DIALOGWIN);
  setuserfont(fontonentry);
  return k;
}

// Opens the dialog window over gradient first with text on its first two
// lines and note (when not null) notedy pixels below the first.
static void openmessage(const char *text, int first, const char *note, int notedy) {
  openwindow(DIALOGWIN);
  drawtextback(first);
  setuserfont(BOXFONT);
  char line1[128], line2[128];
  splittext(text, font, win[DIALOGWIN].w - 20, line1, line2, sizeof line1);
  int x = twX + 13, y = twY + 13, c = win[DIALOGWIN].text;
  printf256(x, y, c, line1);
  printf256(x, y + 16, c, line2);
  if (note) printf256(x, y + notedy, c, note);
}

// Waits for a key, closes the dialog window and puts back font fontnum.
static int closemessage(int fontnum) {
  int k = waitpress();
  closewindow(DIALOGWIN);
  setuserfont(fontnum);
  return k;
}

// A two-line message over gradient first, with "Press a key to continue."
// pressdy pixels below the first line and the OKay button. Returns the key.
static int messagebox(const char *text, int first, int pressdy) {
  int fontonentry = userfontnum;
  openmessage(text, first, kPressAKey, pressdy);
  drawokbutton();
  return closemessage(fontonentry);
}

int dialogYN(const char *text) {
  int fontonentry = userfontnum;
  openmessage(text, PALDIALOGBACK, "YES! or NO?", 36);
  drawbuttonlabel(OKBUTTON, 1, "YES");
  drawbuttonlabel(NOBUTTON, 0, "NO");
  int k = closemessage(fontonentry);
  if (k == KEYENTER) k = 'y';
  if (k == KEYESC) k = 'n';
  return uppercase(k);
}

int dialogOK(const char *text) {
  int k = messagebox(text, PALALERTBACK, 3 * VRTScale);
  return uppercase(k == KEYENTER ? 'y' : k);
}

int dialogERR(const char *text) { return uppercase(messagebox(text, PALALERTBACK, 36)); }

int errormessage(int kind, const char *text) {
  char line[320];
  if (kind >= 0 && kind <= 2)
    snprintf(line, sizeof line, errtext[kind], text);
  else
    snprintf(line, sizeof line, "%s", text);
  int k = dialogERR(line);
  return k == 'Y' || k == 'y' ? 0 : KEYESC;
}

int openalert(int n, const char *const *lines) {
  alertfont = userfontnum;
  openwindow(ALERTWIN);
  drawtextback(PALALERTBACK);
  alertopen = true;
  alertX = twX + 12;
  alertY = twY + 12;
  for (int i = 0; i < n; i++) alerttext(lines[i] ? lines[i] : "");
  return 0;
}

int alerttext(const char *text) {
  if (!alertopen) return 0;
  setuserfont(BOXFONT);
  // A full window starts again at the top rather than writing past it.
  const WINDO &w = win[ALERTWIN];
  if (alertY + text_height(font) > w.y + w.h - 4) {
    drawtextback(PALALERTBACK);
    alertY = w.y + 12;
  }
  printf256(alertX, alertY, w.text, text);
  alertY += VRTScale;
  setuserfont(alertfont);
  return 0;
}

int closealert() {
  if (!alertopen) return 0;
  closewindow(ALERTWIN);
  alertopen = false;
  setuserfont(alertfont);
  return 0;
}

void editbegin(EDITSTATE *e, const char *text, const char *allowed, int maxlen) {
  if (maxlen < 0) maxlen = 0;
  if (maxlen > (int)sizeof e->text - 1) maxlen = sizeof e->text - 1;
  e->maxlen = maxlen;
  // The field holds maxlen characters: a longer text is cut there.
  snprintf(e->text, sizeof e->text, "%.*s", maxlen, text);
  e->pos = 0;
  e->insert = 0;
  e->fresh = 1;
  e->allowed = allowed ? allowed : "";
}

static bool typable(const EDITSTATE *e, int keycode) {
  return keycode >= 32 && keycode <= 126 && (!e->allowed[0] || strchr(e->allowed, keycode));
}

int editkey(EDITSTATE *e, int keycode) {
  char *t = e->text;
  // The first character typed replaces the whole field, as in any form;
  // a cursor or edit key first keeps the text for editing in place.
  bool first = e->fresh;
  e->fresh = 0;
  if (first && typable(e, keycode)) {
    t[0] = 0;
    e->pos = 0;
  }
  int len = (int)strlen(t);
  switch (keycode) {
    case KEYENTER:
      return KEYENTER;
    case KEYESC:
    case KEYF3:
      t[0] = 0;
      return keycode;
    case KEYBACKSPACE:
      if (e->pos > 0) {
        memmove(t + e->pos - 1, t + e->pos, len - e->pos + 1);
        e->pos--;
      }
      break;
    case KEYDELETE:
      if (e->pos < len) memmove(t + e->pos, t + e->pos + 1, len - e->pos);
      break;
    case KEYLEFT:
      if (e->pos > 0) e->pos--;
      break;
    case KEYRIGHT:
      if (e->pos < len && e->pos < e->maxlen - 1) e->pos++;
      break;
    case KEYHOME:
      e->pos = 0;
      break;
    case KEYEND:
      e->pos = len < e->maxlen ? len : e->maxlen - 1;
      if (e->pos < 0) e->pos = 0;
      break;
    case KEYINSERT:
      e->insert = !e->insert;
      break;
    default:
      if (!typable(e, keycode) || len >= e->maxlen) break;
      if (e->insert)
        memmove(t + e->pos + 1, t + e->pos, len - e->pos + 1);
      else if (e->pos == len)
        t[len + 1] = 0;
      t[e->pos++] = (char)keycode;
      break;
  }
  return 0;
}

// The edit field at pixel (x, y) in the fixed 6-pixel font, with the
// cursor when cursor is set.
static void drawfield(const EDITSTATE *e, int x, int y, bool cursor) {
  setuserfont(FIELDFONT);
  rectfill(VIDbmp, x + 1, y + 1, x + 6 * e->maxlen + 6, y + 12, colour[PALDARKBLUE]);
  char shown[82];
  snprintf(shown, sizeof shown, "%s ", e->text);
  printf256(x + 2, y + 2, colour[PALCYAN], shown);
  if (!cursor) return;
  int cx = x + 6 * e->pos + 1;
  if (e->insert)
    vline(VIDbmp, cx, y + 1, y + 10, colour[PALGREEN]);
  else
    hline(VIDbmp, cx, y + 12, cx + 4, colour[PALGREEN]);
}

int editstring(int row, int col, char *text, const char *allowed, int maxlen) {
  EDITSTATE e;
  editbegin(&e, text, allowed, maxlen);
  int x = col * HORScale, y = row * VRTScale + 1;
  for (;;) {
    drawfield(&e, x, y, true);
    int k = waitpress();
    if (k == KEYF1) {
      dialog(iMessnum, p);
      continue;
    }
    int end = editkey(&e, k);
    if (!end) continue;
    drawfield(&e, x, y, false);
    snprintf(text, e.maxlen + 1, "%s", e.text);
    setuserfont(iDEFONT);
    return end == KEYENTER ? 0 : end;
  }
}

// Points p at the first n message lines for the editor's help.
static void sethelplines(int n) {
  for (int i = 0; i < 8; i++) p[i] = i < n ? message[i] : "";
  iMessnum = n;
}

int getastring(int row, int col, char *text, const char *allowed, int maxlen) {
  snprintf(message[0], sizeof message[0], "%s", "Please enter a character string of");
  snprintf(message[1], sizeof message[1], "up to %d characters long.", maxlen);
  snprintf(message[2], sizeof message[2], "%s", "Press ESC to Quit.");
  sethelplines(3);
  return editstring(row, col, text, allowed, maxlen);
}

// Label of the menu field in focus, for the out-of-range message.
static const char *focuslabel() {
  if (iFun < 0 || iFun > 8 || iFocus < 0 || iFocus > 19) return "";
  return prompt[iFun][iFocus].label;
}

// Edits text until inrange(text) accepts it; the OOPS box comes between
// tries. Returns 0, or the key that cancelled an edit.
template <typename Check>
static int editinrange(int row, int col, char *text, const char *allowed, int maxlen, Check inrange) {
  for (;;) {
    p[0] = message[0];
    int k = editstring(row, col, text, allowed, maxlen);
    if (k) return k;
    if (inrange(text)) return 0;
    snprintf(message[4], sizeof message[4], "OOPS! %s out of range!", focuslabel());
    p[0] = message[4];
    dialog(3, p);
  }
}

int getint(int row, int col, int *value, int low, int high) {
  snprintf(message[0], sizeof message[0], "%s", "Please enter a whole number.");
  snprintf(message[1], sizeof message[1], "Limits are : %d to %d ", low, high);
  snprintf(message[2], sizeof message[2], "%s", "Press ESC to Quit.");
  sethelplines(3);
  char text[16];
  snprintf(text, sizeof text, "%d", *value);
  long v = 0;
  int k = editinrange(row, col, text, "-1234567890", 10, [&](const char *t) {
    v = strtol(t, nullptr, 10);
    return v >= low && v <= high;
  });
  if (k == 0) *value = (int)v;
  return k;
}

const char *floatformat(double v) {
  double a = v < 0 ? -v : v;
  // Julian Days need their fifth decimal: 0.00001 day is about a second.
  return a < 100 ? "%9.6f" : "%9.5f";
}

// Format of a limit in the help lines: one step finer than a field's.
static const char *limitformat(double v) {
  double a = v < 0 ? -v : v;
  return a < 10 ? "%9.6f" : (a < 100 ? "%9.5f" : "%9.1f");
}

// "Limits : %s to %s " with each limit in its own format.
static void limitsline(char *line, int size, const char *lowformat, double low, const char *highformat,
                       double high) {
  // Each limit is cut to 23 characters so that the line fits any message
  // line (9 + 2 * 23 + 5 characters); the editors' limits take at most 12.
  char lo[24], hi[24];
  snprintf(lo, sizeof lo, lowformat, low);
  snprintf(hi, sizeof hi, highformat, high);
  snprintf(line, size, "Limits : %s to %s ", lo, hi);
}

// Edits text (the value's start text) until convert makes of it a number
// in low..high, which is stored in *value. Returns 0, or the key that
// cancelled the edit (*value unchanged).
// A text left as it was shown keeps the exact value behind it, not the
// value of its rounded figures.
template <typename Convert>
static int editnumber(int row, int col, double *value, char *text, const char *allowed, int maxlen, double low,
                      double high, Convert convert) {
  char shown[80];
  snprintf(shown, sizeof shown, "%s", text);
  double v = 0;
  int k = editinrange(row, col, text, allowed, maxlen, [&](const char *t) {
    v = strcmp(t, shown) == 0 ? *value : convert(t);
    return v >= low && v <= high;
  });
  if (k == 0) *value = v;
  return k;
}

int getafloat(int row, int col, double *value, double low, double high) {
  snprintf(message[0], sizeof message[0], "%s", "Please enter a decimal point number");
  limitsline(message[1], sizeof message[1], limitformat(low), low, limitformat(high), high);
  snprintf(message[2], sizeof message[2], "%s", "Press ESC to Quit.");
  sethelplines(3);
  char text[80];
  snprintf(text, sizeof text, floatformat(*value), *value);
  return editnumber(row, col, value, text, "+-eE.1234567890", NUMBERFIELDLEN, low, high,
                    [](const char *t) { return atof(t); });
}

double coordvalue(const char *text) {
  char field[3][16] = {};
  int nf = 0, len = 0;
  for (const char *c = text; *c; c++) {
    if (*c == ' ') {
      // Blanks before a figure (the field's own padding) start nothing.
      if (len == 0) continue;
      if (++nf == 3) break;
      len = 0;
      continue;
    }
    if (*c == '-' || *c == '+') continue;
    if (len < (int)sizeof field[0] - 1) field[nf][len++] = *c;
  }
  double v = atof(field[0]) + atof(field[1]) / 60.0 + atof(field[2]) / 3600.0;
  return strchr(text, '-') ? -v : v;
}

int getcoord(int row, int col, double *value, double low, double high) {
  snprintf(message[0], sizeof message[0], "%s", "Please enter a co-ordinate. (deg min sec)");
  limitsline(message[1], sizeof message[1], "%9.5f", low, "%9.5f", high);
  snprintf(message[2], sizeof message[2], "%s", "Enter as  23.456 or  23 27.8 or  23 27 42");
  snprintf(message[3], sizeof message[3], "%s", "Press ESC to Quit.");
  sethelplines(4);
  char text[80];
  snprintf(text, sizeof text, "%9.5f", *value);
  return editnumber(row, col, value, text, " +-.1234567890", 12, low, high, coordvalue);
}

int showconfirm(const char *text) {
  if (!VIDbmp) return 0;
  int h = VIDbmp->h, x0 = CONFIRMX, x1 = VIDbmp->w - 2;
  rectfill(VIDbmp, x0, h - 12, x1, h - 1, colour[PALLIGHTGREY]);
  textout_ex(VIDbmp, fittingfont(text, x1 - x0 - 4), text, x0 + 2, h - 10, colour[PALDARKBLUE], -1);
  return 0;
}

int showastring(int row, int col, const char *text, int width) {
  setuserfont(FIELDFONT);
  int x = col * HORScale, y = row * VRTScale + 1;
  drawshadowdial(x, y, width * 6 + 8, VRTScale - 2);
  char shown[82];
  snprintf(shown, sizeof shown, "%s ", text);
  printf256(x + 2, y + 2, colour[PALCYAN], shown);
  setuserfont(iDEFONT);
  return 0;
}

int showint(int row, int col, int value) {
  char text[16];
  snprintf(text, sizeof text, "%d", value);
  return showastring(row, col, text, 10);
}

int showafloat(int row, int col, double value) {
  char text[80];
  snprintf(text, sizeof text, floatformat(value), value);
  return showastring(row, col, text, NUMBERFIELDLEN);
}

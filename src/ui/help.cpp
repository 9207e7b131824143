#include "ui/help.h"

#include <allegro.h>

#include <cstdlib>
#include <cstring>

#include "base/status.h"
#include "screen/switches.h"
#include "ui/dialogs.h"
#include "screen/display.h"
#include "ui/input.h"
#include "screen/keys.h"
#include "ui/menutable.h"
#include "ui/windows.h"

int16_t textstart[HELPCONTEXT];
HELPTOPIC textlink[HELPTOPICS];
int helptopics = 0;
char *headtext = nullptr;
char *textbuf = nullptr;
int headlen = 0, textlen = 0;
int HelpOkay = 0;
int twx = 0, twy = 0;
char tbuf[80];
int iEmptyLinks = 0;
int iHelpTopic = 0;

enum { HELPFONTS = 15, LINKROW = 22 };

static int le16(const unsigned char *b) { return (int16_t)(b[0] | b[1] << 8); }
static int le32(const unsigned char *b) {
  return (int32_t)((uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24);
}

static bool readall(FILE *f, void *buf, size_t n) { return n == 0 || fread(buf, 1, n, f) == n; }

void helpfree() {
  free(headtext);
  free(textbuf);
  headtext = textbuf = nullptr;
  headlen = textlen = helptopics = 0;
  HelpOkay = 0;
  memset(textlink, 0, sizeof textlink);
  for (int16_t &t : textstart) t = 1;
}

static int helpfail(const char *text) {
  helpfree();
  snprintf(mperror, sizeof mperror, "%s", text);
  return 1;
}

// Bytes left in f from the current position, or -1 when it cannot tell.
static long bytesleft(FILE *f) {
  long pos = ftell(f);
  if (pos < 0 || fseek(f, 0, SEEK_END) != 0) return -1;
  long end = ftell(f);
  if (fseek(f, pos, SEEK_SET) != 0) return -1;
  return end - pos;
}

// Topic k from its 16-byte record, with every offset and link checked.
static void settopic(int k, const unsigned char *rec, int n) {
  HELPTOPIC &t = textlink[k];
  t.head = (int16_t)le16(rec);
  t.lines = (int16_t)le16(rec + 2);
  t.text = le32(rec + 4);
  if (t.head < 0 || t.head > headlen) t.head = -1;
  if (t.lines < 0 || t.text < 0 || t.text >= textlen) t.lines = 0, t.text = 0;
  for (int s = 0; s < 3; s++) {
    t.link[s] = (int16_t)le16(rec + 8 + 2 * s);
    if (t.link[s] < 0 || t.link[s] >= n) t.link[s] = 0;
  }
  t.origin = 0;
}

int helpread(FILE *f) {
  helpfree();
  unsigned char head[12];
  if (!readall(f, head, sizeof head)) return helpfail("Help File Error");
  int n = le32(head), h = le32(head + 4), t = le32(head + 8);
  if (n < HELPMINCONTEXT || n > HELPTOPICS || h < 0 || t < 0 || h > HELPMAXBLOCK || t > HELPMAXBLOCK)
    return helpfail("Help File Error");
  static unsigned char map[HELPCONTEXT * 2], recs[HELPTOPICS * HELPRECORD];
  if (!readall(f, map, 2 * n) || !readall(f, recs, (size_t)HELPRECORD * n)) return helpfail("Help File Error");
  long left = bytesleft(f);
  if (left >= 0 && left < (long)h + t) return helpfail("Help File Error");
  headtext = (char *)calloc((size_t)h + HELPPAD, 1);
  textbuf = (char *)calloc((size_t)t + HELPPAD, 1);
  if (!headtext || !textbuf) return helpfail("Help Memory Error");
  if (!readall(f, headtext, h) || !readall(f, textbuf, t)) return helpfail("Help File Error");
  for (int i = 0; i < t; i++)
    if (textbuf[i]) textbuf[i] = (char)(unsigned char)((unsigned char)textbuf[i] + HELPBYTEOFFSET);
  headlen = h;
  textlen = t;
  helptopics = n;
  for (int k = 0; k < n; k++) {
    int topic = le16(map + 2 * k);
    textstart[k] = (int16_t)(topic >= 0 && topic < n ? topic : 1);
    settopic(k, recs + HELPRECORD * k, n);
  }
  HelpOkay = 1;
  return 0;
}

int inithelptext() {
  char path[256];
  getfilename(path, "korvanex.hlp");
  FILE *f = fopen(path, "rb");
  if (!f) {
    helpfree();
    dialogERR("Help File Error");
    return 1;
  }
  int status = helpread(f);
  fclose(f);
  if (status) {
    dialogERR(mperror);
    return status;
  }
  if (iDEBUG) {
    snprintf(tbuf, sizeof tbuf, "Help file: %d loaded %d", textlen, headlen);
    dialogERR(tbuf);
  }
  return 0;
}

int helpstarttopic(int menu, int field) {
  if (menu < 0 || menu > 8 || field < 0 || field >= HELPFIELDS) return 1;
  return textstart[menu * HELPFIELDS + field];
}

const char *helpheading(int t) {
  if (!HelpOkay || t < 0 || t >= helptopics || textlink[t].head < 0) return "";
  return headtext + textlink[t].head;
}

const char *helptextline(int t, int k) {
  if (!HelpOkay || t < 0 || t >= helptopics || k < 0) return nullptr;
  const HELPTOPIC *tp = &textlink[t];
  int pos = tp->text;
  if (tp->lines == 0) {
    tp = &textlink[0];
    pos = 0;
  }
  if (k >= tp->lines) return nullptr;
  // The block is followed by zero bytes, so every line ends inside it or
  // in the padding.
  for (int i = 0; i < k && pos < textlen; i++) pos += (int)strlen(textbuf + pos) + 1;
  return pos < textlen ? textbuf + pos : nullptr;
}

void callheading(int topic) {
  int previous = userfontnum;
  setuserfont(HELPHEADFONT);
  printf256(twx + 4, twy + 4, colour[PALRED], helpheading(topic));
  twy += 16;
  setuserfont(previous);
}

void displayLinks(int link, int slot) {
  if (slot < 0 || slot > 2) return;
  int n = HELPLINKBUTTON + slot;
  but[n].key = '1' + slot;
  if (link != 0) {
    snprintf(tbuf, sizeof tbuf, "%d %s", slot + 1, helpheading(link));
  } else {
    iEmptyLinks++;
    if (iEmptyLinks == 1) {
      snprintf(tbuf, sizeof tbuf, "ESC  Back");
      but[n].key = KEYESC;
    } else if (iEmptyLinks == 2) {
      snprintf(tbuf, sizeof tbuf, "F1   Exit");
      but[n].key = KEYF1;
    } else {
      but[n].key = ' ';
      return;
    }
  }
  // A long heading is cut to its button.
  int room = but[n].width * HORScale - 4;
  for (size_t len = strlen(tbuf); len > 0 && text_length(font, tbuf) > room; len--) tbuf[len - 1] = 0;
  drawbuttonlabel(n, 1, tbuf);
}

void calltext(int topic, int from) {
  if (topic < 0 || topic >= HELPTOPICS) return;
  textlink[topic].origin = (int16_t)from;
  iHelpTopic = topic;
  blankwindow(HELPWINDOW);
  twx = twX;
  twy = twY;
  callheading(topic);
  setuserfont(iDEFONT);
  // Lines stop above the link buttons and inside the window.
  const WINDO &w = win[HELPWINDOW];
  int bottom = LINKROW * VRTScale - 2;
  if (bottom > w.y + w.h - 4) bottom = w.y + w.h - 4;
  for (int k = 0;; k++) {
    int y = twy + 4 + HELPLINEPITCH * k;
    if (y + text_height(font) > bottom) break;
    const char *line = helptextline(topic, k);
    if (!line) break;
    printf256(twx + 4, y, colour[PALBLUE], line);
  }
  iEmptyLinks = 0;
  for (int slot = 0; slot < 3; slot++) displayLinks(textlink[topic].link[slot], slot);
}

// The font list shown when there is no help file.
static void missinghelp() {
  int y = twY + 8;
  for (int n = 0; n < HELPFONTS; n++) {
    setuserfont(n);
    int h = text_height(font);
    snprintf(tbuf, sizeof tbuf, "%2d: %2d Missing Help File", n, h);
    printf256(twX + 9, y, colour[PALDARKRED], tbuf);
    y += h;
  }
  setuserfont(iDEFONT);
  waitpress();
}

// Whether t lies on the way back from topic (topic included).
static bool onwayback(int topic, int t) {
  for (int steps = 0; topic != 0 && steps < HELPTOPICS; steps++) {
    if (topic == t) return true;
    topic = textlink[topic].origin;
  }
  return false;
}

int helpscreen(int menu, int field) {
  if (!HelpOkay) {
    missinghelp();
    return 0;
  }
  int topic = helpstarttopic(menu, field), back = 0;
  while (topic != 0) {
    calltext(topic, back);
    setuserfont(iDEFONT);
    int pressed = waitpress();
    if (pressed == KEYENTER) pressed = '1';
    if (pressed == KEYESC) {
      topic = back;
      back = textlink[topic].origin;
    } else if (pressed >= '1' && pressed <= '3') {
      int next = textlink[topic].link[pressed - '1'];
      // A link back to a topic already on the way keeps that topic's own
      // way back, so Escape always leads out of the help.
      back = onwayback(topic, next) ? textlink[next].origin : topic;
      topic = next;
    } else if (pressed == KEYF1) {
      break;
    }
  }
  return topic;
}

void helpwindow() {
  int menu = iFun, field = iFocus;
  openwindow(HELPWINDOW);
  helpscreen(menu, field);
  setuserfont(iDEFONT);
  closewindow(HELPWINDOW);
}

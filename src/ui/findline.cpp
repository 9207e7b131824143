#include "ui/findline.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/mplist.h"
#include "screen/display.h"
#include "ui/input.h"
#include "ui/tonightpage.h"
#include "screen/keys.h"

static const char *const kKindNames[] = {"", "Sun", "Moon", "planet", "minor planet", "star", "object",
                                         "minor planet, other page"};

int gotohit(const FINDHIT &h) {
  if (h.kind == FINDFILE) {
    if (!gotofilerecord(h.index)) return -1;
    rebuildchart();
    return 0;
  }
  gotomyradec(h.ra, h.dec);
  rebuildchart();
  return 0;
}

// The box: its place and size on the screen.
struct FindBox {
  int x, y, w, h, line;
};

static FindBox findbox() {
  int line = text_height(font) + 4;
  int w = 64 * text_length(font, "M") + 8;
  if (w > plotwidth - 16) w = plotwidth - 16;
  return {plotXst + 8, plotYst + 8, w, (FINDOFFERED + 3) * line + 4, line};
}

static void drawbox(const FindBox &b, const char *text, const FINDHIT *hits, int n, int chosen, const char *note) {
  rectfill(VIDbmp, b.x, b.y, b.x + b.w - 1, b.y + b.h - 1, colour[PALBLACK]);
  rect(VIDbmp, b.x, b.y, b.x + b.w - 1, b.y + b.h - 1, colour[PALWHITE]);
  char line[FINDQUERYLEN + 16];
  snprintf(line, sizeof line, "Find: %s_", text);
  textout_ex(VIDbmp, font, line, b.x + 4, b.y + 4, colour[PALWHITE], -1);
  for (int k = 0; k < n && k < FINDOFFERED; k++) {
    int y = b.y + 4 + (k + 1) * b.line;
    if (k == chosen) rectfill(VIDbmp, b.x + 2, y - 2, b.x + b.w - 3, y + b.line - 3, colour[PALGREY]);
    char row[FINDNAMELEN + 24];
    int kind = hits[k].kind >= 0 && hits[k].kind <= FINDFILE ? hits[k].kind : 0;
    snprintf(row, sizeof row, "%s  %s", hits[k].name, hits[k].kind == FINDSUN || hits[k].kind == FINDMOON ? "" : kKindNames[kind]);
    textout_ex(VIDbmp, font, row, b.x + 8, y, colour[k == chosen ? PALWHITE : PALGRIDTEXT], -1);
  }
  textout_ex(VIDbmp, font, note, b.x + 4, b.y + 4 + (FINDOFFERED + 1) * b.line, colour[PALYELLOW], -1);
}

int findline(FINDHIT *hit) {
  if (!VIDbmp) return 0;
  FindBox b = findbox();
  BITMAP *under = create_bitmap(b.w, b.h);
  if (under) blit(VIDbmp, under, b.x, b.y, 0, 0, b.w, b.h);
  char text[FINDQUERYLEN] = "";
  FINDHIT hits[FINDOFFERED];
  int n = 0, chosen = 0, went = 0;
  char note[96] = "Type a name or number; Enter goes there, Esc leaves.";
  for (;;) {
    drawbox(b, text, hits, n, chosen, note);
    int k = getapress();
    size_t len = strlen(text);
    if (k == KEYESC) break;
    if (k == KEYENTER) {
      if (n > 0) {
        *hit = hits[chosen];
        went = 1;
        break;
      }
      snprintf(note, sizeof note, text[0] ? "No object named \"%.40s\"." : "Type a name first.", text);
      continue;
    }
    if (k == KEYUP && chosen > 0) chosen--;
    if (k == KEYDOWN && chosen + 1 < n) chosen++;
    bool typed = false;
    if (k == KEYBACKSPACE && len > 0) {
      text[len - 1] = 0;
      typed = true;
    } else if (k >= ' ' && k < 256 && k != 127 && len + 1 < sizeof text) {
      text[len] = (char)k;
      text[len + 1] = 0;
      typed = true;
    }
    if (!typed) continue;
    n = findbyname(text, hits, FINDOFFERED);
    chosen = 0;
    if (!text[0])
      note[0] = 0;
    else if (n == 0)
      snprintf(note, sizeof note, "No object named \"%.40s\".", text);
    else if (hits[0].match == MATCHEXACT)
      snprintf(note, sizeof note, "Enter goes to %.60s.", hits[0].name);
    else
      snprintf(note, sizeof note, "%d match%s: Up/Down choose, Enter goes.", n, n == 1 ? "" : "es");
  }
  if (under) {
    blit(under, VIDbmp, 0, 0, b.x, b.y, b.w, b.h);
    destroy_bitmap(under);
  }
  if (went) went = gotohit(*hit) == 0;
  return went;
}

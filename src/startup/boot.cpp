#include "startup/boot.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/projection.h"
#include "chart/skyplot.h"
#include "startup/initialize.h"
#include "ui/datemenu.h"
#include "ui/dialogs.h"
#include "ui/findline.h"
#include "screen/fontfile.h"
#include "ui/help.h"
#include "ui/input.h"
#include "screen/keys.h"
#include "ui/menu.h"
#include "ui/project.h"
#include "chart/skyview.h"
#include "ui/searchlists.h"
#include "ui/windows.h"

int Cdepth = 8;

void parsecommandline(int argc, char **argv, int *width) {
  for (int i = 1; i < argc; i++) {
    int v = atoi(argv[i]);
    if (v == 15 || v == 16 || v == 24 || v == 32) Cdepth = v;
    if (v == 800 || v == 1024 || v == 1280) *width = v;
    if (argv[i][0] == 'b') iDOS = 0;
    if (argv[i][0] == 'd') iDEBUG = 1;
  }
}

int requestedheight(int width) { return width == 1280 ? 1024 : width * 3 / 4; }

void critical_error(const char *format, ...) {
  char text[512];
  va_list ap;
  va_start(ap, format);
  vsnprintf(text, sizeof text, format, ap);
  va_end(ap);
  allegro_exit();
  printf("Critical error\n\n%s", text);
  fflush(stdout);
  exit(-1);
}

// A start-up file the program cannot run without: the fault is shown on
// the screen in Allegro's own font (the program's fonts may be what is
// missing) until a key, then on the terminal as the program stops.
static void startupfailed(const char *fault) {
  if (screen) {
    clear_to_color(screen, makecol(0, 0, 0));
    int white = makecol(255, 255, 255), y = SCREEN_H / 3;
    textout_ex(screen, font, "KORVANEX cannot start:", 16, y, white, -1);
    // The fault in lines that fit the screen's width.
    int em = text_length(font, "M"), perline = em > 0 ? (SCREEN_W - 32) / em : 60;
    if (perline < 10) perline = 10;
    const char *rest = fault;
    for (y += 2 * text_height(font); *rest; y += text_height(font) + 2) {
      char line[256];
      int n = (int)strlen(rest) < perline ? (int)strlen(rest) : perline;
      snprintf(line, sizeof line, "%.*s", n < 255 ? n : 255, rest);
      textout_ex(screen, font, line, 16, y, white, -1);
      rest += n;
    }
    textout_ex(screen, font, "Press a key to leave.", 16, y + text_height(font), white, -1);
    clear_keybuf();
    readkey();
  }
  critical_error("%s", fault);
}

void lost_bitmap_callback_routine() { full_redraw = 1; }

int domyfunction(int keycode) {
  for (;;) {
    int i = menuofkey(keycode);
    if (i < 0) return keycode;
    keycode = menufunction(i);
  }
}

// Sets the requested mode, then 640 x 480, then 640 x 480 at 8 bits.
static void setgraphicsmode(int width) {
  if (set_gfx_mode(GFX_AUTODETECT, width, requestedheight(width), 0, 0) == 0) return;
  if (set_gfx_mode(GFX_AUTODETECT, 640, 480, 0, 0) == 0) return;
  if (Cdepth > 8) Cdepth = 8;
  set_color_depth(Cdepth);
  if (set_gfx_mode(GFX_AUTODETECT, 640, 480, 0, 0) == 0) return;
  critical_error("Unable to set graphics mode: %s", allegro_error);
}

static int isexitconfirmed() {
  char line[96];
  exitquestion(line, sizeof line);
  if (dialogYN(line) == 'Y') saveproject();
  return dialogYN("REALLY EXIT ??????") == 'Y';
}

// The chart reads the pointer only while its own wait runs: menus and
// dialogs opened from it see plain keys and clicks.
static int chartpress() {
  iPointerX0 = plotXst;
  iPointerY0 = plotYst;
  iPointerX1 = plotXst + plotwidth;
  iPointerY1 = plotYst + plothigh;
  int k = getapress();
  iPointerX1 = iPointerX0;
  iMouseX = m3;
  iMouseY = m4;
  return k;
}

static void mainloop() {
  int keycode = KEYNEUTRAL;
  for (;;) {
    if (keycode == KEYESC) return;
    if (timestepkey(keycode)) iReplot = 1;
    drawskyplot(keycode);
    if (!ispointerkey(keycode)) drawchartbuttons();
    if (iGotamouse) mouseshow();
    keycode = chartpress();
    if (iGotamouse) mousehide();
    if (keycode == KEYF1) helpwindow();
    // Field check at the cursor: its list in the APPULSE menu.
    if (keycode == KEYFIELDCHECK) {
      runfieldcheck();
      keycode = KEYMENUAPPULSE;
    }
    if (keycode == KEYFIND) {
      FINDHIT hit;
      // Found: the chart went there; "i" identifies it at the cursor.
      keycode = findline(&hit) ? (int)'i' : (int)KEYNEUTRAL;
    }
    if (menuofkey(keycode) >= 0) {
      domyfunction(keycode);
      keycode = KEYF2;
    }
    if (keycode == KEYESC) keycode = isexitconfirmed() ? KEYESC : KEYNEUTRAL;
  }
}

int boot(int argc, char **argv) {
  int width = 640;
  Cdepth = 8;
  parsecommandline(argc, argv, &width);
  set_uformat(U_ASCII);  // texts are Latin-1 bytes (the degree sign)
  // Without a system driver (no display) there is no graphics mode.
  if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0)
    critical_error("Unable to set graphics mode: %s", allegro_error[0] ? allegro_error : "no system driver");
  set_color_depth(Cdepth);
  setgraphicsmode(width);
  set_palette(desktop_palette);
  install_keyboard();
  install_timer();
  iGotamouse = install_mouse() < 0 ? 0 : 1;
  buffer = create_bitmap(SCREEN_W, SCREEN_H);
  if (!buffer) critical_error("Unable to create double buffer");
  clear(buffer);
  if (initialize(Cdepth) < 0) startupfailed(fontfault[0] ? fontfault : "Start up Files missing.");
  full_redraw = 1;
  set_display_switch_callback(SWITCH_IN, lost_bitmap_callback_routine);
  mainloop();
  allegro_exit();
  return 0;
}

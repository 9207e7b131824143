#include "startup/boot.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "chart/skyplot.h"
#include "startup/initialize.h"
#include "ui/dialogs.h"
#include "ui/help.h"
#include "ui/input.h"
#include "screen/keys.h"
#include "ui/menu.h"
#include "ui/project.h"
#include "chart/skyview.h"

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
  if (dialogYN("EXIT!! Save PROJECT file first???") == 'Y') saveproject();
  return dialogYN("REALLY EXIT ??????") == 'Y';
}

static void mainloop() {
  int keycode = KEYNEUTRAL;
  for (;;) {
    if (keycode == KEYESC) return;
    drawskyplot(keycode);
    if (iGotamouse) mouseshow();
    keycode = getapress();
    if (iGotamouse) mousehide();
    if (keycode == KEYF1) helpwindow();
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
  if (initialize(Cdepth) < 0) critical_error("Start up Files missing.");
  full_redraw = 1;
  set_display_switch_callback(SWITCH_IN, lost_bitmap_callback_routine);
  mainloop();
  allegro_exit();
  return 0;
}

#include "allegro_env.h"

#include "startup/switches.h"
#include "ui/display.h"

BITMAP *startallegro(int depth, int w, int h) {
  static bool started = false;
  if (!started) {
    set_uformat(U_ASCII);
    install_allegro(SYSTEM_NONE, &errno, atexit);
    started = true;
  }
  set_color_depth(depth);
  if (buffer) destroy_bitmap(buffer);
  buffer = create_bitmap(w, h);
  clear_to_color(buffer, 0);
  VIDbmp = buffer;
  setscale(w);
  return buffer;
}

#include "allegro_env.h"

#include "screen/switches.h"
#include "testsupport.h"
#include "screen/display.h"
#include "ui/menutable.h"
#include "ui/windows.h"

BITMAP *startallegro(int depth, int w, int h) {
  startheadless();
  set_color_depth(depth);
  if (buffer) destroy_bitmap(buffer);
  buffer = create_bitmap(w, h);
  clear_to_color(buffer, 0);
  VIDbmp = buffer;
  setscale(w);
  return buffer;
}

static FONT *libraryfont = nullptr;

bool loadprogramfonts() {
  startallegro(8);
  if (!libraryfont) libraryfont = font;
  if (!data) data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
  return data != nullptr;
}

void unloadprogramfonts() {
  if (libraryfont) font = libraryfont;
  userfont = nullptr;
  if (data) unload_datafile(data);
  data = nullptr;
}

BITMAP *startscreen() {
  BITMAP *b = startallegro(8);
  setmypal();
  windoinit();
  clearhitmap();
  iFun = -1;
  iFocus = 0;
  setuserfont(iDEFONT);
  return b;
}

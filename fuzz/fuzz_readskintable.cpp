// Skin tables of any content: read over the default skin's images, then
// every element is drawn and every point of the skin is asked for its
// button, so a value that escaped the checks would reach past a bitmap.
#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "base/status.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "skins/skindraw.h"
#include "testsupport.h"
#include "screen/display.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
  static BITMAP *target = nullptr;
  if (!target) {
    startheadless();
    set_color_depth(32);
    setfiledir("/tmp");
    settruecolours();
    target = create_bitmap(400, 400);
  }
  initdefaultskin(32);
  if (size == 0) return 0;
  FILE *f = fmemopen(const_cast<uint8_t *>(bytes), size, "rb");
  if (!f) return 0;
  int n = readskintable(f);
  fclose(f);
  if (n < 0 || n > 14) abort();
  for (int e = 0; e < SKINENTRIES; e++) {
    const skinentry &s = skin[e];
    if (s.nstates < 0 || s.nstates > SKINSTATESMAX || s.width < 0 || s.height < 0) abort();
  }
  registerskinposition(target, 0, 0, 0, 0);
  skinshown = 1;
  redrawskin(target, 0, 0);
  drawmask(target, 0, 0);
  updateskinbuttons(target, 0, 0);
  drawRADECskin(target, 0, 0, "RA: 12 00 00", "DEC: +00 00.0");
  for (int y = 0; y < 400; y += 7)
    for (int x = 0; x < 400; x += 7) {
      int code = checkskinbutton(x, y);
      if (code != -1 && code != 90 && (code < 56 || code > 88)) abort();
    }
  return 0;
}

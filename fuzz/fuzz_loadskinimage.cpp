// Skin images of any content, as ".bmp" at 32 bits and as ".pcx" at 8
// bits, under the shipped table: a header that escapes the size check or
// a body that Allegro's readers mishandle would be caught here.
#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/status.h"
#include "skins/skin.h"
#include "screen/display.h"

static void writefile(const std::string &path, const uint8_t *bytes, size_t size) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return;
  fwrite(bytes, 1, size, f);
  fclose(f);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
  static std::string dir;
  if (dir.empty()) {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    char tmpl[] = "/tmp/fuzz_skinimage_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    setfiledir(dir.c_str());
    // A table that names a small sheet: the whole skin, the view, a button.
    FILE *f = fopen((dir + "/t.skt").c_str(), "wb");
    if (f) {
      fprintf(f, "0 0 0 40 40 0 0 0 0 0 0 40 40 1                                  \n");
      fprintf(f, "1 5 5 20 20 0 0 0 0 0 0 20 20 1                                   \n");
      fprintf(f, "7 30 0 8 8 30 0 8 8 40 0 8 8 4                                    \n");
      fclose(f);
    }
  }
  const int depths[2] = {32, 8};
  const char *names[2] = {"t.bmp", "t.pcx"};
  for (int k = 0; k < 2; k++) {
    set_color_depth(depths[k]);
    if (depths[k] > 8)
      settruecolours();
    else
      setmypal();
    writefile(dir + "/" + names[k], bytes, size);
    if (readskinfile("t.skt") != 0) abort();
    loadskinfile(names[k]);
    if (myskin && (!skinbmp || skinbmp->w > SKINIMAGEMAX || skinbmp->h > SKINIMAGEMAX)) abort();
  }
  return 0;
}

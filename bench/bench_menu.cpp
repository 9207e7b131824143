// Drawing a menu with its list page on a 1280 x 1024 x 32 screen buffer,
// the work of opening a menu and of each focus move; beside it, one copy of
// the whole buffer to the screen as the peer that every frame pays. Run
// from the runtime directory (fonts, catalogue, database, places).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "chart/starcat.h"
#include "minorplanets/astbin.h"
#include "places/place.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"
#include "screen/display.h"
#include "ui/menu.h"
#include "ui/windows.h"

static BITMAP *menuscreen, *peerscreen;

static bool startmenus() {
  static bool started = false, ok = false;
  if (started) return ok;
  started = true;
  startheadless();
  set_color_depth(32);
  menuscreen = create_bitmap(1280, 1024);
  peerscreen = create_bitmap(1280, 1024);
  data = load_datafile("vuva.dat");
  if (!menuscreen || !peerscreen || !data) return false;
  VIDbmp = menuscreen;
  setscale(1280);
  settruecolours();
  initsettings();
  initchoices();
  windoinit();
  clearhitmap();
  readskycatalog(0);
  Placeinit();
  MPinit();
  flag[SHOWGRID] = flag[PLOTMPS] = 1;
  ok = Snum > 0 && iNumAst > 0 && iPlacesiz > 0;
  return ok;
}

// drawmenu of menu range(0) as drawn after opening it or after Enter.
static void BM_DrawMenu(benchmark::State &state) {
  if (!startmenus()) {
    state.SkipWithError("data files missing beside the benchmark");
    return;
  }
  BITMAP *saved = VIDbmp;
  VIDbmp = menuscreen;
  iFun = (int)state.range(0);
  openwindow(1);
  iFocus = 0;
  for (auto _ : state) benchmark::DoNotOptimize(drawmenu());
  closewindow(1);
  iFun = -1;
  VIDbmp = saved;
}
BENCHMARK(BM_DrawMenu)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

// A focus move on the planet menu: the pressed button, the help line and
// the whole list page again.
static void BM_MenuFocusMove(benchmark::State &state) {
  if (!startmenus()) {
    state.SkipWithError("data files missing beside the benchmark");
    return;
  }
  BITMAP *saved = VIDbmp;
  VIDbmp = menuscreen;
  iFun = MENUPLANET;
  openwindow(1);
  int n = selectablefields(MENUPLANET);
  for (auto _ : state) {
    iFocus = (iFocus + 1) % n;
    iClick = 1;
    benchmark::DoNotOptimize(drawmenu());
    iClick = 0;
  }
  closewindow(1);
  iFun = -1;
  VIDbmp = saved;
}
BENCHMARK(BM_MenuFocusMove)->Unit(benchmark::kMicrosecond);

// The peer: one 1280 x 1024 x 32 copy, as the buffer goes to the screen.
static void BM_ScreenCopyPeer(benchmark::State &state) {
  if (!startmenus()) {
    state.SkipWithError("data files missing beside the benchmark");
    return;
  }
  for (auto _ : state) blit(menuscreen, peerscreen, 0, 0, 0, 0, 1280, 1024);
  benchmark::DoNotOptimize(peerscreen->line[0][0]);
}
BENCHMARK(BM_ScreenCopyPeer)->Unit(benchmark::kMicrosecond);

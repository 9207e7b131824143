// Chart rebuilds at several zooms on a 1280 x 1024 x 32 screen buffer with
// the full Tycho catalogue, the grid, constellations and minor planets on,
// and one cursor step. Run from the runtime directory (the data files).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "benchsky.h"

#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "chart/starsearch.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "screen/switches.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"
#include "screen/display.h"
#include "chart/skyview.h"

void startbenchsky() {
  static bool started = false;
  if (started) return;
  startheadless();
  set_color_depth(32);
  buffer = create_bitmap(1280, 1024);
  VIDbmp = buffer;
  setscale(1280);
  settruecolours();
  initsettings();
  day = dJDay = 2460000.5;
  readskycatalog(0);
  skymapinit();
  MPinit();
  calcastall(day);
  flag[SHOWGRID] = flag[PLOTMPS] = flag[CONSTNAMES] = 1;
  started = true;
}

// Centre in Sagittarius (dense Milky Way) at the given zoom.
static void BM_ChartRebuild(benchmark::State &state) {
  startbenchsky();
  dStarX = 18.5;
  dStarY = -25;
  iZoom = (int)state.range(0);
  ra = dStarX;
  dec = dStarY;
  int marks = 0;
  for (auto _ : state) benchmark::DoNotOptimize(marks = rebuildchart());
  state.counters["stars"] = Snum;
  state.counters["planets"] = iNumAst;
}
BENCHMARK(BM_ChartRebuild)->Arg(0)->Arg(2)->Arg(5)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

// One arrow key on a built chart: cursor moved, status line, chart shown.
static void BM_CursorMove(benchmark::State &state) {
  startbenchsky();
  iZoom = 5;
  rebuildchart();
  iReplot = 0;
  iCurStep = 2;
  int k = 0;
  for (auto _ : state) drawskyplot(k++ & 1 ? 331 : 333);
}
BENCHMARK(BM_CursorMove)->Unit(benchmark::kMicrosecond);

// F5: the star nearest the cursor, searched over layer 7 and the upper
// layers of the marked blocks, after the rebuild at the given zoom (its
// peer above).
static void BM_StarNearCursor(benchmark::State &state) {
  startbenchsky();
  dStarX = ra = 18.5;
  dStarY = dec = -25;
  iZoom = (int)state.range(0);
  rebuildchart();
  int found = -1;
  for (auto _ : state) benchmark::DoNotOptimize(found = starnearcursor());
  state.counters["found"] = found;
}
BENCHMARK(BM_StarNearCursor)->Arg(0)->Arg(5)->Arg(8)->Unit(benchmark::kMillisecond);

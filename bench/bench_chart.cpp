// Chart rebuilds at several zooms on a 1280 x 1024 x 32 screen buffer with
// the full Tycho catalogue, the grid, constellations and minor planets on,
// and one cursor step. Run from the runtime directory (the data files).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "benchsky.h"

#include "chart/labels.h"
#include "chart/overlays.h"
#include "chart/projection.h"
#include "chart/skyread.h"
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
#include "screen/keys.h"
#include "ui/datemenu.h"

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

// The label pass of a rebuild alone (objects, then star names) on the
// rebuilt chart at the given zoom: its share of BM_ChartRebuild.
static void BM_ChartLabels(benchmark::State &state) {
  startbenchsky();
  dStarX = ra = 18.5;
  dStarY = dec = -25;
  iZoom = (int)state.range(0);
  rebuildchart();
  int drawn = 0;
  for (auto _ : state) {
    labelreset(plotwidth, plothigh);
    drawn = drawobjectlabels(Sunra, Sundec, Moonra, Moondec) + drawstarlabels();
  }
  state.counters["labels"] = drawn;
}
BENCHMARK(BM_ChartLabels)->Arg(0)->Arg(2)->Arg(5)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

// The horizon line of a rebuild alone.
static void BM_Horizon(benchmark::State &state) {
  startbenchsky();
  iZoom = (int)state.range(0);
  rebuildchart();
  for (auto _ : state) benchmark::DoNotOptimize(drawhorizon());
}
BENCHMARK(BM_Horizon)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

// A pointer motion over the built chart: the read-out of the sky under it
// (place, altitude, object) written on the status row, nothing else.
static void BM_PointerReadout(benchmark::State &state) {
  startbenchsky();
  iZoom = (int)state.range(0);
  rebuildchart();
  iReplot = 0;
  int k = 0;
  for (auto _ : state) {
    iMouseX = plotXst + 100 + (k & 255);
    iMouseY = plotYst + 100 + ((k >> 3) & 127);
    k++;
    drawskyplot(KEYPOINTERMOVE);
  }
}
BENCHMARK(BM_PointerReadout)->Arg(0)->Arg(5)->Arg(8)->Unit(benchmark::kMicrosecond);

// A time key at zoom 0 with a full page of minor planets: the instant an
// hour on, every object recalculated, the date line, the chart rebuilt.
static void BM_TimeStep(benchmark::State &state) {
  startbenchsky();
  iZoom = 0;
  double start = dJDay;
  for (auto _ : state) {
    timestepkey(KEYHOURON);
    rebuildchart();
  }
  setinstant(start);
  calcastall(start);
  state.counters["objects"] = iNumAst;
}
BENCHMARK(BM_TimeStep)->Unit(benchmark::kMillisecond);

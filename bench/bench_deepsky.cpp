// Deep-sky objects: the chart rebuild with every object switched on beside
// the same rebuild without them (pairs registered in turn, so the two run
// interleaved), centred on the Virgo cluster of galaxies, the densest part
// of the catalogue; and the catalogue load. Run from the runtime directory.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "astro/deepsky.h"
#include "benchsky.h"
#include "chart/deepskyplot.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "base/settings.h"

// Args: zoom, deep-sky objects off (0) or on (1).
static void BM_ChartRebuildDeepSky(benchmark::State &state) {
  startbenchsky();
  if (iNumDso == 0) deepskyinit();
  dStarX = ra = 12.5;
  dStarY = dec = 12.5;
  iZoom = (int)state.range(0);
  flag[MESSIER] = flag[NGCOBJECTS] = (int)state.range(1);
  for (auto _ : state) benchmark::DoNotOptimize(rebuildchart());
  state.counters["objects"] = iShownDso;
  flag[MESSIER] = flag[NGCOBJECTS] = 0;
}
BENCHMARK(BM_ChartRebuildDeepSky)
    ->Args({0, 0})->Args({0, 1})->Args({2, 0})->Args({2, 1})->Args({5, 0})->Args({5, 1})
    ->Args({8, 0})->Args({8, 1})->Args({10, 0})->Args({10, 1})->Args({12, 0})->Args({12, 1})
    ->Unit(benchmark::kMillisecond);

static void BM_LoadDeepSky(benchmark::State &state) {
  for (auto _ : state) benchmark::DoNotOptimize(deepskyinit());
  state.counters["objects"] = iNumDso;
}
BENCHMARK(BM_LoadDeepSky)->Unit(benchmark::kMillisecond);

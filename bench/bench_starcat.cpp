#include <benchmark/benchmark.h>

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

#include "chart/blocks.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "ui/appsearch.h"
#include "testsupport.h"

static void startstars() {
  static bool started = false;
  if (started) return;
  startheadless();
  set_color_depth(32);
  started = true;
}

// Loading the full Tycho catalogue (120 200 stars) with its derived data.
static void BM_LoadTychoCatalogue(benchmark::State &state) {
  startstars();
  for (auto _ : state) benchmark::DoNotOptimize(readskycatalog(0));
}
BENCHMARK(BM_LoadTychoCatalogue)->Unit(benchmark::kMillisecond);

// Star appulse search around 1000 positions spread over the sky, radius 0.5
// degrees, through the block index of the full catalogue.
static void BM_SearchStarApp1000(benchmark::State &state) {
  startstars();
  readskycatalog(0);
  for (auto _ : state) {
    for (int k = 0; k < 1000; k++) {
      iNumApps = 0;
      searchstarapp(k, (k * 7919 % 2400) / 100.0, (k * 104729 % 1700) / 10.0 - 85, 0.5);
    }
  }
  iNumApps = 0;
}
BENCHMARK(BM_SearchStarApp1000)->Unit(benchmark::kMillisecond);

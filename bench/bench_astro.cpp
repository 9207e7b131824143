#include <benchmark/benchmark.h>

#include "astro/moon.h"
#include "timefmt/calendar.h"
#include "timefmt/instant.h"

// A new instant at every call: the nutation and obliquity caches miss.
static void BM_domoon_uncached(benchmark::State &state) {
  double jd = 2451545.0;
  for (auto _ : state) {
    jd += 0.013;
    day = jd;
    domoon();
    benchmark::DoNotOptimize(moonra);
  }
}
BENCHMARK(BM_domoon_uncached);

// The same instant at every call, as at a chart redraw: the caches hit.
static void BM_domoon_cached(benchmark::State &state) {
  day = 2460000.5;
  for (auto _ : state) {
    domoon();
    benchmark::DoNotOptimize(moonra);
  }
}
BENCHMARK(BM_domoon_cached);

static void BM_caltoj(benchmark::State &state) {
  int d = 1;
  for (auto _ : state) {
    d = d % 28 + 1;
    benchmark::DoNotOptimize(caltoj(1999, 7, d + 0.25));
  }
}
BENCHMARK(BM_caltoj);

static void BM_jtocal(benchmark::State &state) {
  double jd = 2451545.0;
  for (auto _ : state) {
    jd += 1.37;
    jtocal(jd);
    benchmark::DoNotOptimize(jdbuff[0]);
  }
}
BENCHMARK(BM_jtocal);

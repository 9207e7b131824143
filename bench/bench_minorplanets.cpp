// Whole-table calculation over a full page and one-record recalculation.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/userfile.h"
#include "startup/settings.h"
#include "timefmt/instant.h"

// Page 0 of the shipped database plus the user file: 3000 + 4 records,
// topped up with copies of the first minor planets to the full 3064.
static void fullpage() {
  static bool done = false;
  if (done) return;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  initsettings();
  day = 2460000.5;
  MPinit();
  MPreaduserfile("userast1.txt");
  for (int i = 8; iNumAst < MPMAX; i++) mp[iNumAst++] = mp[i];
  done = true;
}

static void BM_calcastall(benchmark::State &state) {
  fullpage();
  double jd = day;
  for (auto _ : state) {
    calcastall(jd);
    jd += 0.01;
  }
  state.counters["records"] = iNumAst;
}
BENCHMARK(BM_calcastall)->Unit(benchmark::kMillisecond);

static void BM_calcsingle(benchmark::State &state) {
  fullpage();
  double jd = day;
  for (auto _ : state) {
    calcsingle(20, jd);
    jd += 0.01;
  }
}
BENCHMARK(BM_calcsingle);

// Whole-table calculation over a full page and one-record recalculation.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/userfile.h"
#include "startup/settings.h"
#include "timefmt/instant.h"

// Page 0 of the shipped database plus the user file: 3000 + 4 records,
// topped up with copies of the first minor planets to the full 3064.
// False when the data files are not beside the executable, so that an
// empty table is never timed.
static bool fullpage() {
  static int done = 0;
  if (done) return done > 0;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  initsettings();
  day = 2460000.5;
  done = -1;
  if (MPinit() != 0 || iNumAst != MPPAGE) return false;
  if (MPreaduserfile("userast1.txt") <= 0) return false;
  for (int i = 8; iNumAst < MPMAX; i++) mp[iNumAst++] = mp[i];
  done = 1;
  return true;
}

static void BM_calcastall(benchmark::State &state) {
  if (!fullpage()) {
    state.SkipWithError("astdat.bin and userast1.txt must be beside the executable");
    return;
  }
  double jd = day;
  for (auto _ : state) {
    calcastall(jd);
    jd += 0.01;
  }
  state.counters["records"] = iNumAst;
}
BENCHMARK(BM_calcastall)->Unit(benchmark::kMillisecond);

static void BM_calcsingle(benchmark::State &state) {
  if (!fullpage()) {
    state.SkipWithError("astdat.bin and userast1.txt must be beside the executable");
    return;
  }
  double jd = day;
  for (auto _ : state) {
    calcsingle(20, jd);
    jd += 0.01;
  }
}
BENCHMARK(BM_calcsingle);

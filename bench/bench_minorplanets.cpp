// Whole-table calculation over a full page and one-record recalculation;
// the whole-table pass against PyEphem computing the same places,
// interleaved in one run.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "benchdata.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/positions.h"
#include "minorplanets/userfile.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"

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

static void BM_mainplanets(benchmark::State &state) {
  double jd = 2460000.5;
  for (auto _ : state) {
    mainplanets(jd);
    jd += 1.0;
  }
}
BENCHMARK(BM_mainplanets)->Unit(benchmark::kMicrosecond);

// One iteration: calcastall at a date (the table and the next day, 6128
// places, the sorts) and PyEphem's places of the same records at the same
// two dates, each by the processor time it takes. Reports the medians and
// their ratio.
static void BM_calcastall_vs_pyephem(benchmark::State &state) {
  if (!fullpage()) {
    state.SkipWithError("astdat.bin and userast1.txt must be beside the executable");
    return;
  }
  Peer peer;
  if (!openpeer(&peer)) {
    state.SkipWithError("/usr/bin/python3 with python3-ephem is needed for the peer");
    return;
  }
  std::vector<double> ours, theirs;
  double jd = 2461382.5;
  for (auto _ : state) {
    double t0 = cputime();
    calcastall(jd);
    double own = cputime() - t0;
    double peertime = peerpass(&peer, jd);
    if (peertime < 0.0) {
      state.SkipWithError("the PyEphem peer stopped");
      break;
    }
    ours.push_back(own);
    theirs.push_back(peertime);
    state.SetIterationTime(own);
    jd += 1.37;
  }
  closepeer(&peer);
  double a = median(ours), b = median(theirs);
  state.counters["calcastall_ms"] = a * 1e3;
  state.counters["pyephem_ms"] = b * 1e3;
  state.counters["ratio"] = a > 0.0 ? b / a : 0.0;
}
BENCHMARK(BM_calcastall_vs_pyephem)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

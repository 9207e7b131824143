// The night planner's scan of the whole shipped database, and the same
// against PyEphem doing the same rising, transit, setting and darkness
// computations for the same records, interleaved in one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "astro/twilight.h"
#include "minorplanets/elements.h"
#include "minorplanets/tonight.h"
#include "testsupport.h"

// 48 N, 11.5 E, the night after 9 December 2026 14 h UT.
constexpr double BENCHLAT = 48.0, BENCHWEST = -11.5, BENCHJD = 2461384.5 + 14.0 / 24.0;

static double cputime() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

// The night and the scan of every record of astdat.bin, the table empty.
static bool scanonce(const std::string &db, int *rows) {
  NIGHT n;
  nightfacts(BENCHJD, BENCHLAT, BENCHWEST, &n);
  TONIGHTFILTER f = {30.0, 99.0, 0, SKYASTRONOMICAL, ORDERTRANSIT};
  *rows = tonightscan(db.c_str(), &n, &f);
  return *rows > 0;
}

static void BM_tonightscan(benchmark::State &state) {
  for (int &s : userobj) s = -1;
  iNumAst = 0;
  std::string db = runtimepath("astdat.bin");
  int rows = 0;
  for (auto _ : state)
    if (!scanonce(db, &rows)) {
      state.SkipWithError("astdat.bin must be beside the executable");
      return;
    }
  state.counters["objects"] = tonightscanned;
  state.counters["rowbytes"] = static_cast<double>(sizeof tonight);
}
BENCHMARK(BM_tonightscan)->Unit(benchmark::kMillisecond);

// One iteration: the scan, then PyEphem's run over the same records, each
// by the processor time it takes. Reports the medians and their ratio.
static void BM_tonightscan_vs_pyephem(benchmark::State &state) {
  for (int &s : userobj) s = -1;
  iNumAst = 0;
  std::string db = runtimepath("astdat.bin");
  char command[1024];
  snprintf(command, sizeof command, "/usr/bin/python3 %s/bench/pyephem_tonight.py %s %.4f %.4f %.6f",
           KORVANEX_SOURCE_DIR, db.c_str(), BENCHLAT, BENCHWEST, BENCHJD);
  std::vector<double> ours, theirs;
  int rows = 0;
  for (auto _ : state) {
    double t0 = cputime();
    bool ok = scanonce(db, &rows);
    double own = cputime() - t0;
    FILE *peer = popen(command, "r");
    double seconds = 0.0;
    int done = 0;
    if (!ok || !peer || fscanf(peer, "%lf %d", &seconds, &done) != 2 || done < tonightscanned - 100) {
      if (peer) pclose(peer);
      state.SkipWithError("astdat.bin beside the executable and /usr/bin/python3 with python3-ephem are needed");
      return;
    }
    pclose(peer);
    ours.push_back(own);
    theirs.push_back(seconds);
    state.SetIterationTime(own);
  }
  std::sort(ours.begin(), ours.end());
  std::sort(theirs.begin(), theirs.end());
  double a = ours[ours.size() / 2], b = theirs[theirs.size() / 2];
  state.counters["scan_ms"] = a * 1e3;
  state.counters["pyephem_ms"] = b * 1e3;
  state.counters["ratio"] = a > 0.0 ? b / a : 0.0;
  state.counters["objects"] = tonightscanned;
}
BENCHMARK(BM_tonightscan_vs_pyephem)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

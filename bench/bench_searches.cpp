// The searches: the field check over the shipped database and over a
// whole-catalogue file (KORVANEX_FULLDB, e.g. made by tools/mkmpcorbtest and
// tools/mkastdat; not shipped) against PyEphem placing a sample of the same
// kind, scaled; close approaches of one object over a year and of a page
// over a month against the Tycho stars.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "benchdata.h"
#include "chart/starcat.h"
#include "minorplanets/approach.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/fieldcheck.h"
#include "timefmt/instant.h"
#include "ui/searchlists.h"

static const double kJd = 2461020.5;

static void BM_fieldcheck_shipped(benchmark::State &state) {
  if (!fullpage()) {
    state.SkipWithError("astdat.bin must be beside the executable");
    return;
  }
  double jd = kJd;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fieldcheck("astdat.bin", jd, 12.0, 0.0, 3600.0, 0, 0));
    jd += 0.37;
  }
  state.counters["records"] = static_cast<double>(field.placed);
}
BENCHMARK(BM_fieldcheck_shipped)->Unit(benchmark::kMillisecond);

// Largest resident size so far, MB.
static double peakmb() {
  rusage u;
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

// One iteration: the field check over the whole file, then PyEphem placing
// the page's records at two dates; both by processor time. PyEphem's time
// a record, times the records of the file, against ours.
static void BM_fieldcheck_full_vs_pyephem(benchmark::State &state) {
  const char *full = getenv("KORVANEX_FULLDB");
  if (!full || !fullpage()) {
    state.SkipWithError("KORVANEX_FULLDB must name a whole-catalogue database");
    return;
  }
  Peer peer;
  if (!openpeer(&peer)) {
    state.SkipWithError("/usr/bin/python3 with python3-ephem is needed for the peer");
    return;
  }
  FILE *f = fopen(full, "rb");
  if (!f) {
    closepeer(&peer);
    state.SkipWithError("the whole-catalogue file cannot be read");
    return;
  }
  double before = peakmb();
  std::vector<double> ours, theirs;
  double jd = kJd;
  for (auto _ : state) {
    double t0 = cputime();
    rewind(f);
    int n = fieldcheckfile(f, jd, 12.0, 0.0, 1800.0, 0, 0);
    double own = cputime() - t0;
    if (n < 0) {
      state.SkipWithError("the whole-catalogue file cannot be read");
      break;
    }
    double peertime = peerpass(&peer, jd);
    if (peertime < 0.0) {
      state.SkipWithError("the PyEphem peer stopped");
      break;
    }
    ours.push_back(own);
    theirs.push_back(peertime / (2.0 * iNumAst) * static_cast<double>(field.placed));
    state.SetIterationTime(own);
    jd += 1.37;
  }
  closepeer(&peer);
  fclose(f);
  double a = median(ours), b = median(theirs);
  state.counters["records"] = static_cast<double>(field.placed);
  state.counters["ours_ms"] = a * 1e3;
  state.counters["pyephem_scaled_ms"] = b * 1e3;
  state.counters["ratio"] = a > 0.0 ? b / a : 0.0;
  state.counters["peak_growth_MB"] = peakmb() - before;
}
BENCHMARK(BM_fieldcheck_full_vs_pyephem)->UseManualTime()->Iterations(7)->Unit(benchmark::kMillisecond);

// The page computed and the full Tycho catalogue loaded.
static bool pagestars() {
  static int done = 0;
  if (!done) done = fullpage() && calcastall(day) == 0 && readskycatalog(0) == 0 && Snum > 100000 ? 1 : -1;
  return done > 0;
}

// Ceres over a year against every loaded Tycho star (arg 0) and against
// the other minor planets too (arg 1).
static void BM_approach_object_year(benchmark::State &state) {
  if (!pagestars()) {
    state.SkipWithError("astdat.bin and tycstar.bin must be beside the executable");
    return;
  }
  APPRSTARLIST stars = loadedstarlist();
  APPROACHQUERY q{kJd, 365.0, 60.0, 99.0, -90.0, 0, MPPLANETS, MPPLANETS, 1, static_cast<int>(state.range(0))};
  for (auto _ : state) benchmark::DoNotOptimize(findapproaches(&q, &stars));
  state.counters["stars"] = stars.n;
  state.counters["found"] = iApprFound;
}
BENCHMARK(BM_approach_object_year)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every minor planet of the page over 30 days, Tycho stars to magnitude 10
// and the other minor planets.
static void BM_approach_page_month(benchmark::State &state) {
  if (!pagestars()) {
    state.SkipWithError("astdat.bin and tycstar.bin must be beside the executable");
    return;
  }
  APPRSTARLIST stars = loadedstarlist();
  APPROACHQUERY q{kJd, 30.0, 60.0, 10.0, -90.0, 0, MPPLANETS, MPPAGE - 1, 1, 1};
  for (auto _ : state) benchmark::DoNotOptimize(findapproaches(&q, &stars));
  state.counters["objects"] = MPPAGE - MPPLANETS;
  state.counters["found"] = iApprFound;
}
BENCHMARK(BM_approach_page_month)->Iterations(3)->Unit(benchmark::kMillisecond);

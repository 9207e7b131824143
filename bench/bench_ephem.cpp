// The appulse search over a full page against the full Tycho catalogue, one
// ephemeris run of 100 entries and loading the help file, each with a peer
// measured in the same run.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "benchdata.h"
#include "chart/starcat.h"
#include "minorplanets/appulse.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "minorplanets/ephem.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"
#include "ui/help.h"
#include "ui/appsearch.h"

// The full page computed for its day.
static bool fulltable() {
  static int done = 0;
  if (!done) done = fullpage() && calcastall(day) == 0 ? 1 : -1;
  return done > 0;
}

static bool fullstars() {
  static int done = 0;
  if (!done) done = fulltable() && readskycatalog(0) == 0 && Snum > 100000 ? 1 : -1;
  return done > 0;
}

// The whole search at 0.1 degrees: pairs of the 3064 records, then the
// stars near each through the block index.
static void BM_genastapplist(benchmark::State &state) {
  if (!fullstars()) {
    state.SkipWithError("astdat.bin, userast1.txt and tycstar.bin must be beside the executable");
    return;
  }
  double maxsep = state.range(0) / 100.0;
  for (auto _ : state) genastapplist(0, maxsep, 1);
  state.counters["appulses"] = iNumApps;
  state.counters["stars"] = Snum;
  iNumApps = 0;
}
BENCHMARK(BM_genastapplist)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

// Peer: the minor-planet pairs alone.
static void BM_checkastapp_all(benchmark::State &state) {
  if (!fulltable()) {
    state.SkipWithError("astdat.bin and userast1.txt must be beside the executable");
    return;
  }
  for (auto _ : state) {
    iNumApps = 0;
    for (int i = 0; i < iNumAst; i++) checkastapp(i, 0.1, 1);
  }
  iNumApps = 0;
}
BENCHMARK(BM_checkastapp_all)->Unit(benchmark::kMillisecond);

// One run of 100 entries at one-day steps.
static void BM_calcephem100(benchmark::State &state) {
  if (!fulltable()) {
    state.SkipWithError("astdat.bin and userast1.txt must be beside the executable");
    return;
  }
  iNT[EPHEMLINES] = 100;
  dFP[EPHEMSTART] = 2460000.5;
  dFP[EPHEMSTEP] = 1.0;
  int vesta = findastnumber(4);
  for (auto _ : state) benchmark::DoNotOptimize(calcephem(vesta));
}
BENCHMARK(BM_calcephem100)->Unit(benchmark::kMicrosecond);

// Peer: the same 100 places without the store.
static void BM_calcsingle100(benchmark::State &state) {
  if (!fulltable()) {
    state.SkipWithError("astdat.bin and userast1.txt must be beside the executable");
    return;
  }
  int vesta = findastnumber(4);
  for (auto _ : state)
    for (int s = 0; s < 100; s++) calcsingle(vesta, 2460000.5 + s);
}
BENCHMARK(BM_calcsingle100)->Unit(benchmark::kMicrosecond);

// Loading the shipped help file.
static void BM_helpread(benchmark::State &state) {
  startheadless();
  char path[256];
  getfilename(path, "korvanex.hlp");
  for (auto _ : state) {
    FILE *f = fopen(path, "rb");
    if (!f || helpread(f) != 0) {
      if (f) fclose(f);
      state.SkipWithError("korvanex.hlp must be beside the executable");
      return;
    }
    fclose(f);
  }
  state.counters["topics"] = helptopics;
  helpfree();
}
BENCHMARK(BM_helpread)->Unit(benchmark::kMicrosecond);

// Peer: reading the same bytes without looking at them.
static void BM_helpfileread(benchmark::State &state) {
  startheadless();
  char path[256];
  getfilename(path, "korvanex.hlp");
  std::vector<char> buf(1 << 16);
  for (auto _ : state) {
    FILE *f = fopen(path, "rb");
    if (!f) {
      state.SkipWithError("korvanex.hlp must be beside the executable");
      return;
    }
    benchmark::DoNotOptimize(fread(buf.data(), 1, buf.size(), f));
    fclose(f);
  }
}
BENCHMARK(BM_helpfileread)->Unit(benchmark::kMicrosecond);

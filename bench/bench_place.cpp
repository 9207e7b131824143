#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "places/place.h"
#include "testsupport.h"
#include "ui/listview.h"
#include "ui/listpages.h"

// A full place.txt: 1000 entries in the file's columns.
static std::string fullplacefile() {
  std::string t;
  for (int i = 0; i < PLACEMAX; i++) {
    char line[128];
    snprintf(line, sizeof line, "%-23s %-23s %-15s %-4d %+10.5f %+10.5f %+5.1f %-4d ; comments\n",
             ("Observatory " + std::to_string(i)).c_str(), "Locality", "Country", i, i * 0.3 - 150, i * 0.17 - 85,
             (i % 24) - 11.0, 50);
    t += line;
  }
  return t;
}

static void BM_placeread_full(benchmark::State &state) {
  std::string t = fullplacefile();
  for (auto _ : state) {
    FILE *f = fmemopen(const_cast<char *>(t.data()), t.size(), "rb");
    benchmark::DoNotOptimize(placeread(f));
    fclose(f);
  }
}
BENCHMARK(BM_placeread_full);

static void BM_placewritetext_full(benchmark::State &state) {
  std::string t = fullplacefile();
  FILE *f = fmemopen(const_cast<char *>(t.data()), t.size(), "rb");
  placeread(f);
  fclose(f);
  std::string path = scratchpath("bench_place.txt");
  for (auto _ : state) benchmark::DoNotOptimize(placewritetext(path.c_str()));
}
BENCHMARK(BM_placewritetext_full);

// Paging through a 1000-entry list: the viewer's move and the builder.
static void BM_loclist_paging(benchmark::State &state) {
  std::string t = fullplacefile();
  FILE *f = fmemopen(const_cast<char *>(t.data()), t.size(), "rb");
  placeread(f);
  fclose(f);
  int start = 0;
  for (auto _ : state) {
    start = listmove(start, 337, PLACEMAX, 20);
    benchmark::DoNotOptimize(loclist(2, start, 20));
  }
}
BENCHMARK(BM_loclist_paging);

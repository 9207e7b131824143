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

// PyEphem (python3-ephem) in a child process, fed Julian Days on a pipe.
struct Peer {
  pid_t pid = -1;
  FILE *to = nullptr, *from = nullptr;
};

// Writes the table's elements for the peer and starts it. False when
// Python or PyEphem cannot be started.
static bool startpeer(Peer *p, const char *table) {
  FILE *f = fopen(table, "w");
  if (!f) return false;
  for (int i = 0; i < iNumAst; i++) {
    const mprec &r = mp[i];
    fprintf(f, "%.9g %.9g %.9g %.9g %.9g %.9g %.1f %.3g\n", r.inc, r.ascnode, r.argperi,
            r.semiaxis, r.ecc, r.meananom, r.epoch + 0.5, r.hmag);
  }
  fclose(f);
  int in[2], out[2];
  if (pipe(in) != 0 || pipe(out) != 0) return false;
  p->pid = fork();
  if (p->pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    close(in[1]);
    close(out[0]);
    std::string script = std::string(KORVANEX_SOURCE_DIR) + "/bench/pyephem_pass.py";
    execl("/usr/bin/python3", "python3", script.c_str(), table, static_cast<char *>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  p->to = fdopen(in[1], "w");
  p->from = fdopen(out[0], "r");
  char line[64];
  return p->pid > 0 && fgets(line, sizeof line, p->from) && strncmp(line, "ready", 5) == 0;
}

static void stoppeer(Peer *p) {
  if (p->to) fclose(p->to);
  if (p->from) fclose(p->from);
  if (p->pid > 0) waitpid(p->pid, nullptr, 0);
}

// Processor time of this thread, seconds: the machine is shared, and both
// sides are measured by the processor time they take.
static double cputime() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

static double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

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
  char table[] = "/tmp/korvanex_peer_XXXXXX";
  int fd = mkstemp(table);
  if (fd < 0 || !startpeer(&peer, table)) {
    if (fd >= 0) unlink(table);
    stoppeer(&peer);
    state.SkipWithError("/usr/bin/python3 with python3-ephem is needed for the peer");
    return;
  }
  close(fd);
  std::vector<double> ours, theirs;
  double jd = 2461382.5;
  for (auto _ : state) {
    double t0 = cputime();
    calcastall(jd);
    double own = cputime() - t0;
    fprintf(peer.to, "%.6f\n", jd);
    fflush(peer.to);
    char line[64];
    if (!fgets(line, sizeof line, peer.from)) {
      state.SkipWithError("the PyEphem peer stopped");
      break;
    }
    ours.push_back(own);
    theirs.push_back(atof(line));
    state.SetIterationTime(own);
    jd += 1.37;
  }
  stoppeer(&peer);
  unlink(table);
  double a = median(ours), b = median(theirs);
  state.counters["calcastall_ms"] = a * 1e3;
  state.counters["pyephem_ms"] = b * 1e3;
  state.counters["ratio"] = a > 0.0 ? b / a : 0.0;
}
BENCHMARK(BM_calcastall_vs_pyephem)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

#include "benchdata.h"

#include <allegro.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "astro/jplephem.h"
#include "minorplanets/astbin.h"
#include "minorplanets/elements.h"
#include "minorplanets/userfile.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"

bool fullpage() {
  static int done = 0;
  if (done) return done > 0;
  startheadless();
  initsettings();
  day = 2460000.5;
  done = -1;
  // The planetary ephemeris, as the program reads it at start-up.
  char report[64];
  if (jplopen(runtimepath(JPLFILE).c_str(), report, sizeof report) != JPLOK) return false;
  if (MPinit() != 0 || iNumAst != MPPAGE) return false;
  if (MPreaduserfile("userast1.txt") <= 0) return false;
  for (int i = 8; iNumAst < MPMAX; i++) mp[iNumAst++] = mp[i];
  done = 1;
  return true;
}

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

double cputime() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec + ts.tv_nsec * 1e-9;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}


bool openpeer(Peer *p) {
  int fd = mkstemp(p->table);
  if (fd >= 0) close(fd);
  if (fd >= 0 && startpeer(p, p->table)) return true;
  closepeer(p);
  return false;
}

void closepeer(Peer *p) {
  stoppeer(p);
  unlink(p->table);
}

double peerpass(Peer *p, double jd) {
  fprintf(p->to, "%.6f\n", jd);
  fflush(p->to);
  char line[64];
  return fgets(line, sizeof line, p->from) ? atof(line) : -1.0;
}

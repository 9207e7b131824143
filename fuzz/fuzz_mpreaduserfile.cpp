// Reads arbitrary bytes as the user's minor-planet file over a small
// table, then computes, lists and writes the objects back.
#include <allegro.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "minorplanets/elements.h"
#include "base/status.h"
#include "minorplanets/userfile.h"
#include "base/settings.h"
#include "testsupport.h"
#include "timefmt/instant.h"

// A table of the eight planets only, built once.
static void planetsonly() {
  char path[256];
  snprintf(path, sizeof path, "%s", scratchpath("fuzzplanets.bin").c_str());
  FILE *f = fopen(path, "wb");
  int32_t n = 8;
  fwrite(&n, 4, 1, f);
  mprec r;
  memset(&r, 0, sizeof r);
  r.semiaxis = 9.5f;
  r.ecc = 0.05f;
  r.daily = 0.0334f;
  r.rexp = 1.0f;
  r.epoch = 2459800;
  r.peritime = 2452841.5f;
  for (int i = 0; i < 8; i++) fwrite(&r, sizeof r, 1, f);
  fclose(f);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool ready = false;
  if (!ready) {
    startheadless();
    initsettings();
    planetsonly();
    ready = true;
  }
  dFP[MPMAGLIMIT] = 14.0;
  day = 2459800.5;
  if (ASTreadfile(0, scratchname("fuzzplanets.bin")) != 0) abort();
  char path[256];
  snprintf(path, sizeof path, "%s", scratchpath("fuzzuser.txt").c_str());
  FILE *f = fopen(path, "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);
  int n = MPreaduserfile("fuzzuser.txt");
  if (n < 0 || n > MPUSERMAX || iNumAst > MPMAX || countuserobj() != n) abort();
  for (int k = 0; k < MPUSERMAX; k++)
    if (userobj[k] != -1 && obj[userobj[k]].userslot != k) abort();
  calcastall(day);
  char row[80];
  for (int i = 0; i < iNumAst; i++) findpos(row, i);
  MPwriteuserfile("fuzzuser_out.txt");
  return 0;
}

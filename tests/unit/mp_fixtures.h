// Element records and database files made up for the minor-planet tests.
#pragma once
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "minorplanets/elements.h"
#include "base/status.h"
#include "testsupport.h"

// Allegro without a display, for its file-name functions (once).
inline void mpallegro() { startheadless(); }

// A main-belt orbit (elements of 1 Ceres, epoch 2022 Aug 9) under the given
// number, name and H.
inline mprec mprecord(int number, const char *name, float hmag) {
  mprec r;
  memset(&r, 0, sizeof r);
  r.number = number;
  snprintf(r.name, sizeof r.name, "%s", name);
  r.epoch = 2459800;
  r.semiaxis = 2.766619f;
  r.ecc = 0.0786358f;
  r.inc = 10.586795f;
  r.ascnode = 80.266436f;
  r.argperi = 73.531625f;
  r.meananom = 334.32717f;
  r.daily = 0.2141f;
  r.peritime = static_cast<float>(2459800.5 - 334.32717 / 0.2141);
  r.period = 4.6018f;
  r.hmag = hmag;
  r.rexp = 1.0f;
  r.fixed1 = 0.15f;
  r.diameter = 0.1f;
  return r;
}

// name as the program resolves it.
inline std::string resolved(const char *name) {
  char path[256];
  getfilename(path, name);
  return path;
}

// Writes count, then 8 planet records, then the given minor planets.
inline void writedb(const char *name, int count, const std::vector<mprec> &minor) {
  FILE *f = fopen(runtimepath(name).c_str(), "wb");
  int32_t n = count;
  fwrite(&n, 4, 1, f);
  static const char *const planets[8] = {"Mercury", "Venus", "Mars", "Jupiter",
                                         "Saturn", "Uranus", "Neptune", "Pluto"};
  for (const char *p : planets) {
    mprec r = mprecord(0, p, -5.0f);
    fwrite(&r, sizeof r, 1, f);
  }
  for (const mprec &r : minor) fwrite(&r, sizeof r, 1, f);
  fclose(f);
}

// Writes text to name beside the test executable.
inline void writetext(const char *name, const std::string &text) {
  FILE *f = fopen(runtimepath(name).c_str(), "wb");
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}

// Project files of any content: read into the settings, which must then
// all lie within their field limits with every text terminated; written
// again and read back, nothing may change.
#include <allegro.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chart/starcat.h"
#include "minorplanets/astbin.h"
#include "minorplanets/userfile.h"
#include "places/place.h"
#include "base/settings.h"
#include "testsupport.h"
#include "ui/menutable.h"
#include "ui/project.h"

// Only the blocks the file held are checked: a short file leaves the
// others at their start-up values, which lie outside some limits.
static void checklimits(int n) {
  int ilo[INTSLOTS], ihi[INTSLOTS];
  double dlo[REALSLOTS], dhi[REALSLOTS];
  editlimits(ilo, ihi, dlo, dhi);
  for (int i = OLDINTSLOTS; i < INTSLOTS; i++)
    if (n >= PROJECTSIZE && ilo[i] < ihi[i] && (iNT[i] < ilo[i] || iNT[i] > ihi[i])) abort();
  for (int i = 0; i < 40; i++) {
    if (n >= PROJECTFLAG && ilo[i] < ihi[i] && (iNT[i] < ilo[i] || iNT[i] > ihi[i])) abort();
    if (!std::isfinite(dFP[i])) abort();
    if (dlo[i] < dhi[i] && (dFP[i] < dlo[i] || dFP[i] > dhi[i])) abort();
  }
  for (int f : flag)
    if (f != 0 && f != 1) abort();
  for (const MCHOICE &c : mchoice) {
    if (c.current < 0 || (c.count > 0 && c.current >= c.count)) abort();
    if (c.slot > 0 && iNT[c.slot] != c.current) abort();
  }
  for (int i = 0; i < 14; i++)
    if ((int)strnlen(chSTR[i], sizeof chSTR[i]) > lenstr[i]) abort();
  if (iAst < 0 || iAst >= MPMAX || iPlace < 0 || iPlace >= PLACEMAX || iStar < 0 || iStar >= MAXSTARS) abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static bool started = false;
  if (!started) {
    startheadless();
    started = true;
  }
  initsettings();
  initchoices();
  iAst = iPlace = iStar = 0;
  if (size == 0) return 0;
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  double month = iNT[MENUMONTH], lat = dFP[PLACELAT];  // refused: nothing in use changes
  int n = projectread(f);
  fclose(f);
  if (n < 0) {
    if ((n == -1 && size >= PROJECTINT) || iNT[MENUMONTH] != month || dFP[PLACELAT] != lat) abort();
    return 0;
  }
  checklimits(n);
  // A whole file was clamped throughout: writing and reading it again
  // changes nothing.
  if (n < PROJECTSIZE) return 0;
  unsigned char first[PROJECTFILESIZE + 1], second[PROJECTFILESIZE + 1];  // + the NUL a memory stream adds
  FILE *out = fmemopen(first, sizeof first, "wb");
  if (projectwrite(out) != 0) abort();
  fclose(out);
  FILE *in = fmemopen(first, PROJECTFILESIZE, "rb");
  if (projectread(in) != PROJECTSIZE) abort();
  fclose(in);
  out = fmemopen(second, sizeof second, "wb");
  projectwrite(out);
  fclose(out);
  if (memcmp(first, second, PROJECTFILESIZE) != 0) abort();
  return 0;
}

#include "timefmt/angles.h"

#include <cmath>
#include <cstdio>

char hmsbuf[80];
const char *const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char *const days[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// Whole part *w and rounded count of 1/units parts of x's fraction, with the
// carry into *w when the count reaches a whole unit.
static int splitround(double x, int units, double offset, int *w) {
  double whole;
  double frac = std::modf(x, &whole);
  *w = (int)whole;
  int n = (int)(units * frac + offset);
  if (n == units) {
    *w += 1;
    n = 0;
  }
  return n;
}

static char signchar(double x) { return x < 0.0 ? '-' : '+'; }

int hms(char *s, double x) {
  int w;
  int sec = splitround(x, 3600, 0.45, &w);
  std::snprintf(s, ANGLETEXTLEN, "%2d %02d %02d", w, sec / 60, sec % 60);
  return 0;
}

int hmss(char *s, double x) {
  int w;
  int t = splitround(std::fabs(x), 36000, 0.45, &w);
  std::snprintf(s, ANGLETEXTLEN, "%2d %02d %02d.%1d", w, t / 600, (t / 10) % 60, t % 10);
  return 0;
}

int hhmmt(char *s, double x) {
  double whole;
  double frac = std::modf(std::fabs(x), &whole);
  int m = (int)(60.0 * frac + 0.45);
  if (m == 60) m = 59;  // 23.9999 h must not read as 24:00
  std::snprintf(s, ANGLETEXTLEN, "%2d:%02d", (int)whole, m);
  return 0;
}

int dms(char *s, double x) {
  int w;
  int sec = splitround(std::fabs(x), 3600, 0.45, &w);
  std::snprintf(s, ANGLETEXTLEN, "%c%3d %02d %02d", signchar(x), w, sec / 60, sec % 60);
  return 0;
}

int ddmmss(char *s, double x) {
  if (x >= 100.0 || x <= -100.0) return dms(s, x);
  int w;
  int sec = splitround(std::fabs(x), 3600, 0.45, &w);
  std::snprintf(s, ANGLETEXTLEN, "%c%2d %02d %02d", signchar(x), w, sec / 60, sec % 60);
  return 0;
}

int ddmmm(char *s, double x) {
  int w;
  int t = splitround(std::fabs(x), 600, 0.1, &w);
  std::snprintf(s, ANGLETEXTLEN, "%c%2d %02d.%1d", signchar(x), w, t / 10, t % 10);
  return 0;
}

int df2hms(double x) {
  double h = x * 24.0;
  if (h < 0.0) h += 24.0;
  int w = (int)h;
  int m = (int)((h - w) * 60.0);
  std::snprintf(hmsbuf, sizeof hmsbuf, "%2d:%02d", w, m);
  return 0;
}

#include "timefmt/instant.h"

#include <allegro.h>

#include <cmath>
#include <cstdio>

#include "minorplanets/calcall.h"
#include "places/place.h"
#include "startup/settings.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"
#include "ui/display.h"

double dJDay = 2451290.5;
double day = 2451290.5;
double SidHr = 0.0;
char jdbuff[80];

// Two-digit clock years count from 1950.
static const int kClockYearPivot = 1950;

int setclocktime(const struct tm *lt, int tz, double westlong) {
  int year = lt->tm_year + 1900;
  if (year < kClockYearPivot) year += 100;
  int month = lt->tm_mon + 1;
  CalcSidHr(year, month, lt->tm_mday, tz, lt->tm_hour, lt->tm_min, (double)lt->tm_sec,
            westlong);
  displaytime();
  iNT[MENUYEAR] = year;
  iNT[MENUMONTH] = month;
  iNT[MENUDAY] = lt->tm_mday;
  iNT[MENUHOUR] = lt->tm_hour;
  iNT[MENUMINUTE] = lt->tm_min;
  dFP[MENUJDAY] = dJDay;
  return 0;
}

int InitTimes(int tz, double westlong) {
  time_t now = time(nullptr);
  struct tm lt;
  if (!localtime_r(&now, &lt)) return -1;
  return setclocktime(&lt, tz, westlong);
}

int timeinit() { return InitTimes((int)dTzone, dLongit); }

int setmenutime(double *jd) {
  CalcSidHr(iNT[MENUYEAR], iNT[MENUMONTH], iNT[MENUDAY], (int)dTzone, iNT[MENUHOUR],
            iNT[MENUMINUTE], 0.0, dLongit);
  displaytime();
  dFP[MENUJDAY] = dJDay;
  *jd = dJDay;
  return 0;
}

int makemydate() {
  double jd;
  setmenutime(&jd);
  calcastall(jd);
  dFP[MENUJDAY] = jd;
  return 0;
}

int realtimedate() {
  timeinit();
  calcastall(dJDay);
  return 0;
}

// Status line: x in text cells, y in pixels below the first cell row.
static const int kSidLabelX = 58, kSidValueX = 63, kSidEndX = 67;
static const int kJDX = 68, kJDEndX = 79;
static const int kStatusTop = 6, kStatusBottom = 14;

void displaytime() {
  if (!VIDbmp) return;
  char sid[ANGLETEXTLEN], jd[40];
  hhmmt(sid, SidHr);
  std::snprintf(jd, sizeof jd, "JD %.3f", dJDay);
  int y1 = VRTScale + kStatusTop, y2 = VRTScale + kStatusBottom;
  int red = makecol(240, 85, 85);
  // Each box is cleared through its last cell: the time's last digit and
  // the Julian Day's last figure are drawn there.
  rectfill256(getwinwidth(kSidLabelX), y1, getwinwidth(kSidEndX + 1) - 1, y2, colour[PALBLACK]);
  FONT *f = fittingfont("SidHr", getwinwidth(kSidValueX - kSidLabelX));
  textout_ex(VIDbmp, f, "SidHr", getwinwidth(kSidLabelX), y1, red, -1);
  textout_ex(VIDbmp, f, sid, getwinwidth(kSidValueX), y1, red, -1);
  rectfill256(getwinwidth(kJDX), y1, getwinwidth(kJDEndX + 1) - 1, y2, colour[PALBLACK]);
  textout_ex(VIDbmp, fittingfont(jd, getwinwidth(kJDEndX - kJDX + 1)), jd, getwinwidth(kJDX), y1, red, -1);
}

int setinstant(double jd) {
  dJDay = jd;
  int d, m;
  long y;
  double ut;
  jdtodmyut(jd, &d, &m, &y, &ut);
  SidHr = localsid(d, m, (int)y, ut, dLongit);
  // The menu date fields hold the place's local time in whole-hour zones.
  jdtodmyut(jd + (int)dTzone / 24.0, &d, &m, &y, &ut);
  int minutes = (int)floor(ut * 60.0 + 0.5);
  if (minutes >= 24 * 60) minutes = 24 * 60 - 1;
  iNT[MENUYEAR] = (int)y;
  iNT[MENUMONTH] = m;
  iNT[MENUDAY] = d;
  iNT[MENUHOUR] = minutes / 60;
  iNT[MENUMINUTE] = minutes % 60;
  dFP[MENUJDAY] = jd;
  displaytime();
  calcastall(jd);
  day = jd;
  return 0;
}

int makeFPdate() {
  dJDay = dFP[MENUJDAY];
  calcastall(dJDay);
  return 0;
}

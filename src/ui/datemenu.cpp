#include "ui/datemenu.h"

#include <allegro.h>

#include <cmath>
#include <cstdio>

#include "minorplanets/calcall.h"
#include "places/place.h"
#include "screen/keys.h"
#include "base/settings.h"
#include "timefmt/angles.h"
#include "timefmt/calendar.h"
#include "screen/display.h"
#include "ui/windows.h"
#include "screen/layout.h"

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

double menudatejd() {
  return datejd(iNT[MENUYEAR], iNT[MENUMONTH], iNT[MENUDAY], (int)dTzone, iNT[MENUHOUR], iNT[MENUMINUTE], 0.0);
}

int setinstant(double jd) {
  dJDay = jd;
  SidHr = sidereal(jd, dLongit);
  // The local date and time of the fields, to the nearest minute, in the
  // same whole-hour zone the fields are read with.
  double t = jd + 0.5 + (int)dTzone / 24.0;
  double whole = std::floor(t);
  long minutes = std::lround((t - whole) * 1440.0);
  if (minutes >= 1440) {
    whole += 1;
    minutes -= 1440;
  }
  int mday, month;
  long year;
  double ut;
  jdtodmyut(whole - 0.5, &mday, &month, &year, &ut);
  iNT[MENUYEAR] = (int)year;
  iNT[MENUMONTH] = month;
  iNT[MENUDAY] = mday;
  iNT[MENUHOUR] = (int)(minutes / 60);
  iNT[MENUMINUTE] = (int)(minutes % 60);
  dFP[MENUJDAY] = jd;
  displaytime();
  return 0;
}

int keepinstant() {
  if (iNT[FIXEDINSTANT]) return setinstant(dJDay);
  return timeinit();
}

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
  showJday(jd);
  dFP[MENUJDAY] = jd;
  iNT[FIXEDINSTANT] = 1;
  return 0;
}

int realtimedate() {
  iNT[FIXEDINSTANT] = 0;
  timeinit();
  calcastall(dJDay);
  showJday(dJDay);
  return 0;
}

// Status line: x in text cells, y in pixels below the first cell row.
static const int kSidLabelX = 58, kSidValueX = 63, kSidEndX = 67;
static const int kJDX = 68, kJDEndX = 79;
static const int kStatusTop = 6, kStatusBottom = 14;

void showplaceline() {
  char text[OBSTEXTLEN];
  obstext(text);
  if (!VIDbmp) return;
  int right = 56 * HORScale;
  rectfill(VIDbmp, 10, VRTScale + 5, right, 2 * VRTScale - 1, colour[PALBLACK]);
  textout_ex(VIDbmp, fittingfont(text, right - 10), text, 10, VRTScale + 6, makecol(80, 245, 53), -1);
}

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

int makeFPdate() {
  iNT[FIXEDINSTANT] = 1;
  setinstant(dFP[MENUJDAY]);
  calcastall(dJDay);
  showJday(dJDay);
  return 0;
}

int showJday(double jd) {
  jtocal(jd);
  snprintf(achDLine[DATELINEROW], sizeof achDLine[DATELINEROW], "JD %10.2f  %.40s epoc %d", jd, jdbuff,
           2000);
  if (!VIDbmp) return 0;  // no screen yet: the line is kept for the next redraw
  int x0 = 2 * HORScale, x1 = x0 + JDLINEWIDTH, y0 = 3 * VRTScale + 1, y1 = 4 * VRTScale - 2;
  rectfill(VIDbmp, x0, y0, x1, y1, colour[PALGREY]);
  // A wide font would run the text into the catalogue title beside it.
  int cx1, cy1, cx2, cy2;
  get_clip_rect(VIDbmp, &cx1, &cy1, &cx2, &cy2);
  set_clip_rect(VIDbmp, x0, y0, x1, y1);
  textout_ex(VIDbmp, font, achDLine[DATELINEROW], x0, 3 * VRTScale + 4, colour[PALWHITE], -1);
  set_clip_rect(VIDbmp, cx1, cy1, cx2, cy2);
  return 0;
}

// Keys that step the instant, in days (the ephemeris interval's sign).
struct TimeStep {
  int key;
  double days;
  bool ephemstep;  // by the ephemeris interval
};
static const TimeStep kTimeSteps[] = {
    {KEYHOURBACK, -1.0 / 24, false}, {KEYHOURON, 1.0 / 24, false}, {KEYDAYBACK, -1.0, false},
    {KEYDAYON, 1.0, false},          {KEYEPHEMBACK, -1.0, true},   {KEYEPHEMON, 1.0, true},
};

int timestepkey(int keycode) {
  if (keycode == KEYNOW) {
    realtimedate();
    day = dJDay;
    return 1;
  }
  for (const TimeStep &t : kTimeSteps) {
    if (t.key != keycode) continue;
    // A stepped instant is a chosen one, as a typed Julian Day.
    dFP[MENUJDAY] = dJDay + (t.ephemstep ? t.days * dFP[EPHEMSTEP] : t.days);
    makeFPdate();
    day = dJDay;
    return 1;
  }
  return 0;
}

// Astronomical constants and the small numeric rules every calculation
// shares, each named once.
#pragma once
#include <climits>
#include <cmath>

// Full-precision values.
constexpr double DPI = 3.141592653589793238462643;    // pi
constexpr double D2PI = 6.283185307179586476925287;   // 2 pi
constexpr double DR2D = 57.29577951308232087679815;   // degrees per radian
constexpr double DD2R = 1.745329251994329576923691e-2;  // radians per degree
constexpr double DR2H = 3.819718634205488058453210;   // hours per radian
constexpr double DH2R = 0.2617993877991494365385536;  // radians per hour
constexpr double DEGPERHOUR = 15.0;                   // degrees per hour of R.A.

constexpr double DJ1900 = 2415020.0;  // JD of 1900 January 0.5, origin of mjd
constexpr double DJ00 = 2451545.0;    // JD of J2000.0
constexpr double DJC = 36525.0;       // days per Julian century
constexpr double DAYSEC = 86400.0;    // seconds per day

constexpr double DAU = 149597870.7e3;           // astronomical unit, m
constexpr double CMPS = 299792458.0;            // speed of light, m/s
constexpr double CAUDAY = CMPS * DAYSEC / DAU;  // speed of light, AU per day

// The truncated factors the chart and the star catalogue work with.
constexpr double dDEGTORAD = 0.017453292;  // degrees to radians
constexpr double dRATORAD = 0.261799387;   // hours to radians

// The truncated factors of the planet and minor-planet positions.
constexpr double P0 = 57.29577951;    // degrees per radian
constexpr double P1 = 3.1415926536;   // pi
constexpr double P2 = 6.2831853072;   // 2 pi
constexpr double dRad = 57.29577951;  // degrees per radian

// Truncation toward zero that stays defined for any double: NaN gives 0,
// values beyond the int range its nearest end.
inline int truncint(double x) {
  if (!(x == x)) return 0;
  if (x >= INT_MAX) return INT_MAX;
  if (x <= INT_MIN) return INT_MIN;
  return (int)x;
}
// v brought into lo..hi.
inline int clampint(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }
// Fractional part, with the sign of x.
inline double frac(double x) { return x - std::trunc(x); }

// The one magnitude rule of the program: the IAU H-G system (Bowell et al.
// 1989) for every shown magnitude of a minor planet or planet record.
#pragma once
#include <cmath>

constexpr double HGDEFAULTG = 0.15;  // slope parameter where the source gives none
// Phase function constants A1, B1, A2, B2.
constexpr double HGA1 = 3.33, HGB1 = 0.63, HGA2 = 1.87, HGB2 = 1.22;

// Apparent magnitude from the absolute magnitude H, slope parameter G, the
// distances from the Sun r and from the observer delta (AU) and the cosine
// of the phase angle cphase, by
//   V = H + 5 log10(r delta) - 2.5 log10((1 - G) Phi1 + G Phi2),
//   Phi_i = exp(-A_i tan(alpha / 2)^B_i),
// with the maths functions given (the vectorised place kernel passes its
// own). tan(alpha / 2) comes from cphase as sqrt((1 - c) / (1 + c)).
template <double (*Exp)(double), double (*Log)(double)>
inline double hgmagnitudewith(double H, double G, double r, double delta, double cphase) {
  double c = cphase > 1.0 ? 1.0 : (cphase < -0.999999 ? -0.999999 : cphase);
  double t2 = (1.0 - c) / (1.0 + c);  // tan^2(alpha / 2)
  // tan^B = exp(B / 2 log t2); at zero phase both phase functions are 1.
  double lt = Log(t2 > 1e-300 ? t2 : 1e-300);
  double phi1 = Exp(-HGA1 * Exp(0.5 * HGB1 * lt));
  double phi2 = Exp(-HGA2 * Exp(0.5 * HGB2 * lt));
  const double k = 2.5 / 2.302585092994045684;  // 2.5 log10(x) = k ln x
  return H + 2.0 * k * Log(r * delta) - k * Log((1.0 - G) * phi1 + G * phi2);
}

inline double hgexp(double x) { return std::exp(x); }
inline double hglog(double x) { return std::log(x); }
// hgmagnitudewith over the standard maths library.
inline double hgmagnitude(double H, double G, double r, double delta, double cphase) {
  return hgmagnitudewith<hgexp, hglog>(H, G, r, delta, cphase);
}
// The record's slope parameter: G when it is a possible value (0..1 with a
// little room), else HGDEFAULTG.
inline double hgslope(float g) { return g >= -0.5f && g <= 1.5f ? g : HGDEFAULTG; }

#include "chart/telescope.h"

#include "chart/projection.h"

int iTZoom;
int Tnorth, Twest;
double TPixPerDeg;
double TplotXscale, TplotYscale;
double dTPixPerRad;
int TplotXmax;
int TXcur, TYcur;
int iTXplot, iTYplot, iTXplotold, iTYplotold;

int Tgetradec(int x, int y, double *rao, double *deco) {
  if (iTZoom < 0) return 0;
  double h = (Tnorth ? y - plottelYc : plottelYc - y) / dTPixPerRad;
  double A = (Twest ? x - plottelXc : plottelXc - x) / dTPixPerRad;
  return altazradec(h, A, rao, deco);
}

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

int Tisplotable(double rahours, double decdeg) {
  int dx, dy;
  planeoffset(rahours, decdeg, dTPixPerRad, &dx, &dy);
  int x = wrapturn(Twest ? plottelXc + dx : plottelXc - dx, TplotXmax);
  int y = Tnorth ? plottelYc + dy : plottelYc - dy;
  iTXplotold = iTXplot;
  iTYplotold = iTYplot;
  iTXplot = x;
  iTYplot = y;
  return x >= 1 && x < plottelw && y >= 1 && y < plottelh;
}

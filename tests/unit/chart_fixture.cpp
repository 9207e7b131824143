#include "chart_fixture.h"

#include "allegro_env.h"
#include "chart/blocks.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starnames.h"
#include "starcat_fixture.h"
#include "base/settings.h"
#include "timefmt/instant.h"
#include "screen/display.h"

void startchart(int depth, int w, int h) {
  startallegro(depth, w, h);
  if (depth > 8)
    settruecolours();
  else
    setmypal();
  initsettings();
  iNT[SOUTHUP] = 0;
  for (int &f : flag) f = 0;
  loadlayers({{}});
  skymapinit();
  iCurStep = 2;
  iReplot = 1;
  iHorizon = iTrack = 0;  // chart overlays a test asks for itself
  iNamedStars = 0;
  joinstarnames();
  day = dJDay = 2451545.0;
}

void centrechart(double rahours, double decdeg, int zoom) {
  dStarX = rahours;
  dStarY = decdeg;
  setstarplot(zoom);
  setblocks();
}

void loadchartstars(std::vector<std::vector<starrec>> layers) { loadlayers(std::move(layers)); }

int litpixels(BITMAP *bmp, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++)
      if (getpixel(bmp, x, y) > 0) n++;
  return n;
}

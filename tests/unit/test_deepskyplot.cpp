#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astro/deepsky.h"
#include "base/settings.h"
#include "chart/deepskyplot.h"
#include "chart/labels.h"
#include "chart/lookup.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart_fixture.h"
#include "starcat_fixture.h"

static const char kShipped[] = KORVANEX_SOURCE_DIR "/data/deepsky.bin";

// M 31 (OpenNGC: 177.83' x 69.66' at 35 degrees) drawn alone for each
// orientation of the telescope view: its long axis on the bitmap, measured
// by the second moments of the outline, is 35 degrees from up through left
// when north is up and east left, mirrored by one flip, back by both; the
// outline reaches half the major axis at the view's scale. The outline is
// filled first: the moments of a line's pixels lean toward the axes.
TEST(DeepSkyPlot, EllipseAtItsPositionAngleInEveryOrientation) {
  startchart();
  ASSERT_EQ(loaddeepsky(kShipped), DSOOK);
  int m31 = finddso("M 31");
  ASSERT_GE(m31, 0);
  centrechart(dso[m31].rahours, dso[m31].decdeg, 6);
  const double pixperdeg = 40, a = 177.83 / 120 * pixperdeg;
  BITMAP *bmp = create_bitmap(200, 200);
  const int flips[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  for (const auto &f : flips) {
    clear_bitmap(bmp);
    dsoaxes ax;
    frameaxes(dso[m31].rahours, dso[m31].decdeg, pixperdeg * 180 / M_PI, f[0], f[1], &ax);
    drawdsosymbol(bmp, m31, 100, 100, ax, DSOSYMBOLPIX, makecol(255, 255, 255));
    floodfill(bmp, 100, 100, makecol(255, 255, 255));
    double suu = 0, svv = 0, suv = 0, far = 0;
    for (int y = 0; y < bmp->h; y++)
      for (int x = 0; x < bmp->w; x++) {
        if (getpixel(bmp, x, y) == 0) continue;
        double u = 100 - x, v = 100 - y;
        suu += u * u;
        svv += v * v;
        suv += u * v;
        far = fmax(far, hypot(u, v));
      }
    double pa = fmod(0.5 * atan2(2 * suv, svv - suu) * 180 / M_PI + 180, 180);
    double want = f[0] == f[1] ? 35 : 145;
    EXPECT_NEAR(pa, want, 1.0) << "flips " << f[0] << f[1];
    EXPECT_NEAR(far, a, 1.5) << "flips " << f[0] << f[1];
  }
  destroy_bitmap(bmp);
}

// "i" names M 31 on its centre, but not when a star lies nearer the cursor.
TEST(DeepSkyPlot, ObjectUnderTheCursorUnlessAStarIsNearer) {
  startchart();
  ASSERT_EQ(loaddeepsky(kShipped), DSOOK);
  int m31 = finddso("M 31");
  float r = dso[m31].rahours, d = dso[m31].decdeg;
  loadchartstars({{makestar(1, 800, 'G', '2', r + 0.01f, d)}});
  flag[MESSIER] = 1;
  centrechart(r, d, 8);
  rebuildchart();
  isplotable(r + 0.01, d);  // 2 pixels from the star, 7 from the centre
  Xcur = iXplot - 2;
  Ycur = iYplot;
  EXPECT_EQ(dsonearcursor(), m31) << "inside the outline";
  EXPECT_EQ(identifydso(), -1) << "the star is nearer";
  isplotable(r, d);
  Xcur = iXplot;
  Ycur = iYplot;
  EXPECT_EQ(identifydso(), m31);
  // Deep-sky labels give way to the chart's other labels.
  int lit[2] = {0, 0};
  for (int taken = 0; taken < 2; taken++) {
    clear_bitmap(SKYbmp);
    labelreset(plotwidth, plothigh);
    if (taken) labelforce(0, 0, plotwidth, plothigh);
    drawdeepsky();
    for (int y = 0; y < SKYbmp->h; y++)
      for (int x = 0; x < SKYbmp->w; x++) lit[taken] += getpixel(SKYbmp, x, y) != 0;
  }
  EXPECT_GT(lit[0] - lit[1], 20) << "labels";
  flag[MESSIER] = 0;
  rebuildchart();
  EXPECT_EQ(dsonearcursor(), -1) << "switched off";
}

// The find line takes deep-sky labels, spelt either way, and common names;
// M 31 lands at its catalogued place (00h42m44.3s +41 16' 09").
TEST(DeepSkyPlot, FindLineTakesLabelsAndCommonNames) {
  ASSERT_EQ(loaddeepsky(kShipped), DSOOK);
  ASSERT_EQ(adddsolookup(), 0);
  ASSERT_EQ(adddsolookup(), 0) << "a second call adds nothing";
  FINDHIT hits[MAXFINDHITS];
  for (const char *q : {"M31", "m 31", "Andromeda Galaxy"}) {
    ASSERT_EQ(findbyname(q, hits, MAXFINDHITS), 1) << q;
    EXPECT_STREQ(hits[0].name, "M 31 Andromeda Galaxy") << q;
    EXPECT_NEAR(hits[0].ra, 0 + 42 / 60.0 + 44.3 / 3600, 2e-4) << q;
    EXPECT_NEAR(hits[0].dec, 41 + 16 / 60.0 + 9 / 3600.0, 3e-3) << q;
  }
  ASSERT_GE(findbyname("IC 434", hits, MAXFINDHITS), 1);
  EXPECT_EQ(strncmp(hits[0].name, "IC 434", 6), 0) << hits[0].name;
}

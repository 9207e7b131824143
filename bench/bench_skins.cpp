// The telescope view redrawn at zoom 0 and 12 with the full Tycho
// catalogue and the minor planets, the title bar stretched from the
// shipped skin at 1280 x 1024 x 32 (against Allegro's own stretch_blit),
// and skin loads. Run from the runtime directory (the data files).
#include <allegro.h>
#include <benchmark/benchmark.h>

#include "benchsky.h"

#include "chart/ccd.h"
#include "chart/projection.h"
#include "chart/skyplot.h"
#include "chart/starcat.h"
#include "chart/telescope.h"
#include "imaging/scale.h"
#include "minorplanets/elements.h"
#include "skins/skin.h"
#include "skins/skinbutton.h"
#include "skins/skindraw.h"
#include "base/settings.h"
#include "screen/display.h"

static void startview() {
  static bool started = false;
  if (started) return;
  startbenchsky();
  dFP[TELFOCAL] = 1000;
  loadccd(0);
  flag[CCDFRAME] = flag[APPULSEZONE] = 1;
  setskinbuttonstate(SKINCROSS, SKINON);
  started = true;
}

// Centre in Sagittarius (dense Milky Way), every overlay of the view on.
static void BM_TelescopeView(benchmark::State &state) {
  startview();
  dStarX = 18.5;
  dStarY = -25;
  iZoom = 5;
  rebuildchart();
  iTZoom = (int)state.range(0);
  for (auto _ : state) drawtelskin(0);
  state.counters["stars"] = Snum;
  state.counters["planets"] = iNumAst;
}
BENCHMARK(BM_TelescopeView)->Arg(0)->Arg(12)->Unit(benchmark::kMillisecond);

// The peer of the view: the chart rebuild at zoom 5 in the same run.
static void BM_ChartRebuildPeer(benchmark::State &state) {
  startview();
  dStarX = 18.5;
  dStarY = -25;
  iZoom = 5;
  for (auto _ : state) rebuildchart();
}
BENCHMARK(BM_ChartRebuildPeer)->Unit(benchmark::kMillisecond);

static BITMAP *titlebar() {
  startview();
  static BITMAP *bar = create_bitmap(80 * HORScale, VRTScale);
  initskin(32, "eyepiece");
  return bar;
}

// The title bar piece of the shipped skin stretched to 1280 x 32.
static void BM_ExpandTitleBar(benchmark::State &state) {
  BITMAP *bar = titlebar();
  const skinentry &t = skin[SKINTITLE];
  for (auto _ : state) expand_bitmap(skinbmp, bar, t.posx, t.posy, t.width, t.height, 0, 0, bar->w, bar->h);
  state.counters["pixels"] = bar->w * bar->h;
}
BENCHMARK(BM_ExpandTitleBar)->Unit(benchmark::kMicrosecond);

// Its peer: Allegro's nearest-pixel stretch of the same rectangle.
static void BM_StretchBlitPeer(benchmark::State &state) {
  BITMAP *bar = titlebar();
  const skinentry &t = skin[SKINTITLE];
  for (auto _ : state) stretch_blit(skinbmp, bar, t.posx, t.posy, t.width, t.height, 0, 0, bar->w, bar->h);
}
BENCHMARK(BM_StretchBlitPeer)->Unit(benchmark::kMicrosecond);

// A whole skin load: table, images, listing and window pieces.
static void BM_SkinLoad(benchmark::State &state) {
  startview();
  for (auto _ : state) initskin(32, "eyepiece");
  state.counters["fromfile"] = myskin;
}
BENCHMARK(BM_SkinLoad)->Unit(benchmark::kMillisecond);

// The default skin: drawn, saved, window pieces built.
static void BM_DefaultSkin(benchmark::State &state) {
  startview();
  for (auto _ : state) initskin(32, "");
}
BENCHMARK(BM_DefaultSkin)->Unit(benchmark::kMillisecond);

// A night scheme above 8 bits: the whole 1280 x 1024 x 32 picture
// recoloured on its way to the screen, against the plain copy it replaces.
static void BM_NightBlit(benchmark::State &state) {
  startview();
  BITMAP *src = create_bitmap_ex(32, 1280, 1024), *dst = create_bitmap_ex(32, 1280, 1024);
  clear_to_color(src, makecol32(40, 90, 200));
  nightscheme = 1;
  for (auto _ : state) {
    if (state.range(0))
      nightblit(src, dst);
    else
      blit(src, dst, 0, 0, 0, 0, 1280, 1024);
    benchmark::DoNotOptimize(dst->line[0][0]);
  }
  nightscheme = 0;
  destroy_bitmap(src);
  destroy_bitmap(dst);
}
BENCHMARK(BM_NightBlit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

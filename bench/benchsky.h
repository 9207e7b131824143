// The sky every chart benchmark works on: Allegro without a display, a
// 1280 x 1024 x 32 screen buffer, the full Tycho catalogue, the minor
// planets of JD 2460000.5 computed, grid, constellations and minor planets
// switched on. Started once per run.
#pragma once

void startbenchsky();

// A sky chart on memory bitmaps for tests of the chart modules.
#pragma once
#include <allegro.h>

#include <vector>

#include "chart/starcat.h"

// Starts Allegro at depth with a w x h video buffer, the program colours,
// default settings, north up, no catalogue, and a fresh chart at zoom 0.
void startchart(int depth = 32, int w = 640, int h = 480);
// Centre (rahours, decdeg) at zoom, projection set.
void centrechart(double rahours, double decdeg, int zoom);
// Loads the layers as an indexed catalogue (layer 7 first).
void loadchartstars(std::vector<std::vector<starrec>> layers);
// Number of pixels of bmp in the rectangle (x0, y0)..(x1, y1) that are not 0.
int litpixels(BITMAP *bmp, int x0, int y0, int x1, int y1);

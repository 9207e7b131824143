// Drawing the loaded stars into the sky chart, and star images (sprites or
// image-sheet cells) for the telescope view.
#pragma once
#include <allegro.h>

#include "chart/starcat.h"

// Stars of layer n (0..3 for layers 7..10) in sky block b: returns their
// count and sets *first to the index of the first. 0 for a layer not
// loaded or a block outside 0..431.
int layerblock(int n, int b, int *first);
// First star index of layer n (0..3) and its star count.
int layerstart(int n);
int layercount(int n);
// Draws every star the zoom shows into SKYbmp: layer 7 up to zoom 4 (or
// without layer 8), from zoom 5 the blocks in view of layers 7 and 8, from
// zoom 7 also 9 and 10, taking the blocks in view from drawblock as the
// rebuild set them (setblocks). Returns 0.
int drawstars();
// Layers drawstars draws at the current zoom: 1 (layer 7) below zoom 5 or
// without layer 8, 2 at zooms 5 and 6, 4 from zoom 7.
int drawnlayers();
// Faintest magnitude x 100 drawstars draws at the current zoom.
int drawnmag100();
// Zoomed-chart dot of star i at (x, y) on bmp: a pixel below dot size 4,
// else a disc of radius dotsize / 3. Returns 0.
int plotstardot(BITMAP *bmp, int x, int y, int i);
// Draws sprite (spectral row, magnitude class) into TELbmp with its origin
// at (x, y), brightening channel by channel. Returns 1 when drawn, 0 when
// there are no sprites or row / class lie outside 0..7 / 0..19.
int plotstarpix(int x, int y, int row, int magclass);
// Telescope-view image of star i centred on (x, y) in TELbmp: a dot
// without the image sheet, else a sprite (flag[STARIMAGES] 0) or a sheet cell
// (flag[STARIMAGES] 1). Returns 0.
int plotstarimage(int x, int y, int i);

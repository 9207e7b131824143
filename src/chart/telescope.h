// Telescope view: a magnified field around the chart centre drawn through
// the skin into the top left corner of the chart, with the CCD frame, the
// appulse circle, the Sun, opposition point and Moon, minor planets,
// stars, read-outs and the skin's buttons; its keys and colour schemes.
#pragma once
#include "chart/projection.h"

enum { TELMAXZOOM = 12, TELFIELDDEG = 4 };

// Acts on a view key (zoom, toggles, orientation, colour scheme), then
// draws the whole view into SKYbmp. Returns 0.
int drawtelskin(int keycode);
// The view's state changes of key alone, no drawing. Returns 1 when key
// is one of the view's keys, else 0.
int telkey(int keycode);
// Sets iTZoom (limited to 0..12), the view scales and the shared frame
// rotation for the chart centre. Returns 0.
int Tsetstarplot(int zoom);
// Draws the stars the view shows into TELbmp: all layer-7 stars without
// layer 8, else every loaded layer of the blocks in view. Returns 0.
int Tdrawstars();
// Draws stars first .. first + count - 1 that fall inside the view, with
// name and magnitude when star identification is on. Returns 0.
int Tplotstars(int first, int count);
// Half sizes in view pixels (*w east-west, *v north-south) of the CCD
// frame for the field of view in dFP (arc minutes) at the view's scale.
// Returns 0.
int ccdframe(int *w, int *v);
// Magnification ("x%d") and field ("FOV: ...") texts of the view's zoom
// into mag and fov (ANGLETEXTLEN + 8 bytes each). Returns 0.
int telfovtext(char *mag, char *fov);

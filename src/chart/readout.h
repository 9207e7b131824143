// The read-out of the sky under the pointer: its place, altitude and
// azimuth, and the name of what the chart shows there.
#pragma once

enum { READOUTLEN = 160 };  // bytes of a pointer read-out text

// dest (size bytes) = name of what lies within 5 pixels of chart pixel
// (x, y): Sun, Moon, a computed object (planet or minor planet), else the
// nearest star; "" for none. Returns 1 when something was found.
int objectatpixel(int x, int y, char *dest, int size);
// dest (READOUTLEN bytes) = read-out of chart pixel (x, y): R.A. and Dec
// J2000, altitude and azimuth at dJDay, the name of what lies there.
// Returns 0.
int readouttext(char *dest, int x, int y);

// Size of a PCX or BMP image read from its header alone, so that an image
// can be judged before any memory is taken for it.
#pragma once
#include <cstdio>

// Width and height (pixels) from the header of a PCX or Windows BMP image
// at the start of f. Returns 0, or 1 when f holds neither header.
int imageheadsize(FILE *f, int *w, int *h);
// The same for the file at path. Returns 0, or 1 when it cannot be opened
// or holds no known header.
int imagefilesize(const char *path, int *w, int *h);

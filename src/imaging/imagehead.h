// Size and soundness of a PCX or BMP image judged from its header and
// length alone, so that an image can be refused before any memory is
// taken for it or any decoder runs over it.
#pragma once
#include <cstdio>

enum { IMAGEOK = 0, IMAGEUNKNOWN = 1, IMAGEDAMAGED = 2 };

// Width and height (pixels) from the header of a PCX or Windows BMP image
// at the start of f, a file of length bytes. Returns IMAGEOK;
// IMAGEUNKNOWN when f holds neither header; IMAGEDAMAGED for a layout the
// program does not read (compressed BMP, PCX other than 8 bits in one or
// three planes) or a file too short for its pixels. A PCX image is decoded
// to its full size (without keeping the pixels) and a one-plane image must
// end with its palette, so a cut image is caught here.
int imageheadsize(FILE *f, long length, int *w, int *h);
// The same for the file at path; IMAGEUNKNOWN also when it cannot be opened.
int imagefilesize(const char *path, int *w, int *h);

// Star images: point sprites from "starpix.bin" and the image sheet
// "starbmp.pcx" (32 x 32 cells: column = magnitude class, row = spectral row).
#pragma once
#include <allegro.h>
#include <cstdint>

enum { STARPIXPOINTS = 9618, SPECROWS = 8, MAGCLASSES = 20, STARPIXSIZE = 97472 };

extern int16_t stpix[STARPIXPOINTS][5];          // dx, dy, red, green, blue
extern int32_t numpix[SPECROWS][MAGCLASSES];     // points of each sprite
extern int32_t offpix[SPECROWS][MAGCLASSES];     // first point of each sprite
extern int iGottapix;   // first word of starpix.bin; 0 = no sprites
extern BITMAP *Starbmp; // image sheet, or null
extern PALETTE Starpal; // its palette
extern int iStarimage;  // 1 when the sheet is loaded

// Reads "starpix.bin" from the program directory. Returns its first word,
// 0 when it is missing or short.
int readstarpix();
// Reads the sprite file at path; a file shorter than STARPIXSIZE leaves no
// sprites, and every sprite is cut to the point table. Returns the first
// word, or 0 (no sprites).
int readstarpixfile(const char *path);
// Loads "starbmp.pcx" into Starbmp/Starpal, black made transparent above
// 8 bits per pixel. Returns iStarimage.
int readstarsheet();

// Star images: point sprites from "starpix.bin" and the image sheet
// "starbmp.pcx" (32 x 32 cells: column = magnitude class, row = spectral row).
#pragma once
#include <allegro.h>
#include <cstdint>

enum { STARPIXPOINTS = 9618, SPECROWS = 8, MAGCLASSES = 20, STARPIXSIZE = 97472 };
// The image sheet: 16 magnitude cells across, 8 spectral rows down, of 32
// pixels; a larger one is refused before any memory is taken.
enum { STARSHEETW = 16 * 32, STARSHEETH = 8 * 32, STARSHEETMAX = 4096, STARIMAGEFAULTLEN = 200 };

extern int16_t stpix[STARPIXPOINTS][5];          // dx, dy, red, green, blue
extern int32_t numpix[SPECROWS][MAGCLASSES];     // points of each sprite
extern int32_t offpix[SPECROWS][MAGCLASSES];     // first point of each sprite
extern int iGottapix;   // first word of starpix.bin; 0 = no sprites
extern BITMAP *Starbmp; // image sheet, or null
extern PALETTE Starpal; // its palette
extern int iStarimage;  // 1 when the sheet is loaded
// Faults of the star image files met since it was last cleared, joined by
// "; " (the caller clears it before a start-up and reports it).
extern char starimagefault[STARIMAGEFAULTLEN];

// Reads "starpix.bin" from the program directory. Returns its first word,
// 0 when it is missing or short.
int readstarpix();
// Reads the sprite file at path; a file shorter than STARPIXSIZE leaves no
// sprites, and every sprite is cut to the point table; both are noted in
// starimagefault. Returns the first word, or 0 (no sprites).
int readstarpixfile(const char *path);
// Loads the image sheet at path into Starbmp/Starpal, black made
// transparent above 8 bits per pixel, after checking its header and that
// it decodes whole. Returns 0, or 2 when it is refused (noted in
// starimagefault; the sheet in use stays).
int readstarsheetfile(const char *path);
// readstarsheetfile of "starbmp.pcx" in the program directory. Returns
// iStarimage.
int readstarsheet();

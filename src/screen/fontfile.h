// The font datafile "vuva.dat": its structure is checked against its
// length before Allegro reads it (Allegro's own loader trusts every size
// in the file), and its objects after.
#pragma once
#include <allegro.h>

#include <cstddef>
#include <cstdio>

enum {
  FONTOBJECTS = 15,            // objects 0..14 must be fonts
  FONTFILEMAX = 16 << 20,      // bytes: far beyond any font file
};

// Checks len bytes of a datafile image: the packfile signature (plain or
// LZSS-packed), then every object's properties and chunk sizes within the
// bytes there are, at least FONTOBJECTS objects, objects 0..14 fonts whose
// every glyph lies within its chunk, and past them only fonts, plain data
// or nested datafiles of the same kinds. Returns 0 when Allegro can load
// it safely, else 1.
int checkfontdata(const unsigned char *buf, size_t len);
// The same for the whole of f (at most FONTFILEMAX bytes). 0 or 1.
int checkfontfile(FILE *f);
// Loads the datafile at path when it passes the check and holds at least
// FONTOBJECTS objects of which 0..14 are fonts. Returns it, or nullptr
// (nothing stays loaded) with fontfault naming the file and saying
// whether it is missing, unreadable or damaged.
DATAFILE *loadfontfile(const char *path);
enum { FONTFAULTLEN = 320 };
extern char fontfault[FONTFAULTLEN];  // why the last loadfontfile failed, or ""

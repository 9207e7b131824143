// Sky blocks (1 h of R.A. by 10 degrees): the blocks a view covers, and
// the block search for stars near a position.
#pragma once
#include "chart/starcat.h"

enum { BLOCKMARK = 99, LINEARSEARCHSTARS = 16000 };

extern int drawblock[SKYBLOCKS];   // 99 = block in the sky chart's view
extern int Tdrawblock[SKYBLOCKS];  // the same for the telescope view

// Marks in drawblock the blocks the sky chart shows (chart state of the
// projection). Returns the number of marks set.
int setblocks();
// Marks in Tdrawblock the blocks the telescope view shows. Returns the
// number of marks set.
int Tsetblocks();
// Stars found near a place, in the order the search meets them.
enum { STARHITMAX = 4096 };
struct STARHITS {
  int count;              // hits kept (at most STARHITMAX)
  int star[STARHITMAX];   // star index
  float sep[STARHITMAX];  // flat separation (no cos dec factor), degrees
};
// Appends to hits every star within radius degrees of (rahours, decdeg):
// the caller empties hits first. Returns the number found by a linear scan
// (catalogues under LINEARSEARCHSTARS or without block indexes), 0 when
// the block index is searched.
int starsnear(double rahours, double decdeg, double radius, STARHITS *hits);
// The stars of one block (all loaded layers) within radius degrees,
// appended to hits. Returns the number found; 0 for a block outside 0..431.
int blockstars(int block, double rahours, double decdeg, double radius, STARHITS *hits);

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
// Reports through logappulse (kind 1) every star within radius degrees of
// (rahours, decdeg) for minor planet mp. Returns the number reported by a
// linear scan, 0 when the block index is searched.
int searchstarapp(int mp, double rahours, double decdeg, double radius);
// Reports the stars of one block (all loaded layers) within radius degrees.
// Returns the number reported; 0 for a block outside 0..431.
int searchstarblock(int block, int mp, double rahours, double decdeg, double radius);

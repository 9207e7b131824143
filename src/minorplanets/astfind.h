// Searching the whole database file for minor planets, a block at a time,
// for objects that are not on the loaded page.
#pragma once
#include <cstdint>
#include <cstdio>

#include "minorplanets/elements.h"

struct FILEHIT {
  int32_t record;  // file index of the record (planets count: the first is 8)
  int rank;        // the test's answer, 0 best
  mprec r;         // the record as read, name NUL-terminated
};

// A test of one record: its rank (0 best), or -1 when it does not match.
typedef int (*RECORDTEST)(const mprec *r, const void *ctx);

// Streams the minor-planet records of the database file fp (after the
// planets, up to the count its header gives, possible records only)
// through test(r, ctx) and keeps in hits (room for max) the best ranked,
// earlier records first among equals. Stops once stop records of rank 0
// are kept. Returns the hits kept, -1 when fp is null or has no header.
int astfind(FILE *fp, RECORDTEST test, const void *ctx, FILEHIT *hits, int max, int stop);
// *r = record index of the database file fp. Returns 0, -1 when there is
// no such record.
int astrecord(FILE *fp, int32_t index, mprec *r);

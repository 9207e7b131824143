// The appulse search the APPULSE menu runs: pairs of table records, then
// catalogue stars through the block index and deep-sky objects, logged into the appulse list,
// with its progress line in the open alert.
#pragma once

// Logs through logappulse (APPSTAR) every star within radius degrees of
// (rahours, decdeg) for minor planet mp. Returns the number reported by a
// linear scan, 0 when the block index is searched.
int searchstarapp(int mp, double rahours, double decdeg, double radius);
// Logs the stars of one block (all loaded layers) within radius degrees.
// Returns the number reported; 0 for a block outside 0..431.
int searchstarblock(int block, int mp, double rahours, double decdeg, double radius);
// The whole search from record first on: pairs of records, then stars
// through the block index, then (with MESSIER or NGC / IC on) the deep-sky
// objects the chart shows. Empties the list first. Returns the count the
// last star search reported.
int genastapplist(int first, double maxsep, int onlyafter);

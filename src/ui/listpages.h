// The list pages' contents: each fills achDLine with one page of places,
// minor planets, CCD cameras, ephemeris entries or appulses (headings in
// lines 0 and 1), and the moves to the chart from an entry.
#pragma once

// Fills achDLine with the page of places holding entry first, lines rows
// a page. Returns the number of entry lines.
int loclist(int mode, int first, int lines);

// One planet list page: headings into achDLine lines 0 and 1, records
// start .. start + count - 1 (in the sort in force) into lines firstline
// on. Returns the number of rows written.
int mplist(int firstline, int start, int count);

// One page of the CCD list into achDLine: headings in lines 0 and 1,
// cameras first .. first + lines - 1 from line firstline, the current one
// marked "C" in byte 78. Returns the number of camera lines written.
int ccdlist(int firstline, int first, int lines);

// One ephemeris list page: headings into achDLine lines 0 and 1, entries
// start .. start + count - 1 (up to ephnum) from line firstline. Returns
// the number of rows written.
int ephemlist(int firstline, int start, int count);

// Centres the chart and the cursor on entry k. Returns KEYESC (close the
// menu), or 0 when k holds no entry.
int gotoephemtrack(int k);

// One appulse list page: headings into achDLine lines 0 and 1, appulses
// start .. start + count - 1 from line firstline. Returns the rows written.
int applist(int firstline, int start, int count);

// Centres the chart on the minor planet of appulse k. Returns KEYESC (close
// the menu), or 0 when there is no such appulse.
int gotoapp(int k);

// One star list page: headings into achDLine lines 0 and 1, stars from
// first into lines firstline on, at most perpage of them. Returns the
// number of star lines written.
int stlist(int firstline, int first, int perpage);

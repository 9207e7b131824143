// The searches of the APPULSE menu beyond the one-instant appulse list:
// the field check over the whole database file and close approaches over
// a range of days. Running them, their list pages and CSV files, and going
// to a chosen row.
#pragma once

#include "minorplanets/approach.h"

// The list the APPULSE menu shows: LISTAPPULSES, LISTFIELD or
// LISTAPPROACH (ui/listview.h), the last search run.
extern int iAppulseList;

// File names of the CSV files (F2 in the APPULSE menu).
extern const char fieldcsvname[];
extern const char approachcsvname[];

// Field check at the chart cursor, or at the chart centre (the telescope
// view's centre) while the telescope view is on, for the current instant:
// within FIELD RADIUS arc seconds, or the CCD frame when it is 0. The
// APPULSE menu shows its list from then on. Returns the number found, -1
// when the database file cannot be read (the status says why).
int runfieldcheck();
// Close approaches from the current instant over APPR. DAYS days for the
// current object (page 0) or every minor planet of the loaded page (page
// 1), to the loaded stars brighter than APPR. STAR MAG and to the other
// minor planets, within APPR. SEP arc seconds, kept by MIN ALTITUDE and
// DARK ONLY. Returns the number found.
int runapproaches(int page);
// The loaded stars as the approach search takes them (valid until the
// next call).
APPRSTARLIST loadedstarlist();
// Drops from the instant appulse list the pairs below MIN ALTITUDE or, with
// DARK ONLY, in a sky not dark at the current instant. Returns the count left.
int filterappulselist();

// List pages: headings into achDLine lines 0 and 1, rows start .. start +
// count - 1 from line firstline. Return the rows written.
int fieldlist(int firstline, int start, int count);
int approachlist(int firstline, int start, int count);
// Centres the chart on field hit k / sets the instant of approach k and
// centres the chart on its pair. Return 1, or 0 when there is no such row.
int gotofieldhit(int k);
int gotoapproach(int k);
// F2 in the APPULSE menu: asks, then writes the field check or the close
// approaches shown as a CSV file. Returns 0 when written or not wanted, 1
// on failure (reported).
int searchcsv();

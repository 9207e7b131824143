// The night planner's page: the EPHEMERIS menu's TONIGHT field scans the
// night with the menu's filters, and the menu's list then shows what
// passes, the night's facts under the fields, and on F3 the altitude graph
// of the marked row.
#pragma once
#include <cstdint>

extern int tonightshown;    // 1 while the EPHEMERIS list shows the night planner
extern int tonightcurrent;  // the marked row
extern int tonightgraphon;  // 1 while the graph stands in the list's place

// The file the F2 key writes (in the program's directory).
#define TONIGHTCSVFILE "tonight.csv"

// Scans the night of dJDay at the current place with the filters of the
// settings and shows the result. Returns the rows, -1 when the database
// file could not be read (the message shown).
int tonightrun();
// List lines of the rows from start (count a page) into achDLine from
// firstline on, the two header lines above. Returns the rows written.
int tonightlist(int firstline, int start, int count);
// Makes row the current object (loading the database page that holds it
// when needed) and centres the chart on it. Returns 27 (Escape: the menu
// closes) when it did, else 0 after saying why not.
int tonightgoto(int row);
// Makes the minor planet of database file record rec current, loading the
// page that holds it, and centres the chart on it. Returns as tonightgoto.
int gotofilerecord(int32_t rec);
// F2: the whole result to TONIGHTCSVFILE after asking. Returns 0, or 1.
int tonightsave();
// Draws the night's facts under the menu's fields.
void drawnightfacts();
// Draws the graph of the marked row in the list's place. Returns 0, -1 with nothing to draw.
int drawtonightgraph();
// Re-sorts the rows by the ORDER BY choice.
void tonightresort();

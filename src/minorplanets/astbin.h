// The minor-planet database file: loading a page of it into the element
// table, stepping pages, and the table's block files.
#pragma once
#include <cstdint>

#include "minorplanets/elements.h"

extern int iAstMax;             // records per page, 3000
extern int iAstStart;           // file index of the first minor planet loaded
extern int iAstEnd;             // record count of the database file
extern int iAstPage;            // requested start / 3000
extern int iAstMaxPage;         // record count / 3000
extern char bfile[256];         // resolved path of the last database opened

// Start-up load: empties the user list, magnitude limit 14.0, reads page 0
// of "astdat.bin". Returns ASTreadfile's status.
int MPinit();
// Loads the planets and the minor planets from file index start on that
// are brighter than dFP[MPMAGLIMIT]; records that cannot be real are
// skipped and counted in the report (", %d impossible records skipped"),
// and a file shorter than its record count says so (", file cut short:
// %ld of %d records").
// 0 on success, 2 when the file cannot be opened, holds no complete planet
// records, or most of the records read cannot be real (table left
// untouched).
int ASTreadfile(int start, const char *file);
// ASTreadfile with the "ASTEROID FILE" setting chSTR[DATABASEFILE].
int ASTreadpage(int start);
// Loads the following / preceding page; -1 when there is none.
int ASTnextpage();
int ASTprevpage();
// Writes the table to "ast%03d.bin" of n. 0, or 3 when it cannot be written.
int ASTwriteblock(int n);
// Loads "ast%03d.bin" of n from its start. Status as ASTreadfile.
int ASTreadblock(int n);

// The user's minor-planet text file and the planet-page fields.
#pragma once
#include <cstdio>

extern int iAst;        // record last shown on the planet page
extern int iUserFile;   // 1 after the user file was opened
extern short iMpsiz;    // user-file entries taken by the last read
extern short iMpmax;    // capacity of the user list after a read

// Reads the user file name from the program directory: links or appends
// each listed object (at most 64); lines that are not objects are counted
// in the report. A file that cannot be read, or holds lines but no object,
// is refused ("Damaged file: ...") and the list in use kept. Returns the
// number of objects taken; when the file is not read, the unchanged count
// of the user list.
int MPreaduserfile(const char *name);
// Writes the objects of the user list to name. 0, or 3 when it cannot be
// created.
int MPwriteuserfile(const char *name);
// Julian Day number of 0h of the date yyyymmdd (the epoch instant is the
// result + 0.5).
int convertepoc(long yyyymmdd);
// Writes the object line of the staging record ast to f.
void txtprintast(FILE *f);
// Record i into the planet-page fields; iNT[MPRECORD] = iAst = i. 0, or -1 for an
// index outside the table.
int readmpvars(int i);
// Planet-page fields back into record i as edited. 0, or -1 for an index
// outside the table.
int savempvars(int i);

// Reading a text file line by line, shared by every text-file reader (the
// user's minor planets, the places).
#pragma once
#include <cstdio>

extern char readbuf[256];  // the line last read; also a message work buffer

// Reads one line of f into readbuf (CRs dropped, at most 255 characters).
// Returns 0 at the end of the file, else the line's first character, or 1
// for an empty line.
int getaline(FILE *f);

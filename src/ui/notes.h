// Writing list pages to text files: F9 adds the page shown to the notes
// file, F2 in the ephemeris menu writes the ephemeris page to its file.
#pragma once

extern const char notesheader[];  // the notice after the banner in each block

// Appends lines 0..lines-1 of achDLine, after a header block, to
// "notes.txt" in the program directory (CR LF line ends). Returns 1, or
// the answer of the error box when the file cannot be written (it is then
// left as it was).
int filecopy(int lines);
// Writes the non-empty lines of achDLine, after a header block, to the
// ephemeris file chSTR[EPHEMFILE] in the program directory: mode 0 appends,
// any other mode asks before replacing an existing file. Returns 1, the
// answer that refused the question, or the answer of the error box.
int ephemfilecopy(int mode);
// filecopy and ephemfilecopy on the file at path.
int notesfilecopy(const char *path, int lines);
int ephemfilewrite(const char *path, int mode);
// The writer under both: lines 0..lines-1 of achDLine (the empty ones
// left out when skipempty) as a block appended in place to the file at
// path (flushed and synced; cut back to its old length when the append
// fails), or replacing it through a new file when append is false. Either
// way a stale "<path>.new" is removed. Returns 0, or 1.
int savelistlines(const char *path, bool append, int lines, bool skipempty);

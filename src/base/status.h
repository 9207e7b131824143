// Status texts shared by the file loaders, and file names in the
// program's own directory.
#pragma once

extern char mperror[256];  // last status message

// Kinds of success message (MPOKay) ...
enum : int {
  OKDONE = 1,    // "Done. %s"
  OKLOADED = 2,  // "Loaded file: %s"
  OKSAVED = 3,   // "Saved file: %s"
};
// ... and of failure message (MPfail), which is also its result.
enum : int {
  FAILMEMORY = 1,  // "Memory Error allocating %s"
  FAILREAD = 2,    // "Error reading file: %s"
  FAILWRITE = 3,   // "Error writing file: %s"
  FAILDAMAGED = 4, // "Damaged file: %s" (a file that opens but cannot be used)
};

// Where a failure the user must see goes: the user interface sets it at
// start-up to its error box; unset, the text is only kept in mperror.
extern int (*errorbox)(const char *text);
// mperror = text, then shows it through errorbox when one is set.
// Returns 1.
int reporterror(const char *text);
// Where a short confirmation goes (a box that does not wait): the user
// interface sets it at start-up; unset, the text is only kept in mperror.
extern int (*confirmbox)(const char *text);
// mperror = text, then shows it through confirmbox when one is set.
// Returns 0.
int reportdone(const char *text);
// Set mperror to the success (MPOKay, kind 1..3) or failure (MPfail, kind
// 1..4) message around text; another kind leaves it unchanged. MPOKay returns 0,
// MPfail returns kind.
int MPOKay(int kind, const char *text);
int MPfail(int kind, const char *text);
// dest (at least 256 bytes) = name placed in the executable's directory.
// Returns 0.
int getfilename(char *dest, const char *name);
// Places file names in folder dir instead (tests use a scratch folder);
// nullptr or "" goes back to the executable's directory. Returns 0.
int setfiledir(const char *dir);

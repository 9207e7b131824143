// Writing a file so that it is never torn or lost: the new contents go to
// a new file beside the old one ("<path>.new"), are flushed to the disk and
// only then renamed over the old file. Every writer of the program goes
// through here.
#pragma once
#include <cstdio>

enum { SAFEPATHLEN = 272 };

struct newfile {
  FILE *f;                 // open for binary writing while being written
  char tmp[SAFEPATHLEN];   // the new file beside the target
  char path[SAFEPATHLEN];  // the target
};

// tmp (SAFEPATHLEN bytes) = the name of the new file written beside path.
// Returns 0, or 1 when the name does not fit.
int newfilename(char *tmp, const char *path);
// Creates the new file beside path and leaves it open in nf->f.
// Returns 0, or 1 when it cannot be created (nf->f is then nullptr).
int newfileopen(newfile *nf, const char *path);
// Finishes the file opened by newfileopen: checks for write errors, then
// flushes, syncs and closes it and renames it over the target. ok false
// says the caller already saw a failure. Returns 0, or 1 when anything
// failed: the new file is then removed and the old one left as it was.
int newfilecommit(newfile *nf, bool ok);
// For writers that take a file name rather than a stream (Allegro's
// save_pcx): syncs the complete file already written at tmp and renames it
// over path. Returns 0, or 1 on failure (tmp removed, path untouched).
int newnamecommit(const char *tmp, const char *path);

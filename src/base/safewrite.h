// Writing a file so that it is never torn or lost: the new contents go to
// a new file beside the old one ("<path>.new"), are flushed to the disk and
// only then renamed over the old file; files that only grow are appended
// in place, synced, and cut back when the append fails. Every writer of
// the program goes through here.
#pragma once
#include <cstdio>

enum { SAFEPATHLEN = 272 };

struct newfile {
  FILE *f;                 // open for binary writing while being written
  char tmp[SAFEPATHLEN];   // the new file beside the target
  char path[SAFEPATHLEN];  // the target
  long appendfrom;         // appendfileopen: the target's length before; else -1
};

// tmp (SAFEPATHLEN bytes) = the name of the new file written beside path.
// Returns 0, or 1 when the name does not fit.
int newfilename(char *tmp, const char *path);
// Creates the new file beside path and leaves it open in nf->f; a stale
// new file of an earlier killed save is removed first. Returns 0, or 1
// when it cannot be created (nf->f is then nullptr).
int newfileopen(newfile *nf, const char *path);
// For files that only grow by pages (notes, ephemerides), which would be
// copied whole at every save otherwise: opens path itself for appending
// (made when missing) and removes a stale new file beside it. Finished by
// newfilecommit, which flushes and syncs it, or on any failure cuts it
// back to its old length. Returns 0, or 1 when it cannot be opened.
int appendfileopen(newfile *nf, const char *path);
// Finishes the file opened by newfileopen: checks for write errors, then
// flushes, syncs and closes it and renames it over the target. ok false
// says the caller already saw a failure. Returns 0, or 1 when anything
// failed: the new file is then removed and the old one left as it was.
int newfilecommit(newfile *nf, bool ok);
// For writers that take a file name rather than a stream (Allegro's
// save_pcx): syncs the complete file already written at tmp and renames it
// over path. Returns 0, or 1 on failure (tmp removed, path untouched).
int newnamecommit(const char *tmp, const char *path);
// For files the program makes for itself at every start (the default
// skin's images, a skin's listing): writes the n bytes at data to path
// only when the file there does not already hold exactly them, so a start
// writes nothing on a read-only or full disk when nothing changed.
// *written (when given) says whether it wrote. Returns 0, or 1 when the
// write failed (path untouched).
int writeifchanged(const char *path, const void *data, size_t n, bool *written = nullptr);

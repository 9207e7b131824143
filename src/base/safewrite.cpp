#include "base/safewrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

int newfilename(char *tmp, const char *path) {
  int n = snprintf(tmp, SAFEPATHLEN, "%s.new", path);
  return n < 0 || n >= SAFEPATHLEN ? 1 : 0;
}

int newfileopen(newfile *nf, const char *path) {
  nf->f = nullptr;
  int n = snprintf(nf->path, sizeof nf->path, "%s", path);
  if (n < 0 || n >= static_cast<int>(sizeof nf->path) || newfilename(nf->tmp, path) != 0) return 1;
  nf->f = fopen(nf->tmp, "wb");
  return nf->f ? 0 : 1;
}

// Forces what was written at fd onto the disk, so that a crash right
// after the rename cannot leave an empty file behind the new name.
static bool syncfd(int fd) {
  return fsync(fd) == 0;
}

static int renameinto(const char *tmp, const char *path) {
  if (rename(tmp, path) == 0) return 0;
  remove(tmp);
  return 1;
}

int newfilecommit(newfile *nf, bool ok) {
  if (!nf->f) return 1;
  FILE *f = nf->f;
  nf->f = nullptr;
  ok = ok && !ferror(f) && fflush(f) == 0 && syncfd(fileno(f));
  if (fclose(f) != 0) ok = false;
  if (!ok) {
    remove(nf->tmp);
    return 1;
  }
  return renameinto(nf->tmp, nf->path);
}

int newnamecommit(const char *tmp, const char *path) {
  int fd = open(tmp, O_RDONLY);
  bool ok = fd >= 0 && syncfd(fd);
  if (fd >= 0 && close(fd) != 0) ok = false;
  if (!ok) {
    remove(tmp);
    return 1;
  }
  return renameinto(tmp, path);
}

#include "base/safewrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

int newfilename(char *tmp, const char *path) {
  int n = snprintf(tmp, SAFEPATHLEN, "%s.new", path);
  return n < 0 || n >= SAFEPATHLEN ? 1 : 0;
}

// Sets up nf for the target path and removes a new file left beside it by
// a save that was killed (a folder of that name is not ours to remove).
// Returns 0, or 1 when the names do not fit.
static int newfilestart(newfile *nf, const char *path) {
  nf->f = nullptr;
  nf->appendfrom = -1;
  int n = snprintf(nf->path, sizeof nf->path, "%s", path);
  if (n < 0 || n >= static_cast<int>(sizeof nf->path) || newfilename(nf->tmp, path) != 0) return 1;
  unlink(nf->tmp);
  return 0;
}

int newfileopen(newfile *nf, const char *path) {
  if (newfilestart(nf, path) != 0) return 1;
  nf->f = fopen(nf->tmp, "wb");
  return nf->f ? 0 : 1;
}

int appendfileopen(newfile *nf, const char *path) {
  // No new file is written beside an appended one.
  if (newfilestart(nf, path) != 0) return 1;
  FILE *f = fopen(path, "ab");
  if (!f) return 1;
  long end = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  if (end < 0) {
    fclose(f);
    return 1;
  }
  nf->f = f;
  nf->appendfrom = end;
  return 0;
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
  if (nf->appendfrom >= 0) {
    // An append that failed is cut off again, so the file keeps only
    // whole pages.
    ok = ok && !ferror(f) && fflush(f) == 0 && syncfd(fileno(f));
    if (!ok && ftruncate(fileno(f), nf->appendfrom) == 0) syncfd(fileno(f));
    if (fclose(f) != 0) ok = false;
    return ok ? 0 : 1;
  }
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

// 1 when the file at path holds exactly the n bytes at data.
static bool sameas(const char *path, const unsigned char *data, size_t n) {
  FILE *f = fopen(path, "rb");
  if (!f) return false;
  unsigned char buf[8192];
  size_t at = 0, got;
  bool same = true;
  while (same && (got = fread(buf, 1, sizeof buf, f)) > 0) {
    same = at + got <= n && memcmp(buf, data + at, got) == 0;
    at += got;
  }
  same = same && !ferror(f) && at == n;
  fclose(f);
  return same;
}

int writeifchanged(const char *path, const void *data, size_t n, bool *written) {
  const unsigned char *bytes = static_cast<const unsigned char *>(data);
  if (written) *written = false;
  if (sameas(path, bytes, n)) return 0;
  newfile nf;
  if (newfileopen(&nf, path) != 0) return 1;
  bool ok = fwrite(bytes, 1, n, nf.f) == n;
  if (newfilecommit(&nf, ok) != 0) return 1;
  if (written) *written = true;
  return 0;
}

#include "skin_fixture.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "base/status.h"

ScratchDir::ScratchDir() {
  char tmpl[] = "/tmp/korvanex-skin-XXXXXX";
  dir = mkdtemp(tmpl) ? tmpl : "/tmp";
  setfiledir(dir.c_str());
}

ScratchDir::~ScratchDir() {
  setfiledir(nullptr);
  if (DIR *d = opendir(dir.c_str())) {
    while (dirent *e = readdir(d))
      if (e->d_name[0] != '.') remove(path(e->d_name).c_str());
    closedir(d);
  }
  rmdir(dir.c_str());
}

void ScratchDir::write(const char *name, const std::string &text) const {
  FILE *f = fopen(path(name).c_str(), "wb");
  if (!f) return;
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}

bool ScratchDir::exists(const char *name) const {
  struct stat st;
  return stat(path(name).c_str(), &st) == 0;
}

std::string skinline(int entry, const int v[13], int width) {
  char buf[256];
  int n = snprintf(buf, sizeof buf, "%d", entry);
  for (int k = 0; k < 13; k++) n += snprintf(buf + n, sizeof buf - n, " %d", v[k]);
  std::string s(buf);
  while ((int)s.size() < width) s += ' ';
  return s + "\n";
}

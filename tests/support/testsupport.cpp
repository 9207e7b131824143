#include "testsupport.h"

#include <allegro.h>
#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "base/status.h"

void startheadless() {
  static bool started = false;
  if (started) return;
  set_uformat(U_ASCII);
  started = install_allegro(SYSTEM_NONE, &errno, atexit) == 0;
}

std::string runtimepath(const char *name) {
  char path[256];
  getfilename(path, name);
  return path;
}

// The scratch folder's name relative to the program's directory; empty
// until first used.
static std::string scratchdir;

// Removes the scratch folder and the files in it.
static void removescratch() {
  std::string dir = runtimepath(scratchdir.c_str());
  if (DIR *d = opendir(dir.c_str())) {
    while (dirent *e = readdir(d)) {
      std::string n = e->d_name;
      if (n != "." && n != "..") remove((dir + "/" + n).c_str());
    }
    closedir(d);
  }
  rmdir(dir.c_str());
}

const char *scratchname(const char *name) {
  static std::set<std::string> names;
  if (scratchdir.empty()) {
    std::string templ = runtimepath("scratch.XXXXXX");
    if (!mkdtemp(&templ[0])) {
      perror("scratch folder");
      abort();
    }
    scratchdir = templ.substr(templ.rfind('/') + 1);
    atexit(removescratch);
  }
  return names.insert(scratchdir + "/" + name).first->c_str();
}

std::string scratchpath(const char *name) { return runtimepath(scratchname(name)); }

std::string readwhole(const std::string &path) {
  FILE *f = fopen(path.c_str(), "rb");
  if (!f) return "";
  std::string s;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
  fclose(f);
  return s;
}

std::vector<unsigned char> readbytes(const std::string &path) {
  std::string s = readwhole(path);
  return std::vector<unsigned char>(s.begin(), s.end());
}

void writewhole(const std::string &path, const std::string &text) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return;
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}

void writebytes(const std::string &path, const std::vector<unsigned char> &bytes) {
  writewhole(path, std::string(bytes.begin(), bytes.end()));
}

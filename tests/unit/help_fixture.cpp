#include "help_fixture.h"

#include <cstdio>

#include "ui/help.h"

void put16(std::vector<unsigned char> &bytes, size_t at, int v) {
  bytes[at] = v & 0xFF;
  bytes[at + 1] = (v >> 8) & 0xFF;
}

void put32(std::vector<unsigned char> &bytes, size_t at, int v) {
  for (int i = 0; i < 4; i++) bytes[at + i] = ((uint32_t)v >> (8 * i)) & 0xFF;
}

std::vector<unsigned char> helpfile(int n, const std::vector<HELPSRC> &topics, const std::vector<int> &cmap) {
  std::vector<unsigned char> heads, text, out(12 + 2 * n + 16 * n, 0);
  put32(out, 0, n);
  for (int k = 0; k < n; k++) put16(out, 12 + 2 * k, k < (int)cmap.size() ? cmap[k] : 1);
  for (size_t k = 0; k < topics.size() && (int)k < n; k++) {
    const HELPSRC &t = topics[k];
    size_t rec = recordat(n, k);
    put16(out, rec, heads.size());
    put16(out, rec + 2, t.lines.size());
    put32(out, rec + 4, text.size());
    for (int s = 0; s < 3; s++) put16(out, rec + 8 + 2 * s, t.links[s]);
    heads.insert(heads.end(), t.heading.begin(), t.heading.end());
    heads.push_back(0);
    for (const std::string &l : t.lines) {
      for (unsigned char c : l) text.push_back((unsigned char)(c - 30));
      text.push_back(0);
    }
  }
  put32(out, 4, heads.size());
  put32(out, 8, text.size());
  out.insert(out.end(), heads.begin(), heads.end());
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

int loadhelp(const std::vector<unsigned char> &bytes) {
  static unsigned char empty = 0;
  FILE *f = fmemopen(bytes.empty() ? &empty : (void *)bytes.data(), bytes.size() ? bytes.size() : 1, "rb");
  if (!f) return -1;
  if (bytes.empty()) fgetc(f);
  int r = helpread(f);
  fclose(f);
  return r;
}

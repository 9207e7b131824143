#include "starcat_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

starrec makestar(int32_t no, int mag100, char cls, char sub, float ra, float dec) {
  starrec s;
  s.starno = no;
  s.mag100 = (int16_t)mag100;
  s.spclass = cls;
  s.spsub = sub;
  s.rahours = ra;
  s.decdeg = dec;
  return s;
}

static int blockof(const starrec &s) { return (int)(s.decdeg / 10 + 9) * 24 + (int)s.rahours; }

static void append(std::vector<unsigned char> &out, const void *p, size_t n) {
  size_t at = out.size();
  out.resize(at + n);
  if (n) memcpy(&out[at], p, n);
}

static void appendint(std::vector<unsigned char> &out, int32_t v) { append(out, &v, 4); }

void putint(std::vector<unsigned char> &bytes, size_t at, int32_t v) { memcpy(&bytes[at], &v, 4); }

std::vector<unsigned char> indexedfile(std::vector<std::vector<starrec>> layers) {
  std::vector<unsigned char> out;
  int32_t total = 0, base = 0;
  for (auto &l : layers) total += (int32_t)l.size();
  layers.resize(4);
  for (int n = 0; n < 4; n++) {
    auto &l = layers[n];
    appendint(out, (int32_t)l.size());
    if (n == 3 && l.empty()) break;
    std::stable_sort(l.begin(), l.end(), [](const starrec &a, const starrec &b) { return blockof(a) < blockof(b); });
    append(out, l.data(), l.size() * sizeof(starrec));
    int32_t num[SKYBLOCKS] = {}, idx[SKYBLOCKS];
    for (auto &s : l) num[blockof(s)]++;
    for (int b = 0, at = base; b < SKYBLOCKS; at += num[b], b++) idx[b] = at;
    append(out, num, sizeof num);
    append(out, idx, sizeof idx);
    if (n == 0) appendint(out, total);
    base += (int32_t)l.size();
  }
  return out;
}

std::vector<unsigned char> fallbackfile(const std::vector<starrec> &stars) {
  std::vector<unsigned char> out;
  appendint(out, (int32_t)stars.size());
  append(out, stars.data(), stars.size() * sizeof(starrec));
  return out;
}

std::string writetemp(const std::string &name, const std::vector<unsigned char> &bytes) {
  std::string path = "/tmp/korvanex_" + std::to_string(getpid()) + "_" + name;
  FILE *f = fopen(path.c_str(), "wb");
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
  return path;
}

void loadlayers(std::vector<std::vector<starrec>> layers) {
  std::string path = writetemp("layers.bin", indexedfile(std::move(layers)));
  loadstarfile(path.c_str(), path.c_str());
  remove(path.c_str());
}

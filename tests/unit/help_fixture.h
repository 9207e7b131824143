// Help files made up for the help tests and the fuzz seeds.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct HELPSRC {
  std::string heading;
  std::vector<std::string> lines;
  int links[3];
};

// Bytes of a help file with n entries: context map cmap (padded with 1),
// topics as given (records beyond them zero), text bytes stored 30 below.
std::vector<unsigned char> helpfile(int n, const std::vector<HELPSRC> &topics, const std::vector<int> &cmap = {});
// Overwrites the little-endian 16- or 32-bit value at byte offset at.
void put16(std::vector<unsigned char> &bytes, size_t at, int v);
void put32(std::vector<unsigned char> &bytes, size_t at, int v);
// Byte offset of the topic record k in a file of n entries.
inline size_t recordat(int n, int k) { return 12 + 2 * n + 16 * k; }
// Loads bytes through helpread. Returns its result.
int loadhelp(const std::vector<unsigned char> &bytes);

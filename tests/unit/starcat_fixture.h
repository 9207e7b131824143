// Building star catalogue files and in-memory catalogues for tests.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "chart/starcat.h"

// A star record from its fields.
starrec makestar(int32_t no, int mag100, char cls, char sub, float ra, float dec);
// Bytes of an indexed catalogue file: each layer's count, its records
// (sorted by block here) and its block index; the catalogue word after
// layer 7; layer 10 only when it has stars.
std::vector<unsigned char> indexedfile(std::vector<std::vector<starrec>> layers);
// Bytes of a one-layer file.
std::vector<unsigned char> fallbackfile(const std::vector<starrec> &stars);
// Writes bytes to a fresh file under the temp directory; returns its path.
std::string writetemp(const std::string &name, const std::vector<unsigned char> &bytes);
// Loads an indexed in-memory catalogue of the given layers, as from a file.
void loadlayers(std::vector<std::vector<starrec>> layers);
// Patches the int32 at byte offset at.
void putint(std::vector<unsigned char> &bytes, size_t at, int32_t v);

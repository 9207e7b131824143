// What unit tests, benchmarks and fuzz targets share: Allegro started
// without a display, paths in the program's own directory, and a scratch
// folder of this run for the files they write.
#pragma once
#include <string>
#include <vector>

// Starts Allegro once with no system driver and plain ASCII text, for code
// that draws into memory bitmaps or uses Allegro's file-name functions.
void startheadless();

// Path of name in the program's own directory, where the program reads
// and writes its files (beside the executable).
std::string runtimepath(const char *name);

// name inside this process's scratch folder, given relative to the
// program's directory so that the program's own file functions resolve it
// there. The folder is made on first use and removed with everything in it
// when the process exits; the result stays valid until then.
const char *scratchname(const char *name);
// Full path of scratchname(name).
std::string scratchpath(const char *name);

// Whole contents of the file at path ("" or empty when it cannot be read).
std::string readwhole(const std::string &path);
std::vector<unsigned char> readbytes(const std::string &path);
// Writes text / bytes to the file at path, replacing it.
void writewhole(const std::string &path, const std::string &text);
void writebytes(const std::string &path, const std::vector<unsigned char> &bytes);

// A scratch folder that the program's file names point into, for tests
// of the skin files.
#pragma once
#include <string>

class ScratchDir {
 public:
  ScratchDir();   // creates the folder and points getfilename into it
  ~ScratchDir();  // removes it with its files, points getfilename back
  std::string path(const char *name) const { return dir + "/" + name; }
  // Writes text to name inside the folder.
  void write(const char *name, const std::string &text) const;
  bool exists(const char *name) const;
  std::string dir;
};

// An entry line of 14 numbers padded with blanks to width characters.
std::string skinline(int entry, const int v[13], int width = 60);

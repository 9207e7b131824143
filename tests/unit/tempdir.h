// A fresh scratch folder under /tmp for one test, removed with all in it.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

struct TempDir {
  std::string path;
  explicit TempDir(const std::string &name) {
    std::string tmpl = "/tmp/korvanex-" + name + "XXXXXX";
    if (mkdtemp(&tmpl[0])) path = tmpl;
    EXPECT_FALSE(path.empty()) << "no scratch folder";
  }
  ~TempDir() {
    if (path.empty()) return;
    std::string cmd = "rm -rf '" + path + "'";
    EXPECT_EQ(system(cmd.c_str()), 0);
  }
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
};

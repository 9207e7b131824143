// A memory screen with the program's fonts, palette and windows, and a
// scratch folder, for tests of code that draws and waits for keys.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "allegro_env.h"
#include "keyfeed.h"
#include "testsupport.h"

class ScreenTest : public ::testing::Test {
 protected:
  BITMAP *b = nullptr;
  std::string dir;  // scratch folder of this test, removed afterwards
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;
  // Path of name in the scratch folder.
  std::string scratch(const char *name) const { return dir + "/" + name; }
};


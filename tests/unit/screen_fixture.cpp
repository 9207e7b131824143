#include "screen_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "screen/display.h"

void ScreenTest::SetUpTestSuite() { loadprogramfonts(); }

void ScreenTest::TearDownTestSuite() { unloadprogramfonts(); }

void ScreenTest::SetUp() {
  ASSERT_NE(data, nullptr) << "vuva.dat beside the tests";
  b = startscreen();
  char tmpl[] = "/tmp/korvanex-unit-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  dir = tmpl;
}

void ScreenTest::TearDown() {
  stopkeys();
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}


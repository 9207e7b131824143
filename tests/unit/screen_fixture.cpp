#include "screen_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ui/display.h"

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

void writewhole(const std::string &path, const std::string &text) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return;
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}

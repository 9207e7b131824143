#include "screen_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ui/display.h"
#include "ui/menutable.h"
#include "ui/windows.h"

static FONT *libraryfont = nullptr;

void ScreenTest::SetUpTestSuite() {
  startallegro(8);
  libraryfont = font;
  data = load_datafile(KORVANEX_RUNTIME_DIR "/vuva.dat");
}

void ScreenTest::TearDownTestSuite() {
  font = libraryfont;
  userfont = nullptr;
  if (data) unload_datafile(data);
  data = nullptr;
}

void ScreenTest::SetUp() {
  ASSERT_NE(data, nullptr) << "vuva.dat beside the tests";
  b = startallegro(8);
  setmypal();
  windoinit();
  clearhitmap();
  iFun = -1;
  iFocus = 0;
  setuserfont(iDEFONT);
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

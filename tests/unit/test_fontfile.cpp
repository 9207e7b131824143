#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tempdir.h"
#include "allegro_env.h"
#include "screen/fontfile.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes slurp(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  std::string s = ss.str();
  return Bytes(s.begin(), s.end());
}

void put32(Bytes *b, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b->push_back(static_cast<unsigned char>(v >> s));
}

void put16(Bytes *b, int v) {
  b->push_back(static_cast<unsigned char>(v >> 8));
  b->push_back(static_cast<unsigned char>(v));
}

// A mono font of the glyphs ' '..'~', each w x h pixels, all set.
Bytes monofont(int w, int h) {
  Bytes b;
  put16(&b, 0);
  put16(&b, 1);
  b.push_back(1);
  put32(&b, ' ');
  put32(&b, '~');
  for (int c = ' '; c <= '~'; c++) {
    put16(&b, w);
    put16(&b, h);
    b.insert(b.end(), static_cast<size_t>((w + 7) / 8 * h), 0xff);
  }
  return b;
}

struct Object {
  uint32_t type;
  Bytes body;
};

// A plain datafile of the given objects, each with a NAME property.
Bytes datafile(const std::vector<Object> &objects) {
  Bytes b;
  put32(&b, DAT_ID('s', 'l', 'h', '.'));
  put32(&b, DAT_ID('A', 'L', 'L', '.'));
  put32(&b, static_cast<uint32_t>(objects.size()));
  for (const Object &o : objects) {
    put32(&b, DAT_PROPERTY);
    put32(&b, DAT_ID('N', 'A', 'M', 'E'));
    put32(&b, 3);
    b.insert(b.end(), {'o', 'b', 'j'});
    put32(&b, o.type);
    put32(&b, static_cast<uint32_t>(o.body.size()));
    put32(&b, static_cast<uint32_t>(o.body.size()));
    b.insert(b.end(), o.body.begin(), o.body.end());
  }
  return b;
}

std::vector<Object> fonts(int n) { return std::vector<Object>(n, Object{DAT_FONT, monofont(8, 13)}); }

int check(const Bytes &b) { return checkfontdata(b.data(), b.size()); }

uint32_t be32(const Bytes &b, size_t o) {
  return (uint32_t)b[o] << 24 | (uint32_t)b[o + 1] << 16 | (uint32_t)b[o + 2] << 8 | b[o + 3];
}

// Lengths to cut a file of size bytes at: the first and last ends, and
// every stride-th between (a cut anywhere inside a field is refused by the
// same check as one at its ends).
std::vector<size_t> samplelengths(size_t size, size_t ends = 64, size_t stride = 61) {
  std::vector<size_t> n;
  for (size_t k = 0; k < size; k++)
    if (k < ends || k + ends >= size || k % stride == 0) n.push_back(k);
  return n;
}

// samplelengths of a plain (unpacked) datafile, and every length within 8
// bytes of each field of its top level: headers, properties, each object's
// type, sizes and the end of its chunk.
std::vector<size_t> cutlengths(const Bytes &b) {
  std::vector<size_t> starts = {0, 4, 8, 12};
  size_t o = 12;
  for (uint32_t i = 0; i < be32(b, 8) && o + 12 <= b.size(); i++) {
    while (o + 12 <= b.size() && be32(b, o) == DAT_PROPERTY) {
      starts.insert(starts.end(), {o, o + 4, o + 8, o + 12});
      o += 12 + be32(b, o + 8);
    }
    starts.insert(starts.end(), {o, o + 4, o + 8, o + 12});
    if (o + 12 > b.size()) break;
    o += 12 + be32(b, o + 4);
    starts.push_back(o);
  }
  std::vector<size_t> n = samplelengths(b.size());
  for (size_t s : starts)
    for (size_t k = s >= 8 ? s - 8 : 0; k <= s + 8 && k < b.size(); k++) n.push_back(k);
  return n;
}

class FontFile : public ::testing::Test {
 protected:
  TempDir scratch{"font"};
  std::string dir = scratch.path;
  void SetUp() override {
    startallegro(8);
  }
  // Writes b to a scratch file and loads it as the font file.
  DATAFILE *load(const Bytes &b) {
    std::string path = dir + "/vuva.dat";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(b.data()), b.size());
    return loadfontfile(path.c_str());
  }
};

const std::string kCorpus = std::string(KORVANEX_SOURCE_DIR) + "/fuzz/corpus/fuzz_checkfontfile/";

}  // namespace

TEST_F(FontFile, ShippedFileAndItsPackedFormsLoad) {
  for (const char *name : {"vuva.dat", "vuva-objects-packed.dat", "vuva-packed.dat"}) {
    Bytes b = slurp(kCorpus + name);
    ASSERT_GT(b.size(), 1000u) << name;
    EXPECT_EQ(check(b), 0) << name;
    DATAFILE *d = load(b);
    ASSERT_NE(d, nullptr) << name;
    for (int i = 0; i < FONTOBJECTS; i++) EXPECT_EQ(d[i].type, DAT_FONT);
    EXPECT_GT(text_height(static_cast<FONT *>(d[0].dat)), 0);
    unload_datafile(d);
  }
}

TEST_F(FontFile, EveryCutOfTheShippedFileIsRefused) {
  Bytes whole = slurp(std::string(KORVANEX_RUNTIME_DIR) + "/vuva.dat");
  ASSERT_EQ(check(whole), 0);
  for (size_t n : cutlengths(whole)) {
    Bytes cut(whole.begin(), whole.begin() + static_cast<long>(n));
    ASSERT_NE(check(cut), 0) << "cut at " << n;
  }
  Bytes cut(whole.begin(), whole.begin() + 30000);
  EXPECT_EQ(load(cut), nullptr);
}

TEST_F(FontFile, CutPackedFilesAreRefused) {
  for (const char *name : {"vuva-objects-packed.dat", "vuva-packed.dat"}) {
    Bytes whole = slurp(kCorpus + name);
    for (size_t n : samplelengths(whole.size(), 32, 257)) {
      Bytes cut(whole.begin(), whole.begin() + static_cast<long>(n));
      ASSERT_NE(check(cut), 0) << name << " cut at " << n;
    }
  }
}

TEST_F(FontFile, TooFewObjectsOrNotFonts) {
  Bytes header = datafile({});
  EXPECT_EQ(header.size(), 12u);
  EXPECT_NE(check(Bytes(header.begin(), header.begin() + 8)), 0) << "the 8-byte header alone";
  EXPECT_NE(check(header), 0);
  EXPECT_EQ(load(datafile(fonts(3))), nullptr) << "3 fonts";
  EXPECT_EQ(load(datafile(fonts(14))), nullptr);
  std::vector<Object> plain(15, Object{DAT_ID('D', 'A', 'T', 'A'), Bytes(40, 7)});
  EXPECT_EQ(load(datafile(plain)), nullptr) << "15 objects, none a font";
  std::vector<Object> one = fonts(15);
  one[9] = Object{DAT_ID('D', 'A', 'T', 'A'), Bytes(40, 7)};
  EXPECT_EQ(load(datafile(one)), nullptr) << "object 9 not a font";
}

TEST_F(FontFile, FifteenFontsAndPlainDataLoad) {
  std::vector<Object> objects = fonts(15);
  objects.push_back(Object{DAT_ID('D', 'A', 'T', 'A'), Bytes(40, 7)});
  DATAFILE *d = load(datafile(objects));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(text_height(static_cast<FONT *>(d[14].dat)), 13);
  EXPECT_EQ(d[15].size, 40);
  unload_datafile(d);
}

TEST_F(FontFile, SizesThatDoNotFitAreRefused) {
  std::vector<Object> objects = fonts(15);
  Bytes good = datafile(objects);
  ASSERT_EQ(check(good), 0);
  Bytes glyph = good;  // first glyph of the last font claims 200 x 200 pixels
  size_t last = good.size() - objects[14].body.size();
  glyph[last + 13] = 200;
  glyph[last + 15] = 200;
  EXPECT_NE(check(glyph), 0);
  Bytes chunk = good;  // the last chunk's size runs past the end
  chunk[last - 5] += 1;
  chunk[last - 1] += 1;
  EXPECT_NE(check(chunk), 0);
  Bytes mismatch = good;  // stored and unpacked sizes differ
  mismatch[last - 1] -= 1;
  EXPECT_NE(check(mismatch), 0);
  std::vector<Object> bitmap = fonts(15);
  bitmap.push_back(Object{DAT_BITMAP, Bytes(6, 0x7f)});
  EXPECT_NE(check(datafile(bitmap)), 0) << "a bitmap whose sizes Allegro would trust";
}

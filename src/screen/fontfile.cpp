#include "screen/fontfile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

enum {
  RINGSIZE = 4096,    // LZSS ring buffer of Allegro's packfiles
  RINGSTART = 4078,   // its first write position
  MAXDEPTH = 4,       // nested datafiles
  MAXOBJECTS = 4096,  // objects in one datafile
  MAXGLYPHEDGE = 1024,
  MAXRANGE = 0x110000,
};

const uint32_t kPackMagic = DAT_ID('s', 'l', 'h', '!');
const uint32_t kPlainMagic = DAT_ID('s', 'l', 'h', '.');
const uint32_t kDatMagic = DAT_ID('A', 'L', 'L', '.');

// Unpacks Allegro's LZSS stream src[0..n) into out, stopping at limit
// bytes. Returns false when the output would exceed limit.
bool unpack(const unsigned char *src, size_t n, std::vector<unsigned char> *out, size_t limit) {
  unsigned char ring[RINGSIZE] = {0};
  unsigned r = RINGSTART;
  size_t i = 0;
  out->clear();
  while (i < n) {
    unsigned flags = src[i++];
    for (int bit = 0; bit < 8 && i < n; bit++, flags >>= 1) {
      if (flags & 1) {
        if (out->size() >= limit) return false;
        unsigned char c = src[i++];
        out->push_back(c);
        ring[r] = c;
        r = (r + 1) & (RINGSIZE - 1);
        continue;
      }
      if (i + 1 >= n) return true;  // a cut token ends the stream
      unsigned pos = src[i] | ((src[i + 1] & 0xF0u) << 4);
      unsigned len = (src[i + 1] & 0x0Fu) + 3;
      i += 2;
      for (unsigned k = 0; k < len; k++) {
        if (out->size() >= limit) return false;
        unsigned char c = ring[(pos + k) & (RINGSIZE - 1)];
        out->push_back(c);
        ring[r] = c;
        r = (r + 1) & (RINGSIZE - 1);
      }
    }
  }
  return true;
}

// A bounded big-endian reader over one chunk.
struct Reader {
  const unsigned char *p;
  size_t n, at;
  bool ok = true;
  Reader(const unsigned char *data, size_t size) : p(data), n(size), at(0) {}
  bool has(size_t k) const { return ok && k <= n - at; }
  uint32_t l() {
    if (!has(4)) return ok = false, 0;
    uint32_t v = (uint32_t)p[at] << 24 | (uint32_t)p[at + 1] << 16 | (uint32_t)p[at + 2] << 8 | p[at + 3];
    at += 4;
    return v;
  }
  int w() {
    if (!has(2)) return ok = false, 0;
    int v = (int16_t)(p[at] << 8 | p[at + 1]);
    at += 2;
    return v;
  }
  int c() {
    if (!has(1)) return ok = false, 0;
    return p[at++];
  }
  bool skip(size_t k) {
    if (!has(k)) return ok = false;
    at += k;
    return true;
  }
};

// A font of the format Allegro writes (size field 0) with mono ranges:
// every glyph's width, height and bits lie within the chunk.
bool checkfont(Reader r) {
  if (r.w() != 0) return false;
  int ranges = r.w();
  if (!r.ok || ranges <= 0) return false;
  for (int g = 0; g < ranges; g++) {
    if (r.c() != 1) return false;  // mono glyphs only
    uint32_t begin = r.l(), end = r.l();
    if (!r.ok || begin > end || end >= MAXRANGE) return false;
    for (uint32_t ch = begin; ch <= end; ch++) {
      int width = r.w(), height = r.w();
      if (!r.ok || width < 0 || height < 0 || width > MAXGLYPHEDGE || height > MAXGLYPHEDGE) return false;
      if (!r.skip((size_t)(width + 7) / 8 * height)) return false;
    }
  }
  return r.ok;
}

bool checkobjects(Reader &r, int depth, bool root);

// One object (its properties, type and chunk). fontneeded: it must be a
// font. Moves r past it.
bool checkobject(Reader &r, int depth, bool fontneeded) {
  uint32_t type = r.l();
  while (r.ok && type == DAT_PROPERTY) {
    r.l();
    uint32_t size = r.l();
    if (!r.ok || size > 0x7fffffffu || !r.skip(size)) return false;
    type = r.l();
  }
  int32_t packed = (int32_t)r.l(), unpacked = (int32_t)r.l();
  if (!r.ok || packed < 0 || !r.has((size_t)packed)) return false;
  const unsigned char *body = r.p + r.at;
  r.at += (size_t)packed;
  std::vector<unsigned char> own;
  size_t size = (size_t)packed;
  if (unpacked < 0) {
    size_t want = -(int64_t)unpacked;
    if (want > FONTFILEMAX || !unpack(body, (size_t)packed, &own, want) || own.size() != want) return false;
    body = own.data();
    size = want;
  } else if (unpacked != packed) {
    return false;
  }
  Reader inner(body, size);
  if (type == DAT_FONT) return checkfont(inner);
  if (fontneeded) return false;
  if (type == DAT_FILE) return depth < MAXDEPTH && checkobjects(inner, depth + 1, false);
  // Allegro reads other kinds it knows through their own loaders, which
  // believe the sizes inside; only plain data is read as it stands.
  static const uint32_t kLoaded[] = {DAT_BITMAP, DAT_RLE_SPRITE, DAT_C_SPRITE, DAT_XC_SPRITE, DAT_SAMPLE,
                                     DAT_MIDI,   DAT_PATCH,      DAT_FLI,      DAT_PALETTE,
                                     (uint32_t)DAT_END};
  for (uint32_t k : kLoaded)
    if (type == k) return false;
  return true;
}

// A count, then that many objects; at the root at least FONTOBJECTS, the
// first of them fonts.
bool checkobjects(Reader &r, int depth, bool root) {
  uint32_t count = r.l();
  if (!r.ok || count > MAXOBJECTS || (root && count < FONTOBJECTS)) return false;
  for (uint32_t i = 0; i < count; i++)
    if (!checkobject(r, depth, root && i < FONTOBJECTS)) return false;
  return true;
}

}  // namespace

int checkfontdata(const unsigned char *buf, size_t len) {
  Reader head(buf, len);
  uint32_t magic = head.l();
  if (!head.ok || (magic != kPackMagic && magic != kPlainMagic)) return 1;
  std::vector<unsigned char> plain;
  const unsigned char *body = buf + 4;
  size_t size = len - 4;
  if (magic == kPackMagic) {
    if (!unpack(body, size, &plain, FONTFILEMAX)) return 1;
    body = plain.data();
    size = plain.size();
  }
  Reader r(body, size);
  if (r.l() != kDatMagic || !r.ok) return 1;
  return checkobjects(r, 0, true) ? 0 : 1;
}

int checkfontfile(FILE *f) {
  std::vector<unsigned char> buf;
  unsigned char block[4096];
  size_t n;
  while ((n = fread(block, 1, sizeof block, f)) > 0) {
    if (buf.size() + n > FONTFILEMAX) return 1;
    buf.insert(buf.end(), block, block + n);
  }
  if (ferror(f)) return 1;
  return checkfontdata(buf.data(), buf.size());
}

char fontfault[FONTFAULTLEN];

DATAFILE *loadfontfile(const char *path) {
  fontfault[0] = 0;
  FILE *f = fopen(path, "rb");
  if (!f) {
    if (errno == ENOENT)
      snprintf(fontfault, sizeof fontfault, "%.200s is missing", path);
    else
      snprintf(fontfault, sizeof fontfault, "%.200s cannot be read: %s", path, strerror(errno));
    return nullptr;
  }
  int bad = checkfontfile(f);
  fclose(f);
  // checkfontdata also refuses a file without the 15 fonts, so a failure
  // past it is Allegro's own.
  const char *why = bad ? "cut short, or not a font file of 15 fonts" : nullptr;
  DATAFILE *d = why ? nullptr : load_datafile(path);
  if (!why && !d) why = "Allegro cannot load it";
  if (d) {
    int n = 0;
    while (d[n].type != DAT_END) n++;
    bool fonts = n >= FONTOBJECTS;
    for (int i = 0; fonts && i < FONTOBJECTS; i++) fonts = d[i].type == DAT_FONT && d[i].dat;
    if (fonts) return d;
    unload_datafile(d);
    why = "it holds fewer than 15 fonts";
  }
  snprintf(fontfault, sizeof fontfault, "%.200s is damaged: %s", path, why);
  return nullptr;
}

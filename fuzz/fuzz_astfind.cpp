// Searches arbitrary bytes as the database file: every hit is a record the
// file holds, NUL-terminated, best first, and read again by index the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "minorplanets/astfind.h"

// Ranks by the name's first character: '0'..'9' rank 0..9, others no match.
static int firstdigit(const mprec *r, const void *) {
  return r->name[0] >= '0' && r->name[0] <= '9' ? r->name[0] - '0' : -1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
  if (!f) return 0;
  FILEHIT hits[16];
  int n = astfind(f, firstdigit, nullptr, hits, 16, size > 0 ? data[0] % 4 : 0);
  for (int k = 0; k < n; k++) {
    mprec again;
    if (n > 16 || hits[k].record < MPPLANETS || memchr(hits[k].r.name, 0, 20) == nullptr ||
        (k > 0 && hits[k - 1].rank > hits[k].rank) || astrecord(f, hits[k].record, &again) != 0 ||
        again.number != hits[k].r.number || strcmp(again.name, hits[k].r.name) != 0)
      abort();
  }
  fclose(f);
  return 0;
}

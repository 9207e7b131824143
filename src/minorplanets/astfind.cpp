#include "minorplanets/astfind.h"

#include <cstring>

// Records read at once: the file is never held whole.
enum : int { FINDBLOCK = 1024 };

int astfind(FILE *fp, RECORDTEST test, const void *ctx, FILEHIT *hits, int max, int stop) {
  int32_t count = 0;
  if (!fp || !test || fseek(fp, 0, SEEK_SET) != 0 || fread(&count, sizeof count, 1, fp) != 1 || count < 0 ||
      fseek(fp, static_cast<long>(sizeof(int32_t) + sizeof(mprec) * MPPLANETS), SEEK_SET) != 0)
    return -1;
  static mprec block[FINDBLOCK];
  int n = 0, exact = 0;
  int32_t index = MPPLANETS;
  while (index < count && (stop <= 0 || exact < stop)) {
    int got = static_cast<int>(fread(block, sizeof(mprec), FINDBLOCK, fp));
    for (int i = 0; i < got && index < count && (stop <= 0 || exact < stop); i++, index++) {
      mprec &r = block[i];
      r.name[sizeof r.name - 1] = '\0';
      if (!mpplausible(&r)) continue;
      int rank = test(&r, ctx);
      if (rank < 0) continue;
      // The slot: a free one, else the worst kept when this one is better.
      int slot = n < max ? n : -1;
      for (int k = 0; slot < 0 && k < n; k++)
        if (hits[k].rank > rank && (slot < 0 || hits[k].rank > hits[slot].rank)) slot = k;
      if (slot < 0) continue;
      if (slot == n) n++;
      hits[slot].record = index;
      hits[slot].rank = rank;
      hits[slot].r = r;
      if (rank == 0) exact++;
    }
    if (got < FINDBLOCK) break;
  }
  // Replacing the worst leaves the order unsettled: best first, then file order.
  for (int a = 1; a < n; a++)
    for (int b = a; b > 0 && (hits[b - 1].rank > hits[b].rank ||
                              (hits[b - 1].rank == hits[b].rank && hits[b - 1].record > hits[b].record));
         b--) {
      FILEHIT t = hits[b];
      hits[b] = hits[b - 1];
      hits[b - 1] = t;
    }
  return n;
}

int astrecord(FILE *fp, int32_t index, mprec *r) {
  int32_t count = 0;
  if (!fp || index < 0 || fseek(fp, 0, SEEK_SET) != 0 || fread(&count, sizeof count, 1, fp) != 1 ||
      index >= count || fseek(fp, static_cast<long>(sizeof(int32_t) + sizeof(mprec) * (size_t)index), SEEK_SET) != 0 ||
      fread(r, sizeof *r, 1, fp) != 1)
    return -1;
  r->name[sizeof r->name - 1] = '\0';
  return 0;
}

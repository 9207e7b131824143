#include <gtest/gtest.h>

#include <cstring>

#include "base/settings.h"
#include "chart/lookup.h"
#include "chart_fixture.h"
#include "minorplanets/astbin.h"
#include "minorplanets/calcall.h"
#include "ui/findline.h"

// (225088) Gonggong is record 3015 of the shipped database (read from
// data/astdat.bin with Python's struct), on the second page: with the first
// page loaded the find line finds it in the file by number and by name,
// and going there loads the page from 3000 and makes it current.
TEST(FindFile, ObjectOfAnotherPageFoundAndLoaded) {
  startchart();
  dFP[MPMAGLIMIT] = 99.0;
  ASSERT_EQ(ASTreadpage(0), 0);
  calcastall(2461000.5);
  FINDHIT hits[MAXFINDHITS];
  for (const char *q : {"225088", "(225088)", "gonggong", "225088 Gonggong"}) {
    ASSERT_EQ(findbyname(q, hits, MAXFINDHITS), 1) << q;
    EXPECT_EQ(hits[0].kind, FINDFILE) << q;
    EXPECT_EQ(hits[0].index, 3015) << q;
    EXPECT_STREQ(hits[0].name, "225088 Gonggong") << q;
  }
  ASSERT_EQ(gotohit(hits[0]), 0);
  EXPECT_EQ(iAstStart, 3000);
  int i = iNT[MPRECORD];
  ASSERT_GE(i, MPPLANETS);
  EXPECT_EQ(mp[i].number, 225088);
  EXPECT_STREQ(chSTR[MPNAME], "Gonggong");
  // Now on the loaded page: found there, not in the file.
  ASSERT_EQ(findbyname("225088", hits, MAXFINDHITS), 1);
  EXPECT_EQ(hits[0].kind, FINDMINOR);
  EXPECT_EQ(hits[0].index, i);
  EXPECT_EQ(findbyname("no such object zz", hits, MAXFINDHITS), 0);
}

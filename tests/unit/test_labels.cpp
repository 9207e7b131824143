#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "chart/labels.h"

// Labels placed at random points among a few forced ones: every placed
// label is inside the area, beside its point and clear of every earlier
// rectangle (checked pair by pair, not through the bucket grid).
TEST(Labels, PlacedLabelsNeverOverlapAndStayInside) {
  srand(7);
  labelreset(640, 352);
  std::vector<bool> forced;
  int refused = 0;
  for (int k = 0; k < 3000; k++) {
    int w = 8 + rand() % 80, h = 9 + rand() % 4, px = rand() % 640, py = rand() % 352, x, y;
    int before = labelcount;
    if (k % 50 == 0) {
      if (labelforce(px - w / 2, py - h / 2, w, h)) forced.push_back(true);
      continue;
    }
    if (!labelplace(px, py, w, h, 4, &x, &y)) {
      refused++;
      EXPECT_EQ(labelcount, before) << "a refused label reserved nothing";
      continue;
    }
    forced.push_back(false);
    EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= 640 && y + h <= 352);
    EXPECT_TRUE(x <= px + 4 && x + w >= px - 4 && y <= py + 4 && y + h >= py - 4) << "not beside its point";
  }
  ASSERT_EQ((int)forced.size(), labelcount);
  EXPECT_GT(labelcount, 300);
  EXPECT_GT(refused, 300);
  for (int j = 0; j < labelcount; j++) {
    if (forced[j]) continue;
    const LABELBOX &b = labelbox[j];
    for (int i = 0; i < j; i++) {
      const LABELBOX &a = labelbox[i];
      EXPECT_FALSE(a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1) << i << " and " << j << " overlap";
    }
  }
  labelreset(100, 100);
  EXPECT_EQ(labelfree(90, 90, 11, 5), 0) << "past the edge";
  EXPECT_EQ(labelreserve(10, 10, 20, 10), 1);
  EXPECT_EQ(labelfree(29, 19, 5, 5), 0);
  EXPECT_EQ(labelfree(30, 10, 5, 5), 1) << "touching is not overlapping";
}

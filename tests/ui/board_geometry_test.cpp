#include <gtest/gtest.h>
#include <set>
#include "engine/square_names.h"
#include "ui/board_geometry.h"

namespace {

struct Hit {
  int size, x, y;
  int square, xOff, yOff;
};

TEST(BoardGeometry, PointsMapToDarkSquaresWithA1BottomLeft) {
  const Hit hits[] = {
      {380, 70, 213, 12, 23, 23},  // B4 on the main board, 23 pixels into the square
      {380, 0, 379, 0, 0, 47},     // A1 bottom left
      {380, 379, 0, 31, 47, 0},    // H8 top right
      {380, 50, 379, -1, 3, 47},   // B1 is light
      {380, 0, 0, -1, 0, 0},       // A8 is light
      {200, 175, 0, 31, 0, 0},     // H8 on the small board
      {200, 26, 174, 4, 1, 24},    // B2 on the small board
  };
  for (const Hit& h : hits) {
    int xOff = -1, yOff = -1;
    EXPECT_EQ(squareAt(h.size, h.x, h.y, &xOff, &yOff), h.square) << "size " << h.size << " at " << h.x << "," << h.y;
    EXPECT_EQ(xOff, h.xOff) << "size " << h.size << " at " << h.x << "," << h.y;
    EXPECT_EQ(yOff, h.yOff) << "size " << h.size << " at " << h.x << "," << h.y;
  }
}

TEST(BoardGeometry, PointsOutsideTheEightByEightAreaAreNoSquare) {
  const int points[][3] = {{380, 380, 10}, {380, 390, 100}, {380, 10, 380}, {380, -1, 10},
                           {380, 10, -5}, {0, 0, 0},        {200, 200, 200}};
  for (const auto& p : points) EXPECT_EQ(squareAt(p[0], p[1], p[2]), -2) << "size " << p[0] << " at " << p[1] << "," << p[2];
}

TEST(BoardGeometry, EveryDarkSquareCentreFindsItsBitNumber) {
  for (int size : {64, 200, 380, 761}) {
    for (int bit = 0; bit < 32; ++bit) {
      const int rank = bit >> 2, column = 2 * (bit & 3) + (rank & 1);
      const int x = (int)((column + 0.5) * size / 8), y = (int)((7 - rank + 0.5) * size / 8);
      EXPECT_EQ(squareAt(size, x, y), bit) << "size " << size;
    }
  }
}

TEST(BoardGeometry, FramePartsSplitTopWholeThenHalvesLeftBeforeRight) {
  const int size = 380, cell = 47;
  // n = 3: top part across the square, then bottom left and bottom right.
  EXPECT_EQ(alternativeAt(size, 5, 5, 3), 0);
  EXPECT_EQ(alternativeAt(size, 40, 5, 3), 0);
  EXPECT_EQ(alternativeAt(size, 5, 40, 3), 1);
  EXPECT_EQ(alternativeAt(size, 40, 40, 3), 2);
  // n = 2: left and right half over the whole height.
  EXPECT_EQ(alternativeAt(size, 5, 40, 2), 0);
  EXPECT_EQ(alternativeAt(size, 40, 5, 2), 1);
  EXPECT_EQ(alternativeAt(size, 20, 20, 1), 0);
  // The last pixel column and row of a square still name a part that exists.
  for (int n = 1; n <= 8; ++n)
    for (int off : {0, cell - 1, cell, cell + 1}) {
      const int k = alternativeAt(size, off, off, n);
      EXPECT_GE(k, 0) << n << " frames, offset " << off;
      EXPECT_LT(k, n) << n << " frames, offset " << off;
    }
}

TEST(BoardGeometry, DrawnFramePartsAndClickedAlternativesAgree) {
  for (int size : {200, 380}) {
    for (int n = 1; n <= 6; ++n) {
      FramePart parts[MaxFrameParts];
      ASSERT_EQ(frameParts(size, n, parts), n);
      std::set<int> seen;
      for (int i = 0; i < n; ++i) {
        const FramePart& p = parts[i];
        const int k = alternativeAt(size, p.x + p.w / 2, p.y + p.h / 2, n);
        seen.insert(k);
        // Halves of one row: the left one is the earlier alternative.
        if (p.w < size / 8 - 2 && p.x == 0) {
          EXPECT_EQ(k + 1, alternativeAt(size, p.x + p.w + 2, p.y + p.h / 2, n));
        }
      }
      EXPECT_EQ((int)seen.size(), n) << n << " frames on a board of " << size;
    }
  }
}

TEST(BoardGeometry, OneFrameFillsTheSquareTwoSplitItThreeAddATopPart) {
  FramePart parts[MaxFrameParts];
  ASSERT_EQ(frameParts(380, 1, parts), 1);
  EXPECT_EQ(parts[0].x, 1); EXPECT_EQ(parts[0].y, 1); EXPECT_EQ(parts[0].w, 45); EXPECT_EQ(parts[0].h, 45);
  ASSERT_EQ(frameParts(380, 2, parts), 2);
  EXPECT_EQ(parts[0].x, 0); EXPECT_EQ(parts[0].w, 23); EXPECT_EQ(parts[0].h, 47);
  EXPECT_EQ(parts[1].x, 23); EXPECT_EQ(parts[1].w, 24);
  ASSERT_EQ(frameParts(380, 3, parts), 3);
  EXPECT_EQ(parts[0].y, 23); EXPECT_EQ(parts[1].y, 23);  // the halves sit in the bottom row
  EXPECT_EQ(parts[2].y, 1); EXPECT_EQ(parts[2].w, 45);   // the top part spans the square
  EXPECT_EQ(parts[0].colour, 0); EXPECT_EQ(parts[1].colour, 1); EXPECT_EQ(parts[2].colour, 2);
}

}  // namespace

TEST(BoardGeometry, FlippedBoardShowsBlackAtTheBottomAndClicksFollow) {
  // On the turned board H8 sits bottom left and A1 top right; B4 (12) moves to G5 (19).
  const Hit hits[] = {
      {380, 0, 379, 31, 0, 47},  // H8 bottom left
      {380, 379, 0, 0, 47, 0},   // A1 top right
      {380, 70, 213, 19, 23, 23},
      {380, 50, 379, -1, 3, 47},  // still a light square
      {200, 175, 0, 0, 0, 0},
  };
  for (const Hit& h : hits) {
    int xOff = -1, yOff = -1;
    EXPECT_EQ(squareAt(h.size, h.x, h.y, &xOff, &yOff, true), h.square) << "size " << h.size << " at " << h.x << "," << h.y;
    EXPECT_EQ(xOff, h.xOff);
    EXPECT_EQ(yOff, h.yOff);
  }
  EXPECT_EQ(squareAt(380, 390, 10, nullptr, nullptr, true), -2);
  // Every square's cell, seen from the other side, is the cell of the square turned half round.
  for (int size : {200, 380, 761})
    for (int bit = 0; bit < 32; ++bit) {
      const int rank = bit >> 2, column = 2 * (bit & 3) + (rank & 1);
      const int x = (int)((7 - column + 0.5) * size / 8), y = (int)((rank + 0.5) * size / 8);
      EXPECT_EQ(squareAt(size, x, y, nullptr, nullptr, true), bit) << "size " << size;
      EXPECT_EQ(turnedSquare(turnedSquare(bit)), bit);
    }
}

namespace {

TEST(BoardCells, EachSquaresCellFindsTheSquareAgainAtEverySizeAndFlip) {
  for (int size : {64, 224, 344, 761})
    for (bool flipped : {false, true})
      for (int square = 0; square < 32; ++square) {
        const CellBox c = cellBox(size, squareCell(square, flipped));
        EXPECT_EQ(squareAt(size, c.x + c.w / 2, c.y + c.h / 2, nullptr, nullptr, flipped), square)
            << "size " << size << (flipped ? " flipped" : "") << " square " << SquareNames[square];
        // The cell's last pixel is still the square's, the next one is not.
        EXPECT_EQ(squareAt(size, c.x + c.w - 1, c.y + c.h - 1, nullptr, nullptr, flipped), square);
      }
}

TEST(BoardCells, CellsTileTheBoardWithoutGapOrOverlap) {
  for (int size : {64, 100, 344, 761}) {
    int x = 0;
    for (int column = 0; column < 8; ++column) {
      const CellBox c = cellBox(size, {column, column});
      EXPECT_EQ(c.x, x) << "size " << size << " column " << column;
      EXPECT_EQ(c.y, c.x);
      x += c.w;
    }
    EXPECT_EQ(x, size) << "the last cell ends on the board's edge";
  }
}

TEST(BoardCells, CornersAndCoordinatesFollowFlip) {
  struct Case {
    const char* square;
    bool flipped;
    int column, row;
  };
  const Case cases[] = {{"a1", false, 0, 7}, {"h8", false, 7, 0}, {"c3", false, 2, 5},
                        {"a1", true, 7, 0},  {"h8", true, 0, 7},  {"c3", true, 5, 2}};
  for (const Case& c : cases) {
    const Cell cell = squareCell(squareFromName(c.square[0], c.square[1]), c.flipped);
    EXPECT_EQ(cell.column, c.column) << c.square << (c.flipped ? " flipped" : "");
    EXPECT_EQ(cell.row, c.row) << c.square << (c.flipped ? " flipped" : "");
    // The margin names the square's file under its column and its rank beside its row.
    EXPECT_EQ(fileLabel(cell.column, c.flipped), c.square[0]);
    EXPECT_EQ(rankLabel(cell.row, c.flipped), c.square[1]);
  }
}

TEST(BoardCells, ASlideTakesEachLegOfACaptureInTurnInEqualTime) {
  const int route[3] = {squareFromName('c', '3'), squareFromName('e', '5'), squareFromName('c', '7')};
  struct Case {
    double progress;
    bool flipped;
    double column, row;
  };
  const Case cases[] = {
      {0, false, 2.5, 5.5},   {0.25, false, 3.5, 4.5}, {0.5, false, 4.5, 3.5}, {0.75, false, 3.5, 2.5},
      {1, false, 2.5, 1.5},   {1.7, false, 2.5, 1.5},  {-1, false, 2.5, 5.5},  {0.5, true, 3.5, 4.5},
  };
  for (const Case& c : cases) {
    const CellPoint p = routePoint(route, 3, c.progress, c.flipped);
    EXPECT_DOUBLE_EQ(p.column, c.column) << c.progress << (c.flipped ? " flipped" : "");
    EXPECT_DOUBLE_EQ(p.row, c.row) << c.progress << (c.flipped ? " flipped" : "");
  }
  const CellPoint alone = routePoint(route, 1, 0.5, false);
  EXPECT_DOUBLE_EQ(alone.column, 2.5) << "a route of one square stays on it";
}

}  // namespace

// An independent, deliberately plain implementation of the rules on an 8x8
// array, compared with the generator on many random positions. It checks the
// set of moves (the order is pinned by the list tests).
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <set>
#include <tuple>
#include <vector>
#include "engine/fen.h"
#include "engine/movegen.h"

namespace {

enum Cell { Empty, WhiteMan, WhiteKing, BlackMan, BlackKing };

using Result = std::tuple<SquareSet, SquareSet, SquareSet, SquareSet>;  // from, white, black, kings

struct Board {
  Cell cell[8][8] = {};  // [rank][file]; only dark squares (rank + file even) are used
};

bool onBoard(int r, int f) { return r >= 0 && r < 8 && f >= 0 && f < 8; }
SquareSet bitOf(int r, int f) { return SquareSet(1) << (4 * r + f / 2); }
bool isWhite(Cell c) { return c == WhiteMan || c == WhiteKing; }
bool isBlack(Cell c) { return c == BlackMan || c == BlackKing; }

Board boardOf(const Position& p) {
  Board b;
  for (int r = 0; r < 8; ++r)
    for (int f = r % 2; f < 8; f += 2) {
      const SquareSet s = bitOf(r, f);
      const bool king = p.kings & s;
      if (p.white & s) b.cell[r][f] = king ? WhiteKing : WhiteMan;
      if (p.black & s) b.cell[r][f] = king ? BlackKing : BlackMan;
    }
  return b;
}

struct Reference {
  Reference(const Board& board, bool white) : board(board), white(white) {}
  Board board;
  bool white;
  int fromR = 0, fromF = 0;
  bool mine(Cell c) const { return white ? isWhite(c) : isBlack(c); }
  bool theirs(Cell c) const { return white ? isBlack(c) : isWhite(c); }

  // Every capture sequence's end: count, captured squares, landing square.
  std::vector<std::tuple<int, SquareSet, int, int>> ends;

  bool free(int r, int f) const { return onBoard(r, f) && (board.cell[r][f] == Empty || (r == fromR && f == fromF)); }

  void capture(int r, int f, bool king, SquareSet taken, int count) {
    if (count > 0) ends.emplace_back(count, taken, r, f);
    const int dirs[4][2] = {{1, -1}, {1, 1}, {-1, -1}, {-1, 1}};
    for (auto& d : dirs) {
      int cr = r + d[0], cf = f + d[1];
      if (king)
        while (free(cr, cf)) cr += d[0], cf += d[1];
      if (!onBoard(cr, cf) || !theirs(board.cell[cr][cf]) || (taken & bitOf(cr, cf))) continue;
      for (int lr = cr + d[0], lf = cf + d[1]; free(lr, lf); lr += d[0], lf += d[1]) {
        capture(lr, lf, king, taken | bitOf(cr, cf), count + 1);
        if (!king) break;
      }
    }
  }

  std::set<Result> moves(const Position& p) {
    std::vector<std::tuple<int, int, int, SquareSet, int, int>> all;  // count, fromR, fromF, taken, r, f
    std::vector<std::tuple<int, int, int, int>> quiet;
    for (int r = 0; r < 8; ++r)
      for (int f = r % 2; f < 8; f += 2) {
        if (!mine(board.cell[r][f])) continue;
        const bool king = board.cell[r][f] == WhiteKing || board.cell[r][f] == BlackKing;
        fromR = r, fromF = f;
        ends.clear();
        capture(r, f, king, 0, 0);
        for (auto& e : ends) all.emplace_back(std::get<0>(e), r, f, std::get<1>(e), std::get<2>(e), std::get<3>(e));
        const int forward = white ? 1 : -1;
        for (int df : {-1, 1}) {
          if (king) {
            for (int dr : {-1, 1})
              for (int tr = r + dr, tf = f + df; free(tr, tf); tr += dr, tf += df) quiet.emplace_back(r, f, tr, tf);
          } else if (free(r + forward, f + df)) {
            quiet.emplace_back(r, f, r + forward, f + df);
          }
        }
      }
    int most = 0;
    for (auto& a : all) most = std::max(most, std::get<0>(a));
    std::set<Result> out;
    auto add = [&](int fr, int ff, int tr, int tf, SquareSet taken) {
      const SquareSet from = bitOf(fr, ff), to = bitOf(tr, tf);
      SquareSet mover = (white ? p.white : p.black) ^ from ^ to;
      if (from == to) mover = white ? p.white : p.black;
      const SquareSet other = (white ? p.black : p.white) & ~taken;
      const bool wasKing = p.kings & from;
      SquareSet kings = (p.kings & ~taken & ~from) | ((wasKing || (to & (white ? WhiteKingRow : BlackKingRow))) ? to : 0);
      out.emplace(from, white ? mover : other, white ? other : mover, kings);
    };
    if (most > 0) {
      for (auto& a : all)
        if (std::get<0>(a) == most) add(std::get<1>(a), std::get<2>(a), std::get<4>(a), std::get<5>(a), std::get<3>(a));
    } else {
      for (auto& q : quiet) add(std::get<0>(q), std::get<1>(q), std::get<2>(q), std::get<3>(q), 0);
    }
    return out;
  }
};

Position randomPosition(std::mt19937& rng) {
  std::uniform_int_distribution<int> pieces(1, 24), square(0, 31), chance(0, 99);
  SquareSet white = 0, black = 0, kings = 0;
  const int count = pieces(rng);
  const int kingShare = chance(rng);
  for (int i = 0; i < count; ++i) {
    const SquareSet s = SquareSet(1) << square(rng);
    if ((white | black) & s) continue;
    const bool isWhitePiece = chance(rng) < 50;
    const bool king = chance(rng) < kingShare || (isWhitePiece ? (s & WhiteKingRow) : (s & BlackKingRow));
    (isWhitePiece ? white : black) |= s;
    if (king) kings |= s;
  }
  return Position(white, black, kings);
}

}  // namespace

TEST(MoveGeneration, AgreesWithAPlainImplementationOfTheRules) {
  std::mt19937 rng(20261207);
  for (int i = 0; i < 100000; ++i) {
    const Position p = randomPosition(rng);
    for (bool white : {true, false}) {
      MoveRecord records[MoveBufferCapacity];
      const MoveRecord* end = white ? generateWhiteMoves(records, p.white, p.black, p.kings)
                                    : generateBlackMoves(records, p.white, p.black, p.kings);
      std::set<Result> generated;
      for (const MoveRecord* r = records; r != end; ++r) generated.emplace(r->from, r->white, r->black, r->kings);
      ASSERT_EQ(generated.size(), size_t(end - records)) << "a move listed twice in " << writeFen({p.white, p.black, p.kings, white});
      Reference reference(boardOf(p), white);
      ASSERT_EQ(generated, reference.moves(p)) << writeFen({p.white, p.black, p.kings, white});
    }
  }
}

TEST(MoveGeneration, CountingTheMovesGivesTheLengthOfTheList) {
  std::mt19937 rng(20261208);
  for (int i = 0; i < 100000; ++i) {
    const Position p = randomPosition(rng);
    MoveRecord records[MoveBufferCapacity];
    ASSERT_EQ(countMoves<true>(p.white, p.black, p.kings), generateWhiteMoves(records, p.white, p.black, p.kings) - records)
        << writeFen({p.white, p.black, p.kings, true});
    ASSERT_EQ(countMoves<false>(p.white, p.black, p.kings), generateBlackMoves(records, p.white, p.black, p.kings) - records)
        << writeFen({p.white, p.black, p.kings, false});
  }
}

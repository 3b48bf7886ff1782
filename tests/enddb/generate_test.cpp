#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "enddb/database.h"
#include "enddb/generate.h"
#include "engine/fen.h"
#include "engine/movegen.h"
#include "tests/enddb/recorded_progress.h"
#include "tests/engine/squares.h"

namespace {

std::string fenOf(SquareSet mover, SquareSet opponent, SquareSet kings) {
  return writeFen(Position(mover, opponent, kings));
}

// A man standing where it would already have been crowned.
bool impossible(SquareSet mover, SquareSet opponent, SquareSet kings) {
  return (mover & ~kings & 0xF0000000) || (opponent & ~kings & 0x0000000F);
}

uint8_t valueOf(const EndgameDatabase& db, SquareSet mover, SquareSet opponent, SquareSet kings) {
  uint32_t n;
  const uint32_t index = indexOf(mover | opponent, mover, kings, n);
  return n >= 1 && n <= db.tablesHeld() ? db.table(n)[index] : 0xFF;
}

// Win/loss/draw of every position of up to `pieces` pieces by plain repeated
// minimax over the whole game graph, without classes or distances.
std::vector<std::vector<uint8_t>> solveStatuses(uint32_t pieces) {
  std::vector<std::vector<uint8_t>> status(pieces + 1);
  for (uint32_t n = 1; n <= pieces; ++n) status[n].assign(tableSize(n), StatusUndecided);
  MoveRecord moves[MoveBufferCapacity];
  bool changed = true;
  while (changed) {
    changed = false;
    for (uint32_t n = 1; n <= pieces; ++n)
      for (uint32_t index = 0; index < tableSize(n); ++index) {
        if (status[n][index] != StatusUndecided) continue;
        SquareSet mover, kings;
        const SquareSet occupied = setsFromIndex(index, n, mover, kings);
        const SquareSet opponent = occupied & ~mover;
        uint8_t result = StatusUndecided;
        if (mover == 0) {
          result = StatusLoss;
        } else if (opponent == 0) {
          result = StatusWin;
        } else if (impossible(mover, opponent, kings)) {
          result = StatusDraw;
        } else {
          const MoveRecord* end = generateWhiteMoves(moves, mover, opponent, kings);
          bool allWon = true;
          for (const MoveRecord* m = moves; m != end; ++m) {
            uint32_t after;
            const uint32_t next = indexOf(reverseSquares(m->white | m->black), reverseSquares(m->black),
                                          reverseSquares(m->kings), after);
            const uint8_t s = status[after][next];
            if (s == StatusLoss) result = StatusWin;
            if (s != StatusWin) allWon = false;
          }
          if (result == StatusUndecided && allWon) result = StatusLoss;
        }
        if (result != StatusUndecided) {
          status[n][index] = result;
          changed = true;
        }
      }
  }
  for (uint32_t n = 1; n <= pieces; ++n)
    for (uint8_t& s : status[n])
      if (s == StatusUndecided) s = StatusDraw;
  return status;
}

}  // namespace

TEST(DatabaseGeneration, StatusesUpToThreePiecesMatchPlainMinimax) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  const auto expected = solveStatuses(3);
  for (uint32_t n = 1; n <= 3; ++n)
    for (uint32_t index = 0; index < tableSize(n); ++index) {
      SquareSet mover, kings;
      const SquareSet occupied = setsFromIndex(index, n, mover, kings);
      ASSERT_EQ(db.table(n)[index] & StatusMask, expected[n][index])
          << fenOf(mover, occupied & ~mover, kings) << " (index " << index << ")";
    }
}

TEST(DatabaseGeneration, EveryEntryIsDecidedWithAMoveOfItsList) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  MoveRecord moves[MoveBufferCapacity];
  for (uint32_t n = 1; n <= 3; ++n)
    for (uint32_t index = 0; index < tableSize(n); ++index) {
      SquareSet mover, kings;
      const SquareSet occupied = setsFromIndex(index, n, mover, kings);
      const SquareSet opponent = occupied & ~mover;
      const uint8_t value = db.table(n)[index];
      ASSERT_NE(value & StatusMask, StatusUndecided) << fenOf(mover, opponent, kings);
      const int count = mover && opponent ? int(generateWhiteMoves(moves, mover, opponent, kings) - moves) : 0;
      if ((value & StatusMask) == StatusDraw || count == 0)
        ASSERT_EQ(value & MoveNumberMask, 0) << fenOf(mover, opponent, kings);
      else
        ASSERT_LT(value & MoveNumberMask, count) << fenOf(mover, opponent, kings);
    }
}

TEST(DatabaseGeneration, OnePieceTablesComeFromWhoHoldsThePiece) {
  EndgameDatabase db;
  RecordedProgress progress;
  ASSERT_TRUE(db.build(1, &progress));
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"start 1", "table 1", "tables", "finished"}))
      << "no class has pieces on both sides";
  for (uint32_t index = 0; index < tableSize(1); ++index)
    EXPECT_EQ(db.table(1)[index], (index & 1) ? StatusWin : StatusLoss) << "index " << index;
}

// Tables set up in order, then per class: started, resolve cycles (the last,
// unchanged one included), the close step, refine cycles, solved; finished last.
TEST(DatabaseGeneration, ProgressArrivesInOrderWithFractionsRisingToOne) {
  const struct {
    uint32_t pieces;
    size_t classes;
  } cases[] = {{2, 3}, {3, 3 + 6}, {4, 3 + 6 + 8 + 6}};  // 1v1, 1v2, 1v3, 2v2 with their kings
  for (const auto& c : cases) {
    EndgameDatabase db;
    RecordedProgress progress;
    ASSERT_TRUE(db.build(c.pieces, &progress));
    const std::vector<std::string>& calls = progress.calls;
    ASSERT_GE(calls.size(), c.pieces + 3);
    EXPECT_EQ(calls[0], "start " + std::to_string(c.pieces));
    for (uint32_t n = 1; n <= c.pieces; ++n) EXPECT_EQ(calls[n], "table " + std::to_string(n));
    EXPECT_EQ(calls[c.pieces + 1], "tables");
    EXPECT_EQ(calls.back(), "finished");
    size_t at = c.pieces + 2, classes = 0;
    while (at < calls.size() - 1) {
      ASSERT_EQ(calls[at].rfind("class ", 0), 0u) << c.pieces << " pieces, call " << at << ": " << calls[at];
      const std::string material = calls[at].substr(6);
      size_t cycles = 0;
      for (++at; calls[at] == "."; ++at) ++cycles;
      EXPECT_GE(cycles, 1u) << material;
      ASSERT_EQ(calls[at++], "resolved") << material;
      ASSERT_EQ(calls[at++], "closed") << material;
      for (cycles = 0; calls[at] == "."; ++at) ++cycles;
      EXPECT_GE(cycles, 1u) << material;
      ASSERT_EQ(calls[at++], "solved " + material);
      ++classes;
    }
    EXPECT_EQ(classes, c.classes) << c.pieces << " pieces";
    ASSERT_EQ(progress.fractions.size(), classes);
    for (size_t i = 1; i < classes; ++i) EXPECT_GT(progress.fractions[i], progress.fractions[i - 1]) << i;
    EXPECT_GT(progress.fractions.front(), 0.0);
    EXPECT_NEAR(progress.fractions.back(), 1.0, 1e-12) << c.pieces << " pieces";
  }
}

TEST(DatabaseGeneration, BuildingNoMoreThanHeldComputesNothing) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  RecordedProgress progress;
  EXPECT_TRUE(db.build(3, &progress));
  EXPECT_TRUE(db.build(2, &progress));
  EXPECT_TRUE(progress.calls.empty());
  EXPECT_EQ(db.pieceCount, 2u);
  EXPECT_EQ(db.tablesHeld(), 2u) << "the 3-piece table is freed";
}

struct ValueCase {
  const char* mover;  // squares of the side to move, seen as White
  const char* opponent;
  const char* kings;
  uint8_t value;
  const char* rule;
};

TEST(DatabaseGeneration, DecidedPositionsHoldTheirValueAndMove) {
  EndgameDatabase db;
  ASSERT_TRUE(db.build(3));
  const ValueCase cases[] = {
      {"H2", "G3 F4", "", StatusLoss, "a man blocked by the opponent has no move: loss, move 0"},
      {"A1", "B2 C3", "", StatusLoss, "a man that cannot step or jump has no move"},
      {"H8", "A1", "A1", StatusDraw, "a mover man on its crowning row cannot occur"},
      {"C3", "G1", "", StatusDraw, "an opponent man on its crowning row cannot occur"},
      {"H8", "", "", StatusWin, "a side without pieces has lost, even beside an impossible man"},
      {"", "C1", "", StatusLoss, "the mover without pieces has lost"},
  };
  for (const ValueCase& c : cases) {
    const SquareSet mover = squares(c.mover), opponent = squares(c.opponent), kings = squares(c.kings);
    EXPECT_EQ(valueOf(db, mover, opponent, kings), c.value) << fenOf(mover, opponent, kings) << ": " << c.rule;
  }
}

TEST(DatabaseGeneration, CrowningLeadsIntoAFinishedClass) {
  // White's man on G7 crowns on its next step; Black's lone man on A5 then faces a king.
  EndgameDatabase db;
  ASSERT_TRUE(db.build(2));
  const SquareSet white = squares("G7"), black = squares("A5");
  const uint8_t value = valueOf(db, white, black, 0);
  EXPECT_NE(value & StatusMask, StatusUndecided);
  MoveRecord moves[MoveBufferCapacity];
  const MoveRecord* end = generateWhiteMoves(moves, white, black, 0);
  ASSERT_LT(value & MoveNumberMask, end - moves);
  EXPECT_EQ(value & StatusMask, StatusWin) << fenOf(white, black, 0) << ": a king catches the lone man";
}

TEST(HasLegalMove, AgreesWithTheMoveGeneratorUpToThreePieces) {
  MoveRecord moves[MoveBufferCapacity];
  for (uint32_t n = 1; n <= 3; ++n)
    for (uint32_t index = 0; index < tableSize(n); ++index) {
      SquareSet mover, kings;
      const SquareSet occupied = setsFromIndex(index, n, mover, kings);
      const SquareSet opponent = occupied & ~mover;
      const bool expected = generateWhiteMoves(moves, mover, opponent, kings) != moves;
      ASSERT_EQ(hasLegalMove(mover, opponent, kings), expected) << fenOf(mover, opponent, kings);
    }
}

// Checks that every probe of a database agrees with the probes after its move.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include "enddb/database.h"
#include "engine/fen.h"
#include "engine/movegen.h"

inline uint8_t probe(const EndgameDatabase& db, Position& position, SquareSet& from, bool whiteToMove) {
  return whiteToMove ? db.probeWhiteToMove(position.white, position.black, position.kings, from)
                     : db.probeBlackToMove(position.white, position.black, position.kings, from);
}

// A win hands back a position lost for the other side and a loss one won for
// it; a draw has a move that keeps the draw.
inline void expectConsistentProbes(const EndgameDatabase& db, uint32_t pieces) {
  MoveRecord moves[MoveBufferCapacity];
  for (uint32_t n = 2; n <= pieces; ++n)
    for (uint32_t index = 0; index < tableSize(n); ++index) {
      SquareSet mover, kings;
      const SquareSet occupied = setsFromIndex(index, n, mover, kings);
      const SquareSet opponent = occupied & ~mover;
      if (mover == 0 || opponent == 0 || (mover & ~kings & 0xF0000000) || (opponent & ~kings & 0x0000000F)) continue;
      if (generateWhiteMoves(moves, mover, opponent, kings) == moves) continue;
      for (bool whiteToMove : {true, false}) {
        // The same arrangement with Black to move is the board turned round.
        const Position before = whiteToMove ? Position(mover, opponent, kings)
                                            : Position(reverseSquares(opponent), reverseSquares(mover),
                                                       reverseSquares(kings));
        Position after = before;
        SquareSet from = 0;
        const uint8_t status = probe(db, after, from, whiteToMove);
        const std::string fen = writeFen({before.white, before.black, before.kings, whiteToMove});
        ASSERT_NE(status, 0) << fen;
        ASSERT_EQ(status, db.statusOf(before.white, before.black, before.kings, whiteToMove)) << fen;
        if (status == StatusDraw) {
          ASSERT_EQ(after, before) << fen;
          const MoveRecord* end = whiteToMove ? generateWhiteMoves(moves, before.white, before.black, before.kings)
                                              : generateBlackMoves(moves, before.white, before.black, before.kings);
          bool keepsDraw = false;
          for (const MoveRecord* m = moves; m != end; ++m)
            keepsDraw |= db.statusOf(m->white, m->black, m->kings, !whiteToMove) == StatusDraw;
          ASSERT_TRUE(keepsDraw) << fen << ": a draw with no drawing move";
          continue;
        }
        ASSERT_NE(from & (whiteToMove ? before.white : before.black), 0u) << fen << ": the move starts on own piece";
        const uint8_t expected = status == StatusWin ? StatusLoss : StatusWin;
        ASSERT_EQ(db.statusOf(after.white, after.black, after.kings, !whiteToMove), expected)
            << fen << " is a " << statusWord(status) << " but its database move leads to " << writeFen({after.white, after.black, after.kings, !whiteToMove});
        Position next = after;
        const uint8_t reply = probe(db, next, from, !whiteToMove);
        // A side left without pieces or moves has lost and has no move to hand back.
        if (reply != 0) {
          ASSERT_EQ(reply, expected) << writeFen({after.white, after.black, after.kings, !whiteToMove});
        }
      }
    }
}


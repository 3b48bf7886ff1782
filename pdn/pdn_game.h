// A saved game as plain data: its tags, where it started, its moves with the notes written
// after them, and its result.
#pragma once
#include <string>
#include <vector>
#include "engine/movelist.h"

enum class PdnResult { WhiteWins, BlackWins, Draw, Unfinished };

struct PdnTag {
  std::string name;
  std::string value;
};

// What a file writes between moves, each as it was written: a comment "{...}", a rest-of-line
// comment ";...", a NAG "$3", a mark "!?" or a variation "(...)" with all it holds.
using PdnNotes = std::vector<std::string>;

// A line of moves with the notes written after them and their side lines: a game's main line,
// or a side line played instead of one of the moves of its line, from the position before
// that move (a side line has at least one move).
struct PdnLine {
  PdnNotes openingNotes;            // before the first move
  std::vector<Move> moves;          // each one legal in the position the ones before it leave
  std::vector<PdnNotes> moveNotes;  // moveNotes[i] follow moves[i]; it may be shorter than moves
  // variations[i]: side lines instead of moves[i], written after its notes; it may be shorter.
  std::vector<std::vector<PdnLine>> variations;

  // The notes after move `index`, none where the file wrote none.
  const PdnNotes& notesAfter(size_t index) const;
  // The side lines instead of move `index`, none where the file has none.
  const std::vector<PdnLine>& variationsAt(size_t index) const;
};

struct PdnGame : PdnLine {
  std::vector<PdnTag> tags;          // in file order
  Position start = InitialPosition;  // with its side to move
  PdnResult result = PdnResult::Unfinished;

  // The value of the first tag of that name, or `absent`.
  std::string tag(const std::string& name, const std::string& absent = "") const;
  bool hasTag(const std::string& name) const;
  // Replaces the first tag of that name, or adds one at the end.
  void setTag(const std::string& name, const std::string& value);
  void removeTag(const std::string& name);
  bool isSetUp() const { return start != InitialPosition; }
  Position finalPosition() const { return moves.empty() ? start : moves.back().after; }
};

const char* resultText(PdnResult result);  // "1-0", "0-1", "1/2-1/2", "*"

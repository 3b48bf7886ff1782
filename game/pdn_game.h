// A saved game as plain data: its tags, where it started, its moves and its result.
#pragma once
#include <string>
#include <vector>
#include "engine/movelist.h"

enum class PdnResult { WhiteWins, BlackWins, Draw, Unfinished };

struct PdnTag {
  std::string name;
  std::string value;
};

struct PdnGame {
  std::vector<PdnTag> tags;          // in file order
  Position start = InitialPosition;  // with its side to move
  std::vector<Move> moves;           // each one legal in the position the ones before it leave
  PdnResult result = PdnResult::Unfinished;

  // The value of the first tag of that name, or `absent`.
  std::string tag(const std::string& name, const std::string& absent = "") const;
  // Replaces the first tag of that name, or adds one at the end.
  void setTag(const std::string& name, const std::string& value);
  bool isSetUp() const { return start != InitialPosition; }
  Position finalPosition() const { return moves.empty() ? start : moves.back().after; }
};

const char* resultText(PdnResult result);  // "1-0", "0-1", "1/2-1/2", "*"

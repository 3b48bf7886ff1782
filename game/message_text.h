// The words of the log's lines and the history's rows, without markup: the window adds its
// piece symbols, bold and colours, and the engine tool prints them as they are.
#pragma once
#include <string>
#include "engine/draw_rules.h"
#include "game/history_entry.h"
#include "player/message_log.h"

// What the words call each side, such as the window's piece symbols.
struct SideNames {
  const char* white;
  const char* black;
  const char* of(bool isWhite) const { return isWhite ? white : black; }
};

// A search value in hundredths of a man as the evaluation that judged it counts: whole men
// for the material count, else "1.25" (a proven result as "win" or "loss").
std::string evaluationText(Score eval, Evaluation evaluation);

// The words after the side's name: "C3-D4 (eval 0, time 1.02s, depth 13)", "C3xE5 - forced move",
// "offered draw but <black> refused."; an event's or a result's text as it is.
std::string lineWords(const LogLine& line, const SideNames& names);
// The whole line: the side's name, two spaces and the words; a text line alone. A computer's
// book, database or searched move at a level other than classic names the level after the
// side: "<white> (strong)  C3-D4 (opening book move)".
std::string lineText(const LogLine& line, const SideNames& names);
// "1 move", "2 moves": a count of whole moves, each side's move counted together.
std::string movesText(int moves);
// Whole moves in a run of plies: a White and a Black move make one, and a lone ply left
// over counts as a whole move, since the player has still taken back or replayed a move.
int wholeMoves(int plies);
// What a take back or a replay of `plies` says in the log: "Took back 1 move.".
std::string takeBackText(int plies);
std::string replayText(int plies);
// The question put to the side asked to accept a draw, naming both sides as the status
// line does: "White offers a draw. Does Black accept?".
std::string drawQuestionText(bool offeredByWhite);

// A history row: the move and, once analysed, "(evaluation: 3)", "(win)" or "(lose)".
std::string entryWords(const HistoryEntry& entry);

// The reason a draw rule ended the game: "Draw: the same position for the third time."
std::string drawRuleReasonText(DrawRule rule);
// A running count as the status line shows it: "Kings only: 12 of 20 moves."; empty for NoRule.
std::string drawCountText(const DrawState& state);

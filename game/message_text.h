// The words of the log's lines and the history's rows, without markup: the window adds its
// piece symbols, bold and colours, and the engine tool prints them as they are.
#pragma once
#include <string>
#include "game/history_entry.h"
#include "game/message_log.h"

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
// A history row: the move and, once analysed, "(evaluation: 3)", "(win)" or "(lose)".
std::string entryWords(const HistoryEntry& entry);

// Analysis lines as text: values in men with two decimals and a sign, exact results as
// "win in N", moves in the game's notation. The plain English is for files and the engine
// tool; shownEvaluation() is the same for a person, through the translation marks.
#pragma once
#include <string>
#include <vector>
#include "engine/movelist.h"
#include "search/multi_line.h"

// valueText (pdn/review_notes.h), or "win in N" / "loss in N" for an exact result.
std::string evaluationText(const AnalysisLine& line);
// evaluationText as a person reads it, translated.
std::string shownEvaluation(const AnalysisLine& line);
// "c3-d4 f6-e5 ...", each move written in the position it is played from.
std::string movesText(const Position& root, const std::vector<Move>& moves);
// "1 +0.45 12 c3-d4 f6-e5": rank, evaluation, depth, moves.
std::string analysisLineText(int rank, const Position& root, const AnalysisLine& line);

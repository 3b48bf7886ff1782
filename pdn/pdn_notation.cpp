#include "pdn/pdn_notation.h"
#include "i18n/translate.h"
#include <cctype>
#include <vector>
#include "engine/fen.h"
#include "pdn/capture_route.h"

namespace {

bool isFileLetter(char c) { return (c >= 'a' && c <= 'h') || (c >= 'A' && c <= 'H'); }

std::string shown(const std::string& text) { return text.size() > 24 ? text.substr(0, 24) + "..." : text; }

// One square of a move: "c3", "C3" or 1..32. Moves `at` past it; -1 with a reason on failure.
int readSquare(const std::string& text, size_t& at, std::string& error) {
  if (at + 1 < text.size() && isFileLetter(text[at]) && std::isdigit((unsigned char)text[at + 1])) {
    const int square = squareFromName(text[at], text[at + 1]);
    if (square < 0) error = formatText(_("%s is not a dark square of the board"), text.substr(at, 2).c_str());
    at += 2;
    return square;
  }
  int number = 0, digits = 0;
  while (at < text.size() && std::isdigit((unsigned char)text[at]) && digits < 3) {
    number = number * 10 + (text[at++] - '0');
    ++digits;
  }
  if (digits == 0 || number < 1 || number > 32) {
    error = formatText(_("%s is not a move"), shown(text).c_str());
    return -1;
  }
  return squareFromPdn(number);
}

bool readSquares(const std::string& text, std::vector<int>& squares, std::string& error) {
  size_t at = 0;
  for (;;) {
    const int square = readSquare(text, at, error);
    if (square < 0) return false;
    squares.push_back(square);
    if (at == text.size()) break;
    const char separator = text[at++];
    if (separator != '-' && separator != 'x' && separator != 'X') {
      error = formatText(_("%s is not a move"), shown(text).c_str());
      return false;
    }
  }
  if (squares.size() < 2) {
    error = formatText(_("%s is not a move"), shown(text).c_str());
    return false;
  }
  return true;
}

// Old files write numeric moves without a separator, "1118" for 11-18 and "918" for
// 9-18; three digits may split two ways, and each way is tried.
bool readWithoutSeparator(const std::string& text, std::vector<std::vector<int>>& readings) {
  if (text.size() < 3 || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  readings.clear();
  for (size_t split = 1; split < text.size(); ++split) {
    const int from = std::stoi(text.substr(0, split)), to = std::stoi(text.substr(split));
    if (text[split] != '0' && from >= 1 && from <= 32 && to >= 1 && to <= 32)
      readings.push_back({squareFromPdn(from), squareFromPdn(to)});
  }
  return !readings.empty();
}

}  // namespace

std::string moveText(const Position& before, const Move& move) {
  const int from = squareIndex(move.from), to = squareIndex(move.to);
  if (!move.captured) return squareName(from) + "-" + squareName(to);
  bool shared = false;
  for (const Move& other : MoveList(before))
    shared |= other.from == move.from && other.to == move.to && other.captured != move.captured;
  if (!shared) return squareName(from) + "x" + squareName(to);
  std::string text;
  for (int square : captureRoute(before, move.captured, {from, to}))
    text += (text.empty() ? "" : "x") + squareName(square);
  return text;
}

bool readMoveText(const std::string& text, const Position& before, Move& move, std::string& error) {
  std::vector<std::vector<int>> readings(1);
  if (!readSquares(text, readings[0], error) && !readWithoutSeparator(text, readings)) return false;
  int fits = 0;
  for (const Move& candidate : MoveList(before)) {
    for (const std::vector<int>& squares : readings) {
      if (squareIndex(candidate.from) != squares.front() || squareIndex(candidate.to) != squares.back()) continue;
      if (squares.size() > 2 && (!candidate.captured || captureRoute(before, candidate.captured, squares).empty()))
        continue;
      move = candidate;
      ++fits;
    }
  }
  if (fits == 1) return true;
  error = formatText(fits == 0 ? _("illegal move %s")
                               : _("ambiguous move %s: several captures fit; every landing square is needed"),
                     shown(text).c_str());
  return false;
}

bool readAnyFen(const std::string& text, Position& position, std::string& error) {
  std::string numeric;
  bool itemStart = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (std::isspace((unsigned char)c)) continue;
    if (c == ':' && i + 1 < text.size()) {
      numeric += c;
      numeric += text[++i];  // the colour of the list
      itemStart = true;
    } else if (itemStart && (c == 'K' || c == 'k')) {
      numeric += 'K';
    } else if (itemStart && isFileLetter(c) && i + 1 < text.size() && std::isdigit((unsigned char)text[i + 1]) &&
               (i + 2 == text.size() || !std::isdigit((unsigned char)text[i + 2]))) {
      const int square = squareFromName(c, text[i + 1]);
      if (square < 0) {
        error = formatText(_("bad FEN: %s is not a dark square of the board"), text.substr(i, 2).c_str());
        return false;
      }
      numeric += std::to_string(pdnFromSquare(square));
      ++i;
      itemStart = false;
    } else {
      numeric += c;
      itemStart = c == ',' || c == '-';
    }
  }
  return parseFen(numeric, position, error);
}

#include "tools/match/match_openings.h"
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include "engine/movelist.h"
#include "pdn/pdn_notation.h"
#include "game/setup_check.h"

namespace {

constexpr const char* OpeningsName = "openings.txt";

std::string withoutComment(const std::string& line) {
  std::string text = line.substr(0, line.find('#'));
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "12." and "12..." before a move, as saved games number their moves.
std::string withoutMoveNumber(const std::string& token) {
  size_t digits = 0;
  while (digits < token.size() && std::isdigit((unsigned char)token[digits])) ++digits;
  size_t dots = digits;
  while (dots < token.size() && token[dots] == '.') ++dots;
  return digits > 0 && dots > digits ? token.substr(dots) : token;
}

bool readFenLine(const std::string& text, Opening& opening, std::string& error) {
  if (!readAnyFen(text, opening.start, error)) return false;
  error = setUpFault(opening.start);
  if (!error.empty()) return false;
  opening.plies = -1;
  return true;
}

bool readMoveLine(const std::string& text, Opening& opening, std::string& error) {
  Position position = InitialPosition;
  int plies = 0;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const std::string move = withoutMoveNumber(word);
    if (move.empty()) continue;
    Move played;
    if (!readMoveText(move, position, played, error)) {
      error = "after " + std::to_string(plies) + " plies: " + error;
      return false;
    }
    position = played.after;
    ++plies;
  }
  if (plies == 0) {
    error = "no move";
    return false;
  }
  opening.start = position;
  opening.plies = plies;
  return true;
}

bool isFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

bool readOpeningLine(const std::string& line, Opening& opening, std::string& error) {
  const std::string text = withoutComment(line);
  if (text.empty()) {
    error = "no opening on the line";
    return false;
  }
  const bool read = text.find(':') != std::string::npos ? readFenLine(text, opening, error)
                                                         : readMoveLine(text, opening, error);
  if (!read) return false;
  if (MoveList(opening.start).size() == 0) {
    error = "the side to move has no move";
    return false;
  }
  return true;
}

bool readOpeningsFile(const std::string& path, std::vector<Opening>& openings, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = path + ": cannot be read";
    return false;
  }
  openings.clear();
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (withoutComment(line).empty()) continue;
    Opening opening;
    if (!readOpeningLine(line, opening, error)) {
      error = path + ":" + std::to_string(number) + ": " + error;
      return false;
    }
    opening.line = number;
    openings.push_back(opening);
  }
  if (in.bad()) {
    error = path + ": cannot be read";
    return false;
  }
  if (openings.empty()) {
    error = path + ": no opening in the file";
    return false;
  }
  return true;
}

std::string defaultOpeningsFile(const FileEnvironment& environment) {
  namespace fs = std::filesystem;
  std::vector<fs::path> candidates;
  for (const std::string& folder : installedFolders(environment)) candidates.push_back(fs::path(folder) / OpeningsName);
#ifdef TARVENN_SOURCE_BOOK
  // An installed program reads the copy installed beside it; a build reads the source tree's.
  const auto sourceTreePlace = candidates.begin() + (environment.programFolder.empty() ? 0 : 1);
  candidates.insert(sourceTreePlace, fs::path(TARVENN_SOURCE_BOOK) / OpeningsName);
#endif
  for (const fs::path& candidate : candidates)
    if (isFile(candidate)) return candidate.lexically_normal().string();
  return "";
}

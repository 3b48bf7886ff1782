#include "pdn/pdn_writer.h"
#include "i18n/translate.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include "engine/fen.h"
#include "files/atomic_file.h"
#include "pdn/pdn_notation.h"

namespace {

constexpr size_t LineLimit = 79;
const char* const ArchivalTags[] = {"Event", "Site", "Date", "Round", "White", "Black"};
const char* const WrittenTags[] = {"Event", "Site", "Date", "Round", "White", "Black", "Result", "GameType", "SetUp",
                                   "FEN"};

std::string tagLine(const std::string& name, const std::string& value) {
  return "[" + name + " " + pdnQuoted(value) + "]\n";
}

bool writtenAnyway(const std::string& name) {
  for (const char* tag : WrittenTags)
    if (name == tag) return true;
  return false;
}

// Tokens separated by spaces, broken into lines that stay under the limit. A note may span
// lines as its file wrote it; a rest-of-line comment ends its line.
class Lines {
public:
  void add(const std::string& token) {
    const size_t firstLine = std::min(token.find('\n'), token.size());
    if (column > 0) {
      const bool fits = column + 1 + firstLine <= LineLimit;
      text += fits ? ' ' : '\n';
      column = fits ? column + 1 : 0;
    }
    text += token;
    const size_t lastBreak = token.rfind('\n');
    column = lastBreak == std::string::npos ? column + token.size() : token.size() - lastBreak - 1;
    if (!token.empty() && token[0] == ';') {
      text += '\n';
      column = 0;
    }
  }
  // Adds `closing` to the last token, without a space: a variation's ")".
  void glue(const std::string& closing) {
    text += closing;
    column += closing.size();
  }
  std::string finish() { return column > 0 ? text + '\n' : text; }

private:
  std::string text;
  size_t column = 0;
};

bool isMark(const std::string& note) { return !note.empty() && (note[0] == '!' || note[0] == '?'); }

// Comments and variations stand between a move and the next; NAGs and marks belong to the move.
bool interrupts(const PdnNotes& notes) {
  for (const std::string& note : notes)
    if (!note.empty() && (note[0] == '{' || note[0] == '(' || note[0] == ';')) return true;
  return false;
}

// The moves from `position` with their numbers, marks, notes and side lines; `ply` counts the
// half-moves before the first one, from the game's first White move. A side line is written in
// parentheses, its first move numbered.
void addLine(Lines& out, Position position, int ply, const PdnLine& line, bool sideLine) {
  std::string prefix = sideLine ? "(" : "";
  for (const std::string& note : line.openingNotes)
    if (!note.empty()) {
      out.add(prefix + note);
      prefix.clear();
    }
  bool numbered = true;  // Black's first move carries its number too: "1... f6-e5"
  for (size_t i = 0; i < line.moves.size(); ++i) {
    const int number = 1 + (ply + (int)i) / 2;
    std::string token = prefix + (position.whiteToMove ? std::to_string(number) + ". "
                                  : numbered           ? std::to_string(number) + "... "
                                                       : "");
    prefix.clear();
    token += moveText(position, line.moves[i]);
    for (const std::string& note : line.notesAfter(i))
      if (isMark(note)) token += note;  // "c3-d4!?"
    out.add(token);
    for (const std::string& note : line.notesAfter(i))
      if (!isMark(note) && !note.empty()) out.add(note);
    for (const PdnLine& variation : line.variationsAt(i)) addLine(out, position, ply + (int)i, variation, true);
    // One after a comment or a side line carries its number again.
    numbered = interrupts(line.notesAfter(i)) || !line.variationsAt(i).empty();
    position = line.moves[i].after;
  }
  if (sideLine) out.glue(")");
}

// The file's own FEN when it names the game's start, so that it is kept as written.
bool keepsItsFen(const PdnGame& game) {
  const std::string fen = game.tag("FEN");
  Position position;
  std::string error;
  return !fen.empty() && readAnyFen(fen, position, error) && position == game.start;
}

// A file that someone cut off mid-line gets its line ended, so the tags start a line.
bool endsMidLine(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || !in.seekg(-1, std::ios::end)) return false;
  return in.get() != '\n';
}

}  // namespace

std::string pdnText(const PdnGame& game) {
  std::string out;
  for (const char* name : ArchivalTags)
    out += tagLine(name, game.tag(name, std::strcmp(name, "Date") == 0 ? "????.??.??" : "?"));
  out += tagLine("Result", resultText(game.result));
  // The reader took a game type only when it is Brazilian draughts: an opened game keeps its own.
  out += tagLine("GameType", game.tag("GameType", "26,W,8,8,A0,0"));
  const bool ownFen = keepsItsFen(game);
  if (game.isSetUp() || ownFen) {
    out += tagLine("SetUp", "1");
    out += tagLine("FEN", ownFen ? game.tag("FEN") : writeFen(game.start));
  }
  for (const PdnTag& tag : game.tags)
    if (!writtenAnyway(tag.name)) out += tagLine(tag.name, tag.value);
  out += '\n';

  Lines moves;
  addLine(moves, game.start, game.start.whiteToMove ? 0 : 1, game, false);
  moves.add(resultText(game.result));
  return out + moves.finish() + '\n';
}

std::string pdnQuoted(const std::string& value) {
  std::string out = "\"";
  for (char c : value) {
    if (c == '"' || c == '\\') out += '\\';
    out += (unsigned char)c < 0x20 || c == 0x7F ? ' ' : c;  // a tag stays on its line
  }
  return out + '"';
}

std::string pdnDate(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y.%m.%d", &local);
  return text;
}

bool appendPdnGame(const std::string& path, const PdnGame& game, std::string& error) {
  const bool separate = endsMidLine(path);
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (out) out << (separate ? "\n\n" : "") << pdnText(game) << std::flush;
  if (!out) {
    error = formatText(_("cannot write %s: %s"), path.c_str(), std::strerror(errno));
    return false;
  }
  return true;
}

bool savePdnGames(const std::string& path, const std::vector<PdnGame>& games, std::string& error) {
  std::string text;
  for (const PdnGame& game : games) text += pdnText(game);
  return writeFileAtomically(path, text, error);
}

#include "pdn/pdn_reader.h"
#include "i18n/translate.h"
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include "pdn/pdn_notation.h"

namespace {

constexpr std::streamoff LargestFile = 64 << 20;  // far beyond any collection of games

std::string shown(const std::string& text) { return text.size() > 24 ? text.substr(0, 24) + "..." : text; }

bool readResult(const std::string& word, PdnResult& result) {
  static const struct {
    const char* text;
    PdnResult result;
  } Results[] = {{"1-0", PdnResult::WhiteWins}, {"2-0", PdnResult::WhiteWins}, {"0-1", PdnResult::BlackWins},
                 {"0-2", PdnResult::BlackWins}, {"1/2-1/2", PdnResult::Draw},  {"1-1", PdnResult::Draw}};
  for (const auto& r : Results)
    if (word == r.text) {
      result = r.result;
      return true;
    }
  return false;
}

// "26" or "26,W,8,8,A0,0": the game type's fields, checked against Brazilian draughts.
bool checkGameType(const std::string& value, std::string& error) {
  std::vector<std::string> fields(1);
  for (char c : value) {
    if (c == ',')
      fields.emplace_back();
    else if (!std::isspace((unsigned char)c))
      fields.back() += c;
  }
  auto digits = [](const std::string& s) {
    return !s.empty() && s.size() < 6 && s.find_first_not_of("0123456789") == std::string::npos;
  };
  const bool wellFormed =
      digits(fields[0]) &&
      (fields.size() == 1 ||
       ((fields.size() == 5 || fields.size() == 6) && (fields[1] == "W" || fields[1] == "B") && digits(fields[2]) &&
        digits(fields[3]) && fields[4].size() == 2 && std::strchr("ANS", fields[4][0]) &&
        std::strchr("0123", fields[4][1]) && (fields.size() == 5 || fields[5] == "0" || fields[5] == "1")));
  if (!wellFormed) {
    error = formatText(_("GameType \"%s\" is not a game type"), shown(value).c_str());
    return false;
  }
  if (std::stoi(fields[0]) != 26) {
    error = formatText(_("game type %s is not Brazilian draughts (26)"), fields[0].c_str());
    return false;
  }
  if (fields.size() > 1 && (fields[2] != "8" || fields[3] != "8")) {
    error = formatText(_("game type %s is not played on an 8x8 board"), shown(value).c_str());
    return false;
  }
  if (fields.size() > 1 && fields[1] != "W") {
    error = formatText(_("game type %s lets Black start; in Brazilian draughts White starts"), shown(value).c_str());
    return false;
  }
  return true;
}

class PdnParser {
public:
  PdnParser(const std::string& text, PdnReading& reading) : text(text), reading(reading) {}

  void run() {
    if (!checkText()) return;
    for (;;) {
      skipBetweenGames();
      if (at == text.size()) break;
      if (!readGame()) return;
    }
    if (reading.games.empty()) fail(0, _("not a PDN file: it holds no game"));
  }

private:
  const std::string& text;
  PdnReading& reading;
  size_t at = 0;
  int line = 1;

  char peek() const { return at < text.size() ? text[at] : '\0'; }
  bool atEnd() const { return at >= text.size(); }
  void advance() {
    if (text[at++] == '\n') ++line;
  }
  bool fail(int where, const std::string& reason) {
    reading.fault.line = where;
    reading.fault.reason = reason;
    return false;
  }

  // Control bytes other than tab, line ends and form feed mean the file is not text.
  bool checkText() {
    int where = 1;
    for (unsigned char c : text) {
      if (c == '\n') ++where;
      if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v') || c == 0x7F) {
        return fail(where, formatText(_("not a PDN file: binary data (byte 0x%02X)"), c));
      }
    }
    return true;
  }

  // The line of the file's last visible character, where a cut-off file ends.
  int lastTextLine() const {
    int where = line;
    for (size_t i = text.size(); i > 0 && std::isspace((unsigned char)text[i - 1]); --i) where -= text[i - 1] == '\n';
    return where;
  }

  void skipSpaces() {
    while (!atEnd() && std::isspace((unsigned char)peek())) advance();
  }
  void skipLine() {
    while (!atEnd() && peek() != '\n') advance();
  }

  // Whitespace, comments and escaped lines between games.
  void skipBetweenGames() {
    for (;;) {
      skipSpaces();
      if (peek() == '%' || peek() == ';') {
        skipLine();
      } else if (peek() == '{') {
        const size_t close = text.find('}', at);
        if (close == std::string::npos) return;  // the game reader reports it
        while (at <= close) advance();
      } else {
        return;
      }
    }
  }

  bool readGame() {
    PdnGame game;
    std::vector<int> tagLines;
    while (skipSpaces(), peek() == '[') {
      tagLines.push_back(line);
      if (!readTag(game)) return false;
    }
    if (!applyTags(game, tagLines)) return false;
    if (!readMoves(game, !tagLines.empty())) return false;
    reading.games.push_back(std::move(game));
    return true;
  }

  bool readTag(PdnGame& game) {
    const int tagLine = line;
    advance();  // '['
    skipInLine();
    std::string name;
    while (std::isalnum((unsigned char)peek()) || peek() == '_') name += text[at++];
    if (name.empty()) return fail(tagLine, atEnd() ? _("the file ends inside a tag") : _("a tag name is expected after '['"));
    skipInLine();
    if (peek() != '"')
      return fail(tagLine,
                  atEnd() ? _("the file ends inside a tag")
                          : formatText(_("tag %s: its value must be in quotes"), shown(name).c_str()));
    ++at;
    std::string value;
    for (;;) {
      if (atEnd()) return fail(tagLine, _("the file ends inside a tag"));
      const char c = text[at];
      if (c == '\n' || c == '\r')
        return fail(tagLine, formatText(_("tag %s: its value does not end on its line"), shown(name).c_str()));
      ++at;
      if (c == '"') break;
      if (c == '\\' && (peek() == '"' || peek() == '\\')) {
        value += text[at++];
        continue;
      }
      value += c;
    }
    skipInLine();
    if (peek() != ']')
      return fail(tagLine, atEnd() ? _("the file ends inside a tag")
                                   : formatText(_("tag %s: ']' is missing"), shown(name).c_str()));
    ++at;
    game.tags.push_back({name, value});
    return true;
  }

  void skipInLine() {
    while (peek() == ' ' || peek() == '\t') ++at;
  }

  bool applyTags(PdnGame& game, const std::vector<int>& tagLines) {
    std::string error;
    for (size_t i = 0; i < game.tags.size(); ++i) {
      const PdnTag& tag = game.tags[i];
      if (tag.name == "GameType" && !checkGameType(tag.value, error)) return fail(tagLines[i], error);
      if (tag.name == "FEN" && !readAnyFen(tag.value, game.start, error)) return fail(tagLines[i], error);
    }
    return true;
  }

  bool readMoves(PdnGame& game, bool tagged) {
    Position position = game.start;
    Position before = position;  // before the last move read
    for (;;) {
      skipSpaces();
      if (atEnd()) return fail(lastTextLine(), _("the file ends before the game's result"));
      const char c = peek();
      const int wordLine = line;
      const size_t noteStart = at;
      if (c == '{') {
        if (!skipComment()) return false;
        keepNote(game, noteStart);
      } else if (c == '%' && (at == 0 || text[at - 1] == '\n')) {
        skipLine();  // an escaped line, for other programs
      } else if (c == ';') {
        skipLine();
        keepNote(game, noteStart);
      } else if (c == '(') {
        if (!game.moves.empty()) {
          PdnLine variation;
          if (readVariation(before, variation)) {
            game.variations.resize(game.moves.size());
            game.variations.back().push_back(std::move(variation));
            continue;
          }
        }
        // Not a line of legal moves: kept as written.
        if (!skipVariation()) return false;
        keepNote(game, noteStart);
      } else if (c == ')') {
        return fail(line, _("')' without a variation to close"));
      } else if (c == '[') {
        return fail(line, _("the game's moves end without a result"));
      } else if (c == '!' || c == '?') {
        while (peek() == '!' || peek() == '?') ++at;
        keepNote(game, noteStart);
      } else if (c == '$') {
        ++at;
        while (std::isdigit((unsigned char)peek())) ++at;
        keepNote(game, noteStart);
      } else if (c == '*') {
        ++at;
        if (endsGame()) {
          game.result = PdnResult::Unfinished;
          return true;
        }  // else an old file's mark of a forced move
      } else {
        const std::string word = readWord();
        if (readResult(word, game.result)) return true;
        const std::string move = withoutMoveNumber(word);
        if (move.empty()) continue;
        Move played;
        std::string error;
        if (!readMoveText(move, position, played, error) && !readSplitCapture(move, position, played)) {
          if (!tagged && game.moves.empty() && reading.games.empty())
            return fail(wordLine, formatText(_("not a PDN file: a game starts with a tag or a move, not %s"), shown(word).c_str()));
          return fail(wordLine, error);
        }
        game.moves.push_back(played);
        before = position;
        position = played.after;
      }
    }
  }

  // The text from `start` to here, as written, goes with the last move read (before the first
  // move: with the line).
  void keepNote(PdnLine& line, size_t start) {
    std::string note = text.substr(start, at - start);
    while (!note.empty() && note.back() == '\r') note.pop_back();
    if (line.moves.empty()) {
      line.openingNotes.push_back(std::move(note));
      return;
    }
    line.moveNotes.resize(line.moves.size());
    line.moveNotes.back().push_back(std::move(note));
  }

  // A side line from `from` into `variation`; where it is not a line of legal moves with its
  // notes, false with nothing consumed and no fault, so that the caller keeps it as written.
  bool readVariation(const Position& from, PdnLine& variation) {
    const size_t savedAt = at;
    const int savedLine = line;
    if (parseVariation(from, variation, 0)) return true;
    at = savedAt;
    line = savedLine;
    variation = PdnLine();
    return false;
  }

  // Side lines nest at most this deep; a deeper one is kept as written, so that no file runs the
  // reader out of stack.
  static constexpr int DeepestVariation = 32;

  bool parseVariation(Position position, PdnLine& out, int depth) {
    if (depth >= DeepestVariation) return false;
    advance();  // '('
    Position before = position;
    for (;;) {
      skipSpaces();
      if (atEnd()) return false;
      const char c = peek();
      const size_t noteStart = at;
      if (c == ')') {
        advance();
        return !out.moves.empty();
      } else if (c == '{') {
        const size_t close = text.find('}', at);
        if (close == std::string::npos) return false;
        while (at <= close) advance();
        keepNote(out, noteStart);
      } else if (c == ';') {
        skipLine();
        keepNote(out, noteStart);
      } else if (c == '(') {
        PdnLine nested;
        if (out.moves.empty() || !parseVariation(before, nested, depth + 1)) return false;
        out.variations.resize(out.moves.size());
        out.variations.back().push_back(std::move(nested));
      } else if (c == '!' || c == '?' || c == '$') {
        ++at;
        while (c == '$' ? std::isdigit((unsigned char)peek()) : peek() == '!' || peek() == '?') ++at;
        keepNote(out, noteStart);
      } else if (c == '%' && (at == 0 || text[at - 1] == '\n')) {
        skipLine();
      } else if (c == '*') {
        ++at;  // an old file's mark of a forced move
      } else if (c == '[') {
        return false;
      } else {
        const std::string word = readWord();
        PdnResult result;
        if (readResult(word, result)) return false;
        const std::string move = withoutMoveNumber(word);
        if (move.empty()) continue;
        Move played;
        std::string error;
        if (!readMoveText(move, position, played, error) && !readSplitCapture(move, position, played)) return false;
        out.moves.push_back(played);
        before = position;
        position = played.after;
      }
    }
  }

  // Old files split a capture into single jumps, "11x18 18x25": the words that follow,
  // each starting where the one before it ended, are joined until they name a legal move.
  // On failure nothing is consumed.
  bool readSplitCapture(std::string joined, const Position& position, Move& played) {
    const size_t savedAt = at;
    const int savedLine = line;
    std::string error;
    for (int jumps = 1; jumps < 12 && joined.find_first_of("xX") != std::string::npos; ++jumps) {
      while (peek() == ' ' || peek() == '\t' || peek() == '\r' || peek() == '\n') advance();
      const std::string next = readWord();
      const size_t mark = next.find_first_of("xX");
      const size_t lastMark = joined.find_last_of("xX");
      if (mark == std::string::npos || !sameSquare(joined.substr(lastMark + 1), next.substr(0, mark))) break;
      joined += next.substr(mark);
      if (readMoveText(joined, position, played, error)) return true;
    }
    at = savedAt;
    line = savedLine;
    return false;
  }

  static bool sameSquare(const std::string& a, const std::string& b) {
    if (a.empty() || a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i])) return false;
    return true;
  }

  // A word of movetext: up to a space or a character that starts something else.
  std::string readWord() {
    const size_t start = at;
    while (!atEnd() && !std::isspace((unsigned char)peek()) && !std::strchr("{}()[];$!?*", peek())) ++at;
    if (at == start && !atEnd()) ++at;  // a lone unexpected character is a word of its own
    return text.substr(start, at - start);
  }

  // "12." and "12..." (a Black move follows) are move numbers, also glued to the move.
  static std::string withoutMoveNumber(const std::string& word) {
    size_t i = 0;
    while (i < word.size() && std::isdigit((unsigned char)word[i])) ++i;
    if (i < word.size() && word[i] == '.') {
      while (i < word.size() && word[i] == '.') ++i;
      return word.substr(i);
    }
    if (i == 0 && word.find_first_not_of('.') == std::string::npos) return "";
    return word;
  }

  // A '*' ends the game when only comments before the next game or the end of the file follow.
  bool endsGame() const {
    size_t next = at;
    for (;;) {
      while (next < text.size() && std::isspace((unsigned char)text[next])) ++next;
      if (next == text.size() || text[next] == '[') return true;
      if (text[next] == '{')
        next = text.find('}', next);
      else if (text[next] == ';')
        next = text.find('\n', next);
      else
        return false;
      if (next == std::string::npos) return true;
      ++next;
    }
  }

  bool skipComment() {
    const int opened = line;
    const size_t close = text.find('}', at);
    if (close == std::string::npos) return fail(opened, _("the file ends inside a comment opened on this line"));
    while (at <= close) advance();
    return true;
  }

  // Variations nest and hold comments, whose braces may contain parentheses.
  bool skipVariation() {
    const int opened = line;
    int depth = 0;
    do {
      if (atEnd()) return fail(opened, _("the file ends inside a variation opened on this line"));
      const char c = peek();
      if (c == '{') {
        if (!skipComment()) return false;
        continue;
      }
      if (c == '(') ++depth;
      if (c == ')') --depth;
      advance();
    } while (depth > 0);
    return true;
  }
};

}  // namespace

std::string PdnFault::describe() const {
  return line > 0 ? formatText(_("line %d: %s"), line, reason.c_str()) : reason;
}

PdnReading readPdn(const std::string& text) {
  PdnReading reading;
  PdnParser(text, reading).run();
  return reading;
}

PdnReading readPdnFile(const std::string& path) {
  PdnReading reading;
  struct stat status;
  if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
    reading.fault.reason = formatText(_("%s is not a file"), path.c_str());
    return reading;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    reading.fault.reason = formatText(_("cannot open %s: %s"), path.c_str(), std::strerror(errno));
    return reading;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size > LargestFile) {
    reading.fault.reason = formatText(_("%s is too large for a PDN file (over 64 MB)"), path.c_str());
    return reading;
  }
  in.seekg(0);
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    reading.fault.reason = formatText(_("cannot read %s"), path.c_str());
    return reading;
  }
  return readPdn(content.str());
}

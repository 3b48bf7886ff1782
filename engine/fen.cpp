#include "engine/fen.h"
#include "i18n/translate.h"
#include <cctype>

namespace {

class FenReader {
public:
  FenReader(const std::string& text, std::string& error) : text(text), error(error) {}

  bool read(Position& position) {
    skipSpaces();
    const char side = next();
    if (side != 'W' && side != 'B') return fail(_("the side to move must be W or B"));
    bool seen[2] = {false, false};
    SquareSet sets[2] = {0, 0};
    SquareSet kings = 0;
    while (peek() == ':') {
      ++at;
      const char colour = next();
      if (colour != 'W' && colour != 'B') return fail(_("a piece list must start with W or B"));
      const int c = colour == 'W' ? 0 : 1;
      if (seen[c]) return fail(c == 0 ? _("two piece lists for White") : _("two piece lists for Black"));
      seen[c] = true;
      if (!readList(sets[c], kings, sets[0] | sets[1])) return false;
    }
    if (peek() == '.') ++at;
    skipSpaces();
    if (at != text.size()) return fail(formatText(_("unexpected text at position %d"), int(at + 1)));
    if (!seen[0] || !seen[1]) return fail(_("both piece lists, W and B, are required"));
    if (sets[0] & ~kings & WhiteKingRow) return fail(_("a white man stands on rank 8"));
    if (sets[1] & ~kings & BlackKingRow) return fail(_("a black man stands on rank 1"));
    position = Position(sets[0], sets[1], kings, side == 'W');
    return true;
  }

private:
  const std::string& text;
  std::string& error;
  size_t at = 0;

  char peek() const { return at < text.size() ? text[at] : '\0'; }
  char next() { return at < text.size() ? text[at++] : '\0'; }
  void skipSpaces() {
    while (std::isspace((unsigned char)peek())) ++at;
  }
  bool fail(const std::string& why) {
    error = formatText(_("bad FEN: %s"), why.c_str());
    return false;
  }

  bool readNumber(int& number) {
    if (!std::isdigit((unsigned char)peek()))
      return fail(formatText(_("a square number is expected at position %d"), int(at + 1)));
    number = 0;
    while (std::isdigit((unsigned char)peek())) {
      number = number * 10 + (next() - '0');
      if (number > 32) return fail(_("square numbers run from 1 to 32"));
    }
    if (number < 1) return fail(_("square numbers run from 1 to 32"));
    return true;
  }

  // Items such as 21, K23 or 1-12, separated by commas; the list may be empty.
  bool readList(SquareSet& set, SquareSet& kings, SquareSet taken) {
    if (peek() == ':' || peek() == '\0' || peek() == '.') return true;
    for (;;) {
      const bool king = peek() == 'K';
      if (king) ++at;
      int first = 0, last = 0;
      if (!readNumber(first)) return false;
      last = first;
      if (peek() == '-') {
        ++at;
        if (!readNumber(last)) return false;
        if (last < first) return fail(_("a range must run upward"));
      }
      for (int n = first; n <= last; ++n) {
        const SquareSet square = SquareSet(1) << squareFromPdn(n);
        if ((set | taken) & square) return fail(formatText(_("square %d is given twice"), int(n)));
        set |= square;
        if (king) kings |= square;
      }
      if (peek() != ',') return true;
      ++at;
    }
  }
};

void writeList(std::string& out, SquareSet set, SquareSet kings) {
  bool first = true;
  for (int n = 1; n <= 32; ++n) {
    const SquareSet square = SquareSet(1) << squareFromPdn(n);
    if (!(set & square)) continue;
    if (!first) out += ',';
    first = false;
    if (kings & square) out += 'K';
    out += std::to_string(n);
  }
}

}  // namespace

bool parseFen(const std::string& text, Position& position, std::string& error) {
  return FenReader(text, error).read(position);
}

std::string writeFen(const Position& position) {
  std::string out = position.whiteToMove ? "W:W" : "B:W";
  writeList(out, position.white, position.kings);
  out += ":B";
  writeList(out, position.black, position.kings);
  return out;
}

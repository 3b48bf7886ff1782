#include "game/position_text.h"
#include "i18n/translate.h"
#include "pdn/pdn_notation.h"
#include "game/setup_check.h"

bool readPositionText(const std::string& text, Position& position, std::string& error) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) {
    error = _("the clipboard holds no text");
    return false;
  }
  std::string fen = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
  // As a saved game's FEN tag quotes it.
  if (fen.size() >= 2 && fen.front() == '"' && fen.back() == '"') fen = fen.substr(1, fen.size() - 2);
  if (fen.size() > 400 || fen.find('\n') != std::string::npos) {
    error = _("the clipboard does not hold one FEN line");
    return false;
  }
  Position read;
  if (!readAnyFen(fen, read, error)) return false;
  error = setUpFault(read);
  if (!error.empty()) return false;
  position = read;
  return true;
}

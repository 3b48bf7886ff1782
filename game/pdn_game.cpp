#include "game/pdn_game.h"

std::string PdnGame::tag(const std::string& name, const std::string& absent) const {
  for (const PdnTag& t : tags)
    if (t.name == name) return t.value;
  return absent;
}

void PdnGame::setTag(const std::string& name, const std::string& value) {
  for (PdnTag& t : tags)
    if (t.name == name) {
      t.value = value;
      return;
    }
  tags.push_back({name, value});
}

const char* resultText(PdnResult result) {
  switch (result) {
    case PdnResult::WhiteWins: return "1-0";
    case PdnResult::BlackWins: return "0-1";
    case PdnResult::Draw: return "1/2-1/2";
    default: return "*";
  }
}

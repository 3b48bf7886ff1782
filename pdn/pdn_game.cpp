#include "pdn/pdn_game.h"

std::string PdnGame::tag(const std::string& name, const std::string& absent) const {
  for (const PdnTag& t : tags)
    if (t.name == name) return t.value;
  return absent;
}

bool PdnGame::hasTag(const std::string& name) const {
  for (const PdnTag& t : tags)
    if (t.name == name) return true;
  return false;
}

void PdnGame::setTag(const std::string& name, const std::string& value) {
  for (PdnTag& t : tags)
    if (t.name == name) {
      t.value = value;
      return;
    }
  tags.push_back({name, value});
}

void PdnGame::removeTag(const std::string& name) {
  for (size_t i = 0; i < tags.size();)
    if (tags[i].name == name) tags.erase(tags.begin() + i);
    else ++i;
}

const PdnNotes& PdnLine::notesAfter(size_t index) const {
  static const PdnNotes None;
  return index < moveNotes.size() ? moveNotes[index] : None;
}

const std::vector<PdnLine>& PdnLine::variationsAt(size_t index) const {
  static const std::vector<PdnLine> None;
  return index < variations.size() ? variations[index] : None;
}

const char* resultText(PdnResult result) {
  switch (result) {
    case PdnResult::WhiteWins: return "1-0";
    case PdnResult::BlackWins: return "0-1";
    case PdnResult::Draw: return "1/2-1/2";
    default: return "*";
  }
}

#include "game/player_type.h"
#include <algorithm>
#include <cstring>

namespace {

// Built on first use, so that types defined as global objects anywhere can register.
std::vector<PlayerType*>& registry() {
  static std::vector<PlayerType*> types;
  return types;
}

}  // namespace

PlayerType::PlayerType() { registry().push_back(this); }

PlayerType::~PlayerType() {
  std::vector<PlayerType*>& types = registry();
  types.erase(std::remove(types.begin(), types.end(), this), types.end());
}

Fl_Widget* PlayerType::createOptions() { return nullptr; }

const char* PlayerType::typeName() const { return ""; }

const std::vector<PlayerType*>& playerTypes() { return registry(); }

PlayerType* findPlayerType(const char* name) {
  for (PlayerType* type : registry())
    if (std::strcmp(type->typeName(), name) == 0) return type;
  return nullptr;
}

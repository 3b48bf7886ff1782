// The kinds of player a game can be started with, in the order the new-game dialog lists them.
#pragma once
#include <vector>
#include "game/interfaces.h"

class Fl_Widget;  // a kind's option widget; only the window makes and reads them

class PlayerType {
public:
  PlayerType();           // adds the type to the registry
  virtual ~PlayerType();  // removes it
  // A new player, configured from the widget made by createOptions (or none).
  virtual Player* createPlayer(Fl_Widget* options) = 0;
  // A new widget with the kind's options, or none.
  virtual Fl_Widget* createOptions();
  virtual const char* typeName() const;
};

// The registered types in registration order: the program defines "human", then "computer",
// as global objects in one file, so that the order is fixed.
const std::vector<PlayerType*>& playerTypes();
// The registered type of that name, or none.
PlayerType* findPlayerType(const char* name);

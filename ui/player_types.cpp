// The kinds of player the new-game dialog offers, in its order: human, then computer.
// They register themselves when constructed; both live in this one file so the order is fixed.
#include "game/player_type.h"
#include "search/computer_player.h"
#include "ui/human_player.h"
#include "ui/computer_options.h"
#include <FL/Fl_Group.H>

namespace {

class HumanPlayerType : public PlayerType {
public:
  Player* createPlayer(Fl_Widget*) override { return new HumanPlayer; }
  const char* typeName() const override { return "human"; }
};

// The computer kind with its time per move chosen on a slider and its level from a list.
class WindowComputerPlayerType : public ComputerPlayerType {
public:
  Fl_Widget* createOptions() override { return new ComputerOptions(0, 0, 200); }

protected:
  double timeLimitFrom(Fl_Widget* options) override {
    const ComputerOptions* chosen = dynamic_cast<ComputerOptions*>(options);
    return chosen ? chosen->seconds() : timeLimit;
  }
  Level levelFrom(Fl_Widget* options) override {
    const ComputerOptions* chosen = dynamic_cast<ComputerOptions*>(options);
    return chosen ? chosen->level() : level;
  }
};

HumanPlayerType HumanKind;
WindowComputerPlayerType ComputerKind;

}  // namespace

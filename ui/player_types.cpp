// The kinds of player the new-game dialog offers, in its order: human, then computer.
// They register themselves when constructed; both live in this one file so the order is fixed.
#include "game/player_type.h"
#include "search/computer_player.h"
#include "ui/human_player.h"
#include "ui/time_slider.h"
#include <FL/Fl_Group.H>

namespace {

class HumanPlayerType : public PlayerType {
public:
  Player* createPlayer(Fl_Widget*) override { return new HumanPlayer; }
  const char* typeName() const override { return "human"; }
};

// The computer kind with its time per move chosen on a slider.
class WindowComputerPlayerType : public ComputerPlayerType {
public:
  Fl_Widget* createOptions() override { return new TimeSlider(0, 0, 100, 20, "time to move (in sec)"); }

protected:
  double timeLimitFrom(Fl_Widget* options) override {
    const TimeSlider* slider = dynamic_cast<TimeSlider*>(options);
    return slider ? slider->seconds() : timeLimit;
  }
};

HumanPlayerType HumanKind;
WindowComputerPlayerType ComputerKind;

}  // namespace

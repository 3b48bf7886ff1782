#include "ui/new_game_dialog.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>
#include "i18n/translate.h"
#include "ui/computer_options.h"
#include "ui/markup.h"

namespace {

// The kinds of player in the order the dialog lists them.
const PlayerKind Kinds[] = {PlayerKind::Person, PlayerKind::Computer};

// One side's kind of player with that kind's options below it.
class PlayerChooser : public Fl_Group {
public:
  PlayerChooser(int x, int y, int w, int h, const char* label) : Fl_Group(x, y, w, h) {
    Fl_Group* header = new Fl_Group(x, y, w, 30);
    choice = new Fl_Choice(x + w / 3, y + 8, (2 * w) / 3, 20, label);
    for (PlayerKind kind : Kinds) choice->add(_(kindName(kind)));
    choice->value(0);
    choice->callback(onChoice, this);
    header->end();
    panel = new Fl_Scroll(x, y + 30, w, h - 30);
    panel->type(Fl_Scroll::VERTICAL);
    panel->end();
    resizable(panel);
    end();
    showOptions();
  }

  void showChoice(const SideSetup& side) {
    shown = side;
    for (int i = 0; i < (int)(sizeof Kinds / sizeof Kinds[0]); ++i)
      if (Kinds[i] == side.kind) choice->value(i);
    showOptions();
    if (options) options->showChoice(side.seconds, side.level);
  }

  // A time still being typed counts.
  void takeTypedTime() {
    if (options) options->takeTypedTime();
  }

  // The side as chosen; its name stays the one shown.
  SideSetup chosen() const {
    SideSetup side;
    side.kind = selectedKind();
    side.name = shown.name;
    if (options) {
      side.seconds = options->seconds();
      side.level = options->level();
    }
    return side;
  }

private:
  Fl_Choice* choice;
  Fl_Scroll* panel;
  ComputerOptions* options = nullptr;  // the computer's options; the panel's scrollbars are children too
  SideSetup shown;  // as the dialog opened

  PlayerKind selectedKind() const {
    const int i = choice->value();
    return i >= 0 && i < (int)(sizeof Kinds / sizeof Kinds[0]) ? Kinds[i] : PlayerKind::Person;
  }

  void showOptions() {
    if (options) {
      panel->remove(options);
      delete options;
      options = nullptr;
    }
    Fl_Group* current = Fl_Group::current();
    Fl_Group::current(nullptr);
    if (selectedKind() == PlayerKind::Computer) options = new ComputerOptions(0, 0, 200);
    Fl_Group::current(current);
    if (options) {
      options->resize(panel->x(), panel->y(), panel->w(), options->h());
      panel->add(options);
    }
    panel->init_sizes();
    panel->redraw();
  }

  static void onChoice(Fl_Widget*, void* chooser) { ((PlayerChooser*)chooser)->showOptions(); }
};

// The clocks the dialog offers, the first one seconds a move.
const TimeControl ClockChoices[] = {{},       {60, 0},  {180, 0}, {180, 2},  {300, 0},  {300, 3},
                                    {600, 0}, {600, 5}, {900, 10}, {1800, 0}, {3600, 0}};
constexpr int ClockChoiceCount = sizeof ClockChoices / sizeof ClockChoices[0];

// "5 min + 3 s a move", "10 min", "45 s"; "no clock" where the computer keeps its seconds a move.
std::string clockChoiceText(const TimeControl& control) {
  if (!control.onClock()) return _("no clock");
  const bool minutes = std::fmod(control.gameSeconds, 60) == 0;
  const double amount = minutes ? control.gameSeconds / 60 : control.gameSeconds;
  if (control.increment > 0)
    return formatText(minutes ? _("%g min + %g s a move") : _("%g s + %g s a move"), amount, control.increment);
  return formatText(minutes ? _("%g min") : _("%g s"), amount);
}

// A side's clock: one of the offered ones, or the one a saved game or the settings give.
class ClockChooser : public Fl_Choice {
public:
  ClockChooser(int x, int y, int w, int h, const char* label) : Fl_Choice(x, y, w, h, label) {
    for (const TimeControl& control : ClockChoices) addControl(control);
    value(0);
  }
  void showControl(const TimeControl& control) {
    for (size_t i = 0; i < controls.size(); ++i)
      if (controls[i] == control) {
        value((int)i);
        return;
      }
    addControl(control);
    value((int)controls.size() - 1);
  }
  TimeControl chosen() const {
    const int i = value();
    return i >= 0 && i < (int)controls.size() ? controls[i] : TimeControl{};
  }

private:
  std::vector<TimeControl> controls;  // in the order of the items

  void addControl(const TimeControl& control) {
    controls.push_back(control);
    add(plainForMarkup(clockChoiceText(control)).c_str(), 0, nullptr, nullptr, 0);
  }
};

constexpr int MinDialogWidth = 200;
constexpr int ClockColumn = 180;     // what the choosers need
constexpr int TitleFontSize = 14;       // a window manager's title is about this size, bold
constexpr int TitleBarExtras = 150;     // and shares its bar with an icon and three buttons

// Wide enough for the title beside the window manager's buttons.
int dialogWidth(const char* title) {
  fl_font(FL_HELVETICA_BOLD, TitleFontSize);
  return std::max(MinDialogWidth, (int)fl_width(title) + TitleBarExtras);
}

class NewGameDialog : public Fl_Window {
public:
  explicit NewGameDialog(const char* title) : NewGameDialog(title, dialogWidth(title)) {}

  // Each side's clock in a column beside its player, so that the players' parts keep their places.
  NewGameDialog(const char* title, int playersWidth) : Fl_Window(playersWidth + ClockColumn, 230, title) {
    const int w = playersWidth + ClockColumn;
    Fl_Group* top = new Fl_Group(0, 0, w, 200);
    white = new PlayerChooser(0, 0, playersWidth, 100, _("White:"));
    black = new PlayerChooser(0, 100, playersWidth, 100, _("Black:"));
    whiteClock = new ClockChooser(playersWidth + 5, 30, ClockColumn - 10, 20, _("White's clock:"));
    blackClock = new ClockChooser(playersWidth + 5, 130, ClockColumn - 10, 20, _("Black's clock:"));
    for (ClockChooser* clock : {whiteClock, blackClock}) clock->align(FL_ALIGN_TOP_LEFT);
    top->end();
    Fl_Group* bottom = new Fl_Group(0, 200, w, 30);
    start = new Fl_Return_Button(w - 150, 205, 70, 20, _("start"));
    start->callback(onStart, this);
    Fl_Button* cancel = new Fl_Button(w - 75, 205, 70, 20, _("cancel"));
    cancel->callback(onCancel, this);
    Fl_Widget* spacer = new Fl_Box(w - 160, 200, 10, 30);
    bottom->resizable(spacer);
    bottom->end();
    resizable(top);
    end();
  }

  bool exec() {
    set_modal();
    show();
    while (shown()) Fl::wait();
    return answer;
  }

  // With the pointer over a chooser the group's focus navigation would eat Enter.
  int handle(int event) override {
    if (event == FL_KEYBOARD && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
      start->do_callback();
      return 1;
    }
    return Fl_Window::handle(event);
  }

  PlayerChooser* white;
  PlayerChooser* black;
  ClockChooser* whiteClock;
  ClockChooser* blackClock;

private:
  Fl_Button* start;
  bool answer = false;

  void finish(bool value) {
    white->takeTypedTime();
    black->takeTypedTime();
    answer = value;
    hide();
  }
  static void onStart(Fl_Widget*, void* dialog) { ((NewGameDialog*)dialog)->finish(true); }
  static void onCancel(Fl_Widget*, void* dialog) { ((NewGameDialog*)dialog)->finish(false); }
};

void showSetup(NewGameDialog& dialog, const GameSetup& setup) {
  dialog.white->showChoice(setup.white);
  dialog.black->showChoice(setup.black);
  dialog.whiteClock->showControl(setup.white.clock);
  dialog.blackClock->showControl(setup.black.clock);
}

}  // namespace

std::unique_ptr<Fl_Window> makePlayersDialog(const char* title, const GameSetup& setup) {
  Fl_Group::current(nullptr);
  std::unique_ptr<NewGameDialog> dialog(new NewGameDialog(title));
  showSetup(*dialog, setup);
  return dialog;
}

bool runPlayersDialog(const char* title, GameSetup& setup) {
  Fl_Group::current(nullptr);
  NewGameDialog dialog(title);
  showSetup(dialog, setup);
  if (!dialog.exec()) return false;
  setup.white = dialog.white->chosen();
  setup.black = dialog.black->chosen();
  setup.white.clock = dialog.whiteClock->chosen();
  setup.black.clock = dialog.blackClock->chosen();
  return true;
}

GameSetup twoPeople() { return GameSetup(); }

bool runNewGameDialog(GameSetup& setup) {
  setup = loadNewGameSetup();
  if (!runPlayersDialog(_("New game..."), setup)) return false;
  std::string ignored;  // a settings folder that cannot be written only loses the choices
  saveNewGameSetup(setup, ignored);
  return true;
}

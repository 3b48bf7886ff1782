#include "ui/new_game_dialog.h"
#include "i18n/translate.h"
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include "ui/computer_options.h"

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

constexpr int MinDialogWidth = 200;     // what the choosers need
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

  NewGameDialog(const char* title, int w) : Fl_Window(w, 230, title) {
    Fl_Group* top = new Fl_Group(0, 0, w, 200);
    white = new PlayerChooser(0, 0, w, 100, _("White:"));
    black = new PlayerChooser(0, 100, w, 100, _("Black:"));
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

}  // namespace

bool runPlayersDialog(const char* title, GameSetup& setup) {
  Fl_Group::current(nullptr);
  NewGameDialog dialog(title);
  dialog.white->showChoice(setup.white);
  dialog.black->showChoice(setup.black);
  if (!dialog.exec()) return false;
  setup.white = dialog.white->chosen();
  setup.black = dialog.black->chosen();
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

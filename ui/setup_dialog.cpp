#include "ui/setup_dialog.h"
#include "i18n/translate.h"
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Window.H>
#include "game/setup_check.h"
#include "ui/board_theme.h"
#include "ui/board_view.h"
#include "ui/message_boxes.h"

namespace {

class SetUpDialog : public Fl_Window {
public:
  SetUpDialog(const Position& start, bool flipped, const BoardLook& look) : Fl_Window(330, 400, _("Set up position")) {
    board = new BoardView(5, 5, 320, 320);
    board->look = look;
    board->flipped = flipped;
    board->showNames = true;
    board->callback(onBoard, this);
    whiteToMove = new Fl_Round_Button(10, 330, 120, 20, _("&White to move"));
    blackToMove = new Fl_Round_Button(130, 330, 120, 20, _("&Black to move"));
    for (Fl_Button* side : {whiteToMove, blackToMove}) {
      side->type(FL_RADIO_BUTTON);
      side->callback(onSide, this);
    }
    Fl_Button* clear = new Fl_Button(10, 360, 70, 25, _("C&lear"));
    clear->callback(onClear, this);
    Fl_Button* initial = new Fl_Button(85, 360, 70, 25, _("&Initial"));
    initial->callback(onInitial, this);
    Fl_Return_Button* ok = new Fl_Return_Button(175, 360, 70, 25, _("OK"));
    ok->callback(onOk, this);
    Fl_Button* cancel = new Fl_Button(250, 360, 70, 25, _("Cancel"));
    cancel->callback(onCancel, this);
    end();
    showSetUp(start);
  }

  bool exec() {
    set_modal();
    show();
    while (shown()) Fl::wait();
    return accepted;
  }

  Position position() const { return board->position; }

private:
  BoardView* board;
  Fl_Button* whiteToMove;
  Fl_Button* blackToMove;
  bool accepted = false;

  void showSetUp(const Position& p) {
    board->clearMarks();
    board->showPosition(p, 0);
    whiteToMove->value(p.whiteToMove);
    blackToMove->value(!p.whiteToMove);
  }

  void clicked() {
    if (board->lastEvent != FL_PUSH) return;
    const int square = board->squareAt(Fl::event_x() - board->x(), Fl::event_y() - board->y());
    if (square < 0) return;
    Position p = board->position;
    if (Fl::event_button() == FL_RIGHT_MOUSE) {
      const SquareSet bit = SquareSet(1) << square;
      p.white &= ~bit, p.black &= ~bit, p.kings &= ~bit;
    } else {
      p = cycledSquare(p, square);
    }
    board->showPosition(p, 0);
  }

  void finish() {
    const std::string fault = setUpFault(board->position);
    if (!fault.empty()) {
      showAlert(_("This position cannot be played:\n%s"), fault.c_str());
      return;
    }
    accepted = true;
    hide();
  }

  static SetUpDialog* of(void* data) { return (SetUpDialog*)data; }
  static void onBoard(Fl_Widget*, void* d) { of(d)->clicked(); }
  static void onSide(Fl_Widget*, void* d) { of(d)->board->position.whiteToMove = of(d)->whiteToMove->value(); }
  static void onClear(Fl_Widget*, void* d) { of(d)->showSetUp(Position(0, 0, 0, of(d)->board->position.whiteToMove)); }
  static void onInitial(Fl_Widget*, void* d) { of(d)->showSetUp(InitialPosition); }
  static void onOk(Fl_Widget*, void* d) { of(d)->finish(); }
  static void onCancel(Fl_Widget*, void* d) { of(d)->hide(); }
};

}  // namespace

std::unique_ptr<Fl_Window> makeSetUpDialog(const Position& position, bool flipped, const BoardLook& look) {
  Fl_Group::current(nullptr);
  return std::unique_ptr<Fl_Window>(new SetUpDialog(position, flipped, look));
}

bool runSetUpDialog(Position& position, bool flipped, const BoardLook& look) {
  Fl_Group::current(nullptr);
  SetUpDialog dialog(position, flipped, look);
  if (!dialog.exec()) return false;
  position = dialog.position();
  return true;
}

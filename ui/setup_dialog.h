// The set-up editor: a board on which clicks place and cycle white man, white king, black
// man, black king, empty (the right button empties a square), the side to move, and buttons
// to clear the board or set the initial position. OK refuses an impossible position with
// its reason.
#pragma once
#include <memory>
#include "engine/board.h"
#include "ui/board_theme.h"

class Fl_Window;

// True with the position set up when the user accepts; `position` is where editing begins.
// The editor's board looks as `look` says, the main board's.
bool runSetUpDialog(Position& position, bool flipped, const BoardLook& look);
// The editor showing `position`, built but neither shown nor run: its texts can be read.
std::unique_ptr<Fl_Window> makeSetUpDialog(const Position& position, bool flipped, const BoardLook& look = {});

// The clock left after a move as a saved game writes it, "{[%clk 0:04:57.3]}", sharing one
// comment with other words after the move: "{[%clk 0:04:57.3] +0.45 best c3-d4}".
#pragma once
#include "pdn/pdn_game.h"

// What opens a clock inside a comment.
constexpr const char* ClockMark = "[%clk ";

// "0:04:57.3": hours, minutes, seconds and tenths, rounded down to the tenth.
std::string clockText(double seconds);
// Sets the clock in the notes after a move: replaces the one a comment holds, else puts it
// first in the first comment, else adds a comment of its own before the other notes.
void putClockComment(PdnNotes& notes, double seconds);
// The clock the notes' comments hold, as "[%clk H:MM:SS]" or "[%clk H:MM:SS.s]"; false
// where none is there or it is damaged, and `seconds` stays as it was.
bool readClockComment(const PdnNotes& notes, double& seconds);

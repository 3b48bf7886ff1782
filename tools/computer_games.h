// What the think and play commands share: the computer's knowledge, prepared as the
// game prepares it, and a log that prints the lines the game's log would show.
#pragma once
#include "game/message_log.h"

// Loads (or computes) the end-game database and reads the opening book, both from the
// working directory, as the game does at start-up.
void prepareComputerKnowledge();

// Prints every message of kind 1 and above as one line on standard output:
// the prefix, a space after a non-empty prefix, and the text.
class PrintLog : public MessageLog {
public:
  void write(int kind, const char* prefix, const char* text) override;
};

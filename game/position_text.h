// A position given as text by the user (pasted, typed): a FEN with numeric or
// alphanumeric squares, checked as a set-up position is.
#pragma once
#include <string>
#include "engine/board.h"

// False with a one-line reason in `error`; the text may have spaces and line breaks around it.
bool readPositionText(const std::string& text, Position& position, std::string& error);

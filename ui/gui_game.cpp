#include "ui/gui_game.h"
#include <FL/Fl.H>

GuiGame::~GuiGame() { Fl::remove_timeout(onPauseEnd, this); }

void GuiGame::pause(double seconds) { Fl::add_timeout(seconds, onPauseEnd, this); }

void GuiGame::stopPause() { Fl::remove_timeout(onPauseEnd, this); }

void GuiGame::onPauseEnd(void* game) { ((GuiGame*)game)->pauseEnded(); }

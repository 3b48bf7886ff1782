// The controller's dialogs served by the toolkit: message boxes, the players and set-up
// dialogs, the file choosers and the clipboard.
#pragma once
#include "ui/controller/window_ports.h"

class BoardView;

class ToolkitDialogs : public WindowDialogs {
public:
  // Questions asked later wait for `loop` to come round.
  explicit ToolkitDialogs(EventLoop& loop) : loop(loop) {}

  const BoardView* mainBoard = nullptr;  // the set-up board looks as this one does

  bool ask(const std::string& question) override;
  void askLater(const std::string& question, std::function<void(bool)> answered) override;
  void refuse(const std::string& heading, const std::string& reason) override;
  bool chooseNewGame(GameSetup& setup) override;
  bool choosePlayers(GameSetup& setup) override;
  bool openGame(PdnGame& game) override;
  void saveGame(const PdnGame& game) override;
  bool setUp(Position& position, bool flipped) override;
  bool chooseReviewTime(double& seconds) override;
  void copyText(const std::string& text) override;
  void pasteText(std::function<void(const std::string&)> received) override;
  void exitProgram() override;

private:
  EventLoop& loop;
};

// The modal "New game..." dialog: the kind of player and its options for each side.
#pragma once

class GuiGame;

// A new game for the chosen players, or none when the user cancels.
GuiGame* runNewGameDialog();

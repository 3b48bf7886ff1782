// An ordinary run: opening book, end-game database, the main window and its event loop.
#pragma once

int runInteractive(int argc, char** argv);

// The Help menu's boxes: the opening book, the end-game database and the program.
#pragma once

void showBookInfo();
void showDatabaseInfo();
void showAbout();

// The Help menu's boxes: the opening book, the end-game database and the program.
#pragma once

void showBookInfo();
void showDatabaseInfo();
class Fl_Image;
// With the program's icon when there is one.
void showAbout(Fl_Image* icon = nullptr);

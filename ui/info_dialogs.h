// The Help menu's boxes: the opening book, the end-game database and the program.
#pragma once
#include <string>

// What each box says, in the label markup.
std::string bookInfoText();
std::string databaseInfoText();
std::string aboutText();


void showBookInfo();
void showDatabaseInfo();
class Fl_Image;
// With the program's icon when there is one.
void showAbout(Fl_Image* icon = nullptr);

#include "ui/info_dialogs.h"
#include "i18n/translate.h"
#include "book/opening_book.h"
#include "enddb/database.h"
#include "ui/message_boxes.h"
#include "version.h"

std::string bookInfoText() {
  return formatText(_("Situations (and moves) in opening book:\n\t@wc %u (%u)\n\t@bc %u (%u)"),
                    Book.positionCount(true), Book.moveCount(true), Book.positionCount(false), Book.moveCount(false));
}

std::string databaseInfoText() {
  return formatText(_("Program use@C1@b %u@n pieces end game database.\n\n\tRun it with parameter:\n\t@i@b;-e x@n "
                      "(where@i@b x@n is integer from 1 to 5)\n\tto generate@i@b x@n pieces end game database.\n\n\t"
                      "@b;Warning:@n \n\tabout 4 minutes of one core, 430 MB of memory and 206 MB free disk space are "
                      "required\n\tto generate 5 pieces db."),
                    (unsigned)endgameDatabase.soundPieceCount());
}

std::string aboutText() {
  return formatText(_("@b;Tarvenn@n v%s, author: %s\n\n"
                      "Draughts 8x8: men capture backward, kings fly, taking the most pieces is compulsory.\n\n"
                      "Home: the README of the project's repository"),
                    TARVENN_VERSION, "Odrowen");
}

void showBookInfo() { showMessage("%s", bookInfoText().c_str()); }

void showDatabaseInfo() { showMessage("%s", databaseInfoText().c_str()); }

void showAbout(Fl_Image* icon) { showMessageWithPicture(icon, "%s", aboutText().c_str()); }

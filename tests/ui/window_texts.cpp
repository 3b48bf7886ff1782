// Builds the main window and the dialogs it opens (without showing them) in the language the
// environment chooses and reads every text a person would see there.
//   window_texts             lists each text with English outside ⟦ ⟧, the marks a catalogue that
//                            wraps every message puts round it: such a text was never marked
//                            for translation (exit 1 when there is one)
//   window_texts menu-shape  prints each menu item's depth, leading markup, '&' and flags, which no
//                            translation may change
// Exit 77 without an X server.
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include "display.h"
#include "engine/board.h"
#include "i18n/language.h"
#include "ui/board_view.h"
#include "ui/info_dialogs.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/new_game_dialog.h"
#include "ui/review_dialog.h"
#include "ui/setup_dialog.h"

namespace {

const std::string Open = "⟦", Close = "⟧";

// Rightly the same in every language: the program's and its author's names.
const char* const Names[] = {"Tarvenn", "Odrowen"};

// The text without its wrapped parts (innermost first: a wrapped message may hold another).
std::string outsideMarks(std::string text) {
  for (size_t open; (open = text.rfind(Open)) != std::string::npos;) {
    const size_t close = text.find(Close, open);
    if (close == std::string::npos) break;
    text.erase(open, close + Close.size() - open);
  }
  return text;
}

// The text without markup commands ("@b;", "@C3", "@wc") and accelerator marks.
std::string withoutMarkup(const std::string& text) {
  std::string words;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '@' && i + 1 < text.size() && text[i + 1] == '@') {
      ++i;
    } else if (text[i] == '@') {
      while (i + 1 < text.size() && !std::isspace((unsigned char)text[i + 1]) && text[i + 1] != '@' &&
             text[i + 1] != ';')
        ++i;
      if (i + 1 < text.size() && text[i + 1] == ';') ++i;
    } else if (text[i] != '&') {
      words += text[i];
    }
  }
  return words;
}

// Squares and moves ("c3", "c3-d4", "c3xe5xg3") are notation, the same in every language.
bool notation(const std::string& word) {
  size_t i = 0;
  while (i + 1 < word.size() && word[i] >= 'a' && word[i] <= 'h' && word[i + 1] >= '1' && word[i + 1] <= '8') {
    i += 2;
    if (i == word.size()) return true;
    if (word[i] != 'x') return false;
    ++i;
  }
  return false;
}

bool allowed(const std::string& word) {
  for (const char* name : Names)
    if (word == name) return true;
  return notation(word);
}

// The words with a Latin letter left outside the marks, apart from the allowed ones.
std::string unmarkedWords(const char* text) {
  if (!text) return "";
  // The language names stay in their own language, so that anyone finds theirs.
  for (int i = 1; i < LanguageCount; ++i)
    if (!std::strcmp(text, Languages[i].name)) return "";
  if (!std::strcmp(text, "i")) return "";  // the information box's icon: a letter drawn as a picture
  const std::string plain = withoutMarkup(outsideMarks(text));
  std::string left, word;
  bool letter = false;
  for (size_t i = 0; i <= plain.size(); ++i) {
    const char c = i < plain.size() ? plain[i] : ' ';
    if (std::isalnum((unsigned char)c)) {
      word += c;
      letter = letter || std::isalpha((unsigned char)c);
      continue;
    }
    if (letter && !allowed(word)) left += (left.empty() ? "" : " ") + word;
    word.clear();
    letter = false;
  }
  return left;
}

class TextCheck {
public:
  int faults = 0;

  void text(const std::string& where, const char* shown) {
    const std::string left = unmarkedWords(shown);
    if (left.empty()) return;
    std::printf("unmarked in %s: \"%s\" (%s)\n", where.c_str(), shown, left.c_str());
    ++faults;
  }

  void menu(const std::string& where, const Fl_Menu_* menu) {
    for (int i = 0; i < menu->size(); ++i) {
      const Fl_Menu_Item& item = menu->menu()[i];
      if (item.label()) text(where + " menu", item.label());
    }
  }

  // The widget, its tooltip and its items or lines, then its children.
  void widget(const std::string& where, Fl_Widget* w) {
    text(where, w->label());
    text(where + " tooltip", w->tooltip());
    if (const Fl_Menu_* menuWidget = dynamic_cast<const Fl_Menu_*>(w)) menu(where, menuWidget);
    if (Fl_Browser* browser = dynamic_cast<Fl_Browser*>(w))
      for (int line = 1; line <= browser->size(); ++line) text(where + " line", browser->text(line));
    if (BoardView* board = dynamic_cast<BoardView*>(w)) text(where + " board", board->emptyText);
    if (Fl_Group* group = w->as_group())
      for (int i = 0; i < group->children(); ++i) widget(where, group->child(i));
  }
};

// The leading markup commands of a label: what a menu shows before the words.
std::string leadingMarkup(const char* label) {
  std::string head;
  for (const char* c = label; *c == '@';) {
    const char* end = c + 1;
    while (*end && !std::isspace((unsigned char)*end) && *end != '@' && *end != ';') ++end;
    if (*end == ';') ++end;
    while (std::isspace((unsigned char)*end)) ++end;
    head.append(c, end);
    c = end;
  }
  return head;
}

void printMenuShape(const char* name, const Fl_Menu_* menu) {
  int depth = 0;
  for (int i = 0; i < menu->size(); ++i) {
    const Fl_Menu_Item& item = menu->menu()[i];
    if (!item.label()) {
      --depth;
      continue;
    }
    std::printf("%s %d [%s] %s %x %x\n", name, depth, leadingMarkup(item.label()).c_str(),
                std::strchr(item.label(), '&') ? "&" : "-", item.flags, item.shortcut());
    if (item.submenu()) ++depth;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool shape = argc == 2 && !std::strcmp(argv[1], "menu-shape");
  if (argc > 2 || (argc == 2 && !shape)) {
    std::fprintf(stderr, "usage: window_texts [menu-shape]\n");
    return 2;
  }
  if (!openDisplay()) {
    std::printf("no X server\n");
    return 77;
  }
  startTranslations("", "");
  prepareToolkit();
  MainWindow window(800, 600);
  if (shape) {
    for (int i = 0; i < window.children(); ++i)
      if (const Fl_Menu_* bar = dynamic_cast<const Fl_Menu_*>(window.child(i))) printMenuShape("menu", bar);
    printMenuShape("popup", window.popupMenu());
    return 0;
  }
  TextCheck check;
  check.widget("main window", &window);
  check.menu("history pop-up", window.popupMenu());
  GameSetup computers;
  computers.white.kind = computers.black.kind = PlayerKind::Computer;  // its options shown too
  for (const GameSetup& setup : {GameSetup(), computers})
    check.widget("players dialog", makePlayersDialog("", setup).get());
  check.widget("set-up dialog", makeSetUpDialog(InitialPosition, false).get());
  check.widget("review dialog", makeReviewDialog().get());
  // The Help menu's boxes, the About box with a picture as the program's icon gives it; a question's buttons.
  const unsigned char pixels[3] = {};
  Fl_RGB_Image picture(pixels, 1, 1);
  check.widget("opening book box", makeInformationBox(bookInfoText().c_str()).get());
  check.widget("database box", makeInformationBox(databaseInfoText().c_str()).get());
  check.widget("about box", makeInformationBox(aboutText().c_str(), &picture).get());
  check.widget("question box", makeQuestionBox(bookInfoText().c_str()).get());
  for (const char* word : {fl_yes, fl_no, fl_ok, fl_cancel, fl_close, Fl_File_Chooser::save_label})
    check.text("toolkit", word);
  std::printf("%d unmarked texts\n", check.faults);
  return check.faults ? 1 : 0;
}

// Modal boxes whose texts may use the label markup: information, question and alert.
#pragma once
#include <memory>

class Fl_Window;

// Information icon and one "&OK" button.
void showMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
class Fl_Image;
// The same with a picture of at most 50 by 50 pixels (none: the information icon) in place of the icon.
void showMessageWithPicture(Fl_Image* picture, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Question icon, "&No" and "&Yes"; true for yes.
bool askQuestion(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Exclamation icon, buttons `cancelLabel` and `okLabel`; true for `okLabel` (Enter).
bool askAlert(const char* cancelLabel, const char* okLabel, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Exclamation icon and one "&OK" button.
void showAlert(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The information box (with `picture` when given) and the question box for a text, built but
// neither shown nor run: their texts can be read.
std::unique_ptr<Fl_Window> makeInformationBox(const char* text, Fl_Image* picture = nullptr);
std::unique_ptr<Fl_Window> makeQuestionBox(const char* text);

// Text to and from the desktop's clipboard. Pasting is asynchronous: the text arrives
// later, from the event loop.
#pragma once
#include <functional>
#include <string>

void copyToClipboard(const std::string& text);
// Asks for the clipboard's text; `received` gets it (maybe empty) once it arrives.
void requestClipboardText(std::function<void(const std::string& text)> received);

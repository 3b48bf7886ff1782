// Label markup drawn anywhere in a text, as the program's labels, menus, log and boxes use it:
// "@b" bold, "@i" italic, "@n" back to normal, "@f"/"@t" fixed pitch, "@C<n>" colour,
// any other "@name" a symbol one font size wide ("@wc", "@bc", "@1+", "@UpArrow");
// a name ends at white space, "@" or ";", and a ";" after it is swallowed. "@@" is "@",
// "&x" underlines x, "\t" jumps to the next column, "\n" starts a line.
#pragma once
#include <FL/Enumerations.H>
#include <string>

void measureMarkup(const char* text, int& w, int& h, Fl_Font font, Fl_Fontsize size);
void drawMarkup(const char* text, int x, int y, int w, int h, Fl_Align align,
                Fl_Font font, Fl_Fontsize size, Fl_Color colour);
// Makes every ordinary label (widgets, menus) understand the markup.
void installMarkupLabels();
// The text shown as it is: every '@', which would start a markup command, doubled.
std::string plainForMarkup(const std::string& text);
// The words of a markup text without its commands, for where markup is not drawn (tooltips);
// a symbol becomes what `symbol` gives for its name ("wc" for "@wc").
std::string markupWords(const std::string& text, std::string (*symbol)(const std::string& name));

// Marks the texts a person reads so that they can be translated through gettext.
// Whole sentences with placeholders only: word order differs between languages.
//   _("Game draw.")                  translated where it is used
//   N_("Beginner")                   marked here, translated where it is shown
//   ngettext("%d move", "%d moves", n)  plural forms
// Files, notation and the engine tool's output are never translated.
#pragma once
#include <libintl.h>

#define _(text) gettext(text)
#define N_(text) text

#include <string>

// A translated format filled in, as snprintf would; the catalogue check keeps each
// translation's placeholders those of its English text.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Which language the program speaks: the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) unless
// the player chose one in the window, and where its message catalogues are found.
#pragma once
#include <string>

// The languages the window offers; an empty code follows the desktop's language.
struct LanguageChoice {
  const char* code;  // as kept in the settings: "", "en", "pt_BR", "ru"
  const char* name;  // in its own language, so that anyone finds theirs
};
constexpr int LanguageCount = 4;
extern const LanguageChoice Languages[LanguageCount];
int languageIndex(const std::string& code);  // -1 when the code is none of the above

// TARVENN_LOCALEDIR when set, else <program folder>/../share/locale when it holds the
// catalogues (an installed copy anywhere, and the build tree), else the configured prefix's.
std::string catalogueFolder(const std::string& programFolder);

// Sets the locale from the environment and binds the catalogues; `language` ("" for the
// locale's own) overrides the desktop's choice. Numbers keep the C locale's dot, since files
// and typed times are read and written with it. Call once, before any text is translated.
void startTranslations(const std::string& programFolder, const std::string& language);

#include "i18n/language.h"
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include "i18n/translate.h"

const LanguageChoice Languages[LanguageCount] = {
    {"", N_("System language")},
    {"en", "English"},
    {"pt_BR", "Português (Brasil)"},
    {"ru", "Русский"},
};

int languageIndex(const std::string& code) {
  for (int i = 0; i < LanguageCount; ++i)
    if (code == Languages[i].code) return i;
  return -1;
}

namespace {

const char* const Domain = "tarvenn";

bool isFolder(const std::string& path) {
  struct stat facts;
  return stat(path.c_str(), &facts) == 0 && S_ISDIR(facts.st_mode);
}

bool cLocale(const char* name) { return !name || !std::strcmp(name, "C") || !std::strcmp(name, "POSIX"); }

}  // namespace

std::string catalogueFolder(const std::string& programFolder) {
  const char* chosen = std::getenv("TARVENN_LOCALEDIR");
  if (chosen && *chosen) return chosen;
  if (!programFolder.empty() && isFolder(programFolder + "/../share/locale"))
    return programFolder + "/../share/locale";
  return TARVENN_LOCALEDIR;
}

void startTranslations(const std::string& programFolder, const std::string& language) {
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  if (languageIndex(language) > 0) {
    setenv("LANGUAGE", language.c_str(), 1);
    // gettext reads LANGUAGE only outside the C locale.
    if (language != "en" && cLocale(std::setlocale(LC_MESSAGES, nullptr)) &&
        !std::setlocale(LC_MESSAGES, (language + ".UTF-8").c_str()))
      std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
  bindtextdomain(Domain, catalogueFolder(programFolder).c_str());
  bind_textdomain_codeset(Domain, "UTF-8");  // the window draws UTF-8 whatever the locale
  textdomain(Domain);
}

// The catalogues as the program loads them: the language from the locale or the player's
// choice, plural forms by each language's rule, and English untouched under the C locale.
#include <gtest/gtest.h>
#include <clocale>
#include <cstdlib>
#include <string>
#include "game/message_text.h"
#include "i18n/language.h"
#include "i18n/translate.h"
#include "ui/controller/status_text.h"

namespace {

// Runs a test in a language and returns the process to English and the C locale after it.
class TranslationTest : public ::testing::Test {
protected:
  void TearDown() override {
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    unsetenv("TARVENN_LOCALEDIR");
    std::setlocale(LC_ALL, "C");
    textdomain("tarvenn");  // makes gettext forget what it found
  }
  // The catalogues of the build tree, as the programs find them beside themselves.
  static void speak(const char* locale, const std::string& choice) {
    setenv("TARVENN_LOCALEDIR", TARVENN_BUILD_LOCALEDIR, 1);
    setenv("LC_ALL", locale, 1);
    unsetenv("LANGUAGE");
    startTranslations("", choice);
  }
  static bool installed(const char* locale) { return std::setlocale(LC_ALL, locale) != nullptr; }
};

TEST_F(TranslationTest, EachLanguageCountsMovesByItsOwnPluralRule) {
  if (!installed("ru_RU.UTF-8") || !installed("pt_BR.UTF-8")) GTEST_SKIP() << "locales not generated";
  struct Case {
    const char* locale;
    int moves;
    const char* text;
  };
  const Case cases[] = {
      {"C", 1, "1 move"},           {"C", 0, "0 moves"},         {"C", 2, "2 moves"},
      {"pt_BR.UTF-8", 0, "0 lance"}, {"pt_BR.UTF-8", 1, "1 lance"}, {"pt_BR.UTF-8", 2, "2 lances"},
      {"ru_RU.UTF-8", 1, "1 ход"},   {"ru_RU.UTF-8", 2, "2 хода"},  {"ru_RU.UTF-8", 5, "5 ходов"},
      {"ru_RU.UTF-8", 11, "11 ходов"}, {"ru_RU.UTF-8", 12, "12 ходов"}, {"ru_RU.UTF-8", 21, "21 ход"},
      {"ru_RU.UTF-8", 22, "22 хода"}, {"ru_RU.UTF-8", 111, "111 ходов"},
  };
  for (const Case& c : cases) {
    speak(c.locale, "");
    EXPECT_EQ(movesText(c.moves), c.text) << c.locale;
  }
}

TEST_F(TranslationTest, ThePlayersChoiceOverridesTheLocaleEvenTheCLocale) {
  if (!installed("ru_RU.UTF-8") || !installed("pt_BR.UTF-8")) GTEST_SKIP() << "locales not generated";
  StatusFacts facts;
  facts.hasGame = true;
  struct Case {
    const char* locale;
    const char* choice;
    const char* status;
  };
  const Case cases[] = {
      {"C", "", "White to move."},          {"pt_BR.UTF-8", "", "Brancas jogam."},
      {"ru_RU.UTF-8", "", "Ход белых."},      {"C", "ru", "Ход белых."},
      {"C", "pt_BR", "Brancas jogam."},      {"ru_RU.UTF-8", "en", "White to move."},
      {"ru_RU.UTF-8", "pt_BR", "Brancas jogam."}, {"pt_BR.UTF-8", "xx", "Brancas jogam."},  // unknown: the locale's
  };
  for (const Case& c : cases) {
    speak(c.locale, c.choice);
    EXPECT_EQ(statusText(facts), c.status) << c.locale << " chosen '" << c.choice << "'";
  }
}

TEST_F(TranslationTest, NumbersKeepTheDotThatFilesAndTypedTimesUse) {
  if (!installed("pt_BR.UTF-8")) GTEST_SKIP() << "locale not generated";
  speak("pt_BR.UTF-8", "");
  EXPECT_EQ(formatText("%.2f", 2.5), "2.50");
  EXPECT_EQ(std::strtod("0.25", nullptr), 0.25);
}

TEST(LanguageChoices, OnlyTheLanguagesOfferedAreKnown) {
  EXPECT_EQ(languageIndex(""), 0);
  EXPECT_EQ(languageIndex("en"), 1);
  EXPECT_EQ(languageIndex("pt_BR"), 2);
  EXPECT_EQ(languageIndex("ru"), 3);
  for (const char* code : {"pt", "ru_RU", "RU", "system", "en_US", " ru"}) EXPECT_EQ(languageIndex(code), -1) << code;
}

TEST(CatalogueFolder, TheVariableWinsThenTheProgramsOwnShareThenTheInstalledOne) {
  setenv("TARVENN_LOCALEDIR", "/chosen/locale", 1);
  EXPECT_EQ(catalogueFolder("/anywhere/bin"), "/chosen/locale");
  unsetenv("TARVENN_LOCALEDIR");
  const std::string build = TARVENN_BUILD_LOCALEDIR;  // <build>/share/locale
  const std::string root = build.substr(0, build.size() - std::string("/share/locale").size());
  EXPECT_EQ(catalogueFolder(root + "/app"), root + "/app/../share/locale");
  EXPECT_EQ(catalogueFolder("/no/such/bin"), TARVENN_INSTALLED_LOCALEDIR);
  EXPECT_EQ(catalogueFolder(""), TARVENN_INSTALLED_LOCALEDIR);
}

}  // namespace

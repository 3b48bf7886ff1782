// Where saving starts and the name it offers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <fstream>
#include "game/save_place.h"
#include "tests/support/scratch_directory.h"

namespace {

struct Folders {
  ScratchDirectory scratch;
  std::string home = scratch.path + "/home";
  std::string config = scratch.path + "/config";
  Folders() {
    for (const std::string& folder : {home, home + "/.config", home + "/Documents", home + "/Games", config,
                                      scratch.path + "/Last"})
      mkdir(folder.c_str(), 0755);
  }
  void dirs(const std::string& folder, const std::string& text) const {
    std::ofstream(folder + "/user-dirs.dirs", std::ios::binary) << text;
  }
};

TEST(SavePlace, TheLastFolderWinsThenTheDocumentsFolderThenHome) {
  Folders f;
  f.dirs(f.config, "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
  const std::string last = f.scratch.path + "/Last";
  EXPECT_EQ(startFolder({last, f.config, f.home}), last);
  EXPECT_EQ(startFolder({f.scratch.path + "/gone", f.config, f.home}), f.home + "/Documents")
      << "a last folder that is gone gives way";
  EXPECT_EQ(startFolder({"", f.config, f.home}), f.home + "/Documents");
  EXPECT_EQ(startFolder({"", f.scratch.path + "/none", f.home}), f.home) << "no user-dirs.dirs: home";
  EXPECT_EQ(startFolder({"", "", ""}), "");
}

TEST(SavePlace, UserDirsIsReadAsTheDesktopWritesIt) {
  Folders f;
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Games\"\n",
       f.home + "/Games"},
      {"XDG_DOCUMENTS_DIR=\"${HOME}/Games\"\r\n", f.home + "/Games"},
      {"  XDG_DOCUMENTS_DIR = \"" + f.scratch.path + "/Last\"\n", f.scratch.path + "/Last"},  // an absolute path
      {"XDG_DOCUMENTS_DIR=$HOME/Games\n", f.home + "/Games"},                                // without quotes
      {"#XDG_DOCUMENTS_DIR=\"$HOME/Games\"\n", ""},                                         // a comment
      {"XDG_DOCUMENTS_DIR=\"$HOME/Missing\"\n", ""},                                        // no such folder
      {"XDG_DOCUMENTS_DIR=\"Games\"\n", ""},                                                // relative
      {"XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\nXDG_DOCUMENTS_DIR=\"$HOME/Games\"\n", f.home + "/Games"},  // the last
      {"XDG_DOCUMENTSDIR=\"$HOME/Games\"\n\x01\xff garbage", ""},
  };
  for (const auto& c : cases) {
    f.dirs(f.config, c.text);
    EXPECT_EQ(documentsFolder({"", f.config, f.home}), c.expected) << c.text;
  }
  // Without a config home (or a relative one), ~/.config holds the file.
  f.dirs(f.home + "/.config", "XDG_DOCUMENTS_DIR=\"$HOME/Games\"\n");
  EXPECT_EQ(documentsFolder({"", "", f.home}), f.home + "/Games");
  EXPECT_EQ(documentsFolder({"", "config", f.home}), f.home + "/Games");
}

TEST(SavePlace, TheOfferedNameIsThePlayersAndTheDateWithUnsafeCharactersReplaced) {
  const std::time_t today = 1796731200;  // 2026-12-08 at noon
  const struct {
    const char *white, *black, *date, *expected;
  } cases[] = {
      {"Ana", "Bruno", "2026.11.30", "Ana-Bruno-2026-11-30.pdn"},
      {"Ana", "Bruno", "2026.??.??", "Ana-Bruno-2026-12-08.pdn"},  // an unknown date: today's
      {"Ana", "Bruno", "", "Ana-Bruno-2026-12-08.pdn"},
      {"Ana Maria", "a/b\\c:d*e?f\"g<h>i|j", "2026.12.08", "Ana_Maria-a_b_c_d_e_f_g_h_i_j-2026-12-08.pdn"},
      {"..", "Bruno", "2026.12.08", "_.-Bruno-2026-12-08.pdn"},  // never a hidden file or a parent folder
      {"?", "", "2026.12.08", "White-Black-2026-12-08.pdn"},
      {"José", "Zoë", "2026.12.08", "José-Zoë-2026-12-08.pdn"},
      {"human", "computer", "2026.12.08", "human-computer-2026-12-08.pdn"},
  };
  for (const auto& c : cases) EXPECT_EQ(gameFileName(c.white, c.black, c.date, today), c.expected) << c.white;
  // A long name is cut, never inside a character.
  std::string longName;
  for (int i = 0; i < 30; ++i) longName += "é";
  const std::string name = gameFileName(longName, "B", "2026.12.08", today);
  EXPECT_EQ(name, longName.substr(0, 40) + "-B-2026-12-08.pdn");
  const std::string odd = gameFileName("a" + longName, "B", "2026.12.08", today);
  EXPECT_EQ(odd, "a" + longName.substr(0, 38) + "-B-2026-12-08.pdn");
}

}  // namespace

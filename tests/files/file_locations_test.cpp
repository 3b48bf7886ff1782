#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>
#include "files/file_locations.h"
#include "tests/support/scratch_directory.h"

namespace {

// A scratch tree: the working folder, a home, and two folders that may hold an installed book.
class GameFilesChoice : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(scratch.path.empty());
    for (const char* folder : {"/work", "/home", "/prefix", "/prefix/bin", "/share"})
      ASSERT_EQ(mkdir((scratch.path + folder).c_str(), 0755), 0);
    environment.workingFolder = scratch.path + "/work";
    environment.home = scratch.path + "/home";
    environment.dataDirs = scratch.path + "/share";
    environment.programFolder = scratch.path + "/prefix/bin";
  }
  void makeFile(const std::string& path) { std::ofstream(scratch.path + path) << "22-18\n"; }
  void makeFolder(const std::string& path) { ASSERT_EQ(mkdir((scratch.path + path).c_str(), 0755), 0); }
  bool isFolder(const std::string& path) {
    struct stat info;
    return stat((scratch.path + path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  ScratchDirectory scratch;
  FileEnvironment environment;
};

}  // namespace

TEST_F(GameFilesChoice, AWorkingFolderWithAnyGameFileIsUsedAsBefore) {
  for (const char* name : {"white.ouv", "black.ouv", "enddb1.bin", "enddb5.bin", "enddb9.bin"}) {
    ScratchDirectory work;
    std::ofstream(work.path + "/" + name) << "x";
    environment.workingFolder = work.path;
    const GameFiles files = locateGameFiles(environment);
    EXPECT_FALSE(files.inDataFolder) << name;
    EXPECT_EQ(files.folder, work.path) << name;
    EXPECT_EQ(files.databaseFolder, "") << name << ": the database keeps its plain file names";
    EXPECT_EQ(files.whiteBook, "white.ouv") << name;
    EXPECT_EQ(files.blackBook, "black.ouv") << name;
  }
  EXPECT_FALSE(isFolder("/home/.local")) << "no data folder is made";
}

TEST_F(GameFilesChoice, StartedInsideTheDataFolderItStillReadsTheInstalledBook) {
  makeFolder("/home/.local");
  makeFolder("/home/.local/share");
  makeFolder("/home/.local/share/tarvenn");
  makeFile("/home/.local/share/tarvenn/enddb1.bin");
  makeFolder("/share/tarvenn");
  makeFile("/share/tarvenn/white.ouv");
  environment.workingFolder = scratch.path + "/home/.local/share/tarvenn";
  const GameFiles files = locateGameFiles(environment);
  EXPECT_TRUE(files.inDataFolder);
  EXPECT_EQ(files.whiteBook, scratch.path + "/share/tarvenn/white.ouv");
}

TEST_F(GameFilesChoice, ADirectoryNamedLikeADatabaseFileCountsAsTheGamesFile) {
  makeFolder("/work/enddb2.bin");
  EXPECT_FALSE(locateGameFiles(environment).inDataFolder);
}

TEST_F(GameFilesChoice, OtherFilesLeaveTheWorkingFolderAlone) {
  for (const char* name : {"white.ouv.orig", "enddb.txt", "my-enddb1.bin", "enddb1.bin.gz", "WHITE.OUV", "README"})
    makeFile(std::string("/work/") + name);
  const GameFiles files = locateGameFiles(environment);
  EXPECT_TRUE(files.inDataFolder);
  EXPECT_EQ(files.folder, scratch.path + "/home/.local/share/tarvenn");
  EXPECT_EQ(files.databaseFolder, files.folder);
  EXPECT_EQ(files.problem, "");
  EXPECT_TRUE(isFolder("/home/.local/share/tarvenn"));
}

TEST_F(GameFilesChoice, DataFolderFollowsXdgDataHomeWhenItIsAbsolute) {
  const struct {
    std::string dataHome;
    std::string home;
    std::string folder;  // relative to the scratch tree, "" for none
  } cases[] = {
      {scratch.path + "/xdg", scratch.path + "/home", "/xdg/tarvenn"},
      {"", scratch.path + "/home", "/home/.local/share/tarvenn"},
      {"relative/xdg", scratch.path + "/home", "/home/.local/share/tarvenn"},
      {scratch.path + "/xdg2", "", "/xdg2/tarvenn"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    environment.dataHome = c.dataHome;
    environment.home = c.home;
    const std::string expected = c.folder.empty() ? "" : scratch.path + c.folder;
    EXPECT_EQ(dataFolderPath(environment), expected) << "XDG_DATA_HOME=" << c.dataHome << " HOME=" << c.home;
    const GameFiles files = locateGameFiles(environment);
    EXPECT_EQ(files.folder, expected) << c.dataHome;
    if (c.folder.empty())
      EXPECT_NE(files.problem, "") << "without a home there is no data folder";
    else
      EXPECT_TRUE(isFolder(c.folder)) << c.folder;
  }
}

TEST_F(GameFilesChoice, ADataFolderBehindARegularFileIsAProblemNotACrash) {
  makeFile("/blocker");
  for (const std::string& dataHome : {scratch.path + "/blocker", scratch.path + "/blocker/deeper"}) {
    environment.dataHome = dataHome;
    const GameFiles files = locateGameFiles(environment);
    EXPECT_TRUE(files.inDataFolder) << dataHome;
    EXPECT_EQ(files.folder, dataHome + "/tarvenn");
    EXPECT_EQ(files.problem, "Not a directory") << dataHome;
  }
  environment.dataHome = scratch.path + "/xdg";
  makeFolder("/xdg");
  makeFile("/xdg/tarvenn");  // the folder's own name taken by a file
  EXPECT_EQ(locateGameFiles(environment).problem, "Not a directory");
}

TEST_F(GameFilesChoice, TheUsersOwnBookWinsOverTheInstalledCopyFileByFile) {
  const struct {
    std::vector<std::string> files;
    std::string white;  // relative to the scratch tree
    std::string black;
  } cases[] = {
      {{}, "/home/.local/share/tarvenn/white.ouv", "/home/.local/share/tarvenn/black.ouv"},
      {{"/share/tarvenn/white.ouv", "/share/tarvenn/black.ouv"}, "/share/tarvenn/white.ouv",
       "/share/tarvenn/black.ouv"},
      {{"/share/tarvenn/white.ouv", "/share/tarvenn/black.ouv", "/home/.local/share/tarvenn/white.ouv"},
       "/home/.local/share/tarvenn/white.ouv", "/share/tarvenn/black.ouv"},
      // The program's own prefix comes before XDG_DATA_DIRS.
      {{"/share/tarvenn/white.ouv", "/share/tarvenn/black.ouv", "/prefix/share/tarvenn/white.ouv",
        "/prefix/share/tarvenn/black.ouv"},
       "/prefix/share/tarvenn/white.ouv", "/prefix/share/tarvenn/black.ouv"},
  };
  for (const auto& c : cases) {
    ScratchDirectory tree;
    std::system(("mkdir -p '" + tree.path + "/work' '" + tree.path + "/prefix/bin'").c_str());
    environment.workingFolder = tree.path + "/work";
    environment.home = tree.path + "/home";
    environment.dataDirs = "relative:" + tree.path + "/missing:" + tree.path + "/share";
    environment.programFolder = tree.path + "/prefix/bin";
    std::string list;
    for (const std::string& file : c.files) {
      std::system(("mkdir -p \"$(dirname '" + tree.path + file + "')\"").c_str());
      std::ofstream(tree.path + file) << "22-18\n";
      list += file + " ";
    }
    const GameFiles files = locateGameFiles(environment);
    EXPECT_EQ(files.whiteBook, tree.path + c.white) << list;
    EXPECT_EQ(files.blackBook, tree.path + c.black) << list;
  }
}

TEST_F(GameFilesChoice, SettingsFollowXdgConfigHomeElseHomeAndOnlyDataFallsBackOnTheAccountsHome) {
  const struct {
    std::string configHome, dataHome, home, accountHome;
    std::string settings, data;  // "" for none
  } cases[] = {
      {"/cfg", "/dat", "/h", "/acct", "/cfg/tarvenn", "/dat/tarvenn"},
      {"", "", "/h", "/acct", "/h/.config/tarvenn", "/h/.local/share/tarvenn"},
      {"cfg", "dat", "/h", "", "/h/.config/tarvenn", "/h/.local/share/tarvenn"},
      {"", "", "", "/acct", "", "/acct/.local/share/tarvenn"},
      {"/cfg", "", "", "/acct", "/cfg/tarvenn", "/acct/.local/share/tarvenn"},
      {"", "", "", "", "", ""},
  };
  for (const auto& c : cases) {
    environment.configHome = c.configHome;
    environment.dataHome = c.dataHome;
    environment.home = c.home;
    environment.accountHome = c.accountHome;
    const std::string facts = "XDG_CONFIG_HOME=" + c.configHome + " XDG_DATA_HOME=" + c.dataHome +
                              " HOME=" + c.home + " account home " + c.accountHome;
    EXPECT_EQ(settingsFolderPath(environment), c.settings) << facts;
    EXPECT_EQ(dataFolderPath(environment), c.data) << facts;
  }
}

TEST_F(GameFilesChoice, InstalledFilesAreSoughtBesideTheProgramThenInEachAbsoluteDataDir) {
  environment.dataDirs = "relative:/usr/share::/opt/share";
  EXPECT_EQ(installedFolders(environment),
            (std::vector<std::string>{scratch.path + "/prefix/bin/../share/tarvenn", "/usr/share/tarvenn",
                                      "/opt/share/tarvenn"}));
  environment.programFolder.clear();
  environment.dataDirs.clear();
  EXPECT_EQ(installedFolders(environment), (std::vector<std::string>{"/usr/local/share/tarvenn", "/usr/share/tarvenn"}))
      << "an unset XDG_DATA_DIRS means /usr/local/share:/usr/share";
}

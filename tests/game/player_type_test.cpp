#include <gtest/gtest.h>
#include <cstring>
#include "fakes.h"
#include "game/player_type.h"

namespace {

struct NamedType : PlayerType {
  const char* name;
  explicit NamedType(const char* name) : name(name) {}
  Player* createPlayer(Fl_Widget*) override { return new ScriptedPlayer; }
  const char* typeName() const override { return name; }
};

TEST(PlayerRegistry, TypesAreListedInRegistrationOrderUntilDestroyed) {
  const size_t before = playerTypes().size();
  {
    NamedType human("human"), computer("computer");
    ASSERT_EQ(playerTypes().size(), before + 2);
    EXPECT_STREQ(playerTypes()[before]->typeName(), "human");
    EXPECT_STREQ(playerTypes()[before + 1]->typeName(), "computer");
    EXPECT_EQ(findPlayerType("computer"), &computer);
    EXPECT_EQ(findPlayerType("robot"), nullptr);
    EXPECT_EQ(human.createOptions(), nullptr);
    Player* player = computer.createPlayer(nullptr);
    EXPECT_NE(player, nullptr);
    delete player;
  }
  EXPECT_EQ(playerTypes().size(), before);
  EXPECT_EQ(findPlayerType("human"), nullptr);
}

}  // namespace

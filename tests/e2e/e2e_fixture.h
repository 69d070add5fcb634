#pragma once
// The end-to-end tests play the whole game headless from its game folder.
// Every test also checks that each picture, sound and piece of music the
// game asked for was there.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "platform/asset_log.h"

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(QORV_GAME_DIR), 0) << "no game folder at " << QORV_GAME_DIR;
    ClearMissingAssets();
  }
  void TearDown() override {
    std::string missing;
    for (const std::string& path : MissingAssets()) missing += " " + path;
    EXPECT_TRUE(MissingAssets().empty())
        << "the game asked for files that are not there:" << missing;
  }
};

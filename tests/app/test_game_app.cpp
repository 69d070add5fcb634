#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <set>
#include <string>

#include "app/data_settings.h"
#include "app/game_app.h"
#include "app/screen_names.h"
#include "harness/scenario_driver.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "test_folder.h"

namespace {

class GameAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(TestFolder().c_str()), 0);
    SetBackend(Backend::Headless);
    headless::Reset();
  }
};

}  // namespace

TEST_F(GameAppTest, ConstructorValues) {
  GameApp app;
  EXPECT_STREQ(app.className, "QorvClass");
  EXPECT_STREQ(app.caption, "Qorv");
  EXPECT_EQ(app.windowGeometry.style, kStylePopup);
  EXPECT_EQ(app.windowGeometry.width, 600u);
  EXPECT_EQ(app.windowGeometry.height, 480u);
  EXPECT_EQ(app.shownHero, 200);
  EXPECT_EQ(app.screenEntered, 1);
  EXPECT_EQ(app.mapShowMessages, 1);
  EXPECT_EQ(app.leaveCode, 0);
  EXPECT_EQ(app.timingValid, 0);
  EXPECT_EQ(app.lastFrameMs, 0u);
  EXPECT_EQ(app.gameState, nullptr);
  EXPECT_EQ(app.settings, nullptr);
  EXPECT_EQ(app.creditsScreen, nullptr);
  EXPECT_EQ(app.kingdomMap, nullptr);
  for (AnimClock* clock : app.animClock) EXPECT_EQ(clock, nullptr);
  EXPECT_EQ(app.screenProc, nullptr);
  // Frame with no screen yet does nothing and keeps the loop going.
  EXPECT_EQ(app.Frame(), 1u);
}

TEST_F(GameAppTest, InitStartsOnTheMainMenuWithAFreshRecord) {
  GameApp app;
  EXPECT_EQ(app.Init(), 1u);
  EXPECT_EQ(app.screenProc, &GameApp::GoMainMenu);
  EXPECT_EQ(app.framesPerSecond, 0u);
  ASSERT_NE(app.settings, nullptr);
  EXPECT_EQ(app.settings->needsLoad, 0);
  ASSERT_NE(app.gameState, nullptr);
  EXPECT_STREQ(app.musicTrack.LoadedPath(), "Data/Music.mid");
  EXPECT_EQ(app.Shutdown(), 1u);
}

TEST_F(GameAppTest, FrameTimingAndFramesPerSecond) {
  GameApp app;
  // The first frame of a screen is not timed: it only makes timing valid.
  headless::SetNowMs(500);
  app.lastFrameMs = 7;
  app.BeginFrameTiming();
  app.EndFrameTiming();
  EXPECT_EQ(app.timingValid, 1);
  EXPECT_EQ(app.lastFrameMs, 7u);
  app.BeginFrameTiming();
  EXPECT_EQ(app.frameStartMs, 500u);
  headless::SetNowMs(520);
  app.EndFrameTiming();
  EXPECT_EQ(app.lastFrameMs, 20u);

  // The clock wrapping round still gives the frame's length.
  headless::SetNowMs(0xFFFFFFF0u);
  app.BeginFrameTiming();
  headless::SetNowMs(0x10u);
  app.EndFrameTiming();
  EXPECT_EQ(app.lastFrameMs, 0x20u);

  // 20 ms frames: the 51st frame takes the sum to 1020 and is counted.
  app.lastFrameMs = 20;
  for (int i = 0; i < 50; ++i) app.CountFrame();
  EXPECT_EQ(app.framesPerSecond, 0u);
  EXPECT_EQ(app.msCounted, 1000u);
  app.CountFrame();
  EXPECT_EQ(app.framesPerSecond, 51u);
  EXPECT_EQ(app.msCounted, 0u);
  EXPECT_EQ(app.framesCounted, 0u);
  // A frame longer than a second is a second of its own.
  app.lastFrameMs = 1500;
  app.CountFrame();
  EXPECT_EQ(app.framesPerSecond, 1u);
}

TEST_F(GameAppTest, ScreenTimingOfTheFrame) {
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  driver.SetFrameMs(100);

  // The first frame runs the main menu untimed; its clock starts at its end.
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  EXPECT_EQ(app.lastFrameMs, 0u);
  EXPECT_EQ(app.timingValid, 1);
  EXPECT_EQ(app.screenEntered, 0);
  EXPECT_EQ(app.screenStartMs, 0u);
  EXPECT_EQ(app.secondsOnScreen, 0u);

  driver.RunFrames(1);
  EXPECT_EQ(app.lastFrameMs, 100u);
  driver.RunFrames(8);  // the clock read 900 in the tenth frame
  EXPECT_EQ(app.secondsOnScreen, 0u);
  driver.RunFrames(1);  // 1000
  EXPECT_EQ(app.secondsOnScreen, 1u);

  // A screen change: the new screen's first frame is untimed and its
  // seconds start from 0 again, counted from the end of that frame.
  driver.SetFrameMs(40);
  ASSERT_TRUE(driver.Goto("GoHelp"));
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "HelpProc");
  EXPECT_EQ(app.leaveCode, 0);
  EXPECT_EQ(app.lastFrameMs, 100u);  // kept through the untimed frame
  EXPECT_EQ(app.secondsOnScreen, 0u);
  uint32_t entered = app.screenStartMs;
  EXPECT_EQ(entered, 1100u);
  driver.RunFrames(1);
  EXPECT_EQ(app.lastFrameMs, 40u);
  driver.RunFrames(23);  // the clock reads 1100 + 24 x 40 = 2060
  EXPECT_EQ(app.secondsOnScreen, 0u);
  driver.RunFrames(1);  // 2100
  EXPECT_EQ(app.secondsOnScreen, 1u);
}

TEST_F(GameAppTest, LeaveCodeHandOver) {
  ScenarioDriver driver;
  driver.Start();
  GameApp& app = driver.App();
  driver.RunFrames(2);

  // Any non-zero code is cleared by the next screen on its first frame.
  for (uint8_t code : {kLeaveNormal, kLeaveKeepOrFree, kLeaveToOptions, kLeaveFreshRecord}) {
    driver.Goto("GoHallOfFame");
    app.leaveCode = code;
    app.secondsOnScreen = 99;
    driver.RunFrames(1);
    EXPECT_EQ(app.leaveCode, 0) << int(code);
    EXPECT_EQ(app.secondsOnScreen, 0u);
    EXPECT_EQ(app.timingValid, 1);  // set again at the frame's end
  }

  // A screen that leaves sets the code in its last frame and the next one
  // clears it.
  driver.Goto("GoCredits");
  driver.RunFrames(2);
  ASSERT_NE(app.creditsScreen, nullptr);
  driver.PressKey(kKeyEscape);
  EXPECT_EQ(app.creditsScreen, nullptr);
  EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
  // The key's second frame already ran on the main menu, which cleared it.
  EXPECT_EQ(app.leaveCode, 0);
}

TEST(ScreenNames, EveryStubHasOneProcedureName) {
  std::set<ScreenProc> stubs;
  std::set<std::string> stubNames;
  std::set<std::string> procNames;
  for (const ScreenName& s : kScreenNames) {
    ASSERT_NE(s.stub, nullptr);
    stubs.insert(s.stub);
    stubNames.insert(s.stubName);
    procNames.insert(s.procName);
    EXPECT_EQ(StubNamed(s.stubName), s.stub);
    EXPECT_STREQ(ProcNameOf(s.stub), s.procName);
    EXPECT_EQ(std::strncmp(s.stubName, "Go", 2), 0) << s.stubName;
    std::string proc = s.procName;
    EXPECT_EQ(proc.substr(proc.size() - 4), "Proc") << proc;
  }
  EXPECT_EQ(stubs.size(), size_t(kScreenCount));
  EXPECT_EQ(stubNames.size(), size_t(kScreenCount));
  EXPECT_EQ(procNames.size(), size_t(kScreenCount));

  EXPECT_STREQ(ProcNameOf(&GameApp::GoKingdomMap), "MapProc");
  EXPECT_STREQ(ProcNameOf(&GameApp::GoCredits), "CreditsProc");
  EXPECT_STREQ(ProcNameOf(nullptr), "");
  EXPECT_EQ(StubNamed("CreditsProc"), nullptr);
  EXPECT_EQ(StubNamed("gocredits"), nullptr);
  EXPECT_EQ(StubNamed(nullptr), nullptr);
}

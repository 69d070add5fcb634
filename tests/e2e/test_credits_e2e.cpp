#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/data_settings.h"
#include "app/game_app.h"
#include "e2e_fixture.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "harness/scenario_script.h"
#include "menus/credits_screen.h"
#include "menus/main_menu_screen.h"
#include "platform/headless.h"
#include "platform/input_device.h"

namespace {

// The middle of the main menu's credits button.
const MenuButton& kCreditsButton = kMenuButtons[kMenuCredits - 1];
const int kCreditsX = kCreditsButton.x + kCreditsButton.w / 2;
const int kCreditsY = 570;

// Opens the credits from the main menu with a click on its button.
void OpenCredits(ScenarioDriver& driver) {
  driver.Start();
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "MainMenuProc");
  driver.Click(kCreditsX, kCreditsY, kMouseLeft);
  ASSERT_STREQ(driver.ScreenName(), "CreditsProc");
  driver.RunFrames(2);
  ASSERT_NE(driver.App().creditsScreen, nullptr);
}

bool NearColour(uint32_t pixel, uint32_t colour, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    int a = int((pixel >> shift) & 255);
    int b = int((colour >> shift) & 255);
    if (a - b > tolerance || b - a > tolerance) return false;
  }
  return true;
}

int CountNear(const uint32_t* pixels, int x, int y, int w, int h, uint32_t colour, int tolerance) {
  int count = 0;
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col)
      if (NearColour(pixels[row * headless::kFrameWidth + col], colour, tolerance)) ++count;
  return count;
}

std::vector<uint32_t> LastFrame() {
  const uint32_t* p = headless::FramePixels();
  return std::vector<uint32_t>(p, p + headless::kFrameWidth * headless::kFrameHeight);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST_F(EndToEnd, MainMenuCreditsButtonOpensTheCredits) {
  ScenarioDriver driver;
  OpenCredits(driver);
  CreditsScreen* screen = driver.App().creditsScreen;
  EXPECT_EQ(screen->backLook, 0);
  EXPECT_EQ(screen->pressedId, 0);
  // The press that opened the credits is not taken by them.
  EXPECT_EQ(screen->held, 0);

  // Hovering Back lights it; leaving it puts it back.
  driver.MoveTo(720, 20);
  driver.RunFrames(1);
  EXPECT_EQ(screen->backLook, 1);
  driver.MoveTo(300, 300);
  driver.RunFrames(1);
  EXPECT_EQ(screen->backLook, 0);
}

TEST_F(EndToEnd, BackBackspaceAndEscapeReturnToTheMainMenu) {
  {
    // Back acts once the button is let go over it.
    ScenarioDriver driver;
    OpenCredits(driver);
    driver.MoveTo(730, 25);
    driver.ButtonDown(kMouseLeft);
    driver.RunFrames(1);
    CreditsScreen* screen = driver.App().creditsScreen;
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->backLook, 2);
    EXPECT_EQ(screen->held, 1);
    driver.RunFrames(5);  // still held: nothing happens
    EXPECT_STREQ(driver.ScreenName(), "CreditsProc");
    EXPECT_EQ(screen->backLook, 2);
    driver.ButtonUp(kMouseLeft);
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
    EXPECT_EQ(driver.App().creditsScreen, nullptr);
    EXPECT_EQ(driver.App().leaveCode, 1);
    driver.RunFrames(1);
    EXPECT_EQ(driver.App().leaveCode, 0);
  }
  {
    // The right button works as well; sliding off the held button acts at once.
    ScenarioDriver driver;
    OpenCredits(driver);
    driver.MoveTo(710, 15);
    driver.ButtonDown(kMouseRight);
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "CreditsProc");
    driver.MoveTo(500, 300);
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
    // The button still held away from the menu's buttons does nothing there.
    driver.RunFrames(3);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
    driver.ButtonUp(kMouseRight);
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc");
    // A new click on the credits button opens them again.
    driver.Click(kCreditsX, kCreditsY, kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), "CreditsProc");
  }
  for (int key : {kKeyBackspace, kKeyEscape}) {
    ScenarioDriver driver;
    OpenCredits(driver);
    driver.KeyDown(key);
    driver.RunFrames(1);
    EXPECT_STREQ(driver.ScreenName(), "MainMenuProc") << key;
    EXPECT_EQ(driver.App().creditsScreen, nullptr);
    // Escape held on into the main menu does not quit: the key is latched.
    driver.RunFrames(3);
    EXPECT_FALSE(driver.QuitPosted());
    driver.KeyUp(key);
    driver.RunFrames(1);
  }
  {
    // A click elsewhere does nothing.
    ScenarioDriver driver;
    OpenCredits(driver);
    driver.Click(100, 500, kMouseLeft);
    EXPECT_STREQ(driver.ScreenName(), "CreditsProc");
    EXPECT_EQ(driver.App().creditsScreen->pressedId, 0);
  }
}

TEST_F(EndToEnd, EscapeOnTheMainMenuQuits) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  EXPECT_FALSE(driver.QuitPosted());
  driver.PressKey(kKeyEscape);
  EXPECT_TRUE(driver.QuitPosted());
  // The loop ends with the quit message: no further frame runs.
  uint32_t frames = driver.FrameCount();
  EXPECT_EQ(driver.RunFrames(10), 0);
  EXPECT_EQ(driver.FrameCount(), frames);
}

TEST_F(EndToEnd, CreditsScreenshotShowsReadableText) {
  const std::string shot = TestFile("credits.png");
  const std::string dump = TestFile("credits.json");
  std::remove(shot.c_str());
  std::ostringstream err;
  const std::string script =
      "# open the credits and take a picture\n"
      "tick 16\n"
      "frames 2\n"
      "click " +
      std::to_string(kCreditsX) + " " + std::to_string(kCreditsY) +
      "\n"
      "expect screen CreditsProc\n"
      "frames 3\n"
      "move 100 560\n"
      "frames 1\n"
      "shot " +
      shot +
      "\n"
      "dump " +
      dump +
      "\n"
      "expect objects.creditsScreen.backLook 0\n"
      "expect app.leaveCode 0\n";
  ScenarioOptions options;
  options.gameDir = TestFolder();
  ASSERT_EQ(RunScenarioText(script, "credits.txt", options, err), 0) << err.str();

  std::string png = ReadFile(shot);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");

  // The last frame is the one in the picture: the credit lines are there in
  // their colour, and not where no line is.
  std::vector<uint32_t> frame = LastFrame();
  const uint32_t* p = frame.data();
  for (const CreditLine& line : kCreditLines) {
    int inside = CountNear(p, line.x, line.y, line.w, 24, kCreditsTextColour, 24);
    EXPECT_GE(inside, 40) << line.text;
  }
  int between = CountNear(p, 200, 160, 170, 30, kCreditsTextColour, 24);
  EXPECT_LT(between, 10);
  // The background picture and the Back button are drawn.
  int black = CountNear(p, 0, 0, 800, 600, 0xFF000000, 4);
  EXPECT_LT(black, 800 * 600 / 2);
  EXPECT_LT(CountNear(p, 700, 10, 64, 32, 0xFF000000, 4), 64 * 32 / 2);

  // The dump is one JSON object with the screen, the record and the object.
  JsonValue value;
  ASSERT_TRUE(ParseJson(ReadFile(dump), &value));
  ASSERT_NE(FindJsonPath(value, "screen"), nullptr);
  EXPECT_EQ(FindJsonPath(value, "screen")->text, "CreditsProc");
  EXPECT_NE(FindJsonPath(value, "state.gold"), nullptr);
  EXPECT_NE(FindJsonPath(value, "objects.creditsScreen.held"), nullptr);
  EXPECT_NE(FindJsonPath(value, "objects.settings.values.0"), nullptr);
  EXPECT_NE(FindJsonPath(value, "app.shownHero"), nullptr);
  EXPECT_EQ(FindJsonPath(value, "objects.cursor.x")->number, 100);
  EXPECT_EQ(FindJsonPath(value, "objects.cursor.y")->number, 560);
}

TEST_F(EndToEnd, SameScriptSamePixels) {
  std::vector<uint32_t> first;
  for (int run = 0; run < 2; ++run) {
    ScenarioDriver driver;
    OpenCredits(driver);
    driver.MoveTo(730, 25);
    driver.RunFrames(4);
    if (run == 0) {
      first = LastFrame();
    } else {
      EXPECT_TRUE(first == LastFrame());
    }
  }
}

TEST_F(EndToEnd, ScriptQuitAndFailingExpect) {
  ScenarioOptions options;
  options.gameDir = TestFolder();
  {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("frames 2\nkey ESC\nexpect quit\n", "q.txt", options, err), 0)
        << err.str();
  }
  {
    // The quit comes unexpected: the runner stops at the line that caused it.
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("frames 2\nkey ESC\nframes 5\n", "q.txt", options, err), 1);
    EXPECT_EQ(err.str().rfind("q.txt:2: the game posted its quit message", 0), 0u) << err.str();
  }
  {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("frames 2\nexpect quit\n", "q.txt", options, err), 1);
    EXPECT_EQ(err.str().rfind("q.txt:2: expected the quit message", 0), 0u) << err.str();
  }
  {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("frames 1\n\nexpect screen CreditsProc\n", "e.txt", options, err), 1);
    EXPECT_EQ(err.str(), "e.txt:3: expected the screen CreditsProc, but it is MainMenuProc\n");
  }
  {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("goto GoCredits\nframes 1\nexpect objects.creditsScreen.held 1\n",
                              "e.txt", options, err),
              1);
    EXPECT_EQ(err.str(), "e.txt:3: expected objects.creditsScreen.held to be 1, but it is 0\n");
  }
  {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("expect state.noSuchField 1\n", "e.txt", options, err), 1);
    EXPECT_EQ(err.str(), "e.txt:1: the dump has no field state.noSuchField\n");
  }
  {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText("goto GoCredits\nframes 1\nexpect screen CreditsProc\n"
                              "expect objects.creditsScreen.held 0\nexpect screen CreditsProc\n"
                              "key BACKSPACE\nexpect screen MainMenuProc\n",
                              "ok.txt", options, err),
              0)
        << err.str();
  }
}

TEST_F(EndToEnd, ScenarioRunnerExitStatus) {
  const std::string runner = std::string(BuiltGameFolder()) + "/../tools/scenario";
  ASSERT_EQ(access(runner.c_str(), X_OK), 0) << "build the scenario runner first: " << runner;
  const std::string out = TestFolder();
  const std::string good = out + "/runner_good.txt";
  const std::string bad = out + "/runner_bad.txt";
  const std::string errors = out + "/runner_bad.err";
  std::ofstream(good) << "frames 2\nclick " << kCreditsX << " " << kCreditsY
                      << "\nexpect screen CreditsProc\nkey ESC\n"
                         "expect screen MainMenuProc\nkey ESC\nexpect quit\n";
  std::ofstream(bad) << "frames 2\nexpect app.leaveCode 7\n";

  // Every path quoted: the test's folder has a space in its name.
  const std::string command = ShellQuoted(runner) + " --dir " + ShellQuoted(TestFolder()) + " ";
  EXPECT_EQ(std::system((command + ShellQuoted(good)).c_str()), 0);
  int status = std::system((command + ShellQuoted(bad) + " 2>" + ShellQuoted(errors)).c_str());
  EXPECT_NE(status, 0);
  EXPECT_EQ(ReadFile(errors), bad + ":2: expected app.leaveCode to be 7, but it is 0\n");
  // No script at all is a usage error.
  EXPECT_NE(std::system((ShellQuoted(runner) + " 2>/dev/null").c_str()), 0);
}

TEST_F(EndToEnd, FramesPerSecondDisplay) {
  ScenarioDriver driver;
  driver.Start();
  driver.SetFrameMs(20);
  GameApp& app = driver.App();
  ASSERT_NE(app.settings, nullptr);
  app.settings->values[0] = 0;
  // The first second also counts the two frames measured as 0 ms at the
  // start; from then on 20 ms frames give 51 a second.
  driver.RunFrames(60);
  EXPECT_EQ(app.framesPerSecond, 53u);
  driver.RunFrames(51);
  EXPECT_EQ(app.framesPerSecond, 51u);
  std::vector<uint32_t> frame = LastFrame();
  EXPECT_EQ(CountNear(frame.data(), 0, 0, 800, 40, kFramesPerSecondColour, 24), 0);

  // Switched on, the main menu shows it at the top.
  app.settings->values[0] = 1;
  driver.RunFrames(1);
  frame = LastFrame();
  EXPECT_GT(CountNear(frame.data(), 20, 6, 200, 22, kFramesPerSecondColour, 24), 40);
  EXPECT_EQ(CountNear(frame.data(), 0, 540, 800, 60, kFramesPerSecondColour, 24), 0);

  // The help screen shows it at the bottom; the credits never do.
  driver.Goto("GoHelp");
  driver.RunFrames(2);
  frame = LastFrame();
  EXPECT_GT(CountNear(frame.data(), 20, 560, 200, 22, kFramesPerSecondColour, 24), 40);
  driver.Goto("GoCredits");
  driver.RunFrames(2);
  frame = LastFrame();
  EXPECT_EQ(CountNear(frame.data(), 0, 0, 800, 40, kFramesPerSecondColour, 24), 0);
  EXPECT_EQ(CountNear(frame.data(), 0, 540, 800, 60, kFramesPerSecondColour, 24), 0);
}

#include "platform/app_frame.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform_test_util.h"

namespace {

// An application that counts the calls of the frame and quits when told.
class CountingApp : public AppFrame {
 public:
  uint32_t Init() override {
    ++inits;
    graphics.CreateDirect3D();
    graphics.CreateDevice(window, 0, 0, 800, 600, 16);
    input.Create(window, instance);
    keyboard.Create(&input, kDeviceKeyboard, 1);
    return initResult;
  }
  uint32_t Frame() override {
    ++frames;
    graphics.BeginScene();
    graphics.Clear(0x00102030, 1.0f);
    graphics.EndScene();
    graphics.Present();
    keyboard.Acquire(1);
    keyboard.Poll();
    if (keyboard.KeyPressed(kKeyEscape)) PostQuitMessage(0);
    if (frames == closeAt) StaticWindowProc(window, kMsgClose, 0, 0);
    if (frames == headless::kFrameWidth) return 0;  // guard against a runaway loop
    return frames == stopAt ? 0 : 1;
  }
  uint32_t Shutdown() override {
    ++shutdowns;
    keyboard.Release();
    input.Release();
    graphics.Release();
    return 1;
  }
  int inits = 0, frames = 0, shutdowns = 0;
  int stopAt = -1, closeAt = -1;
  uint32_t initResult = 1;
};

class AppFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBackend(Backend::Headless);
    headless::Reset();
    ClearQuit();
  }
  void TearDown() override {
    ClearQuit();
    headless::Reset();
  }
};

}  // namespace

TEST_F(AppFrameTest, DefaultsAndQuitMessage) {
  AppFrame base;
  EXPECT_STREQ(base.className, "AppClass");
  EXPECT_STREQ(base.caption, "Application Caption");
  EXPECT_EQ(base.windowGeometry.style, kStylePopup);
  EXPECT_EQ(base.windowGeometry.width, 500u);
  EXPECT_EQ(base.windowGeometry.height, 500u);
  EXPECT_EQ(currentApp, &base);
  EXPECT_EQ(base.Init(), 1u);
  EXPECT_EQ(base.Frame(), 1u);
  EXPECT_EQ(base.Shutdown(), 1u);
  // Shutdown of wrappers that never started is harmless.
  EXPECT_EQ(base.graphics.Release(), 1u);
  EXPECT_EQ(base.keyboard.Release(), 1u);
  EXPECT_EQ(base.input.Release(), 1u);
  EXPECT_EQ(base.sound.Release(), 1u);
  EXPECT_EQ(base.musicTrack.Free(), 1u);
  EXPECT_EQ(base.music.Shutdown(), 1u);

  // A close request destroys the window, which posts the quit message.
  EXPECT_FALSE(QuitPosted());
  EXPECT_EQ(AppFrame::StaticWindowProc(nullptr, kMsgClose, 0, 0), 0);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(QuitExitCode(), 0);
  ClearQuit();
  PostQuitMessage(3);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(QuitExitCode(), 3);
}

TEST_F(AppFrameTest, HeadlessRunLoopsUntilQuit) {
  {
    CountingApp app;
    headless::SetFrameMs(10);
    app.closeAt = 5;  // the window is closed during frame 5
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.inits, 1);
    EXPECT_EQ(app.frames, 5);
    EXPECT_EQ(app.shutdowns, 1);
    EXPECT_EQ(timeGetTime(), 50u);  // the fake clock moved by one frame per present
    EXPECT_EQ(headless::FramePixels()[0], 0xFF102030u);
  }
  {
    ClearQuit();
    CountingApp app;
    app.stopAt = 3;  // a frame result of 0 ends the loop without a quit message
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.frames, 3);
    EXPECT_EQ(app.shutdowns, 1);
    EXPECT_FALSE(QuitPosted());
  }
  {
    CountingApp app;
    app.initResult = 0;  // no frames, but Shutdown still runs
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.frames, 0);
    EXPECT_EQ(app.shutdowns, 1);
  }
  {
    CountingApp app;
    headless::KeyDown(kKeyEscape);  // the game's own quit
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.frames, 1);
    EXPECT_TRUE(QuitPosted());
    headless::KeyUp(kKeyEscape);
  }
}

TEST_F(AppFrameTest, HeadlessClock) {
  EXPECT_EQ(timeGetTime(), 0u);
  headless::SetNowMs(1234);
  EXPECT_EQ(timeGetTime(), 1234u);
  testutil::HeadlessDevice d;  // resets the clock
  EXPECT_EQ(timeGetTime(), 0u);
  headless::SetFrameMs(7);
  d.dev.Present();
  EXPECT_EQ(timeGetTime(), 7u);
  EXPECT_EQ(timeGetTime(), 7u);  // the same between presents
  d.dev.Present();
  EXPECT_EQ(timeGetTime(), 14u);
  EXPECT_EQ(headless::FrameMs(), 7u);
  testutil::TempDir dir;
  EXPECT_EQ(headless::WritePng(dir.File("frame.png").c_str()), 1);
  const std::vector<uint8_t> png = testutil::ReadFile(dir.File("frame.png"));
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(headless::WritePng(dir.File("no/such/dir/frame.png").c_str()), 0);
}

#include "platform/input_device.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/input_hub.h"
#include "platform/mouse_cursor.h"
#include "platform_test_util.h"

namespace {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBackend(Backend::Headless);
    headless::Reset();
    ASSERT_EQ(system.Create(nullptr, nullptr), 1u);
    ASSERT_EQ(keyboard.Create(&system, kDeviceKeyboard, 1), 1u);
    ASSERT_EQ(mouse.Create(&system, kDeviceMouse, 0), 1u);
  }
  void TearDown() override {
    keyboard.Release();
    mouse.Release();
    system.Release();
    headless::Reset();
  }
  // One frame of a screen that acts on a key and latches it.
  bool KeyFrame(int key) {
    keyboard.Acquire(1);
    keyboard.Poll();
    const bool pressed = keyboard.KeyPressed(key) != 0;
    if (pressed) keyboard.SetLatch(key, 1);
    InputHub::Get().EndFrame();
    return pressed;
  }
  InputSystem system;
  InputDevice keyboard;
  InputDevice mouse;
};

}  // namespace

TEST_F(InputTest, HeldKeyFiresOncePerPress) {
  headless::KeyDown(kKeyEnter);
  int fired = 0;
  for (int i = 0; i < 100; ++i) fired += KeyFrame(kKeyEnter) ? 1 : 0;
  EXPECT_EQ(fired, 1);
  headless::KeyUp(kKeyEnter);
  EXPECT_FALSE(KeyFrame(kKeyEnter));
  EXPECT_EQ(keyboard.latch[kKeyEnter], 0u);  // the poll found it up
  headless::KeyDown(kKeyEnter);
  EXPECT_TRUE(KeyFrame(kKeyEnter));
  EXPECT_FALSE(KeyFrame(kKeyEnter));

  // Without latching, a held key tests true every frame.
  headless::KeyDown(kKeySpace);
  int seen = 0;
  for (int i = 0; i < 5; ++i) {
    keyboard.Poll();
    seen += keyboard.KeyPressed(kKeySpace);
  }
  EXPECT_EQ(seen, 5);

  // Escape and Backspace together: separate latches, both fire.
  headless::KeyDown(kKeyEscape);
  headless::KeyDown(kKeyBackspace);
  keyboard.Poll();
  EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 1u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyBackspace), 1u);
  keyboard.SetLatch(kKeyEscape, 1);
  EXPECT_EQ(keyboard.KeyPressed(kKeyEscape), 0u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyBackspace), 1u);

  // Codes above 255 use their low byte.
  EXPECT_EQ(keyboard.KeyPressed(256 + kKeyBackspace), 1u);
  keyboard.SetLatch(256 + kKeyBackspace, 1);
  EXPECT_EQ(keyboard.latch[kKeyBackspace], 1u);

  // A tap shorter than a frame still shows once.
  headless::KeyDown(kKeyA);
  headless::KeyUp(kKeyA);
  EXPECT_TRUE(KeyFrame(kKeyA));
  EXPECT_FALSE(KeyFrame(kKeyA));

  // Keyboards have no buttons and no motion.
  EXPECT_EQ(keyboard.ButtonPressed(0), 0u);
  EXPECT_EQ(keyboard.XDelta(), 0);
}

// A screen may poll more than once a frame (Escape first, then the rest):
// a press made since the last frame shows to every poll of the frame, however
// short, and is gone the frame after.
TEST_F(InputTest, ATapShowsToEveryPollOfItsFrame) {
  InputHub& hub = InputHub::Get();
  headless::KeyDown(kKeyEnter);
  headless::KeyUp(kKeyEnter);
  headless::KeyDown(kKeySpace);  // held throughout
  for (int poll = 0; poll < 2; ++poll) {
    SCOPED_TRACE(poll);
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(kKeyEnter), 1u);
    EXPECT_EQ(keyboard.KeyPressed(kKeySpace), 1u);
  }
  keyboard.SetLatch(kKeyEnter, 1);
  EXPECT_EQ(keyboard.KeyPressed(kKeyEnter), 0u);
  keyboard.Poll();  // latched on use, it does not act twice in its frame
  EXPECT_EQ(keyboard.KeyPressed(kKeyEnter), 0u);

  // The next frame sees the tap let go, the held key still down.
  hub.EndFrame();
  keyboard.Poll();
  EXPECT_EQ(keyboard.state[kKeyEnter], 0);
  EXPECT_EQ(keyboard.latch[kKeyEnter], 0u);
  EXPECT_EQ(keyboard.KeyPressed(kKeySpace), 1u);

  // A tap no poll has read yet outlasts the end of a frame.
  headless::KeyDown(kKeyA);
  headless::KeyUp(kKeyA);
  hub.EndFrame();
  keyboard.Poll();
  EXPECT_EQ(keyboard.KeyPressed(kKeyA), 1u);

  // A second tap in the next frame is a second press, though no poll saw
  // the key up between the two; and so is a tap, then the same key held
  // down before the next frame.
  for (bool held : {false, true}) {
    SCOPED_TRACE(held);
    keyboard.SetLatch(kKeyA, 1);
    hub.EndFrame();
    headless::KeyDown(kKeyA);
    if (!held) headless::KeyUp(kKeyA);
    keyboard.Poll();
    EXPECT_EQ(keyboard.KeyPressed(kKeyA), 1u);
  }
}

TEST_F(InputTest, AClickRightAfterAClickEndsTheFirstThenStarts) {
  // The screens act on a clicked button once it is let go: a click, then
  // another (a tap or held) before the next poll, show as the first let go
  // at one poll and the second pressed at the next.
  for (bool held : {false, true}) {
    SCOPED_TRACE(held);
    headless::MouseButton(kMouseLeft, true);
    headless::MouseButton(kMouseLeft, false);
    mouse.Poll();
    EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 1u);
    EXPECT_EQ(WaitForMouseRelease(&mouse), 0u);
    headless::MouseButton(kMouseLeft, true);
    if (!held) headless::MouseButton(kMouseLeft, false);
    mouse.Poll();
    EXPECT_EQ(WaitForMouseRelease(&mouse), 1u);  // the first click acts
    mouse.Poll();
    EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 1u);
    headless::MouseButton(kMouseLeft, false);
    mouse.Poll();
    EXPECT_EQ(WaitForMouseRelease(&mouse), 1u);  // and the second
    mouse.Poll();
  }
}

TEST_F(InputTest, BackKeysAreTakenOncePerPress) {
  keyboard.Poll();
  EXPECT_EQ(TakeBackKeys(keyboard), 0u);
  // Either key goes back, once per press; a held one no more.
  for (int key : {kKeyEscape, kKeyBackspace}) {
    headless::KeyDown(key);
    keyboard.Poll();
    EXPECT_EQ(TakeBackKeys(keyboard), 1u) << key;
    keyboard.Poll();
    EXPECT_EQ(TakeBackKeys(keyboard), 0u) << key;
    headless::KeyUp(key);
    InputHub::Get().EndFrame();
  }
  // Both at once: one back, and both latched.
  keyboard.Poll();
  headless::KeyDown(kKeyEscape);
  headless::KeyDown(kKeyBackspace);
  keyboard.Poll();
  EXPECT_EQ(TakeBackKeys(keyboard), 1u);
  EXPECT_EQ(keyboard.latch[kKeyEscape], 1u);
  EXPECT_EQ(keyboard.latch[kKeyBackspace], 1u);
  // Other keys are not back keys.
  headless::KeyDown(kKeyEnter);
  keyboard.Poll();
  EXPECT_EQ(TakeBackKeys(keyboard), 0u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyEnter), 1u);
}

TEST_F(InputTest, AHandOverLatchesWhatIsDownUntilItIsLetGo) {
  // Held, and tapped since the last poll without being read: both latched,
  // and fresh again only after they were seen up.
  headless::KeyDown(kKeyEnter);
  headless::KeyDown(kKeyEscape);
  headless::KeyUp(kKeyEscape);
  headless::KeyDown(kKeyRight);
  headless::MouseButton(kMouseLeft, true);
  keyboard.LatchHeld();
  mouse.LatchHeld();
  EXPECT_FALSE(KeyFrame(kKeyEnter));
  EXPECT_FALSE(KeyFrame(kKeyEscape));
  mouse.Poll();
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 0u);
  // A scrolling key goes on scrolling while it is held; a screen that takes
  // it as one step takes only a press of its own.
  EXPECT_EQ(keyboard.KeyHeld(kKeyRight), 1u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyRight), 0u);
  // A key that was up is not touched.
  headless::KeyDown(kKeySpace);
  EXPECT_TRUE(KeyFrame(kKeySpace));

  headless::KeyUp(kKeyEnter);
  headless::MouseButton(kMouseLeft, false);
  EXPECT_FALSE(KeyFrame(kKeyEnter));
  mouse.Poll();
  headless::KeyDown(kKeyEnter);
  headless::KeyDown(kKeyEscape);
  headless::MouseButton(kMouseLeft, true);
  EXPECT_TRUE(KeyFrame(kKeyEnter));
  EXPECT_TRUE(KeyFrame(kKeyEscape));
  mouse.Poll();
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 1u);
}

TEST_F(InputTest, ButtonsAndWaitForMouseRelease) {
  mouse.Poll();
  EXPECT_EQ(WaitForMouseRelease(&mouse), 1u);  // nothing pressed
  mouse.Poll();                                // latches of buttons that are up clear

  headless::MouseButton(kMouseLeft, true);
  mouse.Poll();
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 1u);
  EXPECT_EQ(WaitForMouseRelease(&mouse), 0u);  // an unlatched press is down
  // The screen latches the press on its click test; while it is held the
  // release test succeeds, and the button does not fire again.
  mouse.SetLatch(kMouseLeft, 1);
  mouse.Poll();
  EXPECT_EQ(WaitForMouseRelease(mouse), 1u);
  for (int i = 0; i < 50; ++i) {
    mouse.Poll();
    EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 0u);
  }
  headless::MouseButton(kMouseLeft, false);
  mouse.Poll();
  EXPECT_EQ(mouse.latch[kMouseLeft], 0u);
  headless::MouseButton(kMouseRight, true);
  mouse.Poll();
  EXPECT_EQ(mouse.ButtonPressed(kMouseRight), 1u);
  EXPECT_EQ(WaitForMouseRelease(&mouse), 0u);
  headless::MouseButton(kMouseRight, false);
  mouse.Poll();
  EXPECT_EQ(WaitForMouseRelease(&mouse), 1u);

  // A device that was never created reports nothing.
  InputDevice none;
  EXPECT_EQ(none.Poll(), 0u);
  EXPECT_EQ(none.Acquire(1), 0u);
  EXPECT_EQ(none.ButtonPressed(0), 0u);
  EXPECT_EQ(none.KeyPressed(kKeyEscape), 0u);
  EXPECT_EQ(WaitForMouseRelease(&none), 1u);
  EXPECT_EQ(none.Release(), 1u);
  EXPECT_EQ(none.Release(), 1u);
  InputDevice joystick;  // no game controller is ever found
  joystick.Create(&system, kDeviceJoystick, 0);
  EXPECT_EQ(joystick.type, kDeviceNone);
  InputDevice orphan;
  EXPECT_EQ(orphan.Create(nullptr, kDeviceMouse, 0), 0u);
}

TEST_F(InputTest, RelativeMotion) {
  headless::MouseMotion(5, -3);
  headless::MouseMotion(2, 1);
  ASSERT_EQ(mouse.Poll(), 1u);
  EXPECT_EQ(mouse.XDelta(), 7);
  EXPECT_EQ(mouse.YDelta(), -2);
  ASSERT_EQ(mouse.Poll(), 1u);  // nothing new
  EXPECT_EQ(mouse.XDelta(), 0);
  headless::MouseMotion(-10, 4);
  mouse.Poll();
  // Cursor mode 0 sums the motion since creation.
  EXPECT_EQ(mouse.cursorX, -3);
  EXPECT_EQ(mouse.cursorY, 2);

  // A poll that fails shows nothing held, cuts the press, and never repeats
  // the last motion.
  headless::MouseButton(kMouseLeft, true);
  headless::MouseMotion(9, 9);
  mouse.Poll();
  EXPECT_EQ(mouse.XDelta(), 9);
  headless::SetInputFocus(false);
  EXPECT_EQ(mouse.Poll(), 0u);
  EXPECT_EQ(mouse.XDelta(), 0);
  EXPECT_EQ(mouse.YDelta(), 0);
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 0u);
  EXPECT_EQ(mouse.PressCut(), 1u);
  EXPECT_EQ(keyboard.Poll(), 0u);
  headless::SetInputFocus(true);
  EXPECT_EQ(mouse.Poll(), 1u);
}

TEST_F(InputTest, AcquireOnAndOff) {
  // A device let go gathers nothing: motion, taps and clicks meanwhile are
  // lost. The next poll acquires it again and reads what is held down now.
  EXPECT_EQ(mouse.Acquire(0), 1u);
  EXPECT_EQ(keyboard.Acquire(2), 1u);  // any value but 1 lets go
  headless::MouseMotion(30, 40);
  headless::MouseButton(kMouseLeft, true);
  headless::MouseButton(kMouseLeft, false);
  headless::MouseButton(kMouseRight, true);  // still down
  headless::KeyDown(kKeyA);
  headless::KeyUp(kKeyA);
  headless::KeyDown(kKeyEnter);  // still down
  ASSERT_EQ(mouse.Poll(), 1u);
  EXPECT_EQ(mouse.XDelta(), 0);
  EXPECT_EQ(mouse.YDelta(), 0);
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 0u);
  EXPECT_EQ(mouse.ButtonPressed(kMouseRight), 1u);
  ASSERT_EQ(keyboard.Poll(), 1u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyA), 0u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyEnter), 1u);

  // Acquired again, the device follows the input as before.
  EXPECT_EQ(mouse.Acquire(1), 1u);
  headless::MouseMotion(-3, 2);
  ASSERT_EQ(mouse.Poll(), 1u);
  EXPECT_EQ(mouse.XDelta(), -3);
  EXPECT_EQ(mouse.YDelta(), 2);

  // In the background acquiring fails, and so does the poll; back in the
  // foreground the poll acquires the device itself.
  headless::SetInputFocus(false);
  EXPECT_EQ(mouse.Acquire(1), 1u);
  EXPECT_EQ(mouse.Poll(), 0u);
  headless::SetInputFocus(true);
  EXPECT_EQ(mouse.Poll(), 1u);
  headless::MouseMotion(4, 0);
  EXPECT_EQ(mouse.Poll(), 1u);
  EXPECT_EQ(mouse.XDelta(), 4);
}

TEST(MouseCursor, EdgeUndoAndOffScreen) {
  SetBackend(Backend::Headless);
  headless::Reset();
  InputSystem system;
  system.Create(nullptr, nullptr);
  MouseCursor cursor;
  EXPECT_EQ(cursor.x, 400);
  EXPECT_EQ(cursor.y, 400);
  cursor.mouse.Create(&system, kDeviceMouse, 0);

  // The first frame without motion keeps (400, 400).
  cursor.Poll();
  cursor.Draw();
  EXPECT_EQ(cursor.x, 400);
  EXPECT_EQ(cursor.y, 400);

  // 790 + 10 = 800 during the frame, back to 790 after the draw.
  headless::MouseMotion(390, 0);
  cursor.Poll();
  cursor.Draw();
  ASSERT_EQ(cursor.x, 790);
  headless::MouseMotion(10, 0);
  cursor.Poll();
  EXPECT_EQ(cursor.x, 800);
  cursor.Draw();
  EXPECT_EQ(cursor.x, 790);
  EXPECT_EQ(cursor.prevX, 790);

  // A diagonal move past one edge is undone whole, on both axes.
  headless::MouseMotion(20, -50);
  cursor.Poll();
  cursor.DrawBusy(3);
  EXPECT_EQ(cursor.x, 790);
  EXPECT_EQ(cursor.y, 400);

  // A failed poll does not move the cursor again.
  headless::MouseMotion(-5, 0);
  cursor.Poll();
  EXPECT_EQ(cursor.x, 785);
  headless::SetInputFocus(false);
  cursor.Poll();
  cursor.Poll();
  EXPECT_EQ(cursor.x, 785);
  headless::SetInputFocus(true);

  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 796, 300), 0u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 797, 300), 1u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 400, 598), 0u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 400, 599), 1u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 2, 2), 0u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 1, 300), 1u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, 300, 1), 1u);
  EXPECT_EQ(MouseCursor::IsOffScreen(0, 0, 800, 600, -50, -50), 1u);
  headless::Reset();
}

TEST(MouseCursor, DrawsItsPictures) {
  testutil::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  testutil::TempDir dir;
  ASSERT_EQ(mkdir(dir.File("Art").c_str(), 0755), 0);
  // Cursor2: 64 x 64 white on black; Cursor1: two 32 x 32 frames, red and green.
  std::vector<uint32_t> arrow(64 * 64, 0xFFFFFF);
  arrow[0] = 0x000000;
  ASSERT_TRUE(testutil::WriteFile(dir.File("Art/Cursor2.bmp"), testutil::MakeBmp24(64, 64, arrow)));
  std::vector<uint32_t> busy(64 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) busy[y * 64 + x] = x < 32 ? 0xFF0000 : 0x00FF00;
  ASSERT_TRUE(testutil::WriteFile(dir.File("Art/Cursor1.bmp"), testutil::MakeBmp24(64, 32, busy)));

  MouseCursor cursor;
  {
    testutil::ScopedChdir cd(dir.Path());
    ASSERT_TRUE(cd.ok());
    ASSERT_EQ(cursor.Load(&d.dev), 1u);
  }
  cursor.Draw();
  EXPECT_EQ(d.CountNonBlack(), 51 * 38 - 1);  // black corner is transparent
  EXPECT_EQ(d.Pixel(401, 400), 0xFFFFFFFFu);
  EXPECT_EQ(d.Pixel(450, 437), 0xFFFFFFFFu);
  d.dev.Clear(0, 1.0f);
  cursor.DrawBusy(1 + 256);  // frame taken modulo 256
  EXPECT_EQ(d.Pixel(385, 385), 0xFF00FF00u);
  EXPECT_EQ(d.CountNonBlack(), 35 * 35);
}

TEST_F(InputTest, NothingIsHeldInTheBackgroundNorPressedByWhatWasHeldBefore) {
  // Right and the left button held as another window takes the focus.
  headless::KeyDown(kKeyRight);
  headless::MouseButton(kMouseLeft, true);
  keyboard.Poll();
  mouse.Poll();
  ASSERT_EQ(keyboard.KeyHeld(kKeyRight), 1u);
  ASSERT_EQ(mouse.ButtonPressed(kMouseLeft), 1u);
  headless::SetInputFocus(false);
  EXPECT_EQ(keyboard.Poll(), 0u);
  EXPECT_EQ(mouse.Poll(), 0u);
  EXPECT_EQ(keyboard.KeyHeld(kKeyRight), 0u);
  EXPECT_EQ(keyboard.KeyPressed(kKeyRight), 0u);
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 0u);
  EXPECT_EQ(mouse.PressCut(), 1u);

  // Back in front, the desktop tells of the key still held: no press, not
  // held, and not typed, until it has been let go. The button let go while
  // away is up.
  headless::SetInputFocus(true);
  headless::KeyDown(kKeyRight);
  headless::MouseButton(kMouseLeft, false);
  EXPECT_FALSE(KeyFrame(kKeyRight));
  EXPECT_EQ(keyboard.KeyHeld(kKeyRight), 0u);
  TypedKey typed;
  EXPECT_FALSE(keyboard.NextTyped(&typed));
  ASSERT_EQ(mouse.Poll(), 1u);
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 0u);
  headless::KeyUp(kKeyRight);
  EXPECT_FALSE(KeyFrame(kKeyRight));
  headless::KeyDown(kKeyRight);
  EXPECT_TRUE(KeyFrame(kKeyRight));
  EXPECT_EQ(keyboard.KeyHeld(kKeyRight), 1u);

  // A press after that is a press of its own, and no longer cut.
  headless::MouseButton(kMouseLeft, true);
  mouse.Poll();
  EXPECT_EQ(mouse.ButtonPressed(kMouseLeft), 1u);
  EXPECT_EQ(mouse.PressCut(), 0u);
}

TEST_F(InputTest, KeysTypedBetweenTwoFramesComeInTheOrderTyped) {
  // Roll-over, a double letter and Shift, all before one poll.
  headless::KeyDown(kKeyB);
  headless::KeyDown(kKeyA);
  headless::KeyUp(kKeyB);
  headless::KeyUp(kKeyA);
  headless::KeyDown(kKeyL);
  headless::KeyUp(kKeyL);
  headless::KeyDown(kKeyL);
  headless::KeyUp(kKeyL);
  headless::KeyDown(kKeyLShift);
  headless::KeyDown(kKeyA);
  keyboard.Poll();
  std::string typed;
  for (TypedKey t; keyboard.NextTyped(&t);) typed += std::to_string(t.key) + (t.shift ? "S " : " ");
  EXPECT_EQ(typed, std::to_string(kKeyB) + " " + std::to_string(kKeyA) + " " +
                       std::to_string(kKeyL) + " " + std::to_string(kKeyL) + " " +
                       std::to_string(kKeyLShift) + " " + std::to_string(kKeyA) + "S ");
  // A click among them: the keys before its press, then those after.
  for (int key : {kKeyB, kKeyA}) headless::KeyUp(key);
  headless::KeyUp(kKeyLShift);
  headless::KeyDown(kKeyX);
  headless::MouseButton(kMouseLeft, true);
  headless::KeyDown(kKeyY);
  mouse.Poll();
  ASSERT_EQ(mouse.pressBegan, 1u);
  std::string before;
  for (TypedKey t; keyboard.NextTyped(&t, mouse.pressOrder);) before += std::to_string(t.key) + " ";
  EXPECT_EQ(before, std::to_string(kKeyX) + " ");
  TypedKey after;
  ASSERT_TRUE(keyboard.NextTyped(&after));
  EXPECT_EQ(after.key, kKeyY);
  // A hand-over forgets what was not taken.
  headless::KeyDown(kKeyC);
  keyboard.LatchHeld();
  TypedKey t;
  EXPECT_FALSE(keyboard.NextTyped(&t));
}

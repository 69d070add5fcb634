// Party member frame benchmark: the player screen at its busiest, every bag
// cell and body slot holding an item, one more item in the air over the
// figure, the chosen item's panel and all six armies with their marks;
// drawn through the screen's own drawing on the game's pictures. Prints
// milliseconds per frame. Not a test.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench_game.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/hero_figure.h"
#include "party/player_screen.h"

namespace {

constexpr int kFrames = 300;

// An item of every body slot's kind, and bag items of every kind.
constexpr uint8_t kWorn[kBodySlotCount] = {1,   2,   3,   37,  57,  87,  99,  127, 139, 151,
                                           152, 153, 154, 155, 156, 157, 158, 221, 233};
constexpr uint8_t kBag[kBagCells] = {4, 38, 58, 88, 100, 128, 140, 159, 222, 234, 5, 39};

}  // namespace

int main() {
  GraphicsDevice device;
  if (!bench::OpenGame("party_bench", device)) return 1;

  auto state = std::make_unique<GameState>();
  GameState& s = *state;
  std::copy(kBag, kBag + kBagCells, s.playerItems);
  std::copy(kWorn, kWorn + kBodySlotCount, s.playerItems + kFirstBodyPlace);
  GlyphFromText("Aldric", s.playerName);
  s.playerStats[kStatMaxHealth] = s.playerStats[kStatHealth] = 120;
  s.playerStats[kStatAttack] = 45;
  s.playerStats[kStatShield] = 38;
  s.playerStats[kStatExperience] = 1234567;
  s.playerLevel = 12;
  const uint8_t kinds[kArmySlots] = {0, 1, 2, 3, 4, 20};
  ArmyRecord& a = s.playerArmies;
  for (int i = 0; i < kArmySlots; ++i) {
    a.armyUsed[i] = 1;
    a.armyPanelPlace[i] = uint8_t(i);
    a.armyKind[i] = kinds[i];
    a.armyKindCode[i] = uint8_t(kinds[i] + 1);
    a.armyCount[i] = uint8_t(40 + i);
    a.armyValue1[i] = 123;
    a.armyValue3[i] = 678;
    a.armyMark1[i] = a.armyMark2[i] = a.armyMark3[i] = a.armyMark4[i] = 1;
    GlyphFromText("Royal Guard", a.armyNames[i]);
  }

  HeroFigure figure;
  figure.LoadBodyParts(&device);
  PlayerScreen screen;
  screen.LoadPictures(&device);
  screen.LoadMember(s);
  // The last bag item picked up and held over the figure.
  const ScreenRect cell = member_items::PlaceRect(kBagCells - 1);
  screen.items.PickUp(cell.x + 10, cell.y + 10);
  screen.items.Follow(400, 330);
  ItemCatalog::DescribeItem(screen.panel, screen.items.chosenItem);
  ItemCatalog::ItemBonus(screen.panel, screen.items.chosenItem);
  screen.panel.describedItem = uint8_t(screen.items.chosenItem);

  for (int i = 0; i < 10; ++i) screen.Draw(&figure, s);
  device.Present();  // the warm-up drawn before any timing
  // Each frame timed on its own: the slowest and fastest show the noise of
  // the machine, the median the cost of the frame.
  std::vector<double> frames;
  frames.reserve(kFrames);
  for (int i = 0; i < kFrames; ++i)
    frames.push_back(bench::MsPer(1, [&] {
      device.BeginScene();
      device.Clear(0, 1.0f);
      screen.Draw(&figure, s);
      device.EndScene();
      device.Present();
    }));
  std::sort(frames.begin(), frames.end());
  double total = 0;
  for (double ms : frames) total += ms;
  std::printf("player screen frame (full figure and bag, an item in the air, 6 armies): %.3f ms\n",
              total / kFrames);
  std::printf("  per frame: min %.3f, median %.3f, max %.3f ms\n", frames.front(),
              frames[kFrames / 2], frames.back());
  screen.ReleasePictures();
  device.Release();
  return 0;
}

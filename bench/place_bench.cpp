// Place frame benchmark: the busiest place frame, a town visited by the
// player with all six armies (two-digit counts, every wound mark and arrow),
// the first army selected with its box, name and values, the buttons showing
// their captions, and an open dialogue box the size of a quest offer with its
// heading, lines, reward and Yes and No buttons; drawn through the place
// screen's own drawing on the game's pictures. Prints milliseconds per frame.
// Not a test.

#include <cstdio>

#include "bench_game.h"
#include "game/glyph_name.h"
#include "places/house_draw.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr int kFrames = 300;

// A quest offer's box as the talk draws one.
void DrawOfferBox(const HouseScreen& h) {
  house_draw::Box(h, 130, 280, 6.6f, 2.8f);
  house_draw::Heading(h, "Quest 12", 155, 295, 100, 32);
  house_draw::Line(h, "Wolves have been seen near the mill.", 155, 325, 500, 32);
  house_draw::Line(h, "Drive them off and the miller pays", 155, 350, 500, 32);
  house_draw::Amount(h, 1250, 155, 375, 100, 32);
  house_draw::Line(h, "gold. Accept?", 215, 375, 500, 32);
  using house_layout::kAcceptNoRect;
  using house_layout::kAcceptYesRect;
  h.buttons->Draw(house_art::kButtonsYes, h.lookAcceptYes, kAcceptYesRect.x, kAcceptYesRect.y,
                  house_draw::kWhite, 1.0f, 1.0f);
  h.buttons->Draw(house_art::kButtonsNo, h.lookAcceptNo, kAcceptNoRect.x, kAcceptNoRect.y,
                  house_draw::kWhite, 1.0f, 1.0f);
}

void DrawFrame(HouseScreen& h) {
  h.DrawPlace();
  h.DrawMainPanel(kHousePanelX, kHousePanelY);
  DrawOfferBox(h);
}

}  // namespace

int main() {
  GraphicsDevice device;
  if (!bench::OpenGame("place_bench", device)) return 1;

  TownHouseScreen h;
  h.placeNumber = 1;
  h.visitorCode = 1;
  h.LoadArt(&device);
  h.LoadPlacePictures(&device);
  h.LoadPortraits(&device);
  h.LoadArmyIcons(&device);
  const uint8_t kinds[kHouseArmySlots] = {0, 1, 2, 3, 4, 20};
  for (int s = 0; s < kHouseArmySlots; ++s) {
    h.armyUsed[s] = 1;
    h.armyPlace[s] = static_cast<uint8_t>(s);
    h.armyKind[s] = kinds[s];
    h.armyCode[s] = static_cast<uint8_t>(kinds[s] + 1);
    h.armyCount[s] = static_cast<uint8_t>(40 + s);
    h.armyWound1[s] = h.armyWound2[s] = h.armyWound3[s] = 1;
    h.armyBelowFull[s] = 1;
    h.armyAttack[s] = 123;
    h.armyShield[s] = 45;
    h.armyTraining[s] = 678;
    h.armyEquipment[s] = 90;
    GlyphFromText("Royal Guard", h.armyName[s]);
  }
  h.MeasureNames();
  h.selectedArmy = 1;
  h.lookLeave = h.lookHeal = h.lookRecruit = house_art::kLookHovered;
  h.lookAcceptYes = house_art::kLookHovered;
  h.hoveredStat = house_layout::kStatTraining;

  for (int i = 0; i < 10; ++i) DrawFrame(h);
  device.Present();  // the warm-up drawn before any timing
  const double frameMs = bench::MsPer(kFrames, [&] {
    device.BeginScene();
    device.Clear(0, 1.0f);
    DrawFrame(h);
    device.EndScene();
    device.Present();
  });
  std::printf("town frame (6 armies, selected army's box, buttons, dialogue box): %.3f ms\n",
              frameMs);
  h.ReleaseArt();
  device.Release();
  return 0;
}

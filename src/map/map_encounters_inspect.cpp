// MapEncounters: the inspect box over the map and the fame rewards of a day
// change with their list.

#include "map/day_change.h"
#include "map/map_encounters.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace map_encounters {

namespace {

constexpr uint32_t kBodyText = 0xFFE6E6E6u;
constexpr uint32_t kUntinted = 0xFFFFFFFFu;
constexpr int kBackPicture = 7;

const InspectRow kInspectRows[] = {
    {3, "Pile of Gold", 250, 2.7f, 1.2f, 280, 225, 500, 32},
    {4, "Treasure Bag", 250, 3.0f, 1.2f, 280, 225, 500, 32},
    {5, "Treasure Chest", 250, 3.2f, 1.2f, 280, 225, 500, 32},
    {6, "Weaker bandits guarding a treasure chest.", 185, 6.7f, 1.1f, 200, 220, 500, 32},
    {7, "Quest: A strong enemy force guards the gold mine.", 110, 7.95f, 1.1f, 124, 220, 500, 32},
    {8, "Quest: Weak raiding party.", 220, 4.6f, 1.3f, 240, 230, 500, 32},
    {9, "Quest: Bandits guarding a hero.", 220, 6.2f, 1.3f, 270, 230, 500, 32},
    {10, "A strong army protecting a treasure chest.", 160, 6.8f, 1.1f, 178, 230, 500, 32},
    {11, "A weak band of wild wolves.", 220, 5.2f, 1.2f, 260, 230, 500, 32},
    {12, "A weaker group of bandits.", 220, 5.3f, 1.2f, 260, 230, 500, 32},
    {13, "Veteran Enemy", 220, 3.7f, 1.1f, 260, 227, 500, 32},
    {14, "A big group of weak bandits.", 220, 5.9f, 1.1f, 270, 227, 500, 32},
    {15, "Weak bandits.", 260, 3.4f, 1.1f, 300, 225, 500, 32},
    {16, "Quest: Veteran bandits are blocking the road.", 170, 7.3f, 1.1f, 190, 227, 500, 32},
    {17, "Quest: Strong veteran bandits are blocking trade.", 130, 7.9f, 1.1f, 150, 227, 500, 32},
    {18, "A very tough group of bandits.", 180, 6.9f, 1.1f, 250, 225, 500, 32},
    {19, "Stronger veteran bandits.", 180, 4.7f, 1.1f, 210, 225, 500, 32},
    {20, "Stronger and better armed bandits.", 180, 5.9f, 1.1f, 210, 225, 500, 32},
    {21, "Quest: Shoe thieves.", 180, 4.1f, 1.1f, 207, 225, 500, 32},
    {22, "Quest: Extremely strong, loud and rowdy group of bandits.", 20, 9.5f, 1.1f, 50, 225, 600,
     32},
    {23, "Very weak bandits.", 180, 4.1f, 1.1f, 217, 225, 500, 32},
    {24, "Quest: Very large army of Bandits guarding 500 gold.", 20, 9.1f, 1.1f, 50, 225, 600, 32},
    {25, "Quest: 7 evil brothers.", 120, 4.0f, 1.1f, 150, 225, 600, 32},
    {26, "Quest: Red Heads.", 120, 3.8f, 1.1f, 150, 225, 600, 32},
    {27, "Quest: Fierce but small enemy force.", 120, 6.5f, 1.1f, 150, 225, 600, 32},
    {28, "Quest: Temple thieves.", 120, 4.5f, 1.1f, 150, 225, 600, 32},
    {29, "Quest: Huge army of strong veteran bandits.", 120, 7.3f, 1.1f, 150, 225, 600, 32},
    {30, "Quest: Gang of 10.", 120, 3.8f, 1.1f, 150, 225, 600, 32},
    {31, "Quest: Red warriors holding a chest with a shield.", 90, 8.3f, 1.1f, 120, 225, 500, 32},
    {32, "Strong infantry guarding a treasure chest.", 90, 7.0f, 1.1f, 120, 225, 500, 32},
    {33, "Quest: Tough enemy force guarding their treasure.", 90, 8.3f, 1.1f, 120, 225, 500, 32},
    {34, "Quest: Elite enemy infantry guarding a chest with armor.", 40, 9.3f, 1.1f, 70, 225, 600,
     32},
    {35, "Quest: A powerful army guarding the iron mine.", 120, 7.8f, 1.1f, 140, 225, 500, 32},
    {36, "Quest: Large formation of the red face gang.", 40, 7.4f, 1.1f, 70, 225, 600, 32},
    {37, "An army of red heads.", 170, 4.4f, 1.1f, 200, 225, 600, 32},
    {38, "A small but tough army..", 170, 4.6f, 1.1f, 200, 225, 600, 32},
    {39, "Quest: Veteran army guarding 200 gold.", 90, 7.1f, 1.1f, 120, 225, 600, 32},
    {40, "Quest: Weak enemy force guarding a garden.", 140, 7.3f, 1.1f, 161, 225, 500, 32},
    {41, "Quest: Large Elite force guarding 600 gold..", 180, 7.2f, 1.1f, 201, 225, 500, 32},
    {42, "Quest: Enemy force guarding their treasure.", 180, 7.2f, 1.1f, 201, 225, 500, 32},
    {43, "Quest: Elite enemy force guarding their precious treasure.", 60, 9.1f, 1.1f, 80, 225, 600,
     32},
    {44, "Large and tough army of bandits.", 120, 5.7f, 1.1f, 145, 225, 600, 32},
    {45, "Stronger infantry army.", 130, 4.5f, 1.1f, 159, 225, 600, 32},
    {46, "Quest: Large veteran army enslaving all in their path.", 60, 8.5f, 1.1f, 80, 225, 600,
     32},
    {47, "Quest: A mammoth enemy camp of bloodthirsty bandits.", 60, 9.0f, 1.1f, 80, 225, 600, 32},
    {48, "Quest: Large and Violent army.", 160, 5.2f, 1.1f, 180, 225, 600, 32},
    {49, "Quest: lots of Rogues guarding 800 gold.", 160, 6.7f, 1.1f, 180, 225, 600, 32},
    {50, "Quest: Angry, tough, and merciless army guards treasure.", 50, 9.2f, 1.1f, 70, 225, 600,
     32},
    {51, "Quest: Lots of mean bandits with a Bag of gold.", 130, 7.7f, 1.1f, 150, 225, 500, 32},
    {52, "Quest: Large army of professional fighters.", 130, 7.1f, 1.1f, 150, 225, 500, 32},
    {53, "Quest: Greedy bandits.", 180, 4.0f, 1.1f, 200, 225, 500, 32},
    {54, "Brave and tough infantry.", 180, 5.0f, 1.1f, 214, 225, 500, 32},
    {55, "Quest: Enormous enemy camp.", 180, 5.3f, 1.1f, 200, 225, 500, 32},
    {56, "Kapusta Village", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {57, "Burak Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {58, "Iron Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {59, "Balon Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {60, "Trawa Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {61, "Usta Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {62, "Desert Village", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {63, "Mountain Village", 210, 4.0f, 1.1f, 255, 220, 200, 30},
    {64, "Cebula Town", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {65, "Rabarbar Town", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {66, "Ziemniak Town", 210, 4.0f, 1.1f, 265, 220, 200, 30},
    {67, "Moja Town", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {68, "Pajaca Palace", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {69, "Golden Temple", 210, 4.0f, 1.1f, 260, 220, 200, 30},
    {70, "Wawel Castle", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {71, "Wasteland Tower", 210, 4.0f, 1.1f, 254, 221, 200, 30},
    {72, "Little Village", 210, 4.0f, 1.1f, 274, 221, 200, 30},
    {73, "Evil Nuns Temple", 210, 4.0f, 1.1f, 252, 220, 200, 30},
    {74, "Kawa Tribe", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {75, "Olej Tribe", 210, 4.0f, 1.1f, 290, 220, 200, 30},
    {76, "Lato Tribe", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {77, "Janek Tribe", 210, 4.0f, 1.1f, 280, 220, 200, 30},
    {78, "Black Zima Castle", 210, 4.0f, 1.1f, 250, 220, 200, 30},
    {79, "Grubas Tribe", 210, 4.0f, 1.1f, 270, 220, 200, 30},
    {80, "Noga Tribe", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {81, "Gold Mine", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {82, "Iron Mine", 210, 4.0f, 1.1f, 282, 220, 200, 30},
    {4050, "Quest: Huge bandit camp is holding 400 gold!", 80, 7.6f, 1.1f, 101, 225, 600, 32},
    {4051, "Quest: Large and tough veteran force.", 80, 6.7f, 1.1f, 108, 225, 600, 32},
    {4052, "Quest: Huge enemy force is holding 800 gold!", 80, 7.6f, 1.1f, 101, 225, 600, 32},
    {4053, "Quest: A gigantic army guards 1000 gold!", 80, 7.0f, 1.1f, 101, 225, 600, 32},
    {4054, "Quest: Masked army of the desert.", 80, 5.9f, 1.1f, 101, 225, 600, 32},
    {4055, "Brave Infantry guarding their treasure...", 110, 7.0f, 1.1f, 150, 225, 600, 32},
    {4056, "Tough infantry.", 180, 4.0f, 1.1f, 230, 225, 500, 32},
    {4057, "Quest: Veteran desert army guarding a treasure chest.", 80, 8.6f, 1.1f, 101, 225, 600,
     32},
    {4058, "Brave and tough infantry.", 180, 5.0f, 1.1f, 214, 225, 500, 32},
    {4059, "Quest: Very strong guards.", 80, 4.9f, 1.1f, 101, 225, 600, 32},
    {4060, "Quest: Gigantic army of battle veterans.", 100, 6.7f, 1.1f, 121, 225, 600, 32},
    {4061, "Quest: Enemy Frontier troops.", 110, 5.6f, 1.1f, 141, 225, 600, 32},
    {4062, "Quest: A powerful enemy force is holding a hero captive.", 50, 8.9f, 1.1f, 71, 225, 600,
     32},
    {4063, "Red heads guarding someone.", 150, 5.6f, 1.1f, 178, 225, 600, 32},
    {4064, "Weak bandits.", 180, 3.6f, 1.1f, 228, 225, 600, 32},
};

}  // namespace

const FameReward kFameRewards[kFameRewardCount] = {
    {1, "A rich merchant gives you 100 gold. ", 193, 100, 255},
    {4, "A hero joins you!", 200, 0, 1},
    {8, "The King gives you 400 gold. ", 205, 400, 255},
    {14, "The Queen gives you 500 gold. ", 205, 500, 255},
    {25, "A foreign ruler gives you 600 gold. ", 193, 600, 255},
    {39, "A foreign prince gives you 600 gold. ", 200, 600, 255},
    {49, "A hero joins you ! ", 205, 0, 2},
    {64, "A foreign hero gives you 600 gold. ", 205, 600, 255},
    {79, "A hero joins you ! ", 205, 0, 3},
    {94, "A foreign ruler gives you 600 gold. ", 205, 600, 255},
    {109, "A foreign ruler gives you 600 gold. ", 205, 600, 255},
    {129, "A hero joins you !", 205, 0, 4},
    {159, "A merchant gives you 600 gold.", 201, 600, 255},
    {189, "The Queen gives you 600 gold.", 201, 600, 255},
    {219, "A hero joins you !", 205, 0, 6},
    {249, "A merchant gives you 600 gold.", 205, 600, 255},
    {279, "A foreign ruler gives you 600 gold.", 205, 600, 255},
    {309, "A foreign hero joins you!", 205, 0, 8},
    {339, "A foreign hero gives you 600 gold.", 200, 600, 255},
    {369, "A rich hero gives you 600 gold.", 200, 600, 255},
    {399, "A merchant gives you 600 gold.", 200, 600, 255},
    {429, "A foreign hero joins you!", 205, 0, 9},
    {459, "The King gives you 900 gold.", 200, 900, 255},
};

const InspectRow* FindInspectRow(uint32_t code) {
  for (const InspectRow& row : kInspectRows)
    if (row.code == code) return &row;
  return nullptr;
}

bool InspectCodeShown(uint32_t code, const uint8_t* placeStates) {
  if (!FindInspectRow(code)) return false;
  switch (code) {
    case 71: return placeStates[10] == 0;  // the tower still stands
    case 75: return placeStates[11] != 0;
    case 77: return placeStates[12] != 0;
    case 79: return placeStates[13] != 0;
    case 80: return placeStates[14] != 0;
    case 74: return placeStates[15] != 0;
    case 76: return placeStates[16] != 0;
    case 73: return placeStates[17] != 0;
    default: return true;
  }
}

}  // namespace map_encounters

using namespace map_encounters;

void MapEncounters::DrawInspectText() {
  if (!inspectShown) return;
  if (!InspectCodeShown(inspectCode, placeStates)) return;
  const InspectRow* row = FindInspectRow(inspectCode);
  if (objectSheet)
    objectSheet->Draw(kBackPicture, 0, row->boxX, 200, kUntinted, row->scaleX, row->scaleY);
  if (messageFont)
    messageFont->DrawText(row->text, row->textX, row->textY, row->textW, row->textH, kBodyText,
                          kTextFormatTopLeft);
}

void MapEncounters::DrawFameRewards(uint8_t showMessages) {
  if (!showMessages || marchPhase != kTurnOver) return;
  auto box = [this](int32_t x, int32_t y) {
    if (objectSheet) objectSheet->Draw(kBackPicture, 0, x, y, kUntinted, 5.8f, 0.6f);
  };
  auto text = [this](const char* line, int32_t x, int32_t y) {
    if (messageFont) messageFont->DrawText(line, x, y, 340, 30, kBodyText, kTextFormatTopLeft);
  };
  if (fameRewardsShown) {
    box(175, 320);
    text("Because of your high fame:", 201, 330);
  }
  for (int k = 0; k < kFameRewardCount; ++k) {
    if (!fameRewardGranted[k]) continue;
    const int r = fameRewardRow[k];
    box(175, (r + 9) * 40);
    text(kFameRewards[k].text, kFameRewards[k].textX, r * 40 + 370);
  }
}

void MapEncounters::GrantFameRewards(int32_t fameNow, uint8_t* grantedOnce, int32_t& gold) {
  for (uint8_t& granted : fameRewardGranted) granted = 0;
  for (uint8_t& row : fameRewardRow) row = 0;
  fameRewardsShown = 0;
  fame = fameNow;
  for (int k = 0; k < kFameRewardCount; ++k) {
    const FameReward& reward = kFameRewards[k];
    if (fameNow <= reward.threshold || (grantedOnce && grantedOnce[k])) continue;
    if (grantedOnce) grantedOnce[k] = 1;
    // A hero already in the party (a place can bring him) keeps his cell: the
    // rung is only marked as paid.
    if (reward.heroIndex < 10 && heroOnMap[reward.heroIndex]) continue;
    fameRewardGranted[k] = 1;
    fameRewardsShown = 1;
    if (reward.heroIndex < 10) {
      const int h = reward.heroIndex;
      heroOnMap[h] = 1;
      heroPlacePending = 1;
      heroToPlace = uint8_t(h);
      FindFreeCell();
      if (!heroPlacePending) SetCode(heroCell[h], uint8_t(h + 2));
      focusHero = uint8_t(h + 1);
    } else {
      gold = AddSaturated(gold, reward.gold);
    }
  }
  NumberFameRewardRows();
}

void MapEncounters::NumberFameRewardRows() {
  uint8_t numbered[kFameRewardCount] = {};
  for (int row = 0; row < 6; ++row) {
    for (int k = 0; k < kFameRewardCount; ++k) {
      if (!fameRewardGranted[k] || numbered[k]) continue;
      fameRewardRow[k] = uint8_t(row);
      numbered[k] = 1;
      break;
    }
  }
}

// The quests of a place, driven by its talk row.

#include "game/game_state.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"

const PlaceTalk* FindPlaceTalk(PlaceKind kind, uint8_t number) {
  switch (kind) {
    case PlaceKind::Village:
      if (number >= 1 && number <= 5) return &kVillageTalk1to5[number - 1];
      if (number >= 6 && number <= 9) return &kVillageTalk6to9[number - 6];
      return nullptr;
    case PlaceKind::Town: return number >= 1 && number <= 4 ? &kTownTalk[number - 1] : nullptr;
    case PlaceKind::Palace: return &kSingleTalk[0];
    case PlaceKind::Temple: return &kSingleTalk[1];
    case PlaceKind::Castle: return &kSingleTalk[2];
    case PlaceKind::Tower: return &kSingleTalk[3];
  }
  return nullptr;
}

void HouseScreen::StepQuests() {
  if (const PlaceTalk* talk = FindPlaceTalk(placeKind, placeNumber)) StepQuests(*talk);
}

void HouseScreen::StepQuests(const PlaceTalk&) {}

void HouseScreen::CollectReward(int32_t&) {}

bool HouseScreen::AcceptQuest(GameState&) { return false; }

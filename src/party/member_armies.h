#pragma once
// The six armies of the party member a party screen shows, the army box the
// player selected and disbanding. Army slot i is drawn in box armyPlace[i];
// the boxes are what the player sees and chooses, so every action on a box
// acts on the slot drawn in it.

#include <cstdint>

#include "game/game_state.h"
#include "party/screen_rect.h"

constexpr uint8_t kNoArmyBox = 0;  // selectedArmy / disband box: none

struct MemberArmies {
  uint8_t armyCode[kArmySlots] = {};   // army kind + 1, 0 = empty slot
  uint8_t armyUsed[kArmySlots] = {};   // non-zero: the slot holds an army
  uint8_t armyPlace[kArmySlots] = {};  // box 0..5 where the slot is drawn
  uint8_t armyKind[kArmySlots] = {};
  int32_t armyAttack[kArmySlots] = {};
  int32_t armyShield[kArmySlots] = {};
  int32_t armyTraining[kArmySlots] = {};
  int32_t armyEquipment[kArmySlots] = {};
  uint8_t armyCount[kArmySlots] = {};
  uint8_t armyMarkTopLeft[kArmySlots] = {};
  uint8_t armyMarkTopRight[kArmySlots] = {};
  uint8_t armyMarkBottomLeft[kArmySlots] = {};
  uint8_t armySkull[kArmySlots] = {};
  uint8_t armyNames[kArmySlots][kGlyphNameLength] = {};
  uint8_t selectedArmy = kNoArmyBox;  // box 1..6

  void Load(const ArmyRecord& record);
  void Store(ArmyRecord& record) const;
  // The army box 1..6 under the cursor, or 0.
  static uint8_t BoxAt(int32_t x, int32_t y);
  // Where box 1..6 takes a press (nowhere for any other box).
  static ScreenRect BoxRect(uint8_t box);
  // The slot drawn in box 1..6, or -1 when no army is drawn there.
  int SlotInBox(uint8_t box) const;
  // Removes the army drawn in box 1..6 (and only that one).
  void Disband(uint8_t box);

  template <class V>
  void VisitFields(V& v) const {
    v("armyCode", armyCode);
    v("armyUsed", armyUsed);
    v("armyPlace", armyPlace);
    v("armyKind", armyKind);
    v("armyAttack", armyAttack);
    v("armyShield", armyShield);
    v("armyTraining", armyTraining);
    v("armyEquipment", armyEquipment);
    v("armyCount", armyCount);
    v("armyMarkTopLeft", armyMarkTopLeft);
    v("armyMarkTopRight", armyMarkTopRight);
    v("armyMarkBottomLeft", armyMarkBottomLeft);
    v("armySkull", armySkull);
    v.Name("armyNames", armyNames);
    v("selectedArmy", selectedArmy);
  }
};

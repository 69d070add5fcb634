#include "party/member_armies.h"

#include <cstring>

#include "platform/hit_test.h"

namespace {

constexpr int32_t kBoxTop = 500;
constexpr int32_t kBoxHeight = 150;
// Left edges of the six boxes, and the right edge of the last.
constexpr int32_t kBoxLeft[kArmySlots + 1] = {0, 134, 267, 400, 533, 666, 800};

}  // namespace

void MemberArmies::Load(const ArmyRecord& record) {
  std::memcpy(armyCode, record.armyKindCode, sizeof armyCode);
  std::memcpy(armyUsed, record.armyUsed, sizeof armyUsed);
  std::memcpy(armyPlace, record.armyPanelPlace, sizeof armyPlace);
  std::memcpy(armyKind, record.armyKind, sizeof armyKind);
  std::memcpy(armyAttack, record.armyValue1, sizeof armyAttack);
  std::memcpy(armyShield, record.armyValue2, sizeof armyShield);
  std::memcpy(armyTraining, record.armyValue3, sizeof armyTraining);
  std::memcpy(armyEquipment, record.armyValue4, sizeof armyEquipment);
  std::memcpy(armyCount, record.armyCount, sizeof armyCount);
  std::memcpy(armyMarkTopLeft, record.armyMark1, sizeof armyMarkTopLeft);
  std::memcpy(armyMarkTopRight, record.armyMark2, sizeof armyMarkTopRight);
  std::memcpy(armyMarkBottomLeft, record.armyMark3, sizeof armyMarkBottomLeft);
  std::memcpy(armySkull, record.armyMark4, sizeof armySkull);
  std::memcpy(armyNames, record.armyNames, sizeof armyNames);
}

void MemberArmies::Store(ArmyRecord& record) const {
  std::memcpy(record.armyKindCode, armyCode, sizeof armyCode);
  std::memcpy(record.armyUsed, armyUsed, sizeof armyUsed);
  std::memcpy(record.armyPanelPlace, armyPlace, sizeof armyPlace);
  std::memcpy(record.armyKind, armyKind, sizeof armyKind);
  std::memcpy(record.armyValue1, armyAttack, sizeof armyAttack);
  std::memcpy(record.armyValue2, armyShield, sizeof armyShield);
  std::memcpy(record.armyValue3, armyTraining, sizeof armyTraining);
  std::memcpy(record.armyValue4, armyEquipment, sizeof armyEquipment);
  std::memcpy(record.armyCount, armyCount, sizeof armyCount);
  std::memcpy(record.armyMark1, armyMarkTopLeft, sizeof armyMarkTopLeft);
  std::memcpy(record.armyMark2, armyMarkTopRight, sizeof armyMarkTopRight);
  std::memcpy(record.armyMark3, armyMarkBottomLeft, sizeof armyMarkBottomLeft);
  std::memcpy(record.armyMark4, armySkull, sizeof armySkull);
  std::memcpy(record.armyNames, armyNames, sizeof armyNames);
}

uint8_t MemberArmies::BoxAt(int32_t x, int32_t y) {
  for (uint8_t box = 1; box <= kArmySlots; ++box) {
    const ScreenRect r = BoxRect(box);
    if (PointInRect(r.x, r.y, r.w, r.h, x, y)) return box;
  }
  return kNoArmyBox;
}

ScreenRect MemberArmies::BoxRect(uint8_t box) {
  if (box < 1 || box > kArmySlots) return {0, 0, 0, 0};
  const int b = box - 1;
  return {kBoxLeft[b], kBoxTop, kBoxLeft[b + 1] - kBoxLeft[b], kBoxHeight};
}

int MemberArmies::SlotInBox(uint8_t box) const {
  if (box < 1 || box > kArmySlots) return -1;
  for (int i = 0; i < kArmySlots; ++i)
    if (armyUsed[i] && armyPlace[i] + 1 == box) return i;
  return -1;
}

void MemberArmies::Disband(uint8_t box) {
  const int slot = SlotInBox(box);
  if (slot < 0) return;
  armyUsed[slot] = 0;
  armyCode[slot] = 0;
}

#pragma once
// Where the place screen puts what both its drawing and its input need: the
// buttons' hit rectangles, the army panel's cells, the recruit candidates'
// cells and the hover areas of the selected army's four values.

#include <cstdint>

namespace house_layout {

struct Rect {
  int32_t x, y, w, h;
};

// The four right-hand buttons, top to bottom: Leave, Heal, Recruit, Talk.
constexpr int32_t kRightButtonX = 634;
constexpr int32_t kRightButtonW = 166;
constexpr int32_t kRightButtonH = 80;
constexpr Rect kLeaveRect = {kRightButtonX, 0, kRightButtonW, kRightButtonH};
constexpr Rect kHealRect = {kRightButtonX, 80, kRightButtonW, kRightButtonH};
constexpr Rect kRecruitRect = {kRightButtonX, 160, kRightButtonW, kRightButtonH};
constexpr Rect kTalkRect = {kRightButtonX, 240, kRightButtonW, kRightButtonH};

// The buttons of the selected army's box, of the Disband question, of the
// recruit question and of a quest's Accept question.
constexpr Rect kDisbandRect = {340, 142, 90, 32};
constexpr Rect kNameRect = {186, 142, 77, 32};
constexpr Rect kDisbandYesRect = {230, 370, 32, 32};
constexpr Rect kDisbandNoRect = {340, 370, 32, 32};
constexpr Rect kRecruitYesRect = {240, 370, 32, 32};
constexpr Rect kRecruitNoRect = {350, 370, 32, 32};
constexpr Rect kAcceptYesRect = {230, 430, 32, 32};
constexpr Rect kAcceptNoRect = {340, 430, 32, 32};

// The army panel: six cells of 83 x 70, place 0..5 (cell 1..6).
constexpr int kArmyCells = 6;
constexpr int32_t kCellW = 83;
constexpr int32_t kCellH = 70;
constexpr int32_t kCellX[kArmyCells] = {634, 717, 634, 717, 634, 717};
constexpr int32_t kCellY[kArmyCells] = {390, 390, 460, 460, 530, 530};

// The recruit candidates' cells of the open recruit panel, candidate 1..5.
constexpr int kCandidateCells = 5;
constexpr int32_t kCandidateCellX[kCandidateCells] = {85, 175, 265, 355, 445};
constexpr int32_t kCandidateCellY = 485;
constexpr int32_t kCandidateCellSize = 90;

// The selected army's four values (hoveredStat): attack, shield, training,
// equipment, and the areas whose hover turns a value's icon into its caption.
constexpr uint8_t kStatNone = 0;
constexpr uint8_t kStatAttack = 5;
constexpr uint8_t kStatShield = 6;
constexpr uint8_t kStatTraining = 7;
constexpr uint8_t kStatEquipment = 8;
constexpr Rect kAttackArea = {185, 195, 125, 34};
constexpr Rect kShieldArea = {185, 229, 125, 34};
constexpr Rect kTrainingArea = {310, 195, 125, 34};
constexpr Rect kEquipmentArea = {310, 229, 125, 34};

}  // namespace house_layout

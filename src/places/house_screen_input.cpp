// The place screen's input: which button and which army value the cursor is
// over, which button a press takes, which army cell and recruit candidate a
// press picks; and the names' lengths and the removal of a disbanded army.
//
// A button acts on the release, in the visit procedure: the press only
// stores its id and shows it pressed.

#include "game/glyph_name.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"

using namespace house_layout;

namespace {

bool Inside(const Rect& r, int32_t x, int32_t y) { return PointInRect(r.x, r.y, r.w, r.h, x, y); }

// When a button is there to be hovered or pressed.
enum class Shown : uint8_t {
  Always,
  ArmyBox,          // Disband and Name: in the selected army's box
  DisbandQuestion,  // Disband Yes and No
  RecruitQuestion,  // Recruit Yes and No
  AcceptQuestion,   // Accept Yes and No
};

struct Button {
  uint8_t id;
  Rect rect;
  uint8_t HouseScreen::*look;
  Shown shown;
};

// In the order the tests run.
constexpr Button kButtons[] = {
    {kHouseLeave, kLeaveRect, &HouseScreen::lookLeave, Shown::Always},
    {kHouseHeal, kHealRect, &HouseScreen::lookHeal, Shown::Always},
    {kHouseRecruit, kRecruitRect, &HouseScreen::lookRecruit, Shown::Always},
    {kHouseTalk, kTalkRect, &HouseScreen::lookTalk, Shown::Always},
    {kHouseDisband, kDisbandRect, &HouseScreen::lookDisband, Shown::ArmyBox},
    {kHouseDisbandYes, kDisbandYesRect, &HouseScreen::lookDisbandYes, Shown::DisbandQuestion},
    {kHouseDisbandNo, kDisbandNoRect, &HouseScreen::lookDisbandNo, Shown::DisbandQuestion},
    {kHouseRecruitYes, kRecruitYesRect, &HouseScreen::lookRecruitYes, Shown::RecruitQuestion},
    {kHouseRecruitNo, kRecruitNoRect, &HouseScreen::lookRecruitNo, Shown::RecruitQuestion},
    {kHouseAcceptYes, kAcceptYesRect, &HouseScreen::lookAcceptYes, Shown::AcceptQuestion},
    {kHouseAcceptNo, kAcceptNoRect, &HouseScreen::lookAcceptNo, Shown::AcceptQuestion},
    {kHouseName, kNameRect, &HouseScreen::lookName, Shown::ArmyBox},
};

// The hover tests follow the questions' flags alone; the Name button's look
// follows the cursor even with no army selected.
bool HoverLive(const HouseScreen& h, const Button& b) {
  switch (b.shown) {
    case Shown::Always: return true;
    case Shown::ArmyBox: return b.id == kHouseName || h.selectedArmy != 0;
    case Shown::DisbandQuestion: return h.selectedArmy != 0 && h.disbandAsked != 0;
    case Shown::RecruitQuestion: return h.selectedCandidate != 0;
    case Shown::AcceptQuestion: return h.acceptAsked != 0;
  }
  return false;
}

// A press is taken only by a button on the screen: the box's buttons while
// the selected cell holds an army, the recruit question while the recruit
// panel is open, the Accept question while the talk is open.
bool ClickLive(const HouseScreen& h, const Button& b) {
  switch (b.shown) {
    case Shown::Always: return true;
    case Shown::ArmyBox:
      return h.selectedArmy != 0 && h.selectedArmy <= kArmyCells &&
             h.armyUsed[h.selectedArmy - 1] != 0;
    case Shown::DisbandQuestion: return h.selectedArmy != 0 && h.disbandAsked != 0;
    case Shown::RecruitQuestion: return h.selectedCandidate != 0 && h.recruitOpen != 0;
    case Shown::AcceptQuestion: return h.acceptAsked != 0 && h.talkOpen != 0;
  }
  return false;
}

bool MouseDown(InputDevice* mouse) {
  return mouse && (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight));
}

// A fresh press that began in the rectangle and is over it now: a press
// moved onto a button or a cell from elsewhere is not its own.
bool PressedOn(InputDevice* mouse, const Rect& r, int32_t x, int32_t y) {
  return mouse && Inside(r, x, y) && FreshPressIn(*mouse, r.x, r.y, r.w, r.h);
}

// The index of the last letter of a name; 0 for an empty name.
}  // namespace

void HouseScreen::Hover(int32_t x, int32_t y) {
  if (Inside(kAttackArea, x, y)) hoveredStat = kStatAttack;
  if (Inside(kShieldArea, x, y)) hoveredStat = kStatShield;
  if (Inside(kTrainingArea, x, y)) hoveredStat = kStatTraining;
  if (Inside(kEquipmentArea, x, y)) hoveredStat = kStatEquipment;

  for (const Button& b : kButtons) {
    if (!HoverLive(*this, b)) continue;
    const bool over = Inside(b.rect, x, y);
    if (over) hoveredId = b.id;
    // A taken press keeps every look until the procedure has acted on it.
    if (!clickTaken) this->*b.look = over ? house_art::kLookHovered : house_art::kLookIdle;
  }
}

uint32_t HouseScreen::Click(int32_t x, int32_t y, InputDevice* mouse) {
  if (!MouseDown(mouse)) return 0;
  for (const Button& b : kButtons) {
    if (!ClickLive(*this, b) || !PressedOn(mouse, b.rect, x, y)) continue;
    pressedId = b.id;
    // Disband and Name have no pressed look; Disband asks its question at once.
    const bool twoLooks = b.id == kHouseDisband || b.id == kHouseName;
    this->*b.look = twoLooks ? house_art::kLookHovered : house_art::kLookPressed;
    if (b.id == kHouseDisband) disbandAsked = 1;
    return 1;
  }
  return 0;
}

void HouseScreen::ClearHover() {
  hoveredId = 0;
  hoveredStat = kStatNone;
}

void HouseScreen::SelectTests(int32_t x, int32_t y, InputDevice* mouse) {
  const bool down = MouseDown(mouse);
  // The Disband question keeps its army through presses elsewhere.
  if (!disbandAsked) selectedArmy = 0;
  for (int p = 0; p < kArmyCells; ++p)
    if (down && PressedOn(mouse, Rect{kCellX[p], kCellY[p], kCellW, kCellH}, x, y))
      selectedArmy = static_cast<uint8_t>(p + 1);
  if (selectedArmy) selectedCandidate = 0;
  if (selectedCandidate) noRoomNote = 0;
  if (recruitOpen) {
    for (int k = 0; k < kCandidateCells; ++k)
      if (down && PressedOn(mouse,
                            Rect{kCandidateCellX[k], kCandidateCellY, kCandidateCellSize,
                                 kCandidateCellSize},
                            x, y))
        selectedCandidate = static_cast<uint8_t>(k + 1);
  }
  if (selectedCandidate) recruitJoinedNote = 0;
}

void HouseScreen::MeasureNames() {
  for (int s = 0; s < kHouseArmySlots; ++s)
    armyNameLength[s] = static_cast<uint8_t>(LastFilledCell(armyName[s]));
  for (int k = 0; k < kHouseCandidates; ++k)
    candidateNameLength[k] = static_cast<uint8_t>(LastFilledCell(candidateName[k]));
}

void HouseScreen::DisbandArmy() {
  if (disbandPlace == 0) return;
  // The army shown in the cell goes, and its slot is free for a recruit.
  for (int s = 0; s < kHouseArmySlots; ++s) {
    if (armyPlace[s] + 1 != disbandPlace) continue;
    armyUsed[s] = 0;
    armyCode[s] = 0;
  }
  disbandPlace = 0;
}

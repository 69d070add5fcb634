#include "menus/quest_log.h"

#include <cstring>

#include "menus/quest_log_picture.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace pic = quest_log_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint8_t kFireStamp = 1;
constexpr uint8_t kFireWaiting = 2;

// Where the place frame and the fire stand, from the place's rectangle.
constexpr int32_t kFrameDx = -7;
constexpr int32_t kFrameDy = -7;
constexpr int32_t kFireDx = 16;
constexpr int32_t kFireDy = 13;

void DrawNumber(SpriteSheet* sheet, int quest) {
  constexpr float kScale = 0.7f;
  if (quest < 10) {
    sheet->Draw(pic::kDigits, quest, 470, 440, kWhite, kScale, kScale);
  } else {
    sheet->Draw(pic::kDigits, quest % 10, 500, 440, kWhite, kScale, kScale);
    sheet->Draw(pic::kDigits, quest / 10, 460, 440, kWhite, kScale, kScale);
  }
}

bool InButton(int32_t buttonX, int32_t x, int32_t y) {
  return PointInRect(buttonX, kQuestLogButtonY, kQuestLogButtonW, kQuestLogButtonH, x, y) != 0;
}

bool FreshPress(InputDevice* mouse) {
  return mouse && (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight));
}

// A fresh press that began on the button under the cursor now.
bool PressedOnButton(int32_t buttonX, int32_t x, int32_t y, InputDevice* mouse) {
  return InButton(buttonX, x, y) &&
         FreshPressIn(*mouse, buttonX, kQuestLogButtonY, kQuestLogButtonW, kQuestLogButtonH);
}

// The place (1..40) whose rectangle holds the point, 0 none.
uint8_t PlaceAt(int32_t x, int32_t y) {
  for (int i = 1; i <= kQuestLogPlaces; ++i) {
    if (PointInRect(QuestPlaceX(i), QuestPlaceY(i), kQuestPlaceSize, kQuestPlaceSize, x, y))
      return static_cast<uint8_t>(i);
  }
  return 0;
}

}  // namespace

const QuestObjective* ObjectiveOf(int quest) {
  if (quest < 1 || quest > kObjectiveQuests) return nullptr;
  return &kQuestObjectives[quest - 1];
}

QuestLog::QuestLog()
    : sheet(nullptr),
      font(nullptr),
      page(1),
      stages{},
      selectedQuest(0),
      fireStartMs(0),
      fireState(kFireStamp),
      backLook(0),
      nextLook(0),
      fireFrame(0),
      held(0),
      pressedId(0),
      hoverId(0),
      hoveredIcon(0),
      selectedIcon(0) {}

QuestLog::~QuestLog() { ReleaseArt(); }

void QuestLog::LoadArt(GraphicsDevice* device) {
  sheet = new SpriteSheet;
  sheet->Init(device, pic::kImageCount);
  sheet->SetAlphaTest(1);
  for (int i = 0; i < pic::kImageCount; ++i) {
    const PictureFile& f = pic::kFiles[i];
    sheet->LoadImage(i, f.path, f.frameWidth, f.frameHeight, f.colourKey, kFormatA1R5G5B5);
  }
  font = new TextFont;
  font->Create(device, "Arial", 23, 0, 0, 0, 0);
  font->Begin();
}

void QuestLog::ReleaseArt() {
  DeleteSheet(sheet);
  DeleteFont(font);
}

void QuestLog::CopyStages(const GameState& state) {
  std::memcpy(stages, state.questStage, kQuestCount);
}

void QuestLog::HoverButtons(int32_t x, int32_t y) {
  struct Button {
    int32_t x;
    uint8_t id;
    uint8_t& look;
  };
  for (Button b : {Button{kQuestLogBackX, kQuestLogBack, backLook},
                   Button{kQuestLogNextX, kQuestLogNext, nextLook}}) {
    if (InButton(b.x, x, y)) {
      hoverId = b.id;
      if (!held) b.look = 1;
    } else if (!held) {
      b.look = 0;
    }
  }
}

void QuestLog::HoverIcons(int32_t x, int32_t y) {
  uint8_t place = PlaceAt(x, y);
  if (place != 0) hoveredIcon = place;
}

uint32_t QuestLog::ClickButtons(int32_t x, int32_t y, InputDevice* mouse) {
  if (!FreshPress(mouse)) return 0;
  if (PressedOnButton(kQuestLogBackX, x, y, mouse)) {
    pressedId = kQuestLogBack;
    backLook = 2;
    return 1;
  }
  if (PressedOnButton(kQuestLogNextX, x, y, mouse)) {
    pressedId = kQuestLogNext;
    nextLook = 2;
    return 1;
  }
  return 0;
}

uint32_t QuestLog::ClickIcons(int32_t x, int32_t y, InputDevice* mouse) {
  if (!FreshPress(mouse)) return 0;
  uint8_t place = PlaceAt(x, y);
  if (place == 0) return 0;
  // Only the place the press began on.
  if (!mouse->PressBeganIn(QuestPlaceX(place), QuestPlaceY(place), kQuestPlaceSize,
                           kQuestPlaceSize))
    return 0;
  selectedIcon = place;
  selectedQuest = static_cast<uint8_t>((page - 1) * kQuestLogPlaces + place);
  return 1;
}

void QuestLog::TurnPage() {
  page = page >= kQuestLogPages ? 1 : page + 1;
  selectedQuest = 0;
}

uint8_t QuestLog::PlaceStage(int place) const {
  return stages[(page - 1) * kQuestLogPlaces + place - 1];
}

void QuestLog::AnimateFire() {
  uint32_t now = timeGetTime();
  if (fireState == kFireStamp) {
    fireStartMs = now;
    fireState = kFireWaiting;
  } else if (fireState == kFireWaiting && now > fireStartMs + kQuestFireStepMs) {
    fireState = kFireStamp;
    fireFrame = static_cast<uint8_t>((fireFrame + 1) % pic::kFireFrames);
  }
}

void QuestLog::DrawFrame() {
  if (!sheet) return;
  sheet->Draw(pic::kBackground, 0, 0, 0, kWhite, 3.125f, 2.34375f);
  sheet->Draw(pic::kBackButton, backLook, kQuestLogBackX, kQuestLogButtonY, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kNextButton, nextLook, kQuestLogNextX, kQuestLogButtonY, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kPageCaption, 0, 50, 16, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kDigits, page, 170, 20, kWhite, 0.5f, 0.4f);
  sheet->Draw(pic::kPillar, 0, 11, 485, kWhite, 0.9f, 0.9f);
  sheet->Draw(pic::kPillar, 0, 730, 485, kWhite, 0.9f, 0.9f);
}

void QuestLog::DrawQuestIcons() {
  if (!sheet) return;
  constexpr float kFrameScale = 2.43f;
  for (int i = 1; i <= kQuestLogPlaces; ++i) {
    uint8_t stage = PlaceStage(i);
    if (!QuestShown(stage)) continue;
    const int32_t x = QuestPlaceX(i), y = QuestPlaceY(i);
    if (hoveredIcon == i)
      sheet->Draw(pic::kPlaceFrame, pic::kFrameHovered, x + kFrameDx, y + kFrameDy, kWhite,
                  kFrameScale, kFrameScale);
    if (selectedIcon == i)
      sheet->Draw(pic::kPlaceFrame, pic::kFrameSelected, x + kFrameDx, y + kFrameDy, kWhite,
                  kFrameScale, kFrameScale);
    if (QuestFinished(stage)) {
      sheet->Draw(pic::kQuestIcon, pic::kIconFinished, x, y, kWhite, 2.0f, 2.0f);
    } else {
      sheet->Draw(pic::kQuestIcon, pic::kIconOpen, x, y, kWhite, 2.0f, 2.0f);
      sheet->Draw(pic::kFire, fireFrame, x + kFireDx, y + kFireDy, kWhite, 1.0f, 1.0f);
    }
  }
}

void QuestLog::DrawSelectedQuest() {
  if (!sheet || selectedQuest == 0) return;
  uint8_t stage = stages[selectedQuest - 1];
  if (!QuestShown(stage)) return;
  sheet->Draw(pic::kPanel, 0, 170, 430, kWhite, 3.2f, 1.0f);
  sheet->Draw(pic::kCaption, 0, 250, 440, kWhite, 0.8f, 0.8f);
  DrawNumber(sheet, selectedQuest);
  if (const QuestObjective* objective = ObjectiveOf(selectedQuest); objective && font) {
    const ObjectiveLine* lines[2] = {&objective->line1, &objective->line2};
    const int32_t ys[2] = {kObjectiveY1, kObjectiveY2};
    for (int k = 0; k < 2; ++k) {
      if (lines[k]->text)
        font->DrawText(lines[k]->text, lines[k]->x, ys[k], lines[k]->w, kObjectiveH,
                       kObjectiveColour, kTextFormatTopLeft);
    }
  }
  if (QuestFinished(stage)) sheet->Draw(pic::kDone, 0, 330, 490, kWhite, 1.1f, 1.1f);
}

void QuestLog::ClearHover() {
  hoverId = 0;
  hoveredIcon = 0;
}

#include "menus/info_screen.h"

#include "menus/help_picture.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace pic = help_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kHeadingColour = 0xFFFAFA32;
constexpr uint32_t kLineColour = 0xFF1E78F0;
constexpr int32_t kLineHeight = 32;
// The opening animation steps a little more than every 200 ms.
constexpr uint32_t kAnimStepMs = 200;
constexpr uint8_t kAnimLastFrame = pic::kBackgroundCount - 1;

constexpr int kNoImage = -1;

constexpr HelpRow Heading(int32_t x, int32_t y, int32_t w, const char* text) {
  return {x, y, w, text, true, kNoImage};
}
constexpr HelpRow Line(int32_t x, int32_t y, int32_t w, const char* text) {
  return {x, y, w, text, false, kNoImage};
}
constexpr HelpRow Picture(int32_t x, int32_t y, int image) {
  return {x, y, 0, nullptr, false, image};
}

constexpr HelpRow kPage0[] = {
    Heading(50, 90, 500, "Moving  -"),
    Line(145, 90, 630, "To move yourself and your heroes just click where you want to go"),
    Line(145, 120, 630, "and press enter on the keyboard."),
    Picture(482, 127, pic::kInfo2),
    Line(145, 230, 630, "If a path is not drawn then that means you have 0 movement left."),
    Picture(145, 260, pic::kInfo1),
    Line(145, 330, 630, "You can move the map with arrow keys on the keyboard."),
    Heading(50, 410, 500, "Fame  -"),
    Line(130, 410, 650, "You get fame after accepting and solving quests. Also fame is "),
    Line(130, 440, 550, "awarded for winning battles and fighting invasions."),
    Line(130, 490, 650, "Thanks to high fame you receive gold gifts and heroes join you."),
};

constexpr HelpRow kPage1[] = {
    Heading(60, 90, 500, "Gold  -"),
    Line(145, 90, 630, "You need gold to recruit armies and to heal. "),
    Line(145, 120, 630, "Walk on top of gold piles to get that gold."),
    Picture(615, 94, pic::kGold),
    Line(145, 180, 600, "Other ways of getting gold is from chests,bags,by collecting "),
    Line(145, 210, 650, "gems and artifacts,by winning battles,accepting and solving quests, "),
    Line(145, 240, 600, "by fighting invasions, and there are other ways... "),
    Heading(50, 390, 500, "Battles / Invasions  -"),
    Line(260, 390, 630, "You lose fame for retreating from battles or not"),
    Line(145, 420, 630, "fighting invasions.  But sometimes it is necessary to attack and"),
    Line(145, 450, 630, "retreat from a powerfull army in order to weaken it. Keep in"),
    Line(145, 480, 630, "mind that the enemy forces heal every day. "),
};

constexpr HelpRow kPage2[] = {
    Heading(60, 90, 500, "Items  -"),
    Line(145, 90, 630, "You get items from chests and by accepting quests "),
    Line(145, 120, 630, "or by claiming your reward after solving a quest."),
    Picture(650, 94, pic::kItem),
    Line(145, 180, 600, "You must accept a quest to be able to claim a reward "),
    Line(145, 210, 650, "for solving it. Items will make you and your heroes "),
    Line(145, 240, 600, "very powerfull. "),
};

template <int N>
constexpr HelpPage PageOf(const HelpRow (&rows)[N]) {
  return {rows, N};
}

}  // namespace

const HelpPage kHelpPages[kHelpPageCount] = {PageOf(kPage0), PageOf(kPage1), PageOf(kPage2)};

InfoScreen::InfoScreen()
    : font(nullptr),
      sheet(nullptr),
      page(0),
      animStartMs(0),
      animState(1),
      animFrame(0),
      backLook(0),
      leftLook(0),
      rightLook(0),
      hoverId(0),
      pressedId(0),
      held(0) {}

InfoScreen::~InfoScreen() { ReleaseArt(); }

void InfoScreen::LoadArt(GraphicsDevice* device) {
  sheet = new SpriteSheet;
  sheet->Init(device, pic::kSheetImages);
  sheet->SetAlphaTest(1);
  for (const pic::SheetPicture& p : pic::kPictures)
    sheet->LoadImage(p.image, p.file.path, p.file.frameWidth, p.file.frameHeight, p.file.colourKey,
                     kFormatA1R5G5B5);
  font = new TextFont;
  font->Create(device, "Arial", 22, 0, 0, 0, 0);
  font->Begin();
}

void InfoScreen::ReleaseArt() {
  DeleteSheet(sheet);
  DeleteFont(font);
}

void InfoScreen::Hover(const HelpRect& r, uint8_t id, uint8_t& look, int32_t x, int32_t y) {
  if (PointInRect(r.x, r.y, r.w, r.h, x, y)) {
    hoverId = id;
    if (!held) look = 1;
  } else if (!held) {
    look = 0;
  }
}

void InfoScreen::HoverBack(int32_t x, int32_t y) {
  Hover(kHelpBackRect, kHelpBack, backLook, x, y);
}
void InfoScreen::HoverLeftArrow(int32_t x, int32_t y) {
  Hover(kHelpLeftHover, kHelpLeft, leftLook, x, y);
}
void InfoScreen::HoverRightArrow(int32_t x, int32_t y) {
  Hover(kHelpRightRect, kHelpRight, rightLook, x, y);
}

uint32_t InfoScreen::Click(const HelpRect& r, uint8_t id, uint8_t& look, int32_t x, int32_t y,
                           InputDevice* mouse) {
  if (!mouse || !FreshPressIn(*mouse, r.x, r.y, r.w, r.h)) return 0;
  if (!PointInRect(r.x, r.y, r.w, r.h, x, y)) return 0;
  pressedId = id;
  look = 2;
  held = 1;
  return 1;
}

uint32_t InfoScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kHelpBackRect, kHelpBack, backLook, x, y, mouse);
}
uint32_t InfoScreen::ClickLeftArrow(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kHelpLeftClick, kHelpLeft, leftLook, x, y, mouse);
}
uint32_t InfoScreen::ClickRightArrow(int32_t x, int32_t y, InputDevice* mouse) {
  return Click(kHelpRightRect, kHelpRight, rightLook, x, y, mouse);
}

void InfoScreen::Animate() {
  if (animFrame >= kAnimLastFrame) return;
  const uint32_t now = timeGetTime();
  if (animState == 1) {
    animStartMs = now;
    animState = 2;
  } else if (animState == 2 && now > animStartMs + kAnimStepMs) {
    animState = 1;
    ++animFrame;
  }
}

void InfoScreen::DrawBackground() {
  if (sheet) sheet->Draw(pic::kBackgroundFirst + animFrame, 0, 0, 0, kWhite, 3.125f, 2.34375f);
}

void InfoScreen::DrawBack() {
  if (sheet)
    sheet->Draw(pic::kBack, backLook, kHelpBackRect.x, kHelpBackRect.y, kWhite, 1.0f, 1.0f);
}

void InfoScreen::DrawTitle() {
  if (sheet) sheet->Draw(pic::kTitle, 0, 250, 4, kWhite, 1.1f, 1.0f);
}

void InfoScreen::DrawArrows() {
  if (!sheet) return;
  sheet->Draw(pic::kArrowLeft, leftLook, kHelpLeftHover.x, kHelpLeftHover.y, kWhite, 1.0f, 1.0f);
  sheet->Draw(pic::kArrowRight, rightLook, kHelpRightRect.x, kHelpRightRect.y, kWhite, 1.0f, 1.0f);
}

void InfoScreen::DrawPage() {
  if (page >= kHelpPageCount) return;
  const HelpPage& p = kHelpPages[page];
  for (int i = 0; i < p.count; ++i) {
    const HelpRow& row = p.rows[i];
    if (row.image != kNoImage) {
      if (sheet) sheet->Draw(row.image, 0, row.x, row.y, kWhite, 1.0f, 1.0f);
    } else if (font) {
      font->DrawText(row.text, row.x, row.y, row.w, kLineHeight,
                     row.heading ? kHeadingColour : kLineColour, 0);
    }
  }
}

void InfoScreen::ClearHover() { hoverId = 0; }

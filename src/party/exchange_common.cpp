#include "party/exchange_common.h"

#include "game/glyph_name.h"
#include "game/hero_figure.h"
#include "party/exchange_choice_screen.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace exchange_common {

void Load(SpriteSheet* sheet, int32_t index, const exchange_art::Picture& p) {
  if (sheet && p.path)
    sheet->LoadImage(index, p.path, p.frameWidth, p.frameHeight, p.key,
                     exchange_art::kTextureFormat);
}

using exchange_art::Picture;

void LoadMemberPortrait(SpriteSheet* sheet, int32_t index, uint8_t member, uint8_t playerPortrait,
                        const Picture* playerPictures) {
  if (!sheet) return;
  const Picture* p = nullptr;
  if (member == kMemberPlayer) {
    p = &playerPictures[playerPortrait == 1 ? 1 : 0];
  } else if (member >= kFirstHeroMember && member <= kLastHeroMember) {
    p = &exchange_art::kHeroPortraits[member - kFirstHeroMember];
  }
  if (p)
    sheet->LoadImage(index, p->path, p->frameWidth, p->frameHeight, p->key,
                     exchange_art::kTextureFormat);
}

uint8_t LastLetter(const uint8_t* name, uint8_t none) {
  return static_cast<uint8_t>(LastFilledCell(name, kGlyphNameLength, none));
}

void DrawLetters(SpriteSheet* low, SpriteSheet* high, const uint8_t* name, int32_t x, int32_t y,
                 int32_t advance, float scaleX, float scaleY, SpriteSheet* digits,
                 int32_t digitImage, int count) {
  for (int j = 0; j < count; ++j) {
    const uint8_t code = name[j];
    const int32_t at = x + advance * j;
    if (code == exchange_art::kCaretLetter) continue;
    if (code < exchange_art::kFirstHighLetter) {
      if (low) low->Draw(0, code, at, y, 0xFFFFFFFFu, scaleX, scaleY);
      continue;
    }
    if (high)
      high->Draw(0, code - exchange_art::kFirstHighLetter, at, y, 0xFFFFFFFFu, scaleX, scaleY);
    if (digits && code >= exchange_art::kFirstDigitLetter)
      digits->Draw(digitImage, code - exchange_art::kFirstDigitLetter, at, y, 0xFFFFFFFFu, scaleX,
                   scaleY);
  }
}

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Frame d of a digit picture for the digit d.
void Digit(SpriteSheet* sheet, int image, int32_t value, int32_t x, int32_t y, float sx, float sy) {
  if (sheet) sheet->Draw(image, value % 10, x, y, kWhite, sx, sy);
}

// The figure's body look: the player by portrait choice, hero k by his own.
FigureLook LookOf(uint8_t member, uint8_t playerPortrait, const uint8_t* heroPortrait) {
  if (member == kMemberPlayer) return PlayerFigureLook(playerPortrait);
  if (member >= kFirstHeroMember && member <= kLastHeroMember)
    return heroPortrait[member - kFirstHeroMember];
  return kFigureLookCount;
}

// The figure places are laid out for the party screens' figures, which stand
// this much lower than the exchanges'.
constexpr int32_t kPartyFigureTop = 100;

void DrawValue(SpriteSheet* ui, int digits, int icon, int32_t iconDx, int32_t iconDy, int32_t x,
               int32_t y, int32_t value) {
  if (!ui) return;
  const int32_t v = value < 0 ? 0 : value;
  if (v >= 100) {
    Digit(ui, digits, v, x + 51, y, 0.6f, 0.6f);
    Digit(ui, digits, v / 10, x + 31, y, 0.6f, 0.6f);
    Digit(ui, digits, v / 100, x + 11, y, 0.6f, 0.6f);
  } else {
    Digit(ui, digits, v, x + 41, y, 0.6f, 0.6f);
    Digit(ui, digits, v / 10, x + 21, y, 0.6f, 0.6f);
  }
  ui->Draw(icon, 0, x + iconDx, y + iconDy, kWhite, 1.0f, 1.0f);
}

constexpr int32_t kBackX = 730, kBackY = 6, kBackW = 64, kBackH = 32;

}  // namespace

void DrawMemberFigure(const HeroFigure* figure, const WornFigure& worn, SpriteSheet* portraits,
                      int portrait, uint8_t member, uint8_t playerPortrait,
                      const uint8_t* heroPortrait, int32_t x, int32_t y) {
  const int32_t dy = y - kPartyFigureTop;
  // Head first, then the bare body, then what the figure wears.
  if (portraits && !ItemCatalog::FitsBodySlot(worn.bodyItems[kBodyHelmet], kBodyHelmet)) {
    const int32_t headY = member == kMemberPlayer && playerPortrait == 0 ? y + 94 : y + 93;
    portraits->Draw(portrait, 0, x + 34, headY, kWhite, 0.7f, 0.7f);
  }
  if (figure) figure->DrawBody(x, LookOf(member, playerPortrait, heroPortrait), worn.bodyItems, dy);
  ItemCatalog::DrawWornItems(worn, x, dy);
}

void DrawHealth(SpriteSheet* ui, const TotalsArt& art, int32_t x, int32_t y, int32_t health,
                int32_t maxHealth) {
  if (!ui) return;
  int32_t shown = health < maxHealth ? health : maxHealth;
  if (shown < 0) shown = 0;
  Digit(ui, art.healthDigits, shown, x + 34, y, 0.5f, 0.5f);
  if (shown >= 10) Digit(ui, art.healthDigits, shown / 10, x + 17, y, 0.5f, 0.5f);
  if (shown >= 100) Digit(ui, art.healthDigits, shown / 100, x, y, 0.5f, 0.5f);
  ui->Draw(art.healthIcon, 0, x + art.healthIconDx, y + art.healthIconDy, kWhite, 1.0f, 1.0f);
  ui->Draw(art.slash, 0, x + 48, y - 10, kWhite, 1.0f, 1.1f);
  const int32_t most = maxHealth < 0 ? 0 : maxHealth;
  const int digits = most >= 100 ? 3 : most >= 10 ? 2 : 1;
  int32_t divisor = digits == 3 ? 100 : digits == 2 ? 10 : 1;
  for (int d = 0; d < digits; ++d, divisor /= 10)
    Digit(ui, art.healthDigits, most / divisor, x + 67 + 17 * d, y, 0.5f, 0.5f);
}

void DrawAttack(SpriteSheet* ui, const TotalsArt& art, int32_t x, int32_t y, int32_t value) {
  DrawValue(ui, art.attackDigits, art.attackIcon, art.attackIconDx, art.valueIconDy, x, y, value);
}

void DrawShield(SpriteSheet* ui, const TotalsArt& art, int32_t x, int32_t y, int32_t value) {
  DrawValue(ui, art.shieldDigits, art.shieldIcon, art.shieldIconDx, art.valueIconDy, x, y, value);
}

void LoadLetterSheets(GraphicsDevice* device, SpriteSheet** names1, SpriteSheet** names2,
                      SpriteSheet** text1, SpriteSheet** text2) {
  const exchange_art::Picture* pictures[4] = {
      &exchange_art::kNameLetters1, &exchange_art::kNameLetters2, &exchange_art::kTextLetters1,
      &exchange_art::kTextLetters2};
  SpriteSheet** sheets[4] = {names1, names2, text1, text2};
  for (int i = 0; i < 4; ++i) {
    *sheets[i] = NewSheet(device, 1);
    Load(*sheets[i], 0, *pictures[i]);
  }
}

bool AnyButton(InputDevice* mouse) {
  return mouse && (mouse->ButtonPressed(kMouseLeft) || mouse->ButtonPressed(kMouseRight));
}

void BackButton::Hover(int32_t x, int32_t y) {
  if (PointInRect(kBackX, kBackY, kBackW, kBackH, x, y)) {
    hovered = 1;
    if (!pressed) look = exchange_art::kLookHovered;
  } else if (!pressed) {
    look = exchange_art::kLookIdle;
  }
}

uint32_t BackButton::Click(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse || !PointInRect(kBackX, kBackY, kBackW, kBackH, x, y) ||
      !FreshPressIn(*mouse, kBackX, kBackY, kBackW, kBackH))
    return 0;
  armed = 1;
  look = exchange_art::kLookPressed;
  pressed = 1;
  return 1;
}

}  // namespace exchange_common

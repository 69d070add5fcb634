#include "party/exchange_common.h"

#include "game/glyph_name.h"
#include "party/exchange_choice_screen.h"
#include "platform/sprite_sheet.h"

namespace exchange_common {

SpriteSheet* NewSheet(GraphicsDevice* device, int32_t count) {
  SpriteSheet* sheet = new SpriteSheet;
  sheet->Init(device, count);
  sheet->SetAlphaTest(1);
  return sheet;
}

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

}  // namespace exchange_common

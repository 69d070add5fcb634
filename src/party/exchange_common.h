#pragma once
// What the exchange screens share: making and loading their sheets,
// loading a member's portrait, the last letter of a name, drawing a name
// letter by letter, a member's figure and totals, and the Back button.

#include <cstdint>

#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/item_catalog.h"
#include "party/exchange_art.h"

class GraphicsDevice;
class HeroFigure;
class InputDevice;
class SpriteSheet;

namespace exchange_common {

// Loads image index of the sheet from the picture p (nothing for a picture
// with no path, or no sheet).
void Load(SpriteSheet* sheet, int32_t index, const exchange_art::Picture& p);

// Loads image `index` of the sheet with the portrait of the member: the
// player by his portrait choice from playerPictures, hero k (member k + 2)
// from the heroes' portraits. Any other member loads nothing.
void LoadMemberPortrait(SpriteSheet* sheet, int32_t index, uint8_t member, uint8_t playerPortrait,
                        const exchange_art::Picture* playerPictures);

// Index of the last non-zero code of a 21-code name; `none` when it has none.
uint8_t LastLetter(const uint8_t* name, uint8_t none);

// Letter j of the name at (x + advance * j, y): codes 0 and 2..27 frame code
// of low, codes 28 and up frame code - 28 of high, and codes 80 and up also
// frame code - 80 of image digitImage of digits when digits is given.
// count is the row's length in cells (a name's 21 by default).
void DrawLetters(SpriteSheet* low, SpriteSheet* high, const uint8_t* name, int32_t x, int32_t y,
                 int32_t advance, float scaleX, float scaleY, SpriteSheet* digits = nullptr,
                 int32_t digitImage = 0, int count = kGlyphNameLength);

// The figure of a member whose top-left is (x, y): the head from image
// `portrait` of portraits while no helmet is worn, then the bare body by the
// member's look (the player by portrait choice, hero k by heroPortrait[k]),
// then the worn pictures.
void DrawMemberFigure(const HeroFigure* figure, const WornFigure& worn, SpriteSheet* portraits,
                      int portrait, uint8_t member, uint8_t playerPortrait,
                      const uint8_t* heroPortrait, int32_t x, int32_t y);

// The images and icon places a screen draws a member's totals with.
struct TotalsArt {
  int healthDigits, attackDigits, shieldDigits, slash;
  int healthIcon, attackIcon, shieldIcon;
  int32_t healthIconDx, healthIconDy, attackIconDx, shieldIconDx, valueIconDy;
};
// Current health (never above the maximum) over the maximum at (x, y).
void DrawHealth(SpriteSheet* ui, const TotalsArt& art, int32_t x, int32_t y, int32_t health,
                int32_t maxHealth);
// An attack or shield total at (x, y): two digits at the least, three from 100.
void DrawAttack(SpriteSheet* ui, const TotalsArt& art, int32_t x, int32_t y, int32_t value);
void DrawShield(SpriteSheet* ui, const TotalsArt& art, int32_t x, int32_t y, int32_t value);

// The Back button of the exchanges at (730, 6): the hover test sets hovered
// (never cleared) and, unless pressed, the look; a fresh press of either
// mouse button over it that began on it arms it, shows it pressed and
// returns 1.
struct BackButton {
  uint8_t& look;
  uint8_t& hovered;
  uint8_t& pressed;
  uint8_t& armed;
  void Hover(int32_t x, int32_t y);
  uint32_t Click(int32_t x, int32_t y, InputDevice* mouse);
};

// 1 while either mouse button reports a fresh press.
bool AnyButton(InputDevice* mouse);

// The four letter sheets of an exchange: member names, then texts.
void LoadLetterSheets(GraphicsDevice* device, SpriteSheet** names1, SpriteSheet** names2,
                      SpriteSheet** text1, SpriteSheet** text2);

// The first frame of an exchange screen, alike for items and armies: start
// values, pictures, the application's figure, the two members of the record
// and their portraits.
template <class Screen>
void OpenExchange(Screen& s, GraphicsDevice* device, const HeroFigure* figure,
                  const GameState& state) {
  s.Reset();
  s.LoadPictures(device);
  s.CreatePictureSheets(device);
  s.figure = figure;
  s.playerPortrait = state.playerPortrait;
  s.rightMember = state.exchangeRight;
  s.leftMember = state.exchangeLeft;
  s.LoadPortraits(device);
  for (int k = 0; k < kHeroCount; ++k) s.heroPortrait[k] = state.heroPortrait[k];
}

// A figure's worn sheets, body items and reload flags for the state dump.
template <class V>
void VisitWorn(V& v, const WornFigure& f, const char* items, const char* reloads) {
  v.Handle(f.helmetSheet);
  v.Handle(f.torsoSheet);
  v.Handle(f.glovesSheet);
  v.Handle(f.pantsSheet);
  v.Handle(f.shoesSheet);
  v.Handle(f.beltSheet);
  v.Handle(f.amuletSheet);
  v.Handle(f.shieldSheet);
  v.Handle(f.swordSheet);
  v(items, f.bodyItems);
  v(reloads, f.reloadFlags);
}

// What each exchange screen holds of its two members: the letter sheets,
// the portraits, both figures, the members, their looks and names. The
// screens own the sheets and release them.
struct ExchangeSides {
  SpriteSheet* nameLetters1{nullptr};
  SpriteSheet* nameLetters2{nullptr};
  SpriteSheet* textLetters1{nullptr};
  SpriteSheet* textLetters2{nullptr};
  SpriteSheet* portraitSheet{nullptr};
  const HeroFigure* figure{nullptr};  // the application's bare bodies; not owned
  WornFigure leftWorn;                // sheets, body items and reload flags of the left figure
  WornFigure rightWorn;               // the same of the right figure
  uint8_t leftMember{0};
  uint8_t rightMember{0};
  uint8_t playerPortrait{0};
  uint8_t heroPortrait[kHeroCount]{};
  uint8_t leftName[kGlyphNameLength]{};
  uint8_t rightName[kGlyphNameLength]{};
  uint8_t leftNameLast{0};
  uint8_t rightNameLast{0};
};

// The fields of ExchangeSides for the state dump, in their order.
template <class V>
void VisitSides(V& v, const ExchangeSides& s) {
  v.Handle(s.nameLetters1);
  v.Handle(s.nameLetters2);
  v.Handle(s.textLetters1);
  v.Handle(s.textLetters2);
  v.Handle(s.portraitSheet);
  v.Handle(s.figure);
  VisitWorn(v, s.leftWorn, "leftBodyItems", "leftReloadFlags");
  VisitWorn(v, s.rightWorn, "rightBodyItems", "rightReloadFlags");
  v("leftMember", s.leftMember);
  v("rightMember", s.rightMember);
  v("playerPortrait", s.playerPortrait);
  v("heroPortrait", s.heroPortrait);
  v.Name("leftName", s.leftName);
  v.Name("rightName", s.rightName);
  v("leftNameLast", s.leftNameLast);
  v("rightNameLast", s.rightNameLast);
}

}  // namespace exchange_common

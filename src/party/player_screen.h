#pragma once
// The player's own screen: his figure with the worn items, the bag, his
// values, his six armies with the selected army's details, and the two
// questions ("Disband?", "Throw Away?"). The screen copies the player's
// items and armies in when it opens and the procedure writes them back.

#include <cstdint>

#include "game/glyph_name.h"
#include "game/hero_figure.h"
#include "game/item_catalog.h"
#include "party/member_armies.h"
#include "party/member_items.h"
#include "party/party_art.h"

class GraphicsDevice;
class HeroFigure;
class InputDevice;
class ControlBar;
class SpriteSheet;
class TextFont;
struct GameState;

// Pressed ids of the player screen's buttons.
enum PlayerButton : uint8_t {
  kPlayerNoButton = 0,
  kPlayerBack = 1,
  kPlayerRenameArmy = 2,
  kPlayerDisband = 3,
  kPlayerDisbandYes = 4,
  kPlayerDisbandNo = 5,
  kPlayerToss = 6,
  kPlayerThrowYes = 7,
  kPlayerThrowNo = 8,
  kPlayerButtonCount = 9,
};

// Value boxes whose caption shows under the cursor.
enum PlayerValueBox : uint8_t {
  kHoverNone = 0,
  kHoverHealth = 1,
  kHoverAttack = 2,
  kHoverShield = 3,
  kHoverLevel = 4,
  kHoverArmyAttack = 5,
  kHoverArmyShield = 6,
  kHoverArmyTraining = 7,
  kHoverArmyEquipment = 8,
  kHoverExperience = 9,
};

// The values a member view shows, and where the view puts what differs
// between the player's screen and the heroes screen.
struct MemberValues {
  int32_t health, maxHealth, attack, shield;
  uint8_t level;
  uint32_t experience;
};
struct MemberLayout {
  int32_t nameY, letterAdvance, healthX, healthY, attackY, shieldY;
  float nameScaleY;
  // The heroes screen lays its value panel over the figure and the bag,
  // just before the health.
  bool panelWithHealth = false;
};
struct MemberHead {
  SpriteSheet* sheet;  // nullptr: no head
  int image, frame;
  int32_t y;
};
constexpr MemberLayout kPlayerLayout = {20, 28, -17, 160, 250, 330, 1.0f};

class PlayerScreen {
 public:
  PlayerScreen() = default;
  virtual ~PlayerScreen();
  PlayerScreen(const PlayerScreen&) = delete;
  PlayerScreen& operator=(const PlayerScreen&) = delete;

  void LoadPictures(GraphicsDevice* device);
  void ReleasePictures();
  // Copies the player's name, items and armies in and lays the items out.
  void LoadMember(const GameState& state);
  // Writes the items and armies back.
  void StoreMember(GameState& state) const;

  void HoverButtons(int32_t x, int32_t y);
  // The value box under the cursor; the heroes screen's member boxes are
  // narrower and lower than the player's.
  void HoverTabs(int32_t x, int32_t y, bool heroBoxes = false);
  // A fresh press on a button: sets pressedId and its effect; 1 when hit.
  // A button takes only a press that began on it (as the mouse tells).
  int ClickButtons(int32_t x, int32_t y, const InputDevice* mouse = nullptr);
  // A fresh press on an army box or an item place, taken only by the box or
  // place it began on.
  void ClickArmiesAndItems(int32_t x, int32_t y, const InputDevice* mouse = nullptr);
  // The items' part of a frame, shared by the member screens: a fresh press
  // (no button pressed) picks up or selects, the item follows the cursor and
  // drops once both buttons are up; the worn pictures and the described item
  // follow. A press the window's focus cut short is no release: what it
  // held goes back where it was lifted from.
  void StepItems(InputDevice& mouse, int32_t x, int32_t y, bool down);
  // The pressed button's action once it is released; returns the id acted
  // on (0: nothing yet).
  uint8_t ActOnRelease(int released, int stillOver);
  void ClearHover() { hoverValue = kHoverNone; }
  // The pressed button once released over it (at once when the cursor left
  // it, keeping the press until it is let go); returns the id acted on as
  // ActOnRelease does.
  uint8_t ActOnPressed(InputDevice& mouse);
  // The hide/show toggle: flips showEmptySlots and, on hiding, drops the
  // army and item choice; returns the new state.
  uint8_t ToggleEmptySlots();
  // Takes a member's name and its length.
  void SetName(const uint8_t* letters);

  void Draw(const HeroFigure* figure, const GameState& state) const;
  // The member view over a background: name, figure, bag, values, items,
  // armies and the questions. A hide/show button given is drawn between the
  // name and the figure.
  void DrawMember(const HeroFigure* figure, const MemberValues& values, const MemberHead& head,
                  FigureLook look, const MemberLayout& layout,
                  ControlBar* hideShow = nullptr) const;

  SpriteSheet* uiSheet = nullptr;
  SpriteSheet* portraitSheet = nullptr;
  SpriteSheet* nameLetters1 = nullptr;
  SpriteSheet* nameLetters2 = nullptr;
  SpriteSheet* textLetters1 = nullptr;
  SpriteSheet* textLetters2 = nullptr;
  SpriteSheet* armyIcons = nullptr;
  TextFont* font = nullptr;
  MemberItems items;
  MemberArmies armies;
  ItemPanel panel;
  uint8_t name[kGlyphNameLength] = {};
  uint8_t nameLength = 0;
  uint8_t figureLook = 0;  // the player's portrait, 0 or 1
  uint8_t showEmptySlots = 1;
  uint8_t disbandQuestion = 0;
  uint8_t throwQuestion = 0;
  uint8_t buttonLooks[kPlayerButtonCount] = {};
  uint8_t buttonHeld = 0;
  uint8_t hoverButton = kPlayerNoButton;
  uint8_t pressedId = kPlayerNoButton;
  uint8_t hoverValue = kHoverNone;

  template <class V>
  void VisitFields(V& v) const {
    v.Handle(uiSheet);
    v.Handle(portraitSheet);
    v.Handle(nameLetters1);
    v.Handle(nameLetters2);
    v.Handle(textLetters1);
    v.Handle(textLetters2);
    v.Handle(armyIcons);
    v.Handle(font);
    v("items", items);
    v("armies", armies);
    v("panelItem", panel.describedItem);
    v("panelBonus", panel.itemBonus);
    v("panelLine1Last", panel.nameLine1Last);
    v("panelLine2Last", panel.nameLine2Last);
    v.Name("panelLine1", panel.nameLine1);
    v.Name("panelLine2", panel.nameLine2);
    v("panelKindLine", panel.kindLine);
    v.Name("name", name);
    v("nameLength", nameLength);
    v("figureLook", figureLook);
    v("showEmptySlots", showEmptySlots);
    v("disbandQuestion", disbandQuestion);
    v("throwQuestion", throwQuestion);
    v("buttonLooks", buttonLooks);
    v("buttonHeld", buttonHeld);
    v("hoverButton", hoverButton);
    v("pressedId", pressedId);
    v("hoverValue", hoverValue);
  }

 private:
  bool ButtonShown(int id) const;
};

// The name editor's frame.

#include <cstring>

#include "app/game_app.h"
#include "game/game_state.h"
#include "party/name_entry.h"
#include "places/place_table.h"
#include "platform/clock.h"
#include "platform/input_device.h"

namespace {

// The screen that opened the editor, by GameApp::renameReturn.
ScreenProc ReturnScreen(uint8_t renameReturn) {
  switch (renameReturn) {
    case kRenameToVillage: return GameApp::GoVillage;
    case kRenameToPlayer: return GameApp::GoPlayer;
    case kRenameToTown: return GameApp::GoTown;
    case kRenameToTemple: return GameApp::GoTemple;
    case kRenameToPalace: return GameApp::GoPalace;
    case kRenameToCastle: return GameApp::GoCastle;
    case kRenameToTower: return GameApp::GoTower;
    default: return GameApp::GoHeroes;  // the heroes screen's army or hero
  }
}

constexpr uint8_t kOwnerPlayer = 1;
constexpr uint8_t kOwnerFirstHero = 2;

// The army name goes to the owner's army; an owner or slot the record does
// not have takes nothing.
void StoreArmyName(GameState& s, uint8_t owner, uint8_t slot, const uint8_t* cells) {
  if (slot < 1 || slot > kArmySlots) return;
  ArmyRecord* armies = nullptr;
  if (owner == kOwnerPlayer) {
    armies = &s.playerArmies;
  } else if (owner >= kOwnerFirstHero && owner < kOwnerFirstHero + kHeroCount) {
    armies = &s.heroArmies[owner - kOwnerFirstHero];
  }
  if (armies) std::memcpy(armies->armyNames[slot - 1], cells, kGlyphNameLength);
}

const NameEditorKey* KeyTyping(uint8_t scanCode) {
  for (const NameEditorKey& key : kNameEditorKeys) {
    if (key.scanCode == scanCode || (key.altScanCode && key.altScanCode == scanCode)) return &key;
  }
  return nullptr;
}

// Types the keys pressed, in the order they came, however quickly: one
// change a frame, the rest waiting for the next frames, or all of them (those
// pressed before the press numbered before) when a button is about to act on
// the name. True when Enter came (after the letters typed before it).
bool TypeKeys(InputDevice& keyboard, NameEntry& editor, bool all,
              uint32_t before = kAfterEveryPress) {
  TypedKey typed;
  while ((all || !editor.typedThisFrame) && keyboard.NextTyped(&typed, before)) {
    keyboard.SetLatch(typed.key, 1);
    if (typed.key == kKeyEnter) return true;
    if (const NameEditorKey* key = KeyTyping(typed.key)) {
      if (all) editor.typedThisFrame = 0;
      editor.TypeKey(typed.shift ? key->shifted : key->plain);
    }
  }
  return false;
}

// Stores the typed name where the calling screen said. A hero name needs a
// chosen hero: with none (the heroes screen's 100) nothing is written.
void StoreName(GameApp& app) {
  const uint8_t* cells = app.nameEditor->cells;
  GameState& s = *app.gameState;
  if (app.renameHero && app.selectedHero < kHeroCount) {
    std::memcpy(s.heroNameBuffer, cells, kGlyphNameLength);
    s.SetHeroName(app.selectedHero, cells);
  }
  if (app.renameArmy) {
    app.renameDone = 1;
    StoreArmyName(s, app.renameOwner, app.renameArmySlot, cells);
  }
}

}  // namespace

void GameApp::RenameProc() {
  BeginScreenFrame();

  // First frame: the name handed over, with a caret behind it.
  if (!nameEditor) {
    nameEditor = new NameEntry;
    nameEditor->LoadArt(&graphics);
    if (renameHero) std::memcpy(nameEditor->cells, gameState->heroNameBuffer, kGlyphNameLength);
    if (renameArmy) std::memcpy(nameEditor->cells, gameState->renameBuffer, kGlyphNameLength);
    nameEditor->AdvanceCaret();
  }
  NameEntry& editor = *nameEditor;

  // Escape does nothing here; the window's close goes back like Back, on
  // its way to the save-and-quit question. Enter stores the name like Ready,
  // as it is typed (below).
  keyboard.Acquire(1);
  keyboard.Poll();
  if (closeAsked != kCloseNone) LeaveScreen(ReturnScreen(renameReturn));

  editor.HoverReady(cursor.x, cursor.y);
  editor.HoverClear(cursor.x, cursor.y);
  editor.HoverBack(cursor.x, cursor.y);

  if (EitherButtonPressed(cursor.mouse) && (editor.ClickReady(cursor.x, cursor.y, &cursor.mouse) ||
                                            editor.ClickClear(cursor.x, cursor.y, &cursor.mouse) ||
                                            editor.ClickBack(cursor.x, cursor.y, &cursor.mouse))) {
    // A button finds the name as it was typed up to its press: the keys
    // typed before the press go in first, and an Enter among them has stored
    // the name before the button.
    if (leaveCode == 0 && TypeKeys(keyboard, editor, true, cursor.mouse.pressOrder)) {
      editor.clickedId = 0;
      LeaveScreen(ReturnScreen(renameReturn));
      StoreName(*this);
    } else {
      editor.pressLock = 1;
      if (editor.clickedId == kNameEditorReady) editor.readyLook = 2;
      if (editor.clickedId == kNameEditorBack) editor.backLook = 2;
      if (editor.clickedId == kNameEditorClear) {
        editor.clearLook = 2;
        editor.typedThisFrame = 0;
        editor.Clear();
      }
    }
  }

  // A pressed button acts once it is let go over it, or at once when the
  // cursor has left it.
  for (uint8_t id : {kNameEditorBack, kNameEditorClear, kNameEditorReady}) {
    if (editor.clickedId != id) continue;
    if (editor.hoveredId == id && !WaitForMouseRelease(&cursor.mouse)) continue;
    editor.pressLock = 0;
    editor.clickedId = 0;
    if (id == kNameEditorBack) {
      LeaveScreen(ReturnScreen(renameReturn));
    } else if (id == kNameEditorReady) {
      LeaveScreen(ReturnScreen(renameReturn));
      screenEntered = 1;
      TypeKeys(keyboard, editor, true);
      StoreName(*this);
    }
  }

  editor.DrawBackground();
  if (renameHero) editor.DrawHeroTitle();
  if (renameArmy) editor.DrawNameTitle();
  editor.DrawBoxes();
  editor.DrawLetters();
  editor.DrawReadyButton();
  editor.DrawClearButton();
  editor.DrawBackButton();

  // Typing; holding a key types its letter once. Enter stores the name once
  // the letters typed before it are in.
  keyboard.Acquire(1);
  keyboard.Poll();
  if (leaveCode == 0 && TypeKeys(keyboard, editor, false)) {
    LeaveScreen(ReturnScreen(renameReturn));
    StoreName(*this);
  }
  editor.typedThisFrame = 0;
  editor.BlinkCaret(timeGetTime());
  editor.ClearHover();

  UpdateScreenClock();

  // Leaving, whichever way: the caller learns the editor is done; which
  // army and owner it was stay for the caller to read.
  if (leaveCode != 0) {
    FreeScreen(nameEditor);
    renameReturned = 1;
    renameReturn = 0;
    renameArmy = 0;
    renameHero = 0;
  }

  EndScreenFrame();
}

#pragma once
// The objects of the state dump: every object the application holds, by its
// GameApp field. Each shows up in the dump under its field name while its
// pointer is set, with the fields of its field list (game/field_list.h), in
// this order. A new screen object adds one line.

// clang-format off
#define QORV_HELD_OBJECTS(X) \
  X(settings)                \
  X(kingdomMap)              \
  X(controlBar)              \
  X(heroFigure)              \
  X(mapEncounters)           \
  X(creditsScreen)           \
  X(nameEntryScreen)         \
  X(newGameMenu)             \
  X(storyScene)              \
  X(hallOfFameScreen)        \
  X(battleScreen)            \
  X(mainMenuScreen)          \
  X(saveSlotsPanel)          \
  X(saveAndQuitDialog)       \
  X(villageScreen)           \
  X(townScreen)              \
  X(palaceScreen)            \
  X(templeScreen)            \
  X(castleScreen)            \
  X(towerScreen)             \
  X(wealthScreen)            \
  X(questLog)                \
  X(exchangeChoiceScreen)    \
  X(armyExchangeScreen)      \
  X(itemExchangeScreen)      \
  X(playerScreen)            \
  X(heroesScreen)            \
  X(nameEditor)              \
  X(optionsScreen)           \
  X(infoScreen)
// clang-format on

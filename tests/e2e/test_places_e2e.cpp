// The places played headless: walking from a new game into the nearest
// village and leaving it, a hero entering the castle, every place's screen
// with its pictures, the Name button's trip to the name editor and back, and
// a place or visitor the map cannot have meant.

#include <cstdint>
#include <cstring>
#include <string>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "party/name_entry.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

// The Leave button, where it is pressed.
constexpr int32_t kLeaveX = 700;
constexpr int32_t kLeaveY = 40;

// A new game whose record the setup may change, on its map with the day's
// board closed.
template <class Setup>
void StartOnTheMap(ScenarioDriver& d, Setup setup) {
  d.Start();
  d.RunFrames(2);
  setup(*d.App().gameState);
  d.Goto("GoKingdomMap");
  d.RunFrames(3);
  d.Click(600, 560, kMouseLeft);
  d.RunFrames(2);
}

// Clicks the world cell whose corner is (x, y), with the camera on it.
void ClickCell(ScenarioDriver& d, int32_t x, int32_t y) {
  KingdomMap& view = *d.App().kingdomMap;
  view.cameraX = x - 400;
  view.cameraY = y - 300;
  d.RunFrames(1);
  d.Click(x - view.cameraX + 20, y - view.cameraY + 20, kMouseLeft);
  d.RunFrames(2);
}

// Selects the member standing at `from`, plans its walk to `to` and
// confirms it; runs until the map is left (or 120 frames).
void Walk(ScenarioDriver& d, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
  ClickCell(d, fromX, fromY);
  ClickCell(d, toX, toY);
  d.PressKey(kKeyEnter);
  for (int i = 0; i < 120 && d.App().screenProc == GameApp::GoKingdomMap; ++i) d.RunFrames(1);
}

// A place entered the way the map enters it.
void EnterPlace(ScenarioDriver& d, const char* stub) {
  d.Goto(stub);
  d.RunFrames(2);
}

// A new game's record, changed by the setup, and the player entering that
// village; the village's object (nullptr if it was not built).
template <class Setup>
VillageHouseScreen* VisitVillage(ScenarioDriver& d, uint8_t village, Setup setup) {
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.villageNumber = village;
  s.visitorCode = kVisitorPlayer;
  setup(s);
  EnterPlace(d, "GoVillage");
  return d.App().villageScreen;
}

struct Corner {
  int32_t x, y;
};
Corner CornerOf(uint32_t cell) {
  Corner c{};
  cells::CellCorner(cell, &c.x, &c.y);
  return c;
}

constexpr uint32_t kVillage1Cell = 1353;  // three cells north of a new game's party
constexpr uint32_t kCastleGate = 4375;

}  // namespace

class PlacesE2E : public EndToEnd {};

TEST_F(PlacesE2E, NewGameWalksIntoTheNearestVillageAndLeavesBothWays) {
  ScenarioDriver d;
  StartOnTheMap(d, [](GameState&) {});
  const GameState& s = *d.App().gameState;
  const int32_t startX = d.App().mapEncounters->playerX;
  const int32_t startY = d.App().mapEncounters->playerY;
  const Corner village = CornerOf(kVillage1Cell);
  ASSERT_EQ(village.x, startX);

  Walk(d, startX, startY, village.x, village.y);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  d.RunFrames(2);
  ASSERT_NE(d.App().villageScreen, nullptr);
  const VillageHouseScreen& h = *d.App().villageScreen;
  EXPECT_EQ(h.placeNumber, 1);
  EXPECT_EQ(h.visitorCode, kVisitorPlayer);
  EXPECT_EQ(h.health, s.playerStats[kStatHealth]);
  EXPECT_EQ(std::memcmp(h.armyName, s.playerArmies.armyNames, sizeof h.armyName), 0);
  d.WriteShot(Out("place_village.png"));
  JsonValue dump;
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  const JsonValue* shown = FindJsonPath(dump, "objects.villageScreen.placeNumber");
  ASSERT_NE(shown, nullptr) << "the place's object is in the dump under its field";
  EXPECT_EQ(shown->number, 1);

  // Escape: the map again, the party on the village's cell.
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().villageScreen, nullptr);
  d.RunFrames(2);
  ASSERT_NE(d.App().mapEncounters, nullptr);
  EXPECT_EQ(d.App().mapEncounters->playerCell, kVillage1Cell);
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotRestored);

  // Out and back in, then the Leave button.
  Walk(d, village.x, village.y, village.x, village.y + 40);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  Walk(d, village.x, village.y + 40, village.x, village.y);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  d.RunFrames(2);
  d.Click(kLeaveX, kLeaveY, kMouseLeft);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  d.RunFrames(2);
  EXPECT_EQ(d.App().mapEncounters->playerCell, kVillage1Cell);
}

TEST_F(PlacesE2E, AHeroEntersTheCastleAndLeavesItsRecordAsItWas) {
  const Corner gate = CornerOf(kCastleGate);
  ScenarioDriver d;
  StartOnTheMap(d, [&](GameState& s) {
    s.heroPresent[0] = 1;
    s.heroCell[0] = cells::CellAt(gate.x - 40, gate.y);
    s.heroStats[kStatHealth][0] = 17;
  });
  GameState& s = *d.App().gameState;
  const ArmyRecord armies = s.heroArmies[0];
  const ItemRecord items = s.heroItems[0];
  const ArmyRecord playerArmies = s.playerArmies;

  Walk(d, gate.x - 40, gate.y, gate.x, gate.y);
  ASSERT_STREQ(d.ScreenName(), "CastleProc");
  d.RunFrames(2);
  ASSERT_NE(d.App().castleScreen, nullptr);
  const CastleHouseScreen& h = *d.App().castleScreen;
  EXPECT_EQ(h.visitorCode, kVisitorFirstHero);
  EXPECT_EQ(h.heroIndex, 0);
  EXPECT_EQ(h.health, 17);
  EXPECT_EQ(std::memcmp(h.bag, items.items, sizeof h.bag), 0);
  EXPECT_EQ(h.armyCount[0], armies.armyCount[0]);

  d.PressKey(kKeyBackspace);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().castleScreen, nullptr);
  EXPECT_EQ(std::memcmp(&armies, &s.heroArmies[0], sizeof armies), 0);
  EXPECT_EQ(std::memcmp(&items, &s.heroItems[0], sizeof items), 0);
  EXPECT_EQ(std::memcmp(&playerArmies, &s.playerArmies, sizeof playerArmies), 0);
  EXPECT_EQ(s.heroStats[kStatHealth][0], 17);
  d.RunFrames(5);
  EXPECT_STREQ(d.ScreenName(), "MapProc") << "the castle is not entered again";
  EXPECT_EQ(d.App().mapEncounters->heroCell[0], kCastleGate);
}

// A pressed Leave waits while the mouse is held over it, and acts in the
// frame the button is let go or the cursor has slid off it.
TEST_F(PlacesE2E, LeaveActsOnReleaseOrWhenTheCursorSlidesOff) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  for (bool slideOff : {false, true}) {
    SCOPED_TRACE(slideOff ? "slide off" : "release");
    EnterPlace(d, "GoTemple");
    d.MoveTo(kLeaveX, kLeaveY);
    d.ButtonDown(kMouseLeft);
    d.RunFrames(5);
    EXPECT_STREQ(d.ScreenName(), "TempleProc");
    ASSERT_NE(d.App().templeScreen, nullptr);
    EXPECT_EQ(d.App().templeScreen->pressedId, kHouseLeave);
    if (slideOff) {
      d.MoveTo(300, 500);
      d.RunFrames(1);
      EXPECT_STREQ(d.ScreenName(), "MapProc");
      d.ButtonUp(kMouseLeft);
    } else {
      d.ButtonUp(kMouseLeft);
      d.RunFrames(1);
      EXPECT_STREQ(d.ScreenName(), "MapProc");
    }
    d.RunFrames(2);
  }
}

// A place's button that acts as the press slides off it keeps that press
// until it is let go: over the picture, over another button or over a cell,
// what the button opened stays as it left it and nothing else takes the
// press; the next click closes it as any click would.
TEST_F(PlacesE2E, AButtonSlidOffKeepsItsPressUntilLetGo) {
  namespace hl = house_layout;
  struct Point {
    int32_t x, y;
  };
  const auto centre = [](const hl::Rect& r) { return Point{r.x + r.w / 2, r.y + r.h / 2}; };
  HouseScreen* (*village)(GameApp&) = [](GameApp& a) -> HouseScreen* { return a.villageScreen; };
  const struct {
    const char* stub;
    const char* proc;
    HouseScreen* (*screen)(GameApp&);
    bool acceptFirst;  // the quest on offer taken first: Talk then says it runs
  } places[] = {
      {"GoVillage", "VillageProc", village, false},
      {"GoVillage", "VillageProc", village, true},
      {"GoCastle", "CastleProc", [](GameApp& a) -> HouseScreen* { return a.castleScreen; }, false},
  };
  const struct {
    const char* name;
    hl::Rect button;
    hl::Rect other;  // another of the four buttons
  } buttons[] = {
      {"Recruit", hl::kRecruitRect, hl::kTalkRect},
      {"Talk", hl::kTalkRect, hl::kRecruitRect},
      {"Heal", hl::kHealRect, hl::kRecruitRect},
  };
  constexpr Point kPicture = {300, 60};
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.villageNumber = 1;  // the village whose talk offers a quest
  s.visitorCode = kVisitorPlayer;
  for (const auto& place : places) {
    for (const auto& button : buttons) {
      const struct {
        const char* name;
        Point at;
      } spots[] = {
          {"the picture", kPicture},
          {"another button", centre(button.other)},
          {"an army's cell",
           centre(hl::Rect{hl::kCellX[0], hl::kCellY[0], hl::kCellW, hl::kCellH})},
          {"a recruit's cell",
           centre(hl::Rect{hl::kCandidateCellX[hl::kCandidateCells - 1], hl::kCandidateCellY,
                           hl::kCandidateCellSize, hl::kCandidateCellSize})},
          {"the quest's Yes", centre(hl::kAcceptYesRect)},
      };
      for (const auto& spot : spots) {
        SCOPED_TRACE(testing::Message() << place.proc << (place.acceptFirst ? ", quest taken" : "")
                                        << ": " << button.name << " let go over " << spot.name);
        s.questStage[0] = kQuestNotGiven;
        EnterPlace(d, place.stub);
        ASSERT_STREQ(d.ScreenName(), place.proc);
        const HouseScreen& h = *place.screen(d.App());
        if (place.acceptFirst) {
          for (const Point p : {centre(hl::kTalkRect), centre(hl::kAcceptYesRect), kPicture}) {
            d.Click(p.x, p.y, kMouseLeft);
            d.RunFrames(2);
          }
          ASSERT_EQ(h.questStage[0], kQuestAccepted);
        }
        const uint32_t fame = s.fame;
        const Point on = centre(button.button);
        d.MoveTo(on.x, on.y);
        d.ButtonDown(kMouseLeft);
        d.RunFrames(1);
        d.MoveTo(kPicture.x, kPicture.y);
        d.RunFrames(2);
        d.MoveTo(spot.at.x, spot.at.y);
        d.RunFrames(2);
        d.ButtonUp(kMouseLeft);
        d.RunFrames(3);
        ASSERT_STREQ(d.ScreenName(), place.proc);
        const bool healNote = h.healUnpaidNote || h.healPaidNote;
        EXPECT_EQ(h.recruitOpen, button.button.y == hl::kRecruitRect.y);
        EXPECT_EQ(h.talkOpen, button.button.y == hl::kTalkRect.y);
        EXPECT_EQ(healNote, button.button.y == hl::kHealRect.y);
        EXPECT_EQ(h.selectedArmy, 0);
        EXPECT_EQ(h.selectedCandidate, 0);
        EXPECT_EQ(s.fame, fame) << "no quest taken";
        EXPECT_EQ(h.mouseHeld, 0);
        EXPECT_EQ(h.pressedId, 0);

        d.Click(kPicture.x, kPicture.y, kMouseLeft);
        d.RunFrames(2);
        EXPECT_EQ(h.recruitOpen, 0);
        EXPECT_EQ(h.talkOpen, 0);
        EXPECT_EQ(h.healUnpaidNote || h.healPaidNote, false);
        d.PressKey(kKeyEscape);
        ASSERT_STREQ(d.ScreenName(), "MapProc");
      }
    }
  }

  // Enter closes the quest's question while its Yes is held: letting go
  // answers nothing, over Yes or slid off it; a click on Yes then takes it.
  for (bool slideOff : {false, true}) {
    SCOPED_TRACE(slideOff ? "Yes slid off after Enter" : "Yes let go after Enter");
    s.questStage[0] = kQuestNotGiven;
    EnterPlace(d, "GoVillage");
    const HouseScreen& h = *d.App().villageScreen;
    const uint32_t fame = s.fame;
    const Point talk = centre(hl::kTalkRect), yes = centre(hl::kAcceptYesRect);
    d.Click(talk.x, talk.y, kMouseLeft);
    d.RunFrames(2);
    ASSERT_EQ(h.acceptAsked, 1);
    d.MoveTo(yes.x, yes.y);
    d.ButtonDown(kMouseLeft);
    d.RunFrames(2);
    d.PressKey(kKeyEnter);
    if (slideOff) d.MoveTo(kPicture.x, kPicture.y);
    d.RunFrames(2);
    d.ButtonUp(kMouseLeft);
    d.RunFrames(2);
    EXPECT_EQ(h.questStage[0], kQuestOpen);
    EXPECT_EQ(s.fame, fame);
    EXPECT_EQ(h.talkOpen, 0);
    d.Click(talk.x, talk.y, kMouseLeft);
    d.RunFrames(2);
    d.Click(yes.x, yes.y, kMouseLeft);
    d.RunFrames(2);
    EXPECT_EQ(h.questStage[0], kQuestAccepted);
    d.PressKey(kKeyEscape);
  }
}

// Every place shows its own pictures to every visitor (the fixture checks
// that none was missing), and goes back to the map on Escape.
TEST_F(PlacesE2E, EveryPlaceOpensForEveryVisitor) {
  struct Kind {
    const char* stub;
    const char* proc;
    uint8_t places;
    const char* shot;
  };
  const Kind kinds[] = {
      {"GoVillage", "VillageProc", 9, "place_village_7.png"},
      {"GoTown", "TownProc", 4, "place_town_2.png"},
      {"GoPalace", "PalaceProc", 1, "place_palace.png"},
      {"GoTemple", "TempleProc", 1, "place_temple.png"},
      {"GoCastle", "CastleProc", 1, "place_castle.png"},
      {"GoTower", "TowerProc", 1, "place_tower.png"},
  };
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  for (const Kind& kind : kinds) {
    for (uint8_t n = 1; n <= kind.places; ++n) {
      for (uint8_t visitor = kVisitorPlayer; visitor <= kVisitorLastHero; ++visitor) {
        SCOPED_TRACE(testing::Message()
                     << kind.proc << " " << int(n) << ", visitor " << int(visitor));
        s.villageNumber = n;
        s.townNumber = n;
        s.visitorCode = visitor;
        s.playerPortrait = visitor % 2;
        EnterPlace(d, kind.stub);
        ASSERT_STREQ(d.ScreenName(), kind.proc);
        const bool shot = (kind.places == 1 || n == (kind.places == 9 ? 7 : 2)) &&
                          visitor == kVisitorFirstHero + 2;
        if (shot) d.WriteShot(Out(kind.shot));
        d.PressKey(kKeyEscape);
        ASSERT_STREQ(d.ScreenName(), "MapProc");
      }
    }
  }
}

// The Name button hands the selected army's name to the name editor and the
// visit is written back; coming back, the place is built anew from the
// record and shows the name the editor wrote.
TEST_F(PlacesE2E, NameButtonRoundTrip) {
  ScenarioDriver d;
  VillageHouseScreen* visit = VisitVillage(d, 4, [](GameState&) {});
  ASSERT_NE(visit, nullptr);
  VillageHouseScreen& h = *visit;
  GameState& s = *d.App().gameState;
  h.bag[0] = 0;  // a change of the visit, made before the Name press
  // The second army is selected and the Name button taken (the press below
  // lands where no other button is).
  h.selectedArmy = 2;
  h.pressedId = kHouseName;
  d.Click(400, 520, kMouseLeft);

  ASSERT_STREQ(d.ScreenName(), "RenameProc");
  EXPECT_EQ(d.App().villageScreen, nullptr);
  EXPECT_EQ(std::memcmp(s.renameBuffer, s.playerArmies.armyNames[1], kGlyphNameLength), 0);
  EXPECT_EQ(d.App().renameArmy, 1);
  EXPECT_EQ(d.App().renameArmySlot, 2);
  EXPECT_EQ(d.App().renameOwner, kVisitorPlayer);
  EXPECT_EQ(d.App().renameReturn, kRenameToVillage);
  EXPECT_EQ(s.playerItems[0], 0) << "the visit was written back";

  // In the editor the name is typed over and stored with Enter; the way back
  // enters the village anew, which shows the new name.
  d.RunFrames(2);
  ASSERT_NE(d.App().nameEditor, nullptr);
  d.Click(170, 425, kMouseLeft);  // Clear
  d.KeyDown(kKeyLShift);
  d.PressKey(kKeyB);
  d.KeyUp(kKeyLShift);
  for (int key : {kKeyO, kKeyL, kKeyD}) d.PressKey(key);
  d.RunFrames(30);  // the caret shows in the picture
  EXPECT_TRUE(d.WriteShot(Out("name_editor.png")));
  uint8_t name[kGlyphNameLength];
  GlyphFromText("Bold|", name);
  EXPECT_EQ(std::memcmp(d.App().nameEditor->cells, name, kGlyphNameLength), 0);
  d.PressKey(kKeyEnter);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  EXPECT_EQ(std::memcmp(s.playerArmies.armyNames[1], name, kGlyphNameLength), 0);
  d.RunFrames(1);
  ASSERT_NE(d.App().villageScreen, nullptr);
  EXPECT_EQ(d.App().villageScreen->placeNumber, 4);
  EXPECT_EQ(std::memcmp(d.App().villageScreen->armyName[1], name, kGlyphNameLength), 0);
  EXPECT_EQ(d.App().villageScreen->bag[0], 0);
  EXPECT_EQ(d.App().renameReturned, 1);
  EXPECT_EQ(d.App().renameReturn, 0);
}

// A joined village charges its lower prices from the visit's first frame;
// Talk marks the villages whose joining quest was seen done; Accept Yes
// raises fame only for a quest on offer; Enter closes the talk and stays.
// (A button's id is set by hand here, as a press on it would set it.)
TEST_F(PlacesE2E, JoinedPricesTalkAcceptAndEnter) {
  ScenarioDriver d;
  VillageHouseScreen* visit = VisitVillage(d, 5, [](GameState& s) {
    s.wealth.villageJoined[4] = 1;
    s.questStage[29 - 1] = kQuestAchievedSeen;  // the joining quest of village 2
    s.fame = 3;
  });
  ASSERT_NE(visit, nullptr);
  VillageHouseScreen& h = *visit;
  GameState& s = *d.App().gameState;
  EXPECT_EQ(h.joinState, kJoinedPrices);
  EXPECT_EQ(h.healPrice, kJoinedHealPrice);
  EXPECT_EQ(h.candidatePrice[4], 490u);

  h.pressedId = kHouseTalk;
  d.RunFrames(1);
  EXPECT_EQ(h.talkOpen, 1);
  EXPECT_EQ(s.wealth.villageJoined[1], 1);
  EXPECT_EQ(h.pressedId, 0);

  h.currentQuest = 52;  // the village's first quest, on offer
  h.questStage[52 - 1] = kQuestOpen;
  h.pressedId = kHouseAcceptYes;
  d.RunFrames(1);
  EXPECT_EQ(s.fame, 4);
  EXPECT_EQ(h.questStage[52 - 1], kQuestAccepted);
  EXPECT_EQ(h.justAccepted, 1);
  h.pressedId = kHouseAcceptYes;
  d.RunFrames(1);
  EXPECT_EQ(s.fame, 4) << "an accepted quest is not accepted again";

  h.talkOpen = 1;
  h.recruitOpen = 1;
  d.PressKey(kKeyEnter);
  EXPECT_STREQ(d.ScreenName(), "VillageProc");
  EXPECT_EQ(h.talkOpen, 0);
  EXPECT_EQ(h.recruitOpen, 0);
  d.PressKey(kKeyEscape);
  const uint8_t left = s.questStage[52 - 1];
  EXPECT_TRUE(left == kQuestAccepted || left == kQuestUnderWay)
      << "written back on leaving (running once its accepted box was seen)";
}

// A place number or visitor the map cannot have handed over goes back to
// the map without building the place.
TEST_F(PlacesE2E, AnUnknownPlaceOrVisitorGoesBackToTheMap) {
  struct Case {
    const char* stub;
    uint8_t village, town, visitor;
  };
  const Case cases[] = {
      {"GoVillage", 0, 1, kVisitorPlayer},
      {"GoVillage", 10, 1, kVisitorPlayer},
      {"GoTown", 1, 5, kVisitorPlayer},
      {"GoTown", 1, 0, kVisitorPlayer},
      {"GoCastle", 1, 1, 0},
      {"GoTower", 1, 1, kVisitorLastHero + 1},
      {"GoVillage", 1, 1, 255},
  };
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.stub << " " << int(c.village) << " " << int(c.town) << " " << int(c.visitor));
    s.villageNumber = c.village;
    s.townNumber = c.town;
    s.visitorCode = c.visitor;
    d.Goto(c.stub);
    d.RunFrames(1);
    EXPECT_STREQ(d.ScreenName(), "MapProc");
    EXPECT_EQ(d.App().villageScreen, nullptr);
    EXPECT_EQ(d.App().townScreen, nullptr);
    EXPECT_EQ(d.App().castleScreen, nullptr);
    EXPECT_EQ(d.App().towerScreen, nullptr);
    d.RunFrames(1);
  }
}

#include "soak/soak_player.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

#include "app/game_app.h"
#include "app/screen_names.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/main_menu_screen.h"
#include "menus/save_slots_panel.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "soak/hot_spots.h"

namespace {

// Every key the game reads, the keys that type, move and leave among them;
// the ones that matter most come twice or more.
constexpr int kKeys[] = {
    kKeyEscape,    kKeyEscape,  kKeyEscape,      kKeyEnter,   kKeyEnter,   kKeyEnter,
    kKeyBackspace, kKeySpace,   kKeySpace,       kKeyDelete,  kKeyLShift,  kKeyRShift,
    kKeyPeriod,    kKeyI,       kKeyA,           kKeyB,       kKeyC,       kKeyD,
    kKeyE,         kKeyF,       kKeyG,           kKeyH,       kKeyJ,       kKeyK,
    kKeyL,         kKeyM,       kKeyN,           kKeyO,       kKeyP,       kKeyQ,
    kKeyR,         kKeyS,       kKeyT,           kKeyU,       kKeyV,       kKeyW,
    kKeyX,         kKeyY,       kKeyZ,           kKey0,       kKey1,       kKey2,
    kKey3,         kKey4,       kKey5,           kKey6,       kKey7,       kKey8,
    kKey9,         kKeyUp,      kKeyDown,        kKeyLeft,    kKeyRight,   kKeyNumpad0,
    kKeyNumpad1,   kKeyNumpad2, kKeyNumpad3,     kKeyNumpad4, kKeyNumpad5, kKeyNumpad6,
    kKeyNumpad7,   kKeyNumpad8, kKeyNumpad9,     kKeyTab,     kKeyF1,      kKeyF2,
    kKeyF3,        kKeyF4,      kKeyF5,          kKeyF12,     kKeyLCtrl,   kKeyLAlt,
    kKeyMinus,     kKeyEquals,  kKeyNumpadEnter, kKeyHome,    kKeyEnd,     kKeyPageUp,
    kKeyPageDown,
};
constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];

// After this many frames on one screen the player starts to look for the
// way out (Escape and the screen's buttons), well before a hang is called.
constexpr uint32_t kSteerAfter = 2500;
// Most of the clicks go to a place the screen tests the cursor against.
constexpr int kHotSpotPercent = 70;

// Where the main menu's quit button lies (the rightmost of its row).
constexpr int kQuitLeft = 660;
constexpr int kQuitTop = 530;

// On the map most actions are walks; the rest try the bar, the panel and keys.
constexpr int kMapWalkPercent = 85;

// Walk clicks toward one goal before another is chosen: enough for days of
// walking across the kingdom.
constexpr int kGoalPicks = 300;

// Back on the main menu, a prepared game's run mostly loads it again.
constexpr int kReloadPercent = 75;

// The map panel's Trade and Centre buttons; the share of map actions that try a trade
// while a hero is on the map.
constexpr int kTradeX = 492;
constexpr int kCentreX = 699;
constexpr int kTradeY = 559;
constexpr int kTradePercent = 10;
// With the hero beside the player, trading is what the game is for; once
// Trade asks for the partner the next click mostly names him.
constexpr int kHeroTradePercent = 40;
constexpr int kNameThePartnerPercent = 90;

// In a prepared game the goals are near: fewer picks toward one.
constexpr int kNearGoalPicks = 30;

// In a prepared game: how many of the kinds of place nearest to the player
// he heads for.
constexpr int kNearKinds = 3;

// The map bar's end-of-the-day button.
constexpr int kEndDayX = 720;
constexpr int kEndDayY = 460;

constexpr int kScreenW = headless::kFrameWidth;
constexpr int kScreenH = headless::kFrameHeight;

void Mix(uint64_t* digest, uint64_t value) {
  // FNV-1a over the eight bytes.
  for (int i = 0; i < 8; ++i) {
    *digest ^= (value >> (8 * i)) & 0xFF;
    *digest *= 0x100000001B3ull;
  }
}

}  // namespace

uint64_t SoakRandom::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int SoakRandom::Below(int n) {
  return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n));
}

SoakPlayer::SoakPlayer(uint64_t seed) : random_(seed), start_(SoakStartOf(seed)) {
  result_.digest = 0xCBF29CE484222325ull;
}

SoakPlayer::~SoakPlayer() = default;

void SoakPlayer::StartGame() {
  driver_.reset();  // the old game's Shutdown, before the backend is reset
  driver_ = std::make_unique<ScenarioDriver>();
  driver_->Start();
  // Every start of a prepared game's run loads it again, as a player would
  // go back to the game he was playing.
  loadPending_ = start_ != SoakStart::kNewGame;
}

void SoakPlayer::ClickAt(int x, int y) {
  driver_->MoveTo(x, y);
  driver_->ButtonDown(kMouseLeft);
  Frame();
  driver_->ButtonUp(kMouseLeft);
  Frame();
}

void SoakPlayer::LoadPrepared() {
  constexpr int kSettleFrames = 3;
  constexpr int kMenuButtonY = 570;
  loadPending_ = false;
  for (int n = 0; n < kSettleFrames; ++n)
    if (!Frame()) return;
  const MenuButton& load = kMenuButtons[kMenuLoad - 1];
  ClickAt(load.x + load.w / 2, kMenuButtonY);
  for (int n = 0; n < kSettleFrames; ++n)
    if (!Frame()) return;
  if (lastScreen_ != "LoadSlotsProc") return;
  const SlotRect& slot = kSlotButtons[kPreparedSlot - 1];
  ClickAt(slot.x + slot.w / 2, slot.y + slot.h / 2);
  for (int n = 0; n < kSettleFrames; ++n)
    if (!Frame()) return;
}

const char* SoakPlayer::Screen() const { return driver_->ScreenName(); }

SoakResult SoakPlayer::Play(uint32_t frames) {
  budget_ = frames;
  if (!WritePreparedGame(start_)) {
    result_.fault = std::string("cannot write the prepared game (") + SoakStartName(start_) + ")";
    return result_;
  }
  StartGame();
  lastScreen_ = Screen();
  visited_.insert(lastScreen_);
  while (result_.frames < budget_ && result_.fault.empty()) Act();
  const uint32_t* pixels = headless::FramePixels();
  for (int i = 0; i < kScreenW * kScreenH; i += 97) Mix(&result_.digest, pixels[i]);
  driver_.reset();
  for (const ScreenName& s : kScreenNames) {
    if (visited_.count(s.procName)) {
      ++result_.screensVisited;
    } else {
      if (!result_.unvisited.empty()) result_.unvisited += ' ';
      result_.unvisited += s.procName;
    }
  }
  return result_;
}

bool SoakPlayer::Frame() {
  if (result_.frames >= budget_ || !result_.fault.empty()) return false;
  GameApp& app = driver_->App();
  const ScreenProc running = app.screenProc;
  ClearHotSpots();
  driver_->RunFrames(1);
  ++result_.frames;
  if (running == &GameApp::GoSaveGame && !app.saveFailed) ++result_.saves;
  // A load that is refused goes back to the main menu.
  if (running == &GameApp::GoLoadGame && app.screenProc != &GameApp::GoMainMenu) ++result_.loads;

  const std::string screen = Screen();
  const bool left = screen != lastScreen_ || app.leaveCode != 0;
  framesOnScreen_ = left ? 0 : framesOnScreen_ + 1;
  if (screen != lastScreen_) visited_.insert(screen);
  // The last day's game, once ended, is not loaded again.
  if (screen != lastScreen_ && screen == "MainMenuProc")
    menuReturn_ = start_ != SoakStart::kNewGame && start_ != SoakStart::kLastDay;
  lastScreen_ = screen;
  if (framesOnScreen_ > kHangFrames)
    result_.fault = "hang: " + std::to_string(framesOnScreen_) + " frames on " + screen +
                    " with input, at frame " + std::to_string(result_.frames);

  uint64_t screenIndex = kScreenCount;
  for (int i = 0; i < kScreenCount; ++i)
    if (kScreenNames[i].stub == app.screenProc) screenIndex = static_cast<uint64_t>(i);
  Mix(&result_.digest, (screenIndex << 32) ^ (static_cast<uint64_t>(app.cursor.x & 0xFFFF) << 16) ^
                           static_cast<uint64_t>(app.cursor.y & 0xFFFF));
  spots_ = TakeHotSpots();
  if (!spots_.empty()) known_[screen].Add(spots_);
  if (onFrame) onFrame(result_.frames);

  if (driver_->QuitPosted()) {
    ++result_.restarts;
    StartGame();
    lastScreen_ = Screen();
    framesOnScreen_ = 0;
  }
  return result_.frames < budget_ && result_.fault.empty();
}

void SoakPlayer::Act() {
  if (lastScreen_ == "MainMenuProc" && (loadPending_ || menuReturn_)) {
    const bool load = loadPending_ || random_.Percent(kReloadPercent);
    loadPending_ = menuReturn_ = false;
    if (load) {
      LoadPrepared();
      return;
    }
  }
  // Long on one screen: look for the way out.
  if (framesOnScreen_ > kSteerAfter && random_.Percent(40)) {
    // Escape leaves most screens; Enter closes the map's messages.
    const int roll = random_.Below(100);
    if (roll < 40) PressKey(kKeyEscape, random_.Between(1, 3));
    else if (roll < 70) PressKey(kKeyEnter, random_.Between(1, 3));
    else Click(kMouseLeft);
    return;
  }
  if (lastScreen_ == "MapProc" && random_.Percent(kMapWalkPercent)) {
    const GameApp& app = driver_->App();
    // The day's steps are used up: end the day.
    if (app.mapEncounters && app.mapEncounters->playerStepsLeft == 0 && random_.Percent(50)) {
      driver_->MoveTo(kEndDayX, kEndDayY);
      driver_->ButtonDown(kMouseLeft);
      Frame();
      driver_->ButtonUp(kMouseLeft);
      for (int n = random_.Between(2, 30); n > 0; --n)
        if (!Frame()) return;
      return;
    }
    // A hero on the map: now and then trade with him (Trade, then his cell).
    if (app.mapEncounters) {
      const bool asked = app.mapEncounters->meetingState == MapEncounters::kMeetAsked;
      const int percent = asked                              ? kNameThePartnerPercent
                          : start_ == SoakStart::kHeroBeside ? kHeroTradePercent
                                                             : kTradePercent;
      if (random_.Percent(percent) && TradeWithHero()) return;
    }
    // A planned walk sets off on Enter (or the panel's boot).
    if ((app.mapEncounters && (app.mapEncounters->playerWalkState == MapEncounters::kWalkPlanned ||
                               app.mapEncounters->heroWalkReady)) &&
        random_.Percent(60)) {
      PressKey(kKeyEnter, 1);
      for (int n = random_.Between(10, 80); n > 0; --n)
        if (!Frame()) return;
      return;
    }
    // On the map mostly walk, and give the walk time to happen.
    int x = 0;
    int y = 0;
    if (PickMapPoint(&x, &y)) {
      driver_->MoveTo(x, y);
      driver_->ButtonDown(kMouseLeft);
      Frame();
      driver_->ButtonUp(kMouseLeft);
      for (int n = random_.Between(2, 60); n > 0; --n)
        if (!Frame()) return;
      return;
    }
    // The player is out of view: scroll back to him as a player would.
    const int key = ScrollTowardPlayer();
    if (key != 0) {
      PressKey(key, random_.Between(5, 30));
      return;
    }
  }
  const int roll = random_.Below(100);
  if (roll < 42) {
    Click(kMouseLeft);
  } else if (roll < 50) {
    Click(kMouseRight);
  } else if (roll < 57) {
    HoldButton();
  } else if (roll < 77) {
    PressKey(kKeys[random_.Below(kKeyCount)], random_.Between(1, 3));
  } else if (roll < 82) {
    // A held key: the map and the battlefield scroll while it is down.
    PressKey(kScrollKeys[random_.Below(static_cast<int>(std::size(kScrollKeys)))],
             random_.Between(5, 80));
  } else if (roll < 96) {
    MoveAndWait();
  } else {
    // Time for the animations, the story and the walks to run.
    for (int n = random_.Between(30, 250); n > 0; --n)
      if (!Frame()) return;
  }
}

void SoakPlayer::PickPoint(int* x, int* y) {
  if (lastScreen_ == "MapProc" && random_.Percent(30) && PickMapPoint(x, y)) return;
  if (random_.Percent(kHotSpotPercent)) {
    const KnownSpots& seen = known_[lastScreen_];
    const HotSpot* spot = nullptr;
    if (!spots_.empty() && random_.Percent(70)) {
      spot = &spots_[static_cast<size_t>(random_.Below(static_cast<int>(spots_.size())))];
    } else if (!seen.Empty()) {
      spot = &seen.At(static_cast<size_t>(random_.Below(static_cast<int>(seen.Size()))));
    }
    if (spot) {
      *x = spot->x + random_.Below(spot->w);
      *y = spot->y + random_.Below(spot->h);
      // The main menu's quit button: a player seldom means it either.
      const bool quit = lastScreen_ == "MainMenuProc" && *x >= kQuitLeft && *y >= kQuitTop;
      if (!quit || random_.Percent(10)) return;
    }
  }
  *x = random_.Below(kScreenW);
  *y = random_.Below(kScreenH);
}

// A cell of a place, an army or a chest on the map, for the player to head
// for: first the kind (each kind as likely, so the one tower counts as much as
// the fifty chests), then one of its cells. In a prepared game the player
// heads for the nearest cell of one of the kinds of place nearest to him.
uint32_t SoakPlayer::PickGoal(const MapEncounters& e) {
  std::vector<std::vector<uint32_t>> kinds;
  auto add = [&kinds](const uint32_t* cells, size_t n) {
    std::vector<uint32_t> kind;
    for (size_t i = 0; i < n; ++i)
      if (cells[i] != 0) kind.push_back(cells[i]);
    if (!kind.empty()) kinds.push_back(kind);
  };
  add(e.townCell, std::size(e.townCell));
  add(e.villageCell, std::size(e.villageCell));
  add(e.palaceCell, std::size(e.palaceCell));
  add(e.templeCell, std::size(e.templeCell));
  add(e.castleCell, std::size(e.castleCell));
  add(&e.towerCell, 1);
  if (start_ != SoakStart::kNewGame) return PickNearPlace(e, kinds);
  add(e.chestCell, std::size(e.chestCell));
  std::vector<uint32_t> armies;
  for (size_t k = 0; k < std::size(e.enemyCell); ++k)
    if (e.enemyPresent[k]) armies.push_back(e.enemyCell[k]);
  add(armies.data(), armies.size());
  if (kinds.empty()) return 0;
  const std::vector<uint32_t>& kind =
      kinds[static_cast<size_t>(random_.Below(static_cast<int>(kinds.size())))];
  return kind[static_cast<size_t>(random_.Below(static_cast<int>(kind.size())))];
}

// Of each kind its cell nearest the player (in steps, his own cell left
// out); then one of the kNearKinds nearest of those.
uint32_t SoakPlayer::PickNearPlace(const MapEncounters& e,
                                   const std::vector<std::vector<uint32_t>>& kinds) {
  int px = 0;
  int py = 0;
  if (!cells::CellCorner(e.playerCell, &px, &py)) return 0;
  std::vector<std::pair<int, uint32_t>> nearest;  // steps, cell
  for (const std::vector<uint32_t>& kind : kinds) {
    std::pair<int, uint32_t> best{INT32_MAX, 0};
    for (uint32_t cell : kind) {
      int x = 0;
      int y = 0;
      if (cell == e.playerCell || !cells::CellCorner(cell, &x, &y)) continue;
      const int steps = std::max(std::abs(x - px), std::abs(y - py)) / cells::kCellSize;
      best = std::min(best, std::pair<int, uint32_t>{steps, cell});
    }
    if (best.second != 0) nearest.push_back(best);
  }
  if (nearest.empty()) return 0;
  std::sort(nearest.begin(), nearest.end());
  const int choices = std::min(kNearKinds, static_cast<int>(nearest.size()));
  return nearest[static_cast<size_t>(random_.Below(choices))].second;
}

// On the map: the player's cell while nobody is chosen, else mostly a cell up
// to seven steps from the player on the way to a goal (a place, an army, a
// chest), sometimes a hero's cell or a cell anywhere near.
bool SoakPlayer::PickMapPoint(int* x, int* y) {
  const GameApp& app = driver_->App();
  if (!app.mapEncounters || !app.kingdomMap) return false;
  const MapEncounters& e = *app.mapEncounters;
  int px = 0;
  int py = 0;
  if (!cells::CellCorner(e.playerCell, &px, &py)) return false;
  int wx = px;
  int wy = py;
  constexpr int kMaxSteps = 7;
  if (!e.playerSelected && e.selectedHero == 0 && random_.Percent(80)) {
    // Choose the player first.
  } else if (random_.Percent(10)) {
    const int k = random_.Below(10);
    if (e.heroOnMap[k]) cells::CellCorner(e.heroCell[k], &wx, &wy);
  } else if (random_.Percent(75)) {
    int gx = 0;
    int gy = 0;
    if (goal_ == 0 || goal_ == e.playerCell || --goalPicks_ <= 0 ||
        !cells::CellCorner(goal_, &gx, &gy)) {
      goal_ = PickGoal(e);
      goalPicks_ = start_ == SoakStart::kNewGame ? kGoalPicks : kNearGoalPicks;
      if (!cells::CellCorner(goal_, &gx, &gy)) return false;
    }
    wx += cells::kCellSize * std::clamp((gx - px) / cells::kCellSize, -kMaxSteps, kMaxSteps);
    wy += cells::kCellSize * std::clamp((gy - py) / cells::kCellSize, -kMaxSteps, kMaxSteps);
  } else {
    wx += cells::kCellSize * random_.Between(-kMaxSteps, kMaxSteps);
    wy += cells::kCellSize * random_.Between(-kMaxSteps, kMaxSteps);
  }
  *x = wx - app.kingdomMap->cameraX + random_.Between(4, cells::kCellSize - 4);
  *y = wy - app.kingdomMap->cameraY + random_.Between(4, cells::kCellSize - 4);
  return *x >= 0 && *x < kScreenW && *y >= 0 && *y < kScreenH;
}

// With somebody chosen: Trade, and once it asks for the partner, a click on
// a hero in view. False (nothing done) when no hero is on the map or nobody
// is chosen.
bool SoakPlayer::TradeWithHero() {
  const GameApp& app = driver_->App();
  const MapEncounters& e = *app.mapEncounters;
  int hero = -1;
  for (int k = 0; k < kHeroCount && hero < 0; ++k)
    if (e.heroOnMap[k]) hero = k;
  if (hero < 0 || (!e.playerSelected && e.selectedHero == 0)) return false;
  int x = kTradeX;
  int y = kTradeY;
  if (e.meetingState == MapEncounters::kMeetAsked) {
    x = e.heroX[hero] - app.kingdomMap->cameraX + cells::kCellSize / 2;
    y = e.heroY[hero] - app.kingdomMap->cameraY + cells::kCellSize / 2;
    // Out of view: the panel's Centre brings the chosen member (and the
    // hero beside him) back.
    if (x < 0 || x >= kScreenW || y < 0 || y >= kScreenH) {
      x = kCentreX;
      y = kTradeY;
    }
  }
  ClickAt(x, y);
  Frame();
  Frame();
  return true;
}

// The arrow key that brings the player's cell toward the view; 0 when he is
// in view or there is no map.
int SoakPlayer::ScrollTowardPlayer() {
  const GameApp& app = driver_->App();
  if (!app.mapEncounters || !app.kingdomMap) return 0;
  int px = 0;
  int py = 0;
  if (!cells::CellCorner(app.mapEncounters->playerCell, &px, &py)) return 0;
  const int sx = px - app.kingdomMap->cameraX;
  const int sy = py - app.kingdomMap->cameraY;
  constexpr int kMargin = 120;
  if (sx < kMargin) return kKeyLeft;
  if (sx > kScreenW - kMargin) return kKeyRight;
  if (sy < kMargin) return kKeyUp;
  if (sy > kScreenH - kMargin) return kKeyDown;
  return 0;
}

void SoakPlayer::Click(int button) {
  int x = 0;
  int y = 0;
  PickPoint(&x, &y);
  driver_->MoveTo(x, y);
  driver_->ButtonDown(button);
  for (int n = random_.Between(1, 3); n > 0; --n)
    if (!Frame()) break;
  driver_->ButtonUp(button);
  for (int n = random_.Between(1, 3); n > 0; --n)
    if (!Frame()) return;
}

void SoakPlayer::HoldButton() {
  // Held, dragged about and let go, sometimes off where it was pressed.
  const int button = random_.Percent(80) ? kMouseLeft : kMouseRight;
  int x = 0;
  int y = 0;
  PickPoint(&x, &y);
  driver_->MoveTo(x, y);
  driver_->ButtonDown(button);
  for (int n = random_.Between(4, 60); n > 0; --n) {
    if (random_.Percent(20)) {
      PickPoint(&x, &y);
      driver_->MoveTo(x, y);
    }
    if (!Frame()) break;
  }
  driver_->ButtonUp(button);
  Frame();
}

void SoakPlayer::PressKey(int code, int frames) {
  // Escape on the main menu quits; a player seldom means to.
  if (code == kKeyEscape && lastScreen_ == "MainMenuProc" && !random_.Percent(10)) code = kKeyEnter;
  driver_->KeyDown(code);
  for (int n = frames; n > 0; --n)
    if (!Frame()) break;
  driver_->KeyUp(code);
  Frame();
}

void SoakPlayer::MoveAndWait() {
  int x = 0;
  int y = 0;
  if (random_.Percent(15)) {
    // Up against an edge: the map scrolls there.
    x = random_.Percent(50) ? random_.Between(0, 3) : random_.Between(kScreenW - 4, kScreenW - 1);
    y = random_.Below(kScreenH);
  } else {
    PickPoint(&x, &y);
  }
  driver_->MoveTo(x, y);
  for (int n = random_.Between(1, 20); n > 0; --n)
    if (!Frame()) return;
}

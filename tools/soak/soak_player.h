#pragma once
// The soak's player: plays the game headless from the main menu with input
// drawn from one seeded generator, through the platform's input layer only
// (keys, mouse motion, buttons), and watches for a screen that does not let
// go. Quitting from the main menu starts the game again in the same folder.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "soak/hot_spots.h"
#include "soak/known_spots.h"
#include "soak/prepared_games.h"

class MapEncounters;
class ScenarioDriver;

// splitmix64: the same numbers from the same seed on every machine.
class SoakRandom {
 public:
  explicit SoakRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // 0 .. n - 1 (0 when n is 0).
  int Below(int n);
  // lo .. hi, both included.
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  // True with a chance of percent in 100.
  bool Percent(int percent) { return Below(100) < percent; }

 private:
  uint64_t state_;
};

// A screen that stays this many frames while given input has hung.
constexpr uint32_t kHangFrames = 10000;

struct SoakResult {
  uint32_t frames = 0;
  int screensVisited = 0;
  int saves = 0;
  int loads = 0;
  int restarts = 0;       // quits from the main menu, each followed by a new start
  uint64_t digest = 0;    // of the screens and the cursor of every frame, and the last picture
  std::string fault;      // empty when none was seen
  std::string unvisited;  // the procedures of the screens never reached, by name
};

class SoakPlayer {
 public:
  // The working directory must be the soak's game folder. The seed also
  // chooses the game played (SoakStartOf).
  SoakPlayer(uint64_t seed);
  ~SoakPlayer();
  SoakPlayer(const SoakPlayer&) = delete;
  SoakPlayer& operator=(const SoakPlayer&) = delete;

  // Called after every frame with the frames run so far.
  std::function<void(uint32_t)> onFrame;

  // Plays until frames frames have run or a fault is seen.
  SoakResult Play(uint32_t frames);
  // Ends the run after the current frame (from onFrame).
  void Stop() { budget_ = result_.frames; }

 private:
  void StartGame();
  // From the main menu: Load, then the prepared game's slot.
  void LoadPrepared();
  void ClickAt(int x, int y);
  // One frame, with the bookkeeping; false once the run must stop.
  bool Frame();
  void Act();
  void Click(int button);
  void HoldButton();
  void PressKey(int code, int frames);
  void MoveAndWait();
  void PickPoint(int* x, int* y);
  bool PickMapPoint(int* x, int* y);
  uint32_t PickGoal(const MapEncounters& e);
  uint32_t PickNearPlace(const MapEncounters& e, const std::vector<std::vector<uint32_t>>& kinds);
  int ScrollTowardPlayer();
  bool TradeWithHero();
  const char* Screen() const;

  SoakRandom random_;
  SoakStart start_;
  bool loadPending_ = false;  // the prepared game is still to be loaded
  bool menuReturn_ = false;   // back on the main menu in a prepared game's run
  std::unique_ptr<ScenarioDriver> driver_;
  uint32_t budget_ = 0;
  uint32_t framesOnScreen_ = 0;
  std::string lastScreen_;
  std::set<std::string> visited_;
  uint32_t goal_ = 0;                        // the map cell the player heads for
  int goalPicks_ = 0;                        // points picked before another goal is chosen
  std::vector<HotSpot> spots_;               // tested in the last frame
  std::map<std::string, KnownSpots> known_;  // tested before, by screen
  SoakResult result_;
};

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "app/data_settings.h"
#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "game/field_list.h"
#include "game/game_state.h"
#include "game/hero_figure.h"
#include "harness/held_objects.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/credits_screen.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/info_screen.h"
#include "menus/main_menu_screen.h"
#include "menus/name_entry_screen.h"
#include "menus/new_game_menu.h"
#include "menus/options_screen.h"
#include "menus/quest_log.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_slots_panel.h"
#include "menus/story_scene.h"
#include "party/army_exchange_screen.h"
#include "party/exchange_choice_screen.h"
#include "party/heroes_screen.h"
#include "party/item_exchange_screen.h"
#include "party/name_entry.h"
#include "party/player_screen.h"
#include "party/wealth_screen.h"
#include "places/house_screen.h"
#include "platform/anim_clock.h"
#include "platform/mouse_cursor.h"
#include "test_folder.h"

namespace {

// The bytes of a record that hold its members, padding left out. A plain
// record has its padding cleared by the compiler; a class is built once over
// zero bytes and once over 0xFF bytes, and its constructor writes its members
// while the padding keeps what was there. The pointer to the table of
// virtual functions at the start of a polymorphic class is no member either.
template <class T>
std::vector<bool> MemberBytes() {
  struct alignas(T) Raw {
    unsigned char bytes[sizeof(T)];
  };
  auto ones = std::make_unique<Raw>();
  std::memset(ones->bytes, 0xFF, sizeof(T));
  std::vector<bool> member(sizeof(T));
  if constexpr (std::is_trivially_copyable_v<T>) {
    __builtin_clear_padding(reinterpret_cast<T*>(ones->bytes));
    for (std::size_t i = 0; i < sizeof(T); ++i) member[i] = ones->bytes[i] != 0;
  } else {
    auto zeros = std::make_unique<Raw>();
    std::memset(zeros->bytes, 0x00, sizeof(T));
    T* a = new (ones->bytes) T;
    T* b = new (zeros->bytes) T;
    for (std::size_t i = 0; i < sizeof(T); ++i) member[i] = ones->bytes[i] == zeros->bytes[i];
    a->~T();
    b->~T();
  }
  if constexpr (std::is_polymorphic_v<T>) {
    for (std::size_t i = 0; i < sizeof(void*); ++i) member[i] = false;
  }
  return member;
}

// Walks a record's field list and says where it falls short: a member byte
// that no listed field holds, or one that two listed fields hold. Records
// listed inside it are checked in turn.
class ListCoverage {
 public:
  template <class T>
  static std::vector<std::string> Faults(const char* type) {
    auto record = std::make_unique<T>();
    ListCoverage coverage(record.get(), sizeof(T), type);
    record->VisitFields(coverage);
    std::vector<bool> member = MemberBytes<T>();
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      if (!member[i] || !coverage.owner_[i].empty()) continue;
      std::size_t end = i;
      while (end + 1 < sizeof(T) && member[end + 1] && coverage.owner_[end + 1].empty()) ++end;
      std::string before = "the start";
      for (std::size_t j = i; j-- > 0;) {
        if (!coverage.owner_[j].empty()) {
          before = coverage.owner_[j];
          break;
        }
      }
      coverage.faults_.push_back(std::string(type) + ": bytes " + std::to_string(i) + ".." +
                                 std::to_string(end) + " are in no listed field (after " + before +
                                 ")");
      i = end;
    }
    return coverage.faults_;
  }

  template <class T>
  void operator()(const char* key, const T& field) {
    Mark(key, field);
    CheckInner<std::remove_all_extents_t<T>>(key);
  }
  template <class T>
  void Name(const char* key, const T& field) {
    Mark(key, field);
  }
  template <class T>
  void NameColumns(const char* key, const T& field, int) {
    Mark(key, field);
  }
  template <class T>
  void Inline(const char* key, const T& field) {
    (*this)(key, field);
  }
  template <class T>
  void View(const char*, const T*, int) {}
  template <class T>
  void Handle(const T& field) {
    Mark("a handle", field);
  }

 private:
  ListCoverage(const void* record, std::size_t size, const char* type)
      : base_(static_cast<const unsigned char*>(record)), owner_(size), type_(type) {}

  template <class T>
  void Mark(const char* key, const T& field) {
    std::size_t at = reinterpret_cast<const unsigned char*>(&field) - base_;
    for (std::size_t i = at; i < at + sizeof(T); ++i) {
      if (!owner_[i].empty()) {
        faults_.push_back(type_ + ": " + key + " is listed over " + owner_[i]);
        return;
      }
      owner_[i] = key;
    }
  }

  template <class T>
  void CheckInner(const char* key) {
    if constexpr (HasFieldList<T>) {
      for (const std::string& fault : Faults<T>(key)) faults_.push_back(type_ + "." + fault);
    }
  }

  const unsigned char* base_;
  std::vector<std::string> owner_;  // the listed field holding each byte
  std::string type_;
  std::vector<std::string> faults_;
};

// A record whose list leaves out a byte that sits where padding could be.
struct LeftOut {
  uint8_t first{};
  uint8_t leftOut{};
  int32_t second{};
  template <class V>
  void VisitFields(V& v) const {
    v("first", first);
    v("second", second);
  }
};

template <class T>
void ExpectListCovers(const char* name) {
  for (const std::string& fault : ListCoverage::Faults<T>(name)) ADD_FAILURE() << fault;
}

}  // namespace

// A member added to a record and left out of its field list would be missing
// from the dump: every record the dump writes must list each of its bytes.
TEST(FieldLists, CoverEveryMemberOfEveryDumpedRecord) {
  ExpectListCovers<GameState>("state");
  ExpectListCovers<MouseCursor>("cursor");
  ExpectListCovers<AnimClock>("animClock");
  ExpectListCovers<GameApp>("app");
#define CHECK_HELD_OBJECT(field) \
  ExpectListCovers<std::remove_pointer_t<decltype(GameApp::field)>>(#field);
  QORV_HELD_OBJECTS(CHECK_HELD_OBJECT)
#undef CHECK_HELD_OBJECT

  // The check itself finds a member hidden where padding could be.
  EXPECT_EQ(ListCoverage::Faults<LeftOut>("LeftOut"),
            std::vector<std::string>{"LeftOut: bytes 1..1 are in no listed field (after first)"});
}

TEST(StateDump, HoldsTheAppTheRecordAndEachObjectThatExists) {
  ASSERT_EQ(chdir(TestFolder().c_str()), 0);
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();

  JsonValue dump;
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  EXPECT_EQ(FindJsonPath(dump, "screen")->text, "MainMenuProc");
  EXPECT_EQ(FindJsonPath(dump, "frame")->number, 2);
  EXPECT_EQ(FindJsonPath(dump, "clockMs")->number, 32);
  EXPECT_EQ(FindJsonPath(dump, "app.shownHero")->number, 200);
  EXPECT_EQ(FindJsonPath(dump, "app.timingValid")->number, 1);
  EXPECT_NE(FindJsonPath(dump, "state.playerNameText"), nullptr);
  EXPECT_NE(FindJsonPath(dump, "objects.cursor.x"), nullptr);
  EXPECT_NE(FindJsonPath(dump, "objects.settings.values.9"), nullptr);
  for (const char* absent : {"objects.creditsScreen", "objects.kingdomMap", "objects.controlBar",
                             "objects.mapEncounters", "objects.animClock"})
    EXPECT_EQ(FindJsonPath(dump, absent), nullptr) << absent;

  // Objects show up under their field names while they exist.
  app.creditsScreen = new CreditsScreen;
  app.kingdomMap = new KingdomMap;
  app.controlBar = new ControlBar;
  app.mapEncounters = new MapEncounters;
  app.animClock[2] = new AnimClock;
  app.creditsScreen->backLook = 2;
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  EXPECT_EQ(FindJsonPath(dump, "objects.creditsScreen.backLook")->number, 2);
  for (const char* present :
       {"objects.kingdomMap", "objects.controlBar", "objects.mapEncounters"}) {
    const JsonValue* object = FindJsonPath(dump, present);
    ASSERT_NE(object, nullptr) << present;
    EXPECT_EQ(object->kind, JsonValue::Kind::Object) << present;
    EXPECT_FALSE(object->members.empty()) << present;
  }
  EXPECT_EQ(FindJsonPath(dump, "objects.animClock.0")->kind, JsonValue::Kind::Null);
  EXPECT_EQ(FindJsonPath(dump, "objects.animClock.2.expected")->number, 5000);
  // The application lets them go with itself.
}

TEST(StateDump, ListsTheTextsOfTheLastPresentedFrame) {
  ASSERT_EQ(chdir(TestFolder().c_str()), 0);
  ScenarioDriver driver;
  driver.Start();
  ASSERT_TRUE(driver.Goto("GoCredits"));
  driver.RunFrames(2);

  JsonValue dump;
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  const JsonValue* texts = FindJsonPath(dump, "texts");
  ASSERT_NE(texts, nullptr);
  ASSERT_EQ(texts->kind, JsonValue::Kind::Array);
  ASSERT_FALSE(texts->items.empty());
  const JsonValue& first = texts->items.front();
  EXPECT_EQ(FindJsonPath(first, "text")->text, "Programmed by:");
  EXPECT_EQ(FindJsonPath(first, "x")->number, 200);
  EXPECT_EQ(FindJsonPath(first, "y")->number, 110);
  EXPECT_EQ(FindJsonPath(first, "colour")->text, "0xFFCE6700");

  // Only the last frame's texts: the same list again, not twice as long.
  const size_t count = texts->items.size();
  driver.RunFrames(1);
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  EXPECT_EQ(FindJsonPath(dump, "texts")->items.size(), count);
}

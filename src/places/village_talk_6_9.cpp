// The quests and the talk of villages 6 to 9: Usta, the Desert Village, the
// Mountain village and the Little Village. Each village hands out its five
// quests as a chain, the next one opening once the one before is closed.
// Usta, the Desert Village and the Mountain village join the player through
// one of their quests; the Little Village never joins, has a nobody box of
// its own and repeats the bag-full note right under the done box of its last
// quest.
//
// One quest a block: what it pays, then its four boxes (offer, accepted,
// running, done) with their scales and lines, exactly as the game shows them.

#include "places/talk_tables.h"

using namespace talk;

namespace {

// The offer box: at (130, 230) in the quest's own scale, the heading at
// (155, 240) and the lines 30 pixels apart from (155, 270), 500 wide.
constexpr TalkBox Offer(float scaleX, float scaleY, const char* heading, const char* l1,
                        const char* l2, const char* l3) {
  return MakeBox(130, 230, scaleX, scaleY, Head(heading, 155, 240), At(l1, 155, 270, 500),
                 At(l2, 155, 300, 500), At(l3, 155, 330, 500));
}

// A running box that starts further left, for a longer reminder: at
// (105, 300), the heading at (140, 320), the line at (140, 350), 500 wide.
constexpr TalkBox WideRunning(float scaleX, float scaleY, const char* heading, const char* line) {
  return MakeBox(105, 300, scaleX, scaleY, Head(heading, 140, 320), At(line, 140, 350, 500));
}

// Nothing to talk about, once a village has run out of quests.
constexpr TalkBox kNobody = MakeBox(
    130, 230, 6.6f, 2.0f, TalkText{}, At("Nobody to talk to around here.", 165, 256, 300, 30),
    At("There are no more quests in ", 165, 281, 400, 30), At("this village.", 165, 306, 300, 30));

// The Little Village has nothing to offer but its fear.
constexpr TalkBox kLittleVillageNobody =
    MakeBox(130, 230, 7.0f, 1.4f, TalkText{},
            At("The villagers are very afraid of invasions.", 165, 250, 400, 30),
            At("Many want to leave.", 165, 273, 300, 30));

// Its own bag-full note under the done box of its last quest, a little lower
// than the note every village shows after thanks.
constexpr TalkBox kLittleVillageBagFull = MakeBox(
    130, 355, 6.6f, 1.4f, TalkText{}, At("Your bag is full. Come back at any time", 155, 375, 500),
    At("to pick up your stuff.", 155, 405, 500));
constexpr uint8_t kLittleVillageLastSlot = 4;

// clang-format off

// ---- Village 6, Usta

// Quest 35: the mean bandits south of the village.
constexpr PlaceQuest kQuest35 = {
    .quest = 35, .slot = 0, .opening = QuestOpening::AtOnce,
    .offerItem = 149, .acceptGold = 30, .doneGold = 60, .doneItem = 171,
    .offer    = Offer(6.95f, 2.1f, "Quest 35", "Lots of mean bandits with a Bag of gold",
                                               "are south of our village.",
                                               "Can you attack them?"),
    .accepted = Accepted("Quest 35", "I'm giving you 30 gold. ", "Also take these gloves. "),
    .running  = Running(6.3f, 1.7f, "Quest 35", "Attack the mean bandits. "),
    .done     = Done(5.0f, "Quest 35", "Thank you for your help.",
                                       "Here is 60 gold. ",
                                       "Also take this ring. "),
};

// Quest 45: the angry, tough and merciless army.
constexpr PlaceQuest kQuest45 = {
    .quest = 45, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 35,
    .offerItem = 14, .acceptGold = 35, .doneGold = 70, .doneItem = 103,
    .offer    = Offer(5.95f, 2.1f, "Quest 45", "Attack the angry, tough,",
                                               "and merciless army which is ",
                                               "near our village."),
    .accepted = Accepted("Quest 45", "I'm giving you 35 gold.", "Also take this amulet."),
    .running  = WideRunning(7.5f, 1.5f, "Quest 45", "Attack the angry, tough, and merciless army."),
    .done     = Done(5.0f, "Quest 45", "Thank you for your help.",
                                       "Here is 70 gold. ",
                                       "Also take these pants. "),
};

// Quest 49: the Rogues guarding 800 gold; Usta joins.
constexpr PlaceQuest kQuest49 = {
    .quest = 49, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 45,
    .offerItem = 96, .acceptGold = 40, .doneGold = 80, .doneItem = 132,
    .offer    = Offer(5.95f, 2.1f, "Quest 49", "We heard that nearby there are",
                                               "lots of Rogues guarding 800 gold!",
                                               "We will help to attack them!"),
    .accepted = Accepted("Quest 49", "I'm giving you 40 gold.", "Also take this belt."),
    .running  = Running(6.6f, 1.5f, "Quest 49", "Attack the Rogues guarding 800 gold! "),
    .done     = Done(5.0f, "Quest 49", "Thank you for your help.",
                                       "Here is 80 gold. ",
                                       "Also take these shoes. "),
};

// Quest 56: the professional fighters.
constexpr PlaceQuest kQuest56 = {
    .quest = 56, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 49,
    .offerItem = 16, .acceptGold = 45, .doneGold = 90, .doneItem = 40,
    .offer    = Offer(7.3f, 2.1f, "Quest 56", "A large enemy army of professional fighters",
                                              "is getting ready to attack us! ",
                                              "We will attack them. Will you help?"),
    .accepted = Accepted("Quest 56", "I'm giving you 45 gold.", "Also take this amulet."),
    .running  = Running(6.0f, 1.5f, "Quest 56", "Attack the professional fighters. "),
    .done     = Done(5.0f, "Quest 56", "Thank you for your help.",
                                       "Here is 90 gold. ",
                                       "Also take this helmet. "),
};

// Quest 63: the golden armor.
constexpr PlaceQuest kQuest63 = {
    .quest = 63, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 56,
    .offerItem = 249, .acceptGold = 50, .doneGold = 100, .doneItem = 78,
    .offer    = Offer(5.4f, 2.1f, "Quest 63", "Can you find and bring",
                                              "us the golden armor?",
                                              "We can't find it anywhere."),
    .accepted = Accepted("Quest 63", "I'm giving you 50 gold.", "Also take this sword."),
    .running  = Running(5.4f, 1.5f, "Quest 63", "Find the golden armor. "),
    .done     = Done(5.0f, "Quest 63", "We thank you for your help.",
                                       "Here is 100 gold. ",
                                       "Keep the armor you found! "),
};

// ---- Village 7, the Desert Village

// Quest 53: the gigantic army guarding 1000 gold, alone.
constexpr PlaceQuest kQuest53 = {
    .quest = 53, .slot = 0, .opening = QuestOpening::AtOnce,
    .offerItem = 245, .acceptGold = 30, .doneGold = 60, .doneItem = 227,
    .offer    = Offer(6.95f, 2.1f, "Quest 53", "A gigantic enemy army guards 1000 gold.",
                                               "Our army is afraid to attack them.",
                                               "Will you attack them alone?"),
    .accepted = Accepted("Quest 53", "I'm giving you 30 gold. ", "Also take this sword. "),
    .running  = WideRunning(7.2f, 1.7f, "Quest 53", "Attack the gigantic army without any help. "),
    .done     = Done(5.0f, "Quest 53", "Thank you for your help.",
                                       "Here is 60 gold. ",
                                       "Also take this shield. "),
};

// Quest 57: the masked army of the desert.
constexpr PlaceQuest kQuest57 = {
    .quest = 57, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 53,
    .offerItem = 140, .acceptGold = 35, .doneGold = 70, .doneItem = 131,
    .offer    = Offer(5.95f, 2.1f, "Quest 57", "The masked army of the desert",
                                               "is spreading fear throughout  ",
                                               "the area. Will you attack them?"),
    .accepted = Accepted("Quest 57", "I'm giving you 35 gold.", "Also take these gloves."),
    .running  = WideRunning(6.9f, 1.5f, "Quest 57", "Attack the masked army of the desert."),
    .done     = Done(5.0f, "Quest 57", "Thank you for your help.",
                                       "Here is 70 gold. ",
                                       "Also take these shoes. "),
};

// Quest 60: the veteran desert army northeast.
constexpr PlaceQuest kQuest60 = {
    .quest = 60, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 57,
    .offerItem = 117, .acceptGold = 40, .doneGold = 80, .doneItem = 95,
    .offer    = Offer(6.4f, 2.1f, "Quest 60", "Northeast of our village is a veteran",
                                              "desert army guarding a treasure chest.",
                                              "We will help to attack them!"),
    .accepted = Accepted("Quest 60", "I'm giving you 40 gold.", "Also take these pants."),
    .running  = Running(5.7f, 1.5f, "Quest 60", "Attack the veteran desert army. "),
    .done     = Done(5.0f, "Quest 60", "Thank you for your help.",
                                       "Here is 80 gold. ",
                                       "Also take this belt. "),
};

// Quest 62: the large veteran army south; the village joins.
constexpr PlaceQuest kQuest62 = {
    .quest = 62, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 60,
    .offerItem = 46, .acceptGold = 45, .doneGold = 90, .doneItem = 181,
    .offer    = Offer(6.8f, 2.1f, "Quest 62", "There is a large veteran army ",
                                              "south of our village and they are ",
                                              "enslaving all in their path. Attack them!"),
    .accepted = Accepted("Quest 62", "I'm giving you 45 gold.", "Also take this helmet."),
    .running  = Running(6.0f, 1.5f, "Quest 62", "Attack the large veteran army. "),
    .done     = Done(5.0f, "Quest 62", "Thank you for your help.",
                                       "Here is 90 gold. ",
                                       "Also take this ring. "),
};

// Quest 67: the golden sword.
constexpr PlaceQuest kQuest67 = {
    .quest = 67, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 62,
    .offerItem = 118, .acceptGold = 50, .doneGold = 100, .doneItem = 240,
    .offer    = Offer(5.4f, 2.1f, "Quest 67", "Can you find and bring",
                                              "us the golden sword?",
                                              "We can't find it anywhere."),
    .accepted = Accepted("Quest 67", "I'm giving you 50 gold.", "Also take these pants."),
    .running  = Running(5.4f, 1.5f, "Quest 67", "Find the golden sword. "),
    .done     = Done(5.0f, "Quest 67", "We thank you for your help.",
                                       "Here is 100 gold. ",
                                       "Keep the sword you found! "),
};

// ---- Village 8, the Mountain village

// Quest 55: fresh food from the oasis.
constexpr PlaceQuest kQuest55 = {
    .quest = 55, .slot = 0, .opening = QuestOpening::AtOnce,
    .offerItem = 101, .acceptGold = 30, .doneGold = 60, .doneItem = 15,
    .offer    = Offer(6.95f, 2.1f, "Quest 55", "There is an oasis near our village.",
                                               "We would be grateful if you brought",
                                               "us some fresh food."),
    .accepted = Accepted("Quest 55", "I'm giving you 30 gold. ", "Also take these pants. "),
    .running  = WideRunning(7.2f, 1.5f, "Quest 55", "Bring some food from the oasis. "),
    .done     = Done(5.0f, "Quest 55", "Thank you for your help.",
                                       "Here is 60 gold. ",
                                       "Also take this amulet. "),
};

// Quest 58: the gigantic army of battle veterans.
constexpr PlaceQuest kQuest58 = {
    .quest = 58, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 55,
    .offerItem = 229, .acceptGold = 35, .doneGold = 70, .doneItem = 18,
    .offer    = Offer(5.95f, 2.1f, "Quest 58", "To the west of our village is a ",
                                               "gigantic army of battle veterans!  ",
                                               "Can you defeat them with our help?"),
    .accepted = Accepted("Quest 58", "I'm giving you 35 gold.", "Also take this shield."),
    .running  = WideRunning(5.9f, 1.5f, "Quest 58", "Defeat the giginatic army."),
    .done     = Done(5.0f, "Quest 58", "Thank you for your help.",
                                       "Here is 70 gold. ",
                                       "Also take this amulet. "),
};

// Quest 64: the gold pants.
constexpr PlaceQuest kQuest64 = {
    .quest = 64, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 58,
    .offerItem = 150, .acceptGold = 40, .doneGold = 80, .doneItem = 120,
    .offer    = Offer(6.4f, 2.1f, "Quest 64", "Please find and bring us the gold",
                                              "pants.  We will be happy if you",
                                              "help us."),
    .accepted = Accepted("Quest 64", "I'm giving you 40 gold.", "Also take these gloves."),
    .running  = Running(5.7f, 1.5f, "Quest 64", "Bring the gold pants. "),
    .done     = Done(5.0f, "Quest 64", "Thank you for your help.",
                                       "Here is 80 gold. ",
                                       "Keep the pants you found. "),
};

// Quest 65: the super strong guards; the village joins.
constexpr PlaceQuest kQuest65 = {
    .quest = 65, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 64,
    .offerItem = 20, .acceptGold = 45, .doneGold = 90, .doneItem = 48,
    .offer    = Offer(6.8f, 2.1f, "Quest 65", "Super strong guards are protecting ",
                                              "their treasure. We will help you to ",
                                              "attack them. Good luck to us all!"),
    .accepted = Accepted("Quest 65", "I'm giving you 45 gold.", "Also take this amulet."),
    .running  = Running(6.0f, 1.5f, "Quest 65", "Attack the super strong guards."),
    .done     = Done(5.0f, "Quest 65", "Thank you for your help.",
                                       "Here is 90 gold. ",
                                       "Also take this helmet. "),
};

// Quest 68: the red sword.
constexpr PlaceQuest kQuest68 = {
    .quest = 68, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 65,
    .offerItem = 121, .acceptGold = 50, .doneGold = 100, .doneItem = 235,
    .offer    = Offer(5.4f, 2.1f, "Quest 68", "Can you find and bring",
                                              "us the red sword?",
                                              "We can't find it anywhere."),
    .accepted = Accepted("Quest 68", "I'm giving you 50 gold.", "Also take these pants."),
    .running  = Running(5.4f, 1.5f, "Quest 68", "Find the red sword. "),
    .done     = Done(5.0f, "Quest 68", "We thank you for your help.",
                                       "Here is 100 gold. ",
                                       "Keep the sword you found! "),
};

// ---- Village 9, the Little Village

// Quest 19: water for the sick.
constexpr PlaceQuest kQuest19 = {
    .quest = 19, .slot = 0, .opening = QuestOpening::AtOnce,
    .offerItem = 52, .acceptGold = 30, .doneGold = 70, .doneItem = 176,
    .offer    = Offer(5.95f, 2.1f, "Quest 19", "There is a disease in our village.",
                                               "We are thirsty and too weak to walk.",
                                               "Will you fetch some water for us?"),
    .accepted = Accepted("Quest 19", "I'm giving you 30 gold ", "Also take these pants "),
    .running  = Running(6.3f, 1.7f, "Quest 19", "Water... "),
    .done     = Done(5.0f, "Quest 19", "Thank you for the water.",
                                       "Here is 70 gold. ",
                                       "Also take this ring. "),
};

// Quest 20: fruit from the tree.
constexpr PlaceQuest kQuest20 = {
    .quest = 20, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 19,
    .offerItem = 107, .acceptGold = 40, .doneGold = 80, .doneItem = 5,
    .offer    = Offer(5.95f, 2.1f, "Quest 20", "We are very sick and hungry.",
                                               "Will you get some fresh fruit",
                                               "from our tree?"),
    .accepted = Accepted("Quest 20", "I'm giving you 40 gold.", "Also take these pants."),
    .running  = Running(6.3f, 1.7f, "Quest 20", "Hungry... "),
    .done     = Done(5.0f, "Quest 20", "Thank you for the fruit.",
                                       "Here is 80 gold. ",
                                       "Also take this amulet. "),
};

// Quest 21: the brown vial.
constexpr PlaceQuest kQuest21 = {
    .quest = 21, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 20,
    .offerItem = 177, .acceptGold = 45, .doneGold = 90, .doneItem = 94,
    .offer    = Offer(5.95f, 2.1f, "Quest 21", "We need to be healed.",
                                               "Please find the brown vial.",
                                               "It should cure us."),
    .accepted = Accepted("Quest 21", "I'm giving you 45 gold.", "Also take this ring."),
    .running  = Running(6.3f, 1.7f, "Quest 21", "Where is the brown vial? "),
    .done     = Done(5.0f, "Quest 21", "Thank you for the cure.",
                                       "Here is 90 gold. ",
                                       "Also take this belt. "),
};

// Quest 22: the green vial.
constexpr PlaceQuest kQuest22 = {
    .quest = 22, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 21,
    .offerItem = 147, .acceptGold = 50, .doneGold = 100, .doneItem = 6,
    .offer    = Offer(5.95f, 2.1f, "Quest 22", "We are still not fully healed.",
                                               "Please bring the green vial.",
                                               "It should make us well."),
    .accepted = Accepted("Quest 22", "I'm giving you 50 gold.", "Also take these gloves."),
    .running  = Running(6.3f, 1.7f, "Quest 22", "Where is the green vial? "),
    .done     = Done(5.0f, "Quest 22", "Thank you for the cure!",
                                       "Here is 100 gold. ",
                                       "Also take this amulet. "),
};

// Quest 24: spying on the Kawa tribe.
constexpr PlaceQuest kQuest24 = {
    .quest = 24, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 22,
    .offerItem = 175, .acceptGold = 60, .doneGold = 110, .doneItem = 7,
    .offer    = Offer(5.95f, 2.1f, "Quest 24", "Can you go to the Kawa tribe",
                                               "and spy on them?",
                                               "They are hostile."),
    .accepted = Accepted("Quest 24", "I'm giving you 60 gold.", "Also take this ring."),
    .running  = Running(6.0f, 1.6f, "Quest 24", "Spy on the Kawa tribe. "),
    .done     = Done(5.0f, "Quest 24", "We thank you for your help.",
                                       "Here is 110 gold. ",
                                       "Also take this amulet. "),
};

// clang-format on

}  // namespace

const PlaceTalk kVillageTalk6to9[4] = {
    {.kind = PlaceKind::Village,
     .number = 6,
     .quests = {kQuest35, kQuest45, kQuest49, kQuest56, kQuest63},
     .join = Join("The village of Usta decided to join you!", kVillageBenefits),
     .nobody = kNobody},
    {.kind = PlaceKind::Village,
     .number = 7,
     .quests = {kQuest53, kQuest57, kQuest60, kQuest62, kQuest67},
     .join = Join("The Desert Village decided to join you!", kVillageBenefits),
     .nobody = kNobody},
    {.kind = PlaceKind::Village,
     .number = 8,
     .quests = {kQuest55, kQuest58, kQuest64, kQuest65, kQuest68},
     .join = Join("The Mountain village decided to join you!", kVillageBenefits),
     .nobody = kNobody},
    {.kind = PlaceKind::Village,
     .number = 9,
     .quests = {kQuest19, kQuest20, kQuest21, kQuest22, kQuest24},
     .nobody = kLittleVillageNobody,
     .bagFullAfterDone = kLittleVillageBagFull,
     .bagFullAfterDoneSlot = kLittleVillageLastSlot},
};

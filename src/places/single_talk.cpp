// The quests and the talk of the palace, the temple, the castle and the
// tower: each place's five quests in the order of its step pass (the k-th
// owns the boxes 4k..4k + 3), what opens them, what they pay, and every box
// their talk draws. Every accepted box says the gold its quest pays and
// names the kind of item it hands over; every heading names its own quest.

#include "game/game_state.h"
#include "places/talk_tables.h"

using namespace talk;

namespace {

// ---- the palace

// Given by the day's quest chain, never by the palace. Done when battle 6
// is won.
constexpr PlaceQuest kPalaceQuest4{
    .quest = 4,
    .slot = 0,
    .opening = QuestOpening::Elsewhere,
    .offerItem = 111,
    .acceptGold = 40,
    .doneGold = 100,
    .doneItem = 91,
    .offer = MakeBox(130, 230, 5.8f, 1.9f, Head("Quest 4", 155, 240),
                     At("There is a reward for getting rid ", 155, 270, 500),
                     At("of wild wolves near our palace.", 155, 300, 500)),
    .accepted = Accepted("Quest 4", "I'm giving you 40 gold ", "Also take these pants "),
    .running = Running(6.3f, 1.7f, "Quest 4", "The wild wolves are still around."),
    .done = WithItem(Done(5.1f, "Quest 4", "We are grateful for your help!", "Here is 100 gold ",
                          "Also take this belt ", 190),
                     190, 220),
};

// Opens when quest 6 (not quest 4) is closed, so it may be offered together
// with quest 4. Done when battle 42 is won.
constexpr PlaceQuest kPalaceQuest70{
    .quest = 70,
    .slot = 1,
    .opening = QuestOpening::AfterQuest,
    .after = 6,
    .offerItem = 75,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 73,
    .offer = MakeBox(80, 230, 8.1f, 2.1f, Head("Quest 70", 105, 240),
                     At("A mammoth enemy camp of bloodthirsty bandits", 105, 270, 500),
                     At("is to the northwest of our palace! ", 105, 300, 500),
                     At("We will help you to defeat them! ", 105, 330, 500)),
    .accepted = Accepted("Quest 70", "I'm giving you 55 gold. ", "Also take this armor. "),
    .running = Running(6.3f, 1.5f, "Quest 70", "Attack the mammoth enemy camp. ", 188),
    .done = Done(5.1f, "Quest 70", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this armor. ", 180),
};

// Done when battle 69 is won.
constexpr PlaceQuest kPalaceQuest75{
    .quest = 75,
    .slot = 2,
    .opening = QuestOpening::AfterQuest,
    .after = 70,
    .offerItem = 45,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 29,
    .offer = MakeBox(80, 230, 8.1f, 2.15f, Head("Quest 75", 105, 240),
                     At("If you are very strong and brave then attack ", 105, 263, 500),
                     At("the Kawa Tribe. We will help but know this: ", 105, 287, 500),
                     At("many think that this is a foolish adventure. ", 105, 309, 500),
                     At("Best of luck to you! ", 105, 333, 500)),
    .accepted = Accepted("Quest 75", "I'm giving you 55 gold. ", "Also take this helmet. "),
    .running = Running(6.3f, 1.5f, "Quest 75", "Attack the Kawa Tribe. ", 188),
    .done = Done(5.1f, "Quest 75", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this amulet. ", 180),
};

// Done when battle 67 is won.
constexpr PlaceQuest kPalaceQuest79{
    .quest = 79,
    .slot = 3,
    .opening = QuestOpening::AfterQuest,
    .after = 75,
    .offerItem = 174,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 33,
    .offer = MakeBox(90, 230, 6.1f, 2.15f, Head("Quest 79", 117, 240),
                     At("Attack the Olej Tribe! We will help.", 117, 275, 500),
                     At("They are very strong but we know ", 117, 300, 500),
                     At("that you can win again! ", 117, 325, 500)),
    .accepted = Accepted("Quest 79", "I'm giving you 55 gold. ", "Also take this ring. "),
    .running = Running(6.3f, 1.5f, "Quest 79", "Attack the Olej Tribe. ", 188),
    .done = Done(5.1f, "Quest 79", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this amulet. ", 180),
};

// Done when battle 73 is won.
constexpr PlaceQuest kPalaceQuest87{
    .quest = 87,
    .slot = 4,
    .opening = QuestOpening::AfterQuest,
    .after = 79,
    .offerItem = 226,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 60,
    .offer = MakeBox(80, 230, 8.1f, 2.15f, Head("Quest 87", 105, 238),
                     At("Our palace guards are fully ready ", 105, 271, 500),
                     At("to help you attack The Black Zima Castle. ", 105, 294, 500),
                     At("You must win this battle to make the enemy ", 105, 317, 500),
                     At("surrender and bring peace to our kingdom.", 105, 340, 500)),
    .accepted = Accepted("Quest 87", "I'm giving you 55 gold. ", "Also take this shield. "),
    .running = Running(6.3f, 1.5f, "Quest 87", "Attack the Black Zima Castle. ", 188),
    .done = Done(5.1f, "Quest 87", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this armor. ", 180),
};

constexpr PlaceTalk kPalace{
    .kind = PlaceKind::Palace,
    .quests = {kPalaceQuest4, kPalaceQuest70, kPalaceQuest75, kPalaceQuest79, kPalaceQuest87},
    // While quest 6 is open the guards are busy; afterwards a place with
    // no quest left says nothing.
    .nobodyWhile = MakeBox(130, 230, 6.9f, 1.6f, TalkText{},
                           At("The palace guards are getting ready for ", 165, 258, 380, 30),
                           At("a possible attack. No quests till then. ", 165, 284, 380, 30)),
    .whileQuest = 6,
    .whileBelow = kQuestClosed,
    .bagFullAgainAfterAccepted = true,
};

// ---- the temple

// Done when quest spot 1003 is reached.
constexpr PlaceQuest kTempleQuest9{
    .quest = 9,
    .slot = 0,
    .opening = QuestOpening::AtOnce,
    .offerItem = 110,
    .acceptGold = 40,
    .doneGold = 80,
    .doneItem = 157,
    .offer = MakeBox(130, 230, 5.8f, 1.6f, Head("Quest 9", 155, 240),
                     At("Our elders lost the gate key.", 155, 270, 500),
                     At("Please find it for us.", 155, 300, 500)),
    .accepted = Accepted("Quest 9", "I'm giving you 40 gold. ", "Also take these pants."),
    .running = Running(6.3f, 1.5f, "Quest 9", "Where is our key? "),
    .done = Done(5.0f, "Quest 9", "We are grateful for your help!", "Here is 80 gold ",
                 "Also take this ring", 180),
};

// Done when quest spot 1004 is reached.
constexpr PlaceQuest kTempleQuest10{
    .quest = 10,
    .slot = 1,
    .opening = QuestOpening::AfterQuest,
    .after = 9,
    .offerItem = 51,
    .acceptGold = 45,
    .doneGold = 86,
    .doneItem = 158,
    .offer = MakeBox(130, 230, 5.8f, 1.6f, Head("Quest 10", 155, 240),
                     At("Our priced painting is missing.", 155, 270, 500),
                     At("Please find it for us.", 155, 300, 500)),
    .accepted = WithScale(
        Accepted("Quest 10", "I'm giving you 45 gold. ", "Also take this helmet."), 5.2f, 3.8f),
    .running = Running(6.3f, 1.5f, "Quest 10", "Where is our art? "),
    .done = Done(5.0f, "Quest 10", "Again you helped us!", "Here is 86 gold ",
                 "Also take this ring", 180),
};

// Done when the evil nuns temple is reached.
constexpr PlaceQuest kTempleQuest15{
    .quest = 15,
    .slot = 2,
    .opening = QuestOpening::AfterQuest,
    .after = 10,
    .offerItem = 64,
    .acceptGold = 50,
    .doneGold = 96,
    .doneItem = 146,
    .offer = MakeBox(130, 230, 5.8f, 2.1f, Head("Quest 15", 155, 240),
                     At("Far away in the wastelands there.", 155, 270, 500),
                     At("is the evil nuns temple. Go spy on", 155, 300, 500),
                     At("them and tell us what you saw.  ", 155, 330, 500)),
    .accepted = WithScale(Accepted("Quest 15", "I'm giving you 50 gold. ", "Also take this armor."),
                          5.2f, 3.8f),
    .running = Running(6.6f, 1.5f, "Quest 15", "Did you travel to the evil nuns temple? "),
    .done = Done(5.1f, "Quest 15", "We are grateful for your help.", "Here is 96 gold. ",
                 "Also take these gloves.", 180),
};

// Done when battle 23 is won; the reward is a helmet.
constexpr PlaceQuest kTempleQuest23{
    .quest = 23,
    .slot = 3,
    .opening = QuestOpening::AfterQuest,
    .after = 15,
    .offerItem = 89,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 44,
    .offer = MakeBox(110, 230, 6.1f, 2.15f, Head("Quest 23", 143, 240),
                     At("We want to avoid any more theft", 143, 275, 500),
                     At("from our beautiful temple. Can you ", 143, 300, 500),
                     At("find and attack the temple thieves? ", 143, 325, 500)),
    .accepted = WithScale(Accepted("Quest 23", "I'm giving you 55 gold. ", "Also take this belt. "),
                          5.2f, 3.8f),
    .running = Running(6.3f, 1.5f, "Quest 23", "Attack the temple thieves. ", 188),
    .done = Done(5.1f, "Quest 23", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this helmet. ", 180),
};

// Done when battle 72 is won.
constexpr PlaceQuest kTempleQuest41{
    .quest = 41,
    .slot = 4,
    .opening = QuestOpening::AfterQuest,
    .after = 23,
    .offerItem = 28,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 225,
    .offer = MakeBox(80, 230, 8.2f, 2.15f, Head("Quest 41", 105, 240),
                     At("Very far in the wastelands is the Evil Nuns Temple.", 105, 275, 500),
                     At("Attack them only if you are very strong. ", 105, 300, 500),
                     At("Some volunteers will help you. ", 105, 325, 500)),
    .accepted = WithScale(
        Accepted("Quest 41", "I'm giving you 55 gold. ", "Also take this amulet. "), 5.2f, 3.8f),
    .running = Running(5.3f, 1.5f, "Quest 41", "Attack the Evil Nuns Temple! ", 188),
    .done = Done(5.1f, "Quest 41", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this shield. ", 180),
};

constexpr PlaceTalk kTemple{
    .kind = PlaceKind::Temple,
    .quests = {kTempleQuest9, kTempleQuest10, kTempleQuest15, kTempleQuest23, kTempleQuest41},
    .nobody = MakeBox(130, 230, 5.8f, 1.5f, TalkText{},
                      At("Good luck with your quests.", 165, 258, 300, 30),
                      At("We need peace and quiet now...", 165, 278, 300, 30)),
    .bagFullAgainAfterAccepted = true,
};

// ---- the castle

// Done when battle 50 is won.
constexpr PlaceQuest kCastleQuest81{
    .quest = 81,
    .slot = 0,
    .opening = QuestOpening::AtOnce,
    .offerItem = 68,
    .acceptGold = 40,
    .doneGold = 100,
    .doneItem = 26,
    .offer = MakeBox(100, 230, 7.8f, 2.1f, Head("Quest 81", 125, 240),
                     At("An enormous enemy camp is southwest of our ", 125, 270, 500),
                     At("castle walls. We will spare some guards", 125, 300, 500),
                     At("if you are brave enough to attack them. ", 125, 330, 500)),
    .accepted = Accepted("Quest 81", "I'm giving you 40 gold. ", "Also take this armor."),
    .running = Running(6.3f, 1.7f, "Quest 81", "Attack the enormous enemy camp."),
    .done = WithItem(Done(5.1f, "Quest 81", "We are grateful for your help!", "Here is 100 gold ",
                          "Also take this amulet ", 190),
                     190, 220),
};

// Done when battle 68 is won.
constexpr PlaceQuest kCastleQuest82{
    .quest = 82,
    .slot = 1,
    .opening = QuestOpening::AfterQuest,
    .after = 81,
    .offerItem = 164,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 31,
    .offer = MakeBox(80, 230, 8.1f, 2.1f, Head("Quest 82", 105, 240),
                     At("If you are very strong and brave then attack the", 105, 270, 500),
                     At("Lato Tribe. We will help but consider attacking", 105, 300, 500),
                     At("them a few times in 1 day to finally defeat them. ", 105, 330, 500)),
    .accepted = Accepted("Quest 82", "I'm giving you 55 gold. ", "Also take this ring. "),
    .running = Running(6.3f, 1.5f, "Quest 82", "Attack the Lato Tribe. ", 188),
    .done = Done(5.1f, "Quest 82", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this amulet. ", 180),
};

// Done when battle 70 is won.
constexpr PlaceQuest kCastleQuest83{
    .quest = 83,
    .slot = 2,
    .opening = QuestOpening::AfterQuest,
    .after = 82,
    .offerItem = 42,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 182,
    .offer = MakeBox(80, 230, 8.1f, 1.8f, Head("Quest 83", 105, 240),
                     At("We ask you to attack the Grubas Tribe.", 105, 270, 500),
                     At("We will help you with some volunteers. ", 105, 297, 500)),
    .accepted = Accepted("Quest 83", "I'm giving you 55 gold. ", "Also take this helmet. "),
    .running = Running(6.3f, 1.5f, "Quest 83", "Attack the Grubas Tribe. ", 188),
    .done = Done(5.1f, "Quest 83", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this ring. ", 180),
};

// Done when battle 71 is won.
constexpr PlaceQuest kCastleQuest85{
    .quest = 85,
    .slot = 3,
    .opening = QuestOpening::AfterQuest,
    .after = 83,
    .offerItem = 228,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 27,
    .offer = MakeBox(80, 230, 6.4f, 2.15f, Head("Quest 85", 105, 240),
                     At("The Noga Tribe is very strong!", 105, 275, 500),
                     At("Defeat them with our help and you will ", 105, 300, 500),
                     At("have our full support in the future! ", 105, 325, 500)),
    .accepted = Accepted("Quest 85", "I'm giving you 55 gold. ", "Also take this shield. "),
    .running = Running(6.3f, 1.5f, "Quest 85", "Attack the Noga Tribe. ", 188),
    .done = Done(5.1f, "Quest 85", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this amulet. ", 180),
};

// Done when battle 73 is won; the reward is a heavy armour.
constexpr PlaceQuest kCastleQuest91{
    .quest = 91,
    .slot = 4,
    .opening = QuestOpening::AfterQuest,
    .after = 85,
    .offerItem = 250,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 76,
    .offer = MakeBox(80, 230, 7.9f, 2.15f, Head("Quest 91", 105, 240),
                     At("The only way to force the enemy to surrender", 105, 275, 500),
                     At("is to defeat the Black Zima Castle. ", 105, 300, 500),
                     At("You will have our full support!  ", 105, 325, 500)),
    .accepted = Accepted("Quest 91", "I'm giving you 55 gold. ", "Also take this sword. "),
    .running = Running(6.3f, 1.5f, "Quest 91", "Attack the Black Zima Castle! ", 188),
    .done = Done(5.1f, "Quest 91", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this armor. ", 180),
};

constexpr PlaceTalk kCastle{
    .kind = PlaceKind::Castle,
    .quests = {kCastleQuest81, kCastleQuest82, kCastleQuest83, kCastleQuest85, kCastleQuest91},
    // While quest 6 is open the guards are busy; afterwards a place with
    // no quest left says nothing.
    .nobodyWhile = MakeBox(130, 230, 6.3f, 1.6f, TalkText{},
                           At("The palace guards are getting ready for ", 165, 258, 350, 30),
                           At("a possible attack. No quests till then. ", 165, 284, 350, 30)),
    .whileQuest = 6,
    .whileBelow = kQuestClosed,
    .bagFullAgainAfterAccepted = true,
};

// ---- the tower

// Done when the Janek Tribe is reached.
constexpr PlaceQuest kTowerQuest26{
    .quest = 26,
    .slot = 0,
    .opening = QuestOpening::AtOnce,
    .offerItem = 22,
    .acceptGold = 40,
    .doneGold = 100,
    .doneItem = 83,
    .offer = MakeBox(100, 230, 7.3f, 2.1f, Head("Quest 26", 125, 240),
                     At("The tribes are restless in the wastelands. ", 125, 270, 500),
                     At("Can you go to the Janek Tribe and see", 125, 300, 500),
                     At("what the tribes are planning? ", 125, 330, 500)),
    .accepted = Accepted("Quest 26", "I'm giving you 40 gold. ", "Also take this amulet."),
    .running = Running(5.3f, 1.7f, "Quest 26", "Spy on the Janek Tribe."),
    .done = WithItem(Done(5.1f, "Quest 26", "We are grateful for your help!", "Here is 100 gold. ",
                          "Also take this armor. ", 190),
                     190, 220),
};

// Done when battle 62 is won.
constexpr PlaceQuest kTowerQuest76{
    .quest = 76,
    .slot = 1,
    .opening = QuestOpening::AfterQuest,
    .after = 26,
    .offerItem = 35,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 53,
    .offer = MakeBox(80, 230, 8.1f, 2.1f, Head("Quest 76", 105, 240),
                     At("Southeast of here are enemy frontier troops.", 105, 270, 500),
                     At("If you manage to defeat them then we will ", 105, 300, 500),
                     At("be in position to help you too.", 105, 330, 500)),
    .accepted = Accepted("Quest 76", "I'm giving you 55 gold. ", "Also take this amulet. "),
    .running = Running(6.3f, 1.5f, "Quest 76", "Attack the enemy frontier troops. ", 188),
    .done = Done(5.1f, "Quest 76", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this helmet. ", 180),
};

// Done when quest spot 1029 is reached.
constexpr PlaceQuest kTowerQuest88{
    .quest = 88,
    .slot = 2,
    .opening = QuestOpening::AfterQuest,
    .after = 76,
    .offerItem = 32,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 80,
    .offer = MakeBox(80, 230, 8.1f, 1.5f, Head("Quest 88", 105, 240),
                     At("Please bring the golden armor back to us.", 105, 263, 500),
                     At("There is not much time left... ", 105, 287, 500)),
    .accepted = Accepted("Quest 88", "I'm giving you 55 gold. ", "Also take this amulet. "),
    .running = Running(6.3f, 1.5f, "Quest 88", "Bring the golden armor to us. ", 188),
    .done = Done(5.1f, "Quest 88", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also keep this armor. ", 180),
};

// Done when quest spot 1028 is reached.
constexpr PlaceQuest kTowerQuest89{
    .quest = 89,
    .slot = 3,
    .opening = QuestOpening::AfterQuest,
    .after = 88,
    .offerItem = 163,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 239,
    .offer = MakeBox(80, 230, 8.1f, 1.5f, Head("Quest 89", 105, 240),
                     At("Please bring the golden sword back to us.", 105, 263, 500),
                     At("There is not much time left... ", 105, 287, 500)),
    .accepted = Accepted("Quest 89", "I'm giving you 55 gold. ", "Also take this ring. "),
    .running = Running(6.3f, 1.5f, "Quest 89", "Bring the golden sword to us. ", 188),
    .done = Done(5.1f, "Quest 89", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also keep this sword! ", 180),
};

// Done when battle 66 is won.
constexpr PlaceQuest kTowerQuest90{
    .quest = 90,
    .slot = 4,
    .opening = QuestOpening::AfterQuest,
    .after = 89,
    .offerItem = 122,
    .acceptGold = 55,
    .doneGold = 110,
    .doneItem = 86,
    .offer = MakeBox(80, 230, 8.0f, 2.15f, Head("Quest 90", 105, 240),
                     At("If you are very strong then attack the Janek Tribe.", 105, 275, 500),
                     At("There will be volunteers helping you but few", 105, 300, 500),
                     At("believe that they can be defeated.  ", 105, 325, 500)),
    .accepted = Accepted("Quest 90", "I'm giving you 55 gold. ", "Also take these pants. "),
    .running = Running(6.3f, 1.5f, "Quest 90", "Attack the Janek Tribe. ", 188),
    .done = Done(5.1f, "Quest 90", "We are grateful for your help!", "Here is 110 gold. ",
                 "Also take this armor. ", 180),
};

constexpr PlaceTalk kTower{
    .kind = PlaceKind::Tower,
    .quests = {kTowerQuest26, kTowerQuest76, kTowerQuest88, kTowerQuest89, kTowerQuest90},
    .nobody = MakeBox(130, 230, 6.6f, 2.0f, TalkText{},
                      At("Nobody to talk to around here.", 165, 256, 300, 30),
                      At("There are no more quests from ", 165, 281, 400, 30),
                      At("the Wasteland Tower.", 165, 306, 300, 30)),
    .bagFullAgainAfterAccepted = true,
};

}  // namespace

const PlaceTalk kSingleTalk[4] = {kPalace, kTemple, kCastle, kTower};

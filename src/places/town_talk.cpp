// The quests and the talk of the four towns: Cebula, Rabarbar, Ziemniak and
// Moja. One row a quest (what opens it, what accepting and finishing it pay)
// with its four boxes, one line a box. Item ids are ItemId values, named in
// the comment beside them.
//
// Town 1's quest 12 pays 55 gold on acceptance, the amount its box tells the
// player, like the other four quests of the town.

#include "game/game_state.h"
#include "places/talk_tables.h"

using namespace talk;

namespace {

// The towns' done boxes put "Fame +1 " under the lines, at x 180.
constexpr int16_t kTownFameX = 180;

// One line of an offer box: its text, its y, its width.
struct OfferLine {
  const char* text{nullptr};
  int16_t y{0};
  int16_t w{500};
};

// An offer box: the box at (x, 230), the heading at (x + 25, 240), the lines
// at x + 25 below it.
constexpr TalkBox Offer(int16_t x, float scaleX, float scaleY, const char* heading, OfferLine l1,
                        OfferLine l2, OfferLine l3 = {}, OfferLine l4 = {}) {
  const int16_t lx = static_cast<int16_t>(x + 25);
  const auto line = [lx](OfferLine l) { return l.text ? At(l.text, lx, l.y, l.w) : TalkText{}; };
  return MakeBox(x, 230, scaleX, scaleY, Head(heading, lx, 240), line(l1), line(l2), line(l3),
                 line(l4));
}

// Nobody to talk to: three lines in the heading colour.
constexpr TalkBox kNobody = MakeBox(
    130, 230, 6.6f, 2.0f, TalkText{}, At("Nobody to talk to around here.", 165, 256, 300, 30),
    At("There are no more quests in ", 165, 281, 400, 30), At("this town.", 165, 306, 300, 30));
// Rabarbar's, until Ziemniak's scroll (quest 8) is found.
constexpr TalkBox kNobodyTryZiemniak = MakeBox(
    130, 230, 5.8f, 1.65f, TalkText{}, At("Nobody to talk to around here", 165, 254, 300, 30),
    At("Try the town of Ziemniak first.", 165, 284, 300, 30));

}  // namespace

const PlaceTalk kTownTalk[4] = {
    // ---- Town 1, Cebula
    {
        .kind = PlaceKind::Town,
        .number = 1,
        .quests =
            {
                {
                    .quest = 12,
                    .slot = 0,
                    .opening = QuestOpening::AtOnce,
                    .offerItem = 88 /* Iron Belt of Holding */,
                    .acceptGold = 55,
                    .doneGold = 100,
                    .doneItem = 38 /* Iron Helm of the Watch */,
                    .offer = Offer(80, 7.7f, 1.8f, "Quest 12",
                                   {"Attack the enemy force southwest of our town.", 270},
                                   {"You may keep the treasure they guard. ", 300}),
                    .accepted =
                        Accepted("Quest 12", "I'm giving you 55 gold. ", "Also take this belt. "),
                    .running = Running(6.3f, 1.5f, "Quest 12",
                                       "Good luck with attacking the enemy. ", 188),
                    .done = Done(5.1f, "Quest 12", "We are grateful for your help!",
                                 "Here is 100 gold ", "Also take this helmet ", kTownFameX),
                },
                {
                    .quest = 13,
                    .slot = 1,
                    .opening = QuestOpening::AfterQuest,
                    .after = 12,
                    .offerItem = 108 /* Iron Leggings of the March */,
                    .acceptGold = 55,
                    .doneGold = 110,
                    .doneItem = 187 /* Steel Ring of Vitality */,
                    .offer = Offer(80, 8.1f, 1.8f, "Quest 13",
                                   {"Bandits have set up a road block east of our town.", 270},
                                   {"We will help you to attack them. ", 300}),
                    .accepted =
                        Accepted("Quest 13", "I'm giving you 55 gold. ", "Also take these pants. "),
                    .running = Running(6.3f, 1.5f, "Quest 13",
                                       "Good luck with attacking the enemy. ", 188),
                    .done = Done(5.1f, "Quest 13", "We are grateful for your help!",
                                 "Here is 110 gold ", "Also take this ring ", kTownFameX),
                },
                {
                    .quest = 14,
                    .slot = 2,
                    .opening = QuestOpening::AfterQuest,
                    .after = 13,
                    .offerItem = 244 /* Steel Sword of Valour */,
                    .acceptGold = 55,
                    .doneGold = 110,
                    .doneItem = 130 /* Bronze Boots of the Road */,
                    .offer = Offer(80, 8.1f, 2.15f, "Quest 14",
                                   {"A brave hero is missing. We think", 263},
                                   {"he is being held captive north of our town ", 287},
                                   {"by a very powerfull enemy force. ", 309},
                                   {"Don't worry! We will help you with a large army. ", 333}),
                    .accepted =
                        Accepted("Quest 14", "I'm giving you 55 gold. ", "Also take this sword !"),
                    .running =
                        Running(6.3f, 1.5f, "Quest 14", "Good luck with freeing the hero. ", 188),
                    .done = Done(5.1f, "Quest 14", "We are grateful for your help!",
                                 "Here is 110 gold. ", "Also take these shoes. ", kTownFameX),
                },
                {
                    .quest = 17,
                    .slot = 3,
                    .opening = QuestOpening::AfterQuest,
                    .after = 14,
                    .offerItem = 189 /* Bronze Ring of Vitality */,
                    .acceptGold = 55,
                    .doneGold = 110,
                    .doneItem = 4 /* Bronze Amulet of Healing */,
                    .offer = Offer(80, 8.1f, 2.15f, "Quest 17",
                                   {"To the south of our town is a tough enemy force.", 275},
                                   {"Defeat them and keep their treasure. ", 300},
                                   {"A few volunteers will help you. ", 325}),
                    .accepted =
                        Accepted("Quest 17", "I'm giving you 55 gold. ", "Also take this ring."),
                    .running = Running(6.3f, 1.5f, "Quest 17",
                                       "Good luck with attacking the enemy. ", 188),
                    .done = Done(5.1f, "Quest 17", "We are grateful for your help!",
                                 "Here is 110 gold. ", "Also take this amulet. ", kTownFameX),
                },
                {
                    .quest = 31,
                    .slot = 4,
                    .opening = QuestOpening::AfterQuest,
                    .after = 17,
                    .offerItem = 23 /* Silver Amulet of Mercy */,
                    .acceptGold = 55,
                    .doneGold = 110,
                    .doneItem = 60 /* Silver Cuirass of the Bastion */,
                    .offer = Offer(80, 8.1f, 2.15f, "Quest 31",
                                   {"To the northwest of our town is an elite force", 275},
                                   {"which is guarding great treasure. ", 300},
                                   {"Make us feel safer and keep the treasure. ", 325}),
                    .accepted =
                        Accepted("Quest 31", "I'm giving you 55 gold. ", "Also take this amulet."),
                    .running = Running(6.3f, 1.5f, "Quest 31",
                                       "Good luck with attacking the enemy. ", 188),
                    .done = Done(5.1f, "Quest 31", "We are grateful for your help!",
                                 "Here is 110 gold. ", "Also take this armor. ", kTownFameX),
                },
            },
        .join = Join("The town of Cebula decided to join you!", kTownBenefits),
        .nobody = kNobody,
    },
    // ---- Town 2, Rabarbar. Quest 3 comes with the new game; the pass takes quest 16 first.
    {
        .kind = PlaceKind::Town,
        .number = 2,
        .quests =
            {
                {
                    .quest = 16,
                    .slot = 1,
                    .opening = QuestOpening::AfterQuest,
                    .after = 3,
                    .offerItem = 129 /* Steel Boots of the Road */,
                    .acceptGold = 50,
                    .doneGold = 100,
                    .doneItem = 231 /* Iron Buckler of the Guard */,
                    .offer = Offer(130, 6.1f, 2.1f, "Quest 16",
                                   {"Attack the bandits south of our town.", 270},
                                   {"Trade is bad because of them.", 300},
                                   {"Many volunteers will help you.", 330}),
                    .accepted =
                        Accepted("Quest 16", "I'm giving you 50 gold ", "Also take these shoes "),
                    .running =
                        Running(6.3f, 1.5f, "Quest 16", "Good luck with attacking the bandits. "),
                    .done = Done(5.1f, "Quest 16", "We are grateful for your help!",
                                 "Here is 100 gold. ", "Also take this shield ! ", kTownFameX),
                },
                {
                    .quest = 3,
                    .slot = 0,
                    .opening = QuestOpening::Elsewhere,
                    .offerItem = 139 /* Iron Gloves of the Grip */,
                    .acceptGold = 40,
                    .doneGold = 100,
                    .doneItem = 1 /* Bronze Amulet of Health */,
                    .offer = Offer(130, 5.8f, 1.6f, "Quest 3",
                                   {"Attack the bandits east of our town.", 270},
                                   {"They are holding a hero prisoner.", 300}),
                    .accepted =
                        Accepted("Quest 3", "I'm giving you 40 gold ", "Also take these gloves "),
                    .running = Running(6.3f, 1.5f, "Quest 3", "Good luck with freeing the hero. "),
                    .done = Done(5.0f, "Quest 3", "We are grateful for your help!",
                                 "Here is 100 gold ", "Also take this amulet ", kTownFameX),
                },
                {
                    .quest = 25,
                    .slot = 2,
                    .opening = QuestOpening::AfterQuest,
                    .after = 16,
                    .offerItem = 9 /* Bronze Amulet of Spring */,
                    .acceptGold = 54,
                    .doneGold = 110,
                    .doneItem = 230 /* Iron Buckler of the Guard */,
                    .offer = Offer(130, 6.1f, 2.1f, "Quest 25",
                                   {"Can you find our shield which was", 270},
                                   {"stolen a while ago. We will be ", 300},
                                   {"glad if you ever find it.", 330}),
                    .accepted =
                        Accepted("Quest 25", "I'm giving you 54 gold. ", "Also take this amulet. "),
                    .running =
                        Running(6.3f, 1.5f, "Quest 25", "Good luck with finding the shield. "),
                    .done = Done(6.92f, "Quest 25", "We are grateful for your help!",
                                 "Here is 110 gold. ", "We are giving you the shield you found! ",
                                 kTownFameX),
                },
                {
                    .quest = 30,
                    .slot = 3,
                    .opening = QuestOpening::AfterQuest,
                    .after = 25,
                    .offerItem = 188 /* Bronze Ring of Endurance */,
                    .acceptGold = 60,
                    .doneGold = 114,
                    .doneItem = 74 /* Bronze Cuirass of Defence */,
                    .offer = Offer(130, 6.1f, 2.1f, "Quest 30",
                                   {"Can you find our armor which was", 270},
                                   {"stolen a while ago. We will be ", 300},
                                   {"glad if you ever find it.", 330}),
                    .accepted =
                        Accepted("Quest 30", "I'm giving you 60 gold. ", "Also take this ring. "),
                    .running =
                        Running(6.3f, 1.5f, "Quest 30", "Good luck with finding the armor. "),
                    .done = Done(6.92f, "Quest 30", "We are grateful for your help!",
                                 "Here is 114 gold. ", "We are giving you the armor you found! ",
                                 kTownFameX),
                },
                {
                    .quest = 43,
                    .slot = 4,
                    .opening = QuestOpening::AfterQuest,
                    .after = 30,
                    .offerItem = 13 /* Silver Amulet of Health */,
                    .acceptGold = 70,
                    .doneGold = 120,
                    .doneItem = 234 /* Bronze Blade of Fury */,
                    .offer =
                        Offer(30, 9.1f, 2.1f, "Quest 43",
                              {"Nearby there is a loud and rowdy group of bandits.", 270},
                              {"The worst part is that they are extremely strong. ", 300},
                              {"Can you find them and bring back the sword they have?", 330, 590}),
                    .accepted =
                        Accepted("Quest 43", "I'm giving you 70 gold. ", "Also take this amulet. "),
                    .running =
                        Running(6.3f, 1.5f, "Quest 43", "Good luck with finding the sword. "),
                    .done = Done(6.92f, "Quest 43", "We are grateful for your help!",
                                 "Here is 120 gold. ", "We are giving you the sword you found! ",
                                 kTownFameX),
                },
            },
        .join = Join("The town of Rabarbar decided to join you!", kTownBenefits),
        .nobody = kNobody,
        .nobodyWhile = kNobodyTryZiemniak,
        .whileQuest = 8,
        .whileBelow = kQuestAchieved,
    },
    // ---- Town 3, Ziemniak
    {
        .kind = PlaceKind::Town,
        .number = 3,
        .quests =
            {
                {
                    .quest = 8,
                    .slot = 0,
                    .opening = QuestOpening::AtOnce,
                    .acceptGold = 40,
                    .doneGold = 80,
                    .doneItem = 156 /* Iron Ring of Vigour */,
                    .offer = Offer(130, 5.8f, 1.6f, "Quest 8",
                                   {"Our elders lost the scroll of laws.", 270},
                                   {"Please find it for us.", 300}),
                    .accepted =
                        NoItem(Accepted("Quest 8", "I'm giving you 40 gold. ",
                                        "We think it is near our town. ")),
                    .running = Running(6.3f, 1.5f, "Quest 8", "Where is our scroll? "),
                    .done = Done(5.0f, "Quest 8", "We are grateful for your help!",
                                 "Here is 80 gold ", "Also take this ring", kTownFameX),
                },
                {
                    .quest = 27,
                    .slot = 1,
                    .opening = QuestOpening::AfterQuest,
                    .after = 8,
                    .offerItem = 8 /* Bronze Amulet of the Hearth */,
                    .acceptGold = 45,
                    .doneGold = 86,
                    .doneItem = 102 /* Steel Leggings of the Road */,
                    .offer = Offer(130, 6.8f, 1.6f, "Quest 27",
                                   {"Southwest of our town is the gang of 10.", 270},
                                   {"Can you please make them leave?", 300}),
                    .accepted =
                        Accepted("Quest 27", "I'm giving you 45 gold. ", "Also take this amulet. "),
                    .running = Running(6.3f, 1.5f, "Quest 27", "Attack the gang of 10. "),
                    .done = Done(5.0f, "Quest 27", "We are grateful for your help!",
                                 "Here is 86 gold. ", "Also take these pants.", kTownFameX),
                },
                {
                    .quest = 33,
                    .slot = 2,
                    .opening = QuestOpening::AfterQuest,
                    .after = 27,
                    .offerItem = 98 /* Bronze Belt of Strength */,
                    .acceptGold = 50,
                    .doneGold = 90,
                    .doneItem = 54 /* Steel Helm of Sentries */,
                    .offer =
                        Offer(130, 6.8f, 1.6f, "Quest 33", {"Near our town are red heads.", 270},
                              {"Can you please make them leave?", 300}),
                    .accepted =
                        Accepted("Quest 33", "I'm giving you 50 gold. ", "Also take this belt. "),
                    .running = Running(6.3f, 1.5f, "Quest 33", "Attack the red heads. "),
                    .done = Done(5.0f, "Quest 33", "We are grateful for your help!",
                                 "Here is 90 gold. ", "Also take this helmet..", kTownFameX),
                },
                {
                    .quest = 37,
                    .slot = 3,
                    .opening = QuestOpening::AfterQuest,
                    .after = 33,
                    .offerItem = 165 /* Golden Ring of Giants */,
                    .acceptGold = 60,
                    .doneGold = 100,
                    .doneItem = 59 /* Bronze Cuirass of the Bastion */,
                    .offer =
                        Offer(130, 6.8f, 1.6f, "Quest 37", {"Please find our iron armor.", 270},
                              {"Will you find it for us?", 300}),
                    .accepted =
                        Accepted("Quest 37", "I'm giving you 60 gold. ", "Also take this ring. "),
                    .running = Running(6.3f, 1.5f, "Quest 37", "Please find our iron armor. "),
                    .done = Done(5.7f, "Quest 37", "We are grateful for your help!",
                                 "Here is 100 gold. ", "Also keep the armor you found!",
                                 kTownFameX),
                },
                {
                    .quest = 38,
                    .slot = 4,
                    .opening = QuestOpening::AfterQuest,
                    .after = 37,
                    .offerItem = 190 /* Golden Ring of Giants */,
                    .acceptGold = 62,
                    .doneGold = 110,
                    .doneItem = 248 /* Steel Sword of Wrath */,
                    .offer =
                        Offer(130, 6.8f, 1.6f, "Quest 38", {"We can't find our iron sword.", 270},
                              {"Will you find it for us?", 300}),
                    .accepted =
                        Accepted("Quest 38", "I'm giving you 62 gold. ", "Also take this ring. "),
                    .running = Running(6.3f, 1.5f, "Quest 38", "Please find our iron sword. "),
                    .done = Done(5.7f, "Quest 38", "We are grateful for your help!",
                                 "Here is 110 gold. ", "Also keep the sword you found!",
                                 kTownFameX),
                },
            },
        .join = Join("The town of Ziemniak decided to join you!", kTownBenefits),
        .nobody = kNobody,
    },
    // ---- Town 4, Moja
    {
        .kind = PlaceKind::Town,
        .number = 4,
        .quests =
            {
                {
                    .quest = 7,
                    .slot = 0,
                    .opening = QuestOpening::AtOnce,
                    .offerItem = 141 /* Iron Gloves of the Grip */,
                    .acceptGold = 40,
                    .doneGold = 80,
                    .doneItem = 37 /* Iron Helm of the Watch */,
                    .offer =
                        Offer(130, 5.8f, 1.6f, "Quest 7", {"Bring back our axe and we shall", 270},
                              {"be very happy.", 300}),
                    .accepted =
                        Accepted("Quest 7", "I'm giving you 40 gold. ", "Also take these gloves. "),
                    .running = Running(6.3f, 1.5f, "Quest 7", "Where is our axe? "),
                    .done = Done(5.0f, "Quest 7", "We are grateful for your help!",
                                 "Here is 80 gold ", "Also take this helmet", kTownFameX),
                },
                {
                    .quest = 18,
                    .slot = 1,
                    .opening = QuestOpening::AfterQuest,
                    .after = 7,
                    .offerItem = 134 /* Bronze Boots of Speed */,
                    .acceptGold = 40,
                    .doneGold = 100,
                    .doneItem = 173 /* Bronze Ring of Endurance */,
                    .offer =
                        Offer(130, 6.1f, 1.6f, "Quest 18", {"Bring back our purple vase and ", 270},
                              {"we shall reward you.", 300}),
                    .accepted =
                        Accepted("Quest 18", "I'm giving you 40 gold. ", "Also take these shoes. "),
                    .running = Running(6.3f, 1.5f, "Quest 18", "Where is our vase? "),
                    .done = Done(5.1f, "Quest 18", "We are grateful for your help!",
                                 "Here is 100 gold. ", "Also take this ring ! ", kTownFameX),
                },
                {
                    .quest = 32,
                    .slot = 2,
                    .opening = QuestOpening::AfterQuest,
                    .after = 18,
                    .offerItem = 10 /* Bronze Amulet of Dawn */,
                    .acceptGold = 50,
                    .doneGold = 105,
                    .doneItem = 109 /* Steel Leggings of the Road */,
                    .offer = Offer(130, 6.1f, 2.1f, "Quest 32",
                                   {"We just found out that the 7 evil ", 270},
                                   {"brothers are near our town. ", 300},
                                   {"Will you chase them away? ", 330}),
                    .accepted =
                        Accepted("Quest 32", "I'm giving you 50 gold. ", "Also take this amulet. "),
                    .running = Running(6.3f, 1.5f, "Quest 32", "Attack the 7 evil brothers. "),
                    .done = Done(5.1f, "Quest 32", "We are grateful for your help!",
                                 "Here is 105 gold. ", "Also take these pants ! ", kTownFameX),
                },
                {
                    .quest = 44,
                    .slot = 3,
                    .opening = QuestOpening::AfterQuest,
                    .after = 32,
                    .offerItem = 160 /* Silver Ring of Heroes */,
                    .acceptGold = 60,
                    .doneGold = 110,
                    .doneItem = 92 /* Steel Belt of Strength */,
                    .offer =
                        Offer(130, 6.1f, 2.1f, "Quest 44", {"To the east of our town is  ", 270},
                              {"a group of greedy bandits. ", 300},
                              {"Will you chase them away? ", 330}),
                    .accepted =
                        Accepted("Quest 44", "I'm giving you 60 gold. ", "Also take this ring. "),
                    .running = Running(6.3f, 1.5f, "Quest 44", "Attack the greedy bandits. "),
                    .done = Done(5.1f, "Quest 44", "We are grateful for your help!",
                                 "Here is 110 gold. ", "Also take this belt. ", kTownFameX),
                },
                {
                    .quest = 46,
                    .slot = 4,
                    .opening = QuestOpening::AfterQuest,
                    .after = 44,
                    .offerItem = 162 /* Silver Ring of Heroes */,
                    .acceptGold = 65,
                    .doneGold = 120,
                    .doneItem = 63 /* Silver Cuirass of Bulwarks */,
                    .offer = Offer(130, 6.1f, 2.1f, "Quest 46",
                                   {"Can you find the special armor  ", 270},
                                   {"which was stolen from our vault? ", 300},
                                   {"We may let you keep it. ", 330}),
                    .accepted =
                        Accepted("Quest 46", "I'm giving you 65 gold. ", "Also take this ring. "),
                    .running = Running(6.3f, 1.5f, "Quest 46", "Attack the greedy bandits. "),
                    .done = WithText(Done(6.9f, "Quest 46", "We are grateful for your help!",
                                          "Here is 120 gold. ",
                                          "We are giving you the armor you found. ", kTownFameX),
                                     2,
                                     At("We are giving you the armor you found. ", 180, 200, 420)),
                },
            },
        .join = Join("The town of Moja decided to join you!", kTownBenefits),
        .nobody = kNobody,
    },
};

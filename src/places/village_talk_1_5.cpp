// The quests and the talk of villages 1 to 5: Kapusta, Burak, the Iron
// Village, Balon and Trawa. One row a quest, one line a box. Every text
// stands as the villagers say it, stray spaces and slips included.
//
// Kapusta hands its quests out along one chain (1, 2, 5, 11, 34), so its
// rows follow the chain, not the slots; quest 5 also waits until quest 3 or
// quest 4 has been achieved somewhere in the kingdom. Its first quest opens
// with the first Talk of a visit.

#include "game/game_state.h"
#include "places/talk_tables.h"

using namespace talk;

namespace {

// An offer box at (130, 230): the heading at (155, 240), the lines 500
// wide from y 270 down, 30 pixels apart.
constexpr TalkBox Offer(float scaleX, float scaleY, const char* heading, const char* l1,
                        const char* l2 = nullptr, const char* l3 = nullptr) {
  return MakeBox(130, 230, scaleX, scaleY, Head(heading, 155, 240), At(l1, 155, 270, 500),
                 At(l2, 155, 300, 500), At(l3, 155, 330, 500));
}
// Kapusta's three-line offers: the lines 22 pixels apart.
constexpr TalkBox OfferTight(float scaleX, float scaleY, const char* heading, const char* l1,
                             const char* l2, const char* l3) {
  return MakeBox(130, 230, scaleX, scaleY, Head(heading, 155, 240), At(l1, 155, 270, 500),
                 At(l2, 155, 292, 500), At(l3, 155, 314, 500));
}
// Kapusta's later accepted boxes: "Fame +1 " right under the lines, the
// item below it.
constexpr TalkBox AcceptedItemBelow(const char* heading, const char* l1, const char* l2) {
  return WithItem(WithFame(Accepted(heading, l1, l2), 190, 200), 190, 250);
}
// Kapusta's first quest pays gold only.
constexpr TalkBox AcceptedNoItem(const char* heading, const char* l1, const char* l2) {
  return NoItem(WithFame(Accepted(heading, l1, l2), 190, 200));
}
// A running box at (x, 300): the heading at (headingX, 320), the line at
// (lineX, 350).
constexpr TalkBox RunningAt(int16_t x, float scaleX, float scaleY, const char* heading,
                            int16_t headingX, const char* line, int16_t lineX, int16_t lineW) {
  return MakeBox(x, 300, scaleX, scaleY, Head(heading, headingX, 320), At(line, lineX, 350, lineW));
}

// Nobody to talk to: three lines in the heading colour.
constexpr TalkBox Nobody(const char* l2, int16_t w2, const char* l3, int16_t w3) {
  return MakeBox(130, 230, 6.6f, 2.0f, TalkText{},
                 At("Nobody to talk to around here.", 165, 256, 300, 30), At(l2, 165, 281, w2, 30),
                 At(l3, 165, 306, w3, 30));
}
constexpr TalkBox kNobodyHere = Nobody("There are no more quests in ", 400, "this village.", 300);
// Kapusta, while its shoe thieves (quest 11) are still about.
constexpr TalkBox kNobodyYet =
    Nobody("Try solving quests from other places", 400, "and then come back here.", 300);

}  // namespace

// clang-format off
const PlaceTalk kVillageTalk1to5[5] = {
    // ---- Village 1, Kapusta: slots 0 to 4 hold quests 2, 5, 1, 11 and 34.
    {
        .kind = PlaceKind::Village,
        .number = 1,
        .quests = {
            {
                .quest = 1, .slot = 2, .opening = QuestOpening::OnVisitDay,
                .offerItem = 0, .acceptGold = 20, .doneGold = 50, .doneItem = 12,
                .offer = Offer(5.8f, 1.7f, "Quest 1", "Find the nearby apple tree and", "bring back some fresh apples."),
                .accepted = AcceptedNoItem("Quest 1", "We are giving you 20 gold ", "for accepting this task. "),
                .running = RunningAt(150, 5.0f, 1.5f, "Quest 1", 190, "Go to the apple tree. ", 190, 400),
                .done = Done(5.0f, "Quest 1", "We are grateful for your help!", "Here is 50 gold. ", "Also take this amulet. ", 180),
            },
            {
                .quest = 2, .slot = 0, .opening = QuestOpening::AfterQuest, .after = 1,
                .offerItem = 127, .acceptGold = 30, .doneGold = 100, .doneItem = 151,
                .offer = Offer(5.8f, 1.7f, "Quest 2", "Attack the raiding party north of us."),
                .accepted = Accepted("Quest 2", "I'm giving you 30 gold ", "Also take these shoes "),
                .running = Running(6.3f, 1.7f, "Quest 2", "The raiding party is still north of us. "),
                .done = Done(5.0f, "Quest 2", "We are grateful for your help!", "Here is 100 gold. ", "Also take this ring. "),
            },
            {
                .quest = 5, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 2, .alsoQuest = {3, 4}, .alsoStage = kQuestAchieved,
                .offerItem = 247, .acceptGold = 80, .doneGold = 110, .doneItem = 99,
                .offer = Offer(5.8f, 1.7f, "Quest 5", "Our volunteers will help you.", "to free the gold mine."),
                .accepted = AcceptedItemBelow("Quest 5", "I'm giving you 80 gold ", "Also take this sword "),
                .running = RunningAt(150, 5.0f, 2.0f, "Quest 5", 190, "Free the gold mine. ", 190, 400),
                .done = Done(5.0f, "Quest 5", "We are grateful for your help!", "Here is 110 gold .", "Also take these pants. ", 180),
            },
            {
                .quest = 11, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 5,
                .offerItem = 159, .acceptGold = 60, .doneGold = 100, .doneItem = 136,
                .offer = OfferTight(6.5f, 1.9f, "Quest 11", "Go to the north and west where ", "the shoe thieves live. ", "Defeat them and we will give you shoes."),
                .accepted = AcceptedItemBelow("Quest 11", "I'm giving you 60 gold ", "Also take this ring "),
                .running = RunningAt(150, 5.0f, 1.5f, "Quest 11", 190, "Attack the shoe thieves. ", 190, 400),
                .done = Done(5.0f, "Quest 11", "We are grateful for your help!", "Here is 100 gold. ", "Also take these shoes. ", 180),
            },
            {
                .quest = 34, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 11,
                .offerItem = 167, .acceptGold = 65, .doneGold = 115, .doneItem = 148,
                .offer = OfferTight(6.4f, 1.9f, "Quest 34", "We heard that northwest of us ", "is an elite army guarding a chest ", "with a special armor. We will help. "),
                .accepted = AcceptedItemBelow("Quest 34", "I'm giving you 65 gold ", "Also take this ring "),
                .running = RunningAt(30, 8.6f, 1.5f, "Quest 34", 60, "Attack the elite infantry guarding a chest with armor. ", 60, 600),
                .done = Done(5.0f, "Quest 34", "We are grateful for your help!", "Here is 115 gold. ", "Also take these gloves. ", 180),
            },
        },
        .join = Join("The village of Kapusta decided to join you!", kVillageBenefits),
        .nobody = kNobodyHere,
        .nobodyWhile = kNobodyYet,
        .whileQuest = 11,
        .whileBelow = kQuestAchieved,
    },
    // ---- Village 2, Burak: slots 0 to 4 hold quests 29, 42, 50, 54 and 59.
    {
        .kind = PlaceKind::Village,
        .number = 2,
        .quests = {
            {
                .quest = 29, .slot = 0, .opening = QuestOpening::AtOnce,
                .offerItem = 87, .acceptGold = 30, .doneGold = 60, .doneItem = 112,
                .offer = Offer(5.95f, 2.1f, "Quest 29", "Our garden to the southwest", "is occupied by our enemy. ", "Can you free our garden?"),
                .accepted = Accepted("Quest 29", "I'm giving you 30 gold. ", "Also take this belt. "),
                .running = Running(6.3f, 1.5f, "Quest 29", "Take back the garden. "),
                .done = Done(5.0f, "Quest 29", "Thank you for your help!", "Here is 60 gold. ", "Also take these pants. "),
            },
            {
                .quest = 42, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 29,
                .offerItem = 24, .acceptGold = 36, .doneGold = 70, .doneItem = 185,
                .offer = Offer(5.95f, 2.1f, "Quest 42", "Veteran army is guarding 200 gold", "south of our town. ", "Will you attack them?"),
                .accepted = Accepted("Quest 42", "I'm giving you 36 gold. ", "Also take this amulet. "),
                .running = Running(6.3f, 1.5f, "Quest 42", "Attack the army guarding 200 gold. "),
                .done = Done(5.0f, "Quest 42", "Thank you for your help!", "Here is 70 gold. ", "Also take this ring. "),
            },
            {
                .quest = 50, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 42,
                .offerItem = 143, .acceptGold = 41, .doneGold = 72, .doneItem = 124,
                .offer = Offer(5.95f, 2.1f, "Quest 50", "Red warriors are near our town", "and there is a rumor that they ", "have a shield in their treasure chest."),
                .accepted = Accepted("Quest 50", "I'm giving you 41 gold. ", "Also take these gloves. "),
                .running = Running(6.3f, 1.5f, "Quest 50", "Attack the red warriors. "),
                .done = Done(5.0f, "Quest 50", "Thank you for your help!", "Here is 72 gold. ", "Also take these pants. "),
            },
            {
                .quest = 54, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 50,
                .offerItem = 170, .acceptGold = 45, .doneGold = 80, .doneItem = 56,
                .offer = Offer(5.95f, 2.1f, "Quest 54", "Can you find and defeat the large.", "and elite force guarding 600 gold. ", "We will help you."),
                .accepted = Accepted("Quest 54", "I'm giving you 45 gold. ", "Also take this ring. "),
                .running = Running(6.3f, 1.5f, "Quest 54", "Attack the elite force with 600 gold.. "),
                .done = Done(5.0f, "Quest 54", "Thank you for your help!", "Here is 80 gold. ", "Also take this helmet. "),
            },
            {
                .quest = 59, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 54,
                .offerItem = 135, .acceptGold = 50, .doneGold = 100, .doneItem = 77,
                .offer = Offer(5.95f, 2.1f, "Quest 59", "There is a precious armor", "near our village.  Can you ", "bring it back to us?"),
                .accepted = Accepted("Quest 59", "I'm giving you 50 gold. ", "Also take these shoes! "),
                .running = Running(6.3f, 1.5f, "Quest 59", "Bring the precious armor. "),
                .done = Done(5.8f, "Quest 59", "Thank you for your help!", "Here is 100 gold. ", "Also keep the armor you found! "),
            },
        },
        .join = Join("The village of Burak decided to join you!", kVillageBenefits),
        .nobody = kNobodyHere,
    },
    // ---- Village 3, the Iron Village: slots 0 to 4 hold quests 28, 36, 39, 47 and 51.
    {
        .kind = PlaceKind::Village,
        .number = 3,
        .quests = {
            {
                .quest = 28, .slot = 0, .opening = QuestOpening::AtOnce,
                .offerItem = 47, .acceptGold = 30, .doneGold = 70, .doneItem = 71,
                .offer = Offer(5.95f, 2.1f, "Quest 28", "We will help you to take back", "the iron mine. Are you ", "interested?"),
                .accepted = Accepted("Quest 28", "I'm giving you 30 gold. ", "Also take this helmet. "),
                .running = Running(6.3f, 1.7f, "Quest 28", "Take back the iron mine. "),
                .done = Done(5.0f, "Quest 28", "Thank you for your help!", "Here is 70 gold. ", "Also take this armor. "),
            },
            {
                .quest = 36, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 28,
                .offerItem = 184, .acceptGold = 35, .doneGold = 78, .doneItem = 142,
                .offer = Offer(5.95f, 2.1f, "Quest 36", "Northwest of our village is ", "a small enemy force. We will help ", "you because they are fierce! "),
                .accepted = Accepted("Quest 36", "I'm giving you 35 gold. ", "Also take this ring. "),
                .running = Running(6.7f, 1.7f, "Quest 36", "Attack the fierce but small enemy force. "),
                .done = Done(5.0f, "Quest 36", "Thank you for your help!", "Here is 78 gold. ", "Also take these gloves. "),
            },
            {
                .quest = 39, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 36,
                .offerItem = 105, .acceptGold = 40, .doneGold = 90, .doneItem = 19,
                .offer = Offer(6.2f, 2.1f, "Quest 39", "Close to our village is a very ", "large army of bandits guarding", "500 gold! We will help to attack them!"),
                .accepted = Accepted("Quest 39", "I'm giving you 40 gold. ", "Also take these pants. "),
                .running = RunningAt(55, 8.0f, 1.7f, "Quest 39", 250, "Attack the very large army guarding 500 gold. ", 90, 500),
                .done = Done(5.0f, "Quest 39", "Thank you for your help!", "Here is 90 gold. ", "Also take this amulet. "),
            },
            {
                .quest = 47, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 39,
                .offerItem = 180, .acceptGold = 50, .doneGold = 100, .doneItem = 232,
                .offer = Offer(5.95f, 2.1f, "Quest 47", "North of our village is a large ", "and violent army. We will help ", "you to attack them! "),
                .accepted = Accepted("Quest 47", "I'm giving you 50 gold. ", "Also take this ring. "),
                .running = Running(6.7f, 1.7f, "Quest 47", "Attack the large and violent army. "),
                .done = Done(5.0f, "Quest 47", "Thank you for your help!", "Here is 100 gold. ", "Also take this shield. "),
            },
            {
                .quest = 51, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 47,
                .offerItem = 238, .acceptGold = 60, .doneGold = 110, .doneItem = 61,
                .offer = Offer(5.95f, 2.1f, "Quest 51", "Can you find the red armor", "which was stolen from us? ", "We may let you keep it. "),
                .accepted = Accepted("Quest 51", "I'm giving you 60 gold. ", "Also take this sword. "),
                .running = Running(6.7f, 1.7f, "Quest 51", "Find the red armor. "),
                .done = Done(5.1f, "Quest 51", "Thank you for your help!", "Here is 110 gold. ", "Keep the armor you found! "),
            },
        },
        .join = Join("The Iron Village decided to join you!", kVillageBenefits),
        .nobody = kNobodyHere,
    },
    // ---- Village 4, Balon: slots 0 to 4 hold quests 40, 48, 61, 71 and 72.
    {
        .kind = PlaceKind::Village,
        .number = 4,
        .quests = {
            {
                .quest = 40, .slot = 0, .opening = QuestOpening::AtOnce,
                .offerItem = 169, .acceptGold = 30, .doneGold = 60, .doneItem = 138,
                .offer = Offer(5.4f, 2.1f, "Quest 40", "Please look for the precious", "shoes which should be near our", "village.  Will you please?"),
                .accepted = Accepted("Quest 40", "I'm giving you 30 gold. ", "Also take this ring. "),
                .running = Running(6.1f, 1.6f, "Quest 40", "Please find the precious shoes. "),
                .done = Done(5.3f, "Quest 40", "Thank you for your help.", "Here is 60 gold. ", "Also take the shoes you found! "),
            },
            {
                .quest = 48, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 40,
                .offerItem = 93, .acceptGold = 35, .doneGold = 70, .doneItem = 11,
                .offer = Offer(6.4f, 2.1f, "Quest 48", "A large formation of the red face gang", "is close to our village. ", "Will you attack them?"),
                .accepted = Accepted("Quest 48", "I'm giving you 35 gold.", "Also take this belt."),
                .running = RunningAt(95, 8.0f, 1.5f, "Quest 48", 130, "Attack the large formation of the red face gang.", 130, 500),
                .done = Done(5.0f, "Quest 48", "Thank you for your help.", "Here is 70 gold. ", "Also take this amulet. "),
            },
            {
                .quest = 61, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 48,
                .offerItem = 100, .acceptGold = 40, .doneGold = 80, .doneItem = 222,
                .offer = Offer(5.95f, 2.1f, "Quest 61", "Can you find our shield?", "It has vanished a while ago", "and nobody can find it."),
                .accepted = Accepted("Quest 61", "I'm giving you 40 gold.", "Also take these pants."),
                .running = Running(6.6f, 1.5f, "Quest 61", "Please look for our shield. "),
                .done = Done(5.3f, "Quest 61", "Thank you for your help.", "Here is 80 gold. ", "Also take the shield you found! "),
            },
            {
                .quest = 71, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 61,
                .offerItem = 242, .acceptGold = 45, .doneGold = 90, .doneItem = 21,
                .offer = Offer(7.3f, 2.1f, "Quest 71", "Huge army of strong veteran bandits", "is getting ready to attack us! ", "We will attack them. Will you help?"),
                .accepted = Accepted("Quest 71", "I'm giving you 45 gold.", "Also take this sword."),
                .running = RunningAt(55, 8.0f, 1.5f, "Quest 71", 90, "Attack the huge army of strong veteran bandits. ", 90, 600),
                .done = Done(5.0f, "Quest 71", "Thank you for your help.", "Here is 90 gold. ", "Also take this amulet. "),
            },
            {
                .quest = 72, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 71,
                .offerItem = 168, .acceptGold = 50, .doneGold = 100, .doneItem = 39,
                .offer = Offer(5.4f, 2.1f, "Quest 72", "Can you find and bring", "us the golden helmet?", "We can't find it anywhere."),
                .accepted = Accepted("Quest 72", "I'm giving you 50 gold.", "Also take this ring."),
                .running = Running(5.4f, 1.5f, "Quest 72", "Find the golden helmet. "),
                .done = Done(5.0f, "Quest 72", "We thank you for your help.", "Here is 100 gold. ", "Keep the helmet you found! "),
            },
        },
        .join = Join("The village of Balon decided to join you!", kVillageBenefits),
        .nobody = kNobodyHere,
    },
    // ---- Village 5, Trawa: slots 0 to 4 hold quests 52, 66, 69, 73 and 74.
    {
        .kind = PlaceKind::Village,
        .number = 5,
        .quests = {
            {
                .quest = 52, .slot = 0, .opening = QuestOpening::AtOnce,
                .offerItem = 145, .acceptGold = 30, .doneGold = 60, .doneItem = 191,
                .offer = Offer(5.4f, 2.1f, "Quest 52", "Please look for the precious", "ring which should be near our", "village.  Will you please?"),
                .accepted = Accepted("Quest 52", "I'm giving you 30 gold. ", "Also take these gloves. "),
                .running = Running(6.1f, 1.6f, "Quest 52", "Please find the precious ring. "),
                .done = Done(5.3f, "Quest 52", "Thank you for your help.", "Here is 60 gold. ", "Also take the ring you found! "),
            },
            {
                .quest = 66, .slot = 1, .opening = QuestOpening::AfterQuest, .after = 52,
                .offerItem = 36, .acceptGold = 35, .doneGold = 70, .doneItem = 125,
                .offer = Offer(5.95f, 2.1f, "Quest 66", "Attack the huge bandit camp ", "which has stolen 400 gold.  ", "Are you prepared?"),
                .accepted = Accepted("Quest 66", "I'm giving you 35 gold.", "Also take this amulet."),
                .running = RunningAt(105, 7.5f, 1.5f, "Quest 66", 140, "Attack the huge bandit camp with 400 gold.", 140, 500),
                .done = Done(5.0f, "Quest 66", "Thank you for your help.", "Here is 70 gold. ", "Also take these pants. "),
            },
            {
                .quest = 69, .slot = 2, .opening = QuestOpening::AfterQuest, .after = 66,
                .offerItem = 97, .acceptGold = 40, .doneGold = 80, .doneItem = 178,
                .offer = Offer(5.95f, 2.1f, "Quest 69", "The bandit force responsible for the ", "theft of 800 gold has been found!", "We will help you to attack them!"),
                .accepted = Accepted("Quest 69", "I'm giving you 40 gold.", "Also take this belt."),
                .running = RunningAt(105, 7.6f, 1.5f, "Quest 69", 140, "Attack the enemy force which stole 800 gold! ", 140, 500),
                .done = Done(5.3f, "Quest 69", "Thank you for your help.", "Here is 80 gold. ", "Also take this ring. "),
            },
            {
                .quest = 73, .slot = 3, .opening = QuestOpening::AfterQuest, .after = 69,
                .offerItem = 126, .acceptGold = 45, .doneGold = 90, .doneItem = 237,
                .offer = Offer(6.3f, 2.1f, "Quest 73", "A large and tough veteran force has", "been attacking us. We found their ", "hideout and will help to attack them!"),
                .accepted = Accepted("Quest 73", "I'm giving you 45 gold.", "Also take these pants."),
                .running = Running(7.2f, 1.5f, "Quest 73", "Attack the large and tough veteran force. "),
                .done = Done(5.0f, "Quest 73", "Thank you for your help.", "Here is 90 gold. ", "Also take this sword. "),
            },
            {
                .quest = 74, .slot = 4, .opening = QuestOpening::AfterQuest, .after = 73,
                .offerItem = 41, .acceptGold = 50, .doneGold = 100, .doneItem = 79,
                .offer = Offer(5.4f, 2.1f, "Quest 74", "Can you find and bring", "us the golden armor?", "We can't find it anywhere."),
                .accepted = Accepted("Quest 74", "I'm giving you 50 gold.", "Also take this helmet."),
                .running = Running(5.4f, 1.5f, "Quest 74", "Find the golden armor. "),
                .done = Done(5.0f, "Quest 74", "We thank you for your help.", "Here is 100 gold. ", "Keep the armor you found! "),
            },
        },
        .join = Join("The village of Trawa decided to join you!", kVillageBenefits),
        .nobody = kNobodyHere,
    },
};
// clang-format on

// The quests of a place, driven by its talk row (places/talk_tables.h).
//
// A step pass opens the quests whose rule holds, moves the stages on, flags
// the boxes the talk is to show and prepares what the visitor is to be paid;
// CollectReward pays it right after the pass that prepared it. A pass clears
// what an earlier pass prepared and nobody collected, so nothing is ever
// paid twice.
//
// Sound rules kept here beyond the plain stage machine:
// - every quest closed by one pass pays its own gold and item (two quests
//   done at once pay both);
// - a quest is accepted only from its offer, and each slot remembers its own
//   accepted box, so a second acceptance in one visit pays as the first;
// - a reward item is never dropped: when neither the bag nor the held-back
//   list has room for it, the quest waits (and the talk says so) until the
//   visitor comes back with room.

#include "game/game_state.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"

namespace {

// A held-back entry waits while it is non-zero and holds the item number;
// item number 0 waits under this mark instead (its number is in the copy).
constexpr uint8_t kHeldBackItemZero = 0xFF;

uint8_t SlotBit(uint8_t slot) { return uint8_t(1u << slot); }

bool Opens(const HouseScreen& h, const PlaceQuest& q) {
  switch (q.opening) {
    case QuestOpening::Elsewhere: return false;
    case QuestOpening::AtOnce: return true;
    case QuestOpening::OnVisitDay: return h.visitDay > 0;
    case QuestOpening::AfterQuest: break;
  }
  if (q.after == 0 || h.questStage[q.after - 1] != kQuestClosed) return false;
  if (q.alsoQuest[0] == 0) return true;
  for (uint8_t also : q.alsoQuest)
    if (also && h.questStage[also - 1] >= q.alsoStage) return true;
  return false;
}

int FreeBagCell(const HouseScreen& h) {
  for (int c = 0; c < kHouseBagCells; ++c)
    if (h.bag[c] == 0) return c;
  return -1;
}

// Free bag cells and free held-back places together.
int RoomForItems(const HouseScreen& h) {
  int room = 0;
  for (uint8_t cell : h.bag)
    if (cell == 0) ++room;
  for (uint8_t waiting : h.heldBack)
    if (waiting == 0) ++room;
  return room;
}

const PlaceQuest* FindQuest(const PlaceTalk& talk, uint8_t quest) {
  for (const PlaceQuest& q : talk.quests)
    if (q.quest == quest) return &q;
  return nullptr;
}

// Into the first free bag cell, else the first free held-back place.
void PlaceItem(HouseScreen& h, uint8_t n) {
  h.itemPlaced = 0;
  const int c = FreeBagCell(h);
  if (c >= 0) {
    h.bag[c] = uint8_t(n + 1);
    h.itemHeld[n] = 1;
    h.itemSlot[n] = uint8_t(c);  // the bag cell is the item's place in the record
    h.itemPlaced = 1;
    return;
  }
  h.heldBackPlaced = 0;
  h.bagFull = 1;
  for (int k = 0; k < kHeldBackEntries; ++k) {
    if (h.heldBack[k]) continue;
    h.heldBack[k] = n ? n : kHeldBackItemZero;
    h.heldBackCopy[k] = n;
    h.heldBackPlaced = 1;
    return;
  }
}

// One more item for the collection of this pass.
void PrepareItem(HouseScreen& h, uint8_t n) {
  if (!h.giveItem) {
    h.giveItem = 1;
    h.rewardItem = n;
  } else if (h.moreRewardCount < kHouseMoreRewards) {
    h.moreRewards[h.moreRewardCount++] = n;
  }
}

void PrepareGold(HouseScreen& h, uint32_t gold) {
  h.rewardGold = h.payGold ? h.rewardGold + gold : gold;
  h.payGold = 1;
}

}  // namespace

const PlaceTalk* FindPlaceTalk(PlaceKind kind, uint8_t number) {
  switch (kind) {
    case PlaceKind::Village:
      if (number >= 1 && number <= 5) return &kVillageTalk1to5[number - 1];
      if (number >= 6 && number <= 9) return &kVillageTalk6to9[number - 6];
      return nullptr;
    case PlaceKind::Town: return number >= 1 && number <= 4 ? &kTownTalk[number - 1] : nullptr;
    case PlaceKind::Palace: return &kSingleTalk[0];
    case PlaceKind::Temple: return &kSingleTalk[1];
    case PlaceKind::Castle: return &kSingleTalk[2];
    case PlaceKind::Tower: return &kSingleTalk[3];
  }
  return nullptr;
}

void HouseScreen::StepQuests() {
  if (const PlaceTalk* talk = FindPlaceTalk(placeKind, placeNumber)) StepQuests(*talk);
}

void HouseScreen::StepQuests(const PlaceTalk& talk) {
  for (uint8_t& flag : showBox) flag = 0;
  payGold = 0;
  giveItem = 0;
  moreRewardCount = 0;

  // Openings, in pass order: each sees the ones before it.
  for (const PlaceQuest& q : talk.quests)
    if (q.quest && questStage[q.quest - 1] == kQuestNotGiven && Opens(*this, q))
      questStage[q.quest - 1] = kQuestOpen;
  if (talk.openHook) talk.openHook(*this);

  int itemsPrepared = 0;
  for (const PlaceQuest& q : talk.quests) {
    if (q.quest == 0) continue;
    uint8_t& stage = questStage[q.quest - 1];
    const uint8_t bit = SlotBit(q.slot);
    if (stage == kQuestOpen) {
      currentQuest = q.quest;
      showBox[QuestBox(q.slot, kOfferBox)] = 1;
      if (q.offerItem) {
        itemPictureWanted[q.offerItem - 1] = 1;
        // The item on show, unless an earlier quest of the pass prepared
        // one to pay.
        if (!giveItem) rewardItem = uint8_t(q.offerItem - 1);
      }
    }
    if (stage == kQuestAccepted) {
      // Its acceptance is paid by the pass of the Yes answer, whose box is
      // drawn in the same frame; any later pass finds it running.
      if (justAccepted && !(acceptedShown & bit)) {
        showBox[QuestBox(q.slot, kAcceptedBox)] = 1;
        PrepareGold(*this, q.acceptGold);
        if (q.offerItem) {
          itemPictureWanted[q.offerItem - 1] = 1;
          PrepareItem(*this, uint8_t(q.offerItem - 1));
          ++itemsPrepared;
        }
      } else {
        stage = kQuestUnderWay;
      }
    }
    if (stage == kQuestUnderWay) showBox[QuestBox(q.slot, kRunningBox)] = 1;
    if (stage == kQuestAchievedSeen && talkOpen) {
      if (q.doneItem && RoomForItems(*this) < itemsPrepared + 1) {
        showBox[kNoRoomBox] = 1;  // it waits for room
      } else {
        PrepareGold(*this, q.doneGold);
        if (q.doneItem) {
          itemPictureWanted[q.doneItem - 1] = 1;
          PrepareItem(*this, uint8_t(q.doneItem - 1));
          ++itemsPrepared;
        }
        showBox[QuestBox(q.slot, kDoneBox)] = 1;
        rewardPending = 1;
        stage = kQuestClosed;
      }
    }
    if (stage == kQuestAchieved) stage = kQuestAchievedSeen;
  }

  boxCount = 0;
  for (uint8_t flag : showBox)
    if (flag) ++boxCount;
  if (boxCount == 0) showBox[kNobodyBox] = 1;
}

void HouseScreen::CollectReward(int32_t& gold) {
  if (payGold) {
    payGold = 0;
    gold += int32_t(rewardGold);
  }
  if (giveItem) {
    giveItem = 0;
    PlaceItem(*this, rewardItem);
  }
  for (int i = 0; i < moreRewardCount; ++i) PlaceItem(*this, moreRewards[i]);
  moreRewardCount = 0;
}

bool HouseScreen::AcceptQuest(GameState& state) {
  const PlaceTalk* talk = FindPlaceTalk(placeKind, placeNumber);
  if (talk) return AcceptQuest(state, *talk);
  const PlaceTalk none{};
  return AcceptQuest(state, none);
}

bool HouseScreen::AcceptQuest(GameState& state, const PlaceTalk& talk) {
  if (currentQuest == 0 || questStage[currentQuest - 1] != kQuestOpen) return true;
  const PlaceQuest* q = FindQuest(talk, currentQuest);
  if (q && q->offerItem && RoomForItems(*this) == 0) {
    showBox[kOfferNoRoomBox] = 1;
    return false;
  }
  questStage[currentQuest - 1] = kQuestAccepted;
  ++state.fame;
  return true;
}

// The talk of a place: the boxes its last step pass flagged, drawn from the
// place's talk row, and the notes every place shares (a full bag, items
// held back and given back). The drawer decides nothing about the quests;
// it writes only acceptAsked (an offer is up, so the Accept question is),
// acceptedShown (the accepted box of a slot has been seen) and fameGain (a
// done box asks for its fame point, once a visit).

#include "game/game_state.h"
#include "places/house_art.h"
#include "places/house_draw.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"
#include "platform/sprite_sheet.h"

using namespace talk;

namespace {

constexpr const char* kBagFullLine1 = "Your bag is full. Come back at any time";
constexpr const char* kBagFullLine2 = "to pick up your stuff.";

constexpr TalkBox kBagFullAfterThanks =
    MakeBox(130, 350, 6.6f, 1.2f, TalkText{}, At(kBagFullLine1, 155, 360, 500),
            At(kBagFullLine2, 155, 390, 500));
constexpr TalkBox kBagFullAfterAccepting =
    MakeBox(130, 430, 6.6f, 2.4f, TalkText{}, At(kBagFullLine1, 155, 470, 500),
            At(kBagFullLine2, 155, 500, 500));
constexpr TalkBox kStillHoldingBox =
    MakeBox(150, 470, 5.0f, 1.8f, TalkText{}, At("Still holding stuff for you.", 190, 490),
            At("Your bag is full.", 190, 520));
constexpr TalkBox kGivenBackOne =
    MakeBox(150, 0, 6.5f, 1.9f, TalkText{}, At("Since there was room in your bag ", 190, 40),
            At("you get your item back. ", 190, 70));
constexpr TalkBox kGivenBackAll =
    WithText(kGivenBackOne, 1, At("you get all your items back. ", 190, 70));
constexpr TalkBox kBagFilled =
    MakeBox(150, 0, 7.0f, 3.8f, TalkText{}, At("Gave you some stuff back", 190, 40),
            At("and your bag got filled up ", 190, 70));
constexpr TalkBox kStillHoldingOne =
    MakeBox(150, 0, 5.0f, 3.8f, TalkText{}, At("Still holding one item.", 190, 40));
constexpr TalkBox kStillHoldingAll =
    WithText(kStillHoldingOne, 0, At("Still holding your items.", 190, 40));
// A reward that found no room at all: the quest waits for the next visit.
constexpr TalkBox kNoRoomNote = MakeBox(
    130, 500, 7.3f, 1.5f, TalkText{}, At("Your bag is full and we hold all we can.", 155, 515, 500),
    At("Make room, then come back for your reward.", 155, 545, 500));
// Yes to an offer whose item found no room: nothing is earned yet.
constexpr TalkBox kOfferNoRoomNote =
    WithText(kNoRoomNote, 1, At("Make room in your bag, then come back.", 155, 545, 500));
constexpr TalkBox kAcceptQuestion =
    MakeBox(190, 370, 3.5f, 1.9f, TalkText{}, At("Accept?", 264, 390, 500));

enum class Ink { Body, Heading };

void Picture(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y) {
  if (sheet) sheet->Draw(image, frame, x, y, house_draw::kWhite, 1.0f, 1.0f);
}

void Text(const HouseScreen& h, const TalkText& t, Ink ink) {
  if (!t.text) return;
  if (ink == Ink::Heading) house_draw::Heading(h, t.text, t.x, t.y, t.w, t.h);
  else house_draw::Line(h, t.text, t.x, t.y, t.w, t.h);
}

// The box, its heading, its lines, then the item picture (item number n,
// or none below 0) and the fame line.
void DrawBox(const HouseScreen& h, const TalkBox& b, int item = -1, Ink lineInk = Ink::Body) {
  if (b.scaleX <= 0.0f) return;
  house_draw::Box(h, b.x, b.y, b.scaleX, b.scaleY);
  Text(h, b.heading, Ink::Heading);
  for (const TalkText& line : b.lines) Text(h, line, lineInk);
  if (item >= 0 && b.itemX != kNoPicture) Picture(h.itemIcons, item, 0, b.itemX, b.itemY);
  Text(h, b.fame, Ink::Body);
}

int ItemNumber(uint8_t itemId) { return itemId ? itemId - 1 : -1; }

const PlaceQuest* QuestInSlot(const PlaceTalk& talk, int slot) {
  for (const PlaceQuest& q : talk.quests)
    if (q.quest && q.slot == slot) return &q;
  return nullptr;
}

bool AnyDoneBox(const HouseScreen& h) {
  for (int s = 0; s < kPlaceQuests; ++s)
    if (h.showBox[QuestBox(s, kDoneBox)]) return true;
  return false;
}

}  // namespace

void HouseScreen::DrawTalk() {
  if (const PlaceTalk* talk = FindPlaceTalk(placeKind, placeNumber)) DrawTalk(*talk);
}

void HouseScreen::DrawTalk(const PlaceTalk& talk) {
  if (talkOpen && bagFull && AnyDoneBox(*this)) DrawBox(*this, kBagFullAfterThanks);
  if (justAccepted && bagFull) DrawBox(*this, kBagFullAfterAccepting);

  const PlaceRow* row = Place();
  const uint8_t joiningQuest = row ? row->joiningQuest : 0;
  if (talkOpen) {
    if (showBox[kNobodyBox]) {
      const bool alternative = talk.whileQuest && questStage[talk.whileQuest - 1] < talk.whileBelow;
      DrawBox(*this, alternative ? talk.nobodyWhile : talk.nobody, -1, Ink::Heading);
      if (holdingAny) DrawBox(*this, kStillHoldingBox);
    }
    for (int s = 0; s < kPlaceQuests; ++s) {
      const PlaceQuest* q = QuestInSlot(talk, s);
      if (!q) continue;
      if (showBox[QuestBox(s, kOfferBox)]) {
        DrawBox(*this, q->offer);
        acceptAsked = 1;
      }
      if (showBox[QuestBox(s, kRunningBox)]) {
        DrawBox(*this, q->running);
        if (holdingAny) DrawBox(*this, kStillHoldingBox);
      }
      if (showBox[QuestBox(s, kDoneBox)]) {
        DrawBox(*this, q->done, ItemNumber(q->doneItem));
        if (bagFull && talk.bagFullAfterDoneSlot == s) DrawBox(*this, talk.bagFullAfterDone);
        if (q->quest == joiningQuest) DrawBox(*this, talk.join);
        if (fameGain == 0) fameGain = kFameRaised;
      }
    }
    // One note in one place: a reward that waits says so, even when an
    // offer was refused as well.
    if (showBox[kNoRoomBox]) DrawBox(*this, kNoRoomNote);
    else if (showBox[kOfferNoRoomBox]) DrawBox(*this, kOfferNoRoomNote);
    if (acceptAsked) {
      DrawBox(*this, kAcceptQuestion);
      using house_layout::kAcceptNoRect, house_layout::kAcceptYesRect;
      Picture(buttons, house_art::kButtonsYes, lookAcceptYes, kAcceptYesRect.x, kAcceptYesRect.y);
      Picture(buttons, house_art::kButtonsNo, lookAcceptNo, kAcceptNoRect.x, kAcceptNoRect.y);
    }
  }
  if (justAccepted) {
    for (int s = 0; s < kPlaceQuests; ++s) {
      const PlaceQuest* q = QuestInSlot(talk, s);
      if (!q || !showBox[QuestBox(s, kAcceptedBox)]) continue;
      DrawBox(*this, q->accepted, ItemNumber(q->offerItem));
      acceptedShown |= uint8_t(1u << s);
    }
    if (bagFull && talk.bagFullAgainAfterAccepted) DrawBox(*this, kBagFullAfterAccepting);
  }
  if (itemsReturned)
    DrawBox(*this, holdingAny ? kBagFilled : severalHeldBack ? kGivenBackAll : kGivenBackOne);
  if (stillHolding && holdingAny)
    DrawBox(*this, severalHeldBack ? kStillHoldingAll : kStillHoldingOne);
}

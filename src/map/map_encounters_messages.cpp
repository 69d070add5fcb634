// MapEncounters::DrawMessages: the text panels over the kingdom map - the
// quest-event message of the day, the outcome of an enemy march, the day
// banner, the trade refusal, the fame box, the day-and-gold box, the panel of
// a find and the bag-full panel.

#include <algorithm>
#include <cstdio>

#include "map/control_bar_picture.h"
#include "map/map_encounters.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace map_encounters {

DigitLayout CornerDayDigits(uint32_t day) {
  DigitLayout d{};
  if (day < 10) {
    d = {1, {26}, {uint8_t(day)}};
  } else if (day < 100) {
    d = {2, {17, 37}, {uint8_t(day / 10), uint8_t(day % 10)}};
  } else if (day < 1000) {
    d = {3, {7, 27, 47}, {uint8_t(day / 100), uint8_t(day / 10 % 10), uint8_t(day % 10)}};
  }
  return d;
}

DigitLayout CornerGoldDigits(uint32_t gold) {
  static const int32_t kX[6][6] = {
      {120},
      {110, 130},
      {98, 118, 138},
      {88, 108, 128, 148},
      {78, 98, 118, 138, 158},
      {78, 98, 118, 138, 158, 178},
  };
  int count = 1;
  if (gold > 99999) count = 6;
  else if (gold > 9999) count = 5;
  else if (gold > 999) count = 4;
  else if (gold > 99) count = 3;
  else if (gold > 9) count = 2;
  DigitLayout d{};
  d.count = count;
  uint32_t rest = gold;
  for (int i = count - 1; i >= 0; --i) {
    d.digit[i] = uint8_t(rest % 10);
    rest /= 10;
    d.x[i] = kX[count - 1][i];
  }
  return d;
}

DigitLayout FameDigits(int32_t fame) {
  DigitLayout d{};
  if (fame < 0 || fame >= 1000) return d;
  if (fame < 10) d = {1, {715}, {uint8_t(fame)}};
  else if (fame < 100) d = {2, {703, 723}, {uint8_t(fame / 10), uint8_t(fame % 10)}};
  else d = {3, {694, 714, 734}, {uint8_t(fame / 100), uint8_t(fame / 10 % 10), uint8_t(fame % 10)}};
  return d;
}

DigitLayout FoundGoldDigits(uint32_t gold, int32_t x) {
  DigitLayout d{};
  if (gold < 100) {
    d = {2, {x + 25, x + 50}, {uint8_t(gold / 10), uint8_t(gold % 10)}};
  } else if (gold < 1000) {
    d = {3,
         {x + 13, x + 35, x + 60},
         {uint8_t(gold / 100), uint8_t(gold / 10 % 10), uint8_t(gold % 10)}};
  } else {
    d = {4,
         {x - 13, x + 10, x + 35, x + 60},
         {uint8_t(gold / 1000 % 10), uint8_t(gold / 100 % 10), uint8_t(gold / 10 % 10),
          uint8_t(gold % 10)}};
  }
  return d;
}

}  // namespace map_encounters

namespace {

using map_encounters::DigitLayout;

constexpr uint32_t kUntinted = 0xFFFFFFFFu;
constexpr uint32_t kBody = 0xFFE6E6E6u;
constexpr uint32_t kHeaderShort = 0xFFFAA0A0u;   // "Quest 6:"
constexpr uint32_t kHeaderBlank = 0xFFF0A0A0u;   // "Quest 77: "
constexpr uint32_t kLoseFame = 0xFFE6C8C8u;      // "You lose 3 fame."
constexpr uint32_t kHelpedReward = 0xFFC8C8E6u;  // "+3 fame and +200 gold  "
constexpr uint32_t kReward = 0xFFC8C8FAu;        // the other reward lines
constexpr uint32_t kBanner = 0xFF14E614u;        // "Day " and its number

constexpr int kBack = 7;
constexpr int kGold = 3;
constexpr int kDigits = 8;
constexpr int kDayAndGold = 32;
constexpr int kFame = 33;
constexpr int kMouse = 34;
constexpr int kMapBox = 35;
constexpr int kControlBox = 36;

enum Header : uint8_t { kNoHeader, kShortHeader, kBlankHeader, kBodyHeader };

struct QuestMessage {
  uint8_t number;
  int32_t panelX, panelY;
  float scaleX, scaleY;
  int32_t textX, textY;
  int32_t enterX, enterY;  // enterX -1: at the text's x; enterY 0: no line
  Header header;
  const char* lines[7];
};

// clang-format off
const QuestMessage kQuestMessages[36] = {
    {1, 175, 150, 6.8f, 3.8f, 201, 170, -1, 350, kShortHeader, {"Quest 6:", "A very strong enemy force is heading", "towards the Pajaca Palace. The Queen", "asks you to defeat them and promises", "help from the palace guards."}},
    {2, 175, 150, 5.5f, 3.1f, 201, 170, -1, 300, kNoHeader, {"The enemy is slowly moving", "towards the palace. "}},
    {3, 175, 120, 6.7f, 4.5f, 201, 140, -1, 350, kBlankHeader, {"Quest 77: ", "Scouts have reported seeing a large ", "army being formed in the desert.  ", "The Desert Village is in danger of", "being attacked. They think that the", "enemy army will start moving in 4 days! "}},
    {4, 175, 150, 6.4f, 3.5f, 201, 170, -1, 330, kNoHeader, {"A very strong enemy force is", "heading towards the Desert Village.", "The merchants ask you defeat them ", "and promise help with volunteers."}},
    {5, 175, 150, 5.5f, 3.1f, 201, 170, -1, 300, kNoHeader, {"The enemy is slowly moving", "towards the Desert Village. "}},
    {6, 175, 120, 6.6f, 4.2f, 201, 140, -1, 330, kBlankHeader, {"Quest 78: ", "The Little Village is in danger ", "of being attacked by the tribes.  ", "The enemy is expected to start", "marching in 1 week!"}},
    {7, 175, 150, 6.4f, 3.5f, 201, 170, -1, 330, kNoHeader, {"A very strong enemy force is", "heading towards the Little Village.", "The peasants ask you defeat them ", "and promise help with volunteers."}},
    {8, 175, 150, 5.5f, 3.1f, 201, 170, -1, 300, kNoHeader, {"The enemy is slowly moving", "towards the Little Village. "}},
    {9, 125, 120, 7.4f, 4.2f, 151, 140, -1, 330, kBlankHeader, {"Quest 80: ", "A new enemy army has formed in the desert. ", "They walk at night and stay hidden until ", "their force reaches the destination.", "They will reach Mountain village in 1 week!"}},
    {10, 200, 120, 4.4f, 1.1f, 260, 143, -1, 0, kBodyHeader, {"Enemy Attacks!"}},
    {11, 125, 120, 7.5f, 4.2f, 151, 140, -1, 330, kBlankHeader, {"Quest 84: ", "The enemy also has plans on attacking   ", "the Desert Village. You must have armies   ", "inside the village to help with the defence! ", "They will reach the Desert Village in 1 week!"}},
    {12, 125, 120, 7.5f, 4.2f, 151, 140, -1, 330, kBlankHeader, {"Quest 86: ", "Bandits are taking advantage of all these", "invasions. They are planning to attack the", "Burak Village in 8 days! You must occupy", "the village in order to defend it!"}},
    {13, 140, 120, 5.5f, 2.3f, 160, 140, -1, 230, kNoHeader, {"The enemy army will attack ", "the Mountain Village tomorrow!"}},
    {14, 140, 120, 5.5f, 2.3f, 160, 140, -1, 230, kNoHeader, {"The enemy army will attack ", "the Desert Village tomorrow!"}},
    {15, 140, 120, 5.5f, 2.3f, 160, 140, -1, 230, kNoHeader, {"The enemy army will attack ", "the Burak Village in 2 days!"}},
    {16, 140, 120, 5.5f, 2.3f, 160, 140, -1, 230, kNoHeader, {"The enemy army will attack ", "the Burak Village tomorrow!"}},
    {17, 125, 120, 7.5f, 4.3f, 151, 140, -1, 350, kBlankHeader, {"Quest 91: ", "The enemy will try one last time to attack ", "the Desert Village. This is their last attempt.", "Guard the village and defeat the enemy army.", "After this battle the desert will be safe.", "They will attack in 2 weeks! "}},
    {18, 140, 120, 5.5f, 2.3f, 160, 140, -1, 230, kNoHeader, {"The enemy army will attack ", "the Desert Village in 1 week!"}},
    {19, 140, 120, 5.5f, 2.3f, 160, 140, -1, 230, kNoHeader, {"The enemy army will attack ", "the Desert Village tomorrow!"}},
    {20, 125, 120, 8.3f, 4.2f, 151, 140, -1, 330, kBlankHeader, {"Quest 93: ", "The enemy is ready to wage war in the wastelands.", "They will test our defences by attacking", "our Tower in 10 days. "}},
    {21, 125, 120, 7.5f, 4.2f, 151, 170, -1, 330, kNoHeader, {"The enemy will attack our Wasteland Tower ", "in 4 days!  There is room for only one of", "your armies inside... "}},
    {22, 125, 120, 7.5f, 4.2f, 151, 170, -1, 330, kNoHeader, {"The enemy will attack our Wasteland Tower ", "tomorrow! This will begin a long war ", "of good vs evil in the wastelands! "}},
    {23, 125, 120, 7.3f, 4.2f, 151, 140, -1, 330, kBlankHeader, {"Quest 94: ", "The enemy will attack the Wawel Castle ", "in 1 week! They are testing our defences", "with forward scouting armies. We hope", "that you bring more than one hero.", "You must win to get any fame or gold."}},
    {24, 125, 120, 7.4f, 4.2f, 151, 170, -1, 330, kNoHeader, {"The enemy will attack the Wawel Castle ", "in 1 day!  We think that the Tower attack", "was just a diversion. The stronger attack", "is coming now."}},
    {25, 125, 120, 7.4f, 4.2f, 151, 170, -1, 330, kNoHeader, {"The King ordered a withdrawal of all guards", "from the Wasteland Tower in 11 days.  ", "It is just too hard to defend. "}},
    {26, 175, 150, 6.8f, 4.3f, 200, 170, 201, 380, kShortHeader, {"Quest 95:", "A very strong enemy force is heading", "towards the Pajaca Palace. The palace", "guards will not help you if you fight", "outside the palace. Also you must defeat", "the enemy force to get any fame or gold."}},
    {27, 125, 120, 6.9f, 4.2f, 151, 170, -1, 330, kNoHeader, {"Everyone has left the Wasteland Tower.", "The guards have destroyed the tower ", "to prevent the enemy from capturing it.  "}},
    {28, 155, 150, 7.3f, 5.3f, 180, 170, 201, 440, kShortHeader, {"Quest 96:", "A giant enemy army is heading towards", "the Wawel Castle. The castle guards will", "not help if you fight outside the castle walls.", "Come help with the defence and bring many", "heroes because we will have to surrender", "if you can't defeat this giant invading army."}},
    {29, 175, 150, 5.8f, 3.1f, 200, 170, 201, 300, kNoHeader, {"The giant enemy army is slowly", "moving towards the Wawel Castle. "}},
    {30, 25, 95, 9.8f, 5.1f, 46, 140, -1, 365, kBodyHeader, {"Kingdom News:", "You must attack the Black Zima Castle to end these invasions.", "You will get extra help from the palace guards for every", "quest that you solve for the Pajaca Palace. Also you will ", "get more help from the Castle guards for every quest that ", "you solve for the Wawel Castle. "}},
    {31, 25, 95, 9.5f, 4.9f, 50, 140, -1, 345, kBodyHeader, {"War Report:", "The Black Zima Castle is stronger than any invading army.", "We think that to win you will you need maximum help from", "the Pajaca Palace and Wawel Castle. You will also need to ", "attack with alot of heroes. "}},
    {32, 115, 150, 8.3f, 5.3f, 140, 170, -1, 440, kShortHeader, {"Quest 97:", "A mammoth invasion is coming towards our castle!", "This invasion is much stronger than all previous ", "attacks. Please help us to defend. If our castle ", "falls then all is lost. Ofcourse if you defeat ", "the Black Zima Castle then the enemy will surely ", "surrender."}},
    {33, 175, 150, 6.35f, 3.1f, 200, 170, 201, 300, kNoHeader, {"The mammoth enemy army is slowly", "moving towards the Wawel Castle. "}},
    {34, 115, 150, 8.3f, 4.0f, 140, 170, -1, 350, kShortHeader, {"Truce Talks:", "Our kingdom will sign a truce with the enemy if you ", "can't defeat them in the next 11 days. Please don't ", "let our castle fall until then! "}},
    {35, 115, 150, 8.3f, 5.3f, 140, 170, -1, 440, kShortHeader, {"Quest 98:", "A super strong army is coming towards our castle!", "This invasion is much stronger than all previous ", "attacks. Please help us to defend. If our castle ", "falls then all is lost. Ofcourse if you defeat ", "the Black Zima Castle then the enemy will surely ", "surrender."}},
    {36, 175, 150, 6.15f, 3.1f, 200, 170, 201, 300, kNoHeader, {"The super strong army is slowly", "moving towards the Wawel Castle. "}},
};

// One march outcome: a panel scale and three or four lines, the last a
// reward line, coloured by the kind of outcome (lost fame when the defenders
// stood alone, the helped reward, the reward for the army defeated).
struct Outcome {
  float scaleX, scaleY;
  const char* lines[4];
};

const Outcome kPalaceAlone = {6.3f, 2.1f, {"The palace guards defeat the enemy.", "with great difficulty.", "You lose 3 fame."}};
const Outcome kVillageAlone = {6.4f, 2.1f, {"The village peasants defeat ", "the enemy with great difficulty.", "You lose 3 fame."}};

struct ArmyOutcomes {
  uint8_t army;
  Outcome alone, helped, defeated;  // a scale of 0: no message
};

const ArmyOutcomes kOutcomes[13] = {
    {80, kPalaceAlone,
     {6.3f, 2.5f, {"The enemy force was weakened", "through your help. The palace", "guards defeat them easily.", "+3 fame and +200 gold  "}},
     {6.3f, 2.1f, {"The Queen gives you 500 gold", "for defeating the enemy force.", "+5 fame"}}},
    {81, kVillageAlone,
     {6.4f, 2.5f, {"The enemy force was weakened", "through your help. The village", "peasants defeat them easily.", "+3 fame and +200 gold  "}},
     {6.4f, 2.1f, {"The merchants give you 500 gold", "for defeating the enemy force.", "+5 fame"}}},
    {82, kVillageAlone,
     {6.4f, 2.5f, {"The enemy force was weakened", "through your help. The village", "peasants defeat them.", "+3 fame and +200 gold  "}},
     {6.4f, 2.1f, {"The peasants give you 500 gold", "for defeating the enemy force.", "+5 fame"}}},
    {83, kVillageAlone,
     {6.4f, 2.5f, {"The enemy force was weakened", "through your help. The village", "peasants defeat them.", "+3 fame and +200 gold  "}},
     {6.4f, 2.1f, {"The peasants give you 500 gold", "for defeating the enemy force.", "+5 fame"}}},
    {84, kVillageAlone,
     {6.4f, 2.5f, {"The enemy force was weakened", "through your help. The village", "peasants defeat them.", "+3 fame and +200 gold  "}},
     {6.4f, 2.1f, {"The peasants give you 500 gold", "for defeating the enemy force.", "+5 fame"}}},
    {85, {6.4f, 2.1f, {"The village peasants defeat ", "the bandits with great difficulty.", "You lose 3 fame."}},
     {6.4f, 2.5f, {"The bandit army was weakened", "through your help. The village", "peasants defeat them.", "+3 fame and +200 gold  "}},
     {6.4f, 2.1f, {"The peasants give you 500 gold", "for defeating the bandits.", "+5 fame"}}},
    {86, kVillageAlone,
     {6.4f, 2.5f, {"The enemy army was weakened", "through your help. The village", "peasants defeat them.", "+3 fame and +200 gold  "}},
     {6.4f, 2.1f, {"The peasants give you 500 gold", "for defeating the enemy.", "+5 fame"}}},
    {87, {6.1f, 2.1f, {"The tower guards defeat ", "the enemy with great difficulty.", "You lose 3 fame."}},
     {6.4f, 2.5f, {"The enemy army was weakened", "through your help. The tower", "guards defeat them.", "+3 fame and +200 gold  "}},
     {6.5f, 2.1f, {"The King gives you 500 gold", "for defeating the enemy.", "+5 fame"}}},
    {88, {6.1f, 2.1f, {"The brave castle guards defeat ", "the enemy with great difficulty.", "You lose 3 fame."}},
     {6.4f, 2.5f, {"The enemy army was weakened", "through your help. The castle", "guards defeat them.", "You get no gold and no fame.  "}},
     {6.5f, 2.1f, {"The Queen gives you 500 gold", "for defeating the enemy.", "+10 fame !"}}},
    {89, kPalaceAlone,
     {6.3f, 2.5f, {"The enemy force was weakened", "through your help. The palace", "guards defeat them..", "You get no gold and no fame.  "}},
     {6.3f, 2.1f, {"The Queen gives you 500 gold", "for defeating the enemy force.", "+10 fame"}}},
    {90, {}, {}, {6.5f, 2.1f, {"This is great! You defeated", "the giant enemy army!", "+10 fame   +500 gold"}}},
    {91, {}, {}, {6.5f, 2.1f, {"This is great! You defeated", "the mammoth enemy army!", "+10 fame   +500 gold"}}},
    {92, {}, {}, {6.5f, 2.1f, {"This is great! You defeated", "the super strong army!", "+10 fame   +500 gold"}}},
};

// The quest-cell texts of the find panel.
struct FindText {
  uint8_t number;
  const char* lines[4];
};

const FindText kFindTexts[34] = {
    {1, {"You send some fruits back to", "Kapusta village. You may go"}},
    {2, {"You send the axe back to", "Moja town. You may go"}},
    {3, {"There is something laying", "on the ground but you don't ", "take what is not yours..."}},
    {4, {"You send the scroll back to", "Ziemniak town. You may go"}},
    {5, {"You send the key back to the", "Golden temple. You may go"}},
    {6, {"You send the art back to the", "Golden temple. You may go"}},
    {7, {"You send the purple vase back", "to the Moja town. You may go"}},
    {8, {"You send some water back", "to the Little village. You may go"}},
    {9, {"You send some fruit back", "to the Little village. You may go"}},
    {10, {"You send the brown vial back", "to the Little village. You may go"}},
    {11, {"You send the green vial back", "to the Little village. You may go"}},
    {12, {"You send the shield back to the", "Rabarbar town. You may go"}},
    {13, {"You send the armor back to the", "Rabarbar town. You may go"}},
    {14, {"You send the sword back to the", "Rabarbar town. You may go"}},
    {15, {"You send the armor back to the", "Moja town. You may go"}},
    {16, {"You send the armor back to the", "Ziemniak town. You may go"}},
    {17, {"You send the sword back to the", "Ziemniak town. You may go"}},
    {18, {"You send the armor back to the", "Iron village. You may go"}},
    {19, {"You send the armor back to the", "Burak village. You may go"}},
    {20, {"You send the armor back to the", "Usta village. You may go"}},
    {21, {"You send the shoes back to the", "Balon village. You may go"}},
    {22, {"You send the shield back to the", "Balon village. You may go"}},
    {23, {"You send the helmet back to the", "Balon village. You may go"}},
    {24, {"You send the ring back to the", "Trawa village. You may go"}},
    {25, {"You send the armor back to the", "Trawa village. You may go"}},
    {26, {"You send the sword back to the", "Desert village. You may go"}},
    {27, {"You send food back to the", "Mountain village. You may go"}},
    {28, {"You send the pants back to the", "Mountain village. You may go"}},
    {29, {"You send the sword back to the", "Mountain village. You may go"}},
    {30, {"You send the armor back to the", "Wasteland Tower. You may go"}},
    {31, {"You send the sword back to the", "Wasteland Tower. You may go"}},
    {101, {"You look around and see the evil", "nuns talking to many black figures.", "They must be planning a huge", "invasion!"}},
    {102, {"From s secret location you see", "a huge invasion army gathering.", "You send the news back to the", "Little village."}},
    {103, {"You hide behind some bushes ", "and spy on the Janek Tribe.", "Surely the tribes are getting", "ready to invade our kingdom!"}},
};
// clang-format on

}  // namespace

void MapEncounters::DrawMessages(int32_t x, int32_t y, uint8_t showMessages, uint32_t gold,
                                 SpriteSheet* barSheet, uint8_t barShown) {
  auto picture = [this](int image, int frame, int32_t px, int32_t py, float sx, float sy) {
    if (objectSheet) objectSheet->Draw(image, frame, px, py, kUntinted, sx, sy);
  };
  auto panel = [&picture](int32_t px, int32_t py, float sx, float sy) {
    picture(kBack, 0, px, py, sx, sy);
  };
  // A line of text 30 high, at least minWidth wide and wide enough to hold it.
  auto line = [this](const char* text, int32_t px, int32_t py, uint32_t colour,
                     int32_t minWidth = 100) {
    if (!messageFont) return;
    const int32_t width = std::max<int32_t>(minWidth, messageFont->TextWidth(text) + 8);
    messageFont->DrawText(text, px, py, width, 30, colour, kTextFormatTopLeft);
  };
  auto digits = [](SpriteSheet* sheet, int image, const DigitLayout& d, int32_t py, float sx,
                   float sy) {
    if (!sheet) return;
    for (int i = 0; i < d.count; ++i) sheet->Draw(image, d.digit[i], d.x[i], py, kUntinted, sx, sy);
  };

  // 1. The quest-event message.
  if (questMessage >= 1 && questMessage <= 36) {
    const QuestMessage& m = kQuestMessages[questMessage - 1];
    panel(m.panelX, m.panelY, m.scaleX, m.scaleY);
    for (int i = 0; i < 7 && m.lines[i]; ++i) {
      uint32_t colour = kBody;
      if (i == 0 && m.header == kShortHeader) colour = kHeaderShort;
      if (i == 0 && m.header == kBlankHeader) colour = kHeaderBlank;
      line(m.lines[i], m.textX, m.textY + 30 * i, colour);
    }
    if (m.enterY != 0)
      line("press Enter to continue", m.enterX >= 0 ? m.enterX : m.textX, m.enterY, kBody);
  }

  // 2. The outcome of a march.
  if (outcomeShown) {
    questMessage = 0;
    auto drawOutcome = [&](const Outcome& o, int32_t px, int32_t textX, bool alone,
                           uint32_t rewardColour) {
      if (o.scaleX == 0.0f) return;
      panel(px, 200, o.scaleX, o.scaleY);
      for (int i = 0; i < 4 && o.lines[i]; ++i) {
        const bool last = i == 3 || !o.lines[i + 1];
        const uint32_t colour = last ? rewardColour : kBody;
        line(o.lines[i], textX, 230 + 30 * i, colour, alone && i == 0 ? 400 : 340);
      }
      panel(230, 410, 4.5f, 0.8f);
      line("press Enter to continue", 260, 422, kBody);
    };
    // Armies 90..92 have only the defeated message.
    for (const ArmyOutcomes& a : kOutcomes) {
      if (outcomeDefendersAlone == a.army)
        drawOutcome(a.alone, 175, a.army == 88 ? 210 : 200, true, kLoseFame);
      if (outcomeDefendersHelped == a.army) drawOutcome(a.helped, 175, 200, false, kHelpedReward);
      if (outcomeArmyDefeated == a.army) drawOutcome(a.defeated, 160, 200, false, kReward);
    }
  }

  // 3. The day banner.
  if (showMessages && marchPhase == kTurnOver) {
    if (day == 1) {
      panel(210, 20, 4.7f, 2.2f);
      line("Move around by:", 231, 40, kBody);
      line("left click to draw path ", 231, 80, kBody);
      line("right click to move", 231, 120, kBody);
      picture(kMouse, 0, 450, 70, 0.9f, 0.9f);
      picture(kMouse, 1, 450, 110, 0.9f, 0.9f);
      picture(kMapBox, 0, 174, 196, 1.45f, 0.9f);
      line("You arrive at the Kingdom of Kot.", 201, 256, kBody);
    } else if (day > 1) {
      picture(kMapBox, 0, 270, 198, 0.6f, 0.6f);
    }
    char number[16];
    std::snprintf(number, sizeof number, "%u", unsigned(day));
    line("Day ", 310, 220, kBanner);
    line(number, 370, 220, kBanner);
    if (playerForcesHeal) {
      panel(240, 16, 3.6f, 1.0f);
      line("Your forces heal.", 271, 36, kBody);
    }
    if (enemyForcesHeal) {
      panel(240, 114, 3.6f, 1.0f);
      line("Enemy forces heal.", 261, 134, kBody);
    }
    if (castleEnemyHeals) {
      panel(135, 70, 7.2f, 0.7f);
      line("The enemy at Black Zima Castle fully heals!", 156, 81, kBody);
    }
  }

  // 4. The trade refusal.
  if (meetingCalledOff) {
    panel(140, 450, 7.22f, 0.8f);
    line("Can't Trade. Someone has 0 movement left.", 162, 465, kBody, 540);
  }

  // 5. The fame box.
  if (barShown) {
    picture(kControlBox, 0, 659, 49, 1.0f, 0.75f);
    picture(kFame, 0, 695, 48, 0.9f, 0.9f);
    digits(barSheet, kBarFameDigits, map_encounters::FameDigits(fame), 75, 0.6f, 0.6f);
  }

  // 6. The day-and-gold box.
  picture(kControlBox, 0, 0, 0, gold > 99999 ? 1.65f : 1.45f, 0.8f);
  picture(kDayAndGold, 0, 8, 0, 0.9f, 0.85f);
  picture(kDayAndGold, 1, 100, 1, 0.9f, 0.85f);
  digits(barSheet, kBarDayDigits, map_encounters::CornerDayDigits(day), 30, 0.6f, 0.6f);
  digits(objectSheet, kDigits, map_encounters::CornerGoldDigits(gold), 30, 0.6f, 0.6f);

  // 7. The panel of a find.
  if (findShown == kFindShown) {
    panel(180, 200, 5.6f, 3.1f);
    for (const FindText& t : kFindTexts) {
      if (t.number != questEventPending) continue;
      if (t.number <= 31) {
        for (int i = 0; i < 3; ++i) {
          const char* text = i < 2 || t.lines[2] ? t.lines[i] : "back and collect your reward.";
          line(text, 220, 250 + 30 * i, kBody, 400);
        }
      } else {
        const int32_t tx = t.number == 101 ? 198 : 203;
        for (int i = 0; i < 4; ++i) line(t.lines[i], tx, 240 + 30 * i, kBody);
      }
    }
    if (goldFound) {
      picture(kGold, 0, 320, 220, 0.8f, 0.8f);
      digits(objectSheet, kDigits, map_encounters::FoundGoldDigits(foundGold, x), y, 0.7f, 0.7f);
    }
    if (gemFound && gemPicture) gemPicture->Draw(0, 0, 240, 240, kUntinted, 1.0f, 1.0f);
    if (artifactFound && artifactPicture)
      artifactPicture->Draw(0, 0, 425, 235, kUntinted, 1.2f, 0.8f);
    if (itemFound && itemPicture) itemPicture->Draw(0, 0, 315, 320, kUntinted, 1.0f, 1.0f);
  }

  // 8. The bag-full panel.
  if (bagFull) {
    panel(180, 200, 5.6f, 2.0f);
    line("Your bag is full.", 290, 220, kBody, 200);
    if (itemPicture) itemPicture->Draw(0, 0, 215, 210, kUntinted, 1.0f, 1.0f);
    line("Item placed back in the chest.", 220, 279, kBody, 280);
  }
}

#pragma once
// Every text the battle screen writes with its fonts, with the rectangle it
// is written in (x, y, width, height) and its colour.

#include <cstdint>

namespace battle_texts {

struct TextLine {
  const char* text;
  int32_t x, y, w, h;
  uint32_t colour;
};

constexpr uint32_t kMessageColour = 0xFFD2D2D2;

// The retreat question and the retreat message.
inline constexpr TextLine kRetreatQuestion = {
    "Retreat from this battle?", 285, 280, 230, 20, kMessageColour};
inline constexpr TextLine kRetreatMessage[3] = {
    {"You retreat from the battle.", 271, 280, 256, 20, kMessageColour},
    {"No experience gained.", 285, 310, 230, 30, kMessageColour},
    {"You lose 1 fame.", 310, 340, 230, 30, kMessageColour},
};

// The turn panel.
constexpr uint32_t kTurnColour = 0xFF326ED2;
inline constexpr TextLine kTurnCaption = {"Battle Turn Number", 250, 330, 260, 30, kTurnColour};
constexpr int32_t kTurnNumberX = 530, kTurnNumberY = 330, kTurnNumberW = 100, kTurnNumberH = 30;

constexpr uint32_t kWeakenedColour = 0xFFFAFAFA;
inline constexpr TextLine kWeakenedNote[3] = {
    {"The enemy forces are weaker from", 230, 130, 420, 30, kWeakenedColour},
    {"recent fighting but they have ", 260, 160, 420, 30, kWeakenedColour},
    {"reorganized their armies. ", 260, 190, 420, 30, kWeakenedColour},
};
inline constexpr TextLine kWoundsPerEnemy = {
    "Wounds per enemy army: ", 260, 220, 260, 30, kWeakenedColour};
inline constexpr TextLine kDownPerEnemy = {"Down per enemy army: ", 260, 250, 260, 30,
                                           kWeakenedColour};
constexpr int32_t kWeakenedNumberX = 540, kWeakenedNumberW = 100, kWeakenedNumberH = 30;

// The turns left to each grade (lines at y 380, 410, 440).
constexpr uint32_t kTurnsLeftColour = 0xFF64FA64;
constexpr uint32_t kLastTurnColour = 0xFFFA0000;
constexpr uint32_t kTurnsLeftTextColour = 0xFFBEBEBE;
inline constexpr TextLine kTurnsLeftLines[3] = {
    {"turns left for a Brilliant Victory", 245, 380, 370, 30, kTurnsLeftTextColour},
    {"turns left for a Great Victory", 260, 410, 270, 30, kTurnsLeftTextColour},
    {"turns left for a Victory", 320, 440, 270, 30, kTurnsLeftTextColour},
};
constexpr int32_t kTurnsLeftX = 545;      // 2..9 turns left
constexpr int32_t kTurnsLeftWideX = 535;  // 10 or more
constexpr int32_t kTurnsLeftW = 100, kTurnsLeftH = 30;
constexpr const char* kLastTurn = "last";
constexpr int32_t kLastTurnX = 535, kLastTurnW = 70, kLastTurnH = 30;

// The defeat message.
inline constexpr TextLine kDefeatMessage[3] = {
    {"You lost.", 350, 280, 96, 20, kMessageColour},
    {"Your beaten forces regroup nearby.", 232, 310, 340, 30, kMessageColour},
    {"You lose 3 fame", 315, 340, 230, 30, kMessageColour},
};

// The victory message.
constexpr uint32_t kWonColour = 0xFFD20A0A;
inline constexpr TextLine kYouWon = {"You Won!", 250, 240, 120, 20, kWonColour};
constexpr uint32_t kFameColour = 0xFFFA96FA;
struct GradeLines {
  TextLine title;
  TextLine fame;
};
// By victory grade 1..3 (index grade - 1).
inline constexpr GradeLines kGradeLines[3] = {
    {{"Victory!", 410, 240, 190, 30, kWonColour},
     {"You gain 1 fame.", 250, 270, 190, 30, kFameColour}},
    {{"Great Victory!", 390, 240, 190, 30, kWonColour},
     {"You gain 2 fame.", 250, 270, 190, 30, kFameColour}},
    {{"Brilliant Victory!", 390, 240, 190, 30, kWonColour},
     {"You gain 3 fame.", 250, 270, 190, 30, kFameColour}},
};
struct BattleLine {
  uint32_t battleId;
  TextLine line;
  bool heroJoins;
};
inline constexpr BattleLine kBattleLines[6] = {
    {1, {"The bandits were routed. ", 250, 300, 270, 30, kMessageColour}, false},
    {2, {"The gold mine is free. ", 250, 300, 270, 30, kMessageColour}, false},
    {3, {"The raiding party was defeated.", 260, 300, 300, 30, kMessageColour}, false},
    {4, {"The enemy was routed.", 255, 300, 270, 30, kMessageColour}, true},
    {63, {"The enemy was beaten.", 255, 300, 270, 30, kMessageColour}, true},
    {64, {"The red heads were beaten.", 255, 300, 270, 30, kMessageColour}, true},
};
inline constexpr TextLine kHeroJoins = {"Hero joins you! ", 355, 420, 370, 30, 0xFF32AAFA};
constexpr uint32_t kGoldColour = 0xFFD2D20A;
inline constexpr TextLine kFindGold = {"You find gold. ", 260, 330, 270, 30, kGoldColour};
constexpr int32_t kGoldX = 280, kGoldY = 375, kGoldW = 50, kGoldH = 50;

// The experience page.
constexpr uint32_t kExperienceColour = 0xFFB40A78;
inline constexpr TextLine kExperiencePlus = {"Experience +", 125, 41, 190, 50, kExperienceColour};
constexpr int32_t kExperienceX = 304, kExperienceY = 41, kExperienceW = 100, kExperienceH = 50;
constexpr const char* kPlus = "+";
constexpr int32_t kPlusW = 190, kPlusH = 50, kGainW = 50, kGainH = 50;

// The bottom bar's blow reports.
constexpr uint32_t kReportColour = 0xFF0A0A0A;
constexpr const char* kGoes = "Goes";
constexpr const char* kGo = "Go";
constexpr const char* kAll = "All";
constexpr int32_t kDownWordW = 60, kDownWordH = 20;

}  // namespace battle_texts

// The battle tables by battle id: the friendly set-up, the allied units and
// the enemy line-ups.
//
// Written by tools/battlegen/make_battle_tables.py: change the script's data
// and run it again rather than editing the tables by hand.

#include "battle/battle_lineups.h"

namespace battle {
namespace {

// The tables keep one row per unit.
// clang-format off

// id, gradeTurns3, gradeTurns2, turnLimit, figure cell, figure facing,
// army cells (slots 0..5), army facings, view x, view y
const FriendlySetUp kFriendlySetUps[] = {
    {1, 6, 8, 10, 85, 6, {66, 67, 86, 87, 106, 107}, {6, 6, 6, 6, 6, 6}, 0, 0},
    {2, 7, 11, 16, 85, 6, {66, 67, 86, 87, 106, 107}, {4, 4, 4, 4, 4, 4}, 0, 0},
    {3, 5, 8, 13, 88, 4, {87, 107, 67, 68, 47, 48}, {4, 4, 6, 4, 4, 4}, 0, 0},
    {4, 6, 10, 16, 85, 6, {66, 67, 86, 87, 106, 107}, {6, 6, 6, 2, 2, 2}, 0, 0},
    {5, 6, 10, 16, 85, 6, {66, 67, 86, 87, 106, 107}, {6, 6, 6, 2, 2, 2}, 0, 0},
    {6, 4, 6, 10, 85, 6, {66, 67, 86, 87, 106, 107}, {6, 6, 6, 2, 2, 2}, 0, 0},
    {7, 6, 10, 16, 85, 6, {66, 67, 86, 87, 106, 107}, {6, 6, 6, 2, 2, 2}, 0, 0},
    {8, 8, 11, 16, 107, 6, {108, 109, 110, 128, 129, 130}, {6, 6, 6, 2, 2, 2}, 150, 125},
    {9, 6, 10, 15, 131, 4, {130, 132, 109, 90, 91, 92}, {4, 4, 6, 0, 0, 0}, 500, 200},
    {10, 6, 10, 16, 150, 4, {151, 152, 130, 131, 132, 133}, {4, 4, 4, 4, 4, 4}, 500, 300},
    {11, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 485, 300},
    {12, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 485, 300},
    {13, 6, 10, 16, 150, 4, {151, 152, 130, 131, 132, 133}, {4, 4, 6, 4, 4, 2}, 500, 300},
    {14, 6, 10, 16, 150, 4, {151, 152, 130, 131, 132, 133}, {4, 4, 6, 4, 4, 2}, 405, 200},
    {15, 6, 10, 16, 150, 4, {151, 152, 130, 131, 132, 133}, {4, 4, 6, 4, 4, 2}, 405, 200},
    {16, 6, 10, 16, 150, 4, {151, 152, 130, 131, 132, 133}, {4, 4, 6, 4, 4, 2}, 650, 300},
    {17, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 485, 300},
    {18, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 425},
    {19, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {20, 6, 10, 16, 150, 4, {151, 152, 130, 131, 132, 133}, {4, 4, 6, 4, 4, 2}, 500, 300},
    {21, 7, 11, 16, 165, 6, {166, 167, 168, 186, 187, 188}, {4, 4, 4, 4, 4, 4}, 118, 382},
    {22, 9, 13, 18, 129, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {23, 8, 12, 17, 166, 6, {167, 168, 169, 187, 188, 189}, {6, 6, 6, 2, 2, 2}, 35, 370},
    {24, 10, 15, 20, 110, 6, {91, 111, 131, 92, 112, 132}, {6, 6, 6, 2, 2, 2}, 400, 200},
    {25, 6, 10, 16, 166, 6, {186, 206, 167, 187, 207, 227}, {6, 6, 6, 2, 2, 2}, 53, 461},
    {26, 6, 10, 16, 166, 6, {186, 206, 167, 187, 207, 227}, {6, 6, 6, 2, 2, 2}, 53, 461},
    {27, 8, 12, 18, 166, 6, {186, 206, 167, 187, 207, 227}, {6, 6, 6, 2, 2, 2}, 53, 461},
    {28, 6, 10, 16, 85, 6, {66, 67, 86, 87, 106, 107}, {6, 6, 6, 2, 2, 2}, 0, 0},
    {29, 7, 11, 16, 129, 6, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {30, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 485, 300},
    {31, 8, 12, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 485, 300},
    {32, 9, 13, 18, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 485, 300},
    {33, 7, 11, 16, 166, 6, {167, 168, 169, 187, 188, 189}, {6, 6, 6, 6, 6, 6}, 55, 440},
    {34, 6, 10, 16, 166, 6, {186, 206, 167, 187, 207, 227}, {6, 6, 6, 2, 2, 2}, 53, 461},
    {35, 7, 11, 17, 105, 6, {86, 106, 126, 87, 107, 127}, {6, 6, 6, 2, 2, 2}, 11, 117},
    {36, 10, 15, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {37, 6, 10, 16, 165, 6, {166, 167, 186, 187, 206, 207}, {6, 6, 6, 2, 2, 2}, 162, 510},
    {38, 7, 10, 16, 165, 6, {166, 167, 186, 187, 206, 207}, {6, 6, 6, 2, 2, 2}, 85, 430},
    {39, 8, 12, 17, 109, 6, {110, 111, 112, 130, 131, 132}, {6, 6, 6, 2, 2, 2}, 387, 180},
    {40, 9, 13, 18, 166, 6, {167, 168, 169, 187, 188, 189}, {6, 6, 6, 2, 2, 2}, 41, 470},
    {41, 11, 15, 20, 109, 6, {110, 111, 112, 130, 131, 132}, {6, 6, 6, 2, 2, 2}, 420, 216},
    {42, 8, 12, 17, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {43, 12, 15, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {44, 8, 12, 18, 129, 6, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {45, 7, 11, 16, 129, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 400, 330},
    {46, 7, 11, 16, 129, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {47, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {48, 7, 11, 16, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 470, 210},
    {49, 9, 13, 19, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 475, 217},
    {50, 11, 16, 22, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {51, 7, 11, 17, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 470, 210},
    {52, 8, 12, 18, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {53, 9, 13, 18, 149, 4, {150, 151, 152, 170, 171, 172}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {54, 10, 14, 18, 149, 4, {150, 151, 152, 170, 171, 172}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {55, 8, 12, 16, 149, 4, {150, 151, 152, 170, 171, 172}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {56, 10, 14, 18, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 300, 217},
    {57, 8, 12, 18, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 300, 217},
    {58, 11, 15, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 315, 300},
    {59, 6, 10, 16, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 475, 217},
    {60, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 315, 300},
    {61, 8, 12, 17, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 475, 217},
    {62, 10, 14, 20, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 475, 217},
    {63, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {64, 8, 11, 16, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 470, 210},
    {65, 8, 11, 16, 109, 6, {110, 111, 112, 89, 90, 91}, {6, 6, 2, 6, 6, 2}, 470, 210},
    {66, 11, 16, 22, 129, 6, {110, 111, 130, 131, 150, 151}, {4, 4, 4, 4, 4, 4}, 366, 262},
    {67, 10, 15, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {68, 11, 16, 22, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {69, 11, 16, 22, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {70, 11, 16, 23, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {71, 10, 15, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {72, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {73, 12, 18, 24, 131, 2, {110, 111, 112, 90, 91, 92}, {2, 2, 2, 2, 2, 2}, 450, 180},
    {81, 7, 11, 16, 85, 6, {66, 67, 86, 87, 106, 107}, {4, 4, 4, 4, 4, 4}, 80, 200},
    {82, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {83, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {84, 7, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 130},
    {85, 8, 11, 16, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 130},
    {86, 9, 12, 17, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {87, 9, 12, 17, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {88, 11, 14, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {89, 11, 14, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {90, 11, 14, 20, 131, 4, {110, 111, 112, 90, 91, 92}, {4, 4, 4, 4, 4, 4}, 415, 110},
    {91, 11, 14, 20, 131, 2, {110, 111, 112, 90, 91, 92}, {2, 2, 2, 2, 2, 2}, 450, 180},
    {92, 11, 14, 20, 131, 2, {110, 111, 112, 90, 91, 92}, {2, 2, 2, 2, 2, 2}, 450, 180},
    {93, 11, 14, 20, 131, 2, {110, 111, 112, 90, 91, 92}, {2, 2, 2, 2, 2, 2}, 450, 180},
};

// Allied units: cell, facing, picture, soldiers, attack, shield, name.
const AllyPlacement kAllies2[] = {
    {130, 6, 0, 8, 6, 6, "Volunteers"},
    {131, 6, 0, 8, 6, 6, "Volunteers"},
    {132, 6, 0, 8, 6, 6, "Volunteers"},
    {105, 6, 0, 8, 6, 6, "Volunteers"},
};
const AllyPlacement kAllies11[] = {
    {50, 4, 0, 10, 8, 8, "Volunteers"},
    {70, 4, 0, 13, 12, 13, "Volunteers"},
    {130, 4, 0, 15, 15, 17, "Volunteers"},
    {216, 4, 0, 18, 19, 22, "Volunteers"},
    {236, 4, 0, 20, 22, 26, "Volunteers"},
};
const AllyPlacement kAllies12[] = {
    {150, 4, 0, 8, 8, 8, "Volunteers"},
    {170, 4, 0, 11, 13, 12, "Volunteers"},
    {190, 4, 0, 14, 18, 17, "Volunteers"},
    {196, 4, 0, 18, 22, 21, "Volunteers"},
    {216, 4, 0, 21, 27, 26, "Volunteers"},
    {236, 4, 0, 24, 32, 30, "Volunteers"},
};
const AllyPlacement kAllies16[] = {
    {148, 4, 0, 12, 15, 15, "Volunteers"},
};
const AllyPlacement kAllies17[] = {
    {215, 4, 0, 11, 10, 10, "Volunteers"},
    {235, 4, 0, 17, 18, 20, "Volunteers"},
    {236, 4, 0, 22, 26, 30, "Volunteers"},
};
const AllyPlacement kAllies19[] = {
    {149, 4, 0, 8, 12, 12, "Volunteers"},
    {169, 4, 0, 9, 13, 13, "Volunteers"},
    {189, 4, 0, 9, 13, 13, "Volunteers"},
    {150, 4, 0, 10, 14, 14, "Volunteers"},
    {170, 4, 0, 11, 14, 14, "Volunteers"},
    {190, 4, 0, 11, 15, 15, "Volunteers"},
    {151, 4, 0, 12, 15, 15, "Volunteers"},
    {171, 4, 0, 12, 16, 16, "Volunteers"},
    {191, 4, 0, 13, 16, 16, "Volunteers"},
    {152, 4, 0, 14, 17, 17, "Volunteers"},
    {172, 4, 0, 14, 17, 17, "Volunteers"},
    {192, 4, 0, 15, 18, 18, "Volunteers"},
};
const AllyPlacement kAllies21[] = {
    {147, 6, 0, 12, 20, 20, "Volunteers"},
    {148, 6, 0, 16, 22, 20, "Volunteers"},
    {149, 6, 0, 19, 24, 20, "Volunteers"},
    {150, 6, 0, 23, 26, 20, "Volunteers"},
};
const AllyPlacement kAllies22[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {150, 4, 0, 14, 18, 18, "Volunteers"},
    {152, 4, 0, 14, 18, 18, "Volunteers"},
    {153, 4, 0, 15, 18, 18, "Volunteers"},
};
const AllyPlacement kAllies23[] = {
    {146, 6, 0, 16, 26, 22, "Volunteers"},
    {148, 6, 0, 17, 26, 22, "Volunteers"},
};
const AllyPlacement kAllies24[] = {
    {68, 6, 0, 18, 26, 22, "Volunteers"},
    {88, 6, 0, 22, 29, 23, "Volunteers"},
    {150, 6, 0, 27, 31, 23, "Volunteers"},
    {170, 6, 0, 31, 34, 24, "Volunteers"},
};
const AllyPlacement kAllies26[] = {
    {146, 6, 0, 18, 26, 22, "Volunteers"},
    {147, 6, 0, 24, 30, 26, "Volunteers"},
};
const AllyPlacement kAllies28[] = {
    {125, 6, 0, 18, 28, 28, "Volunteers"},
    {126, 6, 0, 20, 28, 28, "Volunteers"},
    {127, 6, 0, 22, 28, 28, "Volunteers"},
    {128, 6, 0, 24, 28, 28, "Volunteers"},
};
const AllyPlacement kAllies29[] = {
    {149, 6, 0, 13, 18, 18, "Volunteers"},
    {169, 6, 0, 13, 18, 18, "Volunteers"},
    {150, 6, 0, 14, 18, 18, "Volunteers"},
    {170, 6, 0, 14, 18, 18, "Volunteers"},
    {151, 6, 0, 15, 19, 19, "Volunteers"},
    {171, 6, 0, 15, 19, 19, "Volunteers"},
    {152, 6, 0, 16, 19, 19, "Volunteers"},
    {172, 6, 0, 16, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies30[] = {
    {175, 4, 0, 11, 10, 10, "Volunteers"},
    {195, 4, 0, 14, 14, 15, "Volunteers"},
    {215, 4, 0, 17, 18, 20, "Volunteers"},
    {216, 4, 0, 19, 22, 25, "Volunteers"},
    {236, 4, 0, 22, 26, 30, "Volunteers"},
};
const AllyPlacement kAllies31[] = {
    {175, 4, 0, 11, 10, 10, "Volunteers"},
    {195, 4, 0, 14, 14, 15, "Volunteers"},
    {215, 4, 0, 17, 18, 20, "Volunteers"},
    {216, 4, 0, 19, 22, 25, "Volunteers"},
    {236, 4, 0, 22, 26, 30, "Volunteers"},
};
const AllyPlacement kAllies34[] = {
    {146, 6, 0, 12, 14, 8, "Volunteers"},
};
const AllyPlacement kAllies36[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 14, 18, 18, "Volunteers"},
    {189, 4, 0, 15, 19, 19, "Volunteers"},
    {150, 4, 0, 15, 19, 19, "Volunteers"},
    {170, 4, 0, 16, 19, 19, "Volunteers"},
    {190, 4, 0, 17, 20, 20, "Volunteers"},
    {151, 4, 0, 18, 20, 20, "Volunteers"},
    {171, 4, 0, 19, 21, 21, "Volunteers"},
    {191, 4, 0, 20, 21, 21, "Volunteers"},
    {152, 4, 0, 20, 21, 21, "Volunteers"},
    {172, 4, 0, 21, 22, 22, "Volunteers"},
    {192, 4, 0, 22, 22, 22, "Volunteers"},
};
const AllyPlacement kAllies38[] = {
    {225, 6, 0, 11, 10, 10, "Volunteers"},
    {226, 6, 0, 28, 26, 30, "Volunteers"},
};
const AllyPlacement kAllies41[] = {
    {89, 6, 0, 22, 36, 26, "Volunteers"},
    {129, 6, 0, 22, 36, 26, "Volunteers"},
    {90, 6, 0, 23, 36, 26, "Volunteers"},
    {150, 6, 0, 23, 36, 26, "Volunteers"},
    {91, 6, 0, 24, 36, 26, "Volunteers"},
    {151, 6, 0, 24, 36, 26, "Volunteers"},
    {92, 6, 0, 25, 36, 26, "Volunteers"},
    {152, 6, 0, 25, 36, 26, "Volunteers"},
};
const AllyPlacement kAllies42[] = {
    {149, 4, 1, 10, 26, 26, "Palace Guards"},
    {169, 4, 1, 11, 26, 26, "Palace Guards"},
    {150, 4, 1, 12, 26, 26, "Palace Guards"},
    {170, 4, 1, 13, 26, 26, "Palace Guards"},
    {151, 4, 1, 13, 26, 26, "Palace Guards"},
    {171, 4, 1, 14, 26, 26, "Palace Guards"},
    {152, 4, 1, 15, 26, 26, "Palace Guards"},
    {172, 4, 1, 16, 26, 26, "Palace Guards"},
};
const AllyPlacement kAllies43[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 14, 18, 18, "Volunteers"},
    {189, 4, 0, 15, 19, 19, "Volunteers"},
    {150, 4, 0, 17, 19, 19, "Volunteers"},
    {170, 4, 0, 18, 19, 19, "Volunteers"},
    {190, 4, 0, 19, 20, 20, "Volunteers"},
    {151, 4, 0, 20, 20, 20, "Volunteers"},
    {171, 4, 0, 21, 21, 21, "Volunteers"},
    {191, 4, 0, 22, 21, 21, "Volunteers"},
    {152, 4, 0, 24, 21, 21, "Volunteers"},
    {172, 4, 0, 25, 22, 22, "Volunteers"},
    {192, 4, 0, 26, 22, 22, "Volunteers"},
};
const AllyPlacement kAllies44[] = {
    {149, 6, 0, 13, 18, 18, "Volunteers"},
    {169, 6, 0, 13, 18, 18, "Volunteers"},
    {150, 6, 0, 14, 18, 18, "Volunteers"},
    {170, 6, 0, 14, 18, 18, "Volunteers"},
    {151, 6, 0, 15, 19, 19, "Volunteers"},
    {171, 6, 0, 15, 19, 19, "Volunteers"},
    {152, 6, 0, 16, 19, 19, "Volunteers"},
    {172, 6, 0, 16, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies45[] = {
    {149, 4, 0, 22, 18, 26, "Volunteers"},
    {150, 4, 0, 22, 18, 26, "Volunteers"},
};
const AllyPlacement kAllies46[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {150, 4, 0, 14, 18, 18, "Volunteers"},
    {152, 4, 0, 14, 18, 18, "Volunteers"},
    {153, 4, 0, 15, 18, 18, "Volunteers"},
};
const AllyPlacement kAllies47[] = {
    {149, 4, 0, 8, 12, 12, "Volunteers"},
    {169, 4, 0, 9, 13, 13, "Volunteers"},
    {189, 4, 0, 9, 13, 13, "Volunteers"},
    {150, 4, 0, 10, 14, 14, "Volunteers"},
    {170, 4, 0, 11, 14, 14, "Volunteers"},
    {190, 4, 0, 11, 15, 15, "Volunteers"},
    {151, 4, 0, 12, 15, 15, "Volunteers"},
    {171, 4, 0, 12, 16, 16, "Volunteers"},
    {191, 4, 0, 13, 16, 16, "Volunteers"},
    {152, 4, 0, 14, 17, 17, "Volunteers"},
    {172, 4, 0, 14, 17, 17, "Volunteers"},
    {192, 4, 0, 15, 18, 18, "Volunteers"},
};
const AllyPlacement kAllies48[] = {
    {149, 6, 0, 13, 24, 22, "Volunteers"},
    {169, 6, 0, 15, 25, 24, "Volunteers"},
    {151, 6, 0, 18, 26, 25, "Volunteers"},
    {171, 6, 0, 20, 27, 27, "Volunteers"},
    {152, 6, 0, 22, 28, 28, "Volunteers"},
};
const AllyPlacement kAllies49[] = {
    {149, 6, 0, 24, 28, 28, "Volunteers"},
    {152, 6, 0, 28, 28, 28, "Volunteers"},
};
const AllyPlacement kAllies50[] = {
    {169, 4, 2, 15, 35, 30, "Castle Guards"},
    {170, 4, 2, 18, 35, 30, "Castle Guards"},
    {171, 4, 2, 21, 35, 30, "Castle Guards"},
    {172, 4, 2, 24, 35, 30, "Castle Guards"},
};
const AllyPlacement kAllies51[] = {
    {149, 6, 0, 24, 28, 28, "Volunteers"},
    {152, 6, 0, 28, 28, 28, "Volunteers"},
};
const AllyPlacement kAllies52[] = {
    {49, 4, 0, 13, 18, 18, "Volunteers"},
    {69, 4, 0, 14, 18, 18, "Volunteers"},
    {89, 4, 0, 14, 19, 19, "Volunteers"},
    {109, 4, 0, 15, 19, 19, "Volunteers"},
    {71, 4, 0, 16, 19, 19, "Volunteers"},
    {151, 4, 0, 16, 20, 20, "Volunteers"},
    {171, 4, 0, 17, 20, 20, "Volunteers"},
    {191, 4, 0, 17, 21, 21, "Volunteers"},
    {53, 4, 0, 18, 21, 21, "Volunteers"},
    {73, 4, 0, 19, 21, 21, "Volunteers"},
    {93, 4, 0, 19, 22, 22, "Volunteers"},
    {113, 4, 0, 20, 22, 22, "Volunteers"},
};
const AllyPlacement kAllies53[] = {
    {89, 4, 0, 13, 18, 18, "Volunteers"},
    {109, 4, 0, 13, 18, 18, "Volunteers"},
    {90, 4, 0, 14, 18, 18, "Volunteers"},
    {110, 4, 0, 14, 18, 18, "Volunteers"},
    {91, 4, 0, 15, 19, 19, "Volunteers"},
    {111, 4, 0, 15, 19, 19, "Volunteers"},
    {92, 4, 0, 16, 19, 19, "Volunteers"},
    {112, 4, 0, 16, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies55[] = {
    {189, 4, 0, 20, 22, 14, "Volunteers"},
    {190, 4, 0, 24, 26, 18, "Volunteers"},
};
const AllyPlacement kAllies57[] = {
    {149, 6, 0, 14, 18, 18, "Volunteers"},
};
const AllyPlacement kAllies58[] = {
    {69, 4, 0, 13, 18, 18, "Volunteers"},
    {89, 4, 0, 15, 20, 19, "Volunteers"},
    {109, 4, 0, 16, 22, 21, "Volunteers"},
    {129, 4, 0, 18, 24, 22, "Volunteers"},
    {149, 4, 0, 20, 27, 23, "Volunteers"},
    {72, 4, 0, 21, 29, 24, "Volunteers"},
    {132, 4, 0, 23, 31, 26, "Volunteers"},
    {152, 4, 0, 24, 33, 27, "Volunteers"},
    {172, 4, 0, 26, 35, 28, "Volunteers"},
};
const AllyPlacement kAllies59[] = {
    {149, 6, 0, 21, 19, 19, "Volunteers"},
    {150, 6, 0, 23, 19, 19, "Volunteers"},
    {151, 6, 0, 25, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies60[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 13, 18, 18, "Volunteers"},
    {150, 4, 0, 14, 18, 18, "Volunteers"},
    {170, 4, 0, 14, 18, 18, "Volunteers"},
    {151, 4, 0, 15, 19, 19, "Volunteers"},
    {171, 4, 0, 15, 19, 19, "Volunteers"},
    {152, 4, 0, 16, 19, 19, "Volunteers"},
    {172, 4, 0, 16, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies61[] = {
    {129, 6, 0, 13, 18, 18, "Volunteers"},
    {149, 6, 0, 15, 20, 19, "Volunteers"},
    {169, 6, 0, 17, 23, 19, "Volunteers"},
    {131, 6, 0, 19, 25, 20, "Volunteers"},
    {151, 6, 0, 21, 27, 20, "Volunteers"},
    {171, 6, 0, 22, 29, 21, "Volunteers"},
    {132, 6, 0, 24, 32, 21, "Volunteers"},
    {152, 6, 0, 26, 34, 22, "Volunteers"},
    {172, 6, 0, 28, 36, 22, "Volunteers"},
};
const AllyPlacement kAllies63[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 14, 18, 18, "Volunteers"},
    {189, 4, 0, 14, 19, 19, "Volunteers"},
    {150, 4, 0, 15, 19, 19, "Volunteers"},
    {170, 4, 0, 16, 19, 19, "Volunteers"},
    {190, 4, 0, 16, 20, 20, "Volunteers"},
    {151, 4, 0, 17, 20, 20, "Volunteers"},
    {171, 4, 0, 17, 21, 21, "Volunteers"},
    {191, 4, 0, 18, 21, 21, "Volunteers"},
    {152, 4, 0, 19, 21, 21, "Volunteers"},
    {172, 4, 0, 19, 22, 22, "Volunteers"},
    {192, 4, 0, 20, 22, 22, "Volunteers"},
};
const AllyPlacement kAllies66[] = {
    {169, 6, 2, 28, 40, 30, ""},
    {170, 6, 2, 31, 40, 30, ""},
    {171, 6, 2, 33, 40, 30, ""},
    {89, 6, 2, 36, 40, 30, ""},
    {90, 6, 2, 38, 40, 30, ""},
};
const AllyPlacement kAllies67[] = {
    {149, 4, 1, 13, 30, 30, "Palace Guards"},
    {169, 4, 1, 14, 30, 30, "Palace Guards"},
    {150, 4, 1, 14, 30, 30, "Palace Guards"},
    {170, 4, 1, 15, 30, 30, "Palace Guards"},
    {151, 4, 1, 16, 30, 30, "Palace Guards"},
    {171, 4, 1, 17, 30, 30, "Palace Guards"},
    {152, 4, 1, 17, 30, 30, "Palace Guards"},
    {172, 4, 1, 18, 30, 30, "Palace Guards"},
};
const AllyPlacement kAllies68[] = {
    {149, 4, 2, 11, 30, 30, "Castle Guards"},
    {169, 4, 2, 12, 30, 30, "Castle Guards"},
    {150, 4, 2, 14, 30, 30, "Castle Guards"},
    {170, 4, 2, 15, 30, 30, "Castle Guards"},
    {151, 4, 2, 16, 30, 30, "Castle Guards"},
    {171, 4, 2, 17, 30, 30, "Castle Guards"},
    {152, 4, 2, 19, 30, 30, "Castle Guards"},
    {172, 4, 2, 20, 30, 30, "Castle Guards"},
};
const AllyPlacement kAllies69[] = {
    {149, 4, 1, 13, 30, 30, "Palace Guards"},
    {169, 4, 1, 14, 30, 30, "Palace Guards"},
    {150, 4, 1, 14, 30, 30, "Palace Guards"},
    {170, 4, 1, 15, 30, 30, "Palace Guards"},
    {151, 4, 1, 16, 30, 30, "Palace Guards"},
    {171, 4, 1, 17, 30, 30, "Palace Guards"},
    {152, 4, 1, 17, 30, 30, "Palace Guards"},
    {172, 4, 1, 18, 30, 30, "Palace Guards"},
};
const AllyPlacement kAllies70[] = {
    {149, 4, 2, 12, 30, 30, "Castle Guards"},
    {169, 4, 2, 14, 30, 30, "Castle Guards"},
    {150, 4, 2, 16, 30, 30, "Castle Guards"},
    {170, 4, 2, 18, 30, 30, "Castle Guards"},
    {151, 4, 2, 19, 30, 30, "Castle Guards"},
    {171, 4, 2, 21, 30, 30, "Castle Guards"},
    {152, 4, 2, 23, 30, 30, "Castle Guards"},
    {172, 4, 2, 25, 30, 30, "Castle Guards"},
};
const AllyPlacement kAllies71[] = {
    {149, 4, 2, 15, 30, 30, "Castle Guards"},
    {169, 4, 2, 16, 30, 30, "Castle Guards"},
    {150, 4, 2, 17, 30, 30, "Castle Guards"},
    {170, 4, 2, 18, 30, 30, "Castle Guards"},
    {151, 4, 2, 20, 30, 30, "Castle Guards"},
    {171, 4, 2, 21, 30, 30, "Castle Guards"},
    {152, 4, 2, 22, 30, 30, "Castle Guards"},
    {172, 4, 2, 23, 30, 30, "Castle Guards"},
};
const AllyPlacement kAllies72[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 14, 18, 18, "Volunteers"},
    {150, 4, 0, 14, 18, 18, "Volunteers"},
    {170, 4, 0, 15, 18, 18, "Volunteers"},
    {151, 4, 0, 16, 19, 19, "Volunteers"},
    {171, 4, 0, 17, 19, 19, "Volunteers"},
    {152, 4, 0, 17, 19, 19, "Volunteers"},
    {172, 4, 0, 18, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies73_0[] = {
    {149, 2, 1, 22, 34, 25, "Palace Guards"},
};
const AllyPlacement kAllies73_1[] = {
    {150, 2, 1, 28, 34, 25, "Palace Guards"},
    {151, 2, 1, 31, 34, 25, "Palace Guards"},
};
const AllyPlacement kAllies73_2[] = {
    {170, 2, 1, 34, 34, 25, "Palace Guards"},
    {171, 2, 1, 36, 34, 25, "Palace Guards"},
};
const AllyPlacement kAllies73_3[] = {
    {189, 4, 1, 38, 34, 25, "Palace Guards"},
    {190, 4, 1, 39, 34, 25, "Palace Guards"},
    {191, 4, 1, 37, 34, 25, "Palace Guards"},
};
const AllyPlacement kAllies73_4[] = {
    {67, 6, 2, 22, 34, 25, "Castle Guards"},
};
const AllyPlacement kAllies73_5[] = {
    {68, 0, 2, 27, 34, 25, "Castle Guards"},
    {69, 0, 2, 27, 34, 25, "Castle Guards"},
};
const AllyPlacement kAllies73_6[] = {
    {87, 6, 2, 34, 34, 25, "Castle Guards"},
    {88, 6, 2, 36, 34, 25, "Castle Guards"},
};
const AllyPlacement kAllies73_7[] = {
    {107, 4, 2, 38, 34, 25, "Castle Guards"},
    {108, 4, 2, 39, 34, 25, "Castle Guards"},
    {109, 4, 2, 37, 34, 25, "Castle Guards"},
};
const AllyPlacement kAllies81[] = {
    {105, 6, 1, 8, 20, 20, "Palace Guards"},
    {125, 6, 1, 8, 20, 20, "Palace Guards"},
    {108, 6, 1, 8, 20, 20, "Palace Guards"},
    {128, 6, 1, 8, 20, 20, "Palace Guards"},
    {111, 6, 1, 8, 20, 20, "Palace Guards"},
};
const AllyPlacement kAllies82[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 13, 18, 18, "Volunteers"},
    {150, 4, 0, 14, 18, 18, "Volunteers"},
    {170, 4, 0, 14, 18, 18, "Volunteers"},
    {151, 4, 0, 15, 19, 19, "Volunteers"},
    {171, 4, 0, 15, 19, 19, "Volunteers"},
    {152, 4, 0, 16, 19, 19, "Volunteers"},
    {172, 4, 0, 16, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies83[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 13, 18, 18, "Volunteers"},
    {150, 4, 0, 14, 18, 18, "Volunteers"},
    {170, 4, 0, 14, 18, 18, "Volunteers"},
    {151, 4, 0, 15, 19, 19, "Volunteers"},
    {171, 4, 0, 15, 19, 19, "Volunteers"},
    {152, 4, 0, 16, 19, 19, "Volunteers"},
    {172, 4, 0, 16, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies84[] = {
    {69, 4, 0, 13, 18, 18, "Volunteers"},
    {89, 4, 0, 14, 18, 18, "Volunteers"},
    {109, 4, 0, 15, 18, 18, "Volunteers"},
    {129, 4, 0, 16, 18, 18, "Volunteers"},
    {149, 4, 0, 18, 19, 19, "Volunteers"},
    {72, 4, 0, 19, 19, 19, "Volunteers"},
    {132, 4, 0, 20, 19, 19, "Volunteers"},
    {152, 4, 0, 21, 19, 19, "Volunteers"},
    {172, 4, 0, 22, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies85[] = {
    {69, 4, 0, 13, 18, 18, "Volunteers"},
    {89, 4, 0, 14, 18, 18, "Volunteers"},
    {109, 4, 0, 14, 18, 18, "Volunteers"},
    {129, 4, 0, 15, 18, 18, "Volunteers"},
    {149, 4, 0, 15, 18, 18, "Volunteers"},
    {169, 4, 0, 16, 19, 19, "Volunteers"},
    {72, 4, 0, 16, 19, 19, "Volunteers"},
    {132, 4, 0, 17, 19, 19, "Volunteers"},
    {152, 4, 0, 17, 19, 19, "Volunteers"},
    {172, 4, 0, 18, 19, 19, "Volunteers"},
};
const AllyPlacement kAllies86[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 14, 18, 18, "Volunteers"},
    {189, 4, 0, 14, 19, 19, "Volunteers"},
    {150, 4, 0, 15, 19, 19, "Volunteers"},
    {170, 4, 0, 16, 19, 19, "Volunteers"},
    {190, 4, 0, 16, 20, 20, "Volunteers"},
    {151, 4, 0, 17, 20, 20, "Volunteers"},
    {171, 4, 0, 17, 21, 21, "Volunteers"},
    {191, 4, 0, 18, 21, 21, "Volunteers"},
    {152, 4, 0, 19, 21, 21, "Volunteers"},
    {172, 4, 0, 19, 22, 22, "Volunteers"},
    {192, 4, 0, 20, 22, 22, "Volunteers"},
};
const AllyPlacement kAllies87[] = {
    {149, 4, 0, 13, 18, 18, "Volunteers"},
    {169, 4, 0, 14, 18, 18, "Volunteers"},
    {189, 4, 0, 14, 19, 19, "Volunteers"},
    {150, 4, 0, 15, 19, 19, "Volunteers"},
    {170, 4, 0, 16, 19, 19, "Volunteers"},
    {190, 4, 0, 16, 20, 20, "Volunteers"},
    {151, 4, 0, 17, 20, 20, "Volunteers"},
    {171, 4, 0, 17, 21, 21, "Volunteers"},
    {191, 4, 0, 18, 21, 21, "Volunteers"},
    {152, 4, 0, 19, 21, 21, "Volunteers"},
    {172, 4, 0, 19, 22, 22, "Volunteers"},
    {192, 4, 0, 20, 22, 22, "Volunteers"},
};
const AllyPlacement kAllies88[] = {
    {149, 4, 2, 13, 30, 25, "Castle Guards"},
    {169, 4, 2, 14, 30, 25, "Castle Guards"},
    {189, 4, 2, 14, 30, 25, "Castle Guards"},
    {150, 4, 2, 15, 30, 25, "Castle Guards"},
    {170, 4, 2, 16, 30, 25, "Castle Guards"},
    {190, 4, 2, 16, 30, 25, "Castle Guards"},
    {151, 4, 2, 17, 30, 25, "Castle Guards"},
    {171, 4, 2, 17, 30, 25, "Castle Guards"},
    {191, 4, 2, 18, 30, 25, "Castle Guards"},
    {152, 4, 2, 19, 30, 25, "Castle Guards"},
    {172, 4, 2, 19, 30, 25, "Castle Guards"},
    {192, 4, 2, 20, 30, 25, "Castle Guards"},
};
const AllyPlacement kAllies89[] = {
    {149, 4, 2, 12, 30, 35, "Castle Guards"},
    {169, 4, 2, 14, 30, 35, "Castle Guards"},
    {189, 4, 2, 15, 30, 35, "Castle Guards"},
    {150, 4, 2, 17, 30, 35, "Castle Guards"},
    {170, 4, 2, 19, 30, 35, "Castle Guards"},
    {190, 4, 2, 20, 30, 35, "Castle Guards"},
    {151, 4, 2, 22, 30, 35, "Castle Guards"},
    {171, 4, 2, 23, 30, 35, "Castle Guards"},
    {191, 4, 2, 25, 30, 35, "Castle Guards"},
    {152, 4, 2, 27, 30, 35, "Castle Guards"},
    {172, 4, 2, 28, 30, 35, "Castle Guards"},
    {192, 4, 2, 30, 30, 35, "Castle Guards"},
};
const AllyPlacement kAllies90[] = {
    {149, 4, 1, 12, 30, 35, "Palace Guards"},
    {169, 4, 1, 14, 30, 35, "Palace Guards"},
    {189, 4, 1, 15, 30, 35, "Palace Guards"},
    {150, 4, 1, 17, 30, 35, "Palace Guards"},
    {170, 4, 1, 19, 30, 35, "Palace Guards"},
    {190, 4, 1, 20, 30, 35, "Palace Guards"},
    {151, 4, 1, 22, 30, 35, "Palace Guards"},
    {171, 4, 1, 23, 30, 35, "Palace Guards"},
    {191, 4, 1, 25, 30, 35, "Palace Guards"},
    {152, 4, 1, 27, 30, 35, "Palace Guards"},
    {172, 4, 1, 28, 30, 35, "Palace Guards"},
    {192, 4, 1, 30, 30, 35, "Palace Guards"},
};
const AllyPlacement kAllies91[] = {
    {149, 2, 2, 12, 30, 35, "Castle Guards"},
    {169, 2, 2, 13, 30, 35, "Castle Guards"},
    {189, 2, 2, 15, 30, 35, "Castle Guards"},
    {150, 2, 2, 16, 30, 35, "Castle Guards"},
    {170, 2, 2, 18, 30, 35, "Castle Guards"},
    {190, 2, 2, 19, 30, 35, "Castle Guards"},
    {151, 2, 2, 21, 30, 35, "Castle Guards"},
    {171, 2, 2, 22, 30, 35, "Castle Guards"},
    {191, 2, 2, 24, 30, 35, "Castle Guards"},
    {152, 2, 2, 25, 30, 35, "Castle Guards"},
    {172, 2, 2, 27, 30, 35, "Castle Guards"},
    {192, 2, 2, 28, 30, 35, "Castle Guards"},
};
const AllyPlacement kAllies92[] = {
    {149, 2, 2, 12, 30, 35, "Castle Guards"},
    {169, 2, 2, 14, 30, 35, "Castle Guards"},
    {189, 2, 2, 15, 30, 35, "Castle Guards"},
    {150, 2, 2, 17, 30, 35, "Castle Guards"},
    {170, 2, 2, 18, 30, 35, "Castle Guards"},
    {190, 2, 2, 20, 30, 35, "Castle Guards"},
    {151, 2, 2, 21, 30, 35, "Castle Guards"},
    {171, 2, 2, 23, 30, 35, "Castle Guards"},
    {191, 2, 2, 24, 30, 35, "Castle Guards"},
    {152, 2, 2, 26, 30, 35, "Castle Guards"},
    {172, 2, 2, 27, 30, 35, "Castle Guards"},
    {192, 2, 2, 29, 30, 35, "Castle Guards"},
};
const AllyPlacement kAllies93[] = {
    {149, 2, 2, 15, 30, 35, "Castle Guards"},
    {169, 2, 2, 16, 30, 35, "Castle Guards"},
    {189, 2, 2, 17, 30, 35, "Castle Guards"},
    {150, 2, 2, 18, 30, 35, "Castle Guards"},
    {170, 2, 2, 19, 30, 35, "Castle Guards"},
    {190, 2, 2, 20, 30, 35, "Castle Guards"},
    {151, 2, 2, 22, 30, 35, "Castle Guards"},
    {171, 2, 2, 23, 30, 35, "Castle Guards"},
    {191, 2, 2, 24, 30, 35, "Castle Guards"},
    {152, 2, 2, 25, 30, 35, "Castle Guards"},
    {172, 2, 2, 26, 30, 35, "Castle Guards"},
    {192, 2, 2, 27, 30, 35, "Castle Guards"},
};

// battle id, condition, quest, lowest stage, first slot, units, the units
const AllyGroup kAllyGroups[] = {
    {2, AllyCondition::kQuestStage, 5, 2, 0, 4, kAllies2},
    {11, AllyCondition::kQuestStage, 13, 2, 0, 5, kAllies11},
    {12, AllyCondition::kQuestStage, 16, 2, 0, 6, kAllies12},
    {16, AllyCondition::kQuestStage, 11, 2, 0, 1, kAllies16},
    {17, AllyCondition::kQuestStage, 43, 2, 0, 3, kAllies17},
    {19, AllyCondition::kQuestStage, 39, 2, 0, 12, kAllies19},
    {21, AllyCondition::kQuestStage, 33, 2, 0, 4, kAllies21},
    {22, AllyCondition::kQuestStage, 36, 2, 0, 4, kAllies22},
    {23, AllyCondition::kQuestStage, 23, 2, 0, 2, kAllies23},
    {24, AllyCondition::kQuestStage, 71, 2, 0, 4, kAllies24},
    {26, AllyCondition::kQuestStage, 50, 2, 0, 2, kAllies26},
    {28, AllyCondition::kQuestStage, 17, 2, 0, 4, kAllies28},
    {29, AllyCondition::kQuestStage, 34, 2, 0, 8, kAllies29},
    {30, AllyCondition::kQuestStage, 28, 2, 0, 5, kAllies30},
    {31, AllyCondition::kQuestStage, 28, 2, 0, 5, kAllies31},
    {34, AllyCondition::kQuestStage, 42, 2, 0, 1, kAllies34},
    {36, AllyCondition::kQuestStage, 54, 2, 0, 12, kAllies36},
    {38, AllyCondition::kQuestStage, 31, 2, 0, 2, kAllies38},
    {41, AllyCondition::kQuestStage, 62, 2, 0, 8, kAllies41},
    {42, AllyCondition::kQuestStage, 70, 2, 0, 8, kAllies42},
    {43, AllyCondition::kQuestStage, 47, 2, 0, 12, kAllies43},
    {44, AllyCondition::kQuestStage, 49, 2, 0, 8, kAllies44},
    {45, AllyCondition::kQuestStage, 45, 2, 0, 2, kAllies45},
    {46, AllyCondition::kQuestStage, 35, 2, 0, 4, kAllies46},
    {47, AllyCondition::kQuestStage, 56, 2, 0, 12, kAllies47},
    {48, AllyCondition::kQuestStage, 44, 2, 0, 5, kAllies48},
    {49, AllyCondition::kAlways, 0, 0, 0, 2, kAllies49},
    {50, AllyCondition::kQuestStage, 81, 2, 0, 4, kAllies50},
    {51, AllyCondition::kQuestStage, 66, 2, 0, 2, kAllies51},
    {52, AllyCondition::kQuestStage, 73, 2, 0, 12, kAllies52},
    {53, AllyCondition::kQuestStage, 69, 2, 0, 8, kAllies53},
    {55, AllyCondition::kQuestStage, 57, 2, 0, 2, kAllies55},
    {57, AllyCondition::kAlways, 0, 0, 0, 1, kAllies57},
    {58, AllyCondition::kQuestStage, 60, 2, 0, 9, kAllies58},
    {59, AllyCondition::kAlways, 0, 0, 0, 3, kAllies59},
    {60, AllyCondition::kQuestStage, 65, 2, 0, 8, kAllies60},
    {61, AllyCondition::kQuestStage, 58, 2, 0, 9, kAllies61},
    {63, AllyCondition::kQuestStage, 14, 2, 0, 12, kAllies63},
    {66, AllyCondition::kQuestStage, 90, 1, 0, 5, kAllies66},
    {67, AllyCondition::kQuestStage, 79, 2, 0, 8, kAllies67},
    {68, AllyCondition::kQuestStage, 82, 2, 0, 8, kAllies68},
    {69, AllyCondition::kQuestStage, 75, 2, 0, 8, kAllies69},
    {70, AllyCondition::kQuestStage, 83, 2, 0, 8, kAllies70},
    {71, AllyCondition::kQuestStage, 85, 2, 0, 8, kAllies71},
    {72, AllyCondition::kQuestStage, 41, 2, 0, 8, kAllies72},
    {73, AllyCondition::kQuestStage, 4, 5, 0, 1, kAllies73_0},
    {73, AllyCondition::kQuestStage, 70, 5, 1, 2, kAllies73_1},
    {73, AllyCondition::kQuestStage, 75, 5, 3, 2, kAllies73_2},
    {73, AllyCondition::kQuestStage, 79, 5, 5, 3, kAllies73_3},
    {73, AllyCondition::kQuestStage, 81, 5, 8, 1, kAllies73_4},
    {73, AllyCondition::kQuestStage, 82, 5, 9, 2, kAllies73_5},
    {73, AllyCondition::kQuestStage, 83, 5, 11, 2, kAllies73_6},
    {73, AllyCondition::kQuestStage, 85, 5, 13, 3, kAllies73_7},
    {81, AllyCondition::kAlways, 0, 0, 0, 5, kAllies81},
    {82, AllyCondition::kAlways, 0, 0, 0, 8, kAllies82},
    {83, AllyCondition::kAlways, 0, 0, 0, 8, kAllies83},
    {84, AllyCondition::kAlways, 0, 0, 0, 9, kAllies84},
    {85, AllyCondition::kAlways, 0, 0, 0, 10, kAllies85},
    {86, AllyCondition::kAlways, 0, 0, 0, 12, kAllies86},
    {87, AllyCondition::kAlways, 0, 0, 0, 12, kAllies87},
    {88, AllyCondition::kAlways, 0, 0, 0, 12, kAllies88},
    {89, AllyCondition::kAlways, 0, 0, 0, 12, kAllies89},
    {90, AllyCondition::kCaughtByArmy, 0, 0, 0, 12, kAllies90},
    {91, AllyCondition::kCaughtByArmy, 0, 0, 0, 12, kAllies91},
    {92, AllyCondition::kCaughtByArmy, 0, 0, 0, 12, kAllies92},
    {93, AllyCondition::kCaughtByArmy, 0, 0, 0, 12, kAllies93},
};

// Enemy armies: cell, picture, facing, soldiers, attack, shield.
const EnemyPlacement kEnemies1[] = {
    {61, 0, 2, 10, 10, 6}, {81, 3, 2, 12, 14, 9}, {101, 0, 2, 5, 6, 6},
    {49, 0, 4, 5, 6, 6}, {69, 0, 6, 5, 6, 6}, {41, 0, 2, 4, 6, 4},
    {102, 4, 2, 3, 3, 3}, {122, 4, 2, 4, 5, 4},
};
const EnemyPlacement kEnemies2[] = {
    {61, 0, 2, 4, 6, 4}, {81, 0, 2, 13, 6, 4}, {101, 1, 2, 4, 11, 13},
    {121, 1, 2, 19, 11, 13}, {147, 3, 0, 4, 15, 21}, {167, 3, 0, 5, 15, 21},
    {187, 3, 0, 14, 15, 21}, {207, 3, 0, 8, 15, 21}, {72, 4, 0, 6, 20, 30},
    {92, 4, 0, 6, 20, 30}, {172, 4, 0, 25, 20, 30},
};
const EnemyPlacement kEnemies3[] = {
    {93, 1, 6, 5, 5, 1}, {113, 2, 6, 3, 6, 6}, {133, 2, 6, 7, 6, 6},
    {115, 4, 4, 12, 7, 10}, {135, 4, 4, 6, 7, 10}, {155, 4, 4, 9, 7, 10},
};
const EnemyPlacement kEnemies4[] = {
    {61, 0, 2, 6, 6, 2}, {81, 0, 2, 10, 6, 2}, {101, 1, 2, 6, 16, 7},
    {121, 1, 2, 10, 16, 7}, {141, 1, 2, 8, 16, 7}, {89, 2, 6, 3, 26, 12},
    {109, 2, 6, 9, 26, 12}, {129, 2, 6, 21, 26, 12}, {149, 2, 6, 3, 26, 12},
};
const EnemyPlacement kEnemies5[] = {
    {61, 0, 2, 3, 6, 2}, {81, 0, 2, 3, 6, 2}, {101, 1, 2, 7, 12, 9},
    {121, 1, 2, 19, 12, 9}, {141, 1, 2, 3, 12, 9}, {124, 2, 2, 14, 17, 17},
    {144, 2, 2, 26, 17, 17}, {147, 3, 4, 9, 23, 24}, {70, 4, 6, 21, 28, 31},
    {90, 4, 6, 3, 28, 31}, {110, 4, 6, 20, 28, 31}, {130, 4, 6, 6, 28, 31},
    {150, 4, 6, 16, 28, 31},
};
const EnemyPlacement kEnemies6[] = {
    {61, 4, 2, 4, 5, 2}, {81, 4, 2, 3, 5, 2}, {101, 4, 2, 10, 5, 2},
    {121, 4, 2, 3, 5, 2}, {141, 4, 2, 8, 5, 2}, {89, 4, 6, 6, 12, 6},
    {109, 4, 6, 3, 12, 6}, {129, 4, 6, 4, 12, 6}, {149, 4, 6, 6, 12, 6},
};
const EnemyPlacement kEnemies7[] = {
    {22, 0, 2, 16, 6, 2}, {42, 0, 2, 3, 6, 2}, {62, 1, 2, 8, 13, 6},
    {82, 1, 2, 3, 13, 6}, {102, 1, 2, 3, 13, 6}, {69, 2, 6, 4, 21, 11},
    {89, 2, 6, 3, 21, 11}, {109, 4, 4, 5, 28, 15}, {129, 4, 4, 3, 28, 15},
    {149, 4, 4, 6, 28, 15},
};
const EnemyPlacement kEnemies8[] = {
    {42, 1, 2, 19, 12, 8}, {62, 1, 2, 13, 12, 8}, {82, 1, 2, 22, 12, 8},
    {102, 1, 2, 11, 12, 8}, {122, 1, 2, 12, 12, 8}, {142, 1, 2, 6, 12, 8},
    {46, 2, 2, 6, 21, 19}, {66, 2, 2, 16, 21, 19}, {146, 2, 2, 27, 21, 19},
    {49, 4, 2, 23, 31, 29}, {69, 4, 2, 38, 31, 29}, {73, 6, 6, 11, 40, 40},
    {93, 6, 6, 9, 40, 40}, {113, 6, 6, 6, 40, 40}, {133, 6, 6, 25, 40, 40},
    {153, 6, 6, 10, 40, 40},
};
const EnemyPlacement kEnemies9[] = {
    {23, 0, 2, 3, 6, 5}, {43, 0, 2, 3, 6, 5}, {63, 0, 2, 3, 6, 5},
    {83, 0, 2, 3, 6, 5}, {103, 0, 2, 6, 6, 5}, {125, 2, 2, 7, 12, 11},
    {145, 2, 2, 8, 12, 11}, {165, 2, 2, 3, 12, 11}, {185, 2, 2, 6, 12, 11},
    {205, 2, 2, 5, 12, 11}, {27, 3, 2, 3, 17, 16}, {47, 3, 2, 8, 17, 16},
    {67, 3, 2, 6, 17, 16}, {87, 3, 2, 3, 17, 16}, {50, 4, 0, 3, 23, 22},
    {170, 4, 0, 6, 23, 22}, {190, 4, 0, 3, 23, 22}, {210, 4, 0, 3, 23, 22},
    {32, 0, 0, 6, 6, 5}, {52, 0, 0, 14, 6, 5}, {172, 0, 0, 8, 6, 5},
    {192, 0, 0, 6, 6, 5}, {154, 2, 4, 3, 12, 11}, {174, 2, 4, 5, 12, 11},
    {194, 2, 4, 3, 12, 11}, {214, 2, 4, 3, 12, 11},
};
const EnemyPlacement kEnemies10[] = {
    {189, 0, 0, 3, 6, 6}, {190, 0, 0, 3, 6, 6}, {191, 3, 0, 7, 9, 13},
    {192, 3, 0, 12, 9, 13}, {193, 3, 0, 12, 9, 13}, {211, 4, 0, 3, 12, 20},
    {212, 4, 0, 3, 12, 20}, {213, 4, 0, 4, 12, 20}, {214, 4, 0, 18, 12, 20},
};
const EnemyPlacement kEnemies11[] = {
    {42, 0, 2, 18, 8, 7}, {62, 0, 2, 10, 8, 7}, {82, 0, 2, 27, 8, 7},
    {102, 0, 2, 10, 8, 7}, {122, 0, 2, 17, 8, 7}, {142, 0, 2, 10, 8, 7},
    {146, 1, 2, 16, 15, 14}, {166, 1, 2, 25, 15, 14}, {186, 1, 2, 23, 15, 14},
    {206, 1, 2, 30, 15, 14}, {226, 1, 2, 10, 15, 14}, {169, 3, 0, 21, 21, 21},
    {189, 3, 0, 13, 21, 21}, {209, 3, 0, 14, 21, 21}, {229, 3, 0, 10, 21, 21},
    {153, 4, 0, 10, 28, 28}, {173, 4, 0, 26, 28, 28}, {193, 4, 0, 23, 28, 28},
    {213, 4, 0, 21, 28, 28}, {233, 4, 0, 10, 28, 28},
};
const EnemyPlacement kEnemies12[] = {
    {42, 0, 2, 11, 7, 7}, {62, 0, 2, 28, 7, 7}, {82, 0, 2, 28, 7, 7},
    {102, 0, 2, 12, 7, 7}, {122, 0, 2, 25, 7, 7}, {145, 1, 2, 27, 12, 12},
    {165, 1, 2, 17, 12, 12}, {185, 1, 2, 20, 12, 12}, {205, 1, 2, 18, 12, 12},
    {225, 1, 2, 11, 12, 12}, {48, 2, 2, 11, 17, 18}, {68, 2, 2, 13, 17, 18},
    {88, 2, 2, 11, 17, 18}, {108, 2, 2, 11, 17, 18}, {128, 2, 2, 12, 17, 18},
    {50, 3, 2, 17, 21, 23}, {230, 3, 2, 24, 21, 23}, {53, 4, 6, 23, 26, 28},
    {153, 4, 6, 15, 26, 28}, {173, 4, 6, 14, 26, 28}, {193, 4, 6, 20, 26, 28},
    {213, 4, 6, 11, 26, 28}, {96, 0, 0, 11, 7, 7}, {116, 0, 0, 11, 7, 7},
    {136, 0, 0, 11, 7, 7}, {156, 0, 0, 36, 7, 7},
};
const EnemyPlacement kEnemies13[] = {
    {85, 0, 2, 28, 6, 6}, {105, 0, 2, 9, 6, 6}, {125, 0, 2, 21, 6, 6},
    {145, 0, 2, 17, 6, 6}, {165, 0, 2, 22, 6, 6}, {185, 0, 2, 11, 6, 6},
    {89, 2, 2, 6, 8, 11}, {189, 2, 2, 16, 8, 11}, {209, 2, 2, 5, 8, 11},
    {93, 3, 6, 5, 10, 15}, {193, 3, 6, 12, 10, 15}, {213, 3, 6, 6, 10, 15},
    {117, 4, 0, 13, 12, 20}, {137, 4, 0, 16, 12, 20}, {157, 4, 0, 6, 12, 20},
    {177, 4, 0, 16, 12, 20}, {197, 4, 0, 5, 12, 20}, {217, 4, 0, 5, 12, 20},
};
const EnemyPlacement kEnemies14[] = {
    {46, 0, 2, 15, 9, 8}, {66, 0, 2, 11, 9, 8}, {86, 0, 2, 32, 9, 8},
    {106, 1, 2, 18, 11, 12}, {126, 1, 2, 11, 11, 12}, {146, 1, 2, 24, 11, 12},
    {166, 1, 2, 11, 11, 12}, {49, 2, 2, 12, 14, 15}, {69, 2, 2, 11, 14, 15},
    {89, 2, 2, 11, 14, 15}, {52, 3, 2, 11, 16, 19}, {72, 3, 2, 25, 16, 19},
    {92, 3, 2, 20, 16, 19}, {55, 4, 6, 17, 18, 22}, {75, 4, 6, 13, 18, 22},
    {95, 4, 6, 11, 18, 22}, {115, 4, 6, 19, 18, 22}, {135, 4, 6, 11, 18, 22},
    {155, 4, 6, 13, 18, 22}, {175, 4, 6, 13, 18, 22},
};
const EnemyPlacement kEnemies15[] = {
    {46, 0, 2, 11, 9, 9}, {66, 0, 2, 11, 9, 9}, {86, 0, 2, 13, 9, 9},
    {106, 0, 2, 16, 9, 9}, {126, 0, 2, 21, 9, 9}, {146, 0, 2, 22, 9, 9},
    {49, 3, 2, 11, 14, 14}, {69, 3, 2, 11, 14, 14}, {89, 3, 2, 23, 14, 14},
    {52, 4, 2, 17, 18, 18}, {72, 4, 2, 18, 18, 18}, {92, 4, 2, 32, 18, 18},
    {75, 0, 6, 11, 9, 9}, {95, 0, 6, 11, 9, 9}, {115, 0, 6, 15, 9, 9},
    {135, 0, 6, 11, 9, 9}, {155, 0, 6, 11, 9, 9}, {175, 0, 6, 19, 9, 9},
};
const EnemyPlacement kEnemies16[] = {
    {135, 0, 6, 12, 12, 9}, {136, 0, 6, 15, 12, 9}, {137, 0, 6, 15, 12, 9},
    {174, 3, 2, 13, 20, 19}, {175, 3, 2, 12, 20, 19}, {176, 3, 2, 24, 20, 19},
    {177, 3, 2, 12, 20, 19}, {207, 4, 0, 13, 28, 28}, {208, 4, 0, 14, 28, 28},
    {209, 4, 0, 19, 28, 28}, {210, 4, 0, 19, 28, 28},
};
const EnemyPlacement kEnemies17[] = {
    {46, 1, 2, 13, 12, 10}, {66, 1, 2, 17, 12, 10}, {86, 1, 2, 9, 12, 10},
    {106, 1, 2, 23, 12, 10}, {126, 1, 2, 31, 12, 10}, {146, 1, 2, 27, 12, 10},
    {128, 2, 2, 10, 17, 16}, {148, 2, 2, 31, 17, 16}, {168, 2, 2, 10, 17, 16},
    {188, 2, 2, 9, 17, 16}, {208, 2, 2, 21, 17, 16}, {51, 3, 0, 14, 21, 23},
    {171, 3, 0, 19, 21, 23}, {191, 3, 0, 9, 21, 23}, {211, 3, 0, 14, 21, 23},
    {53, 4, 6, 9, 26, 29}, {153, 4, 6, 9, 26, 29}, {173, 4, 6, 12, 26, 29},
    {193, 4, 6, 20, 26, 29}, {213, 4, 6, 9, 26, 29}, {55, 1, 6, 24, 12, 10},
    {75, 1, 6, 14, 12, 10}, {95, 1, 6, 44, 12, 10}, {115, 1, 6, 11, 12, 10},
    {135, 1, 6, 9, 12, 10},
};
const EnemyPlacement kEnemies18[] = {
    {189, 0, 0, 3, 6, 6}, {190, 0, 0, 3, 6, 6}, {191, 3, 0, 3, 10, 9},
    {192, 3, 0, 6, 10, 9}, {210, 4, 0, 9, 14, 12}, {211, 4, 0, 6, 14, 12},
    {212, 4, 0, 3, 14, 12}, {213, 4, 0, 15, 14, 12},
};
const EnemyPlacement kEnemies19[] = {
    {46, 0, 2, 15, 11, 8}, {66, 0, 2, 11, 11, 8}, {86, 0, 2, 9, 11, 8},
    {106, 0, 2, 9, 11, 8}, {126, 0, 2, 9, 11, 8}, {146, 0, 2, 9, 11, 8},
    {166, 0, 2, 19, 11, 8}, {186, 0, 2, 9, 11, 8}, {206, 0, 2, 19, 11, 8},
    {48, 3, 2, 34, 22, 20}, {68, 3, 2, 15, 22, 20}, {88, 3, 2, 19, 22, 20},
    {108, 3, 2, 17, 22, 20}, {49, 4, 4, 9, 32, 32}, {51, 0, 4, 9, 11, 8},
    {52, 3, 4, 10, 22, 20}, {74, 4, 6, 10, 32, 32}, {94, 4, 6, 19, 32, 32},
    {114, 4, 6, 15, 32, 32}, {134, 4, 6, 12, 32, 32}, {154, 4, 6, 9, 32, 32},
    {174, 4, 6, 24, 32, 32}, {194, 4, 6, 9, 32, 32}, {214, 4, 6, 9, 32, 32},
    {55, 0, 0, 9, 11, 8}, {75, 0, 0, 11, 11, 8}, {95, 0, 0, 18, 11, 8},
    {115, 0, 0, 24, 11, 8}, {135, 0, 0, 9, 11, 8}, {155, 0, 0, 22, 11, 8},
    {175, 0, 0, 10, 11, 8}, {195, 0, 0, 23, 11, 8},
};
const EnemyPlacement kEnemies20[] = {
    {188, 1, 0, 10, 17, 17}, {189, 1, 0, 11, 17, 17}, {190, 1, 0, 12, 17, 17},
    {191, 1, 0, 13, 17, 17}, {192, 1, 0, 14, 17, 17}, {193, 1, 0, 15, 17, 17},
    {194, 1, 0, 16, 17, 17},
};
const EnemyPlacement kEnemies21[] = {
    {82, 2, 2, 10, 14, 10}, {102, 2, 2, 18, 14, 10}, {122, 2, 2, 10, 14, 10},
    {142, 4, 2, 28, 20, 19}, {162, 4, 2, 14, 20, 19}, {182, 4, 2, 10, 20, 19},
    {202, 4, 2, 31, 20, 19}, {86, 5, 4, 18, 26, 27}, {106, 5, 4, 10, 26, 27},
    {226, 5, 4, 15, 26, 27}, {90, 7, 4, 34, 32, 36}, {110, 7, 4, 46, 32, 36},
    {190, 7, 4, 18, 32, 36}, {210, 7, 4, 31, 32, 36}, {230, 7, 4, 10, 32, 36},
};
const EnemyPlacement kEnemies22[] = {
    {188, 6, 0, 42, 35, 40}, {189, 6, 0, 26, 35, 40}, {190, 6, 0, 27, 35, 40},
    {191, 8, 0, 30, 40, 46}, {192, 8, 0, 26, 40, 46}, {193, 8, 0, 26, 40, 46},
    {194, 8, 0, 39, 40, 46},
};
const EnemyPlacement kEnemies23[] = {
    {82, 4, 2, 17, 14, 10}, {102, 4, 2, 10, 14, 10}, {122, 4, 2, 29, 14, 10},
    {142, 4, 2, 35, 14, 10}, {162, 4, 2, 11, 14, 10}, {182, 4, 2, 21, 14, 10},
    {202, 4, 2, 34, 14, 10}, {86, 5, 4, 11, 23, 24}, {106, 5, 4, 10, 23, 24},
    {226, 5, 4, 20, 23, 24}, {90, 7, 4, 10, 32, 37}, {110, 7, 4, 11, 32, 37},
    {130, 7, 4, 48, 32, 37}, {230, 7, 4, 10, 32, 37},
};
const EnemyPlacement kEnemies24[] = {
    {26, 0, 2, 22, 14, 8}, {46, 0, 2, 9, 14, 8}, {66, 0, 2, 22, 14, 8},
    {86, 0, 2, 9, 14, 8}, {106, 0, 2, 22, 14, 8}, {126, 0, 2, 41, 14, 8},
    {128, 3, 0, 13, 17, 14}, {148, 3, 0, 38, 17, 14}, {168, 3, 0, 35, 17, 14},
    {188, 3, 0, 9, 17, 14}, {208, 3, 0, 9, 17, 14}, {228, 3, 0, 12, 17, 14},
    {29, 4, 0, 9, 20, 20}, {209, 4, 0, 9, 20, 20}, {229, 4, 0, 9, 20, 20},
    {31, 0, 6, 15, 14, 8}, {51, 0, 6, 9, 14, 8}, {211, 0, 6, 9, 14, 8},
    {231, 0, 6, 11, 14, 8}, {32, 3, 6, 34, 17, 14}, {52, 3, 6, 9, 17, 14},
    {172, 3, 6, 29, 17, 14}, {192, 3, 6, 36, 17, 14}, {212, 3, 6, 30, 17, 14},
    {154, 4, 6, 38, 20, 20}, {174, 4, 6, 43, 20, 20}, {194, 4, 6, 37, 20, 20},
    {214, 4, 6, 61, 20, 20}, {234, 4, 6, 14, 20, 20}, {35, 0, 4, 9, 14, 8},
    {55, 0, 4, 17, 14, 8}, {75, 0, 4, 9, 14, 8}, {95, 0, 4, 9, 14, 8},
    {115, 0, 4, 11, 14, 8},
};
const EnemyPlacement kEnemies25[] = {
    {103, 0, 2, 16, 14, 12}, {123, 0, 2, 10, 14, 12}, {143, 0, 2, 20, 14, 12},
    {163, 0, 2, 32, 14, 12}, {183, 0, 2, 24, 14, 12}, {110, 3, 4, 11, 30, 30},
    {130, 3, 4, 12, 30, 30}, {150, 3, 4, 23, 30, 30}, {170, 3, 4, 10, 30, 30},
    {190, 3, 4, 10, 30, 30},
};
const EnemyPlacement kEnemies26[] = {
    {103, 4, 2, 14, 16, 12}, {123, 4, 2, 20, 16, 12}, {143, 4, 2, 14, 16, 12},
    {163, 4, 2, 18, 16, 12}, {183, 4, 2, 25, 16, 12}, {203, 4, 2, 14, 16, 12},
    {223, 4, 2, 18, 16, 12}, {107, 5, 4, 23, 28, 26}, {110, 7, 6, 17, 40, 40},
    {130, 7, 6, 18, 40, 40}, {150, 7, 6, 38, 40, 40}, {170, 7, 6, 24, 40, 40},
    {190, 7, 6, 20, 40, 40}, {210, 7, 6, 24, 40, 40}, {230, 7, 6, 14, 40, 40},
};
const EnemyPlacement kEnemies27[] = {
    {103, 4, 4, 13, 16, 12}, {104, 4, 4, 31, 16, 12}, {105, 4, 4, 34, 16, 12},
    {106, 4, 4, 22, 16, 12}, {107, 4, 4, 13, 16, 12}, {108, 4, 4, 23, 16, 12},
    {163, 6, 6, 19, 32, 31}, {164, 6, 6, 20, 32, 31}, {169, 6, 6, 30, 32, 31},
    {170, 6, 6, 13, 32, 31}, {223, 8, 2, 44, 48, 50}, {224, 8, 2, 19, 48, 50},
    {229, 8, 2, 32, 48, 50}, {230, 8, 2, 13, 48, 50},
};
const EnemyPlacement kEnemies28[] = {
    {42, 6, 2, 22, 35, 40}, {62, 6, 2, 44, 35, 40}, {82, 6, 2, 19, 35, 40},
    {102, 6, 2, 12, 35, 40}, {63, 8, 2, 20, 40, 40}, {83, 8, 2, 18, 40, 40},
    {103, 8, 2, 12, 40, 40}, {123, 8, 2, 21, 40, 40}, {49, 6, 6, 12, 35, 40},
    {69, 6, 6, 12, 35, 40}, {89, 6, 6, 19, 35, 40}, {50, 8, 6, 12, 40, 40},
    {70, 8, 6, 12, 40, 40}, {90, 8, 6, 12, 40, 40}, {110, 8, 6, 12, 40, 40},
};
const EnemyPlacement kEnemies29[] = {
    {66, 6, 2, 37, 35, 40}, {86, 6, 2, 53, 35, 40}, {106, 6, 2, 13, 35, 40},
    {126, 6, 2, 11, 35, 40}, {146, 6, 2, 31, 35, 40}, {166, 6, 2, 29, 35, 40},
    {186, 6, 2, 34, 35, 40}, {74, 8, 6, 41, 40, 46}, {94, 8, 6, 19, 40, 46},
    {114, 8, 6, 13, 40, 46}, {134, 8, 6, 43, 40, 46}, {154, 8, 6, 25, 40, 46},
    {174, 8, 6, 11, 40, 46}, {194, 8, 6, 11, 40, 46},
};
const EnemyPlacement kEnemies30[] = {
    {42, 0, 2, 15, 7, 7}, {62, 0, 2, 12, 7, 7}, {82, 1, 2, 25, 12, 12},
    {102, 1, 2, 12, 12, 12}, {122, 1, 2, 26, 12, 12}, {146, 2, 2, 12, 17, 18},
    {166, 2, 2, 13, 17, 18}, {186, 2, 2, 17, 17, 18}, {206, 2, 2, 18, 17, 18},
    {226, 2, 2, 34, 17, 18}, {49, 3, 2, 26, 21, 23}, {149, 3, 2, 16, 21, 23},
    {169, 3, 2, 21, 21, 23}, {189, 3, 2, 12, 21, 23}, {209, 3, 2, 12, 21, 23},
    {153, 4, 0, 15, 26, 28}, {173, 4, 0, 12, 26, 28}, {193, 4, 0, 18, 26, 28},
    {213, 4, 0, 16, 26, 28}, {233, 4, 0, 26, 26, 28},
};
const EnemyPlacement kEnemies31[] = {
    {66, 5, 2, 20, 24, 24}, {86, 5, 2, 11, 24, 24}, {106, 5, 2, 11, 24, 24},
    {126, 5, 2, 23, 24, 24}, {146, 5, 2, 17, 24, 24}, {168, 7, 0, 19, 36, 38},
    {188, 7, 0, 11, 36, 38}, {208, 7, 0, 23, 36, 38}, {228, 7, 0, 11, 36, 38},
    {170, 5, 0, 20, 24, 24}, {190, 5, 0, 11, 24, 24}, {210, 5, 0, 25, 24, 24},
    {230, 5, 0, 52, 24, 24}, {172, 7, 0, 11, 36, 38}, {192, 7, 0, 11, 36, 38},
    {212, 7, 0, 24, 36, 38}, {232, 7, 0, 11, 36, 38}, {74, 5, 6, 11, 24, 24},
    {94, 5, 6, 11, 24, 24}, {114, 5, 6, 18, 24, 24}, {134, 5, 6, 17, 24, 24},
};
const EnemyPlacement kEnemies32[] = {
    {66, 5, 2, 30, 26, 30}, {86, 5, 2, 14, 26, 30}, {106, 5, 2, 10, 26, 30},
    {126, 5, 2, 12, 26, 30}, {146, 5, 2, 29, 26, 30}, {168, 7, 0, 21, 30, 34},
    {188, 7, 0, 10, 30, 34}, {208, 7, 0, 18, 30, 34}, {228, 7, 0, 10, 30, 34},
    {248, 7, 0, 13, 30, 34}, {170, 5, 0, 29, 26, 30}, {190, 5, 0, 31, 26, 30},
    {210, 5, 0, 10, 26, 30}, {230, 5, 0, 10, 26, 30}, {192, 7, 0, 10, 30, 34},
    {212, 7, 0, 44, 30, 34}, {232, 7, 0, 10, 30, 34}, {252, 7, 0, 10, 30, 34},
    {74, 5, 6, 13, 26, 30}, {94, 5, 6, 10, 26, 30}, {114, 5, 6, 11, 26, 30},
    {134, 5, 6, 10, 26, 30},
};
const EnemyPlacement kEnemies33[] = {
    {122, 1, 2, 14, 14, 8}, {142, 1, 2, 14, 14, 8}, {162, 1, 2, 28, 14, 8},
    {182, 2, 2, 14, 20, 19}, {202, 2, 2, 14, 20, 19}, {222, 2, 2, 14, 20, 19},
    {123, 4, 2, 24, 26, 30}, {143, 4, 2, 14, 26, 30}, {163, 4, 2, 14, 26, 30},
    {183, 4, 2, 15, 26, 30}, {203, 4, 2, 38, 26, 30}, {223, 4, 2, 14, 26, 30},
};
const EnemyPlacement kEnemies34[] = {
    {122, 1, 2, 22, 14, 8}, {142, 1, 2, 14, 14, 8}, {162, 1, 2, 14, 14, 8},
    {182, 1, 2, 42, 14, 8}, {164, 2, 2, 14, 17, 19}, {184, 2, 2, 18, 17, 19},
    {204, 2, 2, 14, 17, 19}, {224, 2, 2, 14, 17, 19}, {128, 4, 6, 14, 20, 30},
    {130, 1, 6, 23, 14, 8}, {150, 1, 6, 22, 14, 8}, {170, 1, 6, 14, 14, 8},
    {190, 1, 6, 19, 14, 8},
};
const EnemyPlacement kEnemies35[] = {
    {61, 0, 2, 8, 6, 2}, {81, 0, 2, 10, 6, 2}, {101, 1, 2, 10, 13, 5},
    {121, 1, 2, 9, 13, 5}, {141, 1, 2, 7, 13, 5}, {69, 2, 6, 12, 19, 9},
    {89, 2, 6, 21, 19, 9}, {109, 4, 6, 7, 26, 12}, {129, 4, 6, 8, 26, 12},
    {149, 4, 6, 7, 26, 12},
};
const EnemyPlacement kEnemies36[] = {
    {46, 6, 2, 26, 35, 40}, {66, 6, 2, 25, 35, 40}, {86, 6, 2, 16, 35, 40},
    {106, 6, 2, 10, 35, 40}, {126, 6, 2, 10, 35, 40}, {146, 6, 2, 10, 35, 40},
    {166, 6, 2, 10, 35, 40}, {186, 6, 2, 25, 35, 40}, {206, 6, 2, 27, 35, 40},
    {48, 8, 2, 10, 41, 46}, {68, 8, 2, 12, 41, 46}, {88, 8, 2, 11, 41, 46},
    {108, 8, 2, 10, 41, 46}, {228, 8, 2, 27, 41, 46}, {49, 6, 2, 28, 35, 40},
    {229, 6, 2, 45, 35, 40}, {51, 8, 0, 14, 41, 46}, {231, 8, 0, 10, 41, 46},
    {52, 6, 6, 22, 35, 40}, {232, 6, 6, 16, 35, 40}, {94, 8, 4, 22, 41, 46},
    {114, 8, 4, 26, 41, 46}, {134, 8, 4, 10, 41, 46}, {154, 8, 4, 21, 41, 46},
    {174, 8, 4, 10, 41, 46}, {194, 8, 4, 30, 41, 46}, {214, 8, 4, 30, 41, 46},
    {234, 8, 4, 10, 41, 46},
};
const EnemyPlacement kEnemies37[] = {
    {142, 2, 2, 12, 14, 10}, {162, 2, 2, 13, 14, 10}, {182, 2, 2, 16, 14, 10},
    {202, 2, 2, 17, 14, 10}, {222, 2, 2, 16, 14, 10}, {245, 4, 0, 17, 19, 17},
    {149, 5, 6, 10, 23, 23}, {169, 5, 6, 10, 23, 23}, {189, 5, 6, 10, 23, 23},
    {209, 5, 6, 10, 23, 23}, {192, 7, 6, 28, 28, 30}, {212, 7, 6, 19, 28, 30},
    {232, 7, 6, 10, 28, 30}, {252, 7, 6, 23, 28, 30},
};
const EnemyPlacement kEnemies38[] = {
    {122, 6, 2, 14, 26, 26}, {142, 6, 2, 14, 26, 26}, {162, 6, 2, 25, 26, 26},
    {182, 6, 2, 21, 26, 26}, {143, 7, 2, 38, 33, 36}, {163, 7, 2, 38, 33, 36},
    {183, 7, 2, 14, 33, 36}, {203, 7, 2, 58, 33, 36}, {125, 8, 4, 24, 40, 46},
    {126, 6, 4, 14, 26, 26}, {127, 7, 4, 27, 33, 36}, {169, 8, 4, 14, 40, 46},
    {189, 8, 4, 16, 40, 46}, {209, 8, 4, 21, 40, 46}, {130, 6, 4, 38, 26, 26},
    {150, 6, 4, 42, 26, 26}, {170, 6, 4, 14, 26, 26},
};
const EnemyPlacement kEnemies39[] = {
    {46, 0, 2, 11, 10, 8}, {66, 0, 2, 36, 10, 8}, {86, 0, 2, 22, 10, 8},
    {106, 0, 2, 15, 10, 8}, {126, 0, 2, 9, 10, 8}, {68, 3, 0, 18, 15, 14},
    {148, 3, 0, 9, 15, 14}, {168, 3, 0, 9, 15, 14}, {188, 3, 0, 12, 15, 14},
    {208, 3, 0, 9, 15, 14}, {49, 4, 0, 22, 20, 20}, {69, 4, 0, 21, 20, 20},
    {169, 4, 0, 9, 20, 20}, {189, 4, 0, 9, 20, 20}, {209, 4, 0, 12, 20, 20},
    {51, 0, 6, 9, 10, 8}, {71, 0, 6, 23, 10, 8}, {171, 0, 6, 9, 10, 8},
    {191, 0, 6, 11, 10, 8}, {211, 0, 6, 24, 10, 8}, {52, 3, 6, 22, 15, 14},
    {72, 3, 6, 9, 15, 14}, {172, 3, 6, 26, 15, 14}, {192, 3, 6, 18, 15, 14},
    {154, 4, 6, 9, 20, 20}, {174, 4, 6, 13, 20, 20}, {194, 4, 6, 9, 20, 20},
    {214, 4, 6, 12, 20, 20}, {55, 0, 4, 22, 10, 8}, {75, 0, 4, 9, 10, 8},
    {95, 0, 4, 9, 10, 8}, {115, 0, 4, 10, 10, 8},
};
const EnemyPlacement kEnemies40[] = {
    {122, 2, 2, 12, 14, 8}, {142, 2, 2, 37, 14, 8}, {162, 2, 2, 39, 14, 8},
    {182, 2, 2, 36, 14, 8}, {202, 2, 2, 13, 14, 8}, {164, 4, 2, 35, 21, 18},
    {184, 4, 2, 21, 21, 18}, {204, 4, 2, 28, 21, 18}, {224, 4, 2, 12, 21, 18},
    {126, 6, 2, 26, 27, 27}, {226, 6, 2, 12, 27, 27}, {129, 7, 6, 12, 34, 37},
    {229, 7, 6, 52, 34, 37}, {131, 8, 6, 31, 40, 46}, {151, 8, 6, 38, 40, 46},
    {171, 8, 6, 12, 40, 46}, {191, 8, 6, 12, 40, 46}, {173, 2, 6, 26, 14, 8},
    {193, 2, 6, 27, 14, 8}, {213, 2, 6, 12, 14, 8}, {233, 2, 6, 28, 14, 8},
};
const EnemyPlacement kEnemies41[] = {
    {26, 1, 2, 14, 14, 8}, {46, 1, 2, 25, 14, 8}, {66, 1, 2, 19, 14, 8},
    {86, 1, 2, 10, 14, 8}, {106, 1, 2, 28, 14, 8}, {127, 2, 0, 22, 21, 16},
    {147, 2, 0, 19, 21, 16}, {167, 2, 0, 23, 21, 16}, {187, 2, 0, 56, 21, 16},
    {207, 2, 0, 34, 21, 16}, {28, 4, 2, 26, 28, 25}, {48, 4, 2, 27, 28, 25},
    {168, 4, 2, 16, 28, 25}, {188, 4, 2, 18, 28, 25}, {208, 4, 2, 10, 28, 25},
    {29, 6, 0, 13, 36, 33}, {49, 6, 0, 10, 36, 33}, {189, 6, 0, 14, 36, 33},
    {209, 6, 0, 38, 36, 33}, {31, 7, 6, 10, 43, 42}, {51, 7, 6, 22, 43, 42},
    {191, 7, 6, 23, 43, 42}, {211, 7, 6, 26, 43, 42}, {32, 8, 6, 20, 50, 50},
    {52, 8, 6, 10, 50, 50}, {192, 8, 6, 10, 50, 50}, {212, 8, 6, 34, 50, 50},
    {33, 1, 6, 33, 14, 8}, {53, 1, 6, 10, 14, 8}, {193, 1, 6, 36, 14, 8},
    {213, 1, 6, 29, 14, 8}, {134, 2, 6, 34, 21, 16}, {154, 2, 6, 25, 21, 16},
    {174, 2, 6, 30, 21, 16}, {194, 2, 6, 10, 21, 16}, {214, 2, 6, 10, 21, 16},
    {35, 4, 4, 36, 28, 25}, {55, 4, 4, 10, 28, 25}, {75, 4, 4, 10, 28, 25},
    {95, 4, 4, 10, 28, 25}, {115, 4, 4, 10, 28, 25},
};
const EnemyPlacement kEnemies42[] = {
    {46, 1, 2, 23, 14, 10}, {66, 1, 2, 10, 14, 10}, {86, 1, 2, 10, 14, 10},
    {106, 1, 2, 10, 14, 10}, {126, 1, 2, 25, 14, 10}, {146, 1, 2, 35, 14, 10},
    {127, 2, 2, 13, 28, 30}, {147, 2, 2, 24, 28, 30}, {167, 2, 2, 15, 28, 30},
    {187, 2, 2, 12, 28, 30}, {207, 2, 2, 16, 28, 30}, {227, 2, 2, 18, 28, 30},
    {48, 4, 2, 28, 42, 50}, {68, 4, 2, 15, 42, 50}, {88, 4, 2, 18, 42, 50},
    {108, 4, 2, 10, 42, 50}, {208, 4, 2, 21, 42, 50}, {228, 4, 2, 11, 42, 50},
    {49, 1, 2, 10, 14, 10}, {209, 1, 2, 23, 14, 10}, {229, 1, 2, 10, 14, 10},
    {51, 2, 0, 29, 28, 30}, {211, 2, 0, 48, 28, 30}, {231, 2, 0, 26, 28, 30},
    {52, 4, 0, 14, 42, 50}, {212, 4, 0, 31, 42, 50}, {232, 4, 0, 13, 42, 50},
    {53, 1, 6, 10, 14, 10}, {213, 1, 6, 19, 14, 10}, {233, 1, 6, 10, 14, 10},
    {134, 2, 6, 12, 28, 30}, {154, 2, 6, 10, 28, 30}, {174, 2, 6, 25, 28, 30},
    {194, 2, 6, 10, 28, 30}, {214, 2, 6, 10, 28, 30}, {234, 2, 6, 39, 28, 30},
    {55, 4, 4, 14, 42, 50}, {75, 4, 4, 26, 42, 50}, {95, 4, 4, 30, 42, 50},
    {115, 4, 4, 10, 42, 50}, {135, 4, 4, 10, 42, 50},
};
const EnemyPlacement kEnemies43[] = {
    {26, 2, 2, 30, 14, 8}, {46, 2, 2, 14, 14, 8}, {66, 2, 2, 11, 14, 8},
    {86, 2, 2, 8, 14, 8}, {106, 2, 2, 8, 14, 8}, {126, 2, 2, 16, 14, 8},
    {146, 2, 2, 54, 14, 8}, {166, 2, 2, 8, 14, 8}, {28, 4, 2, 8, 23, 21},
    {48, 4, 2, 20, 23, 21}, {68, 4, 2, 8, 23, 21}, {88, 4, 2, 8, 23, 21},
    {108, 4, 2, 10, 23, 21}, {29, 6, 4, 8, 31, 33}, {49, 6, 4, 8, 31, 33},
    {31, 8, 4, 8, 40, 46}, {51, 8, 4, 8, 40, 46}, {32, 2, 4, 16, 14, 8},
    {52, 2, 4, 9, 14, 8}, {94, 4, 6, 18, 23, 21}, {114, 4, 6, 27, 23, 21},
    {134, 4, 6, 16, 23, 21}, {154, 4, 6, 27, 23, 21}, {174, 4, 6, 8, 23, 21},
    {194, 4, 6, 21, 23, 21}, {214, 4, 6, 28, 23, 21}, {35, 6, 0, 8, 31, 33},
    {55, 6, 0, 8, 31, 33}, {75, 6, 0, 8, 31, 33}, {95, 6, 0, 24, 31, 33},
    {115, 6, 0, 8, 31, 33}, {135, 6, 0, 25, 31, 33}, {155, 6, 0, 8, 31, 33},
};
const EnemyPlacement kEnemies44[] = {
    {46, 4, 2, 21, 14, 8}, {66, 4, 2, 9, 14, 8}, {86, 4, 2, 9, 14, 8},
    {106, 4, 2, 19, 14, 8}, {126, 4, 2, 9, 14, 8}, {146, 4, 2, 9, 14, 8},
    {166, 4, 2, 9, 14, 8}, {48, 5, 2, 9, 29, 24}, {68, 5, 2, 15, 29, 24},
    {88, 5, 2, 28, 29, 24}, {208, 5, 2, 9, 29, 24}, {228, 5, 2, 9, 29, 24},
    {49, 7, 0, 27, 44, 40}, {209, 7, 0, 20, 44, 40}, {229, 7, 0, 9, 44, 40},
    {51, 4, 6, 14, 14, 8}, {211, 4, 6, 9, 14, 8}, {231, 4, 6, 13, 14, 8},
    {52, 5, 6, 14, 29, 24}, {212, 5, 6, 9, 29, 24}, {232, 5, 6, 24, 29, 24},
    {114, 7, 6, 12, 44, 40}, {134, 7, 6, 23, 44, 40}, {154, 7, 6, 25, 44, 40},
    {174, 7, 6, 15, 44, 40}, {194, 7, 6, 18, 44, 40}, {214, 7, 6, 27, 44, 40},
    {234, 7, 6, 9, 44, 40}, {55, 4, 4, 9, 14, 8}, {75, 4, 4, 11, 14, 8},
    {95, 4, 4, 44, 14, 8}, {115, 4, 4, 18, 14, 8}, {135, 4, 4, 29, 14, 8},
    {155, 4, 4, 9, 14, 8},
};
const EnemyPlacement kEnemies45[] = {
    {65, 4, 2, 7, 16, 10}, {85, 4, 2, 13, 16, 10}, {105, 4, 2, 19, 16, 10},
    {125, 4, 2, 28, 16, 10}, {145, 4, 2, 24, 16, 10}, {165, 4, 2, 7, 16, 10},
    {185, 4, 2, 23, 16, 10}, {68, 6, 2, 29, 24, 22}, {88, 6, 2, 42, 24, 22},
    {188, 6, 2, 14, 24, 22}, {152, 7, 6, 13, 32, 34}, {172, 7, 6, 11, 32, 34},
    {192, 7, 6, 30, 32, 34}, {75, 8, 6, 7, 40, 46}, {95, 8, 6, 26, 40, 46},
    {115, 8, 6, 7, 40, 46}, {135, 8, 6, 12, 40, 46}, {155, 8, 6, 22, 40, 46},
    {175, 8, 6, 7, 40, 46}, {195, 8, 6, 20, 40, 46},
};
const EnemyPlacement kEnemies46[] = {
    {46, 0, 2, 9, 11, 8}, {66, 0, 2, 9, 11, 8}, {86, 0, 2, 9, 11, 8},
    {106, 0, 2, 15, 11, 8}, {126, 0, 2, 29, 11, 8}, {146, 0, 2, 18, 11, 8},
    {166, 0, 2, 9, 11, 8}, {48, 1, 2, 21, 16, 13}, {68, 1, 2, 9, 16, 13},
    {88, 1, 2, 25, 16, 13}, {188, 1, 2, 9, 16, 13}, {208, 1, 2, 28, 16, 13},
    {50, 2, 6, 14, 22, 19}, {190, 2, 6, 23, 22, 19}, {210, 2, 6, 9, 22, 19},
    {51, 3, 6, 16, 27, 24}, {191, 3, 6, 9, 27, 24}, {211, 3, 6, 9, 27, 24},
    {53, 4, 6, 21, 32, 29}, {193, 4, 6, 28, 32, 29}, {213, 4, 6, 22, 32, 29},
    {95, 0, 0, 29, 11, 8}, {115, 0, 0, 9, 11, 8}, {135, 0, 0, 39, 11, 8},
    {155, 0, 0, 9, 11, 8}, {175, 0, 0, 9, 11, 8}, {195, 0, 0, 30, 11, 8},
    {215, 0, 0, 9, 11, 8},
};
const EnemyPlacement kEnemies47[] = {
    {26, 4, 2, 10, 14, 8}, {46, 4, 2, 10, 14, 8}, {66, 4, 2, 10, 14, 8},
    {86, 4, 2, 13, 14, 8}, {106, 4, 2, 30, 14, 8}, {126, 4, 2, 14, 14, 8},
    {146, 4, 2, 10, 14, 8}, {28, 5, 2, 21, 23, 18}, {48, 5, 2, 15, 23, 18},
    {68, 5, 2, 17, 23, 18}, {88, 5, 2, 10, 23, 18}, {108, 5, 2, 18, 23, 18},
    {228, 5, 2, 52, 23, 18}, {29, 6, 2, 10, 32, 27}, {49, 6, 2, 15, 32, 27},
    {229, 6, 2, 25, 32, 27}, {31, 7, 4, 32, 41, 37}, {51, 7, 4, 10, 41, 37},
    {231, 7, 4, 10, 41, 37}, {32, 8, 4, 23, 50, 46}, {52, 8, 4, 10, 50, 46},
    {232, 8, 4, 32, 50, 46}, {134, 4, 6, 10, 14, 8}, {154, 4, 6, 14, 14, 8},
    {174, 4, 6, 24, 14, 8}, {194, 4, 6, 10, 14, 8}, {214, 4, 6, 10, 14, 8},
    {234, 4, 6, 14, 14, 8}, {35, 5, 0, 17, 23, 18}, {55, 5, 0, 14, 23, 18},
    {75, 5, 0, 14, 23, 18}, {95, 5, 0, 24, 23, 18}, {115, 5, 0, 10, 23, 18},
    {135, 5, 0, 10, 23, 18},
};
const EnemyPlacement kEnemies48[] = {
    {46, 0, 2, 28, 11, 8}, {66, 0, 2, 22, 11, 8}, {86, 0, 2, 15, 11, 8},
    {106, 0, 2, 9, 11, 8}, {126, 0, 2, 10, 11, 8}, {146, 0, 2, 11, 11, 8},
    {166, 0, 2, 12, 11, 8}, {48, 3, 2, 9, 19, 17}, {49, 4, 2, 15, 26, 26},
    {51, 0, 2, 14, 11, 8}, {52, 3, 6, 19, 19, 17}, {74, 4, 6, 12, 26, 26},
    {94, 4, 6, 12, 26, 26}, {114, 4, 6, 20, 26, 26}, {134, 4, 6, 9, 26, 26},
    {154, 4, 6, 10, 26, 26}, {174, 4, 6, 9, 26, 26}, {194, 4, 6, 15, 26, 26},
    {55, 0, 0, 22, 11, 8}, {75, 0, 0, 15, 11, 8}, {95, 0, 0, 20, 11, 8},
    {115, 0, 0, 9, 11, 8}, {135, 0, 0, 18, 11, 8}, {155, 0, 0, 9, 11, 8},
};
const EnemyPlacement kEnemies49[] = {
    {66, 6, 2, 37, 32, 40}, {86, 6, 2, 58, 32, 40}, {106, 6, 2, 26, 32, 40},
    {126, 6, 2, 11, 32, 40}, {146, 6, 2, 20, 32, 40}, {166, 6, 2, 15, 32, 40},
    {186, 6, 2, 12, 32, 40}, {188, 8, 0, 12, 48, 46}, {208, 8, 0, 50, 48, 46},
    {190, 6, 0, 42, 32, 40}, {210, 6, 0, 14, 32, 40}, {192, 8, 0, 43, 48, 46},
    {212, 8, 0, 29, 48, 46},
};
const EnemyPlacement kEnemies50[] = {
    {26, 1, 2, 18, 14, 10}, {46, 1, 2, 10, 14, 10}, {66, 1, 2, 10, 14, 10},
    {86, 1, 2, 10, 14, 10}, {106, 1, 2, 28, 14, 10}, {126, 1, 2, 32, 14, 10},
    {127, 2, 2, 10, 23, 23}, {147, 2, 2, 34, 23, 23}, {167, 2, 2, 23, 23, 23},
    {187, 2, 2, 25, 23, 23}, {207, 2, 2, 10, 23, 23}, {227, 2, 2, 10, 23, 23},
    {28, 4, 2, 10, 33, 37}, {48, 4, 2, 34, 33, 37}, {68, 4, 2, 10, 33, 37},
    {88, 4, 2, 10, 33, 37}, {108, 4, 2, 22, 33, 37}, {128, 4, 2, 22, 33, 37},
    {29, 7, 2, 10, 42, 50}, {49, 7, 2, 18, 42, 50}, {209, 7, 2, 30, 42, 50},
    {229, 7, 2, 12, 42, 50}, {31, 1, 6, 10, 14, 10}, {51, 1, 6, 32, 14, 10},
    {211, 1, 6, 11, 14, 10}, {231, 1, 6, 10, 14, 10}, {32, 2, 6, 13, 23, 23},
    {52, 2, 6, 28, 23, 23}, {212, 2, 6, 10, 23, 23}, {232, 2, 6, 10, 23, 23},
    {33, 4, 6, 10, 33, 37}, {53, 4, 6, 37, 33, 37}, {213, 4, 6, 10, 33, 37},
    {233, 4, 6, 10, 33, 37}, {154, 7, 4, 17, 42, 50}, {174, 7, 4, 29, 42, 50},
    {194, 7, 4, 29, 42, 50}, {214, 7, 4, 35, 42, 50}, {234, 7, 4, 19, 42, 50},
    {35, 1, 0, 10, 14, 10}, {55, 1, 0, 35, 14, 10}, {75, 1, 0, 61, 14, 10},
    {95, 1, 0, 25, 14, 10}, {115, 1, 0, 27, 14, 10},
};
const EnemyPlacement kEnemies51[] = {
    {46, 0, 2, 42, 12, 8}, {66, 0, 2, 21, 12, 8}, {86, 0, 2, 17, 12, 8},
    {106, 0, 2, 15, 12, 8}, {126, 0, 2, 10, 12, 8}, {146, 0, 2, 10, 12, 8},
    {166, 0, 2, 18, 12, 8}, {48, 3, 0, 10, 20, 14}, {188, 3, 0, 10, 20, 14},
    {208, 3, 0, 19, 20, 14}, {49, 4, 0, 16, 28, 20}, {189, 4, 0, 10, 28, 20},
    {209, 4, 0, 10, 28, 20}, {51, 0, 6, 17, 12, 8}, {191, 0, 6, 11, 12, 8},
    {211, 0, 6, 10, 12, 8}, {52, 3, 6, 22, 20, 14}, {192, 3, 6, 10, 20, 14},
    {212, 3, 6, 10, 20, 14}, {94, 4, 6, 10, 28, 20}, {114, 4, 6, 10, 28, 20},
    {134, 4, 6, 20, 28, 20}, {154, 4, 6, 10, 28, 20}, {174, 4, 6, 17, 28, 20},
    {194, 4, 6, 20, 28, 20}, {214, 4, 6, 18, 28, 20}, {55, 0, 4, 21, 12, 8},
    {75, 0, 4, 14, 12, 8}, {95, 0, 4, 10, 12, 8}, {115, 0, 4, 16, 12, 8},
    {135, 0, 4, 10, 12, 8}, {155, 0, 4, 12, 12, 8},
};
const EnemyPlacement kEnemies52[] = {
    {65, 4, 2, 10, 16, 10}, {85, 4, 2, 29, 16, 10}, {105, 4, 2, 26, 16, 10},
    {125, 4, 2, 7, 16, 10}, {145, 4, 2, 12, 16, 10}, {165, 4, 2, 7, 16, 10},
    {185, 4, 2, 32, 16, 10}, {148, 6, 2, 7, 29, 30}, {168, 6, 2, 52, 29, 30},
    {188, 6, 2, 21, 29, 30}, {208, 6, 2, 7, 29, 30}, {228, 6, 2, 7, 29, 30},
    {230, 8, 0, 7, 42, 50}, {153, 4, 0, 7, 16, 10}, {173, 4, 0, 7, 16, 10},
    {193, 4, 0, 20, 16, 10}, {213, 4, 0, 11, 16, 10}, {233, 4, 0, 28, 16, 10},
    {75, 6, 6, 7, 29, 30}, {95, 6, 6, 7, 29, 30}, {115, 6, 6, 17, 29, 30},
    {135, 6, 6, 14, 29, 30}, {155, 6, 6, 7, 29, 30}, {175, 6, 6, 7, 29, 30},
    {195, 6, 6, 25, 29, 30},
};
const EnemyPlacement kEnemies53[] = {
    {46, 1, 2, 10, 14, 8}, {66, 1, 2, 10, 14, 8}, {86, 1, 2, 28, 14, 8},
    {106, 1, 2, 10, 14, 8}, {126, 1, 2, 25, 14, 8}, {146, 1, 2, 28, 14, 8},
    {166, 1, 2, 28, 14, 8}, {48, 2, 2, 10, 17, 19}, {188, 2, 2, 10, 17, 19},
    {208, 2, 2, 10, 17, 19}, {228, 2, 2, 10, 17, 19}, {49, 4, 0, 10, 20, 29},
    {209, 4, 0, 10, 20, 29}, {229, 4, 0, 10, 20, 29}, {51, 1, 6, 11, 14, 8},
    {211, 1, 6, 10, 14, 8}, {231, 1, 6, 25, 14, 8}, {52, 2, 6, 10, 17, 19},
    {212, 2, 6, 48, 17, 19}, {232, 2, 6, 10, 17, 19}, {114, 4, 6, 31, 20, 29},
    {134, 4, 6, 17, 20, 29}, {154, 4, 6, 22, 20, 29}, {174, 4, 6, 28, 20, 29},
    {194, 4, 6, 26, 20, 29}, {214, 4, 6, 11, 20, 29}, {234, 4, 6, 10, 20, 29},
    {55, 1, 4, 10, 14, 8}, {75, 1, 4, 29, 14, 8}, {95, 1, 4, 14, 14, 8},
    {115, 1, 4, 10, 14, 8}, {135, 1, 4, 10, 14, 8}, {155, 1, 4, 10, 14, 8},
    {175, 1, 4, 13, 14, 8},
};
const EnemyPlacement kEnemies54[] = {
    {26, 1, 4, 10, 14, 10}, {46, 1, 4, 11, 14, 10}, {66, 1, 4, 14, 14, 10},
    {86, 1, 4, 12, 14, 10}, {106, 1, 4, 26, 14, 10}, {88, 2, 2, 10, 17, 20},
    {108, 2, 2, 10, 17, 20}, {188, 2, 2, 17, 17, 20}, {208, 2, 2, 28, 17, 20},
    {228, 2, 2, 28, 17, 20}, {29, 4, 4, 11, 20, 29}, {49, 4, 4, 14, 20, 29},
    {69, 4, 4, 26, 20, 29}, {89, 4, 4, 20, 20, 29}, {109, 4, 4, 26, 20, 29},
    {71, 1, 6, 22, 14, 10}, {91, 1, 6, 10, 14, 10}, {111, 1, 6, 24, 14, 10},
    {211, 1, 6, 10, 14, 10}, {231, 1, 6, 12, 14, 10}, {32, 2, 4, 15, 17, 20},
    {52, 2, 4, 27, 17, 20}, {72, 2, 4, 45, 17, 20}, {92, 2, 4, 10, 17, 20},
    {112, 2, 4, 14, 17, 20}, {154, 4, 6, 16, 20, 29}, {174, 4, 6, 10, 20, 29},
    {194, 4, 6, 21, 20, 29}, {214, 4, 6, 10, 20, 29}, {234, 4, 6, 16, 20, 29},
    {35, 1, 0, 10, 14, 10}, {55, 1, 0, 11, 14, 10}, {75, 1, 0, 10, 14, 10},
    {95, 1, 0, 10, 14, 10},
};
const EnemyPlacement kEnemies55[] = {
    {65, 1, 2, 10, 14, 7}, {85, 1, 2, 10, 14, 7}, {105, 1, 2, 19, 14, 7},
    {125, 1, 2, 18, 14, 7}, {145, 1, 2, 10, 14, 7}, {165, 1, 2, 43, 14, 7},
    {185, 1, 2, 12, 14, 7}, {68, 2, 2, 33, 18, 14}, {88, 2, 2, 19, 18, 14},
    {108, 2, 2, 40, 18, 14}, {71, 4, 2, 10, 22, 21}, {91, 4, 2, 25, 22, 21},
    {111, 4, 2, 16, 22, 21}, {73, 5, 6, 46, 26, 27}, {93, 5, 6, 10, 26, 27},
    {113, 5, 6, 10, 26, 27}, {76, 7, 6, 21, 30, 34}, {96, 7, 6, 10, 30, 34},
    {116, 7, 6, 10, 30, 34}, {136, 7, 6, 11, 30, 34}, {156, 7, 6, 29, 30, 34},
    {176, 7, 6, 20, 30, 34},
};
const EnemyPlacement kEnemies56[] = {
    {65, 2, 2, 9, 14, 8}, {85, 2, 2, 13, 14, 8}, {105, 2, 2, 48, 14, 8},
    {125, 2, 2, 17, 14, 8}, {145, 2, 2, 10, 14, 8}, {165, 2, 2, 17, 14, 8},
    {148, 4, 2, 24, 24, 21}, {168, 4, 2, 10, 24, 21}, {188, 4, 2, 31, 24, 21},
    {150, 6, 2, 10, 34, 33}, {170, 6, 2, 9, 34, 33}, {190, 6, 2, 11, 34, 33},
    {73, 8, 6, 31, 44, 46}, {153, 8, 6, 24, 44, 46}, {173, 8, 6, 28, 44, 46},
    {193, 8, 6, 9, 44, 46}, {75, 2, 6, 17, 14, 8}, {95, 2, 6, 35, 14, 8},
    {115, 2, 6, 35, 14, 8}, {135, 2, 6, 9, 14, 8}, {155, 2, 6, 9, 14, 8},
    {175, 2, 6, 10, 14, 8},
};
const EnemyPlacement kEnemies57[] = {
    {64, 2, 2, 10, 14, 8}, {84, 2, 2, 28, 14, 8}, {104, 2, 2, 10, 14, 8},
    {124, 2, 2, 10, 14, 8}, {144, 2, 2, 25, 14, 8}, {107, 4, 2, 28, 22, 18},
    {127, 4, 2, 10, 22, 18}, {147, 4, 2, 10, 22, 18}, {167, 4, 2, 35, 22, 18},
    {187, 4, 2, 30, 22, 18}, {190, 6, 2, 56, 29, 27}, {152, 7, 6, 27, 37, 37},
    {172, 7, 6, 10, 37, 37}, {192, 7, 6, 10, 37, 37}, {75, 8, 6, 12, 44, 46},
    {95, 8, 6, 12, 44, 46}, {115, 8, 6, 10, 44, 46}, {135, 8, 6, 19, 44, 46},
    {155, 8, 6, 38, 44, 46},
};
const EnemyPlacement kEnemies58[] = {
    {65, 2, 2, 10, 15, 8}, {85, 2, 2, 35, 15, 8}, {105, 2, 2, 16, 15, 8},
    {125, 2, 2, 24, 15, 8}, {145, 2, 2, 21, 15, 8}, {165, 2, 2, 31, 15, 8},
    {127, 4, 2, 31, 21, 18}, {147, 4, 2, 16, 21, 18}, {167, 4, 2, 18, 21, 18},
    {187, 4, 2, 10, 21, 18}, {207, 4, 2, 10, 21, 18}, {227, 4, 2, 22, 21, 18},
    {189, 6, 0, 34, 28, 27}, {209, 6, 0, 35, 28, 27}, {229, 6, 0, 14, 28, 27},
    {212, 7, 0, 29, 34, 37}, {232, 7, 0, 27, 34, 37}, {74, 8, 6, 19, 40, 46},
    {94, 8, 6, 35, 40, 46}, {114, 8, 6, 10, 40, 46}, {134, 8, 6, 10, 40, 46},
    {154, 8, 6, 21, 40, 46}, {174, 8, 6, 13, 40, 46}, {156, 2, 6, 19, 15, 8},
    {176, 2, 6, 15, 15, 8}, {196, 2, 6, 54, 15, 8}, {216, 2, 6, 10, 15, 8},
    {236, 2, 6, 16, 15, 8},
};
const EnemyPlacement kEnemies59[] = {
    {66, 1, 2, 10, 16, 10}, {86, 1, 2, 19, 16, 10}, {106, 1, 2, 52, 16, 10},
    {126, 1, 2, 19, 16, 10}, {146, 1, 2, 12, 16, 10}, {166, 1, 2, 16, 16, 10},
    {186, 1, 2, 23, 16, 10}, {206, 1, 2, 38, 16, 10}, {188, 2, 0, 10, 22, 20},
    {208, 2, 0, 20, 22, 20}, {191, 4, 0, 13, 28, 30}, {211, 4, 0, 11, 28, 30},
    {73, 6, 6, 12, 34, 40}, {153, 6, 6, 39, 34, 40}, {173, 6, 6, 30, 34, 40},
    {193, 6, 6, 29, 34, 40}, {213, 6, 6, 10, 34, 40}, {75, 8, 6, 26, 40, 50},
    {95, 8, 6, 10, 40, 50}, {115, 8, 6, 11, 40, 50}, {135, 8, 6, 10, 40, 50},
    {155, 8, 6, 18, 40, 50}, {175, 8, 6, 10, 40, 50}, {195, 8, 6, 26, 40, 50},
    {215, 8, 6, 10, 40, 50},
};
const EnemyPlacement kEnemies60[] = {
    {45, 4, 2, 7, 15, 10}, {65, 4, 2, 30, 15, 10}, {85, 4, 2, 20, 15, 10},
    {105, 4, 2, 54, 15, 10}, {125, 4, 2, 12, 15, 10}, {145, 4, 2, 35, 15, 10},
    {87, 6, 2, 18, 38, 30}, {107, 6, 2, 37, 38, 30}, {127, 6, 2, 38, 38, 30},
    {147, 6, 2, 37, 38, 30}, {167, 6, 2, 7, 38, 30}, {187, 6, 2, 7, 38, 30},
    {49, 8, 4, 7, 60, 50}, {52, 4, 4, 32, 15, 10}, {54, 6, 6, 16, 38, 30},
    {74, 6, 6, 19, 38, 30}, {94, 6, 6, 40, 38, 30}, {114, 6, 6, 43, 38, 30},
    {134, 6, 6, 43, 38, 30}, {116, 8, 6, 15, 60, 50}, {136, 8, 6, 7, 60, 50},
    {156, 8, 6, 28, 60, 50}, {176, 8, 6, 11, 60, 50}, {196, 8, 6, 7, 60, 50},
};
const EnemyPlacement kEnemies61[] = {
    {26, 1, 2, 17, 14, 8}, {46, 1, 2, 20, 14, 8}, {66, 1, 2, 18, 14, 8},
    {86, 1, 2, 24, 14, 8}, {106, 1, 2, 29, 14, 8}, {126, 1, 2, 28, 14, 8},
    {127, 2, 0, 25, 24, 24}, {147, 2, 0, 14, 24, 24}, {167, 2, 0, 25, 24, 24},
    {187, 2, 0, 26, 24, 24}, {207, 2, 0, 10, 24, 24}, {227, 2, 0, 22, 24, 24},
    {28, 4, 2, 10, 34, 40}, {48, 4, 2, 10, 34, 40}, {208, 4, 2, 10, 34, 40},
    {228, 4, 2, 18, 34, 40}, {29, 1, 0, 15, 14, 8}, {49, 1, 0, 10, 14, 8},
    {209, 1, 0, 20, 14, 8}, {229, 1, 0, 10, 14, 8}, {31, 2, 6, 23, 24, 24},
    {51, 2, 6, 19, 24, 24}, {211, 2, 6, 26, 24, 24}, {231, 2, 6, 16, 24, 24},
    {32, 4, 6, 10, 34, 40}, {52, 4, 6, 25, 34, 40}, {212, 4, 6, 24, 34, 40},
    {232, 4, 6, 18, 34, 40}, {33, 1, 6, 40, 14, 8}, {53, 1, 6, 17, 14, 8},
    {73, 1, 6, 30, 14, 8}, {213, 1, 6, 10, 14, 8}, {233, 1, 6, 13, 14, 8},
    {154, 2, 6, 20, 24, 24}, {174, 2, 6, 18, 24, 24}, {194, 2, 6, 21, 24, 24},
    {214, 2, 6, 25, 24, 24}, {234, 2, 6, 15, 24, 24}, {35, 4, 4, 15, 34, 40},
    {55, 4, 4, 22, 34, 40}, {75, 4, 4, 10, 34, 40}, {95, 4, 4, 11, 34, 40},
    {115, 4, 4, 10, 34, 40},
};
const EnemyPlacement kEnemies62[] = {
    {66, 4, 2, 62, 15, 10}, {86, 4, 2, 21, 15, 10}, {106, 4, 2, 35, 15, 10},
    {126, 4, 2, 51, 15, 10}, {146, 4, 2, 26, 15, 10}, {166, 4, 2, 62, 15, 10},
    {149, 6, 0, 51, 30, 30}, {169, 6, 0, 57, 30, 30}, {189, 6, 0, 21, 30, 30},
    {151, 8, 0, 43, 44, 50}, {171, 8, 0, 21, 44, 50}, {191, 8, 0, 27, 44, 50},
    {114, 4, 6, 38, 15, 10}, {134, 4, 6, 49, 15, 10}, {154, 4, 6, 27, 15, 10},
    {174, 4, 6, 77, 15, 10}, {194, 4, 6, 21, 15, 10},
};
const EnemyPlacement kEnemies63[] = {
    {66, 6, 2, 11, 30, 30}, {86, 6, 2, 10, 30, 30}, {106, 6, 2, 21, 30, 30},
    {126, 6, 2, 23, 30, 30}, {146, 6, 2, 10, 30, 30}, {166, 6, 2, 27, 30, 30},
    {186, 6, 2, 16, 30, 30}, {206, 6, 2, 10, 30, 30}, {68, 8, 2, 31, 40, 46},
    {88, 8, 2, 16, 40, 46}, {108, 8, 2, 12, 40, 46}, {228, 8, 2, 10, 40, 46},
    {230, 6, 0, 24, 30, 30}, {232, 8, 0, 10, 40, 46}, {74, 6, 6, 14, 30, 30},
    {94, 6, 6, 12, 30, 30}, {114, 6, 6, 15, 30, 30}, {134, 6, 6, 46, 30, 30},
    {154, 6, 6, 14, 30, 30}, {174, 6, 6, 10, 30, 30}, {194, 6, 6, 10, 30, 30},
};
const EnemyPlacement kEnemies64[] = {
    {65, 2, 2, 15, 10, 7}, {85, 2, 2, 30, 10, 7}, {105, 2, 2, 9, 10, 7},
    {125, 2, 2, 5, 10, 7}, {145, 2, 2, 5, 10, 7}, {165, 2, 2, 6, 10, 7},
    {148, 4, 2, 8, 19, 18}, {168, 4, 2, 32, 19, 18}, {188, 4, 2, 36, 19, 18},
    {152, 5, 6, 8, 27, 29}, {172, 5, 6, 8, 27, 29}, {192, 5, 6, 5, 27, 29},
    {115, 7, 6, 15, 36, 40}, {135, 7, 6, 30, 36, 40}, {155, 7, 6, 9, 36, 40},
    {175, 7, 6, 5, 36, 40}, {195, 7, 6, 20, 36, 40},
};
const EnemyPlacement kEnemies65[] = {
    {65, 0, 2, 7, 8, 10}, {85, 0, 2, 7, 8, 10}, {105, 0, 2, 18, 8, 10},
    {125, 0, 2, 8, 8, 10}, {145, 0, 2, 7, 8, 10}, {165, 0, 2, 7, 8, 10},
    {150, 3, 2, 7, 12, 13}, {170, 3, 2, 7, 12, 13}, {190, 3, 2, 20, 12, 13},
    {74, 4, 6, 15, 15, 15}, {94, 4, 6, 15, 15, 15}, {114, 4, 6, 13, 15, 15},
    {134, 4, 6, 12, 15, 15}, {154, 4, 6, 17, 15, 15},
};
const EnemyPlacement kEnemies66[] = {
    {64, 4, 2, 21, 14, 10}, {84, 4, 2, 30, 14, 10}, {104, 4, 2, 57, 14, 10},
    {124, 4, 2, 58, 14, 10}, {144, 4, 2, 21, 14, 10}, {164, 4, 2, 32, 14, 10},
    {184, 4, 2, 28, 14, 10}, {106, 5, 2, 48, 31, 20}, {126, 5, 2, 43, 31, 20},
    {146, 5, 2, 61, 31, 20}, {166, 5, 2, 49, 31, 20}, {186, 5, 2, 21, 31, 20},
    {206, 5, 2, 26, 31, 20}, {226, 5, 2, 33, 31, 20}, {208, 6, 0, 31, 48, 30},
    {228, 6, 0, 21, 48, 30}, {210, 7, 0, 21, 66, 40}, {230, 7, 0, 54, 66, 40},
    {72, 9, 6, 21, 83, 50}, {212, 9, 6, 21, 83, 50}, {232, 9, 6, 74, 83, 50},
    {114, 10, 6, 28, 100, 60}, {134, 10, 6, 40, 100, 60}, {154, 10, 6, 21, 100, 60},
    {174, 10, 6, 21, 100, 60}, {194, 10, 6, 25, 100, 60}, {214, 10, 6, 57, 100, 60},
    {234, 10, 6, 25, 100, 60}, {76, 4, 6, 31, 14, 10}, {96, 4, 6, 37, 14, 10},
    {116, 4, 6, 32, 14, 10}, {136, 4, 6, 55, 14, 10}, {156, 4, 6, 54, 14, 10},
    {176, 4, 6, 58, 14, 10},
};
const EnemyPlacement kEnemies67[] = {
    {64, 4, 2, 21, 14, 10}, {84, 4, 2, 39, 14, 10}, {104, 4, 2, 53, 14, 10},
    {124, 4, 2, 26, 14, 10}, {144, 4, 2, 21, 14, 10}, {164, 4, 2, 37, 14, 10},
    {184, 4, 2, 27, 14, 10}, {126, 5, 2, 37, 36, 23}, {146, 5, 2, 21, 36, 23},
    {166, 5, 2, 43, 36, 23}, {186, 5, 2, 42, 36, 23}, {206, 5, 2, 43, 36, 23},
    {226, 5, 2, 51, 36, 23}, {68, 7, 2, 24, 57, 35}, {88, 7, 2, 40, 57, 35},
    {108, 7, 2, 37, 57, 35}, {208, 7, 2, 33, 57, 35}, {228, 7, 2, 34, 57, 35},
    {210, 9, 0, 44, 79, 48}, {230, 9, 0, 21, 79, 48}, {212, 10, 0, 45, 100, 60},
    {232, 10, 0, 44, 100, 60}, {134, 4, 6, 53, 14, 10}, {154, 4, 6, 21, 14, 10},
    {174, 4, 6, 25, 14, 10}, {194, 4, 6, 37, 14, 10}, {214, 4, 6, 44, 14, 10},
    {234, 4, 6, 66, 14, 10}, {76, 5, 6, 36, 36, 23}, {96, 5, 6, 54, 36, 23},
    {116, 5, 6, 25, 36, 23}, {136, 5, 6, 21, 36, 23}, {156, 5, 6, 25, 36, 23},
    {176, 5, 6, 21, 36, 23},
};
const EnemyPlacement kEnemies68[] = {
    {64, 5, 2, 49, 26, 30}, {84, 5, 2, 46, 26, 30}, {104, 5, 2, 36, 26, 30},
    {124, 5, 2, 29, 26, 30}, {144, 5, 2, 27, 26, 30}, {164, 5, 2, 50, 26, 30},
    {184, 5, 2, 55, 26, 30}, {126, 7, 2, 48, 45, 38}, {146, 7, 2, 56, 45, 38},
    {166, 7, 2, 21, 45, 38}, {186, 7, 2, 22, 45, 38}, {206, 7, 2, 24, 45, 38},
    {226, 7, 2, 24, 45, 38}, {68, 8, 2, 46, 63, 45}, {88, 8, 2, 56, 63, 45},
    {108, 8, 2, 28, 63, 45}, {208, 8, 2, 26, 63, 45}, {228, 8, 2, 51, 63, 45},
    {210, 9, 0, 56, 82, 53}, {230, 9, 0, 43, 82, 53}, {212, 10, 0, 60, 100, 60},
    {232, 10, 0, 66, 100, 60}, {134, 5, 6, 46, 26, 30}, {154, 5, 6, 29, 26, 30},
    {174, 5, 6, 21, 26, 30}, {194, 5, 6, 49, 26, 30}, {214, 5, 6, 38, 26, 30},
    {234, 5, 6, 56, 26, 30}, {76, 7, 6, 23, 45, 38}, {96, 7, 6, 21, 45, 38},
    {116, 7, 6, 56, 45, 38}, {136, 7, 6, 21, 45, 38}, {156, 7, 6, 21, 45, 38},
    {176, 7, 6, 21, 45, 38},
};
const EnemyPlacement kEnemies69[] = {
    {66, 2, 2, 29, 15, 8}, {86, 2, 2, 29, 15, 8}, {106, 2, 2, 36, 15, 8},
    {126, 4, 2, 29, 27, 15}, {146, 4, 2, 29, 27, 15}, {166, 4, 2, 29, 27, 15},
    {186, 4, 2, 47, 27, 15}, {67, 5, 2, 40, 39, 23}, {87, 5, 2, 46, 39, 23},
    {107, 5, 2, 34, 39, 23}, {127, 6, 2, 29, 51, 30}, {147, 6, 2, 56, 51, 30},
    {167, 6, 2, 61, 51, 30}, {187, 6, 2, 82, 51, 30}, {75, 7, 6, 50, 64, 38},
    {95, 7, 6, 47, 64, 38}, {115, 7, 6, 29, 64, 38}, {135, 8, 6, 56, 76, 45},
    {155, 8, 6, 48, 76, 45}, {175, 8, 6, 60, 76, 45}, {195, 8, 6, 41, 76, 45},
    {96, 9, 6, 62, 88, 53}, {116, 9, 6, 29, 88, 53}, {136, 9, 6, 64, 88, 53},
    {156, 10, 6, 29, 100, 60}, {176, 10, 6, 50, 100, 60}, {196, 10, 6, 29, 100, 60},
};
const EnemyPlacement kEnemies70[] = {
    {64, 5, 2, 59, 26, 30}, {84, 5, 2, 48, 26, 30}, {104, 5, 2, 31, 26, 30},
    {124, 5, 2, 22, 26, 30}, {144, 5, 2, 35, 26, 30}, {164, 5, 2, 32, 26, 30},
    {184, 5, 2, 31, 26, 30}, {126, 7, 2, 37, 45, 38}, {146, 7, 2, 33, 45, 38},
    {166, 7, 2, 25, 45, 38}, {186, 7, 2, 21, 45, 38}, {206, 7, 2, 37, 45, 38},
    {226, 7, 2, 45, 45, 38}, {68, 8, 2, 49, 63, 45}, {88, 8, 2, 66, 63, 45},
    {108, 8, 2, 74, 63, 45}, {208, 8, 2, 60, 63, 45}, {228, 8, 2, 23, 63, 45},
    {210, 9, 0, 36, 82, 53}, {230, 9, 0, 56, 82, 53}, {212, 10, 0, 32, 100, 60},
    {232, 10, 0, 25, 100, 60}, {134, 5, 6, 26, 26, 30}, {154, 5, 6, 36, 26, 30},
    {174, 5, 6, 33, 26, 30}, {194, 5, 6, 69, 26, 30}, {214, 5, 6, 25, 26, 30},
    {234, 5, 6, 59, 26, 30}, {76, 7, 6, 21, 45, 38}, {96, 7, 6, 26, 45, 38},
    {116, 7, 6, 59, 45, 38}, {136, 7, 6, 26, 45, 38}, {156, 7, 6, 63, 45, 38},
    {176, 7, 6, 46, 45, 38},
};
const EnemyPlacement kEnemies71[] = {
    {44, 5, 2, 26, 26, 30}, {64, 5, 2, 25, 26, 30}, {84, 5, 2, 58, 26, 30},
    {104, 5, 2, 58, 26, 30}, {124, 5, 2, 30, 26, 30}, {144, 5, 2, 52, 26, 30},
    {164, 5, 2, 49, 26, 30}, {126, 7, 2, 68, 45, 38}, {146, 7, 2, 49, 45, 38},
    {166, 7, 2, 21, 45, 38}, {186, 7, 2, 45, 45, 38}, {206, 7, 2, 32, 45, 38},
    {226, 7, 2, 36, 45, 38}, {47, 8, 2, 39, 63, 45}, {67, 8, 2, 34, 63, 45},
    {87, 8, 2, 46, 63, 45}, {107, 8, 2, 51, 63, 45}, {127, 8, 2, 53, 63, 45},
    {147, 8, 2, 21, 63, 45}, {49, 9, 2, 45, 82, 53}, {209, 9, 2, 60, 82, 53},
    {229, 9, 2, 50, 82, 53}, {51, 10, 0, 30, 100, 60}, {211, 10, 0, 56, 100, 60},
    {231, 10, 0, 44, 100, 60}, {53, 5, 6, 57, 26, 30}, {213, 5, 6, 21, 26, 30},
    {233, 5, 6, 76, 26, 30}, {54, 7, 6, 21, 45, 38}, {74, 7, 6, 27, 45, 38},
    {94, 7, 6, 54, 45, 38}, {114, 7, 6, 21, 45, 38}, {134, 7, 6, 59, 45, 38},
    {154, 7, 6, 27, 45, 38}, {136, 8, 4, 22, 63, 45}, {156, 8, 4, 57, 63, 45},
    {176, 8, 4, 69, 63, 45}, {196, 8, 4, 21, 63, 45}, {216, 8, 4, 21, 63, 45},
    {236, 8, 4, 51, 63, 45},
};
const EnemyPlacement kEnemies72[] = {
    {66, 4, 2, 29, 15, 8}, {86, 4, 2, 28, 15, 8}, {106, 4, 2, 28, 15, 8},
    {126, 5, 2, 28, 36, 21}, {146, 5, 2, 50, 36, 21}, {166, 5, 2, 35, 36, 21},
    {186, 5, 2, 32, 36, 21}, {68, 7, 2, 35, 58, 34}, {88, 7, 2, 80, 58, 34},
    {108, 7, 2, 28, 58, 34}, {74, 9, 6, 45, 79, 47}, {94, 9, 6, 41, 79, 47},
    {114, 9, 6, 31, 79, 47}, {134, 9, 6, 39, 79, 47}, {154, 9, 6, 32, 79, 47},
    {174, 9, 6, 43, 79, 47}, {194, 9, 6, 28, 79, 47}, {75, 10, 6, 53, 100, 60},
    {95, 10, 6, 28, 100, 60}, {115, 10, 6, 57, 100, 60}, {135, 10, 6, 50, 100, 60},
    {155, 10, 6, 28, 100, 60}, {175, 10, 6, 58, 100, 60}, {195, 10, 6, 28, 100, 60},
};
const EnemyPlacement kEnemies73[] = {
    {74, 6, 6, 50, 36, 40}, {94, 6, 6, 48, 36, 40}, {114, 6, 6, 47, 36, 40},
    {134, 6, 6, 47, 36, 40}, {154, 6, 6, 42, 36, 40}, {174, 6, 6, 44, 36, 40},
    {194, 6, 6, 49, 36, 40}, {214, 6, 6, 50, 36, 40}, {75, 8, 6, 66, 42, 46},
    {95, 8, 6, 66, 42, 46}, {115, 9, 6, 72, 70, 50}, {135, 9, 6, 73, 70, 50},
    {155, 9, 6, 75, 70, 50}, {175, 9, 6, 71, 70, 50}, {195, 8, 6, 66, 42, 46},
    {215, 8, 6, 66, 42, 46}, {116, 10, 6, 110, 100, 72}, {136, 10, 6, 110, 100, 72},
    {156, 10, 6, 110, 100, 72}, {176, 10, 6, 110, 100, 72}, {137, 10, 6, 150, 100, 80},
    {157, 10, 4, 160, 100, 90}, {46, 6, 4, 48, 35, 40}, {47, 6, 4, 49, 35, 40},
    {48, 6, 4, 45, 35, 40}, {49, 6, 4, 49, 35, 40}, {50, 6, 4, 47, 35, 40},
    {27, 9, 4, 77, 70, 50}, {28, 10, 4, 106, 100, 60}, {29, 9, 4, 77, 70, 50},
    {227, 6, 0, 43, 36, 40}, {228, 6, 0, 43, 36, 40}, {229, 6, 0, 45, 36, 40},
    {230, 6, 0, 47, 36, 40}, {231, 6, 0, 43, 36, 40}, {247, 9, 0, 78, 70, 50},
    {248, 9, 0, 78, 70, 50}, {249, 8, 0, 104, 40, 46}, {250, 9, 0, 78, 70, 50},
    {251, 9, 0, 78, 70, 50}, {85, 9, 2, 67, 70, 50}, {105, 9, 2, 58, 70, 50},
    {125, 9, 2, 76, 70, 50}, {145, 9, 2, 61, 70, 50}, {165, 9, 2, 67, 70, 50},
    {84, 9, 2, 75, 70, 50}, {104, 8, 2, 70, 40, 46}, {124, 10, 2, 112, 100, 60},
    {144, 8, 2, 70, 40, 46}, {164, 9, 2, 75, 70, 50},
};
const EnemyPlacement kEnemies81[] = {
    {62, 4, 2, 18, 13, 8}, {82, 4, 2, 13, 13, 8}, {102, 4, 2, 7, 13, 8},
    {122, 5, 0, 19, 23, 19}, {142, 5, 0, 7, 23, 19}, {162, 5, 0, 12, 23, 19},
    {182, 5, 0, 7, 23, 19}, {167, 6, 0, 16, 32, 29}, {187, 6, 0, 13, 32, 29},
    {207, 6, 0, 9, 32, 29}, {72, 7, 0, 30, 42, 40}, {152, 7, 0, 8, 42, 40},
    {172, 7, 0, 15, 42, 40}, {192, 7, 0, 15, 42, 40}, {212, 7, 0, 7, 42, 40},
};
const EnemyPlacement kEnemies82[] = {
    {65, 4, 2, 19, 14, 10}, {85, 4, 2, 16, 14, 10}, {105, 4, 2, 10, 14, 10},
    {125, 5, 2, 10, 21, 20}, {145, 5, 2, 40, 21, 20}, {165, 5, 2, 10, 21, 20},
    {87, 6, 2, 10, 29, 30}, {107, 6, 2, 10, 29, 30}, {127, 6, 2, 14, 29, 30},
    {147, 6, 2, 20, 29, 30}, {167, 6, 2, 19, 29, 30}, {187, 6, 2, 25, 29, 30},
    {95, 7, 6, 14, 36, 40}, {115, 7, 6, 10, 36, 40}, {135, 7, 6, 10, 36, 40},
    {155, 7, 6, 10, 36, 40}, {175, 7, 6, 18, 36, 40}, {195, 7, 6, 10, 36, 40},
};
const EnemyPlacement kEnemies83[] = {
    {65, 4, 2, 16, 10, 7}, {85, 4, 2, 5, 10, 7}, {105, 4, 2, 5, 10, 7},
    {125, 5, 2, 24, 20, 19}, {145, 5, 2, 12, 20, 19}, {165, 5, 2, 5, 20, 19},
    {185, 5, 2, 5, 20, 19}, {68, 6, 2, 22, 30, 30}, {88, 6, 2, 21, 30, 30},
    {108, 6, 2, 5, 30, 30}, {75, 7, 6, 24, 40, 42}, {95, 7, 6, 23, 40, 42},
    {115, 7, 6, 21, 40, 42}, {135, 7, 6, 5, 40, 42}, {155, 7, 6, 5, 40, 42},
    {175, 7, 6, 14, 40, 42}, {195, 7, 6, 41, 40, 42},
};
const EnemyPlacement kEnemies84[] = {
    {45, 2, 2, 5, 10, 7}, {65, 2, 2, 23, 10, 7}, {85, 2, 2, 24, 10, 7},
    {105, 4, 2, 13, 17, 16}, {125, 4, 2, 40, 17, 16}, {145, 4, 2, 9, 17, 16},
    {165, 4, 2, 33, 17, 16}, {67, 5, 2, 16, 24, 25}, {87, 5, 2, 15, 24, 25},
    {107, 5, 2, 16, 24, 25}, {127, 5, 2, 15, 24, 25}, {147, 5, 2, 19, 24, 25},
    {167, 5, 2, 26, 24, 25}, {187, 5, 2, 5, 24, 25}, {189, 6, 4, 26, 31, 33},
    {95, 7, 6, 5, 38, 42}, {115, 7, 6, 45, 38, 42}, {135, 7, 6, 18, 38, 42},
    {155, 7, 6, 6, 38, 42}, {175, 7, 6, 10, 38, 42}, {195, 7, 6, 16, 38, 42},
};
const EnemyPlacement kEnemies85[] = {
    {45, 1, 2, 16, 10, 7}, {65, 1, 2, 11, 10, 7}, {85, 1, 2, 24, 10, 7},
    {105, 2, 2, 5, 16, 14}, {125, 2, 2, 33, 16, 14}, {145, 2, 2, 21, 16, 14},
    {165, 2, 2, 48, 16, 14}, {86, 4, 2, 5, 21, 21}, {106, 4, 2, 10, 21, 21},
    {126, 4, 2, 22, 21, 21}, {146, 5, 4, 37, 27, 28}, {166, 5, 4, 27, 27, 28},
    {186, 5, 4, 16, 27, 28}, {54, 6, 6, 5, 32, 35}, {74, 6, 6, 41, 32, 35},
    {94, 6, 6, 18, 32, 35}, {114, 6, 6, 19, 32, 35}, {134, 6, 6, 10, 32, 35},
    {154, 6, 6, 24, 32, 35}, {95, 7, 0, 14, 38, 42}, {115, 7, 0, 21, 38, 42},
    {135, 7, 0, 13, 38, 42}, {155, 7, 0, 24, 38, 42}, {175, 7, 0, 26, 38, 42},
    {195, 7, 0, 22, 38, 42},
};
const EnemyPlacement kEnemies86[] = {
    {26, 0, 2, 17, 10, 10}, {46, 0, 2, 16, 10, 10}, {66, 0, 2, 18, 10, 10},
    {86, 0, 2, 30, 10, 10}, {106, 0, 2, 24, 10, 10}, {126, 0, 2, 10, 10, 10},
    {146, 0, 2, 10, 10, 10}, {28, 1, 2, 16, 13, 15}, {48, 1, 2, 10, 13, 15},
    {68, 1, 2, 10, 13, 15}, {88, 1, 2, 24, 13, 15}, {108, 1, 2, 17, 13, 15},
    {228, 1, 2, 10, 13, 15}, {29, 2, 2, 31, 15, 20}, {49, 2, 2, 13, 15, 20},
    {229, 2, 2, 17, 15, 20}, {31, 3, 4, 26, 18, 24}, {51, 3, 4, 10, 18, 24},
    {231, 3, 4, 26, 18, 24}, {32, 4, 4, 10, 20, 29}, {52, 4, 4, 20, 20, 29},
    {232, 4, 4, 22, 20, 29}, {134, 0, 6, 11, 10, 10}, {154, 0, 6, 10, 10, 10},
    {174, 0, 6, 19, 10, 10}, {194, 0, 6, 10, 10, 10}, {214, 0, 6, 10, 10, 10},
    {234, 0, 6, 10, 10, 10}, {35, 1, 0, 10, 13, 15}, {55, 1, 0, 13, 13, 15},
    {75, 1, 0, 10, 13, 15}, {95, 1, 0, 45, 13, 15}, {115, 1, 0, 12, 13, 15},
    {135, 1, 0, 10, 13, 15},
};
const EnemyPlacement kEnemies87[] = {
    {45, 2, 2, 31, 10, 7}, {65, 2, 2, 10, 10, 7}, {85, 2, 2, 18, 10, 7},
    {105, 2, 2, 15, 10, 7}, {125, 2, 2, 14, 10, 7}, {145, 2, 2, 10, 10, 7},
    {87, 4, 2, 64, 22, 16}, {107, 4, 2, 43, 22, 16}, {127, 4, 2, 38, 22, 16},
    {147, 4, 2, 18, 22, 16}, {167, 4, 2, 10, 22, 16}, {187, 4, 2, 42, 22, 16},
    {49, 5, 4, 15, 34, 24}, {52, 6, 4, 20, 46, 33}, {54, 7, 6, 26, 58, 41},
    {74, 7, 6, 20, 58, 41}, {94, 7, 6, 39, 58, 41}, {114, 7, 6, 10, 58, 41},
    {134, 7, 6, 10, 58, 41}, {154, 7, 6, 37, 58, 41}, {96, 8, 6, 39, 70, 50},
    {116, 8, 6, 22, 70, 50}, {136, 8, 6, 18, 70, 50}, {156, 8, 6, 23, 70, 50},
    {176, 8, 6, 27, 70, 50}, {196, 8, 6, 27, 70, 50},
};
const EnemyPlacement kEnemies88[] = {
    {45, 2, 2, 46, 14, 8}, {65, 2, 2, 11, 14, 8}, {85, 2, 2, 44, 14, 8},
    {105, 4, 2, 11, 26, 15}, {125, 4, 2, 41, 26, 15}, {145, 4, 2, 11, 26, 15},
    {165, 4, 2, 11, 26, 15}, {67, 5, 2, 38, 39, 23}, {87, 5, 2, 42, 39, 23},
    {107, 5, 2, 41, 39, 23}, {127, 5, 2, 11, 39, 23}, {147, 5, 2, 48, 39, 23},
    {167, 5, 2, 60, 39, 23}, {187, 5, 2, 22, 39, 23}, {49, 6, 4, 35, 51, 30},
    {51, 7, 4, 39, 63, 38}, {52, 8, 4, 11, 75, 45}, {74, 9, 6, 33, 88, 53},
    {94, 9, 6, 36, 88, 53}, {114, 9, 6, 34, 88, 53}, {134, 9, 6, 11, 88, 53},
    {154, 9, 6, 26, 88, 53}, {174, 9, 6, 32, 88, 53}, {194, 9, 6, 11, 88, 53},
    {56, 10, 6, 49, 100, 60}, {76, 10, 6, 19, 100, 60}, {96, 10, 6, 32, 100, 60},
    {116, 10, 6, 21, 100, 60}, {136, 10, 6, 11, 100, 60}, {156, 10, 6, 14, 100, 60},
    {176, 10, 6, 46, 100, 60},
};
const EnemyPlacement kEnemies89[] = {
    {63, 2, 2, 39, 14, 10}, {83, 2, 2, 53, 14, 10}, {103, 2, 2, 56, 14, 10},
    {123, 4, 2, 41, 27, 17}, {143, 4, 2, 59, 27, 17}, {163, 4, 2, 29, 27, 17},
    {183, 4, 2, 59, 27, 17}, {65, 5, 2, 26, 39, 24}, {85, 5, 2, 17, 39, 24},
    {105, 5, 2, 34, 39, 24}, {125, 6, 2, 59, 52, 31}, {145, 6, 2, 53, 52, 31},
    {165, 6, 2, 35, 52, 31}, {185, 6, 2, 42, 52, 31}, {67, 7, 2, 11, 64, 39},
    {87, 7, 2, 19, 64, 39}, {107, 7, 2, 55, 64, 39}, {127, 8, 2, 72, 77, 46},
    {147, 8, 2, 19, 77, 46}, {167, 8, 2, 55, 77, 46}, {187, 8, 2, 11, 77, 46},
    {75, 9, 6, 47, 89, 53}, {95, 9, 6, 61, 89, 53}, {115, 9, 6, 50, 89, 53},
    {135, 9, 6, 48, 89, 53}, {155, 9, 6, 16, 89, 53}, {175, 9, 6, 11, 89, 53},
    {195, 9, 6, 11, 89, 53}, {77, 10, 6, 15, 102, 60}, {97, 10, 6, 34, 102, 60},
    {117, 10, 6, 20, 102, 60}, {137, 10, 6, 15, 102, 60}, {157, 10, 6, 17, 102, 60},
    {177, 10, 6, 21, 102, 60}, {197, 10, 6, 62, 102, 60},
};
const EnemyPlacement kEnemies90[] = {
    {63, 2, 2, 30, 14, 10}, {83, 2, 2, 11, 14, 10}, {103, 2, 2, 54, 14, 10},
    {123, 4, 2, 11, 27, 17}, {143, 4, 2, 13, 27, 17}, {163, 4, 2, 64, 27, 17},
    {183, 4, 2, 51, 27, 17}, {65, 5, 2, 11, 39, 24}, {85, 5, 2, 31, 39, 24},
    {105, 5, 2, 51, 39, 24}, {125, 6, 2, 69, 52, 31}, {145, 6, 2, 46, 52, 31},
    {165, 6, 2, 58, 52, 31}, {185, 6, 2, 34, 52, 31}, {67, 7, 2, 62, 64, 39},
    {87, 7, 2, 55, 64, 39}, {107, 7, 2, 28, 64, 39}, {127, 8, 2, 33, 77, 46},
    {147, 8, 2, 35, 77, 46}, {167, 8, 2, 21, 77, 46}, {187, 8, 2, 75, 77, 46},
    {75, 9, 6, 18, 89, 53}, {95, 9, 6, 35, 89, 53}, {115, 9, 6, 17, 89, 53},
    {135, 9, 6, 42, 89, 53}, {155, 9, 6, 19, 89, 53}, {175, 9, 6, 31, 89, 53},
    {195, 9, 6, 47, 89, 53}, {77, 10, 6, 32, 102, 60}, {97, 10, 6, 22, 102, 60},
    {117, 10, 6, 44, 102, 60}, {137, 10, 6, 22, 102, 60}, {157, 10, 6, 58, 102, 60},
    {177, 10, 6, 68, 102, 60}, {197, 10, 6, 17, 102, 60},
};
const EnemyPlacement kEnemies91[] = {
    {30, 4, 0, 68, 15, 10}, {50, 4, 0, 45, 15, 10}, {230, 4, 0, 57, 15, 10},
    {250, 4, 0, 28, 15, 10}, {270, 4, 0, 31, 15, 10}, {31, 5, 0, 70, 29, 18},
    {51, 5, 0, 113, 29, 18}, {231, 5, 0, 44, 29, 18}, {251, 5, 0, 82, 29, 18},
    {271, 5, 0, 28, 29, 18}, {32, 6, 0, 60, 43, 27}, {52, 6, 0, 28, 43, 27},
    {232, 6, 0, 38, 43, 27}, {252, 6, 0, 54, 43, 27}, {272, 6, 0, 53, 43, 27},
    {33, 7, 6, 28, 58, 35}, {53, 7, 6, 72, 58, 35}, {233, 7, 6, 55, 58, 35},
    {253, 7, 6, 28, 58, 35}, {273, 7, 6, 28, 58, 35}, {34, 8, 6, 74, 72, 43},
    {54, 8, 6, 28, 72, 43}, {74, 8, 6, 66, 72, 43}, {94, 8, 6, 63, 72, 43},
    {114, 8, 6, 28, 72, 43}, {195, 9, 0, 28, 86, 52}, {215, 9, 0, 44, 86, 52},
    {235, 9, 0, 64, 86, 52}, {255, 9, 0, 28, 86, 52}, {275, 9, 0, 31, 86, 52},
    {36, 10, 6, 64, 100, 60}, {56, 10, 6, 62, 100, 60}, {76, 10, 6, 28, 100, 60},
    {96, 10, 6, 56, 100, 60}, {217, 4, 6, 28, 15, 10}, {237, 4, 6, 59, 15, 10},
    {257, 4, 6, 28, 15, 10}, {277, 4, 6, 28, 15, 10}, {38, 5, 4, 28, 29, 18},
    {58, 5, 4, 73, 29, 18}, {78, 5, 4, 64, 29, 18}, {98, 5, 4, 75, 29, 18},
};
const EnemyPlacement kEnemies92[] = {
    {30, 4, 0, 28, 15, 10}, {50, 4, 0, 47, 15, 10}, {230, 4, 0, 54, 15, 10},
    {250, 4, 0, 63, 15, 10}, {270, 4, 0, 87, 15, 10}, {31, 5, 0, 60, 29, 18},
    {51, 5, 0, 120, 29, 18}, {231, 5, 0, 32, 29, 18}, {251, 5, 0, 33, 29, 18},
    {271, 5, 0, 28, 29, 18}, {32, 6, 0, 47, 43, 27}, {52, 6, 0, 28, 43, 27},
    {232, 6, 0, 28, 43, 27}, {252, 6, 0, 28, 43, 27}, {272, 6, 0, 72, 43, 27},
    {33, 7, 6, 93, 58, 35}, {53, 7, 6, 28, 58, 35}, {233, 7, 6, 28, 58, 35},
    {253, 7, 6, 28, 58, 35}, {273, 7, 6, 28, 58, 35}, {34, 8, 6, 28, 72, 43},
    {54, 8, 6, 28, 72, 43}, {74, 8, 6, 28, 72, 43}, {94, 8, 6, 81, 72, 43},
    {114, 8, 6, 28, 72, 43}, {134, 8, 6, 68, 72, 43}, {195, 9, 0, 64, 86, 52},
    {215, 9, 0, 60, 86, 52}, {235, 9, 0, 48, 86, 52}, {255, 9, 0, 32, 86, 52},
    {275, 9, 0, 62, 86, 52}, {36, 10, 6, 42, 100, 60}, {56, 10, 6, 36, 100, 60},
    {76, 10, 6, 91, 100, 60}, {96, 10, 6, 71, 100, 60}, {116, 10, 6, 61, 100, 60},
    {197, 4, 6, 28, 15, 10}, {217, 4, 6, 67, 15, 10}, {237, 4, 6, 33, 15, 10},
    {257, 4, 6, 68, 15, 10}, {277, 4, 6, 39, 15, 10}, {38, 5, 4, 73, 29, 18},
    {58, 5, 4, 55, 29, 18}, {78, 5, 4, 28, 29, 18}, {98, 5, 4, 67, 29, 18},
    {118, 5, 4, 68, 29, 18},
};
const EnemyPlacement kEnemies93[] = {
    {30, 5, 0, 82, 26, 30}, {50, 5, 0, 47, 26, 30}, {230, 5, 0, 58, 26, 30},
    {250, 5, 0, 102, 26, 30}, {270, 5, 0, 78, 26, 30}, {31, 6, 0, 51, 41, 40},
    {51, 6, 0, 35, 41, 40}, {231, 6, 0, 35, 41, 40}, {251, 6, 0, 35, 41, 40},
    {271, 6, 0, 43, 41, 40}, {32, 7, 0, 43, 56, 50}, {52, 7, 0, 150, 56, 50},
    {232, 7, 0, 35, 56, 50}, {252, 7, 0, 93, 56, 50}, {272, 7, 0, 57, 56, 50},
    {33, 8, 6, 35, 70, 60}, {53, 8, 6, 92, 70, 60}, {233, 8, 6, 45, 70, 60},
    {253, 8, 6, 35, 70, 60}, {273, 8, 6, 83, 70, 60}, {34, 9, 6, 63, 85, 70},
    {54, 9, 6, 77, 85, 70}, {74, 9, 6, 83, 85, 70}, {94, 9, 6, 103, 85, 70},
    {114, 9, 6, 104, 85, 70}, {134, 9, 6, 59, 85, 70}, {154, 9, 6, 61, 85, 70},
    {155, 10, 6, 35, 100, 80}, {175, 10, 6, 79, 100, 80}, {195, 10, 6, 61, 100, 80},
    {215, 10, 6, 35, 100, 80}, {235, 10, 6, 35, 100, 80}, {255, 10, 6, 36, 100, 80},
    {275, 10, 6, 35, 100, 80}, {36, 5, 6, 57, 26, 30}, {56, 5, 6, 63, 26, 30},
    {76, 5, 6, 50, 26, 30}, {96, 5, 6, 35, 26, 30}, {116, 5, 6, 66, 26, 30},
    {136, 5, 6, 35, 26, 30}, {156, 5, 6, 35, 26, 30}, {157, 6, 4, 59, 41, 40},
    {177, 6, 4, 45, 41, 40}, {197, 6, 4, 80, 41, 40}, {217, 6, 4, 104, 41, 40},
    {237, 6, 4, 35, 41, 40}, {257, 6, 4, 89, 41, 40}, {277, 6, 4, 73, 41, 40},
};

// battle id, armies, divisor of the end-of-battle averages, the armies
const EnemyLineup kEnemyLineups[] = {
    {1, 8, 8, kEnemies1},
    {2, 11, 11, kEnemies2},
    {3, 6, 6, kEnemies3},
    {4, 9, 9, kEnemies4},
    {5, 13, 13, kEnemies5},
    {6, 9, 9, kEnemies6},
    {7, 10, 10, kEnemies7},
    {8, 16, 16, kEnemies8},
    {9, 26, 26, kEnemies9},
    {10, 9, 9, kEnemies10},
    {11, 20, 20, kEnemies11},
    {12, 26, 26, kEnemies12},
    {13, 18, 18, kEnemies13},
    {14, 20, 20, kEnemies14},
    {15, 18, 18, kEnemies15},
    {16, 11, 11, kEnemies16},
    {17, 25, 25, kEnemies17},
    {18, 8, 8, kEnemies18},
    {19, 32, 32, kEnemies19},
    {20, 7, 7, kEnemies20},
    {21, 15, 15, kEnemies21},
    {22, 7, 7, kEnemies22},
    {23, 14, 14, kEnemies23},
    {24, 34, 34, kEnemies24},
    {25, 10, 10, kEnemies25},
    {26, 15, 15, kEnemies26},
    {27, 14, 12, kEnemies27},
    {28, 15, 10, kEnemies28},
    {29, 14, 14, kEnemies29},
    {30, 20, 20, kEnemies30},
    {31, 21, 21, kEnemies31},
    {32, 22, 22, kEnemies32},
    {33, 12, 12, kEnemies33},
    {34, 13, 13, kEnemies34},
    {35, 10, 10, kEnemies35},
    {36, 28, 28, kEnemies36},
    {37, 14, 14, kEnemies37},
    {38, 17, 17, kEnemies38},
    {39, 32, 32, kEnemies39},
    {40, 21, 21, kEnemies40},
    {41, 41, 41, kEnemies41},
    {42, 41, 41, kEnemies42},
    {43, 33, 33, kEnemies43},
    {44, 34, 33, kEnemies44},
    {45, 20, 20, kEnemies45},
    {46, 28, 28, kEnemies46},
    {47, 34, 33, kEnemies47},
    {48, 24, 24, kEnemies48},
    {49, 13, 13, kEnemies49},
    {50, 44, 44, kEnemies50},
    {51, 32, 32, kEnemies51},
    {52, 25, 25, kEnemies52},
    {53, 34, 34, kEnemies53},
    {54, 34, 34, kEnemies54},
    {55, 22, 18, kEnemies55},
    {56, 22, 22, kEnemies56},
    {57, 19, 19, kEnemies57},
    {58, 28, 28, kEnemies58},
    {59, 25, 25, kEnemies59},
    {60, 24, 24, kEnemies60},
    {61, 43, 41, kEnemies61},
    {62, 17, 17, kEnemies62},
    {63, 21, 21, kEnemies63},
    {64, 17, 17, kEnemies64},
    {65, 14, 14, kEnemies65},
    {66, 34, 34, kEnemies66},
    {67, 34, 34, kEnemies67},
    {68, 34, 34, kEnemies68},
    {69, 27, 27, kEnemies69},
    {70, 34, 34, kEnemies70},
    {71, 40, 39, kEnemies71},
    {72, 24, 24, kEnemies72},
    {73, 50, 50, kEnemies73},
    {81, 15, 15, kEnemies81},
    {82, 18, 18, kEnemies82},
    {83, 17, 17, kEnemies83},
    {84, 21, 21, kEnemies84},
    {85, 25, 25, kEnemies85},
    {86, 34, 34, kEnemies86},
    {87, 26, 26, kEnemies87},
    {88, 31, 31, kEnemies88},
    {89, 35, 35, kEnemies89},
    {90, 35, 35, kEnemies90},
    {91, 42, 42, kEnemies91},
    {92, 46, 46, kEnemies92},
    {93, 48, 48, kEnemies93},
};

// clang-format on

template <class Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], uint32_t battleId) {
  for (const Row& row : rows)
    if (row.battleId == battleId) return &row;
  return nullptr;
}

}  // namespace

const FriendlySetUp* FindFriendlySetUp(uint32_t battleId) {
  return FindRow(kFriendlySetUps, battleId);
}

const EnemyLineup* FindEnemyLineup(uint32_t battleId) { return FindRow(kEnemyLineups, battleId); }

AllyGroups FindAllyGroups(uint32_t battleId) {
  AllyGroups found{};
  for (const AllyGroup& group : kAllyGroups) {
    if (group.battleId != battleId) continue;
    if (!found.first) found.first = &group;
    ++found.count;
  }
  return found;
}

}  // namespace battle

// The markers of open quests: item pictures at fixed points of the map,
// shown until their quest is done (stage 5 or more).

#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "map/map_picture.h"
#include "map/screen_offset.h"
#include "platform/sprite_sheet.h"

using maplayout::kItems;
using maplayout::kItems2;

const QuestMarker kQuestMarkers[kQuestMarkerCount] = {
    {7, kItems, 0, 807, 760, 0.9f, 0.95f, 0},       {8, kItems, 3, -434, 1365, 0.9f, 0.9f, 0},
    {9, kItems, 1, -234, 1565, 0.9f, 0.9f, 0},      {10, kItems, 2, -434, 1765, 0.9f, 0.9f, 0},
    {18, kItems, 4, 646, 325, 0.9f, 0.9f, 0},       {21, kItems, 5, 2046, -600, 0.9f, 0.9f, 0},
    {22, kItems, 6, 2166, -880, 0.9f, 0.9f, 0},     {25, kItems, 7, -635, 1085, 0.9f, 0.9f, 0},
    {30, kItems, 8, -315, 1166, 0.9f, 0.9f, 0},     {43, kItems, 9, -165, 1050, 1.0f, 1.0f, 0},
    {46, kItems, 10, 206, 842, 1.0f, 1.0f, 0},      {37, kItems, 11, -675, 1764, 1.0f, 1.0f, 0},
    {38, kItems, 12, -234, 1405, 1.0f, 1.0f, 0},    {51, kItems, 13, 964, 402, 1.0f, 1.0f, 0},
    {59, kItems, 14, -1520, 1640, 1.0f, 1.0f, 0},   {63, kItems, 15, 1521, 562, 1.0f, 1.0f, 0},
    {40, kItems2, 0, 284, 1200, 1.0f, 1.0f, 0},     {61, kItems2, 1, 122, 1642, 1.0f, 1.0f, 122},
    {72, kItems2, 2, 46, 962, 1.0f, 1.0f, 0},       {52, kItems2, 3, 1005, 1202, 1.0f, 1.0f, 0},
    {74, kItems2, 4, 1084, 1762, 1.0f, 1.0f, 1084}, {67, kItems2, 5, -434, -360, 1.0f, 1.0f, 0},
    {64, kItems2, 6, 1566, -398, 1.0f, 1.0f, 0},    {68, kItems2, 7, 1402, -560, 1.0f, 1.0f, 0},
    {88, kItems2, 8, 2163, 844, 1.0f, 1.0f, 2160},  {89, kItems2, 9, 2169, 483, 1.0f, 1.0f, 2160},
};

void EmitQuestMarkers(const KingdomMap& map, const uint8_t* questStages, MapSpriteSink& sink) {
  if (questStages == nullptr) return;
  for (const QuestMarker& m : kQuestMarkers) {
    if (questStages[m.quest - 1] >= 5) continue;
    if (m.testX != 0) {
      const int32_t screenX = ScreenOffset(m.testX, map.cameraX);
      if (screenX < -29 || screenX > 799) continue;
    }
    sink.Sprite({m.image, m.frame, ScreenOffset(m.x, map.cameraX), ScreenOffset(m.y, map.cameraY),
                 m.scaleX, m.scaleY});
  }
}

void KingdomMap::DrawQuestMarkers(const uint8_t* questStages) {
  if (tileSheet == nullptr) return;
  SheetSpriteSink sink(tileSheet);
  EmitQuestMarkers(*this, questStages, sink);
}

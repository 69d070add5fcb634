#include "game/game_state_dump.h"

#include <string>

void NameText(JsonOut& out, const char* key, const uint8_t (&name)[kGlyphNameLength]) {
  out.Str((std::string(key) + "Text").c_str(), GlyphToText(name));
}

void NamesText(JsonOut& out, const char* key, const uint8_t (*names)[kGlyphNameLength],
               std::size_t count) {
  out.BeginArray((std::string(key) + "Text").c_str());
  for (std::size_t i = 0; i < count; ++i) out.Str(nullptr, GlyphToText(names[i]));
  out.EndArray();
}

namespace {

void Pointer(JsonOut& out, const char* key, const uint8_t* p) {
  out.Num(key, p != nullptr ? 1 : 0);
}

void DumpArmies(JsonOut& out, const char* key, const ArmyRecord& a) {
  out.BeginObject(key);
  out.Array("armyKindCode", a.armyKindCode);
  out.Array("armyUsed", a.armyUsed);
  out.Array("armyPanelPlace", a.armyPanelPlace);
  out.Array("armyKind", a.armyKind);
  out.Array("armyValue1", a.armyValue1);
  out.Array("armyValue2", a.armyValue2);
  out.Array("armyValue3", a.armyValue3);
  out.Array("armyValue4", a.armyValue4);
  out.Array("armyCount", a.armyCount);
  out.Array("armyMark1", a.armyMark1);
  out.Array("armyMark2", a.armyMark2);
  out.Array("armyMark3", a.armyMark3);
  out.Array("armyMark4", a.armyMark4);
  out.Array("armyNames", a.armyNames);
  NamesText(out, "armyNames", a.armyNames);
  out.Array("armyTail1", a.armyTail1);
  out.Array("armyTail2", a.armyTail2);
  out.EndObject();
}

void DumpItems(JsonOut& out, const ItemRecord& r) {
  out.BeginObject();
  out.Array("held", r.held);
  out.Array("slot", r.slot);
  out.Array("items", r.items);
  out.EndObject();
}

void DumpWealth(JsonOut& out, const Wealth& w) {
  out.BeginObject("wealth");
  out.Array("gemPicture", w.gemPicture);
  out.Array("gemOwned", w.gemOwned);
  out.Array("gemPicture2", w.gemPicture2);
  out.Array("artifactPicture", w.artifactPicture);
  out.Array("artifactOwned", w.artifactOwned);
  out.Array("artifactPicture2", w.artifactPicture2);
  out.Array("villagePicture", w.villagePicture);
  out.Array("villageJoined", w.villageJoined);
  out.Array("villagePicture2", w.villagePicture2);
  out.Array("townPicture", w.townPicture);
  out.Array("townOwned", w.townOwned);
  out.Array("townPicture2", w.townPicture2);
  out.EndObject();
}

void DumpSnapshot(JsonOut& out, const MapSnapshot& m) {
  out.BeginObject("mapSnapshot");
  out.Array("member1", m.member1);
  out.Array("member2", m.member2);
  out.Array("member3", m.member3);
  out.Num("heroIndex", m.heroIndex);
  out.Array("member3Rest", m.member3Rest);
  out.Array("snapshotLegA", m.snapshotLegA);
  out.Array("snapshotLegX", m.snapshotLegX);
  out.Array("snapshotLegY", m.snapshotLegY);
  out.Array("member5", m.member5);
  out.Array("member6", m.member6);
  out.Num("member7", m.member7);
  out.Array("member8", m.member8);
  out.Num("member9", m.member9);
  out.Array("member10", m.member10);
  out.EndObject();
}

void DumpResume(JsonOut& out, const BattleResume& b) {
  out.BeginObject("battleResume");
  out.Num("member1", b.member1);
  out.Num("member2", b.member2);
  out.Array("member3", b.member3);
  out.Array("member4", b.member4);
  out.EndObject();
}

}  // namespace

void DumpGameState(const GameState& s, JsonOut& out, const char* key) {
  out.BeginObject(key);

  out.Array("reserved0", s.reserved0);
  out.Num("day", s.day);
  out.Array("questStage", s.questStage);
  out.Array("placeState", s.placeState);
  out.Array("worldBlockA", s.worldBlockA);
  out.Num("slot", s.slot);
  out.Num("placeVisitFlag", s.placeVisitFlag);
  out.Num("musicRestartPending", s.musicRestartPending);
  out.Num("fallbackCount", s.fallbackCount);
  out.Num("fallbackPending", s.fallbackPending);
  out.Num("relocationState", s.relocationState);
  out.Num("useFallbackCells", s.useFallbackCells);
  out.Num("partyX", s.partyX);
  out.Num("partyY", s.partyY);
  out.Array("fallbackCells", s.fallbackCells);
  out.Num("defeatedArmy", s.defeatedArmy);
  out.Num("reserved1", s.reserved1);
  out.Num("storyScene", s.storyScene);
  out.Num("reserved2", s.reserved2);
  out.Num("reserved3", s.reserved3);
  out.Num("clockBase", s.clockBase);
  out.Array("reserved4", s.reserved4);
  Pointer(out, "writeImage", s.writeImage);
  Pointer(out, "writeImage2", s.writeImage2);
  Pointer(out, "readImage", s.readImage);
  Pointer(out, "probeImage", s.probeImage);
  out.Array("slotFilled", s.slotFilled);
  out.Num("slotsStale", s.slotsStale);
  out.Num("hallScore", s.hallScore);
  out.Array("hallUsed", s.hallUsed);
  out.Array("hallScores", s.hallScores);

  out.Array("worldBlockB", s.worldBlockB);
  out.Array("enemyPresent", s.enemyPresent);
  out.Array("worldBlockC", s.worldBlockC);
  out.Array("worldBlockD", s.worldBlockD);
  out.Array("armyRoutePos", s.armyRoutePos);
  out.Array("armyOnRoad", s.armyOnRoad);
  out.Num("caughtByArmy", s.caughtByArmy);
  out.Array("fameRewardGranted", s.fameRewardGranted);
  out.Num("fameRewardsShown", s.fameRewardsShown);
  out.Array("fameRewardRow", s.fameRewardRow);
  out.Num("worldBlockGEnd", s.worldBlockGEnd);
  out.Num("mapSnapshotState", s.mapSnapshotState);
  out.Num("mapEventFlag", s.mapEventFlag);
  out.Num("fame", s.fame);
  out.BeginArray("fameRungDone");
  for (int r = 0; r < kFameRungs; ++r) out.Num(nullptr, s.fameRungDone()[r]);
  out.EndArray();
  DumpSnapshot(out, s.mapSnapshot);
  out.Num("battleId", s.battleId);
  out.Array("battleDifficulty", s.battleDifficulty);
  out.Array("battleExtra", s.battleExtra);
  out.Array("hallNames", s.hallNames);
  NamesText(out, "hallNames", s.hallNames);
  out.Array("mapObjectFlagsA", s.mapObjectFlagsA);
  out.Array("bagPresent", s.bagPresent);
  out.Array("chestPresent", s.chestPresent);
  out.Num("battlePending", s.battlePending);
  out.Num("battleByPlayer", s.battleByPlayer);
  out.Num("battleHero", s.battleHero);
  out.Num("exchangeLeft", s.exchangeLeft);
  out.Num("exchangeRight", s.exchangeRight);
  out.Num("townNumber", s.townNumber);
  out.Num("visitorCode", s.visitorCode);
  out.Array("renameBuffer", s.renameBuffer);
  NameText(out, "renameBuffer", s.renameBuffer);
  out.Num("villageNumber", s.villageNumber);

  out.Array("playerName", s.playerName);
  NameText(out, "playerName", s.playerName);
  out.Num("playerPortrait", s.playerPortrait);
  out.Num("playerDayAllowance", s.playerDayAllowance);
  out.Array("playerItems", s.playerItems);
  out.Array("playerItemHeld", s.playerItemHeld);
  out.Array("playerItemSlot", s.playerItemSlot);
  out.Array("playerStats", s.playerStats);
  out.Num("playerLevel", s.playerLevel);
  out.Num("partyCell", s.partyCell);
  out.Num("playerMapState", s.playerMapState);
  DumpArmies(out, "playerArmies", s.playerArmies);
  out.Array("heroDayAllowance", s.heroDayAllowance);

  out.Array("heroCell", s.heroCell);
  out.Array("heroMapState", s.heroMapState);
  out.Array("heroPresent", s.heroPresent);
  out.Array("heroStripPlace", s.heroStripPlace);
  out.Array("heroPortrait", s.heroPortrait);
  out.Array("heroStats", s.heroStats);
  out.Array("heroLevel", s.heroLevel);
  out.BeginArray("heroArmies");
  for (const ArmyRecord& a : s.heroArmies) DumpArmies(out, nullptr, a);
  out.EndArray();
  out.BeginArray("heroItems");
  for (const ItemRecord& r : s.heroItems) DumpItems(out, r);
  out.EndArray();
  out.Array("heroNameBuffer", s.heroNameBuffer);
  NameText(out, "heroNameBuffer", s.heroNameBuffer);
  out.Array("heroNames", s.heroNames);
  out.BeginArray("heroNamesText");
  for (int k = 0; k < kHeroCount; ++k) {
    uint8_t name[kGlyphNameLength];
    s.GetHeroName(k, name);
    out.Str(nullptr, GlyphToText(name));
  }
  out.EndArray();

  DumpWealth(out, s.wealth);
  out.Num("score", s.score);
  out.Num("gold", s.gold);
  out.Num("reserved5", s.reserved5);
  out.Num("overlayOpen", s.overlayOpen);
  out.Num("reserved6", s.reserved6);
  out.Num("gamePresent", s.gamePresent);
  out.Num("savedInBattle", s.savedInBattle);
  DumpResume(out, s.battleResume);
  out.Array("worldBlockJ", s.worldBlockJ);
  out.Array("worldBlockK", s.worldBlockK);
  out.Array("worldBlockL", s.worldBlockL);
  out.Array("worldBlockM", s.worldBlockM);
  out.Array("worldBlockN", s.worldBlockN);
  out.Array("options", s.options);

  out.EndObject();
}

#include "menus/save_files.h"

#include <cstring>
#include <memory>

#include "game/game_state.h"
#include "menus/save_slots_panel.h"
#include "platform/file_buffer.h"

namespace {

constexpr const char* kSlotPaths[kSaveSlots] = {"Saves\\1.save", "Saves\\2.save", "Saves\\3.save",
                                                "Saves\\4.save", "Saves\\5.save"};

}  // namespace

const char* SaveSlotPath(int slot) {
  if (slot < 1 || slot > kSaveSlots) return nullptr;
  return kSlotPaths[slot - 1];
}

void ProbeSaveSlots(SaveSlotsPanel& panel, FileBuffer& probe, GameState& state) {
  for (int n = 1; n <= kSaveSlots; ++n) {
    state.probeImage = probe.Load(SaveSlotPath(n));
    panel.slotUsed[n - 1] = state.probeImage != nullptr ? 1 : 0;
    state.slotFilled[n - 1] = panel.slotUsed[n - 1];
  }
  state.probeImage = nullptr;
  state.slotsStale = 0;
}

void ReadSlotSummaries(SaveSlotsPanel& panel, FileBuffer& read) {
  for (int n = 1; n <= kSaveSlots; ++n) {
    if (!panel.slotUsed[n - 1] || !panel.summaryWanted[n - 1]) continue;
    panel.summaryWanted[n - 1] = 0;
    // The whole image is checked as the load step would check it, so that a
    // row shows a summary only for a game that can be loaded.
    auto game = std::make_unique<GameState>();
    SaveExtras extras;
    if (read.Load(SaveSlotPath(n)) == nullptr ||
        ReadSaveImage(*game, extras, read.bytes, read.size) == 0) {
      panel.slotUnreadable[n - 1] = 1;
      continue;
    }
    panel.slotUnreadable[n - 1] = 0;
    panel.summaryFame[n - 1] = static_cast<uint32_t>(game->fame);
    panel.summaryDay[n - 1] = static_cast<uint8_t>(game->day);
    std::memcpy(panel.summaryName[n - 1], game->playerName, kGlyphNameLength);
  }
  panel.MeasureNames();
}

void RefreshSlotPanel(SaveSlotsPanel& panel, FileBuffer*& probeFile, FileBuffer& read,
                      GameState& state) {
  if (state.slotsStale) {
    if (!probeFile) {
      probeFile = new FileBuffer;
      probeFile->Allocate(kSlotReadBufferBytes);
    }
    ProbeSaveSlots(panel, *probeFile, state);
    delete probeFile;
    probeFile = nullptr;
  }
  ReadSlotSummaries(panel, read);
  state.readImage = nullptr;
}

uint8_t FirstFreeSlot(const SaveSlotsPanel& panel) {
  for (int n = 1; n <= kSaveSlots; ++n)
    if (!panel.slotUsed[n - 1]) return static_cast<uint8_t>(n);
  return 0;
}

int SaveGameToSlot(FileBuffer& buffer, const GameState& state, const SaveExtras& extras, int slot) {
  const char* path = SaveSlotPath(slot);
  if (!path) return 0;
  uint8_t* image = buffer.Allocate(kSaveImageBytes);
  if (!image) return 0;
  WriteSaveImage(state, extras, image);
  return buffer.Save(path) ? 1 : 0;
}

int LoadGameFromSlot(FileBuffer& buffer, GameState& state, SaveExtras& extras, int slot) {
  const char* path = SaveSlotPath(slot);
  if (!path || buffer.Load(path) == nullptr) return 0;
  return ReadSaveImage(state, extras, buffer.bytes, buffer.size);
}

int LoadHallOfFame(FileBuffer& buffer, GameState& state) {
  if (buffer.Load(kHallOfFamePath) == nullptr) return 0;
  return ReadHallOfFameImage(state, buffer.bytes, buffer.size);
}

#include "menus/save_files.h"

#include <fcntl.h>  // AT_FDCWD

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "game/game_state.h"
#include "menus/save_slots_panel.h"
#include "platform/file_buffer.h"
#include "platform/paths.h"
#include "platform/regular_file.h"

namespace {

constexpr const char* kSlotPaths[kSaveSlots] = {"Saves\\1.save", "Saves\\2.save", "Saves\\3.save",
                                                "Saves\\4.save", "Saves\\5.save"};

// Renames from to to unless to exists; true when it was renamed.
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without the flag: look first.
  return !NameExists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

const char* SaveSlotPath(int slot) {
  if (slot < 1 || slot > kSaveSlots) return nullptr;
  return kSlotPaths[slot - 1];
}

void ProbeSaveSlots(SaveSlotsPanel& panel, FileBuffer& probe, GameState& state) {
  for (int n = 1; n <= kSaveSlots; ++n) {
    FileFound found;
    state.probeImage = probe.Load(SaveSlotPath(n), &found);
    // Only a name that is not there at all is free; whatever else is there
    // stays until the player takes the slot over.
    const bool used = found != FileFound::kMissing;
    panel.slotUsed[n - 1] = used ? 1 : 0;
    panel.slotUnreadable[n - 1] = used && state.probeImage == nullptr ? 1 : 0;
    // A file that opened is checked again (it may not be the one read
    // before); a damaged one has nothing to show.
    if (used) panel.summaryWanted[n - 1] = state.probeImage != nullptr ? 1 : 0;
    state.slotFilled[n - 1] = panel.slotUsed[n - 1];
  }
  state.probeImage = nullptr;
  state.slotsStale = 0;
}

void ReadSlotSummaries(SaveSlotsPanel& panel, FileBuffer& read) {
  for (int n = 1; n <= kSaveSlots; ++n) {
    if (!panel.slotUsed[n - 1] || panel.slotUnreadable[n - 1] || !panel.summaryWanted[n - 1])
      continue;
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

int LoadHallOfFame(FileBuffer& buffer, GameState& state, FileFound* found) {
  FileFound opened;
  const bool read = buffer.Load(kHallOfFamePath, &opened) != nullptr &&
                    ReadHallOfFameImage(state, buffer.bytes, buffer.size) != 0;
  if (found)
    *found = read                            ? FileFound::kRegular
             : opened == FileFound::kMissing ? opened
                                             : FileFound::kRefused;
  return read ? 1 : 0;
}

int MoveFileAside(const char* path) {
  const std::string from = ResolveGamePath(path);
  for (int k = 0; k <= kMaxAsideNumber; ++k) {
    const std::string to = from + ".bad" + (k == 0 ? std::string() : std::to_string(k));
    if (RenameNoReplace(from, to)) return 1;
    // Anything but a name already taken (no such file, no permission): stop.
    if (!NameExists(to)) return 0;
  }
  return 0;
}

int ReadHallOfFameBeforeWrite(FileBuffer& buffer, GameState& state) {
  FileFound found;
  if (LoadHallOfFame(buffer, state, &found) || found == FileFound::kMissing) return 1;
  return MoveFileAside(kHallOfFamePath);
}

#include "platform/file_buffer.h"

#include <cstdio>
#include <new>
#include <string>

#include "platform/paths.h"
#include "platform/regular_file.h"
#include "platform/replace_file.h"

namespace {

size_t StandardWrite(const void* data, size_t n, FILE* file) {
  return std::fwrite(data, 1, n, file);
}

int StandardRename(const char* from, const char* to) { return std::rename(from, to); }

constexpr FileWriteHooks kStandardHooks = {StandardWrite, StandardRename};
FileWriteHooks gHooks = kStandardHooks;

}  // namespace

void SetFileWriteHooks(const FileWriteHooks* hooks) { gHooks = hooks ? *hooks : kStandardHooks; }

FileBuffer::FileBuffer() : bytes(nullptr), size(0) {}

FileBuffer::~FileBuffer() { Free(); }

uint8_t* FileBuffer::Allocate(uint32_t n) {
  Free();
  size = n;
  // One spare byte so that a buffer of 0 bytes is still a valid pointer.
  bytes = new (std::nothrow) uint8_t[static_cast<size_t>(n) + 1];
  if (!bytes) size = 0;
  return bytes;
}

void FileBuffer::Free() {
  delete[] bytes;
  bytes = nullptr;
  size = 0;
}

uint32_t FileBuffer::Save(const char* path) {
  if (!bytes || size == 0 || !path) return 0;
  const uint8_t count[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                            static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  const auto write = [&](FILE* f) {
    return gHooks.write(count, 4, f) == 4 && gHooks.write(bytes, size, f) == size;
  };
  return ReplaceFile(NormalisePath(path), write, gHooks.rename) ? 1 : 0;
}

uint8_t* FileBuffer::Load(const char* path, FileFound* found) {
  Free();
  if (found) *found = FileFound::kMissing;
  if (!path) return nullptr;
  const std::string name = ResolveGamePath(path);
  uint64_t length = 0;
  FileFound opened;
  FILE* f = OpenRegularFile(name, kFileBufferMaxBytes, &opened, &length);
  if (found) *found = opened == FileFound::kMissing ? opened : FileFound::kRefused;
  if (!f) return nullptr;
  if (length == 0) {
    // Nothing to read, not even the count: an empty buffer.
    std::fclose(f);
    if (found) *found = FileFound::kRegular;
    return Allocate(0);
  }
  uint8_t count[4];
  if (length < 4 || std::fread(count, 1, 4, f) != 4) {
    std::fclose(f);
    return nullptr;
  }
  const uint32_t n = static_cast<uint32_t>(count[0]) | (static_cast<uint32_t>(count[1]) << 8) |
                     (static_cast<uint32_t>(count[2]) << 16) |
                     (static_cast<uint32_t>(count[3]) << 24);
  // The stored count must be exactly what follows it.
  if (length - 4 != n) {
    std::fclose(f);
    return nullptr;
  }
  if (!Allocate(n)) {
    std::fclose(f);
    return nullptr;
  }
  const bool ok = std::fread(bytes, 1, n, f) == n;
  std::fclose(f);
  if (!ok) {
    Free();
    return nullptr;
  }
  if (found) *found = FileFound::kRegular;
  return bytes;
}

uint8_t* FileBuffer::Data() { return bytes; }

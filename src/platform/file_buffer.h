#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/regular_file.h"

// The longest file a buffer reads.
constexpr uint64_t kFileBufferMaxBytes = 64u << 20;

// A whole file read or written at once: a little-endian u32 byte count N
// followed by N bytes.
class FileBuffer {
 public:
  FileBuffer();
  ~FileBuffer();
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;

  // Frees, then allocates n bytes (contents not set); returns the pointer.
  uint8_t* Allocate(uint32_t n);
  // Releases the bytes; bytes := 0, size := 0.
  void Free();
  // 0 when there are no bytes or the size is 0, or the file cannot be
  // written. Writes to a temporary file in the same folder and renames it
  // into place, so a failed save leaves the old file as it was. 1 on success.
  uint32_t Save(const char* path);
  // Frees, then reads the file. Returns the bytes, or 0 when the file
  // cannot be opened or its stored count does not match its length.
  // An empty file (0 bytes) gives size 0 and a valid, empty buffer. Only a
  // regular file of at most kFileBufferMaxBytes is read, and opening it
  // never waits (a pipe is refused). *found (when given): kRegular when the
  // bytes were read, kMissing when there is no such name, kRefused for a
  // name that exists but could not be read whole.
  uint8_t* Load(const char* path, FileFound* found = nullptr);
  uint8_t* Data();

  uint8_t* bytes;
  uint32_t size;
};

// The two steps of a save that can fail on their own: writing bytes into the
// temporary file and renaming it over the old one. Tests put in their own to
// make a save fail at any point.
struct FileWriteHooks {
  // Writes n bytes; returns how many were written (fewer is a failure).
  size_t (*write)(const void* data, size_t n, FILE* file);
  // 0 on success, as std::rename.
  int (*rename)(const char* from, const char* to);
};

// nullptr puts back the standard library's.
void SetFileWriteHooks(const FileWriteHooks* hooks);

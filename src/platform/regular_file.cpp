#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

bool NameExists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

FILE* OpenRegularFile(const std::string& path, uint64_t maxBytes, FileFound* found,
                      uint64_t* length) {
  FileFound result = FileFound::kRefused;
  FILE* file = nullptr;
  // O_NONBLOCK keeps the open of a pipe with no writer (or of a device)
  // from waiting; fstat then tells what was opened.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if ((errno == ENOENT || errno == ENOTDIR) && !NameExists(path)) result = FileFound::kMissing;
  } else {
    struct stat st;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
                         static_cast<uint64_t>(st.st_size) <= maxBytes;
    const int flags = regular ? fcntl(fd, F_GETFL) : -1;
    if (flags != -1 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) file = fdopen(fd, "rb");
    if (file) {
      result = FileFound::kRegular;
      if (length) *length = static_cast<uint64_t>(st.st_size);
    } else {
      close(fd);
    }
  }
  if (found) *found = result;
  return file;
}

FileFound ReadRegularFile(const std::string& path, uint64_t maxBytes, std::vector<uint8_t>* out) {
  out->clear();
  FileFound found;
  uint64_t length = 0;
  FILE* f = OpenRegularFile(path, maxBytes, &found, &length);
  if (!f) return found;
  out->resize(static_cast<size_t>(length));
  // The file may have changed since it was measured: only a whole read of
  // the measured length, with nothing after it, counts.
  const bool whole = (out->empty() || std::fread(out->data(), 1, out->size(), f) == out->size()) &&
                     std::fgetc(f) == EOF && !std::ferror(f);
  std::fclose(f);
  if (whole) return FileFound::kRegular;
  out->clear();
  return FileFound::kRefused;
}

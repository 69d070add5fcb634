#include "platform/replace_file.h"

#include <unistd.h>

bool ReplaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write,
                 int (*rename)(const char* from, const char* to)) {
  const std::string temp = path + ".tmp";
  // Removing a link removes the link, not what it points at; "x" then makes
  // the file here or not at all, so no link put there meanwhile is followed.
  unlink(temp.c_str());
  std::FILE* f = std::fopen(temp.c_str(), "wbx");
  if (!f) return false;
  bool ok = write(f);
  ok = ok && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
  ok = (std::fclose(f) == 0) && ok;
  const bool placed = ok && (rename ? rename(temp.c_str(), path.c_str())
                                    : std::rename(temp.c_str(), path.c_str())) == 0;
  if (!placed) std::remove(temp.c_str());
  return placed;
}

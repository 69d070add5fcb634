#include "platform/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <map>

std::string NormalisePath(const char* path) {
  std::string out;
  if (!path) return out;
  for (const char* p = path; *p; ++p) {
    char c = (*p == '\\') ? '/' : *p;
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out += c;
  }
  return out;
}

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// The entry of folder dir whose name equals name but for letter case.
bool FindNoCase(const std::string& dir, const std::string& name, std::string* found) {
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return false;
  bool ok = false;
  while (dirent* e = readdir(d)) {
    if (strcasecmp(e->d_name, name.c_str()) == 0) {
      *found = e->d_name;
      ok = true;
      break;
    }
  }
  closedir(d);
  return ok;
}

}  // namespace

std::string ResolveGamePath(const char* path) {
  std::string norm = NormalisePath(path);
  if (norm.empty() || Exists(norm)) return norm;
  // Walk the components, fixing the case of each one that is not found.
  std::string built;
  size_t pos = 0;
  if (norm[0] == '/') {
    built = "/";
    pos = 1;
  }
  while (pos <= norm.size()) {
    size_t slash = norm.find('/', pos);
    if (slash == std::string::npos) slash = norm.size();
    std::string part = norm.substr(pos, slash - pos);
    if (!part.empty()) {
      std::string candidate = built + part;
      if (!Exists(candidate)) {
        std::string found;
        std::string dir = built.empty() ? std::string() : built;
        if (!FindNoCase(dir, part, &found)) return norm;
        candidate = built + found;
      }
      built = candidate;
      if (slash < norm.size()) built += '/';
    }
    pos = slash + 1;
  }
  return built;
}

#include "platform/paths.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <filesystem>
#include <system_error>

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

namespace {

std::string gAssetFolder;

// The path norm (normalised, not empty) under folder base ("" for the
// current folder), each missing component matched without regard to case.
// Empty when some component is not found.
std::string ResolveUnder(const std::string& base, const std::string& norm) {
  const std::string under = base.empty() ? std::string() : base + "/";
  if (Exists(under + norm)) return under + norm;
  // Walk the components, fixing the case of each one that is not found; an
  // absolute path walks from the root whatever the base.
  const bool absolute = norm[0] == '/';
  std::string built = absolute ? std::string(1, '/') : under;
  size_t pos = absolute ? 1 : 0;
  while (pos <= norm.size()) {
    size_t slash = norm.find('/', pos);
    if (slash == std::string::npos) slash = norm.size();
    std::string part = norm.substr(pos, slash - pos);
    if (!part.empty()) {
      std::string candidate = built + part;
      if (!Exists(candidate)) {
        std::string found;
        if (!FindNoCase(built, part, &found)) return std::string();
        candidate = built + found;
      }
      built = candidate;
      if (slash < norm.size()) built += '/';
    }
    pos = slash + 1;
  }
  return built;
}

}  // namespace

std::string ResolveGamePath(const char* path) {
  std::string norm = NormalisePath(path);
  if (norm.empty()) return norm;
  std::string found = ResolveUnder(std::string(), norm);
  if (found.empty() && !gAssetFolder.empty() && norm[0] != '/') {
    found = ResolveUnder(gAssetFolder, norm);
  }
  return found.empty() ? norm : found;
}

void SetAssetFolder(const std::string& folder) { gAssetFolder = folder; }

GameFolders FindGameFolders(const std::string& exe, const std::string& cwd,
                            const std::string& installedData, const char* xdgDataHome,
                            const char* home, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  auto holdsArt = [&ec](const fs::path& folder) { return fs::is_directory(folder / "Art", ec); };
  GameFolders out;
  const fs::path exeDir = exe.empty() ? fs::path() : fs::path(exe).parent_path();
  if (!exe.empty() && holdsArt(exeDir / "game")) {
    out.work = (exeDir / "game").string();
    return out;
  }
  if (!exe.empty() && !installedData.empty() && holdsArt(exeDir / installedData)) {
    fs::path data;
    if (xdgDataHome && xdgDataHome[0] == '/') {
      data = fs::path(xdgDataHome) / "qorv";
    } else if (home && home[0]) {
      data = fs::path(home) / ".local" / "share" / "qorv";
    } else {
      if (error) *error = "neither XDG_DATA_HOME nor HOME is set: no folder for the saves";
      return out;
    }
    for (const char* sub : {"Saves", "Data"}) {
      fs::create_directories(data / sub, ec);
      if (ec) {
        if (error) *error = "cannot make " + (data / sub).string() + ": " + ec.message();
        return out;
      }
    }
    out.work = data.string();
    out.assets = fs::weakly_canonical(exeDir / installedData, ec).string();
    if (ec) out.assets = (exeDir / installedData).string();
    return out;
  }
  if (!cwd.empty() && holdsArt(cwd)) {
    out.work = cwd;
    return out;
  }
  if (error) {
    *error = "no game folder found (looked for game/Art next to the program, " +
             (installedData.empty() ? std::string() : installedData + "/Art, ") +
             "and Art in the current folder)";
  }
  return out;
}

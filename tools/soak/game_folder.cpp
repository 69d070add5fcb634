#include "soak/game_folder.h"

#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "app/data_settings.h"

namespace {

constexpr const char* kDataFolder = "Data";
constexpr const char* kSavesFolder = "Saves";
constexpr const char* kSettingsFile = "data1.txt";

// The entries of a folder, sorted; false when it cannot be read.
bool ListFolder(const std::string& dir, std::vector<std::string>* names) {
  DIR* d = opendir(dir.c_str());
  if (!d) return false;
  while (dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names->push_back(name);
  }
  closedir(d);
  return true;
}

bool WriteFreshSettings(const std::string& to) {
  std::ofstream out(to, std::ios::binary);
  out << kFreshSettings;
  return static_cast<bool>(out.flush());
}

int RemoveEntry(const char* path, const struct stat*, int type, struct FTW*) {
  return type == FTW_DP ? rmdir(path) : unlink(path);
}

std::string Absolute(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return path;
  std::string out = real;
  std::free(real);
  return out;
}

}  // namespace

SoakGameFolder::SoakGameFolder(const std::string& source) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/qorv-soak-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (!mkdtemp(buffer.data())) {
    error_ = "cannot make a folder under " + pattern;
    return;
  }
  path_ = buffer.data();
  if (!Build(Absolute(source))) {
    nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
    path_.clear();
  }
}

SoakGameFolder::~SoakGameFolder() {
  if (!path_.empty()) nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

bool SoakGameFolder::Build(const std::string& source) {
  std::vector<std::string> top;
  if (!ListFolder(source, &top)) {
    error_ = "cannot read the game folder " + source;
    return false;
  }
  for (const std::string& name : top) {
    if (name == kSavesFolder || name == kDataFolder || name[0] == '.') continue;
    if (symlink((source + "/" + name).c_str(), (path_ + "/" + name).c_str()) != 0) {
      error_ = "cannot link " + name;
      return false;
    }
  }
  // Data: links, but the settings file is one of its own.
  const std::string data = path_ + "/" + kDataFolder;
  std::vector<std::string> files;
  if (mkdir(data.c_str(), 0755) != 0 || !ListFolder(source + "/" + kDataFolder, &files)) {
    error_ = "cannot lay out the Data folder";
    return false;
  }
  for (const std::string& name : files) {
    if (name == kSettingsFile) continue;
    const std::string from = source + "/" + kDataFolder + "/" + name;
    const std::string to = data + "/" + name;
    if (symlink(from.c_str(), to.c_str()) != 0) {
      error_ = "cannot lay out Data/" + name;
      return false;
    }
  }
  if (!WriteFreshSettings(data + "/" + kSettingsFile)) {
    error_ = "cannot write Data/" + std::string(kSettingsFile);
    return false;
  }
  if (mkdir((path_ + "/" + kSavesFolder).c_str(), 0755) != 0) {
    error_ = "cannot make the Saves folder";
    return false;
  }
  return true;
}

#include "platform/asset_log.h"

#include <algorithm>

namespace {
std::vector<std::string>& List() {
  static std::vector<std::string> list;
  return list;
}
}  // namespace

const std::vector<std::string>& MissingAssets() { return List(); }

void ClearMissingAssets() { List().clear(); }

void NoteMissingAsset(const std::string& path) {
  std::vector<std::string>& list = List();
  if (std::find(list.begin(), list.end(), path) == list.end()) list.push_back(path);
}

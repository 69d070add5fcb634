#pragma once
// A game folder of the soak's own, made under the temporary folder: links to
// the pictures, music and data of a built game, a fresh folder's settings
// file of its own (the options write it; the player's options in the built
// folder never change a run) and an empty Saves folder. Removed again on
// destruction, with everything the game wrote into it.

#include <string>

class SoakGameFolder {
 public:
  // Builds the folder from the game folder source; Path() is empty when
  // that failed (Error() says why).
  explicit SoakGameFolder(const std::string& source);
  ~SoakGameFolder();
  SoakGameFolder(const SoakGameFolder&) = delete;
  SoakGameFolder& operator=(const SoakGameFolder&) = delete;

  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }

 private:
  bool Build(const std::string& source);
  std::string path_;
  std::string error_;
};

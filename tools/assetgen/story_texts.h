#pragma once
// The words written into the story pictures: a heading and a few lines of
// narration for the intro and each ending.

namespace story_texts {

struct StoryText {
  const char* heading;
  const char* lines[3];
};

inline constexpr StoryText kIntro = {
    "The Kingdom Calls",
    {"Armies gather beyond the wasteland.", "Raise an army, win the villages and towns,",
     "and hold the realm until the enemy yields."}};

inline constexpr StoryText kSurrendered = {
    "The Kingdom Has Fallen",
    {"The enemy marched through the gates.", "The realm surrendered.", ""}};

inline constexpr StoryText kPeaceTreaty = {
    "A Peace Treaty",
    {"The war ends in a hard-won truce.", "Neither side could break the other.",
     "The kingdom endures."}};

inline constexpr StoryText kVictory = {
    "Victory", {"The enemy's castle has fallen.", "The kingdom is free once more.", ""}};

}  // namespace story_texts

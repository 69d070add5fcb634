#pragma once
// The save slots panel's pictures: what the panel loads and the picture
// generator draws. The panel's sheet holds fifteen images; the background is
// a texture of its own and the player's name is drawn from two letter sheets.

#include "menus/picture_file.h"

namespace save_slots_picture {

constexpr int kSlotButton = 0;     // three looks
constexpr int kEmpty = 1;          // a free slot's row
constexpr int kSaved = 2;          // a used slot's row, after its number
constexpr int kSavedNumbers = 3;   // the number before it (frame = digit)
constexpr int kLoading = 4;        // the chosen row while the game loads
constexpr int kLine = 5;           // the separator, stretched across the screen
constexpr int kButtonNumbers = 6;  // the slot number on its button (frame = digit)
constexpr int kFameDigits = 7;
constexpr int kFameLabel = 8;
constexpr int kDayDigits = 9;
constexpr int kLoadCaption = 10;  // the load list's instruction
constexpr int kDayLabel = 11;     // frame 0 "Day"
constexpr int kBack = 12;
constexpr int kNoRoom = 13;    // the slot choice's heading
constexpr int kPickFile = 14;  // the slot choice's instruction
constexpr int kSheetImages = 15;

constexpr PictureFile kSheet[kSheetImages] = {
    {"Art//Menu//Button2.bmp", 128, 128, 0xFF000000u},
    {"Art//Menu//Empty.bmp", 256, 64, 0xFF000000u},
    {"Art//Menu//Save.bmp", 128, 64, 0xFF000000u},
    {"Art//Menu//Numbers7.bmp", 32, 32, 0xFF000000u},
    {"Art//Menu//Loading.bmp", 128, 32, 0xFF000000u},
    {"Art//Menu//Line.bmp", 64, 4, 0},
    {"Art//Menu//Numbers2.bmp", 32, 32, 0xFFFF0000u},
    {"Art//Menu//Numbers5.bmp", 64, 64, 0xFF000000u},
    {"Art/Controls//Fame.bmp", 64, 32, 0xFF000000u},
    {"Art//Menu//Numbers4.bmp", 64, 64, 0xFFFF0000u},
    {"Art//Menu//Pickanumber.bmp", 256, 64, 0xFF000000u},
    {"Art//Controls//DayAndGold.bmp", 64, 32, 0xFF000000u},
    {"Art//Controls//ButtonBack.bmp", 64, 32, 0},
    {"Art//Menu//NoRoom.bmp", 256, 32, 0xFF000000u},
    {"Art//Menu//PickFile.bmp", 512, 32, 0xFF000000u},
};

// The load list's heading, a texture drawn at (322, 20) scaled 1.4 x 1.2.
constexpr PictureFile kBackground = {"Art\\Menu\\Load.bmp", 0, 0, 0xFF000000u};

// The name letters, 32 x 64 frames: codes 0 and 2..27 from the low sheet
// (frame = code), codes 28 and up from the high one (frame = code - 28).
constexpr PictureFile kLettersLow = {"Art\\You\\You4.bmp", 32, 64, 0xFF000000u};
constexpr PictureFile kLettersHigh = {"Art\\You\\You5.bmp", 32, 64, 0xFF000000u};
constexpr int kLowLetterFrames = 28;   // codes 0..27
constexpr int kHighLetterFrames = 62;  // codes 28..89

// The texts of the word pictures.
constexpr const char* kEmptyText = "Empty";
constexpr const char* kSavedText = "Saved game";
constexpr const char* kLoadingText = "Loading...";
constexpr const char* kLoadTitle = "Load game";
constexpr const char* kLoadCaptionText = "Pick the game to load";
constexpr const char* kNoRoomText = "Every save slot is in use";
constexpr const char* kPickFileText = "Pick the slot the new game will take over";

}  // namespace save_slots_picture

#pragma once
// The save-and-quit question's pictures: the panel with the question and the
// Yes and No buttons (one picture each, drawn larger as the look rises).

#include "menus/picture_file.h"

namespace save_and_quit_picture {

// A texture drawn at (90, 120) scaled 1.2.
constexpr PictureFile kBackground = {"Art\\Menu\\SaveAndQuit.bmp", 0, 0, 0xFF000000u};
constexpr PictureFile kYes = {"Art\\Menu\\Yes.bmp", 256, 128, 0xFF000000u};
constexpr PictureFile kNo = {"Art\\Menu\\No.bmp", 256, 128, 0xFF000000u};

constexpr const char* kQuestion = "Save the game and quit?";

}  // namespace save_and_quit_picture

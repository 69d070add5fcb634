#pragma once
// The pictures of the name editor. The letter sheet, the box edges and the
// Ready and Clear buttons are the new game's name entry's own files; the
// box face, the titles, the background and the Back button are the
// editor's.

#include "menus/name_entry_picture.h"
#include "menus/picture_file.h"

namespace name_editor_picture {

// The box: its face and its edges (textures, no key).
constexpr PictureFile kBoxFace = {"Art\\Name\\Box.bmp", 32, 32, 0};
constexpr const PictureFile& kBoxTopBottom = name_entry_picture::kBoxes[1];
constexpr const PictureFile& kBoxLeft = name_entry_picture::kBoxes[2];
constexpr const PictureFile& kBoxRight = name_entry_picture::kBoxes[3];

// The title sheet's images: the three words over the box and the background.
constexpr int kTitleImages = 14;
constexpr int kWordEnter = 4;
constexpr int kWordHeros = 5;
constexpr int kWordName = 6;
constexpr int kBackground = 9;
constexpr PictureFile kEnter = {"Art\\Name\\WriteEnter3.bmp", 128, 32, 0xFF000000u};
constexpr PictureFile kHeros = {"Art\\Name\\WriteHeroe.bmp", 128, 32, 0xFF000000u};
constexpr PictureFile kName = {"Art\\Name\\WriteName3.bmp", 128, 32, 0xFF000000u};
constexpr PictureFile kBack = {"Art\\Name\\Back.bmp", 256, 128, 0};

constexpr const PictureFile& kLetters = name_entry_picture::kLetters;
constexpr const PictureFile& kReady = name_entry_picture::kReady;
constexpr const PictureFile& kClear = name_entry_picture::kClear;
// Three looks side by side, like every button.
constexpr PictureFile kBackButton = {"Art\\Name\\ButtonBack.bmp", 64, 32, 0xFFFFFFFFu};

}  // namespace name_editor_picture

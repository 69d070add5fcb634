#pragma once
// Inside the control bar: its pictures as a list of sprite draws on its
// sheet, so the tests can read what Draw would show.

#include "map/map_picture.h"

class ControlBar;

// Indices of the bar's sheet.
constexpr int kBarButtonPanel = 0;  // "Art\Controls\Button3.bmp"
constexpr int kBarButtonQuit = 1;
constexpr int kBarButtonSave = 2;
constexpr int kBarButtonHide = 3;
constexpr int kBarButtonEndDay = 4;  // "Art\Controls\Button4.bmp"
constexpr int kBarButtonShow = 5;
constexpr int kBarCaptions = 6;  // "Art\Controls\Write1.bmp"
constexpr int kBarPictures = 7;  // "Art\Controls\Picture1.bmp"
constexpr int kBarPortrait = 8;
constexpr int kBarFire = 9;
constexpr int kBarDayDigits = 10;   // "Art\You\Numbers.bmp"
constexpr int kBarFameDigits = 11;  // "Art\Controls\Numbers1.bmp"
constexpr int kBarPartyBack = 12;   // "Art\Heroes\Back1.bmp"
constexpr int kBarOptionsButton = 13;
constexpr int kBarOptionsCaption = 14;
constexpr int kBarOptionsIcon = 15;

void EmitControlBar(const ControlBar& bar, MapSpriteSink& sink);
void EmitHideShowButton(const ControlBar& bar, MapSpriteSink& sink);

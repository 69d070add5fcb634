// The fighter's own figure: the player's and the heroes' walking and fighting
// pictures, 32 x 64 frames. The kingdom map walks them with the first 32
// frames; the battle also stands them and strikes with the last 32.
#include "art_people.h"
#include "assetgen.h"
#include "battle/battle_art.h"

using namespace assetgen;
using namespace people;
namespace ba = battle_art;

namespace {

void DrawFighter(Canvas& c, const Look& look) {
  ForEachFrame(c, 32, 64, ba::kUnitFrames, [&](Canvas& f, int k) {
    const bool striking = k >= ba::kStrikeFirstFrame;
    const int step = k % ba::kFramesPerFacing;
    const int facing = (striking ? k - ba::kStrikeFirstFrame : k) / ba::kFramesPerFacing;
    int view;
    float dir;
    ViewOf(facing, &view, &dir);
    Scene s;
    // The map draws the frame at 0.8 from 5 pixels above the cell, the
    // battle at 0.9 from 8 pixels into it: the feet stand near the bottom.
    const Place place{16.0f, 57.0f, 1.0f, dir};
    if (striking) AddPerson(s, place, look, view, 0.0f, true, float(step) / 3.0f);
    else AddPerson(s, place, look, view, kStride[step]);
    figart::RenderPlaced(s, f, 0, 0, 1, 1);
  });
}

}  // namespace

ASSETGEN_TABLE(BattleFigurePictures) {
  for (const ba::Picture* p : {&ba::kPlayerFigure, &ba::kHeroFigure}) {
    const Look look = p == &ba::kPlayerFigure ? PlayerLook() : HeroLook();
    r.Picture(p->path, p->width, p->height, p->frameWidth, p->frameHeight, p->key,
              [look](Canvas& c) { DrawFighter(c, look); });
  }
}

// What the battle's picture files share: every battle sheet is described
// once in battle/battle_art.h (path, sizes, frame size, key), and the
// generator registers it from that description.
#pragma once

#include <functional>
#include <utility>

#include "assetgen.h"
#include "battle/battle_art.h"

inline void Register(assetgen::Registry& r, const battle_art::Picture& p,
                     std::function<void(assetgen::Canvas&)> draw) {
  r.Picture(p.path, p.width, p.height, p.frameWidth, p.frameHeight, p.key, std::move(draw));
}

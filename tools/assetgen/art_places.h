// What the place screens' picture files share: every place picture is
// described once in places/house_art.h (path, sizes, frame size, key), and
// the generator registers it from that description.
#pragma once

#include <functional>
#include <utility>

#include "assetgen.h"
#include "places/house_art.h"

inline void Register(assetgen::Registry& r, const house_art::Picture& p,
                     std::function<void(assetgen::Canvas&)> draw) {
  r.Picture(p.path, p.width, p.height, p.frameWidth, p.frameHeight, p.key, std::move(draw));
}

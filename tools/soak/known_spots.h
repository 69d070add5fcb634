#pragma once
// The rectangles a screen has tested the cursor against over the whole run,
// to aim at when the last frame tested none. A screen whose rectangles move
// (the battlefield as it scrolls, the map's armies) tests new ones for as long
// as it runs, so only the newest kLimit are kept: a long soak's memory stays
// flat once every screen has been met.

#include <cstddef>
#include <iterator>
#include <set>
#include <vector>

#include "soak/hot_spots.h"

class KnownSpots {
 public:
  // Far more than any screen's fixed buttons and boxes; a battle of a few
  // thousand frames stays below it.
  static constexpr size_t kLimit = 8192;

  explicit KnownSpots(size_t limit = kLimit) : limit_(limit) {}

  // Adds each rectangle not known yet; past the limit the one learnt first
  // is forgotten for it.
  void Add(const std::vector<HotSpot>& spots) {
    for (const HotSpot& s : spots) {
      const auto [it, added] = spots_.insert(s);
      if (!added) continue;
      if (order_.size() < limit_) {
        order_.push_back(it);
        continue;
      }
      spots_.erase(order_[oldest_]);
      order_[oldest_] = it;
      oldest_ = (oldest_ + 1) % limit_;
    }
  }

  bool Empty() const { return spots_.empty(); }
  size_t Size() const { return spots_.size(); }
  bool Has(const HotSpot& s) const { return spots_.count(s) != 0; }
  // The i-th rectangle in the order of HotSpot (i below Size()).
  const HotSpot& At(size_t i) const {
    auto it = spots_.begin();
    std::advance(it, static_cast<std::ptrdiff_t>(i));
    return *it;
  }

 private:
  size_t limit_;
  std::set<HotSpot> spots_;
  // The kept rectangles in the order they were learnt, as a ring: the
  // oldest at oldest_ once the limit is reached.
  std::vector<std::set<HotSpot>::iterator> order_;
  size_t oldest_ = 0;
};

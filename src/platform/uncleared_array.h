// Storage for arrays whose items are always written before they are read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

namespace plotwarden {

// Room for `capacity` items. Growing keeps the items in use and leaves the
// new room as it is, never cleared: for arrays that grow to megabytes, a
// pass over memory saved at every growth.
template <typename T>
struct UnclearedArray {
  std::unique_ptr<T[]> items;
  size_t capacity = 0;

  UnclearedArray() = default;
  // A moved-from array has no room.
  UnclearedArray(UnclearedArray&& other) noexcept { *this = std::move(other); }
  UnclearedArray& operator=(UnclearedArray&& other) noexcept {
    items = std::move(other.items);
    capacity = std::exchange(other.capacity, 0);
    return *this;
  }

  T* data() const { return items.get(); }

  // Makes room for at least `least` items, keeping the first `used`.
  void grow(size_t least, size_t used) {
    if (least <= capacity) return;
    auto larger = std::make_unique_for_overwrite<T[]>(least);
    std::copy(items.get(), items.get() + used, larger.get());
    items = std::move(larger);
    capacity = least;
  }
};

}  // namespace plotwarden

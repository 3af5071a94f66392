// Typed ids of the day spirits and the activities, and a fixed-size set of
// spirits, so a day's record holds its spirits and every reason without
// allocating.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace lunisol {

// Index into the spirit table (days/data/day_spirits.cpp), in table order.
enum class SpiritId : uint8_t {};
// Index into the activity table (days/data/activities.cpp), 0 = 祭祀.
enum class ActivityId : uint8_t {};

inline constexpr int kActivityCount = 60;
inline constexpr int kMaxSpirits = 256;

// Bit a of a mask is activity a.
using ActivityMask = uint64_t;
inline constexpr ActivityMask kAllActivities = (ActivityMask{1} << kActivityCount) - 1;

class SpiritSet {
 public:
  constexpr void Add(int id) { words_[static_cast<size_t>(id >> 6)] |= uint64_t{1} << (id & 63); }
  constexpr void Add(SpiritId id) { Add(static_cast<int>(id)); }
  constexpr bool Has(int id) const { return (words_[static_cast<size_t>(id >> 6)] >> (id & 63)) & 1; }
  constexpr bool Has(SpiritId id) const { return Has(static_cast<int>(id)); }
  constexpr bool Empty() const { return (words_[0] | words_[1] | words_[2] | words_[3]) == 0; }
  constexpr int Count() const {
    int n = 0;
    for (uint64_t w : words_) n += std::popcount(w);
    return n;
  }
  constexpr bool Intersects(const SpiritSet& o) const { return !(*this & o).Empty(); }
  constexpr bool Contains(const SpiritSet& o) const { return (o & ~*this).Empty(); }

  constexpr SpiritSet& operator|=(const SpiritSet& o) {
    for (size_t i = 0; i < 4; ++i) words_[i] |= o.words_[i];
    return *this;
  }
  constexpr SpiritSet& operator&=(const SpiritSet& o) {
    for (size_t i = 0; i < 4; ++i) words_[i] &= o.words_[i];
    return *this;
  }
  friend constexpr SpiritSet operator|(SpiritSet a, const SpiritSet& b) { return a |= b; }
  friend constexpr SpiritSet operator&(SpiritSet a, const SpiritSet& b) { return a &= b; }
  friend constexpr SpiritSet operator~(SpiritSet a) {
    for (uint64_t& w : a.words_) w = ~w;
    return a;
  }
  friend constexpr bool operator==(const SpiritSet&, const SpiritSet&) = default;

  // Calls f(SpiritId) for each member in id order.
  template <class F>
  constexpr void ForEach(F&& f) const {
    for (size_t i = 0; i < 4; ++i)
      for (uint64_t w = words_[i]; w != 0; w &= w - 1)
        f(static_cast<SpiritId>(static_cast<int>(i) * 64 + std::countr_zero(w)));
  }

 private:
  std::array<uint64_t, 4> words_{};
};

// Calls f(ActivityId) for each activity of the mask in table order.
template <class F>
constexpr void ForEachActivity(ActivityMask mask, F&& f) {
  for (; mask != 0; mask &= mask - 1) f(static_cast<ActivityId>(std::countr_zero(mask)));
}

}  // namespace lunisol

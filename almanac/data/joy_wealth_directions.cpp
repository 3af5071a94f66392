// Directions of the God of Joy (喜神) and the God of Wealth (財神) by day
// stem: the almanac's sixty-day table repeats with the stem.
#include "almanac/tables.h"

namespace lunisol {

using enum Direction;

const std::array<Direction, 10> kJoyGodDirections{
    kNorthEast,  // 甲
    kNorthWest,  // 乙
    kSouthWest,  // 丙
    kSouth,      // 丁
    kSouthEast,  // 戊
    kNorthEast,  // 己
    kNorthWest,  // 庚
    kSouthWest,  // 辛
    kSouth,      // 壬
    kSouthEast,  // 癸
};

const std::array<Direction, 10> kWealthGodDirections{
    kSouthEast,  // 甲
    kSouthEast,  // 乙
    kWest,       // 丙
    kWest,       // 丁
    kNorth,      // 戊
    kNorth,      // 己
    kEast,       // 庚
    kEast,       // 辛
    kSouth,      // 壬
    kSouth,      // 癸
};

}  // namespace lunisol

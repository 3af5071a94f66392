// The sexagenary cycle, the Na Yin elements and the 28 lunar mansions.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lunisol {

extern const std::array<std::u16string_view, 60> kCycleNames;
// One character a mansion, as shown in a day cell.
extern const std::array<std::u16string_view, 28> kMansionNames;
// Mansion with its element and animal; the elements run 木金土日月火水 through
// each group of seven. Entry 13 keeps the almanac's 壁水俞, the common stand-in
// for the rare 貐.
extern const std::array<std::u16string_view, 28> kMansionFullNames;

// kCycleNames[i]; callers holding the 1-based year number pass number − 1.
std::u16string_view CycleName(int cycleIndex);
// Cycle index of a stem and a branch of equal parity, else -1.
int CycleIndexOf(int stem, int branch);
// "木", "火", "土", "金" or "水" for one of the 60 pillars; empty otherwise.
std::u16string NayinElement(std::u16string_view pillar);

}  // namespace lunisol

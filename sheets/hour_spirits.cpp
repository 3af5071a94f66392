#include "sheets/hour_spirits.h"

namespace lunisol {

std::u16string_view Name(HourSpirit s) { return kHourSpiritNames[static_cast<size_t>(s)]; }

HourSpiritSet HourSpiritsOf(Pillar day, Branch hour) {
  return kHourSpirits[static_cast<size_t>(12 * day.index() + Index(hour))];
}

std::u16string JoinedNames(HourSpiritSet spirits, bool good) {
  std::u16string text;
  for (int i = 0; i < kHourSpiritCount; ++i) {
    const auto s = static_cast<HourSpirit>(i);
    if (IsGood(s) != good || !spirits.Has(s)) continue;
    if (!text.empty()) text += u" ，";
    text += Name(s);
  }
  return text;
}

std::u16string PrintedHourSpirits(HourSpiritSet spirits, bool yangDay) {
  std::u16string text = u"吉神 ：" + JoinedNames(spirits, true) + u" ，凶煞";
  const std::u16string bad = JoinedNames(spirits, false);
  if (!bad.empty())
    text += u" ：" + bad;
  else if (yangDay)
    text += u":";
  return text;
}

}  // namespace lunisol

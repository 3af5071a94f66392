#include "almanac/festivals.h"

#include <cstdint>

#include "almanac/tables.h"
#include "calendar/text.h"

namespace lunisol {

namespace {

std::u16string Key4(int month, int day) { return Format(u"%02d%02d", {month, day}); }

template <size_t N>
std::optional<std::u16string_view> FindIn(const std::array<std::u16string_view, N>& table, std::u16string_view key) {
  for (std::u16string_view entry : table)
    if (entry.size() >= 4 && entry.substr(0, 4) == key) return entry.substr(4);
  return std::nullopt;
}

// The first entry of each key in the lunar table, by month × 100 + day
// (0100 is the year-end entry); built once, since every day of every
// month looks one up.
const std::array<int16_t, 1300>& LunarFestivalIndex() {
  static const std::array<int16_t, 1300> index = [] {
    std::array<int16_t, 1300> a{};
    a.fill(-1);
    for (size_t i = 0; i < kLunarFestivals.size(); ++i) {
      const std::u16string_view e = kLunarFestivals[i];
      if (e.size() < 4) continue;
      int key = 0;
      bool digits = true;
      for (size_t k = 0; k < 4; ++k) {
        digits &= e[k] >= u'0' && e[k] <= u'9';
        key = key * 10 + (e[k] - u'0');
      }
      if (digits && key < 1300 && a[static_cast<size_t>(key)] < 0)
        a[static_cast<size_t>(key)] = static_cast<int16_t>(i);
    }
    return a;
  }();
  return index;
}

std::optional<std::u16string_view> LunarEntry(int key) {
  if (key < 0 || key >= 1300) return std::nullopt;
  const int i = LunarFestivalIndex()[static_cast<size_t>(key)];
  if (i < 0) return std::nullopt;
  return kLunarFestivals[static_cast<size_t>(i)].substr(4);
}

}  // namespace

std::optional<std::u16string_view> FindKeyedEntry(std::u16string_view key, bool lunar) {
  if (!lunar) return FindIn(kSolarFestivals, key);
  // A key with a sign (a leap month) or any other non-digit matches nothing.
  if (key.size() != 4) return std::nullopt;
  int k = 0;
  for (char16_t c : key) {
    if (c < u'0' || c > u'9') return std::nullopt;
    k = k * 10 + (c - u'0');
  }
  return LunarEntry(k);
}

std::optional<std::u16string_view> SolarFestival(int month, int day) {
  return FindIn(kSolarFestivals, Key4(month, day));
}

std::optional<std::u16string> LunarFestival(int lunarMonth, int lunarDay, bool isYearEnd) {
  // The month keeps its sign, so a leap-month day makes a key like "-412"
  // that matches nothing.
  std::optional<std::u16string> text;
  if (lunarMonth > 0 && lunarDay > 0 && lunarDay < 100)
    if (auto own = LunarEntry(lunarMonth * 100 + lunarDay)) text = std::u16string(*own);
  if (isYearEnd) {
    // "0100" can never be made from a real date; it stands for the eve of the
    // lunar new year, whether month 12 has 29 or 30 days. On a 29-day month
    // the eve also has its own 1229 entry, which comes first.
    if (auto eve = LunarEntry(100)) {
      if (!text)
        text = std::u16string(*eve);
      else if (*text != *eve)
        *text += u" ，" + std::u16string(*eve);
    }
  }
  return text;
}

std::optional<std::u16string> FindMoonPhase(const MoonPhaseData& data, int list, std::u16string_view key) {
  static constexpr std::u16string_view kFormats[4] = {u"望 %s時 %s分", u"下弦 %s時 %s分", u"朔 %s時 %s分",
                                                      u"上弦 %s時 %s分"};
  if (list < 0 || list > 3) return std::nullopt;
  for (const std::u16string& entry : data.moonPhaseLists[static_cast<size_t>(list)]) {
    if (entry.size() < 8 || std::u16string_view(entry).substr(0, 4) != key) continue;
    return Format(kFormats[list], {std::u16string_view(entry).substr(4, 2), std::u16string_view(entry).substr(6, 2)});
  }
  return std::nullopt;
}

void ShowTermNotes(TermBar& bar, std::u16string_view termName) {
  for (const TermNotes& notes : kTermNotes) {
    if (notes.term != termName) continue;
    bar.notes[0] = {std::u16string(notes.northPlanting), colours::kGreen};
    bar.notes[1] = {std::u16string(notes.centralSouthPlanting), colours::kGreen};
    bar.notes[2] = {std::u16string(notes.fishingA), colours::kNavy};
    bar.notes[3] = {std::u16string(notes.fishingB), colours::kNavy};
    break;
  }
  for (size_t i = 0; i < 4; ++i) bar.tooltips[i] = bar.notes[i].text;
}

std::u16string TermTimeText(std::u16string_view hhmm) {
  if (hhmm.size() < 4) return {};
  return std::u16string(hhmm.substr(0, 2)) + u"時" + std::u16string(hhmm.substr(2, 2)) + u"分";
}

}  // namespace lunisol

#include "almanac/festivals.h"

#include <cstdint>

#include "almanac/tables.h"
#include "calendar/text.h"

namespace lunisol {

namespace {

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

std::optional<std::u16string_view> SolarFestival(int year, int month, int day) {
  for (const SolarFestivalRow& row : kSolarFestivals)
    if (row.month == month && row.day == day && row.KeptIn(year)) return row.name;
  return std::nullopt;
}

std::optional<std::u16string> LunarFestival(const LunarDate& date, bool isYearEnd) {
  std::optional<std::u16string> text;
  if (!date.leap && date.month >= 1 && date.day > 0 && date.day < 100)
    if (auto own = LunarEntry(date.month * 100 + date.day)) text = std::u16string(*own);
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

std::u16string MoonPhaseText(const MoonPhaseEvent& event) {
  static constexpr std::u16string_view kNames[4] = {u"望", u"下弦", u"朔", u"上弦"};
  return Format(u"%s %02d時 %02d分", {kNames[Index(event.phase)], event.time.hour, event.time.minute});
}

void ShowTermNotes(TermBar& bar, SolarTerm term) {
  const TermNotes& notes = kTermNotes[static_cast<size_t>(Index(term))];
  bar.notes[0] = {std::u16string(notes.northPlanting), colours::kGreen};
  bar.notes[1] = {std::u16string(notes.centralSouthPlanting), colours::kGreen};
  bar.notes[2] = {std::u16string(notes.fishingA), colours::kNavy};
  bar.notes[3] = {std::u16string(notes.fishingB), colours::kNavy};
  for (size_t i = 0; i < 4; ++i) bar.tooltips[i] = bar.notes[i].text;
}

std::u16string TermTimeText(ClockTime time) { return Format(u"%02d時%02d分", {time.hour, time.minute}); }

}  // namespace lunisol

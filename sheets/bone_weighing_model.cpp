#include "sheets/bone_weighing_model.h"

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {

const std::array<std::u16string_view, kHourEntryCount> kHourSelectorItems{
    u"子 ( 0 ~ 1 )",   u"丑 ( 1 ~ 3 )",   u"寅 ( 3 ~ 5 )",   u"卯 ( 5 ~ 7 )",   u"辰 ( 7 ~ 9 )",
    u"巳 ( 9 ~ 11 )",  u"午 ( 11 ~ 13 )", u"未 ( 13 ~ 15 )", u"申 ( 15 ~ 17 )", u"酉 ( 17 ~ 19 )",
    u"戌 ( 19 ~ 21 )", u"亥 ( 21 ~ 23 )", u"子 ( 23 ~ 24 )"};

int BoneWeightQian(int yearPosition, int lunarMonth, int lunarDay, int hour) {
  if (yearPosition < 1 || yearPosition > 60 || lunarMonth < 1 || lunarMonth > 12 || lunarDay < 1 || lunarDay > 30 ||
      hour < 0 || hour > 11)
    return -1;
  // Whole 錢 throughout: the index is the total less 21 with no rounding, as
  // sums of fractions of a 兩 would need.
  return kBoneYearWeights[static_cast<size_t>(yearPosition)] + kBoneMonthWeights[static_cast<size_t>(lunarMonth)] +
         kBoneDayWeights[static_cast<size_t>(lunarDay)] + kBoneHourWeights[static_cast<size_t>(hour)];
}

std::optional<BoneWeighingRecord> WeighBones(int year, int month, int day, int hourEntry) {
  const std::optional<HourMoment> moment = HourMomentOf(year, month, day, hourEntry);
  if (!moment) return std::nullopt;
  CalendarDate date;
  const int position = SolarToLunar(moment->year, moment->month, moment->day, date);
  if (position <= 0) return std::nullopt;
  const int hour = moment->branch;

  BoneWeighingRecord r;
  r.yearPosition = position;
  r.lunar = date.lunar;
  r.totalQian = BoneWeightQian(position, date.lunar.month, date.lunar.day, hour);
  r.verseIndex = r.totalQian - 21;
  if (r.totalQian < 0 || r.verseIndex < 0 || r.verseIndex >= static_cast<int>(kBoneVerses.size())) return std::nullopt;

  // "weight verdict song": the song keeps its own blanks and its CR LF.
  const std::u16string_view verse = kBoneVerses[static_cast<size_t>(r.verseIndex)];
  const size_t first = verse.find(u' ');
  const size_t second = first == std::u16string_view::npos ? first : verse.find(u' ', first + 1);
  if (first == std::u16string_view::npos) {
    r.weight = std::u16string(verse);
  } else if (second == std::u16string_view::npos) {
    r.weight = std::u16string(verse.substr(0, first));
    r.verdict = std::u16string(verse.substr(first + 1));
  } else {
    r.weight = std::u16string(verse.substr(0, first));
    r.verdict = std::u16string(verse.substr(first + 1, second - first - 1));
    r.song = std::u16string(verse.substr(second + 1));
  }

  const auto mansion = static_cast<size_t>(Index(date.mansion));
  r.mansionName = std::u16string(Name(date.mansion));
  r.description = std::u16string(kMansionNativityTexts[mansion]);
  r.descriptionIsOurs = kMansionNativityOrigins[mansion] == TextOrigin::kOurs;
  if (r.descriptionIsOurs) {
    r.descriptionTooltip = std::u16string(kOwnMansionSayingTip);
    r.ownWritingLine = std::u16string(kOwnMansionSayingLine);
  }
  // The weight treats a leap month as the month it repeats; the birth line
  // still says which of the two the birth fell in.
  const std::u16string_view leap = date.lunar.leap ? u"閏 " : u"";
  r.birthLine = Format(u"農曆 %d 年 %s%d 月 %d 日 %s 時", {date.lunar.year, leap, date.lunar.month, date.lunar.day,
                                                           kHourSelectorItems[static_cast<size_t>(hourEntry)]});
  return r;
}

}  // namespace lunisol

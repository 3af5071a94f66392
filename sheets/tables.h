// Text tables of the sheets: the hour sheet's taboos, year gods, Earth-Mother
// verses, zodiac fortunes and the bone-weighing tables (the hour spirits are
// in sheets/hour_spirits.h, the Na Yin names in calendar/names.h).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace lunisol {

// Where a row of a traditional text table comes from. A reader holding the
// sheet next to a printed almanac must be able to tell the two apart, so the
// sheets label every row that is ours.
enum class TextOrigin : uint8_t {
  kNone,     // an unused slot
  kPrinted,  // carried as the edition named in the data file prints it
  kOurs,     // written for this program in the text's manner and form
};

// 彭祖百忌, in stem and branch order.
extern const std::array<std::u16string_view, 10> kStemTaboos;
extern const std::array<std::u16string_view, 12> kBranchTaboos;

// Slot 0 unused; slot p (1..60) belongs to cycle position p (1 = 甲子).
extern const std::array<std::u16string_view, 61> kTaisuiNames;
// Slot 0 unused; slot p holds the verse (lines joined by '\n').
extern const std::array<std::u16string_view, 61> kEarthMotherVerses;
extern const std::array<std::u16string_view, 61> kEarthMotherOracles;
// Origin of slot p's verse and oracle together.
extern const std::array<TextOrigin, 61> kEarthMotherOrigins;

// Row r (1..12) is stored at index r − 1. Columns: 0 title (reversed),
// 1 ages, 2 lucky stars (reversed), 3 unlucky stars (reversed), 4 verse,
// 5 comment, 6..17 months 1..12 each ending in a rating digit.
extern const std::array<std::array<std::u16string_view, 18>, 12> kZodiacFortuneTable;

// Bone weights in 錢 (tenths of a 兩). Index 0 of the year table is unused
// (positions 1..60); month and day tables are indexed from 1 too.
extern const std::array<int32_t, 61> kBoneYearWeights;
extern const std::array<int32_t, 13> kBoneMonthWeights;
extern const std::array<int32_t, 31> kBoneDayWeights;
extern const std::array<int32_t, 12> kBoneHourWeights;
// k = 0..51 for a total of 21 + k 錢: "weight verdict song" (song lines joined by CR LF).
extern const std::array<std::u16string_view, 52> kBoneVerses;
// By mansion index (0 = 角): "此日出生之人…", lines joined by CR LF.
extern const std::array<std::u16string_view, 28> kMansionNativityTexts;
extern const std::array<TextOrigin, 28> kMansionNativityOrigins;

}  // namespace lunisol

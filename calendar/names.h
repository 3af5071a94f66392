// The names of the calendar's facts, in one place: what a stem, a branch, a
// pillar, an element, a solar term or a mansion is called when it is shown.
// Rules never read these back; they work on the types of
// calendar/vocabulary.h.
#pragma once

#include <array>
#include <string_view>

#include "calendar/vocabulary.h"

namespace lunisol {

inline constexpr std::array<std::u16string_view, 10> kStemNames{u"甲", u"乙", u"丙", u"丁", u"戊",
                                                                u"己", u"庚", u"辛", u"壬", u"癸"};

inline constexpr std::array<std::u16string_view, 12> kBranchNames{u"子", u"丑", u"寅", u"卯", u"辰", u"巳",
                                                                  u"午", u"未", u"申", u"酉", u"戌", u"亥"};

// The animal of each branch (鼠 for 子 …).
inline constexpr std::array<std::u16string_view, 12> kZodiacAnimals{u"鼠", u"牛", u"虎", u"兔", u"龍", u"蛇",
                                                                    u"馬", u"羊", u"猴", u"雞", u"狗", u"豬"};

inline constexpr std::array<std::u16string_view, 5> kElementNames{u"木", u"火", u"土", u"金", u"水"};

inline constexpr std::array<std::u16string_view, 24> kSolarTermNames{
    u"小寒", u"大寒", u"立春", u"雨水", u"驚蟄", u"春分", u"清明", u"穀雨", u"立夏", u"小滿", u"芒種", u"夏至",
    u"小暑", u"大暑", u"立秋", u"處暑", u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至"};

// One character a mansion, as shown in a day cell.
inline constexpr std::array<std::u16string_view, 28> kMansionNames{
    u"角", u"亢", u"氐", u"房", u"心", u"尾", u"箕", u"斗", u"牛", u"女", u"虛", u"危", u"室", u"壁",
    u"奎", u"婁", u"胃", u"昴", u"畢", u"觜", u"參", u"井", u"鬼", u"柳", u"星", u"張", u"翼", u"軫"};
// Mansion with its element and animal; the elements run 木金土日月火水 through
// each group of seven. Entry 13 keeps the almanac's 壁水俞, the common stand-in
// for the rare 貐.
inline constexpr std::array<std::u16string_view, 28> kMansionFullNames{
    u"角木蛟", u"亢金龍", u"氐土貉", u"房日兔", u"心月狐", u"尾火虎", u"箕水豹", u"斗木獬", u"牛金牛", u"女土蝠",
    u"虛日鼠", u"危月燕", u"室火豬", u"壁水俞", u"奎木狼", u"婁金狗", u"胃土雉", u"昴日雞", u"畢月烏", u"觜火猴",
    u"參水猿", u"井木犴", u"鬼金羊", u"柳土獐", u"星日馬", u"張月鹿", u"翼火蛇", u"軫水蚓"};

// The thirty Na Yin names, one per pair of pillars (甲子乙丑 海中金 …); the
// last character of each is its element.
inline constexpr std::array<std::u16string_view, 30> kNayinNames{
    u"海中金", u"爐中火", u"大林木", u"路旁土", u"劍鋒金", u"山頭火", u"澗下水", u"城頭土", u"白臘金", u"楊柳木",
    u"泉中水", u"屋上土", u"霹靂火", u"松柏木", u"長流水", u"沙中金", u"山下火", u"平地木", u"壁上土", u"金簿金",
    u"覆燈火", u"天河水", u"大驛土", u"釵釧金", u"桑拓木", u"大溪水", u"沙中土", u"天上火", u"石榴木", u"大海水"};

namespace names_detail {
// The sixty pillar names, stem then branch, made from the two tables above.
inline constexpr std::array<char16_t, 120> kPillarCharacters = [] {
  std::array<char16_t, 120> characters{};
  for (int i = 0; i < 60; ++i) {
    characters[static_cast<size_t>(2 * i)] = kStemNames[static_cast<size_t>(i % 10)][0];
    characters[static_cast<size_t>(2 * i + 1)] = kBranchNames[static_cast<size_t>(i % 12)][0];
  }
  return characters;
}();
}  // namespace names_detail

// "甲子" … "癸亥" in cycle order.
inline constexpr std::array<std::u16string_view, 60> kCycleNames = [] {
  std::array<std::u16string_view, 60> names{};
  for (size_t i = 0; i < 60; ++i) names[i] = std::u16string_view(names_detail::kPillarCharacters.data() + 2 * i, 2);
  return names;
}();

constexpr std::u16string_view Name(Stem s) { return kStemNames[static_cast<size_t>(Index(s))]; }
constexpr std::u16string_view Name(Branch b) { return kBranchNames[static_cast<size_t>(Index(b))]; }
constexpr std::u16string_view Name(Element e) { return kElementNames[static_cast<size_t>(Index(e))]; }
constexpr std::u16string_view Name(SolarTerm t) { return kSolarTermNames[static_cast<size_t>(Index(t))]; }
constexpr std::u16string_view Name(Mansion m) { return kMansionNames[static_cast<size_t>(Index(m))]; }
constexpr std::u16string_view Name(Pillar p) { return kCycleNames[static_cast<size_t>(p.index())]; }
constexpr std::u16string_view Animal(Branch b) { return kZodiacAnimals[static_cast<size_t>(Index(b))]; }
constexpr std::u16string_view FullName(Mansion m) { return kMansionFullNames[static_cast<size_t>(Index(m))]; }
constexpr std::u16string_view NayinName(Pillar p) { return kNayinNames[static_cast<size_t>(NayinIndex(p))]; }

// The index of a term's name, for reading tables written in words; −1 for
// any other text.
constexpr int SolarTermIndex(std::u16string_view name) {
  for (size_t t = 0; t < kSolarTermNames.size(); ++t)
    if (kSolarTermNames[t] == name) return static_cast<int>(t);
  return -1;
}

}  // namespace lunisol

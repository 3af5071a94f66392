#include "calendar/cycle.h"

namespace lunisol {

const std::array<std::u16string_view, 60> kCycleNames{
    u"甲子", u"乙丑", u"丙寅", u"丁卯", u"戊辰", u"己巳", u"庚午", u"辛未", u"壬申", u"癸酉", u"甲戌", u"乙亥",
    u"丙子", u"丁丑", u"戊寅", u"己卯", u"庚辰", u"辛巳", u"壬午", u"癸未", u"甲申", u"乙酉", u"丙戌", u"丁亥",
    u"戊子", u"己丑", u"庚寅", u"辛卯", u"壬辰", u"癸巳", u"甲午", u"乙未", u"丙申", u"丁酉", u"戊戌", u"己亥",
    u"庚子", u"辛丑", u"壬寅", u"癸卯", u"甲辰", u"乙巳", u"丙午", u"丁未", u"戊申", u"己酉", u"庚戌", u"辛亥",
    u"壬子", u"癸丑", u"甲寅", u"乙卯", u"丙辰", u"丁巳", u"戊午", u"己未", u"庚申", u"辛酉", u"壬戌", u"癸亥"};

const std::array<std::u16string_view, 28> kMansionNames{
    u"角", u"亢", u"氐", u"房", u"心", u"尾", u"箕", u"斗", u"牛", u"女", u"虛", u"危", u"室", u"壁",
    u"奎", u"婁", u"胃", u"昴", u"畢", u"觜", u"參", u"井", u"鬼", u"柳", u"星", u"張", u"翼", u"軫"};

const std::array<std::u16string_view, 28> kMansionFullNames{
    u"角木蛟", u"亢金龍", u"氐土貉", u"房日兔", u"心月狐", u"尾火虎", u"箕水豹", u"斗木獬", u"牛金牛", u"女土蝠",
    u"虛日鼠", u"危月燕", u"室火豬", u"壁水俞", u"奎木狼", u"婁金狗", u"胃土雉", u"昴日雞", u"畢月烏", u"觜火猴",
    u"參水猿", u"井木犴", u"鬼金羊", u"柳土獐", u"星日馬", u"張月鹿", u"翼火蛇", u"軫水蚓"};

namespace {

// Element of each pair of the cycle (甲子乙丑 海中金, 丙寅丁卯 爐中火, …).
constexpr std::array<char16_t, 30> kPairElements{u'金', u'火', u'木', u'土', u'金', u'火', u'水', u'土', u'金', u'木',
                                                 u'水', u'土', u'火', u'木', u'水', u'金', u'火', u'木', u'土', u'金',
                                                 u'火', u'水', u'土', u'金', u'木', u'水', u'土', u'火', u'木', u'水'};

}  // namespace

std::u16string_view CycleName(int cycleIndex) {
  if (cycleIndex < 0 || cycleIndex >= 60) return {};
  return kCycleNames[static_cast<size_t>(cycleIndex)];
}

int CycleIndexOf(int stem, int branch) {
  if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || (stem - branch) % 2 != 0) return -1;
  return ((6 * stem - 5 * branch) % 60 + 60) % 60;
}

std::u16string NayinElement(std::u16string_view pillar) {
  for (size_t i = 0; i < kCycleNames.size(); ++i)
    if (kCycleNames[i] == pillar) return std::u16string(1, kPairElements[i / 2]);
  return {};
}

}  // namespace lunisol

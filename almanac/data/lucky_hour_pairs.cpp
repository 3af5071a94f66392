// Four auspicious hours of each day pillar, two pairs of branches, each in
// hour order.
#include "almanac/tables.h"

namespace lunisol {

using enum Branch;

const std::array<LuckyHours, 60> kLuckyHours{{
    {{kMao, kChen, kWei, kShen}},  // 甲子 卯辰 未申
    {{kYin, kMao, kSi, kShen}},    // 乙丑 寅卯 巳申
    {{kSi, kWu, kYou, kXu}},       // 丙寅 巳午 酉戌
    {{kSi, kWu, kWei, kXu}},       // 丁卯 巳午 未戌
    {{kSi, kWei, kShen, kYou}},    // 戊辰 巳未 申酉
    {{kSi, kWu, kShen, kYou}},     // 己巳 巳午 申酉
    {{kChou, kYin, kWei, kShen}},  // 庚午 丑寅 未申
    {{kYin, kMao, kWu, kShen}},    // 辛未 寅卯 午申
    {{kZi, kMao, kChen, kSi}},     // 壬申 子卯 辰巳
    {{kZi, kChou, kChen, kSi}},    // 癸酉 子丑 辰巳
    {{kYin, kMao, kWu, kWei}},     // 甲戌 寅卯 午未
    {{kYin, kMao, kWei, kShen}},   // 乙亥 寅卯 未申
    {{kChou, kChen, kSi, kShen}},  // 丙子 丑辰 巳申
    {{kSi, kWu, kYou, kHai}},      // 丁丑 巳午 酉亥
    {{kChou, kSi, kWu, kWei}},     // 戊寅 丑巳 午未
    {{kZi, kWu, kWei, kShen}},     // 己卯 子午 未申
    {{kChou, kWei, kShen, kYou}},  // 庚辰 丑未 申酉
    {{kYin, kWu, kShen, kYou}},    // 辛巳 寅午 申酉
    {{kYin, kMao, kSi, kWei}},     // 壬午 寅卯 巳未
    {{kMao, kSi, kWu, kWei}},      // 癸未 卯巳 午未
    {{kMao, kChen, kSi, kWei}},    // 甲申 卯辰 巳未
    {{kChou, kYin, kChen, kSi}},   // 乙酉 丑寅 辰巳
    {{kMao, kSi, kWu, kYou}},      // 丙戌 卯巳 午酉
    {{kYin, kMao, kWu, kWei}},     // 丁亥 寅卯 午未
    {{kChou, kChen, kSi, kWei}},   // 戊子 丑辰 巳未
    {{kSi, kWu, kShen, kYou}},     // 己丑 巳午 申酉
    {{kWu, kWei, kYou, kXu}},      // 庚寅 午未 酉戌
    {{kYin, kWu, kWei, kShen}},    // 辛卯 寅午 未申
    {{kMao, kSi, kShen, kYou}},    // 壬辰 卯巳 申酉
    {{kZi, kChou, kMao, kSi}},     // 癸巳 子丑 卯巳
    {{kYin, kMao, kWei, kXu}},     // 甲午 寅卯 未戌
    {{kZi, kYin, kMao, kWu}},      // 乙未 子寅 卯午
    {{kChen, kSi, kWu, kYou}},     // 丙申 辰巳 午酉
    {{kChen, kSi, kWu, kYou}},     // 丁酉 辰巳 午酉
    {{kMao, kSi, kWu, kWei}},      // 戊戌 卯巳 午未
    {{kYin, kMao, kWu, kWei}},     // 己亥 寅卯 午未
    {{kChen, kWei, kShen, kYou}},  // 庚子 辰未 申酉
    {{kYin, kSi, kWu, kShen}},     // 辛丑 寅巳 午申
    {{kZi, kMao, kSi, kWu}},       // 壬寅 子卯 巳午
    {{kMao, kSi, kWei, kXu}},      // 癸卯 卯巳 未戌
    {{kYin, kWei, kShen, kYou}},   // 甲辰 寅未 申酉
    {{kYin, kMao, kShen, kYou}},   // 乙巳 寅卯 申酉
    {{kSi, kWei, kYou, kXu}},      // 丙午 巳未 酉戌
    {{kMao, kSi, kWu, kYou}},      // 丁未 卯巳 午酉
    {{kChou, kChen, kSi, kWu}},    // 戊申 丑辰 巳午
    {{kChen, kSi, kWu, kShen}},    // 己酉 辰巳 午申
    {{kYin, kMao, kWu, kWei}},     // 庚戌 寅卯 午未
    {{kYin, kMao, kWu, kWei}},     // 辛亥 寅卯 午未
    {{kMao, kChen, kSi, kShen}},   // 壬子 卯辰 巳申
    {{kZi, kMao, kSi, kYou}},      // 癸丑 子卯 巳酉
    {{kChou, kYin, kWu, kWei}},    // 甲寅 丑寅 午未
    {{kMao, kWei, kShen, kXu}},    // 乙卯 卯未 申戌
    {{kSi, kWu, kShen, kYou}},     // 丙辰 巳午 申酉
    {{kChou, kSi, kWu, kShen}},    // 丁巳 丑巳 午申
    {{kYin, kSi, kWu, kWei}},      // 戊午 寅巳 午未
    {{kZi, kMao, kSi, kWu}},       // 己未 子卯 巳午
    {{kChen, kSi, kWei, kShen}},   // 庚申 辰巳 未申
    {{kChou, kYin, kChen, kSi}},   // 辛酉 丑寅 辰巳
    {{kYin, kMao, kSi, kWu}},      // 壬戌 寅卯 巳午
    {{kZi, kYin, kMao, kWei}},     // 癸亥 子寅 卯未
}};

}  // namespace lunisol

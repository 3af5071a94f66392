// Place and direction of the fetus god (胎神) by day pillar: outside (外) in
// a direction, or on some days inside the room (房內).
#include "almanac/tables.h"

namespace lunisol {

using enum Direction;

const std::array<FetusGod, 60> kFetusGods{{
    {u"占門碓", kSouthEast, false},  // 甲子 外東南
    {u"碓磨廁", kSouthEast, false},  // 乙丑 外東南
    {u"廚灶爐", kSouth, false},      // 丙寅 外正南
    {u"倉庫門", kSouth, false},      // 丁卯 外正南
    {u"房床栖", kSouth, false},      // 戊辰 外正南
    {u"占門床", kSouth, false},      // 己巳 外正南
    {u"占碓磨", kSouth, false},      // 庚午 外正南
    {u"廚灶廁", kSouthWest, false},  // 辛未 外西南
    {u"倉庫爐", kSouthWest, false},  // 壬申 外西南
    {u"房床門", kSouthWest, false},  // 癸酉 外西南
    {u"門雞栖", kSouthWest, false},  // 甲戌 外西南
    {u"碓磨床", kSouthWest, false},  // 乙亥 外西南
    {u"廚灶碓", kSouthWest, false},  // 丙子 外西南
    {u"倉庫廁", kWest, false},       // 丁丑 外正西
    {u"房床爐", kWest, false},       // 戊寅 外正西
    {u"占大門", kWest, false},       // 己卯 外正西
    {u"碓磨栖", kWest, false},       // 庚辰 外正西
    {u"廚灶床", kWest, false},       // 辛巳 外正西
    {u"倉庫碓", kNorthWest, false},  // 壬午 外西北
    {u"房床廁", kNorthWest, false},  // 癸未 外西北
    {u"占門爐", kNorthWest, false},  // 甲申 外西北
    {u"碓磨門", kNorthWest, false},  // 乙酉 外西北
    {u"廚灶栖", kNorthWest, false},  // 丙戌 外西北
    {u"倉庫床", kNorthWest, false},  // 丁亥 外西北
    {u"房床碓", kNorth, false},      // 戊子 外正北
    {u"占門廁", kNorth, false},      // 己丑 外正北
    {u"碓磨爐", kNorth, false},      // 庚寅 外正北
    {u"廚灶門", kNorth, false},      // 辛卯 外正北
    {u"倉庫栖", kNorth, false},      // 壬辰 外正北
    {u"占房床", kNorth, true},       // 癸巳 房內北
    {u"占門碓", kNorth, true},       // 甲午 房內北
    {u"碓磨廁", kNorth, true},       // 乙未 房內北
    {u"廚灶爐", kNorth, true},       // 丙申 房內北
    {u"倉庫門", kNorth, true},       // 丁酉 房內北
    {u"房床栖", kSouth, true},       // 戊戌 房內南
    {u"占門床", kSouth, true},       // 己亥 房內南
    {u"占碓磨", kSouth, true},       // 庚子 房內南
    {u"廚灶廁", kSouth, true},       // 辛丑 房內南
    {u"倉庫爐", kSouth, true},       // 壬寅 房內南
    {u"房床門", kSouth, true},       // 癸卯 房內南
    {u"門雞栖", kEast, true},        // 甲辰 房內東
    {u"碓磨床", kEast, true},        // 乙巳 房內東
    {u"廚灶碓", kEast, true},        // 丙午 房內東
    {u"倉庫廁", kEast, true},        // 丁未 房內東
    {u"房床爐", kEast, true},        // 戊申 房內東
    {u"占大門", kNorthEast, false},  // 己酉 外東北
    {u"碓磨栖", kNorthEast, false},  // 庚戌 外東北
    {u"廚灶床", kNorthEast, false},  // 辛亥 外東北
    {u"倉庫碓", kNorthEast, false},  // 壬子 外東北
    {u"房床廁", kNorthEast, false},  // 癸丑 外東北
    {u"占門爐", kNorthEast, false},  // 甲寅 外東北
    {u"碓磨門", kEast, false},       // 乙卯 外正東
    {u"廚灶栖", kEast, false},       // 丙辰 外正東
    {u"倉庫床", kEast, false},       // 丁巳 外正東
    {u"房床碓", kEast, false},       // 戊午 外正東
    {u"占門廁", kEast, false},       // 己未 外正東
    {u"碓磨爐", kSouthEast, false},  // 庚申 外東南
    {u"廚灶門", kSouthEast, false},  // 辛酉 外東南
    {u"倉庫栖", kSouthEast, false},  // 壬戌 外東南
    {u"占房床", kSouthEast, false},  // 癸亥 外東南
}};

}  // namespace lunisol

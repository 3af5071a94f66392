// 彭祖百忌: what not to do on a day, one saying per stem and one per branch.
// The hour sheet's caption shows the day's two sayings side by side.
#include "sheets/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 10> kStemTaboos{
    u"甲日不開倉", u"乙日不栽種", u"丙日不修灶", u"丁日不剃頭", u"戊日不受田",
    u"己日不破券", u"庚日不經絡", u"辛日不合醬", u"壬日不汲水", u"癸日不詞訟",
};

const std::array<std::u16string_view, 12> kBranchTaboos{
    u"子日不問卜", u"丑日不冠帶", u"寅日不祭祀", u"卯日不穿井", u"辰日不哭泣", u"巳日不出行",
    u"午日不苫蓋", u"未日不服藥", u"申日不安床", u"酉日不宴客", u"戌日不食犬", u"亥日不嫁娶",
};

}  // namespace lunisol

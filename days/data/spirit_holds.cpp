// How firmly each bad spirit holds its 忌 against the good spirits of the day
// (卷十), and the spirits that share a place and a weighing with another
// (the names 卷十 gives in brackets after an entry: 月破 (大耗), 平日 (死神) …).
// A spirit not listed here is minor. The spirits that 卷十 and the 鋪註條例
// say are "猶忌" or "專忌" with 德合赦願 are firm, and so are the days that
// change from year to year (卷十 69a: "以下並同").
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

using enum Hold;

constexpr SpiritHoldRow kRows[] = {
    {u"月建", kMajor, u"", u"卷十 26b"},
    {u"土府", kFirm, u"", u"卷十 27a"},
    {u"月破", kFirm, u"", u"卷十 29a"},
    {u"大耗", kFirm, u"月破", u"卷十 29a"},
    {u"平日", kMajor, u"", u"卷十 31a"},
    {u"死神", kMajor, u"平日", u"卷十 31b"},
    {u"收日", kMajor, u"", u"卷十 34a"},
    {u"滿日", kMajor, u"", u"卷十 36b"},
    {u"天狗", kFirm, u"", u"卷十 36b"},
    {u"閉日", kMajor, u"", u"卷十 37a"},
    {u"血支", kFirm, u"", u"卷十 37b"},
    {u"劫煞", kMajor, u"", u"卷十 38b"},
    {u"災煞", kMajor, u"", u"卷十 40b"},
    {u"天火", kMajor, u"災煞", u"卷十 40b"},
    {u"月煞", kMajor, u"", u"卷十 41b"},
    {u"月虛", kMajor, u"月煞", u"卷十 41b"},
    {u"月刑", kMajor, u"", u"卷十 43b"},
    {u"月害", kMajor, u"", u"卷十 45a"},
    {u"月厭", kMajor, u"", u"卷十 46b"},
    {u"地火", kMajor, u"月厭", u"卷十 47b"},
    {u"招搖", kMinor, u"厭對", u"卷十 51b"},
    {u"大時", kMajor, u"", u"卷十 52a"},
    {u"大敗", kMajor, u"大時", u"卷十 52a"},
    {u"咸池", kMajor, u"大時", u"卷十 52b"},
    {u"遊禍", kFirm, u"", u"卷十 53b"},
    {u"天吏", kMajor, u"", u"卷十 54a"},
    {u"致死", kMajor, u"天吏", u"卷十 54a"},
    {u"天賊", kFirm, u"", u"卷十 56b"},
    {u"四擊", kFirm, u"", u"卷十 56b"},
    {u"四廢", kFirm, u"", u"卷十 58a"},
    {u"四忌", kFirm, u"", u"卷十 59a"},
    {u"四窮", kFirm, u"", u"卷十 59a"},
    {u"九坎", kFirm, u"", u"卷十 62a"},
    {u"九焦", kFirm, u"九坎", u"卷十 62a"},
    {u"土符", kFirm, u"", u"卷十 62b"},
    {u"地囊", kFirm, u"", u"卷十 62b"},
    {u"兵禁", kFirm, u"", u"卷十 62b"},
    {u"大煞", kFirm, u"", u"卷十 63a"},
    {u"歸忌", kFirm, u"", u"卷十 63a"},
    {u"血忌", kFirm, u"", u"卷十 63a"},
    {u"往亡", kFirm, u"", u"卷十 63b"},
    {u"氣往亡", kFirm, u"", u"卷十 63b"},
    {u"八專", kFirm, u"", u"卷十 66a"},
    {u"觸水龍", kFirm, u"", u"卷十 66b"},
    {u"專日", kFirm, u"", u"卷十 66b"},
    {u"伐日", kFirm, u"", u"卷十 66b"},
    {u"反支", kFirm, u"", u"卷十 69a"},
    {u"上朔", kFirm, u"", u"卷十 69a"},
    {u"四離", kFirm, u"", u"卷十 69a"},
    {u"四絕", kFirm, u"", u"卷十 69a"},
    {u"晦日", kFirm, u"", u"卷十 69a"},
    {u"春分", kFirm, u"", u"卷十 69a"},
    {u"夏至", kFirm, u"", u"卷十 69a"},
    {u"秋分", kFirm, u"", u"卷十 69a"},
    {u"冬至", kFirm, u"", u"卷十 69a"},
    {u"土王用事", kFirm, u"", u"卷十 70a"},
    {u"伏社", kFirm, u"", u"卷十 69a"},
    {u"朔弦望", kFirm, u"", u"卷十 69a"},
    {u"月忌日", kFirm, u"", u"卷十 69a"},
    {u"十五日", kFirm, u"", u"卷十 69a"},
    {u"人神所在日", kFirm, u"", u"卷十 69a"},
    {u"長星", kFirm, u"", u"卷十 69a"},
    {u"短星", kFirm, u"", u"卷十 69a"},
    {u"百忌日", kFirm, u"", u"卷十 74b"},
};

}  // namespace

const std::span<const SpiritHoldRow> kSpiritHoldRows{kRows};

}  // namespace lunisol

// 卷十's weighing of the bad spirits against the good ones, month by month,
// as far as it touches the sixty activities (止忌軍事療病 leaves only
// 求醫療病 among them). Each row restates the book's "X月值Y" (the `with`
// spirits, which always fall on that day in those months: the table test
// checks it) and the good spirits it must meet (`need`). The first row of a
// spirit that holds decides; a spirit without a holding row is weighed as
// usual: it forbids what it forbids, and 忌 wins over 宜 (從忌不從宜).
//
// Choices:
// - "德合" is 天德, 月德, 天德合 and 月德合; "德合赦願" adds 天赦 and 天願;
//   "二德" is 天德 and 月德; "天德月德合" is read as 天德 or 月德合.
// - A name in brackets after an entry (月破 (大耗), 平日 (死神) …) is weighed
//   with the entry (spirit_holds.cpp).
// - The 鋪註條例's "凡天吏大時不以死敗論者遇四廢嵗薄逐陣仍以死敗論" (卷十 76b)
//   is the first row of 天吏 and of 大時.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

using enum Weighing;

#define DE u"天德 月德 天德合 月德合"
#define DE_SHE_YUAN u"天德 月德 天德合 月德合 天赦 天願"
#define HEAL u"求醫療病"

constexpr WeighRow kRows[] = {
    {u"月建", u"", u"陽錯", u"", kUsual, u"", u"卷十 27b"},
    {u"月建", u"子午", u"月厭", u"", kDefer, u"", u"卷十 27b"},
    {u"月建", u"辰午酉亥", u"月刑", u"", kDefer, u"", u"卷十 27b"},
    {u"月建", u"", u"", DE u" 天赦 月恩 四相", kOnlyForbid,
     u"築隄防 修造動土 修倉庫 修置產室 開渠穿井 安碓磑 補垣塞穴 修飾垣牆 平治道塗 破屋壞垣 伐木 栽種 破土", u"卷十 27b"},

    {u"月破", u"子午", u"災煞", u"月德 天德合 月德合", kForbidAlso, u"解除 求醫療病 破屋壞垣", u"卷十 29b"},
    {u"月破", u"子午", u"災煞", u"", kAllBad, u"", u"卷十 29b"},
    {u"月破", u"未申", u"月刑", u"月德 天德合 月德合", kForbidAlso, u"解除 求醫療病 破屋壞垣", u"卷十 29b"},
    {u"月破", u"未申", u"月刑", u"", kAllBad, u"", u"卷十 29b"},
    {u"月破", u"卯酉", u"災煞 月厭", u"", kAllBad, u"", u"卷十 29b"},

    {u"平日", u"亥", u"相日 時德 六合", u"", kOnlyForbid, HEAL, u"卷十 32a"},
    {u"平日", u"申", u"相日 月害", u"天德 月德合", kOnlyForbid, HEAL, u"卷十 32a"},
    {u"平日", u"寅巳", u"月刑", u"", kDefer, u"", u"卷十 32a"},
    {u"平日", u"卯酉", u"天吏", u"月德", kCancel, u"", u"卷十 32a"},
    {u"平日", u"午", u"天吏", u"月德合", kCancel, u"", u"卷十 32a"},
    {u"平日", u"子", u"月刑", u"", kDefer, u"", u"卷十 32a"},
    {u"平日", u"辰戌丑未", u"月煞", u"", kDefer, u"", u"卷十 32a"},

    {u"收日", u"寅申巳亥", u"劫煞", u"", kDefer, u"", u"卷十 35a"},
    {u"收日", u"卯", u"月刑", u"", kDefer, u"", u"卷十 35a"},
    {u"收日", u"子午", u"大時", u"月德合", kCancel, u"", u"卷十 35a"},
    {u"收日", u"酉", u"大時", u"月德", kCancel, u"", u"卷十 35a"},
    {u"收日", u"丑戌", u"月刑", u"", kDefer, u"", u"卷十 35a"},
    {u"收日", u"辰未", u"", DE, kOnlyForbid, HEAL, u"卷十 35a"},

    {u"滿日", u"寅申", u"守日", u"月德 天德合 月德合 月恩 四相", kDrop, u"", u"卷十 36b"},
    {u"滿日", u"子午卯酉", u"相日", u"月德 天德合 月德合 月恩 四相", kDrop, u"", u"卷十 36b"},
    {u"滿日", u"辰戌丑未", u"災煞", u"", kDefer, u"", u"卷十 36b"},
    {u"滿日", u"巳亥", u"月厭", u"", kDefer, u"", u"卷十 36b"},

    {u"閉日", u"子午卯酉", u"王日", DE_SHE_YUAN, kCancel, u"", u"卷十 37b"},
    {u"閉日", u"辰戌丑未", u"官日 天吏", DE_SHE_YUAN, kCancel, u"", u"卷十 37b"},
    {u"閉日", u"寅申巳亥", u"月煞", u"", kDefer, u"", u"卷十 37b"},

    {u"劫煞", u"寅申", u"收日 六合", u"", kOnlyForbid, HEAL, u"卷十 39a"},
    {u"劫煞", u"巳亥", u"月害", u"月德 天德合", kOnlyForbid, HEAL, u"卷十 39a"},
    {u"劫煞", u"辰戌丑未", u"除日 相日", DE, kOnlyForbid, HEAL, u"卷十 39b"},
    {u"劫煞", u"辰戌丑未", u"除日 相日", u"", kCancel, u"", u"卷十 39b"},
    {u"劫煞", u"子午卯酉", u"執日", u"月德 月德合", kCancel, u"", u"卷十 39b"},

    {u"災煞", u"寅申巳亥", u"開日", DE, kOnlyForbid, HEAL, u"卷十 41a"},
    {u"災煞", u"寅申巳亥", u"開日", u"", kCancel, u"", u"卷十 41a"},
    {u"災煞", u"辰戌丑未", u"滿日", DE, kOnlyForbid, HEAL, u"卷十 41a"},
    {u"災煞", u"子午卯酉", u"月破", u"", kDefer, u"", u"卷十 41a"},

    {u"月煞", u"卯酉", u"六合", u"月德 天願", kOnlyForbid, HEAL, u"卷十 41b"},
    {u"月煞", u"卯酉", u"六合", u"", kCancel, u"", u"卷十 42a"},
    {u"月煞", u"子午", u"月害", u"月德合", kCancel, u"", u"卷十 42a"},
    {u"月煞", u"寅申巳亥", u"閉日", DE, kUsual, u"", u"卷十 42a"},
    {u"月煞", u"寅申巳亥", u"閉日", u"", kAllBad, u"", u"卷十 42a"},
    {u"月煞", u"辰戌丑未", u"平日", DE, kUsual, u"", u"卷十 42a"},
    {u"月煞", u"辰戌丑未", u"平日", u"", kAllBad, u"", u"卷十 42a"},

    {u"月刑", u"巳", u"平日 相日 六合", u"月德 天德合 天願", kOnlyForbid, HEAL, u"卷十 44a"},
    {u"月刑", u"巳", u"平日 相日 六合", u"", kCancel, u"", u"卷十 44a"},
    {u"月刑", u"寅", u"平日 相日 月害", DE, kCancel, u"", u"卷十 44a"},
    {u"月刑", u"辰酉亥", u"月建", DE, kCancel, u"", u"卷十 44a"},
    {u"月刑", u"丑戌", u"收日", DE, kCancel, u"", u"卷十 44a"},
    {u"月刑", u"子", u"平日 天吏", DE, kUsual, u"", u"卷十 44b"},
    {u"月刑", u"子", u"平日 天吏", u"", kAllBad, u"", u"卷十 44b"},
    {u"月刑", u"卯", u"收日 大時", DE, kUsual, u"", u"卷十 44b"},
    {u"月刑", u"卯", u"收日 大時", u"", kAllBad, u"", u"卷十 44b"},
    {u"月刑", u"未申", u"月破", DE, kUsual, u"", u"卷十 44b"},
    {u"月刑", u"未申", u"月破", u"", kAllBad, u"", u"卷十 44b"},
    {u"月刑", u"午", u"月厭", u"", kDefer, u"", u"卷十 44b"},

    {u"月害", u"卯酉", u"除日 守日", u"天德 月德", kOnlyForbid, HEAL, u"卷十 45b"},
    {u"月害", u"丑未", u"執日 大時", u"天德 月德", kOnlyForbid, HEAL, u"卷十 45b"},
    {u"月害", u"辰戌", u"閉日 官日 天吏", u"天德合 月德合", kCancel, u"", u"卷十 45b"},
    {u"月害", u"子午", u"月煞", u"", kDefer, u"", u"卷十 45b"},
    {u"月害", u"巳亥", u"劫煞", u"", kDefer, u"", u"卷十 46a"},
    {u"月害", u"寅", u"月刑", u"", kDefer, u"", u"卷十 46a"},
    {u"月害", u"申", u"平日", u"", kDefer, u"", u"卷十 46a"},

    {u"月厭", u"", u"陰錯", u"", kUsual, u"", u"卷十 49a"},
    {u"月厭", u"寅申", u"成日", u"月德 天德合 月德合", kOnlyForbid,
     u"出行 上官赴任 臨政親民 結婚姻 納采問名 嫁娶 求醫療病 移徙 遠迴 栽種", u"卷十 47b"},
    {u"月厭", u"丑未", u"開日", u"月德 天德合 月德合", kOnlyForbid,
     u"出行 上官赴任 臨政親民 結婚姻 納采問名 嫁娶 求醫療病 移徙 遠迴 栽種", u"卷十 47b"},
    {u"月厭", u"辰戌", u"定日", u"天德 月德 月德合", kCancel, u"", u"卷十 47b"},
    {u"月厭", u"巳亥", u"滿日", u"天德 月德 月德合", kCancel, u"", u"卷十 47b"},
    {u"月厭", u"子午", u"月建", u"天赦", kUsual, u"", u"卷十 48a"},
    {u"月厭", u"子午", u"月建", u"", kAllBad, u"", u"卷十 48a"},
    {u"月厭", u"卯酉", u"月破 災煞", u"", kAllBad, u"", u"卷十 48a"},

    {u"厭對", u"子午", u"月破", u"", kUsualFirm, u"", u"卷十 52a"},
    {u"厭對", u"", u"", DE u" 天赦", kDrop, u"", u"卷十 51b"},

    {u"大時", u"", u"", u"四廢 歲薄 逐陣", kUsual, u"", u"卷十 76b"},
    {u"大時", u"寅申巳亥", u"除日 官日", u"", kOnlyForbid, u"", u"卷十 52b"},
    {u"大時", u"辰戌", u"執日 六合", u"", kOnlyForbid, u"", u"卷十 52b"},
    {u"大時", u"丑未", u"執日 月害", u"天德 月德", kOnlyForbid, u"", u"卷十 53a"},
    {u"大時", u"卯", u"月刑", u"", kDefer, u"", u"卷十 53a"},
    {u"大時", u"子午", u"收日", u"月德合", kCancel, u"", u"卷十 53a"},
    {u"大時", u"酉", u"收日", u"月德", kCancel, u"", u"卷十 53a"},

    {u"天吏", u"", u"", u"四廢 歲薄 逐陣", kUsual, u"", u"卷十 76b"},
    {u"天吏", u"寅申巳亥", u"危日", DE, kOnlyForbid, HEAL, u"卷十 54a"},
    {u"天吏", u"辰戌丑未", u"閉日", DE_SHE_YUAN, kCancel, u"", u"卷十 54b"},
    {u"天吏", u"午卯酉", u"平日", u"", kDefer, u"", u"卷十 54b"},
    {u"天吏", u"子", u"月刑", u"", kDefer, u"", u"卷十 54b"},

    {u"死氣", u"辰戌", u"月厭", u"", kUsualFirm, u"", u"卷十 55b"},
    {u"死氣", u"", u"", DE, kOnlyForbid, HEAL, u"卷十 55b"},

    {u"小耗", u"子午卯酉", u"劫煞", u"", kUsualFirm, u"", u"卷十 56a"},
    {u"小耗", u"", u"", DE u" 天願", kDrop, u"", u"卷十 56a"},

    {u"四耗", u"辰", u"", u"天德 月德", kOnlyForbid, u"", u"卷十 57a"},
    {u"四耗", u"寅申", u"", u"天德合", kOnlyForbid, u"", u"卷十 57a"},
    {u"四耗", u"巳", u"", u"月德合", kOnlyForbid, u"", u"卷十 57a"},
    {u"四耗", u"辰戌丑未", u"", u"三合", kOnlyForbid, u"", u"卷十 57a"},

    {u"四廢", u"", u"月破", u"", kAllBad, u"", u"卷十 58a"},
    {u"四窮", u"寅", u"天願", u"", kOnlyForbid, u"", u"卷十 59a"},
    {u"五虛", u"", u"", DE u" 六合", kDrop, u"", u"卷十 59b"},
    {u"八風", u"", u"", DE u" 六合", kDrop, u"", u"卷十 60a"},
    {u"五墓", u"子午", u"", u"月德", kDrop, u"", u"卷十 60b"},

    {u"九空", u"寅申", u"滿日", u"月德 天德合 月德合", kDrop, u"", u"卷十 61a"},
    {u"九空", u"子午卯酉", u"開日", u"月德 天德合 月德合", kDrop, u"", u"卷十 61a"},
    {u"九空", u"巳亥", u"月厭", u"", kDefer, u"", u"卷十 61b"},
    {u"九空", u"辰戌丑未", u"月破", u"", kDefer, u"", u"卷十 61b"},

    {u"復日", u"", u"", DE u" 天赦 六合", kDrop, u"", u"卷十 64a"},
    {u"重日", u"", u"", DE u" 天赦 六合", kDrop, u"", u"卷十 64a"},
    {u"五離", u"", u"", DE u" 天赦 三合 六合", kDrop, u"", u"卷十 65a"},
    {u"八專", u"", u"", u"天願", kOnlyForbid, u"", u"卷十 66a"},

    // The days where the two 建 meet or strike: 諸事皆忌 (卷十 48a–49b).
    {u"陰陽大會", u"", u"", u"", kAllBad, u"", u"卷十 48a"},
    {u"陰陽小會", u"", u"", u"", kAllBad, u"", u"卷十 48a"},
    {u"單陰", u"", u"", u"", kAllBad, u"", u"卷十 48a"},
    {u"純陽", u"", u"", u"", kAllBad, u"", u"卷十 48a"},
    {u"孤陽", u"", u"", u"", kAllBad, u"", u"卷十 48a"},
    {u"純陰", u"", u"", u"", kAllBad, u"", u"卷十 48a"},
    {u"陰位", u"", u"", u"", kAllBad, u"", u"卷十 48b"},
    {u"陰陽交破", u"", u"", u"", kAllBad, u"", u"卷十 48b"},
    {u"陰陽擊衝", u"", u"", u"", kAllBad, u"", u"卷十 48b"},
    {u"陽破陰衝", u"", u"", u"", kAllBad, u"", u"卷十 48b"},
    {u"陰道衝陽", u"", u"", u"", kAllBad, u"", u"卷十 48b"},
    {u"三陰", u"", u"", u"", kAllBad, u"", u"卷十 48b"},
    {u"陰陽俱錯", u"", u"", u"", kAllBad, u"", u"卷十 49a"},
    {u"絕陰", u"", u"", u"", kAllBad, u"", u"卷十 49b"},
    {u"絕陽", u"", u"", u"", kAllBad, u"", u"卷十 49b"},
};

#undef DE
#undef DE_SHE_YUAN
#undef HEAL

}  // namespace

const std::span<const WeighRow> kWeighRows{kRows};

}  // namespace lunisol

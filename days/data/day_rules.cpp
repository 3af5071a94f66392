// What the 鋪註條例 (卷十 73b–77a) and 卷十's entries for the days that
// change from year to year add to the weighing of single spirits.
//
// Choices:
// - "不註" (月忌日, 晦日, 二分二至) keeps an activity from being noted 宜; a 忌
//   from another spirit of the day is still noted.
// - The court activities the rules name stand for the sixty they share lists
//   with; a rule about court activities alone is left out. "忌詔命公卿招賢不註宜
//   …襲爵受封" is kept as 往亡 (the one spirit that forbids 詔命公卿招賢 but
//   not 襲爵受封).
// - 歲薄 and 逐陣: the 宜 are pruned by what 月厭 forbids, the 忌 are the day's
//   own (卷十 77a), and 德 and 赦願 count for nothing (卷十 48b).
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

using enum DayRuleKind;

#define QUIET u"祭祀 解除 沐浴 剃頭 整手足甲 補垣塞穴 掃舍宇 修飾垣牆 平治道塗 破屋壞垣 伐木"
#define DE_SHE_YUAN u"天德 月德 天德合 月德合 天赦 天願"

constexpr DayRuleRow kRows[] = {
    {u"反支", u"", kForbidAlso, u"上冊受封 上表章", u"卷十 69a"},
    {u"長星 短星", u"", kForbidAlso, u"進人口 裁衣 經絡 開市 立券 交易 納財 納畜", u"卷十 71b"},
    {u"上朔 四離 四絕", u"", kRestBadExcept, QUIET, u"卷十 69a"},
    {u"晦日", u"", kNoYiExcept, QUIET, u"卷十 69b"},
    {u"無祿", u"", kNoYiExcept, u"祭祀 解除 沐浴 剃頭 整手足甲 掃舍宇 修飾垣牆 平治道塗 破屋壞垣 伐木", u"卷十 67a"},
    {u"月忌日", u"", kNoYiExcept, u"祭祀 會親友 沐浴 剃頭 整手足甲 求醫療病 補垣塞穴 掃舍宇 修飾垣牆 平治道塗", u"卷十 71a"},
    {u"春分 夏至 秋分 冬至", u"", kNoYiFor,
     u"上冊受封 上表章 會親友 出行 上官赴任 臨政親民 結婚姻 納采問名 嫁娶 進人口 移徙 開市 立券 交易 捕捉 畋獵 取魚", u"卷十 70a"},
    {u"冬至", u"", kNoYiFor, u"伐木", u"卷十 70a"},
    {u"復日 重日", u"", kNoYiFor, u"破土 安葬 啓攢", u"卷十 64a"},
    {u"開日", u"", kNoYiFor, u"破土 安葬 啓攢", u"卷十 76b"},
    {u"四忌 四窮", u"", kNoYiFor, u"破土 啓攢", u"卷十 76b"},
    {u"往亡 氣往亡", u"", kNoYiFor, u"襲爵受封", u"卷十 74b"},
    {u"天狗 百忌日", u"", kNoYiWhenJiBy, u"祭祀 祈福 求嗣", u"卷十 74a"},
    {u"月厭", u"", kNoYiWhenJiBy, u"出行 襲爵受封", u"卷十 75a"},
    {u"月厭", u"", kNoYiWhenJiBy, u"上官赴任 襲爵受封", u"卷十 75a"},
    {DE_SHE_YUAN u" 月恩 四相 時德", u"", kLiftMinorJi,
     u"進人口 安牀 經絡 醞釀 開市 立券 交易 納財 開倉庫 出貨財", u"卷十 74a"},
    {u"歲薄 逐陣", u"", kNoYiForForbiddenOf, u"月厭", u"卷十 77a"},
    {u"歲薄 逐陣", u"", kIgnoreGood, DE_SHE_YUAN, u"卷十 48b"},
    {u"陽錯 陰錯", u"未", kIgnoreGood, u"天德合 月德合", u"卷十 49a"},
};

#undef QUIET
#undef DE_SHE_YUAN

}  // namespace

const std::span<const DayRuleRow> kDayRuleRows{kRows};

}  // namespace lunisol

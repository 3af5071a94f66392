// The folk day marks a Taiwanese almanac prints in the day column, each from
// its stated rule, with what it forbids.
//
// Sources:
// - setn: 三立新聞 (Taiwan), https://setn.com/News.aspx?NewsID=733684: the
//   thirteen 楊公忌 dates, which Taiwanese almanacs print as 諸事不宜; the same
//   dates at https://huangli.100xgj.com/folijieri/yanggong?y=2206 (「以農曆正月
//   十三日始，以後每月提前兩天」, hence 七月初一 and 廿九).
// - 用事宜忌: https://jinhaw.cn/fengshui/31122.html: 月忌 among the 忌 of
//   結婚姻·納采問名, 嫁娶·納婿 and 遷移·入宅·安香; 紅紗 among those of 嫁娶·納婿.
// - 協紀 卷六 74b–75b: 月忌 is the fifth, fourteenth and twenty-third of every
//   month (the book's own rule for those days, 卷十 71a, already limits their 宜).
// - xzzsg: https://xzzsg.com/ctwh/hunjiawenhua/5o2v1z.html and xhtw:
//   https://m.xhtw.com/180627.html: 三娘煞 falls on 初三、初七、十三、十八、廿二、
//   廿七 and forbids weddings.
// - 董公凶神月表: the table appended to the 董公 transcription
//   (https://github.com/Seanding1998/yangzhai-fengshui/blob/ca44fb4a9381f471e48b6196c8dc11734f37a35b/scripts/donggong_data.json):
//   受死 by month, 「宜捕獵，忌百事」. Its 十月 cell is empty; the book gives the
//   placement (卷六 45a–46b: 受死 is the 戌 of the 寅 month among the nine
//   gods' places, each even month six places from the month before, each odd
//   month one on), which puts 十月's on 申 and agrees with every other month.
// - 11youyue: http://hk.11youyue.com/forum.php?goto=lastpost&mod=redirect&tid=133446:
//   紅沙日 on the 酉 days of 正四七十月, the 巳 days of 二五八十一月, the 丑 days of
//   三六九十二月 (also 「擇日要則」, http://m.ishare.iask.com/f/8019281.html); it
//   forbids 下葬、上梁、作灶.
// - udn: 聯合報 (Taiwan), https://orange.udn.com/orange/story/121415/6629070:
//   四離 printed in the almanac; 四離 and 四絕 are the book's (卷六 74a–74b).
//
// Choices:
// - 楊公忌: a leap month takes the dates of the month it repeats (no source
//   speaks of leap months).
// - 月忌 forbids weddings, betrothals and moving (用事宜忌), not only notes no
//   宜 for them; 11youyue's 「凡月忌日不忌嫁娶」 is not followed.
// - 三娘煞: all six dates, as almanacs print them, not only the 真三娘煞 whose
//   pillars match; it forbids weddings alone, the one thing every source says.
//   No Taiwanese source for it was found.
// - 紅紗: 11youyue's days, not the 董公 text's 小紅沙 (孟月巳、仲月酉), which
//   may be another spirit.
// - 受死 and 楊公忌 are 諸事不宜, keeping the book's 宜 for 卷十 69a's eleven
//   quiet activities as the book's own 諸事不宜-like days do; 受死 also keeps
//   hunting (宜捕獵).
// clang-format off
#include "days/data/almanac_tables.h"

namespace lunisol {

namespace {

using enum MarkPlacement;
using enum MarkEffect;

constexpr FolkMarkRow kRows[] = {
    {u"楊公忌", kLunarMonthDays, u"13 11 9 7 5 3 1,29 27 25 23 21 19", kAllBad, u"", u"setn"},
    {u"月忌", kLunarDays, u"5 14 23", kForbids, u"訂盟 納采 嫁娶 納婿 移徙 入宅 安香", u"用事宜忌；卷六 74b"},
    {u"三娘煞", kLunarDays, u"3 7 13 18 22 27", kForbids, u"嫁娶 納婿", u"xzzsg；xhtw"},
    {u"受死", kMonthBranch, u"戌 辰 亥 巳 子 午 丑 未 寅 申 卯 酉", kAllBad, u"捕捉 畋獵", u"董公凶神月表；卷六 45a"},
    {u"紅紗", kMonthBranch, u"酉 巳 丑 酉 巳 丑 酉 巳 丑 酉 巳 丑", kForbids, u"嫁娶 納婿 上樑 安葬", u"11youyue；用事宜忌"},
    {u"四離", kBookSpirit, u"四離", kShowOnly, u"", u"udn；卷六 74a"},
    {u"四絕", kBookSpirit, u"四絕", kShowOnly, u"", u"卷六 74b"},
};

}  // namespace

const std::span<const FolkMarkRow> kFolkMarkRows{kRows};

}  // namespace lunisol

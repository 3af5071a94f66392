// The words of the almanac list, in the order the almanac prints them: the
// book's sixty in its own order with the almanac's words beside their kin,
// the funeral words last (the order is ours; no source gives one). Each word
// takes the verdict of a book activity, or of a 通書 rule of its own; a
// word no source gives a rule for stays out (移柩, 開光, 作灶, 謝土, 修墳,
// 立碑, 除服, 成服, 出火 …). The court's activities and the book's rarer
// crafts (上冊受封, 襲爵受封, 臨政親民, 上表章, 經絡, 醞釀, 鼓鑄, 築隄防,
// 修倉庫, 修置產室, 安碓磑, 療目, 針刺, 苫蓋 …) are not words
// of the almanac; the book's full lists still name them.
//
// Sources (besides the book, cited by 卷 and leaf):
// - 用事宜忌: 「如何擇日：用事宜忌」, https://jinhaw.cn/fengshui/31122.html (the
//   same table in Traditional characters: http://98ing.com/zeri01show.php?id=119).
//   It gives one rule for 遷移、入宅、安香 (the book's 移徙 rule, 卷十一 14b)
//   and one for 嫁娶、納婿.
// - bazilao: 「擇吉黃曆名詞解釋大全」, https://bazilao.com/fs/106039.html, the
//   glossary whose meanings the kGloss and kNamePart rows read: 訂盟 is the
//   betrothal (訂婚、文定), the book's 結婚姻; 冠笄 the coming-of-age rite, the
//   book's 冠帶; 掘井 「開渠…開鑿水井」, the book's 開渠穿井; 補垣 「塞穴…」;
//   破屋 「破土壞垣拆卸」; 納婿 「同嫁娶」.
// - zhxinwen: http://www.zhxinwen.cn/huangli/2023/7/26.html, 掃舍 「沖洗宅舍」.
// - 入殮日: 「何謂老黃曆中的入殮吉日」, https://15ko.com/zatan/2025032837805.html:
//   入殮 suits 天德 月德 天德合 月德合 天赦 天願 鳴吠 and 青龍, and avoids 月建
//   月破 土府 平日 收日 劫煞 災煞 月煞 月刑 月厭 土符 四廢 四窮 四忌 地囊 復日
//   重日. The page also lists 四相 among the days to avoid; 四相 is a good
//   spirit (卷五 30b), so we read that as a slip and leave it out.
// - No source states a rule for 移柩 (the almanacs print it beside 入殮); it
//   stays out.
// clang-format off
#include "days/data/almanac_tables.h"

namespace lunisol {

namespace {

using enum WordBasis;

constexpr AlmanacWordRow kRows[] = {
    {u"祭祀", u"祭祀", kSameName, true, u"卷十一 6a"},
    {u"祈福", u"祈福", kSameName, true, u"卷十一 6a"},
    {u"求嗣", u"求嗣", kSameName, true, u"卷十一 6b"},
    {u"出行", u"出行", kSameName, true, u"卷十一 11a"},
    {u"入學", u"入學", kSameName, false, u"卷十一 10b"},
    {u"上官赴任", u"上官赴任", kSameName, false, u"卷十一 12b"},
    {u"會親友", u"會親友", kSameName, false, u"卷十一 10b"},
    {u"訂盟", u"結婚姻", kGloss, true, u"bazilao；卷十一 13a"},
    {u"納采", u"納采問名", kNamePart, true, u"卷十一 13b"},
    {u"冠笄", u"冠帶", kGloss, false, u"bazilao；卷十一 11a"},
    {u"裁衣", u"裁衣", kSameName, false, u"卷十一 17a"},
    {u"嫁娶", u"嫁娶", kSameName, true, u"卷十一 14a"},
    {u"納婿", u"嫁娶", kSourceNames, false, u"用事宜忌；bazilao"},
    {u"進人口", u"進人口", kSameName, false, u"卷十一 14a"},
    {u"解除", u"解除", kSameName, false, u"卷十一 15a"},
    {u"沐浴", u"沐浴", kSameName, false, u"卷十一 15b"},
    {u"剃頭", u"剃頭", kSameName, false, u"卷十一 15b"},
    {u"整手足甲", u"整手足甲", kSameName, false, u"卷十一 16a"},
    {u"求醫療病", u"求醫療病", kSameName, true, u"卷十一 16a"},
    {u"修造", u"修造動土", kBookSays, true, u"卷十一 18a"},
    {u"動土", u"修造動土", kNamePart, true, u"卷十一 18b"},
    {u"豎柱", u"豎柱上梁", kNamePart, false, u"卷十一 18b"},
    {u"上樑", u"豎柱上梁", kNamePart, true, u"卷十一 18b"},
    {u"安床", u"安牀", kSameName, true, u"卷十一 15a"},
    {u"移徙", u"移徙", kSameName, true, u"卷十一 14b"},
    {u"入宅", u"移徙", kSourceRule, true, u"用事宜忌"},
    {u"安香", u"移徙", kSourceRule, true, u"用事宜忌"},
    {u"開市", u"開市", kSameName, true, u"卷十一 20a"},
    {u"立券", u"立券", kSameName, false, u"卷十一 20b"},
    {u"交易", u"交易", kSameName, true, u"卷十一 20b"},
    {u"納財", u"納財", kSameName, false, u"卷十一 20b"},
    {u"開倉", u"開倉庫", kNamePart, false, u"卷十一 21a"},
    {u"出貨財", u"出貨財", kSameName, false, u"卷十一 21a"},
    {u"掘井", u"開渠穿井", kGloss, true, u"bazilao；卷十一 21b"},
    {u"栽種", u"栽種", kSameName, true, u"卷十一 24a"},
    {u"納畜", u"納畜", kSameName, false, u"卷十一 25a"},
    {u"牧養", u"牧養", kSameName, false, u"卷十一 24b"},
    {u"捕捉", u"捕捉", kSameName, false, u"卷十一 23b"},
    {u"畋獵", u"畋獵", kSameName, false, u"卷十一 23b"},
    {u"取魚", u"取魚", kSameName, false, u"卷十一 24a"},
    {u"伐木", u"伐木", kSameName, true, u"卷十一 23b"},
    {u"掃舍", u"掃舍宇", kNamePart, false, u"zhxinwen；卷十一 22b"},
    {u"平治道塗", u"平治道塗", kSameName, false, u"卷十一 23a"},
    {u"修飾垣牆", u"修飾垣牆", kSameName, false, u"卷十一 22b"},
    {u"補垣", u"補垣塞穴", kNamePart, false, u"bazilao；卷十一 22a"},
    {u"塞穴", u"補垣塞穴", kNamePart, false, u"bazilao；卷十一 22a"},
    {u"破屋", u"破屋壞垣", kNamePart, false, u"bazilao；卷十一 23a"},
    {u"入殮", u"", kOwnRule, true, u"入殮日"},
    {u"破土", u"破土", kSameName, true, u"卷十一 25a"},
    {u"啟攢", u"啓攢", kSameName, true, u"卷十一 26a"},
    {u"安葬", u"安葬", kSameName, true, u"卷十一 25b"},
};

constexpr WordRuleRow kRules[] = {
    {u"入殮", u"天德 月德 天德合 月德合 天赦 天願 鳴吠 青龍",
     u"月建 月破 土府 平日 收日 劫煞 災煞 月煞 月刑 月厭 土符 四廢 四窮 四忌 地囊 復日 重日", u"入殮日"},
};

}  // namespace

const std::span<const AlmanacWordRow> kAlmanacWordRows{kRows};
const std::span<const WordRuleRow> kWordRuleRows{kRules};

}  // namespace lunisol

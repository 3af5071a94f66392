// The 鋪註條例's "凡吉凶相抵不註忌A亦不註忌B" (卷十 75a–76b): where the 宜 and
// 忌 of an activity cancel, its kin are spared their 忌 as well, unless a
// firm spirit forbids them.
// - 嫁娶 made neither only by 不將 does not spare its kin; a 忌 of 嫁娶 from 亥日
//   (百忌日), 厭對, 八專, 四忌 or 四窮 alone does not keep them from being spared,
//   and those spirits still forbid what they forbid (卷十 75a).
// - 開市, 立券, 交易 spare 開倉庫 and 出貨財 unless a spirit forbids those
//   without forbidding the trades (專忌, 卷十 76a).
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr CancelLinkRow kRows[] = {
    {u"祈福", u"求嗣", u"", u"", false, u"卷十 74b"},
    {u"結婚姻", u"冠帶 納采問名 嫁娶 進人口", u"", u"", false, u"卷十 75a"},
    {u"嫁娶", u"冠帶 結婚姻 納采問名 進人口 移徙 安牀", u"不將", u"百忌日 厭對 八專 四忌 四窮", false, u"卷十 75a"},
    {u"移徙", u"安牀", u"", u"", false, u"卷十 75b"},
    {u"安牀", u"移徙", u"", u"", false, u"卷十 75b"},
    {u"解除", u"剃頭 整手足甲", u"", u"", false, u"卷十 75b"},
    {u"修造動土 豎柱上梁", u"築隄防 修倉庫 鼓鑄 苫蓋 修置產室 開渠穿井 安碓磑 補垣塞穴 修飾垣牆 平治道塗 破屋壞垣", u"", u"", false, u"卷十 75b"},
    {u"開市", u"立券 交易 納財", u"", u"", false, u"卷十 76a"},
    {u"納財", u"開市 立券 交易", u"", u"", false, u"卷十 76a"},
    {u"立券 交易", u"開市 納財", u"", u"", false, u"卷十 76a"},
    {u"開市 立券 交易", u"開倉庫 出貨財", u"", u"", true, u"卷十 76a"},
    {u"牧養", u"納畜", u"", u"", false, u"卷十 76a"},
    {u"納畜", u"牧養", u"", u"", false, u"卷十 76a"},
    {u"安葬", u"啓攢", u"", u"", false, u"卷十 76b"},
    {u"啓攢", u"安葬", u"", u"", false, u"卷十 76b"},
};

}  // namespace

const std::span<const CancelLinkRow> kCancelLinkRows{kRows};

}  // namespace lunisol

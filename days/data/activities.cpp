// 通書選擇六十事 (卷十一 4a), each with its 宜 and 忌 spirits as 卷十一 gives
// them under the activity (or under the court activity the book says it
// shares them with: 上冊受封 with 上冊進表章, 襲爵受封 with 施恩封拜, 會親友
// with 宴會, 出行 with 行幸遣使, 移徙 with 般移, 剃頭 with 整容剃頭, 裁衣 with
// 裁製, 修造動土 with 興造動土, 立券 and 交易 with 立券交易, 開倉庫 and 出貨財
// with 開倉庫出貨財).
//
// Names of the lists:
// - the 建除 days are the officer rows (開日, 平日 …), 月建 and 月破 the spirits;
// - 往亡 is listed with 氣往亡 wherever the book lists it (卷十 63b weighs
//   them as one);
// - the stem and branch days (寅日, 酉日 …) are 百忌日, whose table says which
//   day forbids which activity; 每月十二日 and the like are 人神所在日;
//   每月十五日 is 十五日; 土王用事後 is 土王用事;
// - 療目 and 針刺 take the 宜 of 求醫療病, 鼓鑄 and 苫蓋 that of 修造動土
//   (卷十一 26a: they have no 宜 days of their own); 遠迴 and 乘船渡水 have none.
// - The 宜 that need a second spirit or a season are in conditional_yi.cpp.
//
// The second column is the word Taiwanese almanacs print where it differs
// from the book's, as the almanac glossaries list them (擇吉黃曆名詞解釋,
// bazilao.com/fs/106039.html; 黃曆擇日宜忌事項, powerluck.tw/knowledge/74-1630-9).
// They print 移徙 as the book does; their 入宅 (moving into a new house) is a
// narrower activity of its own, so 移徙 keeps its name.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

#define DE u"天德 月德 天德合 月德合 "
#define KILLS u"劫煞 災煞 月煞 月刑 "
#define HEAL_YI DE u"天赦 月恩 四相 時德 天后 除日 破日 天醫 開日 解神 除神"
#define BUILD_YI DE u"天赦 天願 月恩 四相 時德 三合 開日"

constexpr ActivityRow kRows[] = {
    {u"祭祀", u"", DE u"天赦 天願 月恩 四相 時德 天巫 開日 普護 福生 聖心 益後 續世", u"天狗 百忌日", u"卷十一 6a"},
    {u"祈福", u"", DE u"天赦 天願 月恩 四相 時德 天巫 開日 普護 福生 聖心 益後 續世",
     u"月建 月破 平日 收日 " KILLS u"月害 月厭 大時 遊禍 天吏 四廢", u"卷十一 6a"},
    {u"求嗣", u"", DE u"天赦 天願 月恩 四相 時德 開日 益後 續世",
     u"月建 月破 平日 收日 " KILLS u"月害 月厭 大時 遊禍 天吏 四廢", u"卷十一 6b"},
    {u"上冊受封", u"", DE u"天赦 天願 臨日 福德 開日",
     u"月建 月破 平日 收日 閉日 " KILLS u"月害 月厭 大時 天吏 四廢 往亡 氣往亡", u"卷十一 6b"},
    {u"上表章", u"", DE u"月空 天赦 天願 臨日 福德 開日 解神",
     u"月建 月破 平日 收日 閉日 " KILLS u"月害 月厭 大時 天吏 四廢 往亡 氣往亡", u"卷十一 7a"},
    {u"襲爵受封", u"", DE u"天赦 天願 月恩 四相 時德 王日 建日 吉期 天喜 開日 官日 守日 相日",
     u"月破 平日 收日 滿日 閉日 " KILLS u"月厭 大時 天吏 四廢", u"卷十一 8a"},
    {u"會親友", u"", DE u"天恩 天赦 天願 月恩 四相 時德 王日 民日 三合 福德 天喜 開日 六合 五合",
     u"月破 平日 收日 閉日 " KILLS u"月害 月厭 四廢 五離 百忌日", u"卷十一 10b"},
    {u"入學", u"", u"成日 開日", u"", u"卷十一 10b"},
    {u"冠帶", u"冠笄", u"定日", u"月破 平日 收日 " KILLS u"月厭 大時 天吏 四廢 五墓 百忌日", u"卷十一 11a"},
    {u"出行", u"", DE u"天赦 天願 月恩 四相 時德 王日 驛馬 天馬 建日 吉期 天喜 開日",
     u"月破 平日 收日 閉日 " KILLS u"月厭 大時 天吏 天賊 四廢 五墓 往亡 氣往亡 百忌日", u"卷十一 11a"},
    {u"上官赴任", u"赴任", DE u"天赦 天願 月恩 四相 時德 王日 官日 守日 相日 臨日 建日 吉期 天喜 開日",
     u"月破 平日 收日 滿日 閉日 " KILLS u"月厭 大時 天吏 四廢 五墓 往亡 氣往亡", u"卷十一 12b"},
    {u"臨政親民", u"", DE u"天赦 天願 月恩 四相 時德 王日 官日 守日 相日 臨日 建日 吉期 天喜 開日 六儀",
     u"月破 平日 收日 滿日 閉日 " KILLS u"月厭 大時 天吏 四廢 五墓 往亡 氣往亡", u"卷十一 12b"},
    {u"結婚姻", u"訂盟", DE u"天赦 天願 月恩 四相 時德 民日 三合 天喜 六合 五合",
     u"月建 月破 平日 收日 滿日 閉日 " KILLS u"月害 月厭 大時 天吏 四廢 四忌 四窮 五墓 五離 八專", u"卷十一 13a"},
    {u"納采問名", u"納采", DE u"天赦 天願 月恩 四相 時德 民日 三合 天喜",
     u"月建 月破 平日 收日 滿日 閉日 " KILLS u"月害 月厭 大時 天吏 四廢 四忌 四窮 五墓 五離 八專", u"卷十一 13b"},
    {u"嫁娶", u"", DE u"天赦 天願 三合 天喜 六合 不將",
     u"月破 平日 收日 閉日 " KILLS u"月害 月厭 厭對 大時 天吏 四廢 四忌 四窮 五墓 往亡 氣往亡 八專 百忌日", u"卷十一 14a"},
    {u"進人口", u"", u"天願 民日 三合 滿日 收日 六合 天倉",
     u"月破 平日 死神 閉日 " KILLS u"月害 月厭 大時 天吏 四廢 四窮 五墓 九空 往亡 氣往亡", u"卷十一 14a"},
    {u"移徙", u"", DE u"天赦 天願 月恩 四相 時德 民日 驛馬 天馬 成日 開日",
     u"月破 平日 收日 閉日 " KILLS u"月厭 大時 天吏 四廢 五墓 歸忌 往亡 氣往亡", u"卷十一 14b"},
    {u"遠迴", u"", u"", u"月厭 歸忌", u"卷十一 15a"},
    {u"安牀", u"安床", u"危日", u"月破 平日 收日 閉日 " KILLS u"月厭 大時 天吏 四廢 五墓 百忌日", u"卷十一 15a"},
    {u"解除", u"", DE u"天赦 月恩 四相 時德 除日 開日 解神 除神",
     u"月建 平日 死神 收日 " KILLS u"月厭 大時 遊禍 天吏 死氣 四廢 五墓", u"卷十一 15a"},
    {u"沐浴", u"", u"除日 解神 除神 亥子日", u"伏社", u"卷十一 15b"},
    {u"剃頭", u"", u"除日 解神 除神", u"月建 月破 " KILLS u"月厭 百忌日 人神所在日", u"卷十一 15b"},
    {u"整手足甲", u"", u"除日 解神 除神", u"月建 月破 " KILLS u"月厭 人神所在日", u"卷十一 16a"},
    {u"求醫療病", u"", HEAL_YI,
     u"月建 平日 死神 收日 滿日 閉日 " KILLS u"月害 月厭 大時 遊禍 天吏 死氣 四廢 五墓 往亡 氣往亡 百忌日 十五日 朔弦望", u"卷十一 16a"},
    {u"療目", u"", HEAL_YI, u"閉日", u"卷十一 16b"},
    {u"針刺", u"", HEAL_YI, u"血支 血忌", u"卷十一 16b"},
    {u"裁衣", u"", DE u"天赦 天願 月恩 四相 時德 王日 三合 滿日 開日 復日", u"月破 平日 收日 " KILLS u"月厭 四廢", u"卷十一 17a"},
    {u"築隄防", u"", u"成日 閉日", u"土府 月破 平日 收日 " KILLS u"月厭 大時 天吏 四廢 土符 地囊 土王用事", u"卷十一 18a"},
    {u"修造動土", u"", BUILD_YI,
     u"月建 土府 月破 平日 收日 閉日 " KILLS u"月厭 大時 天吏 四廢 五墓 土符 地囊 土王用事", u"卷十一 18b"},
    {u"豎柱上梁", u"豎柱上樑", BUILD_YI, u"月建 月破 平日 收日 閉日 " KILLS u"月厭 大時 天吏 四廢 五墓", u"卷十一 18b"},
    {u"修倉庫", u"", DE u"天赦 天願 三合 滿日",
     u"月建 土府 月破 大耗 平日 " KILLS u"月虛 月害 月厭 大時 天吏 小耗 天賊 四耗 四廢 四窮 五虛 九空 土符 地囊 土王用事", u"卷十一 19a"},
    {u"鼓鑄", u"", BUILD_YI, u"月破 平日 收日 " KILLS u"月厭 四廢 九焦", u"卷十一 19b"},
    {u"苫蓋", u"蓋屋", BUILD_YI, u"天火 百忌日", u"卷十一 19b"},
    {u"經絡", u"", u"天願 三合 滿日 六合 五富", u"月破 平日 收日 " KILLS u"月害 月厭 四廢 百忌日", u"卷十一 19b"},
    {u"醞釀", u"", u"天願 三合 六合 五富", u"月破 平日 收日 " KILLS u"月害 月厭 四廢 百忌日", u"卷十一 20a"},
    {u"開市", u"", u"天願 民日 滿日 成日 開日 五富",
     u"月破 大耗 平日 收日 閉日 " KILLS u"月害 月厭 大時 天吏 小耗 四耗 四廢 四窮 五墓 九空", u"卷十一 20a"},
    {u"立券", u"", u"天願 民日 三合 滿日 六合 五富 五合",
     u"月破 大耗 平日 收日 " KILLS u"月害 月厭 大時 天吏 小耗 四耗 四廢 四窮 五墓 九空 五離", u"卷十一 20b"},
    {u"交易", u"", u"天願 民日 三合 滿日 六合 五富 五合",
     u"月破 大耗 平日 收日 " KILLS u"月害 月厭 大時 天吏 小耗 四耗 四廢 四窮 五墓 九空 五離", u"卷十一 20b"},
    {u"納財", u"", u"母倉 天願 月恩 四相 時德 民日 三合 滿日 收日 六合 五富 天倉",
     u"月破 大耗 平日 " KILLS u"月害 月厭 大時 天吏 小耗 四耗 四廢 四窮 九空", u"卷十一 20b"},
    {u"開倉庫", u"", u"月恩 四相 時德 滿日 五富",
     u"月建 月破 大耗 平日 收日 閉日 " KILLS u"月虛 月害 月厭 大時 天吏 小耗 天賊 四耗 四廢 四窮 五虛 九空 百忌日", u"卷十一 21a"},
    {u"出貨財", u"", u"月恩 四相 時德 滿日 五富",
     u"月建 月破 大耗 平日 收日 閉日 " KILLS u"月虛 月害 月厭 大時 天吏 小耗 天賊 四耗 四廢 四窮 五虛 九空 百忌日", u"卷十一 21a"},
    {u"修置產室", u"", u"開日",
     u"月建 土府 月破 平日 死神 收日 閉日 " KILLS u"月害 月厭 大時 天吏 死氣 四廢 五墓 土符 地囊 土王用事", u"卷十一 21b"},
    {u"開渠穿井", u"掘井", u"開日", u"土府 月破 平日 收日 閉日 " KILLS u"月厭 四廢 土符 地囊 土王用事 百忌日", u"卷十一 21b"},
    {u"安碓磑", u"", u"三合 開日", u"土府 月破 " KILLS u"月厭 四廢 土符 地囊 土王用事", u"卷十一 22a"},
    {u"補垣塞穴", u"", u"滿日 閉日", u"月破 " KILLS u"月厭 四廢 九坎 土府 土符 地囊 土王用事", u"卷十一 22a"},
    {u"掃舍宇", u"", u"除日 除神", u"", u"卷十一 22b"},
    {u"修飾垣牆", u"", u"平日", u"土府 月破 " KILLS u"月厭 四廢 土符 地囊 土王用事", u"卷十一 22b"},
    {u"平治道塗", u"", u"平日", u"土府 月厭 土符 地囊 土王用事", u"卷十一 23a"},
    {u"破屋壞垣", u"", u"月破", u"月建 土府 " KILLS u"月厭 土符 地囊 土王用事", u"卷十一 23a"},
    {u"伐木", u"", u"", u"月建 月破 月厭 生氣", u"卷十一 23b"},
    {u"捕捉", u"", u"執日 收日", u"往亡 氣往亡", u"卷十一 23b"},
    {u"畋獵", u"", u"", DE u"天赦 生氣 往亡 氣往亡", u"卷十一 23b"},
    {u"取魚", u"", u"", DE u"天赦 生氣 招搖 咸池 八風 九坎 往亡 氣往亡 觸水龍", u"卷十一 24a"},
    {u"乘船渡水", u"", u"", u"招搖 咸池 八風 九坎 觸水龍", u"卷十一 24a"},
    {u"栽種", u"", DE u"天赦 母倉 天願 月恩 四相 時德 民日 開日 五富",
     u"月建 土府 月破 平日 死神 " KILLS u"月厭 地火 大時 天吏 死氣 四廢 五墓 九焦 土符 地囊 百忌日 土王用事", u"卷十一 24a"},
    {u"牧養", u"", DE u"天赦 母倉 天願 月恩 四相 時德 民日 開日 五富",
     u"月破 平日 死神 " KILLS u"月害 月厭 大時 天吏 四廢 五墓", u"卷十一 24b"},
    {u"納畜", u"", DE u"天赦 母倉 天願 民日 三合 收日 六合 五富 天倉",
     u"月破 平日 死神 " KILLS u"月害 月厭 大時 天吏 四廢 五墓", u"卷十一 25a"},
    {u"破土", u"", u"鳴吠 鳴吠對",
     u"月建 土府 月破 平日 收日 " KILLS u"月害 月厭 四廢 五墓 土符 地囊 復日 重日 土王用事", u"卷十一 25a"},
    {u"安葬", u"", DE u"天赦 天願 六合 鳴吠",
     u"月建 月破 平日 收日 " KILLS u"月害 月厭 四廢 四忌 四窮 五墓 復日 重日", u"卷十一 25b"},
    {u"啓攢", u"啟攢", u"鳴吠對", u"月建 月破 平日 收日 " KILLS u"月害 月厭 四廢 五墓 復日 重日", u"卷十一 26a"},
};

#undef DE
#undef KILLS
#undef HEAL_YI
#undef BUILD_YI

}  // namespace

const std::span<const ActivityRow> kActivityRows{kRows};

}  // namespace lunisol

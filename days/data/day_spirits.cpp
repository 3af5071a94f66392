// The day spirits (日神) of 《欽定協紀辨方書》, in the order of 卷十's list of
// 宜 and 忌 (which follows the weight the book gives them), with the spirits
// 卷十 leaves out inserted beside their kin. The order is the order in which
// the day's lists show them. See tables.h for how `where` is read.
//
// Where the book leaves a choice, the rows follow it as below; nothing else
// in the program makes these choices.
// - 天德 in the middle month of a season falls on a trigram (坤, 乾, 艮, 巽;
//   卷五 5a). A day has no trigram, so the trigram's day is the branch that
//   shares its place among the twenty-four mountains: 坤申, 乾亥, 艮寅, 巽巳.
//   天德合 has no day in those months (卷五 12b).
// - 天喜 is the 成 day; the book weighs 春戌夏丑秋辰冬未 against it and keeps
//   成 (卷四 29b).
// - 守日 is 春辰夏未秋戌冬丑: the book takes 邵泰衢's reading of 守 and 牢
//   (卷五 37b); 王日 keeps 寅巳申亥 (卷五 35b).
// - 天願, 地囊, 鳴吠 and 鳴吠對 use the lists as the book corrects them
//   (卷五 25a, 卷六 57b, 卷五 68b), not the older ones it quotes.
// - 八風: the reading of the book's own note, 春丁丑丁巳 夏甲申甲辰 秋丁未丁亥
//   冬甲戌甲寅 (卷五 49b), not the garbled 歷例 line before it.
// - 復日: one stem a month, the month's own (正月甲 七月庚 二月乙 八月辛 四月丙
//   十月壬 五月丁 十一月癸 三月九月戊 六月十二月己), as 地理新書 and the
//   book's note read the grouped 歷例 line (卷五 61b–62a).
// - 重日 falls on 巳 and 亥 days (卷五 56b: "二日").
// - 氣往亡: the twelfth is thirty days from 小寒 (卷六 67b; 卷九 34a prints
//   小雪), and the section term's own day counts as the first day, as the
//   page's 氣往亡日 count.
// - 元武 is written 玄武, its name before the Qing court's taboo.
// - Left out as the book leaves them out: 官符 and 枝德 (卷四 23a, 25a), 天獄
//   (卷六 15a), 章光 and 無翹 (卷六 27a), and the days "led" by the 大會 and
//   小會 (卷四 67a).
// - 長星 and 短星 are reckoned by lunar month and day; a leap month counts as
//   the month it repeats. 上朔 takes the year of the section terms (from
//   立春). 土王用事 begins when the sun reaches 27°, 117°, 207° or 297° and
//   lasts until the day before the next 立 term; the day is found from the
//   term instants around it. 伏社 are the days of 初伏, 中伏, 末伏 (the third
//   and fourth 庚 day from 夏至, the first from 立秋) and of 春社 and 秋社 (the
//   fifth 戊 day from 立春 and 立秋). 朔弦望 are the days (UTC+8) of the moon's
//   phases from the built-in phase table.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

using enum SpiritKind;
using enum Placement;

constexpr DaySpiritRow kRows[] = {
    // 吉神
    {u"天德", kGood, kMonthly, u"丁 申 壬 辛 亥 甲 癸 寅 丙 乙 巳 庚", 0, u"卷五 4b"},
    {u"月德", kGood, kTriad, u"丙 甲 壬 庚", 0, u"卷五 10b"},
    {u"天德合", kGood, kMonthly, u"壬 - 丁 丙 - 己 戊 - 辛 庚 - 乙", 0, u"卷五 12b"},
    {u"月德合", kGood, kTriad, u"辛 己 丁 乙", 0, u"卷五 14b"},
    {u"月空", kGood, kTriad, u"壬 庚 丙 甲", 0, u"卷五 16b"},
    {u"天恩", kGood, kEveryMonth, u"甲子 乙丑 丙寅 丁卯 戊辰 己卯 庚辰 辛巳 壬午 癸未 己酉 庚戌 辛亥 壬子 癸丑", 0, u"卷五 18b"},
    {u"天赦", kGood, kSeasonal, u"戊寅 甲午 戊申 甲子", 0, u"卷五 20b"},
    {u"母倉", kGood, kMotherGranary, u"亥子 寅卯 辰戌丑未 申酉 巳午", 0, u"卷五 26b"},
    {u"天願", kGood, kMonthly, u"乙亥 甲戌 乙酉 丙申 丁未 戊午 己巳 庚辰 辛卯 壬寅 癸丑 甲子", 0, u"卷五 25a"},
    {u"月恩", kGood, kMonthly, u"丙 丁 庚 己 戊 辛 壬 癸 庚 乙 甲 辛", 0, u"卷五 28b"},
    {u"四相", kGood, kSeasonal, u"丙丁 戊己 壬癸 甲乙", 0, u"卷五 30b"},
    {u"時德", kGood, kSeasonal, u"午 辰 子 寅", 0, u"卷五 32b"},
    {u"陽德", kGood, kWalk, u"戌", 2, u"卷六 48b"},
    {u"陰德", kGood, kWalk, u"酉", -2, u"卷六 49b"},
    {u"王日", kGood, kSeasonal, u"寅 巳 申 亥", 0, u"卷五 34b"},
    {u"官日", kGood, kSeasonal, u"卯 午 酉 子", 0, u"卷五 34b"},
    {u"守日", kGood, kSeasonal, u"辰 未 戌 丑", 0, u"卷五 37b"},
    {u"相日", kGood, kSeasonal, u"巳 申 亥 寅", 0, u"卷五 34b"},
    {u"民日", kGood, kSeasonal, u"午 酉 子 卯", 0, u"卷五 34b"},
    {u"三合", kGood, kOfficer, u"定成", 0, u"卷六 4b"},
    {u"臨日", kGood, kMonthly, u"午 亥 申 丑 戌 卯 子 巳 寅 未 辰 酉", 0, u"卷六 6b"},
    {u"驛馬", kGood, kWalk, u"申", -3, u"卷六 8b"},
    {u"天后", kGood, kWalk, u"申", -3, u"卷六 8b"},
    {u"天馬", kGood, kWalk, u"午", 2, u"卷六 51b"},
    {u"兵福", kGood, kOfficer, u"建", 0, u"卷四 9b"},
    {u"吉期", kGood, kOfficer, u"除", 0, u"卷四 12b"},
    {u"兵寶", kGood, kOfficer, u"除", 0, u"卷四 12b"},
    {u"天巫", kGood, kOfficer, u"滿", 0, u"卷四 14a"},
    {u"福德", kGood, kOfficer, u"滿", 0, u"卷四 13b"},
    {u"時陰", kGood, kOfficer, u"定", 0, u"卷四 21b"},
    {u"天喜", kGood, kOfficer, u"成", 0, u"卷四 29b"},
    {u"天醫", kGood, kOfficer, u"成", 0, u"卷四 28b"},
    {u"時陽", kGood, kOfficer, u"開", 0, u"卷四 31b"},
    {u"生氣", kGood, kOfficer, u"開", 0, u"卷四 31b"},
    {u"兵吉", kGood, kMonthly, u"子丑寅卯 亥子丑寅 戌亥子丑 酉戌亥子 申酉戌亥 未申酉戌 午未申酉 巳午未申 辰巳午未 卯辰巳午 寅卯辰巳 丑寅卯辰", 0, u"卷六 28b"},
    {u"六合", kGood, kWalk, u"亥", -1, u"卷六 26b"},
    {u"六儀", kGood, kWalk, u"辰", -1, u"卷四 50b"},
    {u"五富", kGood, kWalk, u"亥", 3, u"卷六 30b"},
    {u"天倉", kGood, kWalk, u"寅", -1, u"卷六 32b"},
    {u"不將", kGood, kUnhindered, u"丙丁庚辛己 乙丙丁庚己 甲乙丙丁己 甲乙丙丁戊 癸甲乙丙戊 壬癸甲乙戊 壬癸甲乙戊 辛壬癸甲戊 庚辛壬癸戊 庚辛壬癸己 丁庚辛壬己 丙丁庚辛己", 0, u"卷四 52b"},
    {u"要安", kGood, kPaired, u"寅", 0, u"卷六 35b"},
    {u"敬安", kGood, kPaired, u"未", 0, u"卷六 38b"},
    {u"玉宇", kGood, kPaired, u"卯", 0, u"卷六 36b"},
    {u"金堂", kGood, kPaired, u"辰", 0, u"卷六 37b"},
    {u"普護", kGood, kPaired, u"申", 0, u"卷六 39b"},
    {u"福生", kGood, kPaired, u"酉", 0, u"卷六 40b"},
    {u"聖心", kGood, kPaired, u"亥", 0, u"卷六 41b"},
    {u"益後", kGood, kPaired, u"子", 0, u"卷六 43b"},
    {u"續世", kGood, kPaired, u"丑", 0, u"卷六 44b"},
    {u"解神", kGood, kMonthly, u"申 申 戌 戌 子 子 寅 寅 辰 辰 午 午", 0, u"卷五 59b"},
    {u"除神", kGood, kEveryMonth, u"申 酉", 0, u"卷五 57b"},
    {u"五合", kGood, kEveryMonth, u"寅 卯", 0, u"卷五 56b"},
    {u"寶日", kGood, kEveryMonth, u"丁丑 丙戌 甲午 庚子 壬寅 癸卯 乙巳 丁未 戊申 己酉 辛亥 丙辰", 0, u"卷九 32a"},
    {u"義日", kGood, kEveryMonth, u"甲子 丙寅 丁卯 己巳 辛未 壬申 癸酉 乙亥 庚辰 辛丑 庚戌 戊午", 0, u"卷九 32b"},
    {u"制日", kGood, kEveryMonth, u"乙丑 甲戌 壬午 戊子 庚寅 辛卯 癸巳 乙未 丙申 丁酉 己亥 甲辰", 0, u"卷九 32b"},
    {u"青龍", kGood, kDayGod, u"", 0, u"卷七 3b"},
    {u"明堂", kGood, kDayGod, u"", 1, u"卷七 3b"},
    {u"金匱", kGood, kDayGod, u"", 4, u"卷七 3b"},
    {u"寶光", kGood, kDayGod, u"", 5, u"卷七 11b"},
    {u"玉堂", kGood, kDayGod, u"", 7, u"卷七 3b"},
    {u"司命", kGood, kDayGod, u"", 10, u"卷七 3b"},
    {u"鳴吠", kGood, kEveryMonth, u"甲午 丙午 庚午 壬午 甲申 丙申 庚申 壬申 乙酉 丁酉 己酉 辛酉 癸酉", 0, u"卷九 32a"},
    {u"鳴吠對", kGood, kEveryMonth, u"丙子 庚子 壬子 甲寅 丙寅 庚寅 壬寅 乙卯 丁卯 辛卯 癸卯", 0, u"卷九 32a"},
    {u"亥子日", kGood, kEveryMonth, u"亥 子", 0, u"卷十 26b"},
    {u"午申日", kGood, kEveryMonth, u"午 申", 0, u"卷十 26b"},

    // 建除十二神, by the names the activity lists give them
    {u"建日", kOfficerDay, kOfficer, u"建", 0, u"卷四 3b"},
    {u"除日", kOfficerDay, kOfficer, u"除", 0, u"卷四 3b"},
    {u"滿日", kOfficerDay, kOfficer, u"滿", 0, u"卷四 3b"},
    {u"平日", kOfficerDay, kOfficer, u"平", 0, u"卷四 3b"},
    {u"定日", kOfficerDay, kOfficer, u"定", 0, u"卷四 3b"},
    {u"執日", kOfficerDay, kOfficer, u"執", 0, u"卷四 3b"},
    {u"破日", kOfficerDay, kOfficer, u"破", 0, u"卷四 3b"},
    {u"危日", kOfficerDay, kOfficer, u"危", 0, u"卷四 3b"},
    {u"成日", kOfficerDay, kOfficer, u"成", 0, u"卷四 3b"},
    {u"收日", kOfficerDay, kOfficer, u"收", 0, u"卷四 3b"},
    {u"開日", kOfficerDay, kOfficer, u"開", 0, u"卷四 3b"},
    {u"閉日", kOfficerDay, kOfficer, u"閉", 0, u"卷四 3b"},

    // 凶煞
    {u"月建", kBad, kOfficer, u"建", 0, u"卷四 43b"},
    {u"小時", kBad, kOfficer, u"建", 0, u"卷四 9b"},
    {u"土府", kBad, kOfficer, u"建", 0, u"卷四 10a"},
    {u"月破", kBad, kOfficer, u"破", 0, u"卷四 26b"},
    {u"大耗", kBad, kOfficer, u"破", 0, u"卷四 26b"},
    {u"天罡", kBad, kYangYinOfficer, u"平收", 0, u"卷四 17b"},
    {u"河魁", kBad, kYangYinOfficer, u"收平", 0, u"卷四 17b"},
    {u"死神", kBad, kOfficer, u"平", 0, u"卷四 17b"},
    {u"天狗", kBad, kOfficerInMonths, u"滿申", 0, u"卷四 15a"},
    {u"死氣", kBad, kOfficer, u"定", 0, u"卷四 22a"},
    {u"小耗", kBad, kOfficer, u"執", 0, u"卷四 24b"},
    {u"血支", kBad, kOfficer, u"閉", 0, u"卷四 34b"},
    {u"劫煞", kBad, kWalk, u"亥", -3, u"卷六 11b"},
    {u"災煞", kBad, kWalk, u"子", -3, u"卷六 12b"},
    {u"天火", kBad, kWalk, u"子", -3, u"卷六 15a"},
    {u"月煞", kBad, kWalk, u"丑", -3, u"卷六 16b"},
    {u"月虛", kBad, kWalk, u"丑", -3, u"卷六 16b"},
    {u"月刑", kBad, kMonthly, u"巳 子 辰 申 午 丑 寅 酉 未 亥 卯 戌", 0, u"卷六 17b"},
    {u"月害", kBad, kWalk, u"巳", -1, u"卷六 18b"},
    {u"月厭", kBad, kWalk, u"戌", -1, u"卷四 47a"},
    {u"地火", kBad, kWalk, u"戌", -1, u"卷四 49a"},
    {u"厭對", kBad, kWalk, u"辰", -1, u"卷四 50b"},
    {u"招搖", kBad, kWalk, u"辰", -1, u"卷四 50b"},
    {u"大時", kBad, kWalk, u"卯", -3, u"卷六 20b"},
    {u"大敗", kBad, kWalk, u"卯", -3, u"卷六 20b"},
    {u"咸池", kBad, kWalk, u"卯", -3, u"卷六 20b"},
    {u"遊禍", kBad, kWalk, u"巳", -3, u"卷六 22b"},
    {u"天吏", kBad, kWalk, u"酉", -3, u"卷六 24b"},
    {u"致死", kBad, kWalk, u"酉", -3, u"卷六 24b"},
    {u"天賊", kBad, kWalk, u"丑", -1, u"卷六 34b"},
    {u"四擊", kBad, kSeasonal, u"戌 丑 辰 未", 0, u"卷五 38b"},
    {u"四耗", kBad, kSeasonal, u"壬子 乙卯 戊午 辛酉", 0, u"卷五 41b"},
    {u"四廢", kBad, kSeasonal, u"庚申辛酉 壬子癸亥 甲寅乙卯 丙午丁巳", 0, u"卷五 42a"},
    {u"四忌", kBad, kSeasonal, u"甲子 丙子 庚子 壬子", 0, u"卷五 42a"},
    {u"四窮", kBad, kSeasonal, u"乙亥 丁亥 辛亥 癸亥", 0, u"卷五 42b"},
    {u"八龍", kBad, kSeasonal, u"甲子乙亥 - - -", 0, u"卷五 42b"},
    {u"七鳥", kBad, kSeasonal, u"- 丙子丁亥 - -", 0, u"卷五 42b"},
    {u"九虎", kBad, kSeasonal, u"- - 庚子辛亥 -", 0, u"卷五 42b"},
    {u"六蛇", kBad, kSeasonal, u"- - - 壬子癸亥", 0, u"卷五 42b"},
    {u"五虛", kBad, kSeasonal, u"巳酉丑 申子辰 亥卯未 寅午戌", 0, u"卷五 47b"},
    {u"八風", kBad, kSeasonal, u"丁丑丁巳 甲申甲辰 丁未丁亥 甲戌甲寅", 0, u"卷五 49b"},
    {u"五墓", kBad, kMonthly, u"乙未 乙未 戊辰 丙戌 丙戌 戊辰 辛丑 辛丑 戊辰 壬辰 壬辰 戊辰", 0, u"卷五 40b"},
    {u"九空", kBad, kWalk, u"辰", -3, u"卷五 39b"},
    {u"九坎", kBad, kMonthly, u"辰 丑 戌 未 卯 子 酉 午 寅 亥 申 巳", 0, u"卷五 45b"},
    {u"九焦", kBad, kMonthly, u"辰 丑 戌 未 卯 子 酉 午 寅 亥 申 巳", 0, u"卷五 45b"},
    {u"土符", kBad, kMonthly, u"丑 巳 酉 寅 午 戌 卯 未 亥 辰 申 子", 0, u"卷六 59b"},
    {u"地囊", kBad, kMonthly, u"庚子庚午 乙未癸丑 甲子壬午 己卯己酉 壬戌甲辰 丙辰丙戌 丁巳丁亥 丙寅丙申 辛丑辛未 戊寅戊申 辛卯辛酉 癸酉乙卯", 0, u"卷六 57a"},
    {u"兵禁", kBad, kWalk, u"寅", -2, u"卷六 52b"},
    {u"大煞", kBad, kMonthly, u"戌 巳 午 未 寅 卯 辰 亥 子 丑 申 酉", 0, u"卷六 61b"},
    {u"歸忌", kBad, kMonthly, u"丑 寅 子 丑 寅 子 丑 寅 子 丑 寅 子", 0, u"卷六 63b"},
    {u"血忌", kBad, kPaired, u"丑", 0, u"卷六 2b"},
    {u"往亡", kBad, kMonthly, u"寅 巳 申 亥 卯 午 酉 子 辰 未 戌 丑", 0, u"卷六 65b"},
    {u"氣往亡", kBad, kAfterSection, u"立春7 驚蟄14 清明21 立夏8 芒種16 小暑24 立秋9 白露18 寒露27 立冬10 大雪20 小寒30", 0, u"卷六 67b"},
    {u"復日", kBad, kMonthly, u"甲 乙 戊 丙 丁 己 庚 辛 戊 壬 癸 己", 0, u"卷五 61b"},
    {u"重日", kBad, kEveryMonth, u"巳 亥", 0, u"卷五 56b"},
    {u"五離", kBad, kEveryMonth, u"申 酉", 0, u"卷五 57b"},
    {u"八專", kBad, kEveryMonth, u"甲寅 丁未 己未 庚申 癸丑", 0, u"卷五 53b"},
    {u"觸水龍", kBad, kEveryMonth, u"丙子 癸丑 癸未", 0, u"卷五 48b"},
    {u"專日", kBad, kEveryMonth, u"戊辰 己丑 戊戌 丙午 壬子 甲寅 乙卯 丁巳 己未 庚申 辛酉 癸亥", 0, u"卷九 32b"},
    {u"伐日", kBad, kEveryMonth, u"庚午 丙子 戊寅 己卯 辛巳 癸未 甲申 乙酉 丁亥 壬辰 癸丑 壬戌", 0, u"卷九 32b"},
    {u"天刑", kBad, kDayGod, u"", 2, u"卷七 3b"},
    {u"朱雀", kBad, kDayGod, u"", 3, u"卷七 3b"},
    {u"白虎", kBad, kDayGod, u"", 6, u"卷七 3b"},
    {u"天牢", kBad, kDayGod, u"", 8, u"卷七 3b"},
    {u"玄武", kBad, kDayGod, u"", 9, u"卷七 3b"},
    {u"勾陳", kBad, kDayGod, u"", 11, u"卷七 3b"},
    {u"無祿", kBad, kEveryMonth, u"甲辰 乙巳 丙申 丁亥 戊戌 己丑 庚辰 辛巳 壬申 癸亥", 0, u"卷五 54b"},
    {u"反支", kBad, kNewMoonBranch, u"6 6 5 5 4 4 3 3 2 2 1 1", 0, u"卷六 72b"},
    {u"上朔", kBad, kYearStem, u"癸亥 己巳 乙亥 辛巳 丁亥 癸巳 己亥 乙巳 辛亥 丁巳", 0, u"卷九 33a"},
    {u"四離", kBad, kTermEve, u"春分 夏至 秋分 冬至", 0, u"卷六 74a"},
    {u"四絕", kBad, kTermEve, u"立春 立夏 立秋 立冬", 0, u"卷六 74b"},
    {u"晦日", kBad, kLastLunarDay, u"", 0, u"卷十 69a"},
    {u"春分", kBad, kTermDay, u"春分", 0, u"卷十 69b"},
    {u"夏至", kBad, kTermDay, u"夏至", 0, u"卷十 69b"},
    {u"秋分", kBad, kTermDay, u"秋分", 0, u"卷十 69b"},
    {u"冬至", kBad, kTermDay, u"冬至", 0, u"卷十 69b"},
    {u"土王用事", kBad, kEarthKing, u"27 117 207 297", 0, u"卷十 70a"},
    {u"伏社", kBad, kDogAltar, u"夏至庚3 夏至庚4 立秋庚1 立春戊5 立秋戊5", 0, u"卷十 70b"},
    {u"朔弦望", kBad, kMoonPhase, u"", 0, u"卷十 70b"},
    {u"月忌日", kBad, kLunarDays, u"5 14 23", 0, u"卷六 74b"},
    {u"十五日", kBad, kLunarDays, u"15", 0, u"卷十 71a"},
    {u"人神所在日", kBad, kBodySpirit, u"", 0, u"卷十 71b"},
    {u"長星", kBad, kLunarMonthDays, u"7 4 1 9 15 10 8 2,5 3,4 1 12 9", 0, u"卷九 33b"},
    {u"短星", kBad, kLunarMonthDays, u"21 19 16 25 25 20 22 18,19 16,17 14 22 25", 0, u"卷九 33b"},
    {u"百忌日", kBad, kTabooDays, u"", 0, u"卷十 72a"},

    // The days where the two 建 meet or strike (厭建), 卷四 and 卷十
    {u"陰陽大會", kBad, kMonthly, u"甲戌 乙酉 - - 丙午 丁巳 庚辰 辛卯 - - 壬子 癸亥", 0, u"卷十 48a"},
    {u"陰陽小會", kBad, kMonthly, u"- 己卯 戊辰 己巳 戊午 - - 己酉 戊戌 己亥 戊子 -", 0, u"卷十 48a"},
    {u"行狠", kBad, kMonthly, u"- - 甲申 乙未 - - - - 庚寅 辛丑 - -", 0, u"卷四 58b"},
    {u"了戾", kBad, kMonthly, u"- - 丙申 丁未 - - - - 壬寅 癸丑 - -", 0, u"卷四 58b"},
    {u"孤辰", kBad, kMonthly, u"- - 戊申庚申壬申 己未辛未癸未 - - - - 甲寅丙寅戊寅 乙丑丁丑己丑 - -", 0, u"卷四 58b"},
    {u"單陰", kBad, kMonthly, u"- - 戊辰 - - - - - - - - -", 0, u"卷四 59b"},
    {u"純陰", kBad, kMonthly, u"- - - - - - - - - 己亥 - -", 0, u"卷四 60a"},
    {u"孤陽", kBad, kMonthly, u"- - - - - - - - 戊戌 - - -", 0, u"卷四 60a"},
    {u"純陽", kBad, kMonthly, u"- - - 己巳 - - - - - - - -", 0, u"卷四 60a"},
    {u"歲薄", kBad, kMonthly, u"- - - 丙午戊午 - - - - - 壬子戊子 - -", 0, u"卷四 60b"},
    {u"逐陣", kBad, kMonthly, u"- - - - - 丙午戊午 - - - - - 壬子戊子", 0, u"卷四 61a"},
    {u"陰陽交破", kBad, kMonthly, u"- - - 癸亥 - - - - - 丁巳 - -", 0, u"卷四 61a"},
    {u"陰陽擊衝", kBad, kMonthly, u"- - - - 壬子 - - - - - 丙午 -", 0, u"卷四 61b"},
    {u"陽破陰衝", kBad, kMonthly, u"- - - - - 癸丑 - - - - - 丁未", 0, u"卷四 62a"},
    {u"陰道衝陽", kBad, kMonthly, u"- 己酉 - - - - - 己卯 - - - -", 0, u"卷四 68b"},
    {u"陰位", kBad, kMonthly, u"- - 庚辰 - - - - - 甲戌 - - -", 0, u"卷四 62b"},
    {u"三陰", kBad, kMonthly, u"辛酉 - - - - - 乙卯 - - - - -", 0, u"卷四 69a"},
    {u"陽錯", kBad, kMonthly, u"甲寅 乙卯 甲辰 丁巳己巳 - 丁未己未 庚申 辛酉 庚戌 癸亥 - 癸丑", 0, u"卷十 48b"},
    {u"陰錯", kBad, kMonthly, u"庚戌 辛酉 庚申 丁未己未 - 丁巳己巳 甲辰 乙卯 甲寅 癸丑 - 癸亥", 0, u"卷十 49a"},
    {u"陰陽俱錯", kBad, kMonthly, u"- - - - 丙午 - - - - - 壬子 -", 0, u"卷十 49a"},
    {u"絕陰", kBad, kMonthly, u"- - - 戊辰 - - - - - - - -", 0, u"卷十 49b"},
    {u"絕陽", kBad, kMonthly, u"- - - - - - - - - 戊戌 - -", 0, u"卷十 49b"},
};

}  // namespace

const std::span<const DaySpiritRow> kDaySpiritRows{kRows};

}  // namespace lunisol

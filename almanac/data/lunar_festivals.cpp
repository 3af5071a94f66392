// Lunar festivals, deity birthdays and observances of the Taiwanese folk
// calendar: key MMDD (lunar month and day), then the occasions of that day
// joined with " ，". The table is searched front to back and the first match
// wins, so its order is part of the data. "0100" stands for the eve of the
// lunar new year and is matched by the caller, not by a real date.
//
// Each person or deity stands on the days Taiwanese temples keep for them; a
// second day appears only where it is a known second observance (觀世音
// 2/19 6/19 9/19, 福德正神 頭牙 and 尾牙, 關聖帝君 飛昇 and 聖誕, …). So
// 開台聖王 is kept on 1/16, the 例祭 of the 延平郡王祠 in Tainan; 倉頡 on
// 3/28; 孔子 on 8/27, the traditional birthday from which Taiwan's Teachers'
// Day is reckoned. 天穿日 is kept on 1/20, as in Taiwan.
//
// Some days carry only one of the almanac's moral vows ("此日宜立下…的願"),
// written by us in the manner of the 春節 and 送神 rows, where no observance
// of that day is widely kept in Taiwan. They are vows, not observances, and
// kLunarVowDays at the end of this file lists them.
#include "almanac/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 120> kLunarFestivals{
    // First month
    u"0101春節 ，元始天尊萬壽 ，彌勒佛佛誕 ，此日宜立下敬信佛教的願", u"0102車公千秋 ，女兒回娘家",
    u"0103孫真人千秋 ，郝真人聖誕", u"0106清水祖師聖誕 ，定光古佛佛誕", u"0108江東神聖誕 ，五殿閻羅王千秋",
    u"0109天公生 ，玉皇上帝萬壽", u"0113關聖帝君飛昇 ，劉猛將軍千秋",
    u"0115元宵節 ，上元天官大帝聖誕 ，門神戶尉千秋 ，臨水夫人陳靖姑千秋", u"0116開台聖王祭典 ，郭府大元帥千秋",
    u"0120天穿日 ，招財童子千秋", u"0122武德尊侯沈祖公聖誕",
    u"0123此日宜立下修橋補路的願",  // vow
    u"0124雷都光耀大帝聖誕", u"0125填倉節",
    // Second month
    u"0201一殿秦廣王千秋 ，勾陳天皇大帝聖誕", u"0202頭牙 ，福德正神千秋 ，濟公活佛聖誕", u"0203文昌帝君聖誕",
    u"0208釋迦牟尼佛出家 ，三殿宋帝王千秋 ，張大帝聖誕", u"0215太上老君聖誕 ，釋迦牟尼佛涅槃 ，精忠岳王千秋",
    u"0218四殿五官王千秋", u"0219觀世音菩薩佛誕", u"0221普賢菩薩佛誕", u"0226南宮趙真君聖誕",
    // Third month
    u"0301二殿楚江王千秋", u"0303玄天上帝萬壽 ，上巳節", u"0306眼光娘娘聖誕",
    u"0307此日宜立下戒殺放生的願",  // vow
    u"0308六殿卞城王千秋", u"0315保生大帝聖誕 ，玄壇趙元帥聖誕", u"0316準提菩薩佛誕 ，中嶽大帝聖誕",
    u"0318后土娘娘聖誕", u"0319太陽星君聖誕", u"0320註生娘娘聖誕", u"0323天上聖母媽祖聖誕", u"0326鬼谷先師千秋",
    u"0327七殿泰山王千秋", u"0328東嶽大帝聖誕 ，倉頡先師聖誕",
    // Fourth month
    u"0401八殿都市王千秋", u"0404文殊菩薩佛誕", u"0408浴佛節 ，釋迦牟尼佛佛誕 ，九殿平等王千秋", u"0410何仙姑聖誕",
    u"0412蘇府王爺千秋", u"0417十殿轉輪王千秋", u"0414呂純陽祖師聖誕", u"0415鍾離帝君聖誕 ，釋迦如來得道",
    u"0418北極紫微大帝聖誕 ，華佗神醫先師千秋", u"0421李托塔天王聖誕",
    u"0424此日宜立下孝順父母的願",  // vow
    u"0425武安尊王千秋", u"0426五穀神農大帝聖誕 ，南鯤鯓李王爺千秋", u"0427南鯤鯓范王爺千秋",
    // Fifth month
    u"0501南極長生大帝聖誕", u"0505端午節 ，南天駱恩師聖誕 ，五福大帝得道", u"0507巧聖先師魯班聖誕",
    u"0511天下都城隍聖誕", u"0513關平太子千秋 ，霞海城隍聖誕", u"0517蕭府王爺千秋", u"0518張天師聖誕",
    u"0519此日宜立下節儉惜福的願",  // vow
    // Sixth month
    u"0603韋馱菩薩佛誕", u"0606天貺節 ，虎爺聖誕", u"0611田都元帥聖誕", u"0615王靈天君聖誕",
    u"0616此日宜立下愛惜五穀的願",  // vow
    u"0618南鯤鯓池王爺千秋", u"0619觀世音菩薩得道", u"0624關聖帝君聖誕 ，雷祖大帝聖誕 ，西秦王爺千秋",
    // Seventh month
    u"0707大成魁星聖誕 ，七星娘娘千秋 ，衛房聖母聖誕 ，七夕情人節", u"0713大勢至菩薩佛誕",
    u"0715中元節 ，地官大帝聖誕 ，普渡", u"0718瑤池金母聖誕", u"0719值年太歲星君聖誕", u"0721普庵祖師聖誕",
    u"0723法主公聖誕", u"0724龍樹王菩薩聖誕",
    u"0725此日宜立下布施行善的願",  // vow
    u"0730地藏王菩薩聖誕 ，關鬼門",
    // Eighth month
    u"0803司命灶君聖誕", u"0805雷聲大帝聖誕",
    u"0808此日宜立下敬老尊賢的願",  // vow
    u"0815中秋節 ，天然古佛成道 ，太陰星君聖誕 ，南宮孔恩師聖誕 ，臨水夫人林姑千秋 ，麻豆朱王爺千秋",
    u"0818此日宜立下謹言慎行的願",  // vow
    u"0822燃燈古佛佛誕 ，廣澤尊王得道", u"0823伏魔副將張大帝聖誕", u"0824灶君夫人聖誕", u"0827至聖先師孔子聖誕",
    u"0829此日宜立下誠實守信的願",  // vow
    // Ninth month
    u"0901南斗星君聖誕 ，北斗九皇降世", u"0909重陽節 ，中壇元帥聖誕 ，九天玄女聖誕 ，斗姥元君聖誕 ，天上聖母飛昇",
    u"0919觀世音菩薩出家", u"0913孟婆尊神聖誕", u"0915南鯤鯓吳王爺千秋 ，朱聖夫子聖誕",
    u"0918此日宜立下勤讀詩書的願",  // vow
    u"0928五顯華光大帝聖誕",
    u"0929此日宜立下和睦鄰里的願",  // vow
    // Tenth month
    u"1003三茅真君聖誕", u"1005達摩祖師聖誕", u"1010水仙尊王聖誕", u"1012齊天大聖聖誕", u"1015下元水官大帝聖誕",
    u"1018地母娘娘聖誕", u"1022青山靈安尊王遶境", u"1023青山靈安尊王聖誕 ，周大將軍千秋",
    u"1025此日宜立下勤儉持家的願",  // vow
    u"1027北極紫微大帝降臨",
    // Eleventh month
    u"1104此日宜立下尊師重道的願",  // vow
    u"1111太乙救苦天尊聖誕",
    u"1115此日宜立下敬惜字紙的願",  // vow
    u"1117阿彌陀佛佛誕", u"1119太陽日宮聖誕", u"1123張仙大帝聖誕",
    u"1127此日宜立下救濟貧苦的願",  // vow
    // Twelfth month
    u"1204此日宜立下清償舊債的願",  // vow
    u"1206天地倉開日", u"1208臘八節 ，釋迦如來成道", u"1216尾牙 ，南嶽大帝聖誕 ，福德正神千秋",
    u"1224送神 ，宜立小心火燭 ，寧可人害我 ，不可我害人的願", u"1225天神下降 ，玉帝巡天", u"1229華嚴菩薩聖誕",
    u"0100除夕"};

const std::array<std::u16string_view, 16> kLunarVowDays{u"0123", u"0307", u"0424", u"0519", u"0616", u"0725",
                                                        u"0808", u"0818", u"0829", u"0918", u"0929", u"1025",
                                                        u"1104", u"1115", u"1127", u"1204"};

}  // namespace lunisol

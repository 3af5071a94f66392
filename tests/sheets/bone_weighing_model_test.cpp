// Bone weighing of a birth moment: the weight index at both ends of the
// tables, the split of the verse, a known date, leap months and the dates
// that open no dialog.

#include "sheets/bone_weighing_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {
namespace {

std::string U8(std::u16string_view s) { return ToUtf8(s); }

GregorianDate Gregorian(int lunarYear, int lunarMonth, int lunarDay) {
  CalendarDate d;
  EXPECT_GT(LunarToSolar({lunarYear, lunarMonth, false, lunarDay}, d), 0);
  return d.solar;
}

TEST(BoneWeight, TheTablesSpanTwoLiangOneToSevenLiangOne) {
  int lightest = 1000, heaviest = 0;
  for (int p = 1; p <= 60; ++p)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 30; ++d)
        for (int h = 0; h < 12; ++h) {
          const int w = BoneWeightQian(p, m, d, h);
          lightest = std::min(lightest, w);
          heaviest = std::max(heaviest, w);
        }
  EXPECT_EQ(lightest, 21);
  EXPECT_EQ(heaviest, 71);
  EXPECT_EQ(BoneWeightQian(6, 5, 1, 1), 21);    // 己巳, fifth month, first day, 丑
  EXPECT_EQ(BoneWeightQian(16, 3, 18, 0), 71);  // 己卯, third month, 18th, 子
  EXPECT_EQ(BoneWeightQian(0, 1, 1, 0), -1);
  EXPECT_EQ(BoneWeightQian(1, 13, 1, 0), -1);
  EXPECT_EQ(BoneWeightQian(1, 1, 31, 0), -1);
  EXPECT_EQ(BoneWeightQian(1, 1, 1, 12), -1);
}

TEST(BoneWeighing, LightestAndHeaviestBirths) {
  // 1989 is a 己巳 year; its fifth month's first day at the 丑 hour.
  const GregorianDate light = Gregorian(1989, 5, 1);
  std::optional<BoneWeighingRecord> r = WeighBones(light.year, light.month, light.day, 1);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->totalQian, 21);
  EXPECT_EQ(r->verseIndex, 0);
  EXPECT_EQ(U8(r->weight), "二兩一");
  EXPECT_EQ(U8(r->verdict), "一生衣食奔波勞碌之命");
  EXPECT_EQ(U8(r->song), "短命非業謂大凶，平生災難事重重；\r\n凶禍頻臨陷逆境，終世困苦事不成。");

  // 1999 is 己卯: third month, 18th day, 子 hour.
  const GregorianDate heavy = Gregorian(1999, 3, 18);
  r = WeighBones(heavy.year, heavy.month, heavy.day, 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->totalQian, 71);
  EXPECT_EQ(r->verseIndex, 50);
  EXPECT_EQ(U8(r->weight), "七兩一");
  EXPECT_EQ(U8(r->verdict), "大志大業勢如破竹之命");
  EXPECT_EQ(U8(r->song), "此命生成大不同，公侯卿相在其中；\r\n一生自有逍遙福，富貴榮華極品隆。");
}

TEST(BoneWeighing, LunarNewYear2006AtTheZiHour) {
  const std::optional<BoneWeighingRecord> r = WeighBones(2006, 1, 29, 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->yearPosition, 23);
  EXPECT_EQ(r->totalQian, 33);  // 6 + 6 + 5 + 16
  EXPECT_EQ(r->verseIndex, 12);
  EXPECT_EQ(U8(r->weight), "三兩三");
  EXPECT_FALSE(r->verdict.empty());
  EXPECT_EQ(r->verdict.substr(r->verdict.size() - 2), u"之命");
  EXPECT_NE(r->song.find(u"\r\n"), std::u16string::npos);
  EXPECT_EQ(U8(r->birthLine), "農曆 2006 年 1 月 1 日 子 ( 0 ~ 1 ) 時");

  CalendarDate d;
  ASSERT_GT(SolarToLunar(2006, 1, 29, d), 0);
  EXPECT_EQ(r->mansionName, kMansionNames[static_cast<size_t>(d.mansion)]);
  EXPECT_EQ(r->description, kMansionNativityTexts[static_cast<size_t>(d.mansion)]);
  EXPECT_EQ(r->description.substr(0, 6), u"此日出生之人");
}

// Twenty-eight days in a row meet every mansion once: the description of a
// mansion whose saying is ours carries the label, the three printed ones
// (角, 胃, 軫) do not.
TEST(BoneWeighing, DescriptionSaysWhenTheSayingIsOurs) {
  std::array<bool, 28> seen{};
  for (int d = 1; d <= 28; ++d) {
    const std::optional<BoneWeighingRecord> r = WeighBones(2024, 1, d, 0);
    ASSERT_TRUE(r.has_value());
    CalendarDate date;
    ASSERT_GT(SolarToLunar(2024, 1, d, date), 0);
    const size_t m = static_cast<size_t>(date.mansion);
    seen[m] = true;
    const bool printed = m == 0 || m == 16 || m == 27;
    EXPECT_EQ(r->descriptionIsOurs, !printed) << U8(r->mansionName);
    EXPECT_EQ(U8(r->descriptionTooltip), printed ? "" : "本宿說明為本程式擬作，非傳統原文") << U8(r->mansionName);
    EXPECT_EQ(U8(r->ownWritingLine), printed ? "" : "本宿說明為本程式擬作") << U8(r->mansionName);
  }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 28);
}

TEST(BoneWeighing, VerdictsOfFiveAndSixTwoLiangEndInASingleMing) {
  // Find births weighing 5.0 and 6.2 兩 (k = 29 and 41).
  bool seen29 = false, seen41 = false;
  for (int y = 1990; y <= 2000 && !(seen29 && seen41); ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d) {
        for (int h = 0; h < 12; ++h) {
          const std::optional<BoneWeighingRecord> r = WeighBones(y, m, d, h);
          ASSERT_TRUE(r.has_value());
          if (r->verseIndex == 29 && !seen29) {
            seen29 = true;
            EXPECT_EQ(U8(r->verdict), "文武才能財穀豐富之命");
            EXPECT_EQ(U8(r->weight), "五兩");
          }
          if (r->verseIndex == 41 && !seen41) {
            seen41 = true;
            EXPECT_EQ(U8(r->verdict), "官職有權柄之命");
            EXPECT_EQ(U8(r->weight), "六兩二");
          }
        }
      }
    }
  }
  EXPECT_TRUE(seen29 && seen41);
}

TEST(BoneWeighing, LeapMonthWeighsAsTheMonthItRepeats) {
  // 23 June 2009 opens the leap fifth month of a 己丑 year.
  const std::optional<BoneWeighingRecord> r = WeighBones(2009, 6, 23, 0);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->lunar, (LunarDate{2009, 5, true, 1}));
  EXPECT_EQ(r->totalQian, 8 + 5 + 5 + 16);
  // The line says which fifth month, as the hour table does.
  EXPECT_EQ(U8(r->birthLine), "農曆 2009 年 閏 5 月 1 日 子 ( 0 ~ 1 ) 時");
  EXPECT_EQ(U8(WeighBones(2023, 3, 22, 0)->birthLine).rfind("農曆 2023 年 閏 2 月 1 日 ", 0), 0u);
  // The same lunar day of the ordinary fifth month weighs the same.
  const GregorianDate ordinary = Gregorian(2009, 5, 1);
  const std::optional<BoneWeighingRecord> o = WeighBones(ordinary.year, ordinary.month, ordinary.day, 0);
  ASSERT_TRUE(o.has_value());
  EXPECT_EQ(o->totalQian, r->totalQian);
  EXPECT_EQ(o->weight, r->weight);
  EXPECT_EQ(U8(o->birthLine), "農曆 2009 年 5 月 1 日 子 ( 0 ~ 1 ) 時");
}

TEST(BoneWeighing, RefusedDatesAndHoursOpenNothing) {
  EXPECT_FALSE(WeighBones(1898, 6, 1, 0).has_value());
  EXPECT_FALSE(WeighBones(1899, 1, 15, 0).has_value());  // before the first lunar year
  EXPECT_FALSE(WeighBones(2101, 1, 1, 0).has_value());
  EXPECT_FALSE(WeighBones(2009, 2, 29, 0).has_value());
  EXPECT_FALSE(WeighBones(2009, 13, 1, 0).has_value());
  EXPECT_FALSE(WeighBones(2009, 6, 1, 13).has_value());
  EXPECT_FALSE(WeighBones(2100, 12, 31, 12).has_value());  // its late 子 hour is on a day past the tables
  EXPECT_FALSE(WeighBones(2009, 6, 1, -1).has_value());
  EXPECT_TRUE(WeighBones(2100, 12, 31, 11).has_value());
}

TEST(BoneWeighing, HourItemsAreTheDateBarsTexts) {
  ASSERT_EQ(kHourSelectorItems.size(), 13u);
  EXPECT_EQ(U8(kHourSelectorItems[0]), "子 ( 0 ~ 1 )");
  EXPECT_EQ(U8(kHourSelectorItems[6]), "午 ( 11 ~ 13 )");
  EXPECT_EQ(U8(kHourSelectorItems[11]), "亥 ( 21 ~ 23 )");
  EXPECT_EQ(U8(kHourSelectorItems[12]), "子 ( 23 ~ 24 )");
  for (size_t h = 1; h < 12; ++h) {
    const int start = 2 * static_cast<int>(h) - 1;
    EXPECT_EQ(U8(kHourSelectorItems[h]), U8(Format(u"%s ( %d ~ %d )", {kBranchNames[h], start, start + 2}))) << h;
  }
  // Each hour's item ends up whole in the birth line.
  const std::optional<BoneWeighingRecord> r = WeighBones(2006, 1, 29, 7);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(U8(r->birthLine), "農曆 2006 年 1 月 1 日 未 ( 13 ~ 15 ) 時");
}

// The late 子 hour (23–24 h) is weighed as the 子 hour of the next day, the
// day it belongs to when the day turns at 23 h: on a month's last day it
// weighs the next month's first, on 除夕 the new year's first day (2006-01-28
// is 乙酉's 除夕; 丙戌 正月初一 at the 子 hour weighs 3.3 兩, as above). The
// line keeps the hour as the list shows it.
TEST(BoneWeighing, LateRatHourWeighsTheNextDaysRatHour) {
  struct Case {
    int y, m, d;
    int nextY, nextM, nextD;
  };
  for (const Case& k : {Case{2009, 5, 31, 2009, 6, 1}, Case{2006, 1, 28, 2006, 1, 29}}) {
    const std::optional<BoneWeighingRecord> late = WeighBones(k.y, k.m, k.d, 12);
    const std::optional<BoneWeighingRecord> next = WeighBones(k.nextY, k.nextM, k.nextD, 0);
    ASSERT_TRUE(late.has_value() && next.has_value());
    EXPECT_EQ(late->yearPosition, next->yearPosition);
    EXPECT_EQ(late->lunar, next->lunar);
    EXPECT_EQ(late->totalQian, next->totalQian);
    EXPECT_EQ(late->mansionName, next->mansionName);
    EXPECT_TRUE(U8(late->birthLine).ends_with("子 ( 23 ~ 24 ) 時")) << U8(late->birthLine);
  }
  EXPECT_EQ(WeighBones(2006, 1, 28, 12)->totalQian, 33);
  EXPECT_EQ(U8(WeighBones(2006, 1, 28, 12)->birthLine), "農曆 2006 年 1 月 1 日 子 ( 23 ~ 24 ) 時");
}

}  // namespace
}  // namespace lunisol

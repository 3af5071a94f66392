// The 宜 and 忌 of a day as 卷十's weighing and the 鋪註條例 decide them, for
// the activities the rules speak of: 祭祀 and its kin, 嫁娶 and its kin, the
// burials, the trades. Each test walks the days of four decades, picks the
// days the rule speaks of by their spirits, and checks the verdicts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>

#include "calendar/convert.h"
#include "calendar/text.h"
#include "days/day_facts.h"
#include "days/day_lists.h"
#include "days/rule_book.h"

namespace lunisol {
namespace {

enum class Verdict { kYi, kJi, kNone };

SpiritId Spirit(std::u16string_view name) { return *SpiritByName(name); }
ActivityId Activity(std::u16string_view name) { return *ActivityByName(name); }

bool Has(const DayLists& d, std::u16string_view name) {
  const SpiritId id = Spirit(name);
  return d.goodSpirits.Has(id) || d.badSpirits.Has(id);
}

bool HasAny(const DayLists& d, std::initializer_list<std::u16string_view> names) {
  for (std::u16string_view n : names)
    if (Has(d, n)) return true;
  return false;
}

const ActivityVerdict* Find(const DayLists& d, std::u16string_view activity, bool ji) {
  const ActivityId a = Activity(activity);
  const auto& items = ji ? d.ji : d.yi;
  for (int i = 0; i < (ji ? d.jiCount : d.yiCount); ++i)
    if (items[static_cast<size_t>(i)].activity == a) return &items[static_cast<size_t>(i)];
  return nullptr;
}

Verdict Of(const DayLists& d, std::u16string_view activity) {
  if (Find(d, activity, true)) return Verdict::kJi;
  if (Find(d, activity, false)) return Verdict::kYi;
  return Verdict::kNone;
}

SpiritSet Because(const DayLists& d, std::u16string_view activity) {
  const ActivityVerdict* v = Find(d, activity, true);
  return v ? v->because : SpiritSet{};
}

std::string Date(const DayLists& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

// Four decades: every month of the section terms and every pillar many times.
void ForEachDay(const std::function<void(const DayLists&)>& f) {
  DayLists d;
  for (int y = 1990; y <= 2029; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int day = 1; day <= DaysInSolarMonth(y, m); ++day) {
        EvaluateDayLists(y, m, day, d);
        f(d);
      }
}

bool FreeDay(const DayLists& d) { return (Rules().freeDays[static_cast<size_t>(d.monthBranch)] >> d.dayCycle) & 1; }

TEST(Verdicts, SeveranceDaysForbidAllButTheQuietActivities) {
  int days = 0;
  ForEachDay([&](const DayLists& d) {
    if (!HasAny(d, {u"上朔", u"四離", u"四絕"}) || FreeDay(d)) return;
    ++days;
    EXPECT_TRUE(d.restBad) << Date(d);
    for (std::u16string_view quiet : {u"祭祀", u"沐浴", u"掃舍宇", u"伐木"})
      for (std::u16string_view s : {u"上朔", u"四離", u"四絕"})
        EXPECT_FALSE(Because(d, quiet).Has(Spirit(s))) << Date(d);
    EXPECT_EQ(Of(d, u"嫁娶"), Verdict::kJi) << Date(d);
    EXPECT_EQ(Of(d, u"開市"), Verdict::kJi) << Date(d);
  });
  EXPECT_GT(days, 300);
}

TEST(Verdicts, UnnotedDaysNoteOnlyTheirFewActivities) {
  int days = 0;
  auto noneYi = [&](const DayLists& d, std::initializer_list<std::u16string_view> activities) {
    ++days;
    for (std::u16string_view a : activities) EXPECT_NE(Of(d, a), Verdict::kYi) << Date(d) << " " << ToUtf8(a);
  };
  ForEachDay([&](const DayLists& d) {
    if (Has(d, u"晦日")) noneYi(d, {u"嫁娶", u"出行", u"開市", u"安葬"});
    if (Has(d, u"月忌日")) noneYi(d, {u"嫁娶", u"移徙", u"修造動土"});
    if (HasAny(d, {u"春分", u"夏至", u"秋分", u"冬至"})) noneYi(d, {u"嫁娶", u"會親友", u"開市", u"捕捉"});
    if (Has(d, u"冬至")) noneYi(d, {u"伐木"});
  });
  EXPECT_GT(days, 1000);
}

// 療目 針刺 go with 療病, 鼓鑄 苫蓋 with 修造; 遠迴 and 乘船渡水 are never
// noted 宜 (卷十一 26a).
TEST(Verdicts, ActivitiesWithoutDaysOfTheirOwnGoWithTheirKin) {
  int shared = 0;
  ForEachDay([&](const DayLists& d) {
    for (auto [a, as] :
         {std::pair{u"療目", u"求醫療病"}, {u"針刺", u"求醫療病"}, {u"鼓鑄", u"修造動土"}, {u"苫蓋", u"修造動土"}}) {
      if (Of(d, as) == Verdict::kYi && Of(d, a) != Verdict::kJi) {
        ++shared;
        ASSERT_EQ(Of(d, a), Verdict::kYi) << Date(d);
        EXPECT_EQ(Find(d, a, false)->because, Find(d, as, false)->because);
      } else {
        EXPECT_NE(Of(d, a), Verdict::kYi) << Date(d) << " " << ToUtf8(a);
      }
    }
    EXPECT_NE(Of(d, u"遠迴"), Verdict::kYi);
    EXPECT_NE(Of(d, u"乘船渡水"), Verdict::kYi);
  });
  EXPECT_GT(shared, 3000);
}

// 凡天狗寅日忌祭祀不註宜求福祈嗣 (卷十 74a).
TEST(Verdicts, DogAndTigerDaysForbidSacrificeAndWithholdPrayers) {
  int days = 0;
  ForEachDay([&](const DayLists& d) {
    const bool tiger = d.dayCycle % 12 == 2;
    if (!Has(d, u"天狗") && !tiger) return;
    ++days;
    EXPECT_EQ(Of(d, u"祭祀"), Verdict::kJi) << Date(d);
    EXPECT_NE(Of(d, u"祈福"), Verdict::kYi) << Date(d);
    EXPECT_NE(Of(d, u"求嗣"), Verdict::kYi) << Date(d);
  });
  EXPECT_GT(days, 1000);
}

// Burials: 開日 notes neither 宜 nor 忌 for 破土 安葬 啓攢; 四忌 四窮 forbid 安葬
// whatever the day's good spirits and keep 鳴吠 from marking 破土 啓攢; 復日
// 重日 forbid them unless 德合 赦 or 六合 meet them, and then note no 宜 either.
TEST(Verdicts, BurialRulesOfTheOpenAndTheRepeatedDays) {
  int open = 0, ends = 0, repeatLifted = 0;
  ForEachDay([&](const DayLists& d) {
    for (std::u16string_view a : {u"破土", u"安葬", u"啓攢"}) {
      if (d.officer == 10) {
        ++open;
        EXPECT_NE(Of(d, a), Verdict::kYi) << Date(d);
        EXPECT_FALSE(Because(d, a).Has(OfficerSpirit(10))) << Date(d);
      }
      if (HasAny(d, {u"復日", u"重日"})) {
        EXPECT_NE(Of(d, a), Verdict::kYi) << Date(d);
        // (歲薄, 逐陣 and the 錯 days of the 未 month take nothing from 德, 卷十 48b–49a.)
        const bool noVirtue = HasAny(d, {u"歲薄", u"逐陣"}) || (d.monthBranch == 7 && HasAny(d, {u"陽錯", u"陰錯"}));
        if (HasAny(d, {u"天德", u"月德", u"天德合", u"月德合", u"天赦", u"六合"}) && !noVirtue) {
          ++repeatLifted;
          EXPECT_FALSE(Because(d, a).Has(Spirit(u"復日")) || Because(d, a).Has(Spirit(u"重日"))) << Date(d);
        }
      }
    }
    // 惟正月乙亥與天願併止忌軍事 (卷十 59a).
    const bool spared = Has(d, u"天願") && d.monthBranch == 2;
    if (HasAny(d, {u"四忌", u"四窮"}) && !d.allBad && !FreeDay(d) && !spared) {
      ++ends;
      EXPECT_EQ(Of(d, u"安葬"), Verdict::kJi) << Date(d);
      EXPECT_NE(Of(d, u"破土"), Verdict::kYi) << Date(d);
      EXPECT_NE(Of(d, u"啓攢"), Verdict::kYi) << Date(d);
    }
  });
  EXPECT_GT(open, 1000);
  EXPECT_GT(ends, 100);
  EXPECT_GT(repeatLifted, 100);
}

// 月厭 on the 滿 day of a 巳 or 亥 month with 天德, 月德 or 月德合: where its 忌
// meets a 宜 neither is noted (卷十 47b), and the kin of a cancelled 嫁娶 or
// 安葬 are spared their 忌 unless a firm spirit forbids them (卷十 75a, 76b).
TEST(Verdicts, CancelledActivitiesAndTheirKin) {
  int days = 0;
  const SpiritSet firm = Rules().firm;
  ForEachDay([&](const DayLists& d) {
    if (!Has(d, u"月厭") || d.officer != 2 || (d.monthBranch != 5 && d.monthBranch != 11)) return;
    if (!HasAny(d, {u"天德", u"月德", u"月德合"}) || d.allBad) return;
    ++days;
    EXPECT_NE(Of(d, u"嫁娶"), Verdict::kYi) << Date(d);
    if (Of(d, u"嫁娶") == Verdict::kJi) {
      EXPECT_TRUE(firm.Contains(Because(d, u"嫁娶"))) << Date(d);  // only 亥日 四忌 四窮 八專 and the like
      return;
    }
    for (std::u16string_view kin : {u"冠帶", u"結婚姻", u"納采問名", u"進人口", u"移徙", u"安牀", u"啓攢"}) {
      if (Of(d, kin) != Verdict::kJi) continue;
      EXPECT_TRUE(firm.Contains(Because(d, kin))) << Date(d) << " " << ToUtf8(kin);
    }
  });
  EXPECT_GT(days, 10);
}

// 遇亥日…而仍註忌嫁娶者止註所忌之事其不忌者仍不註忌 (卷十 75a): on a 亥 day
// that is the 閉 of the 子 month with 王日 and 月德合, 閉日's 忌 and the 宜
// cancel; 嫁娶 stays 忌 by the 亥 day alone and its kin are spared.
TEST(Verdicts, MarriageForbiddenOnlyByTheHaiDayStillSparesItsKin) {
  int days = 0;
  SpiritSet haiDay;
  haiDay.Add(Spirit(u"百忌日"));
  ForEachDay([&](const DayLists& d) {
    if (d.monthBranch != 0 || d.officer != 11 || !Has(d, u"月德合") || d.allBad || d.restBad) return;
    if (Because(d, u"嫁娶") != haiDay) return;  // another spirit forbidding it ends the rule
    ++days;
    EXPECT_NE(Of(d, u"安牀"), Verdict::kJi) << Date(d);  // forbidden by 閉日 alone, with no 宜 of its own
  });
  EXPECT_GT(days, 5);
}

// Firm for the whole book, or on this day by a row that says 猶忌 (死氣 with
// 月厭 in 辰戌 months, 小耗 with 劫煞 …).
bool FirmOnDay(SpiritId s, const DayLists& d, const SpiritSet& on) {
  if (Rules().firm.Has(s)) return true;
  for (const CompiledWeighRow& row : Rules().weighRows[static_cast<size_t>(s)])
    if (row.weighing == Weighing::kUsualFirm && ((row.months >> d.monthBranch) & 1) && on.Contains(row.with))
      return true;
  return false;
}

// Every "凡吉凶相抵不註忌A亦不註忌B" of the 鋪註條例 (卷十 74b–76b): where A is
// neither 宜 nor 忌 although spirits of the day make it 宜, its 宜 and 忌
// cancelled, and B is 忌 only by firm spirits (or, for 開倉庫 出貨財, by
// spirits that forbid them but not the trades).
TEST(Verdicts, EveryCancelledSourceSparesItsKin) {
  const RuleBook& rb = Rules();
  std::array<int, 32> spared{};
  ForEachDay([&](const DayLists& d) {
    // Days whose rules keep a 宜 from being noted for other reasons.
    if (d.allBad || d.restBad || FreeDay(d) ||
        HasAny(d, {u"晦日", u"月忌日", u"無祿", u"春分", u"夏至", u"秋分", u"冬至", u"歲薄", u"逐陣", u"開日", u"四忌",
                   u"四窮", u"復日", u"重日", u"天狗"}))
      return;
    SpiritSet on = d.goodSpirits | d.badSpirits;
    on.Add(OfficerSpirit(d.officer));
    for (size_t k = 0; k < rb.links.size(); ++k) {
      const CompiledLink& link = rb.links[k];
      bool cancelled = false;
      ForEachActivity(link.sources, [&](ActivityId a) {
        const bool suited = (rb.yiBy[static_cast<size_t>(a)] & on & ~link.notBy).Count() > 0;
        cancelled = cancelled || (suited && Of(d, ActivityName(a)) == Verdict::kNone);
      });
      if (!cancelled) continue;
      ++spared[k];
      ForEachActivity(link.targets, [&](ActivityId t) {
        Because(d, ActivityName(t)).ForEach([&](SpiritId s) {
          const bool specific = link.keepSpecific && !(rb.spirits[static_cast<size_t>(s)].ji & link.sources);
          EXPECT_TRUE(FirmOnDay(s, d, on) || specific)
              << Date(d) << " " << ToUtf8(ActivityName(t)) << " " << ToUtf8(SpiritName(s));
        });
      });
    }
  });
  for (size_t k = 0; k < rb.links.size(); ++k) EXPECT_GT(spared[k], 0) << "link " << k;
}

// 凡德合赦願月恩四相時德等日不註忌進人口…開市…: a minor spirit alone does not
// forbid the trades on such a day (卷十 74a).
TEST(Verdicts, GoodDaysLiftMinorSpiritsFromTheTrades) {
  int lifted = 0;
  const SpiritSet minor = [] {
    SpiritSet s;
    for (std::u16string_view n : {u"五墓", u"九空", u"四耗", u"小耗"}) s.Add(Spirit(n));
    return s;
  }();
  const int trade = static_cast<int>(Activity(u"開市"));
  ForEachDay([&](const DayLists& d) {
    if (!HasAny(d, {u"月恩", u"四相", u"時德", u"天願"}) || d.allBad || d.restBad || HasAny(d, {u"歲薄", u"逐陣"}))
      return;
    SpiritSet forbidders, on = d.goodSpirits | d.badSpirits;
    on.Add(OfficerSpirit(d.officer));
    on.ForEach([&](SpiritId s) {
      if ((Rules().spirits[static_cast<size_t>(s)].ji >> trade) & 1) forbidders.Add(s);
    });
    if (forbidders.Empty() || !minor.Contains(forbidders)) return;
    ++lifted;
    EXPECT_NE(Of(d, u"開市"), Verdict::kJi) << Date(d);
  });
  EXPECT_GT(lifted, 50);
}

// 諸事皆忌: 月煞 on a 閉 day of a 寅申巳亥 month unless 德合 meet it (卷十 42a).
TEST(Verdicts, AllBadDaysForbidEverythingWithTheirReasons) {
  int bad = 0, lifted = 0;
  ForEachDay([&](const DayLists& d) {
    if (d.allBad) {
      EXPECT_EQ(d.jiCount, kActivityCount) << Date(d);
      EXPECT_EQ(d.yiCount, 0) << Date(d);
      EXPECT_FALSE(d.allBadBecause.Empty()) << Date(d);
    }
    if (!Has(d, u"月煞") || d.officer != 11 || d.monthBranch % 3 != 2) return;
    if (HasAny(d, {u"天德", u"月德", u"天德合", u"月德合"})) {
      ++lifted;
      EXPECT_TRUE(!d.allBad || !d.allBadBecause.Has(Spirit(u"月煞"))) << Date(d);
    } else if (!FreeDay(d)) {
      ++bad;
      EXPECT_TRUE(d.allBad) << Date(d);
      EXPECT_TRUE(d.allBadBecause.Has(Spirit(u"月煞")) && d.allBadBecause.Has(OfficerSpirit(11))) << Date(d);
    }
  });
  EXPECT_GT(bad, 100);
  EXPECT_GT(lifted, 10);
}

// 德合與赦願所會之辰諸事不忌 (卷十 77a), and 歲薄 逐陣 keep from 宜 whatever
// 月厭 forbids, their 德 and 願 counting for nothing (卷十 77a, 48b).
TEST(Verdicts, FreeDaysAndThePressingDays) {
  int free = 0, pressing = 0;
  const ActivityMask yanForbids = Rules().spirits[static_cast<size_t>(Spirit(u"月厭"))].ji;
  ForEachDay([&](const DayLists& d) {
    if (FreeDay(d)) {
      ++free;
      EXPECT_EQ(d.jiCount, 0) << Date(d);
    }
    if (!HasAny(d, {u"歲薄", u"逐陣"})) return;
    ++pressing;
    for (int i = 0; i < d.yiCount; ++i) {
      const ActivityVerdict& v = d.yi[static_cast<size_t>(i)];
      EXPECT_FALSE((yanForbids >> static_cast<int>(v.activity)) & 1) << Date(d);
      for (std::u16string_view s : {u"天德", u"月德", u"天德合", u"月德合", u"天赦", u"天願"})
        EXPECT_FALSE(v.because.Has(Spirit(s))) << Date(d);
    }
  });
  EXPECT_GT(free, 20);
  EXPECT_GT(pressing, 20);
}

// 月建 with 德合, 天赦, 月恩 or 四相 forbids only building, 伐木, 栽種 and 破土
// (卷十 27b); where 月厭 or 月刑 shares its day, they decide.
TEST(Verdicts, MonthBuildWithVirtueForbidsOnlyBuilding) {
  int days = 0;
  ForEachDay([&](const DayLists& d) {
    if (d.officer != 0 || !HasAny(d, {u"天德", u"月德", u"天德合", u"月德合", u"天赦", u"月恩", u"四相"})) return;
    if (HasAny(d, {u"月厭", u"月刑", u"陽錯"}) || d.allBad || FreeDay(d)) return;
    ++days;
    for (std::u16string_view a : {u"祈福", u"結婚姻", u"解除", u"安葬"})
      EXPECT_FALSE(Because(d, a).Has(Spirit(u"月建"))) << Date(d) << " " << ToUtf8(a);
    EXPECT_EQ(Of(d, u"修造動土"), Verdict::kJi) << Date(d);
  });
  EXPECT_GT(days, 200);
}

// 無祿日 (卷十 67a–68a): a day whose stem's 祿 falls in its 旬空 notes 宜
// only for 祭祀 解除 沐浴 剃頭 整手足甲 掃舍宇 修飾垣牆 平治道塗 破屋壞垣 伐木;
// it does not count where 天德 or 月德 meets it, where the year, the month or
// the sun's palace fills the 祿, where the day's stem is the year's 歲德合
// with 月德合 or its 歲德 with 天德合, or where year, month and day share the
// stem; 癸亥 counts whatever meets it. The expectation is worked out from
// those words, not from the table.
TEST(Verdicts, NoEmolumentDaysNoteOnlyTheirFewActivities) {
  constexpr std::array<int, 10> kEmolument{2, 3, 5, 6,  5,
                                           6, 8, 9, 11, 0};  // 祿 of 甲 … 癸: 寅 卯 巳 午 巳 午 申 酉 亥 子
  auto sunPalace = [](const DayFacts& f) {
    // 中氣 2k+1 (大寒 雨水 …) brings the sun to the palace 子, 亥, 戌 …
    for (int k = 11; k >= 0; --k)
      if (InTermWindow(f, 2 * k + 1, (2 * k + 3) % 24)) return (12 - k) % 12;
    return -1;
  };
  const std::u16string_view allowed[] = {u"祭祀",   u"解除",     u"沐浴",     u"剃頭",     u"整手足甲",
                                         u"掃舍宇", u"修飾垣牆", u"平治道塗", u"破屋壞垣", u"伐木"};
  int counted = 0, relieved = 0, hai = 0;
  ForEachDay([&](const DayLists& d) {
    const int stem = d.dayCycle % 10, branch = d.dayCycle % 12;
    const int voidStart = (branch - stem + 10) % 12;  // 旬空: the two branches after the decade's last day
    if (kEmolument[static_cast<size_t>(stem)] != voidStart &&
        kEmolument[static_cast<size_t>(stem)] != (voidStart + 1) % 12)
      return;
    DayFacts f;
    ASSERT_TRUE(ComputeDayFacts(d.year, d.month, d.day, f));
    const int lu = kEmolument[static_cast<size_t>(stem)];
    const int yearVirtue = f.sectionYearStem % 2 == 0 ? f.sectionYearStem : (f.sectionYearStem + 5) % 10;  // 歲德
    const int monthStem = (f.sectionYearStem % 5 * 2 + 2 + (d.monthBranch + 10) % 12) % 10;  // 甲己之年丙作首
    const bool filled = f.sectionYearBranch == lu || d.monthBranch == lu || sunPalace(f) == lu;
    const bool met = HasAny(d, {u"天德", u"月德"}) || (stem == (yearVirtue + 5) % 10 && Has(d, u"月德合")) ||
                     (stem == yearVirtue && Has(d, u"天德合")) || (f.sectionYearStem == stem && monthStem == stem);
    const bool lapsed = d.dayCycle == 59 || !(filled || met);
    EXPECT_EQ(Has(d, u"無祿"), lapsed) << Date(d);
    ++counted;
    relieved += lapsed ? 0 : 1;
    hai += d.dayCycle == 59 && HasAny(d, {u"天德", u"月德"}) ? 1 : 0;
    if (!lapsed || d.allBad || FreeDay(d)) return;
    EXPECT_TRUE(d.yiLimited) << Date(d);
    for (int i = 0; i < d.yiCount; ++i) {
      const std::u16string_view name = ActivityName(d.yi[static_cast<size_t>(i)].activity);
      EXPECT_NE(std::find(std::begin(allowed), std::end(allowed), name), std::end(allowed)) << Date(d) << ToUtf8(name);
    }
  });
  EXPECT_GT(counted, 2000);
  EXPECT_GT(relieved, 500);
  EXPECT_GT(hai, 5);
}

// 凡德合赦願月恩四相時德等日不註忌進人口安牀經絡醞釀開市立券交易納財開倉庫
// 出貨財 (卷十 74a) holds where the day's strong spirits are weighed 吉凶相抵:
// the 閉 day of a 辰戌丑未 month with 官日 and 天吏 meeting 德合赦願 (卷十 37b,
// 54b) notes those activities 忌 only for the spirits the 德 do not lift.
TEST(Verdicts, GoodDaysLiftTheTradesWhereStrongSpiritsCancel) {
  int days = 0, noted = 0;
  ForEachDay([&](const DayLists& d) {
    if (d.officer != 11 || d.monthBranch % 3 != 1 || !HasAny(d, {u"官日"}) || !Has(d, u"天吏") ||
        !HasAny(d, {u"天德", u"月德", u"天德合", u"月德合", u"天赦", u"天願"}) || d.allBad || d.restBad)
      return;
    // (四廢 歲薄 逐陣 keep 天吏 weighed as usual, and the last two take the 德 away, 卷十 76b, 48b.)
    if (HasAny(d, {u"四廢", u"歲薄", u"逐陣"}) || (d.monthBranch == 7 && HasAny(d, {u"陽錯", u"陰錯"}))) return;
    ++days;
    for (std::u16string_view a : {u"進人口", u"安牀", u"開市", u"立券", u"交易", u"納財", u"開倉庫", u"出貨財"}) {
      const SpiritSet why = Because(d, a);
      EXPECT_FALSE(why.Has(OfficerSpirit(11)) || why.Has(Spirit(u"天吏"))) << Date(d) << ToUtf8(a);
      noted += Of(d, a) == Verdict::kYi ? 1 : 0;
    }
  });
  EXPECT_GT(days, 20);
  EXPECT_GT(noted, 20);
}

// 三合 (卷十 15a): on a 子午卯酉 day it suits what 王日 suits, on a 寅申巳亥 day
// what 母倉 suits, on a 辰戌丑未 day only its own activities.
TEST(Verdicts, TripleHarmonySuitsWhatItsPlaceSuits) {
  int king = 0, granary = 0;
  ForEachDay([&](const DayLists& d) {
    if (!Has(d, u"三合")) return;
    const int branch = d.dayCycle % 12;
    for (std::u16string_view a : {u"出行", u"上官赴任", u"栽種", u"牧養"}) {
      const ActivityVerdict* v = Find(d, a, false);
      const bool byHarmony = v && v->because.Has(Spirit(u"三合"));
      const bool kingsOwn = a == u"出行" || a == u"上官赴任";
      const bool want = kingsOwn ? branch % 3 == 0 : branch % 3 == 2;  // 子午卯酉, 寅申巳亥
      if (v) EXPECT_EQ(byHarmony, want) << Date(d) << ToUtf8(a);
      if (byHarmony && v->because.Count() == 1) ++(kingsOwn ? king : granary);
    }
  });
  EXPECT_GT(king, 20);     // days on which 三合 alone makes 出行 or 上官赴任 宜
  EXPECT_GT(granary, 20);  // and 栽種 or 牧養
}

}  // namespace
}  // namespace lunisol

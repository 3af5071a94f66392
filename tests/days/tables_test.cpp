// The shape of the rule tables: every row cites the book, names are written
// in Traditional characters and resolve, and the lists of a day give reasons
// that are spirits of that day.
#include "days/data/tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calendar/convert.h"
#include "calendar/text.h"
#include "days/day_lists.h"
#include "days/rule_book.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

// "卷四 2a", "卷十一 16b": a juan the reference holds (三 to 十一), a leaf and side.
bool IsCitation(std::u16string_view cite) {
  const size_t blank = cite.find(u' ');
  if (blank == std::u16string_view::npos) return false;
  const std::u16string_view juan = cite.substr(0, blank), leaf = cite.substr(blank + 1);
  bool knownJuan = false;
  for (std::u16string_view j : {u"卷三", u"卷四", u"卷五", u"卷六", u"卷七", u"卷八", u"卷九", u"卷十", u"卷十一"})
    knownJuan = knownJuan || juan == j;
  if (!knownJuan || leaf.size() < 2 || leaf.size() > 3 || leaf[0] < u'1' || leaf[0] > u'9') return false;
  if (leaf.size() == 3 && (leaf[1] < u'0' || leaf[1] > u'9')) return false;
  return leaf.back() == u'a' || leaf.back() == u'b';
}

TEST(Tables, CitationsAreJuanAndLeaf) {
  EXPECT_TRUE(IsCitation(u"卷四 2a"));
  EXPECT_TRUE(IsCitation(u"卷十一 16b"));
  EXPECT_FALSE(IsCitation(u"卷十二 3a"));
  EXPECT_FALSE(IsCitation(u"卷四 2"));
  EXPECT_FALSE(IsCitation(u"卷四 02a"));
  EXPECT_FALSE(IsCitation(u"卷四"));
}

TEST(Tables, EveryRowNamesItsSourceAndResolves) {
  EXPECT_TRUE(Rules().errors.empty()) << ToUtf8(Rules().errors.empty() ? u"" : Rules().errors.front());
  for (const DaySpiritRow& r : kDaySpiritRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.name);
  for (const ActivityRow& r : kActivityRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.name);
  for (const WeighRow& r : kWeighRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.spirit);
  for (const DayRuleRow& r : kDayRuleRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.spirits);
  for (const CancelLinkRow& r : kCancelLinkRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.sources);
  for (const ConditionalYiRow& r : kConditionalYiRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.activity);
  for (const SpiritHoldRow& r : kSpiritHoldRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.spirit);
  for (const TabooDayRow& r : kTabooDayRows) EXPECT_TRUE(IsCitation(r.cite));
  for (const BodySpiritRow& r : kBodySpiritRows) EXPECT_TRUE(IsCitation(r.cite));
  for (const FreeDayRow& r : kFreeDayRows) EXPECT_TRUE(IsCitation(r.cite));
  for (const SharedYiRow& r : kSharedYiRows) EXPECT_TRUE(IsCitation(r.cite));
  for (const SpiritReliefRow& r : kSpiritReliefRows) EXPECT_TRUE(IsCitation(r.cite)) << ToUtf8(r.pillars);
  for (const SpiritYiShareRow& r : kSpiritYiShareRows) EXPECT_TRUE(IsCitation(r.cite));
}

TEST(Tables, NamesAreDistinctAndTraditional) {
  std::set<std::u16string_view> spirits, activities;
  for (const DaySpiritRow& r : kDaySpiritRows) {
    EXPECT_TRUE(spirits.insert(r.name).second) << ToUtf8(r.name);
    text_checks::ExpectTraditional(r.name, "spirit");
  }
  ASSERT_EQ(kActivityRows.size(), static_cast<size_t>(kActivityCount));
  for (const ActivityRow& r : kActivityRows) {
    EXPECT_TRUE(activities.insert(r.name).second) << ToUtf8(r.name);
    text_checks::ExpectTraditional(r.name, "activity");
  }
  // Variant and Japanese forms the transcription has and the program must not.
  for (const DaySpiritRow& r : kDaySpiritRows)
    for (char16_t c : std::u16string_view(u"徳隂絶刼徃嵗虚䕶禄"))
      EXPECT_EQ(r.name.find(c), std::u16string_view::npos) << ToUtf8(r.name);
  for (const ActivityRow& r : kActivityRows)
    for (char16_t c : std::u16string_view(u"産壊劵墻"))
      EXPECT_EQ(r.name.find(c), std::u16string_view::npos) << ToUtf8(r.name);
}

// The stem and branch days and the body spirit's days are named in the lists
// of exactly the activities their tables forbid.
TEST(Tables, DayTablesAgreeWithTheActivityLists) {
  const RuleBook& rb = Rules();
  ActivityMask taboo = 0, body = 0;
  for (ActivityMask m : rb.tabooByStem) taboo |= m;
  for (ActivityMask m : rb.tabooByBranch) taboo |= m;
  for (ActivityMask m : rb.bodySpiritByLunarDay) body |= m;
  EXPECT_EQ(taboo, rb.spirits[static_cast<size_t>(rb.tabooSpirit)].ji);
  EXPECT_EQ(body, rb.spirits[static_cast<size_t>(rb.bodySpirit)].ji);
}

TEST(Tables, ParsesEntriesOfStemsBranchesAndPillars) {
  EXPECT_EQ(PillarsOfEntry(u"甲子"), PillarMask{1});
  EXPECT_EQ(PillarsOfEntry(u"-"), PillarMask{0});
  EXPECT_EQ(PillarsOfEntry(u"子"),
            PillarMask{1} | PillarMask{1} << 12 | PillarMask{1} << 24 | PillarMask{1} << 36 | PillarMask{1} << 48);
  EXPECT_EQ(std::popcount(PillarsOfEntry(u"甲")), 6);
  EXPECT_EQ(std::popcount(PillarsOfEntry(u"丙丁")), 12);
  EXPECT_EQ(PillarsOfEntry(u"甲丑"), ~PillarMask{0});  // no such pillar
  EXPECT_EQ(MonthsOf(u"寅申"), (1u << 2) | (1u << 8));
}

// Every reason names a spirit listed for that day, or the day's officer.
TEST(Tables, ReasonsAreSpiritsOfTheDay) {
  DayLists d;
  int reasons = 0;
  for (int m = 1; m <= 12; ++m)
    for (int day = 1; day <= DaysInSolarMonth(2026, m); ++day) {
      ASSERT_TRUE(EvaluateDayLists(2026, m, day, d));
      SpiritSet listed = d.goodSpirits | d.badSpirits;
      listed.Add(OfficerSpirit(d.officer));
      for (int i = 0; i < d.yiCount; ++i) {
        EXPECT_FALSE(d.yi[static_cast<size_t>(i)].because.Empty());
        EXPECT_TRUE(listed.Contains(d.yi[static_cast<size_t>(i)].because)) << m << "-" << day;
        reasons += d.yi[static_cast<size_t>(i)].because.Count();
      }
      for (int i = 0; i < d.jiCount; ++i) {
        EXPECT_FALSE(d.ji[static_cast<size_t>(i)].because.Empty());
        EXPECT_TRUE(listed.Contains(d.ji[static_cast<size_t>(i)].because)) << m << "-" << day;
        reasons += d.ji[static_cast<size_t>(i)].because.Count();
      }
      EXPECT_TRUE(listed.Contains(d.allBadBecause));
    }
  EXPECT_GT(reasons, 365 * 20);
}

TEST(Tables, DatesOutsideTheRangeGiveNoRecord) {
  EXPECT_FALSE(EvaluateDayLists(1899, 12, 31).valid);
  EXPECT_FALSE(EvaluateDayLists(2101, 1, 1).valid);
  EXPECT_FALSE(EvaluateDayLists(2009, 2, 29).valid);
  EXPECT_TRUE(EvaluateDayLists(1900, 1, 1).valid);
  EXPECT_TRUE(EvaluateDayLists(2100, 12, 31).valid);
}

}  // namespace
}  // namespace lunisol

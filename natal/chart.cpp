#include "natal/chart.h"

#include "calendar/convert.h"
#include "calendar/hour_entries.h"
#include "calendar/tables.h"
#include "natal/placement.h"
#include "natal/rules.h"

namespace lunisol {

namespace {

using StarBranches = std::array<int8_t, kStarCount>;

// The facts of a birth that the placement rules read.
struct Basis {
  int yearStem, yearBranch;
  int month, day, hour;  // chart month, lunar day, hour branch
  int soul, body;        // branches of 命宮 and 身宮
  int bureau;
  bool yangYear, forward, male;
};

template <typename T>
size_t At(T i) {
  return static_cast<size_t>(i);
}

void Put(StarBranches& at, Star s, int branch) { at[Index(s)] = static_cast<int8_t>(Mod12(branch)); }

const Bureau& BureauRow(int number) { return kBureaus[At(number - 2)]; }

void PlaceMajorStars(const Basis& b, StarBranches& at) {
  const int ziWei = ZiWeiBranch(b.bureau, b.day);
  for (const SeriesStep& s : kZiWeiSeries) Put(at, s.star, ziWei + s.offset);
  const int tianFu = TianFuBranch(ziWei);
  for (const SeriesStep& s : kTianFuSeries) Put(at, s.star, tianFu + s.offset);
}

void PlaceTableStars(const Basis& b, StarBranches& at) {
  for (const TwelveKeyRow& r : kMonthStars) Put(at, r.star, r.branch[At(b.month - 1)]);
  for (const TwelveKeyRow& r : kHourStars) Put(at, r.star, r.branch[At(b.hour)]);
  for (const StemRow& r : kYearStemStars) Put(at, r.star, r.branch[At(b.yearStem)]);
  for (const TwelveKeyRow& r : kYearBranchStars) Put(at, r.star, r.branch[At(b.yearBranch)]);
  Put(at, Star::kHuoXing, kFireStarStarts[At(b.yearBranch)] + b.hour);
  Put(at, Star::kLingXing, kBellStarStarts[At(b.yearBranch)] + b.hour);
}

// Of each void's two palaces, the one whose branch has the year stem's
// polarity carries the void and the other its 副 star.
void PlaceVoids(const Basis& b, StarBranches& at) {
  const VoidPair& cut = kCutRoadVoids[At(b.yearStem % 5)];
  const VoidPair& decade = kDecadeVoids[At(Mod12(b.yearStem - b.yearBranch) / 2)];
  Put(at, Star::kJieKong, b.yangYear ? cut.yangBranch : cut.yinBranch);
  Put(at, Star::kFuJie, b.yangYear ? cut.yinBranch : cut.yangBranch);
  Put(at, Star::kXunKong, b.yangYear ? decade.yangBranch : decade.yinBranch);
  Put(at, Star::kFuXun, b.yangYear ? decade.yinBranch : decade.yangBranch);
}

// Runs after the stars the counts start from are placed.
void PlaceCountedStars(const Basis& b, StarBranches& at) {
  for (const CountedStar& c : kCountedStars) {
    const int start = c.from == CountFrom::kStar         ? at[Index(c.anchor)]
                      : c.from == CountFrom::kSoulPalace ? b.soul
                                                         : b.body;
    const int count = c.by == CountBy::kLunarDay ? b.day - 1 : b.yearBranch;
    Put(at, c.star, start + c.step * count + c.adjust);
  }
  for (const FixedPalaceStar& f : kFixedPalaceStars) Put(at, f.star, b.soul - f.palace);
}

StarBranches PlaceStars(const Basis& b) {
  StarBranches at{};
  PlaceMajorStars(b, at);
  PlaceTableStars(b, at);
  PlaceVoids(b, at);
  PlaceCountedStars(b, at);
  return at;
}

PlacedStar Placed(Star s, int branch, const std::array<Star, 4>& transformed) {
  PlacedStar p{s, Brightness::kNone, Mutagen::kNone};
  if (KindOf(s) == StarKind::kMajor) p.brightness = kMajorStarBrightness[Index(s)][At(branch)];
  for (size_t k = 0; k < transformed.size(); ++k)
    if (transformed[k] == s) p.mutagen = static_cast<Mutagen>(k + 1);
  return p;
}

void FillStars(const Basis& b, const StarBranches& at, NatalChart& c) {
  const std::array<Star, 4>& transformed = kFourTransformations[At(b.yearStem)];
  for (int i = 0; i < kStarCount; ++i) {
    const Star s = static_cast<Star>(i);
    const int branch = at[At(i)];
    ChartPalace& p = c.palaces[At(c.palaceAtBranch[At(branch)])];
    const PlacedStar placed = Placed(s, branch, transformed);
    switch (KindOf(s)) {
      case StarKind::kMajor:
        p.majorStars.push_back(placed);
        break;
      case StarKind::kMinor:
        p.minorStars.push_back(placed);
        break;
      case StarKind::kOther:
        p.otherStars.push_back(placed);
        break;
    }
  }
}

// Stems, the four rings of twelve spirits, 大限, 小限 and 來因宮 of each palace.
void LayPalaces(const Basis& b, int luCunBranch, NatalChart& c) {
  const int changshengStart = BureauRow(b.bureau).changshengBranch;
  const int minorStart = kMinorLimitStarts[At(b.yearBranch)];
  const int minorStep = kMinorLimitSteps[b.male ? 0 : 1];
  for (int role = 0; role < 12; ++role) {
    ChartPalace& p = c.palaces[At(role)];
    p.branch = Mod12(b.soul - role);
    p.stem = PalaceStem(b.yearStem, p.branch);
    p.isBodyPalace = p.branch == b.body;
    p.changsheng = b.forward ? Mod12(p.branch - changshengStart) : Mod12(changshengStart - p.branch);
    p.boshi = b.forward ? Mod12(p.branch - luCunBranch) : Mod12(luCunBranch - p.branch);
    const int decade = b.forward ? Mod12(-role) : role;
    p.decadalFrom = b.bureau + 10 * decade;
    p.decadalTo = p.decadalFrom + 9;
    p.minorLimitAge = Mod12((p.branch - minorStart) * minorStep) + 1;
    p.jiangqian = JiangqianAt(b.yearBranch, p.branch);
    p.suiqian = SuiqianAt(b.yearBranch, p.branch);
    p.isOriginalPalace = p.branch == OriginalPalaceBranch(b.yearStem);
    c.palaceAtBranch[At(p.branch)] = role;
    if (p.isBodyPalace) c.bodyPalace = role;
  }
}

// Where each palace's stem sends its four transformations.
void FlyStems(NatalChart& c) {
  for (ChartPalace& p : c.palaces) {
    const std::array<Star, 4>& transformed = kFourTransformations[At(p.stem)];
    for (size_t k = 0; k < transformed.size(); ++k)
      p.flights[k] = {transformed[k], c.starBranch[Index(transformed[k])]};
  }
}

Basis MakeBasis(const NatalChart& c) {
  Basis b{};
  b.yearStem = c.yearStem;
  b.yearBranch = c.yearBranch;
  b.month = c.chartMonth;
  b.day = c.lunarDay;
  b.hour = c.chartHour;
  b.soul = SoulPalaceBranch(b.month, b.hour);
  b.body = BodyPalaceBranch(b.month, b.hour);
  b.bureau = BureauOf(PalaceStem(b.yearStem, b.soul), b.soul);
  b.yangYear = c.yearStem % 2 == 0;
  b.male = c.birth.sex == Sex::kMale;
  b.forward = RunsForward(b.yangYear, b.male);
  return b;
}

}  // namespace

bool IsCalendarDate(const SolarDate& d) {
  return d.year >= kFirstTermYear && d.year <= kLastTermYear && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= DaysInSolarMonth(d.year, d.month);
}

std::optional<NatalChart> ComputeChart(const Birth& birth) {
  const std::optional<HourMoment> moment = HourMomentOf(birth.year, birth.month, birth.day, birth.hour);
  if (!moment || !IsCalendarDate({birth.year, birth.month, birth.day}) ||
      !IsCalendarDate({moment->year, moment->month, moment->day}) ||
      (birth.sex != Sex::kMale && birth.sex != Sex::kFemale))
    return std::nullopt;
  CalendarDate lunar;
  const int position = SolarToLunar(moment->year, moment->month, moment->day, lunar);
  if (position <= 0) return std::nullopt;
  NatalChart c;
  c.birth = birth;
  c.chartDate = {moment->year, moment->month, moment->day};
  c.chartHour = moment->branch;
  c.lunarYear = lunar.lunar.year;
  c.lunarMonth = SignedMonth(lunar.lunar);
  c.lunarDay = lunar.lunar.day;
  c.chartMonth = ChartMonth(c.lunarMonth, c.lunarDay);
  c.yearStem = (position - 1) % 10;
  c.yearBranch = (position - 1) % 12;
  const int monthBranch = Mod12(2 + c.chartMonth - 1);
  const int dayStem = Index(lunar.dayPillar.stem()), dayBranch = Index(lunar.dayPillar.branch());
  c.pillars = {ChartPillar{c.yearStem, c.yearBranch}, ChartPillar{PalaceStem(c.yearStem, monthBranch), monthBranch},
               ChartPillar{dayStem, dayBranch}, ChartPillar{(kRatStems[At(dayStem)] + c.chartHour) % 10, c.chartHour}};
  const Basis b = MakeBasis(c);
  c.yangYear = b.yangYear;
  c.forward = b.forward;
  c.soulBranch = b.soul;
  c.bodyBranch = b.body;
  c.bureau = b.bureau;
  c.soulStar = kSoulMasters[At(b.soul)];
  c.bodyStar = kBodyMasters[At(b.yearBranch)];
  c.starBranch = PlaceStars(b);
  LayPalaces(b, c.starBranch[Index(Star::kLuCun)], c);
  FillStars(b, c.starBranch, c);
  FlyStems(c);
  return c;
}

std::array<int, 10> MinorLimitAges(const ChartPalace& palace) {
  std::array<int, 10> ages{};
  for (size_t k = 0; k < ages.size(); ++k) ages[k] = palace.minorLimitAge + 12 * static_cast<int>(k);
  return ages;
}

std::array<bool, 4> SelfTransformations(const ChartPalace& palace) {
  std::array<bool, 4> self{};
  for (size_t k = 0; k < self.size(); ++k) self[k] = palace.flights[k].toBranch == palace.branch;
  return self;
}

std::u16string_view BureauName(int bureau) {
  if (bureau < 2 || bureau > 6) return {};
  return BureauRow(bureau).name;
}

std::u16string_view PolaritySexName(bool yangYear, Sex sex) {
  static constexpr std::array<std::u16string_view, 4> kNames{u"陽男", u"陰男", u"陽女", u"陰女"};
  return kNames[(sex == Sex::kFemale ? 2 : 0) + (yangYear ? 0 : 1)];
}

}  // namespace lunisol

#include "sheets/zodiac_fortune_model.h"

#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {

namespace {

using namespace colours;

constexpr int kGroupX[4] = {318, 213, 107, 2};  // template statics, dialog units
constexpr int kLineY[5] = {2, 12, 22, 32, 41};
constexpr int kMonthlyBase[4] = {833, 622, 410, 199};  // left edge of slot 0, pixels

// Animal-name colours by tab and group.
constexpr Colour kAnimalColours[3][4] = {{kBlack, kSheetOlive, kGreen, kGreen},
                                         {kSheetOlive, kMaroon, kMaroon, kSheetOlive},
                                         {kGrey, kGrey, kSheetOlive, kBlack}};

FortuneLine Line(int group, int line, std::u16string_view text) {
  FortuneLine l;
  l.id = 1207 + 5 * group + line;
  l.x = kGroupX[group];
  l.y = kLineY[line];
  l.text = std::u16string(text);
  l.leftAligned = line == 2;
  return l;
}

}  // namespace

int fortuneRow(int yearBranch, int animalBranch) { return ((yearBranch - animalBranch) % 12 + 12) % 12 + 1; }

std::u16string YearBranchFromLunarTitle(std::u16string_view lunarTitle) {
  const size_t at = lunarTitle.find(u"年");
  std::u16string_view head = at == std::u16string_view::npos ? lunarTitle : lunarTitle.substr(0, at);
  head = head.size() > 4 ? head.substr(4) : std::u16string_view();
  return std::u16string(TrimTrailingBlanks(head));
}

int YearBranchNumber(std::u16string_view branch) {
  for (size_t b = 0; b < kBranchNames.size(); ++b)
    if (branch == kBranchNames[b]) return static_cast<int>(b) + 1;
  return 0;
}

MonthlyColumnSet MakeMonthlyColumnSet(int group) {
  MonthlyColumnSet set;
  const int base = kMonthlyBase[group < 0 || group > 3 ? 0 : group];
  for (int k = 0; k < 15; ++k) {
    SheetLabel& s = set.columns[static_cast<size_t>(k)];
    s.rect = {base - 14 * k, 104, base - 14 * k + 14, 618};
    s.colour = k <= 2 ? kNavy : kBlack;
  }
  if (group == 0 || group == 1) set.columns[0].rect.right = set.columns[0].rect.left + 12;
  if (group == 3) set.columns[14].rect = {4, 104, 17, 618};
  set.columns[2].text = u"每月運勢 ：";
  return set;
}

void ShowMonthlyFortune(int row, MonthlyColumnSet& set) {
  if (row < 1 || row > 12) return;
  const auto& texts = kZodiacFortuneTable[static_cast<size_t>(row - 1)];
  for (size_t column = 4; column < 18; ++column) {
    // Columns 4 and 5 go to slots 0 and 1; the months skip the heading slot.
    SheetLabel& slot = set.columns[column < 6 ? column - 4 : column - 3];
    std::u16string text(texts[column]);
    if (!text.empty()) {
      const char16_t last = text.back();
      if (last == u'0' || last == u'1' || last == u'2') {
        slot.colour = last == u'0' ? kGreen : last == u'1' ? kMaroon : kSheetOlive;
        text.pop_back();
      }
    }
    slot.text = std::move(text);
  }
}

ZodiacFortuneSheet OpenZodiacFortune(std::u16string_view yearBranch, std::u16string_view yearSelectorText) {
  ZodiacFortuneSheet sheet;
  sheet.tabCaptions = {u" 兔虎牛鼠 ", u" 羊馬蛇龍 ", u" 豬狗雞猴"};
  for (int g = 0; g < 4; ++g) {
    ZodiacGroup& group = sheet.groups[static_cast<size_t>(g)];
    group.animal = Line(g, 0, u"鼠");
    group.title = Line(g, 1, u"制病符");
    group.ages = Line(g, 2, u"01, 13, 25, 37, 49, 61, 73, 85");
    group.lucky = Line(g, 3, u"吉星 : 太陽");
    group.unlucky = Line(g, 4, u"凶星 : 天空，劫煞");
    group.monthly = MakeMonthlyColumnSet(g);
  }
  sheet.yearBranchNumber = YearBranchNumber(yearBranch);
  FillZodiacTab(sheet, 0);
  sheet.caption = Format(u" %s 年 12 生 肖 流 年 運 勢", {yearSelectorText});
  for (ZodiacGroup& group : sheet.groups) {
    group.unlucky.colour = kGreen;
    group.lucky.colour = kMaroon;
  }
  return sheet;
}

void FillZodiacTab(ZodiacFortuneSheet& sheet, int tab) {
  if (tab < 0 || tab > 2) return;
  sheet.selectedTab = tab;
  for (int g = 0; g < 4; ++g) {
    ZodiacGroup& group = sheet.groups[static_cast<size_t>(g)];
    group.title.colour = kOlive;
    group.animal.colour = kAnimalColours[tab][g];
    // Without a year branch there is no row to show; the lines keep their texts.
    if (sheet.yearBranchNumber < 1 || sheet.yearBranchNumber > 12) continue;
    const int animal = 4 * tab + g;
    const int row = fortuneRow(sheet.yearBranchNumber - 1, animal);
    const auto& texts = kZodiacFortuneTable[static_cast<size_t>(row - 1)];
    group.row = row;
    group.animal.text = std::u16string(kZodiacAnimals[static_cast<size_t>(animal)]);
    group.title.text = std::u16string(texts[0]);
    group.ages.text = std::u16string(texts[1]);
    group.lucky.text = std::u16string(texts[2]);
    group.unlucky.text = std::u16string(texts[3]);
    ShowMonthlyFortune(row, group.monthly);
  }
}

}  // namespace lunisol

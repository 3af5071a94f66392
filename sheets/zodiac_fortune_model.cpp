#include "sheets/zodiac_fortune_model.h"

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {

namespace {

using namespace colours;

// Animal-name colours by tab and group.
constexpr Colour kAnimalColours[3][4] = {{kBlack, kSheetOlive, kGreen, kGreen},
                                         {kSheetOlive, kMaroon, kMaroon, kSheetOlive},
                                         {kGrey, kGrey, kSheetOlive, kBlack}};

SheetLabel Label(std::u16string_view text) { return SheetLabel{std::u16string(text), kBlack, {}}; }

// The lunar year the day belongs to, as the yearly notes read it: after a
// new year inside the month its first days still belong to the old year.
// Its cycle place (1..60, 0 for a date that does not convert) and number.
struct FortuneYear {
  int position = 0;
  int number = 0;
};
FortuneYear FortuneYearOf(int year, int month, int day) {
  CalendarDate date;
  const int position = SolarToLunar(year, month, day, date);
  return position > 0 ? FortuneYear{position, date.lunar.year} : FortuneYear{0, year};
}

int BranchNumber(const FortuneYear& y) { return y.position > 0 ? (y.position - 1) % 12 + 1 : 0; }

}  // namespace

int fortuneRow(int yearBranch, int animalBranch) { return ((yearBranch - animalBranch) % 12 + 12) % 12 + 1; }

int FortuneYearBranch(int year, int month, int day) { return BranchNumber(FortuneYearOf(year, month, day)); }

MonthlyColumnSet MakeMonthlyColumnSet() {
  MonthlyColumnSet set;
  for (size_t k = 0; k < set.columns.size(); ++k) set.columns[k].colour = k <= 2 ? kNavy : kBlack;
  set.columns[2].text = u"每月運勢 ：";
  return set;
}

std::array<const SheetLabel*, 20> ZodiacGroup::Cells() const {
  std::array<const SheetLabel*, 20> all{&animal, &title, &ages, &lucky, &unlucky};
  for (size_t k = 0; k < monthly.columns.size(); ++k) all[5 + k] = &monthly.columns[k];
  return all;
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

ZodiacFortuneSheet OpenZodiacFortune(int year, int month, int day) {
  ZodiacFortuneSheet sheet;
  sheet.tabCaptions = {u" 兔虎牛鼠 ", u" 羊馬蛇龍 ", u" 豬狗雞猴"};
  for (ZodiacGroup& group : sheet.groups) {
    group.animal = Label(u"鼠");
    group.title = Label(u"制病符");
    group.ages = Label(u"01, 13, 25, 37, 49, 61, 73, 85");
    group.lucky = Label(u"吉星 : 太陽");
    group.unlucky = Label(u"凶星 : 天空，劫煞");
    group.monthly = MakeMonthlyColumnSet();
  }
  const FortuneYear fortuneYear = FortuneYearOf(year, month, day);
  sheet.yearBranchNumber = BranchNumber(fortuneYear);
  FillZodiacTab(sheet, 0);
  // The caption names the lunar year whose fortunes the sheet tells.
  sheet.caption = Format(u" %d 年 12 生 肖 流 年 運 勢", {fortuneYear.number});
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
    group.animal.text = std::u16string(Animal(BranchAt(animal)));
    group.title.text = std::u16string(texts[0]);
    group.ages.text = std::u16string(texts[1]);
    group.lucky.text = std::u16string(texts[2]);
    group.unlucky.text = std::u16string(texts[3]);
    ShowMonthlyFortune(row, group.monthly);
  }
}

}  // namespace lunisol

#include "natal/placement.h"

#include <string>

#include "calendar/names.h"
#include "natal/rules.h"

namespace lunisol {

int ChartMonth(int lunarMonth, int lunarDay) {
  if (lunarMonth > 0) return lunarMonth;
  const int repeated = -lunarMonth;
  return lunarDay <= 15 ? repeated : repeated % 12 + 1;
}

int PalaceStem(int yearStem, int branch) {
  const int tiger = kTigerStems[static_cast<size_t>(yearStem)];
  return (tiger + Mod12(branch - 2)) % 10;
}

int OriginalPalaceBranch(int yearStem) {
  const int tiger = kTigerStems[static_cast<size_t>(yearStem)];
  return 2 + (yearStem - tiger + 10) % 10;
}

int JiangqianAt(int yearBranch, int branch) {
  return Mod12(branch - kGeneralStarStarts[static_cast<size_t>(yearBranch)]);
}

int BureauOf(int stem, int branch) {
  if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || !Pairs(StemAt(stem), BranchAt(branch))) return 0;
  const std::u16string_view element = Name(NayinElement(Pillar(StemAt(stem), BranchAt(branch))));
  for (const Bureau& b : kBureaus)
    if (element[0] == b.element) return b.number;
  return 0;
}

int ZiWeiBranch(int bureau, int lunarDay) {
  const int borrowed = (bureau - lunarDay % bureau) % bureau;
  const int quotient = (lunarDay + borrowed) / bureau;
  const int counted = Mod12(2 + quotient - 1);
  return Mod12(borrowed % 2 == 1 ? counted - borrowed : counted + borrowed);
}

}  // namespace lunisol

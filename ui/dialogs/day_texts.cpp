#include "ui/dialogs/day_texts.h"

#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

QString SpiritNames(const SpiritSet& spirits, const QString& separator) {
  QString text;
  spirits.ForEach([&](SpiritId s) {
    if (!text.isEmpty()) text += separator;
    text += ToQString(SpiritName(s));
  });
  return text;
}

QString ActivityNames(const std::array<ActivityVerdict, kActivityCount>& items, int count) {
  QString text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += u'、';
    text += ToQString(ActivityName(items[static_cast<size_t>(i)].activity));
  }
  return text;
}

QString SpiritKindText(SpiritId spirit) {
  switch (SpiritKindOf(spirit)) {
    case SpiritKind::kGood:
      return QStringLiteral("吉神");
    case SpiritKind::kBad:
      return QStringLiteral("凶煞");
    case SpiritKind::kOfficerDay:
      break;
  }
  return QStringLiteral("建除");
}

QString SpiritReasonLines(const SpiritSet& spirits) {
  QStringList lines;
  spirits.ForEach([&](SpiritId s) {
    lines << QStringLiteral("%1（%2，%3）")
                 .arg(ToQString(SpiritName(s)), SpiritKindText(s), ToQString(SpiritCitation(s)));
  });
  return lines.join(u'\n');
}

QString DayGodText(int god, bool yellowPath) {
  return ToQString(kDayGodNames[static_cast<size_t>(god)]) +
         (yellowPath ? QStringLiteral("（黃道）") : QStringLiteral("（黑道）"));
}

QString DayAdviceTip(const DayLists& day) {
  if (!day.valid) return {};
  if (day.allBad) return QStringLiteral("諸事不宜");
  auto line = [](const QString& head, const QString& list) {
    return head + (list.isEmpty() ? QStringLiteral("無") : list);
  };
  const QString ji = day.restBad && day.jiCount > 0 ? QStringLiteral("餘事勿取") : ActivityNames(day.ji, day.jiCount);
  return line(QStringLiteral("宜："), ActivityNames(day.yi, day.yiCount)) + u'\n' + line(QStringLiteral("忌："), ji);
}

std::array<QString, kDayColumns> DayAdviceTips(const MonthAlmanac& month, int year, int monthNumber) {
  std::array<QString, kDayColumns> tips;
  DayLists lists;
  for (size_t e = 0; e < tips.size(); ++e) {
    const MonthColumn& column = month.columns[e];
    if (column.kind != ColumnKind::kDay || !column.visible) continue;
    if (EvaluateDayLists(year, monthNumber, column.day, lists)) tips[e] = DayAdviceTip(lists);
  }
  return tips;
}

}  // namespace lunisol::ui

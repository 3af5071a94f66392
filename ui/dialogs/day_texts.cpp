#include "ui/dialogs/day_texts.h"

#include <QStringList>

#include "days/data/almanac_tables.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

namespace {

QString Q(std::u16string_view text) { return ToQString(text); }

// How an almanac word comes by its verdict, for its tip.
QString WordBasisText(int word) {
  const AlmanacWordRow& r = kAlmanacWordRows[static_cast<size_t>(word)];
  const QString activity = Q(r.activity), cite = Q(r.cite);
  switch (r.basis) {
    case WordBasis::kSameName:
      return QStringLiteral("即書中「%1」，%2").arg(activity, cite);
    case WordBasis::kBookSays:
      return QStringLiteral("書中「%1」，%2").arg(activity, cite);
    case WordBasis::kNamePart:
      return QStringLiteral("書中「%1」之一，%2").arg(activity, cite);
    case WordBasis::kSourceNames:
      return QStringLiteral("即書中「%1」，%2").arg(activity, cite);
    case WordBasis::kSourceRule:
      return QStringLiteral("與書中「%1」同一宜忌，%2").arg(activity, cite);
    case WordBasis::kGloss:
      return QStringLiteral("依詞義當書中「%1」，本程式所定，%2").arg(activity, cite);
    case WordBasis::kOwnRule:
      break;
  }
  return QStringLiteral("依通書之例，%1").arg(cite);
}

}  // namespace

QString SpiritNames(const SpiritSet& spirits, const QString& separator) {
  QString text;
  spirits.ForEach([&](SpiritId s) {
    if (!text.isEmpty()) text += separator;
    text += Q(SpiritName(s));
  });
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
    lines << QStringLiteral("%1（%2，%3）").arg(Q(SpiritName(s)), SpiritKindText(s), Q(SpiritCitation(s)));
  });
  return lines.join(u'\n');
}

QString DayGodText(int god, bool yellowPath) {
  return Q(kDayGodNames[static_cast<size_t>(god)]) +
         (yellowPath ? QStringLiteral("（黃道）") : QStringLiteral("（黑道）"));
}

QString MarkNames(const AlmanacList& list) {
  QStringList names;
  for (int m = 0; m < FolkMarkCount(); ++m)
    if ((list.marks >> m) & 1) names << Q(FolkMarkName(m));
  return names.join(u'　');
}

QString ItemReasonsShort(const AlmanacItem& item) {
  QStringList parts;
  if (!item.spirits.Empty()) parts << SpiritNames(item.spirits, QStringLiteral(" "));
  for (int i = 0; i < item.folkCount; ++i) {
    const FolkReason& r = item.folk[static_cast<size_t>(i)];
    // A rule's own spirits already stand for it.
    if (r.kind == FolkRuleKind::kWordRule && !item.spirits.Empty()) continue;
    const QString name = r.kind == FolkRuleKind::kDongGong ? QStringLiteral("董公")
                         : r.kind == FolkRuleKind::kMark   ? Q(FolkMarkName(r.row))
                                                           : QStringLiteral("通書");
    if (!parts.contains(name)) parts << name;
  }
  return parts.join(u' ');
}

QString AlmanacItemTip(bool ji, const AlmanacItem& item) {
  QStringList lines{(ji ? QStringLiteral("忌：") : QStringLiteral("宜：")) + Q(AlmanacWordName(item.word)) + u'（' +
                    WordBasisText(item.word) + u'）'};
  if (!item.spirits.Empty()) lines << SpiritReasonLines(item.spirits);
  for (int i = 0; i < item.folkCount; ++i) {
    const FolkReason& r = item.folk[static_cast<size_t>(i)];
    lines << Q(FolkReasonText(r)) + u'（' + Q(FolkReasonCitation(r)) + u'）';
  }
  return lines.join(u'\n');
}

QString AllBadReasonsShort(const DayLists& day, const AlmanacList& list) {
  if (day.allBad) return SpiritNames(day.allBadBecause, QStringLiteral(" "));
  return MarkNames(list).replace(u'　', u' ');
}

QString AllBadTip(const DayLists& day, const AlmanacList& list) {
  QString tip = QStringLiteral("忌：諸事不宜\n");
  if (day.allBad) return tip + SpiritReasonLines(day.allBadBecause);
  QStringList lines;
  for (int m = 0; m < FolkMarkCount(); ++m)
    if (((list.marks >> m) & 1) && kFolkMarkRows[static_cast<size_t>(m)].effect == MarkEffect::kAllBad)
      lines << Q(FolkMarkName(m)) + u'（' + Q(FolkMarkCitation(m)) + u'）';
  return tip + lines.join(u'\n');
}

QString DayAdviceTip(const AlmanacList& list) {
  auto words = [](const auto& items, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) names << Q(AlmanacWordName(items[static_cast<size_t>(i)].word));
    return names;
  };
  QStringList lines;
  if (const QString marks = MarkNames(list); !marks.isEmpty()) lines << marks;
  if (list.allBad && list.yiCount == 0) return (lines << QStringLiteral("諸事不宜")).join(u'\n');
  QStringList yi = words(list.yi, list.yiCount);
  if (list.restBad) yi << QStringLiteral("餘事勿取");
  const QStringList ji = list.allBad ? QStringList{QStringLiteral("諸事不宜")} : words(list.ji, list.jiCount);
  lines << QStringLiteral("宜：") + (yi.isEmpty() ? QStringLiteral("無") : yi.join(u'、'));
  lines << QStringLiteral("忌：") + (ji.isEmpty() ? QStringLiteral("無") : ji.join(u'、'));
  return lines.join(u'\n');
}

std::array<QString, kDayColumns> DayAdviceTips(const MonthAlmanac& month, int year, int monthNumber) {
  std::array<QString, kDayColumns> tips;
  DayLists lists;
  AlmanacList almanac;
  for (size_t e = 0; e < tips.size(); ++e) {
    const MonthColumn& column = month.columns[e];
    if (column.kind != ColumnKind::kDay || !column.visible) continue;
    if (!EvaluateDayLists(year, monthNumber, column.day, lists)) continue;
    BuildAlmanacList(lists, almanac);
    tips[e] = DayAdviceTip(almanac);
  }
  return tips;
}

}  // namespace lunisol::ui

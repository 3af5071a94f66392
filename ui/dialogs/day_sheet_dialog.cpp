#include "ui/dialogs/day_sheet_dialog.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "almanac/lunar_date_names.h"
#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/tables.h"
#include "days/day_finder.h"
#include "sheets/tables.h"
#include "ui/dialogs/day_texts.h"
#include "ui/dialogs/dialog_fit.h"
#include "ui/dialogs/sheet_cells.h"
#include "ui/page/page_export.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {
namespace {

using namespace colours;

// The sheet's colours: the almanac's maroon for what is good, navy for what
// is bad, green for the labels on their pale ground.
const QColor kGoodColour = ToQColor(kMaroon);
const QColor kBadColour = ToQColor(kNavy);
const QColor kLabelColour = ToQColor(kGreen);
const QColor kQuietColour = ToQColor(kDarkGrey);
const QColor kLabelGround(247, 236, 222);
const QColor kHeadGround(253, 242, 236);
const QColor kRuleColour(190, 150, 140);
constexpr int kButtonBarHeight = 44;

QString Q(std::u16string_view text) { return ToQString(text); }

// What a spirit decided on the day: "因之而宜：祭祀", "因之而忌：取魚".
QString DecidedBy(const DayLists& lists, SpiritId spirit) {
  QString text;
  auto decided = [&](const std::array<ActivityVerdict, kActivityCount>& items, int count, const QString& head) {
    QStringList names;
    for (int i = 0; i < count; ++i)
      if (items[static_cast<size_t>(i)].because.Has(spirit))
        names << Q(ActivityName(items[static_cast<size_t>(i)].activity));
    if (!names.isEmpty()) text += u'\n' + head + names.join(u'、');
  };
  decided(lists.yi, lists.yiCount, QStringLiteral("因之而宜："));
  if (!lists.allBad) decided(lists.ji, lists.jiCount, QStringLiteral("因之而忌："));
  if (lists.allBad && lists.allBadBecause.Has(spirit)) text += QStringLiteral("\n因之而諸事不宜");
  return text;
}

QString SpiritTip(const DayLists& lists, SpiritId spirit) {
  SpiritSet one;
  one.Add(spirit);
  return SpiritReasonLines(one) + DecidedBy(lists, spirit);
}

// "宜：結婚姻（卷十一 13a）" and the reasons, one a line.
QString ItemTip(bool ji, const ActivityVerdict& v) {
  return (ji ? QStringLiteral("忌：") : QStringLiteral("宜：")) + Q(ActivityName(v.activity)) + u'（' +
         Q(ActivityCitation(v.activity)) + u'）' + u'\n' + SpiritReasonLines(v.because);
}

QString GregorianLine(const DaySheetFacts& f) {
  return QStringLiteral("國曆 %1 年 %2 月 %3 日　星期%4")
      .arg(f.lists.year)
      .arg(f.lists.month)
      .arg(f.lists.day)
      .arg(Q(kWeekdayNames[static_cast<size_t>(f.weekday)]));
}

QString LunarLine(const DaySheetFacts& f) {
  return QStringLiteral("農曆 %1年 %2　%3日")
      .arg(Q(Name(Pillar(f.lunarYearCycle))),
           Q(LunarDateName(LunarDateFromSigned(f.lists.lunarYear, f.lists.lunarMonth, f.lists.lunarDay))),
           Q(Name(Pillar(f.lists.dayCycle))));
}

// What a fixed place of the sheet says in a view, and in which colour.
std::pair<QString, QColor> PlaceText(DayPlace place, const DaySheetFacts& f, DaySheetView view) {
  const bool almanac = view == DaySheetView::kAlmanac;
  const DayLists& d = f.lists;
  switch (place) {
    case DayPlace::kGregorianLine:
      return {GregorianLine(f), kBadColour};
    case DayPlace::kLunarLine:
      return {LunarLine(f), kGoodColour};
    case DayPlace::kGodLabel:
      return {QStringLiteral("值神"), kLabelColour};
    case DayPlace::kGod:
      return {DayGodText(d.dayGod, d.yellowPath), d.yellowPath ? kGoodColour : kBadColour};
    case DayPlace::kOfficerLabel:
      return {QStringLiteral("建除"), kLabelColour};
    case DayPlace::kOfficer:
      return {Q(SpiritName(OfficerSpirit(d.officer))), ToQColor(OfficerColour(OfficerAt(d.officer)))};
    case DayPlace::kGoodLabel:
      return {QStringLiteral("吉神"), kGoodColour};
    case DayPlace::kBadLabel:
      return {QStringLiteral("凶煞"), kBadColour};
    case DayPlace::kYiLabel:
      return {QStringLiteral("宜"), kGoodColour};
    case DayPlace::kJiLabel:
      return {QStringLiteral("忌"), kBadColour};
    case DayPlace::kClashLabel:
      return {QStringLiteral("沖煞"), kLabelColour};
    case DayPlace::kClash:
      return {Q(f.clash.text) + QStringLiteral("　") + Q(f.yearSha.text), ToQColor(f.clash.colour)};
    case DayPlace::kTabooLabel:
      return {QStringLiteral("彭祖百忌"), kLabelColour};
    case DayPlace::kTaboo:
      return {Q(f.stemTaboo) + QStringLiteral("　") + Q(f.branchTaboo), Qt::black};
    case DayPlace::kMarksLabel:
      return {almanac && f.almanac.marks != 0 ? QStringLiteral("凶日") : QString(), kLabelColour};
    case DayPlace::kMarks:
      return {almanac ? MarkNames(f.almanac) : QString(), kBadColour};
    case DayPlace::kRuleSet:
      return {almanac ? QStringLiteral("宜忌依《%1》鋪註，用語、標記與所增之忌依農民曆、《董公選擇日要覽》與通書")
                            .arg(Q(kDayRuleSetName))
                      : QStringLiteral("依《%1》鋪註（書中全表）").arg(Q(kDayRuleSetName)),
              kQuietColour};
  }
  return {};
}

}  // namespace

std::optional<DaySheetFacts> DaySheetFactsOf(int year, int month, int day) {
  DaySheetFacts f;
  CalendarDate date;
  const int yearNumber = SolarToLunar(year, month, day, date);
  if (yearNumber < 1 || !EvaluateDayLists(year, month, day, f.lists)) return std::nullopt;
  BuildAlmanacList(f.lists, f.almanac);
  f.weekday = date.weekday;
  f.lunarYearCycle = yearNumber - 1;
  f.clash = ClashText(date.dayPillar, Pillar(f.lunarYearCycle));
  f.yearSha = YearShaText(date.dayPillar.branch());
  f.stemTaboo = kStemTaboos[static_cast<size_t>(Index(date.dayPillar.stem()))];
  f.branchTaboo = kBranchTaboos[static_cast<size_t>(Index(date.dayPillar.branch()))];
  return f;
}

DaySheetDialog::DaySheetDialog(const DaySheetFacts& facts, QWidget* parent) : QDialog(parent) {
  const DayLists& d = facts.lists;
  for (const DaySheetView which : {DaySheetView::kAlmanac, DaySheetView::kBook}) buildView(which, facts);
  // The dialog keeps one size, that of the taller view, so switching views
  // never makes the window jump, and zoom and the fit to the screen see
  // both views at once.
  const QSize sheets = ToQSize(views_[0].bands.size()).expandedTo(ToQSize(views_[1].bands.size()));
  SetUpSheetDialog(*this, sheets + QSize(0, kButtonBarHeight),
                   QStringLiteral("日課　%1 年 %2 月 %3 日").arg(d.year).arg(d.month).arg(d.day),
                   QStringLiteral(":/icons/day.svg"));
  addButtons(sheets.height());
  showView(DaySheetView::kAlmanac);
}

void DaySheetDialog::buildView(DaySheetView which, const DaySheetFacts& facts) {
  View& v = views_[static_cast<size_t>(which)];
  const DayLists& d = facts.lists;
  const AlmanacList& a = facts.almanac;
  // An empty list keeps a row for the word that says so; 諸事不宜 stands
  // for the whole 忌 list; 餘事勿取 follows the 宜 items.
  const bool almanac = which == DaySheetView::kAlmanac;
  const int yiCount = almanac ? a.yiCount : d.yiCount, jiCount = almanac ? a.jiCount : d.jiCount;
  const bool allBad = almanac ? a.allBad : d.allBad, restBad = almanac ? a.restBad : d.restBad;
  const int yiShown = std::max(1, yiCount) + (restBad && yiCount > 0 ? 1 : 0);
  const int jiShown = allBad ? 1 : std::max(1, jiCount);
  v.bands = DaySheetBandsFor(d.goodSpirits.Count(), d.badSpirits.Count(), yiShown, jiShown);
  v.sheet = new CellSheet(this);
  v.sheet->setBackground(kSheetDialogBackground);
  const QString face = QString::fromLatin1(kPageFace);
  std::vector<PageFont> fonts;
  for (size_t i = 0; i < kDayFontCells.size(); ++i)
    fonts.push_back(MakePageFont(face, kDayFontCells[i], static_cast<DayFont>(i) == DayFont::kLarge));
  v.sheet->setFonts(fonts);
  v.sheet->setGeometry(QRect(QPoint(0, 0), ToQSize(v.bands.size())));
  v.sheet->installEventFilter(this);
  addFrames(v);
  addPlaces(v, which, facts);
  addSpirits(v, d);
  if (almanac)
    addAlmanacLists(v, facts);
  else
    addBookLists(v, d);
}

void DaySheetDialog::showView(DaySheetView which) {
  view_ = which;
  for (const View& v : views_) v.sheet->setVisible(&v == &shown());
  viewButton_->setChecked(which == DaySheetView::kBook);
}

void DaySheetDialog::addFrames(View& v) {
  std::vector<SheetFrame> frames;
  frames.push_back({ToQRect(v.bands.bandRect(DayBand::kHead)), Edge::kEtched, kRuleColour, kHeadGround});
  for (DayBand band : {DayBand::kSpirits, DayBand::kYi, DayBand::kJi, DayBand::kFoot}) {
    frames.push_back({ToQRect(v.bands.labelRect(band)), Edge::kEtched, kRuleColour, kLabelGround});
    frames.push_back({ToQRect(v.bands.bandRect(band)), Edge::kEtched, kRuleColour, {}});
  }
  v.sheet->setFrames(std::move(frames));
}

void DaySheetDialog::addPlaces(View& v, DaySheetView which, const DaySheetFacts& f) {
  for (const DayPlaceRow& entry : kDaySheetPlaces) {
    const auto [shown, colour] = PlaceText(entry.place, f, which);
    Cell c;
    c.rect = ToQRect(v.bands.place(entry.place));
    c.text = shown;
    c.colour = colour;
    c.font = static_cast<int>(entry.font);
    c.align = entry.centred ? Qt::AlignHCenter : Qt::AlignLeft;
    // The labels inside a band stand on the label column's ground.
    if (entry.place == DayPlace::kOfficerLabel || entry.place == DayPlace::kTabooLabel ||
        (entry.place == DayPlace::kMarksLabel && !shown.isEmpty()))
      c.fill = kLabelGround;
    v.places[static_cast<size_t>(entry.place)] = v.sheet->addCell(c);
  }
  addPlaceTips(v, f.lists);
  if (which == DaySheetView::kAlmanac && f.almanac.marks != 0) {
    QStringList lines;
    for (int m = 0; m < FolkMarkCount(); ++m)
      if ((f.almanac.marks >> m) & 1) lines << Q(FolkMarkName(m)) + u'（' + Q(FolkMarkCitation(m)) + u'）';
    v.sheet->setCellTooltip(v.places[static_cast<size_t>(DayPlace::kMarks)], lines.join(u'\n'));
  }
}

void DaySheetDialog::addPlaceTips(View& v, const DayLists& d) {
  auto tip = [&](DayPlace place, const QString& tip) {
    v.sheet->setCellTooltip(v.places[static_cast<size_t>(place)], tip);
  };
  if (const auto god = SpiritByName(kDayGodNames[static_cast<size_t>(d.dayGod)]))
    tip(DayPlace::kGod,
        SpiritTip(d, *god) + QStringLiteral("\n十二值神之一，%1").arg(d.yellowPath ? u"黃道" : u"黑道"));
  tip(DayPlace::kOfficer, SpiritTip(d, OfficerSpirit(d.officer)));
  tip(DayPlace::kClash,
      QStringLiteral("沖：此日沖生肖屬%1之人；數字是其中與此日天剋地沖之年所生者今年的歲數。\n歲煞：此日歲煞所在之方。")
          .arg(Q(kZodiacAnimals[static_cast<size_t>(ClashedAnimal(d.dayCycle))])));
  tip(DayPlace::kRuleSet, QStringLiteral("宜忌與神煞由本程式依這些書與通書的條例推算，各項的出處見其提示。"));
}

void DaySheetDialog::addSpirits(View& v, const DayLists& lists) {
  for (const bool bad : {false, true}) {
    const SpiritSet& spirits = bad ? lists.badSpirits : lists.goodSpirits;
    std::vector<SpiritId> ids;
    spirits.ForEach([&](SpiritId s) { ids.push_back(s); });
    v.firstSpirit[bad] = static_cast<int>(v.sheet->cells().size());
    for (int slot = 0; slot < kSpiritSlots; ++slot) {
      Cell c;
      c.rect = ToQRect(v.bands.spiritSlot(bad, slot));
      c.colour = bad ? kBadColour : kGoodColour;
      c.font = static_cast<int>(DayFont::kText);
      c.align = Qt::AlignLeft;
      const auto i = static_cast<size_t>(slot);
      c.visible = i < ids.size();
      if (c.visible && slot == kSpiritSlots - 1 && ids.size() > kSpiritSlots) {
        // More names than slots (none of the range has): the last slot
        // points to the rest.
        SpiritSet rest;
        for (size_t k = i; k < ids.size(); ++k) rest.Add(ids[k]);
        c.text = QStringLiteral("……");
        c.tooltip = SpiritNames(rest, QStringLiteral("、"));
      } else if (c.visible) {
        c.text = Q(SpiritName(ids[i]));
        c.tooltip = SpiritTip(lists, ids[i]);
      }
      v.sheet->addCell(c);
    }
  }
}

void DaySheetDialog::addItem(View& v, bool ji, const QString& name, const QString& reasons, const QString& tip,
                             const QColor& colour) {
  const int i = static_cast<int>(v.items[ji].size());
  Cell word;
  word.rect = ToQRect(v.bands.item(ji, i));
  word.text = name;
  word.colour = colour;
  word.font = static_cast<int>(DayFont::kText);
  word.align = Qt::AlignLeft;
  word.tooltip = tip;
  v.items[ji].push_back(v.sheet->addCell(word));
  Cell because = word;
  because.rect = ToQRect(v.bands.reasons(ji, i));
  because.text = reasons;
  because.colour = kQuietColour;
  because.font = static_cast<int>(DayFont::kSmall);
  v.sheet->addCell(because);
}

void DaySheetDialog::addBookLists(View& v, const DayLists& d) {
  const QString blank = QStringLiteral(" ");
  for (const bool ji : {false, true}) {
    const auto& items = ji ? d.ji : d.yi;
    const int count = ji ? d.jiCount : d.yiCount;
    if (ji && d.allBad) {
      addItem(v, true, QStringLiteral("諸事不宜"), SpiritNames(d.allBadBecause, blank),
              QStringLiteral("忌：諸事不宜\n") + SpiritReasonLines(d.allBadBecause), kBadColour);
      continue;
    }
    for (int i = 0; i < count; ++i) {
      const ActivityVerdict& item = items[static_cast<size_t>(i)];
      addItem(v, ji, Q(ActivityName(item.activity)), SpiritNames(item.because, blank), ItemTip(ji, item),
              ji ? kBadColour : kGoodColour);
    }
    if (count == 0) addItem(v, ji, QStringLiteral("無"), {}, {}, kQuietColour);
    if (!ji && d.restBad && count > 0)
      addItem(v, false, QStringLiteral("餘事勿取"), {}, QStringLiteral("此日除上列宜事之外，其餘各事皆忌（見忌欄）。"),
              kQuietColour);
  }
}

void DaySheetDialog::addAlmanacLists(View& v, const DaySheetFacts& f) {
  const AlmanacList& a = f.almanac;
  for (const bool ji : {false, true}) {
    if (ji && a.allBad) {
      addItem(v, true, QStringLiteral("諸事不宜"), AllBadReasonsShort(f.lists, a), AllBadTip(f.lists, a), kBadColour);
      continue;
    }
    const int count = ji ? a.jiCount : a.yiCount;
    for (int i = 0; i < count; ++i) {
      const AlmanacItem& item = ji ? a.ji[static_cast<size_t>(i)] : a.yi[static_cast<size_t>(i)];
      addItem(v, ji, Q(AlmanacWordName(item.word)), ItemReasonsShort(item), AlmanacItemTip(ji, item),
              ji ? kBadColour : kGoodColour);
    }
    if (count == 0) addItem(v, ji, QStringLiteral("無"), {}, {}, kQuietColour);
    if (!ji && a.restBad)
      addItem(v, false, QStringLiteral("餘事勿取"), {},
              QStringLiteral("此日的規則只許上列宜事，其餘不取（見書中全表）。"), kQuietColour);
  }
}

void DaySheetDialog::addButtons(int top) {
  bar_ = new QWidget(this);
  bar_->setGeometry(0, top, width(), kButtonBarHeight);
  MarkDialogFoot(*bar_);
  auto* layout = new QHBoxLayout(bar_);
  layout->setContentsMargins(10, 6, 10, 8);
  viewButton_ = new QPushButton(QStringLiteral("書中全表"), bar_);
  viewButton_->setCheckable(true);
  viewButton_->setToolTip(
      QStringLiteral("按下：看《%1》為此日所列的全部宜忌與神煞；再按：回到農民曆的宜忌").arg(Q(kDayRuleSetName)));
  layout->addWidget(viewButton_);
  layout->addStretch(1);
  print_ = new QPushButton(QStringLiteral("列印…"), bar_);
  auto* close = new QPushButton(QStringLiteral("關閉"), bar_);
  close->setDefault(true);
  layout->addWidget(print_);
  layout->addWidget(close);
  connect(viewButton_, &QPushButton::toggled, this,
          [this](bool book) { showView(book ? DaySheetView::kBook : DaySheetView::kAlmanac); });
  connect(print_, &QPushButton::clicked, this, &DaySheetDialog::print);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

const Cell& DaySheetDialog::placeCell(DayPlace place) const {
  return shown().sheet->cell(shown().places[static_cast<size_t>(place)]);
}

const Cell& DaySheetDialog::itemCell(bool ji, int i) const {
  return shown().sheet->cell(shown().items[ji].at(static_cast<size_t>(i)));
}

const Cell& DaySheetDialog::reasonsCell(bool ji, int i) const {
  return shown().sheet->cell(shown().items[ji].at(static_cast<size_t>(i)) + 1);
}

const Cell& DaySheetDialog::spiritCell(bool bad, int slot) const {
  return shown().sheet->cell(shown().firstSpirit[bad] + slot);
}

void DaySheetDialog::printTo(QPrinter& printer) { PaintPageFitted(*sheet(), printer); }

void DaySheetDialog::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(sheet()->width() > sheet()->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

bool DaySheetDialog::eventFilter(QObject* watched, QEvent* event) {
  CellSheet* sheet = shown().sheet;
  if (watched == sheet && event->type() == QEvent::MouseButtonPress) {
    const auto* click = static_cast<QMouseEvent*>(event);
    const QPoint at = click->position().toPoint();
    const int i = sheet->tooltipCellAt(at);
    if (i >= 0) ShowSheetTip(click->globalPosition().toPoint(), sheet->cellTip(i), sheet, sheet->cell(i).rect);
  }
  return QDialog::eventFilter(watched, event);
}

std::unique_ptr<QDialog> MakeDaySheetDialog(const SheetSelection& selection, QWidget* parent) {
  const std::optional<DaySheetFacts> facts = DaySheetFactsOf(selection.year, selection.month, selection.day);
  if (!facts) return nullptr;
  return std::make_unique<DaySheetDialog>(*facts, parent);
}

}  // namespace lunisol::ui

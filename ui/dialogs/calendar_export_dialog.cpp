#include "ui/dialogs/calendar_export_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

#include "files/atomic_file.h"
#include "ical/day_advice.h"
#include "ical/ical_writer.h"
#include "ui/page/page_export.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/save_dialog.h"

namespace lunisol::ui {
namespace {

struct CalendarPartRow {
  CalendarPart part;
  const char16_t* caption;
  const char16_t* tip;
};
// In the order the check boxes stand.
constexpr CalendarPartRow kParts[] = {
    {CalendarPart::kTerms, u"二十四節氣", u"每個節氣在它交節的時刻，標題附臺灣時間"},
    {CalendarPart::kFestivals, u"節日", u"國曆節日與春節、元宵、端午、中秋等傳統節日"},
    {CalendarPart::kDeities, u"神明聖誕與其他紀念日", u"農民曆所載的神明聖誕、祭日等，一年約百項"},
    {CalendarPart::kLunar, u"每日農曆日期", u"每天一個全天事件，如「正月初一」"},
    {CalendarPart::kPhases, u"月相", u"朔、上弦、望、下弦的時刻"},
    {CalendarPart::kYiJi, u"每日宜忌", u"寫在每日農曆日期的說明裡，依《欽定協紀辨方書》鋪註"},
};

}  // namespace

CalendarExportDialog::CalendarExportDialog(int year, QWidget* parent) : QDialog(parent), advice_(RuleBookAdvice()) {
  setWindowTitle(QStringLiteral("匯出行事曆"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/calendar-export.svg")));
  auto* box = new QGroupBox(QStringLiteral("要放進行事曆的項目"), this);
  auto* boxLayout = new QVBoxLayout(box);
  for (const CalendarPartRow& p : kParts) {
    auto* check = new QCheckBox(ToQString(p.caption), box);
    check->setToolTip(ToQString(p.tip));
    check->setChecked(kDefaultCalendarParts.Has(p.part));
    boxLayout->addWidget(check);
    parts_[static_cast<size_t>(p.part)] = check;
  }
  connect(partBox(CalendarPart::kYiJi), &QCheckBox::toggled, this, &CalendarExportDialog::followYiJi);

  auto* years = new QHBoxLayout;
  from_ = new QSpinBox(this);
  to_ = new QSpinBox(this);
  for (QSpinBox* spin : {from_, to_}) {
    spin->setRange(kFirstCalendarYear, kLastCalendarYear);
    spin->setValue(std::clamp(year, kFirstCalendarYear, kLastCalendarYear));
    connect(spin, &QSpinBox::valueChanged, this, [this, spin] { keepYearsInOrder(spin); });
  }
  years->addWidget(new QLabel(QStringLiteral("國曆"), this));
  years->addWidget(from_);
  years->addWidget(new QLabel(QStringLiteral("年至"), this));
  years->addWidget(to_);
  years->addWidget(new QLabel(QStringLiteral("年"), this));
  years->addStretch(1);

  auto* note = new QLabel(QStringLiteral("存成 iCalendar（.ics）檔，可匯入手機或電腦的行事曆程式。"
                                         "再次匯入同一年的檔案會更新原有的事件，不會重複。"),
                          this);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("存檔…"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CalendarExportDialog::save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(years);
  layout->addWidget(note);
  layout->addWidget(buttons);
  setMinimumWidth(420);

  tell = [this](const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告視窗"), text, QMessageBox::Ok, this);
    box.setDetailedText(std::exchange(details_, QString()));
    box.exec();
  };
  ask = [this](const QString& text) {
    return QMessageBox::question(this, QStringLiteral("匯出行事曆"), text) == QMessageBox::Yes;
  };
}

// 宜/忌 are lines of the lunar-date events, so asking for them brings the
// lunar dates along; the box says so rather than leaving it to be found out.
void CalendarExportDialog::followYiJi() {
  QCheckBox* lunar = partBox(CalendarPart::kLunar);
  const bool yiji = partBox(CalendarPart::kYiJi)->isChecked();
  if (yiji) lunar->setChecked(true);
  lunar->setEnabled(!yiji);
}

void CalendarExportDialog::keepYearsInOrder(QSpinBox* moved) {
  if (from_->value() <= to_->value()) return;
  (moved == from_ ? to_ : from_)->setValue(moved->value());
}

CalendarRequest CalendarExportDialog::request() const {
  CalendarRequest r;
  r.fromYear = from_->value();
  r.toYear = to_->value();
  r.parts = {};
  for (int p = 0; p < kCalendarPartCount; ++p)
    if (parts_[static_cast<size_t>(p)]->isChecked()) r.parts.Add(static_cast<CalendarPart>(p));
  r.advice = &advice_;
  return r;
}

QString CalendarExportDialog::proposedName() const {
  if (from_->value() == to_->value()) return QStringLiteral("lunisol-%1.ics").arg(from_->value());
  return QStringLiteral("lunisol-%1-%2.ics").arg(from_->value()).arg(to_->value());
}

bool CalendarExportDialog::saveTo(const QString& path) {
  const CalendarRequest r = request();
  if (r.parts.Empty()) {
    tell(QStringLiteral("請至少選一個項目。"));
    return false;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string text = MakeICalendar(r);
  QApplication::restoreOverrideCursor();
  if (text.size() > kLargeCalendarBytes &&
      !ask(QStringLiteral("這份行事曆有 %1 MB。Google 日曆等服務只讀入約 1 MB 以內的檔案，超過的部分可能被略去；"
                          "可以減少年數或項目。\n\n仍要存檔嗎？")
               .arg(static_cast<double>(text.size()) / 1e6, 0, 'f', 1)))
    return false;
  const SaveResult result = WriteFileAtomically(QFile::encodeName(path).toStdString(), text);
  if (result.ok()) return true;
  details_ = SaveFailureDetails(result);
  tell(SaveFailureText(path, result));
  return false;
}

void CalendarExportDialog::save() {
  if (request().parts.Empty()) {
    tell(QStringLiteral("請至少選一個項目。"));
    return;
  }
  const QString path = AskSaveFileName(this, QStringLiteral("匯出行事曆"), QDir::current().filePath(proposedName()),
                                       QStringLiteral("iCalendar 行事曆 (*.ics)"));
  if (!path.isEmpty() && saveTo(path)) accept();
}

}  // namespace lunisol::ui

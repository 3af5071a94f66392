#include "ui/dialogs/day_finder_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "almanac/lookups.h"
#include "almanac/lunar_date_names.h"
#include "calendar/tables.h"
#include "days/day_lists.h"
#include "ui/dialogs/day_texts.h"
#include "ui/page/page_export.h"
#include "ui/widgets/atomic_file.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/save_dialog.h"

namespace lunisol::ui {
namespace {

constexpr int kNoBirthYear = 1899;  // the spin box's "不指定"
const QDate kFirstDate(1900, 1, 1), kLastDate(2100, 12, 31);
enum Column { kDate, kWeekday, kLunar, kGod, kReasons, kColumnCount };

QString Q(std::u16string_view text) { return ToQString(text); }

QDate DateOf(const ChosenDay& d) { return QDate(d.year, d.month, d.day); }

QString WeekdayOf(const QDate& date) { return Q(kWeekdayNames[static_cast<size_t>(date.dayOfWeek() % 7)]); }

QString AnimalName(int branch) { return Q(kZodiacAnimals[static_cast<size_t>(branch)]); }

// The fields of one found day, in the list's column order.
QStringList Fields(const ChosenDay& d) {
  const QDate date = DateOf(d);
  return {date.toString(Qt::ISODate), WeekdayOf(date),
          Q(LunarDateName(LunarDateFromSigned(d.lunarYear, d.lunarMonth, d.lunarDay))),
          DayGodText(d.dayGod, d.yellowPath), SpiritNames(d.because, QStringLiteral("、"))};
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
QString CsvField(const QString& field) {
  if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r')) return field;
  return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

DayFinderDialog::DayFinderDialog(const QDate& today, std::optional<int> birthYear, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("擇日"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/finder.svg")));
  buildForm(today, birthYear);
  search();
}

DayFinderDialog::~DayFinderDialog() {
  // The activity's field loses the focus while the widgets go, which would
  // search again in a dialog that is half gone.
  activity_->lineEdit()->disconnect(this);
}

void DayFinderDialog::buildForm(const QDate& today, std::optional<int> birthYear) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildCriteria(today, birthYear));
  layout->addWidget(buildResults(), 1);
  status_ = new QLabel(this);
  export_ = new QPushButton(QStringLiteral("匯出清單…"), this);
  export_->setToolTip(QStringLiteral("存成文字檔（.txt）或 CSV 檔（.csv，試算表程式可開）"));
  auto* close = new QPushButton(QStringLiteral("關閉"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(export_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(720, 560);
  connect(export_, &QPushButton::clicked, this, &DayFinderDialog::exportList);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connectFields();
}

QFormLayout* DayFinderDialog::buildCriteria(const QDate& today, std::optional<int> birthYear) {
  auto* form = new QFormLayout;
  activity_ = new QComboBox(this);
  fillActivities();
  form->addRow(QStringLiteral("要做的事："), activity_);

  auto* range = new QHBoxLayout;
  from_ = new QDateEdit(this);
  to_ = new QDateEdit(this);
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setDateRange(kFirstDate, kLastDate);
    range->addWidget(edit);
    if (edit == from_) range->addWidget(new QLabel(QStringLiteral("至"), this));
  }
  from_->setDate(std::clamp(today, kFirstDate, kLastDate));
  to_->setDate(std::clamp(today.addMonths(3), kFirstDate, kLastDate));
  range->addWidget(new QLabel(QStringLiteral("（最多十年）"), this));
  range->addStretch(1);
  form->addRow(QStringLiteral("日期："), range);

  auto* birth = new QHBoxLayout;
  birthYear_ = new QSpinBox(this);
  birthYear_->setRange(kNoBirthYear, kLastDate.year());
  birthYear_->setSpecialValueText(QStringLiteral("不指定"));
  birthYear_->setMinimumWidth(90);
  birthYear_->setValue(birthYear.value_or(kNoBirthYear));
  birthYear_->setToolTip(
      QStringLiteral("出生的年份，用來除去與你的生肖相沖的日子。生肖依農曆年：生於春節之前者，屬前一年的生肖，"
                     "請填前一年。只在程式執行時保留，不會存檔。"));
  animal_ = new QLabel(this);
  birth->addWidget(birthYear_);
  birth->addWidget(animal_);
  birth->addStretch(1);
  form->addRow(QStringLiteral("生年："), birth);

  bestFirst_ = new QCheckBox(QStringLiteral("依本程式的排序：黃道日、吉神多者在前"), this);
  bestFirst_->setToolTip(QStringLiteral("這是本程式自訂的排序，不是《%1》的規定：先黃道日，再吉神多者，"
                                        "再凶煞少者，其餘依日期。")
                             .arg(Q(kDayRuleSetName)));
  form->addRow(QString(), bestFirst_);
  return form;
}

QTreeWidget* DayFinderDialog::buildResults() {
  results_ = new QTreeWidget(this);
  results_->setColumnCount(kColumnCount);
  results_->setHeaderLabels({QStringLiteral("日期"), QStringLiteral("星期"), QStringLiteral("農曆"),
                             QStringLiteral("值神"), QStringLiteral("宜之由")});
  results_->setRootIsDecorated(false);
  results_->setUniformRowHeights(true);
  results_->setAllColumnsShowFocus(true);
  results_->setToolTip(QStringLiteral("按兩下一日，在農民曆頁面上看那一天；宜之由是使此事合用的吉神與建除"));
  return results_;
}

// Every change of a field searches again.
void DayFinderDialog::connectFields() {
  connect(activity_, &QComboBox::currentIndexChanged, this, &DayFinderDialog::search);
  connect(activity_->lineEdit(), &QLineEdit::editingFinished, this, &DayFinderDialog::search);
  connect(from_, &QDateEdit::dateChanged, this, &DayFinderDialog::search);
  connect(to_, &QDateEdit::dateChanged, this, &DayFinderDialog::search);
  connect(birthYear_, &QSpinBox::valueChanged, this, [this](int year) {
    emit birthYearChanged(year == kNoBirthYear ? 0 : year);
    search();
  });
  connect(bestFirst_, &QCheckBox::toggled, this, &DayFinderDialog::search);
  connect(results_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { emit dateChosen(item->data(kDate, Qt::UserRole).toDate()); });
}

void DayFinderDialog::fillActivities() {
  activity_->setEditable(true);
  activity_->setInsertPolicy(QComboBox::NoInsert);
  activity_->setMaxVisibleItems(20);
  for (int a = 0; a < kActivityCount; ++a) {
    const auto id = static_cast<ActivityId>(a);
    QString text = Q(ActivityName(id));
    if (TaiwaneseActivityName(id) != ActivityName(id))
      text += QStringLiteral("（%1）").arg(Q(TaiwaneseActivityName(id)));
    activity_->addItem(text, a);
  }
  // Typing any part of either word offers the activities that hold it.
  auto* completer = new QCompleter(activity_->model(), activity_);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  activity_->setCompleter(completer);
  activity_->lineEdit()->setPlaceholderText(QStringLiteral("輸入或選擇，例如 嫁娶、入宅、安床"));
  activity_->setToolTip(QStringLiteral("《%1》的通書六十事；括號內是農民曆的說法").arg(Q(kDayRuleSetName)));
  activity_->setCurrentIndex(activity_->findData(static_cast<int>(*ActivityByName(u"嫁娶"))));
}

std::optional<ActivityId> DayFinderDialog::chosenActivity() const {
  const QString text = activity_->currentText().trimmed();
  const int i = activity_->findText(text);
  if (i >= 0) return static_cast<ActivityId>(activity_->itemData(i).toInt());
  return ActivityByName(text.toStdU16String());
}

std::optional<int> DayFinderDialog::birthYear() const {
  if (birthYear_->value() == kNoBirthYear) return std::nullopt;
  return birthYear_->value();
}

ChooseRequest DayFinderDialog::request() const {
  ChooseRequest r;
  r.activity = chosenActivity().value_or(ActivityId{});
  const QDate from = from_->date(), to = to_->date();
  r.fromYear = from.year();
  r.fromMonth = from.month();
  r.fromDay = from.day();
  r.toYear = to.year();
  r.toMonth = to.month();
  r.toDay = to.day();
  if (const auto year = birthYear()) r.animal = ZodiacAnimalOfYear(*year);
  return r;
}

void DayFinderDialog::showAnimal() {
  const auto year = birthYear();
  animal_->setText(year ? QStringLiteral("屬%1，不列沖%1之日").arg(AnimalName(ZodiacAnimalOfYear(*year)))
                        : QStringLiteral("不除去沖日"));
}

void DayFinderDialog::search() {
  showAnimal();
  days_.clear();
  searched_ = request();
  QString problem;
  if (!chosenActivity()) {
    problem = QStringLiteral("「%1」不是六十事之一，請從清單選擇。").arg(activity_->currentText().trimmed());
  } else {
    const int result = ChooseDays(searched_, days_);
    if (result == kChooseRangeTooLong) problem = QStringLiteral("日期範圍最多十年。");
    if (result == kBadChooseRange) problem = QStringLiteral("結束的日期在開始之前。");
    if (bestFirst_->isChecked()) SortBestFirst(days_);
  }
  listDays();
  export_->setEnabled(!days_.empty());
  if (!problem.isEmpty()) {
    status_->setText(problem);
    return;
  }
  status_->setText(days_.empty() ? QStringLiteral("範圍內沒有合用的日子。")
                                 : QStringLiteral("共 %1 日合用。").arg(days_.size()));
}

void DayFinderDialog::listDays() {
  results_->clear();
  QList<QTreeWidgetItem*> items;
  for (const ChosenDay& d : days_) {
    auto* item = new QTreeWidgetItem(Fields(d));
    item->setData(kDate, Qt::UserRole, DateOf(d));
    item->setForeground(kGod, ToQColor(d.yellowPath ? colours::kMaroon : colours::kNavy));
    item->setToolTip(kReasons, SpiritReasonLines(d.because));
    items << item;
  }
  results_->addTopLevelItems(items);
  for (int c = 0; c < kReasons; ++c) results_->resizeColumnToContents(c);
}

QString DayFinderDialog::heading() const {
  const ChooseRequest& r = searched_;
  QString text = QStringLiteral("擇日：%1　%2 至 %3")
                     .arg(Q(ActivityName(r.activity)), QDate(r.fromYear, r.fromMonth, r.fromDay).toString(Qt::ISODate),
                          QDate(r.toYear, r.toMonth, r.toDay).toString(Qt::ISODate));
  if (const auto year = birthYear(); year && r.animal)
    text += QStringLiteral("　生年 %1（屬%2，不列沖%2之日）").arg(*year).arg(AnimalName(*r.animal));
  return text;
}

QByteArray DayFinderDialog::listText() const {
  QStringList lines{heading(), bestFirst_->isChecked() ? bestFirst_->text() : QStringLiteral("依日期排列"), QString(),
                    QStringLiteral("日期　星期　農曆　值神　宜之由")};
  for (const ChosenDay& d : days_) lines << Fields(d).join(QStringLiteral("　"));
  lines << QString() << QStringLiteral("依《%1》鋪註").arg(Q(kDayRuleSetName));
  return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray DayFinderDialog::listCsv() const {
  QStringList rows{QStringLiteral("日期,星期,農曆,值神,宜之由")};
  for (const ChosenDay& d : days_) {
    QStringList fields = Fields(d);
    for (QString& f : fields) f = CsvField(f);
    rows << fields.join(u',');
  }
  return QByteArray("\xEF\xBB\xBF") + (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

bool DayFinderDialog::saveList(const QString& path) {
  const QByteArray bytes = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? listCsv() : listText();
  const SaveResult result = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                                std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (result.ok()) return true;
  QMessageBox::warning(this, QStringLiteral("警告視窗"), SaveFailureText(path, result));
  return false;
}

void DayFinderDialog::exportList() {
  const ChooseRequest& r = searched_;
  const QString proposed = QStringLiteral("擇日-%1-%2.csv")
                               .arg(Q(ActivityName(r.activity)))
                               .arg(QDate(r.fromYear, r.fromMonth, r.fromDay).toString(QStringLiteral("yyyyMMdd")));
  const QString path = AskSaveFileName(this, QStringLiteral("匯出清單"), QDir::current().filePath(proposed),
                                       QStringLiteral("CSV 檔 (*.csv);;文字檔 (*.txt)"));
  if (!path.isEmpty()) saveList(path);
}

}  // namespace lunisol::ui

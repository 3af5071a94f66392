#include "ui/dialogs/day_finder_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "almanac/lookups.h"
#include "almanac/lunar_date_names.h"
#include "calendar/tables.h"
#include "days/day_lists.h"
#include "files/atomic_file.h"
#include "ui/dialogs/day_texts.h"
#include "ui/page/page_export.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/save_dialog.h"

namespace lunisol::ui {
namespace {

const QDate kFirstDate(1900, 1, 1), kLastDate(2100, 12, 31);
const QDate kNoBirth = kFirstDate.addDays(-1);  // a birth field's "不指定"
enum Column { kDate, kWeekday, kLunar, kGod, kReasons, kColumnCount };

QString Q(std::u16string_view text) { return ToQString(text); }

// Dates as the program writes them everywhere, 2026-03-01, in Latin digits
// whatever the desktop's language.
QString DateText(const QDate& date) { return QLocale::c().toString(date, QStringLiteral("yyyy-MM-dd")); }

QDate DateOf(const ChosenDay& d) { return QDate(d.year, d.month, d.day); }

QString WeekdayOf(const QDate& date) { return Q(kWeekdayNames[static_cast<size_t>(date.dayOfWeek() % 7)]); }

QString AnimalName(int branch) { return Q(kZodiacAnimals[static_cast<size_t>(branch)]); }

int BirthAnimalOf(const QDate& d) { return BirthAnimal(d.year(), d.month(), d.day()); }

// The fields of one found day, in the list's column order.
QStringList Fields(const ChosenDay& d) {
  const QDate date = DateOf(d);
  QStringList reasons;
  for (const std::u16string& r : ItemReasons(d.item)) reasons << Q(r);
  return {DateText(date), WeekdayOf(date), Q(LunarDateName(LunarDateFromSigned(d.lunarYear, d.lunarMonth, d.lunarDay))),
          DayGodText(d.dayGod, d.yellowPath), reasons.join(u'、')};
}

// The widest text each column holds, so an empty list keeps its columns.
const std::array<QString, kReasons> kWidestFields{QStringLiteral("2026-12-31"), QStringLiteral("星期三"),
                                                  QStringLiteral("閏十二月廿九"), QStringLiteral("司命（黃道）")};

// A CSV field, quoted when it holds a comma, a quote or a line break.
QString CsvField(const QString& field) {
  if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r')) return field;
  return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

DayFinderDialog::DayFinderDialog(const QDate& today, const QList<QDate>& births, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("擇日"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/finder.svg")));
  buildForm(today, births);
  search();
}

DayFinderDialog::~DayFinderDialog() {
  // The activity's field loses the focus while the widgets go, which would
  // search again in a dialog that is half gone.
  activity_->lineEdit()->disconnect(this);
}

void DayFinderDialog::buildForm(const QDate& today, const QList<QDate>& births) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buildCriteria(today, births));
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

QFormLayout* DayFinderDialog::buildCriteria(const QDate& today, const QList<QDate>& births) {
  auto* form = new QFormLayout;
  activity_ = new QComboBox(this);
  fillActivities();
  form->addRow(QStringLiteral("要做的事："), activity_);

  // The program's own date format and digits, not the desktop's.
  const QLocale taiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
  auto dateEdit = [&](const QDate& first) {
    auto* edit = new QDateEdit(this);
    edit->setLocale(taiwan);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setDateRange(first, kLastDate);
    return edit;
  };
  auto* range = new QHBoxLayout;
  from_ = dateEdit(kFirstDate);
  to_ = dateEdit(kFirstDate);
  range->addWidget(from_);
  range->addWidget(new QLabel(QStringLiteral("至"), this));
  range->addWidget(to_);
  from_->setDate(std::clamp(today, kFirstDate, kLastDate));
  to_->setDate(std::clamp(today.addMonths(3), kFirstDate, kLastDate));
  range->addWidget(new QLabel(QStringLiteral("（最多十年）"), this));
  range->addStretch(1);
  form->addRow(QStringLiteral("日期："), range);

  auto* people = new QHBoxLayout;
  for (int i = 0; i < kBirthFields; ++i) {
    QDateEdit* edit = dateEdit(kNoBirth);
    edit->setSpecialValueText(QStringLiteral("不指定"));
    edit->setDate(i < births.size() && births[i].isValid() ? births[i] : kNoBirth);
    edit->setToolTip(
        QStringLiteral("出生的日期，用來除去與其生肖相沖的日子；嫁娶可填新郎、新娘兩人。生肖之年從立春算起，"
                       "生於立春之前者屬前一年。只在程式執行時保留，不會存檔。"));
    birth_[static_cast<size_t>(i)] = edit;
    people->addWidget(edit);
  }
  animals_ = new QLabel(this);
  people->addWidget(animals_);
  people->addStretch(1);
  form->addRow(QStringLiteral("生日："), people);

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
  results_->setToolTip(QStringLiteral("按兩下一日，在農民曆頁面上看那一天；宜之由是使此事合用的吉神、建除與通書之例"));
  return results_;
}

// Every change of a field searches again.
void DayFinderDialog::connectFields() {
  connect(activity_, &QComboBox::currentIndexChanged, this, &DayFinderDialog::search);
  connect(activity_->lineEdit(), &QLineEdit::editingFinished, this, &DayFinderDialog::search);
  connect(from_, &QDateEdit::dateChanged, this, &DayFinderDialog::search);
  connect(to_, &QDateEdit::dateChanged, this, &DayFinderDialog::search);
  for (QDateEdit* edit : birth_)
    connect(edit, &QDateEdit::dateChanged, this, [this] {
      emit birthsChanged(births());
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
  for (int w = 0; w < AlmanacWordCount(); ++w) activity_->addItem(Q(AlmanacWordName(w)), w);
  // Typing any part of a word offers the words that hold it.
  auto* completer = new QCompleter(activity_->model(), activity_);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  activity_->setCompleter(completer);
  activity_->lineEdit()->setPlaceholderText(QStringLiteral("輸入或選擇，例如 嫁娶、入宅、安床"));
  activity_->setToolTip(
      QStringLiteral("農民曆的宜忌用語；也可輸入《%1》通書六十事之名（如 納采問名）").arg(Q(kDayRuleSetName)));
  activity_->setCurrentIndex(activity_->findData(*AlmanacWordByName(u"嫁娶")));
}

std::optional<ChooseTarget> DayFinderDialog::chosenTarget() const {
  return ChooseTargetByName(activity_->currentText().trimmed().toStdU16String());
}

QList<QDate> DayFinderDialog::births() const {
  QList<QDate> dates;
  for (const QDateEdit* edit : birth_)
    if (edit->date() != kNoBirth) dates << edit->date();
  return dates;
}

ChooseRequest DayFinderDialog::request() const {
  ChooseRequest r;
  r.target = chosenTarget().value_or(ChooseTarget{});
  const QDate from = from_->date(), to = to_->date();
  r.fromYear = from.year();
  r.fromMonth = from.month();
  r.fromDay = from.day();
  r.toYear = to.year();
  r.toMonth = to.month();
  r.toDay = to.day();
  for (const QDate& birth : births()) r.animals.push_back(BirthAnimalOf(birth));
  return r;
}

void DayFinderDialog::showAnimals() {
  QStringList animals;
  for (const QDate& birth : births()) animals << AnimalName(BirthAnimalOf(birth));
  animals.removeDuplicates();
  animals_->setText(animals.isEmpty()
                        ? QStringLiteral("不除去沖日")
                        : QStringLiteral("屬%1，不列沖%2之日")
                              .arg(animals.join(QStringLiteral("、屬")), animals.join(QStringLiteral("、沖"))));
}

void DayFinderDialog::search() {
  showAnimals();
  days_.clear();
  searched_ = request();
  searchedBirths_ = births();
  QString problem;
  if (!chosenTarget()) {
    problem = QStringLiteral("「%1」不是農民曆的宜忌用語，也不是通書六十事之一，請從清單選擇。")
                  .arg(activity_->currentText().trimmed());
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
    item->setToolTip(kReasons, AlmanacItemTip(false, d.item));
    items << item;
  }
  results_->addTopLevelItems(items);
  fitColumns();
}

// Each column as wide as its widest entry or the widest it can hold, so an
// empty list (after a word it does not know) keeps its headings readable.
void DayFinderDialog::fitColumns() {
  const QFontMetrics metrics(results_->font());
  for (int c = 0; c < kReasons; ++c) {
    results_->resizeColumnToContents(c);
    const int widest =
        metrics.horizontalAdvance(kWidestFields[static_cast<size_t>(c)]) + 2 * metrics.averageCharWidth();
    if (results_->columnWidth(c) < widest) results_->setColumnWidth(c, widest);
  }
}

void DayFinderDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::FontChange && results_) fitColumns();
}

QStringList DayFinderDialog::headingLines() const {
  const ChooseRequest& r = searched_;
  QStringList births;
  for (const QDate& b : searchedBirths_)
    births << DateText(b) + QStringLiteral("（屬%1）").arg(AnimalName(BirthAnimalOf(b)));
  return {QStringLiteral("擇日：%1").arg(Q(ChooseTargetName(r.target))),
          QStringLiteral("日期：%1 至 %2")
              .arg(DateText(QDate(r.fromYear, r.fromMonth, r.fromDay)), DateText(QDate(r.toYear, r.toMonth, r.toDay))),
          QStringLiteral("生日：%1").arg(births.isEmpty() ? QStringLiteral("不指定") : births.join(u'、')),
          QStringLiteral("排序：%1").arg(bestFirst_->isChecked() ? bestFirst_->text() : QStringLiteral("依日期"))};
}

QByteArray DayFinderDialog::listText() const {
  QStringList lines = headingLines();
  lines << QString() << QStringLiteral("日期　星期　農曆　值神　宜之由");
  for (const ChosenDay& d : days_) lines << Fields(d).join(QStringLiteral("　"));
  lines << QString() << QStringLiteral("依《%1》鋪註，參《董公選擇日要覽》與通書").arg(Q(kDayRuleSetName));
  return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray DayFinderDialog::listCsv() const {
  // The search first, a field for its name and one for its value, then a
  // blank row and the table.
  QStringList rows;
  for (const QString& line : headingLines()) {
    const qsizetype colon = line.indexOf(u'：');
    rows << CsvField(line.left(colon)) + u',' + CsvField(line.mid(colon + 1));
  }
  rows << QString() << QStringLiteral("日期,星期,農曆,值神,宜之由");
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
  const QString proposed =
      QStringLiteral("擇日-%1-%2.csv")
          .arg(Q(ChooseTargetName(r.target)))
          .arg(QLocale::c().toString(QDate(r.fromYear, r.fromMonth, r.fromDay), QStringLiteral("yyyyMMdd")));
  const QString path = AskSaveFileName(this, QStringLiteral("匯出清單"), QDir::current().filePath(proposed),
                                       QStringLiteral("CSV 檔 (*.csv);;文字檔 (*.txt)"));
  if (!path.isEmpty()) saveList(path);
}

}  // namespace lunisol::ui

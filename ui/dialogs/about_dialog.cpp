#include "ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/page_font.h"

// Set by the build (LUNISOL_HOMEPAGE, LUNISOL_EMAIL); empty unless a
// distributor has a web page or an address to give.
#ifndef LUNISOL_HOMEPAGE
#define LUNISOL_HOMEPAGE ""
#endif
#ifndef LUNISOL_EMAIL
#define LUNISOL_EMAIL ""
#endif

namespace lunisol::ui {
namespace {

// Our own notice: what the program is and what it is not. The first line
// is dark red, the last green.
const char16_t* const kNotices[] = {
    u"本程式所列曆法資料，由本程式自行以天文計算推得，僅供參考。",
    u"宜忌、時辰、流年與秤骨等內容，屬民間傳統習俗，請勿據以決定重大事務。",
    u"本程式不在電腦中儲存任何資料，亦不連線傳送任何資料。",
};

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral(" 關於 Lunisol 農民曆"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/lunisol.svg")));
  setFont(MakePageFont(QString::fromLatin1(kPageFace), 16).font);

  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/icons/lunisol.svg")).pixmap(48, 48));
  auto* name = new QLabel(QStringLiteral("Lunisol 農民曆  版本 %1").arg(QString::fromLatin1(kVersion)), this);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);

  // Only links that lead somewhere: no placeholder addresses.
  auto* links = new QGridLayout;
  links->setColumnStretch(1, 1);
  const QString homepage = QStringLiteral(LUNISOL_HOMEPAGE), email = QStringLiteral(LUNISOL_EMAIL);
  if (!homepage.isEmpty()) {
    web_ = new LinkLabel(homepage, homepage, this);
    links->addWidget(new QLabel(QStringLiteral("WWW  :"), this), 0, 0);
    links->addWidget(web_, 0, 1);
  }
  if (!email.isEmpty()) {
    mail_ = new LinkLabel(email, email, this);
    links->addWidget(new QLabel(QStringLiteral("E - Mail :"), this), 1, 0);
    links->addWidget(mail_, 1, 1);
  }

  auto* notice = new QGroupBox(QStringLiteral("請注意本程式使用規則 :"), this);
  auto* noticeLayout = new QVBoxLayout(notice);
  const int count = static_cast<int>(std::size(kNotices));
  for (int i = 0; i < count; ++i) {
    auto* line = new QLabel(ToQString(kNotices[i]), notice);
    line->setWordWrap(true);
    QColor colour = Qt::black;
    if (i == 0) colour = QColor(168, 0, 0);
    if (i == count - 1) colour = QColor(0, 128, 0);
    QPalette pal = line->palette();
    pal.setColor(QPalette::WindowText, InkOn(colour, pal.color(QPalette::Window)));
    line->setPalette(pal);
    noticeLayout->addWidget(line);
  }

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("確定"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* head = new QHBoxLayout;
  head->addWidget(icon);
  head->addWidget(name, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addLayout(links);
  layout->addWidget(notice);
  layout->addWidget(buttons);
  setMinimumWidth(460);
}

}  // namespace lunisol::ui

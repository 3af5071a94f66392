#include "ui/natal_chart_page.h"

#include <QGroupBox>
#include <QPushButton>

#include "layout/dialog_units.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/page_font.h"

namespace lunisol::ui {
namespace {

enum class Kind { kGroup, kStatic, kButton };

struct ControlSpec {
  Kind kind;
  int id;  // −1: no identifier
  int x, y, w, h;
  const char16_t* text;
};

// The form's template, row by row (dialog units).
constexpr ControlSpec kControls[] = {
    {Kind::kGroup, -1, 411, 168, 120, 89, u""},
    {Kind::kGroup, -1, 411, 85, 120, 88, u""},
    {Kind::kGroup, -1, 411, 253, 120, 88, u""},
    {Kind::kGroup, -1, 173, 2, 120, 88, u""},
    {Kind::kGroup, -1, 292, 2, 120, 88, u""},
    {Kind::kGroup, -1, 411, 2, 120, 88, u""},
    {Kind::kGroup, -1, 54, 2, 120, 88, u""},
    {Kind::kGroup, -1, 54, 86, 120, 88, u""},
    {Kind::kGroup, -1, 54, 169, 120, 88, u""},
    {Kind::kGroup, -1, 54, 253, 120, 88, u""},
    {Kind::kGroup, -1, 173, 253, 120, 88, u""},
    {Kind::kGroup, -1, 292, 253, 120, 88, u""},
    {Kind::kStatic, 1164, 180, 98, 23, 12, u"姓名 :"},
    {Kind::kStatic, 1165, 180, 131, 224, 8, u"己未年 , 農曆  11 年  11 月 15 日 午 時生"},
    {Kind::kStatic, 1177, 180, 114, 224, 12, u"陰     男 , 國曆  11 年  1 月 13 日 午 時生"},
    {Kind::kStatic, 1178, 180, 147, 207, 8, u"命宮在{ 酉 } , 身宮在 { 酉 } , 命主 : 文曲 , 身主 : 天相"},
    {Kind::kStatic, 1179, 180, 163, 190, 8, u"金四局 [ 劍鋒金 ] , 生肖 [ 羊 ] , 重  3兩 3錢"},
    {Kind::kStatic, 1180, 180, 180, 206, 8, u"流年  95 , 歲次 ( 丙戌 ) , 大限辛未 虛歲  28"},
    {Kind::kButton, 1163, 207, 71, 52, 14, u"Button1"},
    {Kind::kStatic, -1, 264, 73, 26, 13, u" 1 ~ 2"},
    {Kind::kStatic, -1, 182, 74, 23, 8, u"己巳"},
    {Kind::kButton, 1166, 326, 71, 52, 14, u"Button1"},
    {Kind::kButton, 1167, 444, 71, 52, 14, u"Button1"},
    {Kind::kButton, 1168, 88, 71, 52, 14, u"Button1"},
    {Kind::kButton, 1169, 88, 155, 52, 14, u"Button1"},
    {Kind::kButton, 1170, 88, 238, 52, 14, u"Button1"},
    {Kind::kButton, 1171, 88, 322, 52, 14, u"Button1"},
    {Kind::kButton, 1172, 444, 155, 52, 14, u"Button1"},
    {Kind::kButton, 1173, 446, 238, 52, 14, u"Button1"},
    {Kind::kButton, 1174, 446, 322, 52, 14, u"Button1"},
    {Kind::kButton, 1175, 207, 322, 52, 14, u"Button1"},
    {Kind::kButton, 1176, 326, 322, 52, 14, u"Button1"},
    {Kind::kStatic, -1, 399, 10, 8, 17, u"廉貞"},
    {Kind::kStatic, -1, 388, 10, 8, 17, u"廉貞"},
};

constexpr int kColouredIds[5] = {1180, 1179, 1178, 1165, 1177};

}  // namespace

NatalChartPage::NatalChartPage(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  auto* form = new QWidget;
  const QFont font = MakePageFont(QString::fromLatin1(kPageFace), 14).font;
  form->setFont(font);
  // Ideographs need more height than the 8-unit rows of the form give a
  // Latin face; a label grows downwards rather than cut its text off.
  const int lineHeight = QFontMetrics(font).height();
  const DialogUnits& du = kTimes10Units;
  for (const ControlSpec& c : kControls) {
    const QRect r = ToQRect(du.rect(c.x, c.y, c.w, c.h));
    const QString text = ToQString(c.text);
    QWidget* w = nullptr;
    switch (c.kind) {
      case Kind::kGroup:
        w = new QGroupBox(text, form);
        break;
      case Kind::kButton: {
        auto* b = new QPushButton(text, form);
        b->setFlat(true);
        b->setFocusPolicy(Qt::TabFocus);
        w = b;
        break;
      }
      case Kind::kStatic: {
        auto* l = new QLabel(text, form);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        for (int i = 0; i < 5; ++i) {
          if (kColouredIds[i] == c.id) coloured_[i] = l;
        }
        w = l;
        break;
      }
    }
    if (c.id >= 0) w->setObjectName(QString::number(c.id));
    QRect place = r;
    if (c.kind == Kind::kStatic && place.height() < lineHeight) place.setHeight(lineHeight);
    w->setGeometry(place);
  }
  form->resize(du.x(565), du.y(346));
  setWidget(form);
}

}  // namespace lunisol::ui

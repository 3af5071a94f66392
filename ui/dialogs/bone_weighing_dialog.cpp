#include "ui/dialogs/bone_weighing_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "ui/dialogs/sheet_cells.h"

namespace lunisol::ui {
namespace {

enum class Kind { kGroup, kLabel, kSunken, kEdit };

// Template 133, control by control in the template's order, in dialog units.
// The captions' statics (id 0) are sized by their text in the template.
struct Control {
  Kind kind;
  int id;
  int x, y, width, height;
  std::u16string_view text;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};
constexpr int kCaptionWidth = 22, kCaptionHeight = 9;
constexpr int kWidthUnits = 190, kHeightUnits = 162;
constexpr Control kControls[] = {
    {Kind::kGroup, 0, 0, 2, 190, 25, u"農曆出生日期"},
    {Kind::kLabel, 1190, 6, 14, 178, 9, u"年 :"},
    {Kind::kGroup, 0, 0, 30, 190, 71, u"袁天罡秤骨術"},
    {Kind::kLabel, 0, 6, 43, kCaptionWidth, kCaptionHeight, u"重 量 :"},
    {Kind::kLabel, 0, 6, 59, kCaptionWidth, kCaptionHeight, u"命 評 :"},
    {Kind::kLabel, 0, 6, 74, kCaptionWidth, kCaptionHeight, u"歌 謠 :"},
    {Kind::kSunken, 1192, 30, 42, 154, 12, u"", Qt::AlignCenter},
    {Kind::kSunken, 1193, 30, 58, 154, 12, u""},
    {Kind::kEdit, 1191, 30, 74, 154, 21, u""},
    {Kind::kGroup, 0, 0, 105, 190, 56, u"當日 28 星宿吉凶"},
    {Kind::kLabel, 0, 6, 118, kCaptionWidth, kCaptionHeight, u"星 宿 :"},
    {Kind::kLabel, 0, 6, 133, kCaptionWidth, kCaptionHeight, u"說 明 :"},
    {Kind::kSunken, 1194, 30, 117, 27, 12, u"", Qt::AlignCenter},
    {Kind::kEdit, 1195, 30, 133, 154, 22, u""},
};

std::u16string_view TextOf(const BoneWeighingRecord& r, int id, std::u16string_view initial) {
  switch (id) {
    case 1190:
      return r.birthLine;
    case 1191:
      return r.song;
    case 1192:
      return r.weight;
    case 1193:
      return r.verdict;
    case 1194:
      return r.mansionName;
    case 1195:
      return r.description;
    default:
      return initial;
  }
}

}  // namespace

BoneWeighingDialog::BoneWeighingDialog(const BoneWeighingRecord& record, QWidget* parent) : QDialog(parent) {
  SetUpSheetDialog(*this, ToQSize(kSystem10Units.rect(0, 0, kWidthUnits, kHeightUnits).size()),
                   QStringLiteral(" 袁天罡秤骨術 與 28 星宿吉凶"), QStringLiteral(":/icons/dialog-bone.svg"));
  // The template's font is 16 pixels tall; the two-line edits take the
  // sheets' 14-pixel font so both lines of a song fit their 42 pixels.
  setFont(MakePageFont(QString::fromLatin1(kPageFace), 16).font);
  const QFont editFont = MakePageFont(QString::fromLatin1(kPageFace), 14).font;

  for (const Control& c : kControls) {
    const QRect rect = ToQRect(kSystem10Units.rect(c.x, c.y, c.width, c.height));
    const QString text = ToQString(TextOf(record, c.id, c.text));
    QWidget* w = nullptr;
    switch (c.kind) {
      case Kind::kGroup: {
        auto* box = new QGroupBox(text, this);
        // The caption sits in the frame's top line, as a group box of a
        // dialog template draws it, not above the frame at its left edge.
        box->setStyleSheet(
            QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 8px; }"
                           "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
        w = box;
        break;
      }
      case Kind::kLabel:
      case Kind::kSunken: {
        auto* label = new QLabel(text, this);
        label->setAlignment(c.align);
        if (c.kind == Kind::kSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        w = label;
        break;
      }
      case Kind::kEdit: {
        auto* edit = new QPlainTextEdit(this);
        edit->setReadOnly(true);
        edit->setFont(editFont);
        edit->document()->setDocumentMargin(1);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setPlainText(text);
        w = edit;
        break;
      }
    }
    w->setGeometry(rect);
    if (c.id != 0) w->setObjectName(QString::number(c.id));
    switch (c.id) {
      case 1190:
        birthLine_ = static_cast<QLabel*>(w);
        break;
      case 1191:
        song_ = static_cast<QPlainTextEdit*>(w);
        break;
      case 1192:
        weight_ = static_cast<QLabel*>(w);
        break;
      case 1193:
        verdict_ = static_cast<QLabel*>(w);
        break;
      case 1194:
        mansion_ = static_cast<QLabel*>(w);
        break;
      case 1195:
        description_ = static_cast<QPlainTextEdit*>(w);
        // Our own sayings say so where the reader looks at them.
        description_->setToolTip(ToQString(record.descriptionTooltip));
        break;
      default:
        break;
    }
  }
}

}  // namespace lunisol::ui

#include "ui/dialogs/bone_weighing_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "layout/bone_weighing_layout.h"
#include "ui/dialogs/sheet_cells.h"
#include "ui/widgets/contrast.h"

namespace lunisol::ui {
namespace {

std::u16string_view TextOf(const BoneWeighingRecord& r, const BoneControl& c) {
  switch (c.shows) {
    case BoneText::kBirthLine:
      return r.birthLine;
    case BoneText::kSong:
      return r.song;
    case BoneText::kWeight:
      return r.weight;
    case BoneText::kVerdict:
      return r.verdict;
    case BoneText::kMansion:
      return r.mansionName;
    case BoneText::kDescription:
      return r.description;
    case BoneText::kOwnWriting:
      return r.ownWritingLine;
    case BoneText::kCaption:
      break;
  }
  return c.caption;
}

}  // namespace

BoneWeighingDialog::BoneWeighingDialog(const BoneWeighingRecord& record, QWidget* parent) : QDialog(parent) {
  SetUpSheetDialog(*this, TemplateSize(kBoneWeighingSize), QStringLiteral(" 袁天罡秤骨術 與 28 星宿吉凶"),
                   QStringLiteral(":/icons/dialog-bone.svg"));
  // The template's font is 16 pixels tall; the two-line edits take the
  // sheets' 14-pixel font so both lines of a song fit their 42 pixels.
  setFont(MakePageFont(QString::fromLatin1(kPageFace), 16).font);
  const QFont editFont = MakePageFont(QString::fromLatin1(kPageFace), 14).font;

  for (const BoneControl& c : kBoneWeighingControls) {
    const QString text = ToQString(TextOf(record, c));
    QWidget* w = nullptr;
    switch (c.kind) {
      case BoneControlKind::kGroup: {
        auto* box = new QGroupBox(text, this);
        // The caption sits in the frame's top line, as a group box of a
        // dialog template draws it, not above the frame at its left edge.
        box->setStyleSheet(
            QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 8px; }"
                           "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
        w = box;
        break;
      }
      case BoneControlKind::kLabel:
      case BoneControlKind::kSunken: {
        auto* label = new QLabel(text, this);
        label->setAlignment(c.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        if (c.kind == BoneControlKind::kSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (c.shows == BoneText::kOwnWriting) {
          label->setFont(editFont);
          QPalette pal = label->palette();
          pal.setColor(QPalette::WindowText, InkOn(Qt::darkGray, kSheetDialogBackground));
          label->setPalette(pal);
        }
        w = label;
        break;
      }
      case BoneControlKind::kEdit: {
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
    w->setGeometry(ToQRect(kSystem10Units.rect(c.place)));
    keep(c.shows, w);
  }
  // Our own sayings say so where the reader looks at them.
  description_->setToolTip(ToQString(record.descriptionTooltip));
}

void BoneWeighingDialog::keep(BoneText shows, QWidget* w) {
  switch (shows) {
    case BoneText::kBirthLine:
      birthLine_ = static_cast<QLabel*>(w);
      break;
    case BoneText::kSong:
      song_ = static_cast<QPlainTextEdit*>(w);
      break;
    case BoneText::kWeight:
      weight_ = static_cast<QLabel*>(w);
      break;
    case BoneText::kVerdict:
      verdict_ = static_cast<QLabel*>(w);
      break;
    case BoneText::kMansion:
      mansion_ = static_cast<QLabel*>(w);
      break;
    case BoneText::kDescription:
      description_ = static_cast<QPlainTextEdit*>(w);
      break;
    case BoneText::kOwnWriting:
      ownWriting_ = static_cast<QLabel*>(w);
      break;
    case BoneText::kCaption:
      break;
  }
}

}  // namespace lunisol::ui

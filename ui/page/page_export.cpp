#include "ui/page/page_export.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <cstdlib>

#include "ui/page/almanac_page.h"
#include "ui/page/pdf_text_map.h"
#include "ui/widgets/save_dialog.h"

namespace lunisol::ui {
namespace {

void Put16(QByteArray& b, uint16_t v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

uint32_t BitmapHeaderPartSize(const BitmapInfoHeader& h) {
  const uint32_t bits = h.bitCount;
  switch (h.compression) {
    case 0:
      if (bits > 8 && h.clrUsed == 0) return 40;
      return 40 + 4 * (h.clrUsed ? h.clrUsed : (1u << std::min<uint32_t>(bits, 8)));
    case 1:
    case 2:
      return 40 + 4 * (h.clrUsed ? h.clrUsed : (1u << std::min<uint32_t>(bits, 8)));
    case 3:
      return 52 + 4 * h.clrUsed;  // three bit masks follow the header
    default:
      return 40;
  }
}

uint32_t BitmapImageSize(const BitmapInfoHeader& h) {
  if (h.sizeImage) return h.sizeImage;
  return static_cast<uint32_t>(std::abs(h.height)) * ((h.bitCount * static_cast<uint32_t>(h.width) + 7) / 8);
}

QByteArray BitmapFileHeaderBytes(const BitmapInfoHeader& h) {
  QByteArray b;
  const uint32_t headers = BitmapHeaderPartSize(h);
  Put16(b, 0x4D42);
  Put32(b, 14 + headers + BitmapImageSize(h));
  Put16(b, 0);
  Put16(b, 0);
  Put32(b, 14 + headers);
  return b;
}

QByteArray BitmapInfoHeaderBytes(const BitmapInfoHeader& h) {
  QByteArray b;
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(h.width));
  Put32(b, static_cast<uint32_t>(h.height));
  Put16(b, h.planes);
  Put16(b, h.bitCount);
  Put32(b, h.compression);
  Put32(b, h.sizeImage);
  Put32(b, static_cast<uint32_t>(h.xPelsPerMeter));
  Put32(b, static_cast<uint32_t>(h.yPelsPerMeter));
  Put32(b, h.clrUsed);
  Put32(b, h.clrImportant);
  return b;
}

BitmapInfoHeader PageBitmapHeader(int width, int height) {
  BitmapInfoHeader h;
  h.width = width;
  h.height = -height;
  h.bitCount = 32;
  h.sizeImage = static_cast<uint32_t>(height) * ((32u * static_cast<uint32_t>(width) + 31) / 32) * 4;
  return h;
}

QString ProposedImageName(const QString& yearText, int month) {
  return yearText + QStringLiteral("%1.bmp").arg(month, 2, 10, QLatin1Char('0'));
}

QByteArray PageBitmapBytes(const QImage& image) {
  // Whatever the screen's depth, the file holds 32-bit pixels: blue, green,
  // red and a zero byte, rows top first.
  const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
  const BitmapInfoHeader header = PageBitmapHeader(pixels.width(), pixels.height());
  QByteArray bytes = BitmapFileHeaderBytes(header) + BitmapInfoHeaderBytes(header);
  bytes.reserve(bytes.size() + static_cast<qsizetype>(BitmapImageSize(header)));
  QByteArray row(pixels.width() * 4, '\0');
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width(); ++x) {
      row[4 * x] = static_cast<char>(qBlue(src[x]));
      row[4 * x + 1] = static_cast<char>(qGreen(src[x]));
      row[4 * x + 2] = static_cast<char>(qRed(src[x]));
    }
    bytes += row;
  }
  return bytes;
}

namespace {

SaveResult SaveBitmap(const QImage& image, const QString& path) {
  const QByteArray bytes = PageBitmapBytes(image);
  return WriteFileAtomically(QFile::encodeName(path).toStdString(),
                             std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace

int ExportPageImage(const QImage& image, const QString& path, const ExportMessage& message) {
  const SaveResult result = SaveBitmap(image, path);
  if (result.ok()) return 0;
  if (message) message(SaveFailureText(path, result));
  return -1;
}

int ExportPageImage(const QImage& image, const QString& path, QWidget* parent) {
  const SaveResult result = SaveBitmap(image, path);
  if (result.ok()) return 0;
  ShowSaveFailure(parent, path, result);
  return -1;
}

void ExportImageWithDialog(const QImage& image, const QString& proposedName, QWidget* parent) {
  const QString proposed = QDir::current().filePath(proposedName);
  const QString path = AskSaveFileName(parent, QStringLiteral("存 檔"), proposed, QStringLiteral("BMP 圖檔 (*.bmp)"));
  if (path.isEmpty()) return;
  ExportPageImage(image, path, parent);
}

void ExportPageWithDialog(AlmanacPage& page, const QString& yearText, int month, QWidget* parent) {
  // Capture before the dialog opens: the whole page at the print the reader
  // reads it in, wherever it was scrolled to.
  ExportImageWithDialog(SheetPicture(*page.sheet()), ProposedImageName(yearText, month), parent);
}

QImage SheetPicture(CellSheet& sheet) {
  QImage image(sheet.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(sheet.zoom(), sheet.zoom());
  sheet.renderWhole(painter);
  return image;
}

void PaintPageFitted(CellSheet& sheet, QPaintDevice& device) {
  {
    QPainter painter(&device);
    const QRect area = painter.viewport();
    const QSize size = sheet.layoutSize();
    const qreal scale = std::min(qreal(area.width()) / size.width(), qreal(area.height()) / size.height());
    painter.translate(area.x() + (area.width() - size.width() * scale) / 2, area.y());
    painter.scale(scale, scale);
    sheet.renderWhole(painter);
  }
  // Printed into a PDF file, its text should copy as the characters shown.
  auto* printer = dynamic_cast<QPrinter*>(&device);
  if (printer && printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
    MendPdfTextMapFile(printer->outputFileName());
}

void PrintPage(CellSheet& sheet, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  PaintPageFitted(sheet, printer);
}

}  // namespace lunisol::ui

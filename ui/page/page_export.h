// Saving the visible page as a Windows bitmap, and printing it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace lunisol::ui {

class AlmanacPage;

// The information header of a device-independent bitmap.
struct BitmapInfoHeader {
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top row first
  uint16_t planes = 1;
  uint16_t bitCount = 32;
  uint32_t compression = 0;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0, yPelsPerMeter = 0;
  uint32_t clrUsed = 0, clrImportant = 0;
};

// Bytes of information header plus colour table (or bit masks).
uint32_t BitmapHeaderPartSize(const BitmapInfoHeader& h);
// The pixel bytes, worked out from the geometry when the header leaves it 0.
uint32_t BitmapImageSize(const BitmapInfoHeader& h);
QByteArray BitmapFileHeaderBytes(const BitmapInfoHeader& h);  // 14 bytes
QByteArray BitmapInfoHeaderBytes(const BitmapInfoHeader& h);  // 40 bytes
// The header of a 32-bit top-down capture of w × h pixels.
BitmapInfoHeader PageBitmapHeader(int width, int height);
// "%s%02d.bmp" of the year list's text and the month.
QString ProposedImageName(const QString& yearText, int month);

using ExportMessage = std::function<void(const QString&)>;
// Writes `image` as a 32-bit bitmap through `file` and commits it only when
// every byte is written, so a failed export leaves an existing file as it
// was. 0 on success, −1 otherwise; a short file header is reported through
// `message` ("BITMAPFILEHEADER").
int WritePageBitmap(const QImage& image, QSaveFile& file, const ExportMessage& message);
int ExportPageImage(const QImage& image, const QString& path, QWidget* messageParent);

// The save command: asks for a name in the current folder and exports the
// visible page.
void ExportPageWithDialog(AlmanacPage& page, const QString& yearText, int month, QWidget* parent);
// The print command: the visible page on one sheet, scaled to fit.
void PrintPage(AlmanacPage& page, QWidget* parent);

}  // namespace lunisol::ui

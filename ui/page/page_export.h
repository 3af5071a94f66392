// Saving the visible page as a Windows bitmap, and printing it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

#include "ui/widgets/save_dialog.h"

class QPaintDevice;
class QWidget;

namespace lunisol::ui {

class AlmanacPage;
class CellSheet;

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

// The bytes of a 32-bit top-down bitmap file of `image`.
QByteArray PageBitmapBytes(const QImage& image);

using ExportMessage = std::function<void(const QString&)>;
// Saves `image` as a bitmap at `path`, whole or not at all: a failed export
// leaves an existing file as it was and tells `message` why. 0 on success,
// −1 otherwise.
int ExportPageImage(const QImage& image, const QString& path, const ExportMessage& message);
// The same, telling the user in a message box over `parent` (with the
// system's own words in its details).
int ExportPageImage(const QImage& image, const QString& path, QWidget* parent);

// The save command: asks for a name in the current folder, proposing
// `proposedName`, and exports `image` (the page as the user saw it).
void ExportImageWithDialog(const QImage& image, const QString& proposedName, QWidget* parent);
// The same for the almanac page, whole, named after the year and month.
void ExportPageWithDialog(AlmanacPage& page, const QString& yearText, int month, QWidget* parent);
// The whole of a sheet and the sheets on it, at its zoom, without the marks
// of the mouse and the keys.
QImage SheetPicture(CellSheet& sheet);
// Paints a page's whole sheet (cells, backdrop and the sheets on it, such as
// the term panels, without the marks) onto `device`, fitted to its page and
// centred across it: text as text and lines as lines, so a print or a PDF is
// as sharp as the device and a PDF's text can be selected.
void PaintPageFitted(CellSheet& sheet, QPaintDevice& device);
// The print command: the page's sheet on one landscape sheet of paper.
void PrintPage(CellSheet& sheet, QWidget* parent);

}  // namespace lunisol::ui

#include "print/PagePrinter.h"

#include "printout/PrintScale.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace korvane::print {

namespace {

constexpr int PdfResolution = 300;
constexpr qreal PdfMarginMm = 10.0;

}  // namespace

bool PrintPicture(QPagedPaintDevice &device, const QImage &picture)
{
    if (picture.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the top left of the printable area.
    const printout::PrintSize size =
        printout::FitToPage(picture.width(), picture.height(), device.width(), device.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, size.width, size.height), picture);
    return painter.end();
}

bool PrintOnDefaultPrinter(const QImage &picture)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Korvane"));
    printer.setCopyCount(1);
    return PrintPicture(printer, picture) && printer.printerState() != QPrinter::Error;
}

bool PrintToPdf(const QImage &picture, const QString &path)
{
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Korvane"));
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm),
                                     QPageLayout::Millimeter));
    return PrintPicture(writer, picture);
}

}  // namespace korvane::print

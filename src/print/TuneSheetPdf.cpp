#include "print/TuneSheetPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontDatabase>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace korvane::print {

namespace {

using history::SheetCell;
using history::SheetTable;

// The document is laid out in 1/96 inch; sizes below are in those units.
constexpr double DocumentDpi = 96.0;
constexpr double MillimetresPerInch = 25.4;
constexpr int PdfResolution = 600;
constexpr double MarginMm = 10.0;
constexpr double FooterHeight = 22.0;
constexpr int TextPixels = 11;
// Maps and curves have sixteen columns; a smaller size keeps "25000 (24500)" on one line.
constexpr int WideTablePixels = 10;
constexpr int WideTableColumns = 10;

// DejaVu has every letter of the four languages; another sans serif will do without it.
QString FontFamily()
{
    const QString dejaVu = QStringLiteral("DejaVu Sans");
    return QFontDatabase::families().contains(dejaVu) ? dejaVu : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QString Html(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

// Numbers line up on the right, words on the left.
bool IsNumber(const std::string &text)
{
    const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return text.size() > start &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QString CellHtml(const SheetCell &cell)
{
    QString text = Html(cell.text);
    if (cell.differs) {
        // A break may come between the two: a wide axis cell then shows them one above the other.
        text = QStringLiteral("<b>%1</b> (%2)").arg(text, Html(cell.other));
    }
    const QString tag = cell.heading ? QStringLiteral("th") : QStringLiteral("td");
    const QString shade = cell.heading ? QStringLiteral(" bgcolor=\"#e6e6e6\"") : QString();
    return QStringLiteral("<%1%2 align=\"%3\">%4</%1>")
        .arg(tag, shade, IsNumber(cell.text) ? QStringLiteral("right") : QStringLiteral("left"), text);
}

QString TableHtml(const SheetTable &table, bool fullWidth)
{
    QString html;
    if (!table.title.empty()) {
        html += QStringLiteral("<h3>%1</h3>").arg(Html(table.title));
    }
    const std::size_t columns = table.rows.empty() ? 0 : table.rows.front().size();
    const bool wide = columns >= WideTableColumns;
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"%1\" "
                           "style=\"border-collapse: collapse; border-color: #808080; font-size: %2px\">")
                .arg(fullWidth || wide ? QStringLiteral("100%") : QStringLiteral("70%"))
                .arg(wide ? WideTablePixels : TextPixels);
    for (const auto &row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const SheetCell &cell : row) {
            html += CellHtml(cell);
        }
        html += QStringLiteral("</tr>");
    }
    // A little room before whatever follows.
    return html + QStringLiteral("</table><p style=\"font-size: 4px\">&nbsp;</p>");
}

QPageLayout SheetPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

QSizeF PageBody(const QPageLayout &layout)
{
    const QSizeF inside = layout.paintRect(QPageLayout::Millimeter).size() * (DocumentDpi / MillimetresPerInch);
    return {std::floor(inside.width()), std::floor(inside.height() - FooterHeight)};
}

QString FooterText(const history::TuneSheet &sheet, int page, int pages)
{
    const QString model = sheet.header.empty() ? QString() : QString::fromStdString(sheet.header.front().value);
    return QStringLiteral("%1 · %2 · %3 / %4").arg(QString::fromStdString(sheet.title), model).arg(page).arg(pages);
}

}  // namespace

QString TuneSheetHtml(const history::TuneSheet &sheet)
{
    QString html = QStringLiteral("<html><body style=\"font-size: %1px\">").arg(TextPixels);
    html += QStringLiteral("<h1>%1</h1><table cellspacing=\"0\" cellpadding=\"2\">").arg(Html(sheet.title));
    for (const history::SheetField &field : sheet.header) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(Html(field.caption), Html(field.value));
    }
    html += QStringLiteral("</table>");
    if (!sheet.summaryTitle.empty()) {
        html += QStringLiteral("<h2>%1</h2><p>%2</p>").arg(Html(sheet.summaryTitle), Html(sheet.legend));
        if (sheet.summary.rows.size() > 1) {
            html += TableHtml(sheet.summary, true);
        }
    }
    // Each page of the window on a page of its own; the first shares the header's
    // page unless the differences come between them.
    bool breakBefore = !sheet.summaryTitle.empty();
    for (const history::SheetSection &section : sheet.sections) {
        html += QStringLiteral("<h2%1>%2</h2>")
                    .arg(breakBefore ? QStringLiteral(" style=\"page-break-before: always\"") : QString(),
                         Html(section.title));
        breakBefore = true;
        for (const SheetTable &table : section.tables) {
            html += TableHtml(table, false);
        }
    }
    return html + QStringLiteral("</body></html>");
}

QString WriteTuneSheetPdf(const history::TuneSheet &sheet, const QString &path)
{
    QTextDocument document;
    document.setDefaultFont(QFont(FontFamily()));
    document.setDocumentMargin(0);
    document.setHtml(TuneSheetHtml(sheet));

    // A failed run leaves an existing file as it was and no part of a new one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    }
    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    const QPageLayout layout = SheetPageLayout();
    writer.setPageLayout(layout);
    writer.setTitle(QString::fromStdString(sheet.title));
    writer.setCreator(QStringLiteral("Korvane"));

    const QSizeF body = PageBody(layout);
    document.setPageSize(body);
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) {
        return QStringLiteral("cannot write %1").arg(path);
    }
    const double scale = writer.resolution() / DocumentDpi;
    painter.scale(scale, scale);
    QFont footFont(FontFamily());
    footFont.setPixelSize(TextPixels - 1);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        const QRectF slice(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -slice.top());
        // Cut between pages only: a table's right border lies on the body's edge.
        const QRectF clip = slice.adjusted(-FooterHeight, 0, FooterHeight, 0);
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), FooterHeight), Qt::AlignRight | Qt::AlignBottom,
                         FooterText(sheet, page + 1, pages));
    }
    if (!painter.end() || !file.commit()) {
        return QStringLiteral("cannot finish %1: %2").arg(path, file.errorString());
    }
    return {};
}

}  // namespace korvane::print

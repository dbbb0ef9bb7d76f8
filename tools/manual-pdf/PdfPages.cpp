#include "PdfPages.h"

#include "ManualDocument.h"
#include "ManualFonts.h"
#include "ManualLinks.h"
#include "Pagination.h"
#include "PdfLinks.h"
#include "TableRules.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <vector>

namespace korvane::manualpdf {

namespace {

constexpr double DocumentDpi = 96.0;
constexpr double MillimetresPerInch = 25.4;
constexpr int PdfResolution = 600;
// The page number sits this far below the body, in 1/96 inch.
constexpr double FooterHeight = 28.0;
constexpr double PointsPerUnit = 72.0 / DocumentDpi;
// Leader dots of the contents, this far apart, in 1/96 inch.
constexpr double LeaderStep = 5.0;

// A link of the document as the PDF places it: in points from the page's
// lower left corner.
PdfLink ToPdf(const LinkArea &link, const QPageLayout &layout, double pageHeight)
{
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF inside = layout.paintRect(QPageLayout::Point);
    const auto x = [&](double units) { return inside.left() + units * PointsPerUnit; };
    const auto y = [&](double units, int page) {
        return paper.height() - inside.top() - (units - (page - 1) * pageHeight) * PointsPerUnit;
    };
    const QRectF area(QPointF(x(link.area.left()), y(link.area.bottom(), link.page)),
                      QPointF(x(link.area.right()), y(link.area.top(), link.page)));
    return {link.page - 1, area, link.targetPage - 1, y(link.targetTop, link.targetPage)};
}

// One page of the laid-out document. A picture pushed to the next page
// starts exactly at this page's lower edge; a viewer would still show its
// top row here, so the lowest unit is left out.
QRectF PageClip(const QSizeF &body, int page)
{
    return {0, page * body.height(), body.width(), body.height() - 1};
}

void DrawPageNumber(QPainter &painter, const QSizeF &body, int page, int pages)
{
    // In document units like everything else under the scaled painter: 8 pt.
    QFont numberFont(TextFamily);
    numberFont.setPixelSize(11);
    painter.setFont(numberFont);
    painter.setPen(Qt::black);
    const QRectF foot(0, body.height(), body.width(), FooterHeight);
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("%1 / %2").arg(page + 1).arg(pages));
}

// QPdfWriter would write every link as an address; the internal ones are
// added to the file afterwards as links within it, so the writer must not
// see them.
struct Unlinked {
    int position;
    int length;
    QTextCharFormat format;
};

std::vector<Unlinked> UnlinkInternal(QTextDocument &document)
{
    std::vector<Unlinked> unlinked;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (!InternalTarget(it.fragment().charFormat().anchorHref()).isEmpty())
                unlinked.push_back({it.fragment().position(), it.fragment().length(), it.fragment().charFormat()});
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const Unlinked &link : unlinked) {
        QTextCharFormat plain = link.format;
        plain.setAnchor(false);
        plain.clearProperty(QTextFormat::AnchorHref);
        cursor.setPosition(link.position);
        cursor.setPosition(link.position + link.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(plain);
    }
    cursor.endEditBlock();
    return unlinked;
}

void Relink(QTextDocument &document, const std::vector<Unlinked> &unlinked)
{
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const Unlinked &link : unlinked) {
        cursor.setPosition(link.position);
        cursor.setPosition(link.position + link.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(link.format);
    }
    cursor.endEditBlock();
}

// Dots on a grid common to all entries, so that they line up down the page.
void DrawLeaders(QPainter &painter, const QList<Leader> &leaders, int page)
{
    // The body text's size, in document units.
    QFont dotFont(TextFamily);
    dotFont.setPixelSize(qRound(TextPointSize / PointsPerUnit));
    painter.setFont(dotFont);
    painter.setPen(Qt::black);
    for (const Leader &leader : leaders) {
        if (leader.page != page)
            continue;
        const double first = std::ceil(leader.left / LeaderStep) * LeaderStep;
        for (double x = first; x + LeaderStep / 2 <= leader.right; x += LeaderStep)
            painter.drawText(QPointF(x, leader.y), QStringLiteral("."));
    }
}

}  // namespace

QPageLayout ManualPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

QSizeF PageBody(const QPageLayout &layout)
{
    const QSizeF inside = layout.paintRect(QPageLayout::Millimeter).size() * (DocumentDpi / MillimetresPerInch);
    // Whole units: the layout places lines in 1/64 steps, and a page edge between
    // two steps would let the top row of a pushed-down picture show on the page before.
    return {std::floor(inside.width()), std::floor(inside.height() - FooterHeight)};
}

QString WritePdf(QTextDocument &document, const QPageLayout &layout, const QString &path, const QString &title)
{
    QPdfWriter writer(path);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("korvane-manual-pdf"));

    const QSizeF body = PageBody(layout);
    document.setPageSize(body);
    Paginate(document);
    const int pages = document.pageCount();
    const QList<Leader> leaders = ContentsLeaders(document);
    QList<PdfLink> links;
    for (const LinkArea &link : LinkAreas(document))
        links.append(ToPdf(link, layout, body.height()));
    QList<QList<QRectF>> rules;
    for (int page = 0; page < pages; ++page)
        rules.append(TableRules(document, PageClip(body, page)));

    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("cannot write %1").arg(path);
    // The document is laid out in 1/96 inch; the writer counts its own dots.
    const double scale = writer.resolution() / DocumentDpi;
    painter.scale(scale, scale);

    const std::vector<Unlinked> unlinked = UnlinkInternal(document);
    ShowTableRules(document, false);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        const QRectF clip = PageClip(body, page);
        painter.save();
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        document.documentLayout()->draw(&painter, context);
        StrokeRules(painter, rules[page]);
        DrawLeaders(painter, leaders, page + 1);
        painter.restore();
        DrawPageNumber(painter, body, page, pages);
    }
    ShowTableRules(document, true);
    Relink(document, unlinked);

    if (!painter.end())
        return QStringLiteral("cannot finish %1").arg(path);
    if (QFile(path).size() == 0)
        return QStringLiteral("nothing was written to %1").arg(path);
    return AddPdfLinks(path, links);
}

}  // namespace korvane::manualpdf

#include "Pagination.h"

#include "ManualLinks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace korvane::manualpdf {

namespace {

// A line that ends exactly on the page edge still fits; the layout places
// lines in 1/64 steps.
constexpr double EdgeTolerance = 0.5;
// Leader dots keep this far from the title and the number.
constexpr double LeaderGap = 4.0;

bool IsHeading(const QTextBlock &block)
{
    return block.isValid() && block.blockFormat().headingLevel() > 0;
}

// Where the lines of block are placed from: the layout places lines relative
// to their block and the block on the whole document.
QPointF LineOrigin(const QTextDocument &document, const QTextBlock &block)
{
    // After a change the layout is redone lazily, only as far as asked; a
    // block further down would still report its old place.
    (void)document.pageCount();
    return document.documentLayout()->blockBoundingRect(block).topLeft();
}

int FirstLinePage(const QTextDocument &document, const QTextBlock &block)
{
    return PageAt(document, LineRect(document, block, 0).top());
}

bool Stranded(const QTextDocument &document, const QTextBlock &heading)
{
    // A table counts by its first cell: the layout itself moves a header row
    // that would end a page to the next, with the rows below it.
    const QTextBlock follower = heading.next();
    if (!follower.isValid() || follower.layout()->lineCount() == 0)
        return false;
    const int lines = std::min(LinesKeptWithHeading, follower.layout()->lineCount());
    const double bottom = LineRect(document, follower, lines - 1).bottom();
    return PageAt(document, bottom - EdgeTolerance) != FirstLinePage(document, heading);
}

// Moves every stranded heading, with the headings directly above it on its
// page, to the top of the next page. One at a time from the start, so that
// each decision sees the pages the earlier ones made.
int KeepHeadingsWithText(QTextDocument &document)
{
    int moved = 0;
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!IsHeading(block) || !Stranded(document, block))
            continue;
        QTextBlock first = block;
        while (IsHeading(first.previous())
               && FirstLinePage(document, first.previous()) == FirstLinePage(document, first))
            first = first.previous();
        QTextBlockFormat format = first.blockFormat();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;  // it opens a page already; a page cannot hold more
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        cursor.setPosition(first.position());
        cursor.setBlockFormat(format);
        ++moved;
    }
    return moved;
}

// Writes each chapter's page after its contents entry's tab. True when a
// number changed.
bool NumberContents(QTextDocument &document)
{
    std::vector<std::pair<int, QString>> numbers;  // where the number goes, and which
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString anchor = block.blockFormat().property(ContentsEntryProperty).toString();
        if (anchor.isEmpty())
            continue;
        const QString number = QString::number(FirstLinePage(document, HeadingBlock(document, anchor)));
        const int tab = static_cast<int>(block.text().lastIndexOf(u'\t'));
        if (block.text().mid(tab + 1) != number)
            numbers.emplace_back(block.position() + tab + 1, number);
    }
    // From the end, so that the places further up stay where they were.
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        // Typed over the old number, the new one keeps the entry's format.
        cursor.setPosition(it->first);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(it->second);
    }
    cursor.endEditBlock();
    return !numbers.empty();
}

}  // namespace

int PageAt(const QTextDocument &document, double y)
{
    return static_cast<int>(std::floor(y / document.pageSize().height())) + 1;
}

QRectF LineRect(const QTextDocument &document, const QTextBlock &block, int line)
{
    // After a change the layout is redone lazily, only as far as asked; a
    // block below a changed one would keep its old place.
    const QPointF origin = LineOrigin(document, block);
    return block.layout()->lineAt(line).rect().translated(origin);
}

QList<HeadingPage> HeadingPages(const QTextDocument &document)
{
    QList<HeadingPage> headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (IsHeading(block)) {
            const QStringList names = block.begin().fragment().charFormat().anchorNames();
            headings.append({block.text(), names.value(0), FirstLinePage(document, block)});
        }
    }
    return headings;
}

QStringList StrandedHeadings(const QTextDocument &document)
{
    QStringList stranded;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (IsHeading(block) && Stranded(document, block))
            stranded << block.text();
    return stranded;
}

int Paginate(QTextDocument &document)
{
    int moved = 0;
    // New numbers could change the contents' lines and so every page after
    // them; a few rounds settle that.
    for (int round = 0; round < 4; ++round) {
        moved += KeepHeadingsWithText(document);
        if (!NumberContents(document))
            break;
    }
    return moved;
}

QList<LinkArea> LinkAreas(const QTextDocument &document)
{
    QList<LinkArea> areas;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QPointF origin = LineOrigin(document, block);
        const QTextLayout *layout = block.layout();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString target = InternalTarget(it.fragment().charFormat().anchorHref());
            if (target.isEmpty())
                continue;
            const QTextBlock heading = HeadingBlock(document, target);
            const double targetTop = LineRect(document, heading, 0).top();
            const int from = it.fragment().position() - block.position();
            const int to = from + it.fragment().length();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const int start = std::max(from, line.textStart());
                const int end = std::min(to, line.textStart() + line.textLength());
                if (start >= end)
                    continue;
                const double left = line.cursorToX(start);
                const QRectF area =
                    QRectF(left, line.y(), line.cursorToX(end) - left, line.height()).translated(origin);
                areas.append({PageAt(document, area.center().y()), area, PageAt(document, targetTop), targetTop});
            }
        }
    }
    return areas;
}

QList<Leader> ContentsLeaders(const QTextDocument &document)
{
    QList<Leader> leaders;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.blockFormat().hasProperty(ContentsEntryProperty))
            continue;
        const int tab = static_cast<int>(block.text().lastIndexOf(u'\t'));
        const QTextLine line = block.layout()->lineForTextPosition(tab);
        const QPointF origin = LineOrigin(document, block);
        const double y = origin.y() + line.y() + line.ascent();
        leaders.append({PageAt(document, y), y, origin.x() + line.cursorToX(tab) + LeaderGap,
                        origin.x() + line.cursorToX(tab + 1) - LeaderGap});
    }
    return leaders;
}

}  // namespace korvane::manualpdf

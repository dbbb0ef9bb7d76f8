#pragma once

// Where the laid-out manual falls on its pages, and the two decisions made
// from that: a heading moves to the next page rather than end one, and the
// contents show the page each chapter starts on.

#include <QList>
#include <QRectF>
#include <QString>

class QTextBlock;
class QTextDocument;

namespace korvane::manualpdf {

// A heading keeps at least this many lines of what follows on its page.
inline constexpr int LinesKeptWithHeading = 2;

struct HeadingPage {
    QString text;
    QString anchor;
    int page = 0;  // from 1
};

// A stretch of one line, in document units, that leads to a heading.
struct LinkArea {
    int page = 0;  // from 1
    QRectF area;   // on the whole document, not on its page
    int targetPage = 0;
    double targetTop = 0;  // on the whole document
};

// The page, from 1, on which position y of the laid-out document lies.
[[nodiscard]] int PageAt(const QTextDocument &document, double y);

// The top and bottom of line number line of block, on the whole document.
[[nodiscard]] QRectF LineRect(const QTextDocument &document, const QTextBlock &block, int line);

// Every heading of the document in order, with the page its first line is on.
[[nodiscard]] QList<HeadingPage> HeadingPages(const QTextDocument &document);

// The headings that end a page: too few lines of what follows them share
// their page.
[[nodiscard]] QStringList StrandedHeadings(const QTextDocument &document);

// Lays the document out so that no heading ends a page and every contents
// entry shows its chapter's page. Returns the number of headings moved to
// the next page.
int Paginate(QTextDocument &document);

// Every internal link, line by line, with where it leads.
[[nodiscard]] QList<LinkArea> LinkAreas(const QTextDocument &document);

// The room between a contents entry's title and its page number, on the
// baseline, where dots lead the eye across.
struct Leader {
    int page = 0;  // from 1
    double y = 0;  // baseline, on the whole document
    double left = 0;
    double right = 0;
};
[[nodiscard]] QList<Leader> ContentsLeaders(const QTextDocument &document);

}  // namespace korvane::manualpdf

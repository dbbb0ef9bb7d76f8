#pragma once

// Table rules drawn as lines. The layout fills each rule as a thin
// rectangle, and viewers snap such rectangles to whole pixels each in its
// own way, so that equal rules show one or two pixels wide depending on
// where they fall. A stroked line of the same width is drawn alike wherever
// it falls. So the rules the layout would fill are taken from it and
// stroked instead.

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>

class QPainter;
class QTextDocument;

namespace korvane::manualpdf {

// Every table rule of the manual, in 1/96 inch.
inline constexpr double RuleWidth = 0.6;
inline const QColor RuleColour(0x99, 0x99, 0x99);

// The rules the layout draws within slice of the document (one page), as
// the thin rectangles it would fill, in document units.
[[nodiscard]] QList<QRectF> TableRules(QTextDocument &document, const QRectF &slice);

// Shows or hides the rules of every table without moving anything: hidden,
// the layout leaves their room empty.
void ShowTableRules(QTextDocument &document, bool show);

// The rules as lines along their middles. The layout fills a rule cell by
// cell, and a rule between two cells once for each of them, the two a
// little apart, so that such a rule came out wider than the outer ones:
// rules whose bands overlap are one line here, on the middle of the two,
// and a rule's pieces one line without seams.
[[nodiscard]] QList<QLineF> RuleLines(const QList<QRectF> &rules);

// Strokes each rule along its length, RuleWidth wide, in RuleColour.
void StrokeRules(QPainter &painter, const QList<QRectF> &rules);

}  // namespace korvane::manualpdf

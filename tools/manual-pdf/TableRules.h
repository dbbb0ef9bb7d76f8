#pragma once

// Table rules drawn as lines. The layout fills each rule as a thin
// rectangle, and viewers snap such rectangles to whole pixels each in its
// own way, so that equal rules show one or two pixels wide depending on
// where they fall. A stroked line of the same width is drawn alike wherever
// it falls. So the rules the layout would fill are taken from it and
// stroked instead.

#include <QColor>
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

// Strokes each rule along its length, RuleWidth wide, in RuleColour.
void StrokeRules(QPainter &painter, const QList<QRectF> &rules);

}  // namespace korvane::manualpdf

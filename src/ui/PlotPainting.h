#pragma once

// Drawing pieces shared by the surface and the curve plots: a light, fixed
// scheme (it is read like a printed chart, whatever the desktop theme), and
// marks that stay apart in greyscale - the operating point green with a
// black outline, the selection dashed black on white.

#include "maptools/CellColours.h"

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

namespace korvane::ui {

inline const QColor PlotBackground{255, 255, 255};
inline const QColor PlotText{0, 0, 0};
inline const QColor GridColour{200, 200, 200};
inline const QColor WallColour{246, 246, 246};
inline const QColor HintColour{90, 90, 90};

[[nodiscard]] QColor ToQColour(maptools::Rgb colour);

// A bold title at the top left of area; returns its height.
double PaintTitle(QPainter &p, const QRectF &area, const QString &title);
// A tick or axis label centred in rect; a marked one on green, boxed in black.
void PaintLabel(QPainter &p, const QRectF &rect, const QString &text, bool marked);
// The operating point: a green dot with a black ring, its value beside it,
// kept inside within when given.
void PaintMarkerDot(QPainter &p, QPointF at, const QString &value, const QRectF &within = {});
// The operating point on a surface: a post from the floor up to the point.
void PaintMarkerPost(QPainter &p, QPointF floor, QPointF top, const QString &value);
// The selection: white under black dashes, readable on any colour.
void PaintSelectionOutline(QPainter &p, const QPolygonF &outline, bool closed);
// Legend swatches, left to right from x at baseline y; return the x after.
double PaintMarkerLegend(QPainter &p, double x, double y, const QString &text);
double PaintSelectionLegend(QPainter &p, double x, double y, const QString &text);

}  // namespace korvane::ui

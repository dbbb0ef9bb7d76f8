#include "ui/PlotPainting.h"

#include "ui/Colours.h"

#include <QFontMetricsF>
#include <QPainter>

namespace korvane::ui {
namespace {

constexpr double DotRadius = 6.5;
constexpr double Gap = 6;

// Above right of the dot, or wherever within leaves room.
QRectF ValueBox(QPainter &p, QPointF at, const QString &value, const QRectF &within)
{
    const QFontMetricsF metrics(p.font());
    const QSizeF size(metrics.horizontalAdvance(value) + 8, metrics.height() + 2);
    QRectF box(at + QPointF(DotRadius + 4, -size.height() - 2), size);
    if (within.isValid()) {
        if (box.right() > within.right())
            box.moveRight(at.x() - DotRadius - 4);
        if (box.top() < within.top())
            box.moveTop(at.y() + 4);
    }
    return box;
}

}  // namespace

QColor ToQColour(maptools::Rgb colour) { return {colour.r, colour.g, colour.b}; }

double PaintTitle(QPainter &p, const QRectF &area, const QString &title)
{
    p.save();
    QFont bold = p.font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    p.setFont(bold);
    const QFontMetricsF metrics(bold);
    p.setPen(PlotText);
    p.drawText(QRectF(area.left(), area.top(), area.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
               metrics.elidedText(title, Qt::ElideRight, area.width()));
    p.restore();
    return metrics.height();
}

void PaintLabel(QPainter &p, const QRectF &rect, const QString &text, bool marked)
{
    p.save();
    if (marked) {
        QFont bold = p.font();
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(QPen(PlotText, 1.5));
        p.setBrush(MarkerGreen);
        p.drawRect(rect.adjusted(-1, 0, 1, 0));
    }
    p.setPen(PlotText);
    p.drawText(rect, Qt::AlignCenter, text);
    p.restore();
}

void PaintMarkerDot(QPainter &p, QPointF at, const QString &value, const QRectF &within)
{
    p.save();
    p.setPen(QPen(PlotText, 2.5));
    p.setBrush(MarkerGreen);
    p.drawEllipse(at, DotRadius, DotRadius);
    if (!value.isEmpty()) {
        const QRectF box = ValueBox(p, at, value, within);
        p.setPen(QPen(PlotText, 1));
        p.setBrush(PlotBackground);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, value);
    }
    p.restore();
}

void PaintMarkerPost(QPainter &p, QPointF floor, QPointF top, const QString &value)
{
    p.save();
    p.setPen(QPen(PlotText, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(floor, top);
    p.setPen(QPen(MarkerGreen, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(floor, top);
    p.setPen(QPen(PlotText, 2));
    p.setBrush(MarkerGreen);
    p.drawEllipse(floor, 3, 3);
    p.restore();
    PaintMarkerDot(p, top, value);
}

void PaintSelectionOutline(QPainter &p, const QPolygonF &outline, bool closed)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    if (outline.size() == 1) {
        const QRectF square(outline.front() - QPointF(6, 6), QSizeF(12, 12));
        p.setPen(QPen(PlotBackground, 5));
        p.drawRect(square);
        p.setPen(QPen(PlotText, 2, Qt::DashLine));
        p.drawRect(square);
    } else {
        const auto draw = [&] { closed ? p.drawPolygon(outline) : p.drawPolyline(outline); };
        p.setPen(QPen(PlotBackground, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        draw();
        p.setPen(QPen(PlotText, 2, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin));
        draw();
    }
    p.restore();
}

double PaintMarkerLegend(QPainter &p, double x, double y, const QString &text)
{
    const QFontMetricsF metrics(p.font());
    const QPointF centre(x + DotRadius + 1, y - metrics.ascent() / 2 + 1);
    PaintMarkerDot(p, centre, {});
    p.setPen(PlotText);
    p.drawText(QPointF(centre.x() + DotRadius + Gap, y), text);
    return centre.x() + DotRadius + Gap + metrics.horizontalAdvance(text) + 3 * Gap;
}

double PaintSelectionLegend(QPainter &p, double x, double y, const QString &text)
{
    const QFontMetricsF metrics(p.font());
    const double mid = y - metrics.ascent() / 2 + 1;
    PaintSelectionOutline(p, QPolygonF({QPointF(x, mid - 5), QPointF(x + 22, mid - 5), QPointF(x + 22, mid + 5),
                                        QPointF(x, mid + 5)}),
                          true);
    p.setPen(PlotText);
    p.drawText(QPointF(x + 22 + Gap, y), text);
    return x + 22 + Gap + metrics.horizontalAdvance(text) + 3 * Gap;
}

}  // namespace korvane::ui

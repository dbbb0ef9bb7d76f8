#include "ui/CurvePlotView.h"

#include "maptools/SurfaceGeometry.h"
#include "ui/PlotPainting.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvane::ui {
namespace {

constexpr int Margin = 10;
constexpr double PointRadius = 3.5;
constexpr double PixelsPerXTick = 80;
constexpr double PixelsPerYTick = 36;

struct SeriesStyle {
    QColor colour;
    Qt::PenStyle line;
    double width;
    double radius;
    bool square;
};

// Colour, width, dashes and point shape all differ, so greyscale keeps them
// apart, and a second curve lying on the first leaves the first showing.
const SeriesStyle &StyleOf(std::size_t index)
{
    static const SeriesStyle styles[] = {{QColor(0, 68, 136), Qt::SolidLine, 3.5, PointRadius + 1.5, false},
                                         {QColor(204, 102, 0), Qt::DashLine, 1.8, PointRadius, true}};
    return styles[index % 2];
}

void PaintPoint(QPainter &p, QPointF at, const SeriesStyle &style)
{
    p.setPen(QPen(style.colour, 1.5));
    p.setBrush(style.square ? PlotBackground : style.colour);
    const double r = style.radius;
    if (style.square)
        p.drawRect(QRectF(at - QPointF(r, r), QSizeF(2 * r, 2 * r)));
    else
        p.drawEllipse(at, r, r);
}

double PaintSeriesLegend(QPainter &p, double x, double y, const QString &name, const SeriesStyle &style)
{
    const QFontMetricsF metrics(p.font());
    const double mid = y - metrics.ascent() / 2 + 1;
    p.setPen(QPen(style.colour, style.width, style.line));
    p.drawLine(QPointF(x, mid), QPointF(x + 28, mid));
    PaintPoint(p, QPointF(x + 14, mid), style);
    p.setPen(PlotText);
    p.drawText(QPointF(x + 34, y), name);
    return x + 34 + metrics.horizontalAdvance(name) + 18;
}

struct Range {
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    void add(const std::vector<double> &values)
    {
        for (const double v : values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
};

void PaintPlot(QPainter &p, const QRectF &area, const maptools::Plot &plot)
{
    const QFontMetricsF metrics(p.font());
    const double line = metrics.height() + 4;
    double top = area.top() + PaintTitle(p, area, QString::fromStdString(plot.title)) + 6;

    // Legend: the series (when there are several) and the operating point.
    double x = area.left();
    const double baseline = top + metrics.ascent();
    if (plot.series.size() > 1)
        for (std::size_t i = 0; i < plot.series.size(); ++i)
            x = PaintSeriesLegend(p, x, baseline, QString::fromStdString(plot.series[i].name), StyleOf(i));
    PaintMarkerLegend(p, x, baseline, QString::fromStdString(plot.pointLegend));
    top += line + 4;

    Range xs;
    Range ys;
    for (const maptools::PlotSeries &s : plot.series) {
        xs.add(s.x);
        ys.add(s.y);
    }
    if (xs.low > xs.high)
        return;
    double tickWidth = 0;
    const double bottomRoom = 2 * line + 4;
    QRectF box(area.left(), top + 1.5 * line, area.width(), area.bottom() - top - 1.5 * line - bottomRoom);
    // A little room above and below, so no point sits on the frame.
    const double pad = (ys.high - ys.low) * 0.04;
    const double floor = ys.low >= 0 ? std::max(0.0, ys.low - pad) : ys.low - pad;
    const maptools::AxisScale yScale = maptools::NiceScale(
        floor, ys.high + pad, std::max(2, static_cast<int>(box.height() / PixelsPerYTick)));
    for (const double tick : maptools::TickValues(yScale))
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(QString::number(tick)));
    box.setLeft(area.left() + tickWidth + 10);
    box.setRight(area.right() - 20);
    const maptools::AxisScale xScale =
        maptools::NiceScale(xs.low, xs.high, std::max(2, static_cast<int>(box.width() / PixelsPerXTick)));
    const auto at = [&](double vx, double vy) {
        return QPointF(maptools::ToPixel(xScale, vx, box.left(), box.right()),
                       maptools::ToPixel(yScale, vy, box.bottom(), box.top()));
    };

    p.setPen(PlotText);
    p.drawText(QRectF(area.left(), top, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(plot.yAxis));
    for (const double tick : maptools::TickValues(yScale)) {
        const double y = maptools::ToPixel(yScale, tick, box.bottom(), box.top());
        p.setPen(QPen(GridColour, 1));
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        p.setPen(PlotText);
        p.drawText(QRectF(area.left(), y - line / 2, tickWidth + 4, line), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(tick));
    }
    const std::vector<double> xTicks = maptools::TickValues(xScale);
    for (const double tick : xTicks) {
        const double px = maptools::ToPixel(xScale, tick, box.left(), box.right());
        p.setPen(QPen(GridColour, 1));
        p.drawLine(QPointF(px, box.top()), QPointF(px, box.bottom()));
        p.setPen(PlotText);
        p.drawText(QRectF(px - 50, box.bottom() + 2, 100, line), Qt::AlignCenter, QString::number(tick));
    }
    p.setPen(PlotText);
    p.drawText(QRectF(box.left(), box.bottom() + line, box.width(), line), Qt::AlignCenter,
               QString::fromStdString(plot.xAxis));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);

    for (std::size_t i = 0; i < plot.series.size(); ++i) {
        const maptools::PlotSeries &s = plot.series[i];
        const SeriesStyle &style = StyleOf(i);
        QPolygonF points;
        for (std::size_t k = 0; k < s.x.size() && k < s.y.size(); ++k)
            points << at(s.x[k], s.y[k]);
        p.setPen(QPen(style.colour, style.width, style.line));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(points);
        for (const QPointF &point : points)
            PaintPoint(p, point, style);
    }
    // Marks last, so no curve covers them.
    for (const maptools::PlotSeries &s : plot.series)
        if (s.marked && *s.marked < s.x.size())
            PaintMarkerDot(p, at(s.x[*s.marked], s.y[*s.marked]), QString::number(s.y[*s.marked]), box);
}

}  // namespace

CurvePlotView::CurvePlotView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CurvePlotView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(360, 280);
}

bool CurvePlotView::setPlots(const std::vector<maptools::Plot> &plots)
{
    if (plots == m_plots)
        return false;
    m_plots = plots;
    update();
    return true;
}

void CurvePlotView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), PlotBackground);
    if (m_plots.empty())
        return;
    const double each = (height() - Margin) / static_cast<double>(m_plots.size());
    for (std::size_t i = 0; i < m_plots.size(); ++i)
        PaintPlot(p, QRectF(Margin, Margin + each * static_cast<double>(i), width() - 2 * Margin, each - Margin),
                  m_plots[i]);
}

}  // namespace korvane::ui

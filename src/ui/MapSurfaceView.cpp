#include "ui/MapSurfaceView.h"

#include "maptools/CellColours.h"
#include "ui/Colours.h"
#include "ui/PlotPainting.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvane::ui {
namespace {

using maptools::ColumnCount;
using maptools::DepthRatio;
using maptools::HeightRatio;
using maptools::Point3;

constexpr int Margin = 10;
constexpr int MaxValueIntervals = 6;
constexpr double ColourBarWidth = 14;
constexpr double DragDegreesPerPixel = 0.5;
// How far outside the box edges the labels stand, in model units.
constexpr double LabelOffset = 0.06;

struct Label {
    QRectF rect;
    QString text;
    bool marked = false;
};

// Everything drawn, placed for one size and angle.
struct Layout {
    maptools::ScreenFit fit;
    maptools::AxisScale heights;
    maptools::ViewAngle angle;
    std::size_t rows = 0;
    double nearSide = -1;  // x of the side nearer the viewer, which the row labels take
    std::vector<Label> labels;

    [[nodiscard]] QPointF at(Point3 p) const
    {
        const maptools::ScreenPoint s = maptools::Project(p, angle);
        return {fit.x(s), fit.y(s)};
    }
    [[nodiscard]] double fraction(double value) const
    {
        return (value - heights.low) / (heights.high - heights.low);
    }
    [[nodiscard]] QPointF vertex(const maptools::SurfaceContent &c, std::size_t row, std::size_t column) const
    {
        return at(maptools::GridPoint(rows, ColumnCount, row, column, fraction(c.value(row, column))));
    }
    [[nodiscard]] QPointF floor(std::size_t row, std::size_t column) const
    {
        return at(maptools::GridPoint(rows, ColumnCount, row, column, 0));
    }
};

// A label beside anchor on the side away from edge (the point it labels).
QRectF LabelBeside(QPointF edge, QPointF anchor, QSizeF size, double extra = 0)
{
    QPointF d = anchor - edge;
    const double length = std::hypot(d.x(), d.y());
    d = length < 1e-6 ? QPointF(0, 1) : d / length;
    const double push = std::abs(d.x()) * size.width() / 2 + std::abs(d.y()) * size.height() / 2 + extra;
    const QPointF centre = anchor + d * push;
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

QSizeF TextSize(const QFontMetricsF &metrics, const QString &text)
{
    return {metrics.horizontalAdvance(text) + 6, metrics.height()};
}

bool Crowd(const Label &a, const Label &b) { return a.rect.adjusted(-6, 0, 6, 0).intersects(b.rect); }

// Axis labels thinned to every k-th where they would crowd each other, the
// last one too where it has room; the marked one always shows, in place of
// any neighbour it would crowd.
std::vector<Label> Thinned(const std::vector<Label> &labels)
{
    std::size_t every = 1;
    for (; every < labels.size(); ++every) {
        bool crowded = false;
        for (std::size_t i = every; i < labels.size() && !crowded; i += every)
            crowded = Crowd(labels[i - every], labels[i]);
        if (!crowded)
            break;
    }
    // A little sparser where that shows both ends (10 rows: 0, 10, 40, 100 %).
    for (std::size_t wider = every; wider < 2 * every && labels.size() > 1; ++wider) {
        if ((labels.size() - 1) % wider == 0) {
            every = wider;
            break;
        }
    }
    std::vector<Label> kept;
    for (std::size_t i = 0; i < labels.size(); i += every)
        kept.push_back(labels[i]);
    if ((labels.size() - 1) % every != 0 && !Crowd(kept.back(), labels.back()))
        kept.push_back(labels.back());
    for (const Label &marked : labels) {
        if (!marked.marked)
            continue;
        std::erase_if(kept, [&](const Label &k) { return k.rect == marked.rect || Crowd(k, marked); });
        kept.push_back(marked);
    }
    return kept;
}

// How far a label of size reaches from its anchor in direction d.
double Reach(QPointF d, QSizeF size)
{
    const double length = std::hypot(d.x(), d.y());
    if (length < 1e-6)
        return size.height();
    return (std::abs(d.x()) * size.width() + std::abs(d.y()) * size.height()) / length;
}

void PlaceLabels(Layout &l, const maptools::SurfaceContent &c, const QFontMetricsF &metrics)
{
    l.labels.clear();
    const double front = -DepthRatio;
    const double farSide = -l.nearSide;

    // Engine speed along the front edge, the axis title beyond.
    std::vector<Label> columns;
    const QPointF frontMid = l.at({0, front, 0});
    const QPointF frontOut = l.at({0, front - LabelOffset, 0});
    double reach = 0;
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        const QString text = QString::number(c.rpm[i]);
        const double x = maptools::GridPoint(l.rows, ColumnCount, 0, i, 0).x;
        const QSizeF size = TextSize(metrics, text);
        reach = std::max(reach, Reach(frontOut - frontMid, size));
        columns.push_back({LabelBeside(l.floor(0, i), l.at({x, front - LabelOffset, 0}), size), text,
                           c.marks.axisColumn == i});
    }
    for (const Label &label : Thinned(columns))
        l.labels.push_back(label);
    const QString rpmTitle = QString::fromStdString(c.columnAxis);
    l.labels.push_back({LabelBeside(frontMid, frontOut, TextSize(metrics, rpmTitle), reach + 4), rpmTitle, false});

    // Row breakpoints along the near side, the axis title beyond.
    const std::size_t sideColumn = l.nearSide > 0 ? ColumnCount - 1 : 0;
    const QPointF sideMid = l.at({l.nearSide, 0, 0});
    const QPointF sideOut = l.at({l.nearSide * (1 + LabelOffset), 0, 0});
    reach = 0;
    std::vector<Label> rows;
    for (std::size_t j = 0; j < l.rows; ++j) {
        const QString text = QString::number(c.rowPositions[j]);
        const double y = maptools::GridPoint(l.rows, ColumnCount, j, 0, 0).y;
        const QSizeF size = TextSize(metrics, text);
        reach = std::max(reach, Reach(sideOut - sideMid, size));
        rows.push_back({LabelBeside(l.floor(j, sideColumn), l.at({l.nearSide * (1 + LabelOffset), y, 0}), size), text,
                        c.marks.rowHeader == j});
    }
    for (const Label &label : Thinned(rows))
        l.labels.push_back(label);
    const QString rowTitle = QString::fromStdString(c.rowAxis);
    l.labels.push_back({LabelBeside(sideMid, sideOut, TextSize(metrics, rowTitle), reach + 4), rowTitle, false});

    // Values up the near edge of the far side wall, as many as have room;
    // seen from above they would all fall on one spot.
    const std::vector<double> ticks = maptools::TickValues(l.heights);
    const double spacing = ticks.size() < 2 ? 0
                                            : std::abs(l.at({farSide, front, l.fraction(ticks[1]) * HeightRatio}).y() -
                                                       l.at({farSide, front, l.fraction(ticks[0]) * HeightRatio}).y());
    if (spacing < 1)
        return;
    const auto every = static_cast<std::size_t>(std::ceil(metrics.height() * 1.2 / spacing));
    for (std::size_t k = 0; k < ticks.size(); k += every) {
        const double z = l.fraction(ticks[k]) * HeightRatio;
        const QString text = QString::number(ticks[k]);
        l.labels.push_back({LabelBeside(l.at({farSide, front, z}), l.at({farSide * (1 + LabelOffset), front, z}),
                                        TextSize(metrics, text)),
                            text, false});
    }
}

Layout Place(const maptools::SurfaceContent &c, maptools::ViewAngle angle, const QRectF &area,
             const QFontMetricsF &metrics)
{
    Layout l;
    l.angle = angle;
    l.rows = maptools::RowCount(c.sheet);
    const int highest = *std::max_element(c.values.begin(), c.values.end());
    l.heights = maptools::NiceScale(c.range.min, std::max(highest, c.range.min + 1), MaxValueIntervals);
    l.nearSide = angle.yaw > 0 ? 1 : -1;

    // Fit the box, then shrink it by what the labels stick out of the area.
    QRectF box = area;
    for (int pass = 0; pass < 4; ++pass) {
        l.fit = maptools::FitBox(angle, box.left(), box.top(), box.width(), box.height());
        PlaceLabels(l, c, metrics);
        QRectF bounds;
        for (const double x : {-1.0, 1.0})
            for (const double y : {-DepthRatio, DepthRatio})
                for (const double z : {0.0, HeightRatio})
                    bounds |= QRectF(l.at({x, y, z}), QSizeF(0.1, 0.1));
        for (const Label &label : l.labels)
            bounds |= label.rect;
        const double left = std::max(0.0, area.left() - bounds.left());
        const double top = std::max(0.0, area.top() - bounds.top());
        const double right = std::max(0.0, bounds.right() - area.right());
        const double bottom = std::max(0.0, bounds.bottom() - area.bottom());
        if (left + top + right + bottom < 0.5 || box.width() < 40 || box.height() < 40)
            break;
        box.adjust(left, top, -right, -bottom);
    }
    return l;
}

// The legend of the marks and the hint, at the bottom; returns their height.
double PaintFooter(QPainter &p, const QRectF &area, const maptools::SurfaceContent &c, bool selection)
{
    const QFontMetricsF metrics(p.font());
    const QString hint = QString::fromStdString(c.turnHint);
    const double line = metrics.height() + 4;
    double legendWidth = metrics.horizontalAdvance(QString::fromStdString(c.pointLegend)) + 40;
    if (selection)
        legendWidth += metrics.horizontalAdvance(QString::fromStdString(c.selectionLegend)) + 60;
    const bool twoLines = legendWidth + metrics.horizontalAdvance(hint) > area.width();
    const double height = twoLines ? 2 * line : line;
    const double baseline = area.bottom() - height + metrics.ascent() + 2;
    const double x = PaintMarkerLegend(p, area.left(), baseline, QString::fromStdString(c.pointLegend));
    if (selection)
        PaintSelectionLegend(p, x, baseline, QString::fromStdString(c.selectionLegend));
    p.setPen(HintColour);
    const QRectF hintRect(area.left(), area.bottom() - line, area.width(), line);
    p.drawText(hintRect, Qt::AlignRight | Qt::AlignVCenter, metrics.elidedText(hint, Qt::ElideRight, area.width()));
    return height;
}

// The palette against the editors' range, with the operating point's value.
void PaintColourBar(QPainter &p, const QRectF &bar, const maptools::SurfaceContent &c)
{
    const QFontMetricsF metrics(p.font());
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    const auto stops = maptools::PaletteStops();
    for (std::size_t i = 0; i < stops.size(); ++i)
        gradient.setColorAt(static_cast<double>(i) / static_cast<double>(stops.size() - 1), ToQColour(stops[i]));
    p.setPen(QPen(PlotText, 1));
    p.setBrush(gradient);
    p.drawRect(bar);
    const maptools::AxisScale scale{static_cast<double>(c.range.min), static_cast<double>(c.range.max),
                                    maptools::NiceStep(c.range.max - c.range.min, 5)};
    for (const double tick : maptools::TickValues(scale)) {
        if (tick > c.range.max)
            break;
        const double y = maptools::ToPixel(scale, tick, bar.bottom(), bar.top());
        p.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 4, y));
        p.drawText(QRectF(bar.right() + 6, y - metrics.height() / 2, 200, metrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(tick));
    }
    if (!c.valueUnit.empty())
        p.drawText(QRectF(bar.left() - 20, bar.top() - metrics.height() - 4, bar.width() + 40, metrics.height()),
                   Qt::AlignCenter, QString::fromStdString(c.valueUnit));
    if (c.marks.cell) {
        const double y = maptools::ToPixel(scale, c.value(c.marks.cell->row, c.marks.cell->column), bar.bottom(),
                                           bar.top());
        p.setPen(QPen(PlotText, 1.5));
        p.setBrush(MarkerGreen);
        p.drawPolygon(QPolygonF({QPointF(bar.left() - 1, y), QPointF(bar.left() - 10, y - 6),
                                 QPointF(bar.left() - 10, y + 6)}));
    }
}

}  // namespace

MapSurfaceView::MapSurfaceView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MapSurfaceView"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(360, 280);
}

bool MapSurfaceView::setContent(const maptools::SurfaceContent &content)
{
    if (content == m_content)
        return false;
    m_content = content;
    update();
    return true;
}

bool MapSurfaceView::setAngle(maptools::ViewAngle angle)
{
    angle = maptools::ClampAngle(angle);
    if (angle == m_angle)
        return false;
    m_angle = angle;
    update();
    return true;
}

void MapSurfaceView::setSelection(std::optional<maptools::Selection> selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    update();
}

void MapSurfaceView::turnTo(maptools::ViewAngle angle)
{
    if (setAngle(angle))
        emit angleChanged(m_angle);
}

void MapSurfaceView::keyPressEvent(QKeyEvent *event)
{
    // The map turns the way of the arrow, as it follows a drag.
    maptools::ViewAngle angle = m_angle;
    switch (event->key()) {
    case Qt::Key_Left:
        angle.yaw += AngleStep;
        break;
    case Qt::Key_Right:
        angle.yaw -= AngleStep;
        break;
    case Qt::Key_Up:
        angle.pitch -= AngleStep;
        break;
    case Qt::Key_Down:
        angle.pitch += AngleStep;
        break;
    case Qt::Key_Home:
        angle = maptools::DefaultViewAngle;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    turnTo(angle);
    event->accept();
}

void MapSurfaceView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragStart = event->position().toPoint();
    m_dragAngle = m_angle;
    setCursor(Qt::ClosedHandCursor);
}

void MapSurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragStart)
        return QWidget::mouseMoveEvent(event);
    const QPoint moved = event->position().toPoint() - *m_dragStart;
    turnTo({m_dragAngle.yaw - static_cast<int>(std::lround(moved.x() * DragDegreesPerPixel)),
            m_dragAngle.pitch + static_cast<int>(std::lround(moved.y() * DragDegreesPerPixel))});
}

void MapSurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragStart)
        return QWidget::mouseReleaseEvent(event);
    m_dragStart.reset();
    unsetCursor();
}

void MapSurfaceView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), PlotBackground);
    if (m_content.values.empty())
        return;
    const maptools::SurfaceContent &c = m_content;
    const QFontMetricsF metrics(font());
    const bool selected = m_selection && maptools::Fits(c.sheet, *m_selection);

    const QString titleText = QString::fromStdString(c.title);
    const double title = PaintTitle(p, QRectF(Margin, Margin, width() - 2 * Margin, 0), titleText);
    const double footer = PaintFooter(p, QRectF(rect()).adjusted(Margin, 0, -Margin, -Margin), c, selected);
    double tickWidth = 0;
    for (int v : {c.range.min, c.range.max})
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(QString::number(v)));
    const double barTop = Margin + title + metrics.height() + 10;
    const QRectF bar(width() - Margin - tickWidth - 6 - ColourBarWidth, barTop, ColourBarWidth,
                     std::max(40.0, height() - barTop - footer - 2 * Margin - metrics.height()));
    PaintColourBar(p, bar, c);
    const QRectF area(Margin, Margin + title + 4, bar.left() - 2 * Margin - 10,
                      height() - title - footer - 3 * Margin - 4);
    const Layout l = Place(c, m_angle, area, metrics);
    const double farSide = -l.nearSide;

    // Floor and the two back walls with the value lines, behind everything.
    const double top = HeightRatio;
    const auto face = [&l](Point3 a, Point3 b, Point3 cc, Point3 d) {
        return QPolygonF({l.at(a), l.at(b), l.at(cc), l.at(d)});
    };
    p.setPen(QPen(GridColour, 1));
    p.setBrush(WallColour);
    p.drawPolygon(face({-1, -DepthRatio, 0}, {1, -DepthRatio, 0}, {1, DepthRatio, 0}, {-1, DepthRatio, 0}));
    p.drawPolygon(face({-1, DepthRatio, 0}, {1, DepthRatio, 0}, {1, DepthRatio, top}, {-1, DepthRatio, top}));
    p.drawPolygon(face({farSide, -DepthRatio, 0}, {farSide, DepthRatio, 0}, {farSide, DepthRatio, top},
                       {farSide, -DepthRatio, top}));
    for (const double tick : maptools::TickValues(l.heights)) {
        const double z = l.fraction(tick) * HeightRatio;
        p.drawPolyline(QPolygonF(
            {l.at({l.nearSide, DepthRatio, z}), l.at({farSide, DepthRatio, z}), l.at({farSide, -DepthRatio, z})}));
    }
    for (std::size_t i = 0; i < ColumnCount; ++i)
        p.drawLine(l.floor(0, i), l.floor(l.rows - 1, i));

    // The mesh, far to near, so nearer quads cover farther ones.
    QPen mesh(QColor(0, 0, 0, 110), 1);
    mesh.setCosmetic(true);
    p.setPen(mesh);
    for (const maptools::QuadIndex q : maptools::FarToNear(l.rows, ColumnCount, m_angle)) {
        const double mean = (c.value(q.row, q.column) + c.value(q.row, q.column + 1) + c.value(q.row + 1, q.column) +
                             c.value(q.row + 1, q.column + 1)) / 4.0;
        p.setBrush(ToQColour(maptools::CellColour(c.sheet, static_cast<int>(std::lround(mean)))));
        p.drawPolygon(QPolygonF({l.vertex(c, q.row, q.column), l.vertex(c, q.row, q.column + 1),
                                 l.vertex(c, q.row + 1, q.column + 1), l.vertex(c, q.row + 1, q.column)}));
    }

    if (selected) {
        const maptools::Selection &s = *m_selection;
        QPolygonF outline;
        for (std::size_t i = s.left; i <= s.right; ++i)
            outline << l.vertex(c, s.top, i);
        for (std::size_t j = s.top + 1; j <= s.bottom; ++j)
            outline << l.vertex(c, j, s.right);
        if (s.bottom > s.top)
            for (std::size_t i = s.right; i-- > s.left;)
                outline << l.vertex(c, s.bottom, i);
        if (s.right > s.left)
            for (std::size_t j = s.bottom; j-- > s.top + 1;)
                outline << l.vertex(c, j, s.left);
        PaintSelectionOutline(p, outline, s.rows() > 1 && s.columns() > 1);
    }

    for (const Label &label : l.labels)
        PaintLabel(p, label.rect, label.text, label.marked);

    if (c.marks.cell) {
        const maptools::CellPos cell = *c.marks.cell;
        PaintMarkerPost(p, l.floor(cell.row, cell.column), l.vertex(c, cell.row, cell.column),
                        QString::number(c.value(cell.row, cell.column)));
    }
}

}  // namespace korvane::ui

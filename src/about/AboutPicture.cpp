#include "about/AboutPicture.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace korvane::about {

namespace {

constexpr int Columns = 15;  // engine-speed points of a map
constexpr int Rows = 10;     // throttle rows of a map

const QColor Ink(0x0e, 0x1a, 0x2b);
const QColor InkLight(0x1d, 0x33, 0x52);
const QColor Accent(0xf5, 0xa6, 0x23);
const QColor Muted(0x8a, 0xa0, 0xbc);

// A plausible advance map, 0..1: advance grows with engine speed to a plateau
// and is highest at small throttle, which lies at the back of the view.
double MapHeight(int column, int row)
{
    const double speed = column / double(Columns - 1);
    const double load = 1.0 - row / double(Rows - 1);
    const double rise = 1.0 - std::exp(-4.0 * speed);
    return std::clamp(0.08 + 0.9 * rise * (1.0 - 0.6 * load) - 0.06 * speed * speed, 0.0, 1.0);
}

// Cool blue for little advance through to warm red for much.
QColor HeightColour(double height, int alpha)
{
    QColor colour = QColor::fromHsvF(float(0.6 * (1.0 - height)), 0.72f, 0.95f);
    colour.setAlpha(alpha);
    return colour;
}

QFont Face(int pixelSize, bool bold)
{
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(pixelSize);
    face.setBold(bold);
    return face;
}

void DrawBackground(QPainter &p, const QRect &area)
{
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0.0, Ink);
    fill.setColorAt(1.0, InkLight);
    p.fillRect(area, fill);

    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 0; x < area.width(); x += 24)
        p.drawLine(x, 0, x, area.height());
    for (int y = 0; y < area.height(); y += 24)
        p.drawLine(0, y, area.width(), y);
}

void DrawTitle(QPainter &p)
{
    p.setPen(Qt::white);
    p.setFont(Face(58, true));
    p.drawText(QRect(34, 26, 400, 72), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Korvane"));
    p.fillRect(QRect(38, 102, 120, 4), Accent);

    // A spark: two offset wedges, top right.
    QPolygonF spark;
    spark << QPointF(470, 30) << QPointF(446, 72) << QPointF(462, 72) << QPointF(452, 106)
          << QPointF(484, 58) << QPointF(467, 58) << QPointF(480, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPolygon(spark);
}

// The map as a surface in an oblique view, drawn back to front.
void DrawMapSurface(QPainter &p)
{
    constexpr double originX = 62;
    constexpr double originY = 425;
    constexpr double columnStep = 22;
    constexpr double rowShiftX = 12;
    constexpr double rowShiftY = 15;
    constexpr double heightScale = 165;

    const auto at = [&](int column, int row) {
        return QPointF(originX + column * columnStep + row * rowShiftX,
                       originY - row * rowShiftY - MapHeight(column, row) * heightScale);
    };
    const auto floorAt = [&](int column, int row) {
        return QPointF(originX + column * columnStep + row * rowShiftX, originY - row * rowShiftY);
    };

    // The floor grid the surface stands on.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int c = 0; c < Columns; ++c)
        p.drawLine(floorAt(c, 0), floorAt(c, Rows - 1));
    for (int r = 0; r < Rows; ++r)
        p.drawLine(floorAt(0, r), floorAt(Columns - 1, r));

    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    for (int r = Rows - 2; r >= 0; --r) {
        for (int c = 0; c < Columns - 1; ++c) {
            const double height =
                (MapHeight(c, r) + MapHeight(c + 1, r) + MapHeight(c, r + 1) + MapHeight(c + 1, r + 1)) / 4;
            p.setBrush(HeightColour(height, 215));
            const std::array<QPointF, 4> cell{at(c, r), at(c + 1, r), at(c + 1, r + 1), at(c, r + 1)};
            p.drawPolygon(cell.data(), int(cell.size()));
        }
    }

    // A skirt down to the floor along the front, so the surface reads as a solid.
    QPolygonF skirt;
    for (int c = 0; c < Columns; ++c)
        skirt << at(c, 0);
    skirt << floorAt(Columns - 1, 0) << floorAt(0, 0);
    QLinearGradient fade(QPointF(0, originY - heightScale), QPointF(0, originY));
    fade.setColorAt(0.0, QColor(255, 255, 255, 60));
    fade.setColorAt(1.0, QColor(255, 255, 255, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPolygon(skirt);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    for (int c = 0; c < Columns; c += 2)
        p.drawLine(at(c, 0), floorAt(c, 0));
}

// The advance curve at full throttle, with engine-speed ticks.
void DrawAdvanceCurve(QPainter &p)
{
    const QRectF plot(40, 452, 455, 70);
    p.setPen(QPen(QColor(255, 255, 255, 35), 1));
    for (int i = 0; i <= 12; ++i) {
        const double x = plot.left() + plot.width() * i / 12.0;
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    p.drawLine(plot.bottomLeft(), plot.bottomRight());

    QPainterPath curve;
    constexpr int Steps = 120;
    for (int i = 0; i <= Steps; ++i) {
        const double speed = i / double(Steps);
        const double advance = 0.12 + 0.78 * (1.0 - std::exp(-5.0 * speed)) - 0.12 * speed * speed;
        const QPointF point(plot.left() + plot.width() * speed, plot.bottom() - plot.height() * advance);
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    QPainterPath area = curve;
    area.lineTo(plot.bottomRight());
    area.lineTo(plot.bottomLeft());
    area.closeSubpath();
    QLinearGradient shade(plot.topLeft(), plot.bottomLeft());
    shade.setColorAt(0.0, QColor(Accent.red(), Accent.green(), Accent.blue(), 90));
    shade.setColorAt(1.0, QColor(Accent.red(), Accent.green(), Accent.blue(), 0));
    p.fillPath(area, shade);
    p.strokePath(curve, QPen(Accent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    p.setPen(Muted);
    p.setFont(Face(10, false));
    for (int i = 0; i <= 12; i += 3) {
        const double x = plot.left() + plot.width() * i / 12.0;
        p.drawText(QRectF(x - 20, plot.bottom() + 3, 40, 14), Qt::AlignCenter, QString::number(i * 1000));
    }
    p.drawText(QRectF(plot.right() - 40, plot.top() - 16, 40, 14), Qt::AlignRight, QStringLiteral("rpm"));
}

}  // namespace

QImage DrawAboutPicture()
{
    QImage picture(AboutPictureSize, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(p, picture.rect());
    DrawTitle(p);
    DrawMapSurface(p);
    DrawAdvanceCurve(p);
    return picture;
}

}  // namespace korvane::about

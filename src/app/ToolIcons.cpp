#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace korvane::app {

namespace {

constexpr int IconSize = 20;

QIcon Draw(const std::function<void(QPainter &)> &paint)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(IconSize * scale, IconSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor Outline{40, 40, 40};

}  // namespace

QIcon NewIcon()
{
    return Draw([](QPainter &p) {
        QPainterPath page;
        page.moveTo(4.5, 2.5);
        page.lineTo(12.5, 2.5);
        page.lineTo(16.5, 6.5);
        page.lineTo(16.5, 17.5);
        page.lineTo(4.5, 17.5);
        page.closeSubpath();
        p.setPen(QPen(Outline, 1));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.setBrush(QColor(220, 220, 220));
        p.drawPolygon(QPolygonF({QPointF(12.5, 2.5), QPointF(12.5, 6.5), QPointF(16.5, 6.5)}));
        p.setPen(QPen(QColor(120, 150, 200), 1));
        for (double y : {9.5, 12.0, 14.5})
            p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
    });
}

QIcon OpenIcon()
{
    return Draw([](QPainter &p) {
        p.setPen(QPen(Outline, 1));
        p.setBrush(QColor(230, 190, 80));
        p.drawPolygon(QPolygonF({QPointF(2.5, 5.5), QPointF(7.5, 5.5), QPointF(9.5, 7.5), QPointF(16.5, 7.5),
                                 QPointF(16.5, 16.5), QPointF(2.5, 16.5)}));
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(QPolygonF({QPointF(4.5, 9.5), QPointF(18.5, 9.5), QPointF(16.5, 16.5), QPointF(2.5, 16.5)}));
    });
}

QIcon SaveIcon()
{
    return Draw([](QPainter &p) {
        p.setPen(QPen(Outline, 1));
        p.setBrush(QColor(60, 90, 160));
        p.drawRect(QRectF(3.5, 3.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 3.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5.5, 11.5, 9, 5));
        p.setBrush(QColor(60, 90, 160));
        p.drawRect(QRectF(11.0, 4.5, 1.5, 3));
    });
}

QIcon PrintIcon()
{
    return Draw([](QPainter &p) {
        p.setPen(QPen(Outline, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 7, 6));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2.5, 7.5, 15, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 5));
        p.setPen(QPen(QColor(0, 160, 0), 1));
        p.drawPoint(QPointF(15.0, 9.5));
    });
}

}  // namespace korvane::app

#include "SpinArrows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace korvane::ui {

SpinArrows::SpinArrows(QWidget *parent) : QWidget(parent)
{
    // Clicking the arrows must not pull the focus out of an edit field:
    // leaving a form edit is a gesture of its own.
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

QSize SpinArrows::sizeHint() const
{
    return {16, 21};
}

void SpinArrows::setColour(const QColor &colour)
{
    if (colour == m_colour) {
        return;
    }
    m_colour = colour;
    update();
}

SpinArrows::Part SpinArrows::partAt(const QPoint &position) const
{
    if (!rect().contains(position)) {
        return Part::None;
    }
    return position.y() < height() / 2 ? Part::Up : Part::Down;
}

void SpinArrows::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = partAt(event->position().toPoint());
    update();
}

void SpinArrows::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const Part pressed = m_pressed;
    m_pressed = Part::None;
    update();
    if (pressed == Part::None || partAt(event->position().toPoint()) != pressed) {
        return;
    }
    if (pressed == Part::Up) {
        emit upClicked();
    } else {
        emit downClicked();
    }
}

void SpinArrows::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    const QColor face = m_colour.isValid() ? m_colour : pal.color(QPalette::Button);
    const int half = height() / 2;
    const QRect upRect(0, 0, width(), half);
    const QRect downRect(0, half, width(), height() - half);

    auto drawHalf = [&](const QRect &area, bool sunken) {
        painter.fillRect(area, sunken ? face.darker(115) : face);
        painter.setPen(sunken ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(sunken ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());
    };
    drawHalf(upRect, m_pressed == Part::Up);
    drawHalf(downRect, m_pressed == Part::Down);

    // Arrow triangles sized to the half, so the wider column spin buttons
    // get the same look.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? pal.color(QPalette::ButtonText) : pal.color(QPalette::Mid));
    auto arrow = [&](const QRect &area, bool up) {
        const int w = qMax(3, (area.width() - 8) / 2 * 2 + 1);
        const int h = qMin((w + 1) / 2, qMax(2, area.height() - 4));
        const int cx = area.left() + area.width() / 2;
        const int top = area.top() + (area.height() - h) / 2;
        QPolygon triangle;
        if (up) {
            triangle << QPoint(cx - w / 2, top + h) << QPoint(cx + w / 2 + 1, top + h) << QPoint(cx, top);
        } else {
            triangle << QPoint(cx - w / 2, top) << QPoint(cx + w / 2 + 1, top) << QPoint(cx, top + h);
        }
        painter.drawPolygon(triangle);
    };
    arrow(upRect, true);
    arrow(downRect, false);
}

}  // namespace korvane::ui

#include "ui/BarGauge.h"

#include <QPainter>

#include <algorithm>

namespace korvane::ui {

BarGauge::BarGauge(const QString &name, int maximum, const QColor &foreground, QWidget *parent)
    : QWidget(parent), m_maximum(std::max(maximum, 0)), m_foreground(foreground)
{
    setObjectName(name);
    // The whole face is painted here, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarGauge::setMaximum(int maximum)
{
    maximum = std::max(maximum, 0);
    if (maximum == m_maximum)
        return;
    m_maximum = maximum;
    m_progress = std::min(m_progress, m_maximum);
    update();
}

void BarGauge::setProgress(int progress)
{
    progress = std::clamp(progress, 0, m_maximum);
    if (progress == m_progress)
        return;
    m_progress = progress;
    update();
}

void BarGauge::setForeground(const QColor &colour)
{
    if (colour == m_foreground)
        return;
    m_foreground = colour;
    update();
}

void BarGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect();
    painter.fillRect(frame, palette().color(QPalette::Base));
    const QRect inner = frame.adjusted(1, 1, -1, -1);
    if (m_maximum > 0 && m_progress > 0) {
        const int width = static_cast<int>(static_cast<long long>(inner.width()) * m_progress / m_maximum);
        const QColor bar = m_foreground.isValid() ? m_foreground : palette().color(QPalette::Highlight);
        painter.fillRect(QRect(inner.left(), inner.top(), width, inner.height()), bar);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

}  // namespace korvane::ui

#include "TrailRings.h"

#include <QColor>
#include <QPainter>

namespace korvane::ui {

namespace {

// Two pixels just outside the editor: the gap to the next column is four.
constexpr int RingWidth = TrailRingWidth;
constexpr std::array<int, TrailBuckets> Alpha{255, 200, 150, 105, 65};
const QColor TrailColour{0, 0, 160};

QRect Outer(const QRect &editor)
{
    return editor.adjusted(-RingWidth, -RingWidth, RingWidth, RingWidth);
}

}  // namespace

QRegion TrailRingRegion(const QRect &editor)
{
    return QRegion(Outer(editor)).subtracted(QRegion(editor));
}

void PaintTrailRing(QPainter &painter, const QRect &editor, std::uint8_t bucket)
{
    if (bucket >= TrailBuckets)
        return;
    QColor colour = TrailColour;
    colour.setAlpha(Alpha[bucket]);
    const QRect outer = Outer(editor);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), RingWidth), colour);
    painter.fillRect(QRect(outer.left(), editor.bottom() + 1, outer.width(), RingWidth), colour);
    painter.fillRect(QRect(outer.left(), editor.top(), RingWidth, editor.height()), colour);
    painter.fillRect(QRect(editor.right() + 1, editor.top(), RingWidth, editor.height()), colour);
}

}  // namespace korvane::ui

#include "TableRules.h"

#include <QAbstractTextDocumentLayout>
#include <QBrush>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <vector>

namespace korvane::manualpdf {

namespace {

// Draws nothing; keeps the rectangles filled in the rule colour.
class RuleRecorder final : public QPaintEngine {
public:
    RuleRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyBrush)
            m_brush = state.brush();
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            Keep(rects[i]);
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            Keep(QRectF(rects[i]));
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        Keep(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawPath(const QPainterPath &path) override { Keep(path.boundingRect()); }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}

    QList<QRectF> rules;

private:
    void Keep(const QRectF &rect)
    {
        if (m_brush.style() == Qt::SolidPattern && m_brush.color() == RuleColour)
            rules.append(m_transform.mapRect(rect));
    }

    QBrush m_brush;
    QTransform m_transform;
};

class RuleDevice final : public QPaintDevice {
public:
    QPaintEngine *paintEngine() const override { return &m_recorder; }
    [[nodiscard]] const QList<QRectF> &Rules() const { return m_recorder.rules; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 20;
        case PdmWidthMM:
        case PdmHeightMM:
            return (1 << 20) / 96 * 254 / 10;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable RuleRecorder m_recorder;
};

void SetRuleBrush(QTextFrame *frame, const QBrush &brush)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setBorderBrush(brush);
            table->setFormat(format);
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 0; column < table->columns(); ++column) {
                    QTextTableCell cell = table->cellAt(row, column);
                    QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                    cellFormat.setBorderBrush(brush);
                    cell.setFormat(cellFormat);
                }
            }
        }
        SetRuleBrush(child, brush);
    }
}

}  // namespace

QList<QLineF> RuleLines(const QList<QRectF> &rules)
{
    struct Piece {
        double at;  // across the rule: its middle
        double from;
        double to;
    };
    QList<QLineF> lines;
    for (const bool across : {true, false}) {
        std::vector<Piece> pieces;
        for (const QRectF &rule : rules) {
            if ((rule.width() >= rule.height()) == across)
                pieces.push_back(across ? Piece{rule.center().y(), rule.left(), rule.right()}
                                        : Piece{rule.center().x(), rule.top(), rule.bottom()});
        }
        std::sort(pieces.begin(), pieces.end(), [](const Piece &a, const Piece &b) { return a.at < b.at; });
        for (std::size_t first = 0; first < pieces.size();) {
            std::size_t end = first;
            while (end < pieces.size() && pieces[end].at - pieces[first].at < RuleWidth)
                ++end;
            const double at = (pieces[first].at + pieces[end - 1].at) / 2;
            const auto begin = pieces.begin();
            std::sort(begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(end),
                      [](const Piece &a, const Piece &b) { return a.from < b.from; });
            for (std::size_t i = first; i < end;) {
                double from = pieces[i].from;
                double to = pieces[i].to;
                // A crossing rule leaves a gap of its own doubled width.
                for (++i; i < end && pieces[i].from <= to + 2 * RuleWidth; ++i)
                    to = std::max(to, pieces[i].to);
                lines.append(across ? QLineF(from, at, to, at) : QLineF(at, from, at, to));
            }
            first = end;
        }
    }
    return lines;
}

QList<QRectF> TableRules(QTextDocument &document, const QRectF &slice)
{
    RuleDevice device;
    QPainter painter(&device);
    painter.setClipRect(slice);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = slice;
    document.documentLayout()->draw(&painter, context);
    painter.end();

    QList<QRectF> rules;
    for (const QRectF &rule : device.Rules())
        if (const QRectF inside = rule.intersected(slice); !inside.isEmpty())
            rules.append(inside);
    return rules;
}

void ShowTableRules(QTextDocument &document, bool show)
{
    // One change for the layout to redo, not one per cell.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    SetRuleBrush(document.rootFrame(), show ? QBrush(RuleColour) : QBrush(Qt::transparent));
    edit.endEditBlock();
}

void StrokeRules(QPainter &painter, const QList<QRectF> &rules)
{
    QPen pen(RuleColour);
    pen.setWidthF(RuleWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.save();
    painter.setPen(pen);
    for (const QLineF &line : RuleLines(rules))
        painter.drawLine(line);
    painter.restore();
}

}  // namespace korvane::manualpdf

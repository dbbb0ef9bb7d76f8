#include "MapTablePainting.h"

#include "Colours.h"
#include "MapTableModel.h"
#include "NumericEditor.h"

#include "maptools/CellColours.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>

namespace korvane::ui {

namespace {

using namespace TableMarks;

const QColor CompareColour(230, 0, 150);
// Selected cells turn dark blue where they were light and light blue where
// they were dark, so their text inverts: apart from the rest in greyscale too.
const QColor SelectionDark(0, 40, 110);
const QColor SelectionLight(205, 228, 255);
constexpr double SelectionTint = 0.7;
constexpr int SignInset = 3;
constexpr int PadlockSize = 8;

// A frame of the given width just inside rect.
void FillFrame(QPainter *painter, const QRect &rect, int width, const QColor &colour)
{
    const int sideHeight = rect.height() - 2 * width;
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
    painter->fillRect(QRect(rect.left(), rect.top() + width, width, sideHeight), colour);
    painter->fillRect(QRect(rect.right() - width + 1, rect.top() + width, width, sideHeight), colour);
}

void PaintMarker(QPainter *painter, const QRect &rect)
{
    FillFrame(painter, rect, 1, Qt::black);
    FillFrame(painter, rect.adjusted(1, 1, -1, -1), MarkerBand, MarkerGreen);
    const int inner = 1 + MarkerBand;
    FillFrame(painter, rect.adjusted(inner, inner, -inner, -inner), 1, Qt::black);
}

// In the bottom-left corner, in the text's colour: a body and a shackle.
void PaintPadlock(QPainter *painter, const QRect &rect, const QColor &colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRect body(rect.left() + SignInset, rect.bottom() - SignInset - PadlockSize / 2, PadlockSize,
                     PadlockSize / 2);
    painter->fillRect(body, colour);
    painter->setPen(QPen(colour, 1.5));
    painter->setBrush(Qt::NoBrush);
    const int shackle = PadlockSize - 4;
    painter->drawArc(QRect(body.left() + 2, body.top() - shackle / 2 - 1, shackle, shackle), 0, 180 * 16);
    painter->restore();
}

void PaintCompareMark(QPainter *painter, const QRect &rect)
{
    // Halo, outline, fill: the corner shows on light and dark cells alike.
    const auto triangle = [&rect](int size) {
        return QPolygon({rect.topLeft(), rect.topLeft() + QPoint(size, 0), rect.topLeft() + QPoint(0, size)});
    };
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    const QColor layers[] = {Qt::white, Qt::black, CompareColour};
    const int sizes[] = {CompareTriangle + 2, CompareTriangle, CompareTriangle - 3};
    for (int i = 0; i < 3; ++i) {
        painter->setBrush(layers[i]);
        painter->drawPolygon(triangle(sizes[i]));
    }
    painter->restore();
}

QColor Blend(const QColor &from, const QColor &to, double t)
{
    const auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return {mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())};
}

QColor ContrastingText(const QColor &background)
{
    const maptools::Rgb text = maptools::TextColourOn(
        {static_cast<std::uint8_t>(background.red()), static_cast<std::uint8_t>(background.green()),
         static_cast<std::uint8_t>(background.blue())});
    return {text.r, text.g, text.b};
}

}  // namespace

MapCellDelegate::MapCellDelegate(QAbstractItemView *view) : QStyledItemDelegate(view), m_view(view) {}

void MapCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QVariant background = index.data(Qt::BackgroundRole);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const bool editable = index.flags().testFlag(Qt::ItemIsEditable);
    QColor fill = background.isValid() ? background.value<QColor>() : opt.palette.color(QPalette::Base);
    QColor text = foreground.isValid() ? foreground.value<QColor>()
                                       : opt.palette.color(editable ? QPalette::Active : QPalette::Disabled,
                                                           QPalette::Text);
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    if (selected) {
        const bool light = ContrastingText(fill) == QColor(Qt::black);
        fill = Blend(fill, light ? SelectionDark : SelectionLight, SelectionTint);
        text = ContrastingText(fill);
    }
    const QRect rect = opt.rect;
    painter->fillRect(rect, fill);
    painter->setPen(text);
    painter->setFont(opt.font);
    painter->drawText(rect, Qt::AlignCenter, opt.text);
    if (const QString sign = index.data(MapTableModel::SignRole).toString(); !sign.isEmpty())
        painter->drawText(rect.adjusted(0, 0, -SignInset, 0), Qt::AlignRight | Qt::AlignVCenter, sign);
    if (index.data(MapTableModel::LockRole).toBool())
        PaintPadlock(painter, rect, text);

    if (selected) {
        // The border runs round the selected rectangle, not round each cell.
        const QItemSelectionModel *selection = m_view->selectionModel();
        const auto outside = [&](int row, int column) {
            const QModelIndex next = index.sibling(row, column);
            return !next.isValid() || !selection->isSelected(next);
        };
        const int row = index.row();
        const int column = index.column();
        if (outside(row - 1, column))
            painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), SelectionBorder), Qt::black);
        if (outside(row + 1, column))
            painter->fillRect(QRect(rect.left(), rect.bottom() - SelectionBorder + 1, rect.width(), SelectionBorder),
                              Qt::black);
        if (outside(row, column - 1))
            painter->fillRect(QRect(rect.left(), rect.top(), SelectionBorder, rect.height()), Qt::black);
        if (outside(row, column + 1))
            painter->fillRect(QRect(rect.right() - SelectionBorder + 1, rect.top(), SelectionBorder, rect.height()),
                              Qt::black);
    }
    if (opt.state.testFlag(QStyle::State_HasFocus) && m_view->hasFocus()) {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        const int inset = SelectionBorder + 1;
        painter->drawRect(rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    if (const int age = index.data(MapTableModel::TrailRole).toInt(); age < TrailBuckets) {
        // Inside the cell, clear of the selection's border.
        const int inset = SelectionBorder + TrailRingWidth;
        PaintTrailRing(*painter, rect.adjusted(inset, inset, -inset, -inset), static_cast<std::uint8_t>(age));
    }
    if (index.data(MapTableModel::CompareRole).toBool())
        PaintCompareMark(painter, rect);
    if (index.data(MapTableModel::MarkRole).toBool())
        PaintMarker(painter, rect);
}

QWidget *MapCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignCenter);
    return editor;
}

void MapCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(index.data(Qt::DisplayRole).toString());
}

void MapCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (edit == nullptr)
        return;
    // Text that is no number leaves the cell as it was, as in a spin editor.
    bool ok = false;
    const int value = NumericEditor::ParseValue(edit->text(), &ok);
    if (ok && value != index.data(Qt::EditRole).toInt())
        model->setData(index, value, Qt::EditRole);
}

bool MapCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit enterPressed();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

MapTableHeader::MapTableHeader(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent) {}

void MapTableHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (m_cursor && m_cursor() == logicalIndex) {
        QColor tint = palette().color(QPalette::Active, QPalette::Highlight);
        tint.setAlpha(110);
        painter->fillRect(rect, tint);
        FillFrame(painter, rect, SelectionBorder, Qt::black);
    }
    if (model()->headerData(logicalIndex, orientation(), MapTableModel::CompareRole).toBool())
        PaintCompareMark(painter, rect);
    if (model()->headerData(logicalIndex, orientation(), MapTableModel::MarkRole).toBool())
        PaintMarker(painter, rect);
}

}  // namespace korvane::ui

#pragma once

// How a table of table editing paints its cells and headers. Three marks
// that must stay apart also in greyscale and on any cell colour:
//   live operating point  a thick green band at the cell's edge between two
//                         black lines (cell and both its headers);
//   selection             a light cell turns dark blue, a dark one light
//                         blue, so the text inverts; a black 2 px border
//                         runs round the selected rectangle;
//   compare difference    a triangle in the cell's top left corner.

#include <QHeaderView>
#include <QStyledItemDelegate>

#include <functional>

class QAbstractItemView;

namespace korvane::ui {

namespace TableMarks {
inline constexpr int MarkerBand = 3;       // green, between two 1 px black lines
inline constexpr int SelectionBorder = 2;  // black
inline constexpr int CompareTriangle = 14; // legs in pixels
}  // namespace TableMarks

class MapCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit MapCellDelegate(QAbstractItemView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    // Enter or Return took the typed value; the view moves down.
    void enterPressed();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QAbstractItemView *m_view;
};

// A header that shows the live marker and compare marks of its sections and,
// on the axis, the keyboard cursor of axis editing.
class MapTableHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit MapTableHeader(Qt::Orientation orientation, QWidget *parent = nullptr);
    // Which section carries the axis cursor, if any.
    void setCursorSection(std::function<int()> section) { m_cursor = std::move(section); }
    void repaintSection(int logicalIndex) { updateSection(logicalIndex); }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    std::function<int()> m_cursor;
};

}  // namespace korvane::ui

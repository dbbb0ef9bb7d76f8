#include "MapTableView.h"

#include "MapTablePainting.h"
#include "NumericEditor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <climits>

namespace korvane::ui {

namespace {

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool WithoutControl(const QKeyEvent &event)
{
    return !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool StartsWithDigit(const QString &text)
{
    return !text.isEmpty() && text.at(0).isDigit();
}

}  // namespace

MapTableView::MapTableView(const model::ConfigImage &image, maptools::SheetId sheet, QWidget *parent)
    : QTableView(parent),
      m_model(new MapTableModel(image, sheet, this)),
      m_delegate(new MapCellDelegate(this)),
      m_axisHeader(new MapTableHeader(Qt::Horizontal, this)),
      m_rowHeader(new MapTableHeader(Qt::Vertical, this)),
      m_corner(new QLabel(this))
{
    setHorizontalHeader(m_axisHeader);
    setVerticalHeader(m_rowHeader);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCornerButtonEnabled(false);
    // Arrows move within the table; Tab leaves it for the editors around it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    for (MapTableHeader *header : {m_axisHeader, m_rowHeader}) {
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->setSectionsClickable(true);
        header->setHighlightSections(false);
    }
    m_axisHeader->setCursorSection([this] { return m_axisCursor.value_or(-1); });
    m_corner->setAlignment(Qt::AlignCenter);

    connect(m_axisHeader, &QHeaderView::sectionDoubleClicked, this, [this](int column) {
        if (m_model->readOnly()) {
            emit command(TableCommand::Refused, 0);
            return;
        }
        setAxisCursor(column);
        openAxisEditor(column, NumericEditor::FormatValue(m_model->axisValue(column)));
    });
    connect(m_model, &MapTableModel::sectionMarksChanged, this, [this](Qt::Orientation orientation, int section) {
        (orientation == Qt::Horizontal ? m_axisHeader : m_rowHeader)->repaintSection(section);
    });
    connect(m_delegate, &MapCellDelegate::enterPressed, this, [this] {
        moveTo(currentIndex().row() + 1, currentIndex().column());
    });
    setCurrentIndex(m_model->index(0, 0));
}

void MapTableView::setSheet(maptools::SheetId sheet)
{
    if (sheet == m_model->sheet())
        return;
    closeAxisEditor(false);
    setAxisCursor(std::nullopt);
    m_model->setSheet(sheet);
    setCurrentIndex(m_model->index(0, 0));
}

maptools::CellPos MapTableView::currentCell() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return {};
    return {static_cast<std::size_t>(current.row()), static_cast<std::size_t>(current.column())};
}

maptools::Selection MapTableView::selection() const
{
    const QItemSelection ranges = selectionModel()->selection();
    if (ranges.isEmpty())
        return maptools::Selection::Cell(currentCell());
    int top = INT_MAX;
    int left = INT_MAX;
    int bottom = 0;
    int right = 0;
    for (const QItemSelectionRange &range : ranges) {
        top = std::min(top, range.top());
        left = std::min(left, range.left());
        bottom = std::max(bottom, range.bottom());
        right = std::max(right, range.right());
    }
    return {static_cast<std::size_t>(top), static_cast<std::size_t>(left), static_cast<std::size_t>(bottom),
            static_cast<std::size_t>(right)};
}

void MapTableView::selectCells(const maptools::Selection &selection)
{
    const QModelIndex first = m_model->index(static_cast<int>(selection.top), static_cast<int>(selection.left));
    const QModelIndex last = m_model->index(static_cast<int>(selection.bottom), static_cast<int>(selection.right));
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void MapTableView::setCornerText(const QString &text)
{
    if (m_corner->text() == text)
        return;
    m_corner->setText(text);
    // The row captions of a curve are narrower than the corner's caption.
    m_rowHeader->setMinimumWidth(m_corner->fontMetrics().horizontalAdvance(text) + 8);
}

std::optional<std::pair<TableCommand, int>> MapTableView::CommandOf(const QKeyEvent &event)
{
    if (!WithoutControl(event))
        return std::nullopt;
    // Shift is needed to type '+' on many keyboards, so only the keypad's
    // Shift+plus and Shift+minus, and '_' (Shift+minus), step by ten.
    const bool tenfold = event.modifiers().testFlag(Qt::ShiftModifier) &&
                         event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
    case Qt::Key_Plus:
        return std::pair(TableCommand::AddSteps, tenfold ? 10 : 1);
    case Qt::Key_Minus:
        return std::pair(TableCommand::AddSteps, tenfold ? -10 : -1);
    case Qt::Key_Underscore:
        return std::pair(TableCommand::AddSteps, -10);
    case Qt::Key_Asterisk:
        return std::pair(TableCommand::Scale, 0);
    case Qt::Key_Equal:
        return std::pair(TableCommand::Set, 0);
    case Qt::Key_I:
        return std::pair(TableCommand::Interpolate, 0);
    case Qt::Key_S:
        return std::pair(TableCommand::Smooth, 0);
    case Qt::Key_L:
        return std::pair(TableCommand::Lock, 0);
    default:
        return std::nullopt;
    }
}

void MapTableView::keyPressEvent(QKeyEvent *event)
{
    if (m_axisCursor) {
        axisKey(event);
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste)) {
        emit command(event->matches(QKeySequence::Copy) ? TableCommand::Copy : TableCommand::Paste, 0);
        return;
    }
    if (const auto found = CommandOf(*event)) {
        emit command(found->first, found->second);
        return;
    }
    const QModelIndex current = currentIndex();
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    if (IsEnter(event->key()) && held == Qt::NoModifier) {
        moveTo(current.row() + 1, current.column());
        return;
    }
    if (event->key() == Qt::Key_Up && held == Qt::NoModifier && current.row() == 0) {
        setAxisCursor(current.column());
        return;
    }
    const bool typing = WithoutControl(*event) && StartsWithDigit(event->text());
    if ((typing || event->key() == Qt::Key_F2) && m_model->readOnly()) {
        emit command(TableCommand::Refused, 0);
        return;
    }
    if (typing) {
        edit(current, QAbstractItemView::AnyKeyPressed, event);
        return;
    }
    // Letters do not search the table; they are kept for commands.
    if (WithoutControl(*event) && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void MapTableView::moveTo(int row, int column)
{
    row = std::clamp(row, 0, m_model->rowCount() - 1);
    column = std::clamp(column, 0, m_model->columnCount() - 1);
    selectionModel()->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::ClearAndSelect);
}

void MapTableView::axisKey(QKeyEvent *event)
{
    const int column = *m_axisCursor;
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        setAxisCursor(std::clamp(column + (key == Qt::Key_Left ? -1 : 1), 0, m_model->columnCount() - 1));
    } else if (key == Qt::Key_Down || key == Qt::Key_Escape) {
        setAxisCursor(std::nullopt);
        moveTo(0, column);
    } else if (IsEnter(key) || key == Qt::Key_F2 || (WithoutControl(*event) && StartsWithDigit(event->text()))) {
        if (m_model->readOnly())
            emit command(TableCommand::Refused, 0);
        else if (StartsWithDigit(event->text()))
            openAxisEditor(column, event->text());
        else
            openAxisEditor(column, NumericEditor::FormatValue(m_model->axisValue(column)));
    }
    event->accept();
}

void MapTableView::setAxisCursor(std::optional<int> column)
{
    if (column == m_axisCursor)
        return;
    m_axisCursor = column;
    m_axisHeader->viewport()->update();
    viewport()->update();
}

void MapTableView::openAxisEditor(int column, const QString &text)
{
    closeAxisEditor(false);
    auto *editor = new QLineEdit(m_axisHeader->viewport());
    editor->setObjectName(QStringLiteral("AxisEditor"));
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignCenter);
    editor->setGeometry(m_axisHeader->sectionViewportPosition(column), 0, m_axisHeader->sectionSize(column),
                        m_axisHeader->height());
    editor->setText(text);
    if (!StartsWithDigit(text) || text.size() > 1)
        editor->selectAll();
    editor->installEventFilter(this);
    m_axisEditor = editor;
    m_axisEditorColumn = column;
    editor->show();
    editor->setFocus();
}

void MapTableView::closeAxisEditor(bool take)
{
    QLineEdit *editor = m_axisEditor;
    if (editor == nullptr)
        return;
    m_axisEditor = nullptr;
    const QString text = editor->text();
    const bool hadFocus = editor->hasFocus();
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (hadFocus)
        setFocus();
    bool ok = false;
    const int rpm = NumericEditor::ParseValue(text, &ok);
    if (take && ok && rpm != m_model->axisValue(m_axisEditorColumn))
        m_model->setHeaderData(m_axisEditorColumn, Qt::Horizontal, rpm, Qt::EditRole);
}

bool MapTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_axisEditor && m_axisEditor != nullptr) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (IsEnter(key)) {
                // Like a cell: Enter takes the value and moves down, onto the first row.
                const int column = m_axisEditorColumn;
                closeAxisEditor(true);
                setAxisCursor(std::nullopt);
                moveTo(0, column);
                return true;
            }
            if (key == Qt::Key_Escape) {
                closeAxisEditor(false);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            closeAxisEditor(true);
        }
    }
    return QTableView::eventFilter(watched, event);
}

void MapTableView::mousePressEvent(QMouseEvent *event)
{
    setAxisCursor(std::nullopt);
    QTableView::mousePressEvent(event);
}

void MapTableView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTableView::selectionChanged(selected, deselected);
    // The border runs round the whole rectangle, so cells that stay selected
    // may change their edges too.
    viewport()->update();
    emit selectedCellsChanged();
}

void MapTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        setAxisCursor(std::nullopt);
    emit selectedCellsChanged();
}

void MapTableView::updateGeometries()
{
    QTableView::updateGeometries();
    const QRect corner(frameWidth(), frameWidth(), verticalHeader()->width(), horizontalHeader()->height());
    if (m_corner->geometry() != corner)
        m_corner->setGeometry(corner);
}

}  // namespace korvane::ui

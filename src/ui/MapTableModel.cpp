#include "MapTableModel.h"

#include "NumericEditor.h"

namespace korvane::ui {

namespace {

using maptools::CellPos;

const QList<int> LookRoles{Qt::DisplayRole, Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole,
                           MapTableModel::SignRole, MapTableModel::LockRole};
const QList<int> MarkRoles{MapTableModel::MarkRole};
const QList<int> CompareRoles{MapTableModel::CompareRole};
const QList<int> TrailRoles{MapTableModel::TrailRole};

bool Marked(const std::optional<std::size_t> &marked, int section)
{
    return marked && *marked == static_cast<std::size_t>(section);
}

}  // namespace

MapTableModel::MapTableModel(const model::ConfigImage &image, maptools::SheetId sheet, QObject *parent)
    : QAbstractTableModel(parent), m_image(image), m_sheet(sheet)
{
    m_trail.fill(NoTrail);
    load();
}

std::size_t MapTableModel::cellCount() const
{
    return maptools::RowCount(m_sheet) * maptools::ColumnCount;
}

void MapTableModel::load()
{
    m_readOnly = maptools::IsReadOnly(m_image, m_sheet);
    for (std::size_t k = 0; k < cellCount(); ++k) {
        m_values[k] = maptools::CellValue(m_image, m_sheet, cellAt(k));
        m_looks[k] = lookOf(k);
    }
    for (std::size_t i = 0; i < maptools::ColumnCount; ++i)
        m_axis[i] = maptools::AxisValue(m_image, m_sheet, i);
}

void MapTableModel::setSheet(maptools::SheetId sheet)
{
    if (sheet == m_sheet)
        return;
    beginResetModel();
    m_sheet = sheet;
    m_marks = {};
    m_compare = {};
    m_trail.fill(NoTrail);
    load();
    endResetModel();
}

CellLook MapTableModel::lookOf(std::size_t index) const
{
    return m_lookProvider ? m_lookProvider(m_sheet, cellAt(index), m_values[index]) : CellLook{};
}

void MapTableModel::cellChanged(std::size_t index, int role)
{
    const CellPos cell = cellAt(index);
    const QModelIndex at = this->index(static_cast<int>(cell.row), static_cast<int>(cell.column));
    emit dataChanged(at, at, role == MarkRole ? MarkRoles : role == CompareRole ? CompareRoles : LookRoles);
}

void MapTableModel::sectionMarked(Qt::Orientation orientation, const std::optional<std::size_t> &section)
{
    if (section)
        emit sectionMarksChanged(orientation, static_cast<int>(*section));
}

void MapTableModel::refresh()
{
    for (std::size_t k = 0; k < cellCount(); ++k) {
        const int value = maptools::CellValue(m_image, m_sheet, cellAt(k));
        if (value == m_values[k])
            continue;
        m_values[k] = value;
        m_looks[k] = lookOf(k);
        cellChanged(k, Qt::DisplayRole);
    }
    for (std::size_t i = 0; i < maptools::ColumnCount; ++i) {
        const int value = maptools::AxisValue(m_image, m_sheet, i);
        if (value != m_axis[i]) {
            m_axis[i] = value;
            emit headerDataChanged(Qt::Horizontal, static_cast<int>(i), static_cast<int>(i));
        }
    }
    if (const bool readOnly = maptools::IsReadOnly(m_image, m_sheet); readOnly != m_readOnly) {
        m_readOnly = readOnly;
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), LookRoles);
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
}

void MapTableModel::setRowCaptions(const QStringList &captions)
{
    if (captions == m_rowCaptions)
        return;
    m_rowCaptions = captions;
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void MapTableModel::setLookProvider(CellLookProvider provider)
{
    m_lookProvider = std::move(provider);
    refreshLooks();
}

void MapTableModel::refreshLooks()
{
    for (std::size_t k = 0; k < cellCount(); ++k) {
        CellLook look = lookOf(k);
        if (look == m_looks[k])
            continue;
        m_looks[k] = std::move(look);
        cellChanged(k, Qt::BackgroundRole);
    }
}

void MapTableModel::setMarks(const maptools::SheetMarks &marks)
{
    if (marks == m_marks)
        return;
    const maptools::SheetMarks old = m_marks;
    m_marks = marks;
    if (old.cell != marks.cell) {
        if (old.cell)
            cellChanged(indexOf(*old.cell), MarkRole);
        if (marks.cell)
            cellChanged(indexOf(*marks.cell), MarkRole);
    }
    if (old.axisColumn != marks.axisColumn) {
        sectionMarked(Qt::Horizontal, old.axisColumn);
        sectionMarked(Qt::Horizontal, marks.axisColumn);
    }
    if (old.rowHeader != marks.rowHeader) {
        sectionMarked(Qt::Vertical, old.rowHeader);
        sectionMarked(Qt::Vertical, marks.rowHeader);
    }
}

void MapTableModel::setCompareMarks(const CompareMarks &marks)
{
    if (marks == m_compare)
        return;
    const CompareMarks old = m_compare;
    m_compare = marks;
    for (std::size_t k = 0; k < cellCount(); ++k) {
        if (old.cells[k] != marks.cells[k])
            cellChanged(k, CompareRole);
    }
    for (std::size_t i = 0; i < maptools::ColumnCount; ++i) {
        if (old.axis[i] != marks.axis[i])
            sectionMarked(Qt::Horizontal, i);
    }
}

int MapTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(maptools::RowCount(m_sheet));
}

int MapTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(maptools::ColumnCount);
}

QVariant MapTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const CellPos cell{static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())};
    const std::size_t k = indexOf(cell);
    const CellLook &look = m_looks[k];
    switch (role) {
    case Qt::DisplayRole:
        return NumericEditor::FormatValue(m_values[k]);
    case Qt::EditRole:
        return m_values[k];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        return look.background.isValid() ? QVariant(look.background) : QVariant();
    case Qt::ForegroundRole:
        return look.text.isValid() ? QVariant(look.text) : QVariant();
    case Qt::ToolTipRole: {
        const QString text = !look.toolTip.isEmpty() ? look.toolTip : m_toolTips ? m_toolTips(m_sheet, cell) : QString();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case MarkRole:
        return m_marks.cell == cell;
    case CompareRole:
        return bool(m_compare.cells[k]);
    case SignRole:
        return look.sign;
    case LockRole:
        return look.locked;
    case TrailRole:
        return int{m_trail[k]};
    default:
        return {};
    }
}

QVariant MapTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0 || section >= (orientation == Qt::Horizontal ? columnCount() : rowCount()))
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section < m_rowCaptions.size() ? m_rowCaptions.at(section) : QString();
        if (role == MarkRole)
            return Marked(m_marks.rowHeader, section);
        return {};
    }
    const int value = m_axis.at(static_cast<std::size_t>(section));
    switch (role) {
    case Qt::DisplayRole:
        return NumericEditor::FormatValue(value);
    case Qt::EditRole:
        return value;
    case MarkRole:
        return Marked(m_marks.axisColumn, section);
    case CompareRole:
        return bool(m_compare.axis[static_cast<std::size_t>(section)]);
    default:
        return {};
    }
}

Qt::ItemFlags MapTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return m_readOnly ? flags : flags | Qt::ItemIsEditable;
}

bool MapTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || m_readOnly)
        return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        return false;
    emit cellTyped({static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())}, number);
    return true;
}

bool MapTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || m_readOnly || section < 0 || section >= columnCount())
        return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        return false;
    emit axisTyped(section, number);
    return true;
}

void MapTableModel::setTrail(const TrailAges &ages)
{
    for (std::size_t k = 0; k < cellCount(); ++k) {
        if (ages[k] == m_trail[k])
            continue;
        m_trail[k] = ages[k];
        const CellPos cell = cellAt(k);
        const QModelIndex at = index(static_cast<int>(cell.row), static_cast<int>(cell.column));
        emit dataChanged(at, at, TrailRoles);
    }
}

}  // namespace korvane::ui

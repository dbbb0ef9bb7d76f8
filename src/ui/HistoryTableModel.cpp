#include "ui/HistoryTableModel.h"

#include "history/ImageDiff.h"
#include "lang/HistoryTexts.h"
#include "model/BikeTypes.h"

#include <QBrush>
#include <QDir>
#include <QFile>
#include <QPalette>

#include <algorithm>

namespace korvane::ui {

namespace {

using lang::HistoryTextId;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

HistoryTextId KindText(const history::RestorePoint &point)
{
    switch (point.kind) {
    case history::PointKind::Read:
        return HistoryTextId::KindRead;
    case history::PointKind::Program:
        return point.confirmed ? HistoryTextId::KindProgramConfirmed : HistoryTextId::KindProgram;
    case history::PointKind::Backup:
        return HistoryTextId::KindBackup;
    case history::PointKind::Advice:
        return HistoryTextId::KindAdvice;
    case history::PointKind::Other:
        break;
    }
    return HistoryTextId::KindOther;
}

QString ModelName(const std::optional<int> &code)
{
    if (!code)
        return {};
    if (*code >= 0 && *code <= 255) {
        if (const std::optional<int> item = model::BikeTypeToCombo(static_cast<std::uint8_t>(*code)))
            return Q(model::BikeListTexts()[static_cast<std::size_t>(*item)]).simplified();
    }
    return QString::number(*code);
}

}  // namespace

HistoryTableModel::HistoryTableModel(std::vector<history::RestorePoint> points, const model::ConfigImage &current,
                                     std::uint8_t language, NoteStore storeNote, QObject *parent)
    : QAbstractTableModel(parent), m_points(std::move(points)), m_current(current), m_language(language),
      m_storeNote(std::move(storeNote)), m_differences(m_points.size(), -1)
{
}

int HistoryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_points.size());
}

int HistoryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int HistoryTableModel::differences(int row) const
{
    int &count = m_differences[static_cast<std::size_t>(row)];
    if (count < 0)
        count = static_cast<int>(history::ImageDiff(*point(row).image, m_current).size());
    return count;
}

QString HistoryTableModel::KindName(const history::RestorePoint &point, std::uint8_t language)
{
    return Q(lang::HistoryText(KindText(point), language));
}

int HistoryTableModel::countedRows() const
{
    return static_cast<int>(std::count_if(m_differences.begin(), m_differences.end(), [](int n) { return n >= 0; }));
}

QString HistoryTableModel::text(const history::RestorePoint &p, int column, int row) const
{
    switch (column) {
    case TimeColumn:
        return Q(history::LocalTimeText(p.time));
    case KindColumn:
        return KindName(p, m_language);
    case ModelColumn:
        return ModelName(p.model);
    case FirmwareColumn:
        return Q(p.firmware);
    case NoteColumn:
        return Q(p.note);
    case DifferencesColumn:
        if (!p.readable || !p.image)
            return Q(lang::HistoryText(HistoryTextId::Unreadable, m_language));
        return QString::number(differences(row));
    case FileColumn:
        return QFile::decodeName(p.path.filename().c_str());
    default:
        return {};
    }
}

QVariant HistoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const history::RestorePoint &p = point(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(p, index.column(), index.row());
    case Qt::ToolTipRole:
        return QDir::toNativeSeparators(QFile::decodeName(p.path.c_str()));
    case Qt::TextAlignmentRole:
        if (index.column() == DifferencesColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        if (!p.readable)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    default:
        return {};
    }
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr HistoryTextId Headers[ColumnCount] = {
        HistoryTextId::ColumnTime,     HistoryTextId::ColumnKind,        HistoryTextId::ColumnModel,
        HistoryTextId::ColumnFirmware, HistoryTextId::ColumnNote,        HistoryTextId::ColumnDifferences,
        HistoryTextId::ColumnFile,
    };
    if (section < 0 || section >= ColumnCount)
        return {};
    return Q(lang::HistoryText(Headers[section], m_language));
}

Qt::ItemFlags HistoryTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // A file the program did not write is never written beside.
    if (index.isValid() && index.column() == NoteColumn && point(index.row()).readable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool HistoryTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    history::RestorePoint &p = m_points[static_cast<std::size_t>(index.row())];
    const std::string note = value.toString().toStdString();
    if (note == p.note)
        return true;
    if (!m_storeNote || !m_storeNote(p.path, note))
        return false;
    p.note = note;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

}  // namespace korvane::ui

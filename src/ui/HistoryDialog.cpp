#include "ui/HistoryDialog.h"

#include "lang/HistoryTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane::ui {

namespace {

using lang::HistoryTextId;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Widths from sample texts rather than from the rows: measuring the rows
// would count the differences of every point.
void SizeColumns(QTableView &table, std::uint8_t language)
{
    const QFontMetrics metrics = table.fontMetrics();
    const auto width = [&](const QString &sample, int column) {
        const QString header = table.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return std::max(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(header)) + 24;
    };
    int kindWidth = 0;
    for (const HistoryTextId id : {HistoryTextId::KindRead, HistoryTextId::KindProgramConfirmed,
                                   HistoryTextId::KindBackup, HistoryTextId::KindAdvice, HistoryTextId::KindOther})
        kindWidth = std::max(kindWidth, width(Q(lang::HistoryText(id, language)), HistoryTableModel::KindColumn));
    table.setColumnWidth(HistoryTableModel::TimeColumn, width(QStringLiteral("2026-12-08 13:22:05"), 0));
    table.setColumnWidth(HistoryTableModel::KindColumn, kindWidth);
    table.setColumnWidth(HistoryTableModel::ModelColumn,
                         width(QStringLiteral("Suzuki GSX-R 1000"), HistoryTableModel::ModelColumn));
    table.setColumnWidth(HistoryTableModel::FirmwareColumn,
                         width(QStringLiteral("KSU12 v2"), HistoryTableModel::FirmwareColumn));
    table.setColumnWidth(HistoryTableModel::NoteColumn, 220);
    table.setColumnWidth(HistoryTableModel::DifferencesColumn,
                         width(QStringLiteral("0000"), HistoryTableModel::DifferencesColumn));
    table.horizontalHeader()->setStretchLastSection(true);
}

}  // namespace

HistoryDialog::HistoryDialog(std::vector<history::RestorePoint> points, const model::ConfigImage &current,
                             std::uint8_t language, HistoryTableModel::NoteStore storeNote, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(Q(lang::HistoryText(HistoryTextId::HistoryTitle, language)));
    resize(900, 420);

    m_model = new HistoryTableModel(std::move(points), current, language, std::move(storeNote), this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("HistoryTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    SizeColumns(*m_table, language);

    m_open = new QPushButton(Q(lang::HistoryText(HistoryTextId::ButtonOpen, language)), this);
    m_open->setObjectName(QStringLiteral("HistoryOpen"));
    m_compare = new QPushButton(Q(lang::HistoryText(HistoryTextId::ButtonCompare, language)), this);
    m_compare->setObjectName(QStringLiteral("HistoryCompare"));
    m_close = new QPushButton(Q(lang::HistoryText(HistoryTextId::ButtonClose, language)), this);
    m_close->setObjectName(QStringLiteral("HistoryClose"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_open, QDialogButtonBox::ActionRole);
    buttons->addButton(m_compare, QDialogButtonBox::ActionRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);

    connect(m_open, &QPushButton::clicked, this, [this] { finishWith(&HistoryDialog::openPoint); });
    connect(m_compare, &QPushButton::clicked, this, [this] { finishWith(&HistoryDialog::comparePoint); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &HistoryDialog::updateButtons);
    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    updateButtons();
}

const history::RestorePoint *HistoryDialog::selectedPoint() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (!current.isValid())
        return nullptr;
    const history::RestorePoint &point = m_model->point(current.row());
    return point.readable && point.image ? &point : nullptr;
}

void HistoryDialog::updateButtons()
{
    const bool usable = selectedPoint() != nullptr;
    m_open->setEnabled(usable);
    m_compare->setEnabled(usable);
}

void HistoryDialog::finishWith(void (HistoryDialog::*signal)(const history::RestorePoint &))
{
    const history::RestorePoint *point = selectedPoint();
    if (point == nullptr)
        return;
    const history::RestorePoint chosen = *point;
    accept();
    emit(this->*signal)(chosen);
}

}  // namespace korvane::ui

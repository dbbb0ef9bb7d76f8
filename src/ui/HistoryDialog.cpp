#include "ui/HistoryDialog.h"

#include "lang/HistoryTexts.h"
#include "model/BikeTypes.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace korvane::ui {

namespace {

using lang::HistoryTextId;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Widths from sample texts rather than from the rows: measuring the rows
// would count the differences of every point. Returns the table's width.
int SizeColumns(QTableView &table, std::uint8_t language)
{
    const QFontMetrics metrics = table.fontMetrics();
    const auto width = [&](int column, const QString &sample) {
        const QString header = table.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return std::max(metrics.horizontalAdvance(sample), metrics.horizontalAdvance(header)) + 24;
    };
    const auto widest = [&](int column, const auto &samples) {
        int widest = 0;
        for (const auto &sample : samples)
            widest = std::max(widest, width(column, sample));
        return widest;
    };
    std::vector<QString> kinds;
    for (const HistoryTextId id : {HistoryTextId::KindRead, HistoryTextId::KindProgramConfirmed,
                                   HistoryTextId::KindBackup, HistoryTextId::KindAdvice, HistoryTextId::KindOther})
        kinds.push_back(Q(lang::HistoryText(id, language)));
    std::vector<QString> models;
    for (const std::string_view name : model::BikeListTexts())
        models.push_back(Q(name).simplified());
    const int widths[HistoryTableModel::ColumnCount] = {
        width(HistoryTableModel::TimeColumn, QStringLiteral("2026-12-08 13:22:05")),
        widest(HistoryTableModel::KindColumn, kinds),
        widest(HistoryTableModel::ModelColumn, models),
        width(HistoryTableModel::FirmwareColumn, QStringLiteral("KSU12 v2")),
        metrics.horizontalAdvance(QLatin1Char('x')) * 24,
        width(HistoryTableModel::DifferencesColumn, QStringLiteral("0000")),
        width(HistoryTableModel::FileColumn, QStringLiteral("2026-12-08_13-22-05_program-2.ign")),
    };
    int total = 0;
    for (int column = 0; column < HistoryTableModel::ColumnCount; ++column) {
        table.setColumnWidth(column, widths[column]);
        total += widths[column];
    }
    table.horizontalHeader()->setStretchLastSection(true);
    return total;
}

}  // namespace

HistoryDialog::HistoryDialog(std::vector<history::RestorePoint> points, const model::ConfigImage &current,
                             std::uint8_t language, HistoryTableModel::NoteStore storeNote, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(Q(lang::HistoryText(HistoryTextId::HistoryTitle, language)));

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
    const int tableWidth = SizeColumns(*m_table, language);
    int width = tableWidth + 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width() + 24;
    if (const QScreen *screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    resize(width, 440);

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

#include "ComparePanel.h"

#include "pages/Pages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane::ui {

namespace {

enum Role { PageRole = Qt::UserRole, ControlRole, IndexRole, DiffersRole };
enum Column { NameColumn, ValueColumn, OtherColumn, DeltaColumn, ColumnCount };

// Room for "25 000" or "not ticked", and for the column's caption.
constexpr int ColumnPadding = 14;
const char *const WidestValue = "not ticked";
const char *const WidestDelta = "-25 000";

QString Q(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString DeltaText(const history::DiffEntry &entry)
{
    return entry.differs() ? Q(entry.deltaText()) : QString();
}

bool IsEntry(const QTreeWidgetItem *item)
{
    return item->parent() != nullptr;
}

EntryKey KeyOf(const QTreeWidgetItem *item)
{
    return {static_cast<std::uint8_t>(item->data(NameColumn, PageRole).toUInt()),
            item->data(NameColumn, ControlRole).toString().toStdString(),
            static_cast<std::uint16_t>(item->data(NameColumn, IndexRole).toUInt())};
}

bool SameKey(const EntryKey &a, const EntryKey &b)
{
    return a.page == b.page && a.index == b.index && a.control == b.control;
}

}  // namespace

ComparePanel::ComparePanel(QWidget *parent) : QDockWidget(parent)
{
    setObjectName(QStringLiteral("ComparePanel"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::RightDockWidgetArea);
    setMinimumWidth(PanelWidth);

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 4);
    m_comparedWith = new QLabel(body);
    m_comparedWith->setObjectName(QStringLiteral("CompareWith"));
    m_comparedWith->setTextFormat(Qt::PlainText);
    m_count = new QLabel(body);
    m_count->setObjectName(QStringLiteral("CompareCount"));
    m_changedOnly = new QCheckBox(body);
    m_changedOnly->setObjectName(QStringLiteral("CompareChangedOnly"));
    m_changedOnly->setChecked(true);
    auto *top = new QHBoxLayout;
    top->addWidget(m_count, 1);
    top->addWidget(m_changedOnly);
    layout->addWidget(m_comparedWith);
    layout->addLayout(top);

    m_tree = new QTreeWidget(body);
    m_tree->setObjectName(QStringLiteral("CompareList"));
    m_tree->setColumnCount(ColumnCount);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    QHeaderView *header = m_tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (const int column : {ValueColumn, OtherColumn, DeltaColumn})
        header->setSectionResizeMode(column, QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(m_tree, 1);

    m_takeCaption = new QLabel(body);
    m_takeEntries = new QPushButton(body);
    m_takeEntries->setObjectName(QStringLiteral("CompareTakeEntries"));
    m_takePage = new QPushButton(body);
    m_takePage->setObjectName(QStringLiteral("CompareTakePage"));
    m_takeAll = new QPushButton(body);
    m_takeAll->setObjectName(QStringLiteral("CompareTakeAll"));
    auto *buttons = new QHBoxLayout;
    layout->addWidget(m_takeCaption);
    buttons->addWidget(m_takeEntries);
    buttons->addWidget(m_takePage);
    buttons->addWidget(m_takeAll);
    layout->addLayout(buttons);
    setWidget(body);

    connect(m_changedOnly, &QCheckBox::clicked, this, &ComparePanel::changedOnlyClicked);
    connect(m_takeEntries, &QPushButton::clicked, this, &ComparePanel::takeEntriesClicked);
    connect(m_takePage, &QPushButton::clicked, this, &ComparePanel::takePageClicked);
    connect(m_takeAll, &QPushButton::clicked, this, &ComparePanel::takeAllClicked);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_rebuilding)
            emit selectionChanged();
    });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (IsEntry(item))
            emit entryActivated(static_cast<std::uint8_t>(item->data(NameColumn, PageRole).toUInt()));
    });
    const auto remember = [this](QTreeWidgetItem *item, bool open) {
        if (m_rebuilding || changedOnly() || IsEntry(item))
            return;
        const auto page = static_cast<std::uint8_t>(item->data(NameColumn, PageRole).toUInt());
        if (open)
            m_openGroups.insert(page);
        else
            m_openGroups.erase(page);
    };
    connect(m_tree, &QTreeWidget::itemExpanded, this, [remember](QTreeWidgetItem *item) { remember(item, true); });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [remember](QTreeWidgetItem *item) { remember(item, false); });
}

void ComparePanel::setTexts(const ComparePanelTexts &texts)
{
    setWindowTitle(texts.title);
    m_tree->setHeaderLabels({texts.parameter, texts.value, texts.otherValue, texts.difference});
    const QFontMetrics metrics(m_tree->font());
    const QFontMetrics headerMetrics(m_tree->header()->font());
    for (const int column : {ValueColumn, OtherColumn, DeltaColumn}) {
        const int content = metrics.horizontalAdvance(QLatin1String(column == DeltaColumn ? WidestDelta : WidestValue));
        const int caption = headerMetrics.horizontalAdvance(m_tree->headerItem()->text(column));
        m_tree->header()->resizeSection(column, std::max(content, caption) + ColumnPadding);
    }
    m_changedOnly->setText(texts.changedOnly);
    m_takeCaption->setText(texts.takeCaption);
    m_takeEntries->setText(texts.takeEntries);
    m_takePage->setText(texts.takePage);
    m_takeAll->setText(texts.takeAll);
}

void ComparePanel::setSummary(const QString &comparedWith, const QString &fullName, const QString &count)
{
    m_comparedWith->setText(comparedWith);
    m_comparedWith->setToolTip(fullName);
    m_count->setText(count);
}

QTreeWidgetItem *ComparePanel::groupItem(std::uint8_t page, const QString &name, int differing) const
{
    auto *group = new QTreeWidgetItem;
    group->setText(NameColumn, differing > 0 ? QStringLiteral("%1 (%2)").arg(name).arg(differing) : name);
    group->setData(NameColumn, PageRole, page);
    QFont font = m_tree->font();
    font.setBold(true);
    group->setFont(NameColumn, font);
    return group;
}

void ComparePanel::showEntries(std::span<const history::DiffEntry> entries,
                               const std::function<QString(std::uint8_t)> &pageName, std::uint8_t pageOnView)
{
    std::vector<EntryKey> selected;
    for (const QTreeWidgetItem *item : m_tree->selectedItems())
        if (IsEntry(item))
            selected.push_back(KeyOf(item));

    m_rebuilding = true;
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    const bool filtered = changedOnly();
    QFont bold = m_tree->font();
    bold.setBold(true);
    QList<QTreeWidgetItem *> groups;
    for (auto it = entries.begin(); it != entries.end();) {
        const std::uint8_t page = it->page;
        const auto end = std::find_if(it, entries.end(), [page](const history::DiffEntry &e) { return e.page != page; });
        const auto differing = std::count_if(it, end, [](const history::DiffEntry &e) { return e.differs(); });
        const QString name = pageName(page);
        QTreeWidgetItem *group = groupItem(page, name, static_cast<int>(differing));
        // A map's cells and axis points under the map's own name go without it.
        const QString prefix = pages::IsMapPage(page) ? name + QLatin1Char(' ') : QString();
        for (; it != end; ++it) {
            QString parameter = Q(it->parameter);
            if (!prefix.isEmpty() && parameter.startsWith(prefix))
                parameter.remove(0, prefix.size());
            auto *row = new QTreeWidgetItem(group, {parameter, Q(it->a), Q(it->b), DeltaText(*it)});
            row->setData(NameColumn, PageRole, page);
            row->setData(NameColumn, ControlRole, QString::fromLatin1(it->control.data(), static_cast<qsizetype>(it->control.size())));
            row->setData(NameColumn, IndexRole, it->index);
            row->setData(NameColumn, DiffersRole, it->differs());
            row->setToolTip(NameColumn, Q(it->parameter));
            if (!filtered && it->differs())
                for (int column = 0; column < ColumnCount; ++column)
                    row->setFont(column, bold);
        }
        groups << group;
    }
    m_tree->addTopLevelItems(groups);
    for (QTreeWidgetItem *group : std::as_const(groups)) {
        group->setFirstColumnSpanned(true);
        const auto page = static_cast<std::uint8_t>(group->data(NameColumn, PageRole).toUInt());
        group->setExpanded(filtered || page == pageOnView || m_openGroups.count(page) != 0);
    }
    reselect(selected);
    m_tree->setUpdatesEnabled(true);
    m_rebuilding = false;
}

void ComparePanel::reselect(const std::vector<EntryKey> &keys)
{
    if (keys.empty())
        return;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = m_tree->topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r) {
            QTreeWidgetItem *row = group->child(r);
            const EntryKey key = KeyOf(row);
            if (std::any_of(keys.begin(), keys.end(), [&](const EntryKey &k) { return SameKey(k, key); }))
                row->setSelected(true);
        }
    }
}

void ComparePanel::followPage(std::uint8_t page)
{
    if (changedOnly())
        return;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = m_tree->topLevelItem(g);
        if (group->data(NameColumn, PageRole).toUInt() == page) {
            m_rebuilding = true;
            group->setExpanded(true);
            m_rebuilding = false;
            m_tree->scrollToItem(group, QAbstractItemView::PositionAtTop);
        }
    }
}

void ComparePanel::setTakeEnabled(bool entries, bool page, bool all)
{
    m_takeEntries->setEnabled(entries);
    m_takePage->setEnabled(page);
    m_takeAll->setEnabled(all);
}

bool ComparePanel::changedOnly() const
{
    return m_changedOnly->isChecked();
}

std::vector<EntryKey> ComparePanel::selectedEntries() const
{
    std::vector<EntryKey> keys;
    // selectedItems() comes in the order of selecting; the tree's order is the list's.
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = m_tree->topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r) {
            const QTreeWidgetItem *row = group->child(r);
            if (row->isSelected() && row->data(NameColumn, DiffersRole).toBool())
                keys.push_back(KeyOf(row));
        }
    }
    return keys;
}

std::optional<std::uint8_t> ComparePanel::selectedPage() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    if (item == nullptr || !item->isSelected())
        return std::nullopt;
    return static_cast<std::uint8_t>(item->data(NameColumn, PageRole).toUInt());
}

void ComparePanel::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

}  // namespace korvane::ui

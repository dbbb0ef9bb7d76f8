#pragma once

// The compare panel beside the pages: what the window's parameters are
// compared with, the entries grouped by page in tab order (parameter, value,
// other value, difference), the "changed only" filter and the buttons that
// take the other value of the selected rows, of a whole page or of all.
// It only shows and reports; its owner decides.

#include "history/ImageDiff.h"

#include <QDockWidget>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvane::ui {

struct ComparePanelTexts {
    QString title;
    QString parameter;
    QString value;
    QString otherValue;
    QString difference;
    QString changedOnly;
    QString takeCaption;
    QString takeEntries;
    QString takePage;
    QString takeAll;
};

// An entry as the panel names it back: page, binding control and editor index.
struct EntryKey {
    std::uint8_t page = 0;
    std::string control;
    std::uint16_t index = 0;
};

class ComparePanel final : public QDockWidget {
    Q_OBJECT
public:
    // Beside the design's 1011 pixels the window still fits a screen 1440 wide.
    static constexpr int PanelWidth = 400;

    explicit ComparePanel(QWidget *parent = nullptr);

    void setTexts(const ComparePanelTexts &texts);
    // The compared set's name (full text as tooltip) and the count line.
    void setSummary(const QString &comparedWith, const QString &fullName, const QString &count);
    // Lists entries by page; pageName names a group. With the filter off the
    // entries include equal ones, and those that differ are set in bold;
    // pageOnView's group is open then, the others as the user left them.
    void showEntries(std::span<const history::DiffEntry> entries,
                     const std::function<QString(std::uint8_t)> &pageName, std::uint8_t pageOnView);
    // Opens the group of the page now on view (filter off; with it on, every group is open).
    void followPage(std::uint8_t page);
    void setTakeEnabled(bool entries, bool page, bool all);

    [[nodiscard]] bool changedOnly() const;
    // Selected rows that differ, in list order.
    [[nodiscard]] std::vector<EntryKey> selectedEntries() const;
    // The page of the current row (an entry or a group), if any.
    [[nodiscard]] std::optional<std::uint8_t> selectedPage() const;

    [[nodiscard]] QTreeWidget *tree() const { return m_tree; }
    [[nodiscard]] QCheckBox *changedOnlyBox() const { return m_changedOnly; }
    [[nodiscard]] QPushButton *takeEntriesButton() const { return m_takeEntries; }
    [[nodiscard]] QPushButton *takePageButton() const { return m_takePage; }
    [[nodiscard]] QPushButton *takeAllButton() const { return m_takeAll; }

signals:
    void takeEntriesClicked();
    void takePageClicked();
    void takeAllClicked();
    void changedOnlyClicked();
    void selectionChanged();
    void entryActivated(std::uint8_t page);  // double-click or Enter on a row
    void closed();                           // the user closed the panel

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QTreeWidgetItem *groupItem(std::uint8_t page, const QString &name, int differing) const;
    void reselect(const std::vector<EntryKey> &keys);

    QLabel *m_comparedWith = nullptr;
    QLabel *m_count = nullptr;
    QCheckBox *m_changedOnly = nullptr;
    QTreeWidget *m_tree = nullptr;
    QLabel *m_takeCaption = nullptr;
    QPushButton *m_takeEntries = nullptr;
    QPushButton *m_takePage = nullptr;
    QPushButton *m_takeAll = nullptr;
    std::set<std::uint8_t> m_openGroups;  // opened by the user, filter off
    bool m_rebuilding = false;
};

}  // namespace korvane::ui

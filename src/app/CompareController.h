#pragma once

// Compare: the window's parameters beside another set (a file, a restore
// point, the unit, or what the unit last confirmed) in a panel beside the
// pages, with marks on the differing editors of the page on view. Taking the
// other value is one edit through TFormHlav::ApplyEdit. Also keeps the count
// of changes not in the unit and the "*" after the file name (UnitChanges),
// and exports the tune sheet.

#include "app/LinkEvents.h"
#include "app/UnitChanges.h"
#include "history/ImageDiff.h"
#include "model/ConfigImage.h"
#include "ui/ComparePanel.h"
#include "ui/EditorMarks.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvane::app {

class Dialogs;
class TFormHlav;

class CompareController final : public QObject {
    Q_OBJECT
public:
    CompareController(TFormHlav &window, Dialogs &dialogs);
    ~CompareController() override;

    // Compares with other, named by title, in the panel; the History
    // dialog's "Compare" and every other source end here.
    void compareWith(const model::ConfigImage &other, const QString &title);
    // Closes the panel and removes the marks.
    void closeCompare();

    [[nodiscard]] bool comparing() const { return m_other.has_value(); }
    [[nodiscard]] const std::optional<model::ConfigImage> &otherImage() const { return m_other; }
    [[nodiscard]] const QString &title() const { return m_title; }
    // The differences: the window's image as a, the compared set as b, all
    // pages; empty while nothing is compared. Other views (the table) mark
    // their cells from these and follow changed().
    [[nodiscard]] const std::vector<history::DiffEntry> &entries() const { return m_entries; }
    [[nodiscard]] ui::ComparePanel *panel() const { return m_panel; }
    [[nodiscard]] const ui::EditorMarks &marks() const { return m_marks; }
    [[nodiscard]] const UnitChanges &unitChanges() const { return m_unit; }

    // Hooks of the window.
    void start();                                // at the end of start-up
    void linkEvents(const LinkEvents &events);   // every tick
    void refresh();                              // after an edit and every tick; idle when nothing changed
    void fileNamed(const QString &path);         // Open or Save named it, or the name was cleared
    void windowClosing();                        // before the placement is stored

    // One undoable edit: the other value of these entries.
    void take(std::span<const history::DiffEntry> chosen);

signals:
    void changed();  // entries() or the compared set changed

private:
    void compareWithFile();
    void compareWithUnit();
    void compareWithConfirmed();
    void exportTuneSheet();

    void showPanel();
    void hidePanel();
    void recompute();
    void showMarks();
    void updateButtons();
    void applyTexts();
    void takeSelected();
    void takePage();
    void showPageOf(std::uint8_t page);

    [[nodiscard]] std::uint8_t language() const;
    [[nodiscard]] std::uint8_t pageOnView() const;
    [[nodiscard]] QString unitName() const;
    [[nodiscard]] QWidget *editorOf(const history::DiffEntry &entry) const;

    TFormHlav &m_window;
    Dialogs &m_dialogs;
    QPointer<ui::ComparePanel> m_panel;
    int m_grownBy = 0;  // how much the panel widened the window
    ui::EditorMarks m_marks;
    UnitChanges m_unit;

    std::optional<model::ConfigImage> m_other;
    QString m_title;
    QString m_fullTitle;
    bool m_followsConfirmed = false;  // "Changes not in the unit": the set moves with the unit
    std::vector<history::DiffEntry> m_entries;
    std::vector<history::DiffEntry> m_listing;  // with equal entries, while the filter is off

    // What refresh() last saw.
    model::ConfigImage m_seenImage;
    int m_seenLanguage = -1;
    int m_seenPage = -1;
};

}  // namespace korvane::app

#pragma once

// What is not yet where it belongs: the parameters against the set the unit
// last confirmed (a read, program or verify whose closing verify passed),
// counted in the status bar as "3 changes not in the unit", and against the
// file they were opened from or saved to, shown as a "*" after its name.
// Blocks 1 to 11 only: the header is the unit's own and never programmed.

#include "model/ConfigImage.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

class QLabel;
class QStatusBar;

namespace korvane::ui {
class RuzneSheet;
}

namespace korvane::app {

class UnitChanges {
public:
    UnitChanges(QStatusBar *bar, ui::RuzneSheet *sheet);

    // The unit now holds image; unit names it ("unit on COM1").
    void setConfirmed(const model::ConfigImage &image, const QString &unit);
    [[nodiscard]] const std::optional<model::ConfigImage> &confirmed() const { return m_confirmed; }
    [[nodiscard]] const QString &unitName() const { return m_unitName; }

    // The set the file named on the Other page holds; none while no file is named.
    void setFileSet(const std::optional<model::ConfigImage> &fileSet);

    // Counts again for image, in language, and shows the count and the star
    // where they changed.
    void update(const model::ConfigImage &image, std::uint8_t language);

    [[nodiscard]] std::size_t count() const { return m_count; }
    [[nodiscard]] QLabel *statusLabel() const { return m_label; }

private:
    void show(std::uint8_t language);

    QLabel *m_label;
    ui::RuzneSheet *m_sheet;
    std::optional<model::ConfigImage> m_confirmed;
    QString m_unitName;
    std::optional<model::ConfigImage> m_fileSet;
    std::size_t m_count = 0;
};

}  // namespace korvane::app

#pragma once

// The "Other" page: limiters, clutch master, shift light, cooling, throttle
// calibration, speed pulses, the activation and display choices, the
// motorbike model, the unit's firmware version and the current file.

#include "model/ConfigImage.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace korvane::ui {

class EditorRegistry;
class GestureSink;

class RuzneSheet : public QWidget {
    Q_OBJECT
public:
    RuzneSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);

    // Version, date and time of the unit's firmware; empty texts when none.
    void showVersion(const std::optional<model::VersionTexts> &texts);
    void setFileName(const QString &name);
    // The name as set, without the mark of changes.
    [[nodiscard]] QString fileName() const;
    // A trailing "*" after the name while the parameters differ from the file.
    void setFileModified(bool modified);
    // Red while "Programming after change" is ticked, so it is not forgotten.
    void paintProgHned();

    [[nodiscard]] QCheckBox *progHned() const { return m_progHned; }
    [[nodiscard]] QCheckBox *extMonitor() const { return m_extMonitor; }
    [[nodiscard]] QComboBox *bikeList() const { return m_bikeList; }
    [[nodiscard]] QPushButton *tps0Button() const { return m_tps0; }
    [[nodiscard]] QPushButton *tps100Button() const { return m_tps100; }

private:
    QCheckBox *m_progHned = nullptr;
    QCheckBox *m_extMonitor = nullptr;
    QComboBox *m_bikeList = nullptr;
    QPushButton *m_tps0 = nullptr;
    QPushButton *m_tps100 = nullptr;
    QLabel *m_version[3] = {};
    QLabel *m_fileName = nullptr;
    QString m_name;
    bool m_modified = false;
};

}  // namespace korvane::ui

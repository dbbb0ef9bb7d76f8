#pragma once

// The "N2O Controller" page: the nitrous stages and the ignition retard that
// goes with them.

#include <QWidget>

class QCheckBox;

namespace korvane::ui {

class EditorRegistry;
class GestureSink;

class GasSheet : public QWidget {
    Q_OBJECT
public:
    GasSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);

    [[nodiscard]] QCheckBox *gasEnabled() const { return m_gasEnabled; }

private:
    QCheckBox *m_gasEnabled = nullptr;
};

}  // namespace korvane::ui

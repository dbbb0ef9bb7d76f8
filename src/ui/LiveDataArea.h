#pragma once

// The live-data area below the tab control: the monitor labels and gauges of
// the engine, the injection, the temperatures and voltage, the unit's status
// words and the diagnostic Test labels, with "No Connection" and the unit's
// version message along the bottom. The correction labels and the count of
// programmings live on their pages.

#include <QWidget>

#include <array>

class QLabel;

namespace korvane::ui {

class BarGauge;

class LiveDataArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 1011;
    static constexpr int DesignHeight = 275;

    explicit LiveDataArea(QWidget *parent = nullptr);

    [[nodiscard]] QLabel *connectionLabel() const { return m_connection; }  // "LabelSpojeni"
    [[nodiscard]] QLabel *versionLabel() const { return m_version; }        // "LabelVersion"
    [[nodiscard]] const std::array<QLabel *, 8> &testLabels() const { return m_tests; }
    void setTestLabelsVisible(bool visible);

private:
    // A column of rows filled from the top.
    struct Column {
        int left;
        int width;
        int top;
    };
    // The next row of column: a label with its design text, or a gauge
    // tucked under the label above it.
    QLabel *addLabel(Column &column, const char *name);
    BarGauge *addGauge(Column &column, const char *name, const QColor &foreground);

    QLabel *m_connection = nullptr;
    QLabel *m_version = nullptr;
    std::array<QLabel *, 8> m_tests{};
};

}  // namespace korvane::ui

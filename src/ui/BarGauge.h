#pragma once

// A bar gauge without text: progress clamped into its range, a foreground
// colour for the bar. Repaints only when progress, range or colour change.

#include <QColor>
#include <QWidget>

namespace korvane::ui {

class BarGauge : public QWidget {
    Q_OBJECT
public:
    BarGauge(const QString &name, int maximum, const QColor &foreground, QWidget *parent = nullptr);

    void setMaximum(int maximum);
    void setProgress(int progress);  // clamped into 0..maximum
    void setForeground(const QColor &colour);
    [[nodiscard]] int progress() const { return m_progress; }
    [[nodiscard]] int maximum() const { return m_maximum; }
    [[nodiscard]] QColor foreground() const { return m_foreground; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_maximum;
    int m_progress = 0;
    QColor m_foreground;
};

}  // namespace korvane::ui

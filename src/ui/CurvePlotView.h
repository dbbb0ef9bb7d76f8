#pragma once

// The curves of the positions, servo and corrections pages as line plots,
// stacked top to bottom, each against its own axis: drawn with QPainter, the
// live operating point a green dot with a black ring on its curve. The
// series differ in line style and point shape as well as colour, so they
// read in greyscale. Repaints only when the plots change.

#include "maptools/ViewContent.h"

#include <QWidget>

#include <vector>

namespace korvane::ui {

class CurvePlotView : public QWidget {
    Q_OBJECT
public:
    explicit CurvePlotView(QWidget *parent = nullptr);

    // False (and no repaint) when nothing changed.
    bool setPlots(const std::vector<maptools::Plot> &plots);
    [[nodiscard]] const std::vector<maptools::Plot> &plots() const { return m_plots; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<maptools::Plot> m_plots;
};

}  // namespace korvane::ui

#pragma once

// The window of View > 3D map: a tool window beside the main one that shows
// the page on view as a surface (map pages), as line plots (positions, servo,
// corrections) or as a note (other pages). Closing it is reported, so the
// menu item can follow.

#include "maptools/ViewContent.h"

#include <QWidget>

class QLabel;
class QStackedLayout;

namespace korvane::ui {

class CurvePlotView;
class MapSurfaceView;

class View3DWindow : public QWidget {
    Q_OBJECT
public:
    explicit View3DWindow(QWidget *parent = nullptr);

    // Shows content; false (and no repaint) when it is what is shown.
    bool showContent(const maptools::ViewContent &content);
    [[nodiscard]] MapSurfaceView *surface() const { return m_surface; }
    [[nodiscard]] CurvePlotView *plots() const { return m_plots; }
    [[nodiscard]] QLabel *note() const { return m_note; }
    // The pane on view: the surface, the plots or the note.
    [[nodiscard]] QWidget *current() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QStackedLayout *m_stack = nullptr;
    MapSurfaceView *m_surface = nullptr;
    CurvePlotView *m_plots = nullptr;
    QLabel *m_note = nullptr;
};

}  // namespace korvane::ui

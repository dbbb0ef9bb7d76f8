#pragma once

// A map as a shaded surface, drawn with QPainter alone (no OpenGL, so it
// works offscreen, in virtual machines and over remote desktops): the
// 10 x 15 mesh in painter's order, each quad in the cell palette by value and
// outlined, the engine-speed axis in front, the row breakpoints on the near
// side, the value scale on the far side and as a colour bar. The live
// operating point stands on it as a green post with a black outline, the
// table's selection as a black-and-white dashed outline, so both read in
// greyscale. Turned by mouse drag and the arrow keys; repaints only when the
// content, the angle or the selection changes.

#include "maptools/SurfaceGeometry.h"
#include "maptools/ViewContent.h"

#include <QPoint>
#include <QWidget>

#include <optional>

namespace korvane::ui {

class MapSurfaceView : public QWidget {
    Q_OBJECT
public:
    static constexpr int AngleStep = 5;  // degrees per arrow key

    explicit MapSurfaceView(QWidget *parent = nullptr);

    // False (and no repaint) when nothing changed.
    bool setContent(const maptools::SurfaceContent &content);
    bool setAngle(maptools::ViewAngle angle);
    [[nodiscard]] const maptools::SurfaceContent &content() const { return m_content; }
    [[nodiscard]] maptools::ViewAngle angle() const { return m_angle; }
    [[nodiscard]] const std::optional<maptools::Selection> &selection() const { return m_selection; }

public slots:
    // The table view's selection on the map shown; marked where it fits.
    void setSelection(std::optional<maptools::Selection> selection);

signals:
    // The user turned the view.
    void angleChanged(maptools::ViewAngle angle);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void turnTo(maptools::ViewAngle angle);

    maptools::SurfaceContent m_content;
    maptools::ViewAngle m_angle = maptools::DefaultViewAngle;
    std::optional<maptools::Selection> m_selection;
    std::optional<QPoint> m_dragStart;
    maptools::ViewAngle m_dragAngle;
};

}  // namespace korvane::ui

#pragma once

// View > 3D map (F6): the tool window that shows the page on view as a
// surface or as curve plots. It follows the page and redraws only when what
// it shows changes: the map's values, the view angle, the operating point or
// the table's selection. Open/closed, placement and angle are kept in [View].
//
//   [View]
//   Map3D=1                 the window is open
//   Map3DLeft=..., Map3DTop=..., Map3DWidth=..., Map3DHeight=...
//   Map3DYaw=-30            view angle in degrees (clamped to the view's limits)
//   Map3DPitch=35

#include "app/SettingsGroup.h"
#include "maptools/Sheets.h"
#include "maptools/SurfaceGeometry.h"
#include "pages/Marker.h"

#include <QObject>
#include <QRect>

#include <optional>

class QAction;

namespace korvane::ui {
class View3DWindow;
}

namespace korvane::app {

class TFormHlav;

class View3DController final : public QObject, public SettingsGroup {
    Q_OBJECT
public:
    View3DController(TFormHlav &window, QAction *toggle);
    ~View3DController() override;

    // After the main window has shown a page (page change, edit, language).
    void showPage();
    // When the tick's marker has changed.
    void showMarker(const pages::Marker &marker);

    [[nodiscard]] ui::View3DWindow *view() const { return m_view; }

    void loadSettings(const settings::IniFile &ini) override;
    void saveSettings(settings::IniFile &ini) const override;

public slots:
    // The table view's selection on the map shown.
    void setSelection(std::optional<maptools::Selection> selection);

private:
    void setOpen(bool open);
    void refresh(const pages::Marker &marker);
    [[nodiscard]] QRect placement() const;

    TFormHlav &m_window;
    QAction *m_toggle;
    ui::View3DWindow *m_view;
    std::optional<QRect> m_stored;  // from the settings, until the window has been shown
    bool m_shownOnce = false;
};

}  // namespace korvane::app

#include "app/ScreenFit.h"

#include "settings/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace korvane::app {

bool FitsAScreen(const QRect &rect)
{
    std::vector<settings::Rect> screens;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    return settings::IsUsableWindowRect({rect.left(), rect.top(), rect.width(), rect.height()}, screens);
}

}  // namespace korvane::app

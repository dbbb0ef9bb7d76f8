#include "app/View3DController.h"

#include "app/ScreenFit.h"
#include "app/TFormHlav.h"
#include "lang/MapToolsTexts.h"
#include "maptools/ViewContent.h"
#include "settings/IniFile.h"
#include "settings/ProfileInteger.h"
#include "settings/WindowPlacement.h"
#include "ui/MapSurfaceView.h"
#include "ui/View3DWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <string>
#include <vector>

namespace korvane::app {
namespace {

constexpr std::string_view Section = "View";
constexpr std::string_view OpenKey = "Map3D";
constexpr std::string_view LeftKey = "Map3DLeft";
constexpr std::string_view TopKey = "Map3DTop";
constexpr std::string_view WidthKey = "Map3DWidth";
constexpr std::string_view HeightKey = "Map3DHeight";
constexpr std::string_view YawKey = "Map3DYaw";
constexpr std::string_view PitchKey = "Map3DPitch";

constexpr QSize DefaultSize(640, 520);

std::optional<int> ReadInteger(const settings::IniFile &ini, std::string_view key)
{
    const std::optional<std::string> text = ini.value(Section, key);
    if (!text)
        return std::nullopt;
    // Two different fallbacks tell a number from anything else.
    const std::int32_t a = settings::ParseProfileInteger(*text, 0);
    const std::int32_t b = settings::ParseProfileInteger(*text, 1);
    return a == b ? std::optional<int>(a) : std::nullopt;
}

void WriteInteger(settings::IniFile &ini, std::string_view key, int value)
{
    ini.setValue(Section, key, std::to_string(value));
}

}  // namespace

View3DController::View3DController(TFormHlav &window, QAction *toggle)
    : m_window(window), m_toggle(toggle), m_view(new ui::View3DWindow(&window))
{
    connect(m_toggle, &QAction::triggered, this, &View3DController::setOpen);
    connect(m_view, &ui::View3DWindow::closed, this, [this] { m_toggle->setChecked(false); });
}

View3DController::~View3DController() { delete m_view; }

void View3DController::setOpen(bool open)
{
    if (!open) {
        m_view->close();
        return;
    }
    m_toggle->setChecked(true);
    if (!m_shownOnce)
        m_view->setGeometry(placement());
    m_shownOnce = true;
    m_view->show();
    m_view->raise();
    showPage();
}

QRect View3DController::placement() const
{
    if (m_stored && FitsAScreen(*m_stored))
        return *m_stored;
    // Beside the main window where the screen has room, else over its right part.
    const QRect main = m_window.frameGeometry();
    QRect beside(main.right() + 8, main.top(), DefaultSize.width(), DefaultSize.height());
    if (FitsAScreen(beside) && m_window.screen() != nullptr &&
        m_window.screen()->availableGeometry().contains(beside))
        return beside;
    return {std::max(0, main.right() - DefaultSize.width()), main.top() + 60, DefaultSize.width(),
            DefaultSize.height()};
}

void View3DController::showPage()
{
    if (!m_view->isVisible())
        return;
    const std::uint8_t page = m_window.pageEditor().CurrentPage();
    refresh(pages::ComputeMarker(m_window.image(), m_window.deviceLink().monitorValues(), page));
}

void View3DController::showMarker(const pages::Marker &marker)
{
    if (m_view->isVisible())
        refresh(marker);
}

void View3DController::refresh(const pages::Marker &marker)
{
    const std::uint8_t language = m_window.language();
    const QString title =
        QString::fromUtf8(lang::MapToolsText(lang::MapText::Map3D, language)).remove(QLatin1Char('&'));
    if (m_view->windowTitle() != title)
        m_view->setWindowTitle(title);
    const std::uint8_t page = m_window.pageEditor().CurrentPage();
    m_view->showContent(maptools::ContentOfPage(m_window.image(), marker, page, language));
}

void View3DController::setSelection(std::optional<maptools::Selection> selection)
{
    m_view->surface()->setSelection(selection);
}

void View3DController::loadSettings(const settings::IniFile &ini)
{
    const maptools::ViewAngle angle{ReadInteger(ini, YawKey).value_or(maptools::DefaultViewAngle.yaw),
                                    ReadInteger(ini, PitchKey).value_or(maptools::DefaultViewAngle.pitch)};
    m_view->surface()->setAngle(angle);
    const std::optional<int> left = ReadInteger(ini, LeftKey);
    const std::optional<int> top = ReadInteger(ini, TopKey);
    const std::optional<int> width = ReadInteger(ini, WidthKey);
    const std::optional<int> height = ReadInteger(ini, HeightKey);
    if (left && top && width && height)
        m_stored = QRect(*left, *top, *width, *height);
    if (ReadInteger(ini, OpenKey).value_or(0) != 0) {
        m_toggle->setChecked(true);
        // Once the main window is up, so the tool window stands beside it.
        QTimer::singleShot(0, this, [this] {
            if (m_toggle->isChecked() && !m_view->isVisible())
                setOpen(true);
        });
    }
}

void View3DController::saveSettings(settings::IniFile &ini) const
{
    WriteInteger(ini, OpenKey, m_toggle->isChecked() ? 1 : 0);
    const std::optional<QRect> rect = m_shownOnce ? std::optional<QRect>(m_view->geometry()) : m_stored;
    if (rect) {
        WriteInteger(ini, LeftKey, rect->left());
        WriteInteger(ini, TopKey, rect->top());
        WriteInteger(ini, WidthKey, rect->width());
        WriteInteger(ini, HeightKey, rect->height());
    }
    const maptools::ViewAngle angle = m_view->surface()->angle();
    WriteInteger(ini, YawKey, angle.yaw);
    WriteInteger(ini, PitchKey, angle.pitch);
}

}  // namespace korvane::app

// The settings file, the parameter snapshot and the diagnostic marker.
#include "app/TFormHlav.h"

#include "app/ScreenFit.h"

#include "model/Snapshot.h"
#include "settings/BasicSettings.h"
#include "settings/ConfigFolder.h"
#include "settings/SnapshotFile.h"
#include "settings/WindowPlacement.h"
#include "ui/LiveDataArea.h"
#include "ui/PolohaSheet.h"
#include "ui/RuzneSheet.h"
#include "ui/ServoSheet.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>

#include <vector>

namespace korvane::app {

namespace {

using Side = ui::PolohaSheet::Side;

void SetChecked(QCheckBox *box, bool checked)
{
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

}  // namespace

class WindowSettings {
public:
    // The window's own rectangle without its frame, as it would be restored
    // from a maximised state; load and save use the same one, so nothing
    // creeps from run to run.
    static QRect Placement(const TFormHlav &w)
    {
        const QRect normal = w.normalGeometry();
        return normal.isValid() ? normal : w.geometry();
    }

    static settings::BasicSettings Held(const TFormHlav &w)
    {
        settings::BasicSettings s;
        const QRect placement = Placement(w);
        s.left = placement.left();
        s.top = placement.top();
        s.height = placement.height();
        s.width = placement.width();
        s.comPort = w.m_portNumber;
        s.language = w.m_language;
        s.file = Utf8(w.m_ruzne->fileName());
        s.iniDir = Utf8(w.m_lastFile);
        s.activePage = static_cast<pages::Page>(w.m_editor.CurrentPage());
        s.extMonitor = w.m_ruzne->extMonitor()->isChecked();
        s.allServo = w.m_servo->allBox()->isChecked();
        s.allPolohaA = w.m_poloha->allBox(Side::A)->isChecked();
        s.allPolohaB = w.m_poloha->allBox(Side::B)->isChecked();
        return s;
    }

    // Everything but the page, which waits for the snapshot: whether its tab
    // shows depends on the parameters.
    static void Apply(TFormHlav &w, const settings::BasicSettings &s)
    {
        const QRect stored(s.left, s.top, s.width, s.height);
        if (FitsAScreen(stored))
            w.setGeometry(stored);
        w.m_portNumber = s.comPort;
        w.m_language = s.language;
        w.m_ruzne->setFileName(QString::fromStdString(s.file));
        w.m_lastFile = QString::fromStdString(s.iniDir);
        SetChecked(w.m_ruzne->extMonitor(), s.extMonitor);
        SetChecked(w.m_servo->allBox(), s.allServo);
        SetChecked(w.m_poloha->allBox(Side::A), s.allPolohaA);
        SetChecked(w.m_poloha->allBox(Side::B), s.allPolohaB);
    }
};

namespace {

QString FileError(const QString &prefix, const std::filesystem::path &path, const std::string &reason)
{
    return prefix + QLatin1Char('\n') + QDir::toNativeSeparators(QFile::decodeName(path.c_str())) +
           QLatin1Char('\n') + QString::fromStdString(reason);
}

}  // namespace

void TFormHlav::LoadSettings()
{
    const settings::IniFile ini = settings::LoadIniFile(settings::SettingsFile()).file;
    const settings::BasicSettings held = WindowSettings::Held(*this);
    const settings::BasicSettings read = settings::ReadBasicSettings(ini, held);
    WindowSettings::Apply(*this, read);
    m_portMap.loadOverrides(ini);
    for (SettingsGroup *group : m_settingsGroups)
        group->loadSettings(ini);

    // A snapshot cut short is left out whole rather than mixed into the
    // start-up parameters.
    (void)settings::RestoreSnapshot(settings::SnapshotFile(), m_image, m_editor.allFlags());

    // Through the steps of a page change, so that CurrentPage, MapBase and
    // the editors on view agree.
    const pages::Page page = settings::OpeningPage(read.activePage, m_image);
    m_editor.SetCurrentPage(page);
    m_pageControl->setCurrentIndex(page);
}

void TFormHlav::SaveSettings()
{
    // The parameters must survive a settings file that cannot be written, so
    // the snapshot is written whatever happened to it.
    std::string error;
    // A file that exists but cannot be read is left alone and reported.
    settings::IniLoad load = settings::LoadIniFile(settings::SettingsFile());
    if (load.ok) {
        settings::WriteBasicSettings(load.file, WindowSettings::Held(*this));
        for (const SettingsGroup *group : m_settingsGroups)
            group->saveSettings(load.file);
    }
    if (!load.ok)
        error = load.error;
    if (!load.ok || !settings::WriteConfigFile(settings::SettingsFile(), load.file.text(), &error))
        QueueMessage(FileError(Text(lang::TextId::FileOpenError), settings::SettingsFile(), error));
    if (!settings::SaveSnapshot(settings::SnapshotFile(), m_image, m_editor.allFlags(), &error))
        QueueMessage(FileError(Text(lang::TextId::FileOpenError), settings::SnapshotFile(), error));
    ShowPendingMessages();
}

void TFormHlav::ReadDiagnosticMarker()
{
    m_liveData->setTestLabelsVisible(model::ReadDiagnosticMarker(settings::MarkerFile()));
}

}  // namespace korvane::app

#pragma once

// The main window: owns the image, the editors, the port and the link, and
// routes menus, keys and the 55 ms tick to the core. What a handler decides
// lives in the core; this class renders and forwards.

#include "app/Dialogs.h"
#include "app/FeatureMenus.h"
#include "app/MainMenu.h"
#include "app/SettingsGroup.h"
#include "app/ToolBar.h"
#include "link/DeviceLink.h"
#include "model/BikeTypes.h"
#include "model/ConfigImage.h"
#include "pages/EditingTools.h"
#include "pages/Marker.h"
#include "pages/PageEditor.h"
#include "serial/PortMap.h"
#include "serial/SerialPort.h"
#include "ui/EditorRegistry.h"
#include "ui/GestureSink.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QTabWidget;

namespace korvane::ui {
class GasSheet;
class KorekceSheet;
class LadeniSheet;
class LiveDataArea;
class MapGroup;
class MonitorView;
class PolohaSheet;
class RuzneSheet;
class ServoSheet;
}  // namespace korvane::ui

namespace korvane::app {

class TableController;
class CompareController;
class UndoController;
class View3DController;

struct StartOptions {
    std::optional<std::uint8_t> language;  // from the command line
    QString device;                        // attached to the current COM number
    Dialogs *dialogs = nullptr;            // Qt's dialogs when null
    bool runTimer = true;                  // tests drive Timer1Timer themselves
    QString replayLog;                     // --replay: a ride log played as the unit
    double replaySpeed = 1.0;              // --speed
};

class RideLogController;

class TFormHlav final : public QMainWindow, public link::LinkHost, public ui::GestureSink {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 1011;
    static constexpr int DesignHeight = 801;
    static constexpr int TickMs = 55;
    static constexpr int DesignPointSize = 8;

    explicit TFormHlav(const StartOptions &options = {}, QWidget *parent = nullptr);
    ~TFormHlav() override;

    // link::LinkHost: called from inside the tick as well.
    void NormaliseImage() override;
    void TakePage() override;
    void ShowPage() override;
    [[nodiscard]] link::MonitorInputs monitorInputs() const override;

    // ui::GestureSink
    void UpDownClick() override;
    void EditExit() override;
    void FormKeyPress(QWidget *control) override;
    void CheckBoxMouseUp() override;
    void RadioGroupPolohaAClick() override;
    void ComboBoxBikeChange() override;

    void RefreshAfterEdit();
    // One user edit of the whole image, ending in RefreshAfterEdit: the way
    // editing features hand over an image their core operation computed, so
    // that undo sees every such edit as one step with its label. Repeats with
    // the same non-empty mergeKey within a second become one step.
    void ApplyEdit(const QString &label, const std::string &mergeKey, const model::ConfigImage &changed);

    // State for tests and for the printout.
    [[nodiscard]] model::ConfigImage &image() { return m_image; }
    [[nodiscard]] link::DeviceLink &deviceLink() { return m_link; }
    [[nodiscard]] pages::PageEditor &pageEditor() { return m_editor; }
    [[nodiscard]] const ui::EditorRegistry &registry() const { return m_registry; }
    [[nodiscard]] const MainMenu &menu() const { return m_menu; }
    [[nodiscard]] const FeatureMenus &features() const { return m_features; }
    // View > Table editing and Cell colours.
    [[nodiscard]] TableController *table() const { return m_table.get(); }
    [[nodiscard]] UndoController &undo() const { return *m_undo; }
    [[nodiscard]] const ToolBar &toolBar() const { return m_toolBar; }
    [[nodiscard]] QTabWidget *pageControl() const { return m_pageControl; }
    [[nodiscard]] ui::RuzneSheet *ruzneSheet() const { return m_ruzne; }
    [[nodiscard]] std::uint8_t portNumber() const { return m_portNumber; }
    [[nodiscard]] std::uint8_t language() const { return m_language; }
    // How many take-overs have run; lets a test see a gesture apply exactly once.
    [[nodiscard]] int takeOverCount() const { return m_takeOvers; }
    // Ride logs: recording, replay, trail, hit counts and lambda advice.
    [[nodiscard]] RideLogController &rideLogs() const { return *m_rideLogs; }
    // How many ApplyEdit calls changed the image.
    [[nodiscard]] int appliedEditCount() const { return m_appliedEdits; }
    // View > 3D map.
    [[nodiscard]] View3DController *view3d() const { return m_view3d.get(); }
    // Compare, the changes not in the unit and the tune sheet.
    [[nodiscard]] CompareController &compare() const { return *m_compare; }
    // The file the file choosers start from.
    [[nodiscard]] const QString &lastFile() const { return m_lastFile; }

public slots:
    void Timer1Timer();
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    void MenuExitClick();
    void MenuCom1Click(int portNumber);
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void MenuLanguageClick(int language);
    void PageControl1Change(int index);

    // Editing tools.
    void MenuToolsMinusClick();
    void MenuToolsPlusClick();
    void CSpinButtonDownClick_Uni(int column);
    void CSpinButtonUpClick_Uni(int column);
    void ButtonMinusClick_PolohaA();
    void ButtonPlusClick_PolohaA();
    void ButtonMinusClick_PolohaB();
    void ButtonPlusClick_PolohaB();
    void ButtonMinusClick_Servo();
    void ButtonPlusClick_Servo();
    void ButtonTps0Click();
    void ButtonTps100Click();
    void Menu_Jet123NormalClick();
    void Menu_Jet123CoupledClick();
    void Menu_Jet123StejnyClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildWindow();
    void ConnectCommands();
    void FormCreate(const StartOptions &options);
    void FormClose();

    // Settings, snapshot and diagnostic marker (TFormHlavSettings.cpp).
    void LoadSettings();
    void SaveSettings();
    void ReadDiagnosticMarker();
    // Moves the stored settings into the window and back (TFormHlavSettings.cpp).
    friend class WindowSettings;
    // Swaps the port for a replay and reports through the window's messages.
    friend class RideLogController;

    // Printout (TFormHlavPrint.cpp).
    void ConnectPrintCommands();
    struct PrintState;
    // Shared only so that its deleter is made where PrintState is complete.
    std::shared_ptr<PrintState> m_print;

public:
    // Where the printout goes: true when the page was printed. The default
    // printer unless a test or the command line sets another target.
    using PrintTarget = std::function<bool(const QImage &picture)>;
    void setPrintTarget(PrintTarget target);
    void ApplyPrintLayout(bool printing);
    [[nodiscard]] bool printing() const;
public slots:
    void SpeedButtonPrintClick();

private:
    // Help and About (TFormHlavHelp.cpp).
    void ConnectHelpCommands();
    void MenuContensClick();
    void MenuAboutClick();

    void ApplyMessageTexts();
    void ApplyCaptions();
    void UpdateVisibility();
    void FindFeatureWidgets();
    void UpdateMarker();
    void PaintMarker(const pages::Marker &marker);

    void ConnectTools();
    void StepOperatingPoint(pages::Step step);
    void StepCurve(pages::Curve curve, pages::Step step);
    void ChooseJetMode(pages::JetMode mode);
    [[nodiscard]] pages::ToolFlags toolFlags() const;

    void OpenPort();
    void ClosePort();
    void CheckComMenu();

    void ShowStatus();
    void ShowMonitor();
    void QueueMessage(const QString &text);
    void ShowPendingMessages();
    [[nodiscard]] QString Text(lang::TextId id) const;
    void SetFileName(const QString &path);

    model::ConfigImage m_image;
    model::DefaultSetSelector m_selector;
    pages::PageEditor m_editor;
    std::uint8_t m_portNumber = 1;
    std::uint8_t m_language = 0;
    QString m_lastFile;
    QString m_attachDevice;

    serial::PortMap m_portMap;
    serial::SerialPort m_port;
    link::DeviceLink m_link;

    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs = nullptr;

    // Groups of the features beyond [BASIC]; their controllers add themselves
    // before FormCreate loads the settings.
    std::vector<SettingsGroup *> m_settingsGroups;
    std::unique_ptr<TableController> m_table;
    MainMenu m_menu;
    FeatureMenus m_features;
    std::unique_ptr<UndoController> m_undo;
    ToolBar m_toolBar;
    QTabWidget *m_pageControl = nullptr;
    std::array<QWidget *, 11> m_pages{};
    ui::EditorRegistry m_registry;
    ui::MapGroup *m_mapGroup = nullptr;
    ui::PolohaSheet *m_poloha = nullptr;
    ui::ServoSheet *m_servo = nullptr;
    ui::RuzneSheet *m_ruzne = nullptr;
    ui::KorekceSheet *m_korekce = nullptr;
    ui::GasSheet *m_gas = nullptr;
    ui::LadeniSheet *m_ladeni = nullptr;
    ui::LiveDataArea *m_liveData = nullptr;
    std::unique_ptr<ui::MonitorView> m_monitorView;

    // Widgets whose state follows the parameters, looked up once.
    struct FeatureWidgets {
        QWidget *gasGroup = nullptr;
        QWidget *retardGroup = nullptr;
        QWidget *liveGear = nullptr;
        QWidget *liveServoPoz = nullptr;
        QWidget *liveServoMer = nullptr;
        QWidget *tempDisplay = nullptr;
        QWidget *gearDisplay = nullptr;
    } m_feature;
    // What the marker last painted, on which page.
    std::optional<std::pair<std::uint8_t, pages::Marker>> m_paintedMarker;

    std::unique_ptr<RideLogController> m_rideLogs;
    std::unique_ptr<CompareController> m_compare;

    QTimer m_timer;
    int m_takeOvers = 0;
    int m_appliedEdits = 0;
    bool m_inTick = false;
    bool m_enterMovesFocus = false;
    bool m_closed = false;
    bool m_showingMessages = false;
    std::deque<QString> m_pendingMessages;

    std::unique_ptr<View3DController> m_view3d;
};

}  // namespace korvane::app

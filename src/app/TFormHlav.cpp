#include "app/TFormHlav.h"

#include "app/CompareController.h"
#include "app/RideLogController.h"
#include "app/TableController.h"
#include "app/TableLinks.h"
#include "app/UndoController.h"
#include "app/View3DController.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"
#include "pages/Visibility.h"
#include "ui/GasSheet.h"
#include "ui/KorekceSheet.h"
#include "ui/LadeniSheet.h"
#include "ui/LiveDataArea.h"
#include "ui/MapGroup.h"
#include "ui/MonitorView.h"
#include "ui/PolohaSheet.h"
#include "ui/RadioGroup.h"
#include "ui/RuzneSheet.h"
#include "ui/ServoSheet.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvane::app {

namespace {

constexpr int PageControlHeight = 445;

}  // namespace

TFormHlav::TFormHlav(const StartOptions &options, QWidget *parent)
    : QMainWindow(parent), m_link(m_image, *this)
{
    setObjectName(QStringLiteral("FormHlav"));
    if (options.dialogs == nullptr)
        m_ownDialogs = std::make_unique<QtDialogs>();
    m_dialogs = options.dialogs != nullptr ? options.dialogs : m_ownDialogs.get();

    BuildWindow();
    ConnectCommands();
    FormCreate(options);
    if (!options.replayLog.isEmpty()) {
        m_rideLogs->setReplaySpeed(options.replaySpeed);
        m_rideLogs->startReplay(options.replayLog);
    }

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    if (options.runTimer)
        m_timer.start();
    // A port that failed to open is reported once the window is up.
    QTimer::singleShot(0, this, &TFormHlav::ShowPendingMessages);
}

TFormHlav::~TFormHlav()
{
    m_timer.stop();
    m_link.setPort(nullptr);
}

void TFormHlav::BuildWindow()
{
    // The pages are laid out in pixels for an 8-point face at 96 dpi.
    QFont designFont = font();
    designFont.setPointSize(DesignPointSize);
    setFont(designFont);

    m_menu = BuildMainMenu(*this);
    m_features = BuildFeatureMenus(*this, m_menu);
    GiveMenuBarAccessKeysFirst(*this);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_toolBar = BuildToolBar(central);
    layout->addWidget(m_toolBar.GroupBoxToolBar);

    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl->setFixedHeight(PageControlHeight);
    layout->addWidget(m_pageControl);

    static const char *const mapCaptions[pages::MapPageCount] = {"Advance", "Inj-14A", "Inj-23A", "Inj-B", "Inj-IAP"};
    for (std::size_t p = 0; p < pages::MapPageCount; ++p) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("MapPage%1").arg(p));
        m_pages[p] = page;
        m_pageControl->addTab(page, QLatin1String(mapCaptions[p]));
    }
    m_mapGroup = new ui::MapGroup(*this, m_registry, m_pages[pages::AdvancePage]);
    m_poloha = new ui::PolohaSheet(*this, m_registry);
    m_servo = new ui::ServoSheet(*this, m_registry);
    m_ruzne = new ui::RuzneSheet(*this, m_registry);
    m_korekce = new ui::KorekceSheet(*this, m_registry);
    m_gas = new ui::GasSheet(*this, m_registry);
    m_ladeni = new ui::LadeniSheet(*this, m_registry);
    m_pages[pages::PolohaPage] = m_poloha;
    m_pages[pages::ServoPage] = m_servo;
    m_pages[pages::RuznePage] = m_ruzne;
    m_pages[pages::KorekcePage] = m_korekce;
    m_pages[pages::GasPage] = m_gas;
    m_pages[pages::LadeniPage] = m_ladeni;
    static const char *const formCaptions[] = {"Poloha", "Servo", "Různé", "Korekce", "N2O", "Tuning"};
    for (std::size_t p = pages::PolohaPage; p < pages::PageCount; ++p)
        m_pageControl->addTab(m_pages[p], QString::fromUtf8(formCaptions[p - pages::PolohaPage]));
    m_pageControl->setTabVisible(pages::LadeniPage, false);
    m_mapGroup->moveToPage(m_pages[pages::AdvancePage]);

    m_liveData = new ui::LiveDataArea(central);
    layout->addWidget(m_liveData, 1);

    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);

    m_monitorView = std::make_unique<ui::MonitorView>(this);
    m_registry.applyDesign();
    FindFeatureWidgets();

    m_rideLogs = std::make_unique<RideLogController>(*this);
    m_settingsGroups.push_back(m_rideLogs.get());
}

void TFormHlav::ConnectCommands()
{
    const MainMenu &m = m_menu;
    connect(m.MenuNew, &QAction::triggered, this, &TFormHlav::MenuNewClick);
    connect(m.MenuOpen, &QAction::triggered, this, &TFormHlav::MenuOpenClick);
    connect(m.MenuSave, &QAction::triggered, this, &TFormHlav::MenuSaveClick);
    connect(m.MenuExit, &QAction::triggered, this, &TFormHlav::MenuExitClick);
    for (std::size_t i = 0; i < m.MenuComN.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        connect(m.MenuComN[i], &QAction::triggered, this, [this, number] { MenuCom1Click(number); });
    }
    connect(m.MenuRead, &QAction::triggered, this, &TFormHlav::MenuReadClick);
    connect(m.MenuVerify, &QAction::triggered, this, &TFormHlav::MenuVerifyClick);
    connect(m.MenuProgram, &QAction::triggered, this, &TFormHlav::MenuProgramClick);
    for (std::size_t i = 0; i < m.MenuLanguages.size(); ++i) {
        const int language = static_cast<int>(i);
        connect(m.MenuLanguages[i], &QAction::triggered, this, [this, language] { MenuLanguageClick(language); });
    }
    m_undo = std::make_unique<UndoController>(*this, *m_dialogs, [this](const QString &text) { QueueMessage(text); });
    m_settingsGroups.push_back(m_undo.get());
    ConnectTools();
    ConnectPrintCommands();
    ConnectHelpCommands();

    const ToolBar &t = m_toolBar;
    connect(t.SpeedButton6, &QToolButton::clicked, this, &TFormHlav::MenuNewClick);
    connect(t.SpeedButton5, &QToolButton::clicked, this, &TFormHlav::MenuOpenClick);
    connect(t.SpeedButton7, &QToolButton::clicked, this, &TFormHlav::MenuSaveClick);
    connect(t.ButtonRead, &QPushButton::clicked, this, &TFormHlav::MenuReadClick);
    connect(t.ButtonVerify, &QPushButton::clicked, this, &TFormHlav::MenuVerifyClick);
    connect(t.ButtonProgram, &QPushButton::clicked, this, &TFormHlav::MenuProgramClick);

    connect(m_pageControl, &QTabWidget::currentChanged, this, &TFormHlav::PageControl1Change);

    m_table = std::make_unique<TableController>(
        *this, *m_dialogs,
        TableController::Parts{{m_pages[0], m_pages[1], m_pages[2], m_pages[3], m_pages[4]}, m_mapGroup, m_poloha,
                               m_servo, statusBar()});
    m_settingsGroups.push_back(m_table.get());
    m_view3d = std::make_unique<View3DController>(*this, m_features.Menu3DMap);
    m_settingsGroups.push_back(m_view3d.get());
    m_compare = std::make_unique<CompareController>(*this, *m_dialogs);
    // Before FormCreate: a stored colour mode of the ride logs needs its look.
    LinkTable(*m_table, *m_rideLogs, *m_compare, *m_view3d);
}

void TFormHlav::FormCreate(const StartOptions &options)
{
    m_portNumber = 1;
    m_image[model::Offset::BikeType] = model::StartupBikeType;
    model::BuildDefaults(m_image, m_selector);

    resize(DesignWidth, DesignHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }

    LoadSettings();
    model::ApplyTypeSettings(m_image);
    if (options.language)
        m_language = *options.language;
    m_attachDevice = options.device;

    NormaliseImage();
    ApplyMessageTexts();
    ShowPage();

    OpenPort();
    CheckComMenu();

    ApplyCaptions();
    ShowPage();

    m_link.HideStatus();
    ShowStatus();
    ReadDiagnosticMarker();
    UpdateVisibility();
    m_compare->start();
}

void TFormHlav::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TFormHlav::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    m_timer.stop();
    m_rideLogs->windowClosing();
    ClosePort();
    TakePage();
    NormaliseImage();
    m_compare->windowClosing();
    SaveSettings();
}

void TFormHlav::MenuExitClick()
{
    close();
}

void TFormHlav::NormaliseImage()
{
    model::NormaliseImage(m_image, m_language, m_portNumber);
    pages::ClearDisplayChoices(m_image);
}

void TFormHlav::TakePage()
{
    ++m_takeOvers;
    m_editor.TakePage(m_image, m_registry.read(m_editor.CurrentPage()));
}

void TFormHlav::ShowPage()
{
    const std::uint8_t page = m_editor.CurrentPage();
    if (pages::IsMapPage(page))
        m_mapGroup->moveToPage(m_pages[page]);
    m_registry.write(m_editor.ShowPage(m_image));
    if (page == pages::RuznePage) {
        m_ruzne->showVersion(m_link.versionTexts());
        m_ruzne->paintProgHned();
    }
    UpdateVisibility();
    if (m_table)
        m_table->showPage();
    m_view3d->showPage();
}

link::MonitorInputs TFormHlav::monitorInputs() const
{
    link::MonitorInputs inputs;
    inputs.ignitionLimiter = m_image[model::Offset::IgnitionLimiter];
    inputs.servoEnable = m_image[model::Offset::ServoEnable];
    inputs.extendedMonitor = m_ruzne->extMonitor()->isChecked();
    inputs.n2oEnabled = m_image[model::Offset::N2oEnable] != 0;
    inputs.language = m_language;
    return inputs;
}

void TFormHlav::RefreshAfterEdit()
{
    NormaliseImage();
    ShowPage();
    ShowPage();
    m_link.ProgramAfterChange(m_ruzne->progHned()->isChecked());
    ShowStatus();
    m_compare->refresh();
}

void TFormHlav::ApplyEdit(const QString &label, const std::string &mergeKey, const model::ConfigImage &changed)
{
    if (changed == m_image)
        return;
    const auto step = m_undo->record(label, mergeKey);
    ++m_appliedEdits;
    m_image = changed;
    RefreshAfterEdit();
}

void TFormHlav::UpDownClick()
{
    const auto step = m_undo->record(UndoGesture::TakeOver);
    TakePage();
    RefreshAfterEdit();
}

void TFormHlav::EditExit()
{
    // Enter moves the focus on itself and takes the page over once.
    if (m_enterMovesFocus)
        return;
    const auto step = m_undo->record(UndoGesture::TakeOver);
    TakePage();
    RefreshAfterEdit();
}

void TFormHlav::FormKeyPress(QWidget *control)
{
    Q_UNUSED(control);
    const auto step = m_undo->record(UndoGesture::TakeOver);
    m_enterMovesFocus = true;
    focusNextChild();
    m_enterMovesFocus = false;
    TakePage();
    RefreshAfterEdit();
}

void TFormHlav::CheckBoxMouseUp()
{
    const auto step = m_undo->record(UndoGesture::TakeOver);
    TakePage();
    UpdateVisibility();
    RefreshAfterEdit();
}

void TFormHlav::RadioGroupPolohaAClick()
{
    const auto step = m_undo->record(UndoGesture::TakeOver);
    const auto store = [this](const char *control, std::size_t offset) {
        const int item = m_registry.radio(control)->itemIndex();
        if (item >= 0)
            m_image[offset] = static_cast<std::uint8_t>(item);
    };
    store("RadioGroupPolohaA", model::Offset::PositionARef);
    store("RadioGroupPolohaB", model::Offset::PositionBRef);
    m_link.ProgramAfterChange(m_ruzne->progHned()->isChecked());
    ShowStatus();
}

void TFormHlav::PageControl1Change(int index)
{
    if (index < 0 || !pages::IsPage(static_cast<std::uint8_t>(index)))
        return;
    m_mapGroup->hide();
    m_editor.SetCurrentPage(static_cast<std::uint8_t>(index));
    ShowPage();
    m_mapGroup->show();
    m_rideLogs->pageChanged();
}

void TFormHlav::MenuLanguageClick(int language)
{
    m_language = static_cast<std::uint8_t>(language);
    ApplyCaptions();
    ShowPage();
}

}  // namespace korvane::app

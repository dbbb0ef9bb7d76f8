#include "app/TableController.h"

#include "app/TFormHlav.h"
#include "lang/Captions.h"
#include "lang/LogTexts.h"
#include "maptools/CellColours.h"
#include "maptools/TableSettings.h"
#include "pages/Visibility.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/PolohaSheet.h"
#include "ui/ServoSheet.h"
#include "ui/WidgetState.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace korvane::app {

namespace {

using maptools::SheetId;
using Side = ui::PolohaSheet::Side;

constexpr int MapTableMargin = 6;
constexpr int MapTableHeight = 318;  // clear of the tools row of the map group
constexpr int LegendGap = 6;
const QRect CurveTableRect(6, 22, 946, 66);  // over the two curve rows of a group box

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(maptools::Rgb colour)
{
    return {colour.r, colour.g, colour.b};
}

ui::CellLook ByValueLook(SheetId sheet, maptools::CellPos, int value)
{
    const maptools::Rgb background = maptools::CellColour(sheet, value);
    ui::CellLook look;
    look.background = ToQColor(background);
    look.text = ToQColor(maptools::TextColourOn(background));
    return look;
}

// A map's breakpoints, or the unit of a curve as the spin-editor row has it.
QStringList RowCaptions(SheetId sheet, const QWidget &page)
{
    QStringList captions;
    const char *unit = sheet == SheetId::PositionA   ? "LabelPolohaA_2"
                       : sheet == SheetId::PositionB ? "LabelPolohaB_2"
                       : sheet == SheetId::Servo     ? "LabelServoNap"
                                                     : nullptr;
    if (unit != nullptr) {
        if (const auto *label = page.findChild<QLabel *>(QLatin1String(unit)))
            captions << label->text();
        return captions;
    }
    for (const std::string_view text : pages::MapRowTexts(sheet == SheetId::InjIap))
        captions << Q(text);
    return captions;
}

}  // namespace

TableController::TableController(TFormHlav &window, Dialogs &dialogs, const Parts &parts)
    : m_window(window), m_dialogs(dialogs), m_parts(parts)
{
    m_views[MapView] = makeView(SheetId::Advance, m_parts.mapPages[pages::AdvancePage]);
    m_views[PositionAView] = makeView(SheetId::PositionA, m_parts.poloha->groupBox(Side::A));
    m_views[PositionBView] = makeView(SheetId::PositionB, m_parts.poloha->groupBox(Side::B));
    m_views[ServoView] = makeView(SheetId::Servo, m_parts.servo->groupBox());
    for (int view = PositionAView; view < ViewCount; ++view)
        m_views[view]->setGeometry(CurveTableRect);
    for (QWidget *page : m_parts.mapPages)
        page->installEventFilter(this);

    m_legend = new QLabel(m_parts.mapPages[pages::AdvancePage]);
    m_legend->setObjectName(QStringLiteral("TableKeyLegend"));
    m_legend->setWordWrap(true);
    m_legend->hide();

    // Right-click on a cell keeps a selection it lies in, so the lock takes
    // the whole selection as L does.
    ui::MapTableView *mapView = m_views[MapView];
    m_lockAction = new QAction(mapView);
    m_lockAction->setObjectName(QStringLiteral("TableLockCell"));
    m_lockAction->setEnabled(false);
    mapView->addAction(m_lockAction);
    mapView->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_lockAction, &QAction::triggered, this,
            [this, mapView] { runCommand(mapView, ui::TableCommand::Lock, 0); });

    m_providers[static_cast<std::size_t>(CellColourChoice::ByValue)] = ByValueLook;
    const FeatureMenus &menus = window.features();
    connect(menus.MenuTableEditing, &QAction::triggered, this, [this](bool on) {
        setTableEditing(on);
        if (ui::MapTableView *view = activeView())
            view->setFocus(Qt::ShortcutFocusReason);
    });
    for (std::size_t i = 0; i < menus.MenuColours.size(); ++i) {
        const auto choice = static_cast<CellColourChoice>(i);
        menus.MenuColours[i]->setEnabled(m_providers[i] != nullptr || choice == CellColourChoice::Off);
        connect(menus.MenuColours[i], &QAction::triggered, this, [this, choice] { chooseColours(choice); });
    }
}

TableController::~TableController() = default;

ui::MapTableView *TableController::makeView(SheetId sheet, QWidget *parent)
{
    auto *view = new ui::MapTableView(m_window.image(), sheet, parent);
    view->setObjectName(QStringLiteral("MapTable%1").arg(static_cast<int>(sheet)));
    view->hide();
    ui::MapTableModel *model = view->tableModel();
    model->setRowCaptions(RowCaptions(sheet, *parent));
    connect(view, &ui::MapTableView::command, this,
            [this, view](ui::TableCommand command, int steps) { runCommand(view, command, steps); });
    connect(view, &ui::MapTableView::selectedCellsChanged, this,
            [this, view] { emit selectionChanged(view->sheet(), view->selection()); });
    connect(model, &ui::MapTableModel::cellTyped, this, [this, view](maptools::CellPos cell, int value) {
        apply(lang::HistoryTextId::StepSetValue, {},
              maptools::SetCells(m_window.image(), view->sheet(), maptools::Selection::Cell(cell), value));
    });
    connect(model, &ui::MapTableModel::axisTyped, this, [this, view](int column, int rpm) {
        apply(lang::HistoryTextId::StepSetValue, {},
              maptools::SetAxisPoint(m_window.image(), view->sheet(), static_cast<std::size_t>(column), rpm));
    });
    return view;
}

void TableController::loadSettings(const settings::IniFile &ini)
{
    const maptools::TableSettings stored = maptools::ReadTableSettings(ini);
    // A mode whose provider is not there (yet) reads as off.
    auto colours = static_cast<CellColourChoice>(stored.cellColours);
    if (!m_providers[static_cast<std::size_t>(colours)])
        colours = CellColourChoice::Off;
    chooseColours(colours);
    m_window.features().MenuColours[static_cast<std::size_t>(colours)]->setChecked(true);
    m_window.features().MenuTableEditing->setChecked(stored.tableEditing);
    m_on = stored.tableEditing;
    m_focusOnShow = m_on;
}

void TableController::saveSettings(settings::IniFile &ini) const
{
    maptools::WriteTableSettings(ini, {m_on, static_cast<int>(m_colours)});
}

void TableController::setTableEditing(bool on)
{
    if (on == m_on)
        return;
    // Hiding a focused table moves its cursor on, so the cell is taken first.
    std::optional<std::pair<SheetId, maptools::CellPos>> focused;
    for (const ui::MapTableView *view : m_views) {
        if (view->hasFocus())
            focused = std::pair(view->sheet(), view->currentCell());
    }
    m_on = on;
    placeTables();
    emit editingSwitched(on);
    if (!on && focused)
        focusSpinEditor(focused->first, focused->second);
}

void TableController::chooseColours(CellColourChoice choice)
{
    if (choice == m_colours)
        return;
    m_colours = choice;
    applyLooks();
}

void TableController::applyLooks()
{
    const ui::CellLookProvider &provider = m_providers[static_cast<std::size_t>(m_colours)];
    for (ui::MapTableView *view : m_views)
        view->tableModel()->setLookProvider(m_colours == CellColourChoice::Off ? nullptr : provider);
}

void TableController::setLookProvider(CellColourChoice choice, ui::CellLookProvider provider)
{
    const auto index = static_cast<std::size_t>(choice);
    if (choice == CellColourChoice::Off || index >= m_providers.size())
        return;
    m_providers[index] = std::move(provider);
    m_window.features().MenuColours[index]->setEnabled(m_providers[index] != nullptr);
    if (choice == m_colours)
        applyLooks();
}

void TableController::refreshLooks()
{
    for (ui::MapTableView *view : m_views)
        view->tableModel()->refreshLooks();
}

void TableController::setCompareMarks(std::span<const history::DiffEntry> entries)
{
    m_compare.assign(entries.begin(), entries.end());
    for (ui::MapTableView *view : m_views)
        applyCompareMarks(view);
}

void TableController::applyCompareMarks(ui::MapTableView *view) const
{
    const SheetId sheet = view->sheet();
    const std::uint8_t page = maptools::PageOf(sheet);
    const std::string_view cells = maptools::CellBinding(sheet).control;
    const std::string_view axis = maptools::AxisBinding(sheet).control;
    const std::size_t cellCount = maptools::RowCount(sheet) * maptools::ColumnCount;
    ui::CompareMarks marks;
    for (const history::DiffEntry &entry : m_compare) {
        if (entry.page != page)
            continue;
        if (entry.control == cells && entry.index < cellCount)
            marks.cells.set(entry.index);
        else if (entry.control == axis && entry.index < maptools::ColumnCount)
            marks.axis.set(entry.index);
    }
    view->tableModel()->setCompareMarks(marks);
}

void TableController::showPage()
{
    placeTables();
    for (ui::MapTableView *view : m_views)
        view->tableModel()->refresh();
    if (m_focusOnShow && m_on) {
        m_focusOnShow = false;
        if (ui::MapTableView *view = activeView())
            view->setFocus(Qt::OtherFocusReason);
    }
}

void TableController::placeTables()
{
    const std::uint8_t page = m_window.pageEditor().CurrentPage();
    m_parts.mapGroup->setGridShown(!m_on);
    showCurveRows(!m_on);
    if (pages::IsMapPage(page))
        placeMapTable(page);
    for (ui::MapTableView *view : m_views)
        ui::SetShown(view, m_on);
    placeLegend(page);
    showMarker(pages::ComputeMarker(m_window.image(), m_window.deviceLink().monitorValues(), page));
}

void TableController::placeMapTable(std::uint8_t page)
{
    ui::MapTableView *view = m_views[MapView];
    QWidget *pageWidget = m_parts.mapPages[page];
    const auto sheet = static_cast<SheetId>(page);
    if (view->sheet() != sheet) {
        view->setSheet(sheet);
        view->tableModel()->setRowCaptions(RowCaptions(sheet, *pageWidget));
        applyCompareMarks(view);
        updateLockAction();
    }
    if (view->parentWidget() != pageWidget) {
        // The map group has just moved onto the page; the table lies over it.
        view->setParent(pageWidget);
        view->raise();
    }
    const QRect rect(MapTableMargin, MapTableMargin, pageWidget->width() - 2 * MapTableMargin, MapTableHeight);
    if (view->geometry() != rect)
        view->setGeometry(rect);
}

void TableController::placeLegend(std::uint8_t page)
{
    QWidget *parent = nullptr;
    QRect rect;
    if (pages::IsMapPage(page)) {
        parent = m_parts.mapPages[page];
        const QRect table = m_views[MapView]->geometry();
        rect = QRect(table.left() + 2, table.bottom() + LegendGap, table.width() - 4, 0);
    } else if (page == pages::PolohaPage) {
        parent = m_parts.poloha;
        const QRect below = m_parts.poloha->groupBox(Side::B)->geometry();
        rect = QRect(below.left() + 8, below.bottom() + LegendGap, below.width() - 16, 0);
    } else if (page == pages::ServoPage) {
        parent = m_parts.servo;
        const QRect logo = m_parts.servo->logo()->geometry();
        rect = QRect(logo.right() + 24, logo.top(), parent->width() - logo.right() - 40, 0);
    }
    const bool shown = m_on && parent != nullptr;
    if (shown) {
        if (m_legend->parentWidget() != parent) {
            m_legend->setParent(parent);
            m_legend->raise();
        }
        rect.setHeight(m_legend->heightForWidth(rect.width()));
        if (m_legend->geometry() != rect)
            m_legend->setGeometry(rect);
    }
    ui::SetShown(m_legend, shown);
}

void TableController::showCurveRows(bool shown)
{
    for (int i = 0; i < static_cast<int>(maptools::ColumnCount); ++i) {
        for (const Side side : {Side::A, Side::B}) {
            ui::SetShown(m_parts.poloha->rpmEditor(side, i), shown);
            ui::SetShown(m_parts.poloha->degEditor(side, i), shown);
        }
        ui::SetShown(m_parts.servo->rpmEditor(i), shown);
        ui::SetShown(m_parts.servo->mvEditor(i), shown);
    }
    for (const char *name : {"LabelPolohaA_1", "LabelPolohaA_2", "LabelPolohaB_1", "LabelPolohaB_2", "LabelServoRpm",
                             "LabelServoNap"}) {
        if (auto *label = m_window.findChild<QLabel *>(QLatin1String(name)))
            ui::SetShown(label, shown);
    }
}

void TableController::focusSpinEditor(SheetId sheet, maptools::CellPos cell)
{
    const int row = static_cast<int>(cell.row);
    const int column = static_cast<int>(cell.column);
    ui::NumericEditor *editor = nullptr;
    switch (sheet) {
    case SheetId::PositionA:
        editor = m_parts.poloha->degEditor(Side::A, column);
        break;
    case SheetId::PositionB:
        editor = m_parts.poloha->degEditor(Side::B, column);
        break;
    case SheetId::Servo:
        editor = m_parts.servo->mvEditor(column);
        break;
    default:
        editor = m_parts.mapGroup->cell(row, column);
        break;
    }
    editor->edit()->setFocus(Qt::OtherFocusReason);
}

void TableController::showMarker(const pages::Marker &marker)
{
    for (ui::MapTableView *view : m_views)
        view->tableModel()->setMarks(maptools::MarksOf(marker, view->sheet()));
}

void TableController::applyLanguage()
{
    const std::uint8_t language = m_window.language();
    const QString legend = text(lang::MapText::KeyLegend1) + QLatin1Char('\n') + text(lang::MapText::KeyLegend2);
    if (m_legend->text() != legend)
        m_legend->setText(legend);
    m_lockAction->setText(Q(lang::LogText(lang::LogTextId::LockCell, language)));
    const QString rpm = Q(lang::CaptionText("LabelMapRpm", lang::CaptionProperty::Caption, language));
    for (ui::MapTableView *view : m_views)
        view->setCornerText(rpm);
    placeLegend(m_window.pageEditor().CurrentPage());
}

void TableController::setLockable(std::function<bool(maptools::SheetId)> lockable)
{
    m_lockable = std::move(lockable);
    updateLockAction();
}

void TableController::setToolTipSource(const ui::CellToolTipSource &source)
{
    for (ui::MapTableView *view : m_views)
        view->tableModel()->setToolTipSource(source);
}

void TableController::updateLockAction()
{
    m_lockAction->setEnabled(m_lockable && m_lockable(m_views[MapView]->sheet()));
}

ui::MapTableView *TableController::activeView() const
{
    if (!m_on)
        return nullptr;
    const std::uint8_t page = m_window.pageEditor().CurrentPage();
    if (pages::IsMapPage(page))
        return m_views[MapView];
    if (page == pages::PolohaPage)
        return m_views[PositionBView]->hasFocus() ? m_views[PositionBView] : m_views[PositionAView];
    if (page == pages::ServoPage)
        return m_views[ServoView];
    return nullptr;
}

bool TableController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_views[MapView]->parentWidget()) {
        const std::uint8_t page = m_window.pageEditor().CurrentPage();
        if (pages::IsMapPage(page)) {
            placeMapTable(page);
            placeLegend(page);
        }
    }
    return QObject::eventFilter(watched, event);
}

QString TableController::text(lang::MapText id) const
{
    return Q(lang::MapToolsText(id, m_window.language()));
}

}  // namespace korvane::app

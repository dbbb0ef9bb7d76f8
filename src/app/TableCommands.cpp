// The keys of a table as edits: each command becomes one core operation on
// the image (maptools), handed to the window as one undo step, and whatever
// it limited or refused goes to the status bar.

#include "app/TableController.h"

#include "app/Dialogs.h"
#include "app/TFormHlav.h"
#include "maptools/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QStatusBar>

#include <cmath>

namespace korvane::app {

namespace {

using lang::HistoryTextId;

// Status texts stay as long as the design's status label does.
constexpr int StatusMs = 11000;
constexpr double LargestScale = 1000.0;  // %
constexpr int ScaleDecimals = 2;

// Repeated + and - on the same cells within a second make one undo step.
std::string StepsMergeKey(maptools::SheetId sheet, const maptools::Selection &s)
{
    return "table-steps:" + std::to_string(static_cast<int>(sheet)) + ':' + std::to_string(s.top) + ',' +
           std::to_string(s.left) + ',' + std::to_string(s.bottom) + ',' + std::to_string(s.right);
}

char32_t LocaleGrouping()
{
    const QList<uint> separator = QLocale().groupSeparator().toUcs4();
    return separator.isEmpty() ? maptools::NoGrouping : static_cast<char32_t>(separator.front());
}

}  // namespace

void TableController::runCommand(ui::MapTableView *view, ui::TableCommand command, int steps)
{
    using ui::TableCommand;
    const maptools::SheetId sheet = view->sheet();
    const maptools::Selection selection = view->selection();
    const model::ConfigImage &image = m_window.image();
    const bool changes = command != TableCommand::Copy && command != TableCommand::Lock;
    if (changes && maptools::IsReadOnly(image, sheet)) {
        showStatus(std::string(lang::MapToolsText(lang::MapText::MapLockedCoupled, m_window.language())));
        return;
    }
    switch (command) {
    case TableCommand::AddSteps:
        apply(HistoryTextId::StepAddSteps, StepsMergeKey(sheet, selection),
              maptools::AddSteps(image, sheet, selection, steps));
        break;
    case TableCommand::Scale:
        // The image is read after the question: the tick goes on meanwhile.
        if (const std::optional<double> percent = m_dialogs.askNumber(
                &m_window, text(lang::MapText::ScalePrompt), 100.0, 0.0, LargestScale, ScaleDecimals))
            apply(HistoryTextId::StepScale, {}, maptools::ScaleCells(m_window.image(), sheet, selection, *percent));
        break;
    case TableCommand::Set: {
        const maptools::ValueRange range = maptools::CellRange(sheet);
        const int current = view->tableModel()->value(view->currentCell());
        if (const std::optional<double> value =
                m_dialogs.askNumber(&m_window, text(lang::MapText::SetPrompt), current, range.min, range.max, 0))
            apply(HistoryTextId::StepSetValue, {},
                  maptools::SetCells(m_window.image(), sheet, selection, static_cast<int>(std::lround(*value))));
        break;
    }
    case TableCommand::Interpolate:
        apply(HistoryTextId::StepInterpolate, {}, maptools::InterpolateCells(image, sheet, selection));
        break;
    case TableCommand::Smooth:
        apply(HistoryTextId::StepSmooth, {}, maptools::SmoothCells(image, sheet, selection));
        break;
    case TableCommand::Copy:
        QGuiApplication::clipboard()->setText(QString::fromStdString(maptools::CopyText(image, sheet, selection)));
        break;
    case TableCommand::Paste:
        apply(HistoryTextId::StepPaste, {},
              maptools::PasteText(image, sheet, view->currentCell(),
                                  QGuiApplication::clipboard()->text().toStdString(), LocaleGrouping()));
        break;
    case TableCommand::Lock:
        emit lockRequested(sheet, selection);
        break;
    case TableCommand::Refused:
        break;
    }
}

void TableController::apply(lang::HistoryTextId label, const std::string &mergeKey,
                            const maptools::EditResult &result)
{
    if (result.ok())
        m_window.ApplyEdit(QString::fromStdString(lang::HistoryText(label, m_window.language())), mergeKey,
                           result.image);
    showStatus(maptools::StatusText(result, m_window.language()));
}

void TableController::showStatus(const std::string &text)
{
    // Not the design's status label: that one belongs to the unit's transfers.
    if (text.empty())
        m_parts.statusBar->clearMessage();
    else
        m_parts.statusBar->showMessage(QString::fromStdString(text), StatusMs);
}

}  // namespace korvane::app

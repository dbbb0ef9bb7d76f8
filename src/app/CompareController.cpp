#include "app/CompareController.h"

#include "app/Dialogs.h"
#include "app/FeatureMenus.h"
#include "app/ParameterSetFile.h"
#include "app/TFormHlav.h"
#include "app/UndoController.h"
#include "history/ParameterNames.h"
#include "history/TuneSheet.h"
#include "lang/CompareTexts.h"
#include "lang/HistoryTexts.h"
#include "lang/Texts.h"
#include "pages/Pages.h"
#include "print/TuneSheetPdf.h"
#include "ui/ComparePanel.h"
#include "ui/NumericEditor.h"
#include "ui/RadioGroup.h"
#include "ui/RuzneSheet.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>

namespace korvane::app {

namespace {

using lang::CompareTextId;

QString Q(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Text(CompareTextId id, std::uint8_t language, std::initializer_list<std::string_view> arguments = {})
{
    return Q(lang::CompareText(id, language, arguments));
}

QString Message(lang::TextId id, std::uint8_t language, const QString &path, const QString &reason = {})
{
    QString text = Q(lang::MessageText(id, language)) + QLatin1Char('\n') + QDir::toNativeSeparators(path);
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    return text;
}

// Names that Open and Save give: an absolute path. The design's placeholder
// and names kept from another system name no file here.
bool NamesAFile(const QString &name)
{
    return !name.isEmpty() && QFileInfo(name).isAbsolute();
}

}  // namespace

CompareController::CompareController(TFormHlav &window, Dialogs &dialogs)
    : m_window(window), m_dialogs(dialogs), m_unit(window.statusBar(), window.ruzneSheet())
{
    const FeatureMenus &f = window.features();
    connect(f.MenuCompareFile, &QAction::triggered, this, &CompareController::compareWithFile);
    connect(f.MenuCompareUnit, &QAction::triggered, this, &CompareController::compareWithUnit);
    connect(f.MenuChangesNotInUnit, &QAction::triggered, this, &CompareController::compareWithConfirmed);
    connect(f.MenuExportSheet, &QAction::triggered, this, &CompareController::exportTuneSheet);
    // The History dialog's Compare.
    connect(&window.undo(), &UndoController::compareRequested, this, &CompareController::compareWith);
    // After the window's own page change, which shows the new page.
    connect(window.pageControl(), &QTabWidget::currentChanged, this, &CompareController::refresh);
}

CompareController::~CompareController() = default;

std::uint8_t CompareController::language() const
{
    return m_window.language();
}

std::uint8_t CompareController::pageOnView() const
{
    return m_window.pageEditor().CurrentPage();
}

QString CompareController::unitName() const
{
    return Text(CompareTextId::Unit, language(), {QStringLiteral("COM%1").arg(m_window.portNumber()).toStdString()});
}

void CompareController::start()
{
    const QString name = m_window.ruzneSheet()->fileName();
    if (NamesAFile(name)) {
        // The parameters of the last run may hold changes the file never got.
        const SetFileRead read = ReadParameterSet(name, m_window.image());
        m_unit.setFileSet(read.image ? read.image : std::optional<model::ConfigImage>(m_window.image()));
    }
    m_window.features().MenuChangesNotInUnit->setEnabled(false);
    m_seenLanguage = -1;
    refresh();
}

void CompareController::linkEvents(const LinkEvents &events)
{
    if (events.confirmed) {
        m_unit.setConfirmed(m_window.image(), unitName());
        m_window.features().MenuChangesNotInUnit->setEnabled(true);
        m_unit.update(m_window.image(), language());
        if (m_followsConfirmed) {
            m_other = m_window.image();
            recompute();
            showMarks();
        }
    }
    if (events.asideRead && events.asideRead->purpose == link::AsidePurpose::Compare)
        compareWith(events.asideRead->image, unitName());
}

void CompareController::fileNamed(const QString &path)
{
    m_unit.setFileSet(path.isEmpty() ? std::nullopt : std::optional<model::ConfigImage>(m_window.image()));
    m_unit.update(m_window.image(), language());
}

void CompareController::windowClosing()
{
    closeCompare();
}

void CompareController::refresh()
{
    const model::ConfigImage &image = m_window.image();
    const int language = this->language();
    const int page = pageOnView();
    const bool languageChanged = language != m_seenLanguage;
    const bool imageChanged = languageChanged || image != m_seenImage;
    const bool pageChanged = page != m_seenPage;
    if (!imageChanged && !pageChanged)
        return;
    m_seenImage = image;
    m_seenLanguage = language;
    m_seenPage = page;
    if (languageChanged)
        applyTexts();
    if (imageChanged) {
        m_unit.update(image, static_cast<std::uint8_t>(language));
        recompute();
    } else if (m_panel && m_other) {
        m_panel->followPage(static_cast<std::uint8_t>(page));
        updateButtons();
    }
    if (m_other)
        showMarks();
}

void CompareController::compareWith(const model::ConfigImage &other, const QString &title)
{
    m_other = other;
    m_title = QFileInfo(title).isAbsolute() ? QFileInfo(title).fileName() : title;
    m_fullTitle = QDir::toNativeSeparators(title);
    m_followsConfirmed = false;
    showPanel();
    recompute();
    showMarks();
}

void CompareController::closeCompare()
{
    const bool was = m_other.has_value();
    m_other.reset();
    m_followsConfirmed = false;
    m_entries.clear();
    m_listing.clear();
    m_marks.clear();
    hidePanel();
    if (was)
        emit changed();
}

void CompareController::compareWithFile()
{
    const QString chosen = m_dialogs.openFileName(&m_window, m_window.lastFile());
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    const SetFileRead read = ReadParameterSet(path, m_window.image());
    if (!read.image) {
        const lang::TextId id =
            read.error == SetFileError::CannotOpen ? lang::TextId::FileOpenError : lang::TextId::FileVersionMismatch;
        m_dialogs.message(&m_window, Message(id, language(), path));
        return;
    }
    compareWith(*read.image, path);
}

void CompareController::compareWithUnit()
{
    // Same frames as a read, into a buffer of its own; the image stays as it is.
    m_window.deviceLink().ReadAsideClick();
}

void CompareController::compareWithConfirmed()
{
    if (!m_unit.confirmed())
        return;
    compareWith(*m_unit.confirmed(), m_unit.unitName());
    m_followsConfirmed = true;
}

void CompareController::exportTuneSheet()
{
    const QString shown = m_window.ruzneSheet()->fileName();
    const QString base = NamesAFile(shown) ? shown : m_window.lastFile();
    QString suggested;
    if (!base.trimmed().isEmpty()) {
        const QFileInfo info(base);
        suggested = info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    const QString chosen = m_dialogs.savePdfFileName(&m_window, suggested);
    if (chosen.isEmpty())
        return;
    // The sheet shows what Save would write.
    m_window.TakePage();
    m_window.NormaliseImage();
    m_window.ShowPage();

    history::SheetRequest request;
    request.image = m_window.image();
    if (NamesAFile(shown))
        request.name = QDir::toNativeSeparators(shown).toStdString();
    if (m_other) {
        request.against = *m_other;
        request.againstName = m_fullTitle.toStdString();
    }
    request.date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    request.language = language();
    const QString path = QFileInfo(chosen).absoluteFilePath();
    const QString failure = print::WriteTuneSheetPdf(history::BuildTuneSheet(request), path);
    if (!failure.isEmpty())
        m_dialogs.message(&m_window, Message(lang::TextId::FileOpenError, language(), path, failure));
}

void CompareController::take(std::span<const history::DiffEntry> chosen)
{
    if (!m_other || chosen.empty())
        return;
    model::ConfigImage changed = m_window.image();
    history::ApplyOther(changed, *m_other, chosen);
    m_window.ApplyEdit(Q(lang::HistoryText(lang::HistoryTextId::StepTakeOther, language())), {}, changed);
}

void CompareController::takeSelected()
{
    std::vector<history::DiffEntry> chosen;
    for (const ui::EntryKey &key : m_panel->selectedEntries())
        if (const history::DiffEntry *entry = history::FindEntry(m_entries, key.page, key.control, key.index))
            chosen.push_back(*entry);
    take(chosen);
}

void CompareController::takePage()
{
    const std::uint8_t page = m_panel->selectedPage().value_or(pageOnView());
    const auto entries = history::EntriesOfPage(m_entries, page);
    take(std::vector<history::DiffEntry>(entries.begin(), entries.end()));
}

void CompareController::showPageOf(std::uint8_t page)
{
    QTabWidget *tabs = m_window.pageControl();
    if (pages::IsPage(page) && tabs->isTabVisible(page))
        tabs->setCurrentIndex(page);
}

void CompareController::showPanel()
{
    if (!m_panel) {
        m_panel = new ui::ComparePanel(&m_window);
        m_window.addDockWidget(Qt::RightDockWidgetArea, m_panel);
        m_panel->hide();
        connect(m_panel, &ui::ComparePanel::closed, this, &CompareController::closeCompare);
        connect(m_panel, &ui::ComparePanel::takeEntriesClicked, this, &CompareController::takeSelected);
        connect(m_panel, &ui::ComparePanel::takePageClicked, this, &CompareController::takePage);
        connect(m_panel, &ui::ComparePanel::takeAllClicked, this,
                [this] { take(std::vector<history::DiffEntry>(m_entries)); });
        connect(m_panel, &ui::ComparePanel::changedOnlyClicked, this, &CompareController::recompute);
        connect(m_panel, &ui::ComparePanel::selectionChanged, this, &CompareController::updateButtons);
        connect(m_panel, &ui::ComparePanel::entryActivated, this, &CompareController::showPageOf);
        applyTexts();
    }
    if (!m_panel->isHidden())
        return;
    // The pages keep their design size: the window widens by the panel
    // (the live data below the pages hold it at least as wide anyway).
    const bool grow = !m_window.isMaximized() && !m_window.isFullScreen();
    const int before = m_window.width();
    m_panel->show();
    m_window.layout()->activate();
    if (grow) {
        int width = before + ui::ComparePanel::PanelWidth +
                    m_window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &m_window);
        if (const QScreen *screen = m_window.screen())
            width = std::min(width, screen->availableGeometry().width());
        if (width > m_window.width())
            m_window.resize(width, m_window.height());
        m_grownBy = std::max(0, m_window.width() - before);
    }
    m_window.resizeDocks({m_panel.data()}, {ui::ComparePanel::PanelWidth}, Qt::Horizontal);
}

void CompareController::hidePanel()
{
    if (!m_panel || m_panel->isHidden())
        return;
    m_panel->hide();
    if (m_grownBy > 0 && !m_window.isMaximized() && !m_window.isFullScreen()) {
        // The minimum width still counts the panel until the layout has run.
        m_window.layout()->activate();
        m_window.resize(m_window.width() - m_grownBy, m_window.height());
    }
    m_grownBy = 0;
}

void CompareController::recompute()
{
    if (!m_other)
        return;
    const model::ConfigImage &image = m_window.image();
    const std::uint8_t language = this->language();
    m_entries = history::ImageDiff(image, *m_other, {language, false});
    if (m_panel) {
        const bool all = !m_panel->changedOnly();
        history::DiffOptions listing{language, false};
        listing.includeEqual = true;
        m_listing = all ? history::ImageDiff(image, *m_other, listing) : std::vector<history::DiffEntry>{};
        m_panel->showEntries(all ? m_listing : m_entries,
                             [language](std::uint8_t page) { return Q(history::PageName(page, language)); },
                             pageOnView());
        const QString separator = language == lang::French ? QStringLiteral(" : ") : QStringLiteral(": ");
        const QString count = m_entries.empty()
                                  ? Text(CompareTextId::NoDifferences, language)
                                  : Text(CompareTextId::DifferenceCount, language, {std::to_string(m_entries.size())});
        m_panel->setSummary(Text(CompareTextId::ComparedWith, language) + separator + m_title, m_fullTitle, count);
        updateButtons();
    }
    emit changed();
}

void CompareController::showMarks()
{
    std::vector<ui::EditorMark> marks;
    if (m_other) {
        for (const history::DiffEntry &entry : history::EntriesOfPage(m_entries, pageOnView()))
            if (QWidget *editor = editorOf(entry))
                marks.push_back({editor, Text(CompareTextId::OtherValueTip, language(), {entry.b})});
    }
    m_marks.show(marks);
}

QWidget *CompareController::editorOf(const history::DiffEntry &entry) const
{
    const ui::EditorRegistry &registry = m_window.registry();
    switch (entry.kind) {
    case history::EntryKind::MapCell:
    case history::EntryKind::Value:
        return registry.numeric(entry.control, entry.index);
    case history::EntryKind::Check:
        return registry.check(entry.control);
    case history::EntryKind::Choice:
        return registry.radio(entry.control);  // none for the Jet 14-23 menu
    case history::EntryKind::Model:
        return registry.combo(entry.control);
    case history::EntryKind::Byte:
        break;
    }
    return nullptr;
}

void CompareController::updateButtons()
{
    if (!m_panel)
        return;
    const std::uint8_t page = m_panel->selectedPage().value_or(pageOnView());
    m_panel->setTakeEnabled(!m_panel->selectedEntries().empty(), !history::EntriesOfPage(m_entries, page).empty(),
                            !m_entries.empty());
}

void CompareController::applyTexts()
{
    if (!m_panel)
        return;
    const std::uint8_t language = this->language();
    ui::ComparePanelTexts texts;
    texts.title = Text(CompareTextId::PanelTitle, language);
    texts.parameter = Text(CompareTextId::Parameter, language);
    texts.value = Text(CompareTextId::Value, language);
    texts.otherValue = Text(CompareTextId::OtherValue, language);
    texts.difference = Text(CompareTextId::Difference, language);
    texts.changedOnly = Text(CompareTextId::ChangedOnly, language);
    texts.takeCaption = Text(CompareTextId::TakeCaption, language);
    texts.takeEntries = Text(CompareTextId::TakeEntries, language);
    texts.takePage = Text(CompareTextId::TakePage, language);
    texts.takeAll = Text(CompareTextId::TakeAll, language);
    m_panel->setTexts(texts);
}

}  // namespace korvane::app

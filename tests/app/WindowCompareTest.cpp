// Compare with a file in the window: the panel, the marks on the editors,
// taking the other value, the "*" after the file name and the tune sheet.

#include "WindowFixture.h"

#include "../ui/PaintCounter.h"
#include "app/CompareController.h"
#include "app/UndoController.h"
#include "history/ImageDiff.h"
#include "model/ParameterFile.h"
#include "pages/Pages.h"
#include "ui/ComparePanel.h"
#include "ui/NumericEditor.h"
#include "ui/RuzneSheet.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <fstream>

namespace korvane::test {
namespace {

namespace Offset = model::Offset;
using model::ConfigImage;

constexpr std::size_t Cell = model::MapCell(Offset::AdvMap, 2, 3);  // "UpDownMapCell" 33 on the advance page

class WindowCompareTest : public WindowFixture {
protected:
    app::CompareController &compare() { return window->compare(); }
    ui::ComparePanel *panel() { return compare().panel(); }
    bool panelShown() { return panel() != nullptr && panel()->isVisible(); }

    QString writeFile(const QString &name, const ConfigImage &image)
    {
        const QString path = workPath(name);
        std::ofstream out(path.toStdString(), std::ios::binary);
        model::WriteParameterFile(out, image, false);
        return path;
    }

    // The window's parameters with a map cell, a scalar and a check box changed.
    ConfigImage changedSet() const
    {
        ConfigImage other = window->image();
        other[Cell] = static_cast<std::uint8_t>(other[Cell] > 30 ? other[Cell] - 5 : other[Cell] + 5);
        other[Offset::StartLimiter] = other[Offset::StartLimiter] == 95 ? 90 : 95;
        other[Offset::ActClutch] ^= 1;
        return other;
    }

    void compareWithFile(const QString &path)
    {
        dialogs.fileToOpen = path;
        window->features().MenuCompareFile->trigger();
        QApplication::processEvents();
    }

    void showPage(std::uint8_t page) { window->pageControl()->setCurrentIndex(page); }
    ui::NumericEditor *numeric(const char *control, std::size_t index = 0)
    {
        return window->registry().numeric(control, index);
    }

    void selectRow(const std::string &parameter)
    {
        QTreeWidget *tree = panel()->tree();
        const QList<QTreeWidgetItem *> found =
            tree->findItems(QString::fromStdString(parameter), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << parameter;
        tree->setCurrentItem(found.front());
    }

    std::string parameterOf(std::uint8_t page, const char *control)
    {
        const history::DiffEntry *entry = history::FindEntry(compare().entries(), page, control);
        return entry != nullptr ? entry->parameter : std::string();
    }
};

TEST_F(WindowCompareTest, FileDifferencesShowInThePanelAndOnTheirEditorsOnly)
{
    open();
    showPage(pages::AdvancePage);
    const int pagesWidth = window->pageControl()->width();
    const ConfigImage other = changedSet();
    compareWithFile(writeFile(QStringLiteral("other.ign"), other));

    ASSERT_TRUE(panelShown());
    EXPECT_EQ(window->pageControl()->width(), pagesWidth) << "the pages keep their design size";
    const auto &entries = compare().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].control, "UpDownMapCell");
    EXPECT_EQ(entries[0].index, 33);
    EXPECT_EQ(panel()->findChild<QLabel *>(QStringLiteral("CompareCount"))->text(), QStringLiteral("Differences: 3"));

    const struct {
        std::uint8_t page;
        std::vector<QWidget *> marked;
        QString tip;
    } cases[] = {
        {pages::AdvancePage, {numeric("UpDownMapCell", 33)}, QStringLiteral("Other value: %1").arg(other[Cell])},
        {pages::RuznePage,
         {numeric("UpDownOmez1"), window->registry().check("CheckBoxAktClutch")},
         QStringLiteral("Other value: %1").arg(other[Offset::StartLimiter] * 100)},
        {pages::ServoPage, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.page));
        showPage(c.page);
        EXPECT_EQ(compare().marks().count(), c.marked.size());
        for (QWidget *editor : c.marked) {
            EXPECT_TRUE(compare().marks().isMarked(editor));
            EXPECT_TRUE(compare().marks().cornerOf(editor)->isVisible());
        }
        if (!c.marked.empty()) {
            EXPECT_EQ(c.marked.front()->toolTip(), c.tip);
        }
    }
    EXPECT_FALSE(compare().marks().isMarked(numeric("UpDownMapCell", 34)));
}

TEST_F(WindowCompareTest, TakingTheOtherValueIsOneEditPerGesture)
{
    open();
    const ConfigImage before = window->image();
    const ConfigImage other = changedSet();
    compareWithFile(writeFile(QStringLiteral("other.ign"), other));
    ASSERT_EQ(compare().entries().size(), 3u);

    const struct {
        const char *what;
        std::string select;  // a row's parameter, or empty
        QPushButton *(ui::ComparePanel::*button)() const;
        std::vector<std::size_t> nowEqual;
        std::size_t left;
    } steps[] = {
        {"entry", parameterOf(pages::RuznePage, "UpDownOmez1"), &ui::ComparePanel::takeEntriesButton,
         {Offset::StartLimiter}, 2},
        {"page", parameterOf(pages::RuznePage, "CheckBoxAktClutch"), &ui::ComparePanel::takePageButton,
         {Offset::ActClutch}, 1},
        {"all", {}, &ui::ComparePanel::takeAllButton, {Cell}, 0},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        if (!step.select.empty())
            selectRow(step.select);
        const std::size_t steps = window->undo().steps().UndoCount();
        (panel()->*step.button)()->click();
        EXPECT_EQ(window->undo().steps().UndoCount(), steps + 1);
        EXPECT_EQ(window->undo().steps().UndoLabel(), "Take the other value");
        for (const std::size_t offset : step.nowEqual)
            EXPECT_EQ(window->image()[offset], other[offset]);
        EXPECT_EQ(compare().entries().size(), step.left);
    }
    EXPECT_TRUE(history::ImageDiff(window->image(), other).empty());
    EXPECT_FALSE(panel()->takeAllButton()->isEnabled());
    for (int i = 0; i < 3; ++i)
        window->undo().Undo();
    EXPECT_EQ(window->image(), before);
    EXPECT_EQ(compare().entries().size(), 3u) << "the list follows the undo";
}

TEST_F(WindowCompareTest, ClosingThePanelRemovesTheMarksAndGivesTheWidthBack)
{
    open();
    showPage(pages::RuznePage);
    const QSize size = window->size();
    compareWithFile(writeFile(QStringLiteral("other.ign"), changedSet()));
    ui::NumericEditor *omez = numeric("UpDownOmez1");
    QWidget *mark = compare().marks().cornerOf(omez);
    ASSERT_TRUE(mark != nullptr && mark->isVisible());
    ASSERT_GT(window->width(), size.width());

    panel()->close();
    QApplication::processEvents();
    EXPECT_FALSE(compare().comparing());
    EXPECT_EQ(compare().marks().count(), 0u);
    EXPECT_TRUE(omez->toolTip().isEmpty());
    EXPECT_EQ(window->size(), size);
    EXPECT_TRUE(mark->isHidden());
}

TEST_F(WindowCompareTest, UnchangedTicksRepaintNothingWithThePanelOpen)
{
    open();
    showPage(pages::AdvancePage);
    compareWithFile(writeFile(QStringLiteral("other.ign"), changedSet()));
    ticks(3);
    ui::test::PaintCounter counter;
    counter.watchTree(window.get());
    counter.settle();
    ticks(10);
    EXPECT_EQ(counter.paintsAfterFlush(), 0);
}

TEST_F(WindowCompareTest, HistoryDialogsCompareOpensThePanel)
{
    open();
    const ConfigImage other = changedSet();
    emit window->undo().compareRequested(other, QStringLiteral("2026-12-08 13:22:05 Read"));
    ASSERT_TRUE(panelShown());
    EXPECT_EQ(compare().title(), QStringLiteral("2026-12-08 13:22:05 Read"));
    EXPECT_EQ(compare().entries().size(), 3u);
}

TEST_F(WindowCompareTest, UnreadableFileIsNamedAndChangesNothing)
{
    open();
    dialogs.messages.clear();
    const ConfigImage before = window->image();
    std::ofstream(workPath(QStringLiteral("notes.ign")).toStdString()) << "shopping list\n";
    QDir(workPath({})).mkdir(QStringLiteral("folder.ign"));
    const struct {
        const char *name;
        const char *message;
    } cases[] = {
        {"absent.ign", "Open file error!"},
        {"folder.ign", "Open file error!"},
        {"notes.ign", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        compareWithFile(workPath(QLatin1String(c.name)));
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith(QLatin1String(c.message)));
        EXPECT_TRUE(dialogs.messages[0].contains(workPath(QLatin1String(c.name))));
        EXPECT_FALSE(compare().comparing());
        EXPECT_FALSE(panelShown());
        EXPECT_EQ(window->image(), before);
    }
}

TEST_F(WindowCompareTest, CompareWithAnAbsentUnitShowsTheReadErrorAndNoPanel)
{
    open();
    const ConfigImage before = window->image();
    window->features().MenuCompareUnit->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Read error!"); })) << status().toStdString();
    EXPECT_FALSE(compare().comparing());
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(window->image(), before);
}

TEST_F(WindowCompareTest, StarAfterTheFileNameWhileTheParametersDifferFromTheFile)
{
    open();
    QLabel *shown = window->findChild<QLabel *>(QStringLiteral("LabelFile2"));
    const QString path = writeFile(QStringLiteral("bike.ign"), window->image());
    dialogs.fileToOpen = path;
    window->MenuOpenClick();
    EXPECT_EQ(shown->text(), path);

    showPage(pages::RuznePage);
    QLineEdit *omez1 = window->findChild<QLineEdit *>(QStringLiteral("EditOmez1"));
    omez1->setFocus();
    omez1->setText(QStringLiteral("9000"));
    QTest::keyClick(omez1, Qt::Key_Return);
    EXPECT_EQ(shown->text(), path + QLatin1Char('*'));
    EXPECT_EQ(window->ruzneSheet()->fileName(), path) << "kept in the settings without the star";

    // The next run still knows that the file lacks the change.
    window->close();
    window.reset();
    open();
    shown = window->findChild<QLabel *>(QStringLiteral("LabelFile2"));
    EXPECT_EQ(shown->text(), path + QLatin1Char('*'));

    dialogs.fileToSave = path;
    window->MenuSaveClick();
    EXPECT_EQ(shown->text(), path);
}

TEST_F(WindowCompareTest, TuneSheetExportWritesAPdfOrNamesTheFile)
{
    open();
    const struct {
        const char *name;
        bool comparing;
        bool written;
    } cases[] = {
        {"sheet.pdf", false, true},
        {"against.pdf", true, true},
        {"missing-folder/sheet.pdf", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.comparing)
            compareWithFile(writeFile(QStringLiteral("other.ign"), changedSet()));
        dialogs.messages.clear();
        dialogs.pdfToSave = workPath(QLatin1String(c.name));
        window->features().MenuExportSheet->trigger();
        QFile pdf(dialogs.pdfToSave);
        EXPECT_EQ(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-", c.written);
        EXPECT_EQ(dialogs.messages.size(), c.written ? 0 : 1);
        if (!c.written) {
            EXPECT_TRUE(dialogs.messages.front().contains(QLatin1String(c.name)));
        }
    }
}

}  // namespace
}  // namespace korvane::test

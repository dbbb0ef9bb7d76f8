// Undo and redo in the window: steps and their merging, the keys with the
// focus in a spin editor, the Edit menu's texts and when it is usable.

#include "UnitRig.h"
#include "WindowFixture.h"

#include "app/UndoController.h"
#include "history/ImageDiff.h"
#include "lang/HistoryTexts.h"
#include "pages/Pages.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/SpinArrows.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class WindowUndoTest : public WindowFixture {
protected:
    app::TFormHlav &openWithClock()
    {
        open();
        window->undo().setClock([this] { return m_now; });
        return *window;
    }
    void after(std::chrono::milliseconds pause) { m_now += pause; }

    ui::MapGroup *mapGroup() const { return window->findChild<ui::MapGroup *>(QStringLiteral("GroupBoxMap")); }
    void columnUp(int column) const
    {
        ui::SpinArrows *spin = mapGroup()->columnSpin(column);
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    }
    // The editor of a map cell, with the keyboard focus in it.
    QLineEdit *focusedCell(int row, int column) const
    {
        QApplication::setActiveWindow(window.get());
        QLineEdit *edit = mapGroup()->cell(row, column)->edit();
        edit->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), edit);
        return edit;
    }
    std::uint8_t cell(int row, int column) const
    {
        return window->image()[pages::MapBaseOf(pages::InjBPage) + 15 * row + column];
    }
    const history::ImageHistory &steps() const { return window->undo().steps(); }
    QString undoText() const { return window->features().MenuUndo->text(); }
    QString redoText() const { return window->features().MenuRedo->text(); }

private:
    Clock::time_point m_now = Clock::now();
};

TEST_F(WindowUndoTest, RepeatsWithinASecondMergeAndCtrlZWorksFromASpinEditor)
{
    openWithClock();
    window->pageControl()->setCurrentIndex(pages::InjBPage);
    const model::ConfigImage start = window->image();
    const std::uint8_t value = cell(0, 3);

    columnUp(3);
    after(400ms);
    columnUp(3);
    EXPECT_EQ(steps().UndoCount(), 1u) << "two clicks within a second are one step";
    after(1500ms);
    columnUp(3);
    EXPECT_EQ(steps().UndoCount(), 2u);
    after(200ms);
    columnUp(4);
    EXPECT_EQ(steps().UndoCount(), 3u) << "another column is another step";
    ASSERT_EQ(cell(0, 3), value + 3);

    QLineEdit *edit = focusedCell(2, 3);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(0, 3), value + 2);
    EXPECT_EQ(edit->text().toInt(), cell(2, 3)) << "the page shows the undone image";
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->image().bytes, start.bytes);
    EXPECT_FALSE(window->features().MenuUndo->isEnabled());

    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(cell(0, 3), value + 2);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(cell(0, 3), value + 3);

    // A new edit drops what could be redone; with nothing to undo the
    // editor keeps Ctrl+Z for its own typing.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    columnUp(5);
    EXPECT_EQ(steps().RedoCount(), 0u);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(window->image().bytes, start.bytes);
    const QString shown = edit->text();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), shown);
    EXPECT_EQ(window->image().bytes, start.bytes);
}

TEST_F(WindowUndoTest, MenuTextsFollowTheStepsLabelAndTheLanguage)
{
    openWithClock();
    window->pageControl()->setCurrentIndex(pages::InjBPage);
    EXPECT_EQ(undoText(), QString::fromStdString(lang::UndoMenuText({}, lang::English)));

    // A value typed and confirmed: labelled by what changed, first value to last.
    const model::ConfigImage before = window->image();
    QLineEdit *edit = focusedCell(1, 1);
    for (const int typed : {cell(1, 1) + 5, cell(1, 1) + 7}) {
        edit = focusedCell(1, 1);
        edit->setText(QString::number(typed));
        QTest::keyClick(edit, Qt::Key_Return);
        after(300ms);
    }
    ASSERT_EQ(steps().UndoCount(), 1u);
    const model::ConfigImage typed = window->image();
    columnUp(6);

    for (std::uint8_t language = 0; language < lang::LanguageCount; ++language) {
        SCOPED_TRACE(language);
        window->menu().MenuLanguages[language]->trigger();
        const auto text = [](const std::string &s) { return QString::fromStdString(s); };
        EXPECT_EQ(undoText(), text(lang::UndoMenuText(
                                  lang::HistoryText(lang::HistoryTextId::StepColumnUp, language), language)));
        window->features().MenuUndo->trigger();
        EXPECT_EQ(undoText(),
                  text(lang::UndoMenuText(history::DescribeChange(before, typed, language), language)));
        EXPECT_EQ(redoText(), text(lang::RedoMenuText(
                                  lang::HistoryText(lang::HistoryTextId::StepColumnUp, language), language)));
        window->features().MenuRedo->trigger();
    }
}

TEST_F(WindowUndoTest, UndoIsOffWhileAReadRunsAndUndoesTheReadAfterIt)
{
    openWithClock();
    UnitRig unit(*window);
    window->pageControl()->setCurrentIndex(pages::InjBPage);
    columnUp(2);
    const model::ConfigImage edited = window->image();
    ASSERT_TRUE(window->features().MenuUndo->isEnabled());

    window->menu().MenuRead->trigger();
    unit.ticks(1);
    EXPECT_FALSE(window->features().MenuUndo->isEnabled());
    QTest::keyClick(focusedCell(0, 0), Qt::Key_Z, Qt::ControlModifier);
    window->features().MenuUndo->trigger();
    ASSERT_TRUE(unit.tickUntilIdle());
    EXPECT_EQ(status(), QStringLiteral("Verify: OK"));
    EXPECT_TRUE(window->features().MenuUndo->isEnabled());
    EXPECT_EQ(steps().UndoCount(), 2u) << "the keys did nothing during the read, which is a step of its own";
    EXPECT_EQ(undoText(), QString::fromStdString(lang::UndoMenuText(
                              lang::HistoryText(lang::HistoryTextId::StepRead, lang::English), lang::English)));
    const model::ConfigImage read = window->image();
    ASSERT_NE(read.bytes, edited.bytes);

    window->features().MenuUndo->trigger();
    EXPECT_EQ(window->image().bytes, edited.bytes);
    window->features().MenuRedo->trigger();
    EXPECT_EQ(window->image().bytes, read.bytes);
}

}  // namespace
}  // namespace korvane::test

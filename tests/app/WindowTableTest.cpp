// Table editing in the window, driven by real key events on the focused table.

#include "WindowFixture.h"

#include "../core/link/FakePort.h"

#include "app/TableController.h"
#include "lang/MapToolsTexts.h"
#include "link/Frames.h"
#include "maptools/ClipboardText.h"
#include "pages/Marker.h"
#include "settings/ConfigFolder.h"
#include "settings/IniFile.h"
#include "settings/SnapshotFile.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/SpinArrows.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include <cmath>

namespace korvane::test {
namespace {

using maptools::CellPos;
using maptools::Selection;
using maptools::SheetId;

class WindowTableTest : public WindowFixture {
protected:
    // The window on page with table editing switched on by its key.
    void openTable(int page = pages::AdvancePage)
    {
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->pageControl()->setCurrentIndex(page);
        press(Qt::Key_T, Qt::ControlModifier);
        ASSERT_NE(view(), nullptr);
    }
    ui::MapTableView *view() const { return window->table()->activeView(); }
    static void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    // Key by key to whichever widget has the focus, as a user types: the
    // first digit opens an editor that takes the rest.
    static void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    // From the first cell, Shift+arrows over rows x columns.
    void selectFromFirst(int rows, int columns)
    {
        press(Qt::Key_Home, Qt::ControlModifier);
        for (int i = 1; i < columns; ++i)
            press(Qt::Key_Right, Qt::ShiftModifier);
        for (int i = 1; i < rows; ++i)
            press(Qt::Key_Down, Qt::ShiftModifier);
    }
    int cell(std::size_t row, std::size_t column) const
    {
        return maptools::CellValue(window->image(), view()->sheet(), {row, column});
    }
    QString statusText() const { return window->statusBar()->currentMessage(); }
    void showImage(const model::ConfigImage &image)
    {
        window->image() = image;
        window->ShowPage();
    }
    // Live data of an engine at rpm and throttle %, through the window's tick.
    void liveFrame(std::uint16_t rpm, std::uint8_t throttle)
    {
        link::Frame frame{};
        frame[0] = link::MonitorByte;
        frame[1] = static_cast<std::uint8_t>(rpm & 0xFF);
        frame[2] = static_cast<std::uint8_t>(rpm >> 8);
        frame[51] = throttle;
        frame[61] = 1;
        frame[100] = model::SupportedLayoutVersion;
        frame[101] = link::CheckByte(std::span<const std::uint8_t>(frame.data(), 101));
        window->deviceLink().setPort(&m_port);
        m_port.queue(frame);
        window->Timer1Timer();
    }

private:
    link::test::FakePort m_port;
};

TEST_F(WindowTableTest, TableEditingTakesTheFocusAndGivesTheGridBackAsItWas)
{
    openTable(pages::InjBPage);
    auto *group = window->findChild<ui::MapGroup *>(QStringLiteral("GroupBoxMap"));
    EXPECT_TRUE(view()->hasFocus());
    EXPECT_EQ(view()->sheet(), SheetId::InjB);
    EXPECT_TRUE(group->cell(0, 0)->isHidden());
    EXPECT_FALSE(group->plusButton()->isHidden()) << "the tools under the grid stay";
    EXPECT_FALSE(window->table()->legend()->isHidden());
    window->MenuLanguageClick(3);
    EXPECT_TRUE(window->table()->legend()->text().startsWith(
        QString::fromUtf8(lang::MapToolsText(lang::MapText::KeyLegend1, 3).data())));

    window->pageControl()->setCurrentIndex(pages::PolohaPage);
    ASSERT_NE(view(), nullptr) << "a page change keeps the table mode";
    EXPECT_EQ(view()->sheet(), SheetId::PositionA);
    window->pageControl()->setCurrentIndex(pages::AdvancePage);
    EXPECT_EQ(view()->sheet(), SheetId::Advance);
    view()->setFocus();
    press(Qt::Key_Right);
    press(Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(view(), nullptr);
    EXPECT_FALSE(group->cell(0, 0)->isHidden());
    EXPECT_FALSE(group->columnSpin(0)->isHidden());
    EXPECT_TRUE(group->cell(0, 1)->edit()->hasFocus()) << "the spin editor of the table's cell";

    // Kept in [View] from one run to the next.
    press(Qt::Key_T, Qt::ControlModifier);
    window->features().MenuColours[1]->trigger();
    window->close();
    const settings::IniFile ini = settings::LoadIniFile(settings::SettingsFile()).file;
    EXPECT_EQ(ini.value("View", "TableEditing"), "1");
    EXPECT_EQ(ini.value("View", "CellColours"), "1");
    open();
    EXPECT_TRUE(window->table()->tableEditing());
    EXPECT_EQ(window->table()->cellColours(), app::CellColourChoice::ByValue);
    EXPECT_TRUE(window->features().MenuColours[2]->isEnabled()) << "the ride logs give the hits their look";
}

TEST_F(WindowTableTest, InterpolatingAKeyboardSelectionReachesTheSnapshotOnTheRealAxes)
{
    openTable();
    model::ConfigImage image = window->image();
    const auto set = [&image](std::size_t row, std::size_t column, int value) {
        image[model::Offset::AdvMap + 15 * row + column] = static_cast<std::uint8_t>(value);
    };
    set(0, 0, 10);
    set(0, 4, 30);
    set(3, 0, 20);
    set(3, 4, 52);
    showImage(image);
    selectFromFirst(4, 5);
    EXPECT_EQ(view()->selection(), (Selection{0, 0, 3, 4}));
    press(Qt::Key_I);
    const model::ConfigImage expected = maptools::InterpolateCells(image, SheetId::Advance, {0, 0, 3, 4}).image;
    window->close();

    model::ConfigImage saved{};
    model::AllFlags flags{};
    ASSERT_EQ(settings::RestoreSnapshot(settings::SnapshotFile(), saved, flags), settings::SnapshotRestore::Restored);
    EXPECT_EQ(saved.bytes, expected.bytes);
    // One cell worked out by hand: row 2 (5 %) of rows 0 % .. 10 %, column 2
    // between columns 0 and 4 on the map's rpm axis.
    const auto rpm = [&image](std::size_t column) { return 100.0 * image[model::Offset::AdvRpm + column]; };
    const double across = (rpm(2) - rpm(0)) / (rpm(4) - rpm(0));
    const double down = 5.0 / 10.0;
    const double top = 10 + (30 - 10) * across;
    const double bottom = 20 + (52 - 20) * across;
    EXPECT_EQ(saved[model::Offset::AdvMap + 15 * 2 + 2], std::lround(top + (bottom - top) * down));
}

TEST_F(WindowTableTest, ACopiedBlockPastesBackByteIdenticalElsewhere)
{
    openTable(pages::InjBPage);
    const std::size_t map = model::MapOfPage(pages::InjBPage);
    model::ConfigImage image = window->image();
    for (std::size_t k = 0; k < model::MapCells; ++k)
        image[map + k] = static_cast<std::uint8_t>(k * 7 % 100);
    showImage(image);
    press(Qt::Key_Down);
    press(Qt::Key_Right);
    for (int i = 0; i < 2; ++i) {
        press(Qt::Key_Down, Qt::ShiftModifier);
        press(Qt::Key_Right, Qt::ShiftModifier);
    }
    press(Qt::Key_C, Qt::ControlModifier);
    view()->selectCells(Selection::Cell({6, 10}));
    press(Qt::Key_V, Qt::ControlModifier);
    model::ConfigImage expected = image;
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t column = 0; column < 3; ++column)
            expected[map + 15 * (6 + row) + 10 + column] = image[map + 15 * (1 + row) + 1 + column];
    EXPECT_EQ(window->image().bytes, expected.bytes);
    EXPECT_TRUE(statusText().isEmpty());
}

TEST_F(WindowTableTest, ARefusedPasteChangesNothingAndSaysWhy)
{
    struct Case {
        const char *text;
        CellPos at;
        lang::MapText error;
        std::size_t line, field;
    };
    const Case cases[] = {
        {"1\t2\t3\n4\t5\t6\n", {8, 13}, lang::MapText::PasteDoesNotFit, 1, 3},
        {"1;2\n3;x\n", {0, 0}, lang::MapText::PasteNotWholeNumber, 2, 2},
    };
    openTable();
    for (const Case &c : cases) {
        const model::ConfigImage before = window->image();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.text));
        view()->selectCells(Selection::Cell(c.at));
        press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(window->image().bytes, before.bytes) << c.text;
        EXPECT_EQ(statusText().toStdString(), lang::PasteErrorText(c.error, c.line, c.field, 0)) << c.text;
    }
}

TEST_F(WindowTableTest, OperationKeysApplyTheCoreOperationToTheSelection)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<double> answer;
        std::function<maptools::EditResult(const model::ConfigImage &, const Selection &)> expected;
    };
    using namespace maptools;
    const Case cases[] = {
        {Qt::Key_Plus, {}, {}, [](auto &i, auto &s) { return AddSteps(i, SheetId::Advance, s, 1); }},
        {Qt::Key_Minus, Qt::ShiftModifier | Qt::KeypadModifier, {},
         [](auto &i, auto &s) { return AddSteps(i, SheetId::Advance, s, -10); }},
        {Qt::Key_Asterisk, {}, 103.5, [](auto &i, auto &s) { return ScaleCells(i, SheetId::Advance, s, 103.5); }},
        {Qt::Key_Equal, {}, 41, [](auto &i, auto &s) { return SetCells(i, SheetId::Advance, s, 41); }},
        {Qt::Key_S, {}, {}, [](auto &i, auto &s) { return SmoothCells(i, SheetId::Advance, s); }},
    };
    openTable();
    for (const Case &c : cases) {
        selectFromFirst(3, 4);
        const model::ConfigImage before = window->image();
        dialogs.numbers.push_back(c.answer);
        press(c.key, c.modifiers);
        EXPECT_EQ(window->image().bytes, c.expected(before, {0, 0, 2, 3}).image.bytes) << c.key;
        EXPECT_NE(window->image().bytes, before.bytes) << c.key;
        dialogs.numbers.clear();
    }
    EXPECT_EQ(dialogs.prompts.size(), 2);

    // Beyond the range: limited, and the status says how many.
    view()->selectCells(Selection::Cell({0, 0}));
    press(Qt::Key_Equal);  // cancelled: nothing asked for is done
    type(QStringLiteral("58"));
    press(Qt::Key_Return);
    view()->selectCells(Selection::Cell({0, 0}));
    press(Qt::Key_Plus, Qt::ShiftModifier | Qt::KeypadModifier);
    EXPECT_EQ(cell(0, 0), 60);
    EXPECT_EQ(statusText().toStdString(), lang::CellsLimitedText(1, 0));
}

TEST_F(WindowTableTest, TypingTakesOnEnterMovingDownAndEscapeDropsIt)
{
    openTable(pages::ServoPage);
    press(Qt::Key_Right);
    type(QStringLiteral("1234"));  // the servo voltage goes in 20 mV steps
    press(Qt::Key_Return);
    EXPECT_EQ(cell(0, 1), 1240);
    EXPECT_EQ(view()->currentCell(), (CellPos{0, 1})) << "a curve has one row to stay in";

    window->pageControl()->setCurrentIndex(pages::AdvancePage);
    view()->setFocus();
    press(Qt::Key_Home, Qt::ControlModifier);
    type(QStringLiteral("12"));
    press(Qt::Key_Enter);
    EXPECT_EQ(cell(0, 0), 12);
    EXPECT_EQ(view()->currentCell(), (CellPos{1, 0}));
    const int before = cell(1, 0);
    type(QStringLiteral("33"));
    press(Qt::Key_Escape);
    EXPECT_EQ(cell(1, 0), before);
    EXPECT_EQ(view()->currentCell(), (CellPos{1, 0}));

    // Up from the first row reaches the axis, which takes a typed point.
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(view()->axisCursor(), 0);
    press(Qt::Key_Right);
    type(QStringLiteral("2450"));
    press(Qt::Key_Return);
    EXPECT_EQ(maptools::AxisValue(window->image(), SheetId::Advance, 1), 2500);
    EXPECT_EQ(view()->currentCell(), (CellPos{0, 1}));
}

TEST_F(WindowTableTest, TheCoupledLockMakesInj23AReadOnlyButCopyable)
{
    openTable(pages::Inj23APage);
    window->menu().Menu_Jet123Coupled->trigger();
    view()->setFocus();
    const model::ConfigImage before = window->image();
    for (const int key : {Qt::Key_5, Qt::Key_Plus, Qt::Key_I}) {
        press(key);
        EXPECT_EQ(window->image().bytes, before.bytes);
        EXPECT_EQ(statusText().toStdString(), lang::MapToolsText(lang::MapText::MapLockedCoupled, 0));
    }
    EXPECT_EQ(view()->findChild<QLineEdit *>(), nullptr) << "no editor opened";
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              maptools::CopyText(before, SheetId::Inj23A, Selection::Cell({0, 0})));
}

TEST_F(WindowTableTest, WindowKeysStillWorkInTheTable)
{
    openTable();
    press(Qt::Key_Plus);  // something to undo
    const app::FeatureMenus &f = window->features();
    const struct {
        QAction *action;
        int key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {{f.MenuUndo, Qt::Key_Z, Qt::ControlModifier},
                 {f.MenuRedo, Qt::Key_Y, Qt::ControlModifier},
                 {window->menu().MenuToolsPlus, Qt::Key_F5, {}}};
    for (const auto &c : cases) {
        int triggered = 0;
        const QMetaObject::Connection counting =
            QObject::connect(c.action, &QAction::triggered, [&triggered] { ++triggered; });
        press(c.key, c.modifiers);
        EXPECT_EQ(triggered, 1) << c.action->objectName().toStdString();
        QObject::disconnect(counting);
    }
}

}  // namespace
}  // namespace korvane::test

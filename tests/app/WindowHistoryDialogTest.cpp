// File > History…: the restore points listed newest first, Open as one undo
// step, Compare handed on, and a note edited in place.

#include "WindowFixture.h"

#include "app/UndoController.h"
#include "history/RestorePoints.h"
#include "lang/HistoryTexts.h"
#include "pages/Pages.h"
#include "settings/DataFolder.h"
#include "ui/HistoryDialog.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include <fstream>

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using model::ConfigImage;
using Rows = ui::HistoryTableModel;

class WindowHistoryDialogTest : public WindowFixture {
protected:
    // Point i differs from the window's image in i + 1 cells of the Inj-B map.
    ConfigImage pointImage(int i) const
    {
        ConfigImage image = window->image();
        for (int k = 0; k <= i; ++k)
            image[pages::MapBaseOf(pages::InjBPage) + 20 + k] += 3;
        image[0] = 'P';  // a header of its own, which Open leaves alone
        return image;
    }
    static QString Cell(const Rows &rows, int row, int column)
    {
        return rows.data(rows.index(row, column), Qt::DisplayRole).toString();
    }
};

TEST_F(WindowHistoryDialogTest, ListsNewestFirstOpensAsOneStepAndKeepsTheNote)
{
    open();
    const ConfigImage images[] = {pointImage(0), pointImage(1), pointImage(2)};
    const history::SystemTime now = std::chrono::system_clock::now();
    const history::PointKind kinds[] = {history::PointKind::Read, history::PointKind::Program,
                                        history::PointKind::Backup};
    for (int i = 0; i < 3; ++i) {
        history::NewPoint point;
        point.kind = kinds[i];
        point.image = images[i];
        point.time = now - 1h * (3 - i);  // the last written is the newest
        ASSERT_TRUE(history::WriteRestorePoint(settings::HistoryFolder(), point).ok);
    }
    std::ofstream(settings::HistoryFolder() / "2020-01-01_10-00-00_read.ign") << "cut sh";
    const ConfigImage before = window->image();

    dialogs.onDialog = [&](QDialog &shown) {
        auto &dialog = dynamic_cast<ui::HistoryDialog &>(shown);
        dialog.show();
        const Rows &rows = *dialog.rows();
        ASSERT_EQ(rows.rowCount(), 4);
        // A file cut short keeps the kind of its name.
        const char *expectedKinds[] = {"Unit before programming", "Program", "Read", "Read"};
        for (int row = 0; row < 4; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(Cell(rows, row, Rows::KindColumn), QLatin1String(expectedKinds[row]));
            if (row > 0) {
                EXPECT_GT(Cell(rows, row - 1, Rows::TimeColumn), Cell(rows, row, Rows::TimeColumn));
            }
        }
        EXPECT_EQ(Cell(rows, 0, Rows::DifferencesColumn), QStringLiteral("3"));
        EXPECT_EQ(Cell(rows, 2, Rows::DifferencesColumn), QStringLiteral("1"));
        EXPECT_EQ(Cell(rows, 3, Rows::DifferencesColumn), QStringLiteral("unreadable"));
        dialog.table()->selectRow(3);
        EXPECT_FALSE(dialog.openButton()->isEnabled());

        const QModelIndex note = rows.index(2, Rows::NoteColumn);
        dialog.table()->setCurrentIndex(note);
        dialog.table()->edit(note);
        auto *editor = dialog.table()->viewport()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, QStringLiteral("new jets"));
        QTest::keyClick(editor, Qt::Key_Return);

        dialog.table()->selectRow(1);
        dialog.openButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    };
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(dialogs.dialogsRun, 1);

    const ConfigImage &opened = images[1];
    EXPECT_TRUE(std::equal(opened.bytes.begin() + model::BlockSize, opened.bytes.end(),
                           window->image().bytes.begin() + model::BlockSize));
    EXPECT_EQ(window->image()[0], before[0]);
    EXPECT_EQ(window->undo().steps().UndoCount(), 1u);
    EXPECT_EQ(window->undo().steps().UndoLabel().find("Open restore point"), 0u);
    EXPECT_EQ(history::ListRestorePoints(settings::HistoryFolder()).points.at(2).note, "new jets");
    window->features().MenuUndo->trigger();
    EXPECT_EQ(window->image().bytes, before.bytes);

    // Compare hands the point on for the compare panel and changes nothing.
    QSignalSpy compared(&window->undo(), &app::UndoController::compareRequested);
    dialogs.onDialog = [](QDialog &shown) {
        auto &dialog = dynamic_cast<ui::HistoryDialog &>(shown);
        dialog.table()->selectRow(0);
        dialog.compareButton()->click();
    };
    window->features().MenuHistory->trigger();
    ASSERT_EQ(compared.size(), 1);
    EXPECT_EQ(compared[0][0].value<ConfigImage>().bytes, images[2].bytes);
    EXPECT_TRUE(compared[0][1].toString().endsWith(QStringLiteral("Unit before programming")));
    EXPECT_EQ(window->image().bytes, before.bytes);
}

}  // namespace
}  // namespace korvane::test

// The editing tools, the operating-point marker and what the parameters let
// the user see, in the window.

#include "WindowFixture.h"

#include "../tools/SimulatedUnit.h"

#include "model/ParameterFile.h"
#include "pages/Pages.h"
#include "ui/Colours.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/SpinArrows.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <fstream>

namespace korvane::test {
namespace {

namespace Offset = model::Offset;

class WindowToolsTest : public WindowFixture {
protected:
    ui::MapGroup *mapGroup() const { return window->findChild<ui::MapGroup *>(QStringLiteral("GroupBoxMap")); }
    QTabWidget *tabs() const { return window->pageControl(); }

    // The one green map cell, if any.
    std::optional<std::pair<int, int>> greenCell() const
    {
        std::optional<std::pair<int, int>> found;
        for (int j = 0; j < ui::MapGroup::Rows; ++j)
            for (int i = 0; i < ui::MapGroup::Columns; ++i)
                if (mapGroup()->cell(j, i)->editColour() == ui::MarkerGreen) {
                    EXPECT_FALSE(found.has_value()) << "two green cells";
                    found = std::make_pair(j, i);
                }
        return found;
    }
};

TEST_F(WindowToolsTest, JetModesMoveTheViewAndLockThePartnerMap)
{
    open();
    tabs()->setCurrentIndex(pages::Inj23APage);
    window->menu().Menu_Jet123Coupled->trigger();
    EXPECT_FALSE(mapGroup()->isEnabled());
    EXPECT_TRUE(mapGroup()->plusButton()->isHidden());
    EXPECT_TRUE(mapGroup()->columnSpin(0)->isHidden());
    EXPECT_EQ(mapGroup()->jetModeLabel()->text(), QStringLiteral("  14->23  "));
    // The copied axis is on view at once, so a take-over keeps it.
    const model::ConfigImage coupled = window->image();
    EXPECT_TRUE(std::equal(coupled.bytes.begin() + Offset::Jet14ARpm, coupled.bytes.begin() + Offset::Jet23ARpm,
                           coupled.bytes.begin() + Offset::Jet23ARpm));
    window->TakePage();
    EXPECT_EQ(window->image().bytes, coupled.bytes);

    tabs()->setCurrentIndex(pages::Inj14APage);
    EXPECT_TRUE(mapGroup()->isEnabled());
    EXPECT_FALSE(mapGroup()->plusButton()->isHidden());

    tabs()->setCurrentIndex(pages::Inj23APage);
    window->menu().Menu_Jet123Stejny->trigger();
    EXPECT_EQ(window->pageEditor().CurrentPage(), pages::Inj14APage);
    EXPECT_EQ(tabs()->currentIndex(), pages::Inj14APage);
    EXPECT_FALSE(tabs()->isTabVisible(pages::Inj23APage));
    EXPECT_TRUE(window->menu().Menu_Jet123Stejny->isChecked());
    EXPECT_FALSE(window->menu().Menu_Jet123Coupled->isChecked());
    EXPECT_EQ(mapGroup()->jetModeLabel()->text(), QStringLiteral("  14=23  "));

    window->menu().Menu_Jet123Normal->trigger();
    EXPECT_TRUE(tabs()->isTabVisible(pages::Inj23APage));
    EXPECT_TRUE(mapGroup()->jetModeLabel()->isHidden());
    EXPECT_FALSE(tabs()->isTabVisible(pages::LadeniPage));
}

TEST_F(WindowToolsTest, OpeningAnEqualModeFileOnTheHiddenPageShowsInj14A)
{
    open();
    model::ConfigImage file = window->image();
    file[Offset::JetMode] = 2;
    file[Offset::Jet14AMap] = 33;
    const QString path = workPath(QStringLiteral("equal.ign"));
    {
        std::ofstream out(path.toStdString());
        model::WriteParameterFile(out, file, false);
    }
    tabs()->setCurrentIndex(pages::Inj23APage);
    dialogs.fileToOpen = path;
    window->MenuOpenClick();
    EXPECT_EQ(tabs()->currentIndex(), pages::Inj14APage);
    EXPECT_EQ(window->pageEditor().CurrentPage(), pages::Inj14APage);
    EXPECT_EQ(mapGroup()->cell(0, 0)->storedValue(), 33);
    // The shown Inj-14A editors go back into Inj-14A, not into Inj-23A.
    window->TakePage();
    EXPECT_EQ(window->image()[Offset::Jet14AMap], 33);
}

TEST_F(WindowToolsTest, ColumnSpinAndLiveInputsFollowTheImage)
{
    open();
    tabs()->setCurrentIndex(pages::InjBPage);
    const std::uint8_t before = window->image()[Offset::JetBMap + 15 * 4 + 2];
    ui::SpinArrows *spin = mapGroup()->columnSpin(2);
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_EQ(window->image()[Offset::JetBMap + 15 * 4 + 2], before + 1);
    EXPECT_EQ(mapGroup()->cell(4, 2)->storedValue(), before + 1);

    // The N2O live label follows the parameter, whichever page is on view.
    window->image()[Offset::N2oEnable] = 1;
    EXPECT_TRUE(window->monitorInputs().n2oEnabled);
    window->image()[Offset::N2oEnable] = 0;
    EXPECT_FALSE(window->monitorInputs().n2oEnabled);
}

TEST_F(WindowToolsTest, GreenCellFollowsTheEngineAndF5RaisesExactlyIt)
{
    SimulatedUnit unit({"--saving-ms", "300"});
    open(QString::fromStdString(unit.path()));
    window->menu().MenuRead->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Verify: OK"); })) << status().toStdString();
    tabs()->setCurrentIndex(pages::InjBPage);

    // The mark walks as the simulated engine sweeps.
    std::optional<std::pair<int, int>> first;
    ASSERT_TRUE(tickUntil([&] {
        const auto cell = greenCell();
        if (cell && !first)
            first = cell;
        return cell && first && cell != first;
    }, 20000)) << "the green cell never moved";

    ASSERT_TRUE(tickUntil([&] {
        const auto cell = greenCell();
        return cell && window->image()[pages::MapBaseOf(pages::InjBPage) + 15 * cell->first + cell->second] < 100;
    }));
    const auto [row, column] = *greenCell();
    const model::ConfigImage before = window->image();
    window->menu().MenuToolsPlus->trigger();
    const std::size_t offset = pages::MapBaseOf(pages::InjBPage) + 15 * row + column;
    model::ConfigImage expected = before;
    ++expected[offset];
    EXPECT_EQ(window->image().bytes, expected.bytes);

    window->menu().MenuProgram->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Program device: OK"); }))
        << status().toStdString();
    window->image() = before;
    window->menu().MenuRead->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Verify: OK"); }));
    EXPECT_EQ(window->image()[offset], expected[offset]);
    EXPECT_TRUE(std::equal(window->image().bytes.begin() + 100, window->image().bytes.end(),
                           expected.bytes.begin() + 100));
}

}  // namespace
}  // namespace korvane::test

// Compare with the unit and the changes not in the unit, against the
// simulated unit on a pseudo-terminal.

#include "WindowFixture.h"

#include "../tools/SimulatedUnit.h"
#include "app/CompareController.h"
#include "history/ImageDiff.h"
#include "model/BikeTypes.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"
#include "ui/ComparePanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <fstream>

namespace korvane::test {
namespace {

namespace Offset = model::Offset;
using model::ConfigImage;

class WindowCompareE2ETest : public WindowFixture {
protected:
    // The unit holds the start-up model's defaults with a start limiter of 9500 rpm.
    std::unique_ptr<SimulatedUnit> startUnit()
    {
        ConfigImage image;
        image[Offset::BikeType] = model::StartupBikeType;
        model::DefaultSetSelector selector;
        model::BuildDefaults(image, selector);
        image[Offset::StartLimiter] = 95;
        model::NormaliseImage(image);
        const QString path = workPath(QStringLiteral("unit.bin"));
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char *>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
        auto unit = std::make_unique<SimulatedUnit>(std::vector<std::string>{"--image", path.toStdString(), "--saving-ms", "300"});
        open(QString::fromStdString(unit->path()));
        EXPECT_TRUE(tickUntil([&] { return !window->deviceLink().noConnectionVisible(); }));
        return unit;
    }

    app::CompareController &compare() { return window->compare(); }
    QLabel *notInUnit() { return window->findChild<QLabel *>(QStringLiteral("LabelNotInUnit")); }

    void typeStartLimiter(const char *rpm)
    {
        window->pageControl()->setCurrentIndex(pages::RuznePage);
        QLineEdit *omez1 = window->findChild<QLineEdit *>(QStringLiteral("EditOmez1"));
        omez1->setFocus();
        omez1->setText(QLatin1String(rpm));
        QTest::keyClick(omez1, Qt::Key_Return);
    }
};

TEST_F(WindowCompareE2ETest, CompareWithTheUnitReadsWithoutTheClosingVerifyAndLeavesTheImage)
{
    const auto unit = startUnit();
    const ConfigImage before = window->image();
    ASSERT_NE(before[Offset::StartLimiter], 95);
    window->features().MenuCompareUnit->trigger();
    bool verified = false;
    ASSERT_TRUE(tickUntil([&] {
        verified = verified || window->deviceLink().transferMode() == link::TransferMode::Verify;
        return compare().comparing();
    }));
    EXPECT_FALSE(verified) << "a compare read ends without a closing verify";
    EXPECT_EQ(window->deviceLink().transferMode(), link::TransferMode::Idle);
    EXPECT_EQ(window->image(), before);
    EXPECT_EQ(compare().title(), QStringLiteral("unit on COM1"));
    const history::DiffEntry *limiter = history::FindEntry(compare().entries(), pages::RuznePage, "UpDownOmez1");
    ASSERT_NE(limiter, nullptr);
    EXPECT_EQ(limiter->b, "9500");
    EXPECT_TRUE(compare().panel()->isVisible());
}

TEST_F(WindowCompareE2ETest, ChangesNotInTheUnitCountFromTheLastConfirmedSet)
{
    const auto unit = startUnit();
    QAction *menu = window->features().MenuChangesNotInUnit;
    EXPECT_FALSE(menu->isEnabled()) << "nothing confirmed yet";

    window->menu().MenuRead->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Verify: OK"); }));
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_FALSE(notInUnit()->isVisible());

    typeStartLimiter("9000");
    EXPECT_TRUE(notInUnit()->isVisible());
    EXPECT_EQ(notInUnit()->text(), QStringLiteral("1 change not in the unit"));
    menu->trigger();
    ASSERT_EQ(compare().entries().size(), 1u);
    EXPECT_EQ(compare().entries().front().b, "9500");

    window->menu().MenuProgram->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Program device: OK"); }));
    EXPECT_FALSE(notInUnit()->isVisible());
    EXPECT_TRUE(compare().entries().empty()) << "the panel follows what the unit now holds";
}

}  // namespace
}  // namespace korvane::test

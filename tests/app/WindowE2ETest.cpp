// The window against the simulated unit on a real pseudo-terminal, through
// the real serial port: read, program, and a unit that goes away.

#include "WindowFixture.h"

#include "../tools/SimulatedUnit.h"

#include "model/BikeTypes.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <fstream>

namespace korvane::test {
namespace {

using model::ConfigImage;

class WindowE2ETest : public WindowFixture {
protected:
    bool statusShown() const { return window->findChild<QLabel *>(QStringLiteral("LabelHlaseni"))->isVisible(); }
    bool noConnection() const { return window->findChild<QLabel *>(QStringLiteral("LabelSpojeni"))->isVisible(); }
    QLabel *versionLabel() const { return window->findChild<QLabel *>(QStringLiteral("LabelVersion")); }

    // A parameter set unlike the window's start-up defaults.
    static ConfigImage UnitImage()
    {
        ConfigImage image;
        image[model::Offset::BikeType] = 3;
        model::DefaultSetSelector selector;
        model::BuildDefaults(image, selector);
        image[model::Offset::StartLimiter] = 95;
        image[model::Offset::JetBMap + 17] = 63;
        model::NormaliseImage(image);
        for (std::size_t i = 0; i < model::BlockSize; ++i)
            image[i] = 0;  // the unit puts its own header in
        return image;
    }

    std::string writeUnitImage(const ConfigImage &image)
    {
        const QString path = workPath(QStringLiteral("unit.bin"));
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char *>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
        return path.toStdString();
    }

    static bool SameParameters(const ConfigImage &a, const ConfigImage &b)
    {
        return std::equal(a.bytes.begin() + model::BlockSize, a.bytes.end(), b.bytes.begin() + model::BlockSize);
    }
};

TEST_F(WindowE2ETest, ReadShowsTheUnitsValuesThenProgramSendsOnlyTheEdit)
{
    const ConfigImage unitImage = UnitImage();
    SimulatedUnit unit({"--image", writeUnitImage(unitImage), "--saving-ms", "300"});
    open(QString::fromStdString(unit.path()));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    ASSERT_TRUE(tickUntil([&] { return !noConnection(); })) << "the unit's live data never arrived";
    // The bar under the live data is never an empty box while a unit answers.
    EXPECT_TRUE(versionLabel()->isVisible());
    EXPECT_EQ(versionLabel()->text(), QStringLiteral("Unit: layout 35"));

    window->pageControl()->setCurrentIndex(pages::RuznePage);
    window->menu().MenuRead->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Verify: OK"); })) << status().toStdString();
    // The simulated unit's own header, once the read has brought it.
    EXPECT_TRUE(tickUntil([&] { return versionLabel()->text() == QStringLiteral("Unit: KSU12, layout 35"); }))
        << versionLabel()->text().toStdString();
    EXPECT_TRUE(SameParameters(window->image(), unitImage));
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("EditOmez1"))->text(), QLocale().toString(9500));
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "a read never asks for defaults";
    const ConfigImage afterRead = window->image();

    QLineEdit *omez1 = window->findChild<QLineEdit *>(QStringLiteral("EditOmez1"));
    omez1->setFocus();
    omez1->setText(QStringLiteral("9000"));
    QTest::keyClick(omez1, Qt::Key_Return);
    ASSERT_EQ(window->image()[model::Offset::StartLimiter], 90);

    window->menu().MenuProgram->trigger();
    QStringList seen;
    ASSERT_TRUE(tickUntil([&] {
        if (statusShown() && (seen.isEmpty() || seen.back() != status()))
            seen << status();
        return seen.contains(QStringLiteral("Saving:")) && status() == QStringLiteral("Program device: OK");
    })) << seen.join(QStringLiteral(" | ")).toStdString();
    // "Verify: OK" gives way to "Program device: OK" within the same tick.
    for (const char *step : {"Program device:", "Verify:", "Program device: OK", "Saving:"})
        EXPECT_TRUE(seen.contains(QLatin1String(step))) << step;

    // Read back what the unit now holds: the edit and nothing else changed.
    window->menu().MenuRead->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Verify: OK"); }));
    ConfigImage expected = afterRead;
    expected[model::Offset::StartLimiter] = 90;
    EXPECT_TRUE(SameParameters(window->image(), expected));
}

TEST_F(WindowE2ETest, UnpluggedUnitShowsNoConnectionAndTheWindowLivesOn)
{
    auto unit = std::make_unique<SimulatedUnit>();
    open(QString::fromStdString(unit->path()));
    ASSERT_TRUE(tickUntil([&] { return !noConnection(); }));
    unit.reset();  // the adapter is pulled

    int ticksUntilShown = 0;
    ASSERT_TRUE(tickUntil([&] {
        ++ticksUntilShown;
        return noConnection();
    }));
    EXPECT_LE(ticksUntilShown, 18);

    window->menu().MenuRead->trigger();
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Read error!"); }));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace korvane::test

// The printout: the window in its print layout, the picture, and the normal
// layout given back after a print that worked, failed or found no printer.

#include "WindowFixture.h"

#include "lang/Texts.h"
#include "model/ConfigImage.h"
#include "pages/Pages.h"
#include "print/PrintControls.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QPrinterInfo>
#include <QTabWidget>

#include <map>
#include <string>

namespace korvane::test {
namespace {

namespace Offset = model::Offset;

class WindowPrintTest : public WindowFixture {
protected:
    QList<QWidget *> hiddenControls() const
    {
        return print::FindPrintHiddenControls(*window, window->registry());
    }
    QLabel *header() const { return window->findChild<QLabel *>(QStringLiteral("LabelHlaseni")); }

    // Whether each control of the table and each tab can be seen.
    std::map<std::string, bool> visibility() const
    {
        std::map<std::string, bool> shown;
        for (QWidget *control : hiddenControls())
            shown[control->objectName().toStdString()] = control->isVisible();
        for (int i = 0; i < window->pageControl()->count(); ++i)
            shown["tab " + std::to_string(i)] = window->pageControl()->isTabVisible(i);
        return shown;
    }
};

TEST_F(WindowPrintTest, CtrlPPrintsTheWindowInItsPrintLayout)
{
    open();
    window->pageControl()->setCurrentIndex(pages::Inj14APage);
    dialogs.messages.clear();
    const QPoint pagesAt = window->pageControl()->mapTo(window.get(), QPoint());

    QImage picture;
    int prints = 0;
    window->setPrintTarget([&](const QImage &taken) {
        ++prints;
        picture = taken;
        EXPECT_TRUE(window->printing());
        for (QWidget *control : hiddenControls()) {
            // The tool bar is emptied around the header instead.
            if (!control->isAncestorOf(header())) {
                EXPECT_FALSE(control->isVisible()) << control->objectName().toStdString();
            }
        }
        EXPECT_FALSE(window->toolBar().ButtonRead->isVisible());
        for (int i = 0; i < window->pageControl()->count(); ++i)
            EXPECT_EQ(window->pageControl()->isTabVisible(i), i == pages::Inj14APage) << i;
        EXPECT_TRUE(header()->isVisible());
        EXPECT_TRUE(header()->text().startsWith(QStringLiteral("Date and time of printing:  ")));
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
        // Hidden controls keep their place; nothing moves up.
        EXPECT_EQ(window->pageControl()->mapTo(window.get(), QPoint()), pagesAt);
        return true;
    });
    window->menu().MenuPrint->trigger();

    ASSERT_EQ(prints, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(window->printing());
    // The client area: the whole window but its menu bar.
    EXPECT_EQ(picture.width(), window->width());
    EXPECT_EQ(picture.height(), window->height() - window->menuBar()->height());

    // The header stays on screen for 200 ticks.
    ticks(199);
    EXPECT_TRUE(header()->isVisible());
    EXPECT_TRUE(header()->text().startsWith(QStringLiteral("Date and time of printing:  ")));
    EXPECT_GE(header()->width(), header()->sizeHint().width()) << "the header is cut off on screen";
    ticks(1);
    EXPECT_FALSE(header()->isVisible());
    EXPECT_EQ(header()->width(), app::ToolBar::StatusWidth);
}

TEST_F(WindowPrintTest, PrintedOrFailedGivesBackTabsAndFeatureHiddenControls)
{
    for (const bool printed : {true, false}) {
        SCOPED_TRACE(printed ? "printed" : "failed");
        open();
        // "14 = 23" hides the Inj-23A tab, servo and N2O off hide their groups.
        window->image()[Offset::JetMode] = 2;
        window->image()[Offset::ServoEnable] = 0;
        window->image()[Offset::N2oEnable] = 0;
        window->RefreshAfterEdit();
        window->pageControl()->setCurrentIndex(pages::Inj14APage);
        dialogs.messages.clear();
        const std::map<std::string, bool> before = visibility();
        EXPECT_FALSE(before.at("tab 2"));
        EXPECT_FALSE(before.at("tab 10"));
        const QColor face = window->palette().color(QPalette::Window);

        window->setPrintTarget([printed](const QImage &) { return printed; });
        window->SpeedButtonPrintClick();

        EXPECT_EQ(visibility(), before);
        EXPECT_FALSE(window->printing());
        EXPECT_EQ(window->palette().color(QPalette::Window), face);
        if (printed)
            EXPECT_TRUE(dialogs.messages.isEmpty());
        else
            EXPECT_EQ(dialogs.messages,
                      QStringList{QString::fromStdString(lang::MessageText(lang::TextId::PrintError, lang::English))});
        window.reset();
    }
}

TEST_F(WindowPrintTest, FailedPrintShowsTheErrorInsteadOfTheHeader)
{
    open();
    window->MenuLanguageClick(lang::German);
    window->setPrintTarget([](const QImage &) { return false; });
    window->SpeedButtonPrintClick();
    // Red and held like a failed transfer.
    const std::string error = lang::MessageText(lang::TextId::PrintError, lang::German);
    EXPECT_EQ(header()->palette().color(QPalette::Window), QColor(Qt::red));
    ticks(199);
    EXPECT_TRUE(header()->isVisible());
    EXPECT_EQ(header()->text().toStdString(), error);
}

TEST_F(WindowPrintTest, NoPrinterIsReportedAndTheLayoutRestored)
{
    // Only where no printer is set up: the test must never print on paper.
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is set up";
    open();
    dialogs.messages.clear();
    const std::map<std::string, bool> before = visibility();
    window->SpeedButtonPrintClick();
    EXPECT_EQ(dialogs.messages,
              QStringList{QString::fromStdString(lang::MessageText(lang::TextId::PrintError, lang::English))});
    EXPECT_EQ(visibility(), before);
}

TEST_F(WindowPrintTest, EveryRunOfTheTableIsFound)
{
    open();
    for (const auto &[name, count] : {std::pair{"UpDownMapCell", 150}, {"UpDownMapRpm", 15},
                                      {"CSpinButtonMapColumn", 15}, {"UpDownPolohaB_Deg", 15},
                                      {"UpDownKorVzduch", 5}, {"UpDownOmez1", 1}, {"GroupBoxToolBar", 1}})
        EXPECT_EQ(print::FindControls(*window, window->registry(), name, count).size(), count) << name;
}

}  // namespace
}  // namespace korvane::test

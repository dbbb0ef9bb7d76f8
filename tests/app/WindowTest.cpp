// The window's gestures and file commands, offscreen, without a unit.

#include "WindowFixture.h"

#include "model/BikeTypes.h"
#include "model/ParameterFile.h"
#include "pages/Pages.h"
#include "ui/RuzneSheet.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

#include <fstream>

namespace korvane::test {
namespace {

using model::Offset::BikeType;

class WindowTest : public WindowFixture {
protected:
    void TearDown() override
    {
        WindowFixture::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); }
    QLabel *label(const char *name) { return window->findChild<QLabel *>(QLatin1String(name)); }
    void showPage(std::uint8_t page) { window->pageControl()->setCurrentIndex(page); }
};

TEST_F(WindowTest, StartsWithDefaultsAndNoConnection)
{
    open();
    EXPECT_EQ(window->image()[BikeType], model::StartupBikeType);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Programming of Korvane unit"));
    EXPECT_EQ(window->pageControl()->count(), 11);
    EXPECT_FALSE(window->pageControl()->isTabVisible(pages::LadeniPage));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().startsWith(QStringLiteral("Com opening error!")));
    ticks(1);
    EXPECT_TRUE(label("LabelSpojeni")->isVisible());
    EXPECT_FALSE(label("LabelVersion")->isVisible());
    EXPECT_FALSE(label("LabelHlaseni")->isVisible());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

// Digit grouping of the user's locale must survive the round trip through
// the edit field, or a limiter would silently become 25 or 0 rpm.
TEST_F(WindowTest, EnterKeepsGroupedLimitersInEveryLocale)
{
    for (const char *localeName : {"de_DE", "cs_CZ", "en_US"}) {
        SCOPED_TRACE(localeName);
        QLocale::setDefault(QLocale(QLatin1String(localeName)));
        open();
        showPage(pages::RuznePage);
        for (std::size_t offset : {model::Offset::StartLimiter, model::Offset::IgnitionLimiter,
                                   model::Offset::InjectionLimiter})
            window->image()[offset] = 250;
        window->ShowPage();
        QLineEdit *omez1 = edit("EditOmez1");
        EXPECT_EQ(omez1->text(), QLocale().toString(25000));
        omez1->setFocus();
        const int before = window->takeOverCount();
        QTest::keyClick(omez1, Qt::Key_Return);
        EXPECT_EQ(window->takeOverCount(), before + 1) << "Enter applies exactly once";
        EXPECT_FALSE(omez1->hasFocus());
        EXPECT_EQ(window->image()[model::Offset::StartLimiter], 250);
        EXPECT_EQ(window->image()[model::Offset::IgnitionLimiter], 250);
        EXPECT_EQ(window->image()[model::Offset::InjectionLimiter], 250);

        omez1->setFocus();
        omez1->setText(QLocale().toString(12300));
        QTest::keyClick(omez1, Qt::Key_Enter);
        EXPECT_EQ(window->image()[model::Offset::StartLimiter], 123);
        window.reset();
    }
}

TEST_F(WindowTest, ShowingPagesNeverAsksForDefaultsAndKeepsUnknownModel)
{
    open();
    for (std::uint8_t code : {std::uint8_t{0}, std::uint8_t{26}, std::uint8_t{40}}) {
        window->image()[BikeType] = code;
        for (std::uint8_t page = 0; page < pages::PageCount; ++page)
            showPage(page);
        showPage(pages::RuznePage);
        const int item = window->ruzneSheet()->bikeList()->currentIndex();
        EXPECT_EQ(item, model::BikeTypeToCombo(code).value_or(-1));
        QLineEdit *omez1 = edit("EditOmez1");
        omez1->setFocus();
        QTest::keyClick(omez1, Qt::Key_Return);
        EXPECT_EQ(window->image()[BikeType], code);
    }
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(WindowTest, ModelChangeFollowsTheAnswer)
{
    struct Case {
        app::YesNoCancel answer;
        bool defaults;
        bool keepsNewType;
    };
    for (const Case &c : {Case{app::YesNoCancel::Yes, true, true}, Case{app::YesNoCancel::No, false, true},
                          Case{app::YesNoCancel::Cancel, false, false}}) {
        open();
        showPage(pages::RuznePage);
        window->image()[model::Offset::StartLimiter] = 77;
        window->ShowPage();
        const model::ConfigImage before = window->image();
        dialogs.answers = {c.answer};
        QComboBox *list = window->ruzneSheet()->bikeList();
        const int item = *model::BikeTypeToCombo(3);
        list->setCurrentIndex(item);
        emit list->activated(item);

        const model::ConfigImage &after = window->image();
        EXPECT_EQ(after[BikeType], c.keepsNewType ? 3 : before[BikeType]);
        EXPECT_EQ(after[model::Offset::StartLimiter] != 77, c.defaults);
        model::ConfigImage typed = after;
        model::ApplyTypeSettings(typed);
        EXPECT_EQ(typed, after) << "bytes 111 and 126 always match the model";
        EXPECT_EQ(list->currentIndex(), *model::BikeTypeToCombo(after[BikeType]));
        if (c.answer == app::YesNoCancel::Cancel) {
            EXPECT_EQ(after, before);
        }
        window.reset();
    }
    EXPECT_EQ(dialogs.questions.size(), 3);
}

TEST_F(WindowTest, OutOfRangeBytesSurviveTakeOversTheUserDidNotMake)
{
    open();
    const std::size_t cell = model::Offset::JetBMap;
    window->image()[cell] = 120;  // above the Inj-B editor's 100
    showPage(pages::InjBPage);
    QLineEdit *shown = edit("EditMapCell0_0");
    EXPECT_EQ(shown->text(), QStringLiteral("100"));
    QTest::mouseClick(edit("EditMapCell0_1"), Qt::LeftButton);
    QTest::mouseClick(shown, Qt::LeftButton);
    EXPECT_EQ(window->image()[cell], 120);

    shown->setText(QStringLiteral("90"));
    QTest::keyClick(shown, Qt::Key_Return);
    EXPECT_EQ(window->image()[cell], 90);
}

TEST_F(WindowTest, SaveThenOpenRestoresTheParameters)
{
    open();
    const QString path = workPath(QStringLiteral("bike.ign"));
    window->image()[model::Offset::StartLimiter] = 90;
    dialogs.fileToSave = path;
    window->MenuSaveClick();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->ruzneSheet()->fileName(), path);
    const model::ConfigImage saved = window->image();

    dialogs.answers = {app::YesNoCancel::Yes};
    window->image()[BikeType] = 3;
    window->MenuNewClick();
    EXPECT_TRUE(window->ruzneSheet()->fileName().isEmpty());
    EXPECT_NE(window->image(), saved);

    dialogs.fileToOpen = path;
    window->MenuOpenClick();
    EXPECT_EQ(window->image(), saved);
    EXPECT_EQ(window->ruzneSheet()->fileName(), path);
    EXPECT_EQ(dialogs.messages.size(), 1);  // only the port message of start-up
}

TEST_F(WindowTest, FailedFilesChangeNothing)
{
    open();
    dialogs.messages.clear();
    const model::ConfigImage before = window->image();
    const QString fileName = window->ruzneSheet()->fileName();

    dialogs.fileToSave = workPath(QStringLiteral("missing-folder/bike.ign"));
    window->MenuSaveClick();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Open file error!")));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("missing-folder")));
    EXPECT_EQ(window->ruzneSheet()->fileName(), fileName);

    const QString wrongVersion = workPath(QStringLiteral("old.ign"));
    std::ofstream(wrongVersion.toStdString()) << "TREMOLAX_KEY 34\r\nBIKE 3\r\n";
    dialogs.fileToOpen = wrongVersion;
    window->MenuOpenClick();
    dialogs.fileToOpen = workPath(QStringLiteral("absent.ign"));
    window->MenuOpenClick();
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages[1], QStringLiteral("Unmatched version of *.ign file!"));
    EXPECT_TRUE(dialogs.messages[2].startsWith(QStringLiteral("Open file error!")));
    EXPECT_EQ(window->image(), before);
}

// The file carries the model, not the two bytes derived from it; after Open
// they must belong to the file's model, or a program run sends the wrong ones.
TEST_F(WindowTest, OpenDerivesTheTypeBytesFromTheFilesModel)
{
    open();
    const QString path = workPath(QStringLiteral("type3.ign"));
    std::ofstream(path.toStdString()) << "TREMOLAX_KEY 35\r\nBIKE 3\r\n";
    dialogs.fileToOpen = path;
    window->MenuOpenClick();
    ASSERT_EQ(window->image()[BikeType], 3);
    model::ConfigImage typed = window->image();
    model::ApplyTypeSettings(typed);
    EXPECT_EQ(typed, window->image());
}

}  // namespace
}  // namespace korvane::test

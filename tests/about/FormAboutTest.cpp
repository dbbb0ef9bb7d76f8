#include "about/FormAbout.h"

#include "lang/Texts.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <utility>

namespace korvane::about {
namespace {

TEST(FormAboutTest, ShowsTheDrawnPictureAtItsDesignSize)
{
    FormAbout box;
    EXPECT_EQ(box.size(), QSize(FormAbout::DesignWidth, FormAbout::DesignHeight));
    EXPECT_EQ(box.Image1()->pixmap().size(), QSize(535, 552));
    EXPECT_EQ(box.Image1()->geometry(), QRect(2, 2, 535, 552));
}

TEST(FormAboutTest, BuildDateAndTimeHaveTheCompilerForms)
{
    FormAbout box;
    // "Jun  7 2005": month abbreviation, day padded with a blank, year.
    static const QRegularExpression date(QStringLiteral("^(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                                        "( [1-9]|[12][0-9]|3[01]) [0-9]{4}$"));
    static const QRegularExpression time(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$"));
    EXPECT_TRUE(date.match(box.LabelDate()->text()).hasMatch()) << box.LabelDate()->text().toStdString();
    EXPECT_TRUE(time.match(box.LabelTime()->text()).hasMatch()) << box.LabelTime()->text().toStdString();
}

TEST(FormAboutTest, TitleFollowsTheLanguageAtEachShowing)
{
    FormAbout box;
    const std::pair<std::uint8_t, const char *> titles[] = {
        {lang::English, "About Varnok_R"},
        {lang::German, "Über Programm Varnok_R"},
        {lang::French, "Information Varnok_R"},
        {lang::English, "About Varnok_R"},
    };
    for (const auto &[language, title] : titles) {
        box.FormActivate(language);
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8(title)) << int(language);
    }
    box.FormActivate(lang::Czech);
    EXPECT_FALSE(box.windowTitle().isEmpty());
    EXPECT_NE(box.windowTitle(), QStringLiteral("About Varnok_R"));
}

}  // namespace
}  // namespace korvane::about

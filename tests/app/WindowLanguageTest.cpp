// The language menu and the command-line word: captions, hints, live-data
// placeholders with and without a unit, and Qt's own texts.

#include "WindowFixture.h"

#include "../tools/SimulatedUnit.h"

#include "lang/Captions.h"
#include "pages/Pages.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <array>

namespace korvane::test {
namespace {

using lang::CaptionProperty;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class WindowLanguageTest : public WindowFixture {
protected:
    void choose(std::uint8_t language) { window->menu().MenuLanguages[language]->trigger(); }
    QString text(const char *label) const { return window->findChild<QLabel *>(QLatin1String(label))->text(); }

    // The window as the command line starts it, e.g. with "DEUTSCH".
    void openWithArgument(std::uint8_t language)
    {
        app::StartOptions options;
        options.dialogs = &dialogs;
        options.runTimer = false;
        options.language = language;
        options.device = workPath(QStringLiteral("no-such-port"));
        window = std::make_unique<app::TFormHlav>(options);
    }

    // The text a caption row put on its control, or why there is none.
    QString shown(const lang::CaptionRow &row) const
    {
        const QString name = Q(row.control);
        if (const auto *action = window->findChild<QAction *>(name)) {
            if (row.property == CaptionProperty::Hint)
                return action->toolTip() + QLatin1Char('|') + action->statusTip();
            return action->text();
        }
        const auto *widget = window->findChild<QWidget *>(name);
        if (widget == nullptr)
            return QStringLiteral("<no control named %1>").arg(name);
        if (row.property == CaptionProperty::Hint)
            return widget->toolTip() + QLatin1Char('|') + widget->statusTip();
        if (const int tab = window->pageControl()->indexOf(widget); tab >= 0)
            return window->pageControl()->tabText(tab);
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            return label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            return button->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            return group->title();
        return QStringLiteral("<%1 shows no caption>").arg(name);
    }

    static QString expected(const lang::CaptionRow &row, std::uint8_t language)
    {
        const std::string text = lang::CaptionText(row.control, row.property, language);
        if (row.property == CaptionProperty::Caption)
            return Q(text);
        const lang::HintParts hint = lang::SplitHint(text);
        return Q(hint.tooltip) + QLatin1Char('|') + Q(hint.statusTip);
    }
};

// Also catches a row whose control name has a typo: it finds no control.
TEST_F(WindowLanguageTest, EveryCaptionRowReachesItsControlInEveryLanguage)
{
    open();
    for (std::uint8_t language = 0; language < lang::LanguageCount; ++language) {
        choose(language);
        for (const lang::CaptionRow &row : lang::CaptionTable()) {
            // The About box is a window of its own, titled where it is shown;
            // the table also names a "GroupBoxOther" that the window's design lacks.
            if (row.control == "FormAbout" || row.control == "GroupBoxOther")
                continue;
            EXPECT_EQ(shown(row).toStdString(), expected(row, language).toStdString())
                << row.control << " language " << int(language);
        }
    }
}

TEST_F(WindowLanguageTest, MenuSwitchesCaptionsHintsAndPlaceholdersWithoutAUnit)
{
    struct Case {
        const char *title;
        const char *read;
        const char *mapTab;
        const char *ign;
        const char *gear;
        const char *iapExtra;
        const char *languageTip;
    };
    const std::array<Case, lang::LanguageCount> cases{{
        {"Programming of Korvane unit", "&Read", "Injection - IAP", "Advance= --- [°]", "Gear = --- ",
         "IAP -> TP [%]", "Language"},
        {"Programmierung der Korvane Zündbox", "&Lesen", "Einspritz - IAP", "Vorzündung= --- [°]",
         "Übersetzung = --- ", "IAP -> TP [%]", "Sprache"},
        {"Programation de Korvane unité", "&Lire", "Injection - IAP", "Avance= --- [°]", "Gear = --- ",
         "IAP -> TP [%]", "Sélection de la lange"},
        {"Programování jednotky Korvane", "Čí&st", "Vstřik - IAP", "Předstih= --- [°]", "Převod = --- ",
         "Hranice přepnutí z IAP na TP [%TP]", "Nastavení jazyka na angličtinu, češtinu nebo němčinu"},
    }};
    open();
    const QLocale systemLocale;
    window->pageControl()->setCurrentIndex(pages::InjIapPage);
    for (std::uint8_t language : {2, 1, 3, 0}) {
        SCOPED_TRACE(int(language));
        choose(language);
        const Case &c = cases[language];
        EXPECT_EQ(window->language(), language);
        for (std::uint8_t item = 0; item < lang::LanguageCount; ++item)
            EXPECT_EQ(window->menu().MenuLanguages[item]->isChecked(), item == language);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(window->menu().MenuRead->text(), QString::fromUtf8(c.read));
        EXPECT_EQ(window->pageControl()->tabText(pages::InjIapPage), QString::fromUtf8(c.mapTab));
        EXPECT_EQ(text("LabelMon_Ign"), QString::fromUtf8(c.ign));
        EXPECT_EQ(text("LabelGear"), QString::fromUtf8(c.gear));
        EXPECT_EQ(text("LabelMapExtra"), QString::fromUtf8(c.iapExtra));
        EXPECT_EQ(window->menu().MenuLanguage->menuAction()->toolTip(), QString::fromUtf8(c.languageTip));
        EXPECT_EQ(QLocale(), systemLocale) << "numbers and dates keep the system locale";
    }
    // English splits its language hint; the design hint of the open button is replaced whole.
    EXPECT_EQ(window->menu().MenuLanguage->menuAction()->statusTip(), QStringLiteral("Set English or German or French"));
    EXPECT_EQ(window->toolBar().SpeedButton5->toolTip(), QStringLiteral("Open file with parametrs"));
    window->pageControl()->setCurrentIndex(pages::AdvancePage);
    choose(lang::German);
    EXPECT_EQ(text("LabelMapExtra"), QStringLiteral("Basis Vorzündung [°]"));
}

TEST_F(WindowLanguageTest, QtsOwnTextsFollowTheMenuAndTheCommandLine)
{
    const auto cancelText = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    openWithArgument(lang::German);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Programmierung der Korvane Zündbox"));
    EXPECT_EQ(cancelText(), QStringLiteral("Abbrechen"));
    // A desktop's own file dialog would not follow the menu.
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));

    const std::array<const char *, lang::LanguageCount> cancel{"Cancel", "Abbrechen", "Annuler", "Zrušit"};
    for (std::uint8_t language : {2, 3, 0, 1, 0}) {
        choose(language);
        EXPECT_EQ(cancelText(), QString::fromUtf8(cancel[language])) << int(language);
    }
}

TEST_F(WindowLanguageTest, WithAUnitTheLiveTextsStayUntilTheNextFrameSpeaksTheNewLanguage)
{
    SimulatedUnit unit;
    open(QString::fromStdString(unit.path()));
    ASSERT_TRUE(tickUntil([&] { return !text("LabelMon_Ign").contains(QLatin1String("---")); }))
        << "the unit's live data never arrived";
    const QString live = text("LabelMon_Ign");
    const QString gear = text("LabelGear");
    EXPECT_TRUE(live.startsWith(QLatin1String("Advance="))) << live.toStdString();

    choose(lang::Czech);
    EXPECT_EQ(text("LabelMon_Ign"), live);
    EXPECT_EQ(text("LabelGear"), gear);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Programování jednotky Korvane"));
    ASSERT_TRUE(tickUntil([&] { return text("LabelMon_Ign").startsWith(QStringLiteral("Předstih=")); }));
    EXPECT_FALSE(text("LabelMon_Ign").contains(QLatin1String("---")));
}

}  // namespace
}  // namespace korvane::test

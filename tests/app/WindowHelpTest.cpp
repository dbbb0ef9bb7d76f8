// F1 opens the manual of the current language from the working folder.

#include "WindowFixture.h"

#include <QAction>
#include <QFile>

namespace korvane::test {
namespace {

class WindowHelpTest : public WindowFixture {};

enum class Manual { Present, Missing, NoViewer };

TEST_F(WindowHelpTest, F1OpensTheManualOfTheLanguageOrSaysWhyNot)
{
    struct Case {
        int language;
        const char *file;
        const char *error;
    };
    const Case cases[] = {
        {0, "Korvane_en.pdf", "Error by opening file Korvane_en.pdf !"},
        {1, "Korvane_de.pdf", "Fehler beim öffnen der Datei Korvane_de.pdf !"},
        {2, "Korvane_fr.pdf", "Erreur à l´ouvertur du Fichier Korvane_fr.pdf !"},
        {3, "Korvane_cz.pdf", "Chyba při otevírání souboru Korvane_cz.pdf !"},
    };
    app::TFormHlav &window = open();
    QAction *f1 = window.menu().MenuContens;
    ASSERT_TRUE(f1->isEnabled());
    ASSERT_EQ(f1->shortcut(), QKeySequence(Qt::Key_F1));

    for (const Case &c : cases) {
        window.MenuLanguageClick(c.language);
        const QString manual = workPath(QString::fromLatin1(c.file));
        for (const Manual state : {Manual::Missing, Manual::Present, Manual::NoViewer}) {
            SCOPED_TRACE(testing::Message() << c.file << " case " << int(state));
            if (state == Manual::Present) {
                QFile file(manual);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
            dialogs.documentOpens = state != Manual::NoViewer;
            dialogs.openedDocuments.clear();
            dialogs.messages.clear();

            f1->trigger();

            const QStringList opened = state == Manual::Missing ? QStringList() : QStringList{manual};
            const QStringList messages =
                state == Manual::Present ? QStringList() : QStringList{QString::fromUtf8(c.error)};
            EXPECT_EQ(dialogs.openedDocuments, opened);
            EXPECT_EQ(dialogs.messages, messages);
        }
    }
}

TEST_F(WindowHelpTest, AboutShowsTheBoxInTheCurrentLanguage)
{
    app::TFormHlav &window = open();
    window.MenuLanguageClick(3);
    window.menu().MenuAbout->trigger();
    EXPECT_EQ(dialogs.aboutLanguages, std::vector<std::uint8_t>{3});
}

}  // namespace
}  // namespace korvane::test

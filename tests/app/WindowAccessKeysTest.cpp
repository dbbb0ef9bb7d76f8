// Alt+letter by real key events: the menu bar takes its letters first, in
// every language, and a button keeps its letter where no menu uses it.

#include "WindowFixture.h"

#include "lang/Texts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace korvane::test {
namespace {

class WindowAccessKeysTest : public WindowFixture {
protected:
    // Alt+letter on the window; the menu it opened, if any.
    QWidget *press(const QKeySequence &key)
    {
        QTest::keyClick(window.get(), key[0].key(), Qt::AltModifier);
        return QApplication::activePopupWidget();
    }
    // Whether a menu of the bar (that menu, if given) has key as access key.
    bool menuOn(const QKeySequence &key, const QWidget *menu = nullptr) const
    {
        const QList<QAction *> titles = window->menuBar()->actions();
        return std::any_of(titles.begin(), titles.end(), [&](const QAction *title) {
            return QKeySequence::mnemonic(title->text()) == key && (menu == nullptr || title->menu() == menu);
        });
    }
};

TEST_F(WindowAccessKeysTest, MenusTakeTheirLettersFirstAndButtonsKeepTheRest)
{
    int buttonsKeeping = 0;
    for (std::uint8_t language = 0; language < lang::LanguageCount; ++language) {
        // A button pushed by its key ignores it until its click is through.
        open();
        window->MenuLanguageClick(language);
        const app::ToolBar &t = window->toolBar();
        t.ButtonRead->setFocus();
        for (const QAction *title : window->menuBar()->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(title->text());
            if (key.isEmpty())
                continue;
            QWidget *opened = press(key);
            // "Allumage" and "Aide" share A: either may open first.
            EXPECT_TRUE(opened != nullptr && menuOn(key, opened)) << +language << title->text().toStdString();
            if (opened != nullptr)
                opened->close();
        }
        for (QPushButton *button : {t.ButtonRead, t.ButtonVerify, t.ButtonProgram}) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (menuOn(key))
                continue;
            ++buttonsKeeping;
            EXPECT_EQ(press(key), nullptr);
            EXPECT_TRUE(button->isDown()) << +language << button->text().toStdString();
        }
    }
    // Czech "Soubor" and "Port" take S and P, French "Langue" L.
    EXPECT_EQ(buttonsKeeping, 9);
}

TEST_F(WindowAccessKeysTest, MenuAddedLaterTakesAButtonsLetterAndGivesItBack)
{
    open();
    QPushButton *verify = window->toolBar().ButtonVerify;  // "&Verify"
    const QKeySequence altV = QKeySequence::mnemonic(verify->text());
    QMenu *view = window->menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("3D"));
    EXPECT_EQ(press(altV), view);
    view->close();

    window->menuBar()->removeAction(view->menuAction());
    EXPECT_EQ(press(altV), nullptr);
    EXPECT_TRUE(verify->isDown());
}

}  // namespace
}  // namespace korvane::test

// Captions keep a few pixels clear of their boxes' edges in every language,
// as drawn: "No connection", the status label and the device buttons.

#include "WindowFixture.h"

#include "lang/Texts.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace korvane::test {
namespace {

// Where a caption leaves ink: the control drawn with and without it, compared.
template <typename Control>
QRect CaptionInk(Control *control)
{
    const QString caption = control->text();
    const QImage with = control->grab().toImage();
    control->setText(QString());
    const QImage without = control->grab().toImage();
    control->setText(caption);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

using WindowCaptionRoomTest = WindowFixture;

TEST_F(WindowCaptionRoomTest, CaptionsKeepClearOfTheirBoxesInEveryLanguage)
{
    constexpr int Room = 4;
    open();
    window->MenuProgramClick();  // no unit: "No connection" and a status text show
    const app::ToolBar &t = window->toolBar();
    for (std::uint8_t language = 0; language < lang::LanguageCount; ++language) {
        window->MenuLanguageClick(language);
        ticks(1);
        const auto check = [&](auto *control) {
            const QRect ink = CaptionInk(control);
            EXPECT_TRUE(control->isVisible() && !ink.isEmpty() && ink.left() >= Room &&
                        control->width() - 1 - ink.right() >= Room)
                << +language << control->text().toStdString() << " in " << control->width() << " px";
        };
        check(window->findChild<QLabel *>(QStringLiteral("LabelSpojeni")));
        check(t.LabelHlaseni);
        for (QPushButton *button : {t.ButtonRead, t.ButtonVerify, t.ButtonProgram})
            check(button);
        // Widened buttons stay in one row, clear of one another and of the status.
        EXPECT_LT(t.ButtonRead->geometry().right(), t.ButtonVerify->x());
        EXPECT_LT(t.ButtonVerify->geometry().right(), t.ButtonProgram->x());
        EXPECT_LT(t.ButtonProgram->geometry().right(), t.LabelHlaseni->x());
    }
}

}  // namespace
}  // namespace korvane::test

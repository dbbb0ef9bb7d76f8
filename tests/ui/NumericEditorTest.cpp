#include "PaintCounter.h"

#include "ui/NumericEditor.h"
#include "ui/SpinArrows.h"

#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace korvane::ui {
namespace {

using Origin = NumericEditor::Origin;

class NumericEditorTest : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(m_saved); }
    const QLocale m_saved;
};

void ClickUp(NumericEditor &editor)
{
    QTest::mouseClick(editor.upDown(), Qt::LeftButton, {}, QPoint(8, 3));
}

void ClickDown(NumericEditor &editor)
{
    QTest::mouseClick(editor.upDown(), Qt::LeftButton, {}, QPoint(8, 18));
}

TEST_F(NumericEditorTest, GroupsFromThousandAndParsesInTheDefaultLocale)
{
    const struct {
        const char *locale;
        QString grouped;  // 25000 as shown; empty: group separator of the locale
    } cases[] = {{"de_DE", QStringLiteral("25.000")}, {"en_US", QStringLiteral("25,000")}, {"cs_CZ", {}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        const QString grouped = c.grouped.isEmpty() ? QStringLiteral("25") + QLocale().groupSeparator() + "000"
                                                    : c.grouped;
        EXPECT_EQ(NumericEditor::FormatValue(25000), grouped);
        EXPECT_EQ(NumericEditor::FormatValue(999), QStringLiteral("999"));
        EXPECT_EQ(NumericEditor::FormatValue(-60), QStringLiteral("-60"));

        NumericEditor editor(QStringLiteral("Omez1"), Origin::Form);
        editor.setRange(900, 25000);
        editor.setValue(25000);
        EXPECT_EQ(editor.edit()->text(), grouped);
        for (const QString &typed : {grouped, QStringLiteral("24000"), QStringLiteral(" 1200 ")}) {
            editor.edit()->setText(typed);
            bool ok = false;
            const int expected = NumericEditor::ParseValue(typed, &ok);
            ASSERT_TRUE(ok) << typed.toStdString();
            EXPECT_EQ(editor.value(), expected);
        }
    }
    // A typed ordinary space stands for a no-break group separator.
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    bool ok = false;
    EXPECT_EQ(NumericEditor::ParseValue(QStringLiteral("25 000"), &ok), 25000);
    EXPECT_TRUE(ok);
}

TEST_F(NumericEditorTest, RejectedTextKeepsThePreviousValue)
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    NumericEditor editor(QStringLiteral("MapCell0_0"), Origin::BuiltInCode);
    editor.setRange(0, 250);
    editor.setValue(100);
    for (const char *typed : {"abc", "", "251", "-5", "12.5", "1,2"}) {
        editor.edit()->setText(QString::fromLatin1(typed));
        EXPECT_EQ(editor.value(), 100) << typed;
        EXPECT_EQ(editor.edit()->text(), QString::fromLatin1(typed)) << "value() must not rewrite the text";
    }
    editor.setValue(120);
    EXPECT_EQ(editor.edit()->text(), QStringLiteral("120"));
    editor.setMaximum(60);
    EXPECT_EQ(editor.storedValue(), 60);
    EXPECT_EQ(editor.edit()->text(), QStringLiteral("60"));
}

TEST_F(NumericEditorTest, BothLimitsCanBeTypedOnePastIsRejected)
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    const struct {
        int minimum;
        int maximum;
    } ranges[] = {{0, 250}, {-60, 60}, {900, 25000}, {-32768, 32767}};
    for (const auto &r : ranges) {
        NumericEditor editor(QStringLiteral("Omez1"), Origin::Form);
        editor.setRange(r.minimum, r.maximum);
        const int middle = r.minimum / 2 + r.maximum / 2;
        for (const auto &[typed, taken] : {std::pair{r.minimum, r.minimum}, std::pair{r.maximum, r.maximum},
                                           std::pair{r.minimum - 1, middle}, std::pair{r.maximum + 1, middle}}) {
            editor.setValue(middle);
            editor.edit()->clear();
            QTest::keyClicks(editor.edit(), NumericEditor::FormatValue(typed));
            EXPECT_EQ(editor.value(), taken) << typed;
        }
    }
}

TEST_F(NumericEditorTest, ArrowsStepWithoutWrappingAndReportEveryClick)
{
    NumericEditor editor(QStringLiteral("Tps0"), Origin::Form);
    editor.setRange(0, 10);
    editor.setStep(3);
    editor.setValue(9);
    QSignalSpy clicks(&editor, &NumericEditor::upDownClick);
    ClickUp(editor);
    EXPECT_EQ(editor.storedValue(), 10);
    ClickUp(editor);
    EXPECT_EQ(editor.storedValue(), 10);
    EXPECT_EQ(editor.edit()->text(), QStringLiteral("10"));
    editor.setValue(1);
    ClickDown(editor);
    EXPECT_EQ(editor.storedValue(), 0);
    ClickDown(editor);
    EXPECT_EQ(editor.storedValue(), 0);
    EXPECT_EQ(clicks.count(), 4);

    // A valid typed value is where the step starts; the Up key steps too.
    editor.edit()->setText(QStringLiteral("5"));
    QTest::keyClick(editor.edit(), Qt::Key_Up);
    EXPECT_EQ(editor.storedValue(), 8);
    EXPECT_EQ(clicks.count(), 5);
}

TEST_F(NumericEditorTest, SettingTheSameColourAgainRepaintsNothing)
{
    NumericEditor editor(QStringLiteral("MapCell0_0"), Origin::BuiltInCode);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    test::PaintCounter counter;
    counter.watchTree(&editor);
    counter.settle();

    const QColor green(0, 255, 0);
    editor.setEditColour(green);
    EXPECT_GT(counter.paintsAfterFlush(), 0);
    EXPECT_EQ(editor.edit()->palette().color(QPalette::Base), green);
    counter.settle();
    editor.setEditColour(green);
    editor.setSpinColour(QColor());
    EXPECT_EQ(counter.paintsAfterFlush(), 0);

    editor.setEditColour(QColor());
    EXPECT_EQ(editor.edit()->palette().color(QPalette::Base),
              QApplication::palette(editor.edit()).color(QPalette::Base));
    counter.settle();
    editor.setSpinColour(green);
    EXPECT_GT(counter.paintsAfterFlush(), 0);
}

TEST_F(NumericEditorTest, EnterIsSwallowedAndReportedOnce)
{
    NumericEditor editor(QStringLiteral("Omez1"), Origin::Form);
    QSignalSpy enter(&editor, &NumericEditor::enterPressed);
    QSignalSpy lineEditReturn(editor.edit(), &QLineEdit::returnPressed);
    QTest::keyClick(editor.edit(), Qt::Key_Return);
    EXPECT_EQ(enter.count(), 1);
    QTest::keyClick(editor.edit(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(enter.count(), 2);
    EXPECT_EQ(lineEditReturn.count(), 0);
}

TEST_F(NumericEditorTest, FormEditorsReportLeavingButNotForPopupsOrOtherWindows)
{
    const struct {
        Qt::FocusReason reason;
        bool reported;
    } cases[] = {
        {Qt::TabFocusReason, true},           {Qt::BacktabFocusReason, true},
        {Qt::MouseFocusReason, true},         {Qt::ShortcutFocusReason, true},
        {Qt::OtherFocusReason, true},         {Qt::ActiveWindowFocusReason, false},
        {Qt::PopupFocusReason, false},        {Qt::MenuBarFocusReason, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        NumericEditor form(QStringLiteral("Omez1"), Origin::Form);
        NumericEditor builtIn(QStringLiteral("MapCell0_0"), Origin::BuiltInCode);
        QSignalSpy formExit(&form, &NumericEditor::editExit);
        QSignalSpy builtInExit(&builtIn, &NumericEditor::editExit);
        QFocusEvent out(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(form.edit(), &out);
        QApplication::sendEvent(builtIn.edit(), &out);
        EXPECT_EQ(formExit.count(), c.reported ? 1 : 0);
        EXPECT_EQ(builtInExit.count(), 0);
    }
}

TEST_F(NumericEditorTest, BuiltInEditorsReportAClickIntoTheField)
{
    NumericEditor builtIn(QStringLiteral("MapCell0_0"), Origin::BuiltInCode);
    NumericEditor form(QStringLiteral("Omez1"), Origin::Form);
    QSignalSpy builtInExit(&builtIn, &NumericEditor::editExit);
    QSignalSpy formExit(&form, &NumericEditor::editExit);
    QTest::mouseClick(builtIn.edit(), Qt::LeftButton);
    QTest::mouseClick(form.edit(), Qt::LeftButton);
    EXPECT_EQ(builtInExit.count(), 1);
    EXPECT_EQ(formExit.count(), 0);
}

}  // namespace
}  // namespace korvane::ui

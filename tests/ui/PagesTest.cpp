#include "GestureRecorder.h"

#include "pages/EditorBindings.h"
#include "ui/EditorRegistry.h"
#include "ui/EnterKeyFilter.h"
#include "ui/KorekceSheet.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/PolohaSheet.h"
#include "ui/RadioGroup.h"
#include "ui/ServoSheet.h"
#include "ui/SpinArrows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

constexpr int EditorWidth = NumericEditor::EditWidth + NumericEditor::SpinWidth;


void ClickUp(SpinArrows *arrows)
{
    QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 3));
}

TEST(MapGroupTest, SitsOnTheDesignGridAndReportsGestures)
{
    test::GestureRecorder sink;
    EditorRegistry registry;
    QWidget page;  // outlives the group it takes over
    MapGroup map(sink, registry);

    EXPECT_EQ(map.cell(9, 14)->edit()->objectName(), QStringLiteral("EditMapCell9_14"));
    EXPECT_EQ(map.cell(9, 14)->upDown()->objectName(), QStringLiteral("UpDownMapCell9_14"));
    EXPECT_EQ(map.cell(9, 14)->geometry(), QRect(44 + 62 * 14, 53 + 30 * 9, EditorWidth, 21));
    EXPECT_EQ(map.axis(3)->upDown()->mapTo(&map, QPoint()), QPoint(44 + NumericEditor::EditWidth + 62 * 3, 21));
    EXPECT_EQ(map.columnSpin(14)->geometry(), QRect(59 + 62 * 14, 350, 17, 23));
    EXPECT_EQ(registry.numeric("UpDownMapCell", 15 * 2 + 4), map.cell(2, 4));
    EXPECT_EQ(map.rowLabel(9)->text(), QStringLiteral("100%"));
    EXPECT_EQ(registry.check("CheckBoxAll_Map"), map.allBox());

    QTest::mouseClick(map.cell(4, 4)->edit(), Qt::LeftButton);
    EXPECT_EQ(sink.editExit, 1);
    ClickUp(map.axis(0)->upDown());
    EXPECT_EQ(sink.upDown, 1);
    QTest::keyClick(map.extraEditor()->edit(), Qt::Key_Return);
    ASSERT_EQ(sink.keyControls.size(), 1);
    EXPECT_EQ(sink.keyControls.first(), map.extraEditor()->edit());
    QTest::mouseClick(map.allBox(), Qt::LeftButton);
    EXPECT_EQ(sink.checkUp, 1);

    QSignalSpy columnUp(&map, &MapGroup::columnUpClicked);
    ClickUp(map.columnSpin(6));
    ASSERT_EQ(columnUp.count(), 1);
    EXPECT_EQ(columnUp.first().first().toInt(), 6);
    EXPECT_EQ(sink.upDown, 1) << "column spins are tools, not editor gestures";

    page.resize(1000, 410);
    page.show();
    map.moveToPage(&page);
    EXPECT_EQ(map.parentWidget(), &page);
    page.resize(1004, 420);
    EXPECT_EQ(map.size(), QSize(1004, 420));
}

TEST(PolohaSheetTest, RowsSitAtPitchSixtyAndTheReferenceReportsUserPicksOnly)
{
    test::GestureRecorder sink;
    EditorRegistry registry;
    PolohaSheet sheet(sink, registry);
    using Side = PolohaSheet::Side;

    EXPECT_EQ(sheet.degEditor(Side::B, 3)->geometry(), QRect(44 + 60 * 3, 69, EditorWidth, 21));
    EXPECT_EQ(sheet.rpmEditor(Side::A, 14)->geometry().topLeft(), QPoint(44 + 60 * 14, 34));
    EXPECT_EQ(registry.numeric("UpDownPolohaB_Deg", 3), sheet.degEditor(Side::B, 3));
    EXPECT_EQ(registry.numerics("UpDownPolohaA_Rpm").size(), 15);
    EXPECT_EQ(sheet.minusButton(Side::A)->geometry(), QRect(353, sheet.minusButton(Side::A)->y(), 20, 20));

    RadioGroup *reference = sheet.radioGroup(Side::B);
    EXPECT_EQ(registry.radio("RadioGroupPolohaB"), reference);
    EXPECT_EQ(reference->itemIndex(), 1);
    EXPECT_EQ(reference->buttons().first()->focusPolicy(), Qt::NoFocus);
    reference->setItemIndex(-1);
    EXPECT_EQ(reference->itemIndex(), -1);
    reference->setItemIndex(2);
    EXPECT_EQ(sink.radio, 0);
    QTest::mouseClick(reference->buttons().first(), Qt::LeftButton);
    EXPECT_EQ(reference->itemIndex(), 0);
    EXPECT_EQ(sink.radio, 1);

    QTest::mouseClick(sheet.allBox(Side::A), Qt::LeftButton);
    EXPECT_EQ(sink.checkUp, 1);
    EXPECT_EQ(registry.check("CheckBoxAll_PolohaA"), nullptr) << "not an image byte";
}

TEST(ServoSheetTest, HysteresisStepAlsoReportsAsCheckBox)
{
    test::GestureRecorder sink;
    EditorRegistry registry;
    ServoSheet sheet(sink, registry);
    EXPECT_EQ(registry.numeric("UpDownServoHyster"), sheet.hysterEditor());
    EXPECT_EQ(sheet.hysterEditor()->origin(), NumericEditor::Origin::Form);
    ClickUp(sheet.hysterEditor()->upDown());
    EXPECT_EQ(sink.upDown, 1);
    EXPECT_EQ(sink.checkUp, 1);
    QTest::mouseClick(sheet.enableBox(), Qt::LeftButton);
    EXPECT_EQ(sink.checkUp, 2);
    EXPECT_FALSE(sheet.logo()->pixmap().isNull());
    EXPECT_TRUE(sheet.gearLabel()->isHidden());
}

TEST(PagesTest, EveryBindingOfThesePagesFindsItsWidgetsWithTheRightOrigin)
{
    test::GestureRecorder sink;
    EditorRegistry registry;
    MapGroup map(sink, registry);
    PolohaSheet poloha(sink, registry);
    ServoSheet servo(sink, registry);
    KorekceSheet korekce(sink, registry);
    for (const std::uint8_t page : {pages::AdvancePage, pages::Inj14APage, pages::Inj23APage, pages::InjBPage,
                                    pages::InjIapPage, pages::PolohaPage, pages::ServoPage, pages::KorekcePage}) {
        for (const pages::EditorBinding *binding : pages::BindingsOfPage(page)) {
            SCOPED_TRACE(std::string(binding->control) + " on page " + std::to_string(page));
            switch (binding->kind) {
            case pages::ControlKind::Numeric: {
                const QList<NumericEditor *> editors = registry.numerics(binding->control);
                ASSERT_EQ(static_cast<std::size_t>(editors.size()), binding->count);
                const QString spin = QString::fromLatin1(binding->control.data(),
                                                         static_cast<qsizetype>(binding->control.size()));
                EXPECT_TRUE(editors.last()->upDown()->objectName().startsWith(spin));
                EXPECT_EQ(editors.first()->origin() == NumericEditor::Origin::BuiltInCode, binding->builtInCode);
                break;
            }
            case pages::ControlKind::Check:
                EXPECT_NE(registry.check(binding->control), nullptr);
                break;
            case pages::ControlKind::Radio:
                EXPECT_NE(registry.radio(binding->control), nullptr);
                break;
            case pages::ControlKind::Combo:
                ADD_FAILURE() << "no list on these pages";
                break;
            }
        }
    }
    EXPECT_EQ(korekce.korVzduch(4)->geometry().topLeft(), QPoint(165, 65 + 39 * 4));
    EXPECT_EQ(korekce.korVzduch(4)->edit()->objectName(), QStringLiteral("EditKorVzduch4"));
    EXPECT_EQ(korekce.startTime(0)->edit()->objectName(), QStringLiteral("EditSyticCas1"));
}

TEST(EnterKeyFilterTest, EnterInACheckBoxGoesToFormKeyPress)
{
    test::GestureRecorder sink;
    EnterKeyFilter filter(sink);
    QCheckBox box(QStringLiteral("Blocking enable"));
    filter.watch(&box);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Space);
    ASSERT_EQ(sink.keyControls.size(), 1);
    EXPECT_EQ(sink.keyControls.first(), &box);
}

}  // namespace
}  // namespace korvane::ui

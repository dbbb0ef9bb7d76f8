#include "ui/Colours.h"
#include "ui/EditorRegistry.h"
#include "ui/GasSheet.h"
#include "ui/LadeniSheet.h"
#include "ui/NumericEditor.h"
#include "ui/RuzneSheet.h"
#include "ui/SpinArrows.h"

#include "model/BikeTypes.h"
#include "pages/EditorBindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "GestureRecorder.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

class OtherPages : public ::testing::Test {
protected:
    test::GestureRecorder sink;
    EditorRegistry registry;
    QWidget window;
    RuzneSheet *ruzne = new RuzneSheet(sink, registry, &window);
    GasSheet *gas = new GasSheet(sink, registry, &window);
    LadeniSheet *ladeni = new LadeniSheet(sink, registry, &window);

    template <typename T>
    T *find(const char *name) const
    {
        auto *widget = window.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(OtherPages, RegisterEveryBoundControlUnderItsName)
{
    for (const auto page : {pages::RuznePage, pages::GasPage, pages::LadeniPage}) {
        for (const pages::EditorBinding *binding : pages::BindingsOfPage(page)) {
            const std::string name(binding->control);
            const QString objectName = QString::fromStdString(name);
            switch (binding->kind) {
            case pages::ControlKind::Numeric: {
                NumericEditor *editor = registry.numeric(binding->control);
                ASSERT_NE(editor, nullptr) << name;
                EXPECT_EQ(editor->upDown()->objectName(), objectName);
                break;
            }
            case pages::ControlKind::Check:
                ASSERT_NE(registry.check(binding->control), nullptr) << name;
                EXPECT_EQ(registry.check(binding->control)->objectName(), objectName);
                break;
            case pages::ControlKind::Combo:
                ASSERT_NE(registry.combo(binding->control), nullptr) << name;
                EXPECT_EQ(registry.combo(binding->control), ruzne->bikeList());
                break;
            case pages::ControlKind::Radio:
                ADD_FAILURE() << "no radio group on these pages: " << name;
                break;
            }
        }
    }
    EXPECT_EQ(registry.check("CheckBoxProgHned"), nullptr) << "holds no image byte";
}

TEST_F(OtherPages, CheckBoxesReportTheUsersGesturesOnly)
{
    window.show();
    struct Case {
        const char *name;
        bool mouseUp;
        bool enter;
    };
    const Case cases[] = {
        {"CheckBoxBlokEnable", true, true},    {"CheckBoxProgHned", true, false},
        {"CheckBoxExtMonitor", true, false},   {"CheckBoxAktBlok1", false, true},
        {"CheckBoxAktClutch", true, true},     {"CheckBoxAktRpm", true, false},
        {"CheckBoxAktLimiter1", true, false},  {"CheckBoxAktN2o", true, true},
        {"CheckBoxTempDisplay", true, true},   {"CheckBoxGearDisplay", true, true},
        {"CheckBoxGas", true, true},           {"CheckBoxLadeniPovoleno", false, true},
    };
    for (const Case &c : cases) {
        auto *box = find<QCheckBox>(c.name);
        ASSERT_NE(box, nullptr);
        const int checkUp = sink.checkUp;
        sink.keyControls.clear();
        box->setChecked(true);
        box->setChecked(false);
        EXPECT_EQ(sink.checkUp, checkUp) << c.name << ": showing a value is no gesture";

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        EXPECT_TRUE(box->isChecked()) << c.name;
        EXPECT_EQ(sink.checkUp - checkUp, c.mouseUp ? 1 : 0) << c.name;

        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(sink.keyControls, c.enter ? QList<QWidget *>{box} : QList<QWidget *>{}) << c.name;
        EXPECT_TRUE(box->isChecked()) << c.name << ": Enter does not toggle";
    }
}

TEST_F(OtherPages, EditorsAndTheModelListReportTheirGestures)
{
    NumericEditor *omez1 = registry.numeric("UpDownOmez1");
    ASSERT_NE(omez1, nullptr);
    QTest::keyClick(omez1->edit(), Qt::Key_Return);
    EXPECT_EQ(sink.keyControls, QList<QWidget *>{omez1->edit()});

    QComboBox *bikes = ruzne->bikeList();
    EXPECT_EQ(bikes->objectName(), QStringLiteral("ComboBoxBike"));
    EXPECT_FALSE(bikes->isEditable());
    EXPECT_EQ(bikes->maxVisibleItems(), 40);
    const auto texts = model::BikeListTexts();
    ASSERT_EQ(bikes->count(), static_cast<int>(texts.size()));
    for (int i = 0; i < bikes->count(); ++i)
        EXPECT_EQ(bikes->itemText(i).toStdString(), std::string(texts[static_cast<std::size_t>(i)]));

    bikes->setCurrentIndex(5);
    EXPECT_EQ(sink.bike, 0) << "showing a model is no gesture";
    QTest::keyClick(bikes, Qt::Key_Down);
    EXPECT_EQ(bikes->currentIndex(), 6);
    EXPECT_EQ(sink.bike, 1);
    QTest::keyClick(bikes, Qt::Key_Return);
    EXPECT_EQ(sink.keyControls.last(), bikes);
}

TEST_F(OtherPages, ProgrammingAfterChangeIsRedWhileTicked)
{
    QCheckBox *progHned = ruzne->progHned();
    const QColor face = progHned->palette().color(progHned->backgroundRole());
    progHned->setChecked(true);
    ruzne->paintProgHned();
    EXPECT_EQ(progHned->palette().color(progHned->backgroundRole()), QColor(255, 0, 0));
    progHned->setChecked(false);
    ruzne->paintProgHned();
    EXPECT_EQ(progHned->palette().color(progHned->backgroundRole()), face);
}

TEST_F(OtherPages, VersionTextsAreEmptyUntilTheUnitSentThem)
{
    ruzne->showVersion(model::VersionTexts{"TX 35", "12.03.05", "10:20"});
    EXPECT_EQ(find<QLabel>("LabelVerze3")->text(), QStringLiteral("10:20"));
    ruzne->showVersion(std::nullopt);
    for (const char *name : {"LabelVerze1", "LabelVerze2", "LabelVerze3"})
        EXPECT_EQ(find<QLabel>(name)->text(), QString()) << name;
}

}  // namespace
}  // namespace korvane::ui

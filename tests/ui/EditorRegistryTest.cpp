#include "GestureRecorder.h"

#include "pages/PageEditor.h"
#include "ui/EditorRegistry.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

constexpr std::size_t Cells = MapGroup::Rows * MapGroup::Columns;

TEST(EditorRegistryTest, MapPageRoundTripSetsTheCellMaximumBeforeTheValue)
{
    test::GestureRecorder sink;
    EditorRegistry registry;
    MapGroup map(sink, registry);
    ASSERT_EQ(registry.numerics("UpDownMapCell").size(), static_cast<qsizetype>(Cells));
    ASSERT_EQ(registry.numerics("UpDownMapRpm").size(), MapGroup::Columns);
    registry.applyDesign();
    EXPECT_EQ(map.cell(9, 14)->maximum(), 60);  // the advance page comes first

    pages::PageValues advance = pages::PageEditor::DesignValues(pages::AdvancePage);
    registry.write(advance);
    EXPECT_EQ(map.cell(0, 0)->maximum(), 60);

    pages::PageValues injection = pages::PageEditor::DesignValues(pages::Inj14APage);
    for (std::size_t k = 0; k < Cells; ++k) {
        injection.at("UpDownMapCell", k) = 200;
    }
    injection.at("UpDownMapRpm", 14) = 12300;
    injection.all = true;
    registry.write(injection);

    const pages::PageValues read = registry.read(pages::Inj14APage);
    EXPECT_EQ(read.values, injection.values);
    EXPECT_TRUE(read.all);
    EXPECT_EQ(map.cell(3, 7)->edit()->text(), QStringLiteral("200"));
    EXPECT_EQ(map.cell(3, 7)->maximum(), 250);

    // Back on the advance page the same cells are limited again.
    advance.at("UpDownMapCell", 5) = 200;
    registry.write(advance);
    EXPECT_EQ(registry.read(pages::AdvancePage).at("UpDownMapCell", 5), 60);
    EXPECT_FALSE(map.allBox()->isChecked());
    EXPECT_EQ(sink.checkUp + sink.upDown + sink.editExit, 0) << "showing values is no gesture";
}

TEST(EditorRegistryTest, ReadTakesTypedTextOnlyWhenValid)
{
    test::GestureRecorder sink;
    EditorRegistry registry;
    MapGroup map(sink, registry);
    registry.applyDesign();
    map.cell(0, 1)->edit()->setText(QStringLiteral("42"));
    map.cell(0, 2)->edit()->setText(QStringLiteral("x"));
    map.cell(0, 3)->edit()->setText(QStringLiteral("61"));
    const pages::PageValues read = registry.read(pages::AdvancePage);
    const int design = pages::PageEditor::DesignValues(pages::AdvancePage).at("UpDownMapCell", 2);
    EXPECT_EQ(read.at("UpDownMapCell", 1), 42);
    EXPECT_EQ(read.at("UpDownMapCell", 2), design);
    EXPECT_EQ(read.at("UpDownMapCell", 3), design);
}

}  // namespace
}  // namespace korvane::ui

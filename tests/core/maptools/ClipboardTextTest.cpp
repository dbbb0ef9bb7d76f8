#include "maptools/ClipboardText.h"

#include "../pages/TestImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvane::maptools {
namespace {

using pages::test::DefaultImage;

model::ConfigImage Counting()
{
    model::ConfigImage image = DefaultImage();
    for (std::size_t k = 0; k < model::MapCells; ++k) {
        image[model::Offset::AdvMap + k] = static_cast<std::uint8_t>(k % 61);
    }
    return image;
}

std::vector<int> Row(const model::ConfigImage &image, SheetId sheet, std::size_t row, std::size_t count)
{
    std::vector<int> values;
    for (std::size_t column = 0; column < count; ++column) {
        values.push_back(CellValue(image, sheet, {row, column}));
    }
    return values;
}

TEST(CopyText, TabsBetweenFieldsANewlineAfterEveryRowNoGrouping)
{
    const model::ConfigImage image = Counting();
    EXPECT_EQ(CopyText(image, SheetId::Advance, {1, 2, 2, 4}), "17\t18\t19\n32\t33\t34\n");

    model::ConfigImage servo = image;
    servo[model::Offset::ServoVolt] = 200;
    EXPECT_EQ(CopyText(servo, SheetId::Servo, {0, 0, 0, 0}), "4000\n");

    const std::string whole = CopyText(image, SheetId::Advance, WholeSheet(SheetId::Advance));
    EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 10);
    EXPECT_EQ(std::count(whole.begin(), whole.end(), '\t'), 10 * 14);
}

TEST(PasteText, AcceptsTheSeparatorsLineEndsAndGroupingOfSpreadsheets)
{
    struct Case {
        const char *text;
        char32_t grouping;
        std::vector<int> firstRow;  // servo mV
        std::size_t limited;
    };
    const Case cases[] = {
        {"100\t200\t300", NoGrouping, {100, 200, 300}, 0},
        {"100;200;300;\r\n", NoGrouping, {100, 200, 300}, 0},
        {"  100 200   300 \n\n\n", NoGrouping, {100, 200, 300}, 0},
        {"100 ;\t 200\t", NoGrouping, {}, 0},  // a tab line: "100 ;" is one field
        {"1,500\t2,000\t-5", U',', {1500, 2000, 20}, 1},
        {"1.500;2.000;+4.980", U'.', {1500, 2000, 4980}, 0},
        {"1\u00A0500 2\u202F000 4\u00A0980", U'\u00A0', {1500, 2000, 4980}, 0},
        {"1 500\t2 000\t999 999", U'\u202F', {1500, 2000, 4980}, 1},
        {"\u22125\t4990", NoGrouping, {20, 4980}, 2},
    };
    for (const Case &c : cases) {
        const model::ConfigImage image = DefaultImage();
        const EditResult result = PasteText(image, SheetId::Servo, {0, 0}, c.text, c.grouping);
        if (c.firstRow.empty()) {
            EXPECT_EQ(result.status, EditStatus::NotWholeNumber) << c.text;
            continue;
        }
        ASSERT_EQ(result.status, EditStatus::Done) << c.text;
        EXPECT_EQ(Row(result.image, SheetId::Servo, 0, c.firstRow.size()), c.firstRow) << c.text;
        EXPECT_EQ(result.limited, c.limited) << c.text;
    }
}

TEST(PasteText, RefusesWholeBlocksNamingTheFirstBadLineAndField)
{
    struct Case {
        std::string text;
        CellPos at;
        char32_t grouping;
        EditStatus status;
        std::size_t line;
        std::size_t field;
    };
    const std::string sixteen = "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\n";
    const Case cases[] = {
        {"1\t2\nx\t4", {0, 0}, NoGrouping, EditStatus::NotWholeNumber, 2, 1},
        {"1\t\t2", {0, 0}, NoGrouping, EditStatus::NotWholeNumber, 1, 2},
        {"1\t2.5", {0, 0}, NoGrouping, EditStatus::NotWholeNumber, 1, 2},
        {"1,5", {0, 0}, U',', EditStatus::NotWholeNumber, 1, 1},
        {"12,3456", {0, 0}, U',', EditStatus::NotWholeNumber, 1, 1},
        {"1\n\n2\n", {0, 0}, NoGrouping, EditStatus::NotWholeNumber, 2, 1},
        {"\t1", {0, 0}, NoGrouping, EditStatus::NotWholeNumber, 1, 1},
        {sixteen, {0, 0}, NoGrouping, EditStatus::DoesNotFit, 1, 16},
        {"1\t2\n3\t4", {0, 14}, NoGrouping, EditStatus::DoesNotFit, 1, 2},
        {"1\n2\nx", {8, 0}, NoGrouping, EditStatus::DoesNotFit, 3, 1},
        {"", {0, 0}, NoGrouping, EditStatus::NothingToPaste, 0, 0},
        {" \r\n\n", {0, 0}, NoGrouping, EditStatus::NothingToPaste, 0, 0},
    };
    const model::ConfigImage image = Counting();
    for (const Case &c : cases) {
        const EditResult result = PasteText(image, SheetId::Advance, c.at, c.text, c.grouping);
        EXPECT_EQ(result.status, c.status) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_EQ(result.field, c.field) << c.text;
        EXPECT_TRUE(result.image == image) << c.text;
    }
    model::ConfigImage coupled = image;
    coupled[model::Offset::JetMode] = 1;
    EXPECT_EQ(PasteText(coupled, SheetId::Inj23A, {0, 0}, "1", NoGrouping).status, EditStatus::Locked);
}

TEST(PasteText, ACopiedBlockPastesBackByteIdenticalElsewhere)
{
    const model::ConfigImage image = Counting();
    const std::string block = CopyText(image, SheetId::Advance, {1, 2, 4, 7});
    const EditResult pasted = PasteText(image, SheetId::Advance, {5, 9}, block, NoGrouping);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(CopyText(pasted.image, SheetId::Advance, {5, 9, 8, 14}), block);

    // A whole map into another map, through the other map's bindings.
    const std::string whole = CopyText(image, SheetId::Advance, WholeSheet(SheetId::Advance));
    const EditResult other = PasteText(image, SheetId::Inj14A, {0, 0}, whole, NoGrouping);
    EXPECT_EQ(CopyText(other.image, SheetId::Inj14A, WholeSheet(SheetId::Inj14A)), whole);
}

}  // namespace
}  // namespace korvane::maptools

#include "history/ImageHistory.h"

#include <gtest/gtest.h>

#include <random>

namespace korvane::history {
namespace {

using namespace std::chrono_literals;
using Time = ImageHistory::TimePoint;

const Time T0{};

model::ConfigImage RandomImage(std::mt19937 &random)
{
    model::ConfigImage image;
    for (std::uint8_t &byte : image.bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return image;
}

// One edit as the window makes them: a cell, a run of a map, or the whole image.
model::ConfigImage RandomEdit(model::ConfigImage image, std::mt19937 &random)
{
    switch (random() % 3) {
    case 0:
        image[random() % model::ImageSize] ^= static_cast<std::uint8_t>(1 + random() % 255);
        break;
    case 1: {
        const std::size_t start = random() % (model::ImageSize - 150);
        for (std::size_t i = start; i < start + 150; ++i) {
            image[i] = static_cast<std::uint8_t>(image[i] + 1);
        }
        break;
    }
    default:
        image = RandomImage(random);
        break;
    }
    return image;
}

TEST(ImageHistory, UndoingEveryEditGivesTheStartAndRedoingThemTheEnd)
{
    std::mt19937 random(14);
    const model::ConfigImage start = RandomImage(random);
    ImageHistory history;
    model::ConfigImage image = start;
    std::vector<model::ConfigImage> states{start};
    constexpr int Edits = 300;
    for (int i = 0; i < Edits; ++i) {
        const model::ConfigImage after = RandomEdit(image, random);
        // The same key every time, but two seconds apart: no merging.
        history.Record("edit " + std::to_string(i), image, after, "same", T0 + 2s * i);
        image = after;
        states.push_back(image);
    }
    ASSERT_EQ(history.UndoCount(), static_cast<std::size_t>(Edits));

    for (int i = Edits - 1; i >= 0; --i) {
        ASSERT_EQ(history.UndoLabel(), "edit " + std::to_string(i));
        const auto undone = history.Undo(image);
        ASSERT_TRUE(undone);
        EXPECT_EQ(undone->label, "edit " + std::to_string(i));
        image = undone->image;
        ASSERT_EQ(image, states[static_cast<std::size_t>(i)]) << "after undoing edit " << i;
    }
    EXPECT_EQ(image, start);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo(image));

    for (int i = 0; i < Edits; ++i) {
        ASSERT_EQ(history.RedoLabel(), "edit " + std::to_string(i));
        image = history.Redo(image)->image;
    }
    EXPECT_EQ(image, states.back());
    EXPECT_FALSE(history.CanRedo());
}

TEST(ImageHistory, UndoLeavesBytesTheStepDidNotChange)
{
    ImageHistory history;
    model::ConfigImage before;
    model::ConfigImage after = before;
    after[600] = 36;
    history.Record("cell", before, after, {}, T0);
    model::ConfigImage current = after;
    current[5] = 77;  // the unit's header, taken over without a step
    const auto undone = history.Undo(current);
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->image[600], 0);
    EXPECT_EQ(undone->image[5], 77);
}

struct MergeCase {
    const char *name;
    std::string secondKey;
    std::chrono::milliseconds gap;
    bool undoRedoBetween;
    std::size_t steps;
};

class ImageHistoryMerge : public testing::TestWithParam<MergeCase> {};

TEST_P(ImageHistoryMerge, RepeatsOfOneKeyWithinASecondMakeOneStep)
{
    const MergeCase &c = GetParam();
    ImageHistory history;
    model::ConfigImage a;
    a[400] = 35;
    model::ConfigImage b = a;
    b[400] = 36;
    model::ConfigImage c3 = b;
    c3[400] = 37;
    c3[401] = 1;

    history.Record("35 -> 36", a, b, "plus:400", T0);
    if (c.undoRedoBetween) {
        b = history.Undo(b)->image;
        b = history.Redo(b)->image;
    }
    history.Record("36 -> 37", b, c3, c.secondKey, T0 + c.gap);
    EXPECT_EQ(history.UndoCount(), c.steps);
    EXPECT_EQ(history.UndoLabel(), "36 -> 37");

    model::ConfigImage image = c3;
    while (history.CanUndo()) {
        image = history.Undo(image)->image;
    }
    EXPECT_EQ(image, a) << "the merged step keeps the first values before";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageHistoryMerge,
    testing::Values(MergeCase{"SameKeySoon", "plus:400", 999ms, false, 1},
                    MergeCase{"SameKeyLate", "plus:400", 1000ms, false, 2},
                    MergeCase{"OtherKey", "plus:401", 100ms, false, 2},
                    MergeCase{"NoKey", "", 100ms, false, 2},
                    MergeCase{"UndoneInBetween", "plus:400", 100ms, true, 2}),
    [](const testing::TestParamInfo<MergeCase> &info) { return std::string(info.param.name); });

TEST(ImageHistory, EachRepeatStartsANewSecond)
{
    ImageHistory history;
    model::ConfigImage image;
    for (int i = 0; i < 5; ++i) {
        model::ConfigImage after = image;
        ++after[500];
        history.Record("plus", image, after, "plus:500", T0 + 800ms * i);
        image = after;
    }
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_EQ(history.Undo(image)->image[500], 0);
}

TEST(ImageHistory, AMergeBackToTheStartLeavesNoStep)
{
    ImageHistory history;
    model::ConfigImage a;
    model::ConfigImage b = a;
    b[700] = 1;
    history.Record("first", a, a, {}, T0);  // no change: nothing recorded
    EXPECT_FALSE(history.CanUndo());
    history.Record("up", a, b, "cell:700", T0);
    history.Record("down", b, a, "cell:700", T0 + 100ms);
    EXPECT_FALSE(history.CanUndo());
}

TEST(ImageHistory, ANewStepDropsWhatCouldBeRedoneButAnEmptyOneDoesNot)
{
    ImageHistory history;
    model::ConfigImage a;
    model::ConfigImage b = a;
    b[100] = 1;
    model::ConfigImage c = a;
    c[101] = 1;
    history.Record("b", a, b, {}, T0);
    const model::ConfigImage undone = history.Undo(b)->image;
    history.Record("nothing", undone, undone, {}, T0 + 1s);
    EXPECT_EQ(history.RedoLabel(), "b");

    history.Record("c", undone, c, {}, T0 + 2s);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.RedoLabel(), "");
    EXPECT_EQ(history.UndoLabel(), "c");
    EXPECT_EQ(history.UndoCount(), 1u);
}

TEST(ImageHistory, KeepsTheNewestThousandSteps)
{
    ImageHistory history;
    model::ConfigImage image;
    for (std::size_t i = 0; i < ImageHistory::MaxSteps + 5; ++i) {
        model::ConfigImage after = image;
        after[200 + i % 1000] = static_cast<std::uint8_t>(after[200 + i % 1000] + 1);
        history.Record("step " + std::to_string(i), image, after, {}, T0 + 2s * i);
        image = after;
    }
    EXPECT_EQ(history.UndoCount(), ImageHistory::MaxSteps);
    while (history.CanUndo()) {
        image = history.Undo(image)->image;
    }
    // Steps 0..4 are gone: their bytes keep the values those steps gave them.
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(image[200 + i], 1) << i;
    }
    EXPECT_EQ(image[205], 0);
    EXPECT_EQ(history.RedoLabel(), "step 5");
}

}  // namespace
}  // namespace korvane::history

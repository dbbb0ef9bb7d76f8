#include "TestImage.h"

#include "pages/NewParameters.h"

#include <gtest/gtest.h>

namespace korvane::pages::test {
namespace {

namespace Offset = model::Offset;

model::ConfigImage DefaultsOf(model::ConfigImage image, std::uint8_t bikeType)
{
    image[Offset::BikeType] = bikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    return image;
}

model::ConfigImage EditedImage()
{
    model::ConfigImage image = DefaultImage(1);
    image[Offset::StartLimiter] = 77;
    image[Offset::Jet14AMap + 3] = 12;
    return image;
}

TEST(NewParameters, NewBuildsDefaultsOnlyOnYes)
{
    for (DefaultsAnswer answer : {DefaultsAnswer::Yes, DefaultsAnswer::No, DefaultsAnswer::Cancel}) {
        model::ConfigImage image = EditedImage();
        const model::ConfigImage before = image;
        model::DefaultSetSelector selector;
        const bool built = ApplyNewAnswer(image, selector, answer);
        EXPECT_EQ(built, answer == DefaultsAnswer::Yes);
        EXPECT_EQ(image, built ? DefaultsOf(before, model::StartupBikeType) : before);
    }
}

TEST(NewParameters, ModelChangeAnswers)
{
    constexpr std::uint8_t previous = model::StartupBikeType;  // 11: flag 0, constant 85
    constexpr std::uint8_t chosen = 0;                        // flag 1, constant 75
    const model::ConfigImage edited = EditedImage();
    model::ConfigImage changed = edited;
    changed[Offset::BikeType] = chosen;

    model::ConfigImage yes = changed;
    model::DefaultSetSelector selector;
    EXPECT_TRUE(ApplyModelChangeAnswer(yes, selector, previous, DefaultsAnswer::Yes));
    EXPECT_EQ(yes, DefaultsOf(changed, chosen));
    EXPECT_EQ(&selector.current(), model::DefaultSetForCode(chosen));

    model::ConfigImage no = changed;
    EXPECT_FALSE(ApplyModelChangeAnswer(no, selector, previous, DefaultsAnswer::No));
    EXPECT_EQ(Changed(edited, no), (std::set<std::size_t>{Offset::BikeType, Offset::TypeFlag, Offset::TypeConstant}));
    EXPECT_EQ(no[Offset::BikeType], chosen);
    EXPECT_EQ(no[Offset::TypeFlag], 1);
    EXPECT_EQ(no[Offset::TypeConstant], 75);

    model::ConfigImage cancel = changed;
    EXPECT_FALSE(ApplyModelChangeAnswer(cancel, selector, previous, DefaultsAnswer::Cancel));
    EXPECT_EQ(cancel, edited);
}

}  // namespace
}  // namespace korvane::pages::test

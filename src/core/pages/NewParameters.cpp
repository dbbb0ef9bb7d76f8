#include "pages/NewParameters.h"

namespace korvane::pages {

bool ApplyNewAnswer(model::ConfigImage &image, model::DefaultSetSelector &selector, DefaultsAnswer answer)
{
    if (answer != DefaultsAnswer::Yes) {
        return false;
    }
    model::BuildDefaults(image, selector);
    return true;
}

bool ApplyModelChangeAnswer(model::ConfigImage &image, model::DefaultSetSelector &selector,
                            std::uint8_t previousType, DefaultsAnswer answer)
{
    switch (answer) {
    case DefaultsAnswer::Yes:
        model::BuildDefaults(image, selector);
        return true;
    case DefaultsAnswer::No:
        // The new model stays, so the bytes derived from it must follow it.
        model::ApplyTypeSettings(image);
        return false;
    case DefaultsAnswer::Cancel:
        image[model::Offset::BikeType] = previousType;
        return false;
    }
    return false;
}

}  // namespace korvane::pages

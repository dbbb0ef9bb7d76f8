#pragma once

#include "model/BikeTypes.h"
#include "model/ConfigImage.h"
#include "model/ValueLimits.h"
#include "pages/PageEditor.h"

#include <set>

namespace korvane::pages::test {

// The legal parameter set of the start-up model.
inline model::ConfigImage DefaultImage(std::uint8_t jetMode = 0)
{
    model::ConfigImage image;
    image[model::Offset::BikeType] = model::StartupBikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    model::NormaliseImage(image);
    image[model::Offset::JetMode] = jetMode;
    return image;
}

// Image offsets whose bytes differ between the two images.
inline std::set<std::size_t> Changed(const model::ConfigImage &before, const model::ConfigImage &after)
{
    std::set<std::size_t> offsets;
    for (std::size_t j = 0; j < model::ImageSize; ++j) {
        if (before[j] != after[j]) {
            offsets.insert(j);
        }
    }
    return offsets;
}

// Shows page, lets edit change the values, takes them over; returns the values taken.
template <typename Edit>
PageValues ShowEditTake(PageEditor &editor, model::ConfigImage &image, std::uint8_t page, Edit edit)
{
    editor.SetCurrentPage(page);
    PageValues values = editor.ShowPage(image);
    edit(values);
    editor.TakePage(image, values);
    return values;
}

}  // namespace korvane::pages::test

#pragma once

// The New command and the change of model in the list, after the user has
// answered "Do you want default setting?".

#include "model/BikeTypes.h"
#include "model/ConfigImage.h"

#include <cstdint>

namespace korvane::pages {

enum class DefaultsAnswer : std::uint8_t { Yes, No, Cancel };

// New: Yes builds the defaults of the image's type; No and Cancel change
// nothing. Returns true when the defaults were built (the caller then hides
// the status display and empties the file name).
bool ApplyNewAnswer(model::ConfigImage &image, model::DefaultSetSelector &selector, DefaultsAnswer answer);

// Change of model: BikeType already holds the new code and previousType the
// one before. Yes builds the defaults of the new type; No keeps the new type
// and derives the type-dependent bytes from it; Cancel puts the previous type
// back. Returns true when the defaults were built.
bool ApplyModelChangeAnswer(model::ConfigImage &image, model::DefaultSetSelector &selector,
                            std::uint8_t previousType, DefaultsAnswer answer);

}  // namespace korvane::pages

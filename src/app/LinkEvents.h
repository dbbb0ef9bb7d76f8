#pragma once

// The link's one-shot outputs of a tick, taken once by the window and handed
// to every controller that wants them: taken twice, the second taker would
// see nothing.

#include "link/DeviceLink.h"
#include "model/ConfigImage.h"

#include <optional>

namespace korvane::app {

struct LinkEvents {
    std::optional<model::ConfigImage> readArrived;     // the unit's blocks, before normalisation
    std::optional<model::ConfigImage> programStarted;  // the image a program run sends
    std::optional<link::TransferMode> confirmed;       // the operation whose verify passed
    std::optional<link::AsideRead> asideRead;

    [[nodiscard]] static LinkEvents Take(link::DeviceLink &link)
    {
        LinkEvents events;
        events.readArrived = link.takeReadArrived();
        events.programStarted = link.takeProgramStarted();
        events.confirmed = link.takeConfirmed();
        events.asideRead = link.takeAsideRead();
        return events;
    }
};

}  // namespace korvane::app

#pragma once

// The one-shot outputs of a tick's transfer, taken from the link in one place
// (TFormHlav::Timer1Timer) and handed to every controller that follows them,
// so that no controller takes an event away from another.

#include "link/DeviceLink.h"
#include "model/ConfigImage.h"

#include <optional>

namespace korvane::app {

struct LinkEvents {
    std::optional<model::ConfigImage> readArrived;     // the unit's blocks of a read, before normalisation
    std::optional<model::ConfigImage> programStarted;  // the image a program run sends
    std::optional<link::TransferMode> confirmed;       // a closing verify or verify passed
    std::optional<link::AsideRead> asideRead;          // a read into a buffer of its own

    [[nodiscard]] bool any() const { return readArrived || programStarted || confirmed || asideRead; }
};

[[nodiscard]] inline LinkEvents TakeLinkEvents(link::DeviceLink &link)
{
    LinkEvents events;
    events.readArrived = link.takeReadArrived();
    events.programStarted = link.takeProgramStarted();
    events.confirmed = link.takeConfirmed();
    events.asideRead = link.takeAsideRead();
    return events;
}

}  // namespace korvane::app
